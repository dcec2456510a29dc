// Edit Book on a library of 100,000 books, in the real window: from the
// command until the sheet with all its pages is on screen.

#include "book/BookProperties.h"
#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"
#include "frame/WindowApp.h"
#include "library/TomeloListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The settings home and the library, kept for the whole run.
struct CBigWindow
{
    QTemporaryDir dir;
    std::unique_ptr<CWindowApp> app;

    bool Start()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        const QString library = dir.filePath(QStringLiteral("Big.mdb"));
        const int made =
            QProcess::execute(QStringLiteral("python3"),
                              {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_big_library.py"),
                               library, QStringLiteral("--mkdb"), QStringLiteral(TOMELODEX_MKDB)});
        app = std::make_unique<CWindowApp>();
        return made == 0 &&
               app->InitInstance({library}, QStringLiteral(TOMELODEX_RUNTIME_DIR "/tomelodex"));
    }
    ~CBigWindow()
    {
        if (app)
            app->ExitInstance();
    }
};

std::unique_ptr<CBigWindow> g_window;

void BM_OpenEditBookSheet100k(benchmark::State &state)
{
    if (!g_window) {
        g_window = std::make_unique<CBigWindow>();
        if (!g_window->Start()) {
            state.SkipWithError("the window did not start on the big library");
            return;
        }
    }
    CTomeloListView &list = *g_window->app->Frame()->ListView();
    // A book in the middle of the library.
    if (!list.SelectBook(50000)) {
        state.SkipWithError("no book 50000 in the list");
        return;
    }
    QApplication::processEvents();
    for (auto _ : state) {
        QElapsedTimer timer;
        qint64 shownAfter = -1;
        // Polled from the sheet's own event loop: the first pass after it
        // is on screen ends the measurement and closes it.
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *sheet = qobject_cast<CBookProperties *>(QApplication::activeModalWidget());
            if (!sheet || !sheet->isVisible() || !sheet->windowHandle() ||
                !sheet->windowHandle()->isExposed())
                return;
            shownAfter = timer.nsecsElapsed();
            poll.stop();
            sheet->reject();
        });
        timer.start();
        poll.start();
        list.OnEditBook();
        if (shownAfter < 0) {
            state.SkipWithError("the sheet did not open");
            return;
        }
        state.SetIterationTime(double(shownAfter) / 1e9);
    }
}
BENCHMARK(BM_OpenEditBookSheet100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PrepareGuiApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
