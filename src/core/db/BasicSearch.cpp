#include "db/BasicSearch.h"

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"
#include "db/TomeloDoc.h"

CBasicSearchResult RunBasicSearch(CTomeloDoc &doc, const QString &keyword, bool clearFirst)
{
    CBasicSearchResult result;
    if (!doc.IsLibraryOpen())
        return result;
    CLibraryConnection &db = *doc.m_connection;
    if (clearFirst)
        ExecuteSql(
            QStringLiteral("DELETE FROM book_category WHERE CatID=%1").arg(kSearchResultsCategory),
            false, db);

    // The keyword's own "%" and "_" keep their pattern meaning.
    const QString pattern = FormatSqlLiteral(u'%' + keyword + u'%', kLiteralText);
    const QString sql =
        QStringLiteral("SELECT BookID FROM book WHERE Title LIKE %1 OR Author LIKE %1 OR "
                       "ISBN LIKE %1 OR Description LIKE %1 OR Notes LIKE %1 OR "
                       "UserText1 LIKE %1 OR UserText2 LIKE %1")
            .arg(pattern);
    doc.m_listRecordset = std::make_unique<CRecordset>(db);
    CRecordset &rs = *doc.m_listRecordset;
    // The rows are read before filing them, so the inserts never run under
    // the open query.
    QList<qint64> ids;
    if (rs.Open(sql)) {
        while (!rs.IsEOF()) {
            ids.append(rs.GetField(QStringLiteral("BookID")).integer);
            if (!rs.MoveNext())
                break;
        }
    }
    if (rs.HasError()) {
        result.error = rs.ErrorText();
        rs.Close();
        return result;
    }
    rs.Close();
    CTransaction transaction(db);
    for (qint64 id : ids) {
        // A book already in Search Results stays there quietly; any other
        // failure ends the search, and the transaction takes back what it filed.
        const QString insert =
            QStringLiteral("INSERT OR IGNORE INTO book_category(BookID,CatID) VALUES(%1,%2)")
                .arg(id)
                .arg(kSearchResultsCategory);
        QString error;
        if (!db.Execute(insert, &error, nullptr, true)) {
            result.error = insert + u'\n' + error;
            result.found = 0;
            return result;
        }
        ++result.found;
    }
    if (!transaction.Commit()) {
        result.error = transaction.Error();
        result.found = 0;
        return result;
    }
    result.ok = true;
    return result;
}
