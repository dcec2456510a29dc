// The Batch Mode dialog working through 100 ISBNs from the fake product
// service, against the same requests made alone. Counters:
// own_ms_per_entry, the dialog's time per entry beyond the service's (the
// lookup's mapping, cover file and save, and the rows and progress shown);
// longest_block_ms, the longest time the window's event loop did not run
// meanwhile, seen by a zero-interval timer, and blocks_over_20ms, how often
// it stood still for longer than 20 ms.

#include "BenchLibrary.h"
#include "BenchService.h"

#include "adding/BatchDlg.h"
#include "frame/WindowApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// The service's own time for the whole queue, in milliseconds.
double ServiceTimeMs()
{
    static const double time = [] {
        const QStringList queue = BatchQueue();
        FetchAnswerAndCover(queue.first()); // the connection warmed up
        QElapsedTimer clock;
        clock.start();
        for (const QString &isbn : queue)
            benchmark::DoNotOptimize(FetchAnswerAndCover(isbn));
        return double(clock.nsecsElapsed()) / 1e6;
    }();
    return time;
}

int EntriesDone(const CBatchDlg &dialog)
{
    return dialog.Count(CBatchEntryResult::kAdded) +
           dialog.Count(CBatchEntryResult::kDuplicateSkipped) +
           dialog.Count(CBatchEntryResult::kNotFound) +
           dialog.Count(CBatchEntryResult::kLookupFailed) +
           dialog.Count(CBatchEntryResult::kSaveFailed);
}

void BM_BatchDialog100(benchmark::State &state)
{
    Service();
    const double serviceMs = ServiceTimeMs();
    CAddAnywayPrompt prompt;
    SetUserPrompt(&prompt);
    double longest = 0;
    int longGaps = 0;
    double totalMs = 0;
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        CBatchDlg dialog(library.db, library.images);
        dialog.SetQueue(BatchQueue(), {}, 1);
        dialog.show();
        QApplication::processEvents();
        QElapsedTimer sinceTick;
        QTimer tick;
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double gap = double(sinceTick.nsecsElapsed()) / 1e6;
            longest = qMax(longest, gap);
            if (gap > 20)
                ++longGaps;
            sinceTick.restart();
        });
        QElapsedTimer clock;
        state.ResumeTiming();
        clock.start();
        tick.start();
        sinceTick.start();
        dialog.findChild<QPushButton *>(QStringLiteral("StartButton"))->click();
        while (EntriesDone(dialog) < kBatchEntries ||
               dialog.State() != CBatchQueryEngine::kFinished)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        tick.stop();
        totalMs += double(clock.nsecsElapsed()) / 1e6;
        added += dialog.Count(CBatchEntryResult::kAdded);
    }
    SetUserPrompt(nullptr);
    if (added != kBatchEntries * int(state.iterations()))
        state.SkipWithError("not every book was added");
    state.counters["service_ms_per_entry"] = serviceMs / kBatchEntries;
    state.counters["own_ms_per_entry"] =
        (totalMs / double(state.iterations()) - serviceMs) / kBatchEntries;
    state.counters["longest_block_ms"] = longest;
    state.counters["blocks_over_20ms"] = longGaps;
    state.SetItemsProcessed(state.iterations() * kBatchEntries);
}
BENCHMARK(BM_BatchDialog100)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The floor of the gaps: the same timer for two seconds with nothing else
// to do, which shows what the machine's load alone costs.
void BM_IdleEventLoop(benchmark::State &state)
{
    double longest = 0;
    int longGaps = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer tick;
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double gap = double(sinceTick.nsecsElapsed()) / 1e6;
            longest = qMax(longest, gap);
            if (gap > 20)
                ++longGaps;
            sinceTick.restart();
        });
        QElapsedTimer clock;
        clock.start();
        tick.start();
        sinceTick.start();
        while (clock.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    state.counters["longest_block_ms"] = longest;
    state.counters["blocks_over_20ms"] = longGaps;
}
BENCHMARK(BM_IdleEventLoop)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareGuiApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
