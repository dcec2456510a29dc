#pragma once

#include "undo/AddedBooksCommand.h"

// The books an XML import added, with the names and categories it made.
class CImportXmlCommand : public CAddedBooksCommand
{
public:
    explicit CImportXmlCommand(CTomeloDoc &doc);

protected:
    QString TextFor(int bookCount) const override;
};
