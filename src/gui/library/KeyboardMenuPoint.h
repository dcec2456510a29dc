#pragma once

#include <QAbstractItemView>

// Where a context menu asked for from the keyboard opens: at the view's
// current item (brought into sight first), else at its top-left corner,
// never where the mouse happens to be.
inline QPoint KeyboardMenuPoint(QAbstractItemView &view)
{
    const QModelIndex current = view.currentIndex();
    if (!current.isValid())
        return view.viewport()->mapToGlobal(QPoint(0, 0));
    view.scrollTo(current);
    return view.viewport()->mapToGlobal(view.visualRect(current).topLeft() + QPoint(5, 5));
}
