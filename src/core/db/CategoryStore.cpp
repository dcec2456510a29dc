#include "db/CategoryStore.h"

#include "app/UserPrompt.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"

#include <QDateTime>
#include <QLocale>
#include <QSet>

namespace {

bool OpenReported(CRecordset &rs, const QString &sql)
{
    if (rs.Open(sql))
        return true;
    ShowMessage(rs.ErrorText(), MsgIcon::Warning);
    return false;
}

bool CountRows(const QString &sql, CLibraryConnection &connection, int &count)
{
    QString text;
    if (!QuerySingleValue(sql, connection, text, nullptr, false))
        return false;
    count = text.toInt();
    return true;
}

} // namespace

bool CCategoryStore::ReadAll(QVector<CCategoryRow> &rows)
{
    CRecordset rs(m_connection);
    if (!OpenReported(rs, QStringLiteral("SELECT CatID, ParentID, Name FROM category")))
        return false;
    while (!rs.IsEOF()) {
        CCategoryRow row;
        row.id = int(rs.GetField(0).integer);
        const CFieldValue parent = rs.GetField(1);
        row.parentId = parent.type == CFieldValue::Type::Null ? 0 : int(parent.integer);
        row.name = rs.GetText(2);
        rows.append(row);
        if (!rs.MoveNext() && rs.HasError()) {
            ShowMessage(rs.ErrorText(), MsgIcon::Warning);
            return false;
        }
    }
    return true;
}

int CCategoryStore::Add(const QString &name, const QString &notes, int parentId)
{
    CTransaction transaction(m_connection);
    QString maxText;
    if (!transaction.IsActive() ||
        !QuerySingleValue(QStringLiteral("SELECT MAX(CatID) from category"), m_connection, maxText))
        return 0;
    const int id = qMax(maxText.toInt() + 1, int(kFirstUserCategory));
    if (!ExecuteSql(QStringLiteral("INSERT INTO category (CatID, Name, ParentID, Notes) VALUES "
                                   "(%1, %2, %3, %4)")
                        .arg(id)
                        .arg(FormatSqlLiteral(name, kLiteralText))
                        .arg(parentId)
                        .arg(FormatSqlLiteral(notes, kLiteralText)),
                    true, m_connection) ||
        !transaction.Commit())
        return 0;
    return id;
}

bool CCategoryStore::ReadInfo(int id, CCategoryInfo &info)
{
    CRecordset rs(m_connection);
    if (!rs.Open(QStringLiteral("SELECT * FROM category WHERE CatID=%1").arg(id)) || rs.IsEOF())
        return false;
    info.name = rs.GetText(QStringLiteral("Name"));
    info.notes = rs.GetText(QStringLiteral("Notes"));
    const CFieldValue date = rs.GetField(QStringLiteral("OperationDate"));
    info.operationDate = date.type == CFieldValue::Type::Date && date.date.isValid()
                             ? QLocale().toString(date.date, QLocale::ShortFormat)
                             : QStringLiteral("Invalid DateTime");
    rs.Close();
    return CountRows(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=%1").arg(id),
                     m_connection, info.bookCount) &&
           CountRows(QStringLiteral("SELECT COUNT(*) FROM category WHERE ParentID=%1").arg(id),
                     m_connection, info.subCategoryCount);
}

bool CCategoryStore::Update(int id, const QString &name, const QString &notes)
{
    return ExecuteSql(QStringLiteral("UPDATE category SET Name=%1,Notes=%2 WHERE CatID=%3")
                          .arg(FormatSqlLiteral(name, kLiteralText))
                          .arg(FormatSqlLiteral(notes, kLiteralText))
                          .arg(id),
                      true, m_connection);
}

bool CCategoryStore::ReadRemoval(int id, CCategoryRemoval &removal)
{
    // UNION (not UNION ALL) ends the walk even in a damaged library whose
    // parents form a loop.
    const QString sql =
        QStringLiteral(
            "WITH RECURSIVE removed(CatID) AS (SELECT %1 UNION SELECT category.CatID FROM "
            "category JOIN removed ON category.ParentID = removed.CatID) "
            "SELECT Name, (SELECT COUNT(*) - 1 FROM removed), "
            "(SELECT COUNT(DISTINCT BookID) FROM book_category WHERE CatID IN removed), "
            "(SELECT COUNT(DISTINCT BookID) FROM book_category AS inside WHERE CatID IN removed "
            "AND NOT EXISTS (SELECT 1 FROM book_category AS other WHERE other.BookID = "
            "inside.BookID AND other.CatID NOT IN removed)) "
            "FROM category WHERE CatID=%1")
            .arg(id);
    CRecordset rs(m_connection);
    if (!rs.Open(sql) || rs.IsEOF())
        return false;
    removal.name = rs.GetText(0);
    removal.subCategoryCount = int(rs.GetInteger(1));
    removal.bookCount = int(rs.GetInteger(2));
    removal.booksToRecycleBin = int(rs.GetInteger(3));
    return true;
}

bool CCategoryStore::Remove(int id)
{
    return ExecuteSql(QStringLiteral("DELETE FROM category WHERE CatID=%1").arg(id), true,
                      m_connection);
}

bool CCategoryStore::Move(int id, int newParentId)
{
    if (IsSelfOrAncestor(id, newParentId))
        return false;
    return ExecuteSql(
        QStringLiteral("UPDATE category SET ParentID=%1 WHERE CatID=%2").arg(newParentId).arg(id),
        true, m_connection);
}

bool CCategoryStore::IsSelfOrAncestor(int ancestorId, int id)
{
    QSet<int> seen; // a damaged library may hold a loop of parents
    while (id > 0 && !seen.contains(id)) {
        if (id == ancestorId)
            return true;
        seen.insert(id);
        QString parent;
        if (!QuerySingleValue(
                QStringLiteral("SELECT ParentID FROM category WHERE CatID=%1").arg(id),
                m_connection, parent, nullptr, false))
            return true; // unknown: refuse rather than risk a loop
        id = parent.toInt();
    }
    return false;
}
