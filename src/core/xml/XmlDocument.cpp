#include "xml/XmlDocument.h"

#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <libexslt/exslt.h>
#include <libxml/SAX2.h>
#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <unordered_map>

namespace {

// No network, no external DTD, no XInclude and (but for text in memory, below)
// no XML_PARSE_HUGE, so libxml2 keeps its limits on nesting depth and text size. Entities are
// substituted while parsing (NOENT) under our expansion budget: afterwards the tree holds no entity
// references, so reading text or transforming cannot expand any. Rejecting every entity declaration
// instead would refuse style sheets that declare &nbsp; and the like. CDATA is merged into text.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_NOCDATA;
// Text handed over in memory (loadXML) is in UTF-16 whatever it declares,
// and is the program's own book XML: a description longer than libxml2's
// 10 MB for one text must load too. kMaxXmlInputBytes still bounds the whole.
constexpr int kTextInMemoryOptions = XML_PARSE_IGNORE_ENC | XML_PARSE_HUGE;

// Entities nested deeper than this count as over the budget (reference loops
// end here too).
constexpr int kMaxEntityNesting = 32;
constexpr quint64 kOverBudget = kMaxEntityExpansionBytes + 1;

constexpr int kMaxErrorLines = 20;

const xmlChar *xmlText(const char *text)
{
    return reinterpret_cast<const xmlChar *>(text);
}

QString fromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

// Collects what libxml2 and libxslt report on this thread while it lives,
// instead of letting them print to the console.
class CErrorCollector;
thread_local CErrorCollector *t_errors = nullptr;

class CErrorCollector
{
public:
    CErrorCollector()
        : m_oldHandler(xmlStructuredError), m_oldContext(xmlStructuredErrorContext),
          m_outer(t_errors)
    {
        xmlSetStructuredErrorFunc(this, &CErrorCollector::onXmlError);
        t_errors = this;
    }
    ~CErrorCollector()
    {
        xmlSetStructuredErrorFunc(m_oldContext, m_oldHandler);
        t_errors = m_outer;
    }
    CErrorCollector(const CErrorCollector &) = delete;
    CErrorCollector &operator=(const CErrorCollector &) = delete;

    void addLine(const QString &line)
    {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && m_lines.size() < kMaxErrorLines)
            m_lines.append(trimmed);
    }

    // libxslt writes one message in pieces; lines end at line feeds.
    void addText(const QString &text)
    {
        m_pending += text;
        qsizetype end;
        while ((end = m_pending.indexOf(QLatin1Char('\n'))) >= 0) {
            addLine(m_pending.left(end));
            m_pending.remove(0, end + 1);
        }
    }

    QString first() const { return lines().value(0); }
    QString all() const { return lines().join(QLatin1Char('\n')); }

    static void onXmlError(void *context, xmlErrorPtr error)
    {
        if (!context || !error || error->level < XML_ERR_ERROR)
            return;
        QString message = QString::fromUtf8(error->message).trimmed();
        if (error->line > 0)
            message = QStringLiteral("line %1: %2").arg(error->line).arg(message);
        static_cast<CErrorCollector *>(context)->addLine(message);
    }

private:
    QStringList lines() const
    {
        QStringList lines = m_lines;
        if (!m_pending.trimmed().isEmpty() && lines.size() < kMaxErrorLines)
            lines.append(m_pending.trimmed());
        return lines;
    }

    xmlStructuredErrorFunc m_oldHandler;
    void *m_oldContext;
    CErrorCollector *m_outer;
    QStringList m_lines;
    QString m_pending;
};

void onXsltError(void *, const char *format, ...)
{
    if (!t_errors || !format)
        return;
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    t_errors->addText(QString::fromUtf8(buffer));
}

// What one parse on this thread has seen.
struct CParseState
{
    quint64 expandedBytes = 0;
    bool overBudget = false;
    bool tooDeep = false;
    QString refusedLoad; // the first external resource the parser asked for
    std::unordered_map<const xmlEntity *, quint64> entitySizes;
};

thread_local CParseState *t_parse = nullptr;

class CParseScope
{
public:
    explicit CParseScope(CParseState *state) : m_outer(t_parse) { t_parse = state; }
    ~CParseScope() { t_parse = m_outer; }
    CParseScope(const CParseScope &) = delete;
    CParseScope &operator=(const CParseScope &) = delete;

private:
    CParseState *m_outer;
};

// The text `entity` expands to, nested references included, saturating just
// above the budget.
quint64 expandedSize(CParseState &state, const xmlEntity *entity, int depth)
{
    if (entity->etype == XML_INTERNAL_PREDEFINED_ENTITY)
        return 1;
    if (!entity->content)
        return 0;
    if (depth > kMaxEntityNesting)
        return kOverBudget;
    const auto known = state.entitySizes.find(entity);
    if (known != state.entitySizes.end())
        return known->second;

    quint64 size = 0;
    const xmlChar *at = entity->content;
    while (*at && size < kOverBudget) {
        const xmlChar *end = (at[0] == '&' && at[1] != '#') ? xmlStrchr(at, ';') : nullptr;
        if (!end) {
            ++size;
            ++at;
            continue;
        }
        xmlChar *name = xmlStrndup(at + 1, int(end - at - 1));
        const xmlEntity *inner = name ? xmlGetDocEntity(entity->doc, name) : nullptr;
        xmlFree(name);
        size += inner ? expandedSize(state, inner, depth + 1) : quint64(end - at + 1);
        at = end + 1;
    }
    size = std::min(size, kOverBudget);
    state.entitySizes[entity] = size;
    return size;
}

// The parser asks here for every entity it is about to expand. libxml2 2.9's
// own amplification checks miss entities expanded in attribute values (a
// 100 kB entity referenced in thousands of attributes parses into gigabytes),
// so every reference is charged with its full expansion.
xmlEntityPtr budgetedGetEntity(void *context, const xmlChar *name)
{
    CParseState *state = t_parse;
    if (state && state->overBudget)
        return nullptr;
    xmlEntityPtr entity = xmlSAX2GetEntity(context, name);
    if (!state || !entity || entity->etype == XML_INTERNAL_PREDEFINED_ENTITY)
        return entity;
    state->expandedBytes += expandedSize(*state, entity, 0);
    if (state->expandedBytes > kMaxEntityExpansionBytes) {
        state->overBudget = true;
        xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
        return nullptr;
    }
    return entity;
}

void depthCheckedStartElement(void *context, const xmlChar *localName, const xmlChar *prefix,
                              const xmlChar *uri, int namespaceCount, const xmlChar **namespaces,
                              int attributeCount, int defaultedCount, const xmlChar **attributes)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(context);
    if (ctxt->nameNr > kMaxElementDepth) {
        if (t_parse)
            t_parse->tooDeep = true;
        xmlStopParser(ctxt);
        return;
    }
    xmlSAX2StartElementNs(context, localName, prefix, uri, namespaceCount, namespaces,
                          attributeCount, defaultedCount, attributes);
}

// Installed for the whole process: nothing is ever loaded on a parser's
// behalf, neither local files nor network resources. Style sheet includes do
// not come here; loadForStyleSheet reads them itself.
xmlParserInputPtr refuseExternalEntity(const char *url, const char *id, xmlParserCtxtPtr)
{
    if (t_parse && t_parse->refusedLoad.isEmpty())
        t_parse->refusedLoad = QString::fromUtf8(url ? url : (id ? id : "?"));
    return nullptr;
}

// The first external DTD or external entity the DTD names, or empty.
QString externalReference(const xmlDoc *doc)
{
    const xmlDtd *dtd = doc->intSubset;
    if (!dtd)
        return QString();
    if (dtd->SystemID || dtd->ExternalID)
        return fromXml(dtd->SystemID ? dtd->SystemID : dtd->ExternalID);
    QString found;
    const xmlHashScanner scan = [](void *payload, void *data, const xmlChar *) {
        const auto *entity = static_cast<const xmlEntity *>(payload);
        auto *found = static_cast<QString *>(data);
        if (found->isEmpty() && entity && entity->etype != XML_INTERNAL_GENERAL_ENTITY &&
            entity->etype != XML_INTERNAL_PARAMETER_ENTITY &&
            entity->etype != XML_INTERNAL_PREDEFINED_ENTITY)
            *found = fromXml(entity->SystemID ? entity->SystemID : entity->name);
    };
    if (dtd->entities)
        xmlHashScan(static_cast<xmlHashTablePtr>(dtd->entities), scan, &found);
    if (dtd->pentities)
        xmlHashScan(static_cast<xmlHashTablePtr>(dtd->pentities), scan, &found);
    return found;
}

struct CCtxtFree
{
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};
struct CDocDeleter
{
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, CDocDeleter>;

void initLibraries();

QString tooLargeError()
{
    return QCoreApplication::translate("Messages", "The document is larger than %1 MiB.")
        .arg(kMaxXmlInputBytes >> 20);
}

// Parses under the rules above. `dict` is libxslt's dictionary for included
// style sheets, otherwise null.
xmlDocPtr parseXml(const QByteArray &bytes, const QByteArray &baseUrl, bool forceUtf8,
                   xmlDictPtr dict, QString *error)
{
    initLibraries();
    if (bytes.size() > kMaxXmlInputBytes) {
        *error = tooLargeError();
        return nullptr;
    }
    CErrorCollector errors;
    CParseState state;
    CParseScope scope(&state);
    std::unique_ptr<xmlParserCtxt, CCtxtFree> ctxt(xmlNewParserCtxt());
    if (!ctxt || !ctxt->sax) {
        *error = QCoreApplication::translate("Messages", "Out of memory.");
        return nullptr;
    }
    if (dict) {
        xmlDictFree(ctxt->dict);
        ctxt->dict = dict;
        xmlDictReference(dict);
    }
    ctxt->sax->getEntity = &budgetedGetEntity;
    ctxt->sax->startElementNs = &depthCheckedStartElement;

    DocPtr doc(xmlCtxtReadMemory(ctxt.get(), bytes.constData(), int(bytes.size()),
                                 baseUrl.isEmpty() ? nullptr : baseUrl.constData(),
                                 forceUtf8 ? "UTF-8" : nullptr,
                                 kParseOptions | (forceUtf8 ? kTextInMemoryOptions : 0)));
    if (state.tooDeep) {
        *error =
            QCoreApplication::translate("Messages", "Elements are nested beyond a depth of %1.")
                .arg(kMaxElementDepth);
    } else if (state.overBudget) {
        *error = QCoreApplication::translate(
                     "Messages", "Entity references expand to more than %1 MiB of text.")
                     .arg(kMaxEntityExpansionBytes >> 20);
    } else if (!state.refusedLoad.isEmpty()) {
        *error = QCoreApplication::translate("Messages",
                                             "The document refers to %1, which is not loaded.")
                     .arg(state.refusedLoad);
    } else if (!doc || !ctxt->wellFormed || !ctxt->nsWellFormed) {
        *error = errors.first();
        if (error->isEmpty())
            *error = QCoreApplication::translate("Messages", "The document is not well-formed.");
    } else if (const QString external = externalReference(doc.get()); !external.isEmpty()) {
        *error = QCoreApplication::translate(
                     "Messages", "The document's DTD refers to %1, which is not loaded.")
                     .arg(external);
    } else {
        error->clear();
        return doc.release();
    }
    return nullptr;
}

// Reads a regular local file of at most kMaxXmlInputBytes; a larger one is
// refused before anything is read.
bool readLocalFile(const QString &path, QByteArray *bytes, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        *error = QCoreApplication::translate("Messages", "%1 is not a file.").arg(path);
        return false;
    }
    if (info.size() > kMaxXmlInputBytes) {
        *error = tooLargeError();
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Messages", "Cannot read %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    // The file may have grown since it was measured.
    *bytes = file.read(kMaxXmlInputBytes + 1);
    if (bytes->size() > kMaxXmlInputBytes) {
        bytes->clear();
        *error = tooLargeError();
        return false;
    }
    return true;
}

QByteArray fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

// The local file a document URI names, or empty for anything else.
QString localPathOf(const QString &uri)
{
    if (uri.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url = QUrl::fromEncoded(uri.toUtf8());
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }
    return QDir::isAbsolutePath(uri) && !uri.contains(QLatin1String("://")) ? uri : QString();
}

// The canonical folder of the style sheet being compiled on this thread;
// includes and imports are read from it and below it only.
thread_local const QString *t_styleFolder = nullptr;

class CStyleFolderScope
{
public:
    explicit CStyleFolderScope(const QString *folder) : m_outer(t_styleFolder)
    {
        t_styleFolder = folder;
    }
    ~CStyleFolderScope() { t_styleFolder = m_outer; }
    CStyleFolderScope(const CStyleFolderScope &) = delete;
    CStyleFolderScope &operator=(const CStyleFolderScope &) = delete;

private:
    const QString *m_outer;
};

xmlDocPtr loadForStyleSheet(const xmlChar *uri, xmlDictPtr dict, int, void *, xsltLoadType type)
{
    // document() never reads anything; for document('') libxslt falls back
    // to the style sheet in memory.
    if (type != XSLT_LOAD_STYLESHEET || !uri)
        return nullptr;
    const QString target = fromXml(uri);
    const QString path = localPathOf(target);
    const QString canonical = path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
    if (!t_styleFolder || t_styleFolder->isEmpty() || canonical.isEmpty() ||
        !canonical.startsWith(*t_styleFolder + QLatin1Char('/'))) {
        if (t_errors)
            t_errors->addLine(
                QCoreApplication::translate(
                    "Messages", "%1 is not read: style sheets include only files beside them.")
                    .arg(target));
        return nullptr;
    }
    QByteArray bytes;
    QString error;
    xmlDocPtr doc = nullptr;
    if (readLocalFile(canonical, &bytes, &error))
        doc = parseXml(bytes, fileUrl(path), false, dict, &error);
    if (!doc && t_errors)
        t_errors->addLine(QStringLiteral("%1: %2").arg(target, error));
    return doc;
}

xsltSecurityPrefsPtr g_securityPrefs = nullptr;

// Reading a file is allowed while a style sheet is compiled (its includes,
// which loadForStyleSheet restricts) and at run time only for the style sheet
// itself (document('')). libxslt hands over the path part of the URI.
int checkRead(xsltSecurityPrefsPtr, xsltTransformContextPtr ctxt, const char *path)
{
    if (!ctxt)
        return 1;
    const xmlDoc *own = ctxt->style ? ctxt->style->doc : nullptr;
    const QString ownPath = own ? localPathOf(fromXml(own->URL)) : QString();
    return !ownPath.isEmpty() && path && ownPath == QString::fromUtf8(path) ? 1 : 0;
}

void initLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(&refuseExternalEntity);
        exsltRegisterAll();
        xsltSetLoaderFunc(&loadForStyleSheet);
        xsltSetGenericErrorFunc(nullptr, &onXsltError);
        g_securityPrefs = xsltNewSecurityPrefs();
        xsltSetSecurityPrefs(g_securityPrefs, XSLT_SECPREF_READ_FILE, &checkRead);
        xsltSetSecurityPrefs(g_securityPrefs, XSLT_SECPREF_READ_NETWORK, xsltSecurityForbid);
        xsltSetSecurityPrefs(g_securityPrefs, XSLT_SECPREF_WRITE_FILE, xsltSecurityForbid);
        xsltSetSecurityPrefs(g_securityPrefs, XSLT_SECPREF_CREATE_DIRECTORY, xsltSecurityForbid);
        xsltSetSecurityPrefs(g_securityPrefs, XSLT_SECPREF_WRITE_NETWORK, xsltSecurityForbid);
        xsltSetDefaultSecurityPrefs(g_securityPrefs);
    });
}

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c.unicode() > 0x7f;
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-');
}

// Rewrites every unprefixed element name test NAME of an XPath expression into
// *[local-name()='NAME'], so that paths find elements with and without a
// default namespace alike. Tokens follow the XPath 1.0 lexical rules: a name
// right after an operand is an operator (and, or, div, mod), a name before
// "(" a function or node type, before "::" an axis; names after "@" or on the
// attribute and namespace axes stay as they are.
QString localNamePath(const QString &path)
{
    QString out;
    out.reserve(path.size() * 3);
    const qsizetype n = path.size();
    bool operand = true;        // an operand may start here (not an operator)
    bool attributeStep = false; // the name test belongs to "@" or attribute::
    const auto skipSpace = [&](qsizetype at) {
        while (at < n && path[at].isSpace())
            ++at;
        return at;
    };
    const auto startsWith = [&](qsizetype at, const char *token) {
        return QStringView(path).mid(at).startsWith(QLatin1String(token));
    };

    qsizetype i = 0;
    while (i < n) {
        const QChar c = path[i];
        if (c.isSpace()) {
            out += c;
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype end = path.indexOf(c, i + 1);
            if (end < 0)
                end = n - 1;
            out += QStringView(path).mid(i, end - i + 1);
            i = end + 1;
            operand = false;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && path[i + 1].isDigit())) {
            const qsizetype start = i;
            while (i < n && (path[i].isDigit() || path[i] == QLatin1Char('.')))
                ++i;
            out += QStringView(path).mid(start, i - start);
            operand = false;
        } else if (c == QLatin1Char('$')) {
            const qsizetype start = i++;
            while (i < n && (isNameChar(path[i]) || path[i] == QLatin1Char(':')))
                ++i;
            out += QStringView(path).mid(start, i - start);
            operand = false;
        } else if (isNameStart(c)) {
            const qsizetype start = i;
            while (i < n && isNameChar(path[i]))
                ++i;
            bool prefixed = false;
            if (i + 1 < n && path[i] == QLatin1Char(':') && path[i + 1] != QLatin1Char(':')) {
                prefixed = true;
                ++i;
                if (i < n && path[i] == QLatin1Char('*'))
                    ++i;
                else
                    while (i < n && isNameChar(path[i]))
                        ++i;
            }
            const QStringView name = QStringView(path).mid(start, i - start);
            const qsizetype next = skipSpace(i);
            if (!operand) {
                out += name; // an operator name
                operand = true;
            } else if (next < n && path[next] == QLatin1Char('(')) {
                out += name; // function or node type
            } else if (startsWith(next, "::")) {
                out += name;
                attributeStep =
                    name == QLatin1String("attribute") || name == QLatin1String("namespace");
            } else {
                if (attributeStep || prefixed)
                    out += name;
                else
                    out += QStringLiteral("*[local-name()='%1']").arg(name);
                attributeStep = false;
                operand = false;
            }
        } else if (c == QLatin1Char('*')) {
            out += c;
            ++i;
            if (operand) {
                attributeStep = false;
                operand = false;
            } else {
                operand = true; // multiplication
            }
        } else if (startsWith(i, "..")) {
            out += QLatin1String("..");
            i += 2;
            operand = false;
        } else if (c == QLatin1Char('.')) {
            out += c;
            ++i;
            operand = false;
        } else if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
            out += c;
            ++i;
            operand = false;
            attributeStep = false;
        } else {
            // "/", "//", "::", "@", "(", "[", ",", "|" and the comparison and
            // arithmetic operators: an operand follows.
            const qsizetype length =
                (startsWith(i, "//") || startsWith(i, "::") || startsWith(i, "!=") ||
                 startsWith(i, "<=") || startsWith(i, ">="))
                    ? 2
                    : 1;
            out += QStringView(path).mid(i, length);
            if (c == QLatin1Char('@'))
                attributeStep = true;
            i += length;
            operand = true;
        }
    }
    return out;
}

QList<xmlNodePtr> evaluate(xmlNodePtr context, const QString &path)
{
    QList<xmlNodePtr> nodes;
    if (!context || !context->doc || path.trimmed().isEmpty())
        return nodes;
    initLibraries();
    CErrorCollector errors; // a bad path only selects nothing
    struct CContextFree
    {
        void operator()(xmlXPathContextPtr xpath) const { xmlXPathFreeContext(xpath); }
    };
    struct CObjectFree
    {
        void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
    };
    std::unique_ptr<xmlXPathContext, CContextFree> xpath(xmlXPathNewContext(context->doc));
    if (!xpath)
        return nodes;
    xpath->node = context;
    const QByteArray expression = localNamePath(path).toUtf8();
    std::unique_ptr<xmlXPathObject, CObjectFree> result(
        xmlXPathEvalExpression(xmlText(expression.constData()), xpath.get()));
    if (!result || result->type != XPATH_NODESET || !result->nodesetval)
        return nodes;
    const xmlNodeSet *set = result->nodesetval;
    nodes.reserve(set->nodeNr);
    for (int i = 0; i < set->nodeNr; ++i) {
        // Namespace nodes of a result are copies that die with it.
        if (set->nodeTab[i] && set->nodeTab[i]->type != XML_NAMESPACE_DECL)
            nodes.append(set->nodeTab[i]);
    }
    return nodes;
}

// libxml2 heads HTML output with its own Content-Type META naming the output
// encoding; the result here is UTF-16 text, and the page code relies on this
// exact element.
QString withUtf16Meta(QString html)
{
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta(?=[\s/>])[^>]*?\bhttp-equiv\s*=\s*(["']?)content-type\1[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression head(QStringLiteral(R"(<head(?=[\s/>])[^>]*>)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString ours = QString::fromLatin1(kHtmlUtf16Meta);
    if (html.contains(meta))
        return html.replace(meta, ours);
    const QRegularExpressionMatch start = head.match(html);
    if (start.hasMatch())
        html.insert(start.capturedEnd(), ours);
    return html;
}

// The canonical folder of a style sheet loaded from a file, else empty.
QString folderOf(const xmlChar *url)
{
    const QString path = localPathOf(fromXml(url));
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteDir().canonicalPath();
}

} // namespace

QString CXmlNode::name() const
{
    if (!m_node)
        return QString();
    switch (m_node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_PI_NODE:
        return fromXml(m_node->name);
    case XML_TEXT_NODE:
        return QStringLiteral("#text");
    case XML_CDATA_SECTION_NODE:
        return QStringLiteral("#cdata-section");
    case XML_COMMENT_NODE:
        return QStringLiteral("#comment");
    case XML_DOCUMENT_NODE:
        return QStringLiteral("#document");
    default:
        return QString();
    }
}

QString CXmlNode::text() const
{
    if (!m_node)
        return QString();
    xmlChar *content = xmlNodeGetContent(m_node);
    const QString text = fromXml(content);
    xmlFree(content);
    return text;
}

bool CXmlNode::hasName(const char *name) const
{
    return m_node && m_node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char *>(m_node->name), name) == 0;
}

QList<CXmlNode> CXmlNode::childElements() const
{
    QList<CXmlNode> children;
    if (!m_node)
        return children;
    for (xmlNode *child = m_node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            children.append(CXmlNode(child));
    }
    return children;
}

QString CXmlNode::attribute(const QString &name) const
{
    if (!m_node || m_node->type != XML_ELEMENT_NODE)
        return QString();
    const QByteArray utf8 = name.toUtf8();
    for (xmlAttrPtr attr = m_node->properties; attr; attr = attr->next) {
        if (xmlStrEqual(attr->name, xmlText(utf8.constData()))) {
            xmlChar *value = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attr));
            const QString text = fromXml(value);
            xmlFree(value);
            return text;
        }
    }
    return QString();
}

CXmlNodeList CXmlNode::selectNodes(const QString &path) const
{
    CXmlNodeList list;
    const QList<xmlNodePtr> nodes = evaluate(m_node, path);
    list.m_nodes.reserve(nodes.size());
    for (xmlNodePtr node : nodes)
        list.m_nodes.append(CXmlNode(node));
    return list;
}

CXmlNode CXmlNode::selectSingleNode(const QString &path) const
{
    // Selections come in document order; the first is the one wanted.
    return CXmlNode(evaluate(m_node, path).value(0));
}

void CXmlDocument::CDocFree::operator()(_xmlDoc *doc) const
{
    xmlFreeDoc(doc);
}

void InitXmlLibraries()
{
    initLibraries();
}

QString ExternalDtdReference(const _xmlDoc *doc)
{
    return doc ? externalReference(doc) : QString();
}

CXmlDocument::CXmlDocument()
{
    initLibraries();
}

CXmlDocument::~CXmlDocument() = default;
CXmlDocument::CXmlDocument(CXmlDocument &&other) noexcept = default;
CXmlDocument &CXmlDocument::operator=(CXmlDocument &&other) noexcept = default;

bool CXmlDocument::fail(const QString &error)
{
    m_doc.reset();
    m_error = error;
    return false;
}

bool CXmlDocument::setParsed(const QByteArray &bytes, const QByteArray &baseUrl, bool forceUtf8)
{
    m_doc.reset();
    QString error;
    m_doc.reset(parseXml(bytes, baseUrl, forceUtf8, nullptr, &error));
    m_error = error;
    return m_doc != nullptr;
}

bool CXmlDocument::loadXML(const QString &text)
{
    // Every UTF-16 unit is at least one byte of UTF-8.
    if (text.size() > kMaxXmlInputBytes)
        return fail(tooLargeError());
    const QByteArray utf8 = text.toUtf8();
    return setParsed(utf8, QByteArray(), true);
}

bool CXmlDocument::loadBytes(const QByteArray &bytes)
{
    return setParsed(bytes, QByteArray(), false);
}

bool CXmlDocument::load(const QString &pathOrUrl)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    QString path = pathOrUrl;
    const QRegularExpressionMatch match = scheme.match(pathOrUrl);
    if (match.hasMatch()) {
        if (match.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
            return fail(QCoreApplication::translate(
                            "Messages", "%1 is not a local file; web addresses are fetched by "
                                        "the HTTP client.")
                            .arg(pathOrUrl));
        const QUrl url(pathOrUrl);
        if (!url.isLocalFile())
            return fail(
                QCoreApplication::translate("Messages", "%1 is not a local file.").arg(pathOrUrl));
        path = url.toLocalFile();
    }
    if (path.isEmpty())
        return fail(QCoreApplication::translate("Messages", "No file was named."));
    QByteArray bytes;
    QString error;
    if (!readLocalFile(path, &bytes, &error))
        return fail(error);
    return setParsed(bytes, fileUrl(path), false);
}

CXmlNode CXmlDocument::documentElement() const
{
    return CXmlNode(m_doc ? xmlDocGetRootElement(m_doc.get()) : nullptr);
}

CXmlNodeList CXmlDocument::selectNodes(const QString &path) const
{
    return CXmlNode(reinterpret_cast<xmlNodePtr>(m_doc.get())).selectNodes(path);
}

CXmlNode CXmlDocument::selectSingleNode(const QString &path) const
{
    return CXmlNode(reinterpret_cast<xmlNodePtr>(m_doc.get())).selectSingleNode(path);
}

bool CXmlDocument::transformNode(const CXmlDocument &styleSheet, QString *result,
                                 QString *error) const
{
    if (result)
        result->clear();
    CErrorCollector errors;
    const auto failWith = [&](const QString &fallback) {
        if (error) {
            *error = errors.all();
            if (error->isEmpty())
                *error = fallback;
        }
        return false;
    };
    if (!m_doc)
        return failWith(QCoreApplication::translate("Messages", "No document is loaded."));
    if (!styleSheet.m_doc)
        return failWith(QCoreApplication::translate("Messages", "No style sheet is loaded."));

    struct CStyleFree
    {
        void operator()(xsltStylesheetPtr style) const { xsltFreeStylesheet(style); }
    };
    struct CTransformFree
    {
        void operator()(xsltTransformContextPtr ctxt) const { xsltFreeTransformContext(ctxt); }
    };

    const QString folder = folderOf(styleSheet.m_doc->URL);
    CStyleFolderScope folderScope(&folder);
    // The compiled style sheet owns the tree it is compiled from, so it gets
    // a copy, as does the transformation, which writes into its source
    // (space stripping, document order numbers).
    DocPtr styleTree(xmlCopyDoc(styleSheet.m_doc.get(), 1));
    if (!styleTree)
        return failWith(QCoreApplication::translate("Messages", "Out of memory."));
    std::unique_ptr<xsltStylesheet, CStyleFree> style(xsltParseStylesheetDoc(styleTree.get()));
    if (!style)
        return failWith(QCoreApplication::translate(
            "Messages", "The style sheet is not a valid XSLT style sheet."));
    styleTree.release();
    if (style->errors != 0)
        return failWith(QCoreApplication::translate(
            "Messages", "The style sheet is not a valid XSLT style sheet."));
    // The result is handed over as text, so it is serialised as UTF-8
    // whatever encoding the style sheet asks for.
    xmlFree(style->encoding);
    style->encoding = xmlStrdup(xmlText("UTF-8"));

    DocPtr source(xmlCopyDoc(m_doc.get(), 1));
    if (!source)
        return failWith(QCoreApplication::translate("Messages", "Out of memory."));
    std::unique_ptr<xsltTransformContext, CTransformFree> ctxt(
        xsltNewTransformContext(style.get(), source.get()));
    if (!ctxt)
        return failWith(QCoreApplication::translate("Messages", "Out of memory."));
    xsltSetCtxtSecurityPrefs(g_securityPrefs, ctxt.get());
    DocPtr output(
        xsltApplyStylesheetUser(style.get(), source.get(), nullptr, nullptr, nullptr, ctxt.get()));
    if (!output || ctxt->state != XSLT_STATE_OK)
        return failWith(QCoreApplication::translate("Messages", "The transformation failed."));

    xmlChar *bytes = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&bytes, &length, output.get(), style.get()) != 0)
        return failWith(QCoreApplication::translate(
            "Messages", "The transformation result cannot be written."));
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(bytes), length);
    xmlFree(bytes);
    if (output->type == XML_HTML_DOCUMENT_NODE)
        text = withUtf16Meta(text);
    if (result)
        *result = text;
    if (error)
        error->clear();
    return true;
}
