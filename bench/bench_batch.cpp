// The batch engine adding 100 ISBNs from the fake product service, next to
// the same HTTP requests made alone: the difference is the program's own
// time per entry (answer mapping, cover file, save).

#include "FakeService.h"

#include "app/AppSettings.h"
#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "online/BatchQueryEngine.h"
#include "online/HttpClient.h"
#include "online/ProductLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 100;
const char *const kIsbns[] = {"0596007124", "0596004206", "080442957X", "1876543221"};

class CAddAnywayPrompt : public CUserPrompt
{
public:
    // Every duplicate is added, so each entry is saved.
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::No; }
};

// Settings and the service for the whole run.
struct BenchService
{
    QTemporaryDir config;
    CFakeService *service = nullptr;
    BenchService()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        service = new CFakeService;
        CAppSettings::SetServiceHost(service->baseUrl());
        CAppSettings::SetStoreHost(service->baseUrl());
    }
};

BenchService &Service()
{
    static BenchService service;
    return service;
}

QStringList Queue()
{
    QStringList queue;
    for (int i = 0; i < kEntries; ++i)
        queue.append(QLatin1String(kIsbns[i % 4]));
    return queue;
}

void BM_Add100FromService(benchmark::State &state)
{
    Service();
    CAddAnywayPrompt prompt;
    SetUserPrompt(&prompt);
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        CBatchQueryEngine engine(library.db, library.images);
        engine.m_queue = Queue();
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
    const QString base = Service().service->baseUrl();
    const QStringList queue = Queue();
    for (auto _ : state) {
        for (const QString &isbn : queue) {
            const CHttpResponse answer = HttpGet(ItemLookupUrl(isbn), kMaxXmlAnswerBytes);
            benchmark::DoNotOptimize(answer.body.size());
            const int at = int(answer.body.indexOf("<LargeImage><URL>"));
            if (at >= 0) {
                const int start = at + 17;
                const QString url = QString::fromUtf8(
                    answer.body.mid(start, answer.body.indexOf('<', start) - start));
                benchmark::DoNotOptimize(HttpGet(url, kMaxCoverBytes).body.size());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ServiceRequestsOnly)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
