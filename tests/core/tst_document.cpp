// Opening, creating and compacting libraries.

#include "TestSupport.h"

#include "app/SettingsKey.h"
#include "app/TomeloApp.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace {

class CCountingTree : public ITreeView
{
public:
    void LoadTree() override { ++loads; }
    int loads = 0;
};

QString Single(CTomeloDoc &doc, const QString &sql)
{
    QString out;
    QuerySingleValue(sql, *doc.m_connection, out);
    return out;
}

void StoreLanguage(const QString &code)
{
    CSettingsKey key;
    QVERIFY(key.Open(QStringLiteral("Software\\Brindlewood\\Tomelodex\\Settings"), true));
    QVERIFY(key.WriteString(QStringLiteral("UILanguage"), code));
}

// Writes of more than `bytes` bytes to any file fail while it lives.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newLibraryIsLocalisedAndGetsImagesFolder()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        CCountingTree tree;
        doc.m_treeView = &tree;
        const QString path = env.Path(QStringLiteral("My Books.MDB"));
        QVERIFY(doc.CreateLibrary(path));
        QVERIFY(doc.IsLibraryOpen());
        QVERIFY(!doc.m_isNewLibrary);
        QCOMPARE(doc.m_currentCategoryId, -1);
        QCOMPARE(tree.loads, 1);
        QCOMPARE(TomeloApp().m_imagesDir, env.Path(QStringLiteral("my books_images")));
        QVERIFY(QFileInfo(TomeloApp().m_imagesDir).isDir());
        QCOMPARE(Single(doc, QStringLiteral("SELECT Name FROM category WHERE CatID=1")),
                 QStringLiteral("Book Collection"));
        QVERIFY(prompt.shown.isEmpty());
    }

    void libraryMadeInChineseKeepsItsNames()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        const QString path = env.Path(QStringLiteral("books.mdb"));
        {
            // The interface language is read from the settings at start.
            StoreLanguage(QStringLiteral("Chs"));
            TomeloApp().InitCore(CTestEnv::RuntimeDir());
            QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Chs"));
            QVERIFY(TomeloApp().IsLanguageLoaded());
            CTomeloDoc doc;
            QVERIFY(doc.CreateLibrary(path));
            QCOMPARE(Single(doc, QStringLiteral("SELECT Name FROM category WHERE CatID=1")),
                     QString::fromUtf8("图书收藏"));
            QCOMPARE(Single(doc, QStringLiteral("SELECT Name FROM bookbinding WHERE BindingID=2")),
                     QString::fromUtf8("平装"));
        }
        StoreLanguage(QStringLiteral("Enu"));
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Enu"));
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QCOMPARE(Single(doc, QStringLiteral("SELECT Name FROM category WHERE CatID=1")),
                 QString::fromUtf8("图书收藏"));
    }

    void imagesFolderRule_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folder");
        QTest::newRow("mdb") << QStringLiteral("Books.mdb") << QStringLiteral("books_images");
        QTest::newRow("upper case") << QStringLiteral("LIB.MDB") << QStringLiteral("lib_images");
        QTest::newRow("other extension")
            << QStringLiteral("Notes.dat") << QStringLiteral("notes.dat_images");
    }

    void imagesFolderRule()
    {
        QFETCH(QString, file);
        QFETCH(QString, folder);
        CTestEnv env;
        CRecordingPrompt prompt;
        QDir().mkpath(env.Path(QStringLiteral("Lib")));
        const QString path = env.CopyTemplate(QStringLiteral("Lib/") + file);
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QCOMPARE(TomeloApp().m_imagesDir, env.Path(QStringLiteral("Lib/") + folder));
    }

    // A library without its folder gets it with the first cover saved; when
    // it cannot be made the book is saved without its cover.
    void imagesFolderIsMadeWhenACoverIsSaved()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        const QString path = env.CopyTemplate(QStringLiteral("books.mdb"));
        const QString folder = env.Path(QStringLiteral("books_images"));
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QVERIFY(QDir(folder).removeRecursively());

        const QString picture = env.Path(QStringLiteral("cover.jpg"));
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("picture");
        file.close();
        CBookRecord book;
        book.Title = QStringLiteral("First");
        book.CoverTempPath = picture;
        QVERIFY(book.Save(true, 1, TomeloApp().m_imagesDir, *doc.m_connection));
        QCOMPARE(ReadFileBytes(folder + QStringLiteral("/1.jpg")), QByteArray("picture"));

        // A file where the folder should be.
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        CBookRecord second;
        second.Title = QStringLiteral("Second");
        second.CoverTempPath = picture;
        QVERIFY(second.Save(true, 1, TomeloApp().m_imagesDir, *doc.m_connection));
        QCOMPARE(prompt.LastText(),
                 QStringLiteral("Unable to copy the cover picture to the following location:\n") +
                     folder);
        QCOMPARE(Single(doc, QStringLiteral("SELECT ifnull(FrontCover, '-') FROM book WHERE "
                                            "BookID=2")),
                 QStringLiteral("-"));
    }

    // Files of the program's own naming that a killed process left are
    // removed when a library is opened; those of a running one, and any
    // other file, stay.
    void openRemovesFilesOfKilledProcesses()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        QProcess ended;
        ended.start(QStringLiteral("true"), {});
        QVERIFY(ended.waitForStarted());
        const QString gone = QString::number(ended.processId());
        QVERIFY(ended.waitForFinished());
        const QString alive = QString::number(QCoreApplication::applicationPid());

        const QString temp = env.Path(QStringLiteral("tmp"));
        const QString images = env.Path(QStringLiteral("books_images"));
        QVERIFY(QDir().mkpath(temp));
        QVERIFY(QDir().mkpath(images));
        const QStringList stale = {
            temp + QStringLiteral("/Tomelo-lookup-%1-a1B2c3").arg(gone),
            temp + QStringLiteral("/Tomelo-lookup-%1-a1B2c3.jpg").arg(gone),
            env.Path(QStringLiteral(".Tomelo-new-%1-0123456789ab.tmp").arg(gone)),
            images + QStringLiteral("/.tomelo-cover-%1-xyz.jpg").arg(gone)};
        const QStringList kept = {temp + QStringLiteral("/Tomelo-lookup-%1-d4E5f6").arg(alive),
                                  temp + QStringLiteral("/Tomelo-lookup-notes.txt"),
                                  env.Path(QStringLiteral("Tomelo%1-mine.txt").arg(gone)),
                                  images + QStringLiteral("/12.jpg")};
        for (const QString &path : stale + kept) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        }

        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp));
        CTomeloDoc doc;
        const bool opened = doc.OnOpenDocument(env.CopyTemplate(QStringLiteral("books.mdb")));
        qputenv("TMPDIR", oldTemp);
        QVERIFY(opened);
        for (const QString &path : stale)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        for (const QString &path : kept)
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }

    void failedOpenLeavesNoLibraryAndNoFolder()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(env.CopyTemplate(QStringLiteral("good.mdb"))));
        const QString bad = env.Path(QStringLiteral("bad.mdb"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a library");
        file.close();
        QVERIFY(!doc.OnOpenDocument(bad));
        QVERIFY(!doc.IsLibraryOpen());
        QCOMPARE(prompt.LastText(), QStringLiteral("file is not a database"));
        QVERIFY(!QFileInfo::exists(env.Path(QStringLiteral("bad_images"))));
        QCOMPARE(ReadFileBytes(bad), QByteArray("not a library"));
    }

    void missingTemplateIsReported()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        TomeloApp().m_appDir = env.Path(QStringLiteral("nowhere/"));
        const QString path = env.Path(QStringLiteral("new.mdb"));
        CTomeloDoc doc;
        QVERIFY(!doc.CreateLibrary(path));
        QCOMPARE(prompt.LastText(), QStringLiteral("Cannot create file:\n") + path);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(env.Path(QString())).entryList(QDir::Files).size(), 0);
    }

    void newLibraryReplacesExistingFile()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        const QString path = env.Path(QStringLiteral("old.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old contents");
        file.close();
        CTomeloDoc doc;
        QVERIFY(doc.CreateLibrary(path));
        QCOMPARE(Single(doc, QStringLiteral("SELECT COUNT(*) FROM category")), QStringLiteral("4"));
    }

    void compactionShrinksAndReports()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        const QString path = env.CopyTemplate(QStringLiteral("big.mdb"));
        QVERIFY(doc.OnOpenDocument(path));
        const QString filler(4000, QChar(u'x'));
        for (int i = 1; i <= 500; ++i)
            QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Notes) VALUES (%1, '%2')")
                                   .arg(i)
                                   .arg(filler),
                               true, *doc.m_connection));
        QVERIFY(ExecuteSql(QStringLiteral("DELETE FROM book WHERE BookID > 10"), true,
                           *doc.m_connection));
        const qint64 before = QFileInfo(path).size();

        QVERIFY(doc.CompactDatabase());
        const qint64 after = QFileInfo(path).size();
        QVERIFY(after < before / 4);
        QVERIFY(doc.IsLibraryOpen());
        QCOMPARE(Single(doc, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("10"));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown.first().icon, MsgIcon::Information);
        QCOMPARE(prompt.LastText(),
                 QStringLiteral("Database has been compacted successfully (from %1 to %2).")
                     .arg(CTomeloDoc::FormatByteSize(before), CTomeloDoc::FormatByteSize(after)));
        QVERIFY(CTomeloDoc::FormatByteSize(before).endsWith(QStringLiteral("MB")));
        // No temporary file is left behind.
        QCOMPARE(
            QDir(env.Path(QString())).entryList({QStringLiteral("Tomelo*")}, QDir::Files).size(),
            0);
    }

    // A query keeps its first rows as stored and counts the rest, up to the
    // limit; exactly the limit is still a whole count.
    void runSqlKeepsFirstRowsAndCountsToTheLimit_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("none") << 0 << 5 << 10 << 0 << 0 << false;
        QTest::newRow("fewer than kept") << 3 << 5 << 10 << 3 << 3 << false;
        QTest::newRow("more than kept") << 8 << 5 << 10 << 8 << 5 << false;
        QTest::newRow("exactly the limit") << 10 << 5 << 10 << 10 << 5 << false;
        QTest::newRow("one beyond the limit") << 11 << 5 << 10 << 10 << 5 << true;
        QTest::newRow("no limit") << 2500 << 0 << 0 << 2500 << 0 << false;
    }
    void runSqlKeepsFirstRowsAndCountsToTheLimit()
    {
        QFETCH(int, total);
        QFETCH(int, keep);
        QFETCH(int, limit);
        QFETCH(int, rows);
        QFETCH(int, kept);
        QFETCH(bool, stopped);
        CTestEnv env;
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(env.CopyTemplate(QStringLiteral("lib.mdb"))));
        const CSqlRunResult run = RunUserSql(
            doc,
            QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 WHERE %1 > 0 UNION ALL SELECT x + 1 "
                           "FROM n WHERE x < %1) SELECT x AS Number, NULL AS Blank, "
                           "x'0102' AS Raw, date('2004-01-05') AS Day FROM n")
                .arg(total),
            keep, limit);
        QVERIFY2(run.ok, qPrintable(run.error));
        QCOMPARE(run.columns, QStringList({"Number", "Blank", "Raw", "Day"}));
        QCOMPARE(run.rows, qint64(rows));
        QCOMPARE(run.countStopped, stopped);
        QCOMPARE(run.firstRows.size(), kept);
        if (kept > 0) {
            const QVector<QVariant> &last = run.firstRows.last();
            QCOMPARE(last.at(0), QVariant(QString::number(kept)));
            QVERIFY(!last.at(1).isValid());
            QCOMPARE(last.at(2), QVariant(QByteArray("\x01\x02")));
            QCOMPARE(last.at(3), QVariant(QStringLiteral("2004-01-05")));
        }
        // A statement that returns no columns is no query.
        QVERIFY(!RunUserSql(doc, QStringLiteral("CREATE TABLE scratch (a)"), keep, limit)
                     .ReturnsRows());
    }

    void compactionAndRunSqlWithTheListQueryOpen()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        CCountingTree tree;
        doc.m_treeView = &tree;
        QVERIFY(doc.OnOpenDocument(env.CopyTemplate(QStringLiteral("lib.mdb"))));
        QCOMPARE(tree.loads, 1);
        CSqlRunResult run = RunUserSql(doc, QStringLiteral("INSERT INTO book (BookID) VALUES (1)"));
        QVERIFY(run.ok);
        QCOMPARE(run.affected, qint64(1));
        QCOMPARE(tree.loads, 2);
        // A statement that changes no rows reports none, whatever came before.
        run = RunUserSql(doc, QStringLiteral("CREATE TABLE scratch (a)"));
        QVERIFY(run.ok);
        QCOMPARE(run.affected, qint64(0));
        QCOMPARE(tree.loads, 2);

        // The list's query is still open half way through its rows.
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID) VALUES (2)"), true,
                           *doc.m_connection));
        QVERIFY(doc.m_listRecordset->Open(QStringLiteral("SELECT * FROM book")));
        QVERIFY(!doc.m_listRecordset->IsEOF());
        QVERIFY(doc.CompactDatabase());
        QVERIFY(prompt.LastText().startsWith(
            QStringLiteral("Database has been compacted successfully")));
    }

    // Another connection keeps writing while the library is compacted again
    // and again: every update it saw committed is in the file at the end.
    void compactionBesideAWriterLosesNothing()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        const QString path = env.CopyTemplate(QStringLiteral("lib.mdb"));
        QVERIFY(doc.OnOpenDocument(path));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, PageCount) VALUES (1, 0)"),
                           true, *doc.m_connection));

        std::atomic<bool> stop{false};
        std::atomic<int> committed{0};
        std::thread writer([&] {
            CLibraryConnection other;
            if (!other.Open(path))
                return;
            while (!stop) {
                if (other.Execute(QStringLiteral("UPDATE book SET PageCount=PageCount+1")))
                    ++committed;
                // As a loop of separate commands would: a writer that never
                // pauses could keep the compaction from its lock for ever.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
        auto joinWriter = qScopeGuard([&] {
            stop = true;
            writer.join();
        });
        for (int i = 0; i < 8; ++i) {
            const int seen = committed;
            QVERIFY2(doc.CompactDatabase(), qPrintable(prompt.LastText()));
            QTRY_VERIFY(committed > seen); // the writer goes on after each one
        }
        joinWriter.dismiss();
        stop = true;
        writer.join();

        CLibraryConnection fresh;
        QVERIFY(fresh.Open(path));
        QCOMPARE(QueryText(fresh, QStringLiteral("SELECT PageCount FROM book")),
                 QString::number(committed));
        QVERIFY(doc.IsLibraryOpen());
    }

    void failedCompactionLeavesLibraryUntouched()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CTomeloDoc doc;
        const QString path = env.CopyTemplate(QStringLiteral("lib.mdb"));
        QVERIFY(doc.OnOpenDocument(path));
        for (int i = 1; i <= 200; ++i)
            QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, '%2')")
                                   .arg(i)
                                   .arg(QString(500, QChar(u'a' + i % 26))),
                               true, *doc.m_connection));
        doc.m_connection->Close();
        doc.m_connection->Open(path);
        const QByteArray original = ReadFileBytes(path);
        {
            // The compact copy cannot be written in full.
            CFileSizeLimit limit(rlim_t(original.size() / 3));
            QVERIFY(!doc.CompactDatabase());
        }
        QCOMPARE(ReadFileBytes(path), original);
        QVERIFY(doc.IsLibraryOpen());
        QCOMPARE(Single(doc, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("200"));
        QCOMPARE(prompt.shown.size(), 1);
        QVERIFY(!prompt.LastText().contains(QStringLiteral("successfully")));
        QCOMPARE(
            QDir(env.Path(QString())).entryList({QStringLiteral("Tomelo*")}, QDir::Files).size(),
            0);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
