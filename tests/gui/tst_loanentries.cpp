// The tree's entries for loans, wishes and series in the real window: their
// place and books, what can be done in them, dropping books on a series
// (the number asked, undone through Edit > Undo), the Series column, the
// thumbnails' lent mark, the Reading List with the books being read, and
// the status bar's count of overdue books that leads to them.

#include "LibraryFixture.h"

#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CategoryTreeModel.h"
#include "library/LentMarkDelegate.h"
#include "library/OverdueLink.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"
#include "loans/LoanStore.h"
#include "loans/ShelfEntries.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHeaderView>
#include <QListView>
#include <QStatusBar>
#include <QTreeView>

#include <memory>

namespace {

QString DaysFromToday(int days)
{
    return QDate::currentDate().addDays(days).toString(Qt::ISODate);
}

} // namespace

class TestLoanEntries : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    CMainFrame &Frame() { return m_env->Frame(); }
    CTomeloTreeView &Tree() { return *Frame().TreeView(); }
    CCategoryTreeModel &TreeModel() { return *Tree().Model(); }
    CTomeloListView &List() { return *Frame().ListView(); }
    CBookListModel &ListModel() { return *List().Model(); }
    QString Db(const QString &sql) { return QueryText(*m_env->Document().m_connection, sql); }
    QStringList Names(const QModelIndex &parent)
    {
        QStringList names;
        for (int row = 0; row < TreeModel().rowCount(parent); ++row)
            names << TreeModel().index(row, 0, parent).data().toString();
        return names;
    }
    QString Listed()
    {
        QStringList ids;
        for (int row = 0; row < ListModel().rowCount(); ++row)
            ids << QString::number(ListModel().BookIdAt(row));
        return ids.join(u',');
    }
    QString Select(int entry)
    {
        Tree().SelectCategory(entry);
        return Listed();
    }
    QPoint PointOf(int id)
    {
        Tree().expandAll();
        const QModelIndex index = TreeModel().IndexOf(id);
        Tree().scrollTo(index);
        return Tree().visualRect(index).center();
    }
    COverdueLink *Overdue() { return Frame().findChild<COverdueLink *>(); }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        const QString path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            path,
            {QStringLiteral("INSERT INTO book (BookID, Title, StatusID) VALUES (1, 'Dune', 1), "
                            "(2, 'Dune Messiah', 1), (3, 'Emma', 1), (4, 'Ulysses', 2), "
                            "(5, 'Persuasion', 1), (6, 'Loose', 1)"),
             QStringLiteral("INSERT INTO book_category SELECT BookID, 1 FROM book WHERE BookID "
                            "< 6"),
             QStringLiteral("INSERT INTO book_category VALUES (5, 4)"),
             QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ann'), "
                            "(2, 'Bob')"),
             QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, "
                            "DueDate) VALUES (1, 1, 'lent', '2020-01-01', '%1'), (3, 2, "
                            "'borrowed', '2020-01-01', '%2')")
                 .arg(DaysFromToday(-2), DaysFromToday(-1)),
             QStringLiteral("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Dune'), (2, "
                            "'austen')"),
             QStringLiteral("INSERT INTO book_series VALUES (1, 1, '1'), (2, 1, '10'), (3, 2, "
                            "NULL)"),
             QStringLiteral("INSERT INTO reading (BookID, Started) VALUES (6, '2026-01-01')")}));
        QVERIFY(m_env->StartWindow({path}));
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &TreeModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup()
    {
        m_tester.reset();
        m_env->CloseWindow();
        m_env.reset();
    }

    void entriesComeAfterTheSpecialOnesAndOfferNoCategoryCommands()
    {
        QCOMPARE(Names(QModelIndex()),
                 QStringList({"Book Collection", "Favorites", "Reading List", "Search Results",
                              "All Books", "Recycle Bin", "On Loan", "Overdue", "Borrowed",
                              "Wish List", "Series"}));
        // Series by name, letter case aside.
        QCOMPARE(Names(TreeModel().IndexOf(kSeriesEntry)), QStringList({"austen", "Dune"}));

        const struct
        {
            int entry;
            const char *books;
        } entries[] = {{kOnLoanEntry, "1"},        {kOverdueEntry, "1,3"},
                       {kBorrowedEntry, "3"},      {kWishListEntry, "4"},
                       {kSeriesEntry, "1,2,3"},    {SeriesChildEntry(1), "1,2"},
                       {SeriesChildEntry(2), "3"}, {kReadingList, "6,5"}};
        QApplication::clipboard()->setMimeData(MakeBookMimeData({4}));
        for (const auto &entry : entries) {
            QCOMPARE(Select(entry.entry), QString::fromLatin1(entry.books));
            QCOMPARE(m_env->Document().m_currentCategoryId, entry.entry);
            List().CurrentView()->selectAll();
            Tree().setFocus();
            for (const int command :
                 {ID_ADD_SUBCATEGORY, ID_REMOVE_CATEGORY, ID_EDIT_CATEGORY, ID_EDIT_PASTE})
                QVERIFY2(entry.entry == kReadingList || !Frame().CommandState(command),
                         qPrintable(QString::number(command)));
            List().CurrentView()->setFocus();
            QCOMPARE(Frame().CommandState(ID_EDIT_CUT), entry.entry == kReadingList);
        }
        Tree().expandAll();
        Tree().SelectCategory(SeriesChildEntry(1));
        CWindowTestEnv::SaveScreenshot(Frame(), QStringLiteral("loan_entries_tree"));
    }

    // A lend while On Loan is shown adds the book there.
    void entriesFollowTheirBooks()
    {
        QCOMPARE(Select(kOnLoanEntry), QStringLiteral("1"));
        CNewLoan loan;
        loan.borrower = QStringLiteral("Cy");
        QVERIFY(CLoanStore(*m_env->Document().m_connection).Lend(5, loan) != 0);
        m_env->Document().NotifyBooksChanged();
        QCOMPARE(Listed(), QStringLiteral("1,5"));

        // Removing a book being read from the Reading List takes away only
        // its filing: it stays there while the reading goes on.
        QCOMPARE(Select(kReadingList), QStringLiteral("6,5"));
        List().SelectBook(6);
        List().RemoveSelectedBooks();
        QCOMPARE(Listed(), QStringLiteral("6,5"));
        List().SelectBook(5);
        List().RemoveSelectedBooks();
        QCOMPARE(Listed(), QStringLiteral("6"));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM reading")), QStringLiteral("1"));

        // Nothing is dropped into the entries but a series.
        Tree().SelectCategory(kWishListEntry);
        QWidget *viewport = Tree().viewport();
        for (const int entry : {int(kOnLoanEntry), int(kOverdueEntry), int(kBorrowedEntry),
                                int(kWishListEntry), int(kSeriesEntry)})
            QCOMPARE(DragAndDrop(viewport, PointOf(entry), MakeBookMimeData({6})).whileDragging,
                     Qt::IgnoreAction);
    }

    void dropOnASeriesAsksTheNumberAndIsUndone()
    {
        Tree().SelectCategory(kAllBooks);
        QWidget *viewport = Tree().viewport();
        const QString before = Db(QStringLiteral("SELECT group_concat(BookID || ':' || "
                                                 "SeriesID || ':' || IFNULL(Number, '')) FROM "
                                                 "book_series"));
        // One book: the next free number is offered; a word is refused.
        m_env->prompt.typed = {QStringLiteral("three")};
        DragOutcome drop =
            DragAndDrop(viewport, PointOf(SeriesChildEntry(1)), MakeBookMimeData({5}));
        QCOMPARE(drop.whileDragging, Qt::CopyAction);
        QVERIFY(!drop.dropped);
        QCOMPARE(m_env->prompt.offered, QStringList({"11"}));
        QVERIFY2(m_env->prompt.LastText().contains(QStringLiteral("three")),
                 qPrintable(m_env->prompt.LastText()));
        m_env->prompt.typed = {QStringLiteral("2,5")};
        QVERIFY(DragAndDrop(viewport, PointOf(SeriesChildEntry(1)), MakeBookMimeData({5})).dropped);
        QCOMPARE(Select(SeriesChildEntry(1)), QStringLiteral("1,5,2"));

        // Several books: numbered from the next free number on, in order,
        // taking a book out of the series it was in.
        Tree().SelectCategory(kAllBooks);
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(
            DragAndDrop(viewport, PointOf(SeriesChildEntry(1)), MakeBookMimeData({4, 3})).dropped);
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID || ':' || Number) FROM (SELECT * "
                                   "FROM book_series WHERE BookID IN (3, 4) ORDER BY BookID)")),
                 QStringLiteral("3:12,4:11"));
        QVERIFY(Frame().Action(ID_EDIT_UNDO)->text().contains(QStringLiteral("Dune")));
        // austen lost its only book and left the tree.
        QCOMPARE(Names(TreeModel().IndexOf(kSeriesEntry)), QStringList({"Dune"}));
        m_env->prompt.answers = {MsgAnswer::Cancel};
        QVERIFY(
            !DragAndDrop(viewport, PointOf(SeriesChildEntry(1)), MakeBookMimeData({6, 4})).dropped);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book_series WHERE BookID = 6")),
                 QStringLiteral("0"));

        QVERIFY(Frame().RouteCommand(ID_EDIT_UNDO));
        QVERIFY(Frame().RouteCommand(ID_EDIT_UNDO));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID || ':' || SeriesID || ':' || "
                                   "IFNULL(Number, '')) FROM book_series")),
                 before);
        QCOMPARE(Names(TreeModel().IndexOf(kSeriesEntry)), QStringList({"austen", "Dune"}));
        QVERIFY(Frame().RouteCommand(ID_EDIT_REDO));
        QCOMPARE(Db(QStringLiteral("SELECT Number FROM book_series WHERE BookID = 5")),
                 QStringLiteral("2.5"));
    }

    void seriesColumnAndLentMark()
    {
        Tree().SelectCategory(kAllBooks);
        List().OnViewDetails();
        QTreeView *details = List().DetailsView();
        QVERIFY(details->header()->isSectionHidden(kColumnSeries));
        List().ShowColumn(kColumnSeries, true);
        const auto column = [this] {
            QStringList texts;
            for (int row = 0; row < ListModel().rowCount(); ++row)
                texts << ListModel().index(row, kColumnSeries).data().toString();
            return texts;
        };
        List().OnColumnClick(kColumnSeries);
        QCOMPARE(column(), QStringList({"austen", "Dune #1", "Dune #10", "", ""}));
        QCOMPARE(Listed(), QStringLiteral("3,1,2,5,4"));
        List().OnColumnClick(kColumnSeries);
        QCOMPARE(Listed(), QStringLiteral("5,4,2,1,3"));
        CWindowTestEnv::SaveScreenshot(Frame(), QStringLiteral("loan_entries_series_column"));

        List().OnViewThumbnails();
        QListView *thumbnails = List().ThumbnailView();
        QTRY_VERIFY_WITH_TIMEOUT(ListModel().ThumbnailsIdle(), 30000);
        int lentRow = -1;
        for (int row = 0; row < ListModel().rowCount(); ++row) {
            const QString lentTo =
                ListModel().index(row, 0).data(CBookListModel::LentToRole).toString();
            QCOMPARE(lentTo, ListModel().BookIdAt(row) == 1 ? QStringLiteral("Ann") : QString());
            if (!lentTo.isEmpty())
                lentRow = row;
        }
        QVERIFY(lentRow >= 0);
        const QModelIndex lent = ListModel().index(lentRow, 0);
        QVERIFY(ListModel().data(lent, Qt::ToolTipRole).toString().endsWith("Lent to Ann"));
        // The mark is drawn on the lent book's picture alone, in its own red.
        QVERIFY(qobject_cast<CLentMarkDelegate *>(thumbnails->itemDelegate()));
        const QImage shot = thumbnails->viewport()->grab().toImage();
        const auto markPixels = [&shot](const QRect &rect) {
            int count = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    count += shot.pixelColor(x, y) == QColor(176, 42, 30);
            return count;
        };
        for (int row = 0; row < ListModel().rowCount(); ++row) {
            const int pixels = markPixels(thumbnails->visualRect(ListModel().index(row, 0)));
            QVERIFY2(row == lentRow ? pixels > 40 : pixels == 0, qPrintable(QString::number(row)));
        }
        CWindowTestEnv::SaveScreenshot(Frame(), QStringLiteral("loan_entries_thumbnails"));
    }

    void statusBarCountsOverdueBooksAndLeadsToThem()
    {
        COverdueLink *link = Overdue();
        QVERIFY(link);
        QTRY_VERIFY(link->isVisible());
        QCOMPARE(link->text(), QStringLiteral("2 books overdue"));
        CWindowTestEnv::SaveScreenshot(*Frame().statusBar(), QStringLiteral("loan_overdue_status"));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_env->Document().m_currentCategoryId, int(kOverdueEntry));
        QCOMPARE(Listed(), QStringLiteral("1,3"));

        CLoanStore loans(*m_env->Document().m_connection);
        QVERIFY(loans.Return(3));
        m_env->Document().NotifyBooksChanged();
        QCOMPARE(link->text(), QStringLiteral("1 book overdue"));
        QCOMPARE(Listed(), QStringLiteral("1"));
        QVERIFY(loans.Return(1));
        m_env->Document().NotifyBooksChanged();
        QVERIFY(!link->isVisible());
        QCOMPARE(Listed(), QString());
    }
};

TOMELODEX_GUI_TEST_MAIN(TestLoanEntries)
#include "tst_loanentries.moc"
