#pragma once

#include "library/CategoryCommand.h"

// Add Sub Category: undone, the new category goes.
class CAddCategoryCommand : public CCategoryCommand
{
public:
    CAddCategoryCommand(CTomeloDoc &doc, const QString &name);
    // After the add: the new category's number.
    void SetNewCategory(int categoryId);
};
