// Importing other catalogues' records: the mapping every format shares, the
// import run into a library, format detection and the `import` command.

#include "TestSupport.h"

#include "exchange/ForeignMapping.h"

#include <QTest>

namespace {

// A record of one title and the values given as "Field|Column|value"
// (an empty field keeps the value without a field).
CForeignBook BookWith(const QStringList &values)
{
    CForeignBook book;
    book.number = 7;
    book.values.append({QStringLiteral("Title"), QStringLiteral("Title"), QStringLiteral("T")});
    for (const QString &entry : values) {
        const QStringList parts = entry.split(u'|');
        book.values.append({parts.value(1), parts.value(0), parts.mid(2).join(u'|')});
    }
    return book;
}

// A field of the mapped record by its book XML name.
QString FieldOf(const CBookRecord &record, const QString &field)
{
    if (field == u"MyRating")
        return QString::number(record.MyRating);
    if (field == u"EbookOnly")
        return record.EBookOnly ? QStringLiteral("yes") : QStringLiteral("no");
    static const QHash<QString, QString CBookRecord::*> members = {
        {QStringLiteral("Title"), &CBookRecord::Title},
        {QStringLiteral("Author"), &CBookRecord::Author},
        {QStringLiteral("ISBN"), &CBookRecord::ISBN},
        {QStringLiteral("ReleaseDate"), &CBookRecord::ReleaseDate},
        {QStringLiteral("PurchaseDate"), &CBookRecord::PurchaseDate},
        {QStringLiteral("PurchasePrice"), &CBookRecord::PurchasePrice},
        {QStringLiteral("PageCount"), &CBookRecord::PageCount},
        {QStringLiteral("Language"), &CBookRecord::Language},
        {QStringLiteral("Publisher"), &CBookRecord::Publisher},
        {QStringLiteral("Status"), &CBookRecord::Status},
        {QStringLiteral("Series"), &CBookRecord::Series},
        {QStringLiteral("SeriesNumber"), &CBookRecord::SeriesNumber},
        {QStringLiteral("Description"), &CBookRecord::Description},
        {QStringLiteral("Notes"), &CBookRecord::Notes},
    };
    return record.*members.value(field);
}

} // namespace

class TestImportCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsEachValueToItsField_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("oddValues");

        const QString none;
        QTest::newRow("authors joined, trimmed, repeats dropped")
            << QStringList{"Author|Author|  Frank   Herbert ", "Author|Additional|Brian Herbert",
                           "Author|Additional|frank herbert"}
            << "Author"
            << "Frank Herbert / Brian Herbert" << none << 0;
        QTest::newRow("ISBN-10 before a 979 ISBN-13 of another book")
            << QStringList{"ISBN|ISBN13|9791090636071", "ISBN|ISBN|0441172717"} << "ISBN"
            << "0441172717"
            << "<p>ISBN13: 9791090636071</p>" << 0;
        QTest::newRow("978 ISBN-13 gives its ISBN-10, same book not noted")
            << QStringList{"ISBN|ISBN13|978-0-441-17271-9", "ISBN|ISBN|0441172717"} << "ISBN"
            << "0441172717" << none << 0;
        QTest::newRow("979 ISBN-13 alone")
            << QStringList{"ISBN|ISBN/UID|979-8-86645-000-8"} << "ISBN"
            << "9798866450008" << none << 0;
        QTest::newRow("invalid ISBN kept in Notes") << QStringList{"ISBN|ISBN|0441172718"} << "ISBN"
                                                    << ""
                                                    << "<p>ISBN: 0441172718</p>" << 1;
        QTest::newRow("several ISBNs in one value")
            << QStringList{"ISBN|ISBNs|[0441172717, 9791090636071]"} << "ISBN"
            << "0441172717"
            << "<p>ISBNs: 9791090636071</p>" << 0;
        QTest::newRow("date with slashes")
            << QStringList{"ReleaseDate|Published|2004/01/05"} << "ReleaseDate"
            << "2004-01-05" << none << 0;
        QTest::newRow("a year stays a year")
            << QStringList{"ReleaseDate|Year|1965"} << "ReleaseDate"
            << "1965" << none << 0;
        QTest::newRow("date that is no date")
            << QStringList{"PurchaseDate|Acquired|current"} << "PurchaseDate"
            << ""
            << "<p>Acquired: current</p>" << 1;
        QTest::newRow("impossible date")
            << QStringList{"ReleaseDate|Published|2019-02-30"} << "ReleaseDate"
            << ""
            << "<p>Published: 2019-02-30</p>" << 1;
        QTest::newRow("rating out of 5, half up")
            << QStringList{"MyRating|Rating|4.5"} << "MyRating"
            << "5" << none << 0;
        QTest::newRow("rating 0 means none") << QStringList{"MyRating|My Rating|0"} << "MyRating"
                                             << "0" << none << 0;
        QTest::newRow("rating out of 10, half up")
            << QStringList{"MyRatingOutOf10|rating|3"} << "MyRating"
            << "2" << none << 0;
        QTest::newRow("rating beyond the scale") << QStringList{"MyRating|Rating|6"} << "MyRating"
                                                 << "0"
                                                 << "<p>Rating: 6</p>" << 1;
        QTest::newRow("rating that is no number")
            << QStringList{"MyRating|Rating|five"} << "MyRating"
            << "0"
            << "<p>Rating: five</p>" << 1;
        QTest::newRow("price with currency")
            << QStringList{"PurchasePrice|Price|$12.99"} << "PurchasePrice"
            << "12.99" << none << 0;
        QTest::newRow("price that is no amount")
            << QStringList{"PurchasePrice|Price|my price"} << "PurchasePrice"
            << ""
            << "<p>Price: my price</p>" << 1;
        QTest::newRow("pages with a word")
            << QStringList{"PageCount|Pages|320 pages"} << "PageCount"
            << "320" << none << 0;
        QTest::newRow("pages that are no number")
            << QStringList{"PageCount|Pages|many"} << "PageCount"
            << ""
            << "<p>Pages: many</p>" << 1;
        QTest::newRow("series, #number")
            << QStringList{"SeriesWithNumber|Series|Dune, #2"} << "SeriesNumber"
            << "2" << none << 0;
        QTest::newRow("series (number)")
            << QStringList{"SeriesWithNumber|Series|The Foundation (3.5)"} << "Series"
            << "The Foundation" << none << 0;
        QTest::newRow("series [number]")
            << QStringList{"SeriesWithNumber|series|Discworld [12]"} << "SeriesNumber"
            << "12" << none << 0;
        QTest::newRow("series with a range")
            << QStringList{"SeriesWithNumber|Series|Dune #1-3"} << "Series"
            << "Dune"
            << "<p>Series: 1-3</p>" << 1;
        QTest::newRow("plain description into paragraphs")
            << QStringList{"Description|Summary|a & b\r\nc\n\nsecond"} << "Description"
            << "<p>a &amp; b<br>c</p><p>second</p>" << none << 0;
        QTest::newRow("HTML description cleaned")
            << QStringList{"Description|comments|<p>x<script>alert(1)</script></p>"}
            << "Description"
            << "<p>x</p>" << none << 0;
        QTest::newRow("value without a field goes to Notes")
            << QStringList{"|Exclusive Shelf|read"} << "Notes"
            << "<p>Exclusive Shelf: read</p>" << none << 0;
        QTest::newRow("control characters dropped, line breaks kept")
            << QStringList{"Notes|Private Notes|x\x07y\nz\x1b"} << "Notes"
            << "<p>xy<br>z</p>" << none << 0;
        QTest::newRow("review and notes labelled by column")
            << QStringList{"Notes|My Review|good<br/>book", "Notes|Private Notes|mine"} << "Notes"
            << "<p><b>My Review</b></p>good<br>book<p><b>Private Notes</b></p><p>mine</p>" << none
            << 0;
        QTest::newRow("language code named") << QStringList{"Language|languages|eng"} << "Language"
                                             << "English" << none << 0;
        QTest::newRow("second publisher to Notes")
            << QStringList{"Publisher|Publisher|Ace", "Publisher|Imprint|Chilton"} << "Publisher"
            << "Ace"
            << "<p>Imprint: Chilton</p>" << 0;
        QTest::newRow("publisher longer than its column")
            << QStringList{"Publisher|Publisher|" + QString(60, u'p')} << "Publisher"
            << ""
            << "<p>Publisher: " + QString(60, u'p') + "</p>" << 1;
        QTest::newRow("unknown field kept") << QStringList{"Shoe|Shoe Size|42"} << "Notes"
                                            << "<p>Shoe Size: 42</p>" << none << 0;
    }

    void mapsEachValueToItsField()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(QString, notes);
        QFETCH(int, oddValues);
        const CImportedBook mapped = MapForeignBook(BookWith(values));
        QCOMPARE(mapped.number, 7);
        QVERIFY(mapped.problem.isEmpty());
        QCOMPARE(FieldOf(mapped.record, field), expected);
        if (field != u"Notes")
            QCOMPARE(mapped.record.Notes, notes);
        QCOMPARE(mapped.oddValues.size(), oddValues);
    }

    void datesInTheFormsOthersWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ISO") << "2026-12-07"
                             << "2026-12-07";
        QTest::newRow("year first, slashes") << "2015/3/9"
                                             << "2015-03-09";
        QTest::newRow("with time and zone") << "2008-10-01T10:20:00+00:00"
                                            << "2008-10-01";
        QTest::newRow("with time") << "2008-10-01 00:00:00"
                                   << "2008-10-01";
        QTest::newRow("month first") << "9/21/2019"
                                     << "2019-09-21";
        QTest::newRow("day first when it must be") << "21/09/2019"
                                                   << "2019-09-21";
        QTest::newRow("year and month") << "2000-09"
                                        << "2000-09";
        QTest::newRow("month name and year") << "Sep 2000"
                                             << "2000-09";
        QTest::newRow("written out") << "January 5, 2004"
                                     << "2004-01-05";
        QTest::newRow("year alone") << "1994"
                                    << "1994";
        QTest::newRow("no date") << "current"
                                 << "";
        QTest::newRow("month 13") << "2004-13-01"
                                  << "";
        QTest::newRow("day 32") << "1/32/2004"
                                << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void datesInTheFormsOthersWrite()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ForeignDate(text), expected);
    }

    // Shelves, wishes, readings and loans: what the tables of the library
    // take, and the rest kept in Notes.
    void mapsShelvesReadingsAndLoans()
    {
        CForeignBook book = BookWith({"Status|Status|Owned", "Categories|Tags|sf; classics"});
        book.categories = {{"favorites"}};
        book.wishList = true;
        book.toRead = true;
        book.readings = {{"2020/01/02", "2020/02/03", "first"},
                         {"2021-05-01", "2021-04-01", ""},
                         {"", "sometime", ""}};
        book.readCount = 5;
        book.loans = {{"", "  Ann  Lee ", "2020-01-01", "2019-12-01", "2020-03-01", ""},
                      {"lent", "Bob", "2021-01-01", "", "", ""},
                      {"lent", "Carl", "2022-01-01", "", "", ""},
                      {"lent", "Dora", "", "", "", ""},
                      {"sold", "Eve", "2022-01-01", "", "", ""}};
        const CImportedBook mapped = MapForeignBook(book);
        const CBookRecord &record = mapped.record;

        QCOMPARE(record.Status, QStringLiteral("Wish List"));
        QVERIFY(mapped.wishList);
        QVERIFY(mapped.toRead);
        QCOMPARE(mapped.categories, (QList<QStringList>{{"favorites"}, {"sf"}, {"classics"}}));

        QCOMPARE(record.Readings.size(), 5);
        QCOMPARE(record.Readings.at(0).Started, QStringLiteral("2020-01-02"));
        QCOMPARE(record.Readings.at(0).Finished, QStringLiteral("2020-02-03"));
        QCOMPARE(record.Readings.at(0).Notes, QStringLiteral("first"));
        // Finished before it started: the start goes to Notes.
        QCOMPARE(record.Readings.at(1).Started, QString());
        QCOMPARE(record.Readings.at(1).Finished, QStringLiteral("2021-04-01"));
        QCOMPARE(record.Readings.at(2).Finished, QString());
        QCOMPARE(record.Readings.at(4).Finished, QString());

        // Ann's loan without its impossible due date; only the latest open
        // loan stays open; no date, or no direction, is no loan.
        QCOMPARE(record.Loans.size(), 2);
        QCOMPARE(record.Loans.at(0).Name, QStringLiteral("Ann Lee"));
        QCOMPARE(record.Loans.at(0).Direction, QStringLiteral("lent"));
        QCOMPARE(record.Loans.at(0).DueDate, QString());
        QCOMPARE(record.Loans.at(0).ReturnDate, QStringLiteral("2020-03-01"));
        QCOMPARE(record.Loans.at(1).Name, QStringLiteral("Carl"));

        for (const char *kept : {"<p>Status: Owned</p>", "<p>Reading started: 2021-05-01</p>",
                                 "<p>Reading finished: sometime</p>", "<p>Due date: 2019-12-01</p>",
                                 "<p>Loan: lent, Bob, 2021-01-01</p>", "<p>Loan: lent, Dora</p>",
                                 "<p>Loan: sold, Eve, 2022-01-01</p>"})
            QVERIFY2(record.Notes.contains(QString::fromUtf8(kept)), qPrintable(record.Notes));
    }

    void recordsThatCannotBeImported_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("refused");
        QTest::newRow("no title, no ISBN") << QStringList{"Author|Author|Someone"} << "" << true;
        QTest::newRow("ISBN alone") << QStringList{"ISBN|ISBN|0441172717"} << "" << false;
        QTest::newRow("invalid ISBN alone") << QStringList{"ISBN|ISBN|12"} << "" << true;
        QTest::newRow("title alone") << QStringList{"Title|Title|Dune"} << "" << false;
        QTest::newRow("the reader's reason")
            << QStringList{"Title|Title|Dune"} << "The row has 3 fields." << true;
    }
    void recordsThatCannotBeImported()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, problem);
        QFETCH(bool, refused);
        CForeignBook book = BookWith(values);
        book.values.removeFirst();
        book.problem = problem;
        const CImportedBook mapped = MapForeignBook(book);
        QCOMPARE(!mapped.problem.isEmpty(), refused);
        if (!problem.isEmpty())
            QCOMPARE(mapped.problem, problem);
    }
};

QTEST_GUILESS_MAIN(TestImportCore)
#include "tst_importcore.moc"
