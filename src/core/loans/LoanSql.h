#pragma once

#include <QDate>
#include <QString>

#include <functional>

class CLibraryConnection;
class CRecordset;

// What the stores of loans, series and readings share: the library version
// that brought their tables, and statements that report failures as text
// instead of showing them, so that each caller says why in its own way.

// Libraries of earlier versions lack the tables until their first write.
inline constexpr int kLoanTablesVersion = 3;

// Whether the connection's library has the tables yet: reading an older
// library finds no loans, series or readings, and changes nothing.
bool HasLoanTables(CLibraryConnection &connection);

// Brings an older library up to date; to be called inside the write
// transaction before the first statement that reads the new tables.
bool EnsureLoanTables(CLibraryConnection &connection, QString *error);

// Runs one statement; on failure `error` gets the database's description.
bool RunLoanSql(CLibraryConnection &connection, const QString &sql, QString *error,
                qint64 *affected = nullptr);

// Calls `row` for every row of `sql`; false with `error` set on a failure.
bool ForEachRow(CLibraryConnection &connection, const QString &sql,
                const std::function<void(const CRecordset &)> &row, QString *error);

// The first column of the first row as an integer; 0 without a row.
bool QueryInteger(CLibraryConnection &connection, const QString &sql, qint64 *value,
                  QString *error);

// A text as an SQL literal, NULL for an empty text.
QString TextLiteral(const QString &text);
// A date as the tables keep it ('2026-12-07'), NULL for an invalid date.
QString DateLiteral(const QDate &date);
// A stored date column's text as a date; invalid for NULL or anything else.
QDate StoredLoanDate(const QString &text);

// Reads a date the user typed or a file holds, in any form the program
// reads dates in ("2026-12-07", "Dec 07, 2026", ...); a whole day only.
// An empty text gives an invalid date with `ok` true, anything unreadable
// `ok` false.
QDate ParseLoanDate(const QString &text, bool *ok);

// The identifier of the row of `table` whose Name is `name` without regard
// to letter case in any alphabet (the column's NOCASE folds A to Z only);
// 0 when there is none.
bool FindNameId(CLibraryConnection &connection, const QString &table, const QString &keyColumn,
                const QString &name, qint64 *id, QString *error);

// Runs `writes` in one transaction (a savepoint inside a caller's) after
// bringing an older library up to date. False, with nothing kept, when any
// part fails; `writes` sets `error` for its own failures.
bool WriteLoanRows(CLibraryConnection &connection, QString *error,
                   const std::function<bool()> &writes);

// Gives the row `id` of a table of names the name `name` (trimmed, not
// empty), unless another row has it in any letter case: then `taken`.
bool RenameNameRow(CLibraryConnection &connection, const QString &table, const QString &keyColumn,
                   qint64 id, const QString &name, const QString &taken, QString *error);

// Runs an INSERT and gives the new row's identifier.
bool InsertLoanRow(CLibraryConnection &connection, const QString &sql, qint64 *id, QString *error);

// False, with a message that says so, when the library has no book `bookId`.
bool CheckBookExists(CLibraryConnection &connection, qint32 bookId, QString *error);
