// The queries behind the tree's entries for loans, wishes and series on a
// library of 100,000 books with 10,000 loans (lent and borrowed, some
// returned, some overdue) and 5,000 series of ten books each, and a book
// page's record with 50 loans and 50 readings, made into the information
// view's page. Each entry should fill its list well under 0.2 s, the page
// be ready well under 50 ms.

#include "db/BookListOrder.h"
#include "db/BookRecord.h"
#include "db/CategoryStore.h"
#include "db/LibraryConnection.h"
#include "loans/SeriesStore.h"
#include "loans/ShelfEntries.h"
#include "loans/ShelfQueries.h"
#include "xml/BookPage.h"
#include "xml/BookXmlWriter.h"
#include "xml/StyleFiles.h"

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kBooks = 100000;
constexpr int kLoans = 10000;
constexpr int kSeries = 5000;
constexpr int kBookWithHistory = 7;

BenchLibrary &LoanLibrary()
{
    static std::unique_ptr<BenchLibrary> library;
    if (library)
        return *library;
    library = std::make_unique<BenchLibrary>();
    CLibraryConnection &db = library->db;
    // Loans: every tenth book; every third of them returned, every
    // fourth borrowed, due dates spread around 2026-06-01.
    const QString sql =
        QStringLiteral(
            "BEGIN;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO book (BookID, Title, StatusID) SELECT i, 'Book ' || (i * 7919 % %1), "
            "CASE WHEN i % 20 = 0 THEN 2 ELSE 1 END FROM n;"
            "INSERT INTO book_category SELECT BookID, 1 FROM book;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
            "INSERT INTO borrower (BorrowerID, Name) SELECT i, 'Borrower ' || i FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
            "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, ReturnDate) "
            "SELECT i * 10, 1 + i % 500, CASE WHEN i % 4 = 0 THEN 'borrowed' ELSE 'lent' END, "
            "date('2026-01-01', '+' || (i % 300) || ' days'), "
            "date('2026-02-01', '+' || (i % 300) || ' days'), "
            "CASE WHEN i % 3 = 0 THEN date('2026-03-01', '+' || (i % 300) || ' days') END FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %3) "
            "INSERT INTO bookseries (SeriesID, Name) SELECT i, 'Series ' || i FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %3 * 10) "
            "INSERT INTO book_series (BookID, SeriesID, Number) SELECT i * 2 - 1, 1 + i % %3, "
            "CASE WHEN i % 7 = 0 THEN (i / %3) || '.5' ELSE (i / %3) END FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, ReturnDate, "
            "Notes) "
            "SELECT %4, 1 + i, 'lent', date('2020-01-01', '+' || (i * 20) || ' days'), NULL, "
            "date('2020-01-01', '+' || (i * 20 + 10) || ' days'), 'loan ' || i FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "INSERT INTO reading (BookID, Started, Finished, Notes) SELECT %4, "
            "date('2020-01-01', '+' || (i * 20) || ' days'), "
            "date('2020-01-01', '+' || (i * 20 + 5) || ' days'), 'reading ' || i FROM n;"
            "COMMIT; ANALYZE;")
            .arg(kBooks)
            .arg(kLoans)
            .arg(kSeries)
            .arg(kBookWithHistory);
    QString error;
    if (!db.Execute(sql, &error))
        qFatal("cannot make the loan library: %s", qPrintable(error));
    return *library;
}

// One entry's books, read in the order the book list shows them (by title).
void FillEntry(benchmark::State &state, const QString &idsSql)
{
    CLibraryConnection &db = LoanLibrary().db;
    const QString sql =
        QStringLiteral("SELECT BookID FROM book WHERE BookID IN (%1) ORDER BY Title").arg(idsSql);
    QVector<quint32> ids;
    for (auto _ : state) {
        QString error;
        if (!ReadShelfBookIds(db, sql, ids, &error))
            state.SkipWithError(qPrintable(error));
    }
    state.counters["books"] = double(ids.size());
}

void BM_TreeEntryOnLoan(benchmark::State &state)
{
    FillEntry(state, OnLoanBookIdsSql());
}
BENCHMARK(BM_TreeEntryOnLoan)->Unit(benchmark::kMillisecond);

void BM_TreeEntryOverdue(benchmark::State &state)
{
    FillEntry(state, OverdueBookIdsSql(QDate(2026, 6, 1)));
}
BENCHMARK(BM_TreeEntryOverdue)->Unit(benchmark::kMillisecond);

void BM_TreeEntryBorrowed(benchmark::State &state)
{
    FillEntry(state, BorrowedBookIdsSql());
}
BENCHMARK(BM_TreeEntryBorrowed)->Unit(benchmark::kMillisecond);

void BM_TreeEntryWishList(benchmark::State &state)
{
    FillEntry(state, WishListBookIdsSql());
}
BENCHMARK(BM_TreeEntryWishList)->Unit(benchmark::kMillisecond);

// One series' members come in number order already.
void BM_TreeEntrySeriesMembers(benchmark::State &state)
{
    CLibraryConnection &db = LoanLibrary().db;
    QVector<quint32> ids;
    for (auto _ : state) {
        QString error;
        if (!ReadShelfBookIds(db, SeriesMembersSql(2500), ids, &error))
            state.SkipWithError(qPrintable(error));
    }
    state.counters["books"] = double(ids.size());
}
BENCHMARK(BM_TreeEntrySeriesMembers)->Unit(benchmark::kMillisecond);

// The tree's Series entry lists every series with its count.
void BM_TreeSeriesList(benchmark::State &state)
{
    CSeriesStore store(LoanLibrary().db);
    QVector<CSeriesRow> rows;
    for (auto _ : state) {
        if (!store.List(rows))
            state.SkipWithError(qPrintable(store.Error()));
    }
    state.counters["series"] = double(rows.size());
}
BENCHMARK(BM_TreeSeriesList)->Unit(benchmark::kMillisecond);

// What the book page reads and writes for a book with 50 loans and 50
// readings: its record and its XML.
void BM_BookPageWith50Loans(benchmark::State &state)
{
    BenchLibrary &library = LoanLibrary();
    for (auto _ : state) {
        const QString xml = BuildBooksXml({kBookWithHistory}, library.db, library.images);
        benchmark::DoNotOptimize(xml);
    }
}
BENCHMARK(BM_BookPageWith50Loans)->Unit(benchmark::kMillisecond);

// The book list's fill of a tree entry as the window does it: the books'
// identifiers in the list's order (by title; a series' books by number),
// then the texts of the first page with their series and borrowers.
void BM_ListFillEntry(benchmark::State &state)
{
    CLibraryConnection &db = LoanLibrary().db;
    const int entry = int(state.range(0));
    QVector<quint32> ids;
    for (auto _ : state) {
        ids.clear();
        QVector<CBookListRow> rows;
        if (!ReadBookOrder(entry, kColumnTitle, true, db, ids) ||
            !ReadBookRows(ids.mid(0, 200), db, rows))
            state.SkipWithError("the list could not be read");
    }
    state.counters["books"] = double(ids.size());
}
BENCHMARK(BM_ListFillEntry)
    ->ArgName("entry")
    ->Arg(kOnLoanEntry)
    ->Arg(kOverdueEntry)
    ->Arg(kBorrowedEntry)
    ->Arg(kWishListEntry)
    ->Arg(kSeriesEntry)
    ->Arg(SeriesChildEntry(2500))
    ->Arg(kReadingList)
    ->Unit(benchmark::kMillisecond);

// All 100,000 books by the Series column: by series name, then number.
void BM_ListSortBySeries(benchmark::State &state)
{
    CLibraryConnection &db = LoanLibrary().db;
    QVector<quint32> ids;
    for (auto _ : state) {
        ids.clear();
        if (!ReadBookOrder(kAllBooks, kColumnSeries, state.range(0) != 0, db, ids))
            state.SkipWithError("the list could not be read");
    }
    state.counters["books"] = double(ids.size());
}
BENCHMARK(BM_ListSortBySeries)->ArgName("ascending")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The information view's page of that book: its XML made, prepared for the
// page and transformed by a shipped template (0 Default, 1 Compact,
// 2 Catalogue Card), as the view does before it renders the result.
void BM_BookPageTransformWith50Loans(benchmark::State &state)
{
    static const char *const kTemplates[] = {"Default (ENU)", "Compact (ENU)",
                                             "Catalogue Card (ENU)"};
    BenchLibrary &library = LoanLibrary();
    const QString style = CStyleFiles(QStringLiteral(TOMELODEX_RUNTIME_DIR))
                              .XslPath(QLatin1String(kTemplates[state.range(0)]));
    CBookPage page;
    for (auto _ : state) {
        if (!page.Build({kBookWithHistory}, library.db, library.images, style))
            state.SkipWithError("the page was not made");
    }
    state.counters["html_kb"] = double(page.Html().size()) / 1024;
    state.SetLabel(kTemplates[state.range(0)]);
}
BENCHMARK(BM_BookPageTransformWith50Loans)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
