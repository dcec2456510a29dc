#pragma once

#include <QString>
#include <QVector>

class CLibraryConnection;

// One row of the book list.
struct CBookListRow
{
    quint32 bookId = 0;
    QString title;
    QString author;
    QString publisher;
    QString isbn;
    QString edition;
    QString frontCover;
    QString year; // of the release date
    QString pages;
    QString rating; // the user's; empty when unrated
    QString status;
    QString location;
    // When the book was added, in UTC as stored ("2026-03-15 18:04:09");
    // empty for books added before the library recorded it.
    QString added;
    // The book's series and its number there ("Dune", "2"); empty for none.
    QString series;
    QString seriesNumber;
    // Whom the book is lent to while it is out; empty otherwise.
    QString lentTo;
};

// The list's query for a category: every book in a category for All Books
// (5), every book in none for the Recycle Bin (6), otherwise the members.
QString BookListSql(int categoryId);

// The rows of that query by title, letter case aside in every alphabet and
// accented letters among their base letters (equal titles by identifier),
// the publisher looked up by name.
// Returns false after reporting a database error.
bool ReadBookList(int categoryId, CLibraryConnection &connection, QVector<CBookListRow> &rows);
