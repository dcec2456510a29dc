#include "library/MoveCategoryCommand.h"

#include <QCoreApplication>

CMoveCategoryCommand::CMoveCategoryCommand(CTomeloDoc &doc, int categoryId, const QString &name,
                                           const QString &newParentName)
    : CCategoryCommand(doc, {categoryId},
                       QCoreApplication::translate("LibraryUndo", "Move Category \"%1\" to \"%2\"")
                           .arg(name, newParentName))
{}
