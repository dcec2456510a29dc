// Library backups: what a restore gives back, what a backup taken while
// another program writes holds, and what a restore refuses.

#include "PlainSqlite.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "backup/BackupManifest.h"
#include "backup/BackupRestorer.h"
#include "backup/BackupWriter.h"
#include "db/LibraryConnection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTest>
#include <QThread>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <atomic>

namespace {

// Every table's rows, the schema and the version of a library: two
// libraries with the same dump hold the same data.
CTableDump WholeLibrary(const QString &path)
{
    CTableDump dump = DumpTables(path);
    CPlainSqlite db(path);
    dump.insert(QStringLiteral("<schema>"),
                db.Rows(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name")));
    dump.insert(QStringLiteral("<version>"), db.Rows(QStringLiteral("PRAGMA user_version")));
    return dump;
}

// File name -> SHA-256 of every file in a folder.
QMap<QString, QByteArray> FileChecksums(const QString &folder)
{
    QMap<QString, QByteArray> sums;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files)
        sums.insert(file.fileName(), QCryptographicHash::hash(ReadFileBytes(file.filePath()),
                                                              QCryptographicHash::Sha256)
                                         .toHex());
    return sums;
}

// Every path below `folder`, folders included.
QStringList Tree(const QString &folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

struct CZipEntry
{
    QString name;
    QByteArray data;
    quint32 mode = 0100644; // the Unix file type and permissions
    int method = 0;
};

// Writes a zip of `entries` as any tool could, hostile ones included.
bool WriteZip(const QString &path, const QList<CZipEntry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const CZipEntry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.mode << 16;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, entry.method) ||
            file.write(entry.data) != entry.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

QByteArray Sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private:
    // A copy of the sample library, its covers and a cover with a name
    // beyond ASCII, at `name` in the test's folder.
    QString CopySample(CTestEnv &env, const QString &name)
    {
        const QString library = env.Path(name);
        const QString images = env.Path(name.chopped(4).toLower() + QStringLiteral("_images"));
        if (!QFile::copy(CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb"), library))
            return QString();
        QFile::setPermissions(library, QFile::ReadOwner | QFile::WriteOwner);
        QDir().mkpath(images);
        const QDir sample(CTestEnv::RuntimeDir() + QStringLiteral("/sample_images"));
        for (const QString &file : sample.entryList(QDir::Files))
            QFile::copy(sample.filePath(file), images + u'/' + file);
        env.WriteFile(QFileInfo(images).fileName() + QStringLiteral("/Café 9.png"),
                      QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(5000, 'p'));
        return library;
    }

    // A backup of the sample library and the parts a hostile copy is made of.
    struct CBackupParts
    {
        CBackupManifest manifest;
        QByteArray database;
    };
    bool MakeParts(CTestEnv &env, CBackupParts *parts)
    {
        const QString library = CopySample(env, QStringLiteral("parts.mdb"));
        const QString archive = env.Path(QStringLiteral("parts.zip"));
        QString error;
        if (!CBackupWriter::Write(library, archive, BackupProgress(), &error) ||
            !CBackupRestorer::ReadManifest(archive, &parts->manifest, &error))
            return false;
        parts->database = ReadFileBytes(library);
        return true;
    }

private Q_SLOTS:
    void restoredLibraryEqualsTheOriginal()
    {
        CTestEnv env;
        const QString library = CopySample(env, QStringLiteral("Books.mdb"));
        QVERIFY(!library.isEmpty());
        const QString archive = env.Path(QStringLiteral("Books backup.zip"));
        QVector<qint64> steps;
        QString error;
        QVERIFY2(CBackupWriter::Write(
                     library, archive,
                     [&steps](qint64 done, qint64 total) {
                         steps << done;
                         return done <= total;
                     },
                     &error),
                 qPrintable(error));
        QVERIFY(!steps.isEmpty());
        QVERIFY(std::is_sorted(steps.begin(), steps.end()));

        CBackupManifest manifest;
        QVERIFY2(CBackupRestorer::ReadManifest(archive, &manifest, &error), qPrintable(error));
        QCOMPARE(manifest.libraryName, QStringLiteral("Books.mdb"));
        QCOMPARE(manifest.bookCount, 41);
        QCOMPARE(manifest.covers.size(), 42);
        // What any zip tool sees: the database deflated, the pictures stored.
        QuaZip zip(archive);
        QVERIFY(zip.open(QuaZip::mdUnzip));
        for (const QuaZipFileInfo64 &info : zip.getFileInfoList64())
            QCOMPARE(info.method, info.name.startsWith(u"covers/") ? 0 : 8);

        // Restored in another folder, under another name.
        QVERIFY(QDir().mkpath(env.Path(QStringLiteral("elsewhere"))));
        const QString restored = env.Path(QStringLiteral("elsewhere/Restored.mdb"));
        QVERIFY2(CBackupRestorer::Restore(archive, restored, BackupProgress(), &error),
                 qPrintable(error));
        const CTableDump before = WholeLibrary(library);
        QCOMPARE(before.value(QStringLiteral("book")).size(), 41);
        QVERIFY(!before.value(QStringLiteral("book_category")).isEmpty());
        const CTableDump after = WholeLibrary(restored);
        QVERIFY2(DumpDifference(before, after).isEmpty(),
                 qPrintable(DumpDifference(before, after)));
        QCOMPARE(after, before);
        const QMap<QString, QByteArray> covers =
            FileChecksums(env.Path(QStringLiteral("books_images")));
        QCOMPARE(covers.size(), 42);
        QCOMPARE(FileChecksums(env.Path(QStringLiteral("elsewhere/restored_images"))), covers);
        CLibraryConnection opened;
        QVERIFY2(opened.Open(restored, &error), qPrintable(error));
        // Nothing of the work is left beside either.
        QCOMPARE(QDir(env.Path(QStringLiteral("elsewhere")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Restored.mdb"), QStringLiteral("restored_images")}));
    }

    void backupWhileAnotherConnectionWrites()
    {
        CTestEnv env;
        const QString library = CopySample(env, QStringLiteral("busy.mdb"));
        // Another program adds books, ten in each transaction, all along.
        std::atomic<bool> stop{false};
        std::atomic<int> commits{0};
        QThread *writer = QThread::create([&] {
            CLibraryConnection db;
            if (!db.Open(library))
                return;
            for (int next = 1000; !stop; next += 10) {
                QString sql = QStringLiteral("BEGIN IMMEDIATE;");
                for (int id = next; id < next + 10; ++id)
                    sql += QStringLiteral("INSERT INTO book (BookID, Title, Description) VALUES "
                                          "(%1, 'Busy %1', '%2');")
                               .arg(id)
                               .arg(QString(20000, u'x'));
                sql += QStringLiteral("COMMIT;");
                if (db.Execute(sql))
                    ++commits;
                else
                    db.Execute(QStringLiteral("ROLLBACK"));
            }
        });
        writer->start();
        QTRY_VERIFY_WITH_TIMEOUT(commits >= 3, 30000);
        const QString archive = env.Path(QStringLiteral("busy.zip"));
        QString error;
        const bool written = CBackupWriter::Write(library, archive, BackupProgress(), &error);
        const int commitsDuringBackup = commits;
        stop = true;
        writer->wait();
        delete writer;
        QVERIFY2(written, qPrintable(error));

        const QString restored = env.Path(QStringLiteral("busy-restored.mdb"));
        QVERIFY2(CBackupRestorer::Restore(archive, restored, BackupProgress(), &error),
                 qPrintable(error));
        CLibraryConnection db;
        QVERIFY(db.Open(restored));
        QCOMPARE(QueryText(db, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        // Whole transactions only, and at least those before the backup began.
        const int added =
            QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID >= 1000")).toInt();
        QCOMPARE(added % 10, 0);
        QVERIFY(added >= 30);
        QVERIFY(added <= commitsDuringBackup * 10 + 10);
    }

    void hostileBackupsAreRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a zip") << 0 << "not a backup";
        QTest::newRow("zip without manifest") << 1 << "not a backup";
        QTest::newRow("entry climbing out") << 2 << "../../escaped.txt";
        QTest::newRow("absolute entry") << 3 << "absolute.txt\"";
        QTest::newRow("manifest names a cover outside") << 4 << "outside the images folder";
        QTest::newRow("cover that is a link") << 5 << "not a plain file";
        QTest::newRow("huge declared size") << 6 << "not enough room";
        QTest::newRow("cover longer than listed") << 7 << "not as its list of contents says";
        QTest::newRow("checksum that does not match") << 8 << "checksum";
        QTest::newRow("database that is no library") << 9 << "cannot be opened";
        QTest::newRow("newer format") << 10 << "newer version";
    }

    void hostileBackupsAreRefused()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        CTestEnv env;
        CBackupParts parts;
        QVERIFY(MakeParts(env, &parts));
        CBackupManifest manifest = parts.manifest;
        manifest.covers = {{QStringLiteral("1.jpg"), 4, Sha256("\xff\xd8\xff\xe0")}};
        QList<CZipEntry> entries{{CBackupManifest::DatabaseEntry(), parts.database, 0100644, 8},
                                 {QStringLiteral("covers/1.jpg"), "\xff\xd8\xff\xe0", 0100644, 0}};
        const QString escaped = QStringLiteral("../../escaped.txt");
        switch (kind) {
        case 2:
            entries << CZipEntry{escaped, "owned"};
            break;
        case 3:
            entries << CZipEntry{env.Path(QStringLiteral("absolute.txt")), "owned"};
            break;
        case 4:
            manifest.covers[0].name = QStringLiteral("../1.jpg");
            entries[1].name = QStringLiteral("covers/../1.jpg");
            break;
        case 5:
            manifest.covers[0] = {QStringLiteral("1.jpg"), 8, Sha256("/etc/passwd")};
            entries[1] = CZipEntry{QStringLiteral("covers/1.jpg"), "/etc/passwd", 0120777};
            break;
        case 6:
            manifest.covers[0].size = qint64(1) << 49;
            break;
        case 7:
            entries[1].data += QByteArray(100000, 'x');
            entries[1].method = 8;
            break;
        case 8:
            entries[1].data = "\xff\xd8\xff\xe1";
            break;
        case 9:
            entries[0].data = QByteArray(4096, 'z');
            manifest.database = {CBackupManifest::DatabaseEntry(), 4096, Sha256(entries[0].data)};
            break;
        case 10:
            manifest.formatVersion = CBackupManifest::kFormatVersion + 1;
            break;
        }
        if (kind != 1)
            entries << CZipEntry{CBackupManifest::ManifestEntry(), manifest.ToJson(), 0100644, 8};
        const QString archive = env.Path(QStringLiteral("hostile.zip"));
        if (kind == 0)
            QVERIFY(!env.WriteFile(QStringLiteral("hostile.zip"), parts.database).isEmpty());
        else
            QVERIFY(WriteZip(archive, entries));

        QVERIFY(QDir().mkpath(env.Path(QStringLiteral("a/b"))));
        const QStringList before = Tree(env.Path(QString()));
        const QString target = env.Path(QStringLiteral("a/b/new.mdb"));
        QString error;
        QVERIFY(!CBackupRestorer::Restore(archive, target, BackupProgress(), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.contains(archive), qPrintable(error));
        // Nothing written anywhere: not the library, not its folder, not
        // where the names lead.
        QCOMPARE(Tree(env.Path(QString())), before);
    }

    void restoreNeverReplaces()
    {
        CTestEnv env;
        const QString library = CopySample(env, QStringLiteral("keep.mdb"));
        const QString archive = env.Path(QStringLiteral("keep.zip"));
        QString error;
        QVERIFY2(CBackupWriter::Write(library, archive, BackupProgress(), &error),
                 qPrintable(error));
        // Not a library, nor the images folder of a new one, nor a link.
        const QByteArray other = "not to be replaced";
        const QString existing = env.WriteFile(QStringLiteral("existing.mdb"), other);
        QVERIFY(!CBackupRestorer::Restore(archive, existing, BackupProgress(), &error));
        QVERIFY2(error.contains(QStringLiteral("exists already")), qPrintable(error));
        QCOMPARE(ReadFileBytes(existing), other);
        QVERIFY(!QDir(env.Path(QStringLiteral("existing_images"))).exists());

        env.WriteFile(QStringLiteral("taken_images/mine.jpg"), other);
        QVERIFY(!CBackupRestorer::Restore(archive, env.Path(QStringLiteral("taken.mdb")),
                                          BackupProgress(), &error));
        QVERIFY(!QFile::exists(env.Path(QStringLiteral("taken.mdb"))));
        QCOMPARE(QDir(env.Path(QStringLiteral("taken_images"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("mine.jpg")});

        QVERIFY(QFile::link(existing, env.Path(QStringLiteral("link.mdb"))));
        QVERIFY(!CBackupRestorer::Restore(archive, env.Path(QStringLiteral("link.mdb")),
                                          BackupProgress(), &error));
        QCOMPARE(ReadFileBytes(existing), other);

        // An empty images folder is taken.
        QVERIFY(QDir().mkpath(env.Path(QStringLiteral("fresh_images"))));
        QVERIFY2(CBackupRestorer::Restore(archive, env.Path(QStringLiteral("fresh.mdb")),
                                          BackupProgress(), &error),
                 qPrintable(error));
        QCOMPARE(QDir(env.Path(QStringLiteral("fresh_images"))).entryList(QDir::Files).size(), 42);
    }

    void failedBackupLeavesNothing()
    {
        CTestEnv env;
        const QString library = CopySample(env, QStringLiteral("lib.mdb"));
        const QString archive = env.Path(QStringLiteral("out/lib.zip"));
        QVERIFY(QDir().mkpath(env.Path(QStringLiteral("out"))));
        const QByteArray earlier = "an earlier backup";
        env.WriteFile(QStringLiteral("out/lib.zip"), earlier);
        QString error;
        // Cancelled halfway: the earlier file stays, nothing else is there.
        QVERIFY(!CBackupWriter::Write(
            library, archive, [](qint64 done, qint64) { return done == 0; }, &error));
        QVERIFY2(error.contains(QStringLiteral("Cancelled")), qPrintable(error));
        QCOMPARE(ReadFileBytes(archive), earlier);
        QCOMPARE(QDir(env.Path(QStringLiteral("out")))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("lib.zip")});
        // Never over the library itself.
        const QByteArray libraryBytes = ReadFileBytes(library);
        QVERIFY(!CBackupWriter::Write(library, library, BackupProgress(), &error));
        QVERIFY2(error.contains(library), qPrintable(error));
        QCOMPARE(ReadFileBytes(library), libraryBytes);
        // A cancelled restore leaves nothing either.
        QVERIFY(CBackupWriter::Write(library, archive, BackupProgress(), &error));
        const QStringList before = Tree(env.Path(QStringLiteral("out")));
        QVERIFY(!CBackupRestorer::Restore(
            archive, env.Path(QStringLiteral("out/again.mdb")),
            [](qint64 done, qint64) { return done < 100000; }, &error));
        QCOMPARE(Tree(env.Path(QStringLiteral("out"))), before);
    }

    void commandLine()
    {
        CTestEnv env;
        const QString library = CopySample(env, QStringLiteral("cli.mdb"));
        const QString archive = env.Path(QStringLiteral("cli.zip"));
        const QString config = env.Path(QStringLiteral("config"));
        const QString restored = env.Path(QStringLiteral("cli-restored.mdb"));
        CliRun run = RunCliTool({QStringLiteral("backup"), library, archive}, config);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QString());
        run = RunCliTool({QStringLiteral("restore"), archive, restored}, config);
        QCOMPARE(run.code, 0);
        QCOMPARE(WholeLibrary(restored), WholeLibrary(library));
        // Onto a library that exists: refused, naming it.
        run = RunCliTool({QStringLiteral("restore"), archive, restored}, config);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(restored), qPrintable(run.err));
        // Of a file that is no library, and from a file that is no backup.
        const QString text = env.WriteFile(QStringLiteral("notes.txt"), "plain text");
        run =
            RunCliTool({QStringLiteral("backup"), text, env.Path(QStringLiteral("x.zip"))}, config);
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(text));
        QVERIFY(!QFile::exists(env.Path(QStringLiteral("x.zip"))));
        run = RunCliTool({QStringLiteral("restore"), text, env.Path(QStringLiteral("y.mdb"))},
                         config);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("not a backup")), qPrintable(run.err));
        // Usage errors.
        QCOMPARE(RunCliTool({QStringLiteral("backup"), library}, config).code, 2);
        QCOMPARE(RunCliTool({QStringLiteral("restore"), archive, restored, QStringLiteral("--x")},
                            config)
                     .code,
                 2);
        run = RunCliTool({QStringLiteral("backup"), QStringLiteral("--help")}, config);
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("LIBRARY FILE")));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
