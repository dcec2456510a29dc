#pragma once

#include "GuiTestSupport.h"

#include "db/LibraryConnection.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Writes `statements` into the library at `path` before the window opens it.
inline bool FillLibrary(const QString &path, const QStringList &statements)
{
    CLibraryConnection db;
    if (!db.Open(path))
        return false;
    for (const QString &sql : statements)
        if (!db.Execute(sql))
            return false;
    return true;
}

// What a drag of `data` over `pos` of `viewport` and a drop there did: the
// action the view answered while dragging (IgnoreAction when it refused) and
// whether the drop was taken.
struct DragOutcome
{
    Qt::DropAction whileDragging = Qt::IgnoreAction;
    bool dropped = false;
};

inline DragOutcome DragAndDrop(QWidget *viewport, const QPoint &pos, QMimeData *data,
                               Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction,
                               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    DragOutcome outcome;
    QDragEnterEvent enter(pos, allowed, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(pos, allowed, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &move);
    if (move.isAccepted())
        outcome.whileDragging = move.dropAction();
    QDropEvent drop(QPointF(pos), allowed, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &drop);
    outcome.dropped = drop.isAccepted();
    delete data;
    return outcome;
}

// Opens a modal dialog of type `Dialog` through `open` and hands it to
// `drive` once it is up; a dialog that `drive` leaves open is cancelled.
// False when no such dialog opened.
template <class Dialog>
bool DriveModal(const std::function<void()> &open, const std::function<void(Dialog &)> &drive)
{
    bool driven = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || driven)
            return;
        driven = true;
        poll.stop();
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start();
    open();
    return driven;
}
