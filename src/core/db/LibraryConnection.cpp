#include "db/LibraryConnection.h"

#include "app/Fd.h"
#include "app/NativeFileName.h"
#include "db/TextCollation.h"

#include <QCoreApplication>
#include <QStringView>

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int CollateFoldingCase(void *, int leftBytes, const void *left, int rightBytes, const void *right)
{
    const auto *a = static_cast<const unsigned char *>(left);
    const auto *b = static_cast<const unsigned char *>(right);
    // Plain ASCII, the usual case, compares without leaving UTF-8.
    const int common = std::min(leftBytes, rightBytes);
    for (int i = 0; i < common; ++i) {
        if (a[i] >= 0x80 || b[i] >= 0x80)
            return CompareFoldingCase(
                QString::fromUtf8(reinterpret_cast<const char *>(a), leftBytes),
                QString::fromUtf8(reinterpret_cast<const char *>(b), rightBytes));
        const int ca = (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : a[i];
        const int cb = (b[i] >= 'A' && b[i] <= 'Z') ? b[i] + 32 : b[i];
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    for (int i = common; i < leftBytes; ++i) {
        if (a[i] >= 0x80)
            return CompareFoldingCase(
                QString::fromUtf8(reinterpret_cast<const char *>(a), leftBytes),
                QString::fromUtf8(reinterpret_cast<const char *>(b), rightBytes));
    }
    for (int i = common; i < rightBytes; ++i) {
        if (b[i] >= 0x80)
            return CompareFoldingCase(
                QString::fromUtf8(reinterpret_cast<const char *>(a), leftBytes),
                QString::fromUtf8(reinterpret_cast<const char *>(b), rightBytes));
    }
    return leftBytes == rightBytes ? 0 : (leftBytes < rightBytes ? -1 : 1);
}

bool IsAscii(const unsigned char *text)
{
    for (; *text; ++text) {
        if (*text >= 0x80)
            return false;
    }
    return true;
}

// "X LIKE Y [ESCAPE Z]" calls like(Y, X [, Z]). SQLite's own LIKE ignores
// letter case for ASCII letters only; this one for every alphabet.
void LikeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const auto *pattern = sqlite3_value_text(argv[0]);
    const auto *text = sqlite3_value_text(argv[1]);
    if (!pattern || !text)
        return; // NULL
    unsigned int escape = 0;
    if (argc == 3) {
        const auto *esc = sqlite3_value_text(argv[2]);
        const QString escText =
            esc ? QString::fromUtf8(reinterpret_cast<const char *>(esc)) : QString();
        if (escText.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = escText.at(0).unicode();
    }
    if (IsAscii(pattern) && escape < 0x80) {
        sqlite3_result_int(context,
                           sqlite3_strlike(reinterpret_cast<const char *>(pattern),
                                           reinterpret_cast<const char *>(text), escape) == 0);
        return;
    }
    sqlite3_result_int(context,
                       LikeFoldingCase(QString::fromUtf8(reinterpret_cast<const char *>(pattern)),
                                       QString::fromUtf8(reinterpret_cast<const char *>(text)),
                                       escape ? QChar(escape) : QChar()));
}

QString ErrorOf(sqlite3 *db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db))
              : QString::fromUtf8(sqlite3_errstr(SQLITE_NOMEM));
}

quint32 BigEndian32(const QByteArray &bytes, int offset)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + offset);
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// A database file cut short still opens and reads its first pages; it only
// fails when a query reaches the missing part. The header records how many
// pages the file has, so compare that with the file's real size.
bool LooksTruncated(const QString &path)
{
    // Read through the name's own bytes, as SQLite opens it.
    const CFd file(::open(NativeFileName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return false;
    QByteArray header(100, '\0');
    const ssize_t got = ::read(file.get(), header.data(), size_t(header.size()));
    struct stat info = {};
    const bool known = ::fstat(file.get(), &info) == 0;
    if (!known || got < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return false; // not a database at all: the database says so itself
    quint32 pageSize = (quint32(quint8(header[16])) << 8) | quint8(header[17]);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = BigEndian32(header, 28);
    const bool countIsValid = BigEndian32(header, 24) == BigEndian32(header, 92) && pageCount > 0;
    return countIsValid && qint64(pageCount) * pageSize > qint64(info.st_size);
}

} // namespace

// True when `sql` holds nothing but white space, semicolons and comments.
bool IsBlankSql(const char *sql)
{
    while (*sql) {
        if (std::isspace(static_cast<unsigned char>(*sql)) || *sql == ';') {
            ++sql;
        } else if (sql[0] == '-' && sql[1] == '-') {
            while (*sql && *sql != '\n')
                ++sql;
        } else if (sql[0] == '/' && sql[1] == '*') {
            const char *end = std::strstr(sql + 2, "*/");
            if (!end)
                return true;
            sql = end + 2;
        } else {
            return false;
        }
    }
    return true;
}

CLibraryConnection::~CLibraryConnection()
{
    Close();
}

bool CLibraryConnection::Open(const QString &path, QString *error)
{
    Close();
    if (!NativeIsFile(path)) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errstr(SQLITE_CANTOPEN));
        return false;
    }
    if (LooksTruncated(path)) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT));
        return false;
    }
    const QByteArray name = NativeFileName(path);
    if (sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error)
            *error = ErrorOf(m_db);
        Close();
        return false;
    }
    m_path = path;
    // An empty file or another program's database opens as a database too;
    // only the book table makes it a library.
    if (!Setup(error) || !Execute(QStringLiteral("SELECT BookID FROM book LIMIT 0"), error)) {
        Close();
        return false;
    }
    return true;
}

bool CLibraryConnection::Create(const QString &path, QString *error)
{
    Close();
    const QByteArray name = NativeFileName(path);
    if (sqlite3_open_v2(name.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error)
            *error = ErrorOf(m_db);
        Close();
        return false;
    }
    m_path = path;
    if (!Setup(error)) {
        Close();
        return false;
    }
    return true;
}

bool CLibraryConnection::Setup(QString *error)
{
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, 5000);
    if (sqlite3_create_collation(m_db, kFoldingCollation, SQLITE_UTF8, nullptr,
                                 CollateFoldingCase) != SQLITE_OK) {
        if (error)
            *error = ErrorOf(m_db);
        return false;
    }
    for (int args : {2, 3}) {
        if (sqlite3_create_function(m_db, "like", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                    LikeFunction, nullptr, nullptr) != SQLITE_OK) {
            if (error)
                *error = ErrorOf(m_db);
            return false;
        }
    }
    // Reading the schema is what tells a database from any other file.
    return Execute(QStringLiteral("PRAGMA foreign_keys=ON; PRAGMA temp_store=MEMORY; SELECT "
                                  "COUNT(*) FROM sqlite_master;"),
                   error);
}

void CLibraryConnection::Close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_path.clear();
}

bool CLibraryConnection::Execute(const QString &sql, QString *error, qint64 *affected,
                                 bool singleStatement)
{
    if (affected)
        *affected = 0;
    if (!m_db) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errstr(SQLITE_MISUSE));
        return false;
    }
    // The database keeps its text as UTF-8: handing it UTF-8 spares it a
    // slower conversion of its own.
    const QByteArray utf8 = sql.toUtf8();
    const char *next = utf8.constData();
    const char *end = next + utf8.size();
    while (next < end) {
        sqlite3_stmt *stmt = nullptr;
        const char *tail = nullptr;
        if (sqlite3_prepare_v2(m_db, next, int(end - next), &stmt, &tail) != SQLITE_OK) {
            if (error)
                *error = ErrorOf(m_db);
            return false;
        }
        next = tail ? tail : end;
        if (!stmt) // white space or a comment only
            continue;
        if (singleStatement && !IsBlankSql(next)) {
            sqlite3_finalize(stmt);
            if (error)
                *error = QCoreApplication::translate(
                    "Messages", "Characters found after the end of the SQL statement.");
            return false;
        }
        const qint64 changesBefore = sqlite3_total_changes64(m_db);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) {
            if (error)
                *error = ErrorOf(m_db);
            sqlite3_finalize(stmt);
            return false;
        }
        // Only rows this statement changed: the connection's last count
        // stays from older statements when this one changes none.
        if (affected)
            *affected += sqlite3_total_changes64(m_db) - changesBefore;
        sqlite3_finalize(stmt);
    }
    return true;
}

QString CLibraryConnection::LastError() const
{
    return ErrorOf(m_db);
}

CTransaction::CTransaction(CLibraryConnection &connection) : m_connection(connection)
{
    // Inside a transaction of the caller this becomes a savepoint, so that
    // groups of writes nest.
    m_nested = m_connection.Handle() && sqlite3_get_autocommit(m_connection.Handle()) == 0;
    // Others may have written since the last transaction; BEGIN IMMEDIATE
    // takes the write lock at once, so what is read from here on stays true
    // until the commit.
    if (!m_nested)
        m_connection.ForgetBulkCache();
    m_active = m_connection.Execute(m_nested ? QStringLiteral("SAVEPOINT tomelo_group")
                                             : QStringLiteral("BEGIN IMMEDIATE"),
                                    &m_error);
}

CTransaction::~CTransaction()
{
    if (m_active)
        Rollback();
}

void CTransaction::Rollback()
{
    m_active = false;
    m_connection.ForgetBulkCache();
    m_connection.Execute(m_nested ? QStringLiteral("ROLLBACK TO tomelo_group; RELEASE tomelo_group")
                                  : QStringLiteral("ROLLBACK"));
}

bool CTransaction::Commit()
{
    if (!m_active)
        return false;
    if (m_connection.Execute(m_nested ? QStringLiteral("RELEASE tomelo_group")
                                      : QStringLiteral("COMMIT"),
                             &m_error)) {
        m_active = false;
        return true;
    }
    Rollback();
    return false;
}
