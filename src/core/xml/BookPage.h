#pragma once

#include <QString>
#include <QVector>

#include <functional>

class CLibraryConnection;
class QUrl;

// The link schemes of the book page. The program handles them itself.
inline constexpr char kCoverScheme[] = "tomelocover://";
inline constexpr char kCategoryScheme[] = "tomelocat://";
inline constexpr char kBookLinkScheme[] = "tomelolink://";

// The policy of every book page, the view's and a saved one: no script, plug-in,
// frame or form of a description runs, submits or loads, and nothing but
// pictures, style sheets and fonts is fetched. The view and the saved page
// carry it as their first meta element.
inline constexpr char kPagePolicy[] =
    "default-src 'none'; img-src file: data: http: https:; "
    "style-src 'unsafe-inline' file: http: https:; font-src file: data: http: https:; "
    "script-src 'none'; object-src 'none'; frame-src 'none'; child-src 'none'; "
    "worker-src 'none'; connect-src 'none'; media-src 'none'; form-action 'none'; "
    "base-uri 'none'";

// A clicked address as the page's links are compared: without white space at
// either end and without one final "/".
QString NormalizeLinkAddress(const QString &address);

// The book and link identifiers of what follows "tomelolink://" ("B/L").
// They come from the page, so they are accepted only when both are integers.
bool ParseBookLinkTarget(const QString &rest, QString *bookId, QString *linkId);

// The file name of what follows "tomelocover://": the part after the last
// separator ("\" or "/"), or all of it when there is none.
QString CoverFileName(const QString &rest);

// The page shown when no book is selected (string 198).
QString WelcomePageHtml();

// The document the information view loads: `body` (a transformation result,
// or the welcome page when empty) in UTF-8 with the page title, a policy
// that lets no script run, and the style `cssUrl` linked after the
// template's own styles. Its own links are written without "//"
// ("tomelolink:1/2"): a URL parser takes what follows "//" for a host name
// and reads "1" as the address 0.0.0.1 and "0x10" as 16.
QString ViewPageHtml(const QString &body, const QString &cssUrl);

// `page` with `html` added at the end of its body (before its closing body
// tag, or at its end when it has none).
QString AppendToPageBody(const QString &page, const QString &html);

// The address of a link clicked in the view's page as the page's links are
// written ("tomelolink://1/2"); other addresses as they are.
QString LinkAddressFromUrl(const QUrl &url);

// Save As HTML's rewriting of a transformed page: UTF-8 charset, the page
// policy first in its head, the style `cssPath` linked by its full path,
// related links turned into their stored paths (looked up by `linkPath`;
// one that would run script is left empty), category links turned into their
// text and cover links into plain file paths, the whole wrapped in an HTML
// element. A malformed occurrence of a link is left as it is.
QString RewriteHtmlForSaving(
    QString html, const QString &cssPath,
    const std::function<QString(const QString &bookId, const QString &linkId)> &linkPath);

// The selected books as the information view shows them: their book XML and
// its transformation by an XSL template.
class CBookPage
{
public:
    // Writes the XML of `bookIds` (covers in `imagesDir`) and transforms it
    // with the template file `templatePath`; the page shows the descriptions
    // and notes cleaned by SanitizeBookHtml, while Xml() keeps them whole. XML or a template that
    // cannot be loaded is reported (messages 137 and 138); a failed transformation is not. On any
    // failure, and for no books, the page is empty.
    bool Build(const QVector<quint32> &bookIds, CLibraryConnection &connection,
               const QString &imagesDir, const QString &templatePath);
    void Clear();

    // Empty when nothing is shown.
    const QString &Html() const { return m_html; }
    const QString &Xml() const { return m_xml; }

    // The page as Save As HTML writes it, the style `cssPath` linked.
    QString SavedHtml(const QString &cssPath, CLibraryConnection &connection) const;

    // Save As HTML and Save As XML once the file is chosen: UTF-8 written
    // whole or not at all; false when the file cannot be written, with the
    // reason naming the file in `error` when given (empty for an empty page).
    bool SaveHtml(const QString &path, const QString &cssPath, CLibraryConnection &connection,
                  QString *error = nullptr) const;
    bool SaveXml(const QString &path, QString *error = nullptr) const;

private:
    QString m_html;
    QString m_xml;
};
