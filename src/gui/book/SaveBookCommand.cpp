#include "book/SaveBookCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope BookScope(int bookId, const QStringList &wholeTables)
{
    CSnapshotScope scope;
    scope.wholeTables = wholeTables;
    if (bookId != 0)
        scope.bookIds = {bookId};
    scope.nameTables = true; // a save adds the names it is the first to use
    return scope;
}

} // namespace

CSaveBookCommand::CSaveBookCommand(CTomeloDoc &doc, int bookId, const QString &title,
                                   const QStringList &wholeTables)
    : CLibraryCommand(
          doc, BookScope(bookId, wholeTables),
          bookId == 0 ? QCoreApplication::translate("LibraryUndo", "Add Book \"%1\"").arg(title)
                      : QCoreApplication::translate("LibraryUndo", "Edit Book \"%1\"").arg(title),
          true)
{}

void CSaveBookCommand::SetNewBookId(int bookId)
{
    CSnapshotScope added;
    added.bookIds = {bookId};
    AddNewRows(added);
}
