#pragma once

#include "undo/LibraryCommand.h"

// A change that adds books (and perhaps names and categories): undone, the
// books it added go, with their covers. The books are those numbered above
// the last book before the change, found when it is done.
class CAddedBooksCommand : public CLibraryCommand
{
public:
    // Before the change; `scope` covers what else it may touch.
    CAddedBooksCommand(CTomeloDoc &doc, const CSnapshotScope &scope);

    // After the change: names the books it added and takes the text for
    // their number. False when it added none.
    bool FindAddedBooks();

protected:
    virtual QString TextFor(int bookCount) const = 0;

private:
    qint64 m_lastBookId = 0;
};
