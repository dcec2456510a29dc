#include "exchange/XmlRecordStream.h"

#include "xml/XmlDocument.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>

#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <cstring>

namespace {

// No network and no external DTD or entity; references to the file's own
// entities in texts stay in the tree for CBoundedXmlText to expand under its
// budget. XML_PARSE_HUGE stays off: it would also lift the parser's checks
// on entities in attribute values, which then expand without end. A text
// may so take at most 10 MB (a picture of about 7 MB in base64).
constexpr int kReaderOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA;

QString FromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

} // namespace

struct CXmlRecordStream::CSource
{
    QIODevice *device = nullptr;
    xmlTextReaderPtr reader = nullptr;
    qint64 maxTotalBytes = 0;
    qint64 bytesRead = 0;
    qint64 recordStart = 0; // bytes read when the current element began
    bool recordTooLarge = false;
    bool fileTooLarge = false;
    bool readFailed = false;
    QString parserError; // the first error the parser reported, with its line
    bool encodingError = false;

    ~CSource()
    {
        if (reader)
            xmlFreeTextReader(reader);
    }

    static int Read(void *context, char *buffer, int length)
    {
        auto *self = static_cast<CSource *>(context);
        if (self->bytesRead - self->recordStart > kMaxRecordBytes) {
            self->recordTooLarge = true;
            return -1;
        }
        const qint64 got = self->device->read(buffer, length);
        if (got < 0) {
            self->readFailed = true;
            return -1;
        }
        self->bytesRead += got;
        if (self->maxTotalBytes > 0 && self->bytesRead > self->maxTotalBytes) {
            self->fileTooLarge = true;
            return -1;
        }
        return int(got);
    }
    static int Close(void *) { return 0; }

    static void OnError(void *context, xmlErrorPtr error)
    {
        auto *self = static_cast<CSource *>(context);
        if (!error || error->level < XML_ERR_ERROR || !self->parserError.isEmpty())
            return;
        self->encodingError = error->code == XML_ERR_INVALID_CHAR ||
                              error->code == XML_ERR_INVALID_ENCODING ||
                              error->code == XML_I18N_CONV_FAILED;
        const QString message = QString::fromUtf8(error->message).trimmed();
        self->parserError =
            error->line > 0
                ? QCoreApplication::translate("Import", "line %1: %2").arg(error->line).arg(message)
                : message;
    }
};

CXmlRecordStream::CXmlRecordStream() = default;
CXmlRecordStream::~CXmlRecordStream() = default;

bool CXmlRecordStream::Open(QIODevice *device, const QString &documentName, qint64 maxTotalBytes,
                            const QByteArray &encoding)
{
    InitXmlLibraries();
    m_documentName = documentName;
    m_error.clear();
    m_skip = false;
    m_encodingFailed = false;
    m_source = std::make_unique<CSource>();
    m_source->device = device;
    m_source->maxTotalBytes = maxTotalBytes;
    m_source->reader = xmlReaderForIO(
        &CSource::Read, &CSource::Close, m_source.get(), documentName.toUtf8().constData(),
        encoding.isEmpty() ? nullptr : encoding.constData(), kReaderOptions);
    if (!m_source->reader) {
        m_error = QCoreApplication::translate("Import", "%1 cannot be read.").arg(documentName);
        return false;
    }
    xmlTextReaderSetStructuredErrorHandler(m_source->reader, &CSource::OnError, m_source.get());
    return true;
}

bool CXmlRecordStream::NextElement()
{
    if (Failed() || !m_source || !m_source->reader)
        return false;
    xmlTextReaderPtr reader = m_source->reader;
    for (;;) {
        const int step = m_skip ? xmlTextReaderNext(reader) : xmlTextReaderRead(reader);
        m_skip = false;
        if (step == 0 && m_source->parserError.isEmpty() && !m_source->readFailed)
            return false;
        if (step != 1)
            return Fail();
        if (xmlTextReaderNodeType(reader) != XML_READER_TYPE_ELEMENT)
            continue;
        m_source->recordStart = m_source->bytesRead;
        return true;
    }
}

int CXmlRecordStream::Depth() const
{
    return xmlTextReaderDepth(m_source->reader);
}

QByteArray CXmlRecordStream::Name() const
{
    return QByteArray(
        reinterpret_cast<const char *>(xmlTextReaderConstLocalName(m_source->reader)));
}

QString CXmlRecordStream::Attribute(const char *name) const
{
    xmlChar *value = xmlTextReaderGetAttribute(m_source->reader, BAD_CAST name);
    const QString text = FromXml(value);
    xmlFree(value);
    return text;
}

QList<QPair<QString, QString>> CXmlRecordStream::Attributes() const
{
    QList<QPair<QString, QString>> attributes;
    xmlTextReaderPtr reader = m_source->reader;
    if (xmlTextReaderMoveToFirstAttribute(reader) != 1)
        return attributes;
    do {
        if (xmlTextReaderIsNamespaceDecl(reader) == 1)
            continue;
        attributes.append({FromXml(xmlTextReaderConstLocalName(reader)),
                           FromXml(xmlTextReaderConstValue(reader))});
    } while (xmlTextReaderMoveToNextAttribute(reader) == 1);
    xmlTextReaderMoveToElement(reader);
    return attributes;
}

const xmlNode *CXmlRecordStream::Expand()
{
    if (Failed())
        return nullptr;
    const xmlNode *node = xmlTextReaderExpand(m_source->reader);
    if (!node)
        Fail();
    return node;
}

bool CXmlRecordStream::Fail()
{
    const int line = xmlTextReaderGetParserLineNumber(m_source->reader);
    QString reason = m_source->parserError;
    if (m_source->recordTooLarge)
        reason = QCoreApplication::translate("Import",
                                             "line %1: one record takes more than %2 MiB of the "
                                             "file")
                     .arg(line)
                     .arg(kMaxRecordBytes >> 20);
    else if (m_source->fileTooLarge)
        reason = QCoreApplication::translate("Import", "it unpacks to more than %1 MiB")
                     .arg(m_source->maxTotalBytes >> 20);
    else if (m_source->readFailed)
        reason = m_source->device->errorString();
    else if (reason.isEmpty())
        reason =
            QCoreApplication::translate("Import", "line %1: the file is not well-formed").arg(line);
    m_encodingFailed = m_source->encodingError;
    m_error =
        QCoreApplication::translate("Import", "%1 cannot be read: %2").arg(m_documentName, reason);
    return false;
}

bool XmlNeedsWindows1252(QIODevice &device)
{
    QByteArray head = device.peek(512);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return false;
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    static const QRegularExpression declared(
        QStringLiteral(R"(^\s*<\?xml[^>]*encoding\s*=\s*["']([^"']+)["'])"));
    const QRegularExpressionMatch match = declared.match(QString::fromLatin1(head));
    if (match.hasMatch()) {
        const QString name = match.captured(1).toLower();
        if (name != u"utf-8" && name != u"utf8")
            return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    while (!device.atEnd()) {
        const QByteArray chunk = device.read(1 << 16);
        if (chunk.isEmpty())
            break;
        const QString decoded = utf8.decode(chunk); // the decoding happens here
        if (utf8.hasError())
            return true;
    }
    return false;
}

bool IsXmlElement(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE &&
           (!name || std::strcmp(reinterpret_cast<const char *>(node->name), name) == 0);
}

QString XmlNodeName(const xmlNode *node)
{
    return FromXml(node->name);
}

QString XmlAttribute(const xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, BAD_CAST name);
    const QString text = FromXml(value);
    xmlFree(value);
    return text;
}
