#pragma once

#include "db/BookListQuery.h"

#include <QString>
#include <QVector>

class CLibraryConnection;

// The book list's columns, in the order it shows them.
enum BookListColumn : int
{
    kColumnTitle,
    kColumnAuthor,
    kColumnPublisher,
    kColumnIsbn,
    kColumnEdition,
    kBookListColumnCount
};

// The books of a category (the same books as BookListSql), sorted by
// `column` in the library's letter-case-blind order, ties by title and
// identifier: only their identifiers, so a window can show the count at once
// and read the texts of just the rows it paints. Reports a database error and
// returns false.
bool ReadBookOrder(int categoryId, int column, bool ascending, CLibraryConnection &connection,
                   QVector<quint32> &bookIds);

// The texts of the given books, in no particular order; books that are gone
// are missing from `rows`. A database error is reported, or only put into
// `error` when that is given (a window reading rows while it paints must not
// open a message box there).
bool ReadBookRows(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                  QVector<CBookListRow> &rows, QString *error = nullptr);
