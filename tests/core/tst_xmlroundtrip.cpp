// A whole library of 100,000 books written out as book XML and imported
// into a new library: the new one shows the same books.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/LibraryConnection.h"

#include <QTest>

#include <sqlite3.h>

namespace {

constexpr int kBooks = 100000;

// Fills the library with `kBooks` books straight through SQLite: a few
// hundred publishers, dates, prices, ratings, e-book flags, HTML notes, a
// link on every tenth book; every book in Book Collection.
bool FillLibrary(sqlite3 *db)
{
    const auto exec = [db](const char *sql) {
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (!exec("BEGIN"))
        return false;
    sqlite3_stmt *publisher = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO bookpublisher (PublisherID, Name) VALUES (?, ?)", -1,
                       &publisher, nullptr);
    for (int i = 1; i <= 300; ++i) {
        const QByteArray name = "Publisher " + QByteArray::number(i) + (i % 7 ? "" : " & Söhne");
        sqlite3_bind_int(publisher, 1, i);
        sqlite3_bind_text(publisher, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_step(publisher);
        sqlite3_reset(publisher);
    }
    sqlite3_finalize(publisher);

    sqlite3_stmt *book = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO book (BookID, Title, Author, ISBN, PublisherID, PageCount, "
                       "ReleaseDate, ListPrice, MyRating, EBookOnly, Notes) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &book, nullptr);
    sqlite3_stmt *member = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO book_category (BookID, CatID) VALUES (?, 1)", -1, &member,
                       nullptr);
    sqlite3_stmt *link = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (?, 1, 'Web', ?)",
                       -1, &link, nullptr);
    bool ok = book && member && link;
    for (int id = 1; ok && id <= kBooks; ++id) {
        const QByteArray title = QStringLiteral("Title %1 <Vol. %2> & Co")
                                     .arg(id * 7919 % kBooks, 6, 10, QLatin1Char('0'))
                                     .arg(id % 12)
                                     .toUtf8();
        const QByteArray author = "Author " + QByteArray::number(id % 3001);
        const QByteArray isbn = QByteArray::number(100000000 + id) + "X";
        const QByteArray date = QStringLiteral("%1-%2-%3")
                                    .arg(1950 + id % 57)
                                    .arg(1 + id % 12, 2, 10, QLatin1Char('0'))
                                    .arg(1 + id % 28, 2, 10, QLatin1Char('0'))
                                    .toUtf8();
        const QByteArray notes = "<p>Note " + QByteArray::number(id) + "\nline two</p>";
        sqlite3_bind_int(book, 1, id);
        sqlite3_bind_text(book, 2, title.constData(), int(title.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(book, 3, author.constData(), int(author.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(book, 4, isbn.constData(), int(isbn.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(book, 5, 1 + id % 300);
        sqlite3_bind_int(book, 6, 50 + id % 900);
        sqlite3_bind_text(book, 7, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(book, 8, (id % 9000) / 100.0);
        sqlite3_bind_int(book, 9, id % 6);
        sqlite3_bind_int(book, 10, id % 5 == 0);
        sqlite3_bind_text(book, 11, notes.constData(), int(notes.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(member, 1, id);
        ok = sqlite3_step(book) == SQLITE_DONE && sqlite3_step(member) == SQLITE_DONE;
        sqlite3_reset(book);
        sqlite3_reset(member);
        if (ok && id % 10 == 0) {
            const QByteArray path = "https://example.org/" + QByteArray::number(id);
            sqlite3_bind_int(link, 1, id);
            sqlite3_bind_text(link, 2, path.constData(), int(path.size()), SQLITE_TRANSIENT);
            ok = sqlite3_step(link) == SQLITE_DONE;
            sqlite3_reset(link);
        }
    }
    sqlite3_finalize(book);
    sqlite3_finalize(member);
    sqlite3_finalize(link);
    return ok && exec("COMMIT");
}

// The list lines without the book numbers, which the import gives anew.
QStringList WithoutIds(const QString &list)
{
    QStringList lines = list.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.section(u'\t', 1);
    return lines;
}

} // namespace

class TestXmlRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeLibraryComesBackTheSame()
    {
        CTestEnv env;
        const QString config = env.Path(QStringLiteral("config"));
        const QString original = env.CopyTemplate(QStringLiteral("original.mdb"));
        {
            CLibraryConnection db;
            QVERIFY(db.Open(original));
            QVERIFY(FillLibrary(db.Handle()));
        }
        const QString xml = env.Path(QStringLiteral("all.xml"));
        QCOMPARE(RunCliTool({QStringLiteral("export-xml"), original, QStringLiteral("--category"),
                             QStringLiteral("5"), QStringLiteral("-o"), xml},
                            config)
                     .code,
                 0);
        const QString copy = env.Path(QStringLiteral("copy.mdb"));
        QCOMPARE(RunCliTool({QStringLiteral("new"), copy}, config).code, 0);
        const CliRun imported = RunCliTool({QStringLiteral("import-xml"), copy, xml,
                                            QStringLiteral("--category"), QStringLiteral("1")},
                                           config);
        QCOMPARE(imported.code, 0);
        QCOMPARE(imported.out,
                 QStringLiteral("100000 books were found; 100000 books were imported to the "
                                "current category.\n100000 imported, 0 skipped, 0 failed.\n"));

        const CliRun before = RunCliTool({QStringLiteral("list"), original}, config);
        const CliRun after = RunCliTool({QStringLiteral("list"), copy}, config);
        QCOMPARE(before.code, 0);
        QCOMPARE(after.code, 0);
        const QStringList beforeLines = WithoutIds(before.out);
        QCOMPARE(beforeLines.size(), kBooks);
        QCOMPARE(WithoutIds(after.out), beforeLines);

        // Every field of a sample of books, matched by their ISBN.
        CLibraryConnection from;
        CLibraryConnection to;
        QVERIFY(from.Open(original));
        QVERIFY(to.Open(copy));
        for (int id = 1; id <= kBooks; id += 997) {
            CBookRecord a;
            QVERIFY(a.Load(id, from));
            const QString newId = QueryText(
                to, QStringLiteral("SELECT BookID FROM book WHERE ISBN='%1'").arg(a.ISBN));
            CBookRecord b;
            QVERIFY(b.Load(newId.toInt(), to));
            QCOMPARE(b.Title, a.Title);
            QCOMPARE(b.Author, a.Author);
            QCOMPARE(b.Publisher, a.Publisher);
            QCOMPARE(b.PageCount, a.PageCount);
            QCOMPARE(b.ReleaseDate, a.ReleaseDate);
            QCOMPARE(b.ListPrice, a.ListPrice);
            QCOMPARE(b.MyRating, a.MyRating);
            QCOMPARE(b.EBookOnly, a.EBookOnly);
            QCOMPARE(b.Notes, a.Notes);
            QCOMPARE(b.Links.size(), a.Links.size());
            if (!a.Links.isEmpty())
                QCOMPARE(b.Links.at(0).Path, a.Links.at(0).Path);
        }
    }
};

QTEST_GUILESS_MAIN(TestXmlRoundTrip)
#include "tst_xmlroundtrip.moc"
