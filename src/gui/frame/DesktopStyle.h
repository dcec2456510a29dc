#pragma once

#include <QProxyStyle>

// The platform's style with dialog buttons as the desktop draws them: OK,
// Cancel and the like carry text only, unless the desktop itself puts icons
// on its buttons (a KDE session, where the user chooses). Without a desktop
// of its own (a bare X session) Qt would draw its built-in pictures on them.
class CDesktopStyle : public QProxyStyle
{
    Q_OBJECT

public:
    CDesktopStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // True in a session whose desktop decides about icons on buttons itself.
    static bool DesktopChoosesButtonIcons();
};
