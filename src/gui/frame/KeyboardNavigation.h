#pragma once

#include <QObject>
#include <QPointer>

class CMainFrame;
class QWidget;

// The window's keys that are about panes rather than books: F6 and Shift+F6
// move between the category tree, the book list and the information page,
// F10 opens the menu bar, Shift+F10 and the Menu key open the context menu
// of the pane with the focus. It also knows which pane the commands act on
// while the menu bar, a menu or the toolbar holds the keys for a moment.
class CKeyboardNavigation : public QObject
{
    Q_OBJECT

public:
    // Adds the keys to `frame`, whose panes must exist already.
    explicit CKeyboardNavigation(CMainFrame &frame);

    // The pane with the focus, or the pane that had it last when the focus
    // is elsewhere in the window; nullptr before any pane had it.
    QWidget *ActivePane() const;

    // Gives the focus to the next (`step` 1) or previous (-1) pane.
    void FocusNextPane(int step);
    // Opens the first menu of the menu bar; the arrow keys go on from there.
    void OpenMenuBar();
    // Opens the active pane's context menu at its current item.
    void OpenContextMenu();

private:
    QList<QWidget *> Panes() const;
    QWidget *PaneOf(const QWidget *widget) const;
    void OnFocusChanged(QWidget *now);

    CMainFrame &m_frame;
    QPointer<QWidget> m_lastPane;
};
