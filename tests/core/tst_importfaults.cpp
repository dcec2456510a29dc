// Importing book XML files under faults from outside: hostile files, a full
// disk, a library another program is writing to, cover paths that are not
// pictures, and an import killed halfway.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "xml/BookXmlReader.h"
#include "xml/XmlImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kCannotRead = QStringLiteral("Failed to load book info from XML source.\n");

QByteArray Book(const QByteArray &title, const QByteArray &extra = QByteArray())
{
    return "<Book><Title>" + title + "</Title>" + extra + "</Book>\n";
}

// `count` books with a description of about 2 kB each.
QByteArray ManyBooks(int count, const QByteArray &extra = QByteArray())
{
    QByteArray xml = "<Tomelodex>\n";
    const QByteArray description = "<Description>" + QByteArray(2000, 'd') + "</Description>";
    for (int i = 1; i <= count; ++i)
        xml += Book("Book " + QByteArray::number(i), description + extra);
    return xml + "</Tomelodex>\n";
}

} // namespace

class TestImportFaults : public QObject
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

    QStringList ImagesFolder() const
    {
        return QDir(m_images).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString ConfigHome() const { return m_env->Path(QStringLiteral("config")); }

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

    void hostileFilesFailAndLeaveTheLibraryAsItWas_data()
    {
        QTest::addColumn<QByteArray>("doctype");
        QTest::addColumn<QByteArray>("secondBook");
        QTest::addColumn<QString>("reason");

        QByteArray laughs = "<!DOCTYPE Tomelodex [<!ENTITY l0 \"laugh\">";
        for (int i = 1; i <= 9; ++i)
            laughs += QStringLiteral("<!ENTITY l%1 \"%2\">")
                          .arg(i)
                          .arg(QStringLiteral("&l%1;").arg(i - 1).repeated(10))
                          .toUtf8();
        QTest::newRow("nested entities") << laughs + "]>" << Book("&l9;") << QString();
        // One big entity referenced often: each reference is cheap to parse
        // but the text grows with every one.
        QTest::newRow("wide entity")
            << "<!DOCTYPE Tomelodex [<!ENTITY big \"" + QByteArray(100000, 'x') + "\">]>"
            << Book(QByteArray("&big;").repeated(200))
            << QStringLiteral("Book 2, line 5: its entities expand to more than 10 MiB of text");
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE Tomelodex [<!ENTITY pw SYSTEM \"file:///etc/passwd\">]>")
            << Book("&pw;")
            << QStringLiteral("The file refers to the external resource file:///etc/passwd, "
                              "which is never loaded.");
        QTest::newRow("external DTD")
            << QByteArray("<!DOCTYPE Tomelodex SYSTEM \"http://127.0.0.1:9/books.dtd\">")
            << Book("x")
            << QStringLiteral("The file refers to the external resource "
                              "http://127.0.0.1:9/books.dtd, which is never loaded.");
        QTest::newRow("deep nesting")
            << QByteArray() << Book("<a>" + QByteArray("<a>").repeated(5000)) << QString();
        QTest::newRow("deep nesting, closed")
            << QByteArray()
            << Book(QByteArray("<a>").repeated(300000) + QByteArray("</a>").repeated(300000))
            << QStringLiteral("Book 2, line 5: its elements are nested deeper than 256 levels");
        QTest::newRow("broken second book")
            << QByteArray() << "<Book><Notes>" + QByteArray(4000, 'n') + "</Notes><Title>x</Book>"
            << QStringLiteral("After book 1, line 5: Opening and "
                              "ending tag mismatch: Title line 5 "
                              "and Book");
    }

    void hostileFilesFailAndLeaveTheLibraryAsItWas()
    {
        QFETCH(QByteArray, doctype);
        QFETCH(QByteArray, secondBook);
        QFETCH(QString, reason);
        CRecordingPrompt prompt;
        const QString file = WriteFile(QStringLiteral("hostile.xml"),
                                       "<?xml version=\"1.0\"?>\n" + doctype + "\n<Tomelodex>\n" +
                                           Book("First", "<Publisher>P</Publisher><Notes>" +
                                                             QByteArray(4000, 'n') + "</Notes>") +
                                           secondBook + "</Tomelodex>\n");
        const CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QVERIFY(!result.loaded);
        QVERIFY(!result.completed);
        QCOMPARE(result.imported, 0);
        QVERIFY2(prompt.LastText().startsWith(kCannotRead), qPrintable(prompt.LastText()));
        if (!reason.isEmpty())
            QCOMPARE(prompt.LastText(), kCannotRead + reason);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("0"));
    }

    // Each book is built whole in memory, so one that takes more of the file
    // than any book a library holds stops the reading; the books before it
    // were read.
    void oversizedBookStopsTheReading()
    {
        const QByteArray notes = "<Notes>" + QByteArray(2 << 20, 'n') + "</Notes>";
        const QString file = WriteFile(QStringLiteral("big.xml"),
                                       "<Tomelodex>\n" + Book("Small") + Book("Big", notes) +
                                           Book("After") + "</Tomelodex>\n");
        CBookXmlReader reader(file, 1 << 20);
        CBookRecord first;
        QVERIFY(reader.ReadNext(first));
        QCOMPARE(first.Title, QStringLiteral("Small"));
        CBookRecord second;
        QVERIFY(!reader.ReadNext(second));
        QVERIFY(reader.Failed());
        QVERIFY2(reader.Error().contains(QStringLiteral("more than 1 MiB of the file")),
                 qPrintable(reader.Error()));

        // Within the limit the same book is read whole.
        CBookXmlReader roomy(file, 4 << 20);
        CBookRecord book;
        QVERIFY(roomy.ReadNext(book) && roomy.ReadNext(book));
        QCOMPARE(book.Notes.size(), qsizetype(2 << 20));
        QVERIFY(roomy.ReadNext(book));
        QVERIFY(!roomy.ReadNext(book));
        QVERIFY(!roomy.Failed());
    }

    void ownEntitiesWithinBoundsAreExpanded()
    {
        CRecordingPrompt prompt;
        const QString file = WriteFile(
            QStringLiteral("entities.xml"),
            "<!DOCTYPE Tomelodex [<!ENTITY co \"&amp; Co\"><!ENTITY pub \"Smith &co;\">]>\n"
            "<Tomelodex>" +
                Book("A&#233;", "<Publisher>&pub;</Publisher>") + "</Tomelodex>");
        QCOMPARE(ImportBooksXml(file, 32, m_images, m_db).imported, 1);
        CBookRecord book;
        QVERIFY(book.Load(1, m_db));
        QCOMPARE(book.Title, QStringLiteral("Aé"));
        QCOMPARE(book.Publisher, QStringLiteral("Smith & Co"));
    }

    // Only regular picture files are copied; the books come in without the
    // others, and the import says why for each.
    void coversMustBeRegularPictureFiles()
    {
        CRecordingPrompt prompt;
        const QString folder = m_env->Path(QStringLiteral("exchange"));
        WriteFile(QStringLiteral("exchange/covers/front.jpg"), "\xFF\xD8\xFF\xE0 jpeg");
        WriteFile(QStringLiteral("exchange/scan.dat"), "\x89PNG\r\n\x1A\n png");
        WriteFile(QStringLiteral("exchange/notes.jpg"), "just some text");
        const QString fifo = folder + QStringLiteral("/pipe.gif");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString link = folder + QStringLiteral("/link.jpg");
        QVERIFY(QFile::link(folder + QStringLiteral("/covers/front.jpg"), link));
        const QString big = WriteFile(QStringLiteral("exchange/big.gif"), "GIF89a");
        QVERIFY(QFile::resize(big, 9 * 1024 * 1024));

        const QString file =
            WriteFile(QStringLiteral("exchange/books.xml"),
                      "<Tomelodex>" +
                          Book("Relative", "<FrontCover>covers/front.jpg</FrontCover>"
                                           "<BackCover>scan.dat</BackCover>") +
                          Book("Text", "<FrontCover>notes.jpg</FrontCover>") +
                          Book("Fifo", "<FrontCover>" + fifo.toUtf8() + "</FrontCover>") +
                          Book("Link", "<FrontCover>link.jpg</FrontCover>") +
                          Book("Device", "<FrontCover>/dev/zero</FrontCover>") +
                          Book("Big", "<BackCover>big.gif</BackCover>") + "</Tomelodex>");
        // Relative paths are the file's, not the current folder's.
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        const CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db);
        QCOMPARE(result.imported, 6);
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(BookID || ':' || "
                                      "ifnull(FrontCover, '-') || ':' || ifnull(BackCover, '-')) "
                                      "FROM (SELECT * FROM book ORDER BY BookID)")),
                 QStringLiteral("1:1.jpg:1b.png,2:-:-,3:-:-,4:-:-,5:-:-,6:-:-"));
        QCOMPARE(ImagesFolder(), QStringList({QStringLiteral("1.jpg"), QStringLiteral("1b.png")}));
        QCOMPARE(ReadFileBytes(QDir(m_images).filePath(QStringLiteral("1b.png"))),
                 QByteArray("\x89PNG\r\n\x1A\n png"));
        QCOMPARE(prompt.shown.size(), 2);
        QCOMPARE(prompt.shown.at(0).text,
                 QStringLiteral(
                     "Book 2: the cover notes.jpg was not copied: it is not a JPEG, GIF, PNG or "
                     "BMP picture.\n"
                     "Book 3: the cover %1 was not copied: it is not a regular file.\n"
                     "Book 4: the cover link.jpg was not copied: it is not a regular file.\n"
                     "Book 5: the cover /dev/zero was not copied: it is not a regular file.\n"
                     "Book 6: the cover big.gif was not copied: it is larger than 8 MB.")
                     .arg(fifo));
    }

    // The disk fills up halfway: the database rolls the transaction back, and
    // the import stops there instead of going on book by book.
    void fullDiskEndsTheImportAndKeepsNothing()
    {
        const QString library = m_db.Path();
        m_db.Close();
        const QString file = WriteFile(QStringLiteral("many.xml"), ManyBooks(3000));
        const qint64 limit = QFileInfo(library).size() + 1024 * 1024;

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([limit] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
        process.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                      {QStringLiteral("import-xml"), library, file, QStringLiteral("--category"),
                       QStringLiteral("32")});
        QVERIFY(process.waitForFinished(120000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(errors.contains(QStringLiteral("The import was stopped and nothing of it was "
                                                "kept:\n")),
                 qPrintable(errors));
        QVERIFY(process.readAllStandardOutput().isEmpty());

        QVERIFY(m_db.Open(library));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
        QCOMPARE(Value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    }

    void busyLibrary()
    {
        CRecordingPrompt prompt;
        const QString file = WriteFile(QStringLiteral("two.xml"),
                                       "<Tomelodex>" + Book("A") + Book("B") + "</Tomelodex>");
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_db.Path()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

        // Given up after the wait: nothing written, and said so.
        CXmlImportOptions options;
        options.busyWaitSeconds = 0;
        CXmlImportResult result = ImportBooksXml(file, 32, m_images, m_db, options);
        QVERIFY(!result.completed);
        QCOMPARE(result.imported, 0);
        QCOMPARE(prompt.LastText(),
                 QStringLiteral("The library is in use by another program. Nothing was "
                                "imported."));

        // Freed while the import waits longer: it goes on in its transaction.
        std::thread holder([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(6500));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        QStringList waiting;
        options.busyWaitSeconds = 60;
        options.onWaiting = [&waiting](const QString &status) { waiting.append(status); };
        result = ImportBooksXml(file, 32, m_images, m_db, options);
        holder.join();
        sqlite3_close(other);
        QVERIFY(result.completed);
        QCOMPARE(result.imported, 2);
        QVERIFY(!waiting.isEmpty());
        QCOMPARE(waiting.first(), QStringLiteral("The library is in use by another program; "
                                                 "waiting until it is free..."));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("2"));
    }

    // Killed while it runs, an import leaves only staging files, which the
    // next open of the library removes.
    void killedImportLeavesNoCovers()
    {
        const QString library = m_db.Path();
        m_db.Close();
        WriteFile(QStringLiteral("cover.gif"), "GIF89a cover");
        const QString file = WriteFile(QStringLiteral("covers.xml"),
                                       ManyBooks(20000, "<FrontCover>cover.gif</FrontCover>"));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome());
        process.setProcessEnvironment(environment);
        process.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                      {QStringLiteral("import-xml"), library, file, QStringLiteral("--category"),
                       QStringLiteral("32")});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(ImagesFolder().size() >= 200, 60000);
        process.kill();
        QVERIFY(process.waitForFinished());

        const QStringList left = ImagesFolder();
        QVERIFY(!left.isEmpty());
        for (const QString &name : left)
            QVERIFY2(name.startsWith(QStringLiteral(".tomelo-cover-")), qPrintable(name));
        const CliRun list = RunCliTool({QStringLiteral("list"), library}, ConfigHome());
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QString());
        QCOMPARE(ImagesFolder(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
