#pragma once

#include "undo/AddedBooksCommand.h"

// The books a batch of lookups added.
class CBatchAddCommand : public CAddedBooksCommand
{
public:
    explicit CBatchAddCommand(CTomeloDoc &doc);

protected:
    QString TextFor(int bookCount) const override;
};
