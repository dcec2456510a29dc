#include "db/NameTidy.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"
#include "db/TextCollation.h"

#include <QHash>

#include <algorithm>

namespace {

QString IdList(const QVector<int> &ids)
{
    QStringList texts;
    texts.reserve(ids.size());
    for (const int id : ids)
        texts += QString::number(id);
    return texts.join(u',');
}

QVector<int> IdsOf(const QVector<CNameUse> &uses)
{
    QVector<int> ids;
    ids.reserve(uses.size());
    for (const CNameUse &use : uses) {
        if (!ids.contains(use.id))
            ids.append(use.id);
    }
    return ids;
}

bool SameName(const QString &a, const QString &b)
{
    return CompareFoldingCase(a, b) == 0;
}

// Whether every listed name is still in `rows` under the same identifier and
// spelt as it was listed.
bool StillAsListed(const QVector<CNameUse> &listed, const QHash<int, QString> &rows)
{
    return std::all_of(listed.begin(), listed.end(), [&rows](const CNameUse &use) {
        const auto row = rows.constFind(use.id);
        return row != rows.constEnd() && *row == use.name;
    });
}

QHash<int, QString> ById(const QVector<CNameUse> &rows)
{
    QHash<int, QString> names;
    for (const CNameUse &row : rows)
        names.insert(row.id, row.name);
    return names;
}

} // namespace

QString CNameTidy::TableName(NameKind kind)
{
    // In the order of NameKind.
    static const char *const tables[] = {"bookpublisher", "booklanguage", "bookbinding",
                                         "bookstore",     "booklocation", "bookformat"};
    return QString::fromLatin1(tables[int(kind)]);
}

QString CNameTidy::KeyColumn(NameKind kind)
{
    // The lookup tables' rule: the table name without "book", and "ID".
    return TableName(kind).mid(4) + QStringLiteral("ID");
}

bool CNameTidy::ReadUses(const QString &sql, QVector<CNameUse> &out)
{
    out.clear();
    CRecordset rs(m_connection);
    if (!rs.Open(sql)) {
        m_error = rs.ErrorText();
        return false;
    }
    const bool counted = rs.ColumnCount() > 2;
    while (!rs.IsEOF()) {
        out.append({int(rs.GetInteger(0)), rs.GetText(1), counted ? int(rs.GetInteger(2)) : 0});
        if (!rs.MoveNext() && rs.HasError()) {
            m_error = rs.ErrorText();
            out.clear();
            return false;
        }
    }
    return true;
}

bool CNameTidy::ReadRows(NameKind kind, QVector<CNameUse> &rows)
{
    return ReadUses(QStringLiteral("SELECT %1, Name FROM %2").arg(KeyColumn(kind), TableName(kind)),
                    rows);
}

bool CNameTidy::List(NameKind kind, QVector<CNameUse> &out)
{
    // One pass over the books counts every name; a count per name would
    // read all the books once for each of them.
    if (!ReadUses(QStringLiteral("SELECT n.%1, n.Name, COALESCE(c.books, 0) FROM %2 n LEFT JOIN "
                                 "(SELECT %1 AS id, COUNT(*) AS books FROM book WHERE %1 IS NOT "
                                 "NULL GROUP BY %1) c ON c.id = n.%1")
                      .arg(KeyColumn(kind), TableName(kind)),
                  out))
        return false;
    QVector<QPair<QString, CNameUse>> keyed;
    keyed.reserve(out.size());
    for (const CNameUse &use : std::as_const(out))
        keyed.append({FoldingSortKey(use.name), use});
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return a.first < b.first || (a.first == b.first && a.second.name < b.second.name);
    });
    for (int i = 0; i < keyed.size(); ++i)
        out[i] = keyed[i].second;
    return true;
}

int CNameTidy::FindOther(NameKind kind, const QString &name, const QVector<int> &exceptIds)
{
    QVector<CNameUse> rows;
    if (!ReadRows(kind, rows))
        return 0;
    const QString trimmed = name.trimmed();
    for (const CNameUse &row : rows) {
        if (!exceptIds.contains(row.id) && SameName(row.name.trimmed(), trimmed))
            return row.id;
    }
    return 0;
}

bool CNameTidy::Exec(const QString &sql)
{
    return m_connection.Execute(sql, &m_error);
}

bool CNameTidy::ReadBooksOf(NameKind kind, const QString &idList,
                            QVector<QPair<qint64, int>> &books)
{
    CRecordset rs(m_connection);
    if (!rs.Open(QStringLiteral("SELECT BookID, %1 FROM book WHERE %1 IN (%2) ORDER BY BookID")
                     .arg(KeyColumn(kind), idList))) {
        m_error = rs.ErrorText();
        return false;
    }
    while (!rs.IsEOF()) {
        books.append({rs.GetInteger(0), int(rs.GetInteger(1))});
        if (!rs.MoveNext() && rs.HasError()) {
            m_error = rs.ErrorText();
            return false;
        }
    }
    return true;
}

CNameTidy::Outcome CNameTidy::BeginStep(CTransaction &transaction, NameKind kind,
                                        const QVector<CNameUse> &names, QVector<CNameUse> &rows)
{
    if (!transaction.IsActive()) {
        m_error = transaction.Error();
        return Outcome::Failed;
    }
    if (!ReadRows(kind, rows))
        return Outcome::Failed;
    return StillAsListed(names, ById(rows)) ? Outcome::Done : Outcome::ChangedElsewhere;
}

bool CNameTidy::Commit(CTransaction &transaction)
{
    if (transaction.Commit())
        return true;
    m_error = transaction.Error();
    return false;
}

CNameTidy::Outcome CNameTidy::Merge(NameKind kind, const QVector<CNameUse> &names,
                                    const QString &keptName, CNameTidyChange *change)
{
    m_error.clear();
    const QString kept = keptName.trimmed();
    if (names.isEmpty() || kept.isEmpty())
        return Outcome::Done;
    CTransaction transaction(m_connection);
    QVector<CNameUse> rows;
    const Outcome begun = BeginStep(transaction, kind, names, rows);
    if (begun != Outcome::Done)
        return begun;
    const QHash<int, QString> current = ById(rows);

    QVector<int> merged = IdsOf(names);
    // The row to keep: one spelt as typed, else one called so letter case
    // aside, first among the names given, then anywhere in the table.
    int keptId = 0;
    for (const CNameUse &use : names) {
        if (keptId == 0 && use.name == kept)
            keptId = use.id;
    }
    for (const CNameUse &use : names) {
        if (keptId == 0 && SameName(use.name.trimmed(), kept))
            keptId = use.id;
    }
    for (const CNameUse &row : rows) {
        if (keptId == 0 && SameName(row.name.trimmed(), kept))
            keptId = row.id;
    }
    if (keptId == 0) {
        // A new name: the row with the most books takes it, so the fewest
        // books change.
        const auto most =
            std::max_element(names.begin(), names.end(), [](const CNameUse &a, const CNameUse &b) {
                return a.books < b.books || (a.books == b.books && a.id > b.id);
            });
        keptId = most->id;
    }
    // Every other row of the kept name joins: with two rows of one name the
    // book sheet would pick either.
    for (const CNameUse &row : rows) {
        if (!merged.contains(row.id) && SameName(row.name.trimmed(), kept))
            merged.append(row.id);
    }

    CNameTidyChange done;
    done.kind = kind;
    done.keptId = keptId;
    done.keptOldName = current.value(keptId);
    done.keptNewName = kept;
    merged.removeAll(keptId);
    const QString table = TableName(kind);
    const QString key = KeyColumn(kind);
    if (!merged.isEmpty()) {
        const QString others = IdList(merged);
        if (!ReadBooksOf(kind, others, done.books) ||
            !Exec(QStringLiteral("UPDATE book SET %1=%2 WHERE %1 IN (%3)")
                      .arg(key, QString::number(keptId), others)) ||
            !Exec(QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)").arg(table, key, others)))
            return Outcome::Failed;
        for (const int id : std::as_const(merged))
            done.deletedRows.append({id, current.value(id), 0});
    }
    if (done.keptOldName != kept &&
        !Exec(QStringLiteral("UPDATE %1 SET Name=%2 WHERE %3=%4")
                  .arg(table, FormatSqlLiteral(kept, kLiteralText), key, QString::number(keptId))))
        return Outcome::Failed;
    if (!Commit(transaction))
        return Outcome::Failed;
    if (change)
        *change = std::move(done);
    return Outcome::Done;
}

CNameTidy::Outcome CNameTidy::DeleteUnused(NameKind kind, const QVector<CNameUse> &names,
                                           int *deleted, CNameTidyChange *change)
{
    m_error.clear();
    if (deleted)
        *deleted = 0;
    if (names.isEmpty())
        return Outcome::Done;
    CTransaction transaction(m_connection);
    QVector<CNameUse> rows;
    const Outcome begun = BeginStep(transaction, kind, names, rows);
    if (begun != Outcome::Done)
        return begun;

    const QString table = TableName(kind);
    const QString key = KeyColumn(kind);
    QVector<CNameUse> unused;
    // Under the write lock, so no book can take one of them meanwhile. NOT
    // IN reads the books once; NOT EXISTS would read them for each name.
    if (!ReadUses(QStringLiteral("SELECT %1, Name FROM %2 WHERE %1 IN (%3) AND %1 NOT IN "
                                 "(SELECT %1 FROM book WHERE %1 IS NOT NULL)")
                      .arg(key, table, IdList(IdsOf(names))),
                  unused))
        return Outcome::Failed;
    if (!unused.isEmpty() && !Exec(QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)")
                                       .arg(table, key, IdList(IdsOf(unused)))))
        return Outcome::Failed;
    if (!Commit(transaction))
        return Outcome::Failed;
    if (deleted)
        *deleted = unused.size();
    if (change) {
        *change = CNameTidyChange();
        change->kind = kind;
        change->deletedRows = unused;
    }
    return Outcome::Done;
}
