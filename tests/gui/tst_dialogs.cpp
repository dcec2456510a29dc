// The search results dialog against the fake product service, and the
// Basic Search, Run SQL and Options commands of the real window on a copy
// of the sample library.

#include "FakeService.h"
#include "GuiTestSupport.h"

#include "adding/ResultsDlg.h"
#include "app/AppSettings.h"
#include "app/TomeloApp.h"
#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "dialogs/BasicSearchDlg.h"
#include "dialogs/InputSQLDlg.h"
#include "dialogs/NameChoiceDlg.h"
#include "dialogs/Options.h"
#include "dialogs/TidyNamesDlg.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "frame/ProgressWindow.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "online/HttpClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

const char kNoValidResults[] = "No valid results found.\nNote: e-books are ignored.";

// Runs `act` on the modal dialog of type T as soon as it is shown. Whatever
// `act` leaves open is cancelled, so a failed check never hangs the test.
template <typename T> void WhenShown(std::function<void(T &)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        // Keys go to the dialog only once it is the active window.
        if (!dialog || !dialog->isVisible() || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

template <typename T> T *Child(QWidget &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

void Click(QWidget &dialog, const char *button)
{
    QPushButton *target = Child<QPushButton>(dialog, button);
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

QStringList Column(const QTableWidget &list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts += list.item(row, column)->text();
    return texts;
}

QStringList ListTitles(CMainFrame &frame)
{
    const CBookListModel &model = *frame.ListView()->Model();
    QStringList titles;
    for (int row = 0; row < model.rowCount(); ++row)
        titles += model.data(model.index(row, kColumnTitle)).toString();
    titles.sort();
    return titles;
}

void TypeInto(QLineEdit *edit, const QString &text)
{
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// A counted English text with its "(s)" resolved for `count`, whether or not
// the running translators have resolved it already.
QString EnglishCount(QString text, int count)
{
    return text.replace(QStringLiteral("(s)"), count == 1 ? QString() : QStringLiteral("s"));
}

QString Screenshot(QWidget &widget, const QString &name)
{
    return CWindowTestEnv::SaveScreenshot(widget, name);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<CFakeService> m_service;

    // A window on a copy of the sample library, using the fake service.
    bool Start(CWindowTestEnv &env)
    {
        if (!CAppSettings::SetSearchHost(m_service->baseUrl()) ||
            !CAppSettings::SetServiceHost(m_service->baseUrl()))
            return false;
        return env.StartWindow({env.CopyLibrary(QStringLiteral("Books.mdb"))});
    }

    void SetServiceDelay(int ms)
    {
        QVERIFY(HttpGet(m_service->baseUrl() + QStringLiteral("/__delay?ms=%1").arg(ms), 1024).ok);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_service = std::make_unique<CFakeService>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
    }
    void cleanupTestCase() { m_service.reset(); }

    void singleResultIsTakenAtOnce();
    void resultsPageThroughAndChoose();
    void resultsCloseOnFirstPageFailure();
    void cancelWhileSearching();
    void basicSearchFilesAndReportsFailure();
    void runSqlSelectAndUpdate();
    void optionsStoredAndReadBack();
    void templateFollowsLanguage();
    void tidyNamesMergesRenamesAndDeletes();
};

void TestDialogs::singleResultIsTakenAtOnce()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    CBookRecord record;
    // No dialog is answered: the one result is accepted without a choice.
    QVERIFY(SearchByTitleAuthorPublisher(record, QString(), QString(), QStringLiteral("  Brindle "),
                                         true, &env.Frame()));
    QCOMPARE(record.ISBN, QStringLiteral("0596007124"));
    QCOMPARE(record.Title, QStringLiteral("Cartography of the Quiet Sea"));
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
    const QStringList requests = m_service->requests();
    QVERIFY(requests.contains(QStringLiteral("GET ") +
                              CFakeService::searchPath(QStringLiteral("publisher:brindle"), 1)));
    QVERIFY(requests.contains(QStringLiteral("GET ") +
                              CFakeService::lookupPath(QStringLiteral("0596007124"))));

    // The lookup of the chosen book stalls, and Esc in its progress window
    // ends it at once, saying nothing more.
    QVERIFY(
        HttpGet(m_service->baseUrl() + QStringLiteral("/__delay?ms=30000&item=0596007124"), 1024)
            .ok);
    QTimer escape;
    escape.setInterval(20);
    connect(&escape, &QTimer::timeout, [&escape] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<CProgressWindow *>(window) && window->isVisible()) {
                escape.stop();
                QTest::keyClick(window, Qt::Key_Escape);
            }
        }
    });
    escape.start();
    CBookRecord cancelled;
    QVERIFY(!SearchByTitleAuthorPublisher(cancelled, QString(), QString(),
                                          QStringLiteral("Brindle"), true, &env.Frame()));
    QVERIFY(!escape.isActive());
    QCOMPARE(cancelled.ErrorText, QString::fromLatin1(kHttpCancelledError));
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
    QVERIFY(
        HttpGet(m_service->baseUrl() + QStringLiteral("/__delay?ms=0&item=0596007124"), 1024).ok);
}

void TestDialogs::resultsPageThroughAndChoose()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    CResultsDlg results(QStringLiteral("Knit + Purl & More: Tips and Tricks"), QString(), QString(),
                        &env.Frame());
    bool checked = false;
    WhenShown<CResultsDlg>([&](CResultsDlg &dialog) {
        auto *list = Child<QTableWidget>(dialog, "Results");
        QTRY_VERIFY(!dialog.IsSearching());
        Screenshot(dialog, QStringLiteral("results.png"));
        QCOMPARE(dialog.CurrentPage(), 1);
        QCOMPARE(dialog.TotalPages(), 3);
        QCOMPARE(list->rowCount(), 8); // two e-books left out
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(Child<QLabel>(dialog, "Status")
                    ->text()
                    .startsWith(QStringLiteral("24 results found, 3 pages. Current page: 1")));
        QCOMPARE(Child<QPushButton>(dialog, "FirstPage")->toolTip(), QStringLiteral("First page"));
        QCOMPARE(Child<QPushButton>(dialog, "LastPage")->toolTip(), QStringLiteral("Last page"));
        // On page 1 there is nothing before.
        QVERIFY(!Child<QPushButton>(dialog, "FirstPage")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "PreviousPage")->isEnabled());

        Click(dialog, "NextPage");
        QTRY_COMPARE(dialog.CurrentPage(), 2);
        QTRY_VERIFY(!dialog.IsSearching());
        QVERIFY(Child<QPushButton>(dialog, "PreviousPage")->isEnabled());
        Click(dialog, "LastPage");
        QTRY_COMPARE(dialog.CurrentPage(), 3);
        QTRY_VERIFY(!dialog.IsSearching());
        QCOMPARE(Column(*list, 0), QStringList({"1903211611", "1903211603"}));
        QVERIFY(!Child<QPushButton>(dialog, "NextPage")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "LastPage")->isEnabled());
        Click(dialog, "FirstPage");
        QTRY_COMPARE(dialog.CurrentPage(), 1);
        QTRY_VERIFY(!dialog.IsSearching());
        QCOMPARE(list->rowCount(), 8);

        // OK with nothing selected asks for a choice and keeps the dialog.
        list->clearSelection();
        Click(dialog, "OK");
        QCOMPARE(env.prompt.LastText(), QStringLiteral("Please select one item from the list."));
        QVERIFY(dialog.isVisible());
        // Keys choose the third row.
        list->setFocus();
        list->setCurrentCell(2, 0);
        QTest::keyClick(list, Qt::Key_Return);
        checked = true;
    });
    QCOMPARE(results.exec(), int(QDialog::Accepted));
    QVERIFY(checked);
    QCOMPARE(results.m_chosenIsbn, QStringLiteral("1903211484"));
    QCOMPARE(env.prompt.shown.size(), 1);
}

void TestDialogs::resultsCloseOnFirstPageFailure()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    // The service refuses the query: its message is shown, the dialog closes
    // and the caller's record keeps the message.
    CBookRecord record;
    QVERIFY(!SearchByTitleAuthorPublisher(record, QString(), QStringLiteral("Nobody"), QString(),
                                          true, &env.Frame()));
    QCOMPARE(env.prompt.shown.size(), 1);
    QVERIFY(env.prompt.LastText().startsWith(QStringLiteral("Error message returned from")));
    QCOMPARE(record.ErrorText, env.prompt.LastText());

    // Only e-books found: said so, closed, and no error for the caller.
    CResultsDlg ebooks(QStringLiteral("ebooks"), QString(), QString(), &env.Frame());
    QCOMPARE(ebooks.exec(), int(QDialog::Rejected));
    QCOMPARE(env.prompt.LastText(), QString::fromUtf8(kNoValidResults));
    QVERIFY(ebooks.m_errorText.isEmpty());

    // The search host does not answer at all.
    {
        const CFakeService stopped;
        QVERIFY(CAppSettings::SetSearchHost(stopped.baseUrl()));
    }
    CResultsDlg unreachable(QStringLiteral("garden"), QString(), QString(), &env.Frame());
    QCOMPARE(unreachable.exec(), int(QDialog::Rejected));
    QCOMPARE(unreachable.m_errorText, QStringLiteral("Failed to load book info from XML source."));
    QCOMPARE(env.prompt.shown.size(), 3);
}

void TestDialogs::cancelWhileSearching()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    // Far longer than the test waits: only an aborted transfer ends in time.
    SetServiceDelay(30000);
    CResultsDlg results(QStringLiteral("garden"), QString(), QStringLiteral("Quillmark"),
                        &env.Frame());
    bool wasSearching = false;
    WhenShown<CResultsDlg>([&](CResultsDlg &dialog) {
        // The dialog takes events while the page is on its way.
        wasSearching = dialog.IsSearching();
        Screenshot(dialog, QStringLiteral("results-searching.png"));
        QVERIFY(Child<QWidget>(dialog, "Busy")->isVisible());
        QVERIFY(!Child<QPushButton>(dialog, "OK")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(results.exec(), int(QDialog::Rejected));
    QVERIFY(wasSearching);
    QTRY_VERIFY_WITH_TIMEOUT(!results.RequestPending(), 5000);
    SetServiceDelay(0);
    QCoreApplication::processEvents();
    // The aborted request says nothing.
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
}

void TestDialogs::basicSearchFilesAndReportsFailure()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    CMainFrame &frame = env.Frame();
    CTomeloDoc &doc = env.Document();
    QCOMPARE(doc.m_currentCategoryId, 1);

    WhenShown<CBasicSearchDlg>([&](CBasicSearchDlg &dialog) {
        Screenshot(dialog, QStringLiteral("basic-search.png"));
        QVERIFY(Child<QCheckBox>(dialog, "ClearFirst")->isChecked());
        QLineEdit *keyword = Child<QLineEdit>(dialog, "Keyword");
        QCOMPARE(QApplication::focusWidget(), keyword);
        // Blank is refused and the dialog stays.
        QTest::keyClicks(keyword, QStringLiteral("  "));
        QTest::keyClick(keyword, Qt::Key_Return);
        QCOMPARE(env.prompt.LastText(), QStringLiteral("Please enter a search keyword."));
        QVERIFY(dialog.isVisible());
        TypeInto(keyword, QStringLiteral("programming"));
        QTest::keyClick(keyword, Qt::Key_Return);
    });
    QVERIFY(frame.RouteCommand(ID_BASIC_SEARCH));
    // The tree moved to Search Results and the list shows exactly the finds.
    const QStringList programming{"Code Complete",
                                  "Introduction to Algorithms",
                                  "The C Programming Language",
                                  "The C++ Programming Language",
                                  "The Pragmatic Programmer",
                                  "Think Python"};
    QCOMPARE(doc.m_currentCategoryId, 3);
    QCOMPARE(ListTitles(frame), programming);
    QCOMPARE(env.prompt.shown.size(), 1);

    // Escape changes nothing.
    WhenShown<CBasicSearchDlg>([&](CBasicSearchDlg &dialog) {
        TypeInto(Child<QLineEdit>(dialog, "Keyword"), QStringLiteral("gibson"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(frame.RouteCommand(ID_BASIC_SEARCH));
    QCOMPARE(ListTitles(frame), programming);

    // Filing refused by the library: the failure is reported, not a count,
    // and what was filed before stays.
    QVERIFY(doc.m_connection->Execute(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON book_category WHEN NEW.CatID=3 "
                       "BEGIN SELECT RAISE(ABORT, 'Search Results is read-only'); END")));
    WhenShown<CBasicSearchDlg>([&](CBasicSearchDlg &dialog) {
        Child<QCheckBox>(dialog, "ClearFirst")->setChecked(false);
        TypeInto(Child<QLineEdit>(dialog, "Keyword"), QStringLiteral("gibson"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    QVERIFY(frame.RouteCommand(ID_BASIC_SEARCH));
    QCOMPARE(env.prompt.shown.size(), 2);
    QVERIFY2(
        env.prompt.LastText().startsWith(QStringLiteral("INSERT OR IGNORE INTO book_category")),
        qPrintable(env.prompt.LastText()));
    QVERIFY(env.prompt.LastText().endsWith(QStringLiteral("\nSearch Results is read-only")));
    QCOMPARE(ListTitles(frame), programming);

    // Nothing found: said so, and the list stays as it was.
    QVERIFY(doc.m_connection->Execute(QStringLiteral("DROP TRIGGER refuse")));
    doc.SetCurrentCategory(1);
    const int rootRows = frame.ListView()->Model()->rowCount();
    WhenShown<CBasicSearchDlg>([&](CBasicSearchDlg &dialog) {
        Child<QCheckBox>(dialog, "ClearFirst")->setChecked(false);
        TypeInto(Child<QLineEdit>(dialog, "Keyword"), QStringLiteral("no such words"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    QVERIFY(frame.RouteCommand(ID_BASIC_SEARCH));
    QCOMPARE(env.prompt.LastText(), QStringLiteral("No search results found."));
    QCOMPARE(doc.m_currentCategoryId, 1);
    QCOMPARE(frame.ListView()->Model()->rowCount(), rootRows);
}

void TestDialogs::runSqlSelectAndUpdate()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    CMainFrame &frame = env.Frame();
    // Counts as a person in the United States reads them.
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restoreLocale = qScopeGuard([&] { QLocale::setDefault(oldLocale); });

    bool checked = false;
    WhenShown<CInputSQLDlg>([&](CInputSQLDlg &dialog) {
        QLineEdit *edit = Child<QLineEdit>(dialog, "Statement");
        auto *table = Child<QTableView>(dialog, "SqlRows");
        auto *count = Child<QLabel>(dialog, "SqlRowCount");
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(!table->isVisible());
        auto run = [&](const QString &statement) {
            TypeInto(edit, statement);
            QTest::keyClick(edit, Qt::Key_Return);
        };
        auto cell = [&](int row, int column) {
            return table->model()->index(row, column).data().toString();
        };

        // A query's rows show under the statement, the dialog staying open.
        run(QStringLiteral("SELECT BookID, Title, ReleaseDate, x'00ff' AS Raw, NULL AS Blank "
                           "FROM book ORDER BY BookID"));
        QVERIFY(dialog.isVisible());
        QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
        QVERIFY(table->isVisible());
        QCOMPARE(table->model()->rowCount(), 41);
        QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Title"));
        QCOMPARE(cell(0, 0), QStringLiteral("1"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"))
                    .match(cell(0, 2))
                    .hasMatch());
        QCOMPARE(EnglishCount(cell(0, 3), 2), QStringLiteral("(2 bytes of binary data)"));
        QCOMPARE(cell(0, 4), QStringLiteral("NULL"));
        QCOMPARE(EnglishCount(count->text(), 41), QStringLiteral("41 rows"));
        QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
        Screenshot(dialog, QStringLiteral("run-sql-rows"));

        run(QStringLiteral("SELECT Title FROM book WHERE BookID = 27"));
        QCOMPARE(EnglishCount(count->text(), 1), QStringLiteral("1 row"));
        QCOMPARE(cell(0, 0), QStringLiteral("The Pragmatic Programmer"));

        // A long result: the first thousand rows and the whole count.
        const QString numbers = QStringLiteral(
            "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
            "SELECT x, 'row ' || x AS Name FROM n");
        run(numbers.arg(20000));
        QCOMPARE(table->model()->rowCount(), 1000);
        QCOMPARE(cell(999, 1), QStringLiteral("row 1000"));
        QCOMPARE(EnglishCount(count->text(), 20000), QStringLiteral("1,000 of 20,000 rows shown"));
        // Counting stops once it has gone far enough.
        run(numbers.arg(5000000));
        QCOMPARE(count->text(), QStringLiteral("1,000 of more than 100,000 rows shown"));
        QVERIFY(env.prompt.shown.isEmpty());

        // A statement that changes rows reports them, and the window follows.
        env.Document().SetCurrentCategory(38); // Computing
        QVERIFY(ListTitles(frame).contains(QStringLiteral("Pro Git")));
        run(QStringLiteral(
            "UPDATE book SET Title = Title || ' (2nd ed.)' WHERE BookID IN (27, 32, 33)"));
        QCOMPARE(
            env.prompt.LastText(),
            QStringLiteral("Records affected: 3\nNumber of records in the returned recordset: 0"));
        QCOMPARE(table->model()->rowCount(), 0);
        QCOMPARE(count->text(), QString());
        // The tree was rebuilt (the root shown), and the list shows the new titles.
        QCOMPARE(env.Document().m_currentCategoryId, 1);
        QStringList titles = ListTitles(frame);
        QVERIFY(titles.contains(QStringLiteral("The Pragmatic Programmer (2nd ed.)")));
        QVERIFY(titles.contains(QStringLiteral("Introduction to Algorithms (2nd ed.)")));
        QVERIFY(!titles.contains(QStringLiteral("The Pragmatic Programmer")));

        // Again while the root is shown already: the list still follows.
        run(QStringLiteral("UPDATE book SET Title = 'The Pragmatic Programmer' WHERE BookID = 27"));
        titles = ListTitles(frame);
        QVERIFY(titles.contains(QStringLiteral("The Pragmatic Programmer")));
        QVERIFY(!titles.contains(QStringLiteral("The Pragmatic Programmer (2nd ed.)")));

        // A failure shows the database's message, and no rows of before.
        run(QStringLiteral("SELECT Title FROM book"));
        const int shown = env.prompt.shown.size();
        run(QStringLiteral("SELECT Titel FROM book"));
        QCOMPARE(env.prompt.shown.size(), shown + 1);
        QCOMPARE(env.prompt.LastText(),
                 QStringLiteral("SELECT Titel FROM book\nno such column: Titel"));
        QCOMPARE(table->model()->rowCount(), 0);

        // A blank statement is refused with the dialog kept open.
        run(QString());
        QCOMPARE(env.prompt.LastText(), QStringLiteral("SQL statement cannot be empty."));
        QVERIFY(dialog.isVisible());
        checked = true;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(frame.RouteCommand(ID_RUN_SQL));
    QVERIFY(checked);
}

void TestDialogs::optionsStoredAndReadBack()
{
    CWindowTestEnv env;
    // Two templates of one style in two languages, as an installation may have.
    const QString styles = env.ProgramDir() + QStringLiteral("/Styles/");
    QVERIFY(QFile::copy(styles + QStringLiteral("Default (ENU).xsl"),
                        styles + QStringLiteral("Plain Enu.xsl")));
    QVERIFY(QFile::copy(styles + QStringLiteral("Default (ENU).xsl"),
                        styles + QStringLiteral("Plain Chs.xsl")));
    // A language the program has no name for.
    QVERIFY(QFile::copy(env.ProgramDir() + QStringLiteral("/Languages/TomelodexChs.qm"),
                        env.ProgramDir() + QStringLiteral("/Languages/TomelodexXyz.qm")));
    QVERIFY(CAppSettings::SetAssociateTag(QStringLiteral("oldtag-20")));
    QVERIFY(CAppSettings::SetLookupSource(QStringLiteral("openlibrary")));
    QVERIFY(CAppSettings::SetServiceHost(QStringLiteral("http://127.0.0.1:9")));
    QVERIFY(Start(env));
    CMainFrame &frame = env.Frame();
    const QStringList templates = frame.XslTemplates();
    const int plainEnu = int(templates.indexOf(QStringLiteral("Plain Enu")));
    QVERIFY(plainEnu >= 0);
    QVERIFY(frame.RouteCommand(ID_STYLE_XSL_FIRST + plainEnu));
    QCOMPARE(frame.HtmlView()->XslIndex(), plainEnu);

    WhenShown<COptions>([&](COptions &sheet) {
        Screenshot(sheet, QStringLiteral("options-defaults.png"));
        auto *language = Child<QComboBox>(sheet, "Language");
        QCOMPARE(language->count(), 2); // the library's languages
        language->setEditText(QStringLiteral("Klingon"));
        auto *status = Child<QComboBox>(sheet, "Status");
        QCOMPARE(status->currentIndex(), -1);
        status->setCurrentText(QStringLiteral("Wish List"));
        TypeInto(Child<QLineEdit>(sheet, "UserText1"), QStringLiteral("signed copy"));
        Child<QCheckBox>(sheet, "HasPurchaseDate")->setChecked(true);
        Child<QDateEdit>(sheet, "PurchaseDate")->setDate(QDate(2005, 3, 7));
        Child<QCheckBox>(sheet, "EbookOnly")->setChecked(true);

        Child<QTabWidget>(sheet, "Pages")->setCurrentIndex(1);
        Screenshot(sheet, QStringLiteral("options-misc.png"));
        auto *languageName = Child<QComboBox>(sheet, "LanguageName");
        QCOMPARE(languageName->currentText(), QStringLiteral("English"));
        QStringList names;
        for (int i = 0; i < languageName->count(); ++i)
            names += languageName->itemText(i);
        // Each language by its own name; one the program has no name for by its code.
        QCOMPARE(names, QString::fromUtf8("English|Italiano|Xyz|简体中文|繁體中文").split(u'|'));
        languageName->setCurrentText(QString::fromUtf8("简体中文"));
        auto *tag = Child<QLineEdit>(sheet, "AssociateTag");
        QCOMPARE(tag->text(), QStringLiteral("oldtag-20"));
        tag->clear();
        // The stored source is offered; the other one is chosen.
        auto *source = Child<QComboBox>(sheet, "LookupSource");
        QCOMPARE(source->currentText(), QStringLiteral("Open Library"));
        source->setCurrentText(QStringLiteral("Amazon (discontinued service)"));
        TypeInto(Child<QLineEdit>(sheet, "LookupContact"), QStringLiteral("reader@example.org"));
        sheet.accept();
    });
    QVERIFY(frame.RouteCommand(ID_OPTIONS));

    using S = CAppSettings;
    QCOMPARE(S::DefaultTextValue(S::kDefaultLanguage), QStringLiteral("Klingon"));
    QCOMPARE(S::DefaultTextValue(S::kDefaultStatus), QStringLiteral("Wish List"));
    QCOMPARE(S::DefaultTextValue(S::kDefaultUserText1), QStringLiteral("signed copy"));
    QCOMPARE(S::DefaultTextValue(S::kDefaultPurchaseDate), QStringLiteral("Mar 07, 2005"));
    QVERIFY(S::EbookOnly());
    QCOMPARE(S::UiLanguage(), QStringLiteral("Chs"));
    QCOMPARE(S::LookupSource(), QStringLiteral("product"));
    QCOMPARE(S::LookupContact(), QStringLiteral("reader@example.org"));
    // The cleared tag holds at once; the language waits for the next start.
    QCOMPARE(S::AssociateTag(), QString());
    QVERIFY(TomeloApp().m_associateTag.isEmpty());
    QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Enu"));
    // The template of the chosen language is stored; the view keeps its own.
    QCOMPARE(S::Xsl(), int(templates.indexOf(QStringLiteral("Plain Chs"))));
    QCOMPARE(frame.HtmlView()->XslIndex(), plainEnu);
    // New books start with the stored values.
    CBookRecord record;
    record.ResetToDefaults();
    QCOMPARE(record.Language, QStringLiteral("Klingon"));
    QVERIFY(record.EBookOnly);

    // Read back. The language chosen for the next start is offered again,
    // not the one running, so OK on the first page keeps it.
    WhenShown<COptions>([&](COptions &sheet) {
        QCOMPARE(Child<QComboBox>(sheet, "Language")->currentText(), QStringLiteral("Klingon"));
        QCOMPARE(Child<QComboBox>(sheet, "Status")->currentText(), QStringLiteral("Wish List"));
        QCOMPARE(Child<QLineEdit>(sheet, "UserText1")->text(), QStringLiteral("signed copy"));
        QCOMPARE(Child<QDateEdit>(sheet, "PurchaseDate")->date(), QDate(2005, 3, 7));
        QVERIFY(Child<QCheckBox>(sheet, "EbookOnly")->isChecked());
        QCOMPARE(Child<QComboBox>(sheet, "LookupSource")->currentText(),
                 QStringLiteral("Amazon (discontinued service)"));
        Child<QCheckBox>(sheet, "HasPurchaseDate")->setChecked(false);
        QTest::keyClick(Child<QLineEdit>(sheet, "UserText1"), Qt::Key_Return);
    });
    QVERIFY(frame.RouteCommand(ID_OPTIONS));
    QCOMPARE(S::DefaultTextValue(S::kDefaultPurchaseDate), QString());
    QCOMPARE(S::UiLanguage(), QStringLiteral("Chs"));
    QCOMPARE(S::Xsl(), int(templates.indexOf(QStringLiteral("Plain Chs"))));

    // Cancel stores nothing.
    WhenShown<COptions>([&](COptions &sheet) {
        TypeInto(Child<QLineEdit>(sheet, "UserText2"), QStringLiteral("never stored"));
        QTest::keyClick(&sheet, Qt::Key_Escape);
    });
    QVERIFY(frame.RouteCommand(ID_OPTIONS));
    QCOMPARE(S::DefaultTextValue(S::kDefaultUserText2), QString());
}

void TestDialogs::templateFollowsLanguage()
{
    const QStringList templates{"Compact (ENU)", "Default (ENU)", "Default (CHS)",
                                "Default (ITA)", "Plain Enu",     "Plain Chs"};
    using O = COptions;
    QCOMPARE(O::TemplateForLanguage(templates, 1, QStringLiteral("Chs")), 2);
    QCOMPARE(O::TemplateForLanguage(templates, 2, QStringLiteral("Ita")), 3);
    QCOMPARE(O::TemplateForLanguage(templates, 3, QStringLiteral("Enu")), 1);
    QCOMPARE(O::TemplateForLanguage(templates, 4, QStringLiteral("Chs")), 5);
    // No template of that style in the language: the current one stays.
    QCOMPARE(O::TemplateForLanguage(templates, 0, QStringLiteral("Chs")), 0);
    QCOMPARE(O::TemplateForLanguage(templates, 1, QStringLiteral("Cht")), 1);
    QCOMPARE(O::TemplateForLanguage(templates, 1, QString()), 1);
}


// The item of `tree` (a name or a group) whose first column reads `text`.
static QTreeWidgetItem *FindItem(QTreeWidget &tree, const QString &text)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if ((*it)->text(0) == text)
            return *it;
    }
    return nullptr;
}

void TestDialogs::tidyNamesMergesRenamesAndDeletes()
{
    CWindowTestEnv env;
    QVERIFY(Start(env));
    CMainFrame &frame = env.Frame();
    CTomeloDoc &doc = env.Document();
    CLibraryConnection &db = *doc.m_connection;
    auto query = [&db](const QString &sql) { return QueryText(db, sql); };
    // Two more spellings of a publisher the sample has (17, "Addison-Wesley
    // Professional"), each on a book, and two names no book carries.
    QVERIFY(db.Execute(QStringLiteral(
        "INSERT INTO bookpublisher VALUES (100, 'Addison Wesley'), (101, 'addison-wesley'), "
        "(102, 'Nobody Press'), (103, 'Unknown House'); UPDATE book SET PublisherID=100 WHERE "
        "BookID=1; UPDATE book SET PublisherID=101 WHERE BookID=2; UPDATE book SET "
        "LocationID=3 WHERE BookID=3; INSERT INTO booklocation VALUES (9, 'Bedside Table ')")));
    const QString addisonBooks = query(QStringLiteral(
        "SELECT COUNT(*) FROM book WHERE PublisherID IN (17, 100, 101)"));
    QVERIFY(addisonBooks.toInt() >= 3);
    const int unusedPublishers =
        query(QStringLiteral("SELECT COUNT(*) FROM bookpublisher WHERE PublisherID NOT IN "
                             "(SELECT PublisherID FROM book WHERE PublisherID IS NOT NULL)"))
            .toInt();
    QVERIFY(unusedPublishers >= 2);
    const QString bedsideBooks =
        query(QStringLiteral("SELECT COUNT(*) FROM book WHERE LocationID IN (3, 9)"));
    QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultLocation,
                                              QStringLiteral("bedside table")));
    doc.SetCurrentCategory(5); // All Books
    const CBookListModel &list = *frame.ListView()->Model();
    const QString firstTitle = query(QStringLiteral("SELECT Title FROM book WHERE BookID=1"));
    auto listedPublisher = [&] {
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.data(list.index(row, kColumnTitle)).toString() == firstTitle)
                return list.data(list.index(row, kColumnPublisher)).toString();
        }
        return QStringLiteral("<not listed>");
    };
    QCOMPARE(listedPublisher(), QStringLiteral("Addison Wesley"));

    bool checked = false;
    WhenShown<CTidyNamesDlg>([&](CTidyNamesDlg &dialog) {
        auto *names = Child<QTreeWidget>(dialog, "Names");
        auto *similar = Child<QCheckBox>(dialog, "SimilarOnly");
        auto *kind = Child<QComboBox>(dialog, "NameKind");
        auto *merge = Child<QPushButton>(dialog, "Merge");
        QVERIFY(names && similar && kind && merge);
        QCOMPARE(dialog.Kind(), NameKind::Publisher);
        QTreeWidgetItem *spelling = FindItem(*names, QStringLiteral("Addison Wesley"));
        QVERIFY(spelling);
        QCOMPARE(spelling->text(1), QStringLiteral("1"));
        QVERIFY(!merge->isEnabled());

        // The similar names come as a group, which merges in one step.
        similar->setChecked(true);
        QTreeWidgetItem *group = nullptr;
        for (int i = 0; i < names->topLevelItemCount() && !group; ++i) {
            QTreeWidgetItem *item = names->topLevelItem(i);
            QStringList members;
            for (int child = 0; child < item->childCount(); ++child)
                members += item->child(child)->text(0);
            members.sort();
            if (members == QStringList{"Addison Wesley", "Addison-Wesley Professional",
                                       "addison-wesley"})
                group = item;
        }
        QVERIFY(group);
        QCOMPARE(group->text(1), addisonBooks);
        QVERIFY(!FindItem(*names, QStringLiteral("Nobody Press"))); // nothing like it
        names->clearSelection();
        group->setSelected(true);
        QVERIFY(merge->isEnabled());
        Screenshot(dialog, QStringLiteral("tidy-names-similar"));
        QStringList offered;
        WhenShown<CNameChoiceDlg>([&](CNameChoiceDlg &choice) {
            auto *kept = Child<QComboBox>(choice, "KeptName");
            for (int i = 0; i < kept->count(); ++i)
                offered += kept->itemText(i);
            Screenshot(choice, QStringLiteral("tidy-names-merge"));
            kept->setEditText(QStringLiteral("Addison-Wesley"));
            choice.accept();
        });
        QTest::mouseClick(merge, Qt::LeftButton);
        // The name most books carry is offered first.
        QCOMPARE(offered.size(), 3);
        QCOMPARE(offered.first(), QStringLiteral("Addison-Wesley Professional"));
        QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
        // Typed, the name is the spelling of 101 but for letter case: that
        // row stays, takes the spelling and carries every book of the three.
        QCOMPARE(query(QStringLiteral("SELECT group_concat(PublisherID || ':' || Name) FROM "
                                      "bookpublisher WHERE PublisherID IN (17, 100, 101)")),
                 QStringLiteral("101:Addison-Wesley"));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM book WHERE PublisherID=101")),
                 addisonBooks);
        QCOMPARE(EnglishCount(Child<QLabel>(dialog, "TidyResult")->text(), addisonBooks.toInt() - 1),
                 QStringLiteral("Merged 3 names into \"Addison-Wesley\": %1 books changed.")
                     .arg(addisonBooks.toInt() - 1));
        QTRY_COMPARE_WITH_TIMEOUT(listedPublisher(), QStringLiteral("Addison-Wesley"), 30000);

        // Every name no book carries goes, after a question; the others stay.
        similar->setChecked(false);
        QTest::mouseClick(Child<QPushButton>(dialog, "DeleteUnused"), Qt::LeftButton);
        QCOMPARE(EnglishCount(env.prompt.LastText(), unusedPublishers),
                 QStringLiteral("Delete the %1 names that no book carries?").arg(unusedPublishers));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM bookpublisher WHERE PublisherID NOT "
                                      "IN (SELECT PublisherID FROM book WHERE PublisherID IS NOT "
                                      "NULL)")),
                 QStringLiteral("0"));
        QVERIFY(!FindItem(*names, QStringLiteral("Nobody Press")));
        QVERIFY(FindItem(*names, QStringLiteral("Addison-Wesley")));
        QVERIFY(!Child<QPushButton>(dialog, "DeleteUnused")->isEnabled());

        // A rename onto another name, letter case aside, asks first and
        // then merges; the default of new books follows.
        kind->setCurrentIndex(kind->findData(int(NameKind::Location)));
        QTreeWidgetItem *typo = FindItem(*names, QStringLiteral("Bedside Table "));
        QVERIFY(typo);
        names->clearSelection();
        typo->setSelected(true);
        WhenShown<CNameChoiceDlg>([&](CNameChoiceDlg &choice) {
            Child<QComboBox>(choice, "KeptName")->setEditText(QStringLiteral("BEDSIDE TABLE"));
            choice.accept();
        });
        const int asked = env.prompt.shown.size();
        env.prompt.answers = {MsgAnswer::No};
        QTest::mouseClick(Child<QPushButton>(dialog, "Rename"), Qt::LeftButton);
        QCOMPARE(env.prompt.shown.size(), asked + 1);
        QCOMPARE(env.prompt.LastText(),
                 QStringLiteral("\"Bedside table\" is already in the list. Merge \"Bedside "
                                "Table \" into it?"));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM booklocation WHERE LocationID=9")),
                 QStringLiteral("1"));
        WhenShown<CNameChoiceDlg>([&](CNameChoiceDlg &choice) {
            Child<QComboBox>(choice, "KeptName")->setEditText(QStringLiteral("BEDSIDE TABLE"));
            choice.accept();
        });
        QTest::mouseClick(Child<QPushButton>(dialog, "Rename"), Qt::LeftButton);
        QCOMPARE(query(QStringLiteral("SELECT group_concat(LocationID || ':' || Name) FROM "
                                      "booklocation WHERE LocationID IN (3, 9)")),
                 QStringLiteral("9:BEDSIDE TABLE"));
        QCOMPARE(query(QStringLiteral("SELECT COUNT(*) FROM book WHERE LocationID=9")),
                 bedsideBooks);
        QCOMPARE(CAppSettings::DefaultTextValue(CAppSettings::kDefaultLocation),
                 QStringLiteral("BEDSIDE TABLE"));
        QCOMPARE(EnglishCount(Child<QLabel>(dialog, "TidyResult")->text(), bedsideBooks.toInt()),
                 QStringLiteral("Merged 2 names into \"BEDSIDE TABLE\": %1 books changed.")
                     .arg(bedsideBooks));
        dialog.layout()->activate();
        Screenshot(dialog, QStringLiteral("tidy-names-locations"));
        checked = true;
        dialog.reject();
    });
    QMenu *tools = nullptr;
    for (QAction *menu : frame.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&Tools"))
            tools = menu->menu();
    }
    QVERIFY(tools);
    QAction *tidy = nullptr;
    for (QAction *item : tools->actions()) {
        if (item->data().toInt() == ID_TIDY_NAMES)
            tidy = item;
    }
    QVERIFY(tidy);
    QCOMPARE(tidy->text(), QStringLiteral("&Tidy Names..."));
    QVERIFY(tidy->isEnabled());
    tidy->trigger();
    QVERIFY(checked);
}

TOMELODEX_GUI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
