// The isbn and chm-scan commands of the command-line tool, run as a separate
// process the way scripts use them.

#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

#include <sys/resource.h>

// The memory the tool may take while it reads a long input.
constexpr qint64 kMemoryLimit = 96 * 1024 * 1024;

class CCliIsbnTest : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;

    CliRun Run(const QStringList &args, const QByteArray &input = QByteArray())
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")), input);
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

    void isbn_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");

        QTest::newRow("normalize") << QStringList{"isbn", "normalize", " 0-596-00712-4 "}
                                   << QByteArray() << 0 << "0596007124\n";
        QTest::newRow("check valid")
            << QStringList{"isbn", "check", "0-8044-2957-x"} << QByteArray() << 0 << "080442957X\n";
        QTest::newRow("check invalid")
            << QStringList{"isbn", "check", "0000000000"} << QByteArray() << 1 << "";
        QTest::newRow("check 979 ISBN-13") << QStringList{"isbn", "check", "979-10-90636-07-1"}
                                           << QByteArray() << 0 << "9791090636071\n";
        QTest::newRow("check 978 code, which is converted first")
            << QStringList{"isbn", "check", "9780596007126"} << QByteArray() << 1 << "";
        QTest::newRow("ean wrong check digit") << QStringList{"isbn", "ean", "9780596007120"}
                                               << QByteArray() << 0 << "9780596007120\n";
        QTest::newRow("ean 19 characters unchanged")
            << QStringList{"isbn", "ean", "97805965272-4251999"} << QByteArray() << 0
            << "97805965272-4251999\n";
        QTest::newRow("find printed ISBN-13") << QStringList{"isbn", "find"}
                                              << QByteArray("ISBN 978\xe2\x80\x91"
                                                            "0\xe2\x80\x91"
                                                            "13\xe2\x80\x91"
                                                            "110362-7\n"
                                                            "ISBN 0-13-110362-8\n")
                                              << 0 << "0131103628\n";
        QTest::newRow("ean 978") << QStringList{"isbn", "ean", "9780596007126-12345"}
                                 << QByteArray() << 0 << "0596007124\n";
        QTest::newRow("ean trimmed first") << QStringList{"isbn", "ean", " 9780596007126\n"}
                                           << QByteArray() << 0 << "0596007124\n";
        QTest::newRow("ean 979 unchanged") << QStringList{"isbn", "ean", "9790596007126"}
                                           << QByteArray() << 0 << "9790596007126\n";
        QTest::newRow("find in standard input")
            << QStringList{"isbn", "find"}
            << QByteArray("Learning XML, 2nd Edition\n- ISBN 0-596-00420-6 (2003)\n") << 0
            << "0596004206\n";
        QTest::newRow("find UTF-8 text")
            << QStringList{"isbn", "find"} << QByteArray("\xc2\xa9 \xe2\x80\x94 080442957x") << 0
            << "080442957X\n";
        QTest::newRow("find nothing")
            << QStringList{"isbn", "find"} << QByteArray("1999, 250 pages") << 1 << "";
        QTest::newRow("find empty input") << QStringList{"isbn", "find"} << QByteArray() << 1 << "";
        QTest::newRow("tag") << QStringList{"isbn", "tag", "/books/Some Book-LiB.chm"}
                             << QByteArray() << 0 << "LiB\n";
        QTest::newRow("tag empty")
            << QStringList{"isbn", "tag", "/books/Some Book.chm"} << QByteArray() << 0 << "\n";

        QTest::newRow("isbn alone") << QStringList{"isbn"} << QByteArray() << 2 << "";
        QTest::newRow("unknown action")
            << QStringList{"isbn", "verify", "0596007124"} << QByteArray() << 2 << "";
        QTest::newRow("check without text")
            << QStringList{"isbn", "check"} << QByteArray() << 2 << "";
        QTest::newRow("find with an argument")
            << QStringList{"isbn", "find", "0596007124"} << QByteArray() << 2 << "";
        QTest::newRow("chm-scan without file")
            << QStringList{"chm-scan"} << QByteArray() << 2 << "";
    }

    void isbn()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, code);
        QFETCH(QString, out);
        const CliRun run = Run(args, input);
        QCOMPARE(run.code, code);
        QCOMPARE(run.out, out);
        if (code == 2)
            QVERIFY(!run.err.isEmpty());
        else
            QCOMPARE(run.err, QString());
    }

    void findReadsStandardInputAsAStream()
    {
        // The input is twice the memory the tool may take: gathered whole,
        // it could not be searched.
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env->Path(QStringLiteral("config")));
        cli.setProcessEnvironment(env);
        cli.setChildProcessModifier([] {
            const rlimit limit{rlim_t(kMemoryLimit), rlim_t(kMemoryLimit)};
            setrlimit(RLIMIT_DATA, &limit);
        });
        cli.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                  {QStringLiteral("isbn"), QStringLiteral("find")});
        QVERIFY(cli.waitForStarted());
        const QByteArray block = QByteArray("y\n").repeated(32 * 1024);
        for (qint64 sent = 0; sent < 2 * kMemoryLimit; sent += block.size()) {
            cli.write(block);
            while (cli.bytesToWrite() > 4 * block.size() && cli.waitForBytesWritten(10000)) {
            }
            if (cli.state() != QProcess::Running)
                break;
        }
        cli.write("ISBN 0-596-00712-4\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray("0596007124\n"));
    }

    void chmScan()
    {
        const QString chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
        QVERIFY2(!chmcmd.isEmpty(), "chmcmd is missing: install the Debian package fp-utils");
        const QString source = m_env->Path(QStringLiteral("book"));
        QVERIFY(QDir().mkpath(source + QStringLiteral("/text")));
        QFile page(source + QStringLiteral("/text/copyright.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>ISBN 1-000-00000-1</body></html>");
        page.close();
        QFile project(source + QStringLiteral("/book.hhp"));
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("[OPTIONS]\nCompiled file=Book-Grp.chm\nTitle=Book\n\n"
                      "[FILES]\ntext/copyright.htm\n");
        project.close();
        QProcess compiler;
        compiler.setWorkingDirectory(source);
        compiler.start(chmcmd, {QStringLiteral("--no-html-scan"), QStringLiteral("book.hhp")});
        QVERIFY(compiler.waitForFinished(60000));
        const QString chm = source + QStringLiteral("/Book-Grp.chm");

        CliRun run = Run({QStringLiteral("chm-scan"), chm});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("1000000001\n"));
        QCOMPARE(run.err, QString());

        // The page itself is no CHM.
        run = Run({QStringLiteral("chm-scan"), page.fileName()});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        run = Run({QStringLiteral("chm-scan"), m_env->Path(QStringLiteral("missing.chm"))});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
    }

    void help()
    {
        CliRun run = Run({QStringLiteral("--help")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("\n  isbn normalize TEXT")));
        QVERIFY(run.out.contains(QStringLiteral("\n  chm-scan FILE")));
        run = Run({QStringLiteral("isbn"), QStringLiteral("--help")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("usage: tomelodex-cli isbn ")));
    }
};

QTEST_GUILESS_MAIN(CCliIsbnTest)
#include "tst_cli_isbn.moc"
