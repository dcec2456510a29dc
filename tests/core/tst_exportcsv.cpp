// Exporting the library as CSV, in this program's columns and in Goodreads',
// and reading each file back with the import.

#include "TestSupport.h"

#include "db/LibraryConnection.h"
#include "exchange/HtmlPlainText.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// Three books with the texts a CSV must carry intact: commas, quotes and
// line breaks, several authors, a series, nested categories, readings, the
// wish list and the Reading List.
const QByteArray kBooksXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<Tomelodex Version="1.1">
<Book ID="1"><Title>Dune, the "Desert" Planet</Title><Author>Frank Herbert / Brian Herbert</Author>
<ISBN>0441172717</ISBN><Publisher>Ace, "Books"</Publisher><PageCount>604</PageCount>
<ReleaseDate>1990-09-01</ReleaseDate><MyRating>4</MyRating>
<Notes>line one
line two, with "quotes"</Notes><Series>Dune</Series><SeriesNumber>1</SeriesNumber>
<Categories><Category ID="40">&gt;&gt;Book Collection&gt;&gt;Fiction&gt;&gt;Classics</Category>
<Category ID="2">&gt;&gt;Favorites</Category></Categories>
<Readings><Reading><Started>2024-04-01</Started><Finished>2024-04-24</Finished></Reading></Readings>
</Book>
<Book ID="2"><Title>Plain Wish</Title><Author>Anne Author</Author><ISBN>9791090636071</ISBN>
<Status>Wish List</Status><Categories><Category ID="4">&gt;&gt;Reading List</Category></Categories>
</Book>
<Book ID="3"><Title>Reading Now</Title><Author>Ben Writer</Author><MyRating>2</MyRating>
<Categories><Category ID="41">&gt;&gt;Book Collection&gt;&gt;Fiction</Category>
<Category ID="1">&gt;&gt;Book Collection</Category></Categories>
<Readings><Reading><Started>2024-05-01</Started></Reading></Readings>
</Book>
</Tomelodex>
)";

const QString kDune = QStringLiteral("Dune, the \"Desert\" Planet");

// The first `count` fields of each line of Books().
QStringList FirstFields(QStringList books, int count)
{
    for (QString &book : books)
        book = book.section(u'|', 0, count - 1);
    return books;
}

} // namespace

class TestExportCsv : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;

    CliRun RunCli(const QStringList &args)
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")));
    }

    // A new library at `name` holding the three books in their categories.
    QString LibraryWithBooks(const QString &name)
    {
        const QString lib = m_env->Path(name);
        const QString xml = m_env->WriteFile(QStringLiteral("books.xml"), kBooksXml);
        if (RunCli({QStringLiteral("new"), lib}).code != 0 ||
            RunCli({QStringLiteral("import-xml"), lib, xml, QStringLiteral("--category"),
                    QStringLiteral("1"), QStringLiteral("--keep-categories")})
                    .code != 0)
            return QString();
        return lib;
    }

    // Exports `lib` with `options`, then imports the file into a new library
    // as `format`; the new library's path.
    QString RoundTrip(const QString &lib, const QStringList &options, const QString &format)
    {
        const QString csv = m_env->Path(format + QStringLiteral(".csv"));
        const QString copy = m_env->Path(format + QStringLiteral("-copy.mdb"));
        CliRun run = RunCli(
            QStringList{QStringLiteral("export-csv"), lib, QStringLiteral("-o"), csv} + options);
        if (run.code != 0) {
            qWarning("export-csv: %s", qPrintable(run.err));
            return QString();
        }
        run = RunCli({QStringLiteral("new"), copy});
        if (run.code == 0)
            run = RunCli({QStringLiteral("import"), copy, csv, QStringLiteral("--format"), format});
        if (run.code != 0) {
            qWarning("import: %s %s", qPrintable(run.out), qPrintable(run.err));
            return QString();
        }
        return copy;
    }

    // One line per book, by title: the fields a round trip keeps.
    static QStringList Books(const QString &lib)
    {
        CLibraryConnection db;
        if (!db.Open(lib))
            return {QStringLiteral("<not opened>")};
        QStringList books;
        const int count = QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book")).toInt();
        for (int i = 0; i < count; ++i)
            books.append(QueryText(
                db, QStringLiteral(
                        "SELECT b.Title || '|' || b.Author || '|' || IFNULL(b.ISBN, '') || '|' || "
                        "b.MyRating || '|' || IFNULL(s.Name, '') || '|' || IFNULL(bs.Number, '') "
                        "|| '|' || (IFNULL(b.StatusID, 0) = 2) || '|' || "
                        "(SELECT COUNT(*) FROM book_category WHERE BookID = b.BookID AND CatID = 4)"
                        " || '|' || IFNULL((SELECT group_concat(IFNULL(Started, '') || '..' || "
                        "IFNULL(Finished, '')) FROM reading WHERE BookID = b.BookID), '') "
                        "FROM book b LEFT JOIN book_series bs ON bs.BookID = b.BookID "
                        "LEFT JOIN bookseries s ON s.SeriesID = bs.SeriesID "
                        "ORDER BY b.Title LIMIT 1 OFFSET %1")
                        .arg(i)));
        return books;
    }

    // "Parent>Name" of each user category the book titled `title` is in.
    static QStringList CategoriesOf(const QString &lib, const QString &title)
    {
        CLibraryConnection db;
        if (!db.Open(lib))
            return {QStringLiteral("<not opened>")};
        QString text = QueryText(
            db, QStringLiteral("SELECT group_concat(p.Name || '>' || c.Name, ';') FROM (SELECT "
                               "c.* FROM book b JOIN book_category bc ON bc.BookID = b.BookID "
                               "JOIN category c ON c.CatID = bc.CatID WHERE b.Title = '%1' AND "
                               "c.CatID >= 32 ORDER BY c.Name) c JOIN category p ON p.CatID = "
                               "c.ParentID")
                    .arg(title));
        QStringList names = text.split(u';', Qt::SkipEmptyParts);
        names.sort();
        return names;
    }

    // The book's notes as stored, or as the text a reader sees in them when
    // `asText` (an import keeps text notes as HTML paragraphs).
    static QString NotesOf(const QString &lib, const QString &title, bool asText = false)
    {
        CLibraryConnection db;
        if (!db.Open(lib))
            return QStringLiteral("<not opened>");
        const QString notes =
            QueryText(db, QStringLiteral("SELECT Notes FROM book WHERE Title = '%1'").arg(title));
        return asText ? PlainTextFromHtml(notes) : notes;
    }

private Q_SLOTS:
    void init() { m_env = std::make_unique<CTestEnv>(); }
    void cleanup() { m_env.reset(); }

    // This program's columns: the same books come back, with their
    // categories' levels below the source's parent category (the second
    // path of a book too).
    void tomelodexRoundTrip()
    {
        const QString lib = LibraryWithBooks(QStringLiteral("lib.mdb"));
        QVERIFY(!lib.isEmpty());
        const QStringList original = Books(lib);
        QCOMPARE(original.size(), 3);
        QCOMPARE(original.at(1), QStringLiteral("Plain Wish|Anne Author|9791090636071|0|||1|1|"));
        QVERIFY2(
            original.at(0).startsWith(QStringLiteral(
                "Dune, the \"Desert\" Planet|Frank Herbert / Brian Herbert|0441172717|4|Dune|1")),
            qPrintable(original.at(0)));

        const QString copy = RoundTrip(lib, {}, QStringLiteral("csv"));
        QVERIFY(!copy.isEmpty());
        // The Reading List and readings are not among the columns.
        QCOMPARE(FirstFields(Books(copy), 7), FirstFields(original, 7));
        QCOMPARE(NotesOf(copy, kDune, true), NotesOf(lib, kDune));
        QCOMPARE(CategoriesOf(copy, kDune), (QStringList{QStringLiteral("CSV>Favorites"),
                                                         QStringLiteral("Fiction>Classics")}));
        QCOMPARE(CategoriesOf(copy, QStringLiteral("Reading Now")),
                 QStringList{QStringLiteral("CSV>Fiction")});
    }

    // Goodreads' columns: titles, authors, ISBNs, ratings, series, readings,
    // wishes and the Reading List come back through the Goodreads import;
    // the categories as shelves.
    void goodreadsRoundTrip()
    {
        const QString lib = LibraryWithBooks(QStringLiteral("lib.mdb"));
        QVERIFY(!lib.isEmpty());
        const QString copy =
            RoundTrip(lib, {QStringLiteral("--format"), QStringLiteral("goodreads")},
                      QStringLiteral("goodreads"));
        QVERIFY(!copy.isEmpty());
        // Goodreads keeps when a book was finished, not when it was started.
        QCOMPARE(FirstFields(Books(copy), 8), FirstFields(Books(lib), 8));
        QCOMPARE(Books(copy).first().section(u'|', 8), QStringLiteral("..2024-04-24"));
        QCOMPARE(CategoriesOf(copy, kDune), (QStringList{QStringLiteral("Goodreads>Classics"),
                                                         QStringLiteral("Goodreads>favorites"),
                                                         QStringLiteral("Goodreads>read")}));
        QCOMPARE(CategoriesOf(copy, QStringLiteral("Plain Wish")),
                 (QStringList{QStringLiteral("Goodreads>to-read"),
                              QStringLiteral("Goodreads>wishlist")}));
        QCOMPARE(CategoriesOf(copy, QStringLiteral("Reading Now")),
                 (QStringList{QStringLiteral("Goodreads>Fiction"),
                              QStringLiteral("Goodreads>currently-reading")}));
        // and Goodreads' date added comes back as a note.
        QVERIFY2(NotesOf(copy, kDune, true).startsWith(NotesOf(lib, kDune) + u'\n'),
                 qPrintable(NotesOf(copy, kDune, true)));

        // Notes the import kept as HTML go out as Goodreads' plain text.
        const QString again = m_env->Path(QStringLiteral("again.csv"));
        QCOMPARE(RunCli({QStringLiteral("export-csv"), copy, QStringLiteral("--format"),
                         QStringLiteral("goodreads"), QStringLiteral("-o"), again})
                     .code,
                 0);
        const QByteArray notes = ReadFileBytes(again);
        QVERIFY2(notes.contains(",\"line one\nline two, with \"\"quotes\"\"\nDate Added: "),
                 notes.constData());
        QVERIFY(!notes.contains("&quot;"));

        // The layout is that of Goodreads' own export.
        QFile real(QStringLiteral(TOMELODEX_SOURCE_DIR
                                  "/tests/data/import/ntmb-goodreads_library_export-24col.csv"));
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray exported = ReadFileBytes(m_env->Path(QStringLiteral("goodreads.csv")));
        QCOMPARE(exported.left(exported.indexOf("\r\n")), real.readLine().trimmed());
        QVERIFY2(exported.contains(",\"=\"\"0441172717\"\"\",\"=\"\"9780441172719\"\"\",4,"),
                 exported.constData());
    }

    // A category's books only; the usage and failures of the command.
    void commandLine()
    {
        const QString lib = LibraryWithBooks(QStringLiteral("lib.mdb"));
        QVERIFY(!lib.isEmpty());
        CLibraryConnection db;
        QVERIFY(db.Open(lib));
        const QString fiction =
            QueryText(db, QStringLiteral("SELECT CatID FROM category WHERE Name = 'Fiction'"));
        db.Close();
        CliRun run =
            RunCli({QStringLiteral("export-csv"), lib, QStringLiteral("--category"), fiction});
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.split(QStringLiteral("\r\n"));
        QVERIFY2(lines.first().startsWith(QStringLiteral("Title,Subtitle,Author,URL,")),
                 qPrintable(lines.first()));
        QVERIFY(lines.first().endsWith(QStringLiteral(",Notes,Categories,Series,SeriesNumber")));
        QCOMPARE(lines.size(), 3); // the header, one book, the end of the last line
        QVERIFY2(lines.at(1).startsWith(QStringLiteral("Reading Now,,Ben Writer,")),
                 qPrintable(lines.at(1)));

        const QStringList bad[] = {
            {QStringLiteral("export-csv"), lib, QStringLiteral("--format"), QStringLiteral("xls")},
            {QStringLiteral("export-csv"), lib, QStringLiteral("--category"), QStringLiteral("x")},
            {QStringLiteral("export-csv"), lib, QStringLiteral("extra")},
            {QStringLiteral("export-csv")},
        };
        for (const QStringList &args : bad)
            QCOMPARE(RunCli(args).code, 2);
        QCOMPARE(
            RunCli({QStringLiteral("export-csv"), m_env->Path(QStringLiteral("none.mdb"))}).code,
            1);
        const QString full = AlwaysFullDevice(m_env->Path(QString()));
        if (!full.isEmpty()) {
            run = RunCli({QStringLiteral("export-csv"), lib, QStringLiteral("-o"), full});
            QCOMPARE(run.code, 1);
            QVERIFY(!run.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestExportCsv)
#include "tst_exportcsv.moc"
