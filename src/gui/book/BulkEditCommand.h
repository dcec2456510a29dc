#pragma once

#include "undo/LibraryCommand.h"

#include <QVector>

// A change of many books at once in the bulk editor: undone, the books, the
// categories they are in and the names the change brought go back to what
// they were.
class CBulkEditCommand : public CLibraryCommand
{
public:
    // Before the change of the books `bookIds`.
    CBulkEditCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds);

    // After the change: Edit > Undo names the books it changed.
    void SetChangedBooks(int count);
};
