#pragma once

#include <QHash>
#include <QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One open connection to a library database file. Text columns are declared
// with SQLite's own NOCASE, which folds ASCII letters only; every connection
// adds LIKE and the FOLDCASE collation, which ignore letter case in every
// alphabet, and switches on the relationships (cascading deletes) the
// library relies on.
class CLibraryConnection
{
public:
    // Letter case aside in every alphabet, accented letters beside their base
    // letters. Libraries made by earlier builds declare their text columns
    // (and so order their indexes) with it, so its order must never change.
    // New libraries use it only in queries, never in a declaration.
    static constexpr const char *kFoldingCollation = "FOLDCASE";

    CLibraryConnection() = default;
    ~CLibraryConnection();
    CLibraryConnection(const CLibraryConnection &) = delete;
    CLibraryConnection &operator=(const CLibraryConnection &) = delete;

    // Opens an existing library. Never creates a file: a missing path, a file
    // that is not a database or a truncated database fails with the database's
    // error description in `error`, and nothing on disk changes; so does a
    // library that lacks a table or column the program needs (the message
    // names the file and what is missing).
    //
    // A library stamped with a newer version than this program's opens
    // read-only: ReadOnlyReason() says so, and every statement that would
    // write fails with that text. A library of an older version is read as
    // it is and upgraded by the first statement that writes (see
    // EnsureCurrentSchema), so reading never changes the file.
    bool Open(const QString &path, QString *error = nullptr);

    // Creates a new, empty database file (used to build the library template).
    bool Create(const QString &path, QString *error = nullptr);

    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    QString Path() const { return m_path; }
    sqlite3 *Handle() const { return m_db; }

    // Runs every statement of `sql` in turn (only one when `singleStatement`
    // is set: a second one is an error). On failure returns false and sets
    // `error` to the database's description (without the statement).
    bool Execute(const QString &sql, QString *error = nullptr, qint64 *affected = nullptr,
                 bool singleStatement = false);

    // The database's description of the last error on this connection.
    QString LastError() const;

    // Why the library may only be read (a newer version wrote it); empty
    // when it may be written.
    QString ReadOnlyReason() const { return m_readOnlyReason; }
    // The version stamped in the library when it was opened or last upgraded.
    int SchemaVersion() const { return m_schemaVersion; }

    // Whether `stmt`, prepared on this connection, may run: statements that
    // only read always may; one that writes fails in a read-only library,
    // and in a library of an older version first upgrades it. False with
    // `error` set when it may not run.
    bool PrepareToRun(sqlite3_stmt *stmt, QString *error);

    // Brings a library of an older version up to date, once: under the
    // write lock, it keeps a copy of the file beside it
    // (CSchemaVersion::BackupPath) and runs the upgrade steps in one
    // transaction (a savepoint inside a transaction the caller holds).
    // Nothing to do when another process upgraded it meanwhile.
    bool EnsureCurrentSchema(QString *error = nullptr);

    // Reads the stamped version again (another program may have upgraded
    // the library meanwhile): a newer one makes the connection refuse writes
    // from now on, with the reason ReadOnlyReason() gives. False when the
    // version cannot be read.
    bool RecheckSchemaVersion(QString *error = nullptr);

    // What a run of many saves in one transaction remembers between them,
    // so that each book does not ask again for the lookup identifiers and
    // the next book identifier. Present only inside a CBulkWriteScope;
    // emptied whenever a transaction group is rolled back and whenever an
    // outermost transaction begins, since between two transactions another
    // program may have added books or names.
    struct CBulkCache
    {
        QHash<QString, QString> lookupIds; // table, line feed, folded name -> identifier
        QHash<QString, int> lastIds;       // table -> identifier given last
        // ISBN in the duplicate check's normal form -> title of the first
        // book with it; read from the library when first asked.
        QHash<QString, QString> isbnTitles;
        bool isbnTitlesRead = false;
    };
    CBulkCache *BulkCache() { return m_bulkCache.get(); }
    void ForgetBulkCache()
    {
        if (m_bulkCache)
            *m_bulkCache = CBulkCache();
    }

private:
    friend class CBulkWriteScope;
    bool Setup(QString *error);
    bool OpenFile(const QString &path, int flags, QString *error);
    // Reads the version, reopens read-only when it is newer and checks the
    // tables and columns the program needs.
    bool CheckSchema(QString *error);
    bool UpgradeUnderLock(bool ownTransaction, QString *error);
    QString NewerVersionText(int version) const;

    sqlite3 *m_db = nullptr;
    QString m_path;
    std::unique_ptr<CBulkCache> m_bulkCache;
    int m_schemaVersion = 0;
    QString m_readOnlyReason;
    bool m_upgradePending = false;
    bool m_upgrading = false;
};

// Turns the bulk cache on for its lifetime. What it remembers holds for one
// transaction at a time (nobody else writes while it lasts): each outermost
// transaction reads the library afresh.
class CBulkWriteScope
{
public:
    explicit CBulkWriteScope(CLibraryConnection &connection) : m_connection(connection)
    {
        m_connection.m_bulkCache = std::make_unique<CLibraryConnection::CBulkCache>();
    }
    ~CBulkWriteScope() { m_connection.m_bulkCache.reset(); }
    CBulkWriteScope(const CBulkWriteScope &) = delete;
    CBulkWriteScope &operator=(const CBulkWriteScope &) = delete;

private:
    CLibraryConnection &m_connection;
};

// True when `sql` holds nothing but white space, semicolons and comments.
bool IsBlankSql(const char *sql);

// The rows the statement last run on `db` changed itself, given the
// connection's total count of changes from before it: rows its triggers and
// cascading deletes changed do not count, and a statement that changed
// nothing counts 0 (SQLite's own count would still be the last writer's).
qint64 RowsChangedByStatement(sqlite3 *db, qint64 totalChangesBefore);

// Runs a group of writes as one transaction: commits on Commit(), rolls back
// when destroyed without it, so a failure leaves the library as it was.
class CTransaction
{
public:
    explicit CTransaction(CLibraryConnection &connection);
    ~CTransaction();
    CTransaction(const CTransaction &) = delete;
    CTransaction &operator=(const CTransaction &) = delete;

    bool IsActive() const { return m_active; }
    // A savepoint inside the caller's transaction, whose write lock is held
    // until the caller ends it.
    bool IsNested() const { return m_nested; }
    QString Error() const { return m_error; }
    bool Commit();

private:
    void Rollback();

    CLibraryConnection &m_connection;
    bool m_nested = false;
    bool m_active = false;
    QString m_error;
};
