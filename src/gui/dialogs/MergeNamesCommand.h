#pragma once

#include "db/NameTidy.h"
#include "undo/LibraryCommand.h"

// Names made one by Tidy Names, or one name renamed: undone, the names and
// the books that carried them are as they were.
class CMergeNamesCommand : public CLibraryCommand
{
public:
    // `bookIds`: the books the merge may change (CNameTidy::BooksOfMerge).
    CMergeNamesCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds);

    // Names the change in the Edit menu once it is made.
    void Describe(const CNameTidyChange &change);
};
