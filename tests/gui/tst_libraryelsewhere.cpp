// The window on a library that other programs touch: what another tool
// commits shows in the tree, the list and the page within seconds, with the
// category and the selection kept; a library of a newer version is shown
// read-only with every command that writes disabled.

#include "LibraryFixture.h"
#include "PlainSqlite.h"

#include "db/SchemaVersion.h"
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
#include <QTimer>
#include <QTreeView>
#include <QWebEnginePage>

namespace {

constexpr int kWait = 30000;

QStringList Titles(CBookListModel &model)
{
    QStringList titles;
    for (int row = 0; row < model.rowCount(); ++row)
        titles << model.index(row, 0).data().toString();
    return titles;
}

} // namespace

class TestLibraryElsewhere : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_path;

    CTomeloListView &List() { return *m_env->Frame().ListView(); }
    CBookListModel &Model() { return *List().Model(); }
    CTomeloTreeView &Tree() { return *m_env->Frame().TreeView(); }

    void SelectBookRows(std::initializer_list<int> rows)
    {
        QAbstractItemView *view = List().CurrentView();
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(Model().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTRY_COMPARE_WITH_TIMEOUT(m_env->Document().m_selectedBookIds.size(), int(rows.size()),
                                  kWait);
    }

    // The page has been loaded and the thumbnails drawn, for a picture.
    void WaitUntilShown()
    {
        CTomeloHtmlView &view = *m_env->Frame().HtmlView();
        QTRY_VERIFY_WITH_TIMEOUT(!view.page()->isLoading() && view.url() == view.PageUrl(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(Model().ThumbnailsIdle(), kWait);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            m_path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Shelf', 1), "
                            "(33, 'Inner', 32)"),
             QStringLiteral("INSERT INTO book (BookID, Title, Author) VALUES (1, 'Alpha', 'A'), "
                            "(2, 'Beta', 'B'), (3, 'Gamma', 'C'), (4, 'Delta', 'D')"),
             QStringLiteral(
                 "INSERT INTO book_category VALUES (1, 33), (2, 33), (3, 33), (4, 33)")}));
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void whatAnotherProgramCommitsShowsWithPlaceKept()
    {
        QVERIFY(m_env->StartWindow({m_path}));
        Tree().SelectCategory(33);
        QCOMPARE(Titles(Model()), (QStringList{"Alpha", "Beta", "Delta", "Gamma"}));
        SelectBookRows({1, 3}); // Beta and Gamma
        const QVector<quint32> selected = m_env->Document().m_selectedBookIds;
        QCOMPARE(selected, (QVector<quint32>{2, 3}));
        Tree().expand(Tree().Model()->IndexOf(32));

        CPlainSqlite other(m_path);
        QVERIFY2(other.Exec(QStringLiteral(
                     "BEGIN; UPDATE book SET Title='Beta Revised' WHERE BookID=2;"
                     "DELETE FROM book WHERE BookID=4;"
                     "INSERT INTO book (BookID, Title) VALUES (5, 'Epsilon');"
                     "INSERT INTO book_category VALUES (5, 33);"
                     "INSERT INTO category (CatID, Name, ParentID) VALUES (34, 'Attic', 1);"
                     "COMMIT")),
                 qPrintable(other.Error()));

        QTRY_COMPARE_WITH_TIMEOUT(
            Titles(Model()), (QStringList{"Alpha", "Beta Revised", "Epsilon", "Gamma"}), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(Tree().Model()->IndexOf(34).isValid(), kWait);
        QCOMPARE(m_env->Document().m_currentCategoryId, 33);
        QVERIFY(Tree().isExpanded(Tree().Model()->IndexOf(32)));
        QCOMPARE(Tree().Model()->CategoryAt(Tree().currentIndex()), 33);
        QCOMPARE(m_env->Document().m_selectedBookIds, selected);
        QCOMPARE(List().CurrentView()->selectionModel()->selectedRows().size(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_env->Frame().HtmlView()->Html().contains(QStringLiteral("Beta Revised")), kWait);
        WaitUntilShown();
        CWindowTestEnv::SaveScreenshot(m_env->Frame(), QStringLiteral("changed-elsewhere"));

        // A selected book that another program deletes leaves the selection,
        // and the page shows what is left.
        QVERIFY(other.Exec(QStringLiteral("DELETE FROM book WHERE BookID=3")));
        QTRY_COMPARE_WITH_TIMEOUT(m_env->Document().m_selectedBookIds, QVector<quint32>{2}, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_env->Frame().HtmlView()->Html().contains(QStringLiteral("Gamma")), kWait);

        // The category shown goes: the root is shown instead.
        QVERIFY(other.Exec(QStringLiteral("DELETE FROM category WHERE CatID=32")));
        QTRY_COMPARE_WITH_TIMEOUT(m_env->Document().m_currentCategoryId, 1, kWait);
        QVERIFY(!Tree().Model()->IndexOf(33).isValid());
    }

    void newerLibraryIsShownReadOnly()
    {
        {
            CPlainSqlite db(m_path);
            QVERIFY(db.Exec(
                QStringLiteral("PRAGMA user_version=%1").arg(CSchemaVersion::Current() + 1)));
        }
        const QByteArray before = ReadFileBytes(m_path);
        QVERIFY(m_env->StartWindow({m_path}));
        CMainFrame &frame = m_env->Frame();
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QVERIFY2(m_env->prompt.LastText().contains(QStringLiteral("newer version")),
                 qPrintable(m_env->prompt.LastText()));

        Tree().SelectCategory(32);
        frame.UpdateCommands();
        for (int id : {ID_ADD_SUBCATEGORY, ID_EDIT_CATEGORY, ID_REMOVE_CATEGORY, ID_FILE_IMPORT_XML,
                       ID_COMPACT_DATABASE, ID_BASIC_SEARCH, ID_TIDY_NAMES})
            QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        Tree().SelectCategory(33);
        SelectBookRows({0});
        frame.UpdateCommands();
        for (int id : {ID_ADD_BOOK, ID_REMOVE_BOOK, ID_EDIT_BOOK, ID_EDIT_CUT, ID_SENDTO_FAVORITES,
                       ID_SENDTO_READINGLIST})
            QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        // Reading, exporting and queries stay.
        for (int id :
             {ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_XML, ID_FILE_PRINT, ID_EDIT_COPY, ID_RUN_SQL})
            QVERIFY2(frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        QTRY_VERIFY_WITH_TIMEOUT(frame.HtmlView()->Html().contains(QStringLiteral("Alpha")), kWait);

        // Neither a double click nor a drop gets round it. Should the sheet
        // open all the same, it is closed again so that the test goes on.
        bool sheetOpened = false;
        QTimer::singleShot(0, this, [&sheetOpened] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                sheetOpened = true;
                modal->close();
            }
        });
        const QModelIndex first = Model().index(0, 0);
        QAbstractItemView *view = List().CurrentView();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
        QTest::qWait(50);
        QVERIFY(!sheetOpened);
        const QRect favourites = Tree().visualRect(Tree().Model()->IndexOf(2));
        const DragOutcome drop =
            DragAndDrop(Tree().viewport(), favourites.center(), MakeBookMimeData({1}));
        QCOMPARE(drop.whileDragging, Qt::IgnoreAction);
        QVERIFY(!drop.dropped);

        QVERIFY2(frame.windowTitle().startsWith(QStringLiteral("lib.mdb (read-only) - ")),
                 qPrintable(frame.windowTitle()));
        WaitUntilShown();
        CWindowTestEnv::SaveScreenshot(frame, QStringLiteral("newer-library"));
        m_env->CloseWindow();
        QCOMPARE(ReadFileBytes(m_path), before);
    }
};

TOMELODEX_GUI_TEST_MAIN(TestLibraryElsewhere)
#include "tst_libraryelsewhere.moc"
