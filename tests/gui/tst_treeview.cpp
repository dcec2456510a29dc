// The category tree in the real window: its entries and their order, the
// category commands with their sheet, cut and paste, and drops.

#include "LibraryFixture.h"

#include "app/StringTable.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CategoryProperties.h"
#include "library/CategoryTreeModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <memory>

class TestTreeView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    CTomeloTreeView &Tree() { return *m_env->Frame().TreeView(); }
    CCategoryTreeModel &Model() { return *Tree().Model(); }
    QString Db(const QString &sql) { return QueryText(*m_env->Document().m_connection, sql); }
    QStringList Names(const QModelIndex &parent)
    {
        QStringList names;
        for (int row = 0; row < Model().rowCount(parent); ++row)
            names << Model().index(row, 0, parent).data().toString();
        return names;
    }
    QStringList ChildrenOf(int id) { return Names(Model().IndexOf(id)); }
    QPoint PointOf(int id)
    {
        Tree().expandAll();
        return Tree().visualRect(Model().IndexOf(id)).center();
    }
    bool Enabled(int command) { return m_env->Frame().CommandState(command); }

    // Answers the next category sheet: records what it showed, types the
    // texts and presses OK (or Cancel).
    struct SheetAnswer
    {
        SheetAnswer(const QString &typedName, const QString &typedNotes, bool pressOk)
            : name(typedName), notes(typedNotes), ok(pressOk)
        {}
        QString name, notes;
        bool ok = true;
        QString shownCaption, shownName, shownContains;
        bool containsEnabled = false;
        bool answered = false;
    };
    void AnswerNextSheet(SheetAnswer &answer)
    {
        QTimer::singleShot(0, this, [this, &answer] {
            auto *sheet = qobject_cast<CCategoryProperties *>(QApplication::activeModalWidget());
            if (!sheet) {
                AnswerNextSheet(answer); // not shown yet
                return;
            }
            auto *name = sheet->findChild<QLineEdit *>(QStringLiteral("Name"));
            auto *contains = sheet->findChild<QLineEdit *>(QStringLiteral("Contains"));
            answer.shownCaption = sheet->windowTitle();
            answer.shownName = name->text();
            answer.shownContains = contains->text();
            answer.containsEnabled = contains->isEnabled();
            CWindowTestEnv::SaveScreenshot(*sheet, QStringLiteral("category_sheet_") +
                                                       QString::number(contains->isEnabled()));
            name->setText(answer.name);
            sheet->findChild<QPlainTextEdit *>(QStringLiteral("Notes"))->setPlainText(answer.notes);
            answer.answered = true;
            if (answer.ok)
                sheet->accept();
            else
                sheet->reject();
        });
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        const QString path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'beta', "
                            "1), (33, 'Alpha', 1), (34, 'gamma', 1), (35, 'Child', 32), "
                            "(36, 'Grandchild', 35)"),
             QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'One'), (2, 'Two'), "
                            "(3, 'Three'), (4, 'Four'), (5, 'Loose')"),
             QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), (4, "
                            "35), (1, 2)")}));
        QVERIFY(m_env->StartWindow({path}));
        m_tester = std::make_unique<QAbstractItemModelTester>(
            &Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup()
    {
        m_tester.reset();
        m_env->CloseWindow();
        m_env.reset();
    }

    void entriesInTheirOrderWithSortedSiblings()
    {
        QCOMPARE(Names(QModelIndex()),
                 QStringList({"Book Collection", "Favorites", "Reading List", "Search Results",
                              "All Books", "Recycle Bin", "On Loan", "Overdue", "Borrowed",
                              "Wish List", "Series"}));
        QCOMPARE(ChildrenOf(1), QStringList({"Alpha", "beta", "gamma"}));
        QVERIFY(Tree().isExpanded(Model().IndexOf(1)));
        QCOMPARE(m_env->Document().m_currentCategoryId, 1);
        QVERIFY(Model().IndexOf(1).data(Qt::FontRole).value<QFont>().bold());

        // Special entries offer no category commands; the root only adding and editing.
        const struct
        {
            int category;
            bool add, remove, edit;
        } rules[] = {{1, true, false, true},
                     {2, false, false, false},
                     {5, false, false, false},
                     {6, false, false, false},
                     {32, true, true, true}};
        for (const auto &rule : rules) {
            Tree().SelectCategory(rule.category);
            Tree().setFocus();
            QCOMPARE(Enabled(ID_ADD_SUBCATEGORY), rule.add);
            QCOMPARE(Enabled(ID_REMOVE_CATEGORY), rule.remove);
            QCOMPARE(Enabled(ID_EDIT_CATEGORY), rule.edit);
            QCOMPARE(Enabled(ID_EDIT_CUT), rule.remove);
        }
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("tree_and_list"));
    }

    void selectingCategoriesRefillsTheList()
    {
        CBookListModel &list = *m_env->Frame().ListView()->Model();
        const struct
        {
            int category, rows;
        } expected[] = {{32, 3}, {35, 1}, {2, 1}, {5, 4}, {6, 1}, {4, 0}, {1, 0}};
        for (const auto &step : expected) {
            Tree().SelectCategory(step.category);
            QCOMPARE(m_env->Document().m_currentCategoryId, step.category);
            QCOMPARE(list.rowCount(), step.rows);
        }
        Tree().SelectCategory(6);
        QCOMPARE(list.index(0, 0).data().toString(), QStringLiteral("Loose"));
        QTRY_COMPARE(m_env->Frame().StatusText(), QStringLiteral("1 book; 0 selected"));
    }

    void addEditAndRemoveThroughTheSheet()
    {
        Tree().SelectCategory(32);
        SheetAnswer blank{QStringLiteral("   "), QString(), true};
        SheetAnswer cancel{QString(), QString(), false};
        // A blank name is refused and the sheet stays open until cancelled.
        AnswerNextSheet(blank);
        QTimer::singleShot(0, this, [&] { AnswerNextSheet(cancel); });
        Tree().OnAddSubCategory();
        QVERIFY(blank.answered && cancel.answered);
        QCOMPARE(m_env->prompt.LastText(), LoadString(165));
        QCOMPARE(cancel.shownName, QString());
        QVERIFY(!blank.containsEnabled);

        SheetAnswer add{QStringLiteral("  Aardvark "), QStringLiteral("\n\nnotes\n\nmore\n"), true};
        AnswerNextSheet(add);
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_SUBCATEGORY));
        QCOMPARE(add.shownCaption, LoadString(174));
        QCOMPARE(Db(QStringLiteral("SELECT Name || '|' || Notes || '|' || ParentID FROM category "
                                   "WHERE CatID=37")),
                 QStringLiteral("Aardvark|notes\n\nmore|32"));
        QCOMPARE(ChildrenOf(32), QStringList({"Aardvark", "Child"}));
        QCOMPARE(m_env->Document().m_currentCategoryId, 32); // the new one is not selected

        SheetAnswer edit{QStringLiteral("zulu"), QString(), true};
        AnswerNextSheet(edit);
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_CATEGORY));
        QCOMPARE(edit.shownCaption, LoadString(175));
        QCOMPARE(edit.shownName, QStringLiteral("beta"));
        QCOMPARE(edit.shownContains, QStringLiteral("3 books, 2 subcategories"));
        QCOMPARE(Db(QStringLiteral("SELECT Name FROM category WHERE CatID=32")),
                 QStringLiteral("zulu"));
        // Renamed in place: it keeps its position until the tree is rebuilt.
        QCOMPARE(ChildrenOf(1), QStringList({"Alpha", "zulu", "gamma"}));

        m_env->prompt.answers = {MsgAnswer::No};
        QVERIFY(m_env->Frame().RouteCommand(ID_REMOVE_CATEGORY));
        QCOMPARE(ChildrenOf(1).size(), 3);
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(m_env->Frame().RouteCommand(ID_REMOVE_CATEGORY));
        QCOMPARE(ChildrenOf(1), QStringList({"Alpha", "gamma"}));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID IN (32, 35, 36, "
                                   "37)")),
                 QStringLiteral("0"));
        // A neighbour became current and the list shows it.
        QVERIFY(m_env->Document().m_currentCategoryId != 32);
        QCOMPARE(Tree().currentIndex(), Model().IndexOf(m_env->Document().m_currentCategoryId));
        Tree().SelectCategory(6);
        QCOMPARE(m_env->Frame().ListView()->Model()->rowCount(), 4); // books 2, 3, 4 and 5
    }

    // Remove Category says what goes with the category and where its books
    // go, and that is what happens. "beta" holds books 1 to 3 and has "Child"
    // (book 4) with "Grandchild" below it; book 1 is a Favorite too, book 5
    // is in the Recycle Bin already.
    void removeCategorySaysWhatHappens_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("recycled"); // books in no category afterwards

        QTest::newRow("subcategories, some books elsewhere too")
            << QString() << 32
            << QStringLiteral("Remove the category \"beta\" and its 2 subcategories?\n\nOf the 4 "
                              "books filed there, 3 are in no other category and go to the "
                              "Recycle Bin; the others stay in their other categories.")
            << QStringLiteral("2,3,4,5");
        QTest::newRow("one subcategory, its book alone there")
            << QString() << 35
            << QStringLiteral("Remove the category \"Child\" and its 1 subcategory?\n\nThe 1 book "
                              "filed there is in no other category, so it goes to the Recycle "
                              "Bin.")
            << QStringLiteral("4,5");
        QTest::newRow("books filed elsewhere too")
            << QStringLiteral("INSERT INTO book_category VALUES (2, 34), (3, 34)") << 34
            << QStringLiteral("Remove the category \"gamma\"?\n\nThe 2 books filed there stay "
                              "in the library and in their other categories.")
            << QStringLiteral("5");
        QTest::newRow("empty") << QString() << 33
                               << QStringLiteral("Remove the category \"Alpha\"?\n\nNo book is "
                                                 "filed there.")
                               << QStringLiteral("5");
    }
    void removeCategorySaysWhatHappens()
    {
        QFETCH(QString, setup);
        QFETCH(int, category);
        QFETCH(QString, question);
        QFETCH(QString, recycled);

        if (!setup.isEmpty())
            QVERIFY(m_env->Document().m_connection->Execute(setup));
        Tree().SelectCategory(category);
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(m_env->Frame().RouteCommand(ID_REMOVE_CATEGORY));
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QCOMPARE(m_env->prompt.LastText(), question);
        QCOMPARE(m_env->prompt.shown[0].action, QStringLiteral("Remove Category"));
        QVERIFY(m_env->prompt.shown[0].canUndo); // Edit > Undo brings it back
        QVERIFY(!Model().IndexOf(category).isValid());
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=%1 OR ParentID=%1")
                        .arg(category)),
                 QStringLiteral("0"));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM book "
                                   "WHERE BookID NOT IN (SELECT BookID FROM book_category) ORDER "
                                   "BY BookID)")),
                 recycled);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("5"));
        // The Recycle Bin shows them.
        Tree().SelectCategory(kRecycleBin);
        QCOMPARE(m_env->Frame().ListView()->Model()->rowCount(), int(recycled.split(u',').size()));
    }

    void cutAndPasteMoveACategory()
    {
        Tree().SelectCategory(32);
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_CUT));
        QVERIFY(Model().IndexOf(32).data(Qt::ForegroundRole).isValid()); // dimmed
        // Onto itself, its parent or its descendant: message 133, nothing moves.
        for (const int destination : {32, 1, 36}) {
            m_env->prompt.shown.clear();
            Tree().SelectCategory(destination);
            Tree().setFocus();
            QVERIFY(Enabled(ID_EDIT_PASTE));
            QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_PASTE));
            QCOMPARE(m_env->prompt.LastText(), LoadString(133));
        }
        QCOMPARE(Db(QStringLiteral("SELECT ParentID FROM category WHERE CatID=32")),
                 QStringLiteral("1"));
        Tree().SelectCategory(2);
        QVERIFY(!Enabled(ID_EDIT_PASTE)); // a category goes only into a target category

        Tree().SelectCategory(34);
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_PASTE));
        QCOMPARE(Db(QStringLiteral("SELECT ParentID FROM category WHERE CatID=32")),
                 QStringLiteral("34"));
        QCOMPARE(ChildrenOf(34), QStringList({"beta"}));
        QCOMPARE(ChildrenOf(35), QStringList({"Grandchild"}));
        QVERIFY(!Model().IndexOf(32).data(Qt::ForegroundRole).isValid());

        // Cut, removed, then pasted: message 132.
        Tree().SelectCategory(33);
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_CUT));
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(m_env->Frame().RouteCommand(ID_REMOVE_CATEGORY));
        Tree().SelectCategory(34);
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_PASTE));
        QCOMPARE(m_env->prompt.LastText(), LoadString(132));
    }

    void dropsFollowTheRules()
    {
        QWidget *viewport = Tree().viewport();
        // A category onto its own descendant, itself or its parent is refused.
        for (const int target : {36, 35, 32}) {
            const DragOutcome refused =
                DragAndDrop(viewport, PointOf(target), MakeCategoryMimeData(35), Qt::MoveAction);
            QCOMPARE(refused.whileDragging, Qt::IgnoreAction);
            QVERIFY(!refused.dropped);
        }
        QCOMPARE(DragAndDrop(viewport, PointOf(2), MakeCategoryMimeData(35), Qt::MoveAction)
                     .whileDragging,
                 Qt::IgnoreAction);
        QCOMPARE(Db(QStringLiteral("SELECT ParentID FROM category WHERE CatID=35")),
                 QStringLiteral("32"));
        const DragOutcome moved =
            DragAndDrop(viewport, PointOf(33), MakeCategoryMimeData(35), Qt::MoveAction);
        QCOMPARE(moved.whileDragging, Qt::MoveAction);
        QVERIFY(moved.dropped);
        QCOMPARE(Db(QStringLiteral("SELECT ParentID FROM category WHERE CatID=35")),
                 QStringLiteral("33"));
        QCOMPARE(ChildrenOf(33), QStringList({"Child"}));

        // Books: not onto the category they come from, nor All Books; Ctrl copies.
        Tree().SelectCategory(32);
        QCOMPARE(DragAndDrop(viewport, PointOf(32), MakeBookMimeData({1})).whileDragging,
                 Qt::IgnoreAction);
        QCOMPARE(DragAndDrop(viewport, PointOf(5), MakeBookMimeData({1})).whileDragging,
                 Qt::IgnoreAction);
        const DragOutcome copied =
            DragAndDrop(viewport, PointOf(4), MakeBookMimeData({1, 2}),
                        Qt::CopyAction | Qt::MoveAction, Qt::ControlModifier);
        QCOMPARE(copied.whileDragging, Qt::CopyAction);
        QVERIFY(copied.dropped);
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID) FROM book_category WHERE "
                                   "CatID=4")),
                 QStringLiteral("1,2"));
        // From All Books only copying is offered: a plain drag copies.
        QCOMPARE(
            DragAndDrop(viewport, PointOf(3), MakeBookMimeData({3}), Qt::CopyAction).whileDragging,
            Qt::CopyAction);

        // Onto the Recycle Bin: the Remove Book question; No keeps everything.
        m_env->Frame().ListView()->CurrentView()->selectAll();
        m_env->prompt.answers = {MsgAnswer::No};
        QVERIFY(!DragAndDrop(viewport, PointOf(6), MakeBookMimeData({1, 2, 3})).dropped);
        QVERIFY2(
            m_env->prompt.LastText().startsWith(QStringLiteral("Remove 3 books from \"beta\"?")),
            qPrintable(m_env->prompt.LastText()));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("3"));
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(DragAndDrop(viewport, PointOf(6), MakeBookMimeData({1, 2, 3})).dropped);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("0"));
    }
};

TOMELODEX_GUI_TEST_MAIN(TestTreeView)
#include "tst_treeview.moc"
