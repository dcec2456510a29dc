// Output that cannot be written is a failure that says so: the command-line
// tool on a full device, under a file size limit and into a FIFO, and the
// output file on a name that changes under it.

#include "TestSupport.h"

#include "app/OutputFile.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "xml/BookXmlWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsCharacterDevice(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

int Mode(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : -1;
}

bool IsFifo(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// An export without the time it was made, which differs from run to run.
QString WithoutDate(const QByteArray &xml)
{
    static const QRegularExpression date(QStringLiteral(" CreationDate=\"[^\"]*\""));
    return QString::fromUtf8(xml).remove(date);
}

// The tool's messages in the C locale, whose system reasons tests can name.
const QStringList kCLocale = {QStringLiteral("LC_ALL=C")};

} // namespace

class TestOutput : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    QString m_library;
    QString m_out; // a folder for the outputs alone, to see what is left in it

    // `args` with LIB and OUT replaced by the library and `output`.
    QStringList Arguments(const QStringList &args, const QString &output) const
    {
        QStringList result;
        for (const QString &arg : args)
            result += arg == u"LIB" ? m_library : arg == u"OUT" ? output : arg;
        return result;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY2(!qgetenv("TOMELODEX_CLI").isEmpty(), "TOMELODEX_CLI names the tool to test");
        m_env = new CTestEnv;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &imagesDir));
        m_library = m_env->Path(QStringLiteral("lib.mdb"));
        m_out = m_env->Path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(m_out));
        // A long description makes the page and the XML of book 1 far larger
        // than the limits below; 3,000 books make a long list.
        for (const char *sql :
             {"INSERT INTO book (BookID, Title, Author, Description) VALUES "
              "(1, 'Emma', 'Jane Austen', replace(hex(zeroblob(60000)), '00', 'word '))",
              "INSERT INTO book (BookID, Title) VALUES (2, 'Persuasion')",
              "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
              "INSERT INTO book (BookID, Title, Author) SELECT i, 'Book ' || i, 'Someone' FROM n",
              "INSERT INTO book_category (BookID, CatID) SELECT BookID, 32 FROM book"})
            QVERIFY2(ExecuteSql(QLatin1String(sql), true, db), sql);
    }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    void fullDeviceFails_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("toStandardOutput");
        const auto row = [](const char *name, const char *args, bool toStandardOutput) {
            QTest::newRow(name) << QString::fromLatin1(args).split(u' ') << toStandardOutput;
        };
        row("export-xml -o", "export-xml LIB 1 2 -o OUT", false);
        row("render -o", "render LIB 1 -o OUT", false);
        row("export-xml >", "export-xml LIB 1 2", true);
        row("render >", "render LIB 2", true);
        row("list >", "list LIB", true);
        row("isbn normalize >", "isbn normalize 0-201-55802-5", true);
        row("--help >", "--help", true);
    }
    void fullDeviceFails()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, toStandardOutput);
        const QString device = AlwaysFullDevice(m_out);
        if (device.isEmpty())
            QSKIP("no device here that is always full");
        const QStringList before = Entries(m_out);
        const CliRun run = RunCliToolWith(
            Arguments(args, device), m_env->Path(QStringLiteral("config")),
            [&](QProcess &process) {
                if (toStandardOutput)
                    process.setStandardOutputFile(device);
            },
            kCLocale);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(device), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("No space left on device")), qPrintable(run.err));
        if (toStandardOutput)
            QVERIFY2(run.err.contains(QStringLiteral("standard output")), qPrintable(run.err));
        // Written in place: still the device, and nothing left beside it.
        QVERIFY(IsCharacterDevice(device));
        QCOMPARE(Entries(m_out), before);
    }

    void fileSizeLimitFails_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("toStandardOutput");
        QTest::addColumn<bool>("targetExists");
        const auto row = [](const char *name, const char *args, bool toStandardOutput,
                            bool targetExists) {
            QTest::newRow(name) << QString::fromLatin1(args).split(u' ') << toStandardOutput
                                << targetExists;
        };
        row("export-xml -o new file", "export-xml LIB 1 2 -o OUT", false, false);
        row("export-xml -o existing file", "export-xml LIB 2 1 -o OUT", false, true);
        row("render -o new file", "render LIB 1 -o OUT", false, false);
        row("render -o existing file", "render LIB 2 1 -o OUT", false, true);
        row("export-xml > file", "export-xml LIB 1", true, true);
        row("render > file", "render LIB 1", true, true);
        row("list > file", "list LIB", true, true);
    }
    void fileSizeLimitFails()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, toStandardOutput);
        QFETCH(bool, targetExists);
        const QString target = QDir(m_out).filePath(QStringLiteral("result.txt"));
        const QByteArray old = "the result of an earlier run\n";
        if (targetExists)
            QVERIFY(!m_env->WriteFile(QStringLiteral("out/result.txt"), old).isEmpty());
        const QStringList before = Entries(m_out);
        const CliRun run = RunCliToolWith(
            Arguments(args, target), m_env->Path(QStringLiteral("config")),
            [&](QProcess &process) {
                if (toStandardOutput)
                    process.setStandardOutputFile(target);
                process.setChildProcessModifier([] {
                    // The disk is full at 16 KiB; writes past it fail with
                    // EFBIG instead of ending the process.
                    const struct rlimit limit = {16 * 1024, 16 * 1024};
                    ::setrlimit(RLIMIT_FSIZE, &limit);
                    ::signal(SIGXFSZ, SIG_IGN);
                });
            },
            kCLocale);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("File too large")), qPrintable(run.err));
        if (toStandardOutput) {
            // The file the shell made is the caller's; it is named, not removed.
            QVERIFY2(run.err.contains(QStringLiteral("standard output (%1)").arg(target)),
                     qPrintable(run.err));
            QVERIFY(QFileInfo::exists(target));
        } else {
            QVERIFY2(run.err.contains(target), qPrintable(run.err));
            // An earlier file stays as it was; a new one is not left half written.
            QCOMPARE(QFileInfo::exists(target), targetExists);
            if (targetExists)
                QCOMPARE(ReadFileBytes(target), old);
        }
        QCOMPARE(Entries(m_out), before);
    }

    void writesInPlaceOrBeside()
    {
        const QString config = m_env->Path(QStringLiteral("config"));
        const CliRun whole = RunCliTool(
            {QStringLiteral("export-xml"), m_library, QStringLiteral("1"), QStringLiteral("2")},
            config);
        QCOMPARE(whole.code, 0);
        QVERIFY(whole.out.size() > 200000);

        // A FIFO is written in place, all of it, and stays a FIFO.
        const QString fifo = QDir(m_out).filePath(QStringLiteral("pipe"));
        const QString received = m_env->Path(QStringLiteral("received.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.setStandardOutputFile(received);
        reader.start(QStringLiteral("cat"), {fifo});
        QVERIFY(reader.waitForStarted(30000));
        CliRun run = RunCliTool({QStringLiteral("export-xml"), m_library, QStringLiteral("1"),
                                 QStringLiteral("2"), QStringLiteral("-o"), fifo},
                                config);
        QCOMPARE(run.code, 0);
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(WithoutDate(ReadFileBytes(received)), WithoutDate(whole.out.toUtf8()));
        QVERIFY(IsFifo(fifo));

        // A file reached through a link is replaced where it is: the link
        // stays a link, the file keeps its permissions.
        const QString file = m_env->WriteFile(QStringLiteral("out/books.xml"), "old");
        const QString link = QDir(m_out).filePath(QStringLiteral("link.xml"));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0640), 0);
        QVERIFY(QFile::link(file, link));
        const QStringList before = Entries(m_out);
        run = RunCliTool({QStringLiteral("export-xml"), m_library, QStringLiteral("1"),
                          QStringLiteral("2"), QStringLiteral("-o"), link},
                         config);
        QCOMPARE(run.code, 0);
        QCOMPARE(WithoutDate(ReadFileBytes(file)), WithoutDate(whole.out.toUtf8()));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(Mode(file), 0640);
        QCOMPARE(Entries(m_out), before);
    }

    void nameThatIsNoFileIsLeftAlone()
    {
        // Something other than a file appears at the name while the output
        // is written: it is not replaced, and the output does not stay beside it.
        const QString path = QDir(m_out).filePath(QStringLiteral("taken.xml"));
        COutputFile output(path);
        QVERIFY(output.open(QIODevice::WriteOnly));
        QCOMPARE(output.write("<Books/>"), qint64(8));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QVERIFY(!output.Commit());
        QVERIFY2(output.ErrorMessage().contains(path), qPrintable(output.ErrorMessage()));
        QVERIFY(IsFifo(path));
        QCOMPARE(Entries(m_out), QStringList{QStringLiteral("taken.xml")});

        // A save that must not hang fails at once on a FIFO nobody reads, and
        // writes it whole when a program does.
        QString error;
        QVERIFY(!SaveBooksXml(path, QStringLiteral("<Books/>"), &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        const int reader =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        QVERIFY(SaveBooksXml(path, QStringLiteral("<Books/>"), &error));
        char received[16] = {};
        QCOMPARE(::read(reader, received, sizeof received), ssize_t(8));
        ::close(reader);
        QCOMPARE(QByteArray(received), QByteArray("<Books/>"));
        QVERIFY(IsFifo(path));

        // A folder cannot be opened as an output at all.
        COutputFile folder(m_out);
        QVERIFY(!folder.open(QIODevice::WriteOnly));
        QVERIFY2(folder.ErrorMessage().contains(m_out), qPrintable(folder.ErrorMessage()));
        QCOMPARE(Entries(m_out), QStringList{QStringLiteral("taken.xml")});
    }
};

QTEST_GUILESS_MAIN(TestOutput)
#include "tst_output.moc"
