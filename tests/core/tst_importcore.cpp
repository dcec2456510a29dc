// Importing other catalogues' records: the mapping every format shares, the
// import run into a library, format detection and the `import` command.

#include "TableDump.h"
#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CatalogueImport.h"
#include "exchange/CatalogueReader.h"
#include "exchange/ForeignMapping.h"

#include <QDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

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

// A reader of records given by the test; it fails on reaching record
// `failAt` (from 1) when that is set.
class CListReader : public CCatalogueReader
{
public:
    explicit CListReader(QList<CForeignBook> books, int failAt = 0)
        : m_books(std::move(books)), m_failAt(failAt)
    {
        AddNote(QStringLiteral("Read as Windows-1252."));
    }
    QString SourceName() const override { return QStringLiteral("Test Shelf"); }
    bool Open(const QString &) override { return true; }
    bool Next(CForeignBook &book) override
    {
        if (m_next + 1 == m_failAt) {
            SetError(QStringLiteral("shelf.csv: row %1 cannot be read.").arg(m_failAt));
            return false;
        }
        if (m_next >= m_books.size())
            return false;
        book = m_books.at(m_next++);
        return true;
    }

private:
    QList<CForeignBook> m_books;
    int m_failAt = 0;
    int m_next = 0;
};

CForeignBook Record(int number, const QString &title, const QString &isbn = QString(),
                    const QStringList &values = QStringList())
{
    CForeignBook book = BookWith(values);
    book.number = number;
    book.values.first().value = title;
    if (!isbn.isEmpty())
        book.values.append({QStringLiteral("ISBN"), QStringLiteral("ISBN"), isbn});
    return book;
}

QStringList LineTexts(const CCatalogueImportResult &result)
{
    QStringList texts;
    for (const CImportReportLine &line : result.lines)
        texts.append(line.Text());
    return texts;
}

const QByteArray kGif = QByteArrayLiteral("GIF89a\x01\x00\x01\x00\x00\x00\x00;");

} // namespace

class TestImportCore : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;
    CLibraryConnection m_db;
    QString m_images;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    CCatalogueImportResult Import(CCatalogueReader &reader, CCatalogueImportOptions options = {})
    {
        if (options.categoryId == 1)
            options.categoryId = 32;
        return ImportCatalogue({{m_env->Path(QStringLiteral("shelf.csv")), &reader}}, m_images,
                               m_db, options);
    }

    // A stored book of the library, saved as the book sheet saves it.
    void StoreBook(const QString &title, const QString &isbn)
    {
        CBookRecord book;
        book.Title = title;
        book.ISBN = isbn;
        book.Notes = QStringLiteral("mine");
        QVERIFY(book.Save(true, 32, m_images, m_db));
    }

    CliRun RunCli(const QStringList &args)
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")));
    }

    QStringList ImageFiles() const
    {
        return QDir(m_images).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CTestEnv>();
        QVERIFY(m_env->OpenLibraryWithUserCategory(m_db, &m_images));
    }
    void cleanup()
    {
        m_db.Close();
        m_env.reset();
    }

    // Books, their shelves below one parent named after the source, the
    // Reading List, the wish list, covers, and the report.
    void importsBooksShelvesCoversAndReport()
    {
        const QString cover = m_env->WriteFile(QStringLiteral("covers/dune.gif"), kGif);
        CForeignBook dune = Record(1, QStringLiteral("Dune"), QStringLiteral("0441172717"));
        dune.categories = {{"sf"}, {"sf", "classics"}};
        dune.toRead = true;
        dune.coverFile = QStringLiteral("covers/dune.gif"); // from the source's folder
        CForeignBook emma = Record(2, QStringLiteral("Emma"));
        emma.categories = {{"SF"}};
        emma.wishList = true;
        emma.coverData = kGif;
        CForeignBook nameless = Record(3, QString());
        CForeignBook odd =
            Record(4, QStringLiteral("Odd"), QString(), {"PurchasePrice|Price|my price"});
        odd.coverData = "<html>not a picture</html>";
        CListReader reader({dune, emma, nameless, odd});
        const CCatalogueImportResult result = Import(reader);

        QVERIFY2(result.completed, qPrintable(result.error));
        QCOMPARE(LineTexts(result),
                 (QStringList{"1\tDune", "2\tEmma", "3\tError: It has neither a title nor an ISBN.",
                              "4\tOdd"}));
        QCOMPARE(result.Summary(), QStringLiteral("3 imported, 0 skipped, 1 failed."));
        QCOMPARE(Value("SELECT COUNT(*) FROM book"), QStringLiteral("3"));

        // One parent below the root, the shelves below it, matched without
        // regard to case.
        QCOMPARE(Value("SELECT COUNT(*) || ':' || MIN(ParentID) FROM category WHERE "
                       "Name='Test Shelf'"),
                 QStringLiteral("1:1"));
        const QString parent = Value("SELECT CatID FROM category WHERE Name='Test Shelf'");
        QCOMPARE(Value("SELECT COUNT(*) FROM category WHERE Name='sf' AND ParentID=" + parent),
                 QStringLiteral("1"));
        QCOMPARE(Value("SELECT p.Name FROM category c JOIN category p ON c.ParentID=p.CatID "
                       "WHERE c.Name='classics'"),
                 QStringLiteral("sf"));
        QCOMPARE(result.createdCategoryIds.size(), 3);
        const auto categoriesOf = [this](const char *title) {
            return Value(QStringLiteral("SELECT group_concat(c.Name, ',') FROM (SELECT c.Name "
                                        "FROM book b JOIN book_category bc ON bc.BookID=b.BookID "
                                        "JOIN category c ON c.CatID=bc.CatID WHERE b.Title='%1' "
                                        "ORDER BY c.Name) c")
                             .arg(QLatin1String(title)));
        };
        QCOMPARE(categoriesOf("Dune"), QStringLiteral("classics,Mine,Reading List,sf"));
        QCOMPARE(categoriesOf("Emma"), QStringLiteral("Mine,sf"));

        const auto statusOf = [this](const char *title) {
            return Value(QStringLiteral("SELECT s.Name FROM book b JOIN bookstatus s ON "
                                        "s.StatusID=b.StatusID WHERE b.Title='%1'")
                             .arg(QLatin1String(title)));
        };
        QCOMPARE(statusOf("Emma"), QStringLiteral("Wish List"));
        QCOMPARE(statusOf("Dune"), QStringLiteral("In Collection"));

        // Both pictures placed under their books' names; the page that is no
        // picture is left out with a note, and its book still comes in.
        for (const char *title : {"Dune", "Emma"}) {
            const QString front =
                Value(QStringLiteral("SELECT FrontCover FROM book WHERE Title='%1'")
                          .arg(QLatin1String(title)));
            QVERIFY(front.endsWith(QStringLiteral(".gif")));
            QCOMPARE(ReadFileBytes(QDir(m_images).filePath(front)), kGif);
        }
        QCOMPARE(ImageFiles().size(), 2);
        QCOMPARE(Value("SELECT ifnull(FrontCover, '') FROM book WHERE Title='Odd'"), QString());
        QVERIFY(Value("SELECT Notes FROM book WHERE Title='Odd'")
                    .contains(QStringLiteral("Price: my price")));
        const QString notes = result.notes.join(u'\n');
        QVERIFY2(notes.contains(QStringLiteral("record 4: kept in Notes: Price: my price")),
                 qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("it is not a JPEG, GIF, PNG or BMP picture")),
                 qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("Read as Windows-1252.")), qPrintable(notes));
        const QString report = result.ReportText();
        QVERIFY(report.startsWith(QStringLiteral("1\tDune\n2\tEmma\n3\tError: ")));
        QVERIFY(report.contains(notes));
        QVERIFY(report.endsWith(QStringLiteral("\n3 imported, 0 skipped, 1 failed.\n")));
        QVERIFY(QFile::exists(cover)); // the source is only read

        // A second import finds the parent and the shelves it made.
        CForeignBook persuasion = Record(1, QStringLiteral("Persuasion"));
        persuasion.categories = {{"sf", "classics"}};
        CListReader second({persuasion});
        QVERIFY(Import(second).completed);
        QCOMPARE(Value("SELECT COUNT(*) FROM category WHERE Name IN ('Test Shelf', 'sf', "
                       "'classics')"),
                 QStringLiteral("3"));
    }

    void duplicateIsbns_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("books");
        QTest::addColumn<QString>("stored");

        QTest::newRow("skip") << int(DuplicateIsbns::Skip)
                              << QStringList{"1\tSkipped: the library has a book with this "
                                             "ISBN already: Dune",
                                             "2\tEmma",
                                             "3\tSkipped: the library has a book with this "
                                             "ISBN already: Emma"}
                              << "3"
                              << "Dune||0|mine";
        QTest::newRow("add") << int(DuplicateIsbns::Add)
                             << QStringList{"1\tDune (2005)", "2\tEmma", "3\tEmma again"} << "5"
                             << "Dune||0|mine";
        // Fills the stored book's empty fields and nothing else; a book of
        // the same import is filled too.
        QTest::newRow("fill") << int(DuplicateIsbns::Fill)
                              << QStringList{"1\tDune (2005) (filled in the stored book)",
                                             "2\tEmma", "3\tEmma again (filled in the stored book)"}
                              << "3"
                              << "Dune|Ace|4|mine";
    }
    void duplicateIsbns()
    {
        QFETCH(int, policy);
        QFETCH(QStringList, lines);
        QFETCH(QString, books);
        QFETCH(QString, stored);
        StoreBook(QStringLiteral("Dune"), QStringLiteral("0-441-17271-7"));
        StoreBook(QStringLiteral("Other"), QStringLiteral("0201633612"));
        CListReader reader(
            {Record(1, QStringLiteral("Dune (2005)"), QStringLiteral("9780441172719"),
                    {"Publisher|Publisher|Ace", "MyRating|Rating|4", "Notes|Review|theirs"}),
             Record(2, QStringLiteral("Emma"), QStringLiteral("0131103628")),
             Record(3, QStringLiteral("Emma again"), QStringLiteral("0131103628"),
                    {"Publisher|Publisher|Penguin"})});
        CCatalogueImportOptions options;
        options.duplicates = DuplicateIsbns(policy);
        const CCatalogueImportResult result = Import(reader, options);
        QVERIFY2(result.completed, qPrintable(result.error));
        QCOMPARE(LineTexts(result), lines);
        QCOMPARE(Value("SELECT COUNT(*) FROM book"), books);
        QCOMPARE(Value("SELECT b.Title || '|' || ifnull(p.Name, '') || '|' || b.MyRating || '|' "
                       "|| b.Notes FROM book b LEFT JOIN bookpublisher p ON "
                       "p.PublisherID=b.PublisherID WHERE b.BookID=1"),
                 stored);
        QCOMPARE(result.failed, 0);
        QCOMPARE(result.imported + result.skipped, 3);
    }

    // A dry run, a source that breaks in the middle and a cancel keep
    // nothing: not a row, not a category, not a picture.
    void nothingIsKept_data()
    {
        QTest::addColumn<bool>("dryRun");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<int>("cancelAt");
        QTest::newRow("dry run") << true << 0 << 0;
        QTest::newRow("source breaks") << false << 3 << 0;
        QTest::newRow("cancelled") << false << 0 << 2;
    }
    void nothingIsKept()
    {
        QFETCH(bool, dryRun);
        QFETCH(int, failAt);
        QFETCH(int, cancelAt);
        QList<CForeignBook> books;
        for (int i = 1; i <= 3; ++i) {
            CForeignBook book = Record(i, QStringLiteral("Book %1").arg(i));
            book.categories = {{QStringLiteral("shelf %1").arg(i)}};
            book.coverData = kGif;
            book.loans = {{"lent", "Ann", "2024-01-01", "", "", ""}};
            books.append(book);
        }
        const CTableDump before = DumpTables(m_db.Path());
        CListReader reader(books, failAt);
        CCatalogueImportOptions options;
        options.dryRun = dryRun;
        options.onRecord = [cancelAt](int read) { return read != cancelAt; };
        const CCatalogueImportResult result = Import(reader, options);

        QCOMPARE(result.completed, dryRun);
        QCOMPARE(result.cancelled, cancelAt != 0);
        if (dryRun)
            QCOMPARE(result.Summary(), QStringLiteral("3 imported, 0 skipped, 0 failed."));
        if (failAt)
            QVERIFY2(result.error.contains(QStringLiteral("shelf.csv: row 3 cannot be read.")),
                     qPrintable(result.error));
        const QString lastLine = result.ReportText().trimmed().split(u'\n').last();
        QVERIFY2(lastLine.contains(dryRun   ? QStringLiteral("3 imported")
                                   : failAt ? QStringLiteral("row 3 cannot be read")
                                            : QStringLiteral("cancelled")),
                 qPrintable(lastLine));
        const QString difference = DumpDifference(before, DumpTables(m_db.Path()));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(ImageFiles(), QStringList());
    }

    // A failure that ends the transaction keeps nothing either, and says
    // so: the library is read-only for the import.
    void lockedLibraryKeepsNothing()
    {
        CLibraryConnection other;
        QVERIFY(other.Open(m_db.Path()));
        QVERIFY(other.Execute(QStringLiteral("BEGIN IMMEDIATE")));
        CListReader reader({Record(1, QStringLiteral("Dune"))});
        CCatalogueImportOptions options;
        options.busyWaitSeconds = 0;
        const CCatalogueImportResult result = Import(reader, options);
        other.Execute(QStringLiteral("ROLLBACK"));
        QVERIFY(!result.completed);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(Value("SELECT COUNT(*) FROM book"), QStringLiteral("0"));
    }

    void detectsTheFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("format");

        const QString real = QStringLiteral(TOMELODEX_SOURCE_DIR "/tests/data/importcore/real/");
        const auto file = [&real](const char *name) { return QString(real + QLatin1String(name)); };
        QTest::newRow("Goodreads 24 columns")
            << file("ntmb-goodreads_library_export-24col.csv") << QByteArray() << "goodreads";
        QTest::newRow("Goodreads 31 columns")
            << file("openlibrary-goodreads_library_export-31col.csv") << QByteArray()
            << "goodreads";
        QTest::newRow("LibraryThing old CSV, quoted headers")
            << file("robdmc-LibraryThing_export-2010-16col.csv") << QByteArray() << "librarything";
        QTest::newRow("LibraryThing JSON")
            << file("tellico-librarything.json") << QByteArray() << "librarything";
        QTest::newRow("calibre metadata.db")
            << file("cops-BaseWithSomeBooks-metadata.db") << QByteArray() << "calibre";
        QTest::newRow("Tellico .tc") << file("tellico-with-image.tc") << QByteArray() << "tellico";
        QTest::newRow("GCstar 1.7")
            << file("tellico-test-book-gcstar-1.7.0.gcs") << QByteArray() << "gcstar";
        QTest::newRow("LibraryThing TSV")
            << "lt.tsv"
            << QByteArray("Book Id\tTitle\tSort Character\tPrimary Author\tISBNs\n1\tDune\t1\t"
                          "Herbert\t[0441172717]\n")
            << "librarything";
        QTest::newRow("StoryGraph") << "sg.csv"
                                    << QByteArray("Title,Authors,Contributors,ISBN/UID,Format,"
                                                  "Read Status,Date Added\n")
                                    << "storygraph";
        QTest::newRow("StoryGraph, older")
            << "sg.csv"
            << QByteArray("Title,Authors,Contributors,ISBN,Format,Read Status,Date Added,Last "
                          "Date Read,Dates Read,Read Count,Moods,Pace,Star Rating\n")
            << "storygraph";
        QTest::newRow("Libib") << "libib.csv"
                               << QByteArray("item_type,title,creators,first_name,last_name,"
                                             "ean_isbn13,upc_isbn10,description\n")
                               << "libib";
        QTest::newRow("Goodreads in UTF-16")
            << "gr.csv"
            << QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char *>(
                                  u"Book Id,Title,Exclusive Shelf\r\n1,Dune,read\r\n"),
                              2 * 44)
            << "goodreads";
        QTest::newRow("any table")
            << "mine.csv" << QByteArray("\xEF\xBB\xBFTitel;Autor;ISBN\nA;B;C\n") << "csv";
        QTest::newRow("Tellico XML")
            << "books.xml"
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE tellico PUBLIC '-//Robby "
                          "Stephenson/DTD Tellico V11.0//EN' "
                          "'http://periapsis.org/tellico/dtd/v11/tellico.dtd'>\n<tellico "
                          "syntaxVersion=\"11\"><collection title=\"My Books\" type=\"2\"/>"
                          "</tellico>")
            << "tellico";
        QTest::newRow("this program's XML")
            << "export.xml"
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- books -->\n"
                          "<Tomelodex Version=\"1.1\"><Book/></Tomelodex>")
            << "tomelodex";
        QTest::newRow("other XML")
            << "feed.xml" << QByteArray("<?xml version=\"1.0\"?><rss/>") << "";
        QTest::newRow("empty") << "empty.csv" << QByteArray("\n  \n") << "";
        QTest::newRow("binary") << "cover.jpg" << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11)
                                << "";
        QTest::newRow("zip without Tellico") << "zip" << QByteArray() << "";
        QTest::newRow("folder without metadata.db") << "folder" << QByteArray() << "";
        QTest::newRow("calibre folder") << "calibre" << QByteArray() << "calibre";
    }
    void detectsTheFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, format);
        QString path = name;
        if (name == u"zip") {
            path = m_env->Path(QStringLiteral("books.tc"));
            QuaZip zip(path);
            QVERIFY(zip.open(QuaZip::mdCreate));
            QuaZipFile entry(&zip);
            QVERIFY(entry.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("other.xml"))));
            entry.write("<tellico/>");
            entry.close();
            zip.close();
        } else if (name == u"folder" || name == u"calibre") {
            path = m_env->Path(name);
            QVERIFY(QDir().mkpath(path));
            if (name == u"calibre")
                QVERIFY(QFile::copy(QStringLiteral(TOMELODEX_SOURCE_DIR
                                                   "/tests/data/importcore/"
                                                   "real/cops-BaseWithSomeBooks-metadata.db"),
                                    path + QStringLiteral("/metadata.db")));
        } else if (!contents.isEmpty()) {
            path = m_env->WriteFile(name, contents);
        }
        QString error;
        const std::optional<CatalogueFormat> found = DetectCatalogueFormat(path, &error);
        if (format.isEmpty()) {
            QVERIFY(!found);
            QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        } else {
            QVERIFY2(found, qPrintable(error));
            QCOMPARE(CatalogueFormatName(*found), format);
        }
    }

    // The command: this program's XML through `import`, the report lines,
    // the duplicates, the dry run and the usage errors.
    void importCommand()
    {
        m_db.Close();
        const QString lib = m_env->Path(QStringLiteral("cli.mdb"));
        QCOMPARE(RunCli({QStringLiteral("new"), lib}).code, 0);
        const QString cover = m_env->WriteFile(QStringLiteral("export/cover.gif"), kGif);
        const QString xml = m_env->WriteFile(
            QStringLiteral("export/books.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tomelodex Version=\"1.1\">\n"
            "<Book ID=\"4\"><Title>First</Title><ISBN>0596004206</ISBN>"
            "<Author>A. Writer</Author><ListPrice>12.50</ListPrice><MyRating>4</MyRating>"
            "<FrontCover>cover.gif</FrontCover><Categories><Category ID=\"40\">"
            ">>Book Collection>>Novels</Category></Categories></Book>\n"
            "<Book ID=\"5\"><Title>Second</Title><ReleaseDate>Sep 2000</ReleaseDate>"
            "<Series>Saga</Series><SeriesNumber>2</SeriesNumber></Book>\n</Tomelodex>\n");
        const auto count = [&lib]() {
            CLibraryConnection db;
            return db.Open(lib) ? QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book"))
                                : QStringLiteral("<not opened>");
        };

        CliRun run = RunCli({QStringLiteral("import"), lib, xml, QStringLiteral("--dry-run")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral("1\tFirst\n2\tSecond\n2 imported, 0 skipped, 0 failed.\n"));
        QCOMPARE(count(), QStringLiteral("0"));

        run = RunCli({QStringLiteral("import"), lib, xml});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral("1\tFirst\n2\tSecond\n2 imported, 0 skipped, 0 failed.\n"));
        QVERIFY(QFile::exists(cover));
        CLibraryConnection db;
        QVERIFY(db.Open(lib));
        QCOMPARE(QueryText(db, QStringLiteral(
                                   "SELECT b.Author || '|' || b.ListPrice || '|' || b.MyRating || "
                                   "'|' || c.Name || '|' || p.Name FROM book b JOIN book_category "
                                   "bc ON bc.BookID=b.BookID JOIN category c ON c.CatID=bc.CatID "
                                   "JOIN category p ON p.CatID=c.ParentID WHERE b.Title='First' "
                                   "AND c.CatID >= 32")),
                 QStringLiteral("A. Writer|12.5|4|Novels|Tomelodex"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT CAST(b.ReleaseDate AS TEXT) || '|' || s.Name "
                                              "|| '|' || bs.Number FROM book b JOIN book_series "
                                              "bs ON bs.BookID=b.BookID JOIN bookseries s ON "
                                              "s.SeriesID=bs.SeriesID WHERE b.Title='Second'")),
                 QStringLiteral("2000-09|Saga|2"));
        const QString front = QueryText(db, QStringLiteral("SELECT FrontCover FROM book WHERE "
                                                           "Title='First'"));
        QCOMPARE(ReadFileBytes(m_env->Path(QStringLiteral("cli_images/")) + front), kGif);
        db.Close();

        run = RunCli({QStringLiteral("import"), lib, xml, QStringLiteral("--format"),
                      QStringLiteral("tomelodex")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.split(u'\n').at(0),
                 QStringLiteral("1\tSkipped: the library has a book with this ISBN already: "
                                "First"));
        QVERIFY(run.out.endsWith(QStringLiteral("1 imported, 1 skipped, 0 failed.\n")));

        const QString unknown =
            m_env->WriteFile(QStringLiteral("picture.bin"), QByteArray("\x01\x02\0\x03", 4));
        run = RunCli({QStringLiteral("import"), lib, unknown});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(unknown), qPrintable(run.err));

        const QList<QStringList> usageErrors = {
            {"--duplicates", "sometimes"}, {"--format", "kindle"}, {"--map", "Shelf"},
            {"--map", "Shelf=Shoe"},       {"--category", "7"},
        };
        for (const QStringList &options : usageErrors) {
            run = RunCli(QStringList{QStringLiteral("import"), lib, xml} + options);
            QVERIFY2(run.code == 2, qPrintable(options.join(u' ') + u' ' + run.err));
        }
        QCOMPARE(count(), QStringLiteral("3"));
    }

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
