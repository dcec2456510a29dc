#include "exchange/GoodreadsExportRow.h"

#include "db/BookRecord.h"
#include "db/DateText.h"
#include "exchange/HtmlPlainText.h"
#include "online/IsbnRules.h"

#include <QRegularExpression>

namespace {

// Goodreads writes ISBNs as formulas so that spreadsheets keep their
// leading zeros; a quote inside would end the formula's text.
QString IsbnFormula(const QString &isbn)
{
    return QStringLiteral("=\"") + QString(isbn).remove(u'"') + u'"';
}

// The ISBN-10 and ISBN-13 of a stored ISBN; a text that is neither goes
// into the ISBN column as it is, for nothing the user typed to be lost.
void SplitIsbn(const QString &stored, QString &isbn10, QString &isbn13)
{
    const QString isbn = NormalizeIsbn(stored);
    if (IsValidIsbn(isbn)) {
        isbn10 = isbn;
        isbn13 = ConvertIsbnToEan(isbn);
    } else if (IsValidIsbn13(isbn)) {
        isbn13 = isbn;
        const QString ten = ConvertEanToIsbn(isbn);
        if (IsValidIsbn(ten))
            isbn10 = ten;
    } else {
        isbn10 = stored.trimmed();
    }
}

// "Frank Herbert" as "Herbert, Frank"; a single word stays as it is.
QString LastNameFirst(const QString &name)
{
    const qsizetype space = name.lastIndexOf(u' ');
    if (space <= 0)
        return name;
    return name.mid(space + 1) + QStringLiteral(", ") + name.left(space);
}

// An ISO date ("2024-04-24", "2024-04", "2024-04-24 10:30:00") as Goodreads
// writes dates: "2024/04/24".
QString SlashDate(const QString &isoDate)
{
    return isoDate.left(10).replace(u'-', u'/');
}

// The year of a release date as the record shows it ("Sep 01, 1990"); none
// for a text that is no date.
QString YearOf(const QString &releaseDate)
{
    const std::optional<CPartialDate> date = ParsePartialDate(releaseDate);
    return date ? QString::number(date->year) : QString();
}

// Notes kept as HTML (an import's, the editor's) as the plain text
// Goodreads keeps; notes without markup as they are.
QString PlainNotes(const QString &notes)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*/?\\s*[a-zA-Z][^<>]*>"));
    return tag.match(notes).hasMatch() ? PlainTextFromHtml(notes) : notes;
}

// The book's page on Goodreads names its Goodreads number.
QString GoodreadsBookId(const QString &url)
{
    static const QRegularExpression page(QStringLiteral("goodreads\\.com/book/show/(\\d+)"));
    return page.match(url).captured(1);
}

QString TitleWithSeries(const CBookRecord &book)
{
    QString title = book.Title;
    if (!book.Subtitle.isEmpty())
        title += QStringLiteral(": ") + book.Subtitle;
    if (!book.Series.isEmpty() && !book.SeriesNumber.isEmpty())
        title += QStringLiteral(" (%1, #%2)").arg(book.Series, book.SeriesNumber);
    return title;
}

// The shelf every Goodreads book is on exactly one of: being read when the
// latest reading is open, read when one was finished, to read when the user
// means to (the Reading List) or wishes for it; none otherwise.
QString ExclusiveShelf(const CBookRecord &book, const CGoodreadsShelfFacts &facts, int finished)
{
    if (!book.Readings.isEmpty() && !book.Readings.first().Started.isEmpty() &&
        book.Readings.first().Finished.isEmpty())
        return QStringLiteral("currently-reading");
    if (finished > 0)
        return QStringLiteral("read");
    if (facts.onReadingList || facts.wishList)
        return QStringLiteral("to-read");
    return QString();
}

} // namespace

QStringList GoodreadsExportHeader()
{
    return {QStringLiteral("Book Id"),
            QStringLiteral("Title"),
            QStringLiteral("Author"),
            QStringLiteral("Author l-f"),
            QStringLiteral("Additional Authors"),
            QStringLiteral("ISBN"),
            QStringLiteral("ISBN13"),
            QStringLiteral("My Rating"),
            QStringLiteral("Average Rating"),
            QStringLiteral("Publisher"),
            QStringLiteral("Binding"),
            QStringLiteral("Number of Pages"),
            QStringLiteral("Year Published"),
            QStringLiteral("Original Publication Year"),
            QStringLiteral("Date Read"),
            QStringLiteral("Date Added"),
            QStringLiteral("Bookshelves"),
            QStringLiteral("Bookshelves with positions"),
            QStringLiteral("Exclusive Shelf"),
            QStringLiteral("My Review"),
            QStringLiteral("Spoiler"),
            QStringLiteral("Private Notes"),
            QStringLiteral("Read Count"),
            QStringLiteral("Owned Copies")};
}

QStringList GoodreadsExportRow(const CBookRecord &book, const CGoodreadsShelfFacts &facts)
{
    QStringList authors;
    for (const QString &name : book.Author.split(u'/'))
        if (!name.trimmed().isEmpty())
            authors.append(name.trimmed());
    const QString author = authors.isEmpty() ? QString() : authors.takeFirst();

    QString isbn10, isbn13;
    if (!book.ISBN.trimmed().isEmpty())
        SplitIsbn(book.ISBN, isbn10, isbn13);

    int finished = 0;
    QString dateRead;
    for (const CBookReading &reading : book.Readings) {
        if (reading.Finished.isEmpty())
            continue;
        if (finished++ == 0)
            dateRead = SlashDate(reading.Finished);
    }

    const QString exclusive = ExclusiveShelf(book, facts, finished);
    // Shelf names are separated by commas in the file.
    QStringList shelves;
    for (const QString &shelf : facts.shelves)
        shelves.append(QString(shelf).replace(u',', u' ').simplified());
    if (facts.wishList)
        shelves.append(QStringLiteral("wishlist"));
    if (!exclusive.isEmpty())
        shelves.append(exclusive);
    shelves.removeAll(QString());
    shelves.removeDuplicates();
    const QString shelfList = shelves.join(QStringLiteral(", "));

    return {GoodreadsBookId(book.URL),
            TitleWithSeries(book),
            author,
            author.isEmpty() ? QString() : LastNameFirst(author),
            authors.join(QStringLiteral(", ")),
            IsbnFormula(isbn10),
            IsbnFormula(isbn13),
            QString::number(qBound(0, book.MyRating, 5)),
            QString(),
            book.Publisher,
            book.Binding,
            book.PageCount,
            YearOf(book.ReleaseDate),
            QString(),
            dateRead,
            SlashDate(facts.added),
            shelfList,
            shelfList,
            exclusive,
            QString(),
            QString(),
            PlainNotes(book.Notes),
            QString::number(finished),
            QStringLiteral("0")};
}
