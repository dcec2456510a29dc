#pragma once

#include "library/CategoryCommand.h"

// A category's new name or notes (Edit Category, or renaming in the tree).
class CEditCategoryCommand : public CCategoryCommand
{
public:
    CEditCategoryCommand(CTomeloDoc &doc, int categoryId, const QString &oldName,
                         const QString &newName);
};
