// Loans, borrowers, series and readings in a real library file: a loan's
// whole life, every refusal leaving the library as it was, what deleting a
// book takes along (foreign keys on or off), the order of a series, and the
// queries behind the tree's entries.

#include "PlainSqlite.h"
#include "TableDump.h"
#include "TestSupport.h"

#include "db/BookMembership.h"
#include "db/CategoryStore.h"
#include "db/LibraryConnection.h"
#include "loans/BorrowerStore.h"
#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"
#include "loans/SeriesNumber.h"
#include "loans/SeriesStore.h"
#include "loans/ShelfQueries.h"

#include <QTest>

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

QString Titles(CLibraryConnection &db, const QVector<quint32> &ids)
{
    QStringList titles;
    for (quint32 id : ids)
        titles << QueryText(db, QStringLiteral("SELECT Title FROM book WHERE BookID=%1").arg(id));
    return titles.join(u',');
}

QVector<quint32> Shelf(CLibraryConnection &db, const QString &sql)
{
    QVector<quint32> ids;
    QString error;
    if (!ReadShelfBookIds(db, sql, ids, &error))
        qWarning("%s", qPrintable(error));
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class TestLoans : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;
    QString m_path;
    CLibraryConnection m_db;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CTestEnv>();
        m_path = m_env->CopyTemplate(QStringLiteral("lib.mdb"));
        CPlainSqlite plain(m_path);
        QVERIFY2(plain.Exec(QStringLiteral(
                     "INSERT INTO book (BookID, Title, StatusID) VALUES (1, 'Dune', 1), "
                     "(2, 'Emma', 1), (3, 'Ulysses', 2), (4, 'Persuasion', 1); "
                     "INSERT INTO book_category SELECT BookID, 1 FROM book")),
                 qPrintable(plain.Error()));
        QVERIFY(m_db.Open(m_path));
    }
    void cleanup()
    {
        m_db.Close();
        m_env.reset();
    }

    // Lent, overdue only once the due day has passed, returned, lent again:
    // the history keeps every loan with the open one first, and a borrowed
    // book is overdue the same way and not owned until it goes back.
    void loanThroughItsWholeLife()
    {
        CLoanStore loans(m_db);
        const qint64 first =
            loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Anna"), Day("2026-11-01"),
                           Day("2026-11-29"), QStringLiteral("with the map")});
        QVERIFY2(first > 0, qPrintable(loans.Error()));
        // The same person in another letter case, in any alphabet.
        QVERIFY(loans.Lend(2, {LoanDirection::Borrowed, QStringLiteral("ÉMILE"), Day("2026-11-10"),
                               Day("2026-12-01"), QString()}) > 0);
        QVERIFY(loans.Lend(4, {LoanDirection::Lent, QStringLiteral("émile"), Day("2026-11-20"),
                               QDate(), QString()}) > 0);
        CBorrowerStore borrowers(m_db);
        QVector<CBorrowerRow> people;
        QVERIFY(borrowers.List(people));
        QCOMPARE(people.size(), 2);
        QCOMPARE(people[0].name, QStringLiteral("Anna"));
        QCOMPARE(people[1].name, QStringLiteral("ÉMILE"));
        QCOMPARE(people[1].openCount, 2);

        QCOMPARE(Shelf(m_db, OnLoanBookIdsSql()), (QVector<quint32>{1, 4}));
        QCOMPARE(Shelf(m_db, BorrowedBookIdsSql()), (QVector<quint32>{2}));
        const struct
        {
            const char *today;
            QVector<quint32> overdue;
        } days[] = {
            {"2026-11-29", {}}, {"2026-11-30", {1}}, {"2026-12-01", {1}}, {"2026-12-02", {1, 2}}};
        for (const auto &day : days) {
            QCOMPARE(Shelf(m_db, OverdueBookIdsSql(Day(day.today))), day.overdue);
            QVector<CLoanRow> rows;
            QVERIFY(loans.List(LoanFilter::Overdue, rows, Day(day.today)));
            QCOMPARE(rows.size(), day.overdue.size());
            for (const CLoanRow &row : rows)
                QVERIFY(row.IsOverdue(Day(day.today)));
        }
        qint64 owned = 0;
        QString error;
        QVERIFY(CountOwnedBooks(m_db, &owned, &error));
        QCOMPARE(owned, 2); // Ulysses is a wish, Emma someone else's
        QCOMPARE(Shelf(m_db, WishListBookIdsSql()), (QVector<quint32>{3}));

        QVERIFY2(loans.Return(1, Day("2026-12-03")), qPrintable(loans.Error()));
        QVERIFY(loans.Lend(1, {LoanDirection::Lent, QStringLiteral("anna"), Day("2026-12-05"),
                               Day("2026-12-19"), QString()}) > 0);
        QVector<CLoanRow> history;
        QVERIFY(loans.History(1, history));
        QCOMPARE(history.size(), 2);
        QVERIFY(history[0].IsOpen());
        QCOMPARE(history[0].loanDate, Day("2026-12-05"));
        QCOMPARE(history[0].borrower, QStringLiteral("Anna"));
        QCOMPARE(history[1].id, first);
        QCOMPARE(history[1].returnDate, Day("2026-12-03"));
        QCOMPARE(history[1].notes, QStringLiteral("with the map"));
        QCOMPARE(Shelf(m_db, OverdueBookIdsSql(Day("2026-12-07"))), (QVector<quint32>{2}));

        QVERIFY(loans.Return(2));
        QVERIFY(CountOwnedBooks(m_db, &owned, &error));
        QCOMPARE(owned, 3);
        QVector<CLoanRow> all;
        QVERIFY(loans.List(LoanFilter::All, all));
        QCOMPARE(all.size(), 4);
        QCOMPARE(all.first().loanDate, Day("2026-11-01")); // oldest first
        QCOMPARE(all[1].returnDate, QDate::currentDate());
    }

    // Each refusal says why in words and stores nothing at all.
    void refusalsStoreNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty borrower") << "lend 2 to '  '"
                                        << "name of the borrower";
        QTest::newRow("due before the loan") << "lend 2 due before"
                                             << "due date is before";
        QTest::newRow("book already lent") << "lend 1 again"
                                           << "already lent to Anna";
        QTest::newRow("book already borrowed") << "borrow 1"
                                               << "already lent to Anna";
        QTest::newRow("no such book") << "lend 99"
                                      << "no book 99";
        QTest::newRow("return with none open") << "return 2"
                                               << "not out on a loan";
        QTest::newRow("return before the loan") << "return 1 early"
                                                << "before it was lent";
        QTest::newRow("due date moved before the loan") << "update due"
                                                        << "due date is before";
        QTest::newRow("series number") << "series three"
                                       << "\"three\" is not a number";
        QTest::newRow("series number with a letter") << "series 2a"
                                                     << "\"2a\" is not a number";
        QTest::newRow("reading backwards") << "reading"
                                           << "finished before it started";
        QTest::newRow("borrower with loans") << "remove borrower"
                                             << "cannot be deleted";
        QTest::newRow("borrower renamed to another's name") << "rename borrower"
                                                            << "already a";
        QTest::newRow("borrower renamed to nothing") << "rename empty"
                                                     << "name of the borrower";
    }
    void refusalsStoreNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        CLoanStore loans(m_db);
        const qint64 loan = loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Anna"),
                                           Day("2026-11-01"), QDate(), QString()});
        QVERIFY(loan > 0);
        CBorrowerStore borrowers(m_db);
        QVERIFY(borrowers.FindOrAdd(QStringLiteral("Bob")) > 0);
        const CTableDump before = DumpTables(m_path);

        QString error;
        bool done = true;
        const CNewLoan lend{LoanDirection::Lent, QStringLiteral("Carl"), Day("2026-11-05"), QDate(),
                            QString()};
        CSeriesStore series(m_db);
        CReadingStore readings(m_db);
        if (action == u"lend 2 to '  '") {
            CNewLoan blank = lend;
            blank.borrower = QStringLiteral("  ");
            done = loans.Lend(2, blank) > 0;
        } else if (action == u"lend 2 due before") {
            CNewLoan early = lend;
            early.dueDate = Day("2026-11-04");
            done = loans.Lend(2, early) > 0;
        } else if (action == u"lend 1 again" || action == u"borrow 1") {
            CNewLoan again = lend;
            if (action == u"borrow 1")
                again.direction = LoanDirection::Borrowed;
            done = loans.Lend(1, again) > 0;
        } else if (action == u"lend 99") {
            done = loans.Lend(99, lend) > 0;
        } else if (action == u"return 2") {
            done = loans.Return(2, Day("2026-12-01"));
        } else if (action == u"return 1 early") {
            done = loans.Return(1, Day("2026-10-31"));
        } else if (action == u"update due") {
            done = loans.Update(loan, Day("2026-10-01"), QStringLiteral("x"));
        } else if (action.startsWith(u"series ")) {
            done = series.SetBookSeries(2, QStringLiteral("Dune"), action.mid(7));
            error = series.Error();
        } else if (action == u"reading") {
            done = readings.Add({0, 2, Day("2026-11-05"), Day("2026-11-04"), QString()}) > 0;
            error = readings.Error();
        } else if (action == u"remove borrower") {
            qint64 anna = 0;
            QVERIFY(borrowers.Find(QStringLiteral("ANNA"), &anna) && anna > 0);
            // Returned loans are history and keep their borrower too.
            QVERIFY(loans.Return(1, Day("2026-11-02")));
            const CTableDump returned = DumpTables(m_path);
            QVERIFY(!borrowers.Remove(anna));
            QVERIFY2(borrowers.Error().contains(message), qPrintable(borrowers.Error()));
            QVERIFY2(DumpDifference(returned, DumpTables(m_path)).isEmpty(),
                     qPrintable(DumpDifference(returned, DumpTables(m_path))));
            return;
        } else if (action.startsWith(u"rename")) {
            qint64 bob = 0;
            QVERIFY(borrowers.Find(QStringLiteral("bob"), &bob) && bob > 0);
            done = borrowers.Rename(bob,
                                    action == u"rename empty" ? QString() : QStringLiteral("anna"));
            error = borrowers.Error();
        }
        if (error.isEmpty())
            error = loans.Error();
        QVERIFY(!done);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(before, DumpTables(m_path))));
    }

    // Deleting a book takes its loans, series place and readings along,
    // whether the deleting connection has foreign keys on (this program) or
    // off (SQLite's own default); borrowers and series stay, and a borrower
    // with loans cannot be deleted by any program.
    void deletingABookTakesItsRowsAlong_data()
    {
        QTest::addColumn<bool>("foreignKeys");
        QTest::newRow("this program") << true;
        QTest::newRow("another program, foreign keys off") << false;
    }
    void deletingABookTakesItsRowsAlong()
    {
        QFETCH(bool, foreignKeys);
        CLoanStore loans(m_db);
        CSeriesStore series(m_db);
        CReadingStore readings(m_db);
        for (qint32 book : {1, 2}) {
            QVERIFY(loans.Lend(book, {LoanDirection::Lent, QStringLiteral("Anna"),
                                      Day("2026-11-01"), QDate(), QString()}) > 0);
            QVERIFY(series.SetBookSeries(book, QStringLiteral("Saga"), QString::number(book)));
            QVERIFY(readings.Add({0, book, Day("2026-10-01"), QDate(), QString()}) > 0);
        }
        if (foreignKeys) {
            CRecordingPrompt prompt;
            QVERIFY(RemoveBooks({1}, kRecycleBin, m_env->Path(QStringLiteral("images")), m_db));
        } else {
            m_db.Close();
            CPlainSqlite other(m_path);
            QCOMPARE(other.Value(QStringLiteral("PRAGMA foreign_keys")), QStringLiteral("0"));
            QVERIFY2(other.Exec(QStringLiteral("DELETE FROM book WHERE BookID = 1")),
                     qPrintable(other.Error()));
            QVERIFY(!other.Exec(QStringLiteral("DELETE FROM borrower")));
            QVERIFY2(other.Error().contains(QStringLiteral("the borrower has loans")),
                     qPrintable(other.Error()));
            QVERIFY(m_db.Open(m_path));
        }
        for (const char *table : {"loan", "book_series", "reading"})
            QCOMPARE(QueryText(m_db, QStringLiteral("SELECT group_concat(BookID) FROM %1")
                                         .arg(QLatin1String(table))),
                     QStringLiteral("2"));
        QCOMPARE(QueryText(m_db, QStringLiteral("SELECT COUNT(*) FROM borrower")),
                 QStringLiteral("1"));
        QVector<CSeriesRow> rows;
        QVERIFY(series.List(rows));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].bookCount, 1);
        for (const char *table : {"loan", "book_series", "reading"})
            QCOMPARE(
                QueryText(m_db,
                          QStringLiteral("PRAGMA foreign_key_check(%1)").arg(QLatin1String(table))),
                QStringLiteral("<no row>"));
    }

    void seriesNumbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole") << "3" << true << "3";
        QTest::newRow("half") << " 2.5 " << true << "2.5";
        QTest::newRow("decimal comma") << "2,5" << true << "2.5";
        QTest::newRow("prequel") << "0.5" << true << "0.5";
        QTest::newRow("word") << "three" << false << "";
        QTest::newRow("letter after") << "2a" << false << "";
        QTest::newRow("negative") << "-1" << false << "";
        QTest::newRow("two points") << "1.2.3" << false << "";
        QTest::newRow("point alone") << "." << false << "";
    }
    void seriesNumbers()
    {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QFETCH(QString, stored);
        QCOMPARE(IsSeriesNumberText(number), valid);
        if (valid)
            QCOMPARE(StoredSeriesNumber(number), stored);
        QCOMPARE(SeriesNumberSortKey(number).isEmpty(), !valid);
    }

    // "2" before "2.5" before "10", a number another tool wrote that is no
    // number and the books without one after them, ties by title; the same
    // order through the SQL function the book list can sort by.
    void seriesMembersInNumberOrder()
    {
        CPlainSqlite plain(m_path);
        QVERIFY(plain.Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title) VALUES (5, 'Five'), (6, 'Six'), (7, 'Seven'), "
            "(8, 'Eight'), (9, 'Nine'), (10, 'Ten')")));
        CSeriesStore series(m_db);
        const struct
        {
            qint32 book;
            const char *number;
        } members[] = {{1, "10"}, {2, "2"},    {3, "2.5"}, {4, ""},    {5, "02"},
                       {6, "1"},  {7, "2.10"}, {8, "0.5"}, {9, "100"}, {10, ""}};
        for (const auto &member : members)
            QVERIFY2(series.SetBookSeries(member.book, QStringLiteral("Saga"),
                                          QLatin1String(member.number)),
                     qPrintable(series.Error()));
        QVERIFY(
            plain.Exec(QStringLiteral("UPDATE book_series SET Number = 'IV' WHERE BookID = 9")));
        QVERIFY(series.SetBookSeries(10, QStringLiteral("saga"), QString())); // same series
        qint64 id = 0;
        QVERIFY(series.Find(QStringLiteral("SAGA"), &id) && id > 0);
        QVector<quint32> order;
        QVERIFY(series.Members(id, order));
        QCOMPARE(Titles(m_db, order),
                 QStringLiteral("Eight,Six,Emma,Five,Seven,Ulysses,Dune,Nine,Persuasion,Ten"));

        CBookSeries place;
        QVERIFY(series.BookSeries(3, &place));
        QCOMPARE(place.name, QStringLiteral("Saga"));
        QCOMPARE(place.number, QStringLiteral("2.5"));
        QVERIFY(series.ClearBookSeries(3));
        QVERIFY(series.BookSeries(3, &place));
        QVERIFY(place.name.isEmpty() && place.number.isEmpty());
        QVector<CSeriesRow> rows;
        QVERIFY(series.List(rows));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].bookCount, 9);
    }

    void readingsAndTheReadingList()
    {
        CReadingStore readings(m_db);
        const qint64 done = readings.Add(
            {0, 1, Day("2025-01-02"), Day("2025-02-01"), QStringLiteral("twice as good")});
        const qint64 now = readings.Add({0, 1, Day("2026-11-01"), QDate(), QString()});
        QVERIFY(done > 0 && now > 0);
        QVERIFY(readings.Add({0, 2, QDate(), QDate(), QString()}) > 0); // date unknown
        QCOMPARE(Shelf(m_db, ReadingNowBookIdsSql()), (QVector<quint32>{1}));
        QVector<CReadingRow> rows;
        QVERIFY(readings.List(1, rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].id, now); // the latest first
        QCOMPARE(rows[1].notes, QStringLiteral("twice as good"));

        CReadingRow finished = rows[0];
        finished.finished = Day("2026-11-20");
        QVERIFY2(readings.Update(finished), qPrintable(readings.Error()));
        QCOMPARE(Shelf(m_db, ReadingNowBookIdsSql()), QVector<quint32>());
        QVERIFY(readings.Remove(done));
        QVERIFY(readings.List(1, rows));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].finished, Day("2026-11-20"));
        QVERIFY(!readings.Update({done, 1, QDate(), QDate(), QString()}));
        QVERIFY(readings.Error().contains(QStringLiteral("no longer")));
    }

    // The command line, one step after another on one library: each
    // command's exit status and what it prints.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("steps"); // "args|with|bars => code => output"
        QTest::newRow("a loan's life") << QStringList{
            "loan|LIB|1|--to|Anna|--date|2026-11-01|--due|2026-11-29 => 0 => ",
            "loan|LIB|2|--from|Bob|--date|Nov 10, 2026 => 0 => ",
            "loans|LIB => 0 => 1\tDune\tlent\tAnna\t2026-11-01\t2026-11-29\t\n"
            "2\tEmma\tborrowed\tBob\t2026-11-10\t\t",
            "loans|LIB|--overdue|--date|2026-11-29 => 0 => ",
            "loans|LIB|--overdue|--date|2026-11-30 => 0 => 1\tDune\tlent\tAnna\t2026-11-01\t"
            "2026-11-29\t",
            "loan|LIB|1|--to|Carl => 1 => ",
            "return|LIB|1|--date|2026-10-01 => 1 => ",
            "return|LIB|1|--date|2026-12-02 => 0 => ",
            "return|LIB|1 => 1 => ",
            "loans|LIB|--all => 0 => 1\tDune\tlent\tAnna\t2026-11-01\t2026-11-29\t"
            "2026-12-02\n2\tEmma\tborrowed\tBob\t2026-11-10\t\t",
            "read|LIB|1|--started|2026-12-01 => 0 => ",
            "read|LIB|1|--started|2026-12-01|--finished|2026-11-01 => 1 => ",
            "edit|LIB|1|Series=Dune|SeriesNumber=1 => 0 => ",
            "edit|LIB|2|Series=dune|SeriesNumber=one => 1 => ",
            "edit|LIB|2|SeriesNumber=2 => 1 => ",
            "edit|LIB|2|Series=DUNE|SeriesNumber=2,5 => 0 => ",
            "sql|LIB|SELECT * FROM bookseries => 0 => Records affected: 0\nNumber of records "
            "in the returned recordset: 1"};
        QTest::newRow("usage and refusals") << QStringList{
            "loan|LIB|1 => 2 => ",
            "loan|LIB|1|--to|Anna|--from|Bob => 2 => ",
            "loan|LIB|1|--to|Anna|--date|someday => 2 => ",
            "loan|LIB|1|--to => 2 => ",
            "loan|LIB|x|--to|Anna => 2 => ",
            "loan|LIB|1|--to|Anna|--bogus => 2 => ",
            "loans|LIB|extra => 2 => ",
            "return|LIB => 2 => ",
            "read|LIB|1|--started|2026-02-30 => 2 => ",
            "loan|LIB|1|--to| => 1 => ",
            "loan|LIB|1|--to|Anna|--date|2026-11-05|--due|2026-11-04 => 1 => ",
            "loan|LIB|99|--to|Anna => 1 => ",
            "read|LIB|99 => 1 => ",
            "loans|LIB => 0 => ",
            "sql|LIB|SELECT * FROM borrower => 0 => Records affected: 0\nNumber of records "
            "in the returned recordset: 0"};
    }
    void commandLine()
    {
        QFETCH(QStringList, steps);
        m_db.Close();
        for (const QString &step : steps) {
            const QStringList parts = step.split(QStringLiteral(" => "));
            QStringList args = parts[0].split(u'|');
            args.replaceInStrings(QStringLiteral("LIB"), m_path);
            const CliRun run = RunCliTool(args, m_env->Path(QStringLiteral("config")));
            QVERIFY2(run.code == parts[1].toInt(), qPrintable(step + u'\n' + run.err));
            QCOMPARE(run.out.trimmed(), parts[2].trimmed());
            if (run.code == 1) // a refusal says why, naming the library
                QVERIFY2(run.err.contains(m_path), qPrintable(run.err));
        }
    }

    // Export, import into an empty library, export again: the series,
    // loans and readings come back as they were; a file without them
    // imports as before, and a book whose loans break the rules is refused
    // whole while the others come in.
    void xmlRoundTrip()
    {
        CLoanStore loans(m_db);
        QVERIFY(loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Anna & Co <x>"),
                               Day("2026-01-01"), Day("2026-01-20"), QStringLiteral("note 1")}) >
                0);
        QVERIFY(loans.Return(1, Day("2026-01-15")));
        QVERIFY(loans.Lend(1, {LoanDirection::Borrowed, QStringLiteral("Bob"), Day("2026-02-01"),
                               QDate(), QString()}) > 0);
        CReadingStore readings(m_db);
        QVERIFY(readings.Add({0, 1, Day("2025-05-01"), Day("2025-06-01"), QStringLiteral("good")}));
        QVERIFY(readings.Add({0, 1, Day("2026-03-01"), QDate(), QString()}));
        CSeriesStore series(m_db);
        QVERIFY(series.SetBookSeries(1, QStringLiteral("Dune Chronicles"), QStringLiteral("1")));
        m_db.Close();

        const QString config = m_env->Path(QStringLiteral("config"));
        const QString xml = m_env->Path(QStringLiteral("out.xml"));
        CliRun run = RunCliTool({QStringLiteral("export-xml"), m_path, QStringLiteral("1"),
                                 QStringLiteral("2"), QStringLiteral("-o"), xml},
                                config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QString written = QString::fromUtf8(ReadFileBytes(xml));
        QVERIFY2(written.contains(QStringLiteral(
                     "<Series>Dune Chronicles</Series>\n<SeriesNumber>1</SeriesNumber>")),
                 qPrintable(written));
        QVERIFY(written.contains(QStringLiteral(
            "<Loans>\n<Loan>\n<Direction>borrowed</Direction>\n<Name>Bob</Name>\n"
            "<LoanDate>2026-02-01</LoanDate>\n</Loan>\n<Loan>\n<Direction>lent</Direction>\n"
            "<Name>Anna &amp; Co &lt;x></Name>")));
        QVERIFY(written.contains(
            QStringLiteral("<Readings>\n<Reading>\n<Started>2026-03-01</Started>\n</Reading>\n")));

        const QString copy = m_env->CopyTemplate(QStringLiteral("copy.mdb"));
        run = RunCliTool({QStringLiteral("import-xml"), copy, xml, QStringLiteral("--category"),
                          QStringLiteral("1")},
                         config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QString again = m_env->Path(QStringLiteral("again.xml"));
        run = RunCliTool({QStringLiteral("export-xml"), copy, QStringLiteral("1"),
                          QStringLiteral("2"), QStringLiteral("-o"), again},
                         config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const auto books = [](const QString &text) { return text.mid(text.indexOf(u"<Book")); };
        QCOMPARE(books(QString::fromUtf8(ReadFileBytes(again))), books(written));

        // Without the new elements, and with loans that cannot all be open.
        const QString plain = m_env->WriteFile(
            QStringLiteral("plain.xml"),
            "<?xml version=\"1.0\"?><Tomelodex><Book><Title>Plain</Title></Book>"
            "<Book><Title>Twice out</Title><Loans><Loan><Direction>lent</Direction>"
            "<Name>A</Name><LoanDate>2026-01-01</LoanDate></Loan><Loan><Direction>lent"
            "</Direction><Name>B</Name><LoanDate>2026-02-01</LoanDate></Loan></Loans></Book>"
            "<Book><Title>Odd number</Title><Series>S</Series><SeriesNumber>two"
            "</SeriesNumber></Book></Tomelodex>");
        const QString third = m_env->CopyTemplate(QStringLiteral("third.mdb"));
        run = RunCliTool({QStringLiteral("import-xml"), third, plain, QStringLiteral("--category"),
                          QStringLiteral("1")},
                         config);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("only one loan at a time")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("\"two\" is not a number")), qPrintable(run.err));
        CPlainSqlite check(third);
        QCOMPARE(check.Rows(QStringLiteral("SELECT Title FROM book")), QStringList{"Plain"});
        for (const char *table : {"loan", "borrower", "reading", "book_series", "bookseries"})
            QCOMPARE(
                check.Value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))),
                QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestLoans)
#include "tst_loans.moc"
