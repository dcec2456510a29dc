#include "xml/BookXmlReader.h"

#include "app/StringTable.h"
#include "db/AmountText.h"
#include "db/BookRecord.h"
#include "xml/BoundedXmlText.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>
#include <QFile>

#include <libxml/entities.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// No network and no loading of external DTDs or entities. Entities are not
// substituted while parsing: the tree keeps references, which the text
// reading below expands under the budget. CDATA is merged into text. A text
// may be as long as any the library can hold (libxml2 stops at 10 MB
// otherwise); what bounds memory is the reader's own limit on one book.
constexpr int kReaderOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_HUGE;

bool IsNamed(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char *>(node->name), name) == 0;
}

QString FromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

// The leading optional sign and digits of `text` as an integer, 0 when there
// are none.
int LeadingInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed.at(end) == u'-' || trimmed.at(end) == u'+'))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

// Numbers in a file have a point for decimals (files of older versions the
// comma of the locale that wrote them); the record holds them as the user's
// locale shows them, which is the form saving reads. A text that is no
// amount for sure stays as it is.
QString RecordNumberText(const QString &fileText)
{
    const std::optional<double> amount = ReadAmount(fileText, QLocale::c());
    if (!amount)
        return fileText;
    return PlainNumberText(*amount).replace(u'.', QLocale().decimalPoint());
}

QString CBookRecord::*const kNumberFields[] = {
    &CBookRecord::PurchasePrice, &CBookRecord::ListPrice, &CBookRecord::AmazonPrice,
    &CBookRecord::AmazonRating,  &CBookRecord::BookSize,
};

// The text fields of a Book element and where each goes in the record.
struct CTextField
{
    const char *element;
    QString CBookRecord::*member;
};

const CTextField kTextFields[] = {
    {"Title", &CBookRecord::Title},
    {"Subtitle", &CBookRecord::Subtitle},
    {"Author", &CBookRecord::Author},
    {"URL", &CBookRecord::URL},
    {"Edition", &CBookRecord::Edition},
    {"ReleaseDate", &CBookRecord::ReleaseDate},
    {"Publisher", &CBookRecord::Publisher},
    {"ISBN", &CBookRecord::ISBN},
    {"PageCount", &CBookRecord::PageCount},
    {"Language", &CBookRecord::Language},
    {"Binding", &CBookRecord::Binding},
    {"Dimension", &CBookRecord::Dimension},
    {"Extras", &CBookRecord::Extras},
    {"PurchaseDate", &CBookRecord::PurchaseDate},
    {"Store", &CBookRecord::Store},
    {"PurchasePrice", &CBookRecord::PurchasePrice},
    {"ListPrice", &CBookRecord::ListPrice},
    {"AmazonPrice", &CBookRecord::AmazonPrice},
    {"Location", &CBookRecord::Location},
    {"Status", &CBookRecord::Status},
    {"CurrentPage", &CBookRecord::CurrentPage},
    {"AmazonRating", &CBookRecord::AmazonRating},
    {"NumOfReviews", &CBookRecord::NumOfReviews},
    {"UserText1", &CBookRecord::UserText1},
    {"UserText2", &CBookRecord::UserText2},
    {"Format", &CBookRecord::Format},
    {"BookSize", &CBookRecord::BookSize},
    {"Description", &CBookRecord::Description},
    {"Notes", &CBookRecord::Notes},
    {"Series", &CBookRecord::Series},
    {"SeriesNumber", &CBookRecord::SeriesNumber},
    {"FrontCover", &CBookRecord::CoverTempPath},
    {"BackCover", &CBookRecord::BackCoverTempPath},
};
constexpr int kTextFieldCount = int(sizeof(kTextFields) / sizeof(kTextFields[0]));

int MyRatingFromXml(const QString &text)
{
    return LeadingInteger(text);
}

bool EbookOnlyFromXml(const QString &text)
{
    return text == LoadString(199);
}

// The parts of a Loan and a Reading element.
template <typename Entry> struct CPart
{
    const char *element;
    QString Entry::*member;
};
const CPart<CBookLoan> kLoanParts[] = {
    {"Direction", &CBookLoan::Direction},   {"Name", &CBookLoan::Name},
    {"LoanDate", &CBookLoan::LoanDate},     {"DueDate", &CBookLoan::DueDate},
    {"ReturnDate", &CBookLoan::ReturnDate}, {"Notes", &CBookLoan::Notes},
};
const CPart<CBookReading> kReadingParts[] = {
    {"Started", &CBookReading::Started},
    {"Finished", &CBookReading::Finished},
    {"Notes", &CBookReading::Notes},
};

// Every `entryName` child of `list` in order, each part from the first
// element of its name.
template <typename Entry, size_t N>
void ReadParts(const xmlNode *list, const char *entryName, CBoundedXmlText &text,
               QList<Entry> &entries, const CPart<Entry> (&parts)[N])
{
    for (const xmlNode *node = list->children; node; node = node->next) {
        if (!IsNamed(node, entryName))
            continue;
        Entry entry;
        bool seen[N] = {};
        for (const xmlNode *part = node->children; part; part = part->next) {
            for (size_t i = 0; i < N; ++i) {
                if (!seen[i] && IsNamed(part, parts[i].element)) {
                    seen[i] = true;
                    entry.*parts[i].member = text.Text(part);
                    break;
                }
            }
        }
        entries.append(entry);
    }
}

} // namespace

bool SetBookFieldFromXml(CBookRecord &record, const QString &element, const QString &text)
{
    if (element == u"MyRating") {
        record.MyRating = MyRatingFromXml(text);
        return true;
    }
    if (element == u"EbookOnly") {
        record.EBookOnly = EbookOnlyFromXml(text);
        return true;
    }
    for (const CTextField &field : kTextFields) {
        if (element == QLatin1String(field.element)) {
            const bool number = std::find(std::begin(kNumberFields), std::end(kNumberFields),
                                          field.member) != std::end(kNumberFields);
            record.*field.member = number ? RecordNumberText(text) : text;
            return true;
        }
    }
    return false;
}

struct CBookXmlReader::CReader
{
    QFile file;
    xmlTextReaderPtr reader = nullptr;
    QString parserError; // the first error the parser reported, with its line
    CBoundedXmlText text;
    qint64 maxBookBytes = kMaxBookXmlBytes;
    qint64 bytesRead = 0;
    qint64 bookStart = 0; // bytes read when the current book began
    bool bookTooLarge = false;

    ~CReader()
    {
        if (reader)
            xmlFreeTextReader(reader);
    }

    // Feeds the parser, refusing to go on once one book has taken more of
    // the file than a book may: the parser builds each book whole in memory.
    static int Read(void *context, char *buffer, int length)
    {
        auto *self = static_cast<CReader *>(context);
        if (self->bytesRead - self->bookStart > self->maxBookBytes) {
            self->bookTooLarge = true;
            return -1;
        }
        const qint64 got = self->file.read(buffer, length);
        if (got < 0)
            return -1;
        self->bytesRead += got;
        return int(got);
    }
    static int Close(void *) { return 0; }

    static void OnError(void *context, xmlErrorPtr error)
    {
        auto *self = static_cast<CReader *>(context);
        if (!error || error->level < XML_ERR_ERROR || !self->parserError.isEmpty())
            return;
        const QString message = QString::fromUtf8(error->message).trimmed();
        self->parserError =
            error->line > 0 ? QStringLiteral("line %1: %2").arg(error->line).arg(message) : message;
    }
};

CBookXmlReader::CBookXmlReader(const QString &path, qint64 maxBookBytes)
    : m_reader(std::make_unique<CReader>())
{
    InitXmlLibraries();
    m_reader->maxBookBytes = maxBookBytes;
    m_reader->file.setFileName(path);
    if (m_reader->file.open(QIODevice::ReadOnly))
        m_reader->reader =
            xmlReaderForIO(&CReader::Read, &CReader::Close, m_reader.get(),
                           QFile::encodeName(path).constData(), nullptr, kReaderOptions);
    if (!m_reader->reader) {
        Fail(QCoreApplication::translate("Messages", "%1 cannot be read.").arg(path));
        return;
    }
    xmlTextReaderSetStructuredErrorHandler(m_reader->reader, &CReader::OnError, m_reader.get());
}

CBookXmlReader::~CBookXmlReader() = default;

bool CBookXmlReader::Fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
    return false;
}

bool CBookXmlReader::FailParsing()
{
    QString error = m_reader->parserError;
    if (m_reader->bookTooLarge)
        error = QCoreApplication::translate("Messages",
                                            "line %1: one element takes more than %2 MiB of the "
                                            "file, more than any book a library holds")
                    .arg(xmlTextReaderGetParserLineNumber(m_reader->reader))
                    .arg(m_reader->maxBookBytes >> 20);
    else if (error.isEmpty())
        error = QCoreApplication::translate("Messages", "line %1: the file is not well-formed")
                    .arg(xmlTextReaderGetParserLineNumber(m_reader->reader));
    if (m_books > 0)
        error =
            QCoreApplication::translate("Messages", "After book %1, %2").arg(m_books).arg(error);
    return Fail(error);
}

bool CBookXmlReader::CheckDocumentType()
{
    m_checkedDtd = true;
    const QString external = ExternalDtdReference(xmlTextReaderCurrentDoc(m_reader->reader));
    if (external.isEmpty())
        return true;
    return Fail(QCoreApplication::translate(
                    "Messages", "The file refers to the external resource %1, which is never "
                                "loaded.")
                    .arg(external));
}

bool CBookXmlReader::ReadNext(CBookRecord &record)
{
    if (Failed() || !m_reader->reader)
        return false;
    xmlTextReaderPtr reader = m_reader->reader;
    for (;;) {
        // Everything but the root and its Book children is passed over whole.
        const int step = m_skipSubtree ? xmlTextReaderNext(reader) : xmlTextReaderRead(reader);
        m_skipSubtree = false;
        if (step == 0 && m_reader->parserError.isEmpty())
            return false;
        if (step != 1)
            return FailParsing();
        if (xmlTextReaderNodeType(reader) != XML_READER_TYPE_ELEMENT)
            continue;
        if (!m_checkedDtd && !CheckDocumentType())
            return false;
        const int depth = xmlTextReaderDepth(reader);
        if (depth <= 1)
            m_reader->bookStart = m_reader->bytesRead;
        const char *name = reinterpret_cast<const char *>(xmlTextReaderConstLocalName(reader));
        if (depth == 0) {
            m_inRoot = name && std::strcmp(name, "Tomelodex") == 0;
            m_skipSubtree = !m_inRoot;
            continue;
        }
        m_skipSubtree = true;
        if (depth != 1 || !m_inRoot || !name || std::strcmp(name, "Book") != 0)
            continue;

        // The parser reads ahead, so a fault it meets here may lie in a
        // later book.
        const xmlNode *book = xmlTextReaderExpand(reader);
        if (!book)
            return FailParsing();
        ++m_books;
        m_categories.clear();
        CBoundedXmlText &text = m_reader->text;
        bool seen[kTextFieldCount] = {};
        bool seenRating = false;
        bool seenEbook = false;
        for (const xmlNode *child = book->children; child; child = child->next) {
            if (child->type != XML_ELEMENT_NODE)
                continue;
            if (!seenRating && IsNamed(child, "MyRating")) {
                seenRating = true;
                record.MyRating = MyRatingFromXml(text.Text(child));
            } else if (!seenEbook && IsNamed(child, "EbookOnly")) {
                seenEbook = true;
                record.EBookOnly = EbookOnlyFromXml(text.Text(child));
            } else if (IsNamed(child, "Categories")) {
                for (const xmlNode *category = child->children; category;
                     category = category->next) {
                    if (!IsNamed(category, "Category"))
                        continue;
                    xmlChar *id = xmlGetProp(category, BAD_CAST "ID");
                    m_categories.append({FromXml(id), text.Text(category)});
                    xmlFree(id);
                }
            } else if (IsNamed(child, "Links")) {
                // Links/Link: the Link children of every Links child, in order.
                for (const xmlNode *link = child->children; link; link = link->next) {
                    if (!IsNamed(link, "Link"))
                        continue;
                    CLinkEntry entry{QString::number(record.Links.size() + 1), {}, {}, {}};
                    bool title = false, path = false, notes = false;
                    for (const xmlNode *part = link->children; part; part = part->next) {
                        if (!title && IsNamed(part, "Title"))
                            title = true, entry.Name = text.Text(part);
                        else if (!path && IsNamed(part, "Path"))
                            path = true, entry.Path = text.Text(part);
                        else if (!notes && IsNamed(part, "Notes"))
                            notes = true, entry.Notes = text.Text(part);
                    }
                    record.Links.append(entry);
                }
            } else if (IsNamed(child, "Loans")) {
                ReadParts(child, "Loan", text, record.Loans, kLoanParts);
            } else if (IsNamed(child, "Readings")) {
                ReadParts(child, "Reading", text, record.Readings, kReadingParts);
            } else {
                for (int i = 0; i < kTextFieldCount; ++i) {
                    if (!seen[i] && IsNamed(child, kTextFields[i].element)) {
                        seen[i] = true;
                        record.*kTextFields[i].member = text.Text(child);
                        break;
                    }
                }
            }
            if (!text.Error().isEmpty())
                return Fail(QStringLiteral("Book %1, line %2: %3")
                                .arg(m_books)
                                .arg(child->line)
                                .arg(text.Error()));
        }
        for (QString CBookRecord::*field : kNumberFields)
            record.*field = RecordNumberText(record.*field);
        return true;
    }
}
