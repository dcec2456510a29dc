// The book list in the real window: Send To, Remove Book and the Recycle
// Bin, cut and paste of books, sorting that outlives the window, and the
// background thumbnails.

#include "LibraryFixture.h"

#include "app/StringTable.h"
#include "db/CategoryStore.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CategoryTreeModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractItemModelTester>
#include <QActionGroup>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <QTreeView>

#include <QDate>

#include <memory>

namespace {

QStringList g_pixmapWarnings;

// Qt says so when a pixmap is made away from the window's thread.
void RecordPixmapWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("QPixmap")))
        g_pixmapWarnings << message;
}

bool IsGreen(QRgb pixel)
{
    return qGreen(pixel) > 200 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class TestListView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QString m_path;

    CTomeloListView &List() { return *m_env->Frame().ListView(); }
    CBookListModel &Model() { return *List().Model(); }
    QString Db(const QString &sql) { return QueryText(*m_env->Document().m_connection, sql); }
    void Exec(const QString &sql)
    {
        QVERIFY2(ExecuteSql(sql, true, *m_env->Document().m_connection), qPrintable(sql));
    }
    QString Members(int category)
    {
        return Db(QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM "
                                 "book_category WHERE CatID=%1 ORDER BY BookID)")
                      .arg(category));
    }
    QString Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < Model().rowCount(); ++row)
            texts << Model().index(row, column).data().toString();
        return texts.join(QLatin1Char(','));
    }
    void Show(int category)
    {
        m_env->Frame().TreeView()->SelectCategory(category);
        QCOMPARE(m_env->Document().m_currentCategoryId, category);
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        QAbstractItemView *view = List().CurrentView();
        view->clearSelection();
        for (const int row : rows)
            view->selectionModel()->select(Model().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->setFocus();
        QTRY_COMPARE(m_env->Document().m_selectedBookIds.size(), int(rows.size()));
    }
    bool Run(int command) { return m_env->Frame().RouteCommand(command); }
    bool Checked(int command)
    {
        bool checked = false;
        return m_env->Frame().CommandState(command, &checked) && checked;
    }
    // The item of the header's column menu named `text`.
    static QAction *MenuItem(QMenu &menu, const QString &text)
    {
        for (QAction *action : menu.actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }
    // The header's columns in the order shown, as "column:width" where
    // `withWidths`, else "column".
    QString ShownColumns()
    {
        const QHeaderView *header = List().DetailsView()->header();
        QStringList shown;
        for (int visual = 0; visual < header->count(); ++visual) {
            const int column = header->logicalIndex(visual);
            if (!header->isSectionHidden(column))
                shown << QString::number(column);
        }
        return shown.join(u',');
    }
    void Start()
    {
        QVERIFY(m_env->StartWindow({m_path}));
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void Stop()
    {
        m_tester.reset();
        m_env->CloseWindow();
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            m_path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1), "
                            "(33, 'Other', 1)"),
             QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Zed "
                            "Press'), (2, 'Acme')"),
             QStringLiteral("INSERT INTO book (BookID, Title, Author, PublisherID, FrontCover, "
                            "BackCover) VALUES (1, 'beta', 'Carol', 1, '1.jpg', '1b.jpg'), "
                            "(2, 'Alpha', 'bob', 2, NULL, NULL), (3, 'gamma', 'Alice', NULL, "
                            "NULL, NULL)"),
             QStringLiteral(
                 "INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), (3, 2)")}));
        Start();
    }
    void cleanup()
    {
        Stop();
        m_env.reset();
    }

    void sendToRemoveAndTheRecycleBin()
    {
        Show(32);
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        QVERIFY(List().IsThumbnailMode()); // the first start shows thumbnails
        QTRY_VERIFY(Model().ThumbnailsIdle());
        QVERIFY(!Model().Thumbnail(0).isNull()); // the "no cover" picture
        SelectRows({0, 1});
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("list_no_covers"));
        QTRY_COMPARE(m_env->Frame().StatusText(), QStringLiteral("3 books; 2 selected"));
        QCOMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>({2, 1}));
        QVERIFY(m_env->Frame().CommandState(ID_SENDTO_FAVORITES));
        QVERIFY(m_env->Frame().CommandState(ID_EDIT_BOOK)); // the bulk editor
        QVERIFY(Run(ID_SENDTO_FAVORITES));
        QVERIFY(Run(ID_SENDTO_FAVORITES)); // already there: no message, no second row
        QCOMPARE(Members(2), QStringLiteral("1,2,3"));
        QVERIFY(m_env->prompt.shown.isEmpty());

        // From All Books a book leaves every category and lands in the bin.
        Show(5);
        QVERIFY(!m_env->Frame().CommandState(ID_EDIT_CUT));
        SelectRows({1}); // beta
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(Run(ID_REMOVE_BOOK));
        QVERIFY(
            m_env->prompt.LastText().startsWith(QStringLiteral("Move 1 book to the Recycle Bin?")));
        QCOMPARE(Column(0), QStringLiteral("Alpha,gamma"));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE BookID=1")),
                 QStringLiteral("0"));

        // In the bin it is deleted for good, with its cover files.
        const QString images = CTomeloDoc::ImagesDirFor(m_path);
        for (const char *name : {"1.jpg", "1b.jpg"}) {
            QFile cover(QDir(images).filePath(QLatin1String(name)));
            QVERIFY(cover.open(QIODevice::WriteOnly));
        }
        Show(6);
        QCOMPARE(Column(0), QStringLiteral("beta"));
        SelectRows({0});
        m_env->prompt.answers = {MsgAnswer::No};
        QVERIFY(Run(ID_REMOVE_BOOK));
        QVERIFY(m_env->prompt.LastText().startsWith(QStringLiteral("Delete 1 book for good?")));
        QCOMPARE(Model().rowCount(), 1);
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(Run(ID_REMOVE_BOOK));
        QCOMPARE(Model().rowCount(), 0);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID=1")),
                 QStringLiteral("0"));
        QVERIFY(!QFile::exists(QDir(images).filePath(QStringLiteral("1.jpg"))));
        QVERIFY(!QFile::exists(QDir(images).filePath(QStringLiteral("1b.jpg"))));
        QVERIFY(m_env->Document().m_selectedBookIds.isEmpty());
    }

    // Each Remove Book question says what happens to how many books, and
    // what it says is what happens. "Mine" holds books 1 to 3; book 3 is a
    // Favorite too; book 4 waits in the Recycle Bin.
    void removeBookSaysWhatHappens_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QList<int>>("selected"); // book numbers
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("mine");     // books in "Mine" afterwards
        QTest::addColumn<QString>("recycled"); // books in no category afterwards
        QTest::addColumn<QString>("books");    // every book afterwards

        QTest::newRow("category, books in it alone")
            << 32 << QList<int>{1, 2} << true
            << QStringLiteral("Remove 2 books from \"Mine\"?\n\nThey are in no other category, "
                              "so they go to the Recycle Bin.")
            << QStringLiteral("Remove from Category") << QStringLiteral("3")
            << QStringLiteral("1,2,4") << QStringLiteral("1,2,3,4");
        QTest::newRow("category, some books elsewhere too")
            << 32 << QList<int>{1, 2, 3} << true
            << QStringLiteral("Remove 3 books from \"Mine\"?\n\n2 of them are in no other "
                              "category and go to the Recycle Bin; the others stay in their "
                              "other categories.")
            << QStringLiteral("Remove from Category") << QString() << QStringLiteral("1,2,4")
            << QStringLiteral("1,2,3,4");
        QTest::newRow("Favorites, a book filed elsewhere")
            << 2 << QList<int>{3} << true
            << QStringLiteral("Remove 1 book from \"Favorites\"?\n\nIt stays in the library "
                              "and in its other categories.")
            << QStringLiteral("Remove from Category") << QStringLiteral("1,2,3")
            << QStringLiteral("4") << QStringLiteral("1,2,3,4");
        QTest::newRow("category, answered Cancel")
            << 32 << QList<int>{1} << false
            << QStringLiteral("Remove 1 book from \"Mine\"?\n\nIt is in no other category, so "
                              "it goes to the Recycle Bin.")
            << QStringLiteral("Remove from Category") << QStringLiteral("1,2,3")
            << QStringLiteral("4") << QStringLiteral("1,2,3,4");
        QTest::newRow("All Books")
            << 5 << QList<int>{2, 3} << true
            << QStringLiteral("Move 2 books to the Recycle Bin?\n\nThey leave every category. "
                              "The Recycle Bin keeps them until they are deleted there.")
            << QStringLiteral("Move to Recycle Bin") << QStringLiteral("1")
            << QStringLiteral("2,3,4") << QStringLiteral("1,2,3,4");
        QTest::newRow("Recycle Bin")
            << 6 << QList<int>{4} << true
            << QStringLiteral("Delete 1 book for good?\n\nIts links and covers go too. This "
                              "cannot be undone.")
            << QStringLiteral("Delete for Good") << QStringLiteral("1,2,3") << QString()
            << QStringLiteral("1,2,3");
    }
    void removeBookSaysWhatHappens()
    {
        QFETCH(int, category);
        QFETCH(QList<int>, selected);
        QFETCH(bool, confirm);
        QFETCH(QString, question);
        QFETCH(QString, action);
        QFETCH(QString, mine);
        QFETCH(QString, recycled);
        QFETCH(QString, books);

        // One book waits in the Recycle Bin.
        QVERIFY(m_env->Document().m_connection->Execute(
            QStringLiteral("INSERT INTO book (BookID, Title) VALUES (4, 'delta')")));
        Show(category);
        m_env->Document().NotifyBooksChanged();
        QTRY_VERIFY(Model().rowCount() > 0);
        QAbstractItemView *view = List().CurrentView();
        view->clearSelection();
        for (int row = 0; row < Model().rowCount(); ++row)
            if (selected.contains(int(Model().BookIdAt(row))))
                view->selectionModel()->select(
                    Model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTRY_COMPARE(m_env->Document().m_selectedBookIds.size(), selected.size());

        m_env->prompt.answers = {confirm ? MsgAnswer::Yes : MsgAnswer::No};
        QVERIFY(Run(ID_REMOVE_BOOK));
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QCOMPARE(m_env->prompt.LastText(), question);
        QCOMPARE(m_env->prompt.shown[0].action, action);
        QCOMPARE(m_env->prompt.shown[0].canUndo, category != kRecycleBin);
        QCOMPARE(Members(32), mine);
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM book "
                                   "WHERE BookID NOT IN (SELECT BookID FROM book_category) ORDER "
                                   "BY BookID)")),
                 recycled);
        QCOMPARE(Db(QStringLiteral(
                     "SELECT group_concat(BookID) FROM (SELECT BookID FROM book ORDER BY BookID)")),
                 books);
    }

    void cutAndPasteBooks()
    {
        Show(32);
        SelectRows({0, 2}); // Alpha and gamma
        QVERIFY(Run(ID_EDIT_CUT));
        QCOMPARE(Members(32), QStringLiteral("1"));
        QCOMPARE(Column(0), QStringLiteral("beta"));

        Show(5);
        QVERIFY(!m_env->Frame().CommandState(ID_EDIT_PASTE)); // not into All Books
        Show(33);
        QVERIFY(m_env->Frame().CommandState(ID_EDIT_PASTE));
        QVERIFY(Run(ID_EDIT_PASTE));
        QCOMPARE(Members(33), QStringLiteral("2,3"));
        QCOMPARE(Column(0), QStringLiteral("Alpha,gamma"));
        QVERIFY(Run(ID_EDIT_PASTE)); // both already there
        QCOMPARE(m_env->prompt.LastText(), QStringLiteral("2 duplicates were not saved."));

        // Copy keeps the books where they are.
        SelectRows({1});
        QVERIFY(Run(ID_EDIT_COPY));
        Show(32);
        QVERIFY(Run(ID_EDIT_PASTE));
        QCOMPARE(Members(32), QStringLiteral("1,3"));
        QCOMPARE(Members(33), QStringLiteral("2,3"));
    }

    // The tree takes the drop; the list then finishes the drag.
    void draggedBooksMoveOrLeaveTheBin()
    {
        QWidget *tree = m_env->Frame().TreeView()->viewport();
        const auto pointOf = [&](int id) {
            CTomeloTreeView &view = *m_env->Frame().TreeView();
            return view.visualRect(view.Model()->IndexOf(id)).center();
        };
        Show(32);
        SelectRows({0}); // Alpha
        QVERIFY(DragAndDrop(tree, pointOf(33), MakeBookMimeData({2})).dropped);
        List().OnBookDragDone({2}, Qt::MoveAction);
        QCOMPARE(Members(32), QStringLiteral("1,3"));
        QCOMPARE(Members(33), QStringLiteral("2"));
        QCOMPARE(Column(0), QStringLiteral("beta,gamma"));

        QVERIFY(FillLibrary(m_path, {QStringLiteral("INSERT INTO book (BookID, Title) VALUES (9, "
                                                    "'Loose')")}));
        Show(6);
        QCOMPARE(Column(0), QStringLiteral("Loose"));
        SelectRows({0});
        // Only copying is offered out of the bin.
        const DragOutcome copied =
            DragAndDrop(tree, pointOf(32), MakeBookMimeData({9}), Qt::CopyAction);
        QCOMPARE(copied.whileDragging, Qt::CopyAction);
        QVERIFY(copied.dropped);
        List().OnBookDragDone({9}, Qt::CopyAction);
        QCOMPARE(Model().rowCount(), 0);
        QCOMPARE(Members(32), QStringLiteral("1,3,9"));
    }

    void sortingFollowsTheHeaderAndPersists()
    {
        m_env->Frame().ListView()->OnViewDetails();
        Show(32);
        QHeaderView *header = List().DetailsView()->header();
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        SelectRows({1}); // beta stays selected through sorting
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 20, header->height() / 2));
        QCOMPARE(Column(0), QStringLiteral("gamma,beta,Alpha"));
        QVERIFY(!List().SortAscending());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
        QCOMPARE(Column(1), QStringLiteral("Alice,bob,Carol"));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QVERIFY(List().SortAscending());
        QCOMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>({1}));
        List().OnColumnClick(2);
        QCOMPARE(Column(2), QStringLiteral(",Acme,Zed Press"));
        List().OnColumnClick(2);
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("list_details"));

        Stop();
        Start();
        QVERIFY(!List().IsThumbnailMode());
        Show(32);
        QCOMPARE(Column(2), QStringLiteral("Zed Press,Acme,"));
        QCOMPARE(List().DetailsView()->header()->sortIndicatorSection(), 2);
        QVERIFY(!List().SortAscending());
    }

    // Thumbnails and Details are one choice: choosing the look shown keeps
    // it, and a cover's tooltip tells the whole title and author.
    void listLookIsOneChoiceAndThumbnailsTellTheirBook()
    {
        CMainFrame &frame = m_env->Frame();
        QAction *thumbnails = frame.Action(ID_VIEW_THUMBNAILS);
        QAction *details = frame.Action(ID_VIEW_DETAILS);
        QVERIFY(thumbnails->actionGroup() && thumbnails->actionGroup()->isExclusive());
        QCOMPARE(thumbnails->actionGroup(), details->actionGroup());
        frame.UpdateCommands();
        QVERIFY(thumbnails->isChecked());
        thumbnails->trigger(); // choosing it again leaves it chosen
        QVERIFY(thumbnails->isChecked());
        QVERIFY(List().IsThumbnailMode());
        details->trigger();
        QVERIFY(!List().IsThumbnailMode());
        QVERIFY(details->isChecked() && !thumbnails->isChecked());
        thumbnails->trigger();
        QVERIFY(List().IsThumbnailMode());

        Exec(QStringLiteral("UPDATE book SET Title = 'A Very Long Title That The Grid Cuts Short "
                            "Somewhere' WHERE BookID = 2"));
        Show(32);
        QListView *view = List().ThumbnailView();
        const QRect cover = view->visualRect(Model().index(0, 0));
        QHelpEvent help(QEvent::ToolTip, cover.center(),
                        view->viewport()->mapToGlobal(cover.center()));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(),
                     QStringLiteral("A Very Long Title That The Grid Cuts Short Somewhere\nbob"));
        QToolTip::hideText();
    }

    // Columns are chosen in the header's menu, moved and widened by hand,
    // and come back so after a restart; numbers sort by value and authors,
    // on request, by last name.
    void columnsAreChosenAndRemembered()
    {
        Exec(
            QStringLiteral("UPDATE book SET PageCount = CASE BookID WHEN 1 THEN 976 WHEN 2 THEN 98 "
                           "END, Author = CASE BookID WHEN 1 THEN 'Carol Adams' WHEN 2 THEN "
                           "'bob Young' ELSE 'Alice Zorn' END"));
        List().OnViewDetails();
        Show(32);
        QHeaderView *header = List().DetailsView()->header();
        QCOMPARE(ShownColumns(), QStringLiteral("0,1,2,3,4"));

        std::unique_ptr<QMenu> menu(List().MakeHeaderMenu());
        QVERIFY(!MenuItem(*menu, QStringLiteral("Title"))->isEnabled());
        MenuItem(*menu, QStringLiteral("Pages"))->trigger();
        MenuItem(*menu, QStringLiteral("Publisher"))->trigger();
        QCOMPARE(ShownColumns(), QStringLiteral("0,1,3,4,6"));
        header->moveSection(header->visualIndex(kColumnPages), 1);
        header->resizeSection(kColumnAuthor, 150);
        menu.reset(List().MakeHeaderMenu());
        QVERIFY(MenuItem(*menu, QStringLiteral("Pages"))->isChecked());
        QVERIFY(!MenuItem(*menu, QStringLiteral("Publisher"))->isChecked());
        menu->popup(header->mapToGlobal(QPoint(40, header->height())));
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        CWindowTestEnv::SaveScreenshot(*menu, QStringLiteral("list_header_menu"));
        menu->hide();

        List().OnColumnClick(kColumnPages);
        QCOMPARE(Column(kColumnPages), QStringLiteral(",98,976"));
        List().OnColumnClick(kColumnAuthor);
        QCOMPARE(Column(kColumnAuthor), QStringLiteral("Alice Zorn,bob Young,Carol Adams"));
        menu.reset(List().MakeHeaderMenu());
        MenuItem(*menu, CommandMenuText(ID_VIEW_AUTHORS_BY_LAST_NAME))->trigger();
        QCOMPARE(Column(kColumnAuthor), QStringLiteral("Carol Adams,bob Young,Alice Zorn"));
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("list_chosen_columns"));
        menu.reset(); // the list owns it

        Stop();
        Start();
        Show(32);
        header = List().DetailsView()->header();
        QCOMPARE(ShownColumns(), QStringLiteral("0,6,1,3,4"));
        QCOMPARE(header->sectionSize(kColumnAuthor), 150);
        QVERIFY(List().SortsAuthorsByLastName());
        QCOMPARE(Column(kColumnAuthor), QStringLiteral("Carol Adams,bob Young,Alice Zorn"));
        QVERIFY(Checked(ID_VIEW_AUTHORS_BY_LAST_NAME));
    }

    void dateAddedColumnShowsTheDayEachBookCame_data()
    {
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<QStringList>("shown"); // Alpha, beta, gamma
        QTest::addColumn<QString>("oldestFirst");
        QTest::addColumn<QString>("newestFirst");
        // Noon in UTC is the same day wherever the test runs.
        QTest::newRow("library that records it")
            << true << QStringList{"Nov 05, 2024", "Mar 01, 2025", ""} << "gamma,Alpha,beta"
            << "beta,Alpha,gamma";
        QTest::newRow("library of version 1, until its first write")
            << false << QStringList{"", "", ""} << "Alpha,beta,gamma"
            << "Alpha,beta,gamma";
    }
    // Hidden until chosen; the day each book was added, sorted in time with
    // undated books first (and last when newest come first). A library
    // from before the dates were kept lists and sorts without them, and
    // records each book added after its first write.
    void dateAddedColumnShowsTheDayEachBookCame()
    {
        QFETCH(bool, recorded);
        QFETCH(QStringList, shown);
        QFETCH(QString, oldestFirst);
        QFETCH(QString, newestFirst);
        Stop();
        QVERIFY(FillLibrary(
            m_path, recorded
                        ? QStringList{QStringLiteral(
                                          "UPDATE book_added SET Added = CASE BookID WHEN 1 THEN "
                                          "'2025-03-01 12:00:00' ELSE '2024-11-05 12:00:00' END"),
                                      QStringLiteral("DELETE FROM book_added WHERE BookID = 3")}
                        : QStringList{QStringLiteral("DROP TRIGGER book_added_on_insert"),
                                      QStringLiteral("DROP TRIGGER book_added_on_delete"),
                                      QStringLiteral("DROP TABLE book_added"),
                                      QStringLiteral("PRAGMA user_version=1")}));
        Start();
        List().OnViewDetails();
        Show(32);
        QVERIFY(List().DetailsView()->header()->isSectionHidden(kColumnDateAdded));
        std::unique_ptr<QMenu> menu(List().MakeHeaderMenu());
        QAction *item = MenuItem(*menu, QStringLiteral("Date Added"));
        QVERIFY(item && !item->isChecked());
        item->trigger();
        menu.reset();
        QCOMPARE(ShownColumns(), QStringLiteral("0,1,2,3,4,10"));
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        QStringList texts;
        for (int row = 0; row < Model().rowCount(); ++row)
            texts << Model().index(row, kColumnDateAdded).data().toString();
        QCOMPARE(texts, shown);

        List().OnColumnClick(kColumnDateAdded);
        QCOMPARE(Column(0), oldestFirst);
        List().OnColumnClick(kColumnDateAdded);
        QCOMPARE(Column(0), newestFirst);
        if (recorded)
            CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("list_date_added"));

        // A book added now, as the window adds one, shows today at the top.
        const QDate before = QDate::currentDate();
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (9, 'delta')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (9, 32)"));
        const QDate after = QDate::currentDate();
        List().FillList();
        QCOMPARE(Column(0).section(u',', 0, 0), QStringLiteral("delta"));
        const QString today = Model().index(0, kColumnDateAdded).data().toString();
        QVERIFY2(today == ShownDateText(CPartialDate::FromDate(before)) ||
                     today == ShownDateText(CPartialDate::FromDate(after)),
                 qPrintable(today));
        QVERIFY2(m_env->prompt.shown.isEmpty(), qPrintable(m_env->prompt.LastText()));
    }

    // A parent lists its sub-categories' books once each; removing one of
    // them takes it out of the branch, and the choice outlives the window.
    void subcategoriesShowInTheirParent()
    {
        Stop();
        QVERIFY(FillLibrary(
            m_path, {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (34, "
                                    "'Inner', 32)"),
                     QStringLiteral("INSERT INTO book (BookID, Title) VALUES (4, 'delta')"),
                     QStringLiteral("INSERT INTO book_category VALUES (4, 34), (2, 34)")}));
        Start();
        Show(32);
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        QVERIFY(!Checked(ID_VIEW_INCLUDE_SUBCATEGORIES));
        QVERIFY(Run(ID_VIEW_INCLUDE_SUBCATEGORIES));
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,delta,gamma"));
        QTRY_VERIFY(m_env->Frame().StatusText().startsWith(QStringLiteral("4 ")));
        QMenu *view = nullptr;
        for (QAction *action : m_env->Frame().menuBar()->actions()) {
            if (action->text() == QStringLiteral("&View"))
                view = action->menu();
        }
        QVERIFY(view);
        view->popup(m_env->Frame().mapToGlobal(QPoint(60, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(m_env->Frame().Action(ID_VIEW_INCLUDE_SUBCATEGORIES)->isChecked());
        CWindowTestEnv::SaveScreenshot(*view, QStringLiteral("list_view_menu"));
        view->hide();

        SelectRows({2}); // delta, only in the sub-category
        m_env->prompt.shown.clear();
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(Run(ID_REMOVE_BOOK));
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        QCOMPARE(Members(34), QStringLiteral("2"));
        // The question counted the branch: delta leaves its only category.
        QCOMPARE(m_env->prompt.shown.size(), 1);
        const QString question = m_env->prompt.shown[0].text;
        QVERIFY2(question.contains(QStringLiteral("and its subcategories")) &&
                     question.contains(QStringLiteral("goes to the Recycle Bin")) &&
                     !question.contains(QStringLiteral("stay")),
                 qPrintable(question));

        Stop();
        Start();
        QVERIFY(List().IncludesSubcategories());
        Show(32);
        QCOMPARE(Column(0), QStringLiteral("Alpha,beta,gamma"));
        Show(34);
        QCOMPARE(Column(0), QStringLiteral("Alpha"));
        QVERIFY(Run(ID_VIEW_INCLUDE_SUBCATEGORIES));
        Show(1);
        QCOMPARE(Model().rowCount(), 0);
    }

    void thumbnailsAreSizedByTheirShape()
    {
        const QString folder = m_env->Path(QStringLiteral("covers"));
        QDir().mkpath(folder);
        QImage tall(200, 300, QImage::Format_RGB32);
        tall.fill(Qt::blue);
        QVERIFY(tall.save(folder + QStringLiteral("/tall.png")));
        QImage wide(300, 200, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        QVERIFY(wide.save(folder + QStringLiteral("/wide.png")));
        const QImage none(80, 100, QImage::Format_RGB32);

        const QImage a =
            CThumbnailWorker::DrawThumbnail(folder + QStringLiteral("/tall.png"), none);
        QCOMPARE(a.size(), QSize(80, 100));
        QCOMPARE(QColor(a.pixel(7, 50)), QColor(Qt::blue)); // 66 wide from x = 7
        QCOMPARE(QColor(a.pixel(72, 50)), QColor(Qt::blue));
        QCOMPARE(QColor(a.pixel(6, 50)), QColor(Qt::white));
        QCOMPARE(QColor(a.pixel(73, 50)), QColor(Qt::white));
        QCOMPARE(QColor(a.pixel(0, 50)), QColor(192, 192, 192)); // the frame

        const QImage b =
            CThumbnailWorker::DrawThumbnail(folder + QStringLiteral("/wide.png"), none);
        QCOMPARE(QColor(b.pixel(40, 23)), QColor(Qt::blue)); // 53 high from y = 23
        QCOMPARE(QColor(b.pixel(40, 75)), QColor(Qt::blue));
        QCOMPARE(QColor(b.pixel(40, 22)), QColor(Qt::white));
        QCOMPARE(QColor(b.pixel(40, 76)), QColor(Qt::white));

        QCOMPARE(CThumbnailWorker::DrawThumbnail(folder + QStringLiteral("/missing.png"), none),
                 none);
    }

    // The worker is still drawing the first category's covers when the
    // second one is shown: none of its pictures may reach the new rows, and
    // no pixmap is made away from the window's thread.
    void thumbnailsOfARefillNeverShowThePreviousOnes()
    {
        Stop();
        const QString images = CTomeloDoc::ImagesDirFor(m_path);
        QImage red(600, 800, QImage::Format_RGB32);
        red.fill(Qt::red);
        QImage green(300, 400, QImage::Format_RGB32);
        green.fill(Qt::green);
        QStringList statements;
        for (int id = 100; id < 260; ++id) {
            const bool first = id < 220;
            const QString name = QStringLiteral("%1.png").arg(id);
            QVERIFY((first ? red : green).save(QDir(images).filePath(name)));
            statements << QStringLiteral("INSERT INTO book (BookID, Title, FrontCover) VALUES "
                                         "(%1, 'T%1', '%2')")
                              .arg(id)
                              .arg(name)
                       << QStringLiteral("INSERT INTO book_category VALUES (%1, %2)")
                              .arg(id)
                              .arg(first ? 32 : 33);
        }
        QVERIFY(FillLibrary(m_path, statements));
        Start();
        List().OnViewThumbnails();
        QVERIFY(List().IsThumbnailMode());

        g_pixmapWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(RecordPixmapWarnings);
        Show(32);
        QTRY_VERIFY(!Model().Thumbnail(0).isNull()); // the worker is under way
        Show(33);
        QStringList wrong;
        connect(&Model(), &CBookListModel::ThumbnailDrawn, this, [&](int row) {
            const QImage picture = Model().Thumbnail(row).toImage();
            if (!IsGreen(picture.pixel(40, 50)))
                wrong << QString::number(row);
        });
        QTRY_VERIFY_WITH_TIMEOUT(Model().ThumbnailsIdle(), 20000);
        qInstallMessageHandler(previous);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(','))));
        QVERIFY2(g_pixmapWarnings.isEmpty(), qPrintable(g_pixmapWarnings.join(QLatin1Char('\n'))));
        for (int row = 0; row < Model().rowCount(); ++row)
            QVERIFY(IsGreen(Model().Thumbnail(row).toImage().pixel(40, 50)));
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("list_thumbnails"));
    }
};

TOMELODEX_GUI_TEST_MAIN(TestListView)
#include "tst_listview.moc"
