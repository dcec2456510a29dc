// Edit Book on a library of 100,000 books, in the real window: from the
// command until the sheet with all its pages is on screen, and until the
// first HTML page's editor is ready.

#include "book/BookDescriptionPage.h"
#include "book/BookProperties.h"
#include "book/HtmlEditorView.h"
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

#include <functional>
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

CTomeloListView *BigList(benchmark::State &state)
{
    if (!g_window) {
        g_window = std::make_unique<CBigWindow>();
        if (!g_window->Start()) {
            state.SkipWithError("the window did not start on the big library");
            return nullptr;
        }
    }
    CTomeloListView *list = g_window->app->Frame()->ListView();
    // A book in the middle of the library.
    if (!list->SelectBook(50000)) {
        state.SkipWithError("no book 50000 in the list");
        return nullptr;
    }
    QApplication::processEvents();
    return list;
}

// Runs Edit Book once; `step` is polled from the sheet's own event loop
// until it gives the time its measurement took (>= 0), then the sheet is
// closed. Gives that time, or -1 when the sheet did not open.
qint64 EditBookOnce(CTomeloListView &list,
                    const std::function<qint64(CBookProperties &, const QElapsedTimer &)> &step)
{
    QElapsedTimer timer;
    qint64 result = -1;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *sheet = qobject_cast<CBookProperties *>(QApplication::activeModalWidget());
        if (!sheet || !sheet->isVisible() || !sheet->windowHandle() ||
            !sheet->windowHandle()->isExposed())
            return;
        result = step(*sheet, timer);
        if (result < 0)
            return;
        poll.stop();
        sheet->reject();
    });
    timer.start();
    poll.start();
    list.OnEditBook();
    return result;
}

// From the command until the sheet with all its pages is on screen.
void BM_OpenEditBookSheet100k(benchmark::State &state)
{
    CTomeloListView *list = BigList(state);
    if (!list)
        return;
    for (auto _ : state) {
        const qint64 shownAfter =
            EditBookOnce(*list, [](CBookProperties &, const QElapsedTimer &timer) {
                return timer.nsecsElapsed();
            });
        if (shownAfter < 0) {
            state.SkipWithError("the sheet did not open");
            return;
        }
        state.SetIterationTime(double(shownAfter) / 1e9);
    }
}
BENCHMARK(BM_OpenEditBookSheet100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The browser engine starts when an HTML page is first shown: from the
// Description tab's click until its editor holds the book's text.
void BM_DescriptionPageReady100k(benchmark::State &state)
{
    CTomeloListView *list = BigList(state);
    if (!list)
        return;
    for (auto _ : state) {
        QElapsedTimer sinceClick;
        CBookDescriptionPage *page = nullptr;
        const qint64 readyAfter =
            EditBookOnce(*list, [&](CBookProperties &sheet, const QElapsedTimer &) -> qint64 {
                if (!page) {
                    page = sheet.findChild<CBookDescriptionPage *>();
                    sinceClick.start();
                    sheet.Tabs()->setCurrentWidget(page);
                }
                if (page && page->Editor() && page->Editor()->IsReady())
                    return sinceClick.nsecsElapsed();
                return -1;
            });
        if (readyAfter < 0) {
            state.SkipWithError("the description was not shown");
            return;
        }
        state.SetIterationTime(double(readyAfter) / 1e9);
    }
}
BENCHMARK(BM_DescriptionPageReady100k)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

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
