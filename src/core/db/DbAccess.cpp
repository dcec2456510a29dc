#include "db/DbAccess.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"
#include "db/TextCollation.h"

#include <algorithm>

namespace {

void ShowSqlError(const QString &text)
{
    ShowMessage(text, MsgIcon::Warning, MsgButtons::Ok);
}

// Opens `sql` and reports its failure; the caller walks the rows.
bool OpenOrReport(CRecordset &rs, const QString &sql)
{
    if (rs.Open(sql))
        return true;
    ShowSqlError(rs.ErrorText());
    return false;
}

bool NextOrReport(CRecordset &rs)
{
    if (rs.MoveNext() || !rs.HasError())
        return true;
    ShowSqlError(rs.ErrorText());
    return false;
}

bool IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// `text` as a LIKE pattern that matches only itself (escaped with "\").
QString LiteralLikePattern(const QString &text)
{
    QString pattern;
    pattern.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            pattern += u'\\';
        pattern += c;
    }
    return pattern;
}

// The identifier of the row named `name` in a lookup table, letter case aside
// in every alphabet. The column's NOCASE folds only ASCII letters, so a name
// with other letters that is not found as it stands is compared once more
// through the connection's LIKE, over the stretch of the name index that
// starts with the same ASCII letters.
bool FindLookupId(const QString &table, const QString &key, const QString &name,
                  CLibraryConnection &connection, QString &id, bool &found)
{
    const QString literal = FormatSqlLiteral(name, kLiteralText);
    if (!QuerySingleValue(
            QStringLiteral("SELECT %1 FROM %2 WHERE Name=%3").arg(key, table, literal), connection,
            id, &found))
        return false;
    if (found || IsAscii(name))
        return true;
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE Name LIKE %3 ESCAPE '\\'")
                      .arg(key, table, FormatSqlLiteral(LiteralLikePattern(name), kLiteralText));
    const qsizetype asciiLength =
        std::find_if(name.begin(), name.end(), [](QChar c) { return c.unicode() >= 0x80; }) -
        name.begin();
    if (asciiLength > 0) {
        // Every name that starts with the prefix sorts between it and the
        // prefix followed by the last code point.
        const QString prefix = FormatSqlLiteral(name.left(asciiLength), kLiteralText);
        sql += QStringLiteral(" AND Name >= %1 AND Name < %1 || char(1114111)").arg(prefix);
    }
    return QuerySingleValue(sql, connection, id, &found);
}

} // namespace

bool IsIntegerText(const QString &text)
{
    bool ok = false;
    text.toLongLong(&ok);
    return ok && !text.isEmpty() && !text.at(0).isSpace() && !text.back().isSpace();
}

bool ExecuteSql(const QString &sql, bool showError, CLibraryConnection &connection)
{
    QString error;
    if (connection.Execute(sql, &error, nullptr, true))
        return true;
    if (showError)
        ShowSqlError(sql + u'\n' + error);
    return false;
}

bool QuerySingleValue(const QString &sql, CLibraryConnection &connection, QString &out, bool *found,
                      bool showError)
{
    CRecordset rs(connection);
    if (!rs.Open(sql)) {
        if (showError)
            ShowSqlError(rs.ErrorText());
        return false;
    }
    if (found)
        *found = !rs.IsEOF();
    out = rs.IsEOF() ? QString() : rs.GetText(0);
    return true;
}

bool QueryValue(const QString &sql, const QString &column, CLibraryConnection &connection,
                QString &out)
{
    out.clear();
    CRecordset rs(connection);
    if (!OpenOrReport(rs, sql) || rs.IsEOF())
        return false;
    out = rs.GetText(column);
    return true;
}

bool GetParentCategoryId(const QString &categoryId, CLibraryConnection &connection, QString &out)
{
    // Identifiers come from links and clipboard data: only whole numbers
    // ever reach the statement.
    if (!IsIntegerText(categoryId))
        return false;
    CRecordset rs(connection);
    if (!OpenOrReport(rs,
                      QStringLiteral("SELECT ParentID FROM category WHERE CatID=") + categoryId) ||
        rs.IsEOF())
        return false;
    out = rs.GetText(0);
    return true;
}

bool GetBookCategories(int bookId, CLibraryConnection &connection, QStringList &out)
{
    CRecordset rs(connection);
    if (!OpenOrReport(
            rs, QStringLiteral("SELECT CatID FROM book_category WHERE BookID=%1").arg(bookId)))
        return false;
    while (!rs.IsEOF()) {
        out.append(rs.GetText(QStringLiteral("CatID")));
        if (!NextOrReport(rs))
            return false;
    }
    return true;
}

bool AddBooksToCategory(int count, const quint32 *bookIds, int categoryId,
                        CLibraryConnection &connection)
{
    int duplicates = 0;
    for (int i = 0; i < count; ++i) {
        const int bookId = int(bookIds[i]);
        CRecordset rs(connection);
        if (!OpenOrReport(rs,
                          QStringLiteral("SELECT * FROM book_category WHERE BookID=%1 AND CatID=%2")
                              .arg(bookId)
                              .arg(categoryId)))
            return false;
        if (!rs.IsEOF()) {
            ++duplicates;
            continue;
        }
        rs.Close();
        if (!ExecuteSql(QStringLiteral("INSERT INTO book_category (bookID, CatID) VALUES (%1, %2)")
                            .arg(bookId)
                            .arg(categoryId),
                        true, connection))
            return false;
    }
    if (duplicates > 0)
        ShowMessage(FormatCountedMessage(162, duplicates), MsgIcon::Information);
    return true;
}

bool GetLinkPath(const QString &bookId, const QString &linkId, CLibraryConnection &connection,
                 QString &out)
{
    if (!IsIntegerText(bookId) || !IsIntegerText(linkId))
        return false;
    CRecordset rs(connection);
    if (!OpenOrReport(rs, QStringLiteral("SELECT Path FROM link WHERE BookID=%1 AND LinkID=%2")
                              .arg(bookId, linkId)) ||
        rs.IsEOF())
        return false;
    out = rs.GetText(QStringLiteral("Path"));
    return true;
}

QString LookupKeyColumn(const QString &table)
{
    return table.mid(4) + QStringLiteral("ID");
}

bool ListLookupNames(const QString &table, CLibraryConnection &connection, QStringList &out)
{
    CRecordset rs(connection);
    if (!OpenOrReport(rs, QStringLiteral("SELECT * FROM %1 ORDER BY Name").arg(table)))
        return false;
    const int nameColumn = rs.ColumnIndex(QStringLiteral("Name"));
    QStringList names;
    while (!rs.IsEOF()) {
        names.append(rs.GetText(nameColumn));
        if (!NextOrReport(rs))
            return false;
    }
    // The column's NOCASE puts accented names after "z"; the lists show them
    // among their base letters, as the book list does.
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return CompareFoldingCase(a, b) < 0;
    });
    out.append(names);
    return true;
}

bool LookupNameById(const QString &table, const QString &id, CLibraryConnection &connection,
                    QString &out)
{
    out.clear();
    if (id.isEmpty())
        return false;
    CRecordset rs(connection);
    if (!OpenOrReport(
            rs, QStringLiteral("SELECT * FROM %1 WHERE %2=%3")
                    .arg(table, LookupKeyColumn(table), FormatSqlLiteral(id, kLiteralInteger))) ||
        rs.IsEOF())
        return false;
    out = rs.GetText(QStringLiteral("Name"));
    return true;
}

int AllocateId(const QString &table, const QString &keyColumn, CLibraryConnection &connection)
{
    // In a bulk run every identifier handed out is used by a row of the same
    // transaction (or the group is rolled back and the cache forgotten), so
    // the next one follows the last.
    CLibraryConnection::CBulkCache *cache = connection.BulkCache();
    if (cache) {
        auto last = cache->lastIds.find(table);
        if (last != cache->lastIds.end())
            return ++*last;
    }
    // MAX over the key is one step down its index; an empty table gives NULL,
    // which the same statement turns into 0, so no separate count is needed.
    QString max;
    if (!QuerySingleValue(
            QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(keyColumn, table), connection,
            max))
        return 0;
    const int id = max.toInt() + 1;
    if (cache)
        cache->lastIds.insert(table, id);
    return id;
}

bool LookupOrAddId(const QString &table, const QString &name, QString &out,
                   CLibraryConnection &connection)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        out = QStringLiteral("NULL");
        return true;
    }
    CLibraryConnection::CBulkCache *cache = connection.BulkCache();
    // Names equal but for letter case are one row, as the database compares them.
    const QString cacheKey = cache ? table + u'\n' + trimmed.toCaseFolded() : QString();
    if (cache) {
        auto known = cache->lookupIds.constFind(cacheKey);
        if (known != cache->lookupIds.constEnd()) {
            out = *known;
            return true;
        }
    }
    const QString key = LookupKeyColumn(table);
    QString existing;
    bool found = false;
    if (!FindLookupId(table, key, trimmed, connection, existing, found))
        return false;
    if (found) {
        out = QString::number(existing.toInt());
        if (cache)
            cache->lookupIds.insert(cacheKey, out);
        return true;
    }
    const int id = AllocateId(table, key, connection);
    if (id == 0)
        return false;
    if (!ExecuteSql(
            QStringLiteral("INSERT INTO %1 (%2, Name) VALUES (%3, %4)")
                .arg(table, key, QString::number(id), FormatSqlLiteral(trimmed, kLiteralText)),
            true, connection))
        return false;
    out = QString::number(id);
    if (cache)
        cache->lookupIds.insert(cacheKey, out);
    return true;
}
