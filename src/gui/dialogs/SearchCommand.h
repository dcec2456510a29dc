#pragma once

#include "undo/LibraryCommand.h"

// Basic Search filing what it found in Search Results: undone, the category
// holds what it held before.
class CSearchCommand : public CLibraryCommand
{
public:
    CSearchCommand(CTomeloDoc &doc, int searchResultsId, const QString &keyword);
};
