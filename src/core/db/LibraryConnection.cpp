#include "db/LibraryConnection.h"

#include "app/Fd.h"
#include "app/NativeFileName.h"
#include "db/AuthorSortKey.h"
#include "db/LibraryBackup.h"
#include "db/SchemaVersion.h"
#include "db/TextCollation.h"
#include "loans/SeriesNumber.h"

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

// author_sort_key(Author): the author as the list sorts authors by last name.
void AuthorSortKeyFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    const auto *author = sqlite3_value_text(argv[0]);
    if (!author)
        return; // NULL
    const QByteArray key =
        AuthorSortKey(QString::fromUtf8(reinterpret_cast<const char *>(author))).toUtf8();
    sqlite3_result_text(context, key.constData(), int(key.size()), SQLITE_TRANSIENT);
}

// series_number_key(Number): a text that sorts series numbers by value.
void SeriesNumberKeyFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    const auto *number = sqlite3_value_text(argv[0]);
    if (!number)
        return; // NULL
    const QString key =
        SeriesNumberSortKey(QString::fromUtf8(reinterpret_cast<const char *>(number)));
    if (key.isEmpty())
        return; // NULL: no number, listed after the numbered books
    const QByteArray utf8 = key.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
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

qint64 RowsChangedByStatement(sqlite3 *db, qint64 totalChangesBefore)
{
    return sqlite3_total_changes64(db) == totalChangesBefore ? 0 : sqlite3_changes64(db);
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
    if (!OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, error))
        return false;
    // An empty file or another program's database opens as a database too;
    // only the book table makes it a library.
    if (!Execute(QStringLiteral("SELECT BookID FROM book LIMIT 0"), error) || !CheckSchema(error)) {
        Close();
        return false;
    }
    return true;
}

bool CLibraryConnection::Create(const QString &path, QString *error)
{
    Close();
    return OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                    error);
}

bool CLibraryConnection::OpenFile(const QString &path, int flags, QString *error)
{
    const QByteArray name = NativeFileName(path);
    if (sqlite3_open_v2(name.constData(), &m_db, flags, nullptr) != SQLITE_OK) {
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

bool CLibraryConnection::CheckSchema(QString *error)
{
    int version = 0;
    if (!CSchemaVersion::Read(*this, &version, error))
        return false;
    const int current = CSchemaVersion::Current();
    if (version > current && sqlite3_db_readonly(m_db, "main") == 0) {
        // Nothing here may change a library whose newer tables this program
        // does not know, whatever statement a person types.
        const QString path = m_path;
        Close();
        if (!OpenFile(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, error))
            return false;
    }
    m_schemaVersion = version;
    m_upgradePending = version < current;
    if (version > current)
        m_readOnlyReason = NewerVersionText(version);
    const QStringList missing = CSchemaVersion::MissingParts(*this, std::min(version, current));
    if (!missing.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate(
                         "Messages", "%1 cannot be opened: the library lacks %2, which this "
                                     "program needs.")
                         .arg(PrintableFileName(m_path), missing.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

QString CLibraryConnection::NewerVersionText(int version) const
{
    return QCoreApplication::translate(
               "Messages",
               "%1 was written by a newer version of Tomelodex (library version %2; this version "
               "knows library versions up to %3). It is open read-only: its books can be listed, "
               "viewed and exported, but not changed.")
        .arg(PrintableFileName(m_path))
        .arg(version)
        .arg(CSchemaVersion::Current());
}

bool CLibraryConnection::PrepareToRun(sqlite3_stmt *stmt, QString *error)
{
    if (m_upgrading || sqlite3_stmt_readonly(stmt))
        return true;
    if (!m_readOnlyReason.isEmpty()) {
        if (error)
            *error = m_readOnlyReason;
        return false;
    }
    return EnsureCurrentSchema(error);
}

bool CLibraryConnection::EnsureCurrentSchema(QString *error)
{
    if (!m_upgradePending || m_upgrading || !m_db)
        return true;
    // Inside a transaction of the caller the upgrade becomes part of it, so
    // it is done again at the next write should the caller roll back.
    const bool ownTransaction = sqlite3_get_autocommit(m_db) != 0;
    m_upgrading = true;
    QString failure;
    const bool upgraded = UpgradeUnderLock(ownTransaction, &failure);
    m_upgrading = false;
    if (!upgraded && error)
        *error = failure;
    return upgraded;
}

bool CLibraryConnection::UpgradeUnderLock(bool ownTransaction, QString *error)
{
    if (!Execute(ownTransaction ? QStringLiteral("BEGIN IMMEDIATE")
                                : QStringLiteral("SAVEPOINT tomelo_upgrade"),
                 error))
        return false;
    const int current = CSchemaVersion::Current();
    int version = 0;
    bool ok = CSchemaVersion::Read(*this, &version, error);
    if (ok && version > current) {
        m_readOnlyReason = NewerVersionText(version);
        m_upgradePending = false;
        *error = m_readOnlyReason;
        ok = false;
    } else if (ok && version < current) {
        // Other readers may still read the file while this connection holds
        // the write lock, so the copy is the library exactly as it stands.
        const QString copy = CSchemaVersion::BackupPath(m_path, version);
        QString why;
        if (!CLibraryBackup::Write(m_path, copy, &why)) {
            *error = QCoreApplication::translate("Messages",
                                                 "%1 was not upgraded to library version %2, "
                                                 "because no copy of it could be kept as %3: %4")
                         .arg(PrintableFileName(m_path))
                         .arg(current)
                         .arg(PrintableFileName(copy), why);
            ok = false;
        } else if (!CSchemaVersion::Upgrade(*this, version, &why)) {
            *error = QCoreApplication::translate(
                         "Messages", "%1 could not be upgraded to library version %2: %3")
                         .arg(PrintableFileName(m_path))
                         .arg(current)
                         .arg(why);
            ok = false;
        }
    }
    if (ok)
        ok = Execute(ownTransaction ? QStringLiteral("COMMIT")
                                    : QStringLiteral("RELEASE tomelo_upgrade"),
                     error);
    if (!ok) {
        Execute(ownTransaction ? QStringLiteral("ROLLBACK")
                               : QStringLiteral("ROLLBACK TO tomelo_upgrade; "
                                                "RELEASE tomelo_upgrade"));
        return false;
    }
    m_schemaVersion = current;
    if (ownTransaction)
        m_upgradePending = false;
    return true;
}

bool CLibraryConnection::RecheckSchemaVersion(QString *error)
{
    int version = 0;
    if (!CSchemaVersion::Read(*this, &version, error))
        return false;
    if (version <= CSchemaVersion::Current())
        return true;
    if (m_readOnlyReason.isEmpty()) {
        m_readOnlyReason = NewerVersionText(version);
        m_upgradePending = false;
        m_schemaVersion = version;
    }
    if (error)
        *error = m_readOnlyReason;
    return false;
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
    if (sqlite3_create_function(m_db, "author_sort_key", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                nullptr, AuthorSortKeyFunction, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function(m_db, "series_number_key", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                nullptr, SeriesNumberKeyFunction, nullptr, nullptr) != SQLITE_OK) {
        if (error)
            *error = ErrorOf(m_db);
        return false;
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
    m_schemaVersion = 0;
    m_readOnlyReason.clear();
    m_upgradePending = false;
    m_upgrading = false;
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
        if (!PrepareToRun(stmt, error)) {
            sqlite3_finalize(stmt);
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
        if (affected)
            *affected += RowsChangedByStatement(m_db, changesBefore);
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
    // Under the write lock the stamped version is what counts: a newer
    // program may have upgraded the library since it was opened.
    if (m_active && !m_nested && !m_connection.RecheckSchemaVersion(&m_error))
        Rollback();
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
