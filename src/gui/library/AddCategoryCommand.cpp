#include "library/AddCategoryCommand.h"

#include <QCoreApplication>

CAddCategoryCommand::CAddCategoryCommand(CTomeloDoc &doc, const QString &name)
    : CCategoryCommand(doc, {},
                       QCoreApplication::translate("LibraryUndo", "Add Category \"%1\"").arg(name))
{}

void CAddCategoryCommand::SetNewCategory(int categoryId)
{
    CSnapshotScope added;
    added.categoryIds = {categoryId};
    AddNewRows(added);
    SetShownCategory(categoryId);
}
