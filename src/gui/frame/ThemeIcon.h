#pragma once

#include <QIcon>
#include <QString>

// The icon `name` from the desktop's icon theme, or `fallback` when the theme
// lacks it; when both are missing, a plain drawn icon, so that no button or
// menu item is ever blank.
QIcon ThemeIcon(const QString &name, const QIcon &fallback = QIcon());

// Makes the desktop's icon theme usable where the platform names none (a bare
// X session, the offscreen platform): a full theme is taken as the fallback.
void PrepareIconTheme();
