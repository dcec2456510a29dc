// The book information view in the real window: the selected books through
// the template (their series, loans and readings too), a large selection, the page's own links,
// Save As HTML and XML, printing, the style menus, and no script from a book description.

#include "GuiTestSupport.h"
#include "PageSafety.h"

#include "app/AppSettings.h"
#include "app/OutputFile.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "info/InfoPage.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"
#include "loans/SeriesStore.h"

#include <QAbstractItemView>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <cerrno>

class TestInfoView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    QString m_library;
    QString m_imagesDir;

    CTomeloHtmlView &View() const { return *m_env->Frame().HtmlView(); }

    // Shows `ids` as the list would and waits for the page.
    bool Select(const QVector<quint32> &ids)
    {
        QSignalSpy shown(&View(), &CTomeloHtmlView::PageShown);
        if (m_env->Document().m_selectedBookIds == ids)
            View().ShowSelection(false);
        else
            m_env->Document().SetSelectedBooks(ids);
        return shown.wait(20000) && shown.last().value(0).toBool();
    }

    // Evaluates `script` in the page in a world of the program's own (the
    // page's scripts are off; this is how the test reads the page).
    QVariant Evaluate(const QString &script) { return Evaluate(View().page(), script); }
    static QVariant Evaluate(QWebEnginePage *page, const QString &script)
    {
        QVariant result;
        QEventLoop loop;
        page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant &value) {
            result = value;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        return result;
    }

    // Clicks row `row` of the book list and waits for the page it shows.
    bool ClickRow(QAbstractItemView *list, int row, Qt::KeyboardModifiers modifiers)
    {
        QSignalSpy shown(&View(), &CTomeloHtmlView::PageShown);
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
        return shown.wait(20000) && shown.last().value(0).toBool();
    }

    // A picture of the window once the engine has painted the page.
    void Screenshot(const QString &name) { Screenshot(&m_env->Frame(), name); }
    void Screenshot(QWidget *window, const QString &name)
    {
        QTest::qWait(800);
        m_env->SaveScreenshot(*window, name);
    }

    // Clicks the middle of the element with id `id` as a person would.
    void Click(const QString &id)
    {
        const QVariantList rect =
            Evaluate(QStringLiteral("(function(){var r=document.getElementById('%1')"
                                    ".getBoundingClientRect();return [r.left+r.width/2,"
                                    "r.top+r.height/2];})()")
                         .arg(id))
                .toList();
        QCOMPARE(rect.size(), 2);
        QWidget *surface = View().focusProxy();
        QVERIFY(surface);
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          QPoint(rect.at(0).toInt(), rect.at(1).toInt()));
    }

    // A person picks the category Novels in the tree and Emma, its first
    // book, in the list; `clicked` (when given) gets the list clicked.
    void PickEmmaInTheList(QAbstractItemView **clicked)
    {
        QVERIFY(m_env->Document().m_treeView);
        m_env->Document().m_treeView->SelectCategory(32);
        QTRY_COMPARE(m_env->Document().m_currentCategoryId, 32);
        QAbstractItemView *list = m_env->Frame().ListView()->CurrentView();
        QTRY_COMPARE(list->model()->rowCount(), 2);
        QVERIFY(ClickRow(list, 0, Qt::NoModifier));
        QCOMPARE(m_env->Document().m_selectedBookIds, QVector<quint32>({1}));
        if (clicked)
            *clicked = list;
    }

    // Runs `command`, handing its modal dialog of type T to `answer` once
    // it is up (within 20 s); false when none came.
    template <typename T> bool RunWithDialog(int command, const std::function<bool(T *)> &answer)
    {
        bool answered = false;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (dialog && answer(dialog)) {
                answered = true;
                poll.stop();
            } else if (waited.elapsed() > 20000) {
                poll.stop();
                if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    modal->reject();
            }
        });
        poll.start(200);
        return m_env->Frame().RouteCommand(command) && answered;
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<CWindowTestEnv>(CWindowTestEnv::kWithoutSample);
        m_library = m_env->CopyLibrary(QStringLiteral("books.mdb"), true);
        m_imagesDir = m_env->Path(QStringLiteral("books_images"));
        QVERIFY(QDir().mkpath(m_imagesDir));
        QFile cover(m_imagesDir + QStringLiteral("/1.jpg"));
        QVERIFY(cover.open(QIODevice::WriteOnly));
        cover.write(ReadFileBytes(QStringLiteral(TOMELODEX_SOURCE_DIR) +
                                  QStringLiteral("/tests/fake_service/fixtures/covers/"
                                                 "0596007124.L.jpg")));
        cover.close();
        CLibraryConnection db;
        QVERIFY(db.Open(m_library));
        // Book 1 is an ordinary book; the description of book 2 comes from
        // a hostile page: a script, an event handler, a page refresh and
        // related-link addresses with identifiers that are no integers.
        for (const char *sql : {
                 "INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Novels', 1)",
                 "INSERT INTO book (BookID, Title, Author, FrontCover, MyRating, Description) "
                 "VALUES (1, 'Emma', 'Jane Austen', '1.jpg', 4, '<p>A comedy of manners.</p>')",
                 "INSERT INTO book_category (BookID, CatID) VALUES (1, 32)",
                 "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (1, 1, 'Full text', "
                 "'http://books.example/emma')",
                 "INSERT INTO book (BookID, Title, Author) VALUES (3, 'Persuasion', 'Jane Austen')",
                 "INSERT INTO book_category (BookID, CatID) VALUES (3, 32)",
                 "INSERT INTO book (BookID, Title, Description) VALUES (2, 'Hostile', "
                 "'<meta http-equiv=\"refresh\" content=\"0;url=about:blank\">"
                 "<p id=\"probe\">untouched</p>"
                 "<script>document.getElementById(\"probe\").textContent=\"script ran\";</script>"
                 "<img src=\"none.png\" onerror=\"document.getElementById(''probe'')"
                 ".textContent=''handler ran''\">"
                 "<a id=\"hex\" href=\"tomelolink://0x1/1\">hex</a> "
                 "<a id=\"sql\" href=\"tomelolink://1/1 OR 1=1\">sql</a> "
                 "<a id=\"word\" href=\"tomelolink://1/first\">word</a>')",
             })
            QVERIFY2(ExecuteSql(QLatin1String(sql), true, db), sql);
        db.Close();
        QVERIFY(m_env->StartWindow({m_library}));
    }
    void cleanup()
    {
        if (m_env)
            m_env->CloseWindow();
        m_env.reset();
    }

    void showsTheSelectionThroughTheTemplate()
    {
        QAbstractItemView *list = nullptr;
        PickEmmaInTheList(&list);
        if (QTest::currentTestFailed())
            return;
        const QString text = Evaluate(QStringLiteral("document.body.innerText")).toString();
        QVERIFY2(text.contains(QStringLiteral("Emma")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("A comedy of manners.")));
        QVERIFY(text.contains(QStringLiteral("Novels")));
        // The cover picture is found and drawn.
        QTRY_COMPARE(
            Evaluate(QStringLiteral("document.querySelector('img.cover').naturalWidth > 0"))
                .toBool(),
            true);
        // The chosen style is the last style sheet of the page.
        const QString style = m_env->Frame().CssStyles().value(View().CssIndex());
        QVERIFY(Evaluate(QStringLiteral("var s=document.styleSheets;s[s.length-1].href"))
                    .toString()
                    .contains(QString::fromUtf8(QUrl::toPercentEncoding(style))));
        Screenshot(QStringLiteral("infoview-book"));

        bool checked = false;
        QVERIFY(m_env->Frame().CommandState(ID_FILE_EXPORT_HTML));
        QVERIFY(m_env->Frame().CommandState(ID_STYLE_XSL_FIRST + View().XslIndex(), &checked));
        QVERIFY(checked);

        // Two books, one after the other in the list's order.
        QVERIFY(ClickRow(list, 1, Qt::ControlModifier));
        const QString both = Evaluate(QStringLiteral("document.body.innerText")).toString();
        QVERIFY(both.indexOf(QStringLiteral("Emma")) >= 0);
        QVERIFY(both.indexOf(QStringLiteral("Emma")) < both.indexOf(QStringLiteral("Persuasion")));

        // Nothing selected: the welcome page, and nothing to save.
        QVERIFY(Select({}));
        QVERIFY(Evaluate(QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("Welcome to Tomelodex")));
        QVERIFY(!m_env->Frame().CommandState(ID_FILE_EXPORT_HTML));
        QVERIFY(!m_env->Frame().CommandState(ID_FILE_EXPORT_XML));
        Screenshot(QStringLiteral("infoview-welcome"));
    }

    // A book out on loan, in a series and read once, through shipped
    // templates in English and Chinese, as a person sees it.
    void showsSeriesLoansAndReadings_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Default ENU")
            << "Default (ENU)"
            << "en_US"
            << QStringList{"Austen Novels #4",
                           "Lent to Ann Lee since Mar 01, 2020 (due Mar 29, 2020) — overdue",
                           "Jan 05, 2021 – Jan 20, 2021 — loved it", "Earlier loans",
                           "Lent to Bob, Jan 01, 2019 – Feb 01, 2019"};
        QTest::newRow("Default CHS")
            << "Default (CHS)"
            << "zh_CN"
            << QStringList{QString::fromUtf8("Austen Novels 第4部"),
                           QString::fromUtf8("借给 Ann Lee，自 2020年3月1日 起（2020年3月29日 "
                                             "到期），已逾期"),
                           QString::fromUtf8("2021年1月5日 至 2021年1月20日 — loved it"),
                           QString::fromUtf8("以往借阅")};
        QTest::newRow("Compact ENU")
            << "Compact (ENU)"
            << "en_US"
            << QStringList{"Austen Novels #4", "Lent to Ann Lee since Mar 01, 2020",
                           "Readings: Jan 05, 2021 – Jan 20, 2021 — loved it"};
        QTest::newRow("Catalogue Card CHT")
            << "Catalogue Card (CHT)"
            << "zh_TW"
            << QStringList{QString::fromUtf8("（Austen Novels；4）"),
                           QString::fromUtf8("借給 Ann Lee，自 2020年3月1日 起"),
                           QString::fromUtf8("閱讀：2021年1月5日 至 2021年1月20日")};
    }
    void showsSeriesLoansAndReadings()
    {
        QFETCH(QString, title);
        QFETCH(QString, locale);
        QFETCH(QStringList, expected);
        {
            CLibraryConnection db;
            QVERIFY(db.Open(m_library));
            CLoanStore loans(db);
            QVERIFY(loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Bob"), QDate(2019, 1, 1),
                                   QDate(), QString()}));
            QVERIFY(loans.Return(1, QDate(2019, 2, 1)));
            QVERIFY(loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Ann Lee"),
                                   QDate(2020, 3, 1), QDate(2020, 3, 29), QString()}));
            QVERIFY(CSeriesStore(db).SetBookSeries(1, QStringLiteral("Austen Novels"),
                                                   QStringLiteral("4")));
            CReadingRow reading;
            reading.bookId = 1;
            reading.started = QDate(2021, 1, 5);
            reading.finished = QDate(2021, 1, 20);
            reading.notes = QStringLiteral("loved it");
            QVERIFY(CReadingStore(db).Add(reading));
        }
        const QLocale dates = DateLanguage();
        const auto restore = qScopeGuard([dates] { SetDateLanguage(dates); });
        SetDateLanguage(QLocale(locale));

        const int index = int(m_env->Frame().XslTemplates().indexOf(title));
        QVERIFY(index >= 0);
        if (View().XslIndex() != index) {
            QSignalSpy shown(&View(), &CTomeloHtmlView::PageShown);
            QVERIFY(m_env->Frame().RouteCommand(ID_STYLE_XSL_FIRST + index));
            QVERIFY(shown.wait(20000));
        }
        PickEmmaInTheList(nullptr);
        if (QTest::currentTestFailed())
            return;
        const QString text = Evaluate(QStringLiteral("document.body.innerText")).toString();
        for (const QString &words : expected)
            QVERIFY2(text.contains(words), qPrintable(words + u'\n' + text));
        QTest::qWait(2000); // the engine paints the page it has loaded a little later
        Screenshot(QStringLiteral("infoview-loans-") +
                   QString(title).remove(u' ').remove(u'(').remove(u')'));
    }

    void noScriptRunsAndForgedLinksDoNothing()
    {
        COpenedUrls opened;
        QVERIFY(Select({2}));
        // The probe is read back, so the check below can see a change.
        QTest::qWait(300);
        QCOMPARE(
            Evaluate(QStringLiteral("document.getElementById('probe').textContent")).toString(),
            QStringLiteral("untouched"));
        // Each click reaches the view, which opens nothing and says nothing.
        QSignalSpy clicked(qobject_cast<CInfoPage *>(View().page()), &CInfoPage::LinkClicked);
        for (const char *id : {"hex", "sql", "word"})
            Click(QLatin1String(id));
        QTRY_COMPARE(clicked.size(), 3);
        QTest::qWait(300);
        QCOMPARE(opened.urls, QList<QUrl>());
        QVERIFY2(m_env->prompt.shown.isEmpty(), qPrintable(m_env->prompt.LastText()));
        QCOMPARE(View().url(), View().PageUrl());
    }

    void linksOpenTheirTargets()
    {
        COpenedUrls opened;
        QVERIFY(Select({1}));
        Evaluate(QStringLiteral("document.querySelector('a.link').id='rel';"
                                "document.querySelector('a.picture').id='cover';"
                                "document.querySelector('a.category').id='cat';"));
        Click(QStringLiteral("rel"));
        QTRY_COMPARE(opened.urls.size(), 1);
        QCOMPARE(opened.urls.at(0), QUrl(QStringLiteral("http://books.example/emma")));
        Click(QStringLiteral("cover"));
        QTRY_COMPARE(opened.urls.size(), 2);
        QCOMPARE(opened.urls.at(1), QUrl::fromLocalFile(m_imagesDir + QStringLiteral("/1.jpg")));
        // A category link shows that category, through the category tree.
        if (!m_env->Document().m_treeView)
            QSKIP("The window has no category tree yet.");
        Click(QStringLiteral("cat"));
        QTRY_COMPARE(m_env->Document().m_currentCategoryId, 32);
        QCOMPARE(View().url(), View().PageUrl());
    }

    void savesTheShownBooks()
    {
        QVERIFY(Select({1}));
        const QString html = m_env->Path(QStringLiteral("emma"));
        const QString xml = m_env->Path(QStringLiteral("emma.xml"));
        m_env->files.names = {html, xml};
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_HTML));
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_XML));
        QCOMPARE(m_env->files.filters.value(0), QStringLiteral("HTML Files (*.htm *.html)"));
        const QString saved = QString::fromUtf8(ReadFileBytes(html + QStringLiteral(".htm")));
        QVERIFY(saved.startsWith(QStringLiteral("<HTML>\n")));
        QVERIFY(saved.contains(QStringLiteral("<a href=\"http://books.example/emma\"")));
        QVERIFY(saved.contains(QStringLiteral("<img src=\"") + m_imagesDir +
                               QStringLiteral("/1.jpg\"")));
        QVERIFY(saved.contains(QStringLiteral("Novels")));
        QVERIFY(!saved.contains(QStringLiteral("tomelocat:")));
        QVERIFY(!saved.contains(QStringLiteral("tomelolink:")));
        QVERIFY(!saved.contains(QStringLiteral("tomelocover:")));
        const QString css = m_env->Frame().CssStyles().value(View().CssIndex());
        QVERIFY(saved.contains(QStringLiteral("/Styles/CSS/") + css + QStringLiteral(".css\">")));
        QCOMPARE(QString::fromUtf8(ReadFileBytes(xml)), View().Xml());

        // A file that cannot be created: message 135, the file and the reason.
        const QString unreachable = m_env->Path(QStringLiteral("no/such/folder/x.htm"));
        m_env->files.names = {unreachable};
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_HTML));
        QVERIFY2(m_env->prompt.LastText().startsWith(
                     QStringLiteral("Cannot open file for writing.\n") + unreachable),
                 qPrintable(m_env->prompt.LastText()));

        // A device that takes nothing: both saves say so, naming it and the
        // reason, and the device stays where it is.
        const QString device = AlwaysFullDevice(m_env->Path(QString()));
        if (device.isEmpty())
            QSKIP("no device here that is always full");
        m_env->files.names = {device, device};
        for (int command : {ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_XML}) {
            const qsizetype shown = m_env->prompt.shown.size();
            QVERIFY(m_env->Frame().RouteCommand(command));
            QCOMPARE(m_env->prompt.shown.size(), shown + 1);
            QCOMPARE(m_env->prompt.LastText(), COutputFile::WriteFailedMessage(device, ENOSPC));
            QVERIFY(QFileInfo(device).exists() && !QFileInfo(device).isFile());
        }
    }

    // A book from a hostile page in a nested category, saved with Save As
    // HTML and opened in a browser whose scripts are on: the same text on a
    // bare page runs there, the saved page runs nothing and stays, and its
    // category reads as the view shows it.
    void savedHostilePageRunsNothingInABrowser()
    {
        CLibraryConnection &db = *m_env->Document().m_connection;
        const QString hostile = FormatSqlLiteral(HostileBookHtml(), kLiteralText);
        for (const QString &sql :
             {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Classics', "
                             "32)"),
              QStringLiteral("INSERT INTO book (BookID, Title, Description, Notes) VALUES (4, "
                             "'Hostile', %1, %1)")
                  .arg(hostile),
              QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (4, 33)")})
            QVERIFY2(ExecuteSql(sql, true, db), qPrintable(sql));
        QVERIFY(Select({4}));
        const QString viewCategory =
            Evaluate(QStringLiteral("document.querySelector('ul.categories li').innerText"))
                .toString();
        QVERIFY2(viewCategory.endsWith(QStringLiteral("Novels › Classics")),
                 qPrintable(viewCategory));

        const QString path = m_env->Path(QStringLiteral("hostile.htm"));
        m_env->files.names = {path};
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_HTML));
        const QString saved = QString::fromUtf8(ReadFileBytes(path));
        QCOMPARE(RunnablePartsOfPage(saved), QString());
        QCOMPARE(PageStructureErrors(saved), QString());
        QCOMPARE(FirstHeadPolicy(saved), QLatin1String(kPagePolicy));

        QWebEngineView browser;
        browser.resize(900, 700);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QStringList titles;
        connect(&browser, &QWebEngineView::titleChanged, this,
                [&titles](const QString &title) { titles += title; });
        const QString bare = m_env->Path(QStringLiteral("bare.htm"));
        QFile bareFile(bare);
        QVERIFY(bareFile.open(QIODevice::WriteOnly));
        bareFile.write("<html><body>" + HostileBookHtml().toUtf8() + "</body></html>");
        bareFile.close();
        browser.load(QUrl::fromLocalFile(bare));
        QTRY_VERIFY_WITH_TIMEOUT(titles.contains(QLatin1String(kScriptMarker)), 30000);

        titles.clear();
        QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
        browser.load(QUrl::fromLocalFile(path));
        QVERIFY(loaded.wait(30000));
        // Handlers of pictures that fail and a refresh a second on have had
        // their time.
        QTest::qWait(2000);
        QVERIFY2(!titles.contains(QLatin1String(kScriptMarker)), qPrintable(titles.join(u'|')));
        QCOMPARE(browser.url(), QUrl::fromLocalFile(path));
        QCOMPARE(Evaluate(browser.page(), QStringLiteral("document.querySelector('ul.categories "
                                                         "li').innerText"))
                     .toString(),
                 viewCategory);
        QVERIFY(Evaluate(browser.page(), QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("Kept bold and a link.")));
        Screenshot(&browser, QStringLiteral("infoview-saved-hostile"));
        Screenshot(QStringLiteral("infoview-hostile"));
    }

    void rightClickShowsTheHtmlMenu()
    {
        QVERIFY(Select({1}));
        QStringList items;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                poll.stop();
                for (QAction *action : menu->actions())
                    items += action->isSeparator() ? QStringLiteral("-") : action->text();
                Screenshot(menu, QStringLiteral("infoview-context-menu"));
                menu->close();
            }
        });
        poll.start(100);
        QWidget *surface = View().focusProxy();
        QTest::mousePress(surface, Qt::RightButton, {}, QPoint(300, 200));
        QTest::mouseRelease(surface, Qt::RightButton, {}, QPoint(300, 200));
        QTRY_VERIFY_WITH_TIMEOUT(!items.isEmpty(), 10000);
        // The frame's menu, not the engine's (which offers Back, Reload, ...).
        QCOMPARE(items.size(), 10);
        QVERIFY(items.first().contains(QStringLiteral("Copy")));
        QVERIFY(items.last().contains(QStringLiteral("XML")));
    }

    void printPreviewDrawsThePages()
    {
        QVERIFY(Select({1}));
        int pages = 0;
        QVERIFY(RunWithDialog<QPrintPreviewDialog>(ID_FILE_PRINT_PREVIEW, [&](auto *dialog) {
            auto *preview = dialog->template findChild<QPrintPreviewWidget *>();
            pages = preview ? preview->pageCount() : 0;
            if (pages == 0)
                return false;
            Screenshot(dialog, QStringLiteral("infoview-print-preview"));
            dialog->reject();
            return true;
        }));
        QVERIFY(pages > 0);
        QVERIFY2(m_env->prompt.shown.isEmpty(), qPrintable(m_env->prompt.LastText()));
    }

    // Print to a PDF file through the print dialog: the engine's PDF with its
    // text and fonts, not a picture of each page, on the chosen paper.
    void printsToAPdfFileWithText()
    {
        QVERIFY(Select({1}));
        const QString path = m_env->Path(QStringLiteral("emma.pdf"));
        QPrinter &printer = View().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A5));
        QVERIFY(RunWithDialog<QPrintDialog>(ID_FILE_PRINT, [&](auto *dialog) {
            Screenshot(dialog, QStringLiteral("infoview-print-dialog"));
            dialog->accept();
            return true;
        }));
        QVERIFY2(m_env->prompt.shown.isEmpty(), qPrintable(m_env->prompt.LastText()));
        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QVERIFY(pdf.pageCount() >= 1);
        const QString text = pdf.getAllText(0).text();
        QVERIFY2(text.contains(QStringLiteral("Emma")) && text.contains(QStringLiteral("Austen")),
                 qPrintable(text));
        const QSizeF a5 = QPageSize(QPageSize::A5).size(QPageSize::Point);
        QVERIFY2(qAbs(pdf.pagePointSize(0).width() - a5.width()) < 2,
                 qPrintable(QString::number(pdf.pagePointSize(0).width())));
        // Text and one cover: far below a page-sized picture.
        QVERIFY2(QFileInfo(path).size() < 400 * 1024,
                 qPrintable(QString::number(QFileInfo(path).size())));

        // A file that cannot be written: the message names it and says what to do.
        const QString unreachable = m_env->Path(QStringLiteral("gone/emma.pdf"));
        printer.setOutputFileName(unreachable);
        QVERIFY(RunWithDialog<QPrintDialog>(ID_FILE_PRINT, [&](auto *dialog) {
            // The dialog refuses a missing folder itself; the folder goes after it agreed.
            QDir().mkpath(m_env->Path(QStringLiteral("gone")));
            dialog->accept();
            QDir(m_env->Path(QStringLiteral("gone"))).removeRecursively();
            return true;
        }));
        QVERIFY2(m_env->prompt.LastText().contains(QDir::toNativeSeparators(unreachable)),
                 qPrintable(m_env->prompt.LastText()));
    }

    // Ctrl+A on a few hundred books: the page shows the first of them in
    // list order and counts the others; Save As XML still saves them all.
    void largeSelectionShowsTheFirstBooksAndACount()
    {
        CLibraryConnection &db = *m_env->Document().m_connection;
        QVERIFY(ExecuteSql(QStringLiteral("BEGIN"), true, db));
        for (int n = 1; n <= 300; ++n) {
            QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, "
                                              "'Many %2')")
                                   .arg(100 + n)
                                   .arg(n, 3, 10, QLatin1Char('0')),
                               true, db));
            QVERIFY(
                ExecuteSql(QStringLiteral("INSERT INTO book_category VALUES (%1, 32)").arg(100 + n),
                           true, db));
        }
        QVERIFY(ExecuteSql(QStringLiteral("COMMIT"), true, db));
        m_env->Document().m_treeView->SelectCategory(32);
        CTomeloListView &list = *m_env->Frame().ListView();
        QTRY_COMPARE_WITH_TIMEOUT(list.Model()->rowCount(), 302, 30000);

        list.CurrentView()->setFocus();
        QTest::keySequence(list.CurrentView(), QKeySequence::SelectAll);
        QTRY_COMPARE_WITH_TIMEOUT(m_env->Document().m_selectedBookIds.size(), 302, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(
            Evaluate(QStringLiteral("!!document.querySelector('p.more-books')")).toBool(), 30000);

        // Sorted by title: Emma, then Many 001 to Many 049 make 50.
        const int shownBooks = CTomeloHtmlView::kShownBooks;
        const QString text = Evaluate(QStringLiteral("document.body.innerText")).toString();
        QVERIFY2(text.contains(QStringLiteral("Many 049")), qPrintable(text.right(300)));
        QVERIFY2(!text.contains(QStringLiteral("Many 050")), qPrintable(text.right(300)));
        QCOMPARE(Evaluate(QStringLiteral("document.querySelector('p.more-books').textContent"))
                     .toString(),
                 CTomeloHtmlView::tr("and %n more book(s)", nullptr, 302 - shownBooks));
        Evaluate(QStringLiteral("window.scrollTo(0, document.body.scrollHeight)"));
        Screenshot(QStringLiteral("infoview-large-selection"));

        const QString xml = m_env->Path(QStringLiteral("all.xml"));
        const QString html = m_env->Path(QStringLiteral("all.htm"));
        m_env->files.names = {xml, html};
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_XML));
        QVERIFY(m_env->Frame().RouteCommand(ID_FILE_EXPORT_HTML));
        for (const QString &path : {xml, html}) {
            const QString saved = QString::fromUtf8(ReadFileBytes(path));
            QVERIFY2(saved.contains(QStringLiteral("Many 050")) &&
                         saved.contains(QStringLiteral("Many 300")) &&
                         !saved.contains(QStringLiteral("more-books")),
                     qPrintable(path));
        }
    }

    void styleAndTemplateMenusRebuildThePage()
    {
        QVERIFY(Select({1}));
        const QStringList styles = m_env->Frame().CssStyles();
        const QStringList templates = m_env->Frame().XslTemplates();
        QVERIFY(styles.size() >= 2 && templates.size() >= 2);
        const int style = (View().CssIndex() + 1) % int(styles.size());
        QSignalSpy shown(&View(), &CTomeloHtmlView::PageShown);
        QVERIFY(m_env->Frame().RouteCommand(ID_STYLE_CSS_FIRST + style));
        QVERIFY(shown.wait(20000));
        QCOMPARE(CAppSettings::Css(), style);
        QVERIFY(Evaluate(QStringLiteral("var s=document.styleSheets;s[s.length-1].href"))
                    .toString()
                    .contains(QString::fromUtf8(QUrl::toPercentEncoding(styles.at(style)))));
        bool checked = false;
        QVERIFY(m_env->Frame().CommandState(ID_STYLE_CSS_FIRST + style, &checked) && checked);

        const int compact = int(templates.indexOf(QStringLiteral("Compact (ENU)")));
        QVERIFY(compact >= 0);
        QVERIFY(m_env->Frame().RouteCommand(ID_STYLE_XSL_FIRST + compact));
        QVERIFY(shown.wait(20000));
        QCOMPARE(CAppSettings::Xsl(), compact);
        QVERIFY(View().Html().contains(QStringLiteral("class=\"books\"")));
        Screenshot(QStringLiteral("infoview-compact"));
    }
};

TOMELODEX_GUI_TEST_MAIN(TestInfoView)
#include "tst_infoview.moc"
