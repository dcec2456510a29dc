#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

// Inputs above this size are refused before they are parsed (files before
// they are read).
inline constexpr qint64 kMaxXmlInputBytes = 128 * 1024 * 1024;

// Entity references of one document may expand to at most this much text in
// total, counted over every reference, so a small hostile file cannot grow
// into gigabytes of text.
inline constexpr quint64 kMaxEntityExpansionBytes = 10 * 1024 * 1024;

// Elements nested deeper than this are refused. libxml2 stops at 256 levels
// only while XML_PARSE_HUGE is off; with it a document could nest as deep as
// its size allows, and whatever walks the tree recursively (a style sheet,
// the book reader) would run out of stack.
inline constexpr int kMaxElementDepth = 256;

class CXmlNodeList;

// Sets libxml2 and libxslt up for this program once per process: no external
// entity or DTD is ever loaded on a parser's behalf. Every reader of XML
// calls it before its first parse (CXmlDocument does so itself).
void InitXmlLibraries();

// The first external DTD or external entity that the document type of `doc`
// names, or empty when it names none.
QString ExternalDtdReference(const _xmlDoc *doc);

// A node of a loaded document; valid while the document holds the tree it
// came from (until the document is destroyed or loads again). Null handles
// answer every query with nothing.
class CXmlNode
{
public:
    CXmlNode() = default;

    bool isNull() const { return m_node == nullptr; }

    // The local name of an element or attribute ("#text" and the like for
    // other kinds).
    QString name() const;
    // The text content, every descendant text joined; empty for a null node.
    QString text() const;
    // The value of the attribute with this (local) name; empty when absent.
    QString attribute(const QString &name) const;
    // The element children in document order: a cheap walk where a caller
    // needs many of them, without compiling a path for each.
    QList<CXmlNode> childElements() const;
    // True when this is an element whose local name is `name` (ASCII),
    // compared exactly without building a text.
    bool hasName(const char *name) const;

    // Relative location paths; element names match whatever namespace the
    // element is in.
    CXmlNodeList selectNodes(const QString &path) const;
    CXmlNode selectSingleNode(const QString &path) const;

    bool operator==(const CXmlNode &other) const { return m_node == other.m_node; }
    bool operator!=(const CXmlNode &other) const { return m_node != other.m_node; }

private:
    friend class CXmlDocument;
    friend class CXmlNodeList;
    explicit CXmlNode(_xmlNode *node) : m_node(node) {}

    _xmlNode *m_node = nullptr;
};

// The result of a selection, in document order.
class CXmlNodeList
{
public:
    int count() const { return int(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.isEmpty(); }
    // Null when `index` is out of range.
    CXmlNode item(int index) const { return m_nodes.value(index); }

    QList<CXmlNode>::const_iterator begin() const { return m_nodes.cbegin(); }
    QList<CXmlNode>::const_iterator end() const { return m_nodes.cend(); }

private:
    friend class CXmlNode;
    QList<CXmlNode> m_nodes;
};

// An XML document with XPath selection and XSLT 1.0 transformation.
//
// Every parse runs without network access and loads no external DTD or
// entity; a document whose DTD names one fails to load, as does one whose
// entities expand beyond kMaxEntityExpansionBytes. Loading is synchronous and
// may run on any thread; one document is used by one thread at a time.
class CXmlDocument
{
public:
    CXmlDocument();
    ~CXmlDocument();
    CXmlDocument(CXmlDocument &&other) noexcept;
    CXmlDocument &operator=(CXmlDocument &&other) noexcept;
    CXmlDocument(const CXmlDocument &) = delete;
    CXmlDocument &operator=(const CXmlDocument &) = delete;

    // Parses text held in memory; the encoding named in its declaration is
    // ignored.
    bool loadXML(const QString &text);
    // Reads and parses a local file, given as a path or a file:// URL. Web
    // addresses are not fetched here (the HTTP client hands its answer to
    // loadBytes); load fails for them.
    bool load(const QString &pathOrUrl);
    // Parses bytes in the encoding they declare (UTF-8 when they declare none).
    bool loadBytes(const QByteArray &bytes);

    // Every load replaces the tree; a failed load leaves the document empty.
    bool isLoaded() const { return m_doc != nullptr; }
    // Why the last load failed, with the line where the parser stopped.
    QString parseError() const { return m_error; }

    CXmlNode documentElement() const;
    CXmlNodeList selectNodes(const QString &path) const;
    CXmlNode selectSingleNode(const QString &path) const;

    // Applies `styleSheet` to the whole document. HTML output carries the
    // META element naming UTF-16 in its head; other output is returned as
    // produced. The style sheet may include or import files beside it (in its
    // folder or below) but cannot read other documents, write files or use
    // the network. On failure `error`, when given, tells why.
    bool transformNode(const CXmlDocument &styleSheet, QString *result,
                       QString *error = nullptr) const;

private:
    struct CDocFree
    {
        void operator()(_xmlDoc *doc) const;
    };

    bool setParsed(const QByteArray &bytes, const QByteArray &baseUrl, bool forceUtf8);
    bool fail(const QString &error);

    std::unique_ptr<_xmlDoc, CDocFree> m_doc;
    QString m_error;
};

// The charset element that heads every HTML transformation result.
inline constexpr char kHtmlUtf16Meta[] =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">";
