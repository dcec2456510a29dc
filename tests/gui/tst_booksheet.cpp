// The book sheet in the real window on the sample library: Edit Book by
// Enter, double click and the menu; what the General and Personal pages
// check and save; dates that are not dates; a save that fails; Add Book.

#include "LibraryFixture.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "book/BookProperties.h"
#include "book/DatePicker.h"
#include "book/HtmlEditorView.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
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
        return DriveModal<CBookProperties>(open, drive);
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

                          // The title takes no more than its column keeps.
                          SetText(sheet, "Title", QString(256, u'y'));
                          QCOMPARE(Field<QLineEdit>(sheet, "Title")->text(), QString(255, u'y'));
                          ClickTab(sheet, 1);
                          QCOMPARE(sheet.Tabs()->currentIndex(), 1);
                          QCOMPARE(Field<QComboBox>(sheet, "Status")->currentText(),
                                   QStringLiteral("In Collection"));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_personal"));

                          // The ISBN is limited as typed, with its hyphens.
                          ClickTab(sheet, 0);
                          SetText(sheet, "ISBN", QStringLiteral("0-4-4-1-1-7-2-7-1-7-X"));
                          QCOMPARE(Field<QLineEdit>(sheet, "ISBN")->text(),
                                   QStringLiteral("0-4-4-1-1-7-2-7-1-7-"));
                          SetText(sheet, "ISBN", QStringLiteral(" 0-596-00712-x "));
                          m_env->prompt.shown.clear();
                          ClickOk(sheet);
                          QVERIFY(m_env->prompt.shown.isEmpty());
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

    // Every field of a limited column stops taking characters at its
    // column's length, typed or pasted, in an editable list too.
    void fieldsStopAtTheirColumnsLength()
    {
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          for (const CBookRecord::ColumnLimit &limit :
                               CBookRecord::ColumnLimits()) {
                              QWidget *field = sheet.findChild<QWidget *>(limit.Field);
                              QVERIFY2(field, limit.Field);
                              auto *list = qobject_cast<QComboBox *>(field);
                              if (list && !list->isEditable())
                                  continue; // Status: chosen, never typed
                              QLineEdit *line =
                                  list ? list->lineEdit() : qobject_cast<QLineEdit *>(field);
                              QVERIFY2(line, limit.Field);
                              line->selectAll();
                              QTest::keyClicks(line, QString(limit.Limit + 3, u'q'));
                              QVERIFY2(line->text().size() == limit.Limit, limit.Field);
                          }
                          ClickTab(sheet, 0);
                          auto *title = Field<QLineEdit>(sheet, "Title");
                          title->selectAll();
                          title->insert(QString(300, u'p')); // as a paste does
                          QCOMPARE(title->text().size(), 255);
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT length(Title) || length(ISBN) FROM book "
                                   "WHERE BookID=10")),
                 QStringLiteral("25520"));
        QVERIFY(m_env->prompt.shown.isEmpty());
    }

    // A book stored longer than the columns (by another program) loads
    // whole; OK names the field by its caption, shows it on its page with
    // the surplus selected, and saves once it is shortened.
    void tooLongStoredTextIsNamed_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("page");
        QTest::newRow("title, OK on another page")
            << QStringLiteral("UPDATE book SET Title='%1' WHERE BookID=10").arg(QString(300, u't'))
            << "Title"
            << "Title" << 300 << 255 << 0;
        QTest::newRow("a location of the list, in a group")
            << QStringLiteral("UPDATE booklocation SET Name='%1' WHERE LocationID=(SELECT "
                              "LocationID FROM book WHERE BookID=10)")
                   .arg(QString(120, u'l'))
            << "Location"
            << "Location" << 120 << 100 << 1;
    }
    void tooLongStoredTextIsNamed()
    {
        QFETCH(QString, sql);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QFETCH(int, length);
        QFETCH(int, limit);
        QFETCH(int, page);
        QVERIFY(Exec(QStringLiteral("UPDATE book SET LocationID=(SELECT MIN(LocationID) FROM "
                                    "booklocation) WHERE BookID=10")));
        QVERIFY(Exec(sql));
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QWidget *widget = sheet.findChild<QWidget *>(field);
                          auto *list = qobject_cast<QComboBox *>(widget);
                          QLineEdit *line =
                              list ? list->lineEdit() : qobject_cast<QLineEdit *>(widget);
                          QVERIFY(line);
                          QCOMPARE(line->text().size(), length); // nothing cut on loading
                          QTest::keyClick(line, Qt::Key_End);
                          QTest::keyClicks(line, QStringLiteral("more"));
                          QCOMPARE(line->text().size(), length); // but nothing added

                          ClickTab(sheet, page == 0 ? 2 : 0); // away from the field's page
                          ClickOk(sheet);
                          QVERIFY(sheet.isVisible());
                          QCOMPARE(m_env->prompt.LastText(),
                                   CBookRecord::TooLongMessage(caption, length, limit));
                          QCOMPARE(sheet.Tabs()->currentIndex(), page);
                          // A list takes the focus for its line.
                          QTRY_VERIFY(QApplication::focusWidget() == line ||
                                      QApplication::focusWidget() == widget);
                          QCOMPARE(line->selectedText().size(), length - limit);
                          CWindowTestEnv::SaveScreenshot(sheet,
                                                         QStringLiteral("sheet_too_long_") + field);
                          QTest::keyClick(line, Qt::Key_Backspace);
                          m_env->prompt.shown.clear();
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                          QVERIFY(m_env->prompt.shown.isEmpty());
                      }));
    }

    // The sheet keeps its place (and its native window) when the browser
    // engine of an HTML page starts; run under X as well as offscreen.
    void sheetStaysWhereItIsWhenTheEditorStarts()
    {
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QVERIFY(QTest::qWaitForWindowExposed(&sheet));
                          const WId window = sheet.winId();
                          const QRect before = sheet.frameGeometry();
                          ClickTab(sheet, 3);
                          auto *editor = sheet.findChild<CHtmlEditorView *>();
                          QVERIFY(editor);
                          QTRY_VERIFY_WITH_TIMEOUT(editor->IsReady(), 30000);
                          QCOMPARE(sheet.winId(), window);
                          QCOMPARE(sheet.frameGeometry(), before);
                      }));
    }

    // Ctrl+Tab and Ctrl+Shift+Tab turn the sheet's pages wherever the focus
    // is: a line, an editable list, the links list, an HTML editor.
    void ctrlTabTurnsPagesFromAnyField_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::newRow("a line") << 0 << "Title";
        QTest::newRow("an editable list") << 0 << "Publisher";
        QTest::newRow("a fixed list") << 1 << "Status";
        QTest::newRow("the links list") << 2 << "LinkList";
        QTest::newRow("the description editor") << 3 << "HtmlEditor";
        QTest::newRow("the notes editor") << 4 << "HtmlEditor";
    }
    void ctrlTabTurnsPagesFromAnyField()
    {
        QFETCH(int, page);
        QFETCH(QString, focus);
        Select(kDune);
        QVERIFY(Drive(
            [this] { PressEnter(); },
            [&](CBookProperties &sheet) {
                for (int step = 0; step < page; ++step)
                    ClickTab(sheet, step + 1);
                QCOMPARE(sheet.Tabs()->currentIndex(), page);
                QWidget *target = sheet.Tabs()->widget(page)->findChild<QWidget *>(focus);
                QVERIFY(target);
                target->setFocus();
                // The engine puts its own widget inside the view.
                QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() == target ||
                                             target->isAncestorOf(QApplication::focusWidget()),
                                         30000);
                QWidget *focused = QApplication::focusWidget();
                QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
                QCOMPARE(sheet.Tabs()->currentIndex(), page + 1);
                QVERIFY(sheet.Tabs()->currentWidget()->isAncestorOf(QApplication::focusWidget()) ||
                        QApplication::focusWidget() == sheet.Tabs()->tabBar());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
                QCOMPARE(sheet.Tabs()->currentIndex(), page);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier);
                const int pages = sheet.Tabs()->count();
                QCOMPARE(sheet.Tabs()->currentIndex(), (page + pages - 1) % pages);
            }));
    }

    // The book's own address may be typed without its scheme; the page
    // says how it is taken, and the save keeps the whole address.
    void bookAddressWithoutScheme()
    {
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          SetText(sheet, "URL", QStringLiteral("www.example.org/dune"));
                          auto *hint = Field<QLabel>(sheet, "URLHint");
                          QVERIFY(hint->isVisible());
                          QVERIFY(
                              hint->text().contains(QLatin1String("https://www.example.org/dune")));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_url_hint"));
                          ClickOk(sheet);
                          QVERIFY(!sheet.isVisible());
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT URL FROM book WHERE BookID=10")),
                 QStringLiteral("https://www.example.org/dune"));
    }

    void datesThatAreNotDatesAreKept()
    {
        QVERIFY(Exec(QStringLiteral("UPDATE book SET ReleaseDate='Spring 1965', "
                                    "PurchaseDate='a gift' WHERE BookID=10")));
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QCOMPARE(Field<QLineEdit>(sheet, "ReleaseDate")->text(),
                                   QStringLiteral("Spring 1965"));
                          CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_no_date"));
                          SetText(sheet, "Edition", QStringLiteral("Second"));
                          ClickOk(sheet);
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate FROM book "
                                   "WHERE BookID=10")),
                 QStringLiteral("Spring 1965|a gift"));

        // A date set is stored in the stored form; a picker unchecked by
        // the user stores no date.
        Select(kDune);
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QTest::mouseClick(Field<QCheckBox>(sheet, "ReleaseDateSet"),
                                            Qt::LeftButton);
                          SetText(sheet, "ReleaseDate", QStringLiteral("Mar 7, 2005"));
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

    // A year or a month stays one through the sheet, the list's page and a
    // save; a whole date typed in the shown or the ISO form is taken exactly,
    // an impossible one is refused where it is typed, and the keys step the
    // date by a day, a month or a year.
    void typedAndPartialDates()
    {
        QVERIFY(Exec(QStringLiteral("UPDATE book SET ReleaseDate='1994', PurchaseDate='2000-09' "
                                    "WHERE BookID=10")));
        Select(kDune);
        QTRY_VERIFY(m_env->Frame().HtmlView()->Html().contains(QLatin1String("1994")));
        QVERIFY(m_env->Frame().HtmlView()->Html().contains(QLatin1String("Sep 2000")));
        QVERIFY(Drive([this] { PressEnter(); },
                      [&](CBookProperties &sheet) {
                          QCOMPARE(Field<QLineEdit>(sheet, "ReleaseDate")->text(),
                                   QStringLiteral("1994"));
                          QVERIFY(Field<QCheckBox>(sheet, "ReleaseDateSet")->isChecked());
                          ClickTab(sheet, 1);
                          QCOMPARE(Field<QLineEdit>(sheet, "PurchaseDate")->text(),
                                   QStringLiteral("Sep 2000"));
                          ClickTab(sheet, 0);
                          SetText(sheet, "Edition", QStringLiteral("Second"));
                          ClickOk(sheet);
                      }));
        QCOMPARE(Db(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate || '|' || Edition "
                                   "FROM book WHERE BookID=10")),
                 QStringLiteral("1994|2000-09|Second"));

        Select(kDune);
        QVERIFY(Drive(
            [this] { PressEnter(); },
            [&](CBookProperties &sheet) {
                auto *edit = Field<QLineEdit>(sheet, "ReleaseDate");
                auto *picker = qobject_cast<CDatePicker *>(edit->parentWidget());
                QVERIFY(picker);
                QVERIFY(QTest::qWaitForWindowActive(&sheet));
                // Typed as a person does: into the focused field,
                // leaving it by Tab.
                const auto type = [&](const QString &text) {
                    edit->setFocus();
                    QTRY_VERIFY(edit->hasFocus());
                    edit->selectAll();
                    QTest::keyClicks(edit, text);
                    QTest::keyClick(edit, Qt::Key_Tab);
                };
                const struct
                {
                    const char *typed;
                    const char *shown;
                    const char *stored;
                } entries[] = {{"Mar 15, 2025", "Mar 15, 2025", "2025-03-15"},
                               {"2024-12-01", "Dec 01, 2024", "2024-12-01"},
                               {"september 2000", "Sep 2000", "2000-09"},
                               {"1988", "1988", "1988"},
                               {"31 Jan 2023", "Jan 31, 2023", "2023-01-31"}};
                for (const auto &entry : entries) {
                    type(QLatin1String(entry.typed));
                    QCOMPARE(edit->text(), QLatin1String(entry.shown));
                    QCOMPARE(picker->Text(), QLatin1String(entry.stored));
                    QVERIFY(picker->Problem().isEmpty());
                }

                // Refused where typed; the date before stays.
                type(QStringLiteral("Feb 30, 2025"));
                QVERIFY2(picker->Problem().contains(QLatin1String("Feb 30, 2025")),
                         qPrintable(picker->Problem()));
                QCOMPARE(picker->Text(), QStringLiteral("2023-01-31"));
                CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("sheet_date_refused"));
                type(QStringLiteral("Jan 31, 2023"));
                QVERIFY(picker->Problem().isEmpty());

                // A month on from Jan 31 is the end of February.
                const struct
                {
                    int key;
                    Qt::KeyboardModifiers modifiers;
                    const char *shown;
                } steps[] = {{Qt::Key_PageUp, Qt::NoModifier, "Feb 28, 2023"},
                             {Qt::Key_Up, Qt::NoModifier, "Mar 01, 2023"},
                             {Qt::Key_PageDown, Qt::ControlModifier, "Mar 01, 2022"},
                             {Qt::Key_PageUp, Qt::ControlModifier, "Mar 01, 2023"},
                             {Qt::Key_Down, Qt::NoModifier, "Feb 28, 2023"},
                             {Qt::Key_PageDown, Qt::NoModifier, "Jan 28, 2023"}};
                for (const auto &step : steps) {
                    QTest::keyClick(edit, Qt::Key(step.key), step.modifiers);
                    QCOMPARE(edit->text(), QLatin1String(step.shown));
                }
                QCOMPARE(sheet.Tabs()->currentIndex(), 0);
                // A day picked from the calendar.
                QTest::mouseClick(Field<QToolButton>(sheet, "ReleaseDateCalendar"), Qt::LeftButton);
                auto *calendar = Field<QCalendarWidget>(sheet, "ReleaseDatePopup");
                QVERIFY(calendar && calendar->isVisible());
                QCOMPARE(calendar->selectedDate(), QDate(2023, 1, 28));
                CWindowTestEnv::SaveScreenshot(*calendar, QStringLiteral("sheet_date_calendar"));
                calendar->setSelectedDate(QDate(2001, 2, 3));
                QTest::keyClick(calendar->findChild<QTableView *>(), Qt::Key_Return);
                QCOMPARE(edit->text(), QStringLiteral("Feb 03, 2001"));

                type(QStringLiteral("2000-09"));
                QTest::keyClick(edit, Qt::Key_Up);
                QCOMPARE(edit->text(), QStringLiteral("Oct 2000"));
                ClickOk(sheet);
            }));
        QCOMPARE(Db(QStringLiteral("SELECT quote(ReleaseDate) FROM book WHERE BookID=10")),
                 QStringLiteral("'2000-10'"));
        QTRY_VERIFY(m_env->Frame().HtmlView()->Html().contains(QLatin1String("Oct 2000")));
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
