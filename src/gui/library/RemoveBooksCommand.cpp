#include "library/RemoveBooksCommand.h"

#include "db/CategoryStore.h"

#include <QCoreApplication>

namespace {

QString RemovalText(int count, int categoryId, const QString &categoryName)
{
    if (categoryId == kAllBooks)
        return QCoreApplication::translate("LibraryUndo", "Move %n Book(s) to the Recycle Bin",
                                           nullptr, count);
    if (categoryId == kRecycleBin)
        return QCoreApplication::translate("LibraryUndo", "Delete %n Book(s) for Good", nullptr,
                                           count);
    return QCoreApplication::translate("LibraryUndo", "Remove %n Book(s) from %1", nullptr, count)
        .arg(categoryName);
}

} // namespace

CRemoveBooksCommand::CRemoveBooksCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds,
                                         int categoryId, const QString &categoryName)
    : CLibraryCommand(doc, CSnapshotScope::ForBooks(bookIds),
                      RemovalText(int(bookIds.size()), categoryId, categoryName),
                      categoryId == kRecycleBin)
{}
