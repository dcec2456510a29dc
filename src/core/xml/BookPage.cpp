#include "xml/BookPage.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/DbAccess.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlDocument.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const char *const kSchemes[] = {kCoverScheme, kCategoryScheme, kBookLinkScheme};

const QString kUtf8Meta =
    QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");

// Related links become the paths stored for them. Searching goes on after
// each replacement, so a stored path that itself holds the scheme cannot
// make the loop run for ever; an address without a closing quote is left.
void ReplaceBookLinks(
    QString &text,
    const std::function<QString(const QString &bookId, const QString &linkId)> &linkPath)
{
    const QString scheme = QLatin1String(kBookLinkScheme);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(scheme, from);
        if (at < 0)
            return;
        const qsizetype end = text.indexOf(u'"', at);
        if (end < 0)
            return; // no quote after this one, so none after any later one
        const QString rest = text.mid(at + scheme.size(), end - at - scheme.size());
        QString bookId;
        QString linkId;
        QString path;
        if (ParseBookLinkTarget(rest, &bookId, &linkId))
            path = linkPath(bookId, linkId);
        text.replace(at, end - at, path);
        from = at + path.size();
    }
}

// Category links lose their anchor: the end tag after the address and the
// start tag around it go, the link's text stays. An address without the
// tags around it is left as it is.
void UnwrapCategoryLinks(QString &text)
{
    const QString scheme = QLatin1String(kCategoryScheme);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(scheme, from);
        if (at < 0)
            return;
        const qsizetype startTagEnd = text.indexOf(u'>', at);
        const qsizetype endTag =
            startTagEnd < 0 ? -1 : text.indexOf(QStringLiteral("</"), startTagEnd);
        const qsizetype endTagEnd = endTag < 0 ? -1 : text.indexOf(u'>', endTag);
        const qsizetype startTag = at > 0 ? text.lastIndexOf(u'<', at - 1) : -1;
        if (endTagEnd < 0 || startTag < 0) {
            from = at + scheme.size();
            continue;
        }
        text.remove(endTag, endTagEnd - endTag + 1);
        text.remove(startTag, startTagEnd - startTag + 1);
        from = startTag;
    }
}

} // namespace

QString NormalizeLinkAddress(const QString &address)
{
    QString normalized = address.trimmed();
    if (normalized.endsWith(u'/'))
        normalized.chop(1);
    return normalized;
}

bool ParseBookLinkTarget(const QString &rest, QString *bookId, QString *linkId)
{
    const QString target = NormalizeLinkAddress(rest);
    const qsizetype slash = target.indexOf(u'/');
    const QString book = slash < 0 ? target : target.left(slash);
    const QString link = slash < 0 ? QString() : target.mid(slash + 1);
    if (!IsIntegerText(book) || !IsIntegerText(link))
        return false;
    *bookId = book;
    *linkId = link;
    return true;
}

QString CoverFileName(const QString &rest)
{
    const qsizetype separator = qMax(rest.lastIndexOf(u'\\'), rest.lastIndexOf(u'/'));
    return rest.mid(separator + 1);
}

QString WelcomePageHtml()
{
    return LoadString(198);
}

QString ViewPageHtml(const QString &body, const QString &cssUrl)
{
    static const QRegularExpression headStart(QStringLiteral("<head(\\s[^>]*)?>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression headEnd(QStringLiteral("</head\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression htmlStart(QStringLiteral("<html(\\s[^>]*)?>"),
                                              QRegularExpression::CaseInsensitiveOption);
    // Book descriptions come from the web: whatever they hold, no script runs.
    const QString first =
        QStringLiteral("<meta charset=\"utf-8\">\n<meta http-equiv=\"Content-Security-Policy\" "
                       "content=\"script-src 'none'; object-src 'none'\">\n<title>") +
        LoadString(201).toHtmlEscaped() + QStringLiteral("</title>\n");
    const QString last = QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"") +
                         cssUrl.toHtmlEscaped() + QStringLiteral("\">\n");

    // Nor does a meta element of theirs act like a header: a refresh would
    // replace the page with another (a blank one, say), and the program sets
    // the page's own character set and policy below.
    static const QRegularExpression equivMeta(
        QStringLiteral("(<meta\\b(?:[^>\"']|\"[^\"]*\"|'[^']*')*?[\\s/])http-equiv(?=\\s*=)"),
        QRegularExpression::CaseInsensitiveOption);

    QString page = body.isEmpty() ? WelcomePageHtml() : body;
    page.replace(QLatin1String(kHtmlUtf16Meta), kUtf8Meta);
    while (page.contains(equivMeta))
        page.replace(equivMeta, QStringLiteral("\\1data-inert-equiv"));
    for (const char *scheme : kSchemes)
        page.replace(QLatin1String(scheme), QLatin1String(scheme).chopped(2));
    const QRegularExpressionMatch start = headStart.match(page);
    const QRegularExpressionMatch end = headEnd.match(page, start.capturedEnd());
    if (start.hasMatch() && end.hasMatch()) {
        page.insert(end.capturedStart(), last);
        page.insert(start.capturedEnd(), u'\n' + first);
        return page;
    }
    const QString head = QStringLiteral("<head>\n") + first + last + QStringLiteral("</head>\n");
    const QRegularExpressionMatch html = htmlStart.match(page);
    if (html.hasMatch())
        return page.insert(html.capturedEnd(), head);
    return QStringLiteral("<html>") + head + page + QStringLiteral("</html>");
}

QString LinkAddressFromUrl(const QUrl &url)
{
    for (const char *scheme : kSchemes) {
        const QLatin1String name = QLatin1String(scheme).chopped(3);
        if (url.scheme() != name)
            continue;
        QString address = QLatin1String(scheme) + url.authority() + url.path(QUrl::FullyDecoded);
        if (url.hasQuery())
            address += u'?' + url.query(QUrl::FullyDecoded);
        if (url.hasFragment())
            address += u'#' + url.fragment(QUrl::FullyDecoded);
        return address;
    }
    return url.toString();
}

QString RewriteHtmlForSaving(
    QString html, const QString &cssPath,
    const std::function<QString(const QString &bookId, const QString &linkId)> &linkPath)
{
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    html.replace(QLatin1String(kHtmlUtf16Meta), kUtf8Meta);
    html.replace(QStringLiteral("HREF=\"tomelo.css\">"),
                 QStringLiteral("HREF=\"") + cssPath + QStringLiteral("\">"));
    ReplaceBookLinks(html, linkPath);
    UnwrapCategoryLinks(html);
    html.remove(QLatin1String(kCoverScheme));
    return QStringLiteral("<HTML>\n") + html + QStringLiteral("</HTML>\n");
}

bool CBookPage::Build(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                      const QString &imagesDir, const QString &templatePath)
{
    Clear();
    if (bookIds.isEmpty())
        return false;
    const QString xml = BuildBooksXml(bookIds, connection, imagesDir);
    CXmlDocument books;
    if (!books.loadXML(xml)) {
        ShowMessage(LoadString(137));
        return false;
    }
    CXmlDocument style;
    if (!style.load(templatePath)) {
        ShowMessage(LoadString(138));
        return false;
    }
    QString html;
    if (!books.transformNode(style, &html))
        return false;
    html.replace(QStringLiteral("<img tomelosrc="), QStringLiteral("<img src="));
    html.replace(QStringLiteral("<a tomelohref="), QStringLiteral("<a href="));
    m_xml = xml;
    m_html = html;
    return true;
}

void CBookPage::Clear()
{
    m_html.clear();
    m_xml.clear();
}

QString CBookPage::SavedHtml(const QString &cssPath, CLibraryConnection &connection) const
{
    return RewriteHtmlForSaving(m_html, cssPath,
                                [&connection](const QString &bookId, const QString &linkId) {
                                    QString path;
                                    GetLinkPath(bookId, linkId, connection, path);
                                    return path;
                                });
}

bool CBookPage::SaveHtml(const QString &path, const QString &cssPath,
                         CLibraryConnection &connection, QString *error) const
{
    return !m_html.isEmpty() && SaveBooksXml(path, SavedHtml(cssPath, connection), error);
}

bool CBookPage::SaveXml(const QString &path, QString *error) const
{
    return !m_xml.isEmpty() && SaveBooksXml(path, m_xml, error);
}
