// Reading calibre libraries: every kind of value a book can have, the real
// library of another project's tests, libraries of older layouts, and the
// ones that must be refused; the database is never changed.

#include "PlainSqlite.h"
#include "TestSupport.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "exchange/CalibreDate.h"
#include "exchange/CalibreReader.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CatalogueImport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <sqlite3.h>

namespace {

// The tables of a calibre library as calibre creates them (without the
// triggers, which call functions only calibre has).
const char kCalibreTables[] = R"(
CREATE TABLE books (id INTEGER PRIMARY KEY AUTOINCREMENT,
  title TEXT NOT NULL DEFAULT 'Unknown' COLLATE NOCASE, sort TEXT COLLATE NOCASE,
  timestamp TIMESTAMP DEFAULT CURRENT_TIMESTAMP, pubdate TIMESTAMP DEFAULT CURRENT_TIMESTAMP,
  series_index REAL NOT NULL DEFAULT 1.0, author_sort TEXT COLLATE NOCASE,
  isbn TEXT DEFAULT "" COLLATE NOCASE, lccn TEXT DEFAULT "" COLLATE NOCASE,
  path TEXT NOT NULL DEFAULT "", flags INTEGER NOT NULL DEFAULT 1, uuid TEXT,
  has_cover BOOL DEFAULT 0, last_modified TIMESTAMP NOT NULL DEFAULT "2000-01-01 00:00:00+00:00");
CREATE TABLE authors (id INTEGER PRIMARY KEY, name TEXT NOT NULL COLLATE NOCASE,
  sort TEXT COLLATE NOCASE, link TEXT NOT NULL DEFAULT "", UNIQUE(name));
CREATE TABLE books_authors_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  author INTEGER NOT NULL, UNIQUE(book, author));
CREATE TABLE publishers (id INTEGER PRIMARY KEY, name TEXT NOT NULL COLLATE NOCASE,
  sort TEXT COLLATE NOCASE, UNIQUE(name));
CREATE TABLE books_publishers_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  publisher INTEGER NOT NULL, UNIQUE(book));
CREATE TABLE series (id INTEGER PRIMARY KEY, name TEXT NOT NULL COLLATE NOCASE,
  sort TEXT COLLATE NOCASE, UNIQUE (name));
CREATE TABLE books_series_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  series INTEGER NOT NULL, UNIQUE(book));
CREATE TABLE tags (id INTEGER PRIMARY KEY, name TEXT NOT NULL COLLATE NOCASE, UNIQUE (name));
CREATE TABLE books_tags_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  tag INTEGER NOT NULL, UNIQUE(book, tag));
CREATE TABLE ratings (id INTEGER PRIMARY KEY, rating INTEGER CHECK(rating > -1 AND rating < 11),
  UNIQUE (rating));
CREATE TABLE books_ratings_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  rating INTEGER NOT NULL, UNIQUE(book, rating));
CREATE TABLE comments (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  text TEXT NOT NULL COLLATE NOCASE, UNIQUE(book));
CREATE TABLE identifiers (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  type TEXT NOT NULL DEFAULT "isbn" COLLATE NOCASE, val TEXT NOT NULL COLLATE NOCASE,
  UNIQUE(book, type));
CREATE TABLE languages (id INTEGER PRIMARY KEY, lang_code TEXT NOT NULL COLLATE NOCASE,
  UNIQUE(lang_code));
CREATE TABLE books_languages_link (id INTEGER PRIMARY KEY, book INTEGER NOT NULL,
  lang_code INTEGER NOT NULL, item_order INTEGER NOT NULL DEFAULT 0, UNIQUE(book, lang_code));
CREATE TABLE data (id INTEGER PRIMARY KEY, book INTEGER NOT NULL, format TEXT NOT NULL
  COLLATE NOCASE, uncompressed_size INTEGER NOT NULL, name TEXT NOT NULL, UNIQUE(book, format));
CREATE TABLE custom_columns (id INTEGER PRIMARY KEY AUTOINCREMENT, label TEXT NOT NULL,
  name TEXT NOT NULL, datatype TEXT NOT NULL, mark_for_delete BOOL DEFAULT 0 NOT NULL,
  editable BOOL DEFAULT 1 NOT NULL, display TEXT DEFAULT "{}" NOT NULL,
  is_multiple BOOL DEFAULT 0 NOT NULL, normalized BOOL NOT NULL, UNIQUE(label));
)";

// Three books with every kind of value, and the user's own columns of each
// kind calibre has.
const char kThreeBooks[] = R"(
INSERT INTO books (id, title, timestamp, pubdate, series_index, path) VALUES
  (1, 'The Long Road', '2020-03-01 10:00:00.123456+00:00', '2006-12-28 23:00:00+00:00', 2.5,
   'Ann Author/The Long Road (1)'),
  (2, 'Escaping', '2021-01-01 12:00:00+00:00', '0101-01-01 00:00:00+00:00', 1.0,
   '../outside'),
  (5, 'Third', '2022-07-07 12:00:00+00:00', '1999-06-15 12:00:00+00:00', 1.0, '');
INSERT INTO authors (id, name) VALUES (1, 'Ann Author'), (2, 'Doe| Jane'), (3, 'Solo');
INSERT INTO books_authors_link (id, book, author) VALUES (7, 1, 2), (3, 1, 1), (9, 5, 3);
INSERT INTO publishers (id, name) VALUES (1, 'Pub House');
INSERT INTO books_publishers_link (book, publisher) VALUES (1, 1);
INSERT INTO series (id, name) VALUES (1, 'Cycle');
INSERT INTO books_series_link (book, series) VALUES (1, 1), (5, 1);
INSERT INTO tags (id, name) VALUES (1, 'Fantasy'), (2, 'to-read'), (3, 'Wish List'), (4, 'TBR');
INSERT INTO books_tags_link (id, book, tag) VALUES (1, 1, 1), (2, 1, 2), (3, 5, 3), (4, 5, 4);
INSERT INTO ratings (id, rating) VALUES (1, 7), (2, 0);
INSERT INTO books_ratings_link (book, rating) VALUES (1, 1), (5, 2);
INSERT INTO comments (book, text) VALUES (1, '<p>A <b>long</b> road.</p>'), (5, '  ');
INSERT INTO identifiers (book, type, val) VALUES (1, 'goodreads', '12345'),
  (1, 'isbn', '9780441172719'), (5, 'isbn', '12-X');
INSERT INTO languages (id, lang_code) VALUES (1, 'deu'), (2, 'eng'), (3, 'qqq'), (4, 'und');
INSERT INTO books_languages_link (id, book, lang_code, item_order) VALUES
  (1, 1, 1, 1), (2, 1, 2, 0), (3, 5, 3, 0), (4, 5, 4, 1);
INSERT INTO data (id, book, format, uncompressed_size, name) VALUES
  (1, 1, 'EPUB', 100, 'The Long Road - Ann Author'),
  (2, 1, 'PDF', 100, 'The Long Road - Ann Author'),
  (3, 2, 'EPUB', 100, 'Escaping');
INSERT INTO custom_columns (id, label, name, datatype, is_multiple, normalized, mark_for_delete)
  VALUES (1, 'read', 'Read', 'bool', 0, 0, 0), (2, 'shelf', 'Shelf', 'text', 1, 1, 0),
  (3, 'myseries', 'My Series', 'series', 0, 1, 0), (4, 'pages', 'Pages', 'int', 0, 0, 0),
  (5, 'review', 'Review', 'comments', 0, 0, 0), (6, 'finished', 'Finished', 'datetime', 0, 0, 0),
  (7, 'full', 'Full title', 'composite', 0, 0, 0), (8, 'gone', 'Gone', 'text', 0, 1, 1),
  (9, 'stars', 'Stars', 'rating', 0, 1, 0);
CREATE TABLE custom_column_1 (id INTEGER PRIMARY KEY, book INTEGER, value BOOL NOT NULL);
CREATE TABLE custom_column_2 (id INTEGER PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE books_custom_column_2_link (id INTEGER PRIMARY KEY, book INTEGER, value INTEGER);
CREATE TABLE custom_column_3 (id INTEGER PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE books_custom_column_3_link (id INTEGER PRIMARY KEY, book INTEGER, value INTEGER,
  extra REAL);
CREATE TABLE custom_column_4 (id INTEGER PRIMARY KEY, book INTEGER, value INT NOT NULL);
CREATE TABLE custom_column_5 (id INTEGER PRIMARY KEY, book INTEGER, value TEXT NOT NULL);
CREATE TABLE custom_column_6 (id INTEGER PRIMARY KEY, book INTEGER, value TIMESTAMP);
CREATE TABLE custom_column_8 (id INTEGER PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE books_custom_column_8_link (id INTEGER PRIMARY KEY, book INTEGER, value INTEGER);
CREATE TABLE custom_column_9 (id INTEGER PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE books_custom_column_9_link (id INTEGER PRIMARY KEY, book INTEGER, value INTEGER);
INSERT INTO custom_column_1 (book, value) VALUES (1, 1), (5, 0);
INSERT INTO custom_column_2 (id, value) VALUES (1, 'Box 3'), (2, 'Attic');
INSERT INTO books_custom_column_2_link (id, book, value) VALUES (1, 1, 2), (2, 1, 1);
INSERT INTO custom_column_3 (id, value) VALUES (1, 'Saga');
INSERT INTO books_custom_column_3_link (book, value, extra) VALUES (1, 1, 3.0);
INSERT INTO custom_column_4 (book, value) VALUES (1, 412);
INSERT INTO custom_column_5 (book, value) VALUES (1, '<p>Great</p><p>book &amp; more</p>');
INSERT INTO custom_column_6 (book, value) VALUES (1, '2020-05-01 22:30:00+00:00');
INSERT INTO custom_column_8 (id, value) VALUES (1, 'deleted');
INSERT INTO books_custom_column_8_link (book, value) VALUES (1, 1);
INSERT INTO custom_column_9 (id, value) VALUES (1, 8);
INSERT INTO books_custom_column_9_link (book, value) VALUES (1, 1);
)";

QByteArray FileHash(const QString &path)
{
    return QCryptographicHash::hash(ReadFileBytes(path), QCryptographicHash::Sha256);
}

// Each value of a record as "column | field | value", in the record's order.
QStringList ValueLines(const CForeignBook &book)
{
    QStringList lines;
    for (const CForeignValue &value : book.values)
        lines << value.column + QStringLiteral(" | ") + value.field + QStringLiteral(" | ") +
                     value.value;
    return lines;
}

QList<CForeignBook> ReadAll(CCalibreReader &reader)
{
    QList<CForeignBook> books;
    CForeignBook book;
    while (reader.Next(book))
        books.append(book);
    return books;
}

// Names of the files of a folder and its subfolders, with their sizes.
QStringList FolderListing(const QString &folder)
{
    QStringList listing;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (info.isDir())
            listing << FolderListing(info.filePath());
        else
            listing << info.filePath() + u' ' + QString::number(info.size());
    }
    return listing;
}

QTimeZone Paris()
{
    return QTimeZone(QByteArrayLiteral("Europe/Paris"));
}

} // namespace

class TestImportCalibre : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;

    // A calibre library folder "name" with metadata.db made by `sql` after
    // calibre's tables (unless `withTables` is false); its folder.
    QString MakeLibrary(const QString &name, const QString &sql, bool withTables = true)
    {
        const QString folder = m_env->Path(name);
        const QString file = m_env->WriteFile(name + QStringLiteral("/metadata.db"), QByteArray());
        CPlainSqlite db(file);
        const QString all = (withTables ? QString::fromUtf8(kCalibreTables) : QString()) + sql;
        if (!db.Exec(all))
            qWarning() << "calibre library not made:" << db.Error();
        return folder;
    }

    QString MakeThreeBookLibrary()
    {
        // Characters a URI gives a meaning of its own.
        const QString name = QStringLiteral("Calibre Library #1?%20");
        const QString folder = MakeLibrary(name, QString::fromUtf8(kThreeBooks));
        QImage picture(40, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString bookFolder = folder + QStringLiteral("/Ann Author/The Long Road (1)");
        QDir().mkpath(bookFolder);
        picture.save(bookFolder + QStringLiteral("/cover.jpg"), "JPEG");
        m_env->WriteFile(name + QStringLiteral("/Ann Author/The Long Road (1)/"
                                               "The Long Road - Ann Author.epub"),
                         "PK\x03\x04 an e-book");
        // Outside the library: a crafted path must not reach it.
        m_env->WriteFile(QStringLiteral("outside/cover.jpg"),
                         ReadFileBytes(bookFolder + "/cover.jpg"));
        m_env->WriteFile(QStringLiteral("outside/Escaping.epub"), "PK\x03\x04");
        return folder;
    }

private Q_SLOTS:
    void init() { m_env = new CTestEnv; }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    // Every value a book can have comes out with the field it belongs to,
    // and what has no field is kept with the user's name for it.
    void readsEveryKindOfValue()
    {
        const QString folder = MakeThreeBookLibrary();
        CCalibreReader reader;
        reader.SetTimeZone(Paris());
        QVERIFY2(reader.Open(folder), qPrintable(reader.Error()));
        QCOMPARE(reader.SourceName(), QStringLiteral("calibre"));
        QCOMPARE(reader.BookCount(), 3);
        const QList<CForeignBook> books = ReadAll(reader);
        QVERIFY2(reader.Error().isEmpty(), qPrintable(reader.Error()));
        QCOMPARE(books.size(), 3);

        const CForeignBook &first = books.at(0);
        QCOMPARE(first.number, 1);
        const QStringList expected = {
            "title | Title | The Long Road",
            // Authors in the order of their link rows, a stored "|" a comma.
            "authors | Author | Ann Author",
            "authors | Author | Doe, Jane",
            "publisher | Publisher | Pub House",
            "series | Series | Cycle",
            "series_index | SeriesNumber | 2.5",
            "rating | MyRatingOutOf10 | 7",
            "comments | Description | <p>A <b>long</b> road.</p>",
            "Identifier goodreads |  | 12345",
            "isbn | ISBN | 9780441172719",
            // Languages in the user's order, not the rows' order.
            "languages | Language | eng",
            "languages | Language | deu",
            // Shown in Paris: the evening of the 28th UTC is the 29th.
            "pubdate | ReleaseDate | 2006-12-29",
            "Date added to calibre |  | 2020-03-01",
            "Read |  | " + LoadString(199),
            "Shelf |  | Attic, Box 3",
            "My Series |  | Saga #3",
            "Pages |  | 412",
            "Review |  | Great\nbook & more",
            "Finished |  | 2020-05-02",
            "Stars |  | 4/5",
            "Missing eBook file |  | " +
                QDir::toNativeSeparators(folder +
                                         "/Ann Author/The Long Road (1)/The Long Road - Ann "
                                         "Author.pdf"),
            "formats | Format | EPUB, PDF",
        };
        QCOMPARE(ValueLines(first), expected);
        QCOMPARE(first.categories, (QList<QStringList>{{"Fantasy"}, {"to-read"}}));
        QVERIFY(first.toRead);
        QVERIFY(!first.wishList);
        QCOMPARE(first.coverFile,
                 folder + QStringLiteral("/Ann Author/The Long Road (1)/cover.jpg"));
        QCOMPARE(first.links.size(), 1);
        QCOMPARE(first.links.at(0).Name, LoadString(194));
        QCOMPARE(first.links.at(0).Path, folder + QStringLiteral("/Ann Author/The Long Road "
                                                                 "(1)/The Long Road - Ann "
                                                                 "Author.epub"));
        QVERIFY(first.problem.isEmpty());

        // A path out of the library reaches neither its cover nor its files;
        // calibre's "unknown" publication date is no date.
        const CForeignBook &second = books.at(1);
        QCOMPARE(second.number, 2);
        QCOMPARE(ValueLines(second), (QStringList{"title | Title | Escaping",
                                                  "Date added to calibre |  | 2021-01-01"}));
        QVERIFY(second.coverFile.isEmpty());
        QVERIFY(second.links.isEmpty());

        // No folder, a rating of 0 (none), blank comments, "undetermined"
        // left out and an unknown language code,
        // kept as it is, an odd ISBN left for the mapping to judge.
        const CForeignBook &third = books.at(2);
        QCOMPARE(ValueLines(third),
                 (QStringList{
                     "title | Title | Third", "authors | Author | Solo", "series | Series | Cycle",
                     "series_index | SeriesNumber | 1", "isbn | ISBN | 12-X",
                     "languages | Language | qqq", "pubdate | ReleaseDate | 1999-06-15",
                     "Date added to calibre |  | 2022-07-07", "Read |  | " + LoadString(200)}));
        QVERIFY(third.wishList);
        QVERIFY(third.toRead);
        QVERIFY(third.coverFile.isEmpty());

        // The computed column is named in the report, the deleted one not.
        QCOMPARE(reader.Notes().size(), 1);
        QVERIFY2(reader.Notes().at(0).contains(QStringLiteral("Full title")),
                 qPrintable(reader.Notes().at(0)));
        QVERIFY(!reader.Notes().at(0).contains(QStringLiteral("Gone")));
    }

    // The library of another project's tests, as calibre wrote it: its
    // triggers call functions only calibre has, and reading it changes no
    // byte of it and leaves nothing beside it.
    void readsRealLibraryWithoutChangingIt()
    {
        const QString folder = m_env->Path(QStringLiteral("real"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/metadata.db");
        QVERIFY(QFile::copy(QStringLiteral(TOMELODEX_SOURCE_DIR) +
                                QStringLiteral("/tests/data/import/calibre/"
                                               "cops-BaseWithSomeBooks-metadata.db"),
                            file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray hash = FileHash(file);
        const QStringList listing = FolderListing(folder);

        CCalibreReader reader;
        reader.SetTimeZone(Paris());
        QVERIFY2(reader.Open(file), qPrintable(reader.Error()));
        const QList<CForeignBook> books = ReadAll(reader);
        QVERIFY2(reader.Error().isEmpty(), qPrintable(reader.Error()));
        QCOMPARE(books.size(), 15);
        QCOMPARE(reader.BookCount(), 15);

        const CForeignBook &zola = books.last();
        const QStringList zolaLines = ValueLines(zola);
        for (const char *line :
             {"title | Title | La curée", "authors | Author | Émile Zola",
              "publisher | Publisher | Georges Charpentier & Eugène Fasquelle",
              "series | Series | Série des Rougon-Macquart", "series_index | SeriesNumber | 1",
              "isbn | ISBN | 9782253003663", "languages | Language | fra",
              "pubdate | ReleaseDate | 1872-01-12", "formats | Format | EPUB"})
            QVERIFY2(zolaLines.contains(QString::fromUtf8(line)),
                     qPrintable(zolaLines.join(u'\n')));
        QCOMPARE(zola.categories, (QList<QStringList>{{QStringLiteral("Littérature")}}));

        // Alice: three formats, a rating of 4 out of 10, the user's columns.
        const CForeignBook &alice = books.at(13);
        const QStringList aliceLines = ValueLines(alice);
        for (const char *line :
             {"title | Title | Alice's Adventures in Wonderland", "rating | MyRatingOutOf10 | 4",
              "Type4 |  | SeriesLike #1", "Type2 |  | tag1, tag2", "Type1 |  | text",
              "formats | Format | MOBI, PDF, EPUB", "pubdate | ReleaseDate | 1897-04-11"})
            QVERIFY2(aliceLines.contains(QString::fromUtf8(line)),
                     qPrintable(aliceLines.join(u'\n')));
        // The books' folders were not copied with the database.
        QVERIFY(alice.coverFile.isEmpty());
        QVERIFY(alice.links.isEmpty());

        QCOMPARE(FileHash(file), hash);
        QCOMPARE(FolderListing(folder), listing);
    }

    // A library of an old calibre version: the ISBN still in the book row,
    // no identifier, language, file or own-column tables. What it has is
    // read; the report names what it lacks.
    void readsOlderLayout()
    {
        const QString folder = MakeLibrary(
            QStringLiteral("old"),
            QStringLiteral(
                "CREATE TABLE books (id INTEGER PRIMARY KEY, title TEXT, isbn TEXT, path TEXT);"
                "CREATE TABLE authors (id INTEGER PRIMARY KEY, name TEXT);"
                "CREATE TABLE books_authors_link (id INTEGER PRIMARY KEY, book INTEGER, "
                "author INTEGER);"
                "CREATE TABLE tags (id INTEGER PRIMARY KEY, name TEXT);"
                "CREATE TABLE books_tags_link (id INTEGER PRIMARY KEY, book INTEGER, tag INTEGER);"
                "INSERT INTO books VALUES (1, 'Old Book', '0441172717', 'A/Old Book (1)');"
                "INSERT INTO authors VALUES (1, 'Frank');"
                "INSERT INTO books_authors_link VALUES (1, 1, 1);"
                "INSERT INTO tags VALUES (1, 'Classics');"
                "INSERT INTO books_tags_link VALUES (1, 1, 1);"),
            false);
        CCalibreReader reader;
        QVERIFY2(reader.Open(folder), qPrintable(reader.Error()));
        const QList<CForeignBook> books = ReadAll(reader);
        QVERIFY2(reader.Error().isEmpty(), qPrintable(reader.Error()));
        QCOMPARE(books.size(), 1);
        QCOMPARE(ValueLines(books.at(0)),
                 (QStringList{"title | Title | Old Book", "authors | Author | Frank",
                              "isbn | ISBN | 0441172717"}));
        QCOMPARE(books.at(0).categories, (QList<QStringList>{{"Classics"}}));
        QCOMPARE(reader.Notes().size(), 1);
        for (const char *table : {"identifiers", "languages", "data", "comments", "ratings"})
            QVERIFY2(reader.Notes().at(0).contains(QLatin1String(table)),
                     qPrintable(reader.Notes().at(0)));
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no book table") << "no books"
                                       << "no table books";
        QTest::newRow("no author link table") << "no links"
                                              << "no table books_authors_link";
        QTest::newRow("not a database") << "text"
                                        << "not a database";
        QTest::newRow("folder without database") << "empty folder"
                                                 << "holds no metadata.db";
        QTest::newRow("no such file") << "missing"
                                      << "no such file";
    }

    // A clear message that names the file and says what is wrong; the file
    // stays as it was.
    void refusesWhatItCannotRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString path = m_env->Path(QStringLiteral("lib"));
        if (kind == QLatin1String("no books")) {
            MakeLibrary(QStringLiteral("lib"), QStringLiteral("DROP TABLE books;"));
        } else if (kind == QLatin1String("no links")) {
            MakeLibrary(QStringLiteral("lib"), QStringLiteral("DROP TABLE books_authors_link;"));
        } else if (kind == QLatin1String("text")) {
            m_env->WriteFile(QStringLiteral("lib/metadata.db"),
                             QByteArray("title,author\nDune,Herbert\n").repeated(100));
        } else if (kind == QLatin1String("empty folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            path += QStringLiteral("/metadata.db");
        }
        const QString file = m_env->Path(QStringLiteral("lib/metadata.db"));
        const QByteArray hash = FileHash(file);
        CCalibreReader reader;
        QVERIFY(!reader.Open(path));
        QVERIFY2(reader.Error().contains(reason), qPrintable(reader.Error()));
        QVERIFY2(reader.Error().contains(QDir::toNativeSeparators(path)),
                 qPrintable(reader.Error()));
        CForeignBook book;
        QVERIFY(!reader.Next(book));
        QCOMPARE(FileHash(file), hash);
    }

    // calibre writing to the library while it is read. Its write lock, and
    // changes still only in its memory, leave the committed books readable
    // as they were. Once a change reaches the database file (its journal,
    // beside it, then has a header), or while committed changes are still
    // in the write-ahead log, the library is refused with a message naming
    // that file: reading the database alone would give half a change or
    // miss books.
    void libraryBeingWritten()
    {
        const QString folder = MakeThreeBookLibrary();
        const QString file = folder + QStringLiteral("/metadata.db");
        const QByteArray hash = FileHash(file);
        auto firstTitle = [&folder]() {
            CCalibreReader reader;
            CForeignBook book;
            if (!reader.Open(folder) || !reader.Next(book))
                return reader.Error();
            return book.values.value(0).value;
        };
        {
            CPlainSqlite calibre(file);
            QVERIFY(calibre.Exec(QStringLiteral("BEGIN IMMEDIATE")));
            QCOMPARE(firstTitle(), QStringLiteral("The Long Road"));
            QVERIFY(
                calibre.Exec(QStringLiteral("UPDATE books SET title = 'Changed' WHERE id = 1")));
            QVERIFY(QFile::exists(file + QStringLiteral("-journal")));
            QCOMPARE(firstTitle(), QStringLiteral("The Long Road"));

            // More than its cache holds: pages go to the database file.
            QVERIFY(calibre.Exec(QStringLiteral(
                "PRAGMA cache_size = 1; CREATE TABLE filler AS WITH RECURSIVE n(i) AS "
                "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                "SELECT randomblob(600) AS b FROM n; UPDATE filler SET b = randomblob(600);")));
            QVERIFY(FileHash(file) != hash);
            const QString during = firstTitle();
            QVERIFY2(during.contains(QStringLiteral("metadata.db-journal")), qPrintable(during));
            QVERIFY(calibre.Exec(QStringLiteral("ROLLBACK")));
        }
        QCOMPARE(FileHash(file), hash);
        {
            CPlainSqlite calibre(file);
            QCOMPARE(calibre.Value(QStringLiteral("PRAGMA journal_mode=WAL")),
                     QStringLiteral("wal"));
            QVERIFY(
                calibre.Exec(QStringLiteral("UPDATE books SET title = 'Changed' WHERE id = 1")));
            const QString during = firstTitle();
            QVERIFY2(during.contains(QStringLiteral("metadata.db-wal")), qPrintable(during));
        }
        // Once calibre has closed it, the change is in the database.
        QCOMPARE(firstTitle(), QStringLiteral("Changed"));
    }

    // The whole way into a library, as the import command takes it: the
    // folder is told to be calibre's, every value reaches its field, the
    // cover its images folder, the files their links, the tags their
    // categories below "calibre"; the library read stays as it was.
    void importsIntoLibrary()
    {
        const QString folder = MakeThreeBookLibrary();
        const QString file = folder + QStringLiteral("/metadata.db");
        const QByteArray hash = FileHash(file);
        CLibraryConnection db;
        QString images;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &images));

        QString error;
        QCOMPARE(DetectCatalogueFormat(folder, &error), std::optional(CatalogueFormat::Calibre));
        QCOMPARE(DetectCatalogueFormat(file, &error), std::optional(CatalogueFormat::Calibre));
        const std::unique_ptr<CCatalogueReader> reader =
            MakeCatalogueReader(CatalogueFormat::Calibre, CCatalogueOptions());
        QVERIFY2(reader->Open(folder), qPrintable(reader->Error()));
        CCatalogueImportOptions options;
        options.categoryId = 32;
        const CCatalogueImportResult result =
            ImportCatalogue({{folder, reader.get()}}, images, db, options);
        QVERIFY2(result.completed, qPrintable(result.error));
        QCOMPARE(result.imported, 3);
        QVERIFY2(result.notes.join(u'\n').contains(QStringLiteral("Full title")),
                 qPrintable(result.notes.join(u'\n')));

        CBookRecord book;
        QVERIFY(book.Load(
            QueryText(db, "SELECT BookID FROM book WHERE Title='The Long Road'").toInt(), db));
        QCOMPARE(book.Author, QStringLiteral("Ann Author / Doe, Jane"));
        QCOMPARE(book.Publisher, QStringLiteral("Pub House"));
        QCOMPARE(book.ISBN, QStringLiteral("0441172717"));
        QCOMPARE(book.MyRating, 4); // 7 out of 10, half up
        QCOMPARE(book.Series, QStringLiteral("Cycle"));
        QCOMPARE(book.SeriesNumber, QStringLiteral("2.5"));
        QCOMPARE(book.Language, QStringLiteral("English"));
        QCOMPARE(book.Format, QStringLiteral("EPUB, PDF"));
        QVERIFY2(book.Description.contains(QStringLiteral("<b>long</b>")),
                 qPrintable(book.Description));
        for (const char *line : {"languages: German", "Identifier goodreads: 12345",
                                 "Review: Great<br>book &amp; more", "Stars: 4/5",
                                 "Date added to calibre: 2020-03-01", "Missing eBook file: "})
            QVERIFY2(book.Notes.contains(QLatin1String(line)), qPrintable(book.Notes));
        QCOMPARE(book.Links.size(), 1);
        QCOMPARE(book.Links.at(0).Name, LoadString(194));
        QVERIFY(book.Links.at(0).Path.endsWith(QStringLiteral("/The Long Road - Ann Author.epub")));
        QVERIFY(!book.FrontCover.isEmpty());
        QCOMPARE(ReadFileBytes(QDir(images).filePath(book.FrontCover)),
                 ReadFileBytes(folder + QStringLiteral("/Ann Author/The Long Road (1)/cover.jpg")));
        QCOMPARE(QueryText(db, "SELECT group_concat(Name, ',') FROM (SELECT c.Name FROM category c "
                               "JOIN category p ON p.CatID = c.ParentID WHERE p.Name = 'calibre' "
                               "ORDER BY c.Name)"),
                 QStringLiteral("Fantasy,TBR,to-read,Wish List"));

        // "Wish List" and "TBR" tags: the wish list and the Reading List.
        QCOMPARE(QueryText(db, "SELECT s.Name FROM book b JOIN bookstatus s ON s.StatusID = "
                               "b.StatusID WHERE b.Title = 'Third'"),
                 LoadString(220));
        QCOMPARE(QueryText(db, "SELECT COUNT(*) FROM book b JOIN book_category bc ON bc.BookID = "
                               "b.BookID JOIN category c ON c.CatID = bc.CatID WHERE "
                               "c.Name = 'Reading List'"),
                 QStringLiteral("2"));
        QCOMPARE(FileHash(file), hash);
    }

    void calibreDays_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("day");
        QTest::newRow("evening UTC is the next day in Paris") << "2006-12-28 23:00:00+00:00"
                                                              << "2006-12-29";
        QTest::newRow("summer time") << "2020-06-30 22:30:00+00:00"
                                     << "2020-07-01";
        QTest::newRow("fraction of a second") << "2012-03-03 19:47:47.473000+00:00"
                                              << "2012-03-03";
        QTest::newRow("other offset") << "2010-01-01T05:00:00-06:00"
                                      << "2010-01-01";
        QTest::newRow("no offset is UTC") << "2010-01-01 23:30:00"
                                          << "2010-01-02";
        QTest::newRow("date alone") << "1999-05-04"
                                    << "1999-05-04";
        QTest::newRow("unknown") << "0101-01-01 00:00:00+00:00"
                                 << "";
        QTest::newRow("unknown shown a day later") << "0101-01-01 23:00:00+00:00"
                                                   << "";
        QTest::newRow("no month 13") << "2001-13-01 00:00:00+00:00"
                                     << "";
        QTest::newRow("not a date") << "None"
                                    << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void calibreDays()
    {
        QFETCH(QString, stored);
        QFETCH(QString, day);
        QCOMPARE(CalibreDay(stored, Paris()), day);
    }
};

QTEST_GUILESS_MAIN(TestImportCalibre)
#include "tst_importcalibre.moc"
