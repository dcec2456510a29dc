// The HTTP client against the fake product service, and the fake service's
// own answers that the lookup and search tests rely on.

#include "FakeService.h"
#include "TestSupport.h"

#include "online/HttpClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {

const char kServiceNamespace[] = "http://webservices.amazon.com/AWSECommerceService/2011-08-01";

// What /__bytes?n=N sends.
QByteArray PatternBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char((i * 7 + 3) % 256);
    return bytes;
}

QByteArray Fixture(const QString &relative)
{
    return ReadFileBytes(CFakeService::fixturesDir() + u'/' + relative);
}

// A loopback port that refuses connections: bound, never listening, and held
// for the object's lifetime so that nobody else takes it.
class CRefusingPort
{
public:
    CRefusingPort()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~CRefusingPort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int Port() const { return m_port; }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }

private:
    int m_fd = -1;
    int m_port = 0;
};

// Sets (or, with a null value, removes) an environment variable for its lifetime.
class CEnvSetting
{
public:
    CEnvSetting(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name))
    {
        m_had = qEnvironmentVariableIsSet(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~CEnvSetting()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had = false;
};

// Texts of every element with this local name, and the namespace of the root.
QStringList ElementTexts(const QByteArray &xml, const QString &name,
                         QString *rootNamespace = nullptr, bool *wellFormed = nullptr)
{
    QStringList texts;
    QXmlStreamReader reader(xml);
    bool root = true;
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (!reader.isStartElement())
            continue;
        if (root && rootNamespace)
            *rootNamespace = reader.namespaceUri().toString();
        root = false;
        if (reader.name() == name)
            texts.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (wellFormed)
        *wellFormed = !reader.hasError();
    return texts;
}

} // namespace

class TestHttp : public QObject
{
    Q_OBJECT

    std::unique_ptr<CFakeService> m_service;

    QString Url(const QString &path) const { return m_service->baseUrl() + path; }

private Q_SLOTS:
    void initTestCase()
    {
        m_service = std::make_unique<CFakeService>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
    }

    void cleanupTestCase() { m_service.reset(); }

    void getGivesBodyStatusAndHeaders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::newRow("jpeg") << "0596007124.L.jpg"
                              << "image/jpeg";
        QTest::newRow("gif") << "0596004206.L.gif"
                             << "image/gif";
    }

    void getGivesBodyStatusAndHeaders()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        const QByteArray expected = Fixture("covers/" + name);
        QVERIFY(expected.size() > 2047);

        const CHttpResponse response = HttpGet(Url("/images/P/" + name), kMaxCoverBytes);
        QVERIFY2(response.ok, qPrintable(response.error));
        QVERIFY(response.error.isEmpty());
        QCOMPARE(response.status, 200);
        QCOMPARE(response.body, expected);
        QCOMPARE(response.Header("Content-Type"), type);
        QCOMPARE(response.Header("content-type"), type);
        QCOMPARE(response.Header("CONTENT-LENGTH").toLongLong(), qint64(expected.size()));
        QVERIFY(response.headers.Contains("content-length"));
        QVERIFY(!response.headers.Contains("X-Not-There"));
        QCOMPARE(response.Header("X-Not-There"), QString());
    }

    // A status other than 2xx fails, but what the server said stays readable.
    void failingStatusKeepsTheAnswer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("bodyPart");
        QTest::newRow("missing cover") << "/images/P/187654323X.L.jpg" << 404 << QByteArray("404");
        QTest::newRow("server error") << "/__status?code=503" << 503 << QByteArray("status 503");
        QTest::newRow("bad request") << "/onca/xml?Service=AWSECommerceService" << 400
                                     << QByteArray("missing parameter SubscriptionId");
    }

    void failingStatusKeepsTheAnswer()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, bodyPart);
        const CHttpResponse response = HttpGet(Url(path), kMaxXmlAnswerBytes);
        QVERIFY(!response.ok);
        QCOMPARE(response.status, status);
        QVERIFY(response.error.contains(QString::number(status)));
        QVERIFY2(response.body.contains(bodyPart), response.body.constData());
    }

    void redirectChainIsFollowed_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("301") << 301;
        QTest::newRow("302") << 302;
        QTest::newRow("303") << 303;
        QTest::newRow("307") << 307;
    }

    void redirectChainIsFollowed()
    {
        QFETCH(int, code);
        m_service->clearRequests();
        const QString target = "/__bytes?n=3000&type=text/x-final";
        const CHttpResponse response =
            HttpGet(Url(QStringLiteral("/__redirect?n=3&code=%1&to=/__bytes%3Fn%3D3000%26type%3D"
                                       "text/x-final")
                            .arg(code)),
                    kMaxXmlAnswerBytes);
        QVERIFY2(response.ok, qPrintable(response.error));
        QCOMPARE(response.status, 200);
        QCOMPARE(response.body, PatternBytes(3000));
        // Only the last response's headers count.
        QCOMPARE(response.Header("Content-Type"), QString("text/x-final"));
        QVERIFY(!response.headers.Contains("Location"));
        QCOMPARE(response.effectiveUrl, Url(target));
        const QStringList requests = m_service->requests();
        QCOMPARE(requests.size(), 4);
        QCOMPARE(requests.last(), "GET " + target);
    }

    void redirectsAreBounded()
    {
        CHttpOptions options;
        options.maxRedirects = 2;
        const QString twoHops = Url("/__redirect?n=2&to=/__bytes%3Fn%3D5");
        const QString threeHops = Url("/__redirect?n=3&to=/__bytes%3Fn%3D5");
        QVERIFY(HttpGet(twoHops, 100, options).ok);
        const CHttpResponse tooMany = HttpGet(threeHops, 100, options);
        QVERIFY(!tooMany.ok);
        QVERIFY(!tooMany.error.isEmpty());

        const CHttpResponse loop = HttpGet(Url("/__redirect?loop=1"), 100);
        QVERIFY(!loop.ok);
        QVERIFY(!loop.error.isEmpty());
    }

    // Covers and links come from service answers: nothing but http and https
    // may be fetched, not even at the end of a redirect.
    void onlyHttpIsFetched()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString secret = dir.filePath("secret.txt");
        {
            QFile file(secret);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("local file contents");
        }
        const QString fileUrl = QUrl::fromLocalFile(secret).toString();

        const CHttpResponse direct = HttpGet(fileUrl, 1000);
        QVERIFY(!direct.ok);
        QVERIFY(direct.body.isEmpty());
        QString error;
        QVERIFY(!OpenUrl(fileUrl, &error));
        QVERIFY(!error.isEmpty());

        const CHttpResponse redirected = HttpGet(
            Url("/__redirect?n=1&to=" + QString::fromLatin1(QUrl::toPercentEncoding(fileUrl))),
            1000);
        QVERIFY(!redirected.ok);
        QVERIFY(!redirected.body.contains("local file contents"));
    }

    void bodyCapIsEnforced_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("chunked");
        QTest::addColumn<qint64>("cap");
        QTest::addColumn<bool>("ok");
        QTest::newRow("announced, at the cap") << 5000 << false << qint64(5000) << true;
        QTest::newRow("announced, one over") << 5001 << false << qint64(5000) << false;
        QTest::newRow("chunked, at the cap") << 5000 << true << qint64(5000) << true;
        QTest::newRow("chunked, one over") << 5001 << true << qint64(5000) << false;
        QTest::newRow("chunked, far over") << 3000000 << true << qint64(100000) << false;
        QTest::newRow("empty body, zero cap") << 0 << false << qint64(0) << true;
        QTest::newRow("one byte, zero cap") << 1 << true << qint64(0) << false;
    }

    void bodyCapIsEnforced()
    {
        QFETCH(int, size);
        QFETCH(bool, chunked);
        QFETCH(qint64, cap);
        QFETCH(bool, ok);
        const QString url =
            Url(QStringLiteral("/__bytes?n=%1&chunked=%2").arg(size).arg(chunked ? 1 : 0));
        const CHttpResponse response = HttpGet(url, cap);
        QCOMPARE(response.ok, ok);
        if (ok) {
            QCOMPARE(response.body, PatternBytes(size));
        } else {
            QVERIFY(response.body.isEmpty());
            QVERIFY2(response.error.contains(QString::number(cap)), qPrintable(response.error));
        }
        CUrlStream stream;
        QCOMPARE(stream.Open(url, cap), ok);
    }

    void refusedConnectionFails()
    {
        CRefusingPort closed;
        QVERIFY(closed.Port() > 0);
        const CHttpResponse response = HttpGet(closed.Url(), 1000);
        QVERIFY(!response.ok);
        QCOMPARE(response.status, 0);
        QVERIFY(!response.error.isEmpty());

        QString error;
        QVERIFY(!OpenUrl(closed.Url(), &error));
        QVERIFY(!error.isEmpty());
        CHttpResponse info;
        QVERIFY(
            !DownloadToFile(closed.Url(), QDir::temp().filePath("tomelodex-never"), 1000, &info));
        QVERIFY(!info.error.isEmpty());
        QVERIFY(!QFile::exists(QDir::temp().filePath("tomelodex-never")));
    }

    // The server sleeps far longer than the time-outs, then answers: a missed
    // time-out shows as a successful request.
    void stalledServerTimesOut_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("lowSpeedSeconds");
        QTest::addColumn<int>("totalTimeoutMs");
        QTest::newRow("silent, overall cap") << "before" << 0 << 1500;
        QTest::newRow("silent, low speed") << "before" << 1 << 0;
        QTest::newRow("body stops, low speed") << "body" << 1 << 0;
        QTest::newRow("body stops, overall cap") << "body" << 0 << 1500;
    }

    void stalledServerTimesOut()
    {
        QFETCH(QString, mode);
        QFETCH(int, lowSpeedSeconds);
        QFETCH(int, totalTimeoutMs);
        CHttpOptions options;
        options.lowSpeedSeconds = lowSpeedSeconds;
        options.totalTimeoutMs = totalTimeoutMs;
        const QString url = Url("/__stall?seconds=30&mode=" + mode);
        const CHttpResponse response = HttpGet(url, 100000, options);
        QVERIFY(!response.ok);
        QVERIFY(!response.error.isEmpty());
        QVERIFY(response.body.isEmpty());
        CUrlStream stream;
        QVERIFY(!stream.Open(url, 100000, options));
    }

    // Two bytes a second pass every low-speed check; only the overall limit
    // ends the transfer. The limit is shortened here, the drip would take 10 s.
    void drippingServerMeetsTheTimeLimit()
    {
        const CDownloadTimeLimitOverride limit(1500);
        const QString url = Url("/__drip?n=20&rate=2");
        const CHttpResponse response = HttpGet(url, 100000);
        QVERIFY(!response.ok);
        QVERIFY(!response.error.isEmpty());
        QVERIFY(response.body.isEmpty());
        CUrlStream stream;
        QVERIFY(!stream.Open(url));
        const QString target = QDir::temp().filePath("tomelodex-drip.jpg");
        QVERIFY(!DownloadToFile(url, target, kMaxCoverBytes));
        QVERIFY(!QFile::exists(target));
        // An option may shorten the limit, never lengthen it.
        CHttpOptions longer;
        longer.totalTimeoutMs = 120000;
        QVERIFY(!HttpGet(url, 100000, longer).ok);
    }

    void streamReadsInBlocks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("hasLength");
        QTest::newRow("cover, 1023") << "/images/P/0596007124.L.jpg"
                                     << "covers/0596007124.L.jpg" << 1023 << true;
        QTest::newRow("cover of 2048, 1023") << "/images/P/1876543221.L.jpg"
                                             << "covers/1876543221.L.jpg" << 1023 << true;
        QTest::newRow("chunked cover, 1023") << "/images/P/1876543256.L.jpg?chunked=1"
                                             << "covers/1876543256.L.jpg" << 1023 << false;
        QTest::newRow("page, 32767") << "/exec/obidos/ASIN/0596007124"
                                     << "pages/0596007124.html" << 32767 << true;
        QTest::newRow("short page, 32767") << "/exec/obidos/ASIN/1876543221"
                                           << "pages/1876543221.html" << 32767 << true;
    }

    void streamReadsInBlocks()
    {
        QFETCH(QString, path);
        QFETCH(QString, fixture);
        QFETCH(int, block);
        QFETCH(bool, hasLength);
        const QByteArray expected = Fixture(fixture);
        QVERIFY(!expected.isEmpty());

        QString error = "stale";
        std::unique_ptr<CUrlStream> stream = OpenUrl(Url(path), &error);
        QVERIFY2(stream, qPrintable(error));
        QVERIFY(error.isEmpty());
        QCOMPARE(QueryHeader(*stream, "Content-Length"),
                 hasLength ? QString::number(expected.size()) : QString());
        QVERIFY(!QueryHeader(*stream, "content-type").isEmpty());

        QByteArray received;
        std::vector<char> buffer(size_t(block) + 16, '\0');
        int reads = 0;
        while (const qint64 count = ReadBody(*stream, buffer.data(), block)) {
            QVERIFY(count > 0 && count <= block);
            received.append(buffer.data(), qsizetype(count));
            ++reads;
        }
        QCOMPARE(received, expected);
        QCOMPARE(reads, int((expected.size() + block - 1) / block));
        QCOMPARE(ReadBody(*stream, buffer.data(), block), qint64(0));
        CloseUrl(stream);
        QVERIFY(!stream);
    }

    void streamFailuresAndClose()
    {
        CUrlStream stream;
        QVERIFY(!stream.Open(Url("/exec/obidos/ASIN/1876543213")));
        QCOMPARE(stream.Status(), 404);
        QVERIFY(!stream.ErrorText().isEmpty());
        char buffer[64];
        QCOMPARE(stream.Read(buffer, sizeof buffer), qint64(0));

        // Over the stream's own cap.
        QString error;
        QVERIFY(!OpenUrl(Url("/images/P/0596007124.L.jpg"), &error, 5999));
        QVERIFY(error.contains("5999"));

        // Reopening serves the new body from its start; a closed stream is empty.
        QVERIFY(stream.Open(Url("/__bytes?n=40")));
        QCOMPARE(stream.Read(buffer, 10), qint64(10));
        QVERIFY(stream.Open(Url("/__bytes?n=30")));
        QCOMPARE(stream.Read(buffer, sizeof buffer), qint64(30));
        QCOMPARE(QByteArray(buffer, 30), PatternBytes(30));
        QVERIFY(stream.Open(Url("/__bytes?n=30")));
        stream.Close();
        QVERIFY(!stream.IsOpen());
        QCOMPARE(stream.Read(buffer, sizeof buffer), qint64(0));
        QCOMPARE(stream.Header("Content-Length"), QString());
    }

    void downloadToFileWritesOnlyOnSuccess()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("cover.jpg");
        CHttpResponse info;
        QVERIFY(DownloadToFile(Url("/images/P/1876543221.L.jpg"), path, kMaxCoverBytes, &info));
        QCOMPARE(info.status, 200);
        QCOMPARE(info.Header("Content-Length"), QString("2048"));
        QVERIFY(info.body.isEmpty());
        QCOMPARE(ReadFileBytes(path), Fixture("covers/1876543221.L.jpg"));

        // A failed download leaves the earlier file as it was.
        QVERIFY(!DownloadToFile(Url("/images/P/187654323X.L.jpg"), path, kMaxCoverBytes, &info));
        QCOMPARE(info.status, 404);
        QVERIFY(!DownloadToFile(Url("/__bytes?n=3000&chunked=1"), path, 2999, &info));
        QCOMPARE(ReadFileBytes(path), Fixture("covers/1876543221.L.jpg"));

        QVERIFY(
            !DownloadToFile(Url("/__bytes?n=10"), dir.filePath("no/such/folder/x"), 100, &info));
        QVERIFY(!info.ok);
        QVERIFY(!info.error.isEmpty());
    }

    // The request reaches the server byte for byte as the caller escaped it;
    // only what cannot travel in a URL is escaped here.
    void requestIsSentAsComposed()
    {
        m_service->clearRequests();
        const QString search =
            CFakeService::searchPath("title:knit%20%2B%20purl%20%20more%20tips%20tricks", 2);
        const CHttpResponse answer = HttpGet(Url(search), kMaxXmlAnswerBytes);
        QVERIFY2(answer.ok, qPrintable(answer.error));
        QVERIFY(answer.body.contains("<TotalPages>3</TotalPages>"));
        QVERIFY(HttpGet(Url(QString::fromUtf8("/__bytes?n=1&note=a b\xC3\xA9")), 10).ok);

        const QStringList requests = m_service->requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0), "GET " + search);
        QCOMPARE(requests.at(1), QString("GET /__bytes?n=1&note=a%20b%C3%A9"));

        const CHttpResponse echo = HttpGet(Url("/__echo"), 10000);
        QVERIFY(echo.ok);
        const QString headers = QString::fromLatin1(echo.body).toLower();
        QVERIFY2(headers.contains("\nuser-agent: tomelodex/1.3\n"), qPrintable(headers));
        QVERIFY(!headers.contains("accept-encoding"));
        QVERIFY(!headers.contains("cookie"));
    }

    // Proxies come from the environment: a bogus proxy breaks the request
    // unless no_proxy exempts the host.
    void proxyEnvironmentIsHonoured()
    {
        CRefusingPort deadProxy;
        QVERIFY(deadProxy.Port() > 0);
        const QByteArray proxy =
            QStringLiteral("http://127.0.0.1:%1").arg(deadProxy.Port()).toLatin1();
        const CEnvSetting httpProxy("http_proxy", proxy);
        const CEnvSetting allProxy("all_proxy", QByteArray());
        const CEnvSetting upperAllProxy("ALL_PROXY", QByteArray());
        const QString url = Url("/__bytes?n=100");
        {
            const CEnvSetting noProxy("no_proxy", QByteArray());
            const CEnvSetting upperNoProxy("NO_PROXY", QByteArray());
            const CHttpResponse response = HttpGet(url, 1000);
            QVERIFY2(!response.ok, "the request went around the proxy");
        }
        {
            const CEnvSetting noProxy("no_proxy", "localhost,127.0.0.1");
            const CEnvSetting upperNoProxy("NO_PROXY", QByteArray());
            const CHttpResponse response = HttpGet(url, 1000);
            QVERIFY2(response.ok, qPrintable(response.error));
            QCOMPARE(response.body, PatternBytes(100));
            QVERIFY(OpenUrl(url));
        }
    }

    void concurrentRequestsFromThreads()
    {
        struct Job
        {
            QString url;
            QByteArray expected;
            bool stream;
        };
        const std::vector<Job> jobs = {
            {Url("/images/P/0596007124.L.jpg"), Fixture("covers/0596007124.L.jpg"), true},
            {Url("/images/P/0596004206.L.gif"), Fixture("covers/0596004206.L.gif"), false},
            {Url("/exec/obidos/ASIN/0596007124"), Fixture("pages/0596007124.html"), true},
            {Url("/__bytes?n=70000&chunked=1"), PatternBytes(70000), false},
            {Url("/__redirect?n=2&to=/__bytes%3Fn%3D5000"), PatternBytes(5000), false},
        };
        const int threadCount = 8;
        const int rounds = 10;
        std::atomic<int> good{0};
        std::vector<QString> failures(threadCount);
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&, t] {
                for (int round = 0; round < rounds; ++round) {
                    const Job &job = jobs[size_t(t + round) % jobs.size()];
                    QByteArray body;
                    if (job.stream) {
                        std::unique_ptr<CUrlStream> stream = OpenUrl(job.url);
                        char buffer[1023];
                        while (stream) {
                            const qint64 count = ReadBody(*stream, buffer, sizeof buffer);
                            if (count == 0)
                                break;
                            body.append(buffer, qsizetype(count));
                        }
                    } else {
                        body = HttpGet(job.url, kMaxPageBytes).body;
                    }
                    if (body == job.expected)
                        ++good;
                    else
                        failures[size_t(t)] = job.url;
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        for (const QString &failure : failures)
            QVERIFY2(failure.isEmpty(), qPrintable("wrong body from " + failure));
        QCOMPARE(good.load(), threadCount * rounds);
    }

    // --- the fake service's answers

    void fakeLookupAnswersInTheServiceFormat()
    {
        const CHttpResponse answer =
            HttpGet(Url(CFakeService::lookupPath("0596007124")), kMaxXmlAnswerBytes);
        QVERIFY2(answer.ok, qPrintable(answer.error));
        QVERIFY(answer.Header("Content-Type").startsWith("text/xml"));
        QString rootNamespace;
        bool wellFormed = false;
        QCOMPARE(ElementTexts(answer.body, "Author", &rootNamespace, &wellFormed),
                 QStringList({"Maren Holloway", "Tobias Quenneville", "Ada Lindqvist"}));
        QVERIFY(wellFormed);
        QCOMPARE(rootNamespace, QString(kServiceNamespace));
        QCOMPARE(ElementTexts(answer.body, "Publisher"), QStringList("Brindle & Finch"));
        const QStringList reviews = ElementTexts(answer.body, "EditorialReview");
        QCOMPARE(reviews.size(), 2);
        QVERIFY(reviews.at(0).contains("<b>field guide</b>"));
        QVERIFY(reviews.at(0).contains("Soundings &amp; shoals"));

        // The picture addresses point back at this server.
        const QStringList urls = ElementTexts(answer.body, "URL");
        QVERIFY(!urls.isEmpty());
        for (const QString &url : urls)
            QVERIFY2(url.startsWith(Url("/images/P/0596007124.")), qPrintable(url));
        const QString coverUrl = Url("/images/P/0596007124.L.jpg");
        QVERIFY(urls.contains(coverUrl));
        QCOMPARE(HttpGet(coverUrl, kMaxCoverBytes).body, Fixture("covers/0596007124.L.jpg"));
    }

    void fakeLookupErrors_data()
    {
        QTest::addColumn<QString>("itemId");
        QTest::addColumn<QString>("echoed");
        QTest::newRow("unknown") << "1111111111"
                                 << "1111111111";
        QTest::newRow("hyphenated") << "0-596-00712-4"
                                    << "0-596-00712-4";
        QTest::newRow("path") << "..%2Flookup%2F0596007124"
                              << "../lookup/0596007124";
        QTest::newRow("markup") << "%3Cb%3E%26"
                                << "<b>&";
    }

    void fakeLookupErrors()
    {
        QFETCH(QString, itemId);
        QFETCH(QString, echoed);
        const CHttpResponse answer =
            HttpGet(Url(CFakeService::lookupPath(itemId)), kMaxXmlAnswerBytes);
        QVERIFY2(answer.ok, qPrintable(answer.error)); // the service reports errors with 200
        bool wellFormed = false;
        QCOMPARE(ElementTexts(answer.body, "Code", nullptr, &wellFormed),
                 QStringList("AWS.InvalidParameterValue"));
        QVERIFY(wellFormed);
        const QStringList messages = ElementTexts(answer.body, "Message");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(echoed + " is not a valid value for ItemId"),
                 qPrintable(messages.first()));
        QVERIFY(ElementTexts(answer.body, "Item").isEmpty());
    }

    void fakeMalformedAnswerIsNotXml()
    {
        const CHttpResponse answer =
            HttpGet(Url(CFakeService::lookupPath("1876543248")), kMaxXmlAnswerBytes);
        QVERIFY(answer.ok);
        bool wellFormed = true;
        ElementTexts(answer.body, "Title", nullptr, &wellFormed);
        QVERIFY(!wellFormed);
    }

    void fakeRejectsMiscomposedRequests_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        const QString lookup = CFakeService::lookupPath("0596007124");
        QTest::newRow("lookup without ItemId")
            << QString(lookup).replace("&ItemId=0596007124", "") << "missing parameter ItemId";
        QTest::newRow("lookup with empty ItemId") << CFakeService::lookupPath("") << "empty";
        QTest::newRow("lookup, wrong operation")
            << QString(lookup).replace("ItemLookup", "ItemSearch") << "Operation";
        QTest::newRow("lookup, keys reordered")
            << "/onca/xml?SubscriptionId=7QHN2ZK5XW3RB8TLM0C4&Service=AWSECommerceService"
               "&Operation=ItemLookup&ResponseGroup=Large&ItemId=0596007124"
            << "order";
        QTest::newRow("lookup, extra key") << lookup + "&AssociateTag=x"
                                           << "unexpected";
        const QString search = CFakeService::searchPath("title:garden", 1);
        QTest::newRow("search without page")
            << QString(search).replace("&page=1", "") << "missing parameter page";
        QTest::newRow("search, page 0") << CFakeService::searchPath("title:garden", 0) << "page";
        QTest::newRow("search, sort decoded as space")
            << QString(search).replace("sort=+", "sort=%20") << "sort";
    }

    void fakeRejectsMiscomposedRequests()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const CHttpResponse answer = HttpGet(Url(path), kMaxXmlAnswerBytes);
        QVERIFY(!answer.ok);
        QCOMPARE(answer.status, 400);
        QVERIFY2(answer.body.contains(reason.toUtf8()), answer.body.constData());
    }

    void fakeSearchPages()
    {
        const QString knit = "title:knit%20%2B%20purl%20%20more%20tips%20tricks";
        const QList<int> itemsPerPage = {10, 10, 4};
        for (int page = 1; page <= 3; ++page) {
            const CHttpResponse answer =
                HttpGet(Url(CFakeService::searchPath(knit, page)), kMaxXmlAnswerBytes);
            QVERIFY(answer.ok);
            QCOMPARE(ElementTexts(answer.body, "TotalPages"), QStringList("3"));
            QCOMPARE(ElementTexts(answer.body, "TotalResults"), QStringList("24"));
            QCOMPARE(ElementTexts(answer.body, "Asin").size(), itemsPerPage.at(page - 1));
            QVERIFY(ElementTexts(answer.body, "ErrorMsg").isEmpty());
        }
        const QStringList single = ElementTexts(
            HttpGet(Url(CFakeService::searchPath("publisher:brindle", 1)), 100000).body, "Asin");
        QCOMPARE(single, QStringList("0596007124"));
        for (const QString &miss :
             {CFakeService::searchPath("author:nobody", 1), CFakeService::searchPath(knit, 4)}) {
            const CHttpResponse answer = HttpGet(Url(miss), kMaxXmlAnswerBytes);
            QVERIFY(answer.ok);
            QCOMPARE(ElementTexts(answer.body, "ErrorMsg"),
                     QStringList("There are no exact matches for the search."));
        }
    }

    // The edition scraping skips 300 lines and reads the page in 32767-byte
    // blocks: the fixture page must have its publisher line after both.
    void fakeProductPageLayout()
    {
        const CHttpResponse page = HttpGet(Url("/exec/obidos/ASIN/0596007124"), kMaxPageBytes);
        QVERIFY(page.ok);
        QVERIFY(page.body.size() > 32767);
        const QList<QByteArray> lines = page.body.split('\n');
        QVERIFY(lines.at(119).contains("<li><b>Publisher:</b>"));
        QVERIFY(lines.at(340).startsWith("<li><b>Publisher:</b> Brindle &amp; Finch; "));
        QVERIFY(HttpGet(Url("/exec/obidos/ASIN/1876543213"), kMaxPageBytes).status == 404);

        const CHttpResponse store = HttpGet(
            Url("/exec/obidos/redirect?tag=brindlewood-20&path=ASIN%2F0596007124"), kMaxPageBytes);
        QVERIFY(store.ok);
        QCOMPARE(store.body, page.body);
    }

    void fakeRequestLog()
    {
        m_service->clearRequests();
        QVERIFY(m_service->requests().isEmpty());
        const QString first = CFakeService::lookupPath("080442957X");
        QVERIFY(HttpGet(Url(first), kMaxXmlAnswerBytes).ok);
        QVERIFY(!HttpGet(Url("/nowhere?x=1"), 1000).ok);
        const QStringList expected = {"GET " + first, "GET /nowhere?x=1"};
        QCOMPARE(m_service->requests(), expected);
        // The HTTP view of the log, which is not logged itself.
        const CHttpResponse log = HttpGet(Url("/__requests"), 1000000);
        QVERIFY(log.ok);
        QVERIFY(QString::fromUtf8(log.body).endsWith(expected.join('\n') + '\n'));
        QCOMPARE(m_service->requests(), expected);
    }

    void fakeCoverSizes()
    {
        for (const auto &[name, size] : {std::pair<QString, int>{"1876543213.L.jpg", 2047},
                                         std::pair<QString, int>{"1876543221.L.jpg", 2048}}) {
            std::unique_ptr<CUrlStream> stream = OpenUrl(Url("/images/P/" + name));
            QVERIFY(stream);
            QCOMPARE(QueryHeader(*stream, "Content-Length").toInt(), size);
            QCOMPARE(QueryHeader(*stream, "Content-Type"), QString("image/jpeg"));
            QVERIFY(Fixture("covers/" + name).startsWith("\xFF\xD8\xFF"));
        }
        QVERIFY(Fixture("covers/0596004206.L.gif").startsWith("GIF89a"));
    }
};

QTEST_GUILESS_MAIN(TestHttp)
#include "tst_http.moc"
