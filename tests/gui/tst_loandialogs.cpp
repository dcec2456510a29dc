// Lend..., Borrowed From... and Return on the selected books of the real
// window: the loan dialog with its known borrowers and default due date,
// the refusals it shows without storing anything, Return without a
// question, and several books lent and returned as one undo step.

#include "LibraryFixture.h"
#include "TableDump.h"

#include "app/AppSettings.h"
#include "book/DatePicker.h"
#include "db/TomeloDoc.h"
#include "dialogs/Options.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"
#include "loans/LendDlg.h"
#include "undo/LibraryUndo.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <memory>

namespace {

QString Iso(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

template <class T> T *Find(QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

void ClickOk(QDialog &dialog)
{
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

// The date picker around the field `name`.
CDatePicker *Picker(QDialog &dialog, const char *name)
{
    return qobject_cast<CDatePicker *>(Find<QLineEdit>(dialog, name)->parentWidget());
}

} // namespace

class TestLoanDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_path;
    const QDate m_today = QDate::currentDate();

    CTomeloDoc &Doc() { return m_env->Document(); }
    CMainFrame &Frame() { return m_env->Frame(); }
    CTomeloListView &List() { return *Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*Doc().m_connection, sql); }
    // Every loan as "book,borrower,direction,loan date,due date,return date,notes".
    QString Loans()
    {
        return Db(QStringLiteral(
            "SELECT group_concat(r, '|') FROM (SELECT BookID || ',' || Name || ',' || Direction "
            "|| ',' || LoanDate || ',' || ifnull(DueDate, '-') || ',' || ifnull(ReturnDate, '-') "
            "|| ',' || ifnull(Notes, '') AS r FROM loan JOIN borrower USING (BorrowerID) ORDER BY "
            "LoanID)"));
    }
    void ExpectTables(const CTableDump &expected)
    {
        const QString difference = DumpDifference(expected, DumpTables(m_path));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Selects the rows of the books titled `titles` in the list.
    void Select(const QStringList &titles)
    {
        QAbstractItemView *view = List().CurrentView();
        view->selectionModel()->clearSelection();
        QVector<quint32> ids;
        for (int row = 0; row < List().Model()->rowCount(); ++row) {
            const QModelIndex index = List().Model()->index(row, 0);
            if (titles.contains(index.data().toString())) {
                view->selectionModel()->select(index, QItemSelectionModel::Select |
                                                          QItemSelectionModel::Rows);
                ids += List().Model()->BookIdAt(row);
            }
        }
        view->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(Doc().m_selectedBookIds, ids, 30000);
    }
    bool Drive(int command, const std::function<void(CLendDlg &)> &drive)
    {
        return DriveModal<CLendDlg>([&] { Frame().RouteCommand(command); }, drive);
    }
    void ExpectOffered(bool lend, bool giveBack)
    {
        Frame().UpdateCommands();
        QCOMPARE(Frame().Action(ID_LEND_BOOK)->isEnabled(), lend);
        QCOMPARE(Frame().Action(ID_BORROW_BOOK)->isEnabled(), lend);
        QCOMPARE(Frame().Action(ID_RETURN_BOOK)->isEnabled(), giveBack);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            m_path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1)"),
             QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Alpha'), (2, 'Beta'), "
                            "(3, 'Gamma'), (4, 'Delta')"),
             QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), (4, 32)"),
             QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (7, 'Anna Rossi')")}));
        QVERIFY(m_env->StartWindow({m_path}));
        Frame().TreeView()->SelectCategory(32);
        QTRY_COMPARE(List().Model()->rowCount(), 4);
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    // The period set in Options gives the dialog's due date; a new person
    // is added, a known one typed in other letters is that person; Return
    // asks nothing.
    void lendBorrowAndReturn()
    {
        QVERIFY(DriveModal<COptions>([&] { Frame().RouteCommand(ID_OPTIONS); },
                                     [&](COptions &options) {
                                         options.findChild<QTabWidget *>()->setCurrentIndex(1);
                                         auto *days = Find<QSpinBox>(options, "LoanPeriodDays");
                                         QCOMPARE(days->value(), 28);
                                         days->setValue(10);
                                         CWindowTestEnv::SaveScreenshot(
                                             options, QStringLiteral("loans_options"));
                                         ClickOk(options);
                                     }));
        QCOMPARE(CAppSettings::LoanPeriodDays(), 10);

        Select({QStringLiteral("Alpha")});
        ExpectOffered(true, false);
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Lend 1 Book"));
            QCOMPARE(Find<QLabel>(dialog, "Books")->text(), QStringLiteral("Alpha"));
            auto *borrower = Find<QComboBox>(dialog, "Borrower");
            QCOMPARE(borrower->count(), 1);
            auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            QTest::keyClicks(borrower->lineEdit(), QStringLiteral("  "));
            QVERIFY(!ok->isEnabled());
            QTest::keyClicks(borrower->lineEdit(), QStringLiteral("Bruno Bianchi "));
            QVERIFY(ok->isEnabled());
            QCOMPARE(Picker(dialog, "LoanDate")->Text(), Iso(m_today));
            QCOMPARE(Picker(dialog, "DueDate")->Text(), Iso(m_today.addDays(10)));
            QTest::keyClicks(Find<QLineEdit>(dialog, "Notes"), QStringLiteral("with the map"));
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("loans_lend"));
            ok->click();
            QVERIFY(!dialog.isVisible());
        }));
        QCOMPARE(Loans(), QStringLiteral("1,Bruno Bianchi,lent,%1,%2,-,with the map")
                              .arg(Iso(m_today), Iso(m_today.addDays(10))));
        // The book stays selected, now out: it can only come back.
        QTRY_COMPARE(Doc().m_selectedBookIds, QVector<quint32>{1});
        ExpectOffered(false, true);

        Select({QStringLiteral("Beta")});
        QVERIFY(Drive(ID_BORROW_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Borrowed From"));
            QTest::keyClicks(Find<QComboBox>(dialog, "Borrower")->lineEdit(),
                             QStringLiteral("ANNA rossi"));
            Picker(dialog, "DueDate")->CheckBox()->click(); // no due date
            ClickOk(dialog);
        }));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(Name, '|') FROM borrower")),
                 QStringLiteral("Anna Rossi|Bruno Bianchi"));
        QVERIFY(
            Loans().endsWith(QStringLiteral("|2,Anna Rossi,borrowed,%1,-,-,").arg(Iso(m_today))));

        // Both books come back at once without a question; Gamma, never
        // out, is left alone but stays selected.
        Select({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
        ExpectOffered(false, true);
        QVERIFY(Frame().RouteCommand(ID_RETURN_BOOK));
        QVERIFY(m_env->prompt.shown.isEmpty());
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID || ':' || ReturnDate) FROM loan")),
                 QStringLiteral("1:%1,2:%1").arg(Iso(m_today)));
        QTRY_COMPARE(Doc().m_selectedBookIds.size(), 3);
        ExpectOffered(true, false);
    }

    void refusalsStoreNothing_data()
    {
        QTest::addColumn<QString>("loanDate");
        QTest::addColumn<QString>("dueDate");
        QTest::addColumn<bool>("lentMeanwhile");
        QTest::addColumn<QString>("problem");
        QTest::newRow("due before loan")
            << "2026-03-10"
            << "2026-03-09" << false << "The due date is before the date of the loan.";
        QTest::newRow("month only")
            << "2026-03" << QString() << false << "Give the day of the loan";
        // Another program lent Beta after the dialog opened: Alpha's loan
        // is not stored either.
        QTest::newRow("book out meanwhile")
            << QString() << QString() << true << "Beta is already lent to Carla since 2026-01-05.";
    }
    void refusalsStoreNothing()
    {
        QFETCH(QString, loanDate);
        QFETCH(QString, dueDate);
        QFETCH(bool, lentMeanwhile);
        QFETCH(QString, problem);
        Select({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        CTableDump unchanged = DumpTables(m_path);
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Lend 2 Books"));
            QCOMPARE(Find<QLabel>(dialog, "Books")->text(), QStringLiteral("Alpha\nBeta"));
            QTest::keyClicks(Find<QComboBox>(dialog, "Borrower")->lineEdit(),
                             QStringLiteral("Dario"));
            // Typed as a person does, ending with Enter; the due date first,
            // so that no loan is valid on the way.
            for (const auto &[name, text] :
                 {std::pair("DueDate", dueDate), std::pair("LoanDate", loanDate)}) {
                if (text.isEmpty())
                    continue;
                QLineEdit *field = Find<QLineEdit>(dialog, name);
                field->selectAll();
                QTest::keyClicks(field, text);
                QTest::keyClick(field, Qt::Key_Return);
            }
            if (lentMeanwhile) {
                QVERIFY(FillLibrary(
                    m_path, {QStringLiteral("INSERT INTO borrower VALUES (8, 'Carla', NULL)"),
                             QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, "
                                            "LoanDate) VALUES (2, 8, 'lent', '2026-01-05')")}));
                unchanged = DumpTables(m_path);
            }
            ClickOk(dialog);
            QVERIFY(dialog.isVisible());
            auto *shown = Find<QLabel>(dialog, "Problem");
            QVERIFY(shown->isVisible());
            QVERIFY2(shown->text().startsWith(problem), qPrintable(shown->text()));
            if (lentMeanwhile)
                CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("loans_refused"));
        }));
        ExpectTables(unchanged);
        QCOMPARE(CLibraryUndo::Of(Doc()).Stack().count(), 0);
    }

    // Three books lent in one dialog are one undo step, which gives back
    // every row, the new borrower too; so is returning them.
    void severalBooksAreOneUndoStep()
    {
        Select({QStringLiteral("Alpha"), QStringLiteral("Gamma"), QStringLiteral("Delta")});
        QMenu *menu = Frame().ContextMenu(QStringLiteral("List"));
        for (const int id : {ID_LEND_BOOK, ID_RETURN_BOOK, ID_BORROW_BOOK})
            QVERIFY(menu->actions().contains(Frame().Action(id)));
        menu->popup(List().mapToGlobal(QPoint(40, 40)));
        QTRY_VERIFY(menu->isVisible());
        CWindowTestEnv::SaveScreenshot(*menu, QStringLiteral("loans_context_menu"));
        menu->hide();

        const CTableDump before = DumpTables(m_path);
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QTest::keyClicks(Find<QComboBox>(dialog, "Borrower")->lineEdit(),
                             QStringLiteral("Elena"));
            ClickOk(dialog);
        }));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID || Name) FROM (SELECT * FROM loan "
                                   "JOIN borrower USING (BorrowerID) WHERE ReturnDate IS NULL "
                                   "ORDER BY BookID)")),
                 QStringLiteral("1Elena,3Elena,4Elena"));
        const CTableDump lent = DumpTables(m_path);
        QCOMPARE(Frame().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Lend 3 Books"));

        // The same books stay selected, now to be returned.
        QTRY_COMPARE_WITH_TIMEOUT(Doc().m_selectedBookIds.size(), 3, 30000);
        QVERIFY(Frame().RouteCommand(ID_RETURN_BOOK));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM loan WHERE ReturnDate IS NULL")),
                 QStringLiteral("0"));
        QCOMPARE(Frame().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Return 3 Books"));
        const CTableDump returned = DumpTables(m_path);

        for (const CTableDump *expected : {&lent, &before}) {
            QVERIFY(Frame().RouteCommand(ID_EDIT_UNDO));
            ExpectTables(*expected);
        }
        for (const CTableDump *expected : {&lent, &returned}) {
            QVERIFY(Frame().RouteCommand(ID_EDIT_REDO));
            ExpectTables(*expected);
        }
    }
};

TOMELODEX_GUI_TEST_MAIN(TestLoanDialogs)
#include "tst_loandialogs.moc"
