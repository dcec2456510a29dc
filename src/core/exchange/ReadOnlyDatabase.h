#pragma once

#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Another program's SQLite database opened only to be read: the file is
// opened immutable, so nothing is written to it or beside it (no journal,
// no locks, no shared-memory file), whatever state its owner left it in.
// Collations the owner registered in its own process are stood in for by
// a case-blind comparison, so a query that meets one still runs.
class CReadOnlyDatabase
{
public:
    // One prepared statement; its rows are read with Step().
    class Query
    {
    public:
        Query() = default;
        explicit Query(sqlite3_stmt *statement);
        ~Query();
        Query(Query &&other) noexcept;
        Query &operator=(Query &&other) noexcept;
        Query(const Query &) = delete;
        Query &operator=(const Query &) = delete;

        bool IsValid() const { return m_statement != nullptr; }
        // Starts the statement again with `value` for its first parameter.
        void Restart(qint64 value);
        // The next row; false at the end or on an error (see Failed()).
        bool Step();
        bool Failed() const { return !m_error.isEmpty(); }
        QString Error() const { return m_error; }

        QString Text(int column) const;
        double Number(int column) const;
        qint64 Integer(int column) const;
        bool IsNull(int column) const;

    private:
        sqlite3_stmt *m_statement = nullptr;
        QString m_error;
    };

    CReadOnlyDatabase();
    ~CReadOnlyDatabase();
    CReadOnlyDatabase(const CReadOnlyDatabase &) = delete;
    CReadOnlyDatabase &operator=(const CReadOnlyDatabase &) = delete;

    // Opens the file at `path` and reads its schema; false with Error() when
    // it is no SQLite database or cannot be read.
    bool Open(const QString &path);

    bool HasTable(const QString &table) const;
    // The table's column names in lower case (empty when there is no table).
    QStringList Columns(const QString &table) const;

    // A statement on the database; an invalid one with Error() set when
    // `sql` cannot be prepared.
    Query Prepare(const QString &sql) const;

    QString Error() const { return m_error; }

private:
    struct CloseDatabase
    {
        void operator()(sqlite3 *db) const;
    };
    std::unique_ptr<sqlite3, CloseDatabase> m_db;
    QStringList m_tables; // lower case
    mutable QString m_error;
};
