#pragma once

#include "undo/LibraryCommand.h"

#include <QVector>

// Remove Book as the list does it, seen from `categoryId`: out of a
// category, into the Recycle Bin (from All Books), or out of the library
// for good (from the Recycle Bin, covers and all).
class CRemoveBooksCommand : public CLibraryCommand
{
public:
    CRemoveBooksCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds, int categoryId,
                        const QString &categoryName);
};
