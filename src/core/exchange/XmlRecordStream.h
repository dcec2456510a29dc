#pragma once

#include "xml/BoundedXmlText.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;
struct _xmlNode;

// Walks the elements of another catalogue's XML file as it streams in, so
// that a reader can take one record (an entry, an item) at a time as a small
// tree and memory stays flat whatever the size of the file.
//
// Nothing is loaded from the network, no external DTD or entity is read
// (a DOCTYPE that names one is simply not followed), and the entities the
// file declares itself are expanded by Text() under one budget. One record
// may take at most kMaxRecordBytes of the file, the whole file at most the
// limit given to Open (a file unpacked from an archive).
class CXmlRecordStream
{
public:
    static constexpr qint64 kMaxRecordBytes = qint64(64) << 20;

    CXmlRecordStream();
    ~CXmlRecordStream();
    CXmlRecordStream(const CXmlRecordStream &) = delete;
    CXmlRecordStream &operator=(const CXmlRecordStream &) = delete;

    // Starts on `device`, open for reading and kept by the caller while the
    // stream is used. `documentName` names the file in messages; `encoding`
    // (an iconv name) overrides the one the file declares; `maxTotalBytes`
    // (0 for none) bounds what is read of the device.
    bool Open(QIODevice *device, const QString &documentName, qint64 maxTotalBytes = 0,
              const QByteArray &encoding = QByteArray());

    // Moves to the start of the next element in document order, first
    // passing over the subtree of the current one when SkipSubtree() was
    // called. False at the end of the document, and false with Failed()
    // when it is not well-formed or breaks a limit.
    bool NextElement();
    void SkipSubtree() { m_skip = true; }

    // The current element: its depth (0 for the root), local name and
    // attributes.
    int Depth() const;
    QByteArray Name() const;
    QString Attribute(const char *name) const;
    // Every attribute of the current element in document order, as pairs of
    // local name and value.
    QList<QPair<QString, QString>> Attributes() const;

    // The whole current element as a tree, valid until the next move; null
    // (and Failed()) when the file breaks off inside it.
    const _xmlNode *Expand();

    // Texts of the expanded tree, with the file's own entities expanded.
    CBoundedXmlText &Text() { return m_text; }

    bool Failed() const { return !m_error.isEmpty(); }
    // What was wrong, naming the file and the line.
    QString Error() const { return m_error; }
    // Whether the parser met bytes that are not in the file's character set.
    bool EncodingFailed() const { return m_encodingFailed; }

private:
    struct CSource;

    bool Fail();

    std::unique_ptr<CSource> m_source;
    CBoundedXmlText m_text;
    QString m_documentName;
    QString m_error;
    bool m_skip = false;
    bool m_encodingFailed = false;
};

// Whether the XML in `device` (read to its end) must be read as
// Windows-1252: it declares UTF-8 or no character set, has no UTF-16 byte
// order mark, and its bytes are not valid UTF-8.
bool XmlNeedsWindows1252(QIODevice &device);

// For the trees Expand() gives: whether `node` is an element (named `name`,
// when given), its local name, and the value of its attribute `name`
// (empty when it has none).
bool IsXmlElement(const _xmlNode *node, const char *name = nullptr);
QString XmlNodeName(const _xmlNode *node);
QString XmlAttribute(const _xmlNode *node, const char *name);
