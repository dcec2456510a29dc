#include "library/FileBooksCommand.h"

#include <QCoreApplication>

namespace {

QString FilingText(int count, CFileBooksCommand::How how, const QString &categoryName)
{
    switch (how) {
    case CFileBooksCommand::How::Paste:
        return QCoreApplication::translate("LibraryUndo", "Paste %n Book(s) into %1", nullptr,
                                           count)
            .arg(categoryName);
    case CFileBooksCommand::How::DropCopy:
        return QCoreApplication::translate("LibraryUndo", "Copy %n Book(s) to %1", nullptr, count)
            .arg(categoryName);
    case CFileBooksCommand::How::DropMove:
        return QCoreApplication::translate("LibraryUndo", "Move %n Book(s) to %1", nullptr, count)
            .arg(categoryName);
    case CFileBooksCommand::How::SendTo:
        return QCoreApplication::translate("LibraryUndo", "Send %n Book(s) to %1", nullptr, count)
            .arg(categoryName);
    case CFileBooksCommand::How::Drag:
        break;
    }
    return QString();
}

} // namespace

CFileBooksCommand::CFileBooksCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds, How how,
                                     const QString &categoryName)
    : CLibraryCommand(doc, CSnapshotScope::ForBooks(bookIds),
                      FilingText(int(bookIds.size()), how, categoryName))
{}
