// Importing other catalogues: a Goodreads export of 10,000 and 100,000 rows
// against the same books' book XML through the XML import, each in a child
// process so that its time and peak memory are its own.

#include "app/UserPrompt.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CatalogueImport.h"
#include "xml/XmlImport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class CQuietPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::Yes; }
};

struct CSameBooks
{
    QString csv;
    QString xml;
};

QTemporaryDir &FilesDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The same books as a Goodreads export and as book XML, made once per run.
CSameBooks MakeFiles(int books)
{
    CSameBooks files{FilesDir().filePath(QStringLiteral("goodreads%1.csv").arg(books)),
                     FilesDir().filePath(QStringLiteral("books%1.xml").arg(books))};
    QProcess::execute(QStringLiteral("python3"),
                      {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_goodreads_csv.py"),
                       QString::number(books), files.csv, files.xml});
    return files;
}

struct CChildRun
{
    double seconds = -1; // negative: the import failed
    double peakMiB = 0;
};

// Runs `import` (which returns the books written) in a child process with
// a new library; its wall time and peak resident size.
template <typename Import> CChildRun RunInChild(int books, const Import &import)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        CQuietPrompt prompt;
        SetUserPrompt(&prompt);
        BenchLibrary library;
        ::_exit(import(library) == books ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    CChildRun run;
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return run;
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    return run;
}

int ImportXml(BenchLibrary &library, const QString &xml)
{
    return ImportBooksXml(xml, 1, library.images, library.db).imported;
}

int ImportForeign(BenchLibrary &library, const QString &path, CatalogueFormat format)
{
    const std::unique_ptr<CCatalogueReader> reader =
        MakeCatalogueReader(format, CCatalogueOptions());
    if (!reader->Open(path))
        return -1;
    CCatalogueImportOptions options;
    // The lines go nowhere, as a large import's would go to the output.
    options.onLine = [](const CImportReportLine &) {};
    const CCatalogueImportResult result =
        ImportCatalogue({{path, reader.get()}}, library.images, library.db, options);
    return result.completed ? result.imported : -1;
}

// The Goodreads export against the XML import of the same books: both
// times, their ratio (the aim is under 2) and the Goodreads import's peak
// memory (the aim is under 100 MB whatever the size).
void GoodreadsAgainstXml(benchmark::State &state, int books)
{
    const CSameBooks files = MakeFiles(books);
    for (auto _ : state) {
        const CChildRun xml =
            RunInChild(books, [&](BenchLibrary &library) { return ImportXml(library, files.xml); });
        const CChildRun goodreads = RunInChild(books, [&](BenchLibrary &library) {
            return ImportForeign(library, files.csv, CatalogueFormat::Goodreads);
        });
        const CChildRun ownXml = RunInChild(books, [&](BenchLibrary &library) {
            return ImportForeign(library, files.xml, CatalogueFormat::Tomelodex);
        });
        if (xml.seconds < 0 || ownXml.seconds < 0) {
            state.SkipWithError("the XML import failed");
            break;
        }
        state.counters["xml_s"] = xml.seconds;
        state.counters["xml_peak_MiB"] = xml.peakMiB;
        // The same XML through the import of other catalogues: what the
        // shared mapping and the run cost beyond the XML import.
        state.counters["xml_by_import_s"] = ownXml.seconds;
        if (goodreads.seconds < 0) {
            state.SkipWithError("the Goodreads import failed (is its reader built?)");
            break;
        }
        state.counters["goodreads_s"] = goodreads.seconds;
        state.counters["goodreads_peak_MiB"] = goodreads.peakMiB;
        state.counters["ratio"] = goodreads.seconds / xml.seconds;
    }
    state.SetItemsProcessed(state.iterations() * books);
}

void BM_ImportGoodreads10k(benchmark::State &state)
{
    GoodreadsAgainstXml(state, 10000);
}
BENCHMARK(BM_ImportGoodreads10k)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ImportGoodreads100k(benchmark::State &state)
{
    GoodreadsAgainstXml(state, 100000);
}
BENCHMARK(BM_ImportGoodreads100k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
