#pragma once

#include "db/NameTidy.h"
#include "undo/LibraryCommand.h"

// One step of Tidy Names: names merged into one (or one renamed), or unused
// names deleted. Undone, the names come back and every book carries the
// name it carried before.
class CNameTidyCommand : public CLibraryCommand
{
public:
    // Before merging `names` into `keptName`, or deleting them (`keptName`
    // empty).
    CNameTidyCommand(CTomeloDoc &doc, NameKind kind, const QVector<CNameUse> &names,
                     const QString &keptName);

    // After the step: names it by what it did. False when it moved a book
    // this command did not read before (it cannot be undone then).
    bool NameAfter(const CNameTidyChange &change, int deleted);
};
