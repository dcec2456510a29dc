// Adding books in the real window against the fake product service: the Add
// Book dialog's checks and ISBN lists, a batch with an unknown ISBN, a batch
// cancelled while the service stalls, and files dropped on the book list.

#include "FakeService.h"
#include "LibraryFixture.h"

#include "adding/AddBookDlg.h"
#include "adding/BatchDlg.h"
#include "app/AppSettings.h"
#include "app/OutputFile.h"
#include "app/StringTable.h"
#include "book/BookProperties.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "dialogs/Options.h"
#include "frame/CommandIds.h"
#include "frame/GuiPrompt.h"
#include "frame/MainFrame.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"
#include "online/LookupSource.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>

#include <cerrno>
#include <functional>
#include <memory>

namespace {

// Runs `action` once `ready` holds, checking from the event loop, so a test
// can act inside the modal dialogs a command opens. After 20 seconds it gives
// up and closes the open dialog, so that a test fails instead of hanging.
void When(std::function<bool()> ready, std::function<void()> action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, ready, action, ticks = 0]() mutable {
        const bool late = ++ticks > 1000;
        if (!late && !ready())
            return;
        timer->stop();
        timer->deleteLater();
        if (!late) {
            action();
        } else if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            qWarning("gave up waiting; closing %s", qPrintable(dialog->objectName()));
            dialog->reject();
        }
    });
    timer->start();
}

// Runs `action` on the dialog of type Dlg once it is the open modal window.
template <class Dlg> void WhenShown(std::function<void(Dlg *)> action)
{
    When(
        [] {
            auto *dialog = qobject_cast<Dlg *>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible();
        },
        [action] { action(qobject_cast<Dlg *>(QApplication::activeModalWidget())); });
}

template <class W> W *Child(QWidget *parent, const char *name)
{
    return parent->findChild<W *>(QLatin1String(name));
}

const int kTitleColumn = 1;
const int kResultColumn = 2;

QString Cell(QWidget *batch, int row, int column = kResultColumn)
{
    QTreeWidgetItem *item = Child<QTreeWidget>(batch, "BatchRows")->topLevelItem(row);
    return item ? item->text(column) : QStringLiteral("<no row>");
}

// Types `isbns` into the Add Book dialog and presses OK.
void EnterIsbns(CAddBookDlg *dialog, const QString &isbns)
{
    Child<QPlainTextEdit>(dialog, "IsbnBox")->setPlainText(isbns);
    dialog->accept();
}

} // namespace

class TestAdding : public QObject
{
    Q_OBJECT

    std::unique_ptr<CFakeService> m_service;
    std::unique_ptr<CWindowTestEnv> m_env;

    CTomeloListView &List() { return *m_env->Frame().ListView(); }
    QString Db(const QString &sql) { return QueryText(*m_env->Document().m_connection, sql); }
    QString BooksIn(int category)
    {
        return Db(QStringLiteral("SELECT group_concat(ISBN, ' ') FROM (SELECT ISBN FROM book JOIN "
                                 "book_category USING (BookID) WHERE CatID=%1 ORDER BY BookID)")
                      .arg(category));
    }
    static QString Shot(QWidget *widget, const char *name)
    {
        return CWindowTestEnv::SaveScreenshot(*widget, QLatin1String(name));
    }
    // A file of the test's folder holding `bytes`.
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_env->Path(name);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path
                                                                                    : QString();
    }
    DragOutcome DropFiles(const QStringList &paths)
    {
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        QAbstractItemView *view = List().CurrentView();
        return DragAndDrop(view->viewport(), view->viewport()->rect().center(), data,
                           Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
    }

    // What a batch showed when it ended: each row's Title and Result cells
    // ("title | result"), their tooltips and the status line.
    struct BatchRun
    {
        QStringList rows;
        QStringList tips;
        QString status;
    };

    // Add Book with `isbns`, Start in the batch dialog, and Close once the
    // job has finished (a job that ends itself closes the dialog alone).
    BatchRun RunBatch(const QString &isbns)
    {
        BatchRun run;
        WhenShown<CAddBookDlg>([isbns](CAddBookDlg *dialog) { EnterIsbns(dialog, isbns); });
        WhenShown<CBatchDlg>([&run](CBatchDlg *batch) {
            connect(batch, &QDialog::finished, [&run, batch] {
                auto *rows = Child<QTreeWidget>(batch, "BatchRows");
                for (int row = 0; row < rows->topLevelItemCount(); ++row) {
                    run.rows << Cell(batch, row, kTitleColumn) + QStringLiteral(" | ") +
                                    Cell(batch, row);
                    run.tips << rows->topLevelItem(row)->toolTip(kResultColumn);
                }
                run.status = Child<QLabel>(batch, "BatchStatus")->text();
            });
            QCOMPARE(Child<QLabel>(batch, "BatchStatus")->text(), QStringLiteral("Ready"));
            QTest::mouseClick(Child<QPushButton>(batch, "StartButton"), Qt::LeftButton);
            QVERIFY(!Child<QPushButton>(batch, "StartButton")->isEnabled());
            QPointer<QPushButton> close = Child<QPushButton>(batch, "CancelButton");
            When([close] { return !close || close->text() == QLatin1String("Close"); },
                 [batch, close] {
                     if (!close)
                         return;
                     Shot(batch, "batch_dialog");
                     QTest::mouseClick(close, Qt::LeftButton);
                 });
        });
        m_env->Frame().RouteCommand(ID_ADD_BOOK);
        return run;
    }

private Q_SLOTS:
    void init()
    {
        m_service = std::make_unique<CFakeService>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        m_env = std::make_unique<CWindowTestEnv>(CWindowTestEnv::kWithoutSample);
        CAppSettings::SetServiceHost(m_service->baseUrl());
        CAppSettings::SetStoreHost(m_service->baseUrl());
        CAppSettings::SetSearchHost(m_service->baseUrl());
        const QString path = m_env->CopyLibrary(QStringLiteral("lib.mdb"), true);
        QVERIFY(FillLibrary(path, {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) "
                                                  "VALUES (32, 'Mine', 1)")}));
        QVERIFY(m_env->StartWindow({path}));
        m_env->Frame().TreeView()->SelectCategory(32);
        QCOMPARE(m_env->Document().m_currentCategoryId, 32);
    }
    void cleanup()
    {
        m_env->CloseWindow();
        m_env.reset();
        m_service.reset();
    }

    void addBookDialogChecksItsInput()
    {
        CAddBookDlg dialog(&m_env->Frame());
        dialog.show();
        auto *box = Child<QPlainTextEdit>(&dialog, "IsbnBox");

        // Saving an empty box asks for no file.
        QTest::mouseClick(Child<QPushButton>(&dialog, "SaveButton"), Qt::LeftButton);
        QCOMPARE(m_env->prompt.LastText(), QStringLiteral("Nothing to save."));
        QVERIFY(m_env->files.filters.isEmpty());

        // Blank lines, spaces around a line and a scanned bar code; an invalid
        // line answered No keeps the dialog open with the box as it was.
        const QString typed =
            QStringLiteral("\n  0-596-00712-4  \n\n9780804429573\n12345\n   \n080442957x\n");
        box->setPlainText(typed);
        m_env->prompt.answers = {MsgAnswer::No};
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_env->prompt.LastText(),
                 QStringLiteral("12345 is not a valid ISBN. Ignore this one?"));
        QCOMPARE(box->toPlainText(), typed);
        Shot(&dialog, "add_book_dialog");

        // Saved and loaded back, the list is the non-blank lines.
        const QString listFile = m_env->Path(QStringLiteral("isbns.txt"));
        m_env->files.names = {listFile};
        QTest::mouseClick(Child<QPushButton>(&dialog, "SaveButton"), Qt::LeftButton);
        QCOMPARE(m_env->prompt.LastText(), QStringLiteral("File has been saved."));
        // A device that takes nothing is no saved list.
        const QString full = AlwaysFullDevice(m_env->Path(QString()));
        if (!full.isEmpty()) {
            m_env->files.names = {full};
            QTest::mouseClick(Child<QPushButton>(&dialog, "SaveButton"), Qt::LeftButton);
            QCOMPARE(m_env->prompt.LastText(), COutputFile::WriteFailedMessage(full, ENOSPC));
        }
        box->setPlainText(QStringLiteral("0596004206"));
        const QString blank = Write(QStringLiteral("blank.txt"), "  \n\n \t\n");
        m_env->files.names = {blank, listFile};
        QTest::mouseClick(Child<QPushButton>(&dialog, "LoadButton"), Qt::LeftButton);
        QCOMPARE(box->toPlainText(), QStringLiteral("0596004206"));
        QTest::mouseClick(Child<QPushButton>(&dialog, "LoadButton"), Qt::LeftButton);
        QCOMPARE(box->toPlainText(), QStringLiteral("0-596-00712-4\n9780804429573\n12345\n"
                                                    "080442957x"));

        m_env->prompt.answers = {MsgAnswer::Yes};
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.IsbnList(),
                 QStringList({QStringLiteral("0-596-00712-4"), QStringLiteral("080442957X"),
                              QStringLiteral("080442957x")}));

        // A 979 ISBN-13 is taken as typed; a bar code whose check digit is
        // wrong is no ISBN.
        CAddBookDlg thirteen(&m_env->Frame());
        thirteen.show();
        Child<QPlainTextEdit>(&thirteen, "IsbnBox")
            ->setPlainText(QStringLiteral("979-10-90636-07-1\n9780596007120"));
        m_env->prompt.answers = {MsgAnswer::Yes};
        thirteen.accept();
        QCOMPARE(m_env->prompt.LastText(),
                 QStringLiteral("9780596007120 is not a valid ISBN. Ignore this one?"));
        QCOMPARE(thirteen.IsbnList(), QStringList{QStringLiteral("979-10-90636-07-1")});

        // The search needs one of its three texts; the author alone will do.
        CAddBookDlg search(&m_env->Frame());
        search.show();
        QTest::mouseClick(Child<QRadioButton>(&search, "ModeSearch"), Qt::LeftButton);
        QVERIFY(!Child<QPlainTextEdit>(&search, "IsbnBox")->isEnabled());
        search.accept();
        QVERIFY(search.isVisible());
        QCOMPARE(m_env->prompt.LastText(),
                 QStringLiteral("Please enter at least one of them: title, author and publisher."));
        Child<QLineEdit>(&search, "AuthorBox")->setText(QStringLiteral("  Knuth "));
        search.accept();
        QCOMPARE(search.result(), int(QDialog::Accepted));
        QCOMPARE(search.GetMode(), CAddBookDlg::kModeSearch);
        QCOMPARE(search.SearchAuthor(), QStringLiteral("Knuth"));
    }

    // Three ISBNs, the middle one unknown to the service: two books are
    // added and the unknown one says why in its row.
    void batchOfThreeWithAnUnknownInTheMiddle()
    {
        const BatchRun run = RunBatch(QStringLiteral("0596007124\n1111111111\n080442957X"));
        QCOMPARE(run.rows,
                 QStringList({"Cartography of the Quiet Sea | Added", " | Not found at Amazon",
                              "Small Rivers: A Field Notebook | Added"}));
        // The service's own words, whole, are in the tooltip.
        QVERIFY2(run.tips[1].startsWith(QStringLiteral("Not found at Amazon\nError message "
                                                       "returned from Amazon:\n1111111111 is not "
                                                       "a valid value for ItemId. Please change "
                                                       "this value and retry your request.")),
                 qPrintable(run.tips[1]));
        QCOMPARE(run.tips[0], QStringLiteral("Cartography of the Quiet Sea\nAdded"));
        QCOMPARE(run.status, QStringLiteral("Job finished: 2 added, 1 not found at Amazon."));
        QCOMPARE(BooksIn(32), QStringLiteral("0596007124 080442957X"));
        QCOMPARE(List().Model()->rowCount(), 2);
    }

    // The worker's questions and messages are message boxes on the window's
    // thread while the worker waits (the duplicate question, a failed save);
    // the final status tells added, skipped, not found and not saved apart.
    void outcomesAreToldApart()
    {
        QVERIFY(m_env->Document().m_connection->Execute(QStringLiteral(
            "INSERT INTO book (BookID, Title, ISBN) VALUES (1, 'Old', '0596007124'); "
            "INSERT INTO book_category VALUES (1, 32); "
            "CREATE TRIGGER refuse BEFORE INSERT ON book WHEN NEW.ISBN = '080442957X' "
            "BEGIN SELECT RAISE(ABORT, 'the disk says no'); END")));
        CGuiPrompt windowPrompt;
        windowPrompt.SetParentWindow(&m_env->Frame());
        SetUserPrompt(&windowPrompt);
        QStringList boxes;
        QList<qsizetype> requestsWhenShown;
        bool allOnWindowThread = true;
        QTimer answerer;
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            boxes << box->text();
            requestsWhenShown << m_service->requests().size();
            allOnWindowThread = allOnWindowThread && box->thread() == qApp->thread();
            // Yes skips the duplicate.
            box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)
                ->click();
        });
        answerer.start();
        const BatchRun run = RunBatch(QStringLiteral("0596007124\n080442957X\n0596004206"));
        answerer.stop();
        SetUserPrompt(&m_env->prompt);

        QVERIFY(allOnWindowThread);
        QVERIFY(!boxes.isEmpty());
        // The duplicate is asked about before anything is looked up.
        QVERIFY2(boxes.first().startsWith(QStringLiteral("This book already exists in the "
                                                         "database:\nOld\n")),
                 qPrintable(boxes.first()));
        QCOMPARE(requestsWhenShown.first(), 0);
        QVERIFY(m_service->requests().filter(QStringLiteral("0596007124")).isEmpty());
        QCOMPARE(run.rows, QStringList({"Old | Already in the library: skipped",
                                        "Small Rivers: A Field Notebook | Not saved: the disk says "
                                        "no",
                                        "Gardens Under Glass | Added"}));
        QCOMPARE(run.status,
                 QStringLiteral("Job finished: 1 added, 1 already in the library, 1 not saved."));
        QCOMPARE(BooksIn(32), QStringLiteral("0596007124 0596004206"));
    }

    // A service that cannot be reached at all ends the job after the entry
    // in hand, says so, and the dialog closes by itself.
    void fatalErrorEndsTheJob()
    {
        CAppSettings::SetServiceHost(QStringLiteral("http://127.0.0.1:1"));
        const BatchRun run = RunBatch(QStringLiteral("0596007124\n080442957X"));
        QCOMPARE(run.rows, QStringList({" | Not looked up: Failed to load book info from XML "
                                        "source.",
                                        " | "}));
        QCOMPARE(m_env->prompt.LastText(),
                 QStringLiteral("Fatal error occurred. Job will be cancelled."));
        QCOMPARE(Db(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
    }

    // Cancel while the second of five lookups stalls: the dialog closes
    // without waiting for the service, the second entry says it was cut
    // off, and the last three are never asked for.
    void cancelWhileTheServiceStalls()
    {
        QVERIFY(m_service->delayLookup(QStringLiteral("080442957X"), 60000));
        QString second;
        bool closedByItself = false;
        WhenShown<CAddBookDlg>([](CAddBookDlg *dialog) {
            EnterIsbns(dialog, QStringLiteral(
                                   "0596007124\n080442957X\n0596004206\n1876543213\n1876543221"));
        });
        WhenShown<CBatchDlg>([&](CBatchDlg *batch) {
            QTest::mouseClick(Child<QPushButton>(batch, "StartButton"), Qt::LeftButton);
            When(
                [&, batch] {
                    return !Cell(batch, 0).isEmpty() &&
                           m_service->requests().filter(QStringLiteral("080442957X")).size() == 1;
                },
                [&, batch] {
                    auto *cancel = Child<QPushButton>(batch, "CancelButton");
                    QTest::mouseClick(cancel, Qt::LeftButton);
                    QVERIFY(batch->isVisible()); // until the worker has ended
                    QCOMPARE(Child<QLabel>(batch, "BatchStatus")->text(),
                             QStringLiteral("Finishing off, please wait..."));
                    QVERIFY(!cancel->isEnabled());
                    connect(batch, &QDialog::rejected, [&, batch] {
                        second = Cell(batch, 1);
                        closedByItself = true;
                    });
                });
        });
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_BOOK));

        QVERIFY(closedByItself);
        QCOMPARE(second, QStringLiteral("Not looked up: The transfer was cancelled."));
        QCOMPARE(BooksIn(32), QStringLiteral("0596007124"));
        for (const char *untouched : {"0596004206", "1876543213", "1876543221"})
            QVERIFY(m_service->requests().filter(QLatin1String(untouched)).isEmpty());
        QVERIFY2(m_env->prompt.shown.isEmpty(), qPrintable(m_env->prompt.LastText()));
    }

    // A text file with ISBNs on some of its lines fills the Add Book dialog
    // with each ISBN once; All Books takes no files, and the list no books.
    void droppedTextFileFillsTheDialog()
    {
        const QString text =
            Write(QStringLiteral("list.nfo"),
                  "Release notes\nISBN: 0-596-00712-4 (paperback)\nnothing here 12345\n"
                  "isbn 080442957x\nagain 0596007124\n");
        const QString other = Write(QStringLiteral("cover.jpg"), "ISBN 0596004206");
        QString prefilled;
        WhenShown<CAddBookDlg>([&](CAddBookDlg *dialog) {
            prefilled = dialog->IsbnText();
            dialog->reject();
        });
        const DragOutcome outcome = DropFiles({text, other});
        QCOMPARE(outcome.whileDragging, Qt::CopyAction);
        QVERIFY(outcome.dropped);
        QTRY_VERIFY(!prefilled.isEmpty());
        QCOMPARE(prefilled, QStringLiteral("0596007124\n080442957X\n"));
        QCOMPARE(List().Model()->rowCount(), 0);

        // Nothing found says so.
        QVERIFY(DropFiles({other}).dropped);
        QTRY_COMPARE(m_env->prompt.LastText(), LoadString(147));

        m_env->Frame().TreeView()->SelectCategory(kAllBooks);
        const DragOutcome refused = DropFiles({text});
        QCOMPARE(refused.whileDragging, Qt::IgnoreAction);
        QVERIFY(!refused.dropped);

        // The list takes files only: books dragged onto it are refused.
        m_env->Frame().TreeView()->SelectCategory(32);
        QAbstractItemView *view = List().CurrentView();
        const DragOutcome books =
            DragAndDrop(view->viewport(), view->viewport()->rect().center(), MakeBookMimeData({1}));
        QCOMPARE(books.whileDragging, Qt::IgnoreAction);
        QVERIFY(!books.dropped);
    }

    // A CHM whose page carries an ISBN: the book is looked up, added with its
    // e-book file, and selected.
    void droppedChmIsAddedWithItsFile()
    {
        const QString chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
        QVERIFY2(!chmcmd.isEmpty(), "chmcmd is missing: install the Debian package fp-utils");
        QDir source(m_env->Path(QStringLiteral("chm")));
        QVERIFY(source.mkpath(QStringLiteral(".")));
        QFile page(source.filePath(QStringLiteral("index.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>Copyright 2004.</p><p>ISBN 0-596-00712-4</p></body></html>\n");
        page.close();
        QFile project(source.filePath(QStringLiteral("book.hhp")));
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("[OPTIONS]\nCompiled file=Some Book-Group.chm\nTitle=Book\n"
                      "Default topic=index.htm\n\n[FILES]\nindex.htm\n");
        project.close();
        QProcess compile;
        compile.setWorkingDirectory(source.path());
        compile.start(chmcmd, {QStringLiteral("--no-html-scan"), QStringLiteral("book.hhp")});
        QVERIFY(compile.waitForFinished(120000));
        const QString chm = source.filePath(QStringLiteral("Some Book-Group.chm"));
        QVERIFY(QFile::exists(chm));

        QString prefilled;
        QString sheetTitle;
        WhenShown<CAddBookDlg>([&](CAddBookDlg *dialog) {
            prefilled = dialog->IsbnText();
            dialog->accept();
        });
        WhenShown<CBookProperties>([&](CBookProperties *sheet) {
            sheetTitle = Child<QLineEdit>(sheet, "Title")->text();
            sheet->accept();
        });
        QVERIFY(DropFiles({chm}).dropped);
        QTRY_COMPARE(List().Model()->rowCount(), 1);
        QCOMPARE(prefilled, QStringLiteral("0596007124\n"));
        QCOMPARE(sheetTitle, QStringLiteral("Cartography of the Quiet Sea"));

        QCOMPARE(BooksIn(32), QStringLiteral("0596007124"));
        QCOMPARE(Db(QStringLiteral("SELECT f.Name || '|' || s.Name FROM book JOIN bookformat f "
                                   "USING (FormatID) JOIN bookstore s USING (StoreID)")),
                 QStringLiteral("CHM|Group"));
        QCOMPARE(Db(QStringLiteral("SELECT Name || '|' || Path FROM link")),
                 LoadString(194) + u'|' + chm);
        const int bookId = Db(QStringLiteral("SELECT BookID FROM book")).toInt();
        QTRY_COMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>{quint32(bookId)});
    }

    // A search whose only result is taken at once: the book found opens in
    // the sheet and, saved there, is selected.
    void searchWithOneResult()
    {
        WhenShown<CAddBookDlg>([](CAddBookDlg *dialog) {
            Child<QRadioButton>(dialog, "ModeSearch")->click();
            Child<QLineEdit>(dialog, "PublisherBox")->setText(QStringLiteral("Brindle"));
            dialog->accept();
        });
        QString sheetTitle;
        WhenShown<CBookProperties>([&](CBookProperties *sheet) {
            sheetTitle = Child<QLineEdit>(sheet, "Title")->text();
            sheet->accept();
        });
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_BOOK));
        QCOMPARE(sheetTitle, QStringLiteral("Cartography of the Quiet Sea"));
        QCOMPARE(BooksIn(32), QStringLiteral("0596007124"));
        const auto bookId = quint32(Db(QStringLiteral("SELECT BookID FROM book")).toInt());
        QTRY_COMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>{bookId});
    }

    // One ISBN the library has, typed in its other form: the question comes
    // before any request. "Skip" ends there; "add anyway" looks the book up
    // and saves it from the sheet without asking again, with the library's
    // first status.
    void duplicateIsAskedBeforeTheLookup()
    {
        QVERIFY(m_env->Document().m_connection->Execute(QStringLiteral(
            "INSERT INTO book (BookID, Title, ISBN) VALUES (1, 'Old', '0596007124'); "
            "INSERT INTO book_category VALUES (1, 32)")));
        bool done = false;
        bool sheetOpened = false;
        When(
            [&] {
                return done || qobject_cast<CBookProperties *>(QApplication::activeModalWidget());
            },
            [&] {
                if (auto *sheet =
                        qobject_cast<CBookProperties *>(QApplication::activeModalWidget())) {
                    sheetOpened = true;
                    sheet->reject();
                }
            });
        WhenShown<CAddBookDlg>(
            [](CAddBookDlg *dialog) { EnterIsbns(dialog, QStringLiteral("978-0-596-00712-6")); });
        m_env->prompt.answers = {MsgAnswer::Yes};
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_BOOK));
        done = true;
        QCOMPARE(m_env->prompt.shown.size(), 1);
        QCOMPARE(m_env->prompt.LastText(), FormatMessage(238, {QStringLiteral("Old")}));
        QCOMPARE(m_service->requests(), QStringList());
        QVERIFY(!sheetOpened);

        QString status;
        WhenShown<CAddBookDlg>(
            [](CAddBookDlg *dialog) { EnterIsbns(dialog, QStringLiteral("0596007124")); });
        WhenShown<CBookProperties>([&](CBookProperties *sheet) {
            status = Child<QComboBox>(sheet, "Status")->currentText();
            sheet->accept();
        });
        m_env->prompt.answers = {MsgAnswer::No};
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_BOOK));
        QCOMPARE(m_env->prompt.shown.size(), 2);
        QVERIFY(!m_service->requests().isEmpty());
        QCOMPARE(status, QStringLiteral("In Collection"));
        QCOMPARE(Db(QStringLiteral("SELECT group_concat(ISBN || ':' || ifnull(StatusID, '-'), ' ') "
                                   "FROM (SELECT * FROM book ORDER BY BookID)")),
                 QStringLiteral("0596007124:- 0596007124:1"));
    }

    // The product service is offered only with a host of its own, marked as
    // gone; a stored choice of it without one is Open Library, said so.
    void productServiceOfferedOnlyWithItsHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("noteShown");
        const QString gone = QStringLiteral("Amazon (discontinued service)");
        QTest::newRow("no host, chosen before")
            << QString() << "product" << QStringList{"Open Library"} << "Open Library" << true;
        QTest::newRow("no host, nothing chosen")
            << QString() << QString() << QStringList{"Open Library"} << "Open Library" << false;
        QTest::newRow("own host") << "http://127.0.0.1:9"
                                  << "product" << QStringList{"Open Library", gone} << gone
                                  << false;
    }
    void productServiceOfferedOnlyWithItsHost()
    {
        QFETCH(QString, host);
        QFETCH(QString, stored);
        QFETCH(QStringList, offered);
        QFETCH(QString, chosen);
        QFETCH(bool, noteShown);
        QVERIFY(CAppSettings::SetServiceHost(host));
        QVERIFY(CAppSettings::SetSearchHost(QString()));
        QVERIFY(CAppSettings::SetLookupSource(stored));
        QStringList items;
        QString current;
        bool note = !noteShown;
        WhenShown<COptions>([&](COptions *sheet) {
            Child<QTabWidget>(sheet, "Pages")->setCurrentIndex(1);
            auto *source = Child<QComboBox>(sheet, "LookupSource");
            for (int i = 0; i < source->count(); ++i)
                items << source->itemText(i);
            current = source->currentText();
            note = Child<QLabel>(sheet, "LookupSourceNote")->isVisible();
            Shot(sheet, "options_lookup_source");
            sheet->accept();
        });
        QVERIFY(m_env->Frame().RouteCommand(ID_OPTIONS));
        QCOMPARE(items, offered);
        QCOMPARE(current, chosen);
        QCOMPARE(note, noteShown);
        QCOMPARE(CurrentLookupSource() == ELookupSource::kProduct, !host.isEmpty());
        // OK without another choice keeps what was stored.
        QCOMPARE(CAppSettings::LookupSource() == QLatin1String(kLookupSourceProduct),
                 !host.isEmpty());
        QCOMPARE(CAppSettings::StoredProductSourceFellBack(), noteShown);
    }

    // A book added by hand: the sheet opens on an empty book, and the book
    // saved there is the one selected.
    void manualBookThroughTheSheet()
    {
        WhenShown<CAddBookDlg>([](CAddBookDlg *dialog) {
            Child<QRadioButton>(dialog, "ModeManual")->click();
            dialog->accept();
        });
        WhenShown<CBookProperties>([](CBookProperties *sheet) {
            auto *title = Child<QLineEdit>(sheet, "Title");
            QVERIFY(title->text().isEmpty());
            title->setText(QStringLiteral("Written By Hand"));
            sheet->accept();
        });
        QVERIFY(m_env->Frame().RouteCommand(ID_ADD_BOOK));
        QCOMPARE(Db(QStringLiteral("SELECT Title FROM book")), QStringLiteral("Written By Hand"));
        // The library's first status, not the first name in the list ("For Sale").
        QCOMPARE(Db(QStringLiteral("SELECT StatusID FROM book")), QStringLiteral("1"));
        const auto bookId = quint32(Db(QStringLiteral("SELECT BookID FROM book")).toInt());
        QTRY_COMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>{bookId});
    }
};

TOMELODEX_GUI_TEST_MAIN(TestAdding)
#include "tst_adding.moc"
