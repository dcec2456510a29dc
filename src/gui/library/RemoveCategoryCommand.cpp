#include "library/RemoveCategoryCommand.h"

#include <QCoreApplication>

CRemoveCategoryCommand::CRemoveCategoryCommand(CTomeloDoc &doc, const QVector<int> &branch,
                                               const QString &name)
    : CCategoryCommand(
          doc, branch,
          QCoreApplication::translate("LibraryUndo", "Remove Category \"%1\"").arg(name))
{}
