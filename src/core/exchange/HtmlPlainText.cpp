#include "exchange/HtmlPlainText.h"

#include "xml/XmlDocument.h"

#include <QByteArray>
#include <QRegularExpression>

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>

namespace {

struct CHtmlDocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using CHtmlDocPtr = std::unique_ptr<xmlDoc, CHtmlDocFree>;

// Elements after which a reader sees a new line.
bool EndsLine(const xmlNode *node)
{
    static const char *const kBlocks[] = {"p",  "div", "br", "li", "tr", "h1",    "h2",        "h3",
                                          "h4", "h5",  "h6", "ul", "ol", "table", "blockquote"};
    for (const char *name : kBlocks) {
        if (xmlStrcasecmp(node->name, BAD_CAST name) == 0)
            return true;
    }
    return false;
}

bool IsHidden(const xmlNode *node)
{
    return xmlStrcasecmp(node->name, BAD_CAST "script") == 0 ||
           xmlStrcasecmp(node->name, BAD_CAST "style") == 0;
}

// libxml2 keeps its own limit on nesting (256 levels), so this recursion is
// bounded.
void AppendText(const xmlNode *parent, QString &out)
{
    for (const xmlNode *node = parent->children; node; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            QString text = QString::fromUtf8(reinterpret_cast<const char *>(node->content));
            static const QRegularExpression space(QStringLiteral("\\s+"));
            out += text.replace(space, QStringLiteral(" "));
        } else if (node->type == XML_ELEMENT_NODE && !IsHidden(node)) {
            AppendText(node, out);
            if (EndsLine(node))
                out += u'\n';
        }
    }
}

} // namespace

QString PlainTextFromHtml(const QString &html)
{
    if (html.trimmed().isEmpty())
        return QString();
    InitXmlLibraries();
    const QByteArray bytes = QByteArrayLiteral("<html><body>") + html.toUtf8();
    const CHtmlDocPtr doc(htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8",
                                         HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                             HTML_PARSE_NOWARNING | HTML_PARSE_NODEFDTD));
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root)
        return html.simplified();
    QString out;
    AppendText(root, out);
    // Lines trimmed, empty ones gone.
    QStringList lines;
    for (const QString &line : out.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines.join(u'\n');
}
