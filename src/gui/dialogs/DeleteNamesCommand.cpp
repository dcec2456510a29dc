#include "dialogs/DeleteNamesCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope NameTables()
{
    // Redone, a name is deleted again only while no book carries it.
    CSnapshotScope scope;
    scope.nameTables = true;
    return scope;
}

} // namespace

CDeleteNamesCommand::CDeleteNamesCommand(CTomeloDoc &doc)
    : CLibraryCommand(doc, NameTables(), QString())
{}

void CDeleteNamesCommand::Describe(int deleted)
{
    setText(
        QCoreApplication::translate("LibraryUndo", "Delete %n Unused Name(s)", nullptr, deleted));
}
