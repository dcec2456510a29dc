// The product lookup by ISBN against the fake product service, and the
// command-line tool's lookup command.

#include "FakeService.h"
#include "TestSupport.h"

#include "app/AppSettings.h"
#include "app/Profile.h"
#include "db/BookRecord.h"
#include "online/HttpClient.h"
#include "online/ProductLookup.h"
#include "online/StoreLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// An address where nothing listens any more.
QString ClosedPortUrl()
{
    const CFakeService stopped;
    return stopped.baseUrl();
}

QByteArray PatternBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char((i * 7 + 3) % 256);
    return bytes;
}

// What /__bytes?n=count&picture=... sends for a picture stored under `extension`.
QByteArray PictureBytes(int count, const QString &extension)
{
    const QByteArray signature = extension == u".gif"   ? QByteArray("GIF89a")
                                 : extension == u".png" ? QByteArray("\x89PNG\r\n\x1A\n")
                                                        : QByteArray("\xFF\xD8\xFF");
    return signature + PatternBytes(count).mid(signature.size());
}

QByteArray Cover(const QString &name)
{
    return ReadFileBytes(CFakeService::fixturesDir() + QStringLiteral("/covers/") + name);
}

const char kUnknownMessage[] = "1111111111 is not a valid value for ItemId. Please change this "
                               "value and retry your request.";

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

    std::unique_ptr<CFakeService> m_service;
    std::unique_ptr<CTestEnv> m_env;

    QString Url(const QString &path) const { return m_service->baseUrl() + path; }

    void SetEditionFromHtml(bool on)
    {
        if (on)
            QVERIFY(WriteProfileInt(QLatin1String(kSettingsSection),
                                    QLatin1String(kValueGetEditionFromHtml), 1));
        else
            DeleteProfileEntry(QLatin1String(kSettingsSection),
                               QLatin1String(kValueGetEditionFromHtml));
    }

    CliRun RunCli(const QStringList &args, const QString &configHome, const QString &tmpDir)
    {
        return RunCliTool(args, configHome, QByteArray(), {QStringLiteral("TMPDIR=") + tmpDir});
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_service = std::make_unique<CFakeService>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        m_env = std::make_unique<CTestEnv>();
        QVERIFY(m_env->IsValid());
        QVERIFY(CAppSettings::SetServiceHost(m_service->baseUrl()));
        QVERIFY(CAppSettings::SetStoreHost(m_service->baseUrl()));
    }

    void init()
    {
        m_service->clearRequests();
        SetEditionFromHtml(false);
    }

    void cleanupTestCase()
    {
        m_env.reset();
        m_service.reset();
    }

    void richAnswerIsMappedAndRequestIsExact()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, QStringLiteral(" 0-596-00712-4"), true, false));

        QCOMPARE(m_service->requests(),
                 QStringList({QStringLiteral("GET ") + CFakeService::lookupPath("0596007124"),
                              QStringLiteral("GET /images/P/0596007124.L.jpg")}));
        QCOMPARE(record.ISBN, QStringLiteral("0596007124"));
        QCOMPARE(record.URL, ProductUrlPrefix() + QStringLiteral("0596007124"));
        QCOMPARE(record.Author,
                 QStringLiteral("Maren Holloway / Tobias Quenneville / Ada Lindqvist"));
        QCOMPARE(record.Title, QStringLiteral("Cartography of the Quiet Sea"));
        QCOMPARE(record.Publisher, QStringLiteral("Brindle & Finch"));
        QCOMPARE(record.ReleaseDate, QStringLiteral("2004-03-15"));
        QVERIFY(record.Edition.isEmpty());
        QCOMPARE(record.AmazonPrice, QStringLiteral("$26.37"));
        QCOMPARE(record.ListPrice, QStringLiteral("$39.95"));
        QCOMPARE(record.AmazonRating, QStringLiteral("4.5"));
        QCOMPARE(record.NumOfReviews, QStringLiteral("37"));
        QCOMPARE(record.Binding, QStringLiteral("Paperback"));
        QCOMPARE(record.PageCount, QStringLiteral("512"));
        QCOMPARE(record.Dimension, QStringLiteral("9.25 x 7.00 x 1.25 inches"));
        QCOMPARE(record.LargeImageUrl, Url("/images/P/0596007124.L.jpg"));
        QCOMPARE(record.MediumImageUrl, Url("/images/P/0596007124.M.jpg"));

        const QString expectedDescription =
            QStringLiteral("<p><b>Product Description</b><br /><p>A <b>field guide</b> to charts "
                           "that were never finished, with <i>forty</i> plates.</p><ul><li>"
                           "Soundings &amp; shoals</li><li>Tides</li></ul></p>"
                           "<p><b>From the Publisher</b><br />The second edition adds a chapter "
                           "on <a href=\"") +
            Url("/exec/obidos/ASIN/0596004206") +
            QStringLiteral("\">glass-house gardens</a> &amp; harbour lights.</p>");
        QCOMPARE(record.Description, expectedDescription);

        QVERIFY(record.CoverTempPath.endsWith(QStringLiteral(".jpg")));
        QVERIFY(record.CoverTempPath.startsWith(QDir(QDir::tempPath()).filePath("Tomelo")));
        QVERIFY(record.TempFiles.contains(record.CoverTempPath));
        QCOMPARE(ReadFileBytes(record.CoverTempPath), Cover("0596007124.L.jpg"));
        QVERIFY(record.ErrorText.isEmpty());
        QVERIFY(!record.HasFatalError);
        QVERIFY(prompt.shown.isEmpty());
    }

    void resetToDefaults_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("reset") << true;
        QTest::newRow("keep") << false;
    }

    // Reset empties what the user had and applies the defaults for new
    // books; without it, untouched fields stay, and the authors replace the
    // old ones instead of being run on to them.
    void resetToDefaults()
    {
        QFETCH(bool, reset);
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultLanguage,
                                                  QStringLiteral("Plattdeutsch")));
        CRecordingPrompt prompt;
        CBookRecord record;
        record.Notes = QStringLiteral("<p>mine</p>");
        record.Author = QStringLiteral("Somebody Else");
        QVERIFY(LookupByIsbn(record, QStringLiteral("080442957X"), reset, true));
        QCOMPARE(record.Author, QStringLiteral("Henrik Solberg"));
        QCOMPARE(record.Notes, reset ? QString() : QStringLiteral("<p>mine</p>"));
        QCOMPARE(record.Language, reset ? QStringLiteral("Plattdeutsch") : QString());
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultLanguage, QString()));
    }

    void otherAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("listPrice");
        QTest::addColumn<QString>("amazonPrice");
        QTest::addColumn<int>("reviews");
        // One author, no offers, reviews, dimensions or pictures.
        QTest::newRow("sparse, check letter typed in lower case") << "080442957x"
                                                                  << "080442957X"
                                                                  << "Henrik Solberg"
                                                                  << "$18.00"
                                                                  << "" << 0;
        // Dimensions only nested one level deeper than ItemAttributes/Length.
        QTest::newRow("pounds, nested dimensions") << "0596004206"
                                                   << "0596004206"
                                                   << "Rosalind Achterberg / Piet Vos"
                                                   << "£25.00"
                                                   << "£21.50" << 1;
    }

    void otherAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, isbn);
        QFETCH(QString, author);
        QFETCH(QString, listPrice);
        QFETCH(QString, amazonPrice);
        QFETCH(int, reviews);
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, typed, true, false));
        QCOMPARE(m_service->requests().value(0),
                 QStringLiteral("GET ") + CFakeService::lookupPath(isbn));
        QCOMPARE(record.ISBN, isbn);
        QCOMPARE(record.Author, author);
        QCOMPARE(record.ListPrice, listPrice);
        QCOMPARE(record.AmazonPrice, amazonPrice);
        QCOMPARE(record.Description.count(QStringLiteral("<p><b>")), reviews);
        QCOMPARE(record.Dimension, QStringLiteral("0.00 x 0.00 x 0.00 inches"));
        QVERIFY(prompt.shown.isEmpty());
    }

    void serviceError_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("fatalBefore");
        QTest::newRow("shown") << false << false;
        QTest::newRow("silent") << true << false;
        QTest::newRow("fatal flag kept") << true << true;
    }

    void serviceError()
    {
        QFETCH(bool, silent);
        QFETCH(bool, fatalBefore);
        CRecordingPrompt prompt;
        CBookRecord record;
        record.HasFatalError = fatalBefore;
        QVERIFY(!LookupByIsbn(record, QStringLiteral("1111111111"), true, silent));
        const QString expected = QStringLiteral("Error message returned from Amazon:\n") +
                                 QLatin1String(kUnknownMessage);
        QCOMPARE(record.ErrorText, expected);
        QCOMPARE(QString(record.StatusText), QString::fromLatin1(kUnknownMessage));
        QCOMPARE(record.HasFatalError, fatalBefore);
        QCOMPARE(prompt.shown.size(), silent ? 0 : 1);
        if (!silent)
            QCOMPARE(prompt.LastText(), expected);
        QVERIFY(record.CoverTempPath.isEmpty());
        QCOMPARE(m_service->requests().size(), 1);
    }

    // Whatever the caller passes as an ISBN stays inside ItemId.
    void isbnCannotAddRequestKeys()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(
            !LookupByIsbn(record, QStringLiteral("1111111111&Operation=ItemSearch#"), true, true));
        QCOMPARE(m_service->requests(),
                 QStringList(QStringLiteral("GET ") +
                             CFakeService::lookupPath("1111111111%26Operation%3DItemSearch%23")));
        QVERIFY(!record.HasFatalError);
        QVERIFY(record.ErrorText.contains(QStringLiteral("1111111111&Operation=ItemSearch#")));
    }

    void unloadableAnswerIsFatal_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<bool>("closedPort");
        QTest::newRow("malformed body") << "1876543248" << false;
        QTest::newRow("closed port") << "0596007124" << true;
    }

    void unloadableAnswerIsFatal()
    {
        QFETCH(QString, isbn);
        QFETCH(bool, closedPort);
        if (closedPort)
            QVERIFY(CAppSettings::SetServiceHost(ClosedPortUrl()));
        CRecordingPrompt prompt;
        CBookRecord record;
        const bool found = LookupByIsbn(record, isbn, true, true);
        QVERIFY(CAppSettings::SetServiceHost(m_service->baseUrl()));
        QVERIFY(!found);
        QVERIFY(record.HasFatalError);
        QCOMPARE(record.ErrorText, QStringLiteral("Failed to load book info from XML source."));
        QCOMPARE(prompt.shown.size(), 1); // even though silent
        QCOMPARE(prompt.LastText(), record.ErrorText);
        QVERIFY(record.Title.isEmpty());
    }

    void coverRules_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<QString>("fixture"); // empty: no cover expected
        QTest::newRow("2047 bytes") << "1876543213"
                                    << "";
        QTest::newRow("2048 bytes") << "1876543221"
                                    << "1876543221.L.jpg";
        QTest::newRow("gif") << "0596004206"
                             << "0596004206.L.gif";
        QTest::newRow("no Content-Length") << "1876543256"
                                           << "";
        QTest::newRow("missing picture") << "187654323X"
                                         << "";
    }

    void coverRules()
    {
        QFETCH(QString, isbn);
        QFETCH(QString, fixture);
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, isbn, true, false));
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
        if (fixture.isEmpty()) {
            QVERIFY(record.CoverTempPath.isEmpty());
            QVERIFY(!record.LargeImageUrl.isEmpty());
        } else {
            QCOMPARE(QFileInfo(record.CoverTempPath).suffix(), QFileInfo(fixture).suffix());
            QCOMPARE(ReadFileBytes(record.CoverTempPath), Cover(fixture));
        }
    }

    // Answers of the wrong shape: a count out of range or of no number is left
    // empty, an address is taken only when it is http or https, a cover only
    // when it is a picture, and an answer without a title is no book.
    void hostileAnswers_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<bool>("found");
        // Title|PageCount|AmazonRating|NumOfReviews|LargeImageUrl|MediumImageUrl
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("requests"); // after the lookup itself
        QTest::addColumn<QString>("message");
        QTest::newRow("cover is an HTML page")
            << "1876549009" << true
            << "An Error Page for a Cover|144|||@BASE@/images/P/1876549009.L.jpg|"
            << QStringList{"GET /images/P/1876549009.L.jpg"}
            << "Unable to download the cover picture.";
        QTest::newRow("counts out of range")
            << "1876549017" << true << "Numbers Nobody Counted||||@BASE@/images/P/1876549017.L.jpg|"
            << QStringList{"GET /images/P/1876549017.L.jpg"} << "";
        QTest::newRow("file: and javascript: addresses")
            << "1876549025" << true << "Pages Kept Elsewhere|144||||" << QStringList() << "";
        QTest::newRow("blank title")
            << "1876549033" << false << "|||||" << QStringList()
            << "The answer for 1876549033 has no title, so it is not taken as a book.";
    }

    void hostileAnswers()
    {
        QFETCH(QString, isbn);
        QFETCH(bool, found);
        QFETCH(QString, fields);
        QFETCH(QStringList, requests);
        QFETCH(QString, message);
        CRecordingPrompt prompt;
        CBookRecord record;
        QCOMPARE(LookupByIsbn(record, isbn, true, false), found);
        const QString got =
            QStringList{record.Title,        record.PageCount,     record.AmazonRating,
                        record.NumOfReviews, record.LargeImageUrl, record.MediumImageUrl}
                .join(u'|')
                .replace(m_service->baseUrl(), QStringLiteral("@BASE@"));
        QCOMPARE(got, fields);
        QCOMPARE(m_service->requests().mid(1), requests);
        QCOMPARE(prompt.LastText(), message);
        QCOMPARE(record.ErrorText, message);
        // Nothing of the answer's cover is kept, not even under a temporary name.
        QVERIFY(record.CoverTempPath.isEmpty());
        for (const QString &file : record.TempFiles.paths())
            QCOMPARE(QFileInfo(file).size(), 0);
    }

    void downloadCover_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("gif") << "/__bytes?n=3000&type=image/gif&picture=gif" << true << ".gif"
                             << 3000 << "";
        // The content names the kind of picture, whatever the server calls it.
        QTest::newRow("png sent as a gif")
            << "/__bytes?n=3000&type=image/gif&picture=png" << true << ".png" << 3000 << "";
        QTest::newRow("2048") << "/__bytes?n=2048&type=image/jpeg&picture=jpeg" << true << ".jpg"
                              << 2048 << "";
        QTest::newRow("2047") << "/__bytes?n=2047&type=image/gif&picture=gif" << false << "" << 0
                              << "";
        QTest::newRow("no picture") << "/__bytes?n=3000&type=image/jpeg" << false << "" << 0
                                    << "Unable to download the cover picture.";
        QTest::newRow("empty") << "/__bytes?n=0" << false << "" << 0 << "";
        QTest::newRow("not found") << "/__status?code=404" << false << "" << 0 << "";
        QTest::newRow("server error")
            << "/__status?code=500" << false << "" << 0 << "Unable to download the cover picture.";
        QTest::newRow("no address") << "" << false << "" << 0 << "";
    }

    void downloadCover()
    {
        QFETCH(QString, path);
        QFETCH(bool, saved);
        QFETCH(QString, extension);
        QFETCH(int, size);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("cover"));
        CRecordingPrompt prompt;
        CBookRecord record;
        record.LargeImageUrl = path.isEmpty() ? QStringLiteral("  ") : Url(path) + u' ';
        QString gotExtension;
        QCOMPARE(DownloadCover(record, target, &gotExtension), saved);
        QCOMPARE(gotExtension, extension);
        if (saved)
            QCOMPARE(ReadFileBytes(target + extension), PictureBytes(size, extension));
        else
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(prompt.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(record.ErrorText, message);
    }

    void downloadCoverFileProblems()
    {
        CRecordingPrompt prompt;
        CBookRecord record;
        QString extension;

        record.LargeImageUrl = ClosedPortUrl() + QStringLiteral("/images/P/x.jpg");
        QVERIFY(!DownloadCover(record, QDir::temp().filePath("TomeloUnused"), &extension));
        QCOMPARE(prompt.LastText(), QStringLiteral("Unable to download the cover picture."));

        QTemporaryDir dir;
        record.LargeImageUrl = Url("/__bytes?n=3000&type=image/jpeg&picture=jpeg");
        const QString unwritable = dir.filePath(QStringLiteral("missing/cover"));
        QVERIFY(!DownloadCover(record, unwritable, &extension));
        QCOMPARE(record.ErrorText, QStringLiteral("Cannot open file for writing.\n") + unwritable +
                                       QStringLiteral(".jpg"));
        QCOMPARE(prompt.shown.size(), 2);

        // A link planted under the cover's name is replaced, not written through.
        const QString victim = dir.filePath(QStringLiteral("victim"));
        QFile victimFile(victim);
        QVERIFY(victimFile.open(QIODevice::WriteOnly));
        victimFile.write("keep me");
        victimFile.close();
        const QString target = dir.filePath(QStringLiteral("cover"));
        QVERIFY(QFile::link(victim, target + QStringLiteral(".jpg")));
        QVERIFY(DownloadCover(record, target, &extension));
        QCOMPARE(ReadFileBytes(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(target + QStringLiteral(".jpg")).isSymLink());
        QCOMPARE(ReadFileBytes(target + QStringLiteral(".jpg")), PictureBytes(3000, ".jpg"));
    }

    void editionFromPage_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<QString>("edition");
        QTest::newRow("continued on a later line") << "0596007124"
                                                   << "Revised & expanded edition (March 15, 2004)";
        QTest::newRow("only inside the skipped lines") << "080442957X"
                                                       << "";
        QTest::newRow("no separator, CRLF") << "0596004206"
                                            << "<li><b>Language:</b> English";
        QTest::newRow("last line") << "1876543221"
                                   << "3rd edition";
        QTest::newRow("Latin-1 page")
            << "1876543272" << QString::fromUtf8("2ème édition (mai 2004)</li>");
    }

    void editionFromPage()
    {
        QFETCH(QString, isbn);
        QFETCH(QString, edition);
        SetEditionFromHtml(true);
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, isbn, true, false));
        QCOMPARE(record.Edition, edition);
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(m_service->requests().contains(QStringLiteral("GET /exec/obidos/ASIN/") + isbn));
    }

    void missingPageLeavesEditionEmpty()
    {
        SetEditionFromHtml(true);
        CRecordingPrompt prompt;
        CBookRecord record;
        QVERIFY(LookupByIsbn(record, QStringLiteral("1876543213"), true, true));
        QCOMPARE(record.ReleaseDate, QStringLiteral("2005-01-10"));
        QVERIFY(record.Edition.isEmpty());
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.LastText(), QStringLiteral("Unable to download the html page."));
        QVERIFY(!record.HasFatalError);
    }

    void tempFilesGoWithTheRecord()
    {
        SetEditionFromHtml(true);
        QStringList files;
        QString cover;
        {
            CBookRecord record;
            QVERIFY(LookupByIsbn(record, QStringLiteral("0596007124"), true, true));
            files = record.TempFiles.paths();
            cover = record.CoverTempPath;
            // The name file, the product page and the picture.
            QCOMPARE(files.size(), 3);
            QVERIFY(files.contains(cover));
            for (const QString &file : files) {
                QVERIFY2(QFileInfo::exists(file), qPrintable(file));
                QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("Tomelo")));
                QCOMPARE(QFileInfo(file).absolutePath(), QDir(QDir::tempPath()).absolutePath());
            }
        }
        for (const QString &file : files)
            QVERIFY2(!QFileInfo::exists(file), qPrintable(file));
    }

    // The batch dialog reads StatusText on its timer while the worker looks up.
    void statusTextFollowsTheSteps()
    {
        SetEditionFromHtml(true);
        QVERIFY(HttpGet(Url(QStringLiteral("/__delay?ms=400")), 1000).ok);
        CBookRecord record;
        std::atomic<bool> done{false};
        bool found = false;
        std::thread worker([&] {
            found = LookupByIsbn(record, QStringLiteral("0596007124"), true, true);
            done = true;
        });
        QStringList seen;
        while (!done) {
            const QString status = record.StatusText;
            if (seen.isEmpty() || seen.last() != status)
                seen.append(status);
            QThread::msleep(5);
        }
        worker.join();
        QVERIFY(HttpGet(Url(QStringLiteral("/__delay?ms=0")), 1000).ok);
        QVERIFY(found);
        const QStringList expected = {QStringLiteral("Loading XML from 127.0.0.1..."),
                                      QStringLiteral("Parsing html..."),
                                      QStringLiteral("Downloading cover...")};
        QVERIFY2(seen.mid(seen.indexOf(expected.first())) == expected, qPrintable(seen.join('|')));
    }

    void cliLookup()
    {
        QVERIFY2(!qgetenv("TOMELODEX_CLI").isEmpty(), "TOMELODEX_CLI names the tool to test");
        // Fresh settings: the stored hosts are the real ones, unreachable here,
        // so only the options can lead the tool to the fake service.
        QTemporaryDir config;
        QTemporaryDir tmp;
        const QStringList hosts = {QStringLiteral("--service-host"), m_service->baseUrl(),
                                   QStringLiteral("--store-host"), m_service->baseUrl()};

        const CliRun found =
            RunCli(QStringList{QStringLiteral("lookup"), QStringLiteral("0-596-00712-4")} + hosts,
                   config.path(), tmp.path());
        QCOMPARE(found.code, 0);
        QVERIFY2(found.out.startsWith(QStringLiteral("<Book ID=\"0\">\n")), qPrintable(found.out));
        QVERIFY(found.out.endsWith(QStringLiteral("</Book>\n")));
        QVERIFY(found.out.contains(QStringLiteral("<Title>Cartography of the Quiet Sea</Title>")));
        QVERIFY(found.out.contains(QStringLiteral("<ISBN>0596007124</ISBN>")));
        QVERIFY(found.out.contains(QStringLiteral("<URL>") + Url("/exec/obidos/ASIN/0596007124")));
        QVERIFY(found.out.contains(QStringLiteral("<Publisher>Brindle &amp; Finch</Publisher>")));
        QVERIFY(!found.out.contains(QStringLiteral("Cover")));
        QVERIFY(m_service->requests().contains(QStringLiteral("GET /images/P/0596007124.L.jpg")));
        // The downloaded cover went with the record.
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        const CliRun unknown =
            RunCli(QStringList{QStringLiteral("lookup"), QStringLiteral("1111111111")} + hosts,
                   config.path(), tmp.path());
        QCOMPARE(unknown.code, 1);
        QVERIFY(unknown.out.isEmpty());
        QCOMPARE(unknown.err, QStringLiteral("Error message returned from Amazon:\n") +
                                  QLatin1String(kUnknownMessage) + u'\n');

        // A bar code is looked up as its ISBN-10, a 979 ISBN-13 as its 13
        // digits; a code with a wrong check digit is not sent at all.
        const CliRun barCode =
            RunCli(QStringList{QStringLiteral("lookup"), QStringLiteral("9780596007126")} + hosts,
                   config.path(), tmp.path());
        QCOMPARE(barCode.code, 0);
        QVERIFY(barCode.out.contains(QStringLiteral("<ISBN>0596007124</ISBN>")));
        const CliRun isbn13 = RunCli(
            QStringList{QStringLiteral("lookup"), QStringLiteral("979-10-90636-07-1")} + hosts,
            config.path(), tmp.path());
        QCOMPARE(isbn13.code, 0);
        QVERIFY(isbn13.out.contains(QStringLiteral("<ISBN>9791090636071</ISBN>")));
        QVERIFY(isbn13.out.contains(QStringLiteral("<Title>Jardins de papier</Title>")));
        const CliRun typo =
            RunCli(QStringList{QStringLiteral("lookup"), QStringLiteral("9780596007120")} + hosts,
                   config.path(), tmp.path());
        QCOMPARE(typo.code, 1);
        QCOMPARE(typo.err, QStringLiteral("9780596007120 is not a valid ISBN.\n"));
        QVERIFY(m_service->requests().filter(QStringLiteral("ItemId=978059600712")).isEmpty());

        const CliRun unreachable = RunCli({QStringLiteral("lookup"), QStringLiteral("0596007124"),
                                           QStringLiteral("--service-host"), ClosedPortUrl()},
                                          config.path(), tmp.path());
        QCOMPARE(unreachable.code, 1);
        QCOMPARE(unreachable.err, QStringLiteral("Failed to load book info from XML source.\n"));

        QCOMPARE(RunCli({QStringLiteral("lookup")}, config.path(), tmp.path()).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
