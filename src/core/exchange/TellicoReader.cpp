#include "exchange/TellicoReader.h"

#include "exchange/LimitedZip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <libxml/tree.h>

namespace {

const char kXmlEntry[] = "tellico.xml";
const char kImagesFolder[] = "images/";

// What a collection of each kind holds, for the message refusing it.
QString CollectionKind(const QString &type)
{
    static const char *const kKinds[] = {
        QT_TRANSLATE_NOOP("Import", "custom entries"),
        nullptr, // books
        QT_TRANSLATE_NOOP("Import", "videos"),
        QT_TRANSLATE_NOOP("Import", "music albums"),
        QT_TRANSLATE_NOOP("Import", "bibliography entries"),
        QT_TRANSLATE_NOOP("Import", "comic books"),
        QT_TRANSLATE_NOOP("Import", "wines"),
        QT_TRANSLATE_NOOP("Import", "coins"),
        QT_TRANSLATE_NOOP("Import", "stamps"),
        QT_TRANSLATE_NOOP("Import", "trading cards"),
        QT_TRANSLATE_NOOP("Import", "video games"),
        QT_TRANSLATE_NOOP("Import", "files"),
        QT_TRANSLATE_NOOP("Import", "board games"),
    };
    bool isNumber = false;
    const int number = type.toInt(&isNumber);
    if (isNumber && number >= 1 && number <= int(std::size(kKinds)) && kKinds[number - 1])
        return QCoreApplication::translate("Import", kKinds[number - 1]);
    return QCoreApplication::translate("Import", "type %1").arg(type);
}

bool IsBookCollection(const QString &type)
{
    return type.trimmed() == u"2" || type.trimmed().compare(u"book", Qt::CaseInsensitive) == 0;
}

// A picture's file name suffix from its format ("JPEG", "PNG"), kept to
// letters and digits since it comes from the file.
QString PictureSuffix(const QString &format)
{
    QString suffix;
    for (QChar c : format.toLower())
        if (c.unicode() < 128 && c.isLetterOrNumber())
            suffix.append(c);
    return suffix.isEmpty() ? QStringLiteral("img") : suffix.left(8);
}

} // namespace

CTellicoReader::CTellicoReader() = default;
CTellicoReader::~CTellicoReader() = default;

QString CTellicoReader::SourceName() const
{
    return QStringLiteral("Tellico");
}

std::unique_ptr<QIODevice> CTellicoReader::OpenXml()
{
    if (m_zip) {
        std::unique_ptr<QIODevice> device = m_zip->OpenEntry(m_xmlEntry, kMaxXmlBytes);
        if (!device)
            SetError(m_zip->Error());
        return device;
    }
    auto file = std::make_unique<QFile>(m_path);
    if (!file->open(QIODevice::ReadOnly)) {
        SetError(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(m_path, file->errorString()));
        return nullptr;
    }
    return file;
}

bool CTellicoReader::Open(const QString &path)
{
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(path, file.errorString()));
        return false;
    }
    if (file.peek(4) == "PK\x03\x04") {
        m_zip = std::make_unique<CLimitedZip>(kMaxArchiveBytes);
        if (!m_zip->Open(path)) {
            SetError(m_zip->Error());
            return false;
        }
        m_xmlEntry = m_zip->EntryNamed(QLatin1String(kXmlEntry));
        if (m_xmlEntry.isEmpty()) {
            SetError(QCoreApplication::translate("Import", "%1 has no file %2.")
                         .arg(path, QLatin1String(kXmlEntry)));
            return false;
        }
    }
    file.close();

    std::unique_ptr<QIODevice> device = OpenXml();
    if (!device)
        return false;
    if (XmlNeedsWindows1252(*device)) {
        m_encoding = "WINDOWS-1252";
        AddNote(QCoreApplication::translate("Import",
                                            "%1 was read as Windows-1252: it is not valid UTF-8.")
                    .arg(path));
    }
    return ScanFile();
}

bool CTellicoReader::CheckCollection(CXmlRecordStream &stream)
{
    ++m_collections;
    if (m_collections > 1) // a file holds one collection; others are not read
        return true;
    const QString type = stream.Attribute("type");
    if (IsBookCollection(type))
        return true;
    SetError(QCoreApplication::translate(
                 "Import",
                 "%1 holds a Tellico collection of %2, not of books: only book collections can be "
                 "imported.")
                 .arg(m_path, CollectionKind(type)));
    return false;
}

bool CTellicoReader::ScanFile()
{
    std::unique_ptr<QIODevice> device = OpenXml();
    if (!device)
        return false;
    CXmlRecordStream stream;
    if (!stream.Open(device.get(), m_path, m_zip ? kMaxXmlBytes : 0, m_encoding)) {
        SetError(stream.Error());
        return false;
    }
    QList<QByteArray> path; // the names from the root down to the current element
    while (stream.NextElement()) {
        const int depth = stream.Depth();
        const QByteArray name = stream.Name();
        path.resize(depth);
        path.append(name);
        if (depth == 0) {
            if (name != "tellico" && name != "bookcase") {
                SetError(
                    QCoreApplication::translate("Import", "%1 is not a Tellico file.").arg(m_path));
                return false;
            }
        } else if (depth == 1 && name == "collection") {
            if (!CheckCollection(stream))
                return false;
            if (m_collections > 1)
                stream.SkipSubtree();
        } else if (name == "field" && path.value(depth - 1) == "fields") {
            if (const xmlNode *field = stream.Expand())
                m_fields.AddDefinition(field, stream.Text());
            stream.SkipSubtree();
        } else if (name == "image" && path.value(depth - 1) == "images") {
            if (const xmlNode *image = stream.Expand())
                ReadImage(image, stream.Text());
            stream.SkipSubtree();
        } else if (name == "borrower" && path.value(depth - 1) == "borrowers") {
            if (const xmlNode *borrower = stream.Expand())
                ReadBorrower(borrower, stream.Text());
            stream.SkipSubtree();
        } else if (name != "fields" && name != "images" && name != "borrowers") {
            stream.SkipSubtree(); // entries, filters and the like
        }
        if (!stream.Text().Error().isEmpty()) {
            SetError(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                         .arg(m_path, stream.Text().Error()));
            return false;
        }
    }
    if (stream.Failed()) {
        SetError(stream.Error());
        return false;
    }
    if (m_collections == 0) {
        SetError(
            QCoreApplication::translate("Import", "%1 holds no Tellico collection.").arg(m_path));
        return false;
    }
    return true;
}

void CTellicoReader::ReadImage(const xmlNode *image, CBoundedXmlText &text)
{
    const QString id = XmlAttribute(image, "id");
    if (id.isEmpty())
        return;
    if (XmlAttribute(image, "link") == u"true") {
        m_linkedImages.insert(id);
        return;
    }
    const QByteArray base64 = text.Text(image).toLatin1();
    if (base64.trimmed().isEmpty())
        return; // kept in the archive or beside the file
    const QByteArray picture = QByteArray::fromBase64(base64);
    if (picture.size() > kMaxPictureBytes) {
        AddNote(QCoreApplication::translate(
                    "Import", "The picture %1 in %2 takes more than %3 MiB and is left out.")
                    .arg(id, m_path)
                    .arg(kMaxPictureBytes >> 20));
        return;
    }
    if (!m_pictureFolder) {
        m_pictureFolder = std::make_unique<QTemporaryDir>();
        if (!m_pictureFolder->isValid()) {
            AddNote(
                QCoreApplication::translate(
                    "Import", "The pictures in %1 are left out: no temporary folder can be made.")
                    .arg(m_path));
            return;
        }
    }
    // Named by number: an id from the file is no safe file name.
    const QString file =
        m_pictureFolder->filePath(QStringLiteral("%1.%2")
                                      .arg(m_pictureFiles.size() + 1)
                                      .arg(PictureSuffix(XmlAttribute(image, "format"))));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(picture) != picture.size()) {
        AddNote(QCoreApplication::translate("Import", "The picture %1 in %2 is left out: %3")
                    .arg(id, m_path, out.errorString()));
        return;
    }
    m_pictureFiles.insert(id, file);
}

void CTellicoReader::ReadBorrower(const xmlNode *borrower, CBoundedXmlText &text)
{
    const QString name = XmlAttribute(borrower, "name");
    for (const xmlNode *loan = borrower->children; loan; loan = loan->next) {
        if (!IsXmlElement(loan, "loan"))
            continue;
        CBookLoan entry;
        entry.Direction = QStringLiteral("lent");
        entry.Name = name;
        entry.LoanDate = XmlAttribute(loan, "loanDate");
        entry.DueDate = XmlAttribute(loan, "dueDate");
        entry.Notes = text.Text(loan).trimmed();
        m_loans[XmlAttribute(loan, "entryRef")].append(entry);
    }
}

bool CTellicoReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    if (!Error().isEmpty())
        return false;
    if (!m_streaming) {
        m_streaming = true;
        m_collections = 0;
        m_device = OpenXml();
        if (!m_device)
            return false;
        if (!m_stream.Open(m_device.get(), m_path, m_zip ? kMaxXmlBytes : 0, m_encoding)) {
            SetError(m_stream.Error());
            return false;
        }
    }
    while (m_stream.NextElement()) {
        const int depth = m_stream.Depth();
        const QByteArray name = m_stream.Name();
        if (depth == 0)
            continue;
        if (depth == 1 && name == "collection" && ++m_collections == 1)
            continue;
        m_stream.SkipSubtree();
        if (depth != 2 || name != "entry")
            continue;
        const xmlNode *entry = m_stream.Expand();
        if (!entry)
            break;
        ReadEntry(entry, book);
        return Error().isEmpty();
    }
    if (m_stream.Failed())
        SetError(m_stream.Error());
    return false;
}

void CTellicoReader::ReadEntry(const xmlNode *entry, CForeignBook &book)
{
    book.number = ++m_entries;
    CBoundedXmlText &text = m_stream.Text();
    QString imageId;
    bool loaned = false;
    m_fields.ReadEntry(entry, text, book, imageId, loaned);
    if (!text.Error().isEmpty()) {
        book.problem =
            QCoreApplication::translate("Import", "The entry cannot be read: %1").arg(text.Error());
        text.ClearError();
        return;
    }
    book.loans = m_loans.value(XmlAttribute(entry, "id"));
    if (loaned && book.loans.isEmpty())
        book.values.append(
            {m_fields.Title(QStringLiteral("loaned")), QString(), QStringLiteral("true")});
    AttachCover(imageId, book);
}

bool CTellicoReader::AttachCover(const QString &imageId, CForeignBook &book)
{
    if (imageId.isEmpty())
        return true;
    const QString inArchive = QLatin1String(kImagesFolder) + imageId;
    if (m_zip && m_zip->Contains(inArchive)) {
        switch (m_zip->ReadEntry(inArchive, kMaxPictureBytes, book.coverData)) {
        case CLimitedZip::ReadResult::Ok:
            break;
        case CLimitedZip::ReadResult::ArchiveTooLarge:
            SetError(m_zip->Error());
            return false;
        case CLimitedZip::ReadResult::EntryTooLarge:
        case CLimitedZip::ReadResult::Failed:
            AddNote(
                QCoreApplication::translate("Import", "Book %1 is imported without its cover: %2")
                    .arg(book.number)
                    .arg(m_zip->Error()));
            break;
        }
        return true;
    }
    const auto written = m_pictureFiles.constFind(imageId);
    if (written != m_pictureFiles.cend()) {
        book.coverFile = *written;
        return true;
    }
    if (!AttachOutsidePicture(imageId, book))
        AddNote(QCoreApplication::translate(
                    "Import", "Book %1 is imported without its cover: %2 holds no picture %3.")
                    .arg(book.number)
                    .arg(m_path, imageId));
    return true;
}

bool CTellicoReader::AttachOutsidePicture(const QString &imageId, CForeignBook &book)
{
    // A linked picture: its id is the file's path or address.
    const QUrl url(imageId);
    const bool remote = url.scheme() == u"http" || url.scheme() == u"https";
    if (remote && m_linkedImages.contains(imageId)) {
        book.links.append({QString(), m_fields.Title(QStringLiteral("cover")), imageId, QString()});
        return true;
    }
    const QString local = url.isLocalFile() ? url.toLocalFile() : imageId;
    if (QDir::isAbsolutePath(local) && QFileInfo(local).isFile()) {
        book.coverFile = local;
        return true;
    }
    // Pictures kept beside the file, in the folder named after it.
    if (imageId.contains(u'/') || imageId.contains(u'\\') || imageId.startsWith(u'.'))
        return false;
    const QFileInfo file(m_path);
    const QString beside =
        file.dir().filePath(file.completeBaseName() + QStringLiteral("_files/") + imageId);
    if (!QFileInfo(beside).isFile())
        return false;
    book.coverFile = beside;
    return true;
}
