#include "xml/BookPage.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "loans/LoanStore.h"
#include "xml/BookXmlWriter.h"
#include "xml/HtmlSanitizer.h"
#include "xml/XmlDocument.h"

#include <QRegularExpression>
#include <QUrl>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

namespace {

const char *const kSchemes[] = {kCoverScheme, kCategoryScheme, kBookLinkScheme};

const QString kUtf8Meta =
    QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");

const QRegularExpression &HeadStart()
{
    static const QRegularExpression pattern(QStringLiteral("<head(\\s[^>]*)?>"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression &HtmlStart()
{
    static const QRegularExpression pattern(QStringLiteral("<html(\\s[^>]*)?>"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString PolicyMeta()
{
    return QStringLiteral("<meta http-equiv=\"Content-Security-Policy\" content=\"") +
           QLatin1String(kPagePolicy) + QStringLiteral("\">");
}

// Related links become the paths stored for them, written as attribute text;
// a stored path that a browser would run as script is left out. Searching
// goes on after each replacement, so a stored path that itself holds the
// scheme cannot make the loop run for ever; an address without a closing
// quote is left, and so is one whose "address" would run over a tag (it is
// then no attribute value of the page).
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
        if (rest.contains(u'<') || rest.contains(u'>')) {
            from = at + scheme.size();
            continue;
        }
        QString bookId;
        QString linkId;
        QString path;
        if (ParseBookLinkTarget(rest, &bookId, &linkId))
            path = linkPath(bookId, linkId);
        if (!IsHarmlessAddress(path))
            path.clear();
        path = path.toHtmlEscaped();
        text.replace(at, end - at, path);
        from = at + path.size();
    }
}

// Category links lose their anchor: the start tag whose href holds the
// address and the anchor's end tag go, the link's text stays with whatever
// markup it has (the path's separators are spans of their own). Anchors do
// not nest, so the first "</a>" after the start tag is its end. An address
// that is not the href of an anchor, or an anchor without its end tag, is
// left as it is.
void UnwrapCategoryLinks(QString &text)
{
    static const QRegularExpression anchorUpToHref(
        QStringLiteral("<a\\s[^<>]*\\bhref\\s*=\\s*[\"']?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anchorEnd(QStringLiteral("</a[\\s>]"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString scheme = QLatin1String(kCategoryScheme);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(scheme, from);
        if (at < 0)
            return;
        const qsizetype startTag = at > 0 ? text.lastIndexOf(u'<', at - 1) : -1;
        const qsizetype startTagEnd = text.indexOf(u'>', at);
        const QRegularExpressionMatch end =
            startTagEnd < 0 ? QRegularExpressionMatch() : anchorEnd.match(text, startTagEnd);
        const qsizetype endTagEnd =
            end.hasMatch() ? text.indexOf(u'>', end.capturedStart()) : qsizetype(-1);
        const bool inAnchor = startTag >= 0 &&
                              anchorUpToHref.match(text.mid(startTag, at - startTag)).hasMatch() &&
                              !text.mid(at, startTagEnd - at).contains(u'<');
        if (!inAnchor || endTagEnd < 0) {
            from = at + scheme.size();
            continue;
        }
        text.remove(end.capturedStart(), endTagEnd - end.capturedStart() + 1);
        text.remove(startTag, startTagEnd - startTag + 1);
        from = startTag;
    }
}

// Puts `first` at the start of the page's head, making a head when there is
// none.
void InsertFirstInHead(QString &page, const QString &first)
{
    const QRegularExpressionMatch head = HeadStart().match(page);
    if (head.hasMatch()) {
        page.insert(head.capturedEnd(), first);
        return;
    }
    const QString newHead = QStringLiteral("<head>") + first + QStringLiteral("</head>\n");
    const QRegularExpressionMatch html = HtmlStart().match(page);
    page.insert(html.hasMatch() ? html.capturedEnd() : 0, newHead);
}

// The saved page's outer HTML element. A transformation's own html element
// gives way to it, its attributes (the page's language) going with it, so
// that the page has one root.
QString WrapInHtmlElement(QString page)
{
    static const QRegularExpression htmlEnd(QStringLiteral("</html\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString start = QStringLiteral("<HTML>");
    const QRegularExpressionMatch own = HtmlStart().match(page);
    QRegularExpressionMatch end;
    if (own.hasMatch()) {
        for (const QRegularExpressionMatch &match : htmlEnd.globalMatch(page, own.capturedEnd()))
            end = match;
    }
    if (end.hasMatch()) {
        page.remove(end.capturedStart(), end.capturedLength());
        page.remove(own.capturedStart(), own.capturedLength());
        start = QStringLiteral("<HTML") + own.captured(1) + u'>';
    }
    return start + u'\n' + page + QStringLiteral("</HTML>\n");
}

struct CXmlDocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};

bool IsElement(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, BAD_CAST name);
}

QString ElementText(const xmlNode *element)
{
    xmlChar *raw = xmlNodeGetContent(element);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(raw));
    xmlFree(raw);
    return text;
}

// Replaces the element's content with `text`, set as text so that no entity
// of it is read.
void SetElementText(xmlDoc *doc, xmlNode *element, const QString &text)
{
    xmlNodeSetContent(element, nullptr);
    xmlAddChild(element, xmlNewDocText(doc, BAD_CAST text.toUtf8().constData()));
}

// The page shows dates in the interface language; the saved XML keeps the
// program's own form.
void ShowDate(xmlDoc *doc, xmlNode *element)
{
    SetElementText(doc, element, ShownDateText(ElementText(element)));
}

// The dates of the book's loans (Loans/Loan) or readings
// (Readings/Reading) as the page shows them. An open loan past its due date
// is marked Overdue="yes" first: the template cannot compare the dates once
// they are written for reading, nor knows what day it is.
void PreparePageLoansOrReadings(xmlDoc *doc, xmlNode *group, const QDate &today)
{
    static const char *const kDates[] = {"LoanDate", "DueDate", "ReturnDate", "Started",
                                         "Finished"};
    for (xmlNode *entry = group->children; entry; entry = entry->next) {
        if (entry->type != XML_ELEMENT_NODE)
            continue;
        CLoanRow loan;
        for (xmlNode *part = entry->children; part; part = part->next) {
            if (IsElement(part, "DueDate"))
                loan.dueDate = QDate::fromString(ElementText(part), Qt::ISODate);
            else if (IsElement(part, "ReturnDate"))
                loan.returnDate = QDate::fromString(ElementText(part), Qt::ISODate);
        }
        if (IsElement(entry, "Loan") && loan.IsOverdue(today))
            xmlSetProp(entry, BAD_CAST "Overdue", BAD_CAST "yes");
        for (xmlNode *part = entry->children; part; part = part->next) {
            for (const char *name : kDates) {
                if (IsElement(part, name))
                    ShowDate(doc, part);
            }
        }
    }
}

// The book XML as the page shows it: each book's description and notes
// cleaned of what a browser would run (SanitizeBookHtml), a web page
// address that would run script left out, dates written in the interface
// language and overdue loans marked. Empty when `xml` cannot be read.
// What is stored and what Save As XML writes keep the texts as they are.
QString PageBooksXml(const QString &xml)
{
    const QDate today = QDate::currentDate();
    InitXmlLibraries();
    const QByteArray bytes = xml.toUtf8();
    // The program's own document: its size is bounded by the library, and
    // a description may be larger than libxml2's default text limit.
    const std::unique_ptr<xmlDoc, CXmlDocFree> doc(
        xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8",
                      XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root)
        return QString();
    for (xmlNode *book = root->children; book; book = book->next) {
        if (book->type != XML_ELEMENT_NODE || !xmlStrEqual(book->name, BAD_CAST "Book"))
            continue;
        xmlNode *field = book->children;
        while (field) {
            xmlNode *next = field->next;
            const bool isHtml = xmlStrEqual(field->name, BAD_CAST "Description") ||
                                xmlStrEqual(field->name, BAD_CAST "Notes");
            const bool isUrl = xmlStrEqual(field->name, BAD_CAST "URL");
            const bool isDate = xmlStrEqual(field->name, BAD_CAST "ReleaseDate") ||
                                xmlStrEqual(field->name, BAD_CAST "PurchaseDate");
            if (field->type == XML_ELEMENT_NODE && isDate) {
                ShowDate(doc.get(), field);
            } else if (IsElement(field, "Loans") || IsElement(field, "Readings")) {
                PreparePageLoansOrReadings(doc.get(), field, today);
            } else if (field->type == XML_ELEMENT_NODE && (isHtml || isUrl)) {
                const QString text = ElementText(field);
                if (isUrl && !IsHarmlessAddress(text)) {
                    xmlUnlinkNode(field);
                    xmlFreeNode(field);
                } else if (isHtml) {
                    SetElementText(doc.get(), field, SanitizeBookHtml(text));
                }
            }
            field = next;
        }
    }
    xmlChar *dumped = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc.get(), &dumped, &size, "UTF-8");
    const QString result = QString::fromUtf8(reinterpret_cast<const char *>(dumped), size);
    xmlFree(dumped);
    return result;
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
    static const QRegularExpression headEnd(QStringLiteral("</head\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    // Book descriptions come from the web: whatever they hold, no script runs.
    const QString first = QStringLiteral("<meta charset=\"utf-8\">\n") + PolicyMeta() +
                          QStringLiteral("\n<title>") + LoadString(201).toHtmlEscaped() +
                          QStringLiteral("</title>\n");
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
    const QRegularExpressionMatch start = HeadStart().match(page);
    const QRegularExpressionMatch end = headEnd.match(page, start.capturedEnd());
    if (start.hasMatch() && end.hasMatch()) {
        page.insert(end.capturedStart(), last);
        page.insert(start.capturedEnd(), u'\n' + first);
        return page;
    }
    const QString head = QStringLiteral("<head>\n") + first + last + QStringLiteral("</head>\n");
    const QRegularExpressionMatch html = HtmlStart().match(page);
    if (html.hasMatch())
        return page.insert(html.capturedEnd(), head);
    return QStringLiteral("<html>") + head + page + QStringLiteral("</html>");
}

QString AppendToPageBody(const QString &page, const QString &html)
{
    static const QRegularExpression bodyEnd(QStringLiteral("</body\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString result = page;
    const qsizetype end = result.lastIndexOf(bodyEnd);
    if (end < 0)
        return result + html;
    return result.insert(end, html);
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
                 QStringLiteral("HREF=\"") + cssPath.toHtmlEscaped() + QStringLiteral("\">"));
    ReplaceBookLinks(html, linkPath);
    UnwrapCategoryLinks(html);
    html.remove(QLatin1String(kCoverScheme));
    // A browser that opens the file runs no script of it either.
    InsertFirstInHead(html, PolicyMeta());
    return WrapInHtmlElement(html);
}

bool CBookPage::Build(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                      const QString &imagesDir, const QString &templatePath)
{
    Clear();
    if (bookIds.isEmpty())
        return false;
    const QString xml = BuildBooksXml(bookIds, connection, imagesDir);
    CXmlDocument books;
    if (!books.loadXML(PageBooksXml(xml))) {
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
