#include "book/BulkEditCommand.h"

#include <QCoreApplication>

namespace {

QString EditText(int count)
{
    return QCoreApplication::translate("LibraryUndo", "Edit %n Book(s)", nullptr, count);
}

CSnapshotScope BulkScope(const QVector<quint32> &bookIds)
{
    CSnapshotScope scope = CSnapshotScope::ForBooks(bookIds);
    scope.nameTables = true; // a new name set on the books is added by the change
    return scope;
}

} // namespace

CBulkEditCommand::CBulkEditCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds)
    : CLibraryCommand(doc, BulkScope(bookIds), EditText(int(bookIds.size())))
{}

void CBulkEditCommand::SetChangedBooks(int count)
{
    setText(EditText(count));
}
