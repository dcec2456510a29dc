// Undoing and redoing a change of 10,000 books (as an edit of many books at
// once makes it: a location, a status and a category for each) through row
// snapshots, in a library of 20,000 books.

#include "db/RowSnapshot.h"

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kLibraryBooks = 20000;
constexpr int kChangedBooks = 10000;

bool FillLibrary(BenchLibrary &library, QString *error)
{
    std::vector<QByteArray> statements;
    statements.push_back(
        QByteArrayLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Shelf', 1)"));
    for (int id = 1; id <= kLibraryBooks; ++id) {
        statements.push_back(
            QStringLiteral(
                "INSERT INTO book (BookID, Title, Author, ISBN, PageCount, LanguageID, "
                "BindingID, LocationID, StatusID, ListPrice, Description, FrontCover) "
                "VALUES (%1, 'A Book About Things, Volume %1', 'Author %2', '%3', 300, 1, 2, "
                "NULL, 1, 29.99, '<p>%4</p>', '%1.jpg');"
                "INSERT INTO book_category (BookID, CatID) VALUES (%1, 1);"
                "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (%1, 1, 'Site', "
                "'https://example.org/%1');")
                .arg(id)
                .arg(id % 3000)
                .arg(100000000 + id)
                .arg(QString(300, QLatin1Char('d')))
                .toUtf8());
    }
    return ExecuteInOneTransaction(library.db.Handle(), statements, error);
}

CSnapshotScope ChangedBooks()
{
    QVector<quint32> ids;
    for (int id = 1; id <= kChangedBooks; ++id)
        ids += quint32(id * 2); // every other book
    CSnapshotScope scope = CSnapshotScope::ForBooks(ids);
    scope.nameTables = true;
    return scope;
}

bool ChangeBooks(BenchLibrary &library, QString *error)
{
    return library.db.Execute(
        QStringLiteral("BEGIN;"
                       "INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Attic, box 3');"
                       "UPDATE book SET LocationID=1, StatusID=4 WHERE BookID % 2 = 0;"
                       "INSERT INTO book_category (BookID, CatID) SELECT BookID, 32 FROM book "
                       "WHERE BookID % 2 = 0;"
                       "COMMIT;"),
        error);
}

// Undo and redo in turn, each one restore of 10,000 books' rows.
void BM_UndoRedoTenThousandBooks(benchmark::State &state)
{
    BenchLibrary library;
    QString error;
    CRowSnapshot before;
    CRowSnapshot after;
    const CSnapshotScope scope = ChangedBooks();
    if (!FillLibrary(library, &error) || !before.Capture(scope, library.db, &error) ||
        !ChangeBooks(library, &error) || !after.Capture(scope, library.db, &error)) {
        state.SkipWithError(error.toUtf8().constData());
        return;
    }
    bool undone = false;
    for (auto _ : state) {
        const CRowSnapshot &target = undone ? after : before;
        const CRowSnapshot &expected = undone ? before : after;
        if (target.RestoreOver(expected, library.db, nullptr, &error) !=
            CRowSnapshot::Outcome::Restored) {
            state.SkipWithError(error.toUtf8().constData());
            return;
        }
        undone = !undone;
    }
    state.SetItemsProcessed(state.iterations() * kChangedBooks);
}
BENCHMARK(BM_UndoRedoTenThousandBooks)->Unit(benchmark::kMillisecond)->Iterations(4);

// What the change itself pays for being undoable: the rows read before it.
void BM_CaptureTenThousandBooks(benchmark::State &state)
{
    BenchLibrary library;
    QString error;
    if (!FillLibrary(library, &error)) {
        state.SkipWithError(error.toUtf8().constData());
        return;
    }
    const CSnapshotScope scope = ChangedBooks();
    for (auto _ : state) {
        CRowSnapshot snapshot;
        if (!snapshot.Capture(scope, library.db, &error))
            state.SkipWithError(error.toUtf8().constData());
        benchmark::DoNotOptimize(snapshot.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * kChangedBooks);
}
BENCHMARK(BM_CaptureTenThousandBooks)->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace
