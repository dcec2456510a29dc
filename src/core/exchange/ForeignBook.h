#pragma once

#include "db/BookRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// One value of another catalogue's record and the field it goes to.
struct CForeignValue
{
    // The source's own name for the value, as its user knows it
    // ("Exclusive Shelf", "tags", "pubdate"): the label of the "Column: value"
    // line when the value ends up in Notes.
    QString column;
    // A book XML element name ("Title", "Author", "ISBN", "PageCount",
    // "MyRating", "ReleaseDate", "PurchasePrice", "Description", "Notes",
    // "Series", "SeriesNumber", ...) or one of CForeignField's names; empty
    // when the value has no field, and the mapping keeps it in Notes.
    QString field;
    // The value as the source wrote it, freed only of the format's own
    // quoting (Goodreads' ="...", LibraryThing's [brackets]): the mapping
    // checks and converts it.
    QString value;
};

// Targets of CForeignValue::field beyond the book XML elements.
namespace ForeignField {
// A rating out of 10 (calibre, some CSV columns); "MyRating" is out of 5.
// Fractions are allowed in both and rounded half up.
inline constexpr const char *MyRatingOutOf10 = "MyRatingOutOf10";
// A combined "Name #N" or "Name, #N" or "Name (N)" series text.
inline constexpr const char *SeriesWithNumber = "SeriesWithNumber";
} // namespace ForeignField

// One record of another catalogue as its reader found it, before the shared
// mapping (see MapForeignBook) turns it into a book record. Readers fill
// what their format has and leave the rest empty; they never drop a value:
// what they cannot place they add with an empty field.
struct CForeignBook
{
    // The record's number in the source for messages and the report: the
    // data row of a table (1 for the first row after the header), or the
    // entry's position in a file or database.
    int number = 0;
    // Values in the source's order. A field may come more than once:
    // several "Author" values are joined with " / ", several "ISBN" values
    // are candidates of which the mapping keeps one, several "Notes" and
    // "Description" values become paragraphs.
    QVector<CForeignValue> values;
    // Tags, shelves and collections: each one category path (the names from
    // the top down) below the parent category named after the source.
    QList<QStringList> categories;
    // The user wishes to have the book (a wish-list shelf, a "wishlist" tag,
    // a status that says so): Status "Wish List".
    bool wishList = false;
    // The user means to read it (a to-read shelf): the Reading List.
    bool toRead = false;
    // Readings and loans with dates as the source wrote them; the mapping
    // turns them into ISO dates (unreadable ones go to Notes). A read count
    // beyond the dated readings adds readings without dates.
    QList<CBookReading> readings;
    int readCount = 0;
    QList<CBookLoan> loans;
    // The cover: a picture file to copy in, or the picture's bytes when it
    // comes out of an archive. Either may be empty.
    QString coverFile;
    QByteArray coverData;
    // Links to keep with the book (the e-book files of a calibre book).
    QList<CLinkEntry> links;
    // Set when the record cannot be imported at all (a row without title and
    // ISBN, a row the file's structure broke): the reason for the report.
    // The import goes on with the next record.
    QString problem;
};

// A foreign record mapped to this program's book: what the import writes.
struct CImportedBook
{
    int number = 0;
    CBookRecord record;            // Series, SeriesNumber, Loans and Readings included
    QList<QStringList> categories; // below the source's parent category
    bool toRead = false;           // also goes into the Reading List
    // Status is the wish list: the import gives it the name the library's
    // own wish-list status has.
    bool wishList = false;
    QString coverFile;    // a picture file to stage, if any
    QByteArray coverData; // or its bytes
    // Values the mapping could not take as they were and kept in Notes
    // ("Purchase Price: my price"), for the import's report.
    QStringList oddValues;
    QString problem; // not imported, and why
};
