// Start-up of the window: which library opens first, what refuses to start,
// the --help and --version answers, and what the window keeps between runs.

#include "GuiTestSupport.h"

#include "app/Profile.h"
#include "app/SettingsStore.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/CommandTable.h"
#include "frame/MainFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLibrary_data();
    void firstLibrary();
    void commandLineLibraryOpensAndBecomesRecent();
    void missingStylesRefuseToStart();
    void menusCarryStylesAndCommands();
    void splitterSizesAndPlacementPersist();
    void infoOptionsNeedNoDisplay();
    void pageFoldersOfEndedWindowsGo();
    void fifoSettingsFile();
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

// The items of `menu` as "text=id", a submenu as "text>" and a separator as "-".
static QStringList MenuItems(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            items += QStringLiteral("-");
        else if (action->menu())
            items += action->text() + u'>';
        else
            items += QStringLiteral("%1=%2").arg(action->text()).arg(action->data().toInt());
    }
    return items;
}

void TestStartup::menusCarryStylesAndCommands()
{
    CWindowTestEnv env;
    // One CSS style and two templates beside the program.
    const QString styles = env.ProgramDir() + QStringLiteral("/Styles");
    for (const QString &css : QDir(styles + QStringLiteral("/CSS")).entryList(QDir::Files))
        QFile::remove(styles + QStringLiteral("/CSS/") + css);
    for (const QString &xsl : QDir(styles).entryList({QStringLiteral("*.xsl")}, QDir::Files))
        QFile::remove(styles + u'/' + xsl);
    for (const QString &name : {QStringLiteral("CSS/Plain.css"), QStringLiteral("Zebra.xsl"),
                                QStringLiteral("Default (ENU).xsl")}) {
        QFile file(styles + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(env.StartWindow());
    CMainFrame &frame = env.Frame();
    QCOMPARE(frame.XslTemplates(), QStringList({"Default (ENU)", "Zebra"}));
    QCOMPARE(frame.CssStyles(), QStringList({"Plain"}));

    QMenu *view = nullptr;
    for (QAction *action : frame.menuBar()->actions()) {
        if (action->text() == QStringLiteral("&View"))
            view = action->menu();
    }
    QVERIFY(view);
    QCOMPARE(MenuItems(view),
             QStringList({"&Toolbar=59392", "&Status Bar=59393", "Content &Template>",
                          "Display &Style>", "-", "&Thumbnails=32825", "&Details=59411", "-",
                          "&Columns>", "&Include Subcategories=32850", "-", "&Refresh=32773"}));
    QCOMPARE(MenuItems(view->actions()[2]->menu()),
             QStringList({"Default (ENU)=30100", "Zebra=30101"}));
    QCOMPARE(MenuItems(view->actions()[3]->menu()), QStringList({"Plain=30000"}));

    QMenu *html = frame.ContextMenu(QStringLiteral("Html"));
    QCOMPARE(MenuItems(html),
             QStringList({"&Copy=57634", "Select &All=57642", "&Print...=57607", "-",
                          "Content &Template>", "Display &Style>", "&Refresh=32773", "-",
                          "Save As &HTML...=32771", "Save As &XML...=32772"}));
    QCOMPARE(
        MenuItems(frame.ContextMenu(QStringLiteral("Tree"))),
        QStringList({"Add &Sub Category...=32775", "Add &Book...=32779", "&Remove Category=32776",
                     "&Edit Category...=32778", "-", "Cu&t=57635", "&Paste=57637"}));
    QVERIFY(!frame.ContextMenu(QStringLiteral("Nothing")));

    // Toolbar buttons and the menu items of the same commands share an icon
    // from the theme, drawn for the toolbar's 24 pixels; none is blank or
    // made up.
    auto *bar = frame.findChild<QToolBar *>();
    QCOMPARE(bar->iconSize(), QSize(24, 24));
    QStringList buttons;
    for (QAction *action : bar->actions()) {
        buttons += action->isSeparator() ? QStringLiteral("-") : action->toolTip();
        if (action->isSeparator())
            continue;
        const QIcon icon = action->icon();
        QVERIFY2(!icon.name().isEmpty(), qPrintable(action->toolTip()));
        QCOMPARE(icon.name(), QLatin1String(FindCommand(action->data().toInt())->iconName));
        QVERIFY2(icon.availableSizes().contains(QSize(24, 24)), qPrintable(action->toolTip()));
    }
    QCOMPARE(buttons,
             QStringList({"New Database", "Open Database", "HTML", "-", "Add Book", "Basic Search",
                          "-", "Cut", "Copy", "Paste", "-", "Print", "Help Topics"}));
    env.SaveScreenshot(*bar, QStringLiteral("toolbar"));
    view->popup(frame.mapToGlobal(QPoint(60, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(view));
    env.SaveScreenshot(*view, QStringLiteral("view-menu"));
    view->hide();
    QMenu *file = frame.menuBar()->actions().first()->menu();
    file->popup(frame.mapToGlobal(QPoint(10, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    env.SaveScreenshot(*file, QStringLiteral("file-menu"));
    file->hide();
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
    env.CloseWindow();

    // A place on a screen that has gone is brought back onto the screen.
    QVERIFY(WriteProfileInt(QStringLiteral("WindowPlacement"), QStringLiteral("Maximized"), 0));
    QVERIFY(WriteProfileString(QStringLiteral("WindowPlacement"), QStringLiteral("Rect"),
                               QStringLiteral("5000 3000 5800 3600")));
    QVERIFY(env.StartWindow());
    QCOMPARE(env.Frame().size(), QSize(800, 600));
    QVERIFY(env.Frame().screen()->availableGeometry().intersects(env.Frame().geometry()));
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

// The information view's page folder in the temporary folder goes when the
// window is stopped by SIGTERM; at the next start, those of windows that
// ended go too, while that of a window still running stays.
void TestStartup::pageFoldersOfEndedWindowsGo()
{
    CWindowTestEnv env;
    const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
    const QString temp = env.Path(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(temp));

    QProcess ended;
    ended.start(QStringLiteral("/bin/true"), {});
    QVERIFY(ended.waitForStarted(30000));
    const qint64 endedPid = ended.processId();
    QVERIFY(endedPid > 0);
    QVERIFY(ended.waitForFinished(30000));
    const QString endedFolder = temp + QStringLiteral("/Tomelodex-page-%1-AbCdEf").arg(endedPid);
    const QString liveFolder =
        temp + QStringLiteral("/Tomelodex-page-%1-AbCdEf").arg(QCoreApplication::applicationPid());
    const QString otherFolder = temp + QStringLiteral("/Tomelodex-page-notes");
    for (const QString &folder : {endedFolder, liveFolder, otherFolder}) {
        QVERIFY(QDir().mkpath(folder));
        QFile page(folder + QStringLiteral("/page.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        QVERIFY(page.write("<p>old</p>") > 0);
    }

    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.Path(QStringLiteral("config")));
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedChannels);
    window.start(CTestEnv::RuntimeDir() + QStringLiteral("/tomelodex"), {library});
    QVERIFY(window.waitForStarted(30000));
    const QString ownPattern = QStringLiteral("Tomelodex-page-%1-*").arg(window.processId());
    const auto ownFolders = [&] { return QDir(temp).entryList({ownPattern}, QDir::Dirs); };
    QTRY_VERIFY_WITH_TIMEOUT(
        ownFolders().size() == 1 &&
            QFileInfo::exists(temp + u'/' + ownFolders().first() + QStringLiteral("/page.html")),
        60000);
    QVERIFY(!QFileInfo::exists(endedFolder));
    QVERIFY(QFileInfo::exists(liveFolder + QStringLiteral("/page.html")));
    QVERIFY(QFileInfo::exists(otherFolder + QStringLiteral("/page.html")));

    window.terminate(); // SIGTERM
    const bool stopped = window.waitForFinished(60000);
    if (!stopped)
        window.kill();
    QVERIFY2(stopped, "the window did not stop on SIGTERM");
    QCOMPARE(window.exitStatus(), QProcess::NormalExit);
    QCOMPARE(window.exitCode(), 0);
    QCOMPARE(ownFolders(), QStringList());
}

namespace {

// Fails a test that would block on a FIFO instead of letting it hang: after
// 30 s it opens the FIFO for writing, which lets a reader stuck in open()
// go on to read nothing.
class CFifoWatchdog
{
public:
    explicit CFifoWatchdog(const QByteArray &fifo)
        : m_thread([this, fifo] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (m_wake.wait_for(lock, std::chrono::seconds(30), [this] { return m_done; }))
                  return;
              m_fired = true;
              const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0)
                  ::close(fd);
          })
    {}
    ~CFifoWatchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool Fired() const { return m_fired; }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};

} // namespace

// A pipe in place of the settings file: the window starts with its defaults,
// says so once in a message and leaves the pipe as it was.
void TestStartup::fifoSettingsFile()
{
    CWindowTestEnv env;
    const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
    const QString settings = CSettingsStore::FilePath();
    QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
    const QByteArray fifo = QFile::encodeName(settings);
    QVERIFY(!QFileInfo::exists(settings));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    {
        const CFifoWatchdog watchdog(fifo);
        QVERIFY(env.StartWindow({library}));
        QVERIFY2(!watchdog.Fired(), "the start waited on the pipe");
    }
    QCOMPARE(env.Document().GetPathName(), library);
    int said = 0;
    for (const auto &shown : env.prompt.shown)
        said += shown.text.contains(settings + QStringLiteral(" is not a settings file"));
    QCOMPARE(said, 1);
    env.CloseWindow();
    struct stat info = {};
    QCOMPARE(::lstat(fifo.constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

TOMELODEX_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
