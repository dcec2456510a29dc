// The book sheet's Loans & Reading page in the real window: the series
// number checked where it is typed, loans and readings changed on the page
// and stored only by OK, exactly as shown, in one undo step with the book.

#include "LibraryFixture.h"
#include "TableDump.h"

#include "app/AppSettings.h"
#include "book/BookLoansPage.h"
#include "book/BookProperties.h"
#include "book/DatePicker.h"
#include "book/ReadingDlg.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/TomeloListView.h"
#include "loans/LendDlg.h"
#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"
#include "loans/SeriesStore.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

constexpr quint32 kDune = 10;
constexpr int kLoansTab = 6;

const QDate kToday = QDate::currentDate();

QString Iso(int daysAgo)
{
    return kToday.addDays(-daysAgo).toString(Qt::ISODate);
}

template <class T> T *Child(QWidget &parent, const char *name)
{
    T *child = parent.findChild<T *>(QLatin1String(name));
    if (!child)
        qWarning("no child %s", name);
    return child;
}

// The date picker whose field is named `name`.
CDatePicker *Picker(QWidget &parent, const char *name)
{
    QLineEdit *edit = Child<QLineEdit>(parent, name);
    return edit ? qobject_cast<CDatePicker *>(edit->parentWidget()) : nullptr;
}

QStringList RowTexts(QTreeWidget *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts += list->topLevelItem(row)->text(column);
    return texts;
}

// Every table but those named, for comparing what else a change touched.
CTableDump Without(CTableDump dump, const QStringList &tables)
{
    for (const QString &table : tables)
        dump.remove(table);
    return dump;
}

} // namespace

class TestBookLoansPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_path;

    CMainFrame &Frame() { return m_env->Frame(); }
    CTomeloDoc &Doc() { return m_env->Document(); }
    QString Db(const QString &sql) { return QueryText(*Doc().m_connection, sql); }

    void Start(const QString &language = QString())
    {
        m_env = std::make_unique<CWindowTestEnv>();
        if (!language.isEmpty())
            QVERIFY(CAppSettings::SetUiLanguage(language));
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"));
        QVERIFY(m_env->StartWindow({m_path}));
    }

    // Dune with a returned loan from Bruno, an overdue one to Anna, a
    // finished reading and one still going.
    void GiveDuneAHistory()
    {
        CLoanStore loans(*Doc().m_connection);
        QVERIFY(loans.Lend(kDune, {LoanDirection::Borrowed, QStringLiteral("Bruno"),
                                   kToday.addDays(-100), kToday.addDays(-80), QString()}));
        QVERIFY(loans.Return(kDune, kToday.addDays(-90)));
        QVERIFY(loans.Lend(kDune, {LoanDirection::Lent, QStringLiteral("Anna"), kToday.addDays(-40),
                                   kToday.addDays(-10), QStringLiteral("the paperback")}));
        CReadingStore readings(*Doc().m_connection);
        QVERIFY(readings.Add(
            {0, kDune, kToday.addDays(-200), kToday.addDays(-150), QStringLiteral("first time")}));
        QVERIFY(readings.Add({0, kDune, kToday.addDays(-30), QDate(), QStringLiteral("again")}));
    }

    // Opens Dune's sheet on the Loans & Reading page and hands it to `drive`.
    bool DriveDune(const std::function<void(CBookProperties &, CBookLoansPage &)> &drive)
    {
        Frame().activateWindow();
        if (!QTest::qWaitForWindowActive(&Frame()) || !Frame().ListView()->SelectBook(kDune) ||
            !QTest::qWaitFor([this] { return Doc().m_selectedBookIds == QVector<quint32>{kDune}; },
                             30000))
            return false;
        return DriveModal<CBookProperties>(
            [this] { Frame().Action(ID_EDIT_BOOK)->trigger(); },
            [&](CBookProperties &sheet) {
                QTabBar *bar = sheet.Tabs()->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(kLoansTab).center());
                auto *page = qobject_cast<CBookLoansPage *>(sheet.Tabs()->currentWidget());
                QVERIFY(page);
                drive(sheet, *page);
            });
    }

    static void ClickOk(QDialog &dialog)
    {
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }

    // Fills the reading dialog that `open` brings up and presses OK; false
    // when it did not close.
    static bool AnswerReading(const std::function<void()> &open, const QDate &started,
                              const QDate &finished, const QString &notes,
                              QString *refusal = nullptr)
    {
        bool closed = false;
        const bool shown = DriveModal<CReadingDlg>(open, [&](CReadingDlg &dialog) {
            CDatePicker *start = Picker(dialog, "ReadingStarted");
            CDatePicker *end = Picker(dialog, "ReadingFinished");
            QVERIFY(start && end);
            start->SetDate(started);
            if (finished.isValid())
                end->SetDate(finished);
            else
                end->ClearDate();
            QLineEdit *note = Child<QLineEdit>(dialog, "ReadingNotes");
            note->selectAll();
            QTest::keyClicks(note, notes);
            ClickOk(dialog);
            closed = !dialog.isVisible();
            if (refusal) {
                *refusal = dialog.Problem();
                CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("reading_refused"));
            }
        });
        return shown && closed;
    }

    // On Dune's page: Anna's book back, a reading added (after one refused
    // for ending before it starts), the open reading finished, the first
    // one deleted.
    void ChangeDunesHistory(CBookLoansPage &page)
    {
        auto *readings = Child<QTreeWidget>(page, "ReadingList");
        QTest::mouseClick(Child<QPushButton>(page, "ReturnButton"), Qt::LeftButton);
        QVERIFY(!Child<QPushButton>(page, "ReturnButton")->isEnabled());

        auto *add = Child<QPushButton>(page, "AddReading");
        QString refusal;
        QVERIFY(!AnswerReading([&] { add->click(); }, kToday.addDays(-5), kToday.addDays(-6),
                               QStringLiteral("backwards"), &refusal));
        QCOMPARE(refusal, CReadingStore::FinishedBeforeStartedMessage());
        QCOMPARE(readings->topLevelItemCount(), 2);
        QVERIFY(AnswerReading([&] { add->click(); }, kToday.addDays(-5), kToday.addDays(-1),
                              QStringLiteral("third")));

        // Latest start first: the new one, the open one, the first.
        QCOMPARE(RowTexts(readings, 2), QStringList({"third", "again", "first time"}));
        readings->setCurrentItem(readings->topLevelItem(1));
        QVERIFY(AnswerReading([&] { Child<QPushButton>(page, "EditReading")->click(); },
                              kToday.addDays(-30), kToday.addDays(-2),
                              QStringLiteral("again, done")));
        readings->setCurrentItem(readings->topLevelItem(2));
        QTest::mouseClick(Child<QPushButton>(page, "DeleteReading"), Qt::LeftButton);
        QCOMPARE(RowTexts(readings, 2), QStringList({"third", "again, done"}));
    }

    QStringList DunesReadings()
    {
        return Db(QStringLiteral("SELECT group_concat(r, ';') FROM (SELECT Started || '|' || "
                                 "ifnull(Finished, '-') || '|' || Notes AS r FROM reading "
                                 "WHERE BookID=10 ORDER BY Started)"))
            .split(u';');
    }

private Q_SLOTS:
    void cleanup()
    {
        if (m_env)
            m_env->CloseWindow();
        m_env.reset();
    }

    // The number is refused where it is typed and at OK; a number-like one
    // is stored as the series keeps numbers, under the series as known.
    void seriesAndNumber_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("stored");
        QTest::newRow("a word") << "Dune Saga"
                                << "two" << true << "Dune Saga|1";
        QTest::newRow("a letter after") << "Dune Saga"
                                        << "2a" << true << "Dune Saga|1";
        QTest::newRow("a whole number") << "Dune Saga"
                                        << "3" << false << "Dune Saga|3";
        QTest::newRow("a comma") << "Dune Saga"
                                 << "2,5" << false << "Dune Saga|2.5";
        QTest::newRow("other letter case") << "DUNE saga"
                                           << "7" << false << "Dune Saga|7";
        QTest::newRow("a new series") << "Arrakis"
                                      << "" << false << "Arrakis|";
        QTest::newRow("out of the series") << ""
                                           << "" << false << "";
    }
    void seriesAndNumber()
    {
        QFETCH(QString, series);
        QFETCH(QString, number);
        QFETCH(bool, refused);
        QFETCH(QString, stored);
        Start();
        QVERIFY(CSeriesStore(*Doc().m_connection)
                    .SetBookSeries(kDune, QStringLiteral("Dune Saga"), QStringLiteral("1")));
        const QString place = QStringLiteral(
            "SELECT ifnull((SELECT s.Name || '|' || ifnull(bs.Number, '') FROM book_series bs "
            "JOIN bookseries s ON s.SeriesID = bs.SeriesID WHERE bs.BookID = 10), '')");
        QVERIFY(DriveDune([&](CBookProperties &sheet, CBookLoansPage &page) {
            auto *name = Child<QComboBox>(page, "Series");
            auto *field = Child<QLineEdit>(page, "SeriesNumber");
            QCOMPARE(name->currentText(), QStringLiteral("Dune Saga"));
            QCOMPARE(field->text(), QStringLiteral("1"));
            name->lineEdit()->selectAll();
            QTest::keyClick(name->lineEdit(), Qt::Key_Delete);
            QTest::keyClicks(name->lineEdit(), series);
            // Only a book in a series has a number in it.
            QCOMPARE(field->isEnabled(), !series.isEmpty());
            if (field->isEnabled()) {
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Delete);
                QTest::keyClicks(field, number);
            }
            QAction *warning = field->actions().value(0);
            QVERIFY(warning);
            QCOMPARE(warning->isVisible(), refused);
            ClickOk(sheet);
            QCOMPARE(sheet.isVisible(), refused);
            if (refused) {
                QCOMPARE(m_env->prompt.LastText(), CSeriesStore::BadNumberMessage(number));
                QCOMPARE(sheet.Tabs()->currentIndex(), kLoansTab);
                QCOMPARE(sheet.focusWidget(), field);
                QCOMPARE(field->selectedText(), number);
            }
        }));
        QCOMPARE(Db(place), stored);
        QCOMPARE(Db(QStringLiteral("SELECT count(*) FROM bookseries WHERE Name LIKE 'dune saga'")),
                 QStringLiteral("1"));
    }

    // What the page changes is shown at once, dropped by Cancel, stored by
    // OK exactly as shown (and nothing else), and undone and redone with
    // the book in one step.
    void loansAndReadingsWaitForOk()
    {
        Start();
        GiveDuneAHistory();
        const CTableDump before = DumpTables(m_path);

        QVERIFY(DriveDune([&](CBookProperties &sheet, CBookLoansPage &page) {
            auto *loans = Child<QTreeWidget>(page, "LoanHistory");
            QCOMPARE(RowTexts(loans, 1), QStringList({"Anna", "Bruno"}));
            QCOMPARE(loans->topLevelItem(0)->text(4), CBookLoansPage::tr("Overdue"));
            QCOMPARE(loans->topLevelItem(1)->text(4),
                     ShownDateText(CPartialDate::FromDate(kToday.addDays(-90))));
            QVERIFY(!Child<QPushButton>(page, "LendButton")->isEnabled());
            CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("loans_page_loaded"));
            ChangeDunesHistory(page);
            QCOMPARE(loans->topLevelItem(0)->text(4),
                     ShownDateText(CPartialDate::FromDate(kToday)));
            sheet.reject();
        }));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(before, DumpTables(m_path))));
        QVERIFY(m_env->prompt.shown.isEmpty());

        QVERIFY(DriveDune([&](CBookProperties &sheet, CBookLoansPage &page) {
            ChangeDunesHistory(page);
            CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("loans_page_changed"));
            ClickOk(sheet);
            QVERIFY(!sheet.isVisible());
        }));
        const CTableDump after = DumpTables(m_path);
        QCOMPARE(DunesReadings(),
                 QStringList({Iso(30) + u'|' + Iso(2) + QStringLiteral("|again, done"),
                              Iso(5) + u'|' + Iso(1) + QStringLiteral("|third")}));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(b.Name || '|' || ifnull(l.ReturnDate, "
                                   "'open'), ';') FROM loan l JOIN borrower b USING (BorrowerID) "
                                   "WHERE l.BookID = 10 ORDER BY l.LoanDate")),
                 QStringLiteral("Bruno|%1;Anna|%2").arg(Iso(90), Iso(0)));
        const QStringList rowTables = {QStringLiteral("loan"), QStringLiteral("reading")};
        QVERIFY2(DumpDifference(Without(before, rowTables), Without(after, rowTables)).isEmpty(),
                 qPrintable(DumpDifference(Without(before, rowTables), Without(after, rowTables))));
        QVERIFY(m_env->prompt.shown.isEmpty());

        QVERIFY(Frame().RouteCommand(ID_EDIT_UNDO));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(before, DumpTables(m_path))));
        QVERIFY(Frame().RouteCommand(ID_EDIT_REDO));
        QVERIFY2(DumpDifference(after, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(after, DumpTables(m_path))));
    }

    // A loan to someone new brings the borrower; undone, both go. A new
    // book's loan and readings go in with the book.
    void lendToSomeoneNew()
    {
        Start();
        const CTableDump before = DumpTables(m_path);
        QVERIFY(DriveDune([&](CBookProperties &sheet, CBookLoansPage &page) {
            auto *lend = Child<QPushButton>(page, "LendButton");
            QVERIFY(DriveModal<CLendDlg>([&] { lend->click(); },
                                         [&](CLendDlg &dialog) {
                                             QComboBox *who = Child<QComboBox>(dialog, "Borrower");
                                             QTest::keyClicks(who->lineEdit(),
                                                              QStringLiteral("Zoe"));
                                             ClickOk(dialog);
                                             QVERIFY(!dialog.isVisible());
                                         }));
            auto *loans = Child<QTreeWidget>(page, "LoanHistory");
            QCOMPARE(RowTexts(loans, 1), QStringList({"Zoe"}));
            QCOMPARE(loans->topLevelItem(0)->text(4), CBookLoansPage::tr("Not returned"));
            QVERIFY(!lend->isEnabled());
            ClickOk(sheet);
            QVERIFY(!sheet.isVisible());
        }));
        const CTableDump after = DumpTables(m_path);
        QCOMPARE(
            Db(QStringLiteral("SELECT b.Name || '|' || l.Direction || '|' || l.LoanDate || "
                              "'|' || l.DueDate FROM loan l JOIN borrower b USING "
                              "(BorrowerID) WHERE l.BookID = 10 AND l.ReturnDate IS NULL")),
            QStringLiteral("Zoe|lent|%1|%2").arg(Iso(0), Iso(-CAppSettings::LoanPeriodDays())));
        QVERIFY(Frame().RouteCommand(ID_EDIT_UNDO));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(before, DumpTables(m_path))));
        QVERIFY(Frame().RouteCommand(ID_EDIT_REDO));
        QVERIFY2(DumpDifference(after, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(after, DumpTables(m_path))));

        // A new book: its reading is a row of the record the save writes.
        CBookRecord found;
        found.Title = QStringLiteral("Children of Dune");
        bool added = false;
        QVERIFY(DriveModal<CBookProperties>(
            [&] { CBookProperties::RunAdd(&Frame(), Doc(), found); },
            [&](CBookProperties &sheet) {
                sheet.Tabs()->setCurrentIndex(kLoansTab);
                auto *page = qobject_cast<CBookLoansPage *>(sheet.Tabs()->currentWidget());
                QVERIFY(page);
                QVERIFY(AnswerReading([&] { Child<QPushButton>(*page, "AddReading")->click(); },
                                      kToday.addDays(-3), QDate(), QStringLiteral("started")));
                ClickOk(sheet);
                added = !sheet.isVisible();
            }));
        QVERIFY(added);
        QCOMPARE(Db(QStringLiteral("SELECT r.Started || '|' || ifnull(r.Finished, '-') || '|' || "
                                   "r.Notes FROM reading r JOIN book b USING (BookID) WHERE "
                                   "b.Title = 'Children of Dune'")),
                 Iso(3) + QStringLiteral("|-|started"));
        QVERIFY(m_env->prompt.shown.isEmpty());
    }

    // The page with a history, as a person sees it in two languages.
    void pageScreenshots_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "Enu";
        QTest::newRow("Italian") << "Ita";
    }
    void pageScreenshots()
    {
        QFETCH(QString, language);
        Start(language);
        GiveDuneAHistory();
        QVERIFY(CSeriesStore(*Doc().m_connection)
                    .SetBookSeries(kDune, QStringLiteral("Dune Saga"), QStringLiteral("1")));
        QVERIFY(DriveDune([&](CBookProperties &sheet, CBookLoansPage &page) {
            QCOMPARE(sheet.Tabs()->tabText(kLoansTab), page.Caption());
            // Everything fits the sheet as it opens.
            for (QWidget *widget : page.findChildren<QWidget *>()) {
                if (!widget->isVisibleTo(&page))
                    continue;
                const QRect inPage(widget->mapTo(&page, QPoint(0, 0)), widget->size());
                QVERIFY2(page.rect().contains(inPage), qPrintable(widget->objectName()));
                if (auto *button = qobject_cast<QPushButton *>(widget))
                    QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                             qPrintable(button->text()));
            }
            CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("loans_page_") + language);
        }));
    }
};

TOMELODEX_GUI_TEST_MAIN(TestBookLoansPage)
#include "tst_bookloanspage.moc"
