#include "frame/KeyboardNavigation.h"

#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenuBar>

namespace {

// The page has no current item: its menu opens near its top-left corner.
const QPoint kPageMenuOffset(8, 8);

QAction *AddKeys(CMainFrame &frame, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(&frame);
    action->setShortcuts(keys);
    frame.addAction(action);
    return action;
}

} // namespace

CKeyboardNavigation::CKeyboardNavigation(CMainFrame &frame) : QObject(&frame), m_frame(frame)
{
    setObjectName(QStringLiteral("KeyboardNavigation"));
    connect(AddKeys(frame, {QKeySequence(Qt::Key_F10)}), &QAction::triggered, this,
            &CKeyboardNavigation::OpenMenuBar);
    connect(AddKeys(frame, {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}),
            &QAction::triggered, this, &CKeyboardNavigation::OpenContextMenu);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { OnFocusChanged(now); });
}

QList<QWidget *> CKeyboardNavigation::Panes() const
{
    return {m_frame.TreeView(), m_frame.ListView(), m_frame.HtmlView()};
}

QWidget *CKeyboardNavigation::PaneOf(const QWidget *widget) const
{
    if (!widget)
        return nullptr;
    for (QWidget *pane : Panes()) {
        if (pane && (widget == pane || pane->isAncestorOf(widget)))
            return pane;
    }
    return nullptr;
}

void CKeyboardNavigation::OnFocusChanged(QWidget *now)
{
    if (QWidget *pane = PaneOf(now))
        m_lastPane = pane;
}

QWidget *CKeyboardNavigation::ActivePane() const
{
    // The window's own focus child counts also while another window (a
    // message, a menu) is active.
    if (QWidget *pane = PaneOf(m_frame.focusWidget()))
        return pane;
    return m_lastPane;
}

void CKeyboardNavigation::FocusNextPane(int step)
{
    const QList<QWidget *> panes = Panes();
    const int current = panes.indexOf(PaneOf(m_frame.focusWidget()));
    const int next = current < 0 ? (step > 0 ? 0 : panes.size() - 1)
                                 : (current + step + panes.size()) % panes.size();
    // Each pane hands the focus on to the widget that takes its keys.
    panes[next]->setFocus(Qt::OtherFocusReason);
}

void CKeyboardNavigation::OpenMenuBar()
{
    QMenuBar *bar = m_frame.menuBar();
    if (!bar->isVisible())
        return;
    const QList<QAction *> menus = bar->actions();
    for (QAction *menu : menus) {
        if (menu->isVisible() && menu->isEnabled() && !menu->isSeparator()) {
            bar->setActiveAction(menu);
            return;
        }
    }
}

void CKeyboardNavigation::OpenContextMenu()
{
    QWidget *pane = ActivePane();
    if (pane == m_frame.HtmlView()) {
        m_frame.ShowContextMenu(QStringLiteral("Html"), pane->mapToGlobal(kPageMenuOffset));
        return;
    }
    // The tree and the list open their menus at their current item, as for
    // a context menu event from the keyboard.
    QWidget *target = pane == m_frame.ListView() ? m_frame.ListView()->CurrentView() : pane;
    if (!target)
        return;
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0),
                            target->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::sendEvent(target, &event);
}
