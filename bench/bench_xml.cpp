// Book XML: importing a 10,000-book file next to raw SQLite running the same
// insertions, importing 10,000 and 100,000 books in a child process to
// measure its peak memory, and writing the document for 1,000 selected
// books.

#include "app/UserPrompt.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlImport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kImportBooks = 10000;
constexpr int kLargeImportBooks = 100000;

class CQuietPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::Yes; }
};

// A file of `books` books, made once per run by the generator script.
QString MakeBookFile(QTemporaryDir &dir, int books)
{
    const QString file = dir.filePath(QStringLiteral("books%1.xml").arg(books));
    QProcess::execute(QStringLiteral("python3"),
                      {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_books_xml.py"),
                       QString::number(books), file});
    return file;
}

QTemporaryDir &BookFilesDir()
{
    static QTemporaryDir dir;
    return dir;
}

const QString &ImportFile()
{
    static const QString path = MakeBookFile(BookFilesDir(), kImportBooks);
    return path;
}

const QString &LargeImportFile()
{
    static const QString path = MakeBookFile(BookFilesDir(), kLargeImportBooks);
    return path;
}

void BM_ImportXml10k(benchmark::State &state)
{
    CQuietPrompt prompt;
    SetUserPrompt(&prompt);
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        state.ResumeTiming();
        const CXmlImportResult result = ImportBooksXml(ImportFile(), 1, library.images, library.db);
        if (result.imported != kImportBooks)
            state.SkipWithError("not every book was imported");
    }
    SetUserPrompt(nullptr);
    state.SetItemsProcessed(state.iterations() * kImportBooks);
}
BENCHMARK(BM_ImportXml10k)->Unit(benchmark::kMillisecond)->Iterations(3);

// Imports `file` into a new library in a child process, so that the peak
// memory of the import alone can be read from the child's resource usage.
// Returns the peak resident size in MiB, or a negative number when the
// import failed.
double ImportInChild(const QString &file, int books)
{
    const pid_t child = ::fork();
    if (child == 0) {
        CQuietPrompt prompt;
        SetUserPrompt(&prompt);
        BenchLibrary library;
        const CXmlImportResult result = ImportBooksXml(file, 1, library.images, library.db);
        ::_exit(result.imported == books ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return double(usage.ru_maxrss) / 1024.0;
}

// The whole import, parsing, writing and committing, with its peak memory.
void ImportInChildBenchmark(benchmark::State &state, const QString &file, int books)
{
    double peak = 0;
    for (auto _ : state) {
        const double mib = ImportInChild(file, books);
        if (mib < 0) {
            state.SkipWithError("the import failed");
            break;
        }
        peak = std::max(peak, mib);
    }
    state.counters["peak_MiB"] = peak;
    state.SetItemsProcessed(state.iterations() * books);
}

void BM_ImportXml10kPeakMemory(benchmark::State &state)
{
    ImportInChildBenchmark(state, ImportFile(), kImportBooks);
}
BENCHMARK(BM_ImportXml10kPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ImportXml100kPeakMemory(benchmark::State &state)
{
    ImportInChildBenchmark(state, LargeImportFile(), kLargeImportBooks);
}
BENCHMARK(BM_ImportXml100kPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every INSERT that an import of the file issues, recorded once from a real
// import through SQLite's statement trace.
const std::vector<QByteArray> &ImportInsertions()
{
    static const std::vector<QByteArray> statements = [] {
        std::vector<QByteArray> recorded;
        CQuietPrompt prompt;
        SetUserPrompt(&prompt);
        BenchLibrary library;
        sqlite3_trace_v2(
            library.db.Handle(), SQLITE_TRACE_STMT,
            [](unsigned, void *context, void *, void *text) {
                const char *sql = static_cast<const char *>(text);
                if (std::strncmp(sql, "INSERT", 6) == 0)
                    static_cast<std::vector<QByteArray> *>(context)->emplace_back(sql);
                return 0;
            },
            &recorded);
        ImportBooksXml(ImportFile(), 1, library.images, library.db);
        sqlite3_trace_v2(library.db.Handle(), 0, nullptr, nullptr);
        SetUserPrompt(nullptr);
        return recorded;
    }();
    return statements;
}

// The same insertions straight through SQLite's C interface in one
// transaction: what the import is measured against.
void BM_RawSqliteImport10k(benchmark::State &state)
{
    const std::vector<QByteArray> &statements = ImportInsertions();
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        sqlite3 *db = library.db.Handle();
        state.ResumeTiming();
        QString error;
        if (!ExecuteInOneTransaction(db, statements, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["statements"] = double(statements.size());
    state.SetItemsProcessed(state.iterations() * kImportBooks);
}
BENCHMARK(BM_RawSqliteImport10k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BuildBooksXml1000(benchmark::State &state)
{
    CQuietPrompt prompt;
    SetUserPrompt(&prompt);
    BenchLibrary library;
    ImportBooksXml(ImportFile(), 1, library.images, library.db);
    QVector<quint32> ids;
    for (quint32 id = 1; id <= 1000; ++id)
        ids.append(id * 7 % kImportBooks + 1);
    for (auto _ : state) {
        const QString xml = BuildBooksXml(ids, library.db, library.images);
        benchmark::DoNotOptimize(xml);
    }
    SetUserPrompt(nullptr);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BuildBooksXml1000)->Unit(benchmark::kMillisecond);

} // namespace
