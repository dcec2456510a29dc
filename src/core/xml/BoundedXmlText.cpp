#include "xml/BoundedXmlText.h"

#include "xml/XmlDocument.h"

#include <QCoreApplication>

#include <libxml/entities.h>
#include <libxml/tree.h>

#include <cstring>

namespace {

// Entities nested deeper than this are refused (reference loops end here too).
constexpr int kMaxEntityNesting = 32;

QString FromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

} // namespace

bool CBoundedXmlText::Append(const xmlNode *node, QByteArray &out, int nesting, int depth)
{
    for (const xmlNode *child = node->children; child && m_error.isEmpty(); child = child->next) {
        switch (child->type) {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            AppendText(child->content, out, nesting);
            break;
        case XML_ELEMENT_NODE:
            // The parser sets no depth limit with XML_PARSE_HUGE; this
            // walk is the one that would run out of stack.
            if (depth >= kMaxElementDepth)
                m_error = QCoreApplication::translate(
                              "Messages", "its elements are nested deeper than %1 levels")
                              .arg(kMaxElementDepth);
            else
                Append(child, out, nesting, depth + 1);
            break;
        case XML_ENTITY_REF_NODE:
            AppendEntity(child, out, nesting, depth);
            break;
        default:
            break;
        }
    }
    return m_error.isEmpty();
}

QString CBoundedXmlText::Text(const xmlNode *node)
{
    QByteArray utf8;
    Append(node, utf8);
    return QString::fromUtf8(utf8);
}

void CBoundedXmlText::AppendText(const xmlChar *text, QByteArray &out, int nesting)
{
    if (!text)
        return;
    const size_t length = std::strlen(reinterpret_cast<const char *>(text));
    if (nesting > 0) {
        m_expanded += length;
        if (m_expanded > kMaxEntityExpansionBytes) {
            m_error = QCoreApplication::translate("Messages",
                                                  "its entities expand to more than %1 MiB of text")
                          .arg(kMaxEntityExpansionBytes >> 20);
            return;
        }
    }
    out.append(reinterpret_cast<const char *>(text), qsizetype(length));
}

void CBoundedXmlText::AppendEntity(const xmlNode *reference, QByteArray &out, int nesting,
                                   int depth)
{
    const xmlEntity *entity = xmlGetDocEntity(reference->doc, reference->name);
    if (!entity) // undeclared: the parser has reported it already
        return;
    if (entity->etype == XML_INTERNAL_PREDEFINED_ENTITY) {
        AppendText(entity->content, out, 0);
        return;
    }
    if (entity->etype != XML_INTERNAL_GENERAL_ENTITY) {
        m_error = QCoreApplication::translate(
                      "Messages", "it refers to the external entity %1, which is never loaded")
                      .arg(FromXml(entity->SystemID ? entity->SystemID : entity->name));
        return;
    }
    if (nesting >= kMaxEntityNesting) {
        m_error =
            QCoreApplication::translate("Messages", "its entities are nested deeper than %1 levels")
                .arg(kMaxEntityNesting);
        return;
    }
    // The parser keeps the parsed replacement of an entity as its children;
    // an entity it has not parsed counts as its raw text.
    if (entity->children)
        Append(reinterpret_cast<const xmlNode *>(entity), out, nesting + 1, depth);
    else
        AppendText(entity->content, out, nesting + 1);
}
