// Reading other catalogues' tables: the CSV/TSV table with its character
// sets, and the readers of Goodreads, StoryGraph, Libib, LibraryThing and any
// table with a header row, from their files to the books the import stores.

#include "db/LibraryConnection.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CsvTable.h"
#include "exchange/ExportText.h"
#include "exchange/ForeignMapping.h"

#include "TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using Rows = QList<QStringList>;

namespace {

QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8);
        const char lo = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? hi : lo);
        bytes.append(bigEndian ? lo : hi);
    }
    return bytes;
}

// Reads the whole table; `error` and `notes` receive what it said.
Rows ReadAll(CCsvTable &table, QString *error)
{
    Rows rows;
    QStringList row;
    while (table.NextRow(row)) {
        rows.append(row);
        if (table.RowNumber() != rows.size())
            return {{QStringLiteral("row number %1 at row %2")
                         .arg(table.RowNumber())
                         .arg(rows.size())}};
    }
    *error = table.Error();
    return rows;
}

QString DataFile(const QString &name)
{
    return QDir(QStringLiteral(TOMELODEX_SOURCE_DIR "/tests/data/import")).filePath(name);
}

// A field of a stored book by its book XML name, for the expectations below.
QString FieldOf(const CBookRecord &record, const QString &field)
{
    if (field == u"MyRating")
        return QString::number(record.MyRating);
    static const QHash<QString, QString CBookRecord::*> members = {
        {QStringLiteral("Title"), &CBookRecord::Title},
        {QStringLiteral("Author"), &CBookRecord::Author},
        {QStringLiteral("ISBN"), &CBookRecord::ISBN},
        {QStringLiteral("Publisher"), &CBookRecord::Publisher},
        {QStringLiteral("ReleaseDate"), &CBookRecord::ReleaseDate},
        {QStringLiteral("PageCount"), &CBookRecord::PageCount},
        {QStringLiteral("Binding"), &CBookRecord::Binding},
        {QStringLiteral("Edition"), &CBookRecord::Edition},
        {QStringLiteral("Language"), &CBookRecord::Language},
        {QStringLiteral("Location"), &CBookRecord::Location},
        {QStringLiteral("PurchaseDate"), &CBookRecord::PurchaseDate},
        {QStringLiteral("PurchasePrice"), &CBookRecord::PurchasePrice},
        {QStringLiteral("Store"), &CBookRecord::Store},
        {QStringLiteral("URL"), &CBookRecord::URL},
        {QStringLiteral("Series"), &CBookRecord::Series},
        {QStringLiteral("SeriesNumber"), &CBookRecord::SeriesNumber},
        {QStringLiteral("Description"), &CBookRecord::Description},
    };
    return record.*members.value(field);
}

// Notes as plain text: the stored paragraphs and line breaks as new lines.
QString PlainNotes(const CBookRecord &record)
{
    QString text = record.Notes;
    text.replace(QRegularExpression(QStringLiteral("<br\\s*/?>|</p>")), QStringLiteral("\n"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return DecodeHtmlEntities(text);
}

struct CReadResult
{
    QString format;
    QString error;
    QStringList readerNotes;
    QList<CImportedBook> books;
};

// Detects the file's format, reads every record with that format's reader
// (given the --map pairs) and maps each as the import does.
CReadResult ReadCatalogue(const QString &path, const QStringList &map)
{
    CReadResult result;
    const std::optional<CatalogueFormat> format = DetectCatalogueFormat(path, &result.error);
    if (!format)
        return result;
    result.format = CatalogueFormatName(*format);
    CCatalogueOptions options;
    for (const QString &pair : map)
        options.columnMap.append({pair.section(u'=', 0, 0), pair.section(u'=', 1)});
    const std::unique_ptr<CCatalogueReader> reader = MakeCatalogueReader(*format, options);
    if (reader->Open(path)) {
        CForeignBook book;
        while (reader->Next(book))
            result.books.append(MapForeignBook(book));
    }
    result.error = reader->Error();
    result.readerNotes = reader->Notes();
    return result;
}

QStringList Paths(const QList<QStringList> &categories)
{
    QStringList paths;
    for (const QStringList &path : categories)
        paths.append(path.join(u'>'));
    return paths;
}

} // namespace

class TestImportCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvTableReadsEveryLayout_data();
    void csvTableReadsEveryLayout();
    void csvTableKeepsCharactersSplitBetweenChunks_data();
    void csvTableKeepsCharactersSplitBetweenChunks();
    void csvTableRefusesBrokenFiles_data();
    void csvTableRefusesBrokenFiles();
    void decodeForeignText_data();
    void decodeForeignText();
    void readersMapEveryLayout_data();
    void readersMapEveryLayout();
    void readersRefuseWhatTheyCannotRead_data();
    void readersRefuseWhatTheyCannotRead();
    void importStoresTablesInOneLibrary_data();
    void importStoresTablesInOneLibrary();
};

void TestImportCsv::csvTableReadsEveryLayout_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("noted"); // a note about the character set

    QTest::newRow("quoting, CRLF, embedded line breaks and quotes")
        << QByteArray("Title,Author,Notes\r\n"
                      "\"Dune, Messiah\",Frank Herbert,\"He said \"\"no\"\".\r\nSecond line\"\r\n"
                      "Plain,  Spaced Name  ,\r\n")
        << QStringList{"Title", "Author", "Notes"}
        << Rows{{"Dune, Messiah", "Frank Herbert", "He said \"no\".\nSecond line"},
                {"Plain", "Spaced Name", ""}}
        << false;
    QTest::newRow("tab separated keeps empty fields and inner spaces")
        << QByteArray("Title\tAuthor\tISBN\nA  Book\t\t0441172717\n\t\t\n")
        << QStringList{"Title", "Author", "ISBN"}
        << Rows{{"A  Book", "", "0441172717"}, {"", "", ""}} << false;
    QTest::newRow("semicolon guessed, quoted semicolons in the header do not count")
        << QByteArray("\"a;b\";Title;Year\nx;Emma;1815\n") << QStringList{"a;b", "Title", "Year"}
        << Rows{{"x", "Emma", "1815"}} << false;
    QTest::newRow("UTF-8 BOM, blank lines, no final line break")
        << QByteArray("\xEF\xBB\xBFTitle,Author\n\nCaf\xC3\xA9,\xE6\x9D\x8E\n\n\nLast,One")
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Café"), QString::fromUtf8("李")}, {"Last", "One"}} << false;
    QTest::newRow("Goodreads' formula ISBNs keep their quotes")
        << QByteArray("Title,ISBN,ISBN13\nDune,\"=\"\"0441172717\"\"\",\"=\"\"\"\"\"\n")
        << QStringList{"Title", "ISBN", "ISBN13"} << Rows{{"Dune", "=\"0441172717\"", "=\"\""}}
        << false;
    QTest::newRow("rows with more or fewer fields come as they are")
        << QByteArray("Title,Author\nOne\nTwo,B,extra,more\n") << QStringList{"Title", "Author"}
        << Rows{{"One"}, {"Two", "B", "extra", "more"}} << false;
    QTest::newRow("single-quoted header cells stay for the reader to read")
        << QByteArray("'TITLE',\"'AUTHOR (first, last)'\"\r\nX,Y\r\n")
        << QStringList{"'TITLE'", "'AUTHOR (first, last)'"} << Rows{{"X", "Y"}} << false;
    QTest::newRow("UTF-16 LE with BOM")
        << Utf16(QString::fromUtf8("Title\tAuthor\r\nÆon \xF0\x9F\x93\x9A\tΩ\r\n"), false)
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Æon \xF0\x9F\x93\x9A"), QString::fromUtf8("Ω")}} << false;
    QTest::newRow("UTF-16 BE with BOM")
        << Utf16(QString::fromUtf8("Title,Author\n\"Ü, \"\"x\"\"\",Zoë\n"), true)
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Ü, \"x\""), QString::fromUtf8("Zoë")}} << false;
    QTest::newRow("UTF-16 LE without BOM")
        << Utf16(QStringLiteral("Title,Year\nEmma,1815\n"), false).mid(2)
        << QStringList{"Title", "Year"} << Rows{{"Emma", "1815"}} << false;
    QTest::newRow("Windows-1252 where the bytes are not UTF-8")
        << QByteArray("Title,Price\nCaf\xE9 \x93noir\x94,\x80 5\nPlain,1\n")
        << QStringList{"Title", "Price"}
        << Rows{{QString::fromUtf8("Café “noir”"), QString::fromUtf8("€ 5")}, {"Plain", "1"}}
        << true;
    QTest::newRow("header only") << QByteArray("Title,Author\n") << QStringList{"Title", "Author"}
                                 << Rows{} << false;
}

void TestImportCsv::csvTableReadsEveryLayout()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, header);
    QFETCH(Rows, rows);
    QFETCH(bool, noted);

    CTestEnv env;
    const QString path = env.WriteFile(QStringLiteral("table.csv"), contents);
    CCsvTable table;
    QVERIFY2(table.Open(path), qPrintable(table.Error()));
    QCOMPARE(table.Header(), header);
    QString error;
    QCOMPARE(ReadAll(table, &error), rows);
    QCOMPARE(error, QString());
    QCOMPARE(table.Notes().size(), noted ? 1 : 0);
    if (noted) {
        QVERIFY(table.Notes().first().contains(QStringLiteral("row 1")));
        QVERIFY(table.Notes().first().contains(QStringLiteral("Windows-1252")));
    }
}

void TestImportCsv::csvTableKeepsCharactersSplitBetweenChunks_data()
{
    QTest::addColumn<bool>("utf16");
    QTest::newRow("UTF-8 sequence across the boundary") << false;
    QTest::newRow("UTF-16 surrogate pair across the boundary") << true;
}

// Files are read 64 KiB at a time; a character whose bytes straddle two reads
// must come out whole, and so must every row around it.
void TestImportCsv::csvTableKeepsCharactersSplitBetweenChunks()
{
    QFETCH(bool, utf16);
    const int chunk = 64 * 1024;
    const QString special = utf16 ? QString::fromUtf8("\xF0\x9F\x93\x9A") : QString::fromUtf8("é");
    QString text = QStringLiteral("Title,N\n");
    int rowCount = 0;
    // Pad with rows until the special character's first byte or unit is the
    // last one of the first read.
    const auto byteLength = [&](const QString &s) {
        return utf16 ? 2 + 2 * s.size() : s.toUtf8().size();
    };
    const int unit = utf16 ? 2 : 1;
    while (byteLength(text) + 100 < chunk - unit) {
        text += QStringLiteral("Row %1,%1\n").arg(++rowCount, 8, 10, QChar(u'0'));
    }
    text += QStringLiteral("Pad");
    while (byteLength(text) < chunk - unit)
        text += u'x';
    QCOMPARE(byteLength(text), chunk - unit);
    const QString last = text.mid(text.lastIndexOf(u'\n') + 1) + special + QStringLiteral("!");
    text += special + QStringLiteral("!,end\nAfter,1\n");

    CTestEnv env;
    const QString path =
        env.WriteFile(QStringLiteral("long.csv"), utf16 ? Utf16(text, false) : text.toUtf8());
    CCsvTable table;
    QVERIFY2(table.Open(path), qPrintable(table.Error()));
    QString error;
    const Rows rows = ReadAll(table, &error);
    QCOMPARE(error, QString());
    QCOMPARE(rows.size(), rowCount + 2);
    QCOMPARE(rows.at(rowCount), (QStringList{last, "end"}));
    QCOMPARE(rows.last(), (QStringList{"After", "1"}));
    QVERIFY(table.Notes().isEmpty());
}

void TestImportCsv::csvTableRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("rowsBeforeError");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty file") << QByteArray() << false << 0 << "has no header row";
    QTest::newRow("only blank lines") << QByteArray("\r\n\n") << false << 0 << "has no header row";
    QTest::newRow("quote never closed")
        << QByteArray("Title,Notes\nGood,1\nBad,\"open\nrest,of\nthe,file\n") << true << 1
        << "quote opened in row 2 is never closed";
}

void TestImportCsv::csvTableRefusesBrokenFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, opens);
    QFETCH(int, rowsBeforeError);
    QFETCH(QString, message);

    CTestEnv env;
    const QString path = env.WriteFile(QStringLiteral("broken.csv"), contents);
    CCsvTable table;
    QCOMPARE(table.Open(path), opens);
    QString error = table.Error();
    if (opens) {
        QCOMPARE(error, QString());
        QCOMPARE(ReadAll(table, &error).size(), rowsBeforeError);
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void TestImportCsv::decodeForeignText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noted");

    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB") << QString::fromUtf8("Zoë") << false;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF{\"a\":1}") << "{\"a\":1}" << false;
    QTest::newRow("UTF-16 LE") << Utf16(QString::fromUtf8("Zoë"), false) << QString::fromUtf8("Zoë")
                               << false;
    QTest::newRow("UTF-16 BE") << Utf16(QString::fromUtf8("Zoë"), true) << QString::fromUtf8("Zoë")
                               << false;
    QTest::newRow("Windows-1252") << QByteArray("Zo\xEB \x85") << QString::fromUtf8("Zoë …")
                                  << true;
}

void TestImportCsv::decodeForeignText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, noted);
    QString note = QStringLiteral("stale");
    QCOMPARE(DecodeForeignText(bytes, &note), text);
    QCOMPARE(!note.isEmpty(), noted);
}

void TestImportCsv::readersMapEveryLayout_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("map");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("refused");        // records not imported
    QTest::addColumn<int>("index");          // the record checked below
    QTest::addColumn<QStringList>("fields"); // "Field=value" of the stored book
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QStringList>("flags");       // "toRead", "wishList"
    QTest::addColumn<QStringList>("readings");    // "started/finished"
    QTest::addColumn<QStringList>("loans");       // "direction/name/loan/due/return"
    QTest::addColumn<QStringList>("notes");       // parts of the book's Notes
    QTest::addColumn<QStringList>("readerNotes"); // parts of the reader's remarks

    QTest::newRow("Goodreads 31 columns: series in the title, review, readings, purchase")
        << "goodreads-31col-quirks.csv" << QStringList() << "goodreads" << 5 << 1 << 0
        << QStringList{"Title=Dune Messiah",
                       "Author=Frank Herbert",
                       "ISBN=0441172695",
                       "Series=Dune Chronicles",
                       "SeriesNumber=2",
                       "MyRating=4",
                       "Publisher=Ace",
                       "Binding=Mass Market Paperback",
                       "PageCount=331",
                       "ReleaseDate=1987",
                       "PurchaseDate=2018-12-24",
                       "Store=City Lights",
                       "URL=https://www.goodreads.com/book/show/234225"}
        << QStringList{"favorites", "read"} << QStringList() << QStringList{"/2019-08-14", "/"}
        << QStringList()
        << QStringList{"Darker than the first.\n\nPaul sees too much.", "Lent to Ann, back",
                       "Original Publication Year: 1969", "Date Added: 2019/01/02",
                       "Owned Copies: 1"}
        << QStringList{"Row 5 has 3 fields where the header has 31"};
    QTest::newRow("Goodreads: empty ISBN-10, wish-list and to-read shelves")
        << "goodreads-31col-quirks.csv" << QStringList() << "goodreads" << 5 << 1 << 1
        << QStringList{"Title=The Hitchhiker's Guide to the Galaxy",
                       "Series=Hitchhiker's Guide to the Galaxy", "SeriesNumber=1",
                       "ISBN=0345391802", "MyRating=0"}
        << QStringList{"wishlist", "to-read"} << QStringList{"toRead", "wishList"} << QStringList()
        << QStringList() << QStringList() << QStringList();
    QTest::newRow("Goodreads: additional authors, a review over two lines")
        << "goodreads-31col-quirks.csv" << QStringList() << "goodreads" << 5 << 1 << 2
        << QStringList{"Title=Notes From Underground",
                       "Author=Fyodor Dostoevsky / Richard Pevear / Larissa Volokhonsky",
                       "MyRating=5", "Series=", "ISBN="}
        << QStringList{"currently-reading"} << QStringList() << QStringList() << QStringList()
        << QStringList{"Line one\nline two with \"quotes\"", "ISBN: 0679734520"} << QStringList();
    QTest::newRow("Goodreads: a short row with a title is kept")
        << "goodreads-31col-quirks.csv" << QStringList() << "goodreads" << 5 << 1 << 4
        << QStringList{"Title=Short Row Book", "Author=Someone"} << QStringList() << QStringList()
        << QStringList() << QStringList() << QStringList() << QStringList();
    QTest::newRow("Goodreads 24 columns, real: empty formula ISBNs")
        << "ntmb-goodreads_library_export-24col.csv" << QStringList() << "goodreads" << 22 << 0 << 0
        << QStringList{"Title=The Three-Body Problem",
                       "Series=Remembrance of Earth’s Past",
                       "SeriesNumber=1",
                       "ISBN=",
                       "Author=Liu Cixin / Ken Liu / Cixin Liu",
                       "Binding=Hardcover",
                       "PageCount=472",
                       "ReleaseDate=2014"}
        << QStringList{"currently-reading", "books"} << QStringList() << QStringList()
        << QStringList() << QStringList{"On my todo list", "my own notes on this book"}
        << QStringList();
    QTest::newRow("Goodreads 31 columns, real: a book without ISBN")
        << "openlibrary-goodreads_library_export-31col.csv" << QStringList() << "goodreads" << 3
        << 0 << 2
        << QStringList{"Title=Test Book Title With No ISBN", "Author=AuthorWith NoISBN", "ISBN="}
        << QStringList{"to-read"} << QStringList{"toRead"} << QStringList() << QStringList()
        << QStringList() << QStringList();
    QTest::newRow("StoryGraph: ranges of dates read, fractions of stars, tags")
        << "storygraph.csv" << QStringList() << "storygraph" << 3 << 0 << 0
        << QStringList{"Title=The Three-Body Problem", "Author=Cixin Liu", "ISBN=0765382032",
                       "MyRating=4", "Binding=paperback"}
        << QStringList{"sci-fi", "translated"} << QStringList()
        << QStringList{"2022-03-01/2022-03-20", "2023-01-05/2023-02-10"} << QStringList()
        << QStringList{"Contributors: Ken Liu (Translator)", "Moods: mysterious, challenging"}
        << QStringList();
    QTest::newRow("StoryGraph: a reading in progress, not owned")
        << "storygraph.csv" << QStringList() << "storygraph" << 3 << 0 << 1
        << QStringList{"Title=Piranesi", "ISBN=163557563X"} << QStringList() << QStringList()
        << QStringList{"2024-03-04/"} << QStringList()
        << QStringList{"Read Status: currently-reading", "Owned?: No"} << QStringList();
    QTest::newRow("StoryGraph: a UID that is no ISBN, to read")
        << "storygraph.csv" << QStringList() << "storygraph" << 3 << 0 << 2
        << QStringList{"Title=Some Zine", "Author=A. Writer / B. Writer", "ISBN=", "MyRating=0"}
        << QStringList() << QStringList{"toRead"} << QStringList() << QStringList()
        << QStringList{"ISBN/UID: zine-4411"} << QStringList();
    QTest::newRow("StoryGraph, older export with ISBN: half a star rounds up")
        << "storygraph-old.csv" << QStringList() << "storygraph" << 1 << 0 << 0
        << QStringList{"Title=Emma", "ISBN=0141439580", "MyRating=4"} << QStringList{"classics"}
        << QStringList() << QStringList{"/2020-02-02"} << QStringList() << QStringList()
        << QStringList();
    QTest::newRow("Libib: both ISBNs, HTML description, dates begun and completed")
        << "libib.csv" << QStringList() << "libib" << 3 << 0 << 0
        << QStringList{"Title=The Left Hand of Darkness",
                       "Author=Ursula K. Le Guin",
                       "ISBN=0441478123",
                       "Publisher=Ace",
                       "ReleaseDate=1987-03-15",
                       "PageCount=304",
                       "MyRating=5"}
        << QStringList{"Shelf A", "classics", "sf"} << QStringList()
        << QStringList{"2020-12-01/2021-01-02"} << QStringList()
        << QStringList{"Signed copy", "Wonderful."} << QStringList();
    QTest::newRow("Libib: surname-first creators, the wish-list group")
        << "libib.csv" << QStringList() << "libib" << 3 << 0 << 1
        << QStringList{"Title=Wanted Book", "Author=Jane Doe / Rick Roe", "MyRating=0"}
        << QStringList{"Wishlist"} << QStringList{"wishList"} << QStringList() << QStringList()
        << QStringList() << QStringList();
    QTest::newRow("Libib: an odd price goes to Notes, the book still comes")
        << "libib.csv" << QStringList() << "libib" << 3 << 0 << 2
        << QStringList{"Title=Half Read", "ISBN=0306406152", "PurchasePrice="}
        << QStringList{"wishlist"} << QStringList{"wishList"} << QStringList{"2023-05-05/"}
        << QStringList() << QStringList{"price: my price", "status: In progress", "copies: 2"}
        << QStringList();
    QTest::newRow("LibraryThing TSV: brackets, entities, secondary authors, lending")
        << "librarything.tsv" << QStringList() << "librarything" << 2 << 0 << 0
        << QStringList{"Title=Good Omens",
                       "Author=Terry Pratchett / Neil Gaiman / Paul Kidby",
                       "ISBN=0060853980",
                       "Publisher=Harper",
                       "Edition=Reprint",
                       "Binding=Mass Market Paperback",
                       "ReleaseDate=1990",
                       "MyRating=5",
                       "PageCount=413",
                       "PurchaseDate=2010-04-01",
                       "Store=Oxfam",
                       "URL=https://www.librarything.com/work/1234",
                       "Description=<p>Good Omens by Terry Pratchett (1990)</p>"}
        << QStringList{"fantasy", "humour", "Your library", "To read"} << QStringList{"toRead"}
        << QStringList{"2011-01-01/2011-02-02"}
        << QStringList{"lent/Ann Smith/2024-01-10/2024-02-10/"}
        << QStringList{"Very funny & wise.", "O'Reilly edition?", "mine"} << QStringList();
    QTest::newRow("LibraryThing TSV: year from the publication, a returned loan")
        << "librarything.tsv" << QStringList() << "librarything" << 2 << 0 << 1
        << QStringList{"Title=Wished For", "Author=Ursula K. Le Guin / A. Smith / B. Jones",
                       "Publisher=Ace",    "ReleaseDate=1987",
                       "PageCount=304",    "MyRating=0"}
        << QStringList{"Wishlist"} << QStringList{"wishList"} << QStringList()
        << QStringList{"lent/Bob/2023-01-01//2023-01-20"} << QStringList{"Copies: 2"}
        << QStringList();
    QTest::newRow("LibraryThing old CSV, real: single-quoted header, publication info")
        << "robdmc-LibraryThing_export-2010-16col.csv" << QStringList() << "librarything" << 105
        << 0 << 0
        << QStringList{"Title=The Great International Paper Airplane Book",
                       "Author=Jerry Mander",
                       "ISBN=1578660289",
                       "ReleaseDate=1998",
                       "Publisher=Galahad Books",
                       "Binding=Hardcover",
                       "PageCount=128"}
        << QStringList{"Your library"} << QStringList() << QStringList() << QStringList()
        << QStringList{"DDC: 700", "ENTRY DATE: 11/27/10 19:14"} << QStringList();
    QTest::newRow("LibraryThing JSON, real: authors with roles, ISBN object, formats")
        << "tellico-librarything.json" << QStringList() << "librarything" << 3 << 0 << 0
        << QStringList{"Title=Feels Like Home: How Rediscovering the Church as Family Changes "
                       "Everything",
                       "Author=Lee Eclov / Collin Hansen",
                       "ISBN=0802418864",
                       "Publisher=Moody Publishers",
                       "PageCount=192",
                       "Binding=Paperback",
                       "Language=English",
                       "ReleaseDate=2019",
                       "URL=https://www.librarything.com/work/22689473"}
        << QStringList{"Your library"} << QStringList() << QStringList() << QStringList()
        << QStringList{"weight: 0.5 pounds"} << QStringList();
    QTest::newRow("LibraryThing JSON, real: classification codes kept in Notes")
        << "tellico-librarything.json" << QStringList() << "librarything" << 3 << 0 << 2
        << QStringList{"PageCount=349", "ReleaseDate=2000", "Edition=First Edition"}
        << QStringList{"Your library"} << QStringList() << QStringList() << QStringList()
        << QStringList{"DDC: 248.845", "LCC: BX9184 .A5"} << QStringList();
    QTest::newRow("any table: fields guessed from the header, Windows-1252")
        << "generic-guess-cp1252.tsv" << QStringList() << "csv" << 1 << 0 << 0
        << QStringList{"Title=Café Stories",    "Author=Ann Émile / Bo Lund", "ISBN=0306406152",
                       "Publisher=Press “One”", "ReleaseDate=2001-05",        "Series=Café Cycle",
                       "SeriesNumber=3"}
        << QStringList{"short", "cafés"} << QStringList() << QStringList() << QStringList()
        << QStringList{"first line", "Loaned: to Tom"} << QStringList{"Windows-1252"};
    QTest::newRow("any table: every column mapped by name")
        << "generic-mapped.csv"
        << QStringList{"Titolo=Title",   "Autore=Author",       "Codice=ISBN", "Scaffale=Location",
                       "Collana=Series", "Numero=SeriesNumber", "Nope=Notes"}
        << "csv" << 1 << 0 << 0
        << QStringList{"Title=Il nome della rosa", "Author=Umberto Eco", "ISBN=8845292614",
                       "Location=Studio",          "Series=Tascabili",   "SeriesNumber=12"}
        << QStringList() << QStringList() << QStringList() << QStringList() << QStringList()
        << QStringList{"No column \"Nope\" to map; the columns are: Titolo, Autore"};
    QTest::newRow("any table: a mapped title beside guessed columns, semicolons")
        << "generic-semicolon.csv" << QStringList{"name=Title"} << "csv" << 2 << 0 << 0
        << QStringList{"Title=The Hobbit", "Author=J. R. R. Tolkien", "ReleaseDate=1937",
                       "PageCount=310", "MyRating=4"}
        << QStringList{"fantasy", "classics"} << QStringList() << QStringList() << QStringList()
        << QStringList{"My Shelf: Attic", "Odd Column: something"} << QStringList();
    QTest::newRow("any table: a long row keeps its extra fields")
        << "generic-semicolon.csv" << QStringList{"Name=Title"} << "csv" << 2 << 0 << 1
        << QStringList{"Title=Lost Data"} << QStringList() << QStringList() << QStringList()
        << QStringList() << QStringList{"Odd Column: extra", "Field 9: more"}
        << QStringList{"Row 3 has 9 fields where the header has 8"};
}

void TestImportCsv::readersMapEveryLayout()
{
    QFETCH(QString, file);
    QFETCH(QStringList, map);
    QFETCH(QString, format);
    QFETCH(int, records);
    QFETCH(int, refused);
    QFETCH(int, index);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, categories);
    QFETCH(QStringList, flags);
    QFETCH(QStringList, readings);
    QFETCH(QStringList, loans);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, readerNotes);

    const CReadResult result = ReadCatalogue(DataFile(file), map);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.format, format);
    QCOMPARE(result.books.size(), records);
    const auto notImported =
        std::count_if(result.books.begin(), result.books.end(),
                      [](const CImportedBook &b) { return !b.problem.isEmpty(); });
    QCOMPARE(int(notImported), refused);

    const CImportedBook &book = result.books.at(index);
    QCOMPARE(book.problem, QString());
    // Records are numbered by their data row; the blank row 2 of the
    // semicolon table is passed over.
    QCOMPARE(book.number, file == u"generic-semicolon.csv" && index == 1 ? 3 : index + 1);
    for (const QString &expected : fields) {
        const QString field = expected.section(u'=', 0, 0);
        QCOMPARE(field + u'=' + FieldOf(book.record, field), expected);
    }
    QCOMPARE(Paths(book.categories), categories);
    QCOMPARE(book.toRead, flags.contains(QStringLiteral("toRead")));
    QCOMPARE(book.wishList, flags.contains(QStringLiteral("wishList")));
    QStringList readingTexts;
    for (const CBookReading &reading : book.record.Readings)
        readingTexts.append(reading.Started + u'/' + reading.Finished);
    readingTexts.sort();
    readings.sort();
    QCOMPARE(readingTexts, readings);
    QStringList loanTexts;
    for (const CBookLoan &loan : book.record.Loans)
        loanTexts.append(
            QStringList{loan.Direction, loan.Name, loan.LoanDate, loan.DueDate, loan.ReturnDate}
                .join(u'/'));
    QCOMPARE(loanTexts, loans);
    for (const QString &part : notes)
        QVERIFY2(PlainNotes(book.record).contains(part), qPrintable(book.record.Notes));
    const QString remarks = result.readerNotes.join(u'\n');
    for (const QString &part : readerNotes)
        QVERIFY2(remarks.contains(part), qPrintable(remarks));
}

void TestImportCsv::readersRefuseWhatTheyCannotRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents"); // written to `file` when not empty
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("map");
    QTest::addColumn<int>("recordsBefore");
    QTest::addColumn<QString>("message");

    QTest::newRow("a table without a title or ISBN column")
        << "generic-semicolon.csv" << QByteArray() << "csv" << QStringList() << 0
        << "has no column for the title or the ISBN; its columns are: Name, Writer";
    QTest::newRow("a Goodreads file without its Title column")
        << "shelf.csv" << QByteArray("Book Id,Author,Exclusive Shelf\n1,A,read\n") << "goodreads"
        << QStringList() << 0 << "has no Title column";
    QTest::newRow("a quote left open stops the import")
        << "open.csv" << QByteArray("Title,Notes\nOne,fine\nTwo,\"never closed\nThree,x\n") << "csv"
        << QStringList() << 1 << "the quote opened in row 2 is never closed";
}

void TestImportCsv::readersRefuseWhatTheyCannotRead()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QString, format);
    QFETCH(QStringList, map);
    QFETCH(int, recordsBefore);
    QFETCH(QString, message);

    CTestEnv env;
    const QString path = contents.isEmpty() ? DataFile(file) : env.WriteFile(file, contents);
    const CReadResult result = ReadCatalogue(path, map);
    QCOMPARE(result.format, format);
    QCOMPARE(result.books.size(), recordsBefore);
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
}

void TestImportCsv::importStoresTablesInOneLibrary_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");

    const auto ofBook = [](const QString &title) {
        return QStringLiteral(" JOIN book b ON b.BookID = x.BookID WHERE b.Title = '%1'")
            .arg(title);
    };
    QTest::newRow("a dated reading and one more from the read count")
        << "SELECT group_concat(IFNULL(x.Finished, '-'), ' ') FROM reading x" +
               ofBook("Dune Messiah")
        << "2019-08-14 -";
    QTest::newRow("the lending columns' loan")
        << "SELECT x.Direction || '/' || w.Name || '/' || x.LoanDate || '/' || x.DueDate || '/' || "
           "IFNULL(x.ReturnDate, '') FROM loan x JOIN borrower w ON w.BorrowerID = x.BorrowerID" +
               ofBook("Good Omens")
        << "lent/Ann Smith/2024-01-10/2024-02-10/";
    QTest::newRow("a returned loan")
        << "SELECT x.ReturnDate FROM loan x" + ofBook("Wished For") << "2023-01-20";
    QTest::newRow("shelves below the source's category")
        << "SELECT p.Name FROM category c JOIN category p ON p.CatID = c.ParentID "
           "WHERE c.Name = 'favorites'"
        << "Goodreads";
    QTest::newRow("collections below the source's category")
        << "SELECT group_concat(c.Name, ', ') FROM category c JOIN category p "
           "ON p.CatID = c.ParentID WHERE p.Name = 'LibraryThing'"
        << "fantasy, humour, Your library, To read, Wishlist";
    QTest::newRow("a mapped series and its number")
        << "SELECT s.Name || ' ' || x.Number FROM book_series x JOIN bookseries s "
           "ON s.SeriesID = x.SeriesID" +
               ofBook("Il nome della rosa")
        << "Tascabili 12";
    QTest::newRow("a series from the title")
        << "SELECT s.Name || ' ' || x.Number FROM book_series x JOIN bookseries s "
           "ON s.SeriesID = x.SeriesID" +
               ofBook("Dune Messiah")
        << "Dune Chronicles 2";
    QTest::newRow("the wish-list collection's status")
        << "SELECT st.Name FROM book x JOIN bookstatus st ON st.StatusID = x.StatusID" +
               ofBook("Wished For")
        << "Wish List";
}

// Goodreads, LibraryThing and a mapped table into one new library through
// the command line, and what the tables then hold.
void TestImportCsv::importStoresTablesInOneLibrary()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);

    CTestEnv env;
    const QString config = env.Path(QStringLiteral("config"));
    const QString lib = env.Path(QStringLiteral("lib.mdb"));
    QCOMPARE(RunCliTool({QStringLiteral("new"), lib}, config).code, 0);
    const CliRun run = RunCliTool(
        {QStringLiteral("import"), lib, DataFile(QStringLiteral("goodreads-31col-quirks.csv")),
         DataFile(QStringLiteral("librarything.tsv")),
         DataFile(QStringLiteral("generic-mapped.csv")), QStringLiteral("--map"),
         QStringLiteral("Titolo=Title"), QStringLiteral("--map"), QStringLiteral("Codice=ISBN"),
         QStringLiteral("--map"), QStringLiteral("Collana=Series"), QStringLiteral("--map"),
         QStringLiteral("Numero=SeriesNumber")},
        config);
    // The row without title or ISBN fails; the import goes on and says so.
    QCOMPARE(run.code, 1);
    QVERIFY2(run.out.contains(QStringLiteral("4\tError: ")), qPrintable(run.out));
    QVERIFY2(run.out.trimmed().endsWith(QStringLiteral("7 imported, 0 skipped, 1 failed.")),
             qPrintable(run.out));

    CLibraryConnection db;
    QVERIFY(db.Open(lib));
    QCOMPARE(QueryText(db, sql), expected);
}

QTEST_GUILESS_MAIN(TestImportCsv)
#include "tst_importcsv.moc"
