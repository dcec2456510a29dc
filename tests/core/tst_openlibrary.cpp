// Lookups, batches and keyword searches at Open Library, against the fake
// Open Library answering with recorded real answers; the choice of source;
// and the pieces that read Open Library's fields and keep its limits.

#include "FakeOpenLibrary.h"
#include "TestSupport.h"

#include "app/AppSettings.h"
#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "online/AnswerFields.h"
#include "online/BatchQueryEngine.h"
#include "online/IsbnRules.h"
#include "online/KeywordSearch.h"
#include "online/LookupSource.h"
#include "online/OpenLibraryClient.h"
#include "online/OpenLibraryLookup.h"
#include "online/RateLimiter.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <QtTest>

#include <map>
#include <memory>
#include <thread>

namespace {

const char kCoverPicture[] = TOMELODEX_SOURCE_DIR "/tests/fake_service/fixtures/covers/"
                                                  "0596007124.L.jpg";

// `count` valid ISBN-10s that no recorded answer has.
QStringList MadeUpIsbns(int count)
{
    QStringList isbns;
    for (int i = 0; i < count; ++i) {
        const QString digits = QString::number(100000000 + i);
        isbns.append(digits + IsbnCheckCharacter(digits));
    }
    return isbns;
}

} // namespace

class TestOpenLibrary : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;
    std::unique_ptr<CFakeOpenLibrary> m_server;
    // The fake answers at once; tests of the real limit are the limiter's own.
    std::unique_ptr<COpenLibraryLimitOverride> m_fastLimit;

    void StartServer(const QString &cloneOf = QString())
    {
        m_server = std::make_unique<CFakeOpenLibrary>(cloneOf);
        QVERIFY2(m_server->isRunning(), qPrintable(m_server->error()));
        QVERIFY(m_server->UseForLookups());
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CTestEnv>();
        QVERIFY(m_env->IsValid());
        m_fastLimit = std::make_unique<COpenLibraryLimitOverride>(600000, 1000);
        StartServer();
    }

    void cleanup()
    {
        m_server.reset();
        m_fastLimit.reset();
        m_env.reset();
    }

    void bookWithEveryField()
    {
        QVERIFY(CAppSettings::SetLookupContact(QStringLiteral("reader@example.org")));
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, QStringLiteral("0-201-55802-5"), true, false));

        QCOMPARE(record.ISBN, QStringLiteral("0201558025"));
        QCOMPARE(record.Title, QStringLiteral("Concrete mathematics"));
        QCOMPARE(record.Subtitle, QStringLiteral("a foundation for computer science"));
        QCOMPARE(record.Author, QStringLiteral("Ronald L. Graham / Donald Knuth / Oren Patashnik"));
        QCOMPARE(record.Publisher, QStringLiteral("Addison-Wesley"));
        // A year alone stays a year, and no edition is made up from it.
        QCOMPARE(record.ReleaseDate, QStringLiteral("1994"));
        QVERIFY(record.Edition.isEmpty());
        QCOMPARE(record.PageCount, QStringLiteral("657"));
        QCOMPARE(record.Language, QStringLiteral("English"));
        QCOMPARE(record.Binding, QStringLiteral("Trade Paperback"));
        QCOMPARE(record.URL,
                 QStringLiteral("http://openlibrary.org/books/OL1429049M/Concrete_mathematics"));
        // The work's plain-text description, its blank line parting two paragraphs.
        QVERIFY2(record.Description.startsWith(QStringLiteral("<p>Under the floorboards")),
                 qPrintable(record.Description));
        QCOMPARE(record.Description.count(QStringLiteral("<p>")), 2);
        QVERIFY(record.Description.contains(QStringLiteral("makes sense.</p><p>That is, until")));
        QVERIFY(
            record.Description.contains(QStringLiteral("&quot;Everything Under One Roof.&quot;")));
        QVERIFY(record.Description.endsWith(QStringLiteral("vision of the world...</p>")));
        // What Open Library does not have keeps the record's defaults.
        QVERIFY(record.AmazonPrice.isEmpty() && record.AmazonRating.isEmpty());
        QVERIFY(prompt.shown.isEmpty());

        QCOMPARE(m_server->paths(),
                 QStringList({QStringLiteral("/api/books?bibkeys=ISBN:0201558025&jscmd=data&"
                                             "format=json"),
                              QStringLiteral("/books/OL1429049M.json"),
                              QStringLiteral("/works/OL468431W.json"),
                              QStringLiteral("/b/id/135182-L.jpg"),
                              QStringLiteral("/archive/135182-L.jpg")}));
        for (const QString &agent : m_server->agents())
            QCOMPARE(agent, QStringLiteral("Tomelodex/" TOMELODEX_VERSION " (reader@example.org)"));
        // The cover came through the redirect, whole.
        QVERIFY(record.CoverTempPath.endsWith(QStringLiteral(".jpg")));
        QCOMPARE(ReadFileBytes(record.CoverTempPath), ReadFileBytes(QLatin1String(kCoverPicture)));
        QCOMPARE(record.LargeImageUrl, m_server->baseUrl() + QStringLiteral("/b/id/135182-L.jpg"));
    }

    void descriptionObjectAndMonthDate()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, QStringLiteral("0439064872"), true, false));
        QCOMPARE(record.Title, QStringLiteral("Harry Potter and the Chamber of Secrets"));
        QCOMPARE(record.Author, QStringLiteral("J. K. Rowling"));
        QCOMPARE(record.Publisher, QStringLiteral("Scholastic Inc."));
        QCOMPARE(record.ReleaseDate, QStringLiteral("2000-09"));
        QVERIFY(record.Edition.isEmpty());
        QCOMPARE(record.Description,
                 QStringLiteral(
                     "<p>Come join JK Rowling with her new adventurous book. The Ickabog.</p>"));
        QVERIFY(!record.CoverTempPath.isEmpty());
    }

    void workThatCannotBeFetchedStillGivesTheBook()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, QStringLiteral("2070379043"), true, false));
        QCOMPARE(record.Title, QStringLiteral("Les Enchanteurs"));
        QCOMPARE(record.Author, QStringLiteral("Romain Gary"));
        QCOMPARE(record.Publisher, QStringLiteral("Gallimard"));
        QCOMPARE(record.ReleaseDate, QStringLiteral("1988-01-22"));
        QCOMPARE(record.PageCount, QStringLiteral("373"));
        QCOMPARE(record.Language, QStringLiteral("French")); // from the edition
        QVERIFY(record.Description.isEmpty());
        QVERIFY(!record.CoverTempPath.isEmpty());
        QVERIFY(m_server->paths().contains(QStringLiteral("/works/OL27258W.json")));
        QVERIFY(prompt.shown.isEmpty());

        // Neither edition nor work: the /api/books record alone still does.
        m_server->clearRequests();
        QVERIFY(m_server->FailNext(QStringLiteral("/books/"), 500));
        QVERIFY(LookupByIsbn(record, QStringLiteral("0201558025"), true, true));
        QCOMPARE(record.Title, QStringLiteral("Concrete mathematics"));
        QVERIFY(record.Binding.isEmpty() && record.Description.isEmpty());
        QVERIFY(!m_server->paths().contains(QStringLiteral("/works/OL468431W.json")));

        // Looked up again without resetting and without a cover to be had:
        // the record keeps no picture of the book before.
        QVERIFY(m_server->FailNext(QStringLiteral("/b/"), 404));
        QVERIFY(!record.CoverTempPath.isEmpty());
        QVERIFY(LookupByIsbn(record, QStringLiteral("2070379043"), false, true));
        QVERIFY(record.CoverTempPath.isEmpty());
    }

    void failuresReadLikeTheProductLookups()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        // Unknown: Open Library answers {}. Not fatal, silent when asked to be.
        QVERIFY(!LookupByIsbn(record, QStringLiteral("0596007124"), true, true));
        QCOMPARE(record.ErrorText, QStringLiteral("Error message returned from Open Library:\n"
                                                  "0596007124 is not a book Open Library knows."));
        QVERIFY(!record.HasFatalError);
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(!LookupByIsbn(record, QStringLiteral("0596007124"), true, false));
        QCOMPARE(prompt.LastText(), record.ErrorText);

        // A cut-off answer and a server that is gone name Open Library, are
        // fatal and are shown even when silent.
        QVERIFY(m_server->FailNext(QStringLiteral("/api/books"), 200, 1, 0, QString(),
                                   QStringLiteral("broken")));
        QVERIFY(!LookupByIsbn(record, QStringLiteral("0201558025"), true, true));
        QVERIFY(record.HasFatalError);
        QVERIFY2(record.ErrorText.startsWith(
                     QStringLiteral("Failed to load book info from Open Library:\nThe answer is "
                                    "not the JSON")),
                 qPrintable(record.ErrorText));
        QCOMPARE(prompt.LastText(), record.ErrorText);

        const QString gone = m_server->baseUrl();
        m_server.reset();
        QVERIFY(CAppSettings::SetOpenLibraryHost(gone));
        record.HasFatalError = false;
        QVERIFY(!LookupByIsbn(record, QStringLiteral("0201558025"), true, true));
        QVERIFY(record.HasFatalError);
        QVERIFY(record.ErrorText.startsWith(
            QStringLiteral("Failed to load book info from Open Library:\n")));
    }

    void busyAnswersAreWaitedOut()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(m_server->FailNext(QStringLiteral("/api/books"), 503, 1, 0, QStringLiteral("1")));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(LookupByIsbn(record, QStringLiteral("2070379043"), true, true));
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_server->paths().count(
                     QStringLiteral("/api/books?bibkeys=ISBN:2070379043&jscmd=data&format=json")),
                 2);

        // Asked to wait longer than a lookup should: the request fails, saying why.
        QVERIFY(
            m_server->FailNext(QStringLiteral("/api/books"), 429, 1, 0, QStringLiteral("3600")));
        QVERIFY(!LookupByIsbn(record, QStringLiteral("2070379043"), true, true));
        QVERIFY2(record.ErrorText.contains(QStringLiteral("too busy")),
                 qPrintable(record.ErrorText));
    }

    void batchAsksForManyIsbnsInOneRequestAndWaitsOutA429()
    {
        StartServer(QStringLiteral("2070379043"));
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));

        const QStringList isbns = MadeUpIsbns(30);
        // The 11th edition record is refused once, in the middle of the job.
        QVERIFY(m_server->FailNext(QStringLiteral("/books/"), 429, 1, 10, QStringLiteral("1")));
        CBatchQueryEngine engine(db, images);
        engine.m_queue = isbns;
        engine.m_categoryId = 32;
        std::map<int, QString> cells;
        QMutex mutex;
        engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
            QMutexLocker lock(&mutex);
            cells[index] = result.titleCell;
        };
        QVERIFY(engine.Start());
        QSet<QString> statusTexts; // what the dialog's timer would have shown
        while (engine.IsRunning()) {
            statusTexts.insert(engine.StatusText());
            QThread::msleep(5);
        }
        engine.Wait();

        QCOMPARE(int(engine.m_state), int(CBatchQueryEngine::kFinished));
        QCOMPARE(int(cells.size()), 30);
        for (const auto &cell : cells)
            QCOMPARE(cell.second, QStringLiteral("Les Enchanteurs"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("30"));
        QVERIFY2(statusTexts.contains(QStringLiteral("Open Library asks to wait: trying again in "
                                                     "1 s...")),
                 qPrintable(QStringList(statusTexts.values()).join(u'|')));

        const QStringList paths = m_server->paths();
        const QStringList bookRequests = paths.filter(QStringLiteral("/api/books"));
        QCOMPARE(bookRequests.size(), 1);
        QCOMPARE(bookRequests.first(), QStringLiteral("/api/books?bibkeys=ISBN:") +
                                           isbns.join(QStringLiteral(",ISBN:")) +
                                           QStringLiteral("&jscmd=data&format=json"));
        // Each edition once, the refused one twice.
        QCOMPARE(paths.filter(QStringLiteral("/books/OL8838456M.json")).size(), 31);
        db.Close();
    }

    void batchStopsWhenOpenLibraryAnswersNothing()
    {
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));
        QVERIFY(m_server->FailNext(QStringLiteral("/api/books"), 500));
        CBatchQueryEngine engine(db, images);
        engine.m_queue = MadeUpIsbns(3);
        engine.m_categoryId = 32;
        int cancelled = 0;
        engine.onCancelled = [&] { ++cancelled; };
        QVERIFY(engine.Start());
        engine.Wait();
        QCOMPARE(cancelled, 1);
        QCOMPARE(engine.m_current.load(), 1);
        QCOMPARE(prompt.LastText(), QStringLiteral("Fatal error occurred. Job will be cancelled."));
        db.Close();
    }

    void cancelEndsAWaitAtOnce()
    {
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));
        QVERIFY(m_server->FailNext(QStringLiteral("/api/books"), 429, 1, 0, QStringLiteral("60")));
        CBatchQueryEngine engine(db, images);
        engine.m_queue = MadeUpIsbns(3);
        engine.m_categoryId = 32;
        QStringList cells;
        engine.onEntryDone = [&](int, const CBatchEntryResult &result) {
            cells.append(result.titleCell);
        };
        QElapsedTimer clock;
        clock.start();
        QVERIFY(engine.Start());
        while (!engine.StatusText().startsWith(QStringLiteral("Open Library asks to wait")))
            QThread::msleep(5);
        engine.RequestCancel();
        engine.Wait();
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(cells.size(), 1);
        QVERIFY2(cells.first().endsWith(QLatin1String(kHttpCancelledError)),
                 qPrintable(cells.first()));
        QVERIFY(prompt.shown.isEmpty()); // a cancel is no fatal error
        db.Close();
    }

    void keywordSearchPagesAndListsEveryEditionIsbn()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(QStringLiteral("Lord of the Rings"), QStringLiteral(" Tolkien"),
                                 QString(), 1));
        QCOMPARE(
            m_server->paths(),
            QStringList(QStringLiteral(
                "/search.json?title=Lord%20of%20the%20Rings&author=Tolkien&fields=key,title,"
                "author_name,publisher,first_publish_year,publish_date,isbn&limit=10&page=1")));
        QCOMPARE(search.m_totalPages, 9); // 81 works, 10 a page
        QCOMPARE(search.m_statusText,
                 QStringLiteral("81 results found, 9 page(s). Current page: 1  (Note: Some e-books "
                                "might have been filtered.)"));
        // Ranked as Open Library ranks; a 978 ISBN-13 as its ISBN-10, each once.
        QCOMPARE(search.m_rows.size(), 227);
        const CSearchResultRow &first = search.m_rows.first();
        QCOMPARE(first.Isbn, QStringLiteral("0395193958"));
        QCOMPARE(first.Title, QStringLiteral("The Lord of the Rings"));
        QCOMPARE(first.Author, QStringLiteral("J. R. R. Tolkien"));
        QCOMPARE(first.Publisher, QStringLiteral("Houghton Mifflin Co."));
        QCOMPARE(first.Edition, QStringLiteral("1954"));
        QCOMPARE(search.m_rows.at(1).Isbn, QStringLiteral("0261103407"));
        QSet<QString> isbns;
        for (const CSearchResultRow &row : search.m_rows) {
            QVERIFY(IsValidIsbn(row.Isbn));
            isbns.insert(row.Isbn);
        }
        QCOMPARE(isbns.size(), search.m_rows.size());
        QVERIFY(prompt.shown.isEmpty());

        QVERIFY(search.RunSearch(QStringLiteral("lord of the rings"), QStringLiteral("tolkien"),
                                 QString(), LastPageOf(1, search.m_totalPages)));
        QCOMPARE(search.m_currentPage, 9);
        QCOMPARE(search.m_rows.size(), 1);
        QCOMPARE(search.m_rows.first().Isbn, QStringLiteral("0828818126"));

        // Works without ISBNs give no row, and say so.
        QVERIFY(search.RunSearch(QStringLiteral("The Lord of the Rings"), QString(), QString(), 1));
        QVERIFY(search.m_rows.isEmpty());
        QCOMPARE(prompt.LastText(), QStringLiteral("No valid results found.\nNote: e-books are "
                                                   "ignored."));
    }

    // A count or a year the answer cannot mean is none; the rows still list.
    void searchAnswerOfTheWrongShape()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(
            search.RunSearch(QStringLiteral("Numbers nobody counted"), QString(), QString(), 1));
        QCOMPARE(search.m_totalResults, QStringLiteral("1"));
        QCOMPARE(search.m_totalPages, 1);
        QCOMPARE(search.m_rows.size(), 1);
        const CSearchResultRow &row = search.m_rows.first();
        QCOMPARE(QStringList({row.Isbn, row.Title, row.Edition}),
                 QStringList({QStringLiteral("0009900020"), QString(), QString()}));
        QVERIFY(prompt.shown.isEmpty());
    }

    void theSettingsChooseTheSource()
    {
        m_server.reset();
        m_env.reset();
        m_env = std::make_unique<CTestEnv>(); // no settings at all
        QCOMPARE(CurrentLookupSource(), ELookupSource::kOpenLibrary);
        QCOMPARE(
            QString::fromUtf8(OpenLibraryUserAgent()),
            QStringLiteral("Tomelodex/" TOMELODEX_VERSION " (https://www.brindlewood.example/)"));
        // A product service host of one's own keeps the product service...
        QVERIFY(CAppSettings::SetServiceHost(QStringLiteral("http://127.0.0.1:9")));
        QCOMPARE(CurrentLookupSource(), ELookupSource::kProduct);
        // ...unless the source is chosen.
        QVERIFY(CAppSettings::SetLookupSource(QStringLiteral("openlibrary")));
        QCOMPARE(CurrentLookupSource(), ELookupSource::kOpenLibrary);
        CAppSettings::OverrideLookupSourceForThisRun(QStringLiteral("product"));
        QCOMPARE(CurrentLookupSource(), ELookupSource::kProduct);
        CAppSettings::OverrideLookupSourceForThisRun(QString());
        QCOMPARE(CurrentLookupSource(), ELookupSource::kOpenLibrary);
    }

    void commandLineChoosesTheSourceAndHosts()
    {
        const QString config = m_env->Path(QStringLiteral("cli-config"));
        const QString host = m_server->baseUrl();
        const CliRun found = RunCliTool({QStringLiteral("lookup"), QStringLiteral("2070379043"),
                                         QStringLiteral("--openlibrary-host"), host,
                                         QStringLiteral("--covers-host"), host},
                                        config);
        QCOMPARE(found.code, 0);
        QVERIFY2(found.out.contains(QStringLiteral("<Title>Les Enchanteurs</Title>")),
                 qPrintable(found.out));

        const CliRun unknown = RunCliTool(
            {QStringLiteral("lookup"), QStringLiteral("0596007124"), QStringLiteral("--source"),
             QStringLiteral("openlibrary"), QStringLiteral("--openlibrary-host"), host},
            config);
        QCOMPARE(unknown.code, 1);
        QVERIFY(unknown.err.contains(QStringLiteral("is not a book Open Library knows.")));

        // --service-host alone means the product service: this one is Open Library's
        // fake, so the product request finds nothing to load.
        const CliRun product = RunCliTool({QStringLiteral("lookup"), QStringLiteral("2070379043"),
                                           QStringLiteral("--service-host"), host},
                                          config);
        QCOMPARE(product.code, 1);
        QVERIFY(m_server->paths().last().startsWith(QStringLiteral("/onca/xml?")));

        const CliRun bad = RunCliTool({QStringLiteral("lookup"), QStringLiteral("2070379043"),
                                       QStringLiteral("--source"), QStringLiteral("elsewhere")},
                                      config);
        QCOMPARE(bad.code, 2);
        // The product service's own hosts answer nobody: it needs one given.
        const CliRun gone = RunCliTool({QStringLiteral("lookup"), QStringLiteral("2070379043"),
                                        QStringLiteral("--source"), QStringLiteral("product")},
                                       config);
        QCOMPARE(gone.code, 2);
        QVERIFY2(gone.err.contains(QStringLiteral("discontinued")), qPrintable(gone.err));
    }

    void isbn979EndToEnd()
    {
        StartServer(QStringLiteral("2070379043"));
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));
        const QString library = db.Path();
        db.Close();
        const QString host = m_server->baseUrl();
        const CliRun run = RunCliTool({QStringLiteral("add"), library, QStringLiteral("--category"),
                                       QStringLiteral("32"), QStringLiteral("979-10-90636-07-1"),
                                       QStringLiteral("--openlibrary-host"), host,
                                       QStringLiteral("--covers-host"), host},
                                      m_env->Path(QStringLiteral("cli-config")));
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.startsWith(QStringLiteral("979-10-90636-07-1\tLes Enchanteurs\n")),
                 qPrintable(run.out));
        QCOMPARE(m_server->paths().first(),
                 QStringLiteral("/api/books?bibkeys=ISBN:9791090636071&jscmd=data&format=json"));
        QVERIFY(db.Open(library));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT ISBN FROM book")),
                 QStringLiteral("9791090636071"));
        db.Close();
    }

    // Made-up answers of the wrong shape (tests/fake_openlibrary/hostile): a
    // field of the wrong type or out of range stays empty, only an http or
    // https address becomes the book's page, a cover that is no picture is
    // not kept, and a record without a title is no book.
    void hostileAnswers_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<bool>("found");
        // Title|Subtitle|Author|Publisher|ReleaseDate|PageCount|URL|Edition|Description
        // of a record found
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("lastPath");
        QTest::addColumn<QString>("message");
        QTest::newRow("cover is an HTML page")
            << "0009900012" << true
            << "A Cover That Is a Page||Odile Pagemaker||2001|212|"
               "https://openlibrary.org/books/OL9900001M/A_Cover_That_Is_a_Page||"
            << "/archive/9900001-L.jpg"
            << "Unable to download the cover picture.";
        QTest::newRow("wrong types")
            << "0009900020" << true << "Counted Wrongly||||||@BASE@/books/OL9900002M||"
            << "/b/isbn/0009900020-L.jpg?default=false"
            << "";
        QTest::newRow("file: address")
            << "0009900039" << true << "A Page on the Disk|||||100000|@BASE@/books/OL9900003M||"
            << "/b/isbn/0009900039-L.jpg?default=false"
            << "";
        QTest::newRow("javascript: address without a key")
            << "0009900047" << true << "A Page That Runs|||||1|||"
            << "/b/isbn/0009900047-L.jpg?default=false"
            << "";
        QTest::newRow("no title")
            << "0009900055" << false << ""
            << "/books/OL9900005M.json"
            << "The answer for 0009900055 has no title, so it is not taken as a book.";
    }

    void hostileAnswers()
    {
        QFETCH(QString, isbn);
        QFETCH(bool, found);
        QFETCH(QString, fields);
        QFETCH(QString, lastPath);
        QFETCH(QString, message);
        CRecordingPrompt prompt;
        CBookRecord record;
        QCOMPARE(LookupByIsbn(record, isbn, true, false), found);
        const QString got = QStringList{record.Title,     record.Subtitle,    record.Author,
                                        record.Publisher, record.ReleaseDate, record.PageCount,
                                        record.URL,       record.Edition,     record.Description}
                                .join(u'|')
                                .replace(m_server->baseUrl(), QStringLiteral("@BASE@"));
        if (found)
            QCOMPARE(got, fields);
        QCOMPARE(m_server->paths().last(), lastPath);
        QCOMPARE(prompt.LastText(), message);
        QVERIFY(record.CoverTempPath.isEmpty());
        for (const QString &file : record.TempFiles.paths())
            QCOMPARE(QFileInfo(file).size(), 0);
    }

    void hostileAnswersAddedFromTheCommandLine()
    {
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));
        const QString library = db.Path();
        db.Close();
        const QString host = m_server->baseUrl();
        const CliRun run = RunCliTool(
            {QStringLiteral("add"), library, QStringLiteral("--category"), QStringLiteral("32"),
             QStringLiteral("0009900012"), QStringLiteral("0009900020"),
             QStringLiteral("0009900039"), QStringLiteral("0009900055"),
             QStringLiteral("--openlibrary-host"), host, QStringLiteral("--covers-host"), host},
            m_env->Path(QStringLiteral("cli-config")));
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains(QStringLiteral("0009900055\tError: The answer for 0009900055 has "
                                                 "no title, so it is not taken as a book.\n")),
                 qPrintable(run.out));
        QVERIFY2(run.out.endsWith(
                     QStringLiteral("Job finished: 3 added, 0 skipped, 0 failed, 1 not found.\n")),
                 qPrintable(run.out));

        QVERIFY(db.Open(library));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT group_concat(ISBN || ':' || "
                                              "ifnull(PageCount, '-') || ':' || ifnull(URL, '-') "
                                              "|| ':' || ifnull(FrontCover, '-'), ' ') "
                                              "FROM (SELECT * FROM book ORDER BY ISBN)"))
                     .replace(host, QStringLiteral("@BASE@")),
                 QStringLiteral("0009900012:212:https://openlibrary.org/books/OL9900001M/"
                                "A_Cover_That_Is_a_Page:- 0009900020:-:@BASE@/books/OL9900002M:- "
                                "0009900039:100000:@BASE@/books/OL9900003M:-"));
        db.Close();
        QCOMPARE(QDir(images).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Which addresses of an answer may become a book's page or a download.
    void webAddressesFromAnswers_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("taken");
        QTest::newRow("https") << " https://openlibrary.org/books/OL1M \n"
                               << "https://openlibrary.org/books/OL1M";
        QTest::newRow("scheme in capitals") << "HTTP://Example.org/a?b=c"
                                            << "HTTP://Example.org/a?b=c";
        QTest::newRow("data:") << "data:text/html,<script>alert(1)</script>"
                               << "";
        QTest::newRow("file: with a host") << "file://localhost/etc/passwd"
                                           << "";
        QTest::newRow("ftp:") << "ftp://example.org/cover.jpg"
                              << "";
        QTest::newRow("relative path") << "/books/OL1M"
                                       << "";
        QTest::newRow("no scheme") << "//example.org/books/OL1M"
                                   << "";
        QTest::newRow("no host") << "http:/books/OL1M"
                                 << "";
    }

    void webAddressesFromAnswers()
    {
        QFETCH(QString, address);
        QFETCH(QString, taken);
        QCOMPARE(WebAddressFromAnswer(address), taken);
    }

    void publishDateForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        const std::pair<const char *, const char *> rows[] = {{"1994", "1994"},
                                                              {"2000-09", "2000-09"},
                                                              {"March 2009", "2009-03"},
                                                              {"Sep 2000", "2000-09"},
                                                              {"September 12, 2000", "2000-09-12"},
                                                              {"July 28, 2008", "2008-07-28"},
                                                              {"October 1, 1988", "1988-10-01"},
                                                              {"January 22, 1988", "1988-01-22"},
                                                              {"c1994.", "1994"},
                                                              {"[1994]", "1994"},
                                                              {"2004-02-29", "2004-02-29"},
                                                              {"2000-13", ""},
                                                              {"19th century", ""},
                                                              {"", ""},
                                                              {"Spring 2001", ""}};
        for (const auto &row : rows)
            QTest::newRow(row.first)
                << QString::fromUtf8(row.first) << QString::fromUtf8(row.second);
    }

    void publishDateForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(OpenLibraryDateToIso(text), stored);
    }

    void textFieldsAndParagraphs()
    {
        const auto json = [](const char *text) {
            return QJsonDocument::fromJson(text).object().value(QLatin1String("d"));
        };
        QCOMPARE(OpenLibraryText(json(R"({"d": "plain"})")), QStringLiteral("plain"));
        QCOMPARE(OpenLibraryText(json(R"({"d": {"type": "/type/text", "value": "v"}})")),
                 QStringLiteral("v"));
        QCOMPARE(OpenLibraryText(json(R"({"d": {"type": "/type/datetime", "value": "v"}})")),
                 QString());
        QCOMPARE(OpenLibraryText(json(R"({"d": 5})")), QString());
        QCOMPARE(PlainTextToHtml(QStringLiteral("  A <b> & \"c\"\r\nnext\r\n\r\n \r\nB\n\n\n")),
                 QStringLiteral("<p>A &lt;b&gt; &amp; &quot;c&quot;<br />next</p><p>B</p>"));
        QCOMPARE(PlainTextToHtml(QString()), QString());
    }

    void coverAddresses()
    {
        QVERIFY(CAppSettings::SetCoversHost(QStringLiteral("http://covers.test/")));
        const auto object = [](const char *text) { return QJsonDocument::fromJson(text).object(); };
        const QJsonObject book = object(
            "{\"cover\": {\"small\": \"https://covers.openlibrary.org/b/id/135182-S.jpg\"}}");
        const QJsonObject edition = object(R"({"covers": [-1, 8739161]})");
        const QString isbn = QStringLiteral("0201558025");
        QCOMPARE(OpenLibraryCoverUrl(book, edition, isbn, u'L'),
                 QStringLiteral("http://covers.test/b/id/135182-L.jpg"));
        QCOMPARE(OpenLibraryCoverUrl(QJsonObject(), edition, isbn, u'M'),
                 QStringLiteral("http://covers.test/b/id/8739161-M.jpg"));
        QCOMPARE(OpenLibraryCoverUrl(QJsonObject(), object(R"({"covers": [-1]})"), isbn, u'L'),
                 QStringLiteral("http://covers.test/b/isbn/0201558025-L.jpg?default=false"));
        QCOMPARE(OpenLibraryCoverUrl(QJsonObject(), QJsonObject(), QString(), u'L'), QString());
    }

    void retryAfterValues()
    {
        const QDateTime now(QDate(2015, 10, 21), QTime(7, 27, 0), Qt::UTC);
        QCOMPARE(RetryAfterSeconds(QStringLiteral(" 7 "), now), 7);
        QCOMPARE(RetryAfterSeconds(QStringLiteral("Wed, 21 Oct 2015 07:28:00 GMT"), now), 60);
        QCOMPARE(RetryAfterSeconds(QStringLiteral("Wed, 21 Oct 2015 07:00:00 GMT"), now), 0);
        QCOMPARE(RetryAfterSeconds(QString(), now), -1);
        QCOMPARE(RetryAfterSeconds(QStringLiteral("-3"), now), -1);
        QCOMPARE(RetryAfterSeconds(QStringLiteral("soon"), now), -1);
    }

    void rateLimiterKeepsToTheLimitAfterTheBurst()
    {
        using namespace std::chrono;
        CRateLimiter limiter(180, 25);
        const auto start = CRateLimiter::Clock::now();
        for (int i = 0; i < 25; ++i)
            QCOMPARE(limiter.Reserve(start).count(), 0);
        // Then one every third of a second, queued in order.
        QCOMPARE(limiter.Reserve(start).count(), 334);
        QCOMPARE(limiter.Reserve(start).count(), 667);
        // Time that passes pays the debt off; a quiet spell refills the burst
        // but no further.
        QCOMPARE(limiter.Reserve(start + seconds(1)).count(), 0);
        const auto later = start + minutes(10);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(limiter.Reserve(later).count(), 0);
        QVERIFY(limiter.Reserve(later).count() > 0);
    }
};

QTEST_GUILESS_MAIN(TestOpenLibrary)
#include "tst_openlibrary.moc"
