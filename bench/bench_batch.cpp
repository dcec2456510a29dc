// The batch engine adding 100 ISBNs from the fake product service, next to
// the same HTTP requests made alone: the difference is the program's own
// time per entry (answer mapping, cover file, save).

#include "BenchService.h"
#include "db/LibraryConnection.h"
#include "online/BatchQueryEngine.h"

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = kBatchEntries;

void BM_Add100FromService(benchmark::State &state)
{
    Service();
    CAddAnywayPrompt prompt;
    SetUserPrompt(&prompt);
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        CBatchQueryEngine engine(library.db, library.images);
        engine.m_queue = BatchQueue();
        engine.m_categoryId = 1;
        state.ResumeTiming();
        engine.Start();
        engine.Wait();
    }
    SetUserPrompt(nullptr);
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_Add100FromService)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// What the service itself costs: for each entry the answer and the cover,
// fetched and thrown away.
void BM_ServiceRequestsOnly(benchmark::State &state)
{
    Service();
    const QStringList queue = BatchQueue();
    for (auto _ : state) {
        for (const QString &isbn : queue)
            benchmark::DoNotOptimize(FetchAnswerAndCover(isbn));
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ServiceRequestsOnly)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
