#pragma once

#include "undo/LibraryCommand.h"

#include <QVector>

// Lending, borrowing or returning books, undone and redone as one step: the
// loans of the books and the borrowers (a loan to someone new adds them).
class CLoanCommand : public CLibraryCommand
{
public:
    enum class Kind
    {
        Lend,
        Borrow,
        Return,
    };

    // Before the change of the loans of `bookIds`.
    CLoanCommand(CTomeloDoc &doc, Kind kind, const QVector<quint32> &bookIds);
};
