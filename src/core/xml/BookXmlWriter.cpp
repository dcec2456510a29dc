#include "xml/BookXmlWriter.h"

#include "app/OutputFile.h"
#include "app/StringTable.h"
#include "db/AmountText.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/Recordset.h"
#include "xml/CategoryPaths.h"

#include <QDateTime>
#include <QDir>
#include <QIODevice>
#include <QLocale>

void UseFilePrices(CBookRecord &book, CLibraryConnection &connection)
{
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("SELECT PurchasePrice, ListPrice, AmazonPrice FROM book WHERE "
                                "BookID=%1")
                     .arg(book.BookID)) ||
        rs.IsEOF())
        return;
    QString *const prices[] = {&book.PurchasePrice, &book.ListPrice, &book.AmazonPrice};
    for (int i = 0; i < 3; ++i) {
        const CFieldValue value = rs.GetField(i);
        if (value.type == CFieldValue::Type::Currency)
            *prices[i] = PlainNumberText(value.number);
    }
}

QVector<CBookXmlField> BookXmlFields(const CBookRecord &book)
{
    const QString rating = book.MyRating != 0 ? QString::number(book.MyRating) : QString();
    const QString ebookOnly = LoadString(book.EBookOnly ? 199 : 200);
    return {
        {"Title", book.Title},
        {"Subtitle", book.Subtitle},
        {"Author", book.Author},
        {"URL", book.URL},
        {"Edition", book.Edition},
        {"ReleaseDate", book.ReleaseDate},
        {"Publisher", book.Publisher},
        {"ISBN", book.ISBN},
        {"PageCount", book.PageCount},
        {"Language", book.Language},
        {"Binding", book.Binding},
        {"Dimension", book.Dimension},
        {"Extras", book.Extras},
        {"PurchaseDate", book.PurchaseDate},
        {"Store", book.Store},
        {"PurchasePrice", book.PurchasePrice},
        {"ListPrice", book.ListPrice},
        {"AmazonPrice", book.AmazonPrice},
        {"Location", book.Location},
        {"Status", book.Status},
        {"CurrentPage", book.CurrentPage},
        {"AmazonRating", book.AmazonRating},
        {"NumOfReviews", book.NumOfReviews},
        {"MyRating", rating},
        {"UserText1", book.UserText1},
        {"UserText2", book.UserText2},
        {"EbookOnly", ebookOnly},
        {"Format", book.Format},
        {"BookSize", book.BookSize},
        {"Description", book.Description},
        {"Notes", book.Notes},
        {"Series", book.Series},
        {"SeriesNumber", book.SeriesNumber},
    };
}

namespace {

void AppendFields(QString &xml, const CBookRecord &book)
{
    for (const CBookXmlField &field : BookXmlFields(book))
        AppendElement(xml, QLatin1String(field.name), field.value);
}

void AppendLinks(QString &xml, const CBookRecord &book)
{
    if (book.Links.isEmpty())
        return;
    xml += QStringLiteral("<Links>\n");
    for (const CLinkEntry &link : book.Links) {
        xml += QStringLiteral("<Link ID=\"") + link.LinkID + QStringLiteral("\">\n");
        AppendElement(xml, QStringLiteral("Title"), link.Name);
        AppendElement(xml, QStringLiteral("Path"), link.Path);
        AppendElement(xml, QStringLiteral("Notes"), link.Notes);
        xml += QStringLiteral("</Link>\n");
    }
    xml += QStringLiteral("</Links>\n");
}

// Loans/Loan and Readings/Reading, each part only when it has a text.
void AppendLoansAndReadings(QString &xml, const CBookRecord &book)
{
    if (!book.Loans.isEmpty()) {
        xml += QStringLiteral("<Loans>\n");
        for (const CBookLoan &loan : book.Loans) {
            xml += QStringLiteral("<Loan>\n");
            AppendElement(xml, QStringLiteral("Direction"), loan.Direction);
            AppendElement(xml, QStringLiteral("Name"), loan.Name);
            AppendElement(xml, QStringLiteral("LoanDate"), loan.LoanDate);
            AppendElement(xml, QStringLiteral("DueDate"), loan.DueDate);
            AppendElement(xml, QStringLiteral("ReturnDate"), loan.ReturnDate);
            AppendElement(xml, QStringLiteral("Notes"), loan.Notes);
            xml += QStringLiteral("</Loan>\n");
        }
        xml += QStringLiteral("</Loans>\n");
    }
    if (!book.Readings.isEmpty()) {
        xml += QStringLiteral("<Readings>\n");
        for (const CBookReading &reading : book.Readings) {
            xml += QStringLiteral("<Reading>\n");
            AppendElement(xml, QStringLiteral("Started"), reading.Started);
            AppendElement(xml, QStringLiteral("Finished"), reading.Finished);
            AppendElement(xml, QStringLiteral("Notes"), reading.Notes);
            xml += QStringLiteral("</Reading>\n");
        }
        xml += QStringLiteral("</Readings>\n");
    }
}

void AppendBook(QString &xml, quint32 id, CLibraryConnection &connection, const QString &imagesDir,
                CCategoryPaths &paths)
{
    CBookRecord book;
    book.Load(int(id), connection, CBookRecord::LoadFor::ReadingOnly);
    UseFilePrices(book, connection);
    xml += QStringLiteral("<Book ID=\"%1\">\n").arg(id);
    AppendFields(xml, book);
    QStringList categories;
    GetBookCategories(int(id), connection, categories);
    if (!categories.isEmpty()) {
        xml += QStringLiteral("<Categories>\n");
        for (const QString &category : categories)
            AppendElement(xml, QStringLiteral("Category"), paths.PathOf(category),
                          QStringLiteral("ID"), category);
        xml += QStringLiteral("</Categories>\n");
    }
    AppendLinks(xml, book);
    AppendLoansAndReadings(xml, book);
    if (!book.FrontCover.isEmpty())
        AppendElement(xml, QStringLiteral("FrontCover"), QDir(imagesDir).filePath(book.FrontCover));
    if (!book.BackCover.isEmpty())
        AppendElement(xml, QStringLiteral("BackCover"), QDir(imagesDir).filePath(book.BackCover));
    xml += QStringLiteral("</Book>\n");
}

} // namespace

QString EscapeXmlText(const QString &text)
{
    QString escaped = text;
    // Characters XML cannot carry at all (control characters, lone
    // surrogates, U+FFFE and U+FFFF) become U+FFFD, so the document always
    // loads again.
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char16_t c = escaped.at(i).unicode();
        const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
        bool loneSurrogate = false;
        if (QChar::isHighSurrogate(c))
            loneSurrogate = i + 1 >= escaped.size() || !escaped.at(i + 1).isLowSurrogate();
        else if (QChar::isLowSurrogate(c))
            loneSurrogate = i == 0 || !escaped.at(i - 1).isHighSurrogate();
        if (control || loneSurrogate || c == 0xFFFE || c == 0xFFFF)
            escaped[i] = QChar::ReplacementCharacter;
    }
    escaped.replace(u'&', QStringLiteral("&amp;"));
    escaped.replace(u'<', QStringLiteral("&lt;"));
    // A parser turns every line end into a line feed; a carriage return
    // written as a reference comes back as itself.
    escaped.replace(u'\r', QStringLiteral("&#13;"));
    // "]]>" may not stand in element text; any other ">" may.
    escaped.replace(QStringLiteral("]]>"), QStringLiteral("]]&gt;"));
    return escaped;
}

void AppendElement(QString &xml, const QString &name, const QString &text,
                   const QString &attributeName, const QString &attributeValue)
{
    if (text.isEmpty())
        return;
    xml += u'<' + name;
    if (!attributeName.isEmpty())
        xml += u' ' + attributeName + QStringLiteral("=\"") + attributeValue + u'"';
    xml += u'>' + EscapeXmlText(text) + QStringLiteral("</") + name + QStringLiteral(">\n");
}

namespace {

QString DocumentStart()
{
    const QString created =
        QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tomelodex Version=\"1.1\" "
                          "CreationDate=\"") +
           created + QStringLiteral("\">\n");
}

constexpr char kDocumentEnd[] = "</Tomelodex>\n";

} // namespace

QString BuildBooksXml(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                      const QString &imagesDir)
{
    QString xml = DocumentStart();
    CCategoryPaths paths(connection);
    for (quint32 id : bookIds)
        AppendBook(xml, id, connection, imagesDir, paths);
    xml += QLatin1String(kDocumentEnd);
    return xml;
}

bool WriteBooksXml(QIODevice &out, const QVector<quint32> &bookIds, CLibraryConnection &connection,
                   const QString &imagesDir)
{
    bool written = out.write(DocumentStart().toUtf8()) >= 0;
    CCategoryPaths paths(connection);
    QString book;
    for (qsizetype i = 0; written && i < bookIds.size(); ++i) {
        book.clear();
        AppendBook(book, bookIds.at(i), connection, imagesDir, paths);
        written = out.write(book.toUtf8()) >= 0;
    }
    return written && out.write(kDocumentEnd) >= 0;
}

QString BookElementXml(const CBookRecord &book)
{
    QString xml = QStringLiteral("<Book ID=\"%1\">\n").arg(book.BookID);
    AppendFields(xml, book);
    AppendLinks(xml, book);
    AppendLoansAndReadings(xml, book);
    xml += QStringLiteral("</Book>\n");
    return xml;
}

bool SaveBooksXml(const QString &path, const QString &xml, QString *error)
{
    COutputFile file(path);
    file.SetWaitForReader(false);
    const QByteArray bytes = xml.toUtf8();
    const bool saved =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.Commit();
    if (!saved && error)
        *error = file.ErrorMessage();
    return saved;
}
