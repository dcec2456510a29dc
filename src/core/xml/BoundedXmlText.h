#pragma once

#include <QByteArray>
#include <QString>

struct _xmlNode;

// Gathers the text content of elements parsed without entity substitution,
// expanding the references to the document's own entities, and charges
// every expanded byte to one budget (kMaxEntityExpansionBytes) for the whole
// document. External entities are never expanded: a reference to one is an
// error, as is nesting deeper than the limits.
class CBoundedXmlText
{
public:
    // Appends the text of `node`'s descendants; false when the budget or a
    // nesting limit is exceeded or an external entity is referred to, with
    // Error() saying which.
    bool Append(const _xmlNode *node, QByteArray &out, int nesting = 0, int depth = 0);
    QString Text(const _xmlNode *node);

    QString Error() const { return m_error; }
    // Lets a reader go on with the next part of the document after an error;
    // the expansion budget already spent stays spent.
    void ClearError() { m_error.clear(); }

private:
    void AppendText(const unsigned char *text, QByteArray &out, int nesting);
    void AppendEntity(const _xmlNode *reference, QByteArray &out, int nesting, int depth);

    quint64 m_expanded = 0;
    QString m_error;
};
