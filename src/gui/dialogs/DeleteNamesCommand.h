#pragma once

#include "undo/LibraryCommand.h"

// Names that no book carried, deleted by Tidy Names: undone, they are back
// under their identifiers.
class CDeleteNamesCommand : public CLibraryCommand
{
public:
    explicit CDeleteNamesCommand(CTomeloDoc &doc);

    // Names the change in the Edit menu once it is made.
    void Describe(int deleted);
};
