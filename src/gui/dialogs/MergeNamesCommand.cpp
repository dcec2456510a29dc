#include "dialogs/MergeNamesCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope MergeScope(const QVector<quint32> &bookIds)
{
    CSnapshotScope scope = CSnapshotScope::ForBooks(bookIds);
    // Redone, a merged name is deleted again only while no book carries it.
    scope.nameTables = true;
    return scope;
}

QString MergeText(NameKind kind, int count)
{
    switch (kind) {
    case NameKind::Publisher:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Publishers", nullptr, count);
    case NameKind::Language:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Languages", nullptr, count);
    case NameKind::Binding:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Bindings", nullptr, count);
    case NameKind::Store:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Stores", nullptr, count);
    case NameKind::Location:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Locations", nullptr, count);
    case NameKind::Format:
        return QCoreApplication::translate("LibraryUndo", "Merge %n Formats", nullptr, count);
    }
    return QString();
}

} // namespace

CMergeNamesCommand::CMergeNamesCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds)
    : CLibraryCommand(doc, MergeScope(bookIds), QString())
{}

void CMergeNamesCommand::Describe(const CNameTidyChange &change)
{
    if (change.MergedCount() > 1) {
        setText(MergeText(change.kind, change.MergedCount()));
    } else {
        setText(QCoreApplication::translate("LibraryUndo", "Rename \"%1\" to \"%2\"")
                    .arg(change.keptOldName, change.keptNewName));
    }
}
