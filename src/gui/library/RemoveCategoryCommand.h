#pragma once

#include "library/CategoryCommand.h"

#include <QVector>

// Remove Category: undone, the category, its subcategories and all their
// memberships come back.
class CRemoveCategoryCommand : public CCategoryCommand
{
public:
    // `branch`: the category and every category below it.
    CRemoveCategoryCommand(CTomeloDoc &doc, const QVector<int> &branch, const QString &name);
};
