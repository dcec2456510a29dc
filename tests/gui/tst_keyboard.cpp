// The window driven by the keyboard alone: F6 between the panes, the keys
// of the category tree, context menus and the menu bar from the keyboard,
// and commands that act on the pane with the focus.

#include "LibraryFixture.h"

#include "app/StringTable.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CategoryTreeModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

enum class Pane
{
    None,
    Tree,
    List,
    Page
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;

    CMainFrame &Frame() { return m_env->Frame(); }
    CTomeloTreeView &Tree() { return *Frame().TreeView(); }
    CTomeloListView &List() { return *Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*m_env->Document().m_connection, sql); }
    bool Enabled(int command) { return Frame().Action(command)->isEnabled(); }

    // The pane that holds the keyboard focus, as a person sees it: the
    // widget that receives the keys must be the pane or inside it.
    Pane FocusedPane() { return PaneOf(QApplication::focusWidget()); }
    Pane PaneOf(QWidget *focus)
    {
        if (!focus)
            return Pane::None;
        if (focus == &Tree() || Tree().isAncestorOf(focus))
            return Pane::Tree;
        if (focus == List().CurrentView() || List().CurrentView()->isAncestorOf(focus))
            return Pane::List;
        if (Frame().HtmlView()->isAncestorOf(focus) || focus == Frame().HtmlView())
            return Pane::Page;
        return Pane::None;
    }
    // Presses `key` where a person's key press would arrive: an open menu,
    // else the widget with the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        if (!target)
            target = &Frame();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    void FocusTree()
    {
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        Tree().setFocus();
        QTRY_COMPARE(FocusedPane(), Pane::Tree);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        const QString path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'beta', "
                            "1), (33, 'Alpha', 1)"),
             QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'One'), (2, 'Two'), "
                            "(3, 'Three')"),
             QStringLiteral(
                 "INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), (1, 2)")}));
        QVERIFY(m_env->StartWindow({path}));
        Tree().expandAll();
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void f6CyclesTreeListAndPage_data()
    {
        QTest::addColumn<int>("viewCommand");
        QTest::newRow("details") << int(ID_VIEW_DETAILS);
        QTest::newRow("thumbnails") << int(ID_VIEW_THUMBNAILS);
    }
    void f6CyclesTreeListAndPage()
    {
        QFETCH(int, viewCommand);
        Frame().RouteCommand(viewCommand);
        Tree().SelectCategory(32);
        FocusTree();

        Press(Qt::Key_F6);
        QCOMPARE(FocusedPane(), Pane::List);
        // The keys reach the list: End selects its last book.
        Press(Qt::Key_End);
        QTRY_COMPARE(m_env->Document().m_selectedBookIds,
                     QVector<quint32>{List().Model()->BookIdAt(2)});
        Press(Qt::Key_F6);
        QCOMPARE(FocusedPane(), Pane::Page);
        Press(Qt::Key_F6);
        QCOMPARE(FocusedPane(), Pane::Tree);

        const Pane backwards[] = {Pane::Page, Pane::List, Pane::Tree};
        for (Pane expected : backwards) {
            Press(Qt::Key_F6, Qt::ShiftModifier);
            QCOMPARE(FocusedPane(), expected);
        }
    }

    // A menu opened and closed by the keyboard leaves the commands with the
    // pane that had the focus: Cut cuts the selected book, not nothing.
    void commandsFollowTheFocusedPaneThroughMenus()
    {
        Tree().SelectCategory(kFavorites);
        FocusTree();
        // The tree has no Cut for Favorites; the list has, for its book.
        QVERIFY(!Enabled(ID_EDIT_CUT));
        QVERIFY(!Enabled(ID_REMOVE_CATEGORY));
        Press(Qt::Key_F6);
        Press(Qt::Key_Home);
        Press(Qt::Key_Space);
        QTRY_COMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>{1});
        const int ready[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_REMOVE_BOOK, ID_EDIT_BOOK};
        for (int id : ready)
            QVERIFY2(Enabled(id), qPrintable(QString::number(id)));

        // F10 opens the first menu; the arrows move to the next; Escape
        // closes it and leaves the menu bar highlighted.
        QMenuBar *bar = Frame().menuBar();
        Press(Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(bar->activeAction(), bar->actions().first());
        CWindowTestEnv::SaveScreenshot(Frame(), QStringLiteral("keyboard_f10_menu"));
        Press(Qt::Key_Right);
        QTRY_COMPARE(bar->activeAction(), bar->actions().at(1));
        Press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        for (int id : ready)
            QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
        QVERIFY(!Enabled(ID_EDIT_PASTE));

        Press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=2")),
                 QStringLiteral("0"));
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(kBookFormat));
        // The list keeps the commands after the menu bar lets go.
        Press(Qt::Key_Escape);
        QTRY_COMPARE(FocusedPane(), Pane::List);
        QVERIFY(Enabled(ID_EDIT_PASTE));

        // In the tree, on a user category, the same keys mean the category.
        Press(Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(FocusedPane(), Pane::Tree);
        Tree().SelectCategory(33);
        QVERIFY(Enabled(ID_EDIT_CUT));
        QVERIFY(Enabled(ID_REMOVE_CATEGORY));
        QVERIFY(Enabled(ID_EDIT_PASTE)); // the book, into Alpha
    }

    void deleteAndF2InTheTreeActOnTheCategory()
    {
        // A book stays selected in the list while the tree has the focus.
        Tree().SelectCategory(32);
        QVERIFY(List().SelectBook(2));
        FocusTree();

        // Delete removes the category after the question, never the book.
        m_env->prompt.answers = {MsgAnswer::No, MsgAnswer::Yes};
        Press(Qt::Key_Delete);
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=32")),
                 QStringLiteral("1"));
        Press(Qt::Key_Delete);
        QCOMPARE(m_env->prompt.shown.size(), 2);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=32")),
                 QStringLiteral("0"));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID=2")),
                 QStringLiteral("1"));
        QCOMPARE(FocusedPane(), Pane::Tree);

        // F2 renames in place; Enter keeps the name and opens no book.
        Tree().SelectCategory(33);
        Press(Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Alpha"));
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("  Omega "));
        CWindowTestEnv::SaveScreenshot(Frame(), QStringLiteral("keyboard_f2_rename"));
        Press(Qt::Key_Return);
        QTRY_COMPARE(Db(QStringLiteral("SELECT Name FROM category WHERE CatID=33")),
                     QStringLiteral("Omega"));
        QCOMPARE(Tree().Model()->IndexOf(33).data().toString(), QStringLiteral("Omega"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FocusedPane(), Pane::Tree);

        // A blank name is refused with the sheet's message; Escape cancels.
        const int shown = m_env->prompt.shown.size();
        Press(Qt::Key_F2);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        qobject_cast<QLineEdit *>(QApplication::focusWidget())->setText(QStringLiteral("  "));
        Press(Qt::Key_Return);
        QTRY_COMPARE(m_env->prompt.shown.size(), shown + 1);
        QCOMPARE(m_env->prompt.LastText(), LoadString(165));
        Press(Qt::Key_F2);
        Press(Qt::Key_Z);
        Press(Qt::Key_Escape);
        QCOMPARE(Db(QStringLiteral("SELECT Name FROM category WHERE CatID=33")),
                 QStringLiteral("Omega"));

        // Special entries are not renamed, and F2 in the list renames nothing.
        Tree().SelectCategory(kAllBooks);
        Press(Qt::Key_F2);
        QCOMPARE(FocusedPane(), Pane::Tree);
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        Press(Qt::Key_F6);
        Press(Qt::Key_Home);
        Press(Qt::Key_F2);
        QCOMPARE(FocusedPane(), Pane::List);
    }

    void contextMenuKeysOpenTheFocusedPanesMenu_data()
    {
        QTest::addColumn<int>("pane");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("menu");
        const struct
        {
            const char *name;
            Pane pane;
            const char *menu;
        } panes[] = {{"tree", Pane::Tree, "Tree"},
                     {"list", Pane::List, "List"},
                     {"page", Pane::Page, "Html"}};
        for (const auto &entry : panes) {
            QTest::addRow("%s shift+f10", entry.name)
                << int(entry.pane) << int(Qt::Key_F10) << int(Qt::ShiftModifier)
                << QString::fromLatin1(entry.menu);
            QTest::addRow("%s menu key", entry.name)
                << int(entry.pane) << int(Qt::Key_Menu) << int(Qt::NoModifier)
                << QString::fromLatin1(entry.menu);
        }
    }
    void contextMenuKeysOpenTheFocusedPanesMenu()
    {
        QFETCH(int, pane);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, menu);
        Frame().RouteCommand(ID_VIEW_DETAILS);
        Tree().SelectCategory(32);
        FocusTree();
        // The item the menu belongs to, away from the pane's corner.
        QRect item = Tree().visualRect(Tree().currentIndex());
        item.moveTopLeft(Tree().viewport()->mapToGlobal(item.topLeft()));
        for (int step = int(Pane::Tree); step < pane; ++step)
            Press(Qt::Key_F6);
        if (pane == int(Pane::List)) {
            Press(Qt::Key_End);
            QTreeView *details = List().DetailsView();
            item = details->visualRect(details->currentIndex());
            item.moveTopLeft(details->viewport()->mapToGlobal(item.topLeft()));
            item.setHeight(item.height() + 8);
        } else if (pane == int(Pane::Page)) {
            item = QRect(Frame().HtmlView()->mapToGlobal(QPoint(0, 0)), Frame().HtmlView()->size());
        }
        QCOMPARE(int(FocusedPane()), pane);

        QString shownName;
        QPoint shownAt;
        // Looks at the menu while it is open, then closes it.
        QTimer look;
        look.setInterval(10);
        connect(&look, &QTimer::timeout, this, [&] {
            auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!shown)
                return;
            look.stop();
            shownName = shown->objectName();
            shownAt = shown->pos();
            CWindowTestEnv::SaveScreenshot(*shown, QStringLiteral("keyboard_context_") + menu);
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        look.start();
        Press(key, Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(shownName, menu);
        QVERIFY2(item.contains(shownAt), qPrintable(QStringLiteral("%1,%2 outside %3,%4 %5x%6")
                                                        .arg(shownAt.x())
                                                        .arg(shownAt.y())
                                                        .arg(item.x())
                                                        .arg(item.y())
                                                        .arg(item.width())
                                                        .arg(item.height())));
        // Nothing else happened: the window's focus stays where it was (the
        // offscreen platform does not make the window active again).
        QTRY_COMPARE(int(PaneOf(Frame().focusWidget())), pane);
    }
};

TOMELODEX_GUI_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
