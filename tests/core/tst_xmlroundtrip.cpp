// Libraries written out as book XML and imported again: a whole library of
// 100,000 books shows the same books, and books with every field filled come
// back byte for byte whatever the locales of the two programs.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <sqlite3.h>

namespace {

constexpr int kBooks = 100000;

// Fills the library with `kBooks` books straight through SQLite: a few
// hundred publishers, dates, prices, ratings, e-book flags, HTML notes, a
// link on every tenth book; every book in Book Collection.
bool FillLibrary(sqlite3 *db)
{
    const auto exec = [db](const char *sql) {
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (!exec("BEGIN"))
        return false;
    sqlite3_stmt *publisher = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO bookpublisher (PublisherID, Name) VALUES (?, ?)", -1,
                       &publisher, nullptr);
    for (int i = 1; i <= 300; ++i) {
        const QByteArray name = "Publisher " + QByteArray::number(i) + (i % 7 ? "" : " & Söhne");
        sqlite3_bind_int(publisher, 1, i);
        sqlite3_bind_text(publisher, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_step(publisher);
        sqlite3_reset(publisher);
    }
    sqlite3_finalize(publisher);

    sqlite3_stmt *book = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO book (BookID, Title, Author, ISBN, PublisherID, PageCount, "
                       "ReleaseDate, ListPrice, MyRating, EBookOnly, Notes) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &book, nullptr);
    sqlite3_stmt *member = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO book_category (BookID, CatID) VALUES (?, 1)", -1, &member,
                       nullptr);
    sqlite3_stmt *link = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (?, 1, 'Web', ?)",
                       -1, &link, nullptr);
    bool ok = book && member && link;
    for (int id = 1; ok && id <= kBooks; ++id) {
        const QByteArray title = QStringLiteral("Title %1 <Vol. %2> & Co")
                                     .arg(id * 7919 % kBooks, 6, 10, QLatin1Char('0'))
                                     .arg(id % 12)
                                     .toUtf8();
        const QByteArray author = "Author " + QByteArray::number(id % 3001);
        const QByteArray isbn = QByteArray::number(100000000 + id) + "X";
        const QByteArray date = QStringLiteral("%1-%2-%3")
                                    .arg(1950 + id % 57)
                                    .arg(1 + id % 12, 2, 10, QLatin1Char('0'))
                                    .arg(1 + id % 28, 2, 10, QLatin1Char('0'))
                                    .toUtf8();
        const QByteArray notes = "<p>Note " + QByteArray::number(id) + "\nline two</p>";
        sqlite3_bind_int(book, 1, id);
        sqlite3_bind_text(book, 2, title.constData(), int(title.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(book, 3, author.constData(), int(author.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(book, 4, isbn.constData(), int(isbn.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(book, 5, 1 + id % 300);
        sqlite3_bind_int(book, 6, 50 + id % 900);
        sqlite3_bind_text(book, 7, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(book, 8, (id % 9000) / 100.0);
        sqlite3_bind_int(book, 9, id % 6);
        sqlite3_bind_int(book, 10, id % 5 == 0);
        sqlite3_bind_text(book, 11, notes.constData(), int(notes.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(member, 1, id);
        ok = sqlite3_step(book) == SQLITE_DONE && sqlite3_step(member) == SQLITE_DONE;
        sqlite3_reset(book);
        sqlite3_reset(member);
        if (ok && id % 10 == 0) {
            const QByteArray path = "https://example.org/" + QByteArray::number(id);
            sqlite3_bind_int(link, 1, id);
            sqlite3_bind_text(link, 2, path.constData(), int(path.size()), SQLITE_TRANSIENT);
            ok = sqlite3_step(link) == SQLITE_DONE;
            sqlite3_reset(link);
        }
    }
    sqlite3_finalize(book);
    sqlite3_finalize(member);
    sqlite3_finalize(link);
    return ok && exec("COMMIT");
}

// The list lines without the book numbers, which the import gives anew.
QStringList WithoutIds(const QString &list)
{
    QStringList lines = list.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.section(u'\t', 1);
    return lines;
}

// Texts XML makes hard: markup characters, the end of a CDATA section,
// quotes, characters beyond the BMP, Windows line ends, a tab, a control
// character that no XML document can carry.
const QString kOddTexts[] = {
    QStringLiteral("Tom & Jerry <2>"),
    QStringLiteral("ends ]]> here"),
    QStringLiteral("quotes ' \" ` and &amp; as written"),
    QStringLiteral("Ünïcödé 漢字 😀 \u202eRTL"),
    QStringLiteral("line\r\nbreak\rand\nmore"),
    QStringLiteral("tab\there"),
    QStringLiteral("bell\u0007ringing"),
    QStringLiteral("<![CDATA[not a section]]>"),
};

// Release dates as the program writes them, a year alone, old and leap dates.
const QString kDates[] = {
    QStringLiteral("Jan 05, 2004"), QStringLiteral("1999"),         QStringLiteral("Feb 29, 2000"),
    QStringLiteral("Dec 31, 1899"), QStringLiteral("Jul 04, 1776"), QStringLiteral("Mar 01, 2024"),
    QStringLiteral("Sep 2000"),
};

// Prices as people and shops write them; "5-10 €" and "n/a" are no amount
// and are kept as text.
const QString kPrices[] = {
    QStringLiteral("8.5"),
    QStringLiteral("1234.56"),
    QStringLiteral("0"),
    QStringLiteral("0.0001"),
    QStringLiteral("-3.25"),
    QStringLiteral("1234567.89"),
    QStringLiteral("$1,299.00"),
    QStringLiteral("EUR 5"),
    QStringLiteral("5-10 €"),
    QStringLiteral("19.99"),
    QStringLiteral("0.123456"),
    QStringLiteral("n/a"),
    QString(),
};

template <typename T, size_t N> const T &Pick(const T (&values)[N], int i)
{
    return values[size_t(i) % N];
}

// Book `i` with every field filled; the first has a 12 MB description,
// longer than libxml2 takes in one text by default.
CBookRecord GeneratedBook(int i, const QString &cover)
{
    const QString odd = Pick(kOddTexts, i);
    CBookRecord book;
    book.Title = odd + QStringLiteral(" #%1").arg(i);
    book.Subtitle = Pick(kOddTexts, i + 1);
    book.Author = QStringLiteral("Author %1 & Co").arg(i % 5);
    book.URL = QStringLiteral("https://example.org/book?id=%1&x=<y>").arg(i);
    book.Edition = QStringLiteral("%1. Auflage").arg(i % 4 + 1);
    book.ReleaseDate = Pick(kDates, i);
    book.Publisher = QStringLiteral("Verlag %1 & Söhne").arg(i % 3);
    book.ISBN = QStringLiteral("97800000%1").arg(i, 5, 10, QLatin1Char('0'));
    book.PageCount = QString::number(100 + i);
    book.Language = i % 2 ? QStringLiteral("Deutsch") : QStringLiteral("English");
    book.Binding = QStringLiteral("Paperback");
    book.Dimension = QStringLiteral("21 x 14,8 cm");
    book.Extras = QStringLiteral("CD <audio>");
    book.PurchaseDate = QStringLiteral("2003-0%1-1%2").arg(i % 9 + 1).arg(i % 10);
    book.Store = QStringLiteral("Store's \"best\"");
    book.PurchasePrice = Pick(kPrices, i);
    book.ListPrice = Pick(kPrices, i + 3);
    book.AmazonPrice = Pick(kPrices, i + 7);
    book.Location = QStringLiteral("Shelf %1").arg(i % 4);
    book.Status = QStringLiteral("Read");
    book.CurrentPage = QString::number(i * 3);
    book.AmazonRating = QString::number(1 + (i % 9) * 0.5);
    book.NumOfReviews = QString::number(i * 11);
    book.MyRating = i % 6;
    book.UserText1 = odd;
    book.UserText2 = QStringLiteral("user 2 · %1").arg(i);
    book.EBookOnly = i % 2 == 1;
    book.Format = QStringLiteral("PDF");
    book.BookSize = QStringLiteral("%1.25 MB").arg(i);
    const QString paragraph =
        QStringLiteral("<p>Long &amp; winding <b>road</b>\r\n") + odd + QStringLiteral("</p>\r\n");
    book.Description = i == 0 ? paragraph.repeated(12 * 1024 * 1024 / paragraph.size() + 1)
                              : paragraph.repeated(i + 1);
    book.Notes = QStringLiteral("<p>Note\r\n%1</p>").arg(odd);
    for (int l = 0; l < i % 3; ++l)
        book.Links.append({QString(), Pick(kOddTexts, i + l), QStringLiteral("/path/%1").arg(l),
                           QStringLiteral("note %1").arg(l)});
    if (i % 4 == 0)
        book.CoverTempPath = cover;
    if (i % 8 == 0)
        book.BackCoverTempPath = cover;
    return book;
}

// The file without what differs between two exports of the same books:
// the time of the export and the images folder of the library.
QString Comparable(const QByteArray &xml)
{
    QString text = QString::fromUtf8(xml);
    text.replace(QRegularExpression(QStringLiteral("CreationDate=\"[^\"]*\"")),
                 QStringLiteral("CreationDate=\"\""));
    text.replace(QRegularExpression(QStringLiteral("(<(?:Front|Back)Cover>)[^<]*/")),
                 QStringLiteral("\\1"));
    return text;
}

// How the library keeps each book's numbers: storage type and value.
QString StoredNumbers(CLibraryConnection &db)
{
    return QueryText(
        db, QStringLiteral("SELECT group_concat(n, ' | ') FROM (SELECT "
                           "typeof(PurchasePrice)||':'||quote(PurchasePrice)||' '||"
                           "typeof(ListPrice)||':'||quote(ListPrice)||' '||"
                           "typeof(AmazonPrice)||':'||quote(AmazonPrice)||' '||"
                           "quote(AmazonRating)||' '||quote(BookSize)||' '||quote(ReleaseDate) "
                           "AS n FROM book ORDER BY BookID)"));
}

} // namespace

class TestXmlRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyFieldComesBackByteForByteAcrossLocales()
    {
        CTestEnv env;
        const QString config = env.Path(QStringLiteral("config"));
        const QString cover = env.WriteFile(QStringLiteral("cover.gif"), "GIF89a;");
        QLocale::setDefault(QLocale::c());
        constexpr int kGenerated = 24;
        QString original;
        QString storedBefore;
        {
            CLibraryConnection db;
            QString images;
            QVERIFY(env.OpenLibraryWithUserCategory(db, &images));
            original = db.Path();
            CRecordingPrompt prompt;
            for (int i = 0; i < kGenerated; ++i) {
                CBookRecord book = GeneratedBook(i, cover);
                QVERIFY2(book.Save(true, 32, images, db), qPrintable(book.SaveError));
            }
            storedBefore = StoredNumbers(db);
        }
        QVERIFY(storedBefore.contains(QStringLiteral("real:8.5 ")));
        QVERIFY(storedBefore.contains(QStringLiteral("text:'5-10 €'")));

        const QStringList german{QStringLiteral("LC_ALL=de_DE.UTF-8")};
        const QStringList plain{QStringLiteral("LC_ALL=C")};
        QStringList ids;
        for (int i = 1; i <= kGenerated; ++i)
            ids.append(QString::number(i));
        // Exports `library` under `locale`; imports the file into a new
        // library with the category Mine under another; gives both.
        const auto exportFrom = [&](const QString &library, const QStringList &locale) {
            const QString file = env.Path(QFileInfo(library).baseName() + QStringLiteral(".xml"));
            const CliRun run = RunCliTool(QStringList{QStringLiteral("export-xml"), library} + ids +
                                              QStringList{QStringLiteral("-o"), file},
                                          config, QByteArray(), locale);
            [&] { QCOMPARE(run.code, 0); }();
            return file;
        };
        const auto importInto = [&](const QString &name, const QString &file,
                                    const QStringList &locale) {
            const QString library = env.CopyTemplate(name);
            {
                CLibraryConnection db;
                [&] {
                    QVERIFY(db.Open(library));
                    QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO category (CatID, Name, "
                                                      "ParentID) VALUES (32, 'Mine', 1)"),
                                       true, db));
                }();
            }
            const CliRun run = RunCliTool({QStringLiteral("import-xml"), library, file,
                                           QStringLiteral("--category"), QStringLiteral("32")},
                                          config, QByteArray(), locale);
            [&] {
                QCOMPARE(run.code, 0);
                QCOMPARE(run.out.section(u'\n', 1, 1),
                         QStringLiteral("%1 imported, 0 skipped, 0 failed.").arg(kGenerated));
            }();
            return library;
        };

        const QString first = exportFrom(original, german);
        QVERIFY(!QTest::currentTestFailed());
        const QByteArray firstXml = ReadFileBytes(first);
        // Numbers carry a point whatever the locale of the export.
        QVERIFY(firstXml.contains("<PurchasePrice>8.5</PurchasePrice>"));
        QVERIFY(firstXml.contains("<ListPrice>1234.56</ListPrice>"));
        QVERIFY(!firstXml.contains(">8,5<"));

        const QString plainCopy = importInto(QStringLiteral("plain.mdb"), first, plain);
        QVERIFY(!QTest::currentTestFailed());
        const QString second = exportFrom(plainCopy, plain);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(Comparable(ReadFileBytes(second)), Comparable(firstXml));

        const QString germanCopy = importInto(QStringLiteral("german.mdb"), second, german);
        QVERIFY(!QTest::currentTestFailed());
        const QString third = exportFrom(germanCopy, german);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(Comparable(ReadFileBytes(third)), Comparable(firstXml));

        for (const QString &copy : {plainCopy, germanCopy}) {
            CLibraryConnection db;
            QVERIFY(db.Open(copy));
            QCOMPARE(StoredNumbers(db), storedBefore);
        }
    }
    void wholeLibraryComesBackTheSame()
    {
        CTestEnv env;
        const QString config = env.Path(QStringLiteral("config"));
        const QString original = env.CopyTemplate(QStringLiteral("original.mdb"));
        {
            CLibraryConnection db;
            QVERIFY(db.Open(original));
            QVERIFY(FillLibrary(db.Handle()));
        }
        const QString xml = env.Path(QStringLiteral("all.xml"));
        QCOMPARE(RunCliTool({QStringLiteral("export-xml"), original, QStringLiteral("--category"),
                             QStringLiteral("5"), QStringLiteral("-o"), xml},
                            config)
                     .code,
                 0);
        const QString copy = env.Path(QStringLiteral("copy.mdb"));
        QCOMPARE(RunCliTool({QStringLiteral("new"), copy}, config).code, 0);
        const CliRun imported = RunCliTool({QStringLiteral("import-xml"), copy, xml,
                                            QStringLiteral("--category"), QStringLiteral("1")},
                                           config);
        QCOMPARE(imported.code, 0);
        QCOMPARE(imported.out,
                 QStringLiteral("100000 books were found; 100000 books were imported to the "
                                "current category.\n100000 imported, 0 skipped, 0 failed.\n"));

        const CliRun before = RunCliTool({QStringLiteral("list"), original}, config);
        const CliRun after = RunCliTool({QStringLiteral("list"), copy}, config);
        QCOMPARE(before.code, 0);
        QCOMPARE(after.code, 0);
        const QStringList beforeLines = WithoutIds(before.out);
        QCOMPARE(beforeLines.size(), kBooks);
        QCOMPARE(WithoutIds(after.out), beforeLines);

        // Every field of a sample of books, matched by their ISBN.
        CLibraryConnection from;
        CLibraryConnection to;
        QVERIFY(from.Open(original));
        QVERIFY(to.Open(copy));
        for (int id = 1; id <= kBooks; id += 997) {
            CBookRecord a;
            QVERIFY(a.Load(id, from));
            const QString newId = QueryText(
                to, QStringLiteral("SELECT BookID FROM book WHERE ISBN='%1'").arg(a.ISBN));
            CBookRecord b;
            QVERIFY(b.Load(newId.toInt(), to));
            QCOMPARE(b.Title, a.Title);
            QCOMPARE(b.Author, a.Author);
            QCOMPARE(b.Publisher, a.Publisher);
            QCOMPARE(b.PageCount, a.PageCount);
            QCOMPARE(b.ReleaseDate, a.ReleaseDate);
            QCOMPARE(b.ListPrice, a.ListPrice);
            QCOMPARE(b.MyRating, a.MyRating);
            QCOMPARE(b.EBookOnly, a.EBookOnly);
            QCOMPARE(b.Notes, a.Notes);
            QCOMPARE(b.Links.size(), a.Links.size());
            if (!a.Links.isEmpty())
                QCOMPARE(b.Links.at(0).Path, a.Links.at(0).Path);
        }
    }
};

QTEST_GUILESS_MAIN(TestXmlRoundTrip)
#include "tst_xmlroundtrip.moc"
