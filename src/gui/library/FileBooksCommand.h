#pragma once

#include "undo/LibraryCommand.h"

#include <QVector>

// Books filed into a category: pasted, dragged there (copied or moved), or
// sent there. A drag's command covers the books' removal from where they
// came from as well.
class CFileBooksCommand : public CLibraryCommand
{
public:
    enum class How
    {
        Paste,
        DropCopy,
        DropMove,
        SendTo,
        Drag, // named by the change it groups
    };
    CFileBooksCommand(CTomeloDoc &doc, const QVector<quint32> &bookIds, How how,
                      const QString &categoryName = QString());
};
