#pragma once

#include "undo/LibraryCommand.h"

// The save of one book from its property sheet: an edited book goes back to
// what it was (its cover pictures too), a new book goes away again.
class CSaveBookCommand : public CLibraryCommand
{
public:
    // Before the save of the stored book `bookId`, or of a new book (0).
    // `wholeTables` are tables the save may add rows to that belong to no
    // book (a new series, a new borrower).
    CSaveBookCommand(CTomeloDoc &doc, int bookId, const QString &title,
                     const QStringList &wholeTables = QStringList());

    // After a new book's save: the number it was given.
    void SetNewBookId(int bookId);
};
