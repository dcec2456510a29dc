// Start-up of the window: which library opens first, what refuses to start,
// the --help and --version answers, and what the window keeps between runs.

#include "GuiTestSupport.h"

#include "app/Profile.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSplitter>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLibrary_data();
    void firstLibrary();
    void commandLineLibraryOpensAndBecomesRecent();
    void missingStylesRefuseToStart();
    void splitterSizesAndPlacementPersist();
    void infoOptionsNeedNoDisplay();
};

void TestStartup::firstLibrary_data()
{
    QTest::addColumn<bool>("withSample");
    QTest::addColumn<bool>("withRecent");
    QTest::addColumn<QString>("expected"); // "recent", "sample" or "" (none)

    QTest::newRow("recent file wins over the sample") << true << true << "recent";
    QTest::newRow("sample beside the program") << true << false << "sample";
    QTest::newRow("nothing: no library, no dialog") << false << false << "";
}

void TestStartup::firstLibrary()
{
    QFETCH(bool, withSample);
    QFETCH(bool, withRecent);
    QFETCH(QString, expected);

    CWindowTestEnv env(withSample ? CWindowTestEnv::kWithSample : CWindowTestEnv::kWithoutSample);
    QVERIFY(env.IsValid());
    const QString recent = env.CopyLibrary(QStringLiteral("Recent.mdb"));
    if (withRecent)
        QVERIFY(WriteProfileString(QStringLiteral("Recent File List"), QStringLiteral("File1"),
                                   recent));
    QVERIFY(env.StartWindow());

    QString expectedPath;
    if (expected == QLatin1String("recent"))
        expectedPath = recent;
    else if (expected == QLatin1String("sample"))
        expectedPath = env.ProgramDir() + QStringLiteral("/Sample.mdb");
    QCOMPARE(env.Document().GetPathName(), expectedPath);
    QCOMPARE(env.Document().IsLibraryOpen(), !expectedPath.isEmpty());
    // Start-up without a library asks nothing: no New Database dialog, no message.
    QVERIFY(env.files.filters.isEmpty());
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
    const QString title = env.Frame().windowTitle();
    QCOMPARE(title, expectedPath.isEmpty()
                        ? QStringLiteral("Tomelodex")
                        : QFileInfo(expectedPath).fileName() + QStringLiteral(" - Tomelodex"));
    if (!expectedPath.isEmpty())
        QCOMPARE(env.Frame().RecentFiles().value(0), expectedPath);
}

void TestStartup::commandLineLibraryOpensAndBecomesRecent()
{
    CWindowTestEnv env;
    const QString other = env.CopyLibrary(QStringLiteral("Other.mdb"), true);
    QVERIFY(env.StartWindow({other}));
    QCOMPARE(env.Document().GetPathName(), other);
    env.CloseWindow();
    QCOMPARE(GetProfileString(QStringLiteral("Recent File List"), QStringLiteral("File1")), other);

    // A library on the command line that cannot be opened ends the start-up
    // after saying why.
    QVERIFY(!env.StartWindow({env.Path(QStringLiteral("missing/None.mdb"))}));
    QCOMPARE(env.prompt.shown.size(), 1);
}

void TestStartup::missingStylesRefuseToStart()
{
    CWindowTestEnv env;
    const QString styles = env.ProgramDir() + QStringLiteral("/Styles");
    const QStringList templates = QDir(styles).entryList({QStringLiteral("*.xsl")}, QDir::Files);
    for (const QString &name : templates)
        QVERIFY(QFile::remove(QDir(styles).filePath(name)));
    QVERIFY(!env.StartWindow());
    QCOMPARE(env.prompt.LastText(), QStringLiteral("No XSL files found."));

    QVERIFY(QDir(styles + QStringLiteral("/CSS")).removeRecursively());
    QVERIFY(!env.StartWindow());
    // Without styles the templates are not looked at.
    QCOMPARE(env.prompt.LastText(), QStringLiteral("No CSS files found."));
    QCOMPARE(env.prompt.shown.size(), 2);
}

void TestStartup::splitterSizesAndPlacementPersist()
{
    CWindowTestEnv env;
    QVERIFY(env.StartWindow());
    auto *outer = env.Frame().findChild<QSplitter *>(QStringLiteral("SplitterV"));
    auto *inner = env.Frame().findChild<QSplitter *>(QStringLiteral("SplitterH"));
    QVERIFY(outer && inner);
    // First run: the tree 200 wide, the list 300 high.
    QCOMPARE(outer->sizes().value(0), 200);
    QCOMPARE(inner->sizes().value(0), 300);
    env.SaveScreenshot(env.Frame(), QStringLiteral("main-window"));

    env.Frame().setGeometry(100, 50, 900, 640);
    outer->setSizes({260, 600});
    inner->setSizes({180, 380});
    QCOMPARE(outer->sizes().value(0), 260);
    env.CloseWindow();
    QCOMPARE(GetProfileString(QStringLiteral("WindowPlacement"), QStringLiteral("Rect")),
             QStringLiteral("0100 0050 1000 0690"));

    QVERIFY(env.StartWindow());
    outer = env.Frame().findChild<QSplitter *>(QStringLiteral("SplitterV"));
    inner = env.Frame().findChild<QSplitter *>(QStringLiteral("SplitterH"));
    QCOMPARE(outer->sizes().value(0), 260);
    QCOMPARE(inner->sizes().value(0), 180);
    QCOMPARE(env.Frame().geometry(), QRect(100, 50, 900, 640));

    // A window closed maximised opens maximised and keeps its normal place.
    env.Frame().showMaximized();
    QTRY_VERIFY(env.Frame().isMaximized());
    env.CloseWindow();
    QCOMPARE(GetProfileInt(QStringLiteral("WindowPlacement"), QStringLiteral("Maximized"), 0), 1);
    QCOMPARE(GetProfileString(QStringLiteral("WindowPlacement"), QStringLiteral("Rect")),
             QStringLiteral("0100 0050 1000 0690"));
    QVERIFY(env.StartWindow());
    QVERIFY(env.Frame().isMaximized());
}

void TestStartup::infoOptionsNeedNoDisplay()
{
    const QString program = CTestEnv::RuntimeDir() + QStringLiteral("/tomelodex");
    const QString cli = QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI"));
    for (const QString &binary : {program, cli}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(binary, {QStringLiteral("--version")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                 QFileInfo(binary).fileName() + QStringLiteral(" (Tomelodex) " TOMELODEX_VERSION));

        process.start(binary, {QStringLiteral("--help")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput())
                    .startsWith(QStringLiteral("Usage: ") + QFileInfo(binary).fileName(),
                                Qt::CaseInsensitive));
    }
}

TOMELODEX_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
