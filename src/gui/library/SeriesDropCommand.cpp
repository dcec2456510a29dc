#include "library/SeriesDropCommand.h"

#include <QCoreApplication>

namespace {

CSnapshotScope SeriesDropScope(const QVector<quint32> &bookIds)
{
    CSnapshotScope scope = CSnapshotScope::ForBooks(bookIds);
    scope.wholeTables = {QStringLiteral("bookseries")};
    return scope;
}

} // namespace

CSeriesDropCommand::CSeriesDropCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds,
                                       const QString &seriesName)
    : CLibraryCommand(doc, SeriesDropScope(bookIds),
                      QCoreApplication::translate("LibraryUndo", "Put %n Book(s) into Series %1",
                                                  nullptr, int(bookIds.size()))
                          .arg(seriesName))
{}
