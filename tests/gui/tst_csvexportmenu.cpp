// File > Export > CSV and Goodreads CSV in the real window: the books the
// list shows for the current category written in each layout, read back as
// a table by the import, and a file that cannot be written reported.

#include "GuiTestSupport.h"

#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "exchange/CsvTable.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The header and the number of records of a CSV file, read as the import
// reads tables.
QPair<QStringList, int> ReadTable(const QString &path)
{
    CCsvTable table;
    if (!table.Open(path))
        return {{QStringLiteral("<not read: %1>").arg(table.Error())}, 0};
    int records = 0;
    QStringList record;
    while (table.NextRow(record))
        ++records;
    return {table.Header(), records};
}

} // namespace

class TestCsvExportMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportTheCategoryFromTheFileMenu()
    {
        CWindowTestEnv env;
        const QString library = env.CopyLibrary(QStringLiteral("Books.mdb"));
        QVERIFY(env.StartWindow({library}));
        CMainFrame &frame = env.Frame();
        env.Document().SetCurrentCategory(5); // All Books
        QVERIFY(frame.CommandState(ID_FILE_EXPORT_CSV));
        QVERIFY(frame.CommandState(ID_FILE_EXPORT_GOODREADS_CSV));

        // Both under File > Export, as a person sees them.
        QMenu *file = frame.menuBar()->actions().value(0)->menu();
        QVERIFY(file);
        QMenu *exportMenu = nullptr;
        for (QAction *action : file->actions())
            if (action->menu() &&
                action->menu()->actions().contains(frame.Action(ID_FILE_EXPORT_CSV)))
                exportMenu = action->menu();
        QVERIFY(exportMenu);
        QVERIFY(exportMenu->actions().contains(frame.Action(ID_FILE_EXPORT_GOODREADS_CSV)));
        exportMenu->popup(frame.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(exportMenu));
        CWindowTestEnv::SaveScreenshot(*exportMenu, QStringLiteral("csv-export-menu"));
        exportMenu->close();

        CLibraryConnection db;
        QVERIFY(db.Open(library));
        const int books = QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book")).toInt();
        QVERIFY(books > 0);
        db.Close();

        // A name without a suffix gets ".csv".
        env.files.names = {env.Path(QStringLiteral("books")), env.Path(QStringLiteral("gr.csv"))};
        QVERIFY(frame.RouteCommand(ID_FILE_EXPORT_CSV));
        QVERIFY(frame.RouteCommand(ID_FILE_EXPORT_GOODREADS_CSV));
        QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
        const auto csv = ReadTable(env.Path(QStringLiteral("books.csv")));
        QCOMPARE(csv.first.value(0), QStringLiteral("Title"));
        QCOMPARE(csv.first.mid(csv.first.size() - 3),
                 (QStringList{QStringLiteral("Categories"), QStringLiteral("Series"),
                              QStringLiteral("SeriesNumber")}));
        QCOMPARE(csv.second, books);
        const auto goodreads = ReadTable(env.Path(QStringLiteral("gr.csv")));
        QCOMPARE(goodreads.first.value(1), QStringLiteral("Title"));
        QCOMPARE(goodreads.first.value(18), QStringLiteral("Exclusive Shelf"));
        QCOMPARE(goodreads.second, books);

        // A folder that is not there: told, and nothing claimed written.
        env.files.names = {env.Path(QStringLiteral("missing/books.csv"))};
        QVERIFY(frame.RouteCommand(ID_FILE_EXPORT_CSV));
        QCOMPARE(env.prompt.shown.size(), 1);
        QVERIFY2(env.prompt.LastText().contains(QStringLiteral("books.csv")),
                 qPrintable(env.prompt.LastText()));
    }
};

QTEST_MAIN(TestCsvExportMenu)
#include "tst_csvexportmenu.moc"
