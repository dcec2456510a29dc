// The batch engine adding 100 ISBNs from the fake Open Library at Open
// Library's real request limit. The limit sets a floor under the time (the
// requests beyond the burst, three a second); what the program adds per
// entry beyond that floor is the figure that matters.

#include "FakeOpenLibrary.h"

#include "app/AppSettings.h"
#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "online/BatchQueryEngine.h"
#include "online/IsbnRules.h"
#include "online/OpenLibraryClient.h"
#include "online/RateLimiter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 100;

class CAddAnywayPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::No; }
};

QStringList Queue()
{
    QStringList queue;
    for (int i = 0; i < kEntries; ++i) {
        const QString digits = QString::number(200000000 + i);
        queue.append(digits + IsbnCheckCharacter(digits));
    }
    return queue;
}

void BM_OpenLibraryAdd100AtTheRealLimit(benchmark::State &state)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    CFakeOpenLibrary server(QStringLiteral("2070379043"));
    if (!server.isRunning() || !server.UseForLookups()) {
        state.SkipWithError("the fake Open Library did not start");
        return;
    }
    CAddAnywayPrompt prompt;
    SetUserPrompt(&prompt);
    double floorSeconds = 0;
    double elapsedSeconds = 0;
    int apiRequests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        CBatchQueryEngine engine(library.db, library.images);
        engine.m_queue = Queue();
        engine.m_categoryId = 1;
        server.clearRequests();
        // A full bucket, as after a quiet spell.
        OpenLibraryApiLimiter().SetLimit(kOpenLibraryApiPerMinute, kOpenLibraryApiBurst);
        OpenLibraryCoversLimiter().SetLimit(kOpenLibraryCoversPerMinute, kOpenLibraryCoversBurst);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        engine.Start();
        engine.Wait();
        elapsedSeconds += clock.nsecsElapsed() / 1e9;
        state.PauseTiming();
        apiRequests = 0;
        for (const QString &path : server.paths())
            apiRequests += path.startsWith(QStringLiteral("/b/")) ||
                                   path.startsWith(QStringLiteral("/archive/"))
                               ? 0
                               : 1;
        floorSeconds +=
            std::max(0, apiRequests - kOpenLibraryApiBurst) * 60.0 / kOpenLibraryApiPerMinute;
        state.ResumeTiming();
    }
    SetUserPrompt(nullptr);
    const double runs = double(state.iterations());
    state.counters["api_requests"] = apiRequests;
    state.counters["floor_s"] = floorSeconds / runs;
    state.counters["beyond_floor_ms_per_entry"] =
        (elapsedSeconds - floorSeconds) / runs * 1000 / kEntries;
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_OpenLibraryAdd100AtTheRealLimit)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
