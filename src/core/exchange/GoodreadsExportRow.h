#pragma once

#include <QString>
#include <QStringList>

class CBookRecord;

// What a Goodreads row tells beside the record's own fields.
struct CGoodreadsShelfFacts
{
    QStringList shelves; // the names of the book's own categories
    bool onReadingList = false;
    bool wishList = false; // its status is the wish list
    QString added;         // when it entered the library, as stored
};

// The header of a Goodreads library export as Goodreads writes it today.
QStringList GoodreadsExportHeader();

// The book as a row under that header: the series in the title as
// "Title (Series, #2)", the first author apart from the others, ISBNs as
// spreadsheet formulas (="0441172717"), dates as YYYY/MM/DD, no rating as 0,
// and the exclusive shelf from its readings, the Reading List and the wish
// list.
QStringList GoodreadsExportRow(const CBookRecord &book, const CGoodreadsShelfFacts &facts);
