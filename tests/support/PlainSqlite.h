#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// A connection of SQLite's own, as the sqlite3 shell or Python opens a file:
// nothing registered, no schema checks, no upgrades.
class CPlainSqlite
{
public:
    explicit CPlainSqlite(const QString &path);
    ~CPlainSqlite();
    CPlainSqlite(const CPlainSqlite &) = delete;
    CPlainSqlite &operator=(const CPlainSqlite &) = delete;

    // Every row of `sql`, its columns joined by "|"; empty with Error() set
    // when the statement fails.
    QStringList Rows(const QString &sql);
    // The first row of `sql` (empty when there is none or it fails).
    QString Value(const QString &sql) { return Rows(sql).value(0); }
    // Runs every statement of `sql`; false with Error() set on a failure.
    bool Exec(const QString &sql);

    QString Error() const { return m_error; }

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
};
