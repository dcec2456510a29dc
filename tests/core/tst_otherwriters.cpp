// Writers beside the program on one library: what another program added to
// a book is kept through a save and through `edit`; a book another writer
// changed or deleted after it was read is not overwritten or brought back
// unasked; and writers adding the same ISBNs at once store each book once.

#include "FakeOpenLibrary.h"
#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Answers every question with Yes ("skip this duplicate") and counts them;
// safe to be asked from several threads at once.
class CCountingPrompt : public CUserPrompt
{
public:
    CCountingPrompt() { SetUserPrompt(this); }
    ~CCountingPrompt() override { SetUserPrompt(nullptr); }
    MsgAnswer Message(const QString &, MsgIcon icon, MsgButtons) override
    {
        QMutexLocker lock(&m_mutex);
        if (icon == MsgIcon::Question)
            ++m_questions;
        else
            ++m_others;
        return MsgAnswer::Yes;
    }
    int Questions() const
    {
        QMutexLocker lock(&m_mutex);
        return m_questions;
    }
    int Others() const
    {
        QMutexLocker lock(&m_mutex);
        return m_others;
    }

private:
    mutable QMutex m_mutex;
    int m_questions = 0;
    int m_others = 0;
};

// Lets two threads go on only together, again and again.
class CMeetingPoint
{
public:
    void Meet()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const int round = m_round;
        if (++m_waiting == 2) {
            m_waiting = 0;
            ++m_round;
            m_met.notify_all();
            return;
        }
        m_met.wait(lock, [&] { return m_round != round; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_met;
    int m_waiting = 0;
    int m_round = 0;
};

// The `count` ISBN-10s 0-00-000001-? and on, each with its check digit.
QStringList MakeIsbns(int count)
{
    QStringList isbns;
    for (int n = 1; n <= count; ++n) {
        const QString digits = QStringLiteral("%1").arg(n, 9, 10, QLatin1Char('0'));
        int sum = 0;
        for (int i = 0; i < 9; ++i)
            sum += (10 - i) * digits.at(i).digitValue();
        const int check = (11 - sum % 11) % 11;
        isbns << digits + (check == 10 ? QStringLiteral("X") : QString::number(check));
    }
    return isbns;
}

} // namespace

class TestOtherWriters : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;
    CLibraryConnection m_db;
    QString m_images;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    // Book 1 in categories 32 and 33, with two links and a front cover.
    void StoreBook()
    {
        QVERIFY(ExecuteSql(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Other', 1)"),
            true, m_db));
        CBookRecord book;
        book.Title = QStringLiteral("Foundation");
        book.Author = QStringLiteral("Isaac Asimov");
        book.ISBN = QStringLiteral("0553293354");
        book.Publisher = QStringLiteral("Spectra");
        book.Notes = QStringLiteral("first edition");
        book.Links = {{QString(), QStringLiteral("Errata"), QStringLiteral("https://example.org/e"),
                       QString()},
                      {QString(), QStringLiteral("Map"), QStringLiteral("/home/me/map.png"),
                       QStringLiteral("drawn")}};
        book.CoverTempPath = m_env->WriteFile(QStringLiteral("front.jpg"), "\xff\xd8\xff picture");
        QVERIFY(book.Save(true, 32, m_images, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book_category VALUES (1, 33)"), true, m_db));
    }

    // Another program's column, set on book 1, and its table of lendings,
    // whose rows go with their book.
    void AddForeignData()
    {
        QVERIFY(m_db.Execute(QStringLiteral(
            "ALTER TABLE book ADD COLUMN Series TEXT;"
            "UPDATE book SET Series = 'Foundation Trilogy' WHERE BookID = 1;"
            "CREATE TABLE lending (LendingID INTEGER PRIMARY KEY, BookID INTEGER NOT NULL "
            "REFERENCES book (BookID) ON DELETE CASCADE, Borrower TEXT);"
            "INSERT INTO lending (BookID, Borrower) VALUES (1, 'Ann');")));
    }

    // The book as the tests compare it: title, location, rating, notes,
    // cover, links in order and categories.
    QString BookState()
    {
        return Value(QStringLiteral(
            "SELECT b.Title || '|' || ifnull(l.Name, '') || '|' || ifnull(b.MyRating, '') || '|' "
            "|| ifnull(b.Notes, '') || '|' || ifnull(b.FrontCover, '') || '|' || (SELECT "
            "group_concat(LinkID || ':' || Name, ',') FROM (SELECT * FROM link WHERE BookID = 1 "
            "ORDER BY LinkID)) || '|' || (SELECT group_concat(CatID, ',') FROM (SELECT CatID "
            "FROM book_category WHERE BookID = 1 ORDER BY CatID)) FROM book b LEFT JOIN "
            "booklocation l ON l.LocationID = b.LocationID WHERE b.BookID = 1"));
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CTestEnv>();
        QVERIFY(m_env->OpenLibraryWithUserCategory(m_db, &m_images));
    }
    void cleanup()
    {
        m_db.Close();
        m_env.reset();
    }

    // Saving a book writes the columns the program knows and its links;
    // another program's column, its rows that reference the book and the
    // book's categories stay, whether the sheet's save or `edit` writes.
    void saveKeepsWhatOthersAdded_data()
    {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("book record's save") << false;
        QTest::newRow("edit command") << true;
    }
    void saveKeepsWhatOthersAdded()
    {
        QFETCH(bool, commandLine);
        CRecordingPrompt prompt;
        StoreBook();
        AddForeignData();
        QCOMPARE(BookState(),
                 QStringLiteral("Foundation||0|first edition|1.jpg|1:Errata,2:Map|32,33"));

        if (commandLine) {
            const CliRun run =
                RunCliTool({QStringLiteral("edit"), m_db.Path(), QStringLiteral("1"),
                            QStringLiteral("Title=Foundation and Empire"),
                            QStringLiteral("Location=Shelf 2"), QStringLiteral("MyRating=4"),
                            QStringLiteral("Notes="), QStringLiteral("ListPrice=1234.56")},
                           m_env->Path(QStringLiteral("config")), QByteArray(),
                           {QStringLiteral("LC_ALL=de_DE.UTF-8")});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            QCOMPARE(run.out, QString());
            // A number as the book XML writes it, whatever the locale.
            QCOMPARE(Value(QStringLiteral("SELECT ListPrice || '' FROM book")),
                     QStringLiteral("1234.56"));
        } else {
            CBookRecord book;
            QVERIFY(book.Load(1, m_db));
            // As the sheet's covers page hands a stored picture back.
            book.CoverTempPath = QDir(m_images).filePath(book.FrontCover);
            book.Title = QStringLiteral("Foundation and Empire");
            book.Location = QStringLiteral("Shelf 2");
            book.MyRating = 4;
            book.Notes.clear();
            QVERIFY(book.Save(false, 5, m_images, m_db));
        }
        QCOMPARE(BookState(),
                 QStringLiteral("Foundation and Empire|Shelf 2|4||1.jpg|1:Errata,2:Map|32,33"));
        QCOMPARE(Value(QStringLiteral("SELECT Series FROM book WHERE BookID = 1")),
                 QStringLiteral("Foundation Trilogy"));
        QCOMPARE(Value(QStringLiteral("SELECT Borrower FROM lending WHERE BookID = 1")),
                 QStringLiteral("Ann"));
        QCOMPARE(ReadFileBytes(QDir(m_images).filePath(QStringLiteral("1.jpg"))),
                 QByteArray("\xff\xd8\xff picture"));
        QCOMPARE(Value(QStringLiteral("PRAGMA foreign_key_check")), QStringLiteral("<no row>"));
        QVERIFY(prompt.shown.isEmpty());
    }

    // Between Load and Save another writer changes the book. A change of
    // what the program writes makes the save write nothing and say so; the
    // caller may then overwrite. What the program does not write (another
    // column, the categories) is no conflict. A deleted book is not made
    // again by a save of the stored book.
    void bookChangedAfterItWasRead_data()
    {
        QTest::addColumn<QString>("theirWrite");
        QTest::addColumn<int>("conflict");
        QTest::addColumn<QString>("theirValue"); // a query for what they wrote
        QTest::addColumn<QString>("expected");   // its value after my first save
        using C = CBookRecord::SaveConflict;
        QTest::newRow("notes and user text by a script")
            << "UPDATE book SET Notes = 'theirs', UserText1 = 'script' WHERE BookID = 1"
            << int(C::ChangedSinceRead) << "SELECT Notes || UserText1 FROM book"
            << "theirsscript";
        QTest::newRow("a link added")
            << "INSERT INTO link (BookID, LinkID, Name) VALUES (1, 3, 'Theirs')"
            << int(C::ChangedSinceRead) << "SELECT group_concat(Name) FROM link"
            << "Errata,Map,Theirs";
        QTest::newRow("a lookup value")
            << "UPDATE book SET PublisherID = NULL" << int(C::ChangedSinceRead)
            << "SELECT ifnull(PublisherID, 'none') FROM book"
            << "none";
        QTest::newRow("an empty text where there was none")
            << "UPDATE book SET UserText2 = ''" << int(C::ChangedSinceRead)
            << "SELECT quote(UserText2) FROM book"
            << "''";
        QTest::newRow("a column of their own")
            << "ALTER TABLE book ADD COLUMN Series TEXT; UPDATE book SET Series = 'S'"
            << int(C::None) << "SELECT Series FROM book"
            << "S";
        QTest::newRow("filed in a category")
            << "INSERT INTO book_category VALUES (1, 2)" << int(C::None)
            << "SELECT group_concat(CatID) FROM book_category"
            << "2,32,33";
        QTest::newRow("deleted") << "DELETE FROM book WHERE BookID = 1" << int(C::DeletedSinceRead)
                                 << "SELECT COUNT(*) FROM book"
                                 << "0";
    }
    void bookChangedAfterItWasRead()
    {
        QFETCH(QString, theirWrite);
        QFETCH(int, conflict);
        QFETCH(QString, theirValue);
        QFETCH(QString, expected);
        CRecordingPrompt prompt;
        StoreBook();
        CBookRecord mine;
        QVERIFY(mine.Load(1, m_db));
        mine.Title = QStringLiteral("Mine");
        mine.CoverTempPath = QDir(m_images).filePath(mine.FrontCover);

        CLibraryConnection other;
        QVERIFY(other.Open(m_db.Path()));
        QVERIFY2(other.Execute(theirWrite), qPrintable(other.LastError()));
        other.Close();

        const bool clean = conflict == int(CBookRecord::SaveConflict::None);
        QCOMPARE(mine.Save(false, 5, m_images, m_db), clean);
        QCOMPARE(int(mine.Conflict), conflict);
        QCOMPARE(Value(theirValue), expected);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book WHERE Title = 'Mine'")),
                 QString::number(clean ? 1 : 0));
        QVERIFY(prompt.shown.isEmpty()); // the caller decides what to ask
        if (clean)
            return;

        // The same record asks again until its caller says what to do.
        QVERIFY(!mine.Save(false, 5, m_images, m_db));
        QCOMPARE(int(mine.Conflict), conflict);
        mine.StoredState.clear(); // "keep my changes"
        const bool deleted = conflict == int(CBookRecord::SaveConflict::DeletedSinceRead);
        QCOMPARE(mine.Save(false, 5, m_images, m_db), !deleted);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book WHERE Title = 'Mine'")),
                 QString::number(deleted ? 0 : 1));
        if (deleted) {
            QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link")), QStringLiteral("0"));
            // Added again as a new book when asked to.
            QVERIFY(mine.Save(true, 33, m_images, m_db));
            QCOMPARE(Value(QStringLiteral("SELECT group_concat(CatID) FROM book_category")),
                     QStringLiteral("33"));
            return;
        }
        // Once saved, the record knows what it wrote: a second save is no
        // conflict with itself.
        mine.Notes = QStringLiteral("again");
        QVERIFY(mine.Save(false, 5, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT Notes FROM book")), QStringLiteral("again"));
    }

    // `edit` refuses what it cannot do before anything is written, with
    // the contract's exit status and a message naming the file; a cover it
    // is given must be a picture.
    void editRefusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("args"); // after the library
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QStringList args, int code, const char *message) {
            QTest::newRow(name) << args << code << QString::fromUtf8(message);
        };
        row("a field of another program", {"1", "Shelf=3"}, 2, "unknown field 'Shelf'");
        row("a series number that is no number", {"1", "Series=Foundation", "SeriesNumber=first"},
            1, "lib.mdb: \"first\" is not a number in a series.");
        row("a series number without a series", {"1", "SeriesNumber=2"}, 1,
            "lib.mdb: A number in a series needs the name of the series");
        row("an unknown field among known ones", {"1", "Title=New", "Bogus=1"}, 2,
            "unknown field 'Bogus'");
        row("no value", {"1", "Title"}, 2, "usage: tomelodex-cli edit");
        row("no field", {"1"}, 2, "usage: tomelodex-cli edit");
        row("not a book number", {"one", "Title=New"}, 2, "'one' is not a book number");
        row("an unknown book", {"99", "Title=New"}, 1, "lib.mdb: the library has no book 99");
        row("an empty title", {"1", "Title= "}, 1, "lib.mdb: Book title cannot be empty.");
        row("a value too long", {"1", "ISBN=123456789012345678901"}, 1,
            "lib.mdb: ISBN has 21 characters, but the library keeps at most 20 for it.");
        row("a cover that is no picture", {"1", "Title=New", "FrontCover=NOTES"}, 1, "notes.txt: ");
    }
    void editRefusesWhatItCannotDo()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        StoreBook();
        const QString before = BookState();
        const QString notes = m_env->WriteFile(QStringLiteral("notes.txt"), "not a picture");
        args.replaceInStrings(QStringLiteral("NOTES"), notes);
        const CliRun run = RunCliTool(QStringList{QStringLiteral("edit"), m_db.Path()} + args,
                                      m_env->Path(QStringLiteral("config")));
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(BookState(), before);
        QCOMPARE(QDir(m_images).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("1.jpg")});
    }

    // `edit` replaces and removes covers as the sheet does.
    void editSetsCovers()
    {
        StoreBook();
        const QString png = m_env->WriteFile(QStringLiteral("scan.png"), "\x89PNG\r\n\x1a\n scan");
        const auto edit = [this](const QString &field) {
            return RunCliTool({QStringLiteral("edit"), m_db.Path(), QStringLiteral("1"), field},
                              m_env->Path(QStringLiteral("config")));
        };
        CliRun run = edit(QStringLiteral("FrontCover=") + png);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(Value(QStringLiteral("SELECT FrontCover FROM book")), QStringLiteral("1.png"));
        QCOMPARE(QDir(m_images).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("1.png")});
        QCOMPARE(ReadFileBytes(QDir(m_images).filePath(QStringLiteral("1.png"))),
                 ReadFileBytes(png));
        run = edit(QStringLiteral("FrontCover="));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(Value(QStringLiteral("SELECT quote(FrontCover) FROM book")),
                 QStringLiteral("NULL"));
        QCOMPARE(QDir(m_images).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Two writers, each with its own connection, add the same books at the
    // same time and skip duplicates: each ISBN is stored once, and every
    // book either writer skipped was really there.
    void concurrentAddersStoreEachIsbnOnce()
    {
        const QStringList isbns = MakeIsbns(150);
        const QString path = m_db.Path();
        m_db.Close();
        CCountingPrompt prompt;
        int added[2] = {0, 0};
        int failed[2] = {0, 0};
        // Both writers add every book in the same order, and each save
        // starts in both at the same moment.
        QList<CBookRecord> books[2];
        for (const QString &isbn : isbns) {
            CBookRecord book;
            book.Title = QStringLiteral("Book ") + isbn;
            book.ISBN = isbn;
            books[0].append(book);
            books[1].append(book);
        }
        CLibraryConnection connections[2];
        for (CLibraryConnection &db : connections)
            QVERIFY(db.Open(path));
        CMeetingPoint meetingPoint;
        std::thread writers[2];
        for (int w = 0; w < 2; ++w) {
            writers[w] = std::thread([&, w] {
                for (CBookRecord &book : books[w]) {
                    meetingPoint.Meet();
                    if (book.Save(true, 32, m_images, connections[w]))
                        ++added[w];
                    else if (!book.SkippedDuplicate)
                        ++failed[w];
                }
            });
        }
        for (std::thread &writer : writers)
            writer.join();

        QVERIFY(m_db.Open(path));
        QCOMPARE(failed[0] + failed[1], 0);
        QCOMPARE(prompt.Others(), 0);
        QCOMPARE(added[0] + added[1], int(isbns.size()));
        QCOMPARE(prompt.Questions(), int(isbns.size()));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) || '/' || COUNT(DISTINCT ISBN) FROM book")),
                 QStringLiteral("%1/%1").arg(isbns.size()));
    }

    // Two add runs of the command-line tool on one library at once, with the
    // same ISBNs: each book is stored once, and the runs' last lines add up.
    void concurrentAddRunsStoreEachBookOnce()
    {
        const CFakeOpenLibrary server(QStringLiteral("2070379043"));
        QVERIFY2(server.isRunning(), qPrintable(server.error()));
        const QStringList isbns = MakeIsbns(40);
        const QString list =
            m_env->WriteFile(QStringLiteral("isbns.txt"), isbns.join(u'\n').toLatin1());
        const QString library = m_db.Path();
        m_db.Close();

        QProcess runs[2];
        for (QProcess &run : runs) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env->Path(QStringLiteral("config")));
            run.setProcessEnvironment(env);
            run.start(QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI")),
                      {QStringLiteral("add"), library, QStringLiteral("--category"),
                       QStringLiteral("32"), QStringLiteral("--isbn-file"), list,
                       QStringLiteral("--source"), QStringLiteral("openlibrary"),
                       QStringLiteral("--openlibrary-host"), server.baseUrl(),
                       QStringLiteral("--covers-host"), server.baseUrl()});
        }
        int added = 0;
        int skipped = 0;
        static const QRegularExpression last(QStringLiteral(
            "Job finished: (\\d+) added, (\\d+) skipped, 0 failed, 0 not found\\.\\n$"));
        for (QProcess &run : runs) {
            QVERIFY(run.waitForFinished(300000));
            const QString out = QString::fromUtf8(run.readAllStandardOutput());
            const QString err = QString::fromUtf8(run.readAllStandardError());
            QVERIFY2(run.exitCode() == 0, qPrintable(out + err));
            const QRegularExpressionMatch counts = last.match(out);
            QVERIFY2(counts.hasMatch(), qPrintable(out + err));
            added += counts.captured(1).toInt();
            skipped += counts.captured(2).toInt();
        }
        QCOMPARE(added, int(isbns.size()));
        QCOMPARE(skipped, int(isbns.size()));
        QVERIFY(m_db.Open(library));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) || '/' || COUNT(DISTINCT ISBN) FROM book")),
                 QStringLiteral("%1/%1").arg(isbns.size()));
    }
};

QTEST_GUILESS_MAIN(TestOtherWriters)
#include "tst_otherwriters.moc"
