#include "exchange/TomelodexReader.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "xml/BookXmlReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

struct CXmlField
{
    const char *element;
    QString CBookRecord::*member;
    bool number; // kept by the record in the user's locale's form
};

// Every text field of a book, by its element name.
const CXmlField kFields[] = {
    {"Title", &CBookRecord::Title, false},
    {"Subtitle", &CBookRecord::Subtitle, false},
    {"Author", &CBookRecord::Author, false},
    {"URL", &CBookRecord::URL, false},
    {"Edition", &CBookRecord::Edition, false},
    {"ReleaseDate", &CBookRecord::ReleaseDate, false},
    {"Publisher", &CBookRecord::Publisher, false},
    {"ISBN", &CBookRecord::ISBN, false},
    {"PageCount", &CBookRecord::PageCount, false},
    {"Language", &CBookRecord::Language, false},
    {"Binding", &CBookRecord::Binding, false},
    {"Dimension", &CBookRecord::Dimension, false},
    {"Extras", &CBookRecord::Extras, false},
    {"PurchaseDate", &CBookRecord::PurchaseDate, false},
    {"Store", &CBookRecord::Store, false},
    {"PurchasePrice", &CBookRecord::PurchasePrice, true},
    {"ListPrice", &CBookRecord::ListPrice, true},
    {"AmazonPrice", &CBookRecord::AmazonPrice, true},
    {"Location", &CBookRecord::Location, false},
    {"Status", &CBookRecord::Status, false},
    {"CurrentPage", &CBookRecord::CurrentPage, false},
    {"AmazonRating", &CBookRecord::AmazonRating, true},
    {"NumOfReviews", &CBookRecord::NumOfReviews, false},
    {"UserText1", &CBookRecord::UserText1, false},
    {"UserText2", &CBookRecord::UserText2, false},
    {"Format", &CBookRecord::Format, false},
    {"BookSize", &CBookRecord::BookSize, true},
    {"Description", &CBookRecord::Description, false},
    {"Notes", &CBookRecord::Notes, false},
    {"Series", &CBookRecord::Series, false},
    {"SeriesNumber", &CBookRecord::SeriesNumber, false},
    {"BackCover", &CBookRecord::BackCoverTempPath, false},
};

} // namespace

CTomelodexReader::CTomelodexReader() = default;
CTomelodexReader::~CTomelodexReader() = default;

QString CTomelodexReader::SourceName() const
{
    return QStringLiteral("Tomelodex");
}

bool CTomelodexReader::Open(const QString &path)
{
    m_folder = QFileInfo(path).absoluteDir();
    m_reader = std::make_unique<CBookXmlReader>(path);
    if (m_reader->Failed()) {
        SetError(LoadString(143) + u'\n' + m_reader->Error());
        return false;
    }
    return true;
}

bool CTomelodexReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    if (!m_reader)
        return false;
    CBookRecord record;
    if (!m_reader->ReadNext(record)) {
        if (m_reader->Failed())
            SetError(LoadString(143) + u'\n' + m_reader->Error());
        return false;
    }
    book.number = m_reader->BookCount();
    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    for (const CXmlField &field : kFields) {
        QString text = record.*field.member;
        if (field.number)
            text.replace(decimalPoint, u'.');
        const QString element = QLatin1String(field.element);
        if (field.member == &CBookRecord::BackCoverTempPath && !text.isEmpty() &&
            QDir::isRelativePath(text))
            text = m_folder.filePath(text);
        book.values.append({element, element, text});
    }
    if (record.MyRating != 0)
        book.values.append({QStringLiteral("MyRating"), QStringLiteral("MyRating"),
                            QString::number(record.MyRating)});
    if (record.EBookOnly)
        book.values.append(
            {QStringLiteral("EbookOnly"), QStringLiteral("EbookOnly"), QStringLiteral("yes")});
    if (!record.CoverTempPath.isEmpty())
        book.coverFile = QDir::isRelativePath(record.CoverTempPath)
                             ? m_folder.filePath(record.CoverTempPath)
                             : record.CoverTempPath;
    book.links = record.Links;
    book.readings = record.Readings;
    book.loans = record.Loans;
    for (const CBookXmlCategory &category : m_reader->Categories()) {
        QStringList path = category.path.split(QStringLiteral(">>"), Qt::SkipEmptyParts);
        // The first name is the root of the library that wrote the file.
        if (path.size() > 1)
            path.removeFirst();
        if (!path.isEmpty())
            book.categories.append(path);
    }
    return true;
}
