#pragma once

#include <QHash>
#include <QString>

#include <memory>

struct sqlite3;

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
    // error description in `error`, and nothing on disk changes.
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

    sqlite3 *m_db = nullptr;
    QString m_path;
    std::unique_ptr<CBulkCache> m_bulkCache;
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
