// The batch query engine against the fake product service: per-entry
// results, saving, cancelling, fatal errors and e-book files; and the add
// command built on it.

#include "FakeOpenLibrary.h"
#include "FakeService.h"
#include "TestSupport.h"

#include "app/AppSettings.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "online/BatchQueryEngine.h"
#include "online/IsbnRules.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSemaphore>
#include <QTest>

#include <map>
#include <memory>

class TestBatch : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CFakeService *m_service = nullptr;
    CLibraryConnection m_db;
    QString m_images;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    // Runs the engine to its end and returns the Title cells by row.
    std::map<int, QString> Run(CBatchQueryEngine &engine, int *finished, int *cancelled)
    {
        std::map<int, QString> cells;
        QMutex mutex;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            QMutexLocker lock(&mutex);
            cells[index] = result.titleCell;
        };
        engine.onFinished = [&] { ++*finished; };
        engine.onCancelled = [&] { ++*cancelled; };
        engine.Start();
        engine.Wait();
        return cells;
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        m_service = new CFakeService;
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        CAppSettings::SetServiceHost(m_service->baseUrl());
        CAppSettings::SetStoreHost(m_service->baseUrl());
        QVERIFY(m_env->OpenLibraryWithUserCategory(m_db, &m_images));
    }
    void cleanup()
    {
        m_db.Close();
        delete m_service;
        delete m_env;
    }

    void unknownIsbnIsAnErrorRowAndTheJobGoesOn()
    {
        CRecordingPrompt prompt;
        CBatchQueryEngine engine(m_db, m_images);
        QVERIFY(!engine.Start()); // nothing queued
        QCOMPARE(int(engine.m_state), int(CBatchQueryEngine::kReady));

        engine.m_queue = {QStringLiteral("0-596-00712-4"), QStringLiteral("1111111111"),
                          QStringLiteral("080442957x")};
        engine.m_categoryId = 32;
        int finished = 0, cancelled = 0;
        const auto cells = Run(engine, &finished, &cancelled);
        QCOMPARE(finished, 1);
        QCOMPARE(cancelled, 0);
        QCOMPARE(int(engine.m_state), int(CBatchQueryEngine::kFinished));
        QCOMPARE(engine.ProgressPercent(), 100);
        QCOMPARE(int(cells.size()), 3);
        QVERIFY(!cells.at(0).startsWith(QStringLiteral("Error: ")));
        QVERIFY2(
            cells.at(1).startsWith(QStringLiteral("Error: Error message returned from Amazon:\n")),
            qPrintable(cells.at(1)));
        QVERIFY(!cells.at(2).startsWith(QStringLiteral("Error: ")));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("2"));
        QCOMPARE(Value(QStringLiteral(
                     "SELECT group_concat(ISBN) FROM (SELECT ISBN FROM book ORDER BY BookID)")),
                 QStringLiteral("0596007124,080442957X"));
        QCOMPARE(Value(QStringLiteral("SELECT Title FROM book WHERE BookID=1")), cells.at(0));
        // The service's error is silent: it shows only in the row.
        for (const auto &shown : prompt.shown)
            QVERIFY2(!shown.text.startsWith(QStringLiteral("Error message returned")),
                     qPrintable(shown.text));
    }

    void cancelFinishesTheCurrentEntryOnly()
    {
        CRecordingPrompt prompt;
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("080442957X"),
                          QStringLiteral("0596004206"), QStringLiteral("1876543213"),
                          QStringLiteral("1876543221")};
        engine.m_categoryId = 32;
        int finished = 0, cancelled = 0;
        std::map<int, QString> cells;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            cells[index] = result.titleCell;
            if (index == 1)
                engine.RequestCancel();
        };
        engine.onFinished = [&] { ++finished; };
        engine.onCancelled = [&] { ++cancelled; };
        QVERIFY(engine.Start());
        engine.Wait();
        QCOMPARE(cancelled, 1);
        QCOMPARE(finished, 0);
        QCOMPARE(int(cells.size()), 2);
        QCOMPARE(engine.m_current.load(), 2);
        QCOMPARE(engine.ProgressPercent(), 40);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("2"));
    }

    // A service that stalls does not hold the cancel up: the transfer in hand
    // is aborted, its entry fails quietly and nothing more is looked up.
    void cancelAbortsAStalledTransfer()
    {
        CRecordingPrompt prompt;
        QVERIFY(m_service->delayLookup(QStringLiteral("080442957X"), 60000));
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("080442957X"),
                          QStringLiteral("0596004206")};
        engine.m_categoryId = 32;
        QSemaphore firstDone;
        std::map<int, CBatchEntryResult> results;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            results[index] = result;
            if (index == 0)
                firstDone.release();
        };
        int cancelled = 0;
        engine.onCancelled = [&] { ++cancelled; };
        QVERIFY(engine.Start());
        firstDone.acquire();
        // The second lookup is under way and stalls.
        QTRY_VERIFY(m_service->requests().filter(QStringLiteral("080442957X")).size() == 1);
        engine.RequestCancel();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.IsRunning(), 5000);
        engine.Wait();
        QCOMPARE(cancelled, 1);
        QCOMPARE(int(results.size()), 2);
        QCOMPARE(results[1].outcome, CBatchEntryResult::kLookupFailed);
        QCOMPARE(results[1].titleCell, QStringLiteral("Error: The transfer was cancelled."));
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));
        QVERIFY(m_service->requests().filter(QStringLiteral("0596004206")).isEmpty());
    }

    void destroyingTheEngineStopsTheJob()
    {
        CRecordingPrompt prompt;
        QSemaphore firstDone;
        std::atomic<int> entries{0};
        std::atomic<int> added{0};
        {
            CBatchQueryEngine engine(m_db, m_images);
            engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("080442957X"),
                              QStringLiteral("0596004206"), QStringLiteral("1876543213"),
                              QStringLiteral("1876543221")};
            engine.m_categoryId = 32;
            engine.onEntryDone = [&](int, const CBatchEntryResult &result) {
                if (result.outcome == CBatchEntryResult::kAdded)
                    ++added;
                if (++entries == 1)
                    firstDone.release();
            };
            QVERIFY(engine.Start());
            QVERIFY(engine.IsRunning());
            firstDone.acquire();
        }
        // The entry in hand when the engine went may have been cut off.
        QVERIFY2(entries <= 2, qPrintable(QString::number(entries)));
        QVERIFY(added >= 1);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QString::number(added));
    }

    void fatalErrorCancelsTheJob()
    {
        CRecordingPrompt prompt;
        // Nothing listens there: every answer fails to load.
        CAppSettings::SetServiceHost(QStringLiteral("http://127.0.0.1:1"));
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("080442957X"),
                          QStringLiteral("0596004206")};
        engine.m_categoryId = 32;
        int finished = 0, cancelled = 0;
        const auto cells = Run(engine, &finished, &cancelled);
        QCOMPARE(cancelled, 1);
        QCOMPARE(int(cells.size()), 1);
        QCOMPARE(cells.at(0), QStringLiteral("Error: Failed to load book info from XML source."));
        QVERIFY(!engine.m_record.HasFatalError);
        QCOMPARE(prompt.LastText(), QStringLiteral("Fatal error occurred. Job will be cancelled."));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
    }

    // Each entry tells what became of it; a save that fails is an error with
    // the database's reason, and the entry's downloads are gone by the time
    // it is reported.
    void outcomesTellSavesApart()
    {
        CRecordingPrompt prompt;
        const QString temp = m_env->Path(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(temp));
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp));
        QVERIFY(ExecuteSql(QStringLiteral("CREATE TRIGGER shelf_full BEFORE INSERT ON book WHEN "
                                          "NEW.ISBN='080442957X' BEGIN SELECT RAISE(ABORT, "
                                          "'the shelf is full'); END"),
                           true, m_db));
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("080442957X"),
                          QStringLiteral("0596007124"), QStringLiteral("1111111111")};
        engine.m_categoryId = 32;
        prompt.answers = {MsgAnswer::Yes}; // skip the duplicate
        std::map<int, CBatchEntryResult> results;
        QStringList leftOver;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            results[index] = result;
            leftOver += QDir(temp).entryList(QDir::Files | QDir::Hidden);
        };
        QVERIFY(engine.Start());
        engine.Wait();
        qputenv("TMPDIR", oldTemp);
        QCOMPARE(int(results.size()), 4);
        QCOMPARE(results.at(0).outcome, CBatchEntryResult::kAdded);
        QCOMPARE(results.at(1).outcome, CBatchEntryResult::kSaveFailed);
        QCOMPARE(results.at(1).titleCell, QStringLiteral("Error: the shelf is full"));
        QCOMPARE(results.at(2).outcome, CBatchEntryResult::kDuplicateSkipped);
        QCOMPARE(results.at(2).titleCell, results.at(0).titleCell);
        QCOMPARE(results.at(3).outcome, CBatchEntryResult::kNotFound);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));
        QCOMPARE(leftOver, QStringList());
    }

    // The library's own ISBNs are checked before anything is fetched: each
    // duplicate, in either ISBN form, is asked about while no request has
    // been made, a skipped one is never asked for, "add anyway" is not asked
    // again when the book is saved, and new books take the status of the
    // defaults for new books, else the library's first one.
    void duplicatesAreAskedBeforeAnyRequest_data()
    {
        QTest::addColumn<bool>("openLibrary");
        QTest::addColumn<QStringList>("stored"); // two ISBNs as the library keeps them
        QTest::addColumn<QStringList>("queue");  // those two in their other form, and a new one
        QTest::addColumn<QString>("defaultStatus");
        QTest::addColumn<QString>("statusId");
        QTest::newRow("product service")
            << false << QStringList{"0596007124", "9780804429573"}
            << QStringList{"978-0-596-00712-6", "080442957x", "0596004206"} << QString() << "1";
        QTest::newRow("Open Library")
            << true << QStringList{"0-201-55802-5", "9780439064873"}
            << QStringList{"9780201558029", "0439064872", "2070379043"} << "Wish List"
            << "2";
    }
    void duplicatesAreAskedBeforeAnyRequest()
    {
        QFETCH(bool, openLibrary);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, queue);
        QFETCH(QString, defaultStatus);
        QFETCH(QString, statusId);
        std::unique_ptr<CFakeOpenLibrary> library;
        CFakeService *server = m_service;
        if (openLibrary) {
            library = std::make_unique<CFakeOpenLibrary>();
            QVERIFY2(library->isRunning(), qPrintable(library->error()));
            QVERIFY(library->UseForLookups());
            server = library.get();
        }
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultStatus, defaultStatus));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title, ISBN) VALUES "
                                          "(1, 'Kept Copy', '%1'), (2, 'Second Copy', '%2')")
                               .arg(stored.at(0), stored.at(1)),
                           true, m_db));

        // Each question notes how many requests had been made by then.
        QList<qsizetype> requestsWhenAsked;
        CRecordingPrompt prompt;
        prompt.onMessage = [&] { requestsWhenAsked << server->requests().size(); };
        prompt.answers = {MsgAnswer::Yes, MsgAnswer::No}; // skip the first, add the second
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = queue;
        engine.m_categoryId = 32;
        std::map<int, CBatchEntryResult> results;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            results[index] = result;
        };
        QVERIFY(engine.Start());
        engine.Wait();

        QStringList asked;
        for (const auto &shown : prompt.shown)
            asked << shown.text.section(u'\n', 1, 1);
        QCOMPARE(asked, QStringList({"Kept Copy", "Second Copy"}));
        QCOMPARE(requestsWhenAsked, QList<qsizetype>({0, 0}));
        QCOMPARE(int(results.size()), 3);
        QCOMPARE(results.at(0).outcome, CBatchEntryResult::kDuplicateSkipped);
        QCOMPARE(results.at(0).title, QStringLiteral("Kept Copy"));
        QCOMPARE(results.at(1).outcome, CBatchEntryResult::kAdded);
        QCOMPARE(results.at(2).outcome, CBatchEntryResult::kAdded);
        const QString skipped = NormalizeIsbn(stored.at(0));
        for (const QString &request : server->requests())
            QVERIFY2(!request.contains(skipped) && !request.contains(ConvertIsbnToEan(skipped)),
                     qPrintable(request));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(StatusID) FROM book WHERE BookID > 2")),
                 statusId + u',' + statusId);
    }

    void ebookFilesAreRecorded()
    {
        CRecordingPrompt prompt;
        const QString file = m_env->Path(QStringLiteral("Some Book-Group.chm"));
        QFile chm(file);
        QVERIFY(chm.open(QIODevice::WriteOnly));
        chm.write(QByteArray(3 * 1048576 / 2, 'x'));
        chm.close();
        CBatchQueryEngine engine(m_db, m_images);
        engine.m_queue = {QStringLiteral("0596007124"), QStringLiteral("0596007124")};
        engine.m_isbnFiles.insert(QStringLiteral("0596007124"), QStringLiteral("  ") + file);
        engine.m_categoryId = 1;
        prompt.answers = {MsgAnswer::Yes}; // skip the second copy
        int finished = 0, cancelled = 0;
        const auto cells = Run(engine, &finished, &cancelled);
        QCOMPARE(finished, 1);
        QCOMPARE(cells.at(0), cells.at(1)); // a skipped duplicate still shows its title
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));

        CBookRecord saved;
        QVERIFY(saved.Load(1, m_db));
        QCOMPARE(saved.Format, QStringLiteral("CHM"));
        QCOMPARE(saved.Store, QStringLiteral("Group"));
        QCOMPARE(saved.BookSize, QStringLiteral("1.500000"));
        QCOMPARE(saved.Links.size(), 1);
        QCOMPARE(saved.Links.at(0).Name, QStringLiteral("eBook file"));
        QCOMPARE(saved.Links.at(0).Path, file);
        bool asked = false;
        for (const auto &shown : prompt.shown)
            asked = asked || shown.icon == MsgIcon::Question;
        QVERIFY(asked);
    }

    void addCommand()
    {
        const QString lib = m_db.Path();
        m_db.Close();
        const QString list = m_env->Path(QStringLiteral("isbns.txt"));
        QFile listFile(list);
        QVERIFY(listFile.open(QIODevice::WriteOnly));
        listFile.write("\n  9780596007126  \nnot-an-isbn\n\n1111111111\n9780596007120\n"
                       "979-10-90636-07-1\n");
        listFile.close();

        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env->Path(QStringLiteral("other-config")));
        cli.setProcessEnvironment(env);
        const QString host = m_service->baseUrl();
        cli.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                  {QStringLiteral("add"), lib, QStringLiteral("--category"), QStringLiteral("32"),
                   QStringLiteral("--isbn-file"), list, QStringLiteral("--service-host"), host,
                   QStringLiteral("--store-host"), host});
        QVERIFY(cli.waitForFinished(120000));
        QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(2),
                 QStringLiteral(
                     "1111111111\tError: Error message returned from Amazon: 1111111111 is not "
                     "a valid value for ItemId. Please change this value and retry your request."));
        // The lines follow the input, invalid ones included.
        QVERIFY(lines.at(0).startsWith(QStringLiteral("0596007124\t")));
        QVERIFY(!lines.at(0).contains(QStringLiteral("Error")));
        QCOMPARE(lines.at(1),
                 QStringLiteral("not-an-isbn\tError: not-an-isbn is not a valid ISBN."));
        // A bar code with a wrong check digit is no ISBN; a 979 ISBN-13 is,
        // and is stored as its 13 digits.
        QCOMPARE(lines.at(3),
                 QStringLiteral("9780596007120\tError: 9780596007120 is not a valid ISBN."));
        QCOMPARE(lines.at(4), QStringLiteral("979-10-90636-07-1\tJardins de papier"));
        QCOMPARE(lines.at(5),
                 QStringLiteral("Job finished: 2 added, 0 skipped, 0 failed, 3 not found."));

        // A save that fails is an error of its entry and of the command.
        QVERIFY(m_db.Open(lib));
        QVERIFY(ExecuteSql(QStringLiteral("CREATE TRIGGER shelf_full BEFORE INSERT ON book "
                                          "BEGIN SELECT RAISE(ABORT, 'the shelf is full'); END"),
                           true, m_db));
        m_db.Close();
        cli.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                  {QStringLiteral("add"), lib, QStringLiteral("--category"), QStringLiteral("32"),
                   QStringLiteral("--service-host"), host, QStringLiteral("--store-host"), host,
                   QStringLiteral("0596007124"), QStringLiteral("080442957X")});
        QVERIFY(cli.waitForFinished(120000));
        lines = QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("0596007124\t")), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(1), QStringLiteral("080442957X\tError: the shelf is full"));
        QCOMPARE(lines.at(2),
                 QStringLiteral("Job finished: 0 added, 1 skipped, 1 failed, 0 not found."));
        QVERIFY(m_db.Open(lib));
        QVERIFY(ExecuteSql(QStringLiteral("DROP TRIGGER shelf_full"), true, m_db));
        m_db.Close();

        // Books go only into the root or a user category.
        cli.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                  {QStringLiteral("add"), lib, QStringLiteral("--category"), QStringLiteral("3"),
                   QStringLiteral("--service-host"), host, QStringLiteral("0596004206")});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 2);

        QVERIFY(m_db.Open(lib));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(ISBN, ' ') FROM (SELECT ISBN FROM book "
                                      "ORDER BY BookID)")),
                 QStringLiteral("0596007124 9791090636071"));
        QVERIFY(Value(QStringLiteral("SELECT URL FROM book"))
                    .startsWith(host + QStringLiteral("/exec/obidos/redirect?tag=")));
    }
};

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"
