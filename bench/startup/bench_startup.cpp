// Start-up of the window, from the program's first line until the main window
// is painted with its book list filled and the information page shown: on the
// sample library and on a library of 100,000 books. Each measurement starts
// the benchmark again as a child process, so the window system, the browser
// engine and the library are all started from nothing, as a person's start is.
//
//   tomelodex-bench-startup [benchmark options]

#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"
#include "frame/WindowApp.h"
#include "info/TomeloHtmlView.h"
#include "library/TomeloListView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const char kChildFlag[] = "--start-window";

// Tells when the window is ready: shown and painted, its list has rows, and
// the information view's page has loaded (views without a list or a page
// count as ready on that point).
class CReadiness : public QObject
{
public:
    explicit CReadiness(CMainFrame &frame) : m_frame(frame)
    {
        frame.installEventFilter(this);
        auto *web = qobject_cast<QWebEngineView *>(frame.HtmlView());
        if (!web)
            web = frame.HtmlView()->findChild<QWebEngineView *>();
        if (web) {
            m_web = web;
            connect(web, &QWebEngineView::loadStarted, this, [this] { ++m_started; });
            connect(web, &QWebEngineView::loadFinished, this, [this] { ++m_finished; });
        }
    }

    bool IsReady() const
    {
        if (!m_painted || !m_frame.windowHandle() || !m_frame.windowHandle()->isExposed())
            return false;
        bool listFilled = true;
        for (const QAbstractItemView *view :
             m_frame.ListView()->findChildren<QAbstractItemView *>())
            listFilled = view->model() && view->model()->rowCount() > 0;
        if (auto *view = qobject_cast<QAbstractItemView *>(m_frame.ListView()))
            listFilled = view->model() && view->model()->rowCount() > 0;
        const bool pageShown = !m_web || (m_finished > 0 && m_finished >= m_started);
        return listFilled && pageShown;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    CMainFrame &m_frame;
    QWebEngineView *m_web = nullptr;
    int m_started = 0;
    int m_finished = 0;
    bool m_painted = false;
};

// Resident memory of this process in kilobytes, as the kernel counts it.
long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// How long the window idles after it is ready before its memory is read, so
// that what start-up allocated and let go has settled.
constexpr int kIdleBeforeMemoryMs = 2000;

// The child: starts the window on the library and prints the milliseconds
// until it is ready (-1 when it never was), then the resident kilobytes of
// the idle window.
int StartWindow(int argc, char **argv, const QElapsedTimer &sinceStart)
{
    const QString library = QString::fromLocal8Bit(argv[2]);
    PrepareGuiApplication();
    QApplication application(argc, argv);
    CWindowApp app;
    if (!app.InitInstance({library}, QStringLiteral(TOMELODEX_RUNTIME_DIR "/tomelodex")))
        return 1;
    const qint64 startedAfter = sinceStart.elapsed();
    CReadiness readiness(*app.Frame());
    qint64 readyAfter = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (readiness.IsReady()) {
            readyAfter = sinceStart.elapsed();
            poll.stop();
            QTimer::singleShot(kIdleBeforeMemoryMs, &application, &QCoreApplication::quit);
        } else if (sinceStart.elapsed() > 30000) {
            application.quit();
        }
    });
    poll.start(1);
    application.exec();
    std::printf("%lld %ld\n", static_cast<long long>(readyAfter), ResidentKilobytes());
    // Where the time went, for a person looking into it.
    if (qEnvironmentVariableIsSet("TOMELODEX_BENCH_STAGES"))
        std::fprintf(stderr, "start-up returned after %lld ms, ready after %lld ms\n",
                     static_cast<long long>(startedAfter), static_cast<long long>(readyAfter));
    app.ExitInstance();
    return readyAfter < 0 ? 1 : 0;
}

QString g_selfPath;

// A folder kept for the whole run: the settings home and the libraries.
QTemporaryDir &WorkDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString SampleCopy()
{
    const QString path = WorkDir().filePath(QStringLiteral("Sample.mdb"));
    if (!QFileInfo::exists(path)) {
        QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Sample.mdb"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString images = QStringLiteral(TOMELODEX_RUNTIME_DIR "/sample_images");
        QDir().mkpath(WorkDir().filePath(QStringLiteral("sample_images")));
        for (const QString &name : QDir(images).entryList(QDir::Files))
            QFile::copy(QDir(images).filePath(name),
                        WorkDir().filePath(QStringLiteral("sample_images/") + name));
    }
    return path;
}

QString BigLibrary()
{
    const QString path = WorkDir().filePath(QStringLiteral("Big.mdb"));
    if (!QFileInfo::exists(path)) {
        QProcess::execute(QStringLiteral("python3"),
                          {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_big_library.py"), path,
                           QStringLiteral("--mkdb"), QStringLiteral(TOMELODEX_MKDB)});
    }
    return path;
}

void MeasureStartup(benchmark::State &state, const QString &library)
{
    if (!QFileInfo::exists(library)) {
        state.SkipWithError("the library could not be made");
        return;
    }
    double idleResidentMb = 0;
    for (auto _ : state) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           WorkDir().filePath(QStringLiteral("config")));
        child.setProcessEnvironment(environment);
        child.start(g_selfPath, {QString::fromLatin1(kChildFlag), library});
        child.waitForFinished(60000);
        const QStringList figures =
            QString::fromLatin1(child.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
        const qint64 ms = figures.value(0).toLongLong();
        if (child.exitCode() != 0 || ms <= 0) {
            state.SkipWithError("the window did not become ready");
            return;
        }
        state.SetIterationTime(double(ms) / 1000.0);
        idleResidentMb = std::max(idleResidentMb, figures.value(1).toDouble() / 1024.0);
    }
    // The largest of the runs: the window's own process, idle, with the library open.
    state.counters["idle_resident_MB"] = idleResidentMb;
}

void BM_StartupSampleLibrary(benchmark::State &state)
{
    MeasureStartup(state, SampleCopy());
}

void BM_Startup100kLibrary(benchmark::State &state)
{
    MeasureStartup(state, BigLibrary());
}

BENCHMARK(BM_StartupSampleLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Startup100kLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0)
        return StartWindow(argc, argv, sinceStart);
    g_selfPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::getuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
