#include "frame/DesktopStyle.h"

#include <QApplication>

CDesktopStyle::CDesktopStyle() : QProxyStyle(QApplication::style()->name()) {}

int CDesktopStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons && !DesktopChoosesButtonIcons())
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

bool CDesktopStyle::DesktopChoosesButtonIcons()
{
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toUpper();
    return desktop.split(':').contains("KDE") || !qgetenv("KDE_FULL_SESSION").isEmpty();
}
