#include "loans/LoanCommand.h"

#include <QCoreApplication>

namespace {

QString LoanText(CLoanCommand::Kind kind, int count)
{
    switch (kind) {
    case CLoanCommand::Kind::Lend:
        return QCoreApplication::translate("LibraryUndo", "Lend %n Book(s)", nullptr, count);
    case CLoanCommand::Kind::Borrow:
        return QCoreApplication::translate("LibraryUndo", "Borrow %n Book(s)", nullptr, count);
    case CLoanCommand::Kind::Return:
        break;
    }
    return QCoreApplication::translate("LibraryUndo", "Return %n Book(s)", nullptr, count);
}

CSnapshotScope LoanScope(const QVector<quint32> &bookIds)
{
    CSnapshotScope scope = CSnapshotScope::ForBooks(bookIds);
    // A loan to a new person adds them; undone, they go again.
    scope.wholeTables << QStringLiteral("borrower");
    return scope;
}

} // namespace

CLoanCommand::CLoanCommand(CTomeloDoc &doc, Kind kind, const QVector<quint32> &bookIds)
    : CLibraryCommand(doc, LoanScope(bookIds), LoanText(kind, int(bookIds.size())))
{}
