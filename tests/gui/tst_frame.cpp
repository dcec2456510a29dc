// The main window's own commands on real libraries: which are enabled when,
// New Database onto the open library, Import XML into the current category
// and Compact Database.

#include "GuiTestSupport.h"

#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "frame/OptionFileDialog.h"
#include "library/BookListModel.h"
#include "library/CategoryTreeModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

QString Query(const QString &library, const QString &sql)
{
    CLibraryConnection connection;
    QString error;
    if (!connection.Open(library, &error))
        return QStringLiteral("<cannot open: %1>").arg(error);
    return QueryText(connection, sql);
}

// Every membership of `library` as "Title>>path of the category", sorted;
// Search Results, which only the last search fills, left out.
QString MembershipsByPath(const QString &library)
{
    return Query(library,
                 QStringLiteral(
                     "WITH RECURSIVE p(CatID, Path) AS (SELECT CatID, '>>' || Name FROM category "
                     "WHERE ParentID IS NULL UNION ALL SELECT c.CatID, p.Path || '>>' || c.Name "
                     "FROM category c JOIN p ON c.ParentID = p.CatID) "
                     "SELECT group_concat(x, char(10)) FROM (SELECT Title || p.Path AS x FROM "
                     "book_category JOIN book USING (BookID) JOIN p USING (CatID) WHERE CatID <> 3 "
                     "ORDER BY x)"));
}

// Answers "No" (add the book anyway) and meanwhile presses Esc in the
// progress window, as a user who changes their mind.
class CEscapingPrompt : public CUserPrompt
{
public:
    CEscapingPrompt() { SetUserPrompt(this); }
    ~CEscapingPrompt() override { SetUserPrompt(nullptr); }
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override
    {
        ++asked;
        if (QWidget *progress = QApplication::activeModalWidget())
            QCoreApplication::postEvent(
                progress, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        return MsgAnswer::No;
    }
    int asked = 0;
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsFollowLibraryAndCategory();
    void commandsReachPanesWithoutFocus();
    void newDatabaseOntoOpenLibrary();
    void importXmlIntoCurrentCategory();
    void importXmlRestoresCategoriesWhenAsked();
    void compactDatabaseKeepsLibraryOpen();
    void recentFilesOpenAndForgetMissingOnes();
    void failedOpenKeepsTheOpenLibrary_data();
    void failedOpenKeepsTheOpenLibrary();
    void failedOpenFromTheCommandLineNamesTheFile();
};

void TestFrame::commandsFollowLibraryAndCategory()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    QVERIFY(env.StartWindow());
    CMainFrame &frame = env.Frame();
    const int needLibrary[] = {ID_BASIC_SEARCH, ID_RUN_SQL, ID_COMPACT_DATABASE, ID_TIDY_NAMES};

    // No library: nothing that needs one, but New and Open.
    for (int id : needLibrary)
        QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(!frame.Action(ID_FILE_IMPORT_XML)->isEnabled());
    QVERIFY(frame.Action(ID_FILE_NEW)->isEnabled());
    QVERIFY(frame.Action(ID_FILE_OPEN)->isEnabled());
    // Undo has no handler anywhere.
    QVERIFY(!frame.Action(ID_EDIT_UNDO)->isEnabled());

    QVERIFY(frame.OpenDocumentFile(env.CopyLibrary(QStringLiteral("Books.mdb"))));
    for (int id : needLibrary)
        QVERIFY2(frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));

    // Import XML: the root and user categories only.
    const struct
    {
        int category;
        bool enabled;
    } cases[] = {{1, true},  {2, false},  {3, false}, {4, false}, {5, false},
                 {6, false}, {31, false}, {32, true}, {42, true}};
    for (const auto &entry : cases) {
        env.Document().SetCurrentCategory(entry.category);
        QCOMPARE(frame.Action(ID_FILE_IMPORT_XML)->isEnabled(), entry.enabled);
        QCOMPARE(frame.CommandState(ID_FILE_IMPORT_XML), entry.enabled);
    }
    // A disabled command is not carried out, whoever asks: no dialog opens.
    env.Document().SetCurrentCategory(2);
    QVERIFY(!frame.RouteCommand(ID_FILE_IMPORT_XML));
    QVERIFY(env.files.filters.isEmpty());

    // A library that fails to open leaves the open one open, and the
    // commands stay as they were.
    const QString title = frame.windowTitle();
    QFile bad(env.Path(QStringLiteral("Bad.mdb")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("this is no database, only some text that is long enough to be read");
    bad.close();
    QVERIFY(!frame.OpenDocumentFile(bad.fileName()));
    QCOMPARE(env.prompt.shown.size(), 1);
    for (int id : needLibrary)
        QVERIFY(frame.Action(id)->isEnabled());
    // The library that failed is not offered among the recent files.
    QVERIFY(!frame.RecentFiles().contains(QFileInfo(bad.fileName()).absoluteFilePath()));
    QCOMPARE(frame.windowTitle(), title);
}

void TestFrame::commandsReachPanesWithoutFocus()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
    QVERIFY(env.StartWindow({library}));
    CMainFrame &frame = env.Frame();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.TreeView()->SelectCategory(5); // All Books
    frame.TreeView()->setFocus();
    QTRY_VERIFY(frame.TreeView()->hasFocus());
    const int books = Query(library, QStringLiteral("SELECT COUNT(*) FROM book")).toInt();
    QVERIFY(books > 20);

    // The tree has no Select All of its own: the list's selects every book.
    QVERIFY(frame.Action(ID_EDIT_SELECT_ALL)->isEnabled());
    frame.Action(ID_EDIT_SELECT_ALL)->trigger();
    QTRY_COMPARE(env.Document().m_selectedBookIds.size(), books);
    QVERIFY(frame.TreeView()->hasFocus());

    // The list's view mode is shown and switched from the tree too.
    frame.RouteCommand(ID_VIEW_DETAILS);
    QVERIFY(frame.Action(ID_VIEW_DETAILS)->isChecked());
    QVERIFY(!frame.Action(ID_VIEW_THUMBNAILS)->isChecked());
    QVERIFY(frame.RouteCommand(ID_VIEW_THUMBNAILS));
    QVERIFY(frame.Action(ID_VIEW_THUMBNAILS)->isChecked());
    QVERIFY(!frame.Action(ID_VIEW_DETAILS)->isChecked());

    // The tree's commands follow its state while the list has the focus.
    frame.ListView()->setFocus();
    QTRY_VERIFY(!frame.TreeView()->hasFocus());
    QVERIFY(!frame.CommandState(ID_ADD_SUBCATEGORY)); // not under All Books
    frame.TreeView()->SelectCategory(1);
    frame.ListView()->setFocus();
    QVERIFY(frame.CommandState(ID_ADD_SUBCATEGORY));
    env.SaveScreenshot(frame, QStringLiteral("main-window-panes"));
}

void TestFrame::newDatabaseOntoOpenLibrary()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
    QVERIFY(Query(library, QStringLiteral("SELECT COUNT(*) FROM book")).toInt() > 20);
    QVERIFY(env.StartWindow({library}));
    // What the document showed, and what the file held, at each change.
    QStringList changes;
    connect(&env.Document(), &CTomeloDoc::LibraryOpened, this, [&] {
        changes += QStringLiteral("%1 with %2 books")
                       .arg(env.Document().IsLibraryOpen() ? "open" : "closed",
                            Query(library, QStringLiteral("SELECT COUNT(*) FROM book")));
    });

    env.files.names = {library};
    QVERIFY(env.Frame().RouteCommand(ID_FILE_NEW));
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
    QCOMPARE(env.files.filters.value(0), QStringLiteral("Tomelodex Databases (*.mdb)"));

    // The file is a fresh library, open in the window: the old one was
    // closed before its file was replaced.
    CTomeloDoc &doc = env.Document();
    QVERIFY(doc.IsLibraryOpen());
    QCOMPARE(doc.GetPathName(), library);
    // The old library was closed while its file still held its books.
    QCOMPARE(changes.size(), 2);
    QVERIFY2(changes[0].startsWith(QStringLiteral("closed with ")) &&
                 changes[0] != QStringLiteral("closed with 0 books"),
             qPrintable(changes.join(u';')));
    QCOMPARE(changes[1], QStringLiteral("open with 0 books"));
    QCOMPARE(Query(library, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
    QCOMPARE(Query(library, QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID >= 32")),
             QStringLiteral("0"));
    // What the window writes now lands in the new file, not in the old one.
    QString error;
    QVERIFY2(
        doc.m_connection->Execute(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'New', 1)"),
            &error),
        qPrintable(error));
    QCOMPARE(Query(library, QStringLiteral("SELECT Name FROM category WHERE CatID = 32")),
             QStringLiteral("New"));
    QCOMPARE(env.Frame().RecentFiles().value(0), library);

    // Cancelling the dialog changes nothing.
    QVERIFY(env.Frame().RouteCommand(ID_FILE_NEW));
    QCOMPARE(doc.GetPathName(), library);
    QCOMPARE(Query(library, QStringLiteral("SELECT Name FROM category WHERE CatID = 32")),
             QStringLiteral("New"));
}

void TestFrame::importXmlIntoCurrentCategory()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString sample = env.CopyLibrary(QStringLiteral("Sample.mdb"));
    const QString xml = env.Path(QStringLiteral("books.xml"));
    const CliRun exported =
        RunCliTool({QStringLiteral("export-xml"), sample, QStringLiteral("1"), QStringLiteral("2"),
                    QStringLiteral("3"), QStringLiteral("-o"), xml},
                   env.Path(QStringLiteral("config")));
    QVERIFY2(exported.code == 0, qPrintable(exported.err));

    const QString target = env.CopyLibrary(QStringLiteral("Target.mdb"), true);
    QVERIFY(env.StartWindow({target}));
    QString error;
    QVERIFY(env.Document().m_connection->Execute(
        QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1)"),
        &error));
    env.Document().SetCurrentCategory(32);
    int booksChanged = 0;
    connect(&env.Document(), &CTomeloDoc::BooksChanged, this, [&] { ++booksChanged; });

    env.files.names = {xml};
    QVERIFY(env.Frame().RouteCommand(ID_FILE_IMPORT_XML));
    QCOMPARE(env.files.filters.value(0), QStringLiteral("XML Files (*.xml)"));
    QCOMPARE(env.prompt.LastText(), QStringLiteral("3 books found; 3 imported to the current "
                                                   "category.\n3 imported, 0 skipped, 0 failed."));
    QCOMPARE(Query(target, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));
    // Only into the current category, whatever the file names.
    QCOMPARE(Query(target, QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID = 32")),
             QStringLiteral("3"));
    QCOMPARE(Query(target, QStringLiteral("SELECT COUNT(*) FROM book_category")),
             QStringLiteral("3"));
    QCOMPARE(booksChanged, 1);
    // The progress window is gone and the window takes input again.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!env.Frame().findChild<QWidget *>(QStringLiteral("ProgressWindow")));

    // Again: every book is a duplicate; skipping all imports none and the
    // list is not told to refill.
    env.prompt.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes};
    env.files.names = {xml};
    QVERIFY(env.Frame().RouteCommand(ID_FILE_IMPORT_XML));
    QCOMPARE(env.prompt.LastText(), QStringLiteral("3 books found; 0 imported to the current "
                                                   "category.\n0 imported, 3 skipped, 0 failed."));
    QCOMPARE(booksChanged, 1);

    // Esc in the progress window while the first book is added (the user
    // answered its duplicate question with "add anyway") cancels the import,
    // which keeps nothing and reports nothing.
    CEscapingPrompt escaping;
    env.files.names = {xml};
    QVERIFY(env.Frame().RouteCommand(ID_FILE_IMPORT_XML));
    QCOMPARE(escaping.asked, 1);
    QCOMPARE(Query(target, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));
    QCOMPARE(booksChanged, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrame::importXmlRestoresCategoriesWhenAsked()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString sample = env.CopyLibrary(QStringLiteral("Sample.mdb"));
    const QString xml = env.Path(QStringLiteral("all.xml"));
    const CliRun exported =
        RunCliTool({QStringLiteral("export-xml"), sample, QStringLiteral("--category"),
                    QStringLiteral("5"), QStringLiteral("-o"), xml},
                   env.Path(QStringLiteral("config")));
    QVERIFY2(exported.code == 0, qPrintable(exported.err));
    const QString books = Query(sample, QStringLiteral("SELECT COUNT(*) FROM book"));

    const QString target = env.CopyLibrary(QStringLiteral("Target.mdb"), true);
    QVERIFY(env.StartWindow({target}));
    env.Document().SetCurrentCategory(1);
    env.files.names = {xml};
    env.files.optionAnswers = {true};
    QVERIFY(env.Frame().RouteCommand(ID_FILE_IMPORT_XML));
    QCOMPARE(env.files.optionTexts, QStringList({QStringLiteral("Restore categories")}));
    QCOMPARE(env.files.optionsOffered, QList<bool>({false})); // unchecked at first
    QVERIFY2(env.prompt.LastText().startsWith(
                 QStringLiteral("%1 books found; %1 imported into the categories the file names.")
                     .arg(books)),
             qPrintable(env.prompt.LastText()));
    // Every book is where it was, and the tree shows the categories made.
    QCOMPARE(MembershipsByPath(target), MembershipsByPath(sample));
    CCategoryTreeModel &tree = *env.Frame().TreeView()->Model();
    const QModelIndex root = tree.IndexOf(1);
    QStringList topNames;
    for (int row = 0; row < tree.rowCount(root); ++row)
        topNames << tree.index(row, 0, root).data().toString();
    QVERIFY2(topNames.contains(QStringLiteral("Fiction")) &&
                 topNames.contains(QStringLiteral("Science")),
             qPrintable(topNames.join(u',')));

    // Undone, the categories it made go with its books.
    QVERIFY(env.Frame().RouteCommand(ID_EDIT_UNDO));
    QCOMPARE(Query(target, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
    QCOMPARE(Query(target, QStringLiteral("SELECT group_concat(CatID) FROM category")),
             QStringLiteral("1,2,3,4"));

    // The choice is remembered for the next import; cancelling keeps it.
    QVERIFY(env.Frame().RouteCommand(ID_FILE_IMPORT_XML));
    QCOMPARE(env.files.optionsOffered, QList<bool>({false, true}));

    // The dialog a person sees: the check box below the file fields.
    COptionFileDialog dialog(&env.Frame(), QStringLiteral("Import XML"),
                             QStringLiteral("XML Files (*.xml)"),
                             QStringLiteral("Restore categories"));
    dialog.setDirectory(env.Path(QString()));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.Option()->isVisible());
    QVERIFY(dialog.rect().contains(
        QRect(dialog.Option()->mapTo(&dialog, QPoint(0, 0)), dialog.Option()->sizeHint())));
    CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("import-xml-dialog"));
}

void TestFrame::compactDatabaseKeepsLibraryOpen()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
    QVERIFY(env.StartWindow({library}));
    const QString books = Query(library, QStringLiteral("SELECT COUNT(*) FROM book"));
    QVERIFY(env.Frame().RouteCommand(ID_COMPACT_DATABASE));
    QVERIFY2(env.prompt.LastText().startsWith(QStringLiteral("Database has been compacted")),
             qPrintable(env.prompt.LastText()));
    QVERIFY(env.Document().IsLibraryOpen());
    QCOMPARE(env.Document().GetPathName(), library);
    QCOMPARE(Query(library, QStringLiteral("SELECT COUNT(*) FROM book")), books);
    QVERIFY(!QApplication::overrideCursor());
}

void TestFrame::recentFilesOpenAndForgetMissingOnes()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    QStringList libraries;
    for (const char *name : {"A.mdb", "B.mdb", "C.mdb", "D.mdb", "E.mdb"})
        libraries += env.CopyLibrary(QString::fromLatin1(name), true);
    QVERIFY(env.StartWindow());
    env.files.names = libraries;
    for (int i = 0; i < libraries.size(); ++i)
        QVERIFY(env.Frame().RouteCommand(ID_FILE_OPEN));
    // Four are kept, the last opened first.
    QCOMPARE(env.Frame().RecentFiles(),
             QStringList({libraries[4], libraries[3], libraries[2], libraries[1]}));
    QVERIFY(env.Frame().Action(ID_FILE_MRU_FIRST + 3)->isEnabled());

    QVERIFY(env.Frame().RouteCommand(ID_FILE_MRU_FIRST + 2));
    QCOMPARE(env.Document().GetPathName(), libraries[2]);
    QCOMPARE(env.Frame().RecentFiles().value(0), libraries[2]);

    // A recent library that has gone is reported and dropped from the list.
    QVERIFY(QFile::remove(libraries[1]));
    QVERIFY(env.Frame().RouteCommand(ID_FILE_MRU_FIRST + 3));
    QCOMPARE(env.prompt.shown.size(), 1);
    QVERIFY(!env.Frame().RecentFiles().contains(libraries[1]));
    QCOMPARE(env.Frame().RecentFiles().size(), 3);
    QVERIFY(!env.Frame().Action(ID_FILE_MRU_FIRST + 3));
}

void TestFrame::failedOpenKeepsTheOpenLibrary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // empty: the file is not made
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("fromRecentMenu"); // else through Open Database
    QTest::addColumn<QString>("reason");

    QTest::newRow("text file") << QStringLiteral("notes.mdb") << QByteArray(300, 'x') << false
                               << false << QStringLiteral("file is not a database");
    QTest::newRow("missing file from the recent menu")
        << QStringLiteral("gone.mdb") << QByteArray() << false << true
        << QStringLiteral("The file does not exist.");
    QTest::newRow("folder") << QStringLiteral("folder.mdb") << QByteArray() << true << false
                            << QStringLiteral("It is a folder, not a file.");
    QTest::newRow("another program's database")
        << QStringLiteral("other.mdb") << QByteArray() << false << false
        << QStringLiteral("no such table: book");
}

void TestFrame::failedOpenKeepsTheOpenLibrary()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(bool, folder);
    QFETCH(bool, fromRecentMenu);
    QFETCH(QString, reason);

    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString bad = env.Path(name);
    const QString good = env.CopyLibrary(QStringLiteral("Books.mdb"));
    if (!contents.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    } else if (folder) {
        QVERIFY(QDir().mkpath(bad));
    } else if (name == QLatin1String("other.mdb")) {
        CLibraryConnection other;
        QVERIFY(other.Create(bad));
        QVERIFY(other.Execute(QStringLiteral("CREATE TABLE notes (text TEXT)")));
    } else {
        // Opened once, so that it is among the recent files, then gone.
        QVERIFY(QFile::copy(good, bad));
    }
    QVERIFY(env.StartWindow(fromRecentMenu ? QStringList({bad}) : QStringList()));
    CMainFrame &frame = env.Frame();
    QVERIFY(frame.OpenDocumentFile(good));
    frame.TreeView()->SelectCategory(5);
    const int books = frame.ListView()->Model()->rowCount();
    QVERIFY(books > 0);
    const QString title = frame.windowTitle();

    env.prompt.shown.clear();
    if (fromRecentMenu) {
        QCOMPARE(frame.RecentFiles().value(1), bad);
        QVERIFY(QFile::remove(bad));
        QVERIFY(frame.RouteCommand(ID_FILE_MRU_FIRST + 1));
    } else {
        env.files.names = {bad};
        QVERIFY(frame.RouteCommand(ID_FILE_OPEN));
    }

    // The open library, its category and its list are still there.
    QVERIFY(env.Document().IsLibraryOpen());
    QCOMPARE(env.Document().GetPathName(), good);
    QCOMPARE(env.Document().m_currentCategoryId, 5);
    QCOMPARE(frame.ListView()->Model()->rowCount(), books);
    QCOMPARE(frame.windowTitle(), title);
    QVERIFY(frame.Action(ID_RUN_SQL)->isEnabled());
    // One message: the file, why, what to do, and what stays open.
    QCOMPARE(env.prompt.shown.size(), 1);
    QCOMPARE(env.prompt.shown[0].icon, MsgIcon::Error);
    const QString text = env.prompt.LastText();
    QVERIFY2(text.startsWith(bad + QStringLiteral(" could not be opened as a library:\n") + reason),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Choose a Tomelodex library")), qPrintable(text));
    QVERIFY2(text.endsWith(good + QStringLiteral(" stays open.")), qPrintable(text));
    QVERIFY(!frame.RecentFiles().contains(bad));
    QCOMPARE(frame.RecentFiles().value(0), good);
}

void TestFrame::failedOpenFromTheCommandLineNamesTheFile()
{
    CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
    const QString bad = env.Path(QStringLiteral("Broken.mdb"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300, 'x'));
    file.close();
    QVERIFY(!env.StartWindow({bad}));
    QCOMPARE(env.prompt.shown.size(), 1);
    const QString text = env.prompt.LastText();
    QVERIFY2(text.startsWith(bad + QStringLiteral(" could not be opened as a library:\n")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("stays open")), qPrintable(text));
}

TOMELODEX_GUI_TEST_MAIN(TestFrame)
#include "tst_frame.moc"
