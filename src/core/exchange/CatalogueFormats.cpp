#include "exchange/CatalogueFormats.h"

#include "exchange/CalibreReader.h"
#include "exchange/GcstarReader.h"
#include "exchange/GenericCsvReader.h"
#include "exchange/GoodreadsReader.h"
#include "exchange/LibibReader.h"
#include "exchange/LibraryThingExportReader.h"
#include "exchange/StoryGraphReader.h"
#include "exchange/TellicoReader.h"
#include "exchange/TomelodexReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <quazip/quazip.h>

namespace {

struct CFormatName
{
    CatalogueFormat format;
    const char *name;
};

const CFormatName kFormatNames[] = {
    {CatalogueFormat::Auto, "auto"},
    {CatalogueFormat::Goodreads, "goodreads"},
    {CatalogueFormat::LibraryThing, "librarything"},
    {CatalogueFormat::StoryGraph, "storygraph"},
    {CatalogueFormat::Libib, "libib"},
    {CatalogueFormat::Calibre, "calibre"},
    {CatalogueFormat::Tellico, "tellico"},
    {CatalogueFormat::GCstar, "gcstar"},
    {CatalogueFormat::Csv, "csv"},
    {CatalogueFormat::Tomelodex, "tomelodex"},
};

// How much of a file the detection reads: enough for any header row or
// XML prologue.
constexpr qint64 kSniffBytes = 64 * 1024;

// A format whose reader is still to come.
class CUnbuiltReader : public CCatalogueReader
{
public:
    explicit CUnbuiltReader(CatalogueFormat format) : m_format(format) {}
    QString SourceName() const override { return CatalogueFormatName(m_format); }
    bool Open(const QString &path) override
    {
        SetError(QCoreApplication::translate("Import", "%1: reading %2 files is not built yet.")
                     .arg(QDir::toNativeSeparators(path), SourceName()));
        return false;
    }
    bool Next(CForeignBook &) override { return false; }

private:
    CatalogueFormat m_format;
};

// The beginning of a text file as text: UTF-16 with its BOM, else UTF-8
// (an invalid byte does not matter for telling the kind of file).
QString SniffedText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        return QString(decoder.decode(bytes.mid(2))).trimmed();
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return QString::fromUtf8(body).trimmed();
}

// The root element of an XML text and the text of its start tag, skipping
// the declaration, comments, processing instructions and the document type.
bool XmlRoot(const QString &text, QString *name, QString *startTag)
{
    static const QRegularExpression root(
        QStringLiteral(
            R"(^(?:\s*(?:<\?.*?\?>|<!--.*?-->|<!DOCTYPE(?:[^\[>]|\[.*?\])*>))*\s*<([A-Za-z_][\w.:-]*)([^>]*)>)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = root.match(text);
    if (!match.hasMatch())
        return false;
    *name = match.captured(1);
    *startTag = match.captured(2);
    return true;
}

// The names of a header line, lower case and without quotes: fields in
// double quotes may hold the separator, and older exports wrap each name in
// single quotes too ('TITLE', "'AUTHOR (last, first)'").
QStringList HeaderNames(const QString &text)
{
    QString line = text.section(u'\n', 0, 0);
    line.remove(u'\r');
    QChar separator = u',';
    if (line.count(u'\t') > 0)
        separator = u'\t';
    else if (line.count(u';') > line.count(u','))
        separator = u';';
    QStringList names;
    QString name;
    bool quoted = false;
    const auto finish = [&] {
        QString clean = name.trimmed();
        if (clean.size() >= 2 && clean.startsWith(u'\'') && clean.endsWith(u'\''))
            clean = clean.mid(1, clean.size() - 2);
        names.append(clean.trimmed().toLower());
        name.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"') {
            if (quoted && i + 1 < line.size() && line.at(i + 1) == u'"') {
                name.append(c);
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            finish();
        } else {
            name.append(c);
        }
    }
    finish();
    return names;
}

CatalogueFormat TableFormat(const QStringList &names)
{
    const auto has = [&names](const char *name) { return names.contains(QLatin1String(name)); };
    if (has("book id") && has("exclusive shelf"))
        return CatalogueFormat::Goodreads;
    if (has("read status") &&
        (has("isbn/uid") || has("star rating") || has("moods") || has("dates read")))
        return CatalogueFormat::StoryGraph;
    if (has("ean_isbn13") || has("upc_isbn10") || (has("item_type") && has("creators")))
        return CatalogueFormat::Libib;
    if (has("primary author") || has("sort character") || has("author (last, first)") ||
        has("lending patron") || (has("collections") && has("date entered")) ||
        (has("author (first, last)") && has("entry date")))
        return CatalogueFormat::LibraryThing;
    return CatalogueFormat::Csv;
}

bool ZipHoldsTellico(const QString &path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    const QStringList names = zip.getFileNameList();
    zip.close();
    for (const QString &name : names) {
        if (name.compare(QStringLiteral("tellico.xml"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool IsBinary(const QByteArray &bytes)
{
    // UTF-16 text has zero bytes in plenty; without a BOM it is not read.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return bytes.contains('\0');
}

} // namespace

QString CatalogueFormatName(CatalogueFormat format)
{
    for (const CFormatName &entry : kFormatNames) {
        if (entry.format == format)
            return QLatin1String(entry.name);
    }
    return QString();
}

std::optional<CatalogueFormat> CatalogueFormatFromName(const QString &name)
{
    for (const CFormatName &entry : kFormatNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.format;
    }
    return std::nullopt;
}

QStringList CatalogueFormatNames()
{
    QStringList names;
    for (const CFormatName &entry : kFormatNames)
        names.append(QLatin1String(entry.name));
    return names;
}

std::optional<CatalogueFormat> DetectCatalogueFormat(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        if (QFileInfo(QDir(path).filePath(QStringLiteral("metadata.db"))).isFile())
            return CatalogueFormat::Calibre;
        *error = QCoreApplication::translate(
                     "Import", "%1 is a folder without a calibre library's metadata.db.")
                     .arg(shown);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(shown, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kSniffBytes);
    file.close();
    if (bytes.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return CatalogueFormat::Calibre;
    if (bytes.startsWith("PK\x03\x04")) {
        if (ZipHoldsTellico(path))
            return CatalogueFormat::Tellico;
        *error =
            QCoreApplication::translate(
                "Import", "%1 is a zip archive without a Tellico collection (tellico.xml) in it.")
                .arg(shown);
        return std::nullopt;
    }
    const QString text = SniffedText(bytes);
    if (text.isEmpty() || IsBinary(bytes)) {
        *error = text.isEmpty()
                     ? QCoreApplication::translate("Import", "%1 is empty.").arg(shown)
                     : QCoreApplication::translate("Import", "%1 is of no kind the import reads.")
                           .arg(shown);
        return std::nullopt;
    }
    if (text.startsWith(u'<')) {
        QString root;
        QString startTag;
        if (XmlRoot(text, &root, &startTag)) {
            if (root == u"tellico")
                return CatalogueFormat::Tellico;
            if (root == u"Tomelodex")
                return CatalogueFormat::Tomelodex;
            if (root == u"collection" && (startTag.contains(QStringLiteral("type=")) ||
                                          startTag.contains(QStringLiteral("items="))))
                return CatalogueFormat::GCstar;
        }
        *error =
            QCoreApplication::translate("Import", "%1 is an XML file of no kind the import reads.")
                .arg(shown);
        return std::nullopt;
    }
    if (text.startsWith(u'{') || text.startsWith(u'['))
        return CatalogueFormat::LibraryThing;
    const QStringList names = HeaderNames(text);
    if (names.size() < 2 && names.value(0).isEmpty()) {
        *error =
            QCoreApplication::translate("Import", "%1 is of no kind the import reads.").arg(shown);
        return std::nullopt;
    }
    return TableFormat(names);
}

std::unique_ptr<CCatalogueReader> MakeCatalogueReader(CatalogueFormat format,
                                                      const CCatalogueOptions &options)
{
    const auto table = [&options](std::unique_ptr<CTableCatalogueReader> reader) {
        reader->SetColumnMap(options.columnMap);
        return std::unique_ptr<CCatalogueReader>(std::move(reader));
    };
    switch (format) {
    case CatalogueFormat::Tomelodex:
        return std::make_unique<CTomelodexReader>();
    case CatalogueFormat::Calibre:
        return std::make_unique<CCalibreReader>();
    case CatalogueFormat::Tellico:
        return std::make_unique<CTellicoReader>();
    case CatalogueFormat::GCstar:
        return std::make_unique<CGcstarReader>();
    case CatalogueFormat::Goodreads:
        return table(std::make_unique<CGoodreadsReader>());
    case CatalogueFormat::LibraryThing:
        return std::make_unique<CLibraryThingExportReader>();
    case CatalogueFormat::StoryGraph:
        return table(std::make_unique<CStoryGraphReader>());
    case CatalogueFormat::Libib:
        return table(std::make_unique<CLibibReader>());
    case CatalogueFormat::Csv:
        return table(std::make_unique<CGenericCsvReader>());
    case CatalogueFormat::Auto:
        break;
    }
    return std::make_unique<CUnbuiltReader>(format);
}
