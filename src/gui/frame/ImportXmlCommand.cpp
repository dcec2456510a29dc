#include "frame/ImportXmlCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope ImportScope()
{
    CSnapshotScope scope;
    scope.nameTables = true;
    // An import that restores categories makes the ones it does not find.
    scope.wholeTables = {QStringLiteral("category")};
    return scope;
}

} // namespace

CImportXmlCommand::CImportXmlCommand(CTomeloDoc &doc) : CAddedBooksCommand(doc, ImportScope()) {}

QString CImportXmlCommand::TextFor(int bookCount) const
{
    return QCoreApplication::translate("LibraryUndo", "Import %n Book(s)", nullptr, bookCount);
}
