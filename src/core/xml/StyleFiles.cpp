#include "xml/StyleFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

QStringList FileTitles(const QString &folder, const QString &pattern)
{
    QStringList titles;
    const QFileInfoList files =
        QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &file : files)
        titles.append(file.completeBaseName());
    return titles;
}

} // namespace

CStyleFiles::CStyleFiles(const QString &appDir)
    : m_stylesDir(QDir(appDir).filePath(QStringLiteral("Styles")))
{}

QStringList CStyleFiles::CssStyles() const
{
    return FileTitles(m_stylesDir + QStringLiteral("/CSS"), QStringLiteral("*.css"));
}

QStringList CStyleFiles::XslTemplates() const
{
    return FileTitles(m_stylesDir, QStringLiteral("*.xsl"));
}

QString CStyleFiles::CssPath(const QString &title) const
{
    return m_stylesDir + QStringLiteral("/CSS/") + title + QStringLiteral(".css");
}

QString CStyleFiles::XslPath(const QString &title) const
{
    return m_stylesDir + u'/' + title + QStringLiteral(".xsl");
}

int CStyleFiles::ValidCssIndex(int stored, int count)
{
    return stored >= 0 && stored < count ? stored : 0;
}

int CStyleFiles::ValidXslIndex(int stored, const QStringList &templates)
{
    if (stored >= 0 && stored < templates.size())
        return stored;
    return qMax(0, int(templates.indexOf(QStringLiteral("Default (ENU)"))));
}
