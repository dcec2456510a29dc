#include "library/EditCategoryCommand.h"

#include <QCoreApplication>

CEditCategoryCommand::CEditCategoryCommand(CTomeloDoc &doc, int categoryId, const QString &oldName,
                                           const QString &newName)
    : CCategoryCommand(
          doc, {categoryId},
          oldName == newName
              ? QCoreApplication::translate("LibraryUndo", "Edit Category \"%1\"").arg(oldName)
              : QCoreApplication::translate("LibraryUndo", "Rename Category \"%1\" to \"%2\"")
                    .arg(oldName, newName))
{}
