#include "CliCommands.h"

#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "xml/BookPage.h"
#include "xml/StyleFiles.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

const QString kRenderUsage = QStringLiteral(
    "usage: tomelodex-cli render LIBRARY ID... [--template TITLE] [--style TITLE] [-o FILE]");

// The title given with `option`, or the stored choice among `titles`. Empty
// after printing why when there is none to use.
QString ChooseTitle(const QStringList &titles, const QString &given, int storedIndex,
                    int noneMessage, const QString &kind)
{
    if (titles.isEmpty()) {
        PrintErr(LoadString(noneMessage));
        return QString();
    }
    if (given.isEmpty())
        return titles.at(storedIndex);
    if (!titles.contains(given)) {
        PrintErr(QCoreApplication::translate(
                     "Cli", "tomelodex-cli render: there is no %1 named '%2'; there are: %3")
                     .arg(kind, given, titles.join(QStringLiteral(", "))));
        return QString();
    }
    return given;
}

int CmdRender(const QStringList &args)
{
    QStringList plain = args;
    QString output;
    QString templateTitle;
    QString styleTitle;
    const bool toFile = TakeOption(plain, QStringLiteral("-o"), &output);
    const bool templateGiven = TakeOption(plain, QStringLiteral("--template"), &templateTitle);
    const bool styleGiven = TakeOption(plain, QStringLiteral("--style"), &styleTitle);
    if ((toFile && output.isEmpty()) || (templateGiven && templateTitle.isEmpty()) ||
        (styleGiven && styleTitle.isEmpty()) || !CheckPlainArgs(plain, int(plain.size())) ||
        plain.size() < 2)
        return UsageError(kRenderUsage);
    QVector<quint32> ids;
    if (!ParseBookIds(plain.mid(1), QStringLiteral("render"), &ids))
        return kExitUsage;
    if (toFile && RefuseStrayName(output))
        return kExitFailed;

    const CStyleFiles styles(TomeloApp().m_appDir);
    const QStringList templates = styles.XslTemplates();
    const QStringList cssStyles = styles.CssStyles();
    const QString xsl = ChooseTitle(templates, templateTitle,
                                    CStyleFiles::ValidXslIndex(CAppSettings::Xsl(), templates), 202,
                                    QCoreApplication::translate("Cli", "template"));
    if (xsl.isEmpty())
        return kExitFailed;
    const QString css =
        ChooseTitle(cssStyles, styleTitle,
                    CStyleFiles::ValidCssIndex(CAppSettings::Css(), int(cssStyles.size())), 164,
                    QCoreApplication::translate("Cli", "style"));
    if (css.isEmpty())
        return kExitFailed;

    CTomeloDoc doc;
    if (!OpenLibrary(doc, plain.at(0)))
        return kExitFailed;
    for (quint32 id : ids) {
        bool exists = false;
        QString found;
        if (!QuerySingleValue(QStringLiteral("SELECT BookID FROM book WHERE BookID=%1").arg(id),
                              *doc.m_connection, found, &exists))
            return kExitFailed;
        if (!exists) {
            PrintErr(QCoreApplication::translate("Cli",
                                                 "tomelodex-cli render: the library has no book %1")
                         .arg(id));
            return kExitFailed;
        }
    }

    CBookPage page;
    if (!page.Build(ids, *doc.m_connection, TomeloApp().m_imagesDir, styles.XslPath(xsl)))
        return kExitFailed;
    const QByteArray html = page.SavedHtml(styles.CssPath(css), *doc.m_connection).toUtf8();
    return WriteResult(toFile ? output : QString(),
                       [&html](QIODevice &out) { return out.write(html) == html.size(); });
}

} // namespace

std::vector<CCliCommand> RenderCommands()
{
    return {
        {QStringLiteral("render"),
         QStringLiteral("LIBRARY ID... [--template TITLE] [--style TITLE] [-o FILE]"),
         QCoreApplication::translate(
             "Cli", "Writes the information page of the given books as Save As HTML saves "
                    "it, with the content template and display style of those titles (the "
                    "stored choices by default), to standard output or FILE."),
         CmdRender},
    };
}
