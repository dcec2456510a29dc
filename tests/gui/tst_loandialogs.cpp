// Lend..., Borrowed From... and Return on the selected books of the real
// window: the loan dialog with its known borrowers and default due date,
// the refusals it shows without storing anything, Return without a
// question, and several books lent and returned as one undo step.

#include "LibraryFixture.h"
#include "TableDump.h"

#include "app/AppSettings.h"
#include "book/DatePicker.h"
#include "db/DateText.h"
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

#include <functional>
#include <memory>

namespace {

QString Iso(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QPushButton *OkButton(QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

// The picker whose field is called `name`.
CDatePicker *Picker(QDialog &dialog, const QString &name)
{
    for (CDatePicker *picker : dialog.findChildren<CDatePicker *>()) {
        if (picker->DateEdit()->objectName() == name)
            return picker;
    }
    qWarning("no date picker %s", qPrintable(name));
    return nullptr;
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
            "SELECT group_concat(r, '|') FROM (SELECT l.BookID || ',' || b.Name || ',' || "
            "l.Direction || ',' || l.LoanDate || ',' || ifnull(l.DueDate, '-') || ',' || "
            "ifnull(l.ReturnDate, '-') || ',' || ifnull(l.Notes, '') AS r FROM loan AS l JOIN "
            "borrower AS b USING (BorrowerID) ORDER BY l.LoanID)"));
    }
    QString Borrowers()
    {
        return Db(QStringLiteral(
            "SELECT group_concat(Name, '|') FROM (SELECT Name FROM borrower ORDER BY BorrowerID)"));
    }

    // Selects the rows of the books titled `titles` in the list.
    void Select(const QStringList &titles)
    {
        QAbstractItemView *view = List().CurrentView();
        view->selectionModel()->clearSelection();
        QVector<quint32> ids;
        for (int row = 0; row < List().Model()->rowCount(); ++row) {
            const QModelIndex index = List().Model()->index(row, 0);
            if (!titles.contains(index.data().toString()))
                continue;
            view->selectionModel()->select(index,
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
            ids += List().Model()->BookIdAt(row);
        }
        view->setFocus();
        QCOMPARE(ids.size(), titles.size());
        QTRY_COMPARE_WITH_TIMEOUT(Doc().m_selectedBookIds, ids, 30000);
    }
    bool Drive(int command, const std::function<void(CLendDlg &)> &drive)
    {
        return DriveModal<CLendDlg>([&] { Frame().RouteCommand(command); }, drive);
    }
    void ExpectCommands(bool lend, bool giveBack)
    {
        Frame().UpdateCommands();
        QCOMPARE(Frame().CommandState(ID_LEND_BOOK), lend);
        QCOMPARE(Frame().CommandState(ID_BORROW_BOOK), lend);
        QCOMPARE(Frame().CommandState(ID_RETURN_BOOK), giveBack);
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

    // The period set in Options is the dialog's due date; a new person is
    // added, a known one typed in other letters is that person; Return
    // asks nothing.
    void lendBorrowAndReturnOneBook()
    {
        QVERIFY(DriveModal<COptions>(
            [&] { Frame().RouteCommand(ID_OPTIONS); },
            [&](COptions &options) {
                auto *pages = options.findChild<QTabWidget *>();
                pages->setCurrentIndex(1);
                auto *days = options.findChild<QSpinBox *>(QStringLiteral("LoanPeriodDays"));
                QCOMPARE(days->value(), 28);
                days->setValue(10);
                CWindowTestEnv::SaveScreenshot(options, QStringLiteral("loans_options"));
                OkButton(options)->click();
            }));
        QCOMPARE(CAppSettings::LoanPeriodDays(), 10);

        Select({QStringLiteral("Alpha")});
        ExpectCommands(true, false);
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Lend 1 Book"));
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Books"))->text(),
                     QStringLiteral("Alpha"));
            auto *borrower = dialog.findChild<QComboBox *>(QStringLiteral("Borrower"));
            QCOMPARE(borrower->count(), 1);
            QCOMPARE(borrower->currentText(), QString());
            QVERIFY(!OkButton(dialog)->isEnabled());
            QTest::keyClicks(borrower->lineEdit(), QStringLiteral("  "));
            QVERIFY(!OkButton(dialog)->isEnabled());
            borrower->lineEdit()->clear();
            QTest::keyClicks(borrower->lineEdit(), QStringLiteral("Bruno Bianchi "));
            QVERIFY(OkButton(dialog)->isEnabled());
            QCOMPARE(Picker(dialog, QStringLiteral("LoanDate"))->Text(), Iso(m_today));
            QCOMPARE(Picker(dialog, QStringLiteral("DueDate"))->Text(), Iso(m_today.addDays(10)));
            QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("Notes")),
                             QStringLiteral("with the map"));
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("loans_lend"));
            OkButton(dialog)->click();
            QVERIFY(!dialog.isVisible());
        }));
        QCOMPARE(Loans(), QStringLiteral("1,Bruno Bianchi,lent,%1,%2,-,with the map")
                              .arg(Iso(m_today), Iso(m_today.addDays(10))));
        QCOMPARE(Borrowers(), QStringLiteral("Anna Rossi|Bruno Bianchi"));
        // The book stays selected, now out: it can only come back.
        QTRY_COMPARE(Doc().m_selectedBookIds, QVector<quint32>{1});
        ExpectCommands(false, true);

        Select({QStringLiteral("Beta")});
        QVERIFY(Drive(ID_BORROW_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Borrowed From"));
            auto *borrower = dialog.findChild<QComboBox *>(QStringLiteral("Borrower"));
            QCOMPARE(borrower->count(), 2);
            QTest::keyClicks(borrower->lineEdit(), QStringLiteral("ANNA rossi"));
            // No due date: the loan is kept without one.
            Picker(dialog, QStringLiteral("DueDate"))->CheckBox()->click();
            OkButton(dialog)->click();
        }));
        QCOMPARE(Borrowers(), QStringLiteral("Anna Rossi|Bruno Bianchi"));
        QVERIFY(
            Loans().endsWith(QStringLiteral("|2,Anna Rossi,borrowed,%1,-,-,").arg(Iso(m_today))));

        // Return takes both selected books back at once, asking nothing;
        // Gamma, never out, is left alone.
        Select({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
        ExpectCommands(false, true);
        const int messages = m_env->prompt.shown.size();
        QVERIFY(Frame().RouteCommand(ID_RETURN_BOOK));
        QCOMPARE(m_env->prompt.shown.size(), messages);
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID || ':' || ReturnDate) FROM loan")),
                 QStringLiteral("1:%1,2:%1").arg(Iso(m_today)));
        QTRY_COMPARE(Doc().m_selectedBookIds.size(), 3);
        ExpectCommands(true, false);
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
        QTest::newRow("month only") << "2026-03"
                                    << "" << false << "Give the day of the loan";
        // Another program lent Beta after the dialog opened: Alpha's loan
        // is not stored either.
        QTest::newRow("book out meanwhile")
            << ""
            << "" << true << "Beta is already lent to Carla since 2026-01-05.";
    }
    void refusalsStoreNothing()
    {
        QFETCH(QString, loanDate);
        QFETCH(QString, dueDate);
        QFETCH(bool, lentMeanwhile);
        QFETCH(QString, problem);
        Select({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        const CTableDump before = DumpTables(m_path);
        CTableDump meanwhile = before;
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Lend 2 Books"));
            QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Books"))->text(),
                     QStringLiteral("Alpha\nBeta"));
            QTest::keyClicks(dialog.findChild<QComboBox *>(QStringLiteral("Borrower"))->lineEdit(),
                             QStringLiteral("Dario"));
            // Each date typed as a person does, ending with Enter: the
            // due date first, so that no loan is ever valid on the way.
            const std::pair<QString, QString> typed[] = {{QStringLiteral("DueDate"), dueDate},
                                                         {QStringLiteral("LoanDate"), loanDate}};
            for (const auto &[name, text] : typed) {
                if (text.isEmpty())
                    continue;
                QLineEdit *field = Picker(dialog, name)->DateEdit();
                field->selectAll();
                QTest::keyClicks(field, text);
                QTest::keyClick(field, Qt::Key_Return);
                QVERIFY(dialog.isVisible());
            }
            if (lentMeanwhile) {
                QVERIFY(FillLibrary(
                    m_path, {QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (8, "
                                            "'Carla')"),
                             QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, "
                                            "LoanDate) VALUES (2, 8, 'lent', '2026-01-05')")}));
                meanwhile = DumpTables(m_path);
            }
            OkButton(dialog)->click();
            QVERIFY(dialog.isVisible());
            QVERIFY2(dialog.Problem().startsWith(problem), qPrintable(dialog.Problem()));
            QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("Problem"))->isVisible());
            if (lentMeanwhile)
                CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("loans_refused"));
        }));
        QVERIFY2(DumpDifference(meanwhile, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(meanwhile, DumpTables(m_path))));
        QCOMPARE(CLibraryUndo::Of(Doc()).Stack().count(), 0);
    }

    // Three books lent in one dialog are one undo step, which gives back
    // every row, the new borrower too; so is returning them.
    void severalBooksAreOneUndoStep()
    {
        Select({QStringLiteral("Alpha"), QStringLiteral("Gamma"), QStringLiteral("Delta")});
        // The list's menu offers the commands on what is selected.
        QMenu *menu = Frame().ContextMenu(QStringLiteral("List"));
        menu->popup(List().mapToGlobal(QPoint(40, 40)));
        QTRY_VERIFY(menu->isVisible());
        CWindowTestEnv::SaveScreenshot(*menu, QStringLiteral("loans_context_menu"));
        QStringList texts;
        for (QAction *action : menu->actions())
            if (action->isEnabled() && !action->isSeparator())
                texts += action->text();
        QVERIFY2(texts.contains(QStringLiteral("&Lend...")) &&
                     texts.contains(QStringLiteral("Borrowed &From...")) &&
                     !texts.contains(QStringLiteral("Retur&n")),
                 qPrintable(texts.join(u' ')));
        menu->hide();

        const CTableDump before = DumpTables(m_path);
        QVERIFY(Drive(ID_LEND_BOOK, [&](CLendDlg &dialog) {
            QTest::keyClicks(dialog.findChild<QComboBox *>(QStringLiteral("Borrower"))->lineEdit(),
                             QStringLiteral("Elena"));
            OkButton(dialog)->click();
        }));
        QCOMPARE(
            Db(QStringLiteral(
                "SELECT group_concat(BookID) FROM (SELECT BookID FROM loan WHERE ReturnDate IS "
                "NULL AND BorrowerID = (SELECT BorrowerID FROM borrower WHERE "
                "Name = 'Elena') ORDER BY BookID)")),
            QStringLiteral("1,3,4"));
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
            QVERIFY2(DumpDifference(*expected, DumpTables(m_path)).isEmpty(),
                     qPrintable(DumpDifference(*expected, DumpTables(m_path))));
        }
        for (const CTableDump *expected : {&lent, &returned}) {
            QVERIFY(Frame().RouteCommand(ID_EDIT_REDO));
            QVERIFY2(DumpDifference(*expected, DumpTables(m_path)).isEmpty(),
                     qPrintable(DumpDifference(*expected, DumpTables(m_path))));
        }
    }
};

TOMELODEX_GUI_TEST_MAIN(TestLoanDialogs)
#include "tst_loandialogs.moc"
