// File names that are not UTF-8: the bytes a name is given as are the bytes
// of the file opened, made or replaced, and a name that cannot be carried is
// refused instead of being taken for another.

#include "TestSupport.h"

#include "app/NativeFileName.h"

#include <QProcess>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>

namespace {

// The name of `name` in the test folder, as bytes.
QByteArray Native(const CTestEnv &env, const QByteArray &name)
{
    return QFile::encodeName(env.Path(QString())) + '/' + name;
}

bool Exists(const QByteArray &path, bool folder = false)
{
    struct stat info = {};
    return ::stat(path.constData(), &info) == 0 && (folder ? S_ISDIR(info.st_mode) : true);
}

// A shell word that gives exactly `bytes`, whatever they are.
QString ShellWord(const QByteArray &bytes)
{
    QString escaped;
    for (const char byte : bytes)
        escaped += QStringLiteral("\\%1").arg(uint(quint8(byte)), 3, 8, QLatin1Char('0'));
    return QStringLiteral("\"$(printf '%1')\"").arg(escaped);
}

// Runs the command-line tool with arguments given as bytes. QProcess would
// turn bytes that are not UTF-8 into U+FFFD, so a shell spells them out.
CliRun RunWithBytes(const QList<QByteArray> &args, const QString &configHome)
{
    QString script = QStringLiteral("exec \"$0\"");
    for (const QByteArray &arg : args)
        script += u' ' + ShellWord(arg);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), script, QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI"))});
    CliRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Qt cannot remove what it cannot name; the standard library takes bytes.
class CRemovedAtEnd
{
public:
    explicit CRemovedAtEnd(const CTestEnv &env) : m_folder(QFile::encodeName(env.Path(QString())))
    {}
    ~CRemovedAtEnd()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder.toStdString(), ignored);
    }

private:
    QByteArray m_folder;
};

} // namespace

class TestNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesComeBackAsGiven_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("stray");
        QTest::addColumn<QString>("printable");

        QTest::newRow("ascii") << QByteArray("plain.mdb") << false << QStringLiteral("plain.mdb");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9.mdb") << false
                               << QStringLiteral("caf\u00e9.mdb");
        QTest::newRow("four bytes")
            << QByteArray("\xf0\x9f\x93\x9a") << false << QStringLiteral("\U0001F4DA");
        QTest::newRow("replacement char itself")
            << QByteArray("twin\xef\xbf\xbd.mdb") << false << QStringLiteral("twin\ufffd.mdb");
        QTest::newRow("latin-1") << QByteArray("old\xe9.mdb") << true
                                 << QStringLiteral("old\\xE9.mdb");
        QTest::newRow("ff") << QByteArray("twin\xff.mdb") << true
                            << QStringLiteral("twin\\xFF.mdb");
        QTest::newRow("overlong slash")
            << QByteArray("a\xc0\xaf") << true << QStringLiteral("a\\xC0\\xAF");
        QTest::newRow("cut short")
            << QByteArray("\xe2\x82") << true << QStringLiteral("\\xE2\\x82");
        QTest::newRow("surrogate")
            << QByteArray("\xed\xa0\x80") << true << QStringLiteral("\\xED\\xA0\\x80");
        // The bytes an escape would spell in CESU-8 must stay three bytes.
        QTest::newRow("escape spelt out")
            << QByteArray("\xed\xb3\xa9") << true << QStringLiteral("\\xED\\xB3\\xA9");
        QTest::newRow("above unicode")
            << QByteArray("\xf4\x90\x80\x80") << true << QStringLiteral("\\xF4\\x90\\x80\\x80");
        QTest::newRow("stray then valid")
            << QByteArray("\xe9\xc3\xa9\xe9") << true << QStringLiteral("\\xE9\u00e9\\xE9");
    }

    void bytesComeBackAsGiven()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, stray);
        QFETCH(QString, printable);

        const QString name = FileNameFromNative(bytes);
        QCOMPARE(NativeFileName(name), bytes);
        QCOMPARE(HasStrayBytes(name), stray);
        QCOMPARE(PrintableFileName(name), printable);
        if (!stray)
            QCOMPARE(name, QString::fromUtf8(bytes));
    }

    // Libraries whose names are not UTF-8 are made, filled, listed and
    // exported by exactly those names; the library whose name holds U+FFFD,
    // which such names used to become, is never touched.
    void librariesNamedInBytes()
    {
        CTestEnv env;
        const CRemovedAtEnd removed(env);
        const QString config = env.Path(QStringLiteral("config"));
        const QByteArray old = Native(env, "old\xe9.mdb");
        const QByteArray stray = Native(env, "twin\xff.mdb");
        const QByteArray twin = Native(env, "twin\xef\xbf\xbd.mdb");

        // The twin, a library of its own with one book.
        QCOMPARE(RunWithBytes({"new", twin}, config).code, 0);
        for (const QByteArray &sql :
             {QByteArray("INSERT INTO book (BookID, Title) VALUES (7, 'Twin')"),
              QByteArray("INSERT INTO book_category VALUES (7, 1)")})
            QCOMPARE(RunWithBytes({"sql", twin, sql}, config).code, 0);
        const QByteArray twinBefore = ReadFileBytes(QFile::decodeName(twin));
        QVERIFY(!twinBefore.isEmpty());

        for (const QByteArray &library : {old, stray}) {
            const CliRun made = RunWithBytes({"new", library}, config);
            QVERIFY2(made.code == 0, qPrintable(made.err));
            QVERIFY(Exists(library));
            for (const QByteArray &sql :
                 {QByteArray("INSERT INTO book (BookID, Title) VALUES (1, 'Mine')"),
                  QByteArray("INSERT INTO book_category VALUES (1, 1)")})
                QCOMPARE(RunWithBytes({"sql", library, sql}, config).code, 0);
            const CliRun listed = RunWithBytes({"list", library}, config);
            QVERIFY2(listed.code == 0, qPrintable(listed.err));
            QVERIFY2(listed.out.contains(QStringLiteral("Mine")), qPrintable(listed.out));
            const CliRun exported = RunWithBytes({"export-xml", library, "1"}, config);
            QCOMPARE(exported.code, 0);
            QVERIFY(exported.out.contains(QStringLiteral("<Title>Mine</Title>")));
        }
        // Images folders beside them, in the same bytes.
        QVERIFY(Exists(Native(env, "old\xe9_images"), true));
        QVERIFY(Exists(Native(env, "twin\xff_images"), true));

        // Making the second one again replaces that one, and only that one.
        QCOMPARE(RunWithBytes({"new", stray}, config).code, 0);
        QVERIFY(!RunWithBytes({"list", stray}, config).out.contains(QStringLiteral("Mine")));
        QCOMPARE(ReadFileBytes(QFile::decodeName(twin)), twinBefore);
        QVERIFY(RunWithBytes({"list", twin}, config).out.contains(QStringLiteral("Twin")));
        QVERIFY(RunWithBytes({"list", old}, config).out.contains(QStringLiteral("Mine")));

        // A missing library is missing, whatever file U+FFFD would name.
        const CliRun missing = RunWithBytes({"list", Native(env, "twin\xfe.mdb")}, config);
        QCOMPARE(missing.code, 1);
        QVERIFY2(missing.err.contains(QStringLiteral("twin\\xFE.mdb")), qPrintable(missing.err));
    }

    // Files other than libraries are refused by such names, before anything
    // is read or written.
    void otherFilesNamedInBytesAreRefused()
    {
        CTestEnv env;
        const CRemovedAtEnd removed(env);
        const QString config = env.Path(QStringLiteral("config"));
        const QByteArray library = Native(env, "lib.mdb");
        QCOMPARE(RunWithBytes({"new", library}, config).code, 0);
        QCOMPARE(RunWithBytes({"sql", library, "INSERT INTO book (BookID, Title) VALUES (1, 'A')"},
                              config)
                     .code,
                 0);
        const QByteArray replaced = Native(env, "out\xef\xbf\xbd.xml");
        QVERIFY(!env.WriteFile(QStringLiteral("out\ufffd.xml"), "keep").isEmpty());

        const QList<QList<QByteArray>> commands = {
            {"export-xml", library, "1", "-o", Native(env, "out\xff.xml")},
            {"render", library, "1", "-o", Native(env, "out\xff.xml")},
            {"import-xml", library, Native(env, "out\xff.xml"), "--category", "1"},
            {"chm-scan", Native(env, "out\xff.xml")},
        };
        for (const QList<QByteArray> &command : commands) {
            const CliRun run = RunWithBytes(command, config);
            QVERIFY2(run.code == 1, command.first().constData());
            QVERIFY2(run.err.contains(QStringLiteral("out\\xFF.xml")), qPrintable(run.err));
            QVERIFY(!Exists(Native(env, "out\xff.xml")));
            QCOMPARE(ReadFileBytes(QFile::decodeName(replaced)), QByteArray("keep"));
        }
    }
};

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"
