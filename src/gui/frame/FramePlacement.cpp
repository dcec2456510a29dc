#include "frame/FramePlacement.h"

#include "app/Profile.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace {

const QString kRect = QStringLiteral("Rect");
const QString kIconized = QStringLiteral("Iconized");
const QString kMaximized = QStringLiteral("Maximized");

} // namespace

void CFramePlacement::Restore(QWidget &window) const
{
    // The four numbers are read as separated by blanks rather than at fixed
    // places, so a coordinate that needed more than four characters still
    // comes back as it was written.
    const QStringList numbers = GetProfileString(m_section, kRect).split(u' ', Qt::SkipEmptyParts);
    if (numbers.size() == 4) {
        const int left = numbers[0].toInt();
        const int top = numbers[1].toInt();
        const int right = numbers[2].toInt();
        const int bottom = numbers[3].toInt();
        QRect rect(left, top, right - left, bottom - top);
        if (rect.isValid()) {
            // A place on a screen that is no longer there is brought onto
            // the primary one, as the desktop does with any window.
            bool onScreen = false;
            for (const QScreen *screen : QGuiApplication::screens())
                onScreen |= screen->availableGeometry().intersects(rect);
            if (!onScreen && QGuiApplication::primaryScreen())
                rect.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
            window.setGeometry(rect);
        }
    }
    const bool iconized = GetProfileInt(m_section, kIconized, 0) != 0;
    const bool maximized = GetProfileInt(m_section, kMaximized, 0) != 0;
    if (iconized) {
        window.setWindowState(maximized ? Qt::WindowMinimized | Qt::WindowMaximized
                                        : Qt::WindowMinimized);
        window.show();
    } else if (maximized) {
        window.showMaximized();
    } else {
        window.showNormal();
    }
}

void CFramePlacement::Save(const QWidget &window) const
{
    const Qt::WindowStates state = window.windowState();
    const QRect normal =
        window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
    const QRect rect = normal.isValid() ? normal : window.geometry();
    WriteProfileString(m_section, kRect,
                       QString::asprintf("%04d %04d %04d %04d", rect.left(), rect.top(),
                                         rect.left() + rect.width(), rect.top() + rect.height()));
    WriteProfileInt(m_section, kIconized, state.testFlag(Qt::WindowMinimized) ? 1 : 0);
    WriteProfileInt(m_section, kMaximized, state.testFlag(Qt::WindowMaximized) ? 1 : 0);
}
