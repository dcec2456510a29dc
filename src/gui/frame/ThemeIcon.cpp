#include "frame/ThemeIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStandardPaths>

namespace {

// A rounded square with the name's first letter: a last resort that still
// tells buttons apart.
QIcon DrawnIcon(const QString &name)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QApplication::palette().color(QPalette::Highlight));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    painter.setPen(QApplication::palette().color(QPalette::HighlightedText));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, name.left(1).toUpper());
    return QIcon(pixmap);
}

} // namespace

QIcon ThemeIcon(const QString &name, const QIcon &fallback)
{
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull())
        icon = fallback;
    if (icon.isNull() || (icon.availableSizes().isEmpty() && icon.pixmap(16).isNull()))
        icon = DrawnIcon(name);
    return icon;
}

void PrepareIconTheme()
{
    // Platforms without a desktop theme plug-in search only Qt's resources.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &dir : dataDirs) {
        const QString icons = dir + QStringLiteral("/icons");
        if (!paths.contains(icons) && QFileInfo(icons).isDir())
            paths += icons;
    }
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::fallbackThemeName().isEmpty() ||
        QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}
