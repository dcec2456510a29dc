// Database helpers on large libraries: name lookups against 10,000 names,
// identifier allocation among 100,000 books, the book list's reads and the
// upgrade of an older library of that size.

#include "db/BookListOrder.h"
#include "db/BookListQuery.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SchemaVersion.h"
#include "db/SqlFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString PublisherName(int i)
{
    return QStringLiteral("Publisher %1 & Sons").arg(i);
}

BenchLibrary &PublisherLibrary()
{
    static std::unique_ptr<BenchLibrary> library;
    if (!library) {
        library = std::make_unique<BenchLibrary>();
        library->db.Execute(QStringLiteral("BEGIN"));
        for (int i = 1; i <= 10000; ++i)
            library->db.Execute(
                QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (%1, %2)")
                    .arg(i)
                    .arg(FormatSqlLiteral(PublisherName(i), kLiteralText)));
        library->db.Execute(QStringLiteral("COMMIT"));
    }
    return *library;
}

constexpr int kParentCategory = 32;
constexpr int kFirstSubcategory = 33;
constexpr int kSubcategories = 100;

BenchLibrary &BookLibrary()
{
    static std::unique_ptr<BenchLibrary> library;
    if (!library) {
        library = std::make_unique<BenchLibrary>();
        library->db.Execute(QStringLiteral("BEGIN"));
        // A parent with no books of its own above sub-categories that
        // between them hold every book.
        library->db.Execute(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, 'Parent', 1)")
                .arg(kParentCategory));
        for (int c = 0; c < kSubcategories; ++c)
            library->db.Execute(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) "
                                               "VALUES (%1, 'Sub %1', %2)")
                                    .arg(kFirstSubcategory + c)
                                    .arg(kParentCategory));
        for (int i = 1; i <= 100000; ++i)
            library->db.Execute(
                QStringLiteral(
                    "INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, "
                    "ReleaseDate) VALUES (%1, 'Title %1', 'Given Author %3', %4, '%2', %5, "
                    "'%6-01-30'); "
                    "INSERT INTO book_category (BookID, CatID) VALUES (%1, 1), (%1, %7)")
                    .arg(i)
                    .arg(100000000 + i)
                    .arg(i % 5000)
                    .arg(1 + i % 400)
                    .arg((i * 7919) % 1500)
                    .arg(1900 + i % 120)
                    .arg(kFirstSubcategory + i % kSubcategories));
        for (int p = 1; p <= 400; ++p)
            library->db.Execute(
                QStringLiteral(
                    "INSERT INTO bookpublisher (PublisherID, Name) VALUES (%1, 'Publisher %1')")
                    .arg(p));
        // The first 30,000 books came before the library kept the dates; the
        // others were added over the years since, some in the same minute.
        library->db.Execute(QStringLiteral(
            "DELETE FROM book_added WHERE BookID <= 30000; UPDATE book_added SET Added = "
            "datetime('2020-01-01', '+' || (BookID * 37 % 70000) * 30 || ' minutes')"));
        library->db.Execute(QStringLiteral("COMMIT"));
    }
    return *library;
}

// Finding a name that is there, typed in another letter case.
void BM_LookupOrAddId_Existing(benchmark::State &state)
{
    BenchLibrary &library = PublisherLibrary();
    int i = 0;
    QString id;
    for (auto _ : state) {
        const QString name = PublisherName(1 + (i++ * 7919) % 10000).toUpper();
        LookupOrAddId(QStringLiteral("bookpublisher"), name, id, library.db);
        benchmark::DoNotOptimize(id);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupOrAddId_Existing);

// A new name: the lookup misses, an identifier is allocated, a row is added.
void BM_LookupOrAddId_New(benchmark::State &state)
{
    BenchLibrary &library = PublisherLibrary();
    static int next = 0;
    QString id;
    for (auto _ : state) {
        LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("New imprint %1").arg(next++),
                      id, library.db);
        benchmark::DoNotOptimize(id);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupOrAddId_New);

void BM_AllocateBookId_100k(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    int id = 0;
    for (auto _ : state) {
        id = AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), library.db);
        benchmark::DoNotOptimize(id);
    }
    if (id != 100001)
        state.SkipWithError("wrong identifier");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AllocateBookId_100k);

// What the book list reads for All Books in a library of 100,000 books.
void BM_ReadBookList_AllBooks100k(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    for (auto _ : state) {
        QVector<CBookListRow> rows;
        if (!ReadBookList(5, library.db, rows) || rows.size() != 100000)
            state.SkipWithError("wrong rows");
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ReadBookList_AllBooks100k)->Unit(benchmark::kMillisecond);

// What the window reads before it shows All Books of 100,000 books: the
// sorted identifiers (by title, then by author), and the texts of one page.
void BM_ReadBookOrder_AllBooks100k(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    for (auto _ : state) {
        QVector<quint32> entries;
        if (!ReadBookOrder(5, int(state.range(0)), true, library.db, entries) ||
            entries.size() != 100000)
            state.SkipWithError("wrong rows");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_ReadBookOrder_AllBooks100k)
    ->Arg(kColumnTitle)
    ->Arg(kColumnAuthor)
    ->Arg(kColumnPages)
    ->Arg(kColumnYear)
    ->Arg(kColumnDateAdded)
    ->Unit(benchmark::kMillisecond);

// All Books by author's last name, and a parent category listing the
// 100,000 books of its 100 sub-categories.
void BM_ReadBookOrder_Choices100k(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    const bool branch = state.range(0) != 0;
    CBookListOptions options;
    options.column = branch ? kColumnTitle : kColumnAuthor;
    options.authorsByLastName = !branch;
    options.includeSubcategories = branch;
    for (auto _ : state) {
        QVector<quint32> entries;
        if (!ReadBookOrder(branch ? kParentCategory : 5, options, library.db, entries) ||
            entries.size() != 100000)
            state.SkipWithError("wrong rows");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_ReadBookOrder_Choices100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadBookRows_Page(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    QVector<quint32> ids;
    for (quint32 id = 50000; id < 50200; ++id)
        ids.append(id);
    for (auto _ : state) {
        QVector<CBookListRow> rows;
        if (!ReadBookRows(ids, library.db, rows) || rows.size() != 200)
            state.SkipWithError("wrong rows");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ReadBookRows_Page)->Unit(benchmark::kMicrosecond);

// The first write to a library of 100,000 books made before the dates added
// were kept: the copy of the file kept beside it and the upgrade steps,
// which add the table and its triggers and fill in nothing.
void BM_UpgradeFromVersion1_100k(benchmark::State &state)
{
    BenchLibrary &library = BookLibrary();
    const QString older = library.dir.filePath(QStringLiteral("version1.mdb"));
    const QString work = library.dir.filePath(QStringLiteral("upgrade.mdb"));
    if (!QFile::exists(older)) {
        QFile::copy(library.path, older);
        CLibraryConnection db;
        db.Open(older);
        db.Execute(QStringLiteral("DROP TRIGGER book_added_on_insert; DROP TRIGGER "
                                  "book_added_on_delete; DROP TABLE book_added; PRAGMA "
                                  "user_version=1"));
    }
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(work);
        QFile::remove(CSchemaVersion::BackupPath(work, 1));
        QFile::copy(older, work);
        QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner);
        CLibraryConnection db;
        if (!db.Open(work) || db.SchemaVersion() != 1)
            state.SkipWithError("no library of version 1");
        state.ResumeTiming();
        QString error;
        if (!db.EnsureCurrentSchema(&error) || db.SchemaVersion() != CSchemaVersion::Current())
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_UpgradeFromVersion1_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
