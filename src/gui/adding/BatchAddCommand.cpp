#include "adding/BatchAddCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope BatchScope()
{
    CSnapshotScope scope;
    scope.nameTables = true; // its books bring names of their own
    return scope;
}

} // namespace

CBatchAddCommand::CBatchAddCommand(CTomeloDoc &doc) : CAddedBooksCommand(doc, BatchScope()) {}

QString CBatchAddCommand::TextFor(int bookCount) const
{
    return QCoreApplication::translate("LibraryUndo", "Add %n Book(s)", nullptr, bookCount);
}
