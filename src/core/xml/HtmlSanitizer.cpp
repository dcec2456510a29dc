#include "xml/HtmlSanitizer.h"

#include "xml/BookPage.h"
#include "xml/XmlDocument.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>

namespace {

struct CHtmlDocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using CHtmlDocPtr = std::unique_ptr<xmlDoc, CHtmlDocFree>;

struct CXmlCharFree
{
    void operator()(xmlChar *text) const { xmlFree(text); }
};
using CXmlCharPtr = std::unique_ptr<xmlChar, CXmlCharFree>;

// Elements that go with their whole content: what runs, loads or embeds
// other documents, plays media, sends forms, changes the page around the
// text, or is parsed by a browser by rules of its own (raw text, foreign
// content), where what libxml2 read as markup is not what a browser reads.
const QSet<QByteArray> &DroppedElements()
{
    static const QSet<QByteArray> names{
        "applet",   "audio",     "button",  "canvas",   "dialog",   "frameset", "head",
        "iframe",   "math",      "noembed", "noframes", "noscript", "object",   "optgroup",
        "option",   "plaintext", "portal",  "script",   "select",   "style",    "svg",
        "template", "textarea",  "title",   "video",    "xml",      "xmp"};
    return names;
}

// Empty elements that go. libxml2 does not know some of them as empty and
// puts what follows inside them, which is why that content stays.
const QSet<QByteArray> &DroppedEmptyElements()
{
    static const QSet<QByteArray> names{"area",  "base",  "basefont", "bgsound", "embed",
                                        "frame", "input", "isindex",  "keygen",  "link",
                                        "meta",  "param", "source",   "track"};
    return names;
}

// Elements of formatted text, lists, tables, pictures and links. Any other
// element is left out while its content stays.
const QSet<QByteArray> &KeptElements()
{
    static const QSet<QByteArray> names{
        "a",       "abbr",     "acronym",    "address",    "article", "aside",   "b",      "bdi",
        "bdo",     "big",      "blockquote", "br",         "caption", "center",  "cite",   "code",
        "col",     "colgroup", "dd",         "del",        "details", "dfn",     "dir",    "div",
        "dl",      "dt",       "em",         "figcaption", "figure",  "font",    "footer", "h1",
        "h2",      "h3",       "h4",         "h5",         "h6",      "header",  "hgroup", "hr",
        "i",       "img",      "ins",        "kbd",        "li",      "listing", "mark",   "nav",
        "nobr",    "ol",       "p",          "pre",        "q",       "rp",      "rt",     "ruby",
        "s",       "samp",     "section",    "small",      "span",    "strike",  "strong", "sub",
        "summary", "sup",      "table",      "tbody",      "td",      "tfoot",   "th",     "thead",
        "time",    "tr",       "tt",         "u",          "ul",      "var",     "wbr"};
    return names;
}

bool IsVoidElement(const QByteArray &name)
{
    return name == "br" || name == "col" || name == "hr" || name == "img" || name == "wbr";
}

// Attributes of presentation and of the kept elements. Event handlers and
// everything else (srcdoc, formaction, srcset, ping, data, xlink:href...) are
// not among them.
const QSet<QByteArray> &KeptAttributes()
{
    static const QSet<QByteArray> names{
        "abbr",        "align",       "alt",     "axis",    "background", "bgcolor",  "border",
        "cellpadding", "cellspacing", "char",    "charoff", "cite",       "class",    "clear",
        "color",       "cols",        "colspan", "compact", "coords",     "datetime", "dir",
        "face",        "headers",     "height",  "href",    "hreflang",   "hspace",   "id",
        "lang",        "name",        "noshade", "nowrap",  "open",       "rel",      "rev",
        "reversed",    "rowspan",     "rules",   "scope",   "shape",      "size",     "span",
        "src",         "start",       "style",   "summary", "target",     "title",    "type",
        "valign",      "value",       "vspace",  "width"};
    return names;
}

const char *const kOwnSchemes[] = {kCoverScheme, kCategoryScheme, kBookLinkScheme};

bool ContainsOwnScheme(const QString &text)
{
    for (const char *scheme : kOwnSchemes) {
        if (text.contains(QLatin1String(scheme)))
            return true;
    }
    return false;
}

// A style attribute may set how the text looks; one that could run script in
// some browser (expression(), script addresses, bindings) or hides its words
// behind escapes goes whole.
bool IsHarmlessStyle(const QString &style)
{
    if (style.contains(u'\\'))
        return false;
    static const QRegularExpression comment(QStringLiteral("/\\*.*?(\\*/|$)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString compact = style.toLower();
    compact.remove(comment);
    compact.removeIf([](QChar c) { return c.unicode() <= 0x20; });
    for (const char *word :
         {"expression(", "javascript:", "vbscript:", "-moz-binding", "behavior:", "@import"}) {
        if (compact.contains(QLatin1String(word)))
            return false;
    }
    return true;
}

QString Text(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

void AppendEscaped(QString &out, const QString &text)
{
    out.reserve(out.size() + text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
}

// Whether a kept attribute may be written with its value.
bool IsHarmlessValue(const QByteArray &element, const QByteArray &name, const QString &value)
{
    if (name == "style")
        return IsHarmlessStyle(value);
    if (name == "href" || name == "cite")
        return IsHarmlessAddress(value, AddressUse::kLink);
    if (name == "src" || name == "background") {
        const bool picture = element == "img" || name == "background";
        return IsHarmlessAddress(value, picture ? AddressUse::kPicture : AddressUse::kLink);
    }
    return true;
}

void AppendAttributes(QString &out, const xmlNode *element, const QByteArray &elementName)
{
    for (const xmlAttr *attribute = element->properties; attribute; attribute = attribute->next) {
        const QByteArray name =
            QByteArray(reinterpret_cast<const char *>(attribute->name)).toLower();
        if (!KeptAttributes().contains(name))
            continue;
        // A bare name ("nowrap") reads as the empty value.
        const CXmlCharPtr raw(xmlNodeGetContent(reinterpret_cast<const xmlNode *>(attribute)));
        const QString value = Text(raw.get());
        if (!IsHarmlessValue(elementName, name, value))
            continue;
        out += u' ' + QString::fromLatin1(name) + QLatin1String("=\"");
        AppendEscaped(out, value);
        out += u'"';
    }
}

QByteArray ElementName(const xmlNode *node)
{
    return QByteArray(reinterpret_cast<const char *>(node->name)).toLower();
}

// What becomes of a node of the text.
enum class CFate
{
    kText,    // written, escaped
    kDropped, // left out with all it holds
    kContent, // its tags left out, its content written
    kEmpty,   // written without an end tag, then what libxml2 put inside it
    kElement  // written with its content and end tag
};

CFate FateOf(const xmlNode *node)
{
    if (node->type == XML_TEXT_NODE)
        return CFate::kText;
    if (node->type != XML_ELEMENT_NODE)
        return CFate::kDropped; // comments, processing instructions, CDATA of dropped scripts
    const QByteArray name = ElementName(node);
    if (DroppedElements().contains(name))
        return CFate::kDropped;
    if (!KeptElements().contains(name) || DroppedEmptyElements().contains(name))
        return CFate::kContent; // what follows an empty element may be inside it
    return IsVoidElement(name) ? CFate::kEmpty : CFate::kElement;
}

void AppendEndTag(QString &out, const xmlNode *node)
{
    if (FateOf(node) == CFate::kElement)
        out += QLatin1String("</") + QString::fromLatin1(ElementName(node)) + u'>';
}

// Writes the kept content below `top`. The walk follows the tree's own links
// instead of recursing: a text may nest as deep as it likes.
void AppendChildren(QString &out, const xmlNode *top)
{
    const xmlNode *node = top->children;
    while (node) {
        const CFate fate = FateOf(node);
        if (fate == CFate::kText)
            AppendEscaped(out, Text(node->content));
        if (fate == CFate::kEmpty || fate == CFate::kElement) {
            const QByteArray name = ElementName(node);
            out += u'<' + QString::fromLatin1(name);
            AppendAttributes(out, node, name);
            out += u'>';
        }
        const bool entered =
            fate == CFate::kContent || fate == CFate::kEmpty || fate == CFate::kElement;
        if (entered && node->children) {
            node = node->children;
            continue;
        }
        if (entered)
            AppendEndTag(out, node);
        // On to the next node, closing each element whose last child is done.
        while (!node->next) {
            node = node->parent;
            if (node == top)
                return;
            AppendEndTag(out, node);
        }
        node = node->next;
    }
}

bool IsSchemeText(const QString &scheme)
{
    if (scheme.isEmpty() || !(scheme.at(0).isLetter() && scheme.at(0).unicode() < 0x80))
        return false;
    for (QChar c : scheme) {
        const char16_t u = c.unicode();
        const bool ok =
            (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '+' || u == '-' || u == '.';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

bool IsHarmlessAddress(const QString &address, AddressUse use)
{
    // As a browser reads an address: tabs and line breaks anywhere are
    // dropped, control characters and spaces at either end too.
    QString text = address;
    text.removeIf([](QChar c) { return c == u'\t' || c == u'\n' || c == u'\r'; });
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    text = text.mid(begin, end - begin);

    // The page's own links. A saved page replaces a related or category
    // link whole and drops the cover scheme, so that what follows it must
    // pass on its own; a scheme further in could join with the text around
    // it into another address once rewritten.
    for (const char *scheme : {kCategoryScheme, kBookLinkScheme}) {
        if (text.startsWith(QLatin1String(scheme)))
            return !ContainsOwnScheme(text.mid(qsizetype(qstrlen(scheme))));
    }
    if (text.startsWith(QLatin1String(kCoverScheme)))
        text = text.mid(qsizetype(qstrlen(kCoverScheme)));
    if (ContainsOwnScheme(text))
        return false;

    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return true;
    for (QChar stop : {u'/', u'?', u'#'}) {
        const qsizetype at = text.indexOf(stop);
        if (at >= 0 && at < colon)
            return true; // a relative address with a colon further on
    }
    const QString scheme = text.left(colon).toLower();
    if (!IsSchemeText(scheme))
        return false;
    if (scheme.size() == 1)
        return true; // a drive letter of a path written on Windows
    static const QSet<QString> webSchemes{QStringLiteral("http"), QStringLiteral("https"),
                                          QStringLiteral("ftp"),  QStringLiteral("mailto"),
                                          QStringLiteral("file"), QStringLiteral("news"),
                                          QStringLiteral("tel")};
    if (webSchemes.contains(scheme))
        return true;
    return use == AddressUse::kPicture && scheme == u"data" &&
           text.mid(colon + 1).trimmed().toLower().startsWith(QLatin1String("image/"));
}

QString SanitizeBookHtml(const QString &html)
{
    if (html.trimmed().isEmpty())
        return html;
    InitXmlLibraries();
    // An explicit body keeps what would otherwise belong in a head (style,
    // meta) where the text put it, so that it is seen and dropped.
    const QByteArray bytes = QByteArrayLiteral("<html><body>") + html.toUtf8();
    // Without libxml2's limits on text length and nesting: a description may
    // be longer than ten million characters, and the walk below needs no stack.
    const CHtmlDocPtr doc(htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8",
                                         HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                             HTML_PARSE_NOWARNING | HTML_PARSE_NODEFDTD |
                                             XML_PARSE_HUGE));
    if (!doc)
        return QString();
    const xmlNode *root = xmlDocGetRootElement(doc.get());
    QString out;
    if (root)
        AppendChildren(out, root);
    return out;
}
