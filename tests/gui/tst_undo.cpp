// Edit > Undo and Redo in the real window: each kind of change the window
// makes, undone and redone with the library compared table by table; the
// menu naming the change; another program's change in between; the history
// ending with the library.

#include "LibraryFixture.h"

#include "PlainSqlite.h"
#include "TableDump.h"
#include "book/BookProperties.h"
#include "db/DbAccess.h"
#include "db/NameTidy.h"
#include "db/TomeloDoc.h"
#include "dialogs/NameTidyCommand.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CategoryTreeModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"
#include "undo/LibraryUndo.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

class TestUndo : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_path;

    CMainFrame &Frame() { return m_env->Frame(); }
    CTomeloDoc &Doc() { return m_env->Document(); }
    CTomeloListView &List() { return *Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*Doc().m_connection, sql); }
    bool Run(int command) { return Frame().RouteCommand(command); }
    QString UndoText() { return Frame().Action(ID_EDIT_UNDO)->text(); }
    QString RedoText() { return Frame().Action(ID_EDIT_REDO)->text(); }

    void Show(int category)
    {
        Frame().TreeView()->SelectCategory(category);
        QCOMPARE(Doc().m_currentCategoryId, category);
    }
    void SelectBooks(const QVector<quint32> &ids)
    {
        QAbstractItemView *view = List().CurrentView();
        view->clearSelection();
        for (int row = 0; row < List().Model()->rowCount(); ++row) {
            if (ids.contains(List().Model()->BookIdAt(row)))
                view->selectionModel()->select(List().Model()->index(row, 0),
                                               QItemSelectionModel::Select |
                                                   QItemSelectionModel::Rows);
        }
        view->setFocus();
        QTRY_COMPARE(Doc().m_selectedBookIds.size(), ids.size());
    }

    // Makes a change through `change`; then Undo gives back `before` table
    // by table, Redo the library as the change left it, and the menu names
    // the change as `name` throughout (its "&" doubled, not taken for a mark).
    void CheckUndoRedo(const std::function<void()> &change, const QString &name)
    {
        const QString menuName = QString(name).replace(u'&', QStringLiteral("&&"));
        const CTableDump before = DumpTables(m_path);
        change();
        const CTableDump after = DumpTables(m_path);
        QVERIFY2(!DumpDifference(before, after).isEmpty(), qPrintable(name + ": no change"));
        QCOMPARE(UndoText(), QStringLiteral("&Undo ") + menuName);
        QVERIFY(Frame().CommandState(ID_EDIT_UNDO));
        QVERIFY(Run(ID_EDIT_UNDO));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(name + u' ' + DumpDifference(before, DumpTables(m_path))));
        QCOMPARE(RedoText(), QStringLiteral("&Redo ") + menuName);
        QVERIFY(Run(ID_EDIT_REDO));
        QVERIFY2(DumpDifference(after, DumpTables(m_path)).isEmpty(),
                 qPrintable(name + u' ' + DumpDifference(after, DumpTables(m_path))));
        QCOMPARE(UndoText(), QStringLiteral("&Undo ") + menuName);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"));
        QVERIFY(m_env->StartWindow({m_path}));
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void eachKindOfChangeIsUndoneAndRedone()
    {
        QCOMPARE(UndoText(), QStringLiteral("&Undo"));
        QVERIFY(!Frame().CommandState(ID_EDIT_UNDO));
        QVERIFY(!Frame().CommandState(ID_EDIT_REDO));

        Show(33); // Classics
        SelectBooks({2, 3});
        CheckUndoRedo([&] { QVERIFY(Run(ID_SENDTO_FAVORITES)); },
                      QStringLiteral("Send 2 Books to Favorites"));
        m_env->prompt.answers = {MsgAnswer::Yes};
        CheckUndoRedo([&] { QVERIFY(Run(ID_REMOVE_BOOK)); },
                      QStringLiteral("Remove 2 Books from Classics"));

        Show(kAllBooks);
        SelectBooks({5});
        m_env->prompt.answers = {MsgAnswer::Yes};
        CheckUndoRedo([&] { QVERIFY(Run(ID_REMOVE_BOOK)); },
                      QStringLiteral("Move 1 Book to the Recycle Bin"));

        Show(39); // Programming Languages: copied and pasted into Science
        SelectBooks({24});
        QVERIFY(Run(ID_EDIT_COPY));
        Show(35);
        CheckUndoRedo([&] { QVERIFY(Run(ID_EDIT_PASTE)); },
                      QStringLiteral("Paste 1 Book into Science"));

        // Books dropped on a category in the tree, moving them there.
        Show(39);
        CTomeloTreeView *tree = Frame().TreeView();
        const QModelIndex kitchen = tree->model()
                                        ->match(tree->model()->index(0, 0), Qt::DisplayRole,
                                                QStringLiteral("Kitchen"), 1, Qt::MatchRecursive)
                                        .value(0);
        QVERIFY(kitchen.isValid());
        CheckUndoRedo(
            [&] {
                QVERIFY(DragAndDrop(tree->viewport(), tree->visualRect(kitchen).center(),
                                    MakeBookMimeData({24}))
                            .dropped);
            },
            QStringLiteral("Move 1 Book to Kitchen"));

        // A category cut and pasted below another.
        Show(41); // History & Ideas
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        QVERIFY(Run(ID_EDIT_CUT));
        Show(35);
        CheckUndoRedo([&] { QVERIFY(Run(ID_EDIT_PASTE)); },
                      QStringLiteral("Move Category \"History & Ideas\" to \"Science\""));

        Show(32); // Fiction, with its subcategories
        m_env->prompt.answers = {MsgAnswer::Yes};
        CheckUndoRedo([&] { QVERIFY(Run(ID_REMOVE_CATEGORY)); },
                      QStringLiteral("Remove Category \"Fiction\""));

        // A book's save from its sheet.
        Show(kAllBooks);
        SelectBooks({10});
        CheckUndoRedo(
            [&] {
                QVERIFY(DriveModal<CBookProperties>(
                    [&] { QVERIFY(Run(ID_EDIT_BOOK)); },
                    [](CBookProperties &sheet) {
                        QLineEdit *title = sheet.findChild<QLineEdit *>("Title");
                        title->selectAll();
                        QTest::keyClicks(title, QStringLiteral("Dune Messiah"));
                        sheet.findChild<QDialogButtonBox *>()
                            ->button(QDialogButtonBox::Ok)
                            ->click();
                    }));
            },
            QStringLiteral("Edit Book \"Dune Messiah\""));

        // Undone all the way back, the library is the sample again.
        while (Frame().CommandState(ID_EDIT_UNDO))
            QVERIFY(Run(ID_EDIT_UNDO));
        QVERIFY(DumpDifference(DumpTables(CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb")),
                               DumpTables(m_path))
                    .isEmpty());
        QCOMPARE(UndoText(), QStringLiteral("&Undo"));
    }

    void tidyingNamesIsUndone_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("name");
        QTest::newRow("merge") << QStringLiteral("Penguin Classics")
                               << QStringLiteral("Merge 3 Names into \"Penguin Classics\"");
        QTest::newRow("rename") << QStringLiteral("Penguin Books")
                                << QStringLiteral(
                                       "Rename \"Penguin Classics\" to \"Penguin Books\"");
        QTest::newRow("delete unused") << QString() << QStringLiteral("Delete 1 Name");
    }
    void tidyingNamesIsUndone()
    {
        QFETCH(QString, kept);
        QFETCH(QString, name);
        // Two more spellings of the sample's publisher, one of them on a book.
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES "
                                          "(90, 'Penguin classics'), (91, 'Penguin')"),
                           true, *Doc().m_connection));
        QVERIFY(ExecuteSql(QStringLiteral("UPDATE book SET PublisherID=91 WHERE BookID=2"), true,
                           *Doc().m_connection));
        QVector<CNameUse> names = {{1, QStringLiteral("Penguin Classics"), 0},
                                   {91, QStringLiteral("Penguin"), 0}};
        if (kept.isEmpty())
            names = {{90, QStringLiteral("Penguin classics"), 0}};
        else if (kept != names.first().name)
            names.removeLast();
        CheckUndoRedo(
            [&] {
                auto command =
                    std::make_unique<CNameTidyCommand>(Doc(), NameKind::Publisher, names, kept);
                CNameTidy tidy(*Doc().m_connection);
                CNameTidyChange change;
                int deleted = 0;
                const CNameTidy::Outcome outcome =
                    kept.isEmpty()
                        ? tidy.DeleteUnused(NameKind::Publisher, names, &deleted, &change)
                        : tidy.Merge(NameKind::Publisher, names, kept, &change);
                QCOMPARE(outcome, CNameTidy::Outcome::Done);
                QVERIFY(command->NameAfter(change, deleted));
                CLibraryUndo::Of(Doc()).Push(std::move(command));
            },
            name);
    }

    void importIsUndoneWithItsBooksNamesAndCovers()
    {
        const QString picture = m_env->Path(QStringLiteral("cover.gif"));
        {
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(MakeTestGif({0}));
        }
        const QString xml = m_env->Path(QStringLiteral("two.xml"));
        {
            QFile file(xml);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tomelodex Version=\"1.1\">\n"
                       "<Book ID=\"1\"><Title>Imported One</Title><ISBN>0596004206</ISBN>"
                       "<Publisher>A Press Only The File Knows</Publisher><FrontCover>" +
                       picture.toUtf8() +
                       "</FrontCover></Book>\n"
                       "<Book ID=\"2\"><Title>Imported Two</Title></Book>\n</Tomelodex>\n");
        }
        Show(35);
        m_env->files.names = {xml};
        CheckUndoRedo([&] { QVERIFY(Run(ID_FILE_IMPORT_XML)); }, QStringLiteral("Import 2 Books"));
        const QString id = Db(QStringLiteral("SELECT BookID FROM book WHERE Title='Imported One'"));
        const QString cover = QDir(CTomeloDoc::ImagesDirFor(m_path))
                                  .filePath(Db(QStringLiteral("SELECT FrontCover FROM book WHERE "
                                                              "BookID=%1")
                                                   .arg(id)));
        QCOMPARE(ReadFileBytes(cover), MakeTestGif({0}));
        QVERIFY(Run(ID_EDIT_UNDO));
        QVERIFY(!QFile::exists(cover));
        QVERIFY(Run(ID_EDIT_REDO));
        QCOMPARE(ReadFileBytes(cover), MakeTestGif({0}));
    }

    void deletedBookComesBackWithItsCover()
    {
        const QString images = CTomeloDoc::ImagesDirFor(m_path);
        const QString cover = QDir(images).filePath(QStringLiteral("9.jpg"));
        QVERIFY(ExecuteSql(QStringLiteral("UPDATE book SET FrontCover='9.jpg' WHERE BookID=9"),
                           true, *Doc().m_connection));
        QVERIFY(ExecuteSql(QStringLiteral("DELETE FROM book_category WHERE BookID=9"), true,
                           *Doc().m_connection));
        const QByteArray picture = MakeTestGif({0});
        QVERIFY(QDir().mkpath(images));
        {
            QFile file(cover);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(picture);
        }
        Show(kRecycleBin);
        SelectBooks({9});
        m_env->prompt.answers = {MsgAnswer::Yes};
        CheckUndoRedo([&] { QVERIFY(Run(ID_REMOVE_BOOK)); },
                      QStringLiteral("Delete 1 Book for Good"));
        QVERIFY(!QFile::exists(cover));
        QVERIFY(Run(ID_EDIT_UNDO));
        QCOMPARE(ReadFileBytes(cover), picture);
        QTRY_VERIFY(List().Model()->rowCount() == 1);
    }

    void anotherProgramsChangeIsAskedAbout()
    {
        Show(kAllBooks);
        SelectBooks({1});
        QVERIFY(Run(ID_SENDTO_READINGLIST));
        CPlainSqlite other(m_path);
        QVERIFY(other.Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 35)")));
        const CTableDump theirs = DumpTables(m_path);

        m_env->prompt.answers = {MsgAnswer::No};
        QVERIFY(Run(ID_EDIT_UNDO));
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QCOMPARE(m_env->prompt.shown[0].action, QStringLiteral("Undo Anyway"));
        QVERIFY(
            m_env->prompt.shown[0].text.contains(QStringLiteral("Send 1 Book to Reading List")));
        QVERIFY(DumpDifference(theirs, DumpTables(m_path)).isEmpty());
        // Kept: the change can still be undone, and is still named.
        QCOMPARE(UndoText(), QStringLiteral("&Undo Send 1 Book to Reading List"));
        QVERIFY(!Frame().CommandState(ID_EDIT_REDO));

        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(Run(ID_EDIT_UNDO));
        QCOMPARE(m_env->prompt.shown.size(), 2);
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(CatID) FROM (SELECT CatID FROM "
                                   "book_category WHERE BookID=1 ORDER BY CatID)")),
                 QStringLiteral("2,33"));
        QCOMPARE(RedoText(), QStringLiteral("&Redo Send 1 Book to Reading List"));
    }

    void historyEndsWithTheLibrary()
    {
        Show(kAllBooks);
        SelectBooks({1});
        QVERIFY(Run(ID_SENDTO_READINGLIST));
        QVERIFY(Frame().CommandState(ID_EDIT_UNDO));

        // The Edit menu as a person sees it, naming the change.
        QMenu *edit = nullptr;
        for (QAction *menu : Frame().menuBar()->actions()) {
            if (menu->menu() && menu->menu()->actions().contains(Frame().Action(ID_EDIT_UNDO)))
                edit = menu->menu();
        }
        QVERIFY(edit);
        edit->popup(Frame().mapToGlobal(QPoint(40, 30)));
        QTRY_VERIFY(edit->isVisible());
        CWindowTestEnv::SaveScreenshot(*edit, QStringLiteral("undo_edit_menu"));
        edit->close();

        const QString other = m_env->CopyLibrary(QStringLiteral("other.mdb"));
        QVERIFY(Frame().OpenDocumentFile(other));
        QVERIFY(!Frame().CommandState(ID_EDIT_UNDO));
        QCOMPARE(UndoText(), QStringLiteral("&Undo"));
        QCOMPARE(CLibraryUndo::Of(Doc()).Stack().count(), 0);
    }
};

TOMELODEX_GUI_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
