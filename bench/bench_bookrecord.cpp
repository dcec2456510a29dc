// Saving and loading 10,000 books through the book record, next to raw
// SQLite running comparable insertions in one transaction.

#include "db/BookRecord.h"
#include "db/SqlFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

namespace {

constexpr int kBooks = 10000;

CBookRecord MakeBook(int i)
{
    CBookRecord book;
    book.Title = QStringLiteral("A Book About Things, Volume %1").arg(i);
    book.Author = QStringLiteral("Author %1 / Coauthor %2").arg(i % 3000).arg(i % 17);
    book.Publisher = QStringLiteral("Publisher %1").arg(i % 500);
    book.ISBN = QStringLiteral("%1").arg(100000000 + i, 10, 10, QLatin1Char('0'));
    book.PageCount = QString::number(100 + i % 900);
    book.Language = QStringLiteral("English");
    book.Binding = (i % 2) ? QStringLiteral("Paperback") : QStringLiteral("Hardcover");
    book.ReleaseDate = QStringLiteral("2004-03-01");
    book.ListPrice = QStringLiteral("$29.99");
    book.AmazonRating = QStringLiteral("4.5");
    book.Status = QStringLiteral("In Collection");
    book.Description =
        QStringLiteral("<html><body><p>%1</p></body></html>").arg(QString(400, QLatin1Char('d')));
    book.URL = QStringLiteral("http://www.amazon.com/exec/obidos/ASIN/") + book.ISBN;
    book.Links = {{QString(), QStringLiteral("Site"),
                   QStringLiteral("https://example.org/%1").arg(i), QString()},
                  {QString(), QStringLiteral("File"), QStringLiteral("/books/%1.pdf").arg(i),
                   QStringLiteral("local")}};
    return book;
}

std::vector<CBookRecord> MakeBooks()
{
    std::vector<CBookRecord> books;
    books.reserve(kBooks);
    for (int i = 0; i < kBooks; ++i)
        books.push_back(MakeBook(i));
    return books;
}

void BM_SaveNewBooks(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        std::vector<CBookRecord> books = MakeBooks();
        state.ResumeTiming();
        for (CBookRecord &book : books) {
            if (!book.Save(true, 1, library.images, library.db))
                state.SkipWithError("save failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * kBooks);
}
BENCHMARK(BM_SaveNewBooks)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same saves inside one outer transaction, as a bulk import runs them:
// each save becomes a savepoint and the disk is synced once.
void BM_SaveNewBooksInOneTransaction(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        std::vector<CBookRecord> books = MakeBooks();
        state.ResumeTiming();
        CTransaction all(library.db);
        for (CBookRecord &book : books) {
            if (!book.Save(true, 1, library.images, library.db))
                state.SkipWithError("save failed");
        }
        all.Commit();
    }
    state.SetItemsProcessed(state.iterations() * kBooks);
}
BENCHMARK(BM_SaveNewBooksInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadBooks(benchmark::State &state)
{
    BenchLibrary library;
    for (int i = 0; i < kBooks; ++i) {
        CBookRecord book = MakeBook(i);
        book.Save(true, 1, library.images, library.db);
    }
    for (auto _ : state) {
        for (int id = 1; id <= kBooks; ++id) {
            CBookRecord book;
            if (!book.Load(id, library.db) || book.Title.isEmpty())
                state.SkipWithError("load failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * kBooks);
}
BENCHMARK(BM_LoadBooks)->Unit(benchmark::kMillisecond)->Iterations(1);

// The row statements a save issues (book, two links, one membership), run
// straight through SQLite's C interface in one transaction: the floor that
// the book record is measured against.
void BM_RawSqliteInsertBooks(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        std::vector<QByteArray> statements;
        statements.reserve(kBooks);
        for (int i = 0; i < kBooks; ++i) {
            const CBookRecord b = MakeBook(i);
            const int id = i + 1;
            const QString sql =
                QStringLiteral(
                    "INSERT INTO Book (BookID,Title,Author,PublisherID,ISBN,PageCount,LanguageID,"
                    "BindingID,ReleaseDate,ListPrice,AmazonRating,StatusID,Description,URL) VALUES("
                    "%1,%2,%3,%4,%5,%6,1,%7,%8,%9,%10,1,%11,%12);")
                    .arg(QString::number(id), FormatSqlLiteral(b.Title, kLiteralText),
                         FormatSqlLiteral(b.Author, kLiteralText), QString::number(1 + i % 500),
                         FormatSqlLiteral(b.ISBN, kLiteralText),
                         FormatSqlLiteral(b.PageCount, kLiteralInteger), QString::number(1 + i % 2),
                         FormatSqlLiteral(b.ReleaseDate, kLiteralDate),
                         FormatSqlLiteral(b.ListPrice, kLiteralNumber))
                    .arg(FormatSqlLiteral(b.AmazonRating, kLiteralNumber),
                         FormatSqlLiteral(b.Description, kLiteralText),
                         FormatSqlLiteral(b.URL, kLiteralText)) +
                QStringLiteral(
                    "INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES (%1,1,%2,%3,NULL);"
                    "INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES (%1,2,%4,%5,%6);"
                    "INSERT INTO book_category (BookID, CatID) VALUES (%1, 1);")
                    .arg(QString::number(id), FormatSqlLiteral(b.Links[0].Name, kLiteralText),
                         FormatSqlLiteral(b.Links[0].Path, kLiteralText),
                         FormatSqlLiteral(b.Links[1].Name, kLiteralText),
                         FormatSqlLiteral(b.Links[1].Path, kLiteralText),
                         FormatSqlLiteral(b.Links[1].Notes, kLiteralText));
            statements.push_back(sql.toUtf8());
        }
        // The program's own connection, for its collation and relationships.
        sqlite3 *db = library.db.Handle();
        state.ResumeTiming();
        QString error;
        if (!ExecuteInOneTransaction(db, statements, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.SetItemsProcessed(state.iterations() * kBooks);
}
BENCHMARK(BM_RawSqliteInsertBooks)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
