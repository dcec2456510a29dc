// The book list's fill for the tree's entries of loans, wishes and series
// on a real library file: which books each entry lists and in which order,
// the Series column's order both ways (along the database's order for plain
// ASCII texts and the folded order otherwise), the Reading List with the
// books being read, the texts a row shows, and an older library without
// the tables.

#include "PlainSqlite.h"
#include "TestSupport.h"

#include "db/BookListOrder.h"
#include "db/CategoryStore.h"
#include "db/LibraryConnection.h"
#include "loans/ShelfEntries.h"

#include <QTest>

namespace {

QString Joined(const QVector<quint32> &ids)
{
    QStringList texts;
    for (quint32 id : ids)
        texts << QString::number(id);
    return texts.join(u',');
}

QString DaysFromToday(int days)
{
    return QDate::currentDate().addDays(days).toString(Qt::ISODate);
}

} // namespace

class TestBookListEntries : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;
    QString m_path;

    QString Order(int entry, int column, bool ascending)
    {
        CLibraryConnection db;
        if (!db.Open(m_path))
            return QStringLiteral("not opened");
        QVector<quint32> ids;
        if (!ReadBookOrder(entry, column, ascending, db, ids))
            return QStringLiteral("failed");
        return Joined(ids);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CTestEnv>();
        m_path = m_env->CopyTemplate(QStringLiteral("lib.mdb"));
        CPlainSqlite plain(m_path);
        // Loans relative to today: due three days ago (overdue), due today
        // (not overdue yet), borrowed without a due date, returned.
        QVERIFY2(
            plain.Exec(
                QStringLiteral(
                    "INSERT INTO book (BookID, Title, StatusID) VALUES (1, 'Dune', 1), "
                    "(2, 'Dune Messiah', 1), (3, 'Children of Dune', 1), (4, 'Emma', 1), "
                    "(5, 'Ulysses', 2), (6, 'Persuasion', 1), (7, 'Ölmond', 1), (8, 'Zebra', 2), "
                    "(9, 'Notes', 1);"
                    "INSERT INTO book_category SELECT BookID, 1 FROM book;"
                    "INSERT INTO book_category VALUES (6, 4);"
                    "INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ann'), (2, 'Bob'), "
                    "(3, 'Cy');"
                    "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, "
                    "ReturnDate) VALUES (1, 1, 'lent', '2020-01-01', '%1', NULL), "
                    "(2, 2, 'lent', '2020-01-01', '%2', NULL), "
                    "(4, 3, 'borrowed', '2020-01-01', '%3', NULL), "
                    "(3, 3, 'borrowed', '2020-01-01', NULL, NULL), "
                    "(6, 1, 'lent', '2020-01-01', '2020-02-01', '2020-01-20');"
                    "INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Dune'), (2, 'Austen'), "
                    "(3, 'Éclair'), (4, 'Empty');"
                    "INSERT INTO book_series (BookID, SeriesID, Number) VALUES (1, 1, '1'), "
                    "(2, 1, '2'), (3, 1, '10'), (9, 1, '2.5'), (4, 2, '2'), (6, 2, NULL), "
                    "(7, 3, '1');"
                    "INSERT INTO reading (BookID, Started, Finished) VALUES "
                    "(8, '2026-01-01', NULL), (5, '2025-01-01', '2025-02-01')")
                    .arg(DaysFromToday(-3), DaysFromToday(0), DaysFromToday(-1))),
            qPrintable(plain.Error()));
    }
    void cleanup() { m_env.reset(); }

    void entriesListTheirBooksInOrder_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QString>("expected");
        QTest::newRow("on loan: lent, not returned")
            << int(kOnLoanEntry) << int(kColumnTitle) << true << "1,2";
        QTest::newRow("overdue: past due either way, not due today")
            << int(kOverdueEntry) << int(kColumnTitle) << true << "1,4";
        QTest::newRow("borrowed") << int(kBorrowedEntry) << int(kColumnTitle) << true << "3,4";
        QTest::newRow("wish list") << int(kWishListEntry) << int(kColumnTitle) << true << "5,8";
        QTest::newRow("wish list by title descending")
            << int(kWishListEntry) << int(kColumnTitle) << false << "8,5";
        QTest::newRow("series: every book in one, by title")
            << int(kSeriesEntry) << int(kColumnTitle) << true << "3,1,2,4,9,7,6";
        QTest::newRow("one series by number: 2 before 2.5 before 10")
            << SeriesChildEntry(1) << int(kColumnTitle) << true << "1,2,9,3";
        QTest::newRow("one series backwards")
            << SeriesChildEntry(1) << int(kColumnTitle) << false << "3,9,2,1";
        QTest::newRow("a book without a number after the numbered")
            << SeriesChildEntry(2) << int(kColumnTitle) << true << "4,6";
        QTest::newRow("a series sorted by another column")
            << SeriesChildEntry(1) << int(kColumnTitle + 1) << true << "3,1,2,9";
        QTest::newRow("a series without books")
            << SeriesChildEntry(4) << int(kColumnTitle) << true << "";
        QTest::newRow("reading list: filed, and being read")
            << int(kReadingList) << int(kColumnTitle) << true << "6,8";
        QTest::newRow("series column, folded order")
            << int(kAllBooks) << int(kColumnSeries) << true << "4,6,1,2,9,3,7,5,8";
        QTest::newRow("series column descending")
            << int(kAllBooks) << int(kColumnSeries) << false << "5,8,7,3,9,2,1,6,4";
    }
    void entriesListTheirBooksInOrder()
    {
        QFETCH(int, entry);
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QString, expected);
        QCOMPARE(Order(entry, column, ascending), expected);
        // The same order when every text is plain ASCII, where the list
        // takes the database's order as it comes.
        CPlainSqlite plain(m_path);
        QVERIFY(plain.Exec(QStringLiteral("UPDATE book SET Title = 'Olmond' WHERE BookID = 7; "
                                          "UPDATE bookseries SET Name = 'Eclair' WHERE "
                                          "SeriesID = 3")));
        QCOMPARE(Order(entry, column, ascending), expected);
    }

    void rowsCarryTheirSeriesAndBorrower()
    {
        CLibraryConnection db;
        QVERIFY(db.Open(m_path));
        QVector<CBookListRow> rows;
        QVERIFY(ReadBookRows({1, 3, 4, 6}, db, rows));
        QStringList shown;
        std::sort(rows.begin(), rows.end(),
                  [](const CBookListRow &a, const CBookListRow &b) { return a.bookId < b.bookId; });
        for (const CBookListRow &row : rows)
            shown << QStringLiteral("%1:%2:%3").arg(row.series, row.seriesNumber, row.lentTo);
        // Only a book lent and not returned names a borrower.
        QCOMPARE(shown, QStringList({"Dune:1:Ann", "Dune:10:", "Austen:2:", "Austen::"}));
    }

    // A library of the version before the loans, not written since, lists
    // nothing in the loan and series entries (and sorts by the Series
    // column as by title), without any error and without being upgraded.
    void olderLibraryHasNoLoansYet()
    {
        {
            CPlainSqlite plain(m_path);
            QVERIFY2(plain.Exec(QStringLiteral(
                         "DROP TRIGGER IF EXISTS book_loans_on_delete; DROP TABLE reading; "
                         "DROP TABLE book_series; DROP TABLE bookseries; DROP TABLE loan; "
                         "DROP TABLE borrower; PRAGMA user_version = 2")),
                     qPrintable(plain.Error()));
        }
        CRecordingPrompt prompt;
        for (const int entry : {int(kOnLoanEntry), int(kOverdueEntry), int(kBorrowedEntry),
                                int(kSeriesEntry), SeriesChildEntry(1)})
            QCOMPARE(Order(entry, kColumnTitle, true), QString());
        QCOMPARE(Order(kWishListEntry, kColumnTitle, true), QStringLiteral("5,8"));
        QCOMPARE(Order(kReadingList, kColumnTitle, true), QStringLiteral("6"));
        QCOMPARE(Order(kAllBooks, kColumnSeries, true), QStringLiteral("3,1,2,4,9,7,6,5,8"));
        CLibraryConnection db;
        QVERIFY(db.Open(m_path));
        QVector<CBookListRow> rows;
        QVERIFY(ReadBookRows({1}, db, rows));
        QCOMPARE(rows.value(0).series, QString());
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
        QCOMPARE(CPlainSqlite(m_path).Value(QStringLiteral("PRAGMA user_version")),
                 QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestBookListEntries)
#include "tst_booklistentries.moc"
