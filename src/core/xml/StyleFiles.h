#pragma once

#include <QString>
#include <QStringList>

// The XSL templates (Styles/*.xsl) and CSS styles (Styles/CSS/*.css) beside
// the program. A style or template is known by its file title, the file name
// without the extension; its index in the list is what the settings store.
class CStyleFiles
{
public:
    explicit CStyleFiles(const QString &appDir);

    // File titles in name order, so a stored index names the same file on
    // every start whatever order the file system lists them in.
    QStringList CssStyles() const;
    QStringList XslTemplates() const;

    QString CssPath(const QString &title) const;
    QString XslPath(const QString &title) const;

    // The style index to use for a stored "CSS" value: 0 when it is out of range.
    static int ValidCssIndex(int stored, int count);
    // The template index to use for a stored "XSL" value: when out of range,
    // the template named "Default (ENU)", else 0.
    static int ValidXslIndex(int stored, const QStringList &templates);

private:
    QString m_stylesDir;
};
