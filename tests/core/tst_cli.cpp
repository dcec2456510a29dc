// The command-line tool, run as a separate process the way scripts use it.

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <sys/stat.h>

class TestCli : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;

    CliRun Run(const QStringList &args)
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY2(!qgetenv("TOMELODEX_CLI").isEmpty(), "TOMELODEX_CLI names the tool to test");
        m_env = new CTestEnv;
    }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    void newSqlAndCompact()
    {
        const QString lib = m_env->Path(QStringLiteral("Books.mdb"));
        CliRun run = Run({QStringLiteral("new"), lib});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QString());
        QVERIFY(QFileInfo(m_env->Path(QStringLiteral("books_images"))).isDir());

        run = Run({QStringLiteral("sql"), lib, QStringLiteral("SELECT * FROM category")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral(
                     "Records affected: 0\nNumber of records in the returned recordset: 4\n"));

        run = Run({QStringLiteral("sql"), lib,
                   QStringLiteral("UPDATE bookstatus SET Name=Name || '!' WHERE StatusID < 4")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral(
                     "Records affected: 3\nNumber of records in the returned recordset: 0\n"));

        run = Run({QStringLiteral("compact"), lib});
        QCOMPARE(run.code, 0);
        QVERIFY2(
            run.out.startsWith(QStringLiteral("Database has been compacted successfully (from ")),
            qPrintable(run.out));
        QCOMPARE(run.err, QString());
    }

    void listFollowsTheBookList()
    {
        const QString lib = m_env->Path(QStringLiteral("list.mdb"));
        QCOMPARE(Run({QStringLiteral("new"), lib}).code, 0);
        const QString fill =
            QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Pub');"
                           "INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1);"
                           "INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, Edition) "
                           "VALUES (1, 'beta', 'A', 1, 'I1', 'E');"
                           "INSERT INTO book (BookID, Title) VALUES (2, 'Alpha');"
                           "INSERT INTO book (BookID, Title) VALUES (3, 'Orphan');"
                           "INSERT INTO book_category (BookID, CatID) VALUES (1, 32);"
                           "INSERT INTO book_category (BookID, CatID) VALUES (2, 1);"
                           "INSERT INTO book_category (BookID, CatID) VALUES (2, 32);");
        for (const QString &statement : fill.split(u';', Qt::SkipEmptyParts))
            QCOMPARE(Run({QStringLiteral("sql"), lib, statement}).code, 0);
        CliRun run = Run({QStringLiteral("list"), lib});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("2\tAlpha\t\t\t\t\n1\tbeta\tA\tPub\tI1\tE\n"));
        QCOMPARE(
            Run({QStringLiteral("list"), lib, QStringLiteral("--category"), QStringLiteral("6")})
                .out,
            QStringLiteral("3\tOrphan\t\t\t\t\n"));
        QCOMPARE(
            Run({QStringLiteral("list"), lib, QStringLiteral("--category"), QStringLiteral("1")})
                .out,
            QStringLiteral("2\tAlpha\t\t\t\t\n"));
        QCOMPARE(
            Run({QStringLiteral("list"), lib, QStringLiteral("--category"), QStringLiteral("x")})
                .code,
            2);
    }

    // A library the user may only read is left as it is, even where the
    // folder would let a compact copy take its place.
    void readOnlyLibraryIsNotCompacted()
    {
        const QString lib = m_env->Path(QStringLiteral("Books.mdb"));
        QCOMPARE(Run({QStringLiteral("new"), lib}).code, 0);
        const QString folder = QFileInfo(lib).absolutePath();
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(lib, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ReadOther));
        const QByteArray before = ReadFileBytes(lib);
        struct stat original = {};
        QCOMPARE(::stat(QFile::encodeName(lib).constData(), &original), 0);

        const CliRun run = RunCliToolUnprivileged({QStringLiteral("compact"), lib},
                                                  m_env->Path(QStringLiteral("config")));
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, lib + QStringLiteral(": the library cannot be written, so it was not "
                                               "compacted.\n"));
        struct stat now = {};
        QCOMPARE(::stat(QFile::encodeName(lib).constData(), &now), 0);
        QCOMPARE(now.st_ino, original.st_ino);
        QCOMPARE(ReadFileBytes(lib), before);
    }

    // A library in a folder nobody may write to, without an images folder.
    void libraryInReadOnlyFolderCanBeListed()
    {
        const QString folder = m_env->Path(QStringLiteral("shelf"));
        QVERIFY(QDir().mkpath(folder));
        const QString lib = folder + QStringLiteral("/Books.mdb");
        QCOMPARE(Run({QStringLiteral("new"), lib}).code, 0);
        QCOMPARE(Run({QStringLiteral("sql"), lib,
                      QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Kept')")})
                     .code,
                 0);
        QCOMPARE(Run({QStringLiteral("sql"), lib,
                      QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 1)")})
                     .code,
                 0);
        QVERIFY(QDir(folder + QStringLiteral("/books_images")).removeRecursively());
        const auto readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                  QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(
            QFile::setPermissions(m_env->Path(QString()), readAndEnter | QFileDevice::WriteOwner));
        QVERIFY(QFile::setPermissions(folder, readAndEnter));

        const CliRun run = RunCliToolUnprivileged({QStringLiteral("list"), lib},
                                                  m_env->Path(QStringLiteral("config")));
        QVERIFY(QFile::setPermissions(folder, readAndEnter | QFileDevice::WriteOwner));
        QCOMPARE(run.err, QString());
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("1\tKept\t\t\t\t\n"));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/books_images")));
    }

    // A pipe where the settings file belongs holds nothing up (the run's
    // time-out is the watchdog): the tool works with its defaults, says so
    // once and leaves the pipe as it is.
    void fifoSettingsFile()
    {
        const QString settings = m_env->Path(QStringLiteral("config/Brindlewood/Tomelodex"));
        QVERIFY(QDir().mkpath(settings));
        const QString fifo = settings + QStringLiteral("/settings.conf");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString lib = m_env->Path(QStringLiteral("lib.mdb"));
        const CliRun run = Run({QStringLiteral("new"), lib});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err.count(fifo + QStringLiteral(" is not a settings file")), 1);
        QVERIFY(QFileInfo(lib).isFile());
        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void failuresAndUsage()
    {
        const QString lib = m_env->Path(QStringLiteral("lib.mdb"));
        QCOMPARE(Run({QStringLiteral("new"), lib}).code, 0);

        CliRun run = Run({QStringLiteral("sql"), lib, QStringLiteral("SELEC nonsense")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("SELEC nonsense\nnear \"SELEC\": syntax error\n"));

        // A second statement is refused, not passed over.
        run = Run(
            {QStringLiteral("sql"), lib,
             QStringLiteral("DELETE FROM bookstatus WHERE StatusID=4; DELETE FROM bookstatus")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.endsWith(
            QStringLiteral("\nCharacters found after the end of the SQL statement.\n")));
        run = Run({QStringLiteral("sql"), lib,
                   QStringLiteral("SELECT * FROM bookstatus; -- all of them\n")});
        QCOMPARE(run.out,
                 QStringLiteral(
                     "Records affected: 0\nNumber of records in the returned recordset: 4\n"));

        const QString missing = m_env->Path(QStringLiteral("missing.mdb"));
        run = Run({QStringLiteral("sql"), missing, QStringLiteral("SELECT 1")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, missing + QStringLiteral(": unable to open database file\n"));
        QVERIFY(!QFileInfo::exists(missing));
        const QString notALibrary = m_env->Path(QStringLiteral("notes.mdb"));
        QFile notes(notALibrary);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("some notes, not a library");
        notes.close();
        run = Run({QStringLiteral("list"), notALibrary});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, notALibrary + QStringLiteral(": file is not a database\n"));
        run = Run({QStringLiteral("new"), m_env->Path(QStringLiteral("no/such/folder/x.mdb"))});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(m_env->Path(QStringLiteral("no/such/folder/x.mdb"))),
                 qPrintable(run.err));

        QCOMPARE(Run({QStringLiteral("frobnicate")}).code, 2);
        QCOMPARE(Run({}).code, 2);
        QCOMPARE(Run({QStringLiteral("sql"), lib}).code, 2);
        QCOMPARE(Run({QStringLiteral("compact")}).code, 2);

        run = Run({QStringLiteral("--help")});
        QCOMPARE(run.code, 0);
        for (const char *command : {"new", "sql", "compact"})
            QVERIFY(run.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command))));
        run = Run({QStringLiteral("compact"), QStringLiteral("--help")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("usage: tomelodex-cli compact LIBRARY")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
