// The keyword search against the fake product service: query building,
// escaping, the pages of results and the paging rules.

#include "FakeService.h"
#include "TestSupport.h"

#include "app/AppSettings.h"
#include "online/KeywordSearch.h"

#include <QtTest>

#include <memory>

namespace {

const char kKnitTitle[] = "Knit + Purl & More: Tips and Tricks";
const char kKnitEscaped[] = "title:knit%20%2B%20purl%20%20more%20tips%20tricks";
const char kNoMatch[] = "Error message returned from Amazon:\nThere are no exact matches for the "
                        "search.";
const char kNoValidResults[] = "No valid results found.\nNote: e-books are ignored.";

QStringList Isbns(const QList<CSearchResultRow> &rows)
{
    QStringList isbns;
    for (const CSearchResultRow &row : rows)
        isbns.append(row.Isbn);
    return isbns;
}

} // namespace

class TestKeywordSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<CFakeService> m_service;
    std::unique_ptr<CTestEnv> m_env;

    QString Request(const QString &escapedQuery, int page) const
    {
        return QStringLiteral("GET ") + CFakeService::searchPath(escapedQuery, page);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_service = std::make_unique<CFakeService>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        m_env = std::make_unique<CTestEnv>();
        QVERIFY(CAppSettings::SetSearchHost(m_service->baseUrl()));
    }

    void init() { m_service->clearRequests(); }

    void cleanupTestCase()
    {
        m_env.reset();
        m_service.reset();
    }

    void cleanSearchTerm_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("operators and signs") << kKnitTitle << "knit + purl  more tips tricks";
        QTest::newRow("upper-case operators") << "War AND Peace OR Not"
                                              << "war peace";
        QTest::newRow("words containing operators") << "Android Orbits Notes"
                                                    << "android orbits notes";
        QTest::newRow("operator at the ends") << "and then or"
                                              << "then";
        QTest::newRow("doubled operator, one pass") << "Cats and and Dogs"
                                                    << "cats and dogs";
        QTest::newRow("only signs") << " :&: "
                                    << "";
    }

    void cleanSearchTerm()
    {
        QFETCH(QString, term);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanSearchTerm(term), cleaned);
    }

    void buildQuery_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("query");
        QTest::newRow("all three") << "T"
                                   << "A"
                                   << "P"
                                   << "title:t and author:a and publisher:p";
        QTest::newRow("title") << "Garden"
                               << ""
                               << ""
                               << "title:garden";
        QTest::newRow("author") << ""
                                << "Vos"
                                << ""
                                << "author:vos";
        QTest::newRow("publisher") << ""
                                   << ""
                                   << "Brindle"
                                   << "publisher:brindle";
        QTest::newRow("title and author") << "Garden"
                                          << "Vos"
                                          << ""
                                          << "title:garden and author:vos";
        QTest::newRow("title and publisher") << "Garden"
                                             << ""
                                             << "Quillmark"
                                             << "title:garden and publisher:quillmark";
        QTest::newRow("author and publisher") << ""
                                              << "Vos"
                                              << "Quillmark"
                                              << "author:vos and publisher:quillmark";
        QTest::newRow("term that cleans to nothing") << "and"
                                                     << "Vos"
                                                     << ""
                                                     << "author:vos";
        QTest::newRow("knit") << kKnitTitle << ""
                              << ""
                              << "title:knit + purl  more tips tricks";
    }

    void buildQuery()
    {
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(QString, publisher);
        QFETCH(QString, query);
        QCOMPARE(BuildPowerSearchQuery(title, author, publisher), query);
    }

    void escaping()
    {
        QCOMPARE(EscapePowerSearchQuery(QStringLiteral("title:knit + purl  more tips tricks")),
                 QString::fromLatin1(kKnitEscaped));
        // "%" first, so the escapes themselves are not escaped again.
        QCOMPARE(EscapePowerSearchQuery(QStringLiteral("50% a/b?c#d=e;f")),
                 QStringLiteral("50%25%20a%2Fb%3Fc%23d=e;f"));
        QCOMPARE(PowerSearchUrl(QStringLiteral("title:a b"), 12),
                 m_service->baseUrl() + CFakeService::searchPath("title:a%20b", 12));
    }

    void firstPageOfKnitSearch()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(QString::fromUtf8(kKnitTitle), QString(), QString(), 1));
        QCOMPARE(m_service->requests(), QStringList(Request(kKnitEscaped, 1)));
        QCOMPARE(search.m_currentPage, 1);
        QCOMPARE(search.m_totalPages, 3);
        QCOMPARE(search.m_totalResults, QStringLiteral("24"));
        QCOMPARE(search.m_statusText,
                 QStringLiteral("24 results found, 3 pages. Current page: 1  (Note: Some "
                                "e-books might have been filtered.)"));
        // Ten items, two of them e-books, shown last first.
        QCOMPARE(Isbns(search.m_rows),
                 QStringList({"1903211506", "1903211492", "1903211484", "1903211476", "1903211468",
                              "190321145X", "1903211441", "0596007124"}));
        const CSearchResultRow &last = search.m_rows.last();
        QCOMPARE(last.Title, QStringLiteral("Cartography of the Quiet Sea"));
        QCOMPARE(last.Author, QStringLiteral("Maren Holloway")); // first author only
        QCOMPARE(last.Publisher, QStringLiteral("Brindle & Finch"));
        QCOMPARE(last.Edition, QStringLiteral("15 March, 2004"));
        QVERIFY(search.m_rows.at(2).Author.isEmpty()); // an item without authors
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(search.m_errorText.isEmpty());
    }

    void lastPageFiltersBadIsbns()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(QString::fromUtf8(kKnitTitle), QString(), QString(), 3));
        // B0002XK5IU is an e-book, 1903211445 has a wrong check digit.
        QCOMPARE(Isbns(search.m_rows), QStringList({"1903211611", "1903211603"}));
        QVERIFY(search.m_statusText.contains(QStringLiteral("Current page: 3 ")));
        QCOMPARE(NextPageOf(search.m_currentPage, search.m_totalPages), 0);
        QCOMPARE(LastPageOf(search.m_currentPage, search.m_totalPages), 0);
        QCOMPARE(PreviousPageOf(search.m_currentPage, search.m_totalPages), 2);
        QVERIFY(prompt.shown.isEmpty());
    }

    void combinationsReachTheService_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("escaped");
        QTest::addColumn<QStringList>("isbns");
        QTest::newRow("only publisher") << ""
                                        << ""
                                        << "Brindle"
                                        << "publisher:brindle" << QStringList{"0596007124"};
        QTest::newRow("title and publisher") << "Garden"
                                             << ""
                                             << "  Quillmark "
                                             << "title:garden%20and%20publisher:quillmark"
                                             << QStringList{"1903211638", "0596004206"};
    }

    void combinationsReachTheService()
    {
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(QString, publisher);
        QFETCH(QString, escaped);
        QFETCH(QStringList, isbns);
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(title, author, publisher, 1));
        QCOMPARE(m_service->requests(), QStringList(Request(escaped, 1)));
        QCOMPARE(Isbns(search.m_rows), isbns);
        QCOMPARE(search.m_totalPages, 1);
        QCOMPARE(FirstPageOf(1, search.m_totalPages), 0);
        QCOMPARE(NextPageOf(1, search.m_totalPages), 0);
        QVERIFY(prompt.shown.isEmpty());
    }

    void onlyEbooks()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(QStringLiteral("ebooks"), QString(), QString(), 1));
        QVERIFY(search.m_rows.isEmpty());
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.LastText(), QString::fromUtf8(kNoValidResults));
        QVERIFY(search.m_statusText.startsWith(QStringLiteral("3 results found, 1 page.")));
    }

    void serviceRefusal()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(search.RunSearch(QString::fromUtf8(kKnitTitle), QString(), QString(), 1));
        QVERIFY(!search.m_rows.isEmpty());

        // A page past the end: the service refuses it, the list empties and
        // the totals of the last good page stay.
        QVERIFY(!search.RunSearch(QString::fromUtf8(kKnitTitle), QString(), QString(), 4));
        QCOMPARE(search.m_currentPage, 4);
        QCOMPARE(search.m_totalPages, 3);
        QVERIFY(search.m_rows.isEmpty());
        QCOMPARE(search.m_errorText, QString::fromUtf8(kNoMatch));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.LastText(), search.m_errorText);
        // Nothing beyond a page past the end either.
        QCOMPARE(NextPageOf(search.m_currentPage, search.m_totalPages), 0);
        QCOMPARE(LastPageOf(search.m_currentPage, search.m_totalPages), 0);

        QVERIFY(!search.RunSearch(QString(), QStringLiteral("Nobody"), QString(), 1));
        QCOMPARE(m_service->requests().last(), Request("author:nobody", 1));
        QCOMPARE(search.m_errorText, QString::fromUtf8(kNoMatch));
        QCOMPARE(prompt.shown.size(), 2);
    }

    void unreachableService()
    {
        {
            const CFakeService stopped; // nothing listens on its port afterwards
            QVERIFY(CAppSettings::SetSearchHost(stopped.baseUrl()));
        }
        CRecordingPrompt prompt;
        CKeywordSearch search;
        const bool ok = search.RunSearch(QStringLiteral("garden"), QString(), QString(), 1);
        QVERIFY(CAppSettings::SetSearchHost(m_service->baseUrl()));
        QVERIFY(!ok);
        QCOMPARE(search.m_errorText, QStringLiteral("Failed to load book info from XML source."));
        QCOMPARE(prompt.LastText(), search.m_errorText);
        QVERIFY(search.m_rows.isEmpty());
    }

    void emptyTermsDoNothing()
    {
        CRecordingPrompt prompt;
        CKeywordSearch search;
        QVERIFY(!search.RunSearch(QString(), QStringLiteral("  "), QString(), 1));
        QVERIFY(m_service->requests().isEmpty());
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(search.m_currentPage, 0);
    }

    void paging_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("last");
        QTest::newRow("first of three") << 1 << 3 << 0 << 0 << 2 << 3;
        QTest::newRow("middle") << 2 << 3 << 1 << 1 << 3 << 3;
        QTest::newRow("last of three") << 3 << 3 << 1 << 2 << 0 << 0;
        QTest::newRow("single page") << 1 << 1 << 0 << 0 << 0 << 0;
        QTest::newRow("no search yet") << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("total unknown") << 1 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("past the end") << 5 << 3 << 1 << 4 << 0 << 0;
    }

    void paging()
    {
        QFETCH(int, current);
        QFETCH(int, total);
        QFETCH(int, first);
        QFETCH(int, previous);
        QFETCH(int, next);
        QFETCH(int, last);
        QCOMPARE(FirstPageOf(current, total), first);
        QCOMPARE(PreviousPageOf(current, total), previous);
        QCOMPARE(NextPageOf(current, total), next);
        QCOMPARE(LastPageOf(current, total), last);
    }
};

QTEST_GUILESS_MAIN(TestKeywordSearch)
#include "tst_keywordsearch.moc"
