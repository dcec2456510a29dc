// Changing 10,000 books at once: fields set to one value, a pattern replaced
// book by book, categories joined and left, and what the editor reads when
// it opens (the values the books share). The aim is under 2 s for each.

#include "db/BulkEdit.h"
#include "db/LibraryConnection.h"

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

#include <QVector>

namespace {

constexpr int kBooks = 10000;

// A library of kBooks books with names, dates and prices, all in the root
// category and every tenth in a user category too.
bool FillLibrary(BenchLibrary &library, QVector<quint32> &ids)
{
    const QString sql =
        QStringLiteral(
            "INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Shelf', 1), (33, 'Sale', 1);"
            "INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Box 1'), (2, 'Box 2');"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
            "INSERT INTO book (BookID, Title, Author, ISBN, LocationID, StatusID, ReleaseDate, "
            "ListPrice, MyRating, EBookOnly) SELECT i, 'A Book About Things, Volume ' || i, "
            "'Author ' || (i % 3000), substr('000000000' || (100000000 + i), -10), 1 + i % 2, 1, "
            "'2004-03-01', "
            "29.99, i % 6, 0 FROM n;"
            "INSERT INTO book_category (BookID, CatID) SELECT BookID, 1 FROM book;"
            "INSERT INTO book_category (BookID, CatID) SELECT BookID, 32 FROM book WHERE BookID % "
            "10 "
            "= 0;")
            .arg(kBooks);
    if (!library.db.Execute(sql))
        return false;
    ids.clear();
    for (quint32 id = 1; id <= quint32(kBooks); ++id)
        ids.append(id);
    return true;
}

void RunEdit(benchmark::State &state, const CBulkEdit &edit)
{
    int changed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        QVector<quint32> ids;
        if (!FillLibrary(library, ids)) {
            state.SkipWithError("library not made");
            return;
        }
        state.ResumeTiming();
        const CBulkEdit::CResult result = edit.Apply(ids, library.db);
        if (!result.Ok)
            state.SkipWithError("apply failed");
        changed = result.ChangedBooks;
    }
    state.counters["books_changed"] = changed;
    state.SetItemsProcessed(state.iterations() * kBooks);
}

// Location (a new name), status, purchase date, rating and the ebook flag.
void BM_BulkEditSetFields(benchmark::State &state)
{
    CBulkEdit edit;
    edit.Set(EBulkField::Location, QStringLiteral("Cellar shelf 3"));
    edit.Set(EBulkField::Status, QStringLiteral("For Sale"));
    edit.Set(EBulkField::PurchaseDate, QStringLiteral("Mar 07, 2005"));
    edit.Set(EBulkField::MyRating, QStringLiteral("4"));
    edit.Set(EBulkField::EBookOnly, QStringLiteral("1"));
    RunEdit(state, edit);
}
BENCHMARK(BM_BulkEditSetFields)->Unit(benchmark::kMillisecond)->Iterations(3);

// A regular expression with groups that changes every title.
void BM_BulkEditReplacePattern(benchmark::State &state)
{
    CBulkEdit edit;
    edit.Replace(EBulkField::Title, {QStringLiteral("^A Book About (\\w+), Volume (\\d+)$"),
                                     QStringLiteral("\\1 (\\2)"), true, true});
    RunEdit(state, edit);
}
BENCHMARK(BM_BulkEditReplacePattern)->Unit(benchmark::kMillisecond)->Iterations(3);

// Everything at once: fields, a replacement, a category joined and one left.
void BM_BulkEditEverything(benchmark::State &state)
{
    CBulkEdit edit;
    edit.Set(EBulkField::Location, QStringLiteral("Cellar shelf 3"));
    edit.Set(EBulkField::Status, QStringLiteral("For Sale"));
    edit.Replace(EBulkField::Author, {QStringLiteral("Author"), QStringLiteral("Writer")});
    edit.AddToCategory(33);
    edit.RemoveFromCategory(32);
    RunEdit(state, edit);
}
BENCHMARK(BM_BulkEditEverything)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the editor reads before it shows: the values 10,000 books share.
void BM_BulkEditReadShared(benchmark::State &state)
{
    BenchLibrary library;
    QVector<quint32> ids;
    if (!FillLibrary(library, ids)) {
        state.SkipWithError("library not made");
        return;
    }
    for (auto _ : state) {
        CBulkSharedValues shared;
        if (!CBulkEdit::ReadShared(ids, library.db, shared))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(shared);
    }
    state.SetItemsProcessed(state.iterations() * kBooks);
}
BENCHMARK(BM_BulkEditReadShared)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
