// Importing book XML files: mapping, duplicates, covers, failures, and the
// round trip through the export.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlImport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

class TestXmlImport : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection m_db;
    QString m_images;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    QString WriteFile(const QString &name, const QByteArray &contents)
    {
        return m_env->WriteFile(name, contents);
    }

    QString ThreeBookFile()
    {
        const QString cover = WriteFile(QStringLiteral("cover.gif"), "GIF89a");
        return WriteFile(
            QStringLiteral("three.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Tomelodex Version=\"1.1\" CreationDate=\"1/2/06 3:04:05 PM\">\n"
            "<Book ID=\"40\">\n<Title>First &amp; Best</Title>\n<ISBN>0596004206</ISBN>\n"
            "<MyRating>4</MyRating>\n<EbookOnly>Yes</EbookOnly>\n<Publisher>Pub</Publisher>\n"
            "<ReleaseDate>Jan 05, 2004</ReleaseDate>\n<ListPrice>12.99</ListPrice>\n"
            "<Categories>\n<Category ID=\"2\">>>Favorites</Category>\n</Categories>\n"
            "<Links>\n<Link ID=\"5\">\n<Title>a</Title>\n<Path>/a</Path>\n</Link>\n"
            "<Link ID=\"9\">\n<Path>/b</Path>\n<Notes>n</Notes>\n</Link>\n"
            "<Link ID=\"12\">\n<Title>c</Title>\n<Path>/c</Path>\n</Link>\n</Links>\n"
            "<FrontCover>" +
                cover.toUtf8() +
                "</FrontCover>\n"
                "</Book>\n"
                "<Book ID=\"41\">\n<Title>Second</Title>\n<ISBN>0131103628</ISBN>\n"
                "<MyRating>five</MyRating>\n<EbookOnly>No</EbookOnly>\n"
                "<FrontCover>/no/such/picture.jpg</FrontCover>\n</Book>\n"
                "<Book ID=\"42\">\n<Title>Third</Title>\n<ISBN>0201633612</ISBN>\n"
                "<EbookOnly>yes</EbookOnly>\n<title>ignored</title>\n</Book>\n"
                "</Tomelodex>\n");
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        QVERIFY(m_env->OpenLibraryWithUserCategory(m_db, &m_images));
    }
    void cleanup()
    {
        m_db.Close();
        delete m_env;
    }

    void importsIntoTheCategoryOnly()
    {
        CRecordingPrompt prompt;
        const QString file = ThreeBookFile();
        CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QVERIFY(result.loaded);
        QCOMPARE(result.found, 3);
        QCOMPARE(result.imported, 3);
        QCOMPARE(prompt.shown.size(), 2);
        QCOMPARE(prompt.shown.at(0).text,
                 QStringLiteral("Book 2: the cover /no/such/picture.jpg was not copied: it does "
                                "not exist or cannot be read."));
        QCOMPARE(prompt.shown.at(1).text,
                 QStringLiteral("3 books found; 3 imported to the current "
                                "category.\n3 imported, 0 skipped, 0 failed."));
        QCOMPARE(prompt.shown.at(1).icon, MsgIcon::Information);

        QCOMPARE(Value(QStringLiteral("SELECT group_concat(CatID) FROM book_category")),
                 QStringLiteral("32,32,32"));
        CBookRecord first;
        QVERIFY(first.Load(1, m_db));
        QCOMPARE(first.Title, QStringLiteral("First & Best"));
        QCOMPARE(first.MyRating, 4);
        QVERIFY(first.EBookOnly);
        QCOMPARE(first.ReleaseDate, QStringLiteral("Jan 05, 2004"));
        QCOMPARE(first.FrontCover, QStringLiteral("1.gif"));
        QCOMPARE(first.Links.size(), 3);
        QCOMPARE(first.Links.at(1).LinkID, QStringLiteral("2"));
        QCOMPARE(first.Links.at(1).Notes, QStringLiteral("n"));
        QCOMPARE(first.Links.at(2).Name, QStringLiteral("c"));
        CBookRecord second;
        QVERIFY(second.Load(2, m_db));
        QCOMPARE(second.MyRating, 0);
        QVERIFY(!second.EBookOnly);
        QCOMPARE(second.FrontCover, QString());
        CBookRecord third;
        QVERIFY(third.Load(3, m_db));
        QCOMPARE(third.Title, QStringLiteral("Third"));
        QVERIFY(!third.EBookOnly);

        // Again, skipping every duplicate.
        prompt.shown.clear();
        prompt.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes};
        result = ImportBooksXml(file, 32, m_images, m_db);
        QCOMPARE(result.found, 3);
        QCOMPARE(result.imported, 0);
        QCOMPARE(prompt.LastText(), QStringLiteral("3 books found; 0 imported to the current "
                                                   "category.\n0 imported, 3 skipped, 0 failed."));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));
    }

    void bookWithoutIsbnIsNotAQuestion()
    {
        CRecordingPrompt prompt;
        const QString file = WriteFile(
            QStringLiteral("plain.xml"),
            "<Tomelodex><Book><Title>A</Title></Book><Book><Title>B</Title></Book></Tomelodex>");
        QCOMPARE(ImportBooksXml(file, 1, m_images, m_db).imported, 2);
        QCOMPARE(ImportBooksXml(file, 1, m_images, m_db).imported, 2);
        for (const auto &shown : prompt.shown)
            QVERIFY(shown.icon != MsgIcon::Question);
    }

    // Books of the same file are checked against each other too, in the
    // ISBN's normal form.
    void duplicateWithinTheFile()
    {
        CRecordingPrompt prompt;
        prompt.answers = {MsgAnswer::Yes};
        const QString file =
            WriteFile(QStringLiteral("twice.xml"),
                      "<Tomelodex><Book><Title>A</Title><ISBN>0-596-00712-4</ISBN></Book>"
                      "<Book><Title>B</Title><ISBN>0596007124</ISBN></Book>"
                      "<Book><Title>C</Title><ISBN>0131103628</ISBN></Book></Tomelodex>");
        const CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QCOMPARE(result.imported, 2);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(prompt.shown.at(0).icon, MsgIcon::Question);
        QVERIFY(prompt.shown.at(0).text.contains(QStringLiteral("\nA\n")));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(Title) FROM book")),
                 QStringLiteral("A,C"));
    }

    // Files of older versions carry the decimal comma of the locale that
    // wrote them, newer ones a point; both read the same in any locale, and
    // a text that is no amount for sure is kept as written.
    void numbersReadInEitherFormAndAnyLocale_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        const QLocale c = QLocale::c();
        const QLocale german(QLocale::German, QLocale::Germany);
        const QString price = QStringLiteral("ListPrice");
        QTest::newRow("decimal comma") << price << "8,5" << c << "real:8.5";
        QTest::newRow("three decimals under German") << price << "1.299" << german << "real:1.299";
        QTest::newRow("three decimals after a comma") << price << "1,299" << c << "text:'1,299'";
        QTest::newRow("shop's text under German")
            << price << "$1,299.00" << german << "integer:1299";
        QTest::newRow("no amount") << price << "on request" << c << "text:'on request'";
        QTest::newRow("rating with comma")
            << QStringLiteral("AmazonRating") << "4,5" << c << "real:4.5";
        QTest::newRow("size under German")
            << QStringLiteral("BookSize") << "12.34 MB" << german << "real:12.34";
    }

    void numbersReadInEitherFormAndAnyLocale()
    {
        QFETCH(QString, element);
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        CRecordingPrompt prompt;
        QLocale::setDefault(locale);
        const QString file = WriteFile(QStringLiteral("numbers.xml"),
                                       QStringLiteral("<Tomelodex><Book><Title>t</Title><%1>%2</%1>"
                                                      "</Book></Tomelodex>")
                                           .arg(element, text)
                                           .toUtf8());
        const CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(result.imported, 1);
        QCOMPARE(Value(QStringLiteral("SELECT typeof(%1)||':'||quote(%1) FROM book").arg(element)),
                 stored);
    }

    void unreadableFilesInsertNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("malformed")
            << QByteArray("<Tomelodex><Book><Title>x</Book>")
            << QStringLiteral("Failed to load book info from XML source.\nline 1: Opening and "
                              "ending tag mismatch: Title line 1 and Book")
            << false;
        QTest::newRow("not xml") << QByteArray("Title,Author\nx,y\n")
                                 << QStringLiteral("Failed to load book info from XML "
                                                   "source.\nline 1: Document is empty")
                                 << false;
        QTest::newRow("other root")
            << QByteArray("<Library><Book><Title>x</Title></Book></Library>")
            << QStringLiteral("0 books found; 0 imported to the current "
                              "category.\n0 imported, 0 skipped, 0 failed.")
            << true;
    }

    void unreadableFilesInsertNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QFETCH(bool, loaded);
        CRecordingPrompt prompt;
        const CXmlImportResult result =
            ImportBooksXml(WriteFile(QStringLiteral("bad.xml"), contents), 32, m_images, m_db);
        QCOMPARE(result.loaded, loaded);
        QCOMPARE(result.imported, 0);
        QCOMPARE(prompt.LastText(), message);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
    }

    void failingBookLeavesNothingAndOthersGoOn()
    {
        CRecordingPrompt prompt;
        QVERIFY(ExecuteSql(
            QStringLiteral("CREATE TRIGGER no_bad BEFORE INSERT ON link WHEN NEW.Path='/bad' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END"),
            true, m_db));
        const QString file =
            WriteFile(QStringLiteral("mixed.xml"),
                      "<Tomelodex><Book><Title>Good</Title><Publisher>P1</Publisher></Book>"
                      "<Book><Title>Bad</Title><Publisher>P2</Publisher>"
                      "<Links><Link><Path>/bad</Path></Link></Links></Book>"
                      "<Book><Title>Fine</Title></Book></Tomelodex>");
        const CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QCOMPARE(result.found, 3);
        QCOMPARE(result.imported, 2);
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(BookID || Title) FROM (SELECT BookID, "
                                      "Title FROM book ORDER BY BookID)")),
                 QStringLiteral("1Good,2Fine"));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(Name) FROM bookpublisher")),
                 QStringLiteral("P1"));
    }

    void roundTripThroughTheCommandLine()
    {
        CRecordingPrompt prompt;
        CBookRecord book;
        book.Title = QStringLiteral("Tom & Jerry <2>");
        book.Description = QStringLiteral("<p>a\nb</p>");
        book.ISBN = QStringLiteral("0596004206");
        book.Links = {{QString(), QStringLiteral("l"), QStringLiteral("/p"), QString()}};
        QVERIFY(book.Save(true, 32, m_images, m_db));
        const QString lib = m_db.Path();
        m_db.Close();

        const QString cli = QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env->Path(QStringLiteral("config")));
        auto run = [&](const QStringList &args, QByteArray *out = nullptr) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(cli, args);
            process.waitForFinished();
            if (out)
                *out = process.readAllStandardOutput();
            return process.exitCode();
        };
        const QString xmlFile = m_env->Path(QStringLiteral("export.xml"));
        QByteArray printed;
        QCOMPARE(run({QStringLiteral("export-xml"), lib, QStringLiteral("1")}, &printed), 0);
        QCOMPARE(run({QStringLiteral("export-xml"), lib, QStringLiteral("1"), QStringLiteral("-o"),
                      xmlFile}),
                 0);
        QCOMPARE(QString::fromUtf8(ReadFileBytes(xmlFile)).section(u'\n', 2),
                 QString::fromUtf8(printed).section(u'\n', 2));
        QVERIFY(printed.contains("<Title>Tom &amp; Jerry &lt;2></Title>\n"));
        QCOMPARE(run({QStringLiteral("export-xml"), lib, QStringLiteral("x")}), 2);

        const QString other = m_env->Path(QStringLiteral("other.mdb"));
        QCOMPARE(run({QStringLiteral("new"), other}), 0);
        QCOMPARE(run({QStringLiteral("import-xml"), other, xmlFile, QStringLiteral("--category"),
                      QStringLiteral("1")},
                     &printed),
                 0);
        QCOMPARE(printed, QByteArray("1 book found; 1 imported to the current "
                                     "category.\n1 imported, 0 skipped, 0 failed.\n"));
        QCOMPARE(run({QStringLiteral("import-xml"), other, xmlFile, QStringLiteral("--category"),
                      QStringLiteral("1")},
                     &printed),
                 0);
        QCOMPARE(printed, QByteArray("1 book found; 0 imported to the current "
                                     "category.\n0 imported, 1 skipped, 0 failed.\n"));
        QCOMPARE(run({QStringLiteral("import-xml"), other, xmlFile, QStringLiteral("--category"),
                      QStringLiteral("1"), QStringLiteral("--duplicates"), QStringLiteral("add")},
                     &printed),
                 0);
        QCOMPARE(printed, QByteArray("1 book found; 1 imported to the current "
                                     "category.\n1 imported, 0 skipped, 0 failed.\n"));
        QCOMPARE(run({QStringLiteral("import-xml"), other, xmlFile, QStringLiteral("--category"),
                      QStringLiteral("77")}),
                 1);
        QCOMPARE(run({QStringLiteral("import-xml"), other, xmlFile}), 2);
        QCOMPARE(
            run({QStringLiteral("import-xml"), other, xmlFile, QStringLiteral("--category"),
                 QStringLiteral("1"), QStringLiteral("--duplicates"), QStringLiteral("maybe")}),
            2);

        CLibraryConnection copy;
        QVERIFY(copy.Open(other));
        CBookRecord imported;
        QVERIFY(imported.Load(1, copy));
        QCOMPARE(imported.Title, book.Title);
        QCOMPARE(imported.Description, book.Description);
        QCOMPARE(imported.Links.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestXmlImport)
#include "tst_xmlimport.moc"
