#include "db/RowSnapshot.h"

#include "db/CoverStaging.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QCoreApplication>
#include <QHash>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

// The tables of names whose identifiers book rows hold.
const char *const kNameTables[] = {"bookpublisher", "bookstatus",   "booklanguage", "bookbinding",
                                   "bookextras",    "booklocation", "bookstore",    "bookformat"};

bool IsNameTable(const QString &table)
{
    return std::any_of(std::begin(kNameTables), std::end(kNameTables), [&](const char *name) {
        return table.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    });
}

QString Quoted(const QString &identifier)
{
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString NumberList(const QVector<qint64> &numbers)
{
    QString list;
    list.reserve(numbers.size() * 7);
    for (const qint64 number : numbers) {
        if (!list.isEmpty())
            list += u',';
        list += QString::number(number);
    }
    return list;
}

// A statement that finalises itself.
class CStatement
{
public:
    CStatement(CLibraryConnection &connection, const QString &sql, QString *error)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(connection.Handle(), utf8.constData(), int(utf8.size()), &m_stmt,
                               nullptr) != SQLITE_OK ||
            !connection.PrepareToRun(m_stmt, error)) {
            if (error && sqlite3_errcode(connection.Handle()) != SQLITE_OK)
                *error = QString::fromUtf8(sqlite3_errmsg(connection.Handle()));
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~CStatement() { sqlite3_finalize(m_stmt); }
    CStatement(const CStatement &) = delete;
    CStatement &operator=(const CStatement &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

// One stored value as bytes: its kind, then the value (8 bytes for a
// number, a length and the bytes for a text or blob, nothing for NULL).
void AppendValue(QByteArray &out, sqlite3_stmt *stmt, int column)
{
    const int type = sqlite3_column_type(stmt, column);
    out += char(type);
    switch (type) {
    case SQLITE_INTEGER: {
        const qint64 value = sqlite3_column_int64(stmt, column);
        out.append(reinterpret_cast<const char *>(&value), sizeof value);
        break;
    }
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(stmt, column);
        out.append(reinterpret_cast<const char *>(&value), sizeof value);
        break;
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const void *data = type == SQLITE_TEXT
                               ? static_cast<const void *>(sqlite3_column_text(stmt, column))
                               : sqlite3_column_blob(stmt, column);
        const qint32 size = sqlite3_column_bytes(stmt, column);
        out.append(reinterpret_cast<const char *>(&size), sizeof size);
        out.append(static_cast<const char *>(data), size);
        break;
    }
    default:
        break;
    }
}

// Reads the values AppendValue wrote, one after the other.
class CValueReader
{
public:
    explicit CValueReader(const QByteArray &bytes) : m_bytes(bytes) {}

    // Binds the next value to parameter `parameter` (or skips it when 0).
    bool BindNext(sqlite3_stmt *stmt, int parameter)
    {
        const char *data = m_bytes.constData() + m_at;
        const int type = data[0];
        m_at += 1;
        int rc = SQLITE_OK;
        switch (type) {
        case SQLITE_INTEGER: {
            qint64 value = 0;
            std::memcpy(&value, data + 1, sizeof value);
            m_at += sizeof value;
            if (parameter)
                rc = sqlite3_bind_int64(stmt, parameter, value);
            break;
        }
        case SQLITE_FLOAT: {
            double value = 0;
            std::memcpy(&value, data + 1, sizeof value);
            m_at += sizeof value;
            if (parameter)
                rc = sqlite3_bind_double(stmt, parameter, value);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            qint32 size = 0;
            std::memcpy(&size, data + 1, sizeof size);
            const char *value = data + 1 + sizeof size;
            m_at += int(sizeof size) + size;
            if (parameter && type == SQLITE_TEXT)
                rc = sqlite3_bind_text(stmt, parameter, value, size, SQLITE_STATIC);
            else if (parameter)
                rc = sqlite3_bind_blob(stmt, parameter, value, size, SQLITE_STATIC);
            break;
        }
        default:
            if (parameter)
                rc = sqlite3_bind_null(stmt, parameter);
            break;
        }
        return rc == SQLITE_OK;
    }

    // The next value as text (empty unless it is one), skipping it.
    QString NextText()
    {
        const char *data = m_bytes.constData() + m_at;
        QString text;
        if (data[0] == SQLITE_TEXT) {
            qint32 size = 0;
            std::memcpy(&size, data + 1, sizeof size);
            text = QString::fromUtf8(data + 1 + sizeof size, size);
        }
        BindNext(nullptr, 0);
        return text;
    }

private:
    const QByteArray &m_bytes;
    int m_at = 0;
};

struct CTableInfo
{
    QString name;
    QStringList columns;
    QVector<int> keyColumns;
};

bool ReadTableInfos(CLibraryConnection &connection, QVector<CTableInfo> &tables, QString *error)
{
    CStatement list(connection,
                    QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT "
                                   "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"),
                    error);
    if (!list)
        return false;
    while (sqlite3_step(list.get()) == SQLITE_ROW) {
        CTableInfo table;
        table.name =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(list.get(), 0)));
        tables += table;
    }
    for (CTableInfo &table : tables) {
        CStatement columns(
            connection,
            QStringLiteral("SELECT name, pk FROM pragma_table_info('%1') ORDER BY cid")
                .arg(QString(table.name).replace(u'\'', QStringLiteral("''"))),
            error);
        if (!columns)
            return false;
        QVector<QPair<int, int>> keys; // position in the key, column
        while (sqlite3_step(columns.get()) == SQLITE_ROW) {
            const int keyPosition = sqlite3_column_int(columns.get(), 1);
            if (keyPosition > 0)
                keys += {keyPosition, int(table.columns.size())};
            table.columns += QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(columns.get(), 0)));
        }
        std::sort(keys.begin(), keys.end());
        for (const auto &key : keys)
            table.keyColumns += key.second;
    }
    return true;
}

// The rows of `table` the scope covers, as an SQL condition; empty when it
// covers none.
QString ScopeCondition(const CSnapshotScope &scope, const CTableInfo &table)
{
    if (scope.wholeTables.contains(table.name, Qt::CaseInsensitive) ||
        (scope.nameTables && IsNameTable(table.name)))
        return QStringLiteral("1");
    QStringList parts;
    const auto has = [&](const char *column) {
        return table.columns.contains(QLatin1String(column), Qt::CaseInsensitive);
    };
    if (has("BookID") && !scope.bookIds.isEmpty())
        parts += QStringLiteral("BookID IN (%1)").arg(NumberList(scope.bookIds));
    if (has("CatID") && !scope.categoryIds.isEmpty())
        parts += QStringLiteral("CatID IN (%1)").arg(NumberList(scope.categoryIds));
    return parts.join(QStringLiteral(" OR "));
}

bool StepDone(sqlite3_stmt *stmt, CLibraryConnection &connection, QString *error)
{
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc == SQLITE_DONE)
        return true;
    if (error)
        *error = QString::fromUtf8(sqlite3_errmsg(connection.Handle()));
    return false;
}

} // namespace

CSnapshotScope CSnapshotScope::ForBooks(const QVector<quint32> &ids)
{
    CSnapshotScope scope;
    scope.bookIds.reserve(ids.size());
    for (const quint32 id : ids)
        scope.bookIds += id;
    return scope;
}

CSnapshotScope CSnapshotScope::ForCategories(const QVector<int> &ids)
{
    CSnapshotScope scope;
    for (const int id : ids)
        scope.categoryIds += id;
    scope.wholeTables = {QStringLiteral("category")};
    return scope;
}

void CSnapshotScope::Add(const CSnapshotScope &other)
{
    for (const qint64 id : other.bookIds) {
        if (!bookIds.contains(id))
            bookIds += id;
    }
    for (const qint64 id : other.categoryIds) {
        if (!categoryIds.contains(id))
            categoryIds += id;
    }
    for (const QString &table : other.wholeTables) {
        if (!wholeTables.contains(table, Qt::CaseInsensitive))
            wholeTables += table;
    }
    nameTables = nameTables || other.nameTables;
}

bool CSnapshotScope::IsEmpty() const
{
    return bookIds.isEmpty() && categoryIds.isEmpty() && wholeTables.isEmpty() && !nameTables;
}

bool CRowSnapshot::Capture(const CSnapshotScope &scope, CLibraryConnection &connection,
                           QString *error)
{
    m_scope = scope;
    m_tables.clear();
    QVector<CTableInfo> infos;
    if (!ReadTableInfos(connection, infos, error))
        return false;
    for (const CTableInfo &info : std::as_const(infos)) {
        CTable table;
        table.name = info.name;
        table.columns = info.columns;
        table.keyColumns = info.keyColumns;
        table.condition = ScopeCondition(scope, info);
        if (table.condition.isEmpty())
            continue;
        table.guardedNames = scope.nameTables && IsNameTable(info.name) &&
                             !scope.wholeTables.contains(info.name, Qt::CaseInsensitive);
        if (!ReadRows(table, connection, error))
            return false;
        m_tables += table;
    }
    return true;
}

bool CRowSnapshot::ReadRows(CTable &table, CLibraryConnection &connection, QString *error)
{
    QStringList columns;
    for (const QString &column : std::as_const(table.columns))
        columns += Quoted(column);
    CStatement select(connection,
                      QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                          .arg(columns.join(u','), Quoted(table.name), table.condition),
                      error);
    if (!select)
        return false;
    QVector<QByteArray> keys;
    QVector<QByteArray> rows;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
        QByteArray row;
        for (int column = 0; column < table.columns.size(); ++column)
            AppendValue(row, select.get(), column);
        QByteArray key;
        for (const int column : std::as_const(table.keyColumns))
            AppendValue(key, select.get(), column);
        keys += key;
        rows += row;
    }
    if (rc != SQLITE_DONE) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(connection.Handle()));
        return false;
    }
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return keys[a] != keys[b] ? keys[a] < keys[b] : rows[a] < rows[b];
    });
    table.keys.clear();
    table.rows.clear();
    table.keys.reserve(rows.size());
    table.rows.reserve(rows.size());
    for (const int index : order) {
        table.keys += keys[index];
        table.rows += rows[index];
    }
    return true;
}

int CRowSnapshot::RowCount() const
{
    int count = 0;
    for (const CTable &table : m_tables)
        count += table.rows.size();
    return count;
}

QStringList CRowSnapshot::CoverNames() const
{
    const CTable *book = Table(QStringLiteral("book"));
    if (!book)
        return {};
    const int front = book->columns.indexOf(QStringLiteral("FrontCover"));
    const int back = book->columns.indexOf(QStringLiteral("BackCover"));
    QStringList names;
    for (const QByteArray &row : book->rows) {
        CValueReader reader(row);
        for (int column = 0; column < book->columns.size(); ++column) {
            const QString text = reader.NextText();
            if ((column == front || column == back) && IsPlainFileName(text) &&
                !names.contains(text))
                names += text;
        }
    }
    return names;
}

const CRowSnapshot::CTable *CRowSnapshot::Table(const QString &name) const
{
    for (const CTable &table : m_tables) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

bool CRowSnapshot::SameTableRows(const CTable *a, const CTable *b)
{
    const bool aEmpty = !a || a->rows.isEmpty();
    const bool bEmpty = !b || b->rows.isEmpty();
    if (aEmpty || bEmpty)
        return aEmpty == bEmpty;
    return a->columns == b->columns && a->rows == b->rows;
}

bool CRowSnapshot::SameRows(const CRowSnapshot &other) const
{
    for (const CTable &table : m_tables) {
        if (!SameTableRows(&table, other.Table(table.name)))
            return false;
    }
    for (const CTable &table : other.m_tables) {
        if (!Table(table.name) && !table.rows.isEmpty())
            return false;
    }
    return true;
}

CRowSnapshot::Outcome CRowSnapshot::RestoreOver(const CRowSnapshot &expected,
                                                CLibraryConnection &connection, CRowSnapshot *found,
                                                QString *error) const
{
    CTransaction transaction(connection);
    if (!transaction.IsActive()) {
        if (error)
            *error = transaction.Error();
        return Outcome::Failed;
    }
    CSnapshotScope scope = m_scope;
    scope.Add(expected.m_scope);
    CRowSnapshot now;
    if (!now.Capture(scope, connection, error))
        return Outcome::Failed;
    if (!now.SameRows(expected)) {
        if (found)
            *found = now;
        return Outcome::ChangedMeanwhile;
    }
    // Rows are written in any order; whether every reference holds is
    // checked once, at the commit.
    if (!connection.Execute(QStringLiteral("PRAGMA defer_foreign_keys=ON"), error))
        return Outcome::Failed;
    // Each table is read again just before it is written: triggers of the
    // library (a book's date added, say) may have written it meanwhile. What
    // a later table's triggers write to an earlier one, a further round
    // puts right.
    constexpr int kRounds = 3;
    for (int round = 0;; ++round) {
        // A name that a book outside the change still carries stays, so a
        // table may differ from the snapshot with nothing left to write.
        const sqlite3_int64 changesBefore = sqlite3_total_changes64(connection.Handle());
        // A table the library's triggers refuse to write yet (a borrower
        // to be removed while a later table still holds their loan) is
        // put back as it was and tried again in the next round.
        QString refused;
        for (CTable &table : now.m_tables) {
            const CTable *target = Table(table.name);
            if (round > 0 || &table != &now.m_tables.front()) {
                if (!ReadRows(table, connection, error))
                    return Outcome::Failed;
            }
            if (SameTableRows(&table, target))
                continue;
            if (target && target->columns != table.columns) {
                if (error)
                    *error =
                        QCoreApplication::translate("Messages", "%1: the table's columns changed.")
                            .arg(table.name);
                return Outcome::Failed;
            }
            CTransaction tableWrite(connection);
            QString tableError;
            if (!tableWrite.IsActive()) {
                if (error)
                    *error = tableWrite.Error();
                return Outcome::Failed;
            }
            if (!RestoreTable(table, target, connection, &tableError)) {
                refused = tableError;
                continue;
            }
            if (!tableWrite.Commit()) {
                if (error)
                    *error = tableWrite.Error();
                return Outcome::Failed;
            }
        }
        if (refused.isEmpty() && sqlite3_total_changes64(connection.Handle()) == changesBefore)
            break;
        if (round + 1 == kRounds) {
            if (error)
                *error = !refused.isEmpty()
                             ? refused
                             : QCoreApplication::translate(
                                   "Messages",
                                   "The library's triggers keep changing the rows written back.");
            return Outcome::Failed;
        }
    }
    if (!transaction.Commit()) {
        if (error)
            *error = transaction.Error();
        return Outcome::Failed;
    }
    return Outcome::Restored;
}

bool CRowSnapshot::RestoreTable(const CTable &now, const CTable *target,
                                CLibraryConnection &connection, QString *error)
{
    static const CTable kNoRows;
    const CTable &wanted = target ? *target : kNoRows;
    QStringList columns;
    QStringList parameters;
    for (int column = 0; column < now.columns.size(); ++column) {
        columns += Quoted(now.columns[column]);
        parameters += QStringLiteral("?%1").arg(column + 1);
    }
    const QString table = Quoted(now.name);
    // A row written back may already be there, made by a trigger when the
    // row it hangs on was written back (a book's date added): the row as
    // the snapshot holds it wins, updated in place, so nothing cascades.
    QStringList key;
    QStringList fromSnapshot;
    for (int column = 0; column < now.columns.size(); ++column) {
        if (now.keyColumns.contains(column))
            key += columns[column];
        else
            fromSnapshot += QStringLiteral("%1=excluded.%1").arg(columns[column]);
    }
    QString onConflict;
    if (!key.isEmpty())
        onConflict =
            QStringLiteral(" ON CONFLICT (%1) ").arg(key.join(u',')) +
            (fromSnapshot.isEmpty() ? QStringLiteral("DO NOTHING")
                                    : QStringLiteral("DO UPDATE SET ") + fromSnapshot.join(u','));
    CStatement insert(connection,
                      QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4")
                          .arg(table, columns.join(u','), parameters.join(u','), onConflict),
                      error);
    if (!insert)
        return false;
    const auto insertRow = [&](const QByteArray &row) {
        CValueReader reader(row);
        for (int column = 0; column < now.columns.size(); ++column) {
            if (!reader.BindNext(insert.get(), column + 1))
                return false;
        }
        return StepDone(insert.get(), connection, error);
    };

    if (now.keyColumns.isEmpty()) {
        // Without a key a row cannot be told from another with the same
        // values: the rows in scope are written afresh.
        if (!connection.Execute(QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, now.condition),
                                error))
            return false;
        for (const QByteArray &row : wanted.rows) {
            if (!insertRow(row))
                return false;
        }
        return true;
    }

    QStringList keyMatch;
    QStringList assignments;
    for (int column = 0; column < now.columns.size(); ++column) {
        if (now.keyColumns.contains(column))
            keyMatch += QStringLiteral("%1 IS ?%2").arg(columns[column]).arg(column + 1);
        else
            assignments += QStringLiteral("%1=?%2").arg(columns[column]).arg(column + 1);
    }
    QString guard;
    if (now.guardedNames)
        guard = QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM book WHERE book.%1 = %2.%3)")
                    .arg(Quoted(LookupKeyColumn(now.name)), table, columns[now.keyColumns.first()]);
    CStatement remove(connection,
                      QStringLiteral("DELETE FROM %1 WHERE %2%3")
                          .arg(table, keyMatch.join(QStringLiteral(" AND ")), guard),
                      error);
    if (!remove)
        return false;
    std::unique_ptr<CStatement> update;
    if (!assignments.isEmpty()) {
        update = std::make_unique<CStatement>(
            connection,
            QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                .arg(table, assignments.join(u','), keyMatch.join(QStringLiteral(" AND "))),
            error);
        if (!*update)
            return false;
    }
    const auto bindRow = [&](sqlite3_stmt *stmt, const QByteArray &row, bool keysOnly) {
        CValueReader reader(row);
        for (int column = 0; column < now.columns.size(); ++column) {
            const bool bind = !keysOnly || now.keyColumns.contains(column);
            if (!reader.BindNext(stmt, bind ? column + 1 : 0))
                return false;
        }
        return true;
    };

    QHash<QByteArray, int> nowByKey;
    nowByKey.reserve(now.keys.size());
    for (int i = 0; i < now.keys.size(); ++i)
        nowByKey.insert(now.keys[i], i);
    QHash<QByteArray, int> wantedByKey;
    wantedByKey.reserve(wanted.keys.size());
    for (int i = 0; i < wanted.keys.size(); ++i)
        wantedByKey.insert(wanted.keys[i], i);

    for (int i = 0; i < now.keys.size(); ++i) {
        if (wantedByKey.contains(now.keys[i]))
            continue;
        if (!bindRow(remove.get(), now.rows[i], true) || !StepDone(remove.get(), connection, error))
            return false;
    }
    for (int i = 0; i < wanted.keys.size(); ++i) {
        const auto at = nowByKey.constFind(wanted.keys[i]);
        if (at == nowByKey.cend()) {
            if (!insertRow(wanted.rows[i]))
                return false;
        } else if (update && now.rows[*at] != wanted.rows[i]) {
            if (!bindRow(update->get(), wanted.rows[i], false) ||
                !StepDone(update->get(), connection, error))
                return false;
        }
    }
    return true;
}
