#pragma once

#include "undo/LibraryCommand.h"

#include <QVector>

// Books dropped on a series in the tree: their places in it (the series
// table is covered too, for a library whose series rows the change touches).
class CSeriesDropCommand : public CLibraryCommand
{
public:
    CSeriesDropCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds, const QString &seriesName);
};
