#include "exchange/GoodreadsReader.h"

#include "exchange/ExportText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Goodreads writes ISBNs as spreadsheet formulas (="0441172717") so that
// spreadsheets keep their leading zeros; ="" is an empty one.
QString IsbnFromFormula(const QString &text)
{
    QString isbn = text.trimmed();
    if (isbn.startsWith(QLatin1String("=\"")) && isbn.endsWith(u'"') && isbn.size() >= 3)
        isbn = isbn.mid(2, isbn.size() - 3);
    return isbn.trimmed();
}

// A shelf as "Bookshelves with positions" writes it: "favorites (#1)".
QString ShelfWithoutPosition(const QString &shelf)
{
    static const QRegularExpression position(QStringLiteral("\\s*\\(#\\d+\\)$"));
    return QString(shelf).remove(position).trimmed();
}

// Reviews are HTML fragments. Most have no markup but line breaks, and read
// as plain text; the others go on as HTML for the mapping to clean, with the
// line breaks the text itself has kept.
QString ReviewText(const QString &review)
{
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression otherMarkup(
        QStringLiteral("<\\s*/?\\s*(?!br\\b)[a-z][^<>]*>|&#?\\w+;"),
        QRegularExpression::CaseInsensitiveOption);
    if (otherMarkup.match(review).hasMatch())
        return QString(review).replace(u'\n', QStringLiteral("<br>"));
    return QString(review).replace(lineBreak, QStringLiteral("\n")).trimmed();
}

bool IsWishListShelf(const QString &shelf)
{
    const QString key = CTableCatalogueReader::ColumnKey(shelf);
    return key == u"wishlist" || key == u"wishes";
}

} // namespace

QString CGoodreadsReader::SourceName() const
{
    return QStringLiteral("Goodreads");
}

bool CGoodreadsReader::SplitSeriesFromTitle(const QString &text, QString &title, QString &series,
                                            QString &number)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(.*\\S)\\s*\\(([^()]*[^(),\\s]),?\\s*#\\s*(\\d[\\d.]*(?:\\s*[-–]\\s*\\d[\\d.]*)?)\\)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    title = match.captured(1);
    series = match.captured(2).trimmed();
    number = match.captured(3).remove(u' ');
    return true;
}

bool CGoodreadsReader::TakeHeader(const QStringList &header)
{
    m_hasExclusiveShelf = false;
    const bool shelvesWithPositions =
        FindColumn(header, {QStringLiteral("bookshelveswithpositions")}) >= 0;
    bool hasTitle = false;
    for (int i = 0; i < header.size(); ++i) {
        const QString key = ColumnKey(header.at(i));
        if (key == u"title") {
            hasTitle = true;
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                QString title, series, number;
                if (!SplitSeriesFromTitle(value, title, series, number)) {
                    book.values.append({column, QStringLiteral("Title"), value});
                    return;
                }
                book.values.append({column, QStringLiteral("Title"), title});
                book.values.append({column, QStringLiteral("Series"), series});
                book.values.append({column, QStringLiteral("SeriesNumber"), number});
            });
        } else if (key == u"bookid") {
            // The book's page on Goodreads.
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                book.values.append(
                    {column, QStringLiteral("URL"),
                     QStringLiteral("https://www.goodreads.com/book/show/") + value});
            });
        } else if (key == u"author") {
            SetAction(i, ToField(QStringLiteral("Author")));
        } else if (key == u"additionalauthors") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                for (const QString &name : SplitExportList(value, QStringLiteral(",")))
                    book.values.append({column, QStringLiteral("Author"), name});
            });
        } else if (key == u"isbn" || key == u"isbn13") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                const QString isbn = IsbnFromFormula(value);
                if (!isbn.isEmpty())
                    book.values.append({column, QStringLiteral("ISBN"), isbn});
            });
        } else if (key == u"myrating") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value != u"0")
                    book.values.append({column, QStringLiteral("MyRating"), value});
            });
        } else if (key == u"publisher") {
            SetAction(i, ToField(QStringLiteral("Publisher")));
        } else if (key == u"binding") {
            SetAction(i, ToField(QStringLiteral("Binding")));
        } else if (key == u"numberofpages") {
            SetAction(i, ToField(QStringLiteral("PageCount")));
        } else if (key == u"yearpublished") {
            SetAction(i, ToField(QStringLiteral("ReleaseDate")));
        } else if (key == u"originalpurchasedate") {
            SetAction(i, ToField(QStringLiteral("PurchaseDate")));
        } else if (key == u"originalpurchaselocation") {
            SetAction(i, ToField(QStringLiteral("Store")));
        } else if (key == u"myreview" || key == u"privatenotes") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                book.values.append({column, QStringLiteral("Notes"), ReviewText(value)});
            });
        } else if (key == u"dateread") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_dateRead = value;
            });
        } else if (key == u"readcount") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_readCount = value.toInt();
            });
        } else if (key == u"exclusiveshelf") {
            m_hasExclusiveShelf = true;
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_exclusiveShelf = value;
                m_shelves.append(value);
            });
        } else if (key == u"bookshelveswithpositions" ||
                   (key == u"bookshelves" && !shelvesWithPositions)) {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                for (const QString &shelf : SplitExportList(value, QStringLiteral(",")))
                    m_shelves.append(ShelfWithoutPosition(shelf));
            });
        } else if (key == u"ownedcopies") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value != u"0")
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"bookshelves" || key == u"authorlf" || key == u"averagerating" ||
                   key == u"spoiler") {
            // Shelves again without positions, the author's name again, the
            // readers' average, and a flag of the review: nothing of the user's
            // that another column does not keep.
            SetAction(i, Ignore());
        }
    }
    if (!hasTitle) {
        SetError(QCoreApplication::translate("Import",
                                             "%1 has no Title column: it is no Goodreads export.")
                     .arg(FileName()));
        return false;
    }
    return true;
}

void CGoodreadsReader::FinishRow(CForeignBook &book)
{
    for (const QString &shelf : std::as_const(m_shelves)) {
        const QStringList path{shelf};
        if (!book.categories.contains(path))
            book.categories.append(path);
        if (shelf == u"to-read")
            book.toRead = true;
        if (IsWishListShelf(shelf))
            book.wishList = true;
    }
    if (!m_dateRead.isEmpty())
        book.readings.append({QString(), m_dateRead, QString()});
    // Goodreads writes a read count of 1 for books on any shelf, so only the
    // read shelf's count counts.
    if (!m_hasExclusiveShelf || m_exclusiveShelf == u"read")
        book.readCount = qMax(m_readCount, m_exclusiveShelf == u"read" ? 1 : 0);

    m_shelves.clear();
    m_exclusiveShelf.clear();
    m_dateRead.clear();
    m_readCount = 0;
}
