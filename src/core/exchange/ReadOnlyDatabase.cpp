#include "exchange/ReadOnlyDatabase.h"

#include "app/NativeFileName.h"

#include <QByteArray>

#include <sqlite3.h>

namespace {

int CompareCaseBlind(void *, int leftLength, const void *left, int rightLength, const void *right)
{
    const QString a = QString::fromUtf8(static_cast<const char *>(left), leftLength);
    const QString b = QString::fromUtf8(static_cast<const char *>(right), rightLength);
    return a.compare(b, Qt::CaseInsensitive);
}

// The owner's own collations exist only in its process; any name SQLite
// does not know compares case-blind, as such collations mostly do.
void StandInCollation(void *, sqlite3 *db, int, const char *name)
{
    sqlite3_create_collation_v2(db, name, SQLITE_UTF8, nullptr, CompareCaseBlind, nullptr);
}

// A URI that opens the file immutable: SQLite then takes no locks and never
// looks for (or rolls back) a journal, so the file and its folder stay as
// they are.
QByteArray ImmutableUri(const QString &path)
{
    return QByteArrayLiteral("file:") + NativeFileName(path).toPercentEncoding("/") +
           QByteArrayLiteral("?mode=ro&immutable=1");
}

} // namespace

void CReadOnlyDatabase::CloseDatabase::operator()(sqlite3 *db) const
{
    sqlite3_close_v2(db);
}

CReadOnlyDatabase::CReadOnlyDatabase() = default;
CReadOnlyDatabase::~CReadOnlyDatabase() = default;

bool CReadOnlyDatabase::Open(const QString &path)
{
    m_db.reset();
    m_tables.clear();
    m_error.clear();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(ImmutableUri(path).constData(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK) {
        m_error =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        m_db.reset();
        return false;
    }
    sqlite3_collation_needed(db, nullptr, StandInCollation);
    // Reading the schema is what tells a database from any other file.
    Query tables =
        Prepare(QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type='table'"));
    while (tables.Step())
        m_tables.append(tables.Text(0));
    if (!tables.IsValid() || tables.Failed()) {
        if (tables.Failed())
            m_error = tables.Error();
        m_db.reset();
        m_tables.clear();
        return false;
    }
    return true;
}

bool CReadOnlyDatabase::HasTable(const QString &table) const
{
    return m_tables.contains(table.toLower());
}

QStringList CReadOnlyDatabase::Columns(const QString &table) const
{
    QStringList columns;
    if (!HasTable(table))
        return columns;
    // The name was checked against the schema, and quoting keeps it a name.
    QString quoted = table;
    quoted.replace(u'"', QStringLiteral("\"\""));
    Query info = Prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
    while (info.Step())
        columns.append(info.Text(1).toLower());
    return columns;
}

CReadOnlyDatabase::Query CReadOnlyDatabase::Prepare(const QString &sql) const
{
    if (!m_db) {
        m_error = QStringLiteral("no database");
        return Query();
    }
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db.get(), text.constData(), int(text.size()), &statement, nullptr) !=
        SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db.get()));
        sqlite3_finalize(statement);
        return Query();
    }
    return Query(statement);
}

CReadOnlyDatabase::Query::Query(sqlite3_stmt *statement) : m_statement(statement) {}

CReadOnlyDatabase::Query::~Query()
{
    sqlite3_finalize(m_statement);
}

CReadOnlyDatabase::Query::Query(Query &&other) noexcept
    : m_statement(other.m_statement), m_error(other.m_error)
{
    other.m_statement = nullptr;
}

CReadOnlyDatabase::Query &CReadOnlyDatabase::Query::operator=(Query &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_statement = other.m_statement;
        m_error = other.m_error;
        other.m_statement = nullptr;
    }
    return *this;
}

void CReadOnlyDatabase::Query::Restart(qint64 value)
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_bind_int64(m_statement, 1, value);
    m_error.clear();
}

bool CReadOnlyDatabase::Query::Step()
{
    if (!m_statement)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    return false;
}

QString CReadOnlyDatabase::Query::Text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)) : QString();
}

double CReadOnlyDatabase::Query::Number(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

qint64 CReadOnlyDatabase::Query::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

bool CReadOnlyDatabase::Query::IsNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}
