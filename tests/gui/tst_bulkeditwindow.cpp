// Edit Book with several books selected in the real window: the bulk editor
// shows what the books share and "(various)" where they differ, changes
// only the fields checked, replaces with a pattern after showing a preview,
// joins a category, and says how many books changed.

#include "LibraryFixture.h"
#include "TableDump.h"

#include "book/BulkEditDlg.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <functional>
#include <memory>

class TestBulkEditWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_path;

    CTomeloDoc &Doc() { return m_env->Document(); }
    CTomeloListView &List() { return *m_env->Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*Doc().m_connection, sql); }
    // Each book's value of `expression`, in BookID order.
    QString PerBook(const QString &expression)
    {
        return Db(QStringLiteral("SELECT group_concat(v, '|') FROM (SELECT %1 AS v FROM book AS "
                                 "b ORDER BY BookID)")
                      .arg(expression));
    }

    // Opens the editor with Enter on the list, as a person finds the window
    // after closing a dialog, and hands it to `drive`.
    bool Drive(const std::function<void(CBulkEditDlg &)> &drive)
    {
        return DriveModal<CBulkEditDlg>(
            [this] {
                m_env->Frame().activateWindow();
                if (!QTest::qWaitForWindowActive(&m_env->Frame()))
                    return;
                List().CurrentView()->setFocus();
                QTest::keyClick(List().CurrentView(), Qt::Key_Return);
            },
            drive);
    }
    template <class T> static T *Find(QWidget &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QLatin1String(name));
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }
    static void ShowPage(QWidget &dialog, int index)
    {
        Find<QTabWidget>(dialog, "BulkEditPages")->setCurrentIndex(index);
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        m_path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(
            m_path,
            {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1), "
                            "(33, 'Boxes', 1)"),
             QStringLiteral("INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Shelf 1')"),
             QStringLiteral(
                 "INSERT INTO book (BookID, Title, Edition, LocationID, StatusID) VALUES "
                 "(1, 'Alpha', '1st', 1, 1), (2, 'beta', '1st', 1, 4), "
                 "(3, 'gamma', '1st', NULL, 1), (4, 'delta', '2nd', NULL, 1)"),
             QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), "
                            "(4, 32)")}));
        QVERIFY(m_env->StartWindow({m_path}));
        m_env->Frame().TreeView()->SelectCategory(32);
        QCOMPARE(Doc().m_currentCategoryId, 32);
        // Alpha, beta, delta, gamma: all but delta.
        QAbstractItemView *view = List().CurrentView();
        for (const int row : {0, 1, 3})
            view->selectionModel()->select(List().Model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->setFocus();
        QTRY_COMPARE(Doc().m_selectedBookIds.size(), 3);
        QVERIFY(m_env->Frame().CommandState(ID_EDIT_BOOK));
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void changesCheckedFieldsReplacesAndJoins()
    {
        const CTableDump before = DumpTables(m_path);
        QVERIFY(Drive([&](CBulkEditDlg &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit 3 Books"));
            // Shared values are shown; differing ones are empty with a hint.
            auto *edition = Find<QLineEdit>(dialog, "Edition");
            QCOMPARE(edition->text(), QStringLiteral("1st"));
            QVERIFY(edition->placeholderText().isEmpty());
            auto *title = Find<QLineEdit>(dialog, "Title");
            QCOMPARE(title->text(), QString());
            QCOMPARE(title->placeholderText(), QStringLiteral("(various)"));
            auto *location = Find<QComboBox>(dialog, "Location");
            QCOMPARE(location->currentText(), QString());
            QCOMPARE(location->lineEdit()->placeholderText(), QStringLiteral("(various)"));
            auto *status = Find<QComboBox>(dialog, "Status");
            QCOMPARE(status->currentIndex(), -1);

            // Typing a field checks its "change"; a known name in other
            // letter case is that name.
            auto *locationChange = Find<QCheckBox>(dialog, "LocationChange");
            QVERIFY(!locationChange->isChecked());
            QTest::keyClicks(location->lineEdit(), QStringLiteral("SHELF 1"));
            QVERIFY(locationChange->isChecked());
            ShowPage(dialog, 1);
            // A date stepped with the keys is a change too; Cancel below
            // keeps it from being written.
            auto *purchased = Find<QCheckBox>(dialog, "PurchaseDateSet");
            purchased->click();
            QVERIFY(Find<QCheckBox>(dialog, "PurchaseDateChange")->isChecked());
            Find<QCheckBox>(dialog, "PurchaseDateChange")->setChecked(false);
            QTest::keyClick(Find<QLineEdit>(dialog, "PurchaseDate"), Qt::Key_Up);
            QVERIFY(Find<QCheckBox>(dialog, "PurchaseDateChange")->isChecked());
            Find<QCheckBox>(dialog, "PurchaseDateChange")->setChecked(false);
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("bulkedit_personal"));
            ShowPage(dialog, 0);
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("bulkedit_general"));

            // A pattern with a group, previewed before anything is written.
            ShowPage(dialog, 2);
            auto *field = Find<QComboBox>(dialog, "ReplaceField");
            field->setCurrentIndex(field->findData(int(EBulkField::Title)));
            Find<QCheckBox>(dialog, "ReplacePattern")->setChecked(true);
            QTest::keyClicks(Find<QLineEdit>(dialog, "ReplaceFind"), QStringLiteral("^(\\w)"));
            QTest::keyClicks(Find<QLineEdit>(dialog, "ReplaceWith"), QStringLiteral("[\\1]"));
            auto *preview = Find<QTableWidget>(dialog, "ReplacePreview");
            QTRY_COMPARE_WITH_TIMEOUT(preview->rowCount(), 3, 30000);
            QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Alpha"));
            QCOMPARE(preview->item(0, 2)->text(), QStringLiteral("[A]lpha"));
            QCOMPARE(preview->item(2, 2)->text(), QStringLiteral("[g]amma"));
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("bulkedit_replace"));
            QCOMPARE(Db(QStringLiteral("SELECT Title FROM book WHERE BookID=1")),
                     QStringLiteral("Alpha"));

            // Joining a category takes it off the list of those to leave.
            ShowPage(dialog, 3);
            auto *leave = Find<QTreeWidget>(dialog, "LeaveCategories");
            auto *join = Find<QTreeWidget>(dialog, "JoinCategories");
            const auto boxes = [](QTreeWidget *tree) {
                return tree
                    ->findItems(QStringLiteral("Boxes"), Qt::MatchExactly | Qt::MatchRecursive)
                    .value(0);
            };
            QVERIFY(boxes(join) && boxes(leave));
            boxes(leave)->setCheckState(0, Qt::Checked);
            boxes(join)->setCheckState(0, Qt::Checked);
            QCOMPARE(boxes(leave)->checkState(0), Qt::Unchecked);
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("bulkedit_categories"));

            dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }));
        QCOMPARE(m_env->prompt.LastText(), QStringLiteral("Changed 3 books"));
        QCOMPARE(PerBook(QStringLiteral("quote(LocationID)")), QStringLiteral("1|1|1|NULL"));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM booklocation")), QStringLiteral("1"));
        QCOMPARE(PerBook(QStringLiteral("Title")), QStringLiteral("[A]lpha|[b]eta|[g]amma|delta"));
        // Unchecked fields are left as they were, whatever the books differ in.
        QCOMPARE(PerBook(QStringLiteral("StatusID")), QStringLiteral("1|4|1|1"));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM "
                                   "book_category WHERE CatID=33 ORDER BY BookID)")),
                 QStringLiteral("1,2,3"));
        // The list shows the new titles with the same books selected.
        QTRY_COMPARE(List().Model()->index(0, 0).data().toString(), QStringLiteral("[A]lpha"));
        QTRY_COMPARE(Doc().m_selectedBookIds.size(), 3);

        // Undo gives every table back as it was; Redo the change again.
        const CTableDump after = DumpTables(m_path);
        QCOMPARE(m_env->Frame().Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Edit 3 Books"));
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_UNDO));
        QVERIFY2(DumpDifference(before, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(before, DumpTables(m_path))));
        QVERIFY(m_env->Frame().RouteCommand(ID_EDIT_REDO));
        QVERIFY2(DumpDifference(after, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(after, DumpTables(m_path))));

        // Cancel writes nothing, even with fields typed and checked.
        QVERIFY(Drive([&](CBulkEditDlg &dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "Title"), QStringLiteral("Same"));
            QVERIFY(Find<QCheckBox>(dialog, "TitleChange")->isChecked());
            dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        }));
        QVERIFY(DumpDifference(after, DumpTables(m_path)).isEmpty());
    }
};

TOMELODEX_GUI_TEST_MAIN(TestBulkEditWindow)
#include "tst_bulkeditwindow.moc"
