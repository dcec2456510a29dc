// Tellico and GCstar collections: what their readers find in real and
// hand-made files, and what they refuse (other kinds of collection, zip
// bombs, external entities).

#include "TestSupport.h"
#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CatalogueImport.h"
#include "exchange/GcstarReader.h"
#include "exchange/LimitedZip.h"
#include "exchange/TellicoReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <memory>

namespace {

const QString kDataDir = QStringLiteral(TOMELODEX_SOURCE_DIR "/tests/data");

std::unique_ptr<CCatalogueReader> MakeReader(const QString &kind)
{
    if (kind == u"tellico")
        return std::make_unique<CTellicoReader>();
    return std::make_unique<CGcstarReader>();
}

// Every record of a file; fails the test when the file cannot be read.
QList<CForeignBook> ReadAll(CCatalogueReader &reader, const QString &path)
{
    QList<CForeignBook> books;
    if (!reader.Open(path)) {
        qWarning() << reader.Error();
        return books;
    }
    CForeignBook book;
    while (reader.Next(book))
        books.append(book);
    if (!reader.Error().isEmpty())
        qWarning() << reader.Error();
    return books;
}

QString PictureKind(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG"))
        return QStringLiteral("png");
    if (bytes.startsWith("\xFF\xD8"))
        return QStringLiteral("jpeg");
    return bytes.isEmpty() ? QString() : QStringLiteral("other");
}

// A record as lines that a test can look for: "Field=value" for a value
// with a field, "Notes:Column=value" for one without, and a line for each
// category, loan, link, the reading and the cover.
QStringList Describe(const CForeignBook &book, const QString &folder)
{
    QStringList lines;
    for (const CForeignValue &value : book.values)
        lines.append(value.field.isEmpty()
                         ? QStringLiteral("Notes:%1=%2").arg(value.column, value.value)
                         : QStringLiteral("%1=%2").arg(value.field, value.value));
    for (const QStringList &category : book.categories)
        lines.append(QStringLiteral("Category=") + category.join(u'>'));
    for (int i = 0; i < book.loans.size(); ++i) {
        const CBookLoan &loan = book.loans.at(i);
        lines.append(QStringLiteral("Loan%1=%2|%3|%4|%5|%6|%7")
                         .arg(i)
                         .arg(loan.Direction, loan.Name, loan.LoanDate, loan.DueDate,
                              loan.ReturnDate, loan.Notes));
    }
    for (const CLinkEntry &link : book.links)
        lines.append(
            QStringLiteral("Link=%1|%2").arg(link.Name, QDir(folder).relativeFilePath(link.Path)));
    if (book.readCount > 0)
        lines.append(QStringLiteral("ReadCount=%1").arg(book.readCount));
    if (!book.coverData.isEmpty())
        lines.append(QStringLiteral("CoverData=") + PictureKind(book.coverData));
    if (!book.coverFile.isEmpty()) {
        QFile cover(book.coverFile);
        lines.append(QStringLiteral("CoverFile=") + (cover.open(QIODevice::ReadOnly)
                                                         ? PictureKind(cover.readAll())
                                                         : QStringLiteral("unreadable")));
    }
    if (!book.problem.isEmpty())
        lines.append(QStringLiteral("Problem=") + book.problem);
    return lines;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Writes a zip with the given entries; an entry of `zeros` bytes (given as
// a size with an empty content) compresses to almost nothing.
void WriteZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries,
              const QString &zerosEntry = QString(), qint64 zeros = 0)
{
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    for (const auto &entry : entries) {
        QuaZipFile file(&zip);
        QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.first)));
        QCOMPARE(file.write(entry.second), entry.second.size());
        file.close();
    }
    if (!zerosEntry.isEmpty()) {
        QuaZipFile file(&zip);
        QVERIFY(
            file.open(QIODevice::WriteOnly, QuaZipNewInfo(zerosEntry), nullptr, 0, Z_DEFLATED, 1));
        const QByteArray block(1 << 20, ' ');
        for (qint64 written = 0; written < zeros; written += block.size())
            QCOMPARE(file.write(block), block.size());
        file.close();
    }
    zip.close();
    QCOMPARE(zip.getZipError(), 0);
}

QByteArray TellicoXml(const QByteArray &entries, const QByteArray &type = "2",
                      const QByteArray &doctype = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype +
           "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
           "<collection title=\"T\" type=\"" +
           type + "\"><fields><field name=\"title\" title=\"Title\" type=\"1\"/></fields>" +
           entries + "</collection></tellico>\n";
}

} // namespace

class TestImportTellico : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsRecords_data();
    void readsRecords();
    void refusesOtherFiles_data();
    void refusesOtherFiles();
    void pictureBombLeftOut();
    void archiveLimits();
    void importsIntoLibrary();
    void hostileEntitiesRefused_data();
    void hostileEntitiesRefused();
    void readsWindows1252_data();
    void readsWindows1252();
};

void TestImportTellico::readsRecords_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("real .tc")
        << "tellico"
        << "tellico/tellico-with-image.tc" << 1 << 0
        << QStringList{"Title=Catching Fire (The Second Book of the Hunger Games)",
                       "Author=Collins, Suzanne",
                       "ISBN=0-439-02349-1",
                       "Publisher=Scholastic Press",
                       "Edition=1st",
                       "ReleaseDate=2009",
                       "PageCount=391",
                       "Binding=Hardback",
                       "Language=English",
                       "MyRating=3",
                       "Notes:Gift=true",
                       "Notes:Date Created=2012-05-04",
                       "CoverData=jpeg"}
        << QStringList{"Notes:ID=1", "Notes:Date Modified=2017-02-07"};
    QTest::newRow("hand-made xml, full entry")
        << "tellico"
        << "tellico/handmade-books.xml" << 2 << 0
        << QStringList{"Title=The Left Hand of Darkness",
                       "Author=Le Guin, Ursula K.",
                       "Author=Miéville, China",
                       "Language=English, Français",
                       "Category=Science Fiction",
                       "Category=Hainish",
                       "Category=award winner",
                       "Series=Hainish Cycle",
                       "SeriesNumber=4",
                       "MyRatingOutOf10=7",
                       "PurchaseDate=2019-03-02",
                       "PurchasePrice=my price",
                       "Description=A human envoy visits the planet Gethen.",
                       "Notes:Comments=Bought at the station.",
                       "Notes:Signed=true",
                       "Notes:Date Finished=2020-04-09",
                       "Notes:Chapters=A Parade in Erhenrang - 1",
                       "Notes:Chapters=The Place Inside the Blizzard - 2",
                       "Notes:Shelf Mark=B-12",
                       "ReadCount=1",
                       "Loan0=lent|Ada Brook|2024-05-01|2024-06-01||Careful with the spine",
                       "CoverFile=png"}
        << QStringList{"Notes:Loaned=true", "Notes:ID=7", "Loan1=lent|Tom Reyes|2024-01-01|||"};
    QTest::newRow("hand-made xml, sparse entry")
        << "tellico"
        << "tellico/handmade-books.xml" << 2 << 1
        << QStringList{"Title=Notes from the Cellar",
                       "ISBN=12345",
                       "Author=First Writer",
                       "Author=Second Writer",
                       "Description=Only a title and an odd ISBN.",
                       "Notes:Loaned=true",
                       "Notes:Rating=11"}
        << QStringList{"Loan0=lent|Tom Reyes|2024-01-01|||", "ReadCount=1"};
    QTest::newRow("real gcs 1.7.0, full item")
        << "gcstar"
        << "gcstar/tellico-test-book-gcstar-1.7.0.gcs" << 2 << 0
        << QStringList{"Title=The Reason for God",
                       "Author=Timothy Keller",
                       "Author=author2",
                       "ISBN=978-0-525-95049-3",
                       "Publisher=Dutton Adult",
                       "ReleaseDate=2008",
                       "Language=English",
                       "Series=Series",
                       "Edition=edition",
                       "PageCount=320",
                       "URL=http://www.amazon.com/Reason-God-Belief-Age-Skepticism/dp/0525950494/"
                       "ref=pd_bbs_sr_1/104-1347196-5229502?ie=UTF8&s=books&qid=1217426174&sr=1-1",
                       "MyRatingOutOf10=4",
                       "PurchaseDate=2013-10-02",
                       "Location=location",
                       "Notes:Translator=translator",
                       "Notes:Added=2013-10-02",
                       "Notes=my description\n\nmy comments",
                       "Notes:New boolean=1",
                       "Notes:New field=some text",
                       "Notes:New long field=g\ng\ng\ng",
                       "Notes:list=list1",
                       "Category=non-fiction",
                       "Category=genre2",
                       "Category=tag1",
                       "Category=tag2",
                       "Category=Favorites",
                       "ReadCount=1"}
        << QStringList{"Notes:Borrower=none", "Loan0=lent|none||||"};
    QTest::newRow("real gcs 1.7.0, second item")
        << "gcstar"
        << "gcstar/tellico-test-book-gcstar-1.7.0.gcs" << 2 << 1
        << QStringList{"Title=Test Book", "Author=Robby Stephenson", "SeriesNumber=1",
                       "Notes:New choice=maybe"}
        << QStringList{"ReadCount=1", "Category=Favorites"};
    QTest::newRow("hand-made gcs 1.8, fields as elements")
        << "gcstar"
        << "gcstar/handmade-books-1.8.gcs" << 2 << 0
        << QStringList{"Title=Il nome della rosa",
                       "Author=Umberto Eco",
                       "ISBN=978-88-452-9260-7",
                       "ReleaseDate=1980-09-15",
                       "Language=Italiano",
                       "Series=Adso",
                       "SeriesNumber=1",
                       "Binding=Paperback",
                       "PageCount=503",
                       "URL=https://example.org/rosa",
                       "MyRatingOutOf10=7",
                       "PurchaseDate=2014-03",
                       "Location=Study, top shelf",
                       "Notes:Translator=William Weaver",
                       "Notes:Added=2013-10-02",
                       "Description=Un monastero.\nSette giorni.",
                       "Notes=A gift from Anna.",
                       "Loan0=lent|Maria|2024-02-01|||",
                       "Loan1=lent|Luca|2022-06-05||2022-06-20|",
                       "Category=Favorites",
                       "Category=Giallo",
                       "Category=medieval",
                       "Link=eBook file|ebooks/rosa.epub",
                       "CoverFile=png",
                       "ReadCount=1"}
        << QStringList{"Notes:Lending date=2024-02-01"};
    QTest::newRow("hand-made gcs, fields as attributes")
        << "gcstar"
        << "gcstar/handmade-books-1.8.gcs" << 2 << 1
        << QStringList{"Title=Old Style Attributes", "Author=Someone Old", "Category=Poetry",
                       "Category=Essays", "MyRatingOutOf10=0"}
        << QStringList{"CoverFile=png", "ReadCount=1", "Loan0=lent|none||||"};
}

void TestImportTellico::readsRecords()
{
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);

    const QString path = kDataDir + u'/' + file;
    const std::unique_ptr<CCatalogueReader> reader = MakeReader(kind);
    const QList<CForeignBook> books = ReadAll(*reader, path);
    QCOMPARE(reader->Error(), QString());
    QCOMPARE(books.size(), count);
    const CForeignBook &book = books.at(index);
    QCOMPARE(book.number, index + 1);
    const QStringList lines = Describe(book, QFileInfo(path).absolutePath());
    for (const QString &line : expected)
        QVERIFY2(lines.contains(line),
                 qPrintable(line + QStringLiteral("\nnot in\n") + lines.join(u'\n')));
    for (const QString &line : absent)
        QVERIFY2(!lines.contains(line), qPrintable(line));
}

void TestImportTellico::refusesOtherFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    QTest::newRow("tellico videos")
        << "tellico" << TellicoXml("<entry id=\"1\"/>", "3") << "collection of videos";
    QTest::newRow("tellico board games")
        << "tellico" << TellicoXml("", "13") << "collection of board games";
    QTest::newRow("tellico unknown type") << "tellico" << TellicoXml("", "77") << "type 77";
    QTest::newRow("not tellico") << "tellico" << QByteArray("<?xml version=\"1.0\"?><books/>")
                                 << "is not a Tellico file";
    QTest::newRow("tellico broken")
        << "tellico" << TellicoXml("<entry id=\"1\"><title>x</entry>") << "cannot be read";
    QTest::newRow("gcstar films")
        << "gcstar"
        << QByteArray("<collection type=\"GCfilms\" version=\"1.7.0\"><item/></collection>")
        << "GCstar collection of the kind GCfilms";
    QTest::newRow("not gcstar") << "gcstar" << QByteArray("<collection><item/></collection>")
                                << "is not a GCstar collection";
    QTest::newRow("empty gcstar") << "gcstar" << QByteArray() << "cannot be read";
}

void TestImportTellico::refusesOtherFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("collection.file"));
    WriteFile(path, content);
    const std::unique_ptr<CCatalogueReader> reader = MakeReader(kind);
    CForeignBook book;
    const bool read = reader->Open(path) && reader->Next(book);
    QVERIFY(!read);
    QVERIFY2(reader->Error().contains(reason), qPrintable(reader->Error()));
    QVERIFY2(reader->Error().contains(path), qPrintable(reader->Error()));
}

void TestImportTellico::pictureBombLeftOut()
{
    // A cover that unpacks to 30 MiB of blanks from a few kilobytes: the
    // book comes without it, and the report says why.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bomb.tc"));
    const QByteArray xml = TellicoXml("<entry id=\"1\"><title>Bombed</title><cover>b.jpeg</cover>"
                                      "</entry><entry id=\"2\"><title>Next</title></entry>");
    WriteZip(path, {{QStringLiteral("tellico.xml"), xml}}, QStringLiteral("images/b.jpeg"),
             qint64(30) << 20);
    QVERIFY(QFileInfo(path).size() < (1 << 20));

    CTellicoReader reader;
    const QList<CForeignBook> books = ReadAll(reader, path);
    QCOMPARE(reader.Error(), QString());
    QCOMPARE(books.size(), 2);
    QVERIFY(books.at(0).coverData.isEmpty());
    QVERIFY(Describe(books.at(0), {}).contains(QStringLiteral("Title=Bombed")));
    QCOMPARE(reader.Notes().size(), 1);
    QVERIFY2(reader.Notes().at(0).contains(QStringLiteral("images/b.jpeg")) &&
                 reader.Notes().at(0).contains(QStringLiteral("20 MiB")),
             qPrintable(reader.Notes().at(0)));

    // The XML itself unpacking past its limit refuses the whole file.
    const QString xmlBomb = folder.filePath(QStringLiteral("xmlbomb.tc"));
    WriteZip(xmlBomb, {}, QStringLiteral("tellico.xml"), CTellicoReader::kMaxXmlBytes + (1 << 20));
    CTellicoReader refusing;
    QVERIFY(!refusing.Open(xmlBomb));
    QVERIFY2(refusing.Error().contains(QStringLiteral("tellico.xml")) &&
                 refusing.Error().contains(QStringLiteral("200 MiB")),
             qPrintable(refusing.Error()));
}

void TestImportTellico::archiveLimits()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("three.zip"));
    const QByteArray part(400 * 1024, 'x');
    WriteZip(
        path,
        {{QStringLiteral("a"), part}, {QStringLiteral("b"), part}, {QStringLiteral("c"), part}});

    CLimitedZip zip(1 << 20);
    QVERIFY(zip.Open(path));
    QByteArray bytes;
    QCOMPARE(zip.ReadEntry(QStringLiteral("a"), 100 * 1024, bytes),
             CLimitedZip::ReadResult::EntryTooLarge);
    QVERIFY(bytes.isEmpty());
    QCOMPARE(zip.ReadEntry(QStringLiteral("a"), 1 << 20, bytes), CLimitedZip::ReadResult::Ok);
    QCOMPARE(bytes, part);
    QCOMPARE(zip.ReadEntry(QStringLiteral("b"), 1 << 20, bytes), CLimitedZip::ReadResult::Ok);
    QCOMPARE(zip.ReadEntry(QStringLiteral("c"), 1 << 20, bytes),
             CLimitedZip::ReadResult::ArchiveTooLarge);
    QVERIFY(bytes.isEmpty());
    QCOMPARE(zip.ReadEntry(QStringLiteral("none"), 1 << 20, bytes),
             CLimitedZip::ReadResult::Failed);
}

// Books of a file stored in the library the way the import run stores them,
// the file's kind told by its content.
CBookRecord ImportedBook(CLibraryConnection &db, const QString &title)
{
    CBookRecord book;
    book.Load(QueryText(db, QStringLiteral("SELECT BookID FROM book WHERE Title = '%1'").arg(title))
                  .toInt(),
              db);
    return book;
}

CCatalogueImportResult ImportFile(const QString &path, const QString &images,
                                  CLibraryConnection &db)
{
    QString error;
    const std::optional<CatalogueFormat> format = DetectCatalogueFormat(path, &error);
    if (!format) {
        CCatalogueImportResult failed;
        failed.error = error;
        return failed;
    }
    const std::unique_ptr<CCatalogueReader> reader =
        MakeCatalogueReader(*format, CCatalogueOptions());
    if (!reader->Open(path)) {
        CCatalogueImportResult failed;
        failed.error = reader->Error();
        return failed;
    }
    return ImportCatalogue({{path, reader.get()}}, images, db, CCatalogueImportOptions());
}

void TestImportTellico::importsIntoLibrary()
{
    CTestEnv env;
    CLibraryConnection db;
    QString images;
    QVERIFY(env.OpenLibraryWithUserCategory(db, &images));

    // The real archive: its cover comes out of the zip into the images folder.
    CCatalogueImportResult result =
        ImportFile(kDataDir + QStringLiteral("/tellico/tellico-with-image.tc"), images, db);
    QVERIFY2(result.completed, qPrintable(result.error));
    QCOMPARE(result.imported, 1);
    CBookRecord fire = ImportedBook(db, QStringLiteral("Catching Fire (The Second Book of the "
                                                       "Hunger Games)"));
    QCOMPARE(fire.Author, QStringLiteral("Collins, Suzanne"));
    QCOMPARE(fire.ISBN, QStringLiteral("0439023491"));
    QCOMPARE(fire.MyRating, 3);
    QCOMPARE(fire.ReleaseDate, QStringLiteral("2009"));
    QVERIFY2(fire.Notes.contains(QStringLiteral("Gift: true")), qPrintable(fire.Notes));
    QVERIFY(fire.Description.contains(QStringLiteral("Against all odds")));
    QVERIFY(!fire.FrontCover.isEmpty());
    QVERIFY(ReadFileBytes(QDir(images).filePath(fire.FrontCover)).startsWith("\xFF\xD8"));

    // The hand-made XML: a rating out of 10, loans from the borrowers after
    // the entries, a reading, keywords below "Tellico", the odd price and
    // ISBN kept in Notes, the cover carried in base64.
    result = ImportFile(kDataDir + QStringLiteral("/tellico/handmade-books.xml"), images, db);
    QVERIFY2(result.completed, qPrintable(result.error));
    QCOMPARE(result.imported, 2);
    CBookRecord left = ImportedBook(db, QStringLiteral("The Left Hand of Darkness"));
    QCOMPARE(left.Author, QString::fromUtf8("Le Guin, Ursula K. / Miéville, China"));
    QCOMPARE(left.MyRating, 4); // 7 out of 10, half up
    QCOMPARE(left.Series, QStringLiteral("Hainish Cycle"));
    QCOMPARE(left.SeriesNumber, QStringLiteral("4"));
    QCOMPARE(left.Loans.size(), 1);
    QCOMPARE(left.Loans.at(0).Name, QStringLiteral("Ada Brook"));
    QCOMPARE(left.Loans.at(0).DueDate, QStringLiteral("2024-06-01"));
    QCOMPARE(left.Readings.size(), 1);
    QVERIFY2(left.Notes.contains(QStringLiteral("my price")), qPrintable(left.Notes));
    QCOMPARE(ReadFileBytes(QDir(images).filePath(left.FrontCover)),
             ReadFileBytes(kDataDir + QStringLiteral("/gcstar/books_pictures/rosa.png")));
    QCOMPARE(QueryText(db, "SELECT group_concat(Name, ',') FROM (SELECT c.Name FROM category c "
                           "JOIN category p ON p.CatID = c.ParentID WHERE p.Name = 'Tellico' "
                           "ORDER BY c.Name)"),
             QStringLiteral("award winner,Hainish,Science Fiction"));
    CBookRecord cellar = ImportedBook(db, QStringLiteral("Notes from the Cellar"));
    QVERIFY2(cellar.Notes.contains(QStringLiteral("12345")), qPrintable(cellar.Notes));

    // GCstar in the newer layout: dates turned round, the current and a past
    // loan, the e-book file a link, the cover beside the collection.
    result = ImportFile(kDataDir + QStringLiteral("/gcstar/handmade-books-1.8.gcs"), images, db);
    QVERIFY2(result.completed, qPrintable(result.error));
    QCOMPARE(result.imported, 2);
    QVERIFY(result.notes.join(u'\n').contains(QStringLiteral("missing.jpg")));
    CBookRecord rosa = ImportedBook(db, QStringLiteral("Il nome della rosa"));
    // The library keeps dates in its own written form.
    QCOMPARE(rosa.ReleaseDate, QStringLiteral("Sep 15, 1980"));
    QCOMPARE(rosa.MyRating, 4);
    QCOMPARE(rosa.Loans.size(), 2);
    QCOMPARE(rosa.Loans.at(0).Name, QStringLiteral("Maria"));
    QCOMPARE(rosa.Loans.at(0).ReturnDate, QString());
    QCOMPARE(rosa.Loans.at(1).ReturnDate, QStringLiteral("2022-06-20"));
    QCOMPARE(rosa.Links.size(), 1);
    QCOMPARE(rosa.Links.at(0).Name, LoadString(194));
    QVERIFY(!rosa.FrontCover.isEmpty());
}

void TestImportTellico::hostileEntitiesRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("fileRefused");

    const QByteArray doctype = "<!DOCTYPE %1 [<!ENTITY secret SYSTEM \"SECRET_URL\">"
                               "<!ENTITY nice \"Nice Title\">]>\n";
    QTest::newRow("tellico element")
        << "tellico"
        << TellicoXml("<entry id=\"1\"><title>&secret;</title></entry>"
                      "<entry id=\"2\"><title>&nice;</title></entry>",
                      "2", QByteArray(doctype).replace("%1", "tellico"))
        << false;
    QTest::newRow("gcstar element")
        << "gcstar"
        << QByteArray(doctype).replace("%1", "collection") +
               "<collection type=\"GCbooks\" version=\"1.8.0\"><item id=\"1\"><title>&secret;"
               "</title></item><item id=\"2\"><title>&nice;</title></item></collection>"
        << false;
    // An external entity in an attribute is no well-formed XML at all.
    QTest::newRow("gcstar attribute")
        << "gcstar"
        << QByteArray(doctype).replace("%1", "collection") +
               "<collection type=\"GCbooks\" version=\"1.7.0\"><item id=\"1\" title=\"&secret;\"/>"
               "</collection>"
        << true;
    // Entities that would expand to gigabytes, in an attribute and in a text.
    QByteArray laughs = "<!DOCTYPE collection [<!ENTITY a0 \"lollollollol\">";
    for (int i = 1; i < 10; ++i)
        laughs += QByteArray("<!ENTITY a%1 \"").replace("%1", QByteArray::number(i)) +
                  QByteArray("&a%1;").replace("%1", QByteArray::number(i - 1)).repeated(10) + "\">";
    laughs += "]>\n";
    QTest::newRow("gcstar laughing attribute")
        << "gcstar"
        << laughs + "<collection type=\"GCbooks\"><item id=\"1\" title=\"&a9;\"/></collection>"
        << true;
    QTest::newRow("tellico laughing text")
        << "tellico"
        << TellicoXml("<entry id=\"1\"><title>&a9;</title></entry>", "2",
                      QByteArray(laughs).replace("collection", "tellico"))
        << true;
}

void TestImportTellico::hostileEntitiesRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, fileRefused);

    QTemporaryDir folder;
    const QString secret = folder.filePath(QStringLiteral("secret.txt"));
    WriteFile(secret, "TOPSECRET");
    const QString path = folder.filePath(QStringLiteral("entities.xml"));
    WriteFile(path, content.replace("SECRET_URL", QUrl::fromLocalFile(secret).toEncoded()));

    const std::unique_ptr<CCatalogueReader> reader = MakeReader(kind);
    const QList<CForeignBook> books = ReadAll(*reader, path);
    for (const CForeignBook &book : books)
        QVERIFY(!Describe(book, {}).join(u'\n').contains(QStringLiteral("TOPSECRET")));
    if (fileRefused) {
        QVERIFY(books.isEmpty());
        QVERIFY(!reader->Error().isEmpty());
        QVERIFY(!reader->Error().contains(QStringLiteral("TOPSECRET")));
        return;
    }
    QCOMPARE(reader->Error(), QString());
    QCOMPARE(books.size(), 2);
    QVERIFY2(books.at(0).problem.contains(QStringLiteral("external entity")),
             qPrintable(books.at(0).problem));
    QVERIFY(Describe(books.at(1), {}).contains(QStringLiteral("Title=Nice Title")));
}

void TestImportTellico::readsWindows1252_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("tellico")
        << "tellico"
        << QByteArray("<tellico><collection type=\"2\"><entry id=\"1\"><title>Caf\xE9 \x80"
                      "</title></entry></collection></tellico>");
    QTest::newRow("gcstar") << "gcstar"
                            << QByteArray("<collection type=\"GCbooks\" version=\"1.7.0\">"
                                          "<item id=\"1\" title=\"Caf\xE9 \x80\"/></collection>");
}

void TestImportTellico::readsWindows1252()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("legacy.xml"));
    WriteFile(path, content);
    const std::unique_ptr<CCatalogueReader> reader = MakeReader(kind);
    const QList<CForeignBook> books = ReadAll(*reader, path);
    QCOMPARE(reader->Error(), QString());
    QCOMPARE(books.size(), 1);
    QVERIFY(Describe(books.at(0), {}).contains(QString::fromUtf8("Title=Café €")));
    QCOMPARE(reader->Notes().size(), 1);
    QVERIFY(reader->Notes().at(0).contains(QStringLiteral("Windows-1252")));
}

QTEST_GUILESS_MAIN(TestImportTellico)
#include "tst_importtellico.moc"
