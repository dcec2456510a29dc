// The book sheet in the real window on the sample library: Edit Book by
// Enter, double click and the menu; what the General and Personal pages
// check and save; dates that are not dates; a save that fails; Add Book.

#include "LibraryFixture.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "book/BookProperties.h"
#include "book/DatePicker.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

constexpr quint32 kDune = 10;

} // namespace

class TestBookSheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;

    CTomeloDoc &Doc() { return m_env->Document(); }
    CTomeloListView &List() { return *m_env->Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*Doc().m_connection, sql); }
    bool Exec(const QString &sql) { return ExecuteSql(sql, true, *Doc().m_connection); }

    // Selects the book in the list of the active window, as a person who
    // has just closed a sheet finds it.
    void Select(quint32 bookId)
    {
        m_env->Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_env->Frame()));
        QVERIFY(List().SelectBook(bookId));
        QTRY_COMPARE(Doc().m_selectedBookIds, QVector<quint32>({bookId}));
    }
    void PressEnter() { QTest::keyClick(List().CurrentView(), Qt::Key_Return); }

    // Opens the sheet through `open` and hands it to `drive`; a sheet that
    // `drive` leaves open is cancelled. False when no sheet opened.
    bool Drive(const std::function<void()> &open,
               const std::function<void(CBookProperties &)> &drive)
    {
        bool driven = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *sheet = qobject_cast<CBookProperties *>(QApplication::activeModalWidget());
            if (!sheet || driven)
                return;
            driven = true;
            poll.stop();
            drive(*sheet);
            if (sheet->isVisible())
                sheet->reject();
        });
        poll.start();
        open();
        return driven;
    }

    template <class T> static T *Field(CBookProperties &sheet, const char *name)
    {
        T *field = sheet.findChild<T *>(QLatin1String(name));
        if (!field)
            qWarning("no field %s", name);
        return field;
    }
    static void SetText(CBookProperties &sheet, const char *name, const QString &text)
    {
        QLineEdit *edit = Field<QLineEdit>(sheet, name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void SetComboText(CBookProperties &sheet, const char *name, const QString &text)
    {
        QLineEdit *edit = Field<QComboBox>(sheet, name)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void ClickTab(CBookProperties &sheet, int index)
    {
        QTabBar *bar = sheet.Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    static void ClickOk(CBookProperties &sheet)
    {
        sheet.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        QVERIFY(m_env->StartWindow({m_env->CopyLibrary(QStringLiteral("lib.mdb"))}));
        QCOMPARE(Doc().m_currentCategoryId, 1);
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void titleCheckAndLengthsOnEnter()
    {
        Select(kDune);
        QString caption;
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          caption = sheet.windowTitle();
                          QCOMPARE(sheet.Tabs()->currentIndex(), 0);
                          QCOMPARE(Field<QLineEdit>(sheet, "Title")->text(),
                                   QStringLiteral("Dune"));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_general"));

                          // A blank title keeps the General page shown.
                          SetText(sheet, "Title", QStringLiteral("   "));
                          ClickTab(sheet, 1);
                          QCOMPARE(m_env->prompt.LastText(), LoadString(155));
                          QCOMPARE(sheet.Tabs()->currentIndex(), 0);

                          // 256 characters pass the page but not OK.
                          SetText(sheet, "Title", QString(256, u'x'));
                          ClickTab(sheet, 1);
                          QCOMPARE(sheet.Tabs()->currentIndex(), 1);
                          QCOMPARE(Field<QComboBox>(sheet, "Status")->currentText(),
                                   QStringLiteral("In Collection"));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_personal"));
                          ClickOk(sheet);
                          QCOMPARE(m_env->prompt.LastText(), LoadString(242));
                          QVERIFY(sheet.isVisible());

                          // An ISBN of 21 characters is too long even though
                          // it would be shorter without its hyphens.
                          ClickTab(sheet, 0);
                          SetText(sheet, "Title", QString(255, u'y'));
                          SetText(sheet, "ISBN", QStringLiteral("0-4-4-1-1-7-2-7-1-7-X"));
                          m_env->prompt.shown.clear();
                          ClickOk(sheet);
                          QCOMPARE(m_env->prompt.LastText(), LoadString(242));
                          SetText(sheet, "ISBN", QStringLiteral(" 0-596-00712-x "));
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(caption, QStringLiteral("Edit Book"));
        QCOMPARE(Db(QStringLiteral("SELECT Title FROM book WHERE BookID=10")), QString(255, u'y'));
        QCOMPARE(Db(QStringLiteral("SELECT ISBN FROM book WHERE BookID=10")),
                 QStringLiteral("059600712X"));
        // The list and the page show the saved book, still selected.
        QCOMPARE(Doc().m_selectedBookIds, QVector<quint32>({kDune}));
        QTRY_VERIFY(m_env->Frame().HtmlView()->Html().contains(QString(255, u'y')));
    }

    void newPublisherByDoubleClickAndMenu()
    {
        Select(kDune);
        QAbstractItemView *view = List().CurrentView();
        // Through the window system, which makes the second click a double click.
        const QPoint row = view->viewport()->mapTo(&m_env->Frame(),
                                                   view->visualRect(view->currentIndex()).center());
        QWindow *window = m_env->Frame().windowHandle();
        QSize resized;
        // Escape cancels without writing; the sheet's size is remembered.
        QVERIFY(Drive([&] { QTest::mouseDClick(window, Qt::LeftButton, {}, row); },
                      [&](CBookProperties &sheet) {
                          SetText(sheet, "Author", QStringLiteral("Someone Else"));
                          resized = sheet.size() + QSize(80, 40);
                          sheet.resize(resized);
                          QTest::keyClick(Field<QLineEdit>(sheet, "Author"), Qt::Key_Escape);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT Author FROM book WHERE BookID=10")),
                 QStringLiteral("Frank Herbert"));

        // Its description, never opened in the sheet, is saved byte for byte.
        QVERIFY(Exec(QStringLiteral("UPDATE book SET Notes='<p>mine  <b>own</b></p>' "
                                    "WHERE BookID=10")));
        const QString texts = QStringLiteral("SELECT Description || '|' || Notes FROM book "
                                             "WHERE BookID=10");
        const QString textsBefore = Db(texts);
        // Its cover is in the images folder, and stays there.
        const QString cover = QDir(TomeloApp().m_imagesDir).filePath(QStringLiteral("10.jpg"));
        QVERIFY(QDir().mkpath(TomeloApp().m_imagesDir));
        QVERIFY(
            QFile::copy(CTestEnv::RuntimeDir() + QStringLiteral("/sample_images/10.jpg"), cover));
        QVERIFY(Drive([&] { QTest::mouseDClick(window, Qt::LeftButton, {}, row); },
                      [&](CBookProperties &sheet) {
                          QCOMPARE(sheet.size(), resized);
                          SetComboText(sheet, "Publisher", QStringLiteral("Brand New Press"));
                          // Enter in a field is OK, as in every dialog.
                          QTest::keyClick(Field<QComboBox>(sheet, "Publisher")->lineEdit(),
                                          Qt::Key_Return);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT p.Name FROM book b JOIN bookpublisher p ON "
                                   "p.PublisherID=b.PublisherID WHERE BookID=10")),
                 QStringLiteral("Brand New Press"));
        QTRY_VERIFY(m_env->Frame().HtmlView()->Html().contains(QLatin1String("Brand New Press")));
        QCOMPARE(Db(QStringLiteral("SELECT FrontCover FROM book WHERE BookID=10")),
                 QStringLiteral("10.jpg"));
        QCOMPARE(Db(texts), textsBefore);
        QVERIFY(QFile::exists(cover));

        // The new name is in the list the next time.
        Select(kDune);
        QVERIFY(Drive([this] { m_env->Frame().Action(ID_EDIT_BOOK)->trigger(); },
                      [&](CBookProperties &sheet) {
                          auto *publisher = Field<QComboBox>(sheet, "Publisher");
                          QVERIFY(publisher->findText(QStringLiteral("Brand New Press")) >= 0);
                          QCOMPARE(publisher->currentText(), QStringLiteral("Brand New Press"));
                      }));
        QVERIFY(m_env->prompt.shown.isEmpty());
    }

    void datesThatAreNotDatesAreKept()
    {
        QVERIFY(Exec(QStringLiteral("UPDATE book SET ReleaseDate='Spring 1965', "
                                    "PurchaseDate='a gift' WHERE BookID=10")));
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QCOMPARE(Field<QDateEdit>(sheet, "ReleaseDate")->text(),
                                   QStringLiteral("Spring 1965"));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_no_date"));
                          SetText(sheet, "Edition", QStringLiteral("Second"));
                          ClickOk(sheet);
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate FROM book "
                                   "WHERE BookID=10")),
                 QStringLiteral("Spring 1965|a gift"));

        // A date picked is stored in the stored form; a picker unchecked
        // by the user stores no date.
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QTest::mouseClick(Field<QCheckBox>(sheet, "ReleaseDateSet"),
                                            Qt::LeftButton);
                          Field<QDateEdit>(sheet, "ReleaseDate")->setDate(QDate(2005, 3, 7));
                          ClickTab(sheet, 1);
                          auto *purchase = Field<QCheckBox>(sheet, "PurchaseDateSet");
                          QVERIFY(!purchase->isChecked());
                          QTest::mouseClick(purchase, Qt::LeftButton);
                          QTest::mouseClick(purchase, Qt::LeftButton);
                          ClickOk(sheet);
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT ReleaseDate || '|' || ifnull(PurchaseDate, 'none') "
                                   "FROM book WHERE BookID=10")),
                 QStringLiteral("2005-03-07|none"));
    }

    void failedSaveKeepsBookAndSheet()
    {
        const QString categories =
            QStringLiteral("SELECT group_concat(CatID) FROM book_category WHERE BookID=10");
        const QString before = Db(categories);
        QVERIFY(Exec(QStringLiteral("CREATE TRIGGER shelf_full BEFORE UPDATE ON book BEGIN "
                                    "SELECT RAISE(ABORT, 'the shelf is full'); END")));
        Select(kDune);
        // Enter edits the selected book also while the tree has the focus.
        m_env->Frame().TreeView()->setFocus();
        QVERIFY(m_env->Frame().TreeView()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == m_env->Frame().TreeView());
        QVERIFY(Drive([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
                      [&](CBookProperties &sheet) {
                          SetText(sheet, "Title", QStringLiteral("Dune Messiah"));
                          ClickOk(sheet);
                          QVERIFY(
                              m_env->prompt.LastText().contains(QLatin1String("shelf is full")));
                          QVERIFY(sheet.isVisible());
                          QCOMPARE(Db(QStringLiteral("SELECT Title FROM book WHERE BookID=10")),
                                   QStringLiteral("Dune"));
                          QCOMPARE(Db(categories), before);

                          // Nothing typed was lost: once the library takes
                          // it, the same OK saves it.
                          QVERIFY(Exec(QStringLiteral("DROP TRIGGER shelf_full")));
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT Title FROM book WHERE BookID=10")),
                 QStringLiteral("Dune Messiah"));
        QCOMPARE(Db(categories), before);
    }

    // Someone else changes the book while its sheet is open; OK asks, and
    // each answer does what it says: keep mine, show theirs, or go back.
    void changedUnderneathAtOk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("keep my changes") << int(MsgAnswer::Yes);
        QTest::newRow("take theirs") << int(MsgAnswer::No);
        QTest::newRow("cancel") << int(MsgAnswer::Cancel);
    }
    void changedUnderneathAtOk()
    {
        QFETCH(int, answer);
        const QString library = Doc().m_connection->Path();
        const QString stored =
            QStringLiteral("SELECT Title || '|' || ifnull(Notes, '') FROM book WHERE BookID=10");
        const QString notes =
            Db(QStringLiteral("SELECT ifnull(Notes, '') FROM book WHERE BookID=10"));
        Select(kDune);
        QVERIFY(Drive(
            [this] { PressEnter(); },
            [&](CBookProperties &sheet) {
                SetText(sheet, "Title", QStringLiteral("Dune (mine)"));
                QVERIFY(
                    FillLibrary(library, {QStringLiteral("UPDATE book SET Title='Dune (theirs)', "
                                                         "Notes='by a script' WHERE BookID=10")}));
                m_env->prompt.answers = {MsgAnswer(answer)};
                ClickOk(sheet);
                QCOMPARE(m_env->prompt.shown.last().buttons, MsgButtons::YesNoCancel);
                QVERIFY2(m_env->prompt.LastText().contains(QLatin1String("changed this book")),
                         qPrintable(m_env->prompt.LastText()));
                if (MsgAnswer(answer) == MsgAnswer::Yes) {
                    QVERIFY(!sheet.isVisible());
                    QCOMPARE(Db(stored), QStringLiteral("Dune (mine)|") + notes);
                    return;
                }
                // Nothing written; the sheet stays open.
                QVERIFY(sheet.isVisible());
                QCOMPARE(Db(stored), QStringLiteral("Dune (theirs)|by a script"));
                const QString shown = Field<QLineEdit>(sheet, "Title")->text();
                if (MsgAnswer(answer) == MsgAnswer::No) {
                    // Their book is shown, and OK saves edits of it.
                    QCOMPARE(shown, QStringLiteral("Dune (theirs)"));
                    SetText(sheet, "Title", QStringLiteral("Dune (ours)"));
                    const int asked = int(m_env->prompt.shown.size());
                    ClickOk(sheet);
                    QCOMPARE(int(m_env->prompt.shown.size()), asked);
                    QVERIFY(!sheet.isVisible());
                    QCOMPARE(Db(stored), QStringLiteral("Dune (ours)|by a script"));
                    return;
                }
                // Cancel keeps what was typed, and the next OK asks again.
                QCOMPARE(shown, QStringLiteral("Dune (mine)"));
                m_env->prompt.answers = {MsgAnswer::Yes};
                ClickOk(sheet);
                QVERIFY(m_env->prompt.LastText().contains(QLatin1String("changed this book")));
                QVERIFY(!sheet.isVisible());
                QCOMPARE(Db(stored), QStringLiteral("Dune (mine)|") + notes);
            }));
    }

    // A book deleted while its sheet is open is not brought back unasked.
    void deletedUnderneathAtOk()
    {
        const QString library = Doc().m_connection->Path();
        const QString count = QStringLiteral("SELECT COUNT(*) FROM book WHERE Title LIKE 'Dune%'");
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          SetText(sheet, "Title", QStringLiteral("Dune (kept)"));
                          QVERIFY(FillLibrary(
                              library, {QStringLiteral("PRAGMA foreign_keys=ON"),
                                        QStringLiteral("DELETE FROM book WHERE BookID=10")}));
                          m_env->prompt.answers = {MsgAnswer::No};
                          ClickOk(sheet);
                          QVERIFY(m_env->prompt.LastText().contains(QLatin1String("deleted")));
                          QCOMPARE(m_env->prompt.shown.last().buttons, MsgButtons::YesNo);
                          QVERIFY(sheet.isVisible());
                          QCOMPARE(Db(count), QStringLiteral("0"));

                          m_env->prompt.answers = {MsgAnswer::Yes};
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        const QString added =
            Db(QStringLiteral("SELECT BookID FROM book WHERE Title='Dune (kept)'"));
        QVERIFY(added.toInt() > 0);
        QVERIFY(added.toInt() != int(kDune));
        // Into the category shown, as a new book, and selected in the list.
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(CatID) FROM book_category WHERE BookID=") +
                    added),
                 QStringLiteral("1"));
        QTRY_COMPARE(Doc().m_selectedBookIds, QVector<quint32>({added.toUInt()}));
    }

    void addBookSelectsTheNewBook()
    {
        CBookRecord book;
        int bookId = -1;
        QVERIFY(Drive([&] { bookId = List().RunAddBookSheet(book); },
                      [&](CBookProperties &sheet) {
                          QCOMPARE(sheet.windowTitle(), QStringLiteral("Add Book"));
                          // A new book without a status gets the library's first
                          // by identifier, not the first name in the list.
                          QCOMPARE(Field<QComboBox>(sheet, "Status")->currentText(),
                                   QStringLiteral("In Collection"));
                          ClickOk(sheet);
                          QCOMPARE(m_env->prompt.LastText(), LoadString(155));
                          SetText(sheet, "Title", QStringLiteral("A Book Typed In"));
                          ClickOk(sheet);
                      }));
        QCOMPARE(bookId, Db(QStringLiteral("SELECT MAX(BookID) FROM book")).toInt());
        QCOMPARE(Db(QStringLiteral("SELECT b.Title || '|' || s.Name || '|' || c.CatID FROM book b "
                                   "JOIN bookstatus s ON s.StatusID=b.StatusID JOIN book_category "
                                   "c ON c.BookID=b.BookID WHERE b.BookID=%1")
                        .arg(bookId)),
                 QStringLiteral("A Book Typed In|In Collection|1"));
        QCOMPARE(Doc().m_selectedBookIds, QVector<quint32>({quint32(bookId)}));

        // A book already in the library, skipped when asked: the sheet
        // closes and writes nothing.
        const QString count = Db(QStringLiteral("SELECT COUNT(*) FROM book"));
        book.Title = QStringLiteral("Dune again");
        book.ISBN = QStringLiteral("0-441-17271-7");
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(Drive([&] { bookId = List().RunAddBookSheet(book); },
                      [&](CBookProperties &sheet) {
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        QVERIFY(m_env->prompt.LastText().contains(QLatin1String("already exists")));
        QCOMPARE(bookId, 0);
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book")), count);
    }
};

TOMELODEX_GUI_TEST_MAIN(TestBookSheet)
#include "tst_booksheet.moc"
