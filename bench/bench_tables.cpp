// Reading other catalogues' tables without a library: a Goodreads export of
// 100,000 rows through its reader alone, and through the reader and the
// shared mapping, so that the import's own cost can be told apart.

#include "exchange/CatalogueFormats.h"
#include "exchange/CsvTable.h"
#include "exchange/ForeignMapping.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;

QString GoodreadsFile()
{
    static QTemporaryDir dir;
    static const QString csv = [] {
        const QString path = dir.filePath(QStringLiteral("goodreads.csv"));
        QProcess::execute(QStringLiteral("python3"),
                          {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_goodreads_csv.py"),
                           QString::number(kRows), path, dir.filePath(QStringLiteral("b.xml"))});
        return path;
    }();
    return csv;
}

void BM_CsvTableRows(benchmark::State &state)
{
    const QString path = GoodreadsFile();
    for (auto _ : state) {
        CCsvTable table;
        if (!table.Open(path)) {
            state.SkipWithError("the table cannot be read");
            break;
        }
        QStringList fields;
        int rows = 0;
        while (table.NextRow(fields))
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvTableRows)->Unit(benchmark::kMillisecond)->Iterations(1);

void ReadGoodreads(benchmark::State &state, bool map)
{
    const QString path = GoodreadsFile();
    for (auto _ : state) {
        const std::unique_ptr<CCatalogueReader> reader =
            MakeCatalogueReader(CatalogueFormat::Goodreads, CCatalogueOptions());
        if (!reader->Open(path)) {
            state.SkipWithError("the Goodreads file cannot be read");
            break;
        }
        CForeignBook book;
        int titles = 0;
        while (reader->Next(book)) {
            if (map)
                titles += MapForeignBook(book).record.Title.isEmpty() ? 0 : 1;
            else
                titles += book.values.isEmpty() ? 0 : 1;
        }
        benchmark::DoNotOptimize(titles);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_GoodreadsReaderRows(benchmark::State &state)
{
    ReadGoodreads(state, false);
}
BENCHMARK(BM_GoodreadsReaderRows)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GoodreadsReaderAndMappingRows(benchmark::State &state)
{
    ReadGoodreads(state, true);
}
BENCHMARK(BM_GoodreadsReaderAndMappingRows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
