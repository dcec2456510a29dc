#pragma once

#include "library/CategoryCommand.h"

// A category cut and pasted, or dragged, below another.
class CMoveCategoryCommand : public CCategoryCommand
{
public:
    CMoveCategoryCommand(CTomeloDoc &doc, int categoryId, const QString &name,
                         const QString &newParentName);
};
