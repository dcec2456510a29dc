// calibre libraries: importing a 10,000-book library with a cover picture
// and an e-book file in every book's folder, made once per run with
// calibre's table layout, and reading it alone.

#include "exchange/CalibreReader.h"
#include "exchange/CatalogueImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchLibrary.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kCalibreBooks = 10000;

// calibre's tables and the indexes it makes on them.
const char kCalibreTables[] = R"(
CREATE TABLE books (id INTEGER PRIMARY KEY AUTOINCREMENT, title TEXT NOT NULL DEFAULT 'Unknown',
  sort TEXT, timestamp TIMESTAMP, pubdate TIMESTAMP, series_index REAL NOT NULL DEFAULT 1.0,
  author_sort TEXT, isbn TEXT DEFAULT '', lccn TEXT DEFAULT '', path TEXT NOT NULL DEFAULT '',
  flags INTEGER NOT NULL DEFAULT 1, uuid TEXT, has_cover BOOL DEFAULT 0,
  last_modified TIMESTAMP NOT NULL DEFAULT '2000-01-01 00:00:00+00:00');
CREATE TABLE authors (id INTEGER PRIMARY KEY, name TEXT NOT NULL, sort TEXT,
  link TEXT NOT NULL DEFAULT '', UNIQUE(name));
CREATE TABLE books_authors_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  author INTEGER NOT NULL, UNIQUE(book, author));
CREATE INDEX books_authors_link_bidx ON books_authors_link (book);
CREATE TABLE publishers (id INTEGER PRIMARY KEY, name TEXT NOT NULL, sort TEXT, UNIQUE(name));
CREATE TABLE books_publishers_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  publisher INTEGER NOT NULL, UNIQUE(book));
CREATE TABLE series (id INTEGER PRIMARY KEY, name TEXT NOT NULL, sort TEXT, UNIQUE (name));
CREATE TABLE books_series_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  series INTEGER NOT NULL, UNIQUE(book));
CREATE TABLE tags (id INTEGER PRIMARY KEY, name TEXT NOT NULL, UNIQUE (name));
CREATE TABLE books_tags_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  tag INTEGER NOT NULL, UNIQUE(book, tag));
CREATE INDEX books_tags_link_bidx ON books_tags_link (book);
CREATE TABLE ratings (id INTEGER PRIMARY KEY, rating INTEGER, UNIQUE (rating));
CREATE TABLE books_ratings_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  rating INTEGER NOT NULL, UNIQUE(book, rating));
CREATE TABLE comments (id INTEGER PRIMARY KEY, book INTEGER NOT NULL, text TEXT NOT NULL,
  UNIQUE(book));
CREATE TABLE identifiers (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  type TEXT NOT NULL DEFAULT 'isbn', val TEXT NOT NULL, UNIQUE(book, type));
CREATE TABLE languages (id INTEGER PRIMARY KEY, lang_code TEXT NOT NULL, UNIQUE(lang_code));
CREATE TABLE books_languages_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  lang_code INTEGER NOT NULL, item_order INTEGER NOT NULL DEFAULT 0, UNIQUE(book, lang_code));
CREATE TABLE data (id INTEGER PRIMARY KEY, book INTEGER NOT NULL, format TEXT NOT NULL,
  uncompressed_size INTEGER NOT NULL, name TEXT NOT NULL, UNIQUE(book, format));
CREATE TABLE custom_columns (id INTEGER PRIMARY KEY AUTOINCREMENT, label TEXT NOT NULL,
  name TEXT NOT NULL, datatype TEXT NOT NULL, mark_for_delete BOOL DEFAULT 0 NOT NULL,
  editable BOOL DEFAULT 1 NOT NULL, display TEXT DEFAULT '{}' NOT NULL,
  is_multiple BOOL DEFAULT 0 NOT NULL, normalized BOOL NOT NULL, UNIQUE(label));
CREATE TABLE custom_column_1 (id INTEGER PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE books_custom_column_1_link (id INTEGER PRIMARY KEY, book INTEGER, value INTEGER);
CREATE INDEX books_publishers_link_bidx ON books_publishers_link (book);
CREATE INDEX books_series_link_bidx ON books_series_link (book);
CREATE INDEX books_ratings_link_bidx ON books_ratings_link (book);
CREATE INDEX books_languages_link_bidx ON books_languages_link (book);
CREATE INDEX comments_idx ON comments (book);
CREATE INDEX data_idx ON data (book);
CREATE INDEX books_custom_column_1_link_bidx ON books_custom_column_1_link (book);
INSERT INTO custom_columns (id, label, name, datatype, normalized)
  VALUES (1, 'shelf', 'Shelf', 'text', 1);
INSERT INTO languages (id, lang_code) VALUES (1, 'eng'), (2, 'fra');
INSERT INTO ratings (id, rating) VALUES (1, 2), (2, 4), (3, 6), (4, 8), (5, 10);
INSERT INTO custom_column_1 (id, value) VALUES (1, 'Attic'), (2, 'Study');
)";

// A valid ISBN-13 for book `n`, different for every book.
QByteArray Isbn13(int n)
{
    QByteArray digits = "978" + QByteArray::number(100000000 + n);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits.at(i) - '0') * (i % 2 ? 3 : 1);
    return digits + QByteArray::number((10 - sum % 10) % 10);
}

// Makes the library in `folder`: the database in one transaction, then a
// book folder with cover.jpg and an EPUB for each book.
bool MakeCalibreLibrary(const QString &folder, int books)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(folder + QStringLiteral("/metadata.db")).constData(), &db) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    QList<QByteArray> statements{kCalibreTables};
    for (int n = 1; n <= books; ++n) {
        const QByteArray id = QByteArray::number(n);
        const QByteArray author = QByteArray::number(n % 2000 + 1);
        const QByteArray path = "Author " + author + "/Book " + id + " (" + id + ")";
        QByteArray sql = "INSERT INTO books (id, title, timestamp, pubdate, series_index, path, "
                         "has_cover) VALUES (" +
                         id + ", 'Book " + id + "', '2020-01-02 10:00:00+00:00', '" +
                         QByteArray::number(1950 + n % 70) + "-06-15 12:00:00+00:00', " +
                         QByteArray::number(n % 7 + 1) + ".0, '" + path + "', 1);";
        sql += "INSERT OR IGNORE INTO authors (id, name) VALUES (" + author + ", 'Author " +
               author + "');INSERT INTO books_authors_link (book, author) VALUES (" + id + ", " +
               author + ");";
        sql += "INSERT OR IGNORE INTO publishers (id, name) VALUES (" +
               QByteArray::number(n % 50 + 1) + ", 'Publisher " + QByteArray::number(n % 50) +
               "');INSERT INTO books_publishers_link (book, publisher) VALUES (" + id + ", " +
               QByteArray::number(n % 50 + 1) + ");";
        if (n % 3 == 0)
            sql += "INSERT OR IGNORE INTO series (id, name) VALUES (" +
                   QByteArray::number(n % 300 + 1) + ", 'Series " + QByteArray::number(n % 300) +
                   "');INSERT INTO books_series_link (book, series) VALUES (" + id + ", " +
                   QByteArray::number(n % 300 + 1) + ");";
        for (int tag : {n % 40 + 1, 41 + n % 20})
            sql += "INSERT OR IGNORE INTO tags (id, name) VALUES (" + QByteArray::number(tag) +
                   ", 'Tag " + QByteArray::number(tag) +
                   "');INSERT INTO books_tags_link (book, tag) VALUES (" + id + ", " +
                   QByteArray::number(tag) + ");";
        sql += "INSERT INTO books_ratings_link (book, rating) VALUES (" + id + ", " +
               QByteArray::number(n % 5 + 1) + ");";
        sql += "INSERT INTO comments (book, text) VALUES (" + id + ", '<p>About book " + id +
               ": a <b>long</b> story of many pages.</p>');";
        sql += "INSERT INTO identifiers (book, type, val) VALUES (" + id + ", 'isbn', '" +
               Isbn13(n) + "'), (" + id + ", 'goodreads', '" + QByteArray::number(n * 7) + "');";
        sql += "INSERT INTO books_languages_link (book, lang_code) VALUES (" + id + ", " +
               QByteArray::number(n % 2 + 1) + ");";
        sql += "INSERT INTO data (book, format, uncompressed_size, name) VALUES (" + id +
               ", 'EPUB', 1000, 'Book " + id + "');";
        sql += "INSERT INTO books_custom_column_1_link (book, value) VALUES (" + id + ", " +
               QByteArray::number(n % 2 + 1) + ");";
        statements.append(sql);
    }
    QString error;
    const bool written = ExecuteInOneTransaction(db, statements, &error);
    sqlite3_close(db);
    if (!written)
        return false;

    const QByteArray cover = [] {
        QFile file(QStringLiteral(TOMELODEX_SOURCE_DIR
                                  "/tests/fake_service/fixtures/covers/0596007124.L.jpg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    if (cover.isEmpty())
        return false;
    for (int n = 1; n <= books; ++n) {
        const QString id = QString::number(n);
        const QString bookFolder =
            folder +
            QStringLiteral("/Author %1/Book %2 (%2)").arg(QString::number(n % 2000 + 1), id);
        QDir().mkpath(bookFolder);
        QFile picture(bookFolder + QStringLiteral("/cover.jpg"));
        QFile epub(bookFolder + QStringLiteral("/Book %1.epub").arg(id));
        if (!picture.open(QIODevice::WriteOnly) || picture.write(cover) != cover.size() ||
            !epub.open(QIODevice::WriteOnly) || epub.write("PK\x03\x04") != 4)
            return false;
    }
    return true;
}

const QString &CalibreLibrary()
{
    static QTemporaryDir dir;
    static const QString folder =
        MakeCalibreLibrary(dir.path(), kCalibreBooks) ? dir.path() : QString();
    return folder;
}

void BM_ImportCalibre10k(benchmark::State &state)
{
    if (CalibreLibrary().isEmpty()) {
        state.SkipWithError("the calibre library could not be made");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        state.ResumeTiming();
        CCalibreReader reader;
        CCatalogueImportResult result;
        if (reader.Open(CalibreLibrary()))
            result = ImportCatalogue({{CalibreLibrary(), &reader}}, library.images, library.db,
                                     CCatalogueImportOptions());
        state.PauseTiming();
        const int covers = int(QDir(library.images).entryList(QDir::Files).size());
        if (!result.completed || result.imported != kCalibreBooks || covers != kCalibreBooks)
            state.SkipWithError("not every book and cover was imported");
        state.counters["covers"] = covers;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCalibreBooks);
}
BENCHMARK(BM_ImportCalibre10k)->Unit(benchmark::kMillisecond)->Iterations(2);

// Reading alone, for what the import adds to it.
void BM_ReadCalibre10k(benchmark::State &state)
{
    if (CalibreLibrary().isEmpty()) {
        state.SkipWithError("the calibre library could not be made");
        return;
    }
    for (auto _ : state) {
        CCalibreReader reader;
        int books = 0;
        CForeignBook book;
        if (reader.Open(CalibreLibrary())) {
            while (reader.Next(book))
                ++books;
        }
        if (books != kCalibreBooks)
            state.SkipWithError("not every book was read");
    }
    state.SetItemsProcessed(state.iterations() * kCalibreBooks);
}
BENCHMARK(BM_ReadCalibre10k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
