#pragma once

#include <QString>
#include <QStringList>

class CLibraryConnection;

// Statement primitives and the small query helpers every part of the program
// shares. Each helper reports a failed statement itself (the statement, a
// line break and the database's description) and returns false.

// Runs a statement that returns no rows; shows the error only when asked to.
bool ExecuteSql(const QString &sql, bool showError, CLibraryConnection &connection);

// The first column of the first row of `sql` as display text; `found` tells
// whether there was a row. Returns false on a database error (shown when
// `showError` is set).
bool QuerySingleValue(const QString &sql, CLibraryConnection &connection, QString &out,
                      bool *found = nullptr, bool showError = true);

// out := `column` of the first row of `sql` ("" when there is no row).
bool QueryValue(const QString &sql, const QString &column, CLibraryConnection &connection,
                QString &out);

bool GetParentCategoryId(const QString &categoryId, CLibraryConnection &connection, QString &out);
bool GetBookCategories(int bookId, CLibraryConnection &connection, QStringList &out);
bool AddBooksToCategory(int count, const quint32 *bookIds, int categoryId,
                        CLibraryConnection &connection);
bool GetLinkPath(const QString &bookId, const QString &linkId, CLibraryConnection &connection,
                 QString &out);

// Lookup tables (bookpublisher, booklanguage, ...): the key column is the
// table name without its first four characters, followed by "ID".
QString LookupKeyColumn(const QString &table);
bool ListLookupNames(const QString &table, CLibraryConnection &connection, QStringList &out);
bool LookupNameById(const QString &table, const QString &id, CLibraryConnection &connection,
                    QString &out);
// out := the identifier of `name` as decimal text, adding a row when the name
// is new, or "NULL" for a blank name.
bool LookupOrAddId(const QString &table, const QString &name, QString &out,
                   CLibraryConnection &connection);

// The next free identifier of `table`: its largest `keyColumn` plus one, or 1
// for an empty table. Returns 0 after showing the error when the query fails.
int AllocateId(const QString &table, const QString &keyColumn, CLibraryConnection &connection);

// True when `text` is a decimal integer (optional sign), so that it may be
// pasted into SQL as it is.
bool IsIntegerText(const QString &text);
