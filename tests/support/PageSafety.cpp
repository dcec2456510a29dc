#include "PageSafety.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <memory>

namespace {

struct CDocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using CDocPtr = std::unique_ptr<xmlDoc, CDocFree>;

QString Text(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

QString AttributeValue(const xmlAttr *attribute)
{
    xmlChar *value = xmlNodeGetContent(reinterpret_cast<const xmlNode *>(attribute));
    const QString text = Text(value);
    xmlFree(value);
    return text;
}

CDocPtr ParsePage(const QString &html, int options)
{
    const QByteArray bytes = html.toUtf8();
    return CDocPtr(htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8",
                                  options | HTML_PARSE_NONET | HTML_PARSE_NODEFDTD));
}

// A value as a browser's address parser reads it: lower case, without the
// tabs, line breaks, controls and spaces it skips.
QString AddressOf(const QString &value)
{
    QString address = value.toLower();
    address.removeIf([](QChar c) { return c.unicode() <= 0x20; });
    return address;
}

bool IsScriptAddress(const QString &value, bool picture)
{
    const QString address = AddressOf(value);
    for (const char *scheme :
         {"javascript:", "vbscript:", "tomelocover:", "tomelocat:", "tomelolink:"}) {
        // The program's own schemes must all have been rewritten in a saved page.
        if (address.contains(QLatin1String(scheme)))
            return true;
    }
    return address.startsWith(QLatin1String("data:")) &&
           !(picture && address.startsWith(QLatin1String("data:image/")));
}

void CheckElement(const xmlNode *node, QStringList &found)
{
    static const QSet<QString> running{
        QStringLiteral("script"),   QStringLiteral("iframe"), QStringLiteral("frame"),
        QStringLiteral("frameset"), QStringLiteral("object"), QStringLiteral("embed"),
        QStringLiteral("applet"),   QStringLiteral("base"),   QStringLiteral("svg"),
        QStringLiteral("math"),     QStringLiteral("portal"), QStringLiteral("noscript")};
    static const QSet<QString> addresses{
        QStringLiteral("href"),       QStringLiteral("src"),        QStringLiteral("action"),
        QStringLiteral("formaction"), QStringLiteral("data"),       QStringLiteral("background"),
        QStringLiteral("poster"),     QStringLiteral("xlink:href"), QStringLiteral("srcset"),
        QStringLiteral("ping"),       QStringLiteral("lowsrc"),     QStringLiteral("dynsrc"),
        QStringLiteral("codebase"),   QStringLiteral("cite"),       QStringLiteral("longdesc")};
    const QString name = Text(node->name).toLower();
    if (running.contains(name))
        found += name + QStringLiteral(" element");
    for (const xmlAttr *attribute = node->properties; attribute; attribute = attribute->next) {
        const QString attr = Text(attribute->name).toLower();
        const QString value = AttributeValue(attribute);
        const QString where = attr + u'=' + value.left(40) + QStringLiteral(" on ") + name;
        if (attr.startsWith(QLatin1String("on")) || attr == u"srcdoc" || attr == u"formaction")
            found += where;
        else if (addresses.contains(attr) && IsScriptAddress(value, attr != u"href"))
            found += where;
        else if (attr == u"style" && (AddressOf(value).contains(QLatin1String("expression(")) ||
                                      AddressOf(value).contains(QLatin1String("javascript:"))))
            found += where;
        else if (name == u"meta" && attr == u"http-equiv" &&
                 value.compare(QLatin1String("Content-Type"), Qt::CaseInsensitive) != 0 &&
                 value.compare(QLatin1String("Content-Security-Policy"), Qt::CaseInsensitive) != 0)
            found += where; // refresh, set-cookie and the like
        else if (name == u"form" && attr == u"action")
            found += where;
    }
}

void CheckTree(const xmlNode *node, QStringList &found)
{
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE)
            CheckElement(node, found);
        CheckTree(node->children, found);
    }
}

void CollectError(void *context, xmlErrorPtr error)
{
    auto *errors = static_cast<QStringList *>(context);
    const QString message = QString::fromUtf8(error->message).trimmed();
    // Elements newer than HTML 4 and an id given twice (the description and
    // notes may be one text) say nothing of the nesting.
    if (error->code == XML_HTML_UNKNOWN_TAG || error->code == XML_DTD_ID_REDEFINED)
        return;
    *errors += QStringLiteral("line %1: %2").arg(error->line).arg(message);
}

} // namespace

QString HostileBookHtml()
{
    // In attributes the quotes are entities; a script element's text is not decoded.
    const QString mark =
        QStringLiteral("document.title=&#39;%1&#39;").arg(QLatin1String(kScriptMarker));
    const QString scriptMark =
        QStringLiteral("document.title='%1'").arg(QLatin1String(kScriptMarker));
    QString html = QStringLiteral(
        "<p id=\"probe\">Untouched text.</p>"
        "<script>@JS@</script>"
        "<SCRIPT src=\"hostile.js\"></SCRIPT>"
        "<img src=\"missing.png\" onerror=\"@MARK@\">"
        "<IMG SRC=\"missing.png\" OnError=\"@MARK@\">"
        "<body onload=\"@MARK@\">"
        "<details open ontoggle=\"@MARK@\"><summary>s</summary></details>"
        "<svg onload=\"@MARK@\"><script>@JS@</script><a "
        "xlink:href=\"javascript:@MARK@\">s</a></svg>"
        "<math><a xlink:href=\"javascript:@MARK@\">m</a></math>"
        "<a href=\"javascript:@MARK@\">plain</a>"
        "<a href=\"JaVaScRiPt:@MARK@\">cased</a>"
        "<a href=\"java&#x0A;script:@MARK@\">split</a>"
        "<a href=\"&#x20;&#x09;javascript:@MARK@\">spaced</a>"
        "<a href=\"&#106;avascript:@MARK@\">entity</a>"
        "<a href=\"vbscript:msgbox(1)\">vb</a>"
        "<a href=\"data:text/html,&lt;script&gt;@MARK@&lt;/script&gt;\">data</a>"
        "<a href=\"javatomelocover://script:@MARK@\">own scheme inside</a>"
        "<a href=\"tomelocover://javascript:@MARK@\">own scheme first</a>"
        "<iframe src=\"javascript:parent.@MARK@\"></iframe>"
        "<iframe srcdoc=\"&lt;script&gt;parent.@MARK@&lt;/script&gt;\"></iframe>"
        "<frameset><frame src=\"javascript:@MARK@\"></frameset>"
        "<meta http-equiv=\"refresh\" content=\"0;url=javascript:@MARK@\">"
        "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"1; URL=https://example.org/\">"
        "<object data=\"javascript:@MARK@\"></object>"
        "<embed src=\"javascript:@MARK@\">"
        "<form action=\"javascript:@MARK@\"><button formaction=\"javascript:@MARK@\">go</button>"
        "<input type=\"image\" src=\"missing.png\" onerror=\"@MARK@\"></form>"
        "<base href=\"javascript:@MARK@//\">"
        "<div style=\"background:url(javascript:@MARK@)\">styled</div>"
        "<div style=\"width: expression(@MARK@)\">expressed</div>"
        "<noscript><p title=\"</noscript><img src=missing.png onerror=@MARK@>\"></p></noscript>"
        "<video src=\"missing.mp4\" onerror=\"@MARK@\"><source src=\"missing.webm\" "
        "onerror=\"@MARK@\"></video>"
        "<p>Kept <b>bold</b> and <a href=\"https://example.org/more\">a link</a>.</p>");
    html.replace(QStringLiteral("@JS@"), scriptMark);
    html.replace(QStringLiteral("@MARK@"), mark);
    return html;
}

QString RunnablePartsOfPage(const QString &html)
{
    if (html.isEmpty())
        return QString();
    QStringList found;
    const CDocPtr doc = ParsePage(html, HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    if (!doc)
        return QStringLiteral("the page cannot be read");
    CheckTree(xmlDocGetRootElement(doc.get()), found);
    return found.join(u'\n');
}

QString PageStructureErrors(const QString &html)
{
    QStringList errors;
    xmlSetStructuredErrorFunc(&errors, CollectError);
    const CDocPtr doc = ParsePage(html, HTML_PARSE_NOWARNING);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (!doc)
        errors += QStringLiteral("the page cannot be read");
    return errors.join(u'\n');
}

QString FirstHeadPolicy(const QString &html)
{
    const CDocPtr doc = ParsePage(html, HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    const xmlNode *head = root ? root->children : nullptr;
    while (head && !(head->type == XML_ELEMENT_NODE && xmlStrEqual(head->name, BAD_CAST "head")))
        head = head->next;
    const xmlNode *first = head ? head->children : nullptr;
    while (first && first->type != XML_ELEMENT_NODE)
        first = first->next;
    if (!first || !xmlStrEqual(first->name, BAD_CAST "meta"))
        return QString();
    xmlChar *equiv = xmlGetProp(first, BAD_CAST "http-equiv");
    xmlChar *content = xmlGetProp(first, BAD_CAST "content");
    const bool policy =
        Text(equiv).compare(QLatin1String("Content-Security-Policy"), Qt::CaseInsensitive) == 0;
    const QString text = Text(content);
    xmlFree(equiv);
    xmlFree(content);
    return policy ? text : QString();
}
