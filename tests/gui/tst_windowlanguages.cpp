// The window started in each interface language: translated menus, status
// prompts and Qt's standard buttons, the book sheet without clipped texts,
// and the template switch that finds the template of the chosen language.

#include "LibraryFixture.h"

#include "app/AppSettings.h"
#include "app/TomeloApp.h"
#include "book/BookProperties.h"
#include "book/BulkEditDlg.h"
#include "db/TomeloDoc.h"
#include "dialogs/HelpTopicsDlg.h"
#include "dialogs/Options.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <functional>

namespace {

constexpr quint32 kDune = 10;

QStringList MenuTitles(CMainFrame &frame)
{
    QStringList titles;
    for (QAction *action : frame.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

// Texts of labels and buttons on the visible page that do not get the room
// their text needs.
QStringList ClippedTexts(QWidget *page)
{
    QStringList clipped;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->isVisibleTo(page) && !label->wordWrap() && !label->text().isEmpty() &&
            label->width() < label->minimumSizeHint().width())
            clipped.append(label->text());
    }
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(page) && !button->text().isEmpty() &&
            button->width() < button->minimumSizeHint().width())
            clipped.append(button->text());
    }
    return clipped;
}

// The text of the page the information view shows.
QString PageText(CTomeloHtmlView &view)
{
    QString text;
    QEventLoop loop;
    view.page()->runJavaScript(QStringLiteral("document.body ? document.body.innerText : ''"),
                               QWebEngineScript::ApplicationWorld, [&](const QVariant &value) {
                                   text = value.toString();
                                   loop.quit();
                               });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return text;
}

// Texts of `dialog` without the room they need, on every page of its tabs.
QStringList ClippedTextsOnEveryPage(QDialog &dialog)
{
    QStringList clipped = ClippedTexts(&dialog);
    for (QTabWidget *tabs : dialog.findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            clipped += ClippedTexts(tabs->currentWidget());
        }
    }
    return clipped;
}

} // namespace

class TestWindowLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFollowsTheLanguage_data();
    void windowFollowsTheLanguage();
    void dialogsShowWholeTexts_data();
    void dialogsShowWholeTexts();
    void templateSwitchFindsTheLanguagesTemplate();
    void countsTakeTheLanguagesPluralForms_data();
    void countsTakeTheLanguagesPluralForms();
    void helpAndLanguageListInEachLanguage_data();
    void helpAndLanguageListInEachLanguage();
};

void TestWindowLanguages::windowFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("ready");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("generalTab");
    QTest::addColumn<QString>("welcome");
    QTest::addColumn<QString>("pageTemplate");
    QTest::addColumn<QString>("pageLabel");
    QTest::addColumn<QString>("hanFont");

    QTest::newRow("Enu") << "Enu" << QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}
                         << "&Options..."
                         << "Ready"
                         << "Cancel"
                         << "&General"
                         << "Welcome to Tomelodex"
                         << "Default (ENU)"
                         << "Publisher"
                         << "";
    QTest::newRow("Chs")
        << "Chs" << QString::fromUtf8("文件(&F)|编辑(&E)|视图(&V)|工具(&T)|帮助(&H)").split(u'|')
        << QString::fromUtf8("选项(&O)...") << QString::fromUtf8("就绪")
        << QString::fromUtf8("取消") << QString::fromUtf8("常规(&G)")
        << QString::fromUtf8("欢迎使用 Tomelodex") << "Default (CHS)" << QString::fromUtf8("出版社")
        << "Noto Sans CJK SC";
    QTest::newRow("Cht")
        << "Cht" << QString::fromUtf8("檔案(&F)|編輯(&E)|檢視(&V)|工具(&T)|說明(&H)").split(u'|')
        << QString::fromUtf8("選項(&O)...") << QString::fromUtf8("就緒")
        << QString::fromUtf8("取消") << QString::fromUtf8("一般(&G)")
        << QString::fromUtf8("歡迎使用 Tomelodex") << "Default (CHT)" << QString::fromUtf8("頁數")
        << "Noto Sans CJK TC";
    QTest::newRow("Ita") << "Ita"
                         << QStringList{"&File", "&Modifica", "&Visualizza", "S&trumenti", "&Guida"}
                         << "&Opzioni..."
                         << "Pronto"
                         << "Annulla"
                         << "&Generale"
                         << "Benvenuti in Tomelodex"
                         << "Default (ITA)"
                         << "Editore"
                         << "";
}

void TestWindowLanguages::windowFollowsTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QStringList, menus);
    QFETCH(QString, options);
    QFETCH(QString, ready);
    QFETCH(QString, cancel);
    QFETCH(QString, generalTab);
    QFETCH(QString, welcome);
    QFETCH(QString, pageTemplate);
    QFETCH(QString, pageLabel);
    QFETCH(QString, hanFont);

    CWindowTestEnv env;
    QVERIFY(CAppSettings::SetUiLanguage(code));
    QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("lib.mdb"))}));
    CMainFrame &frame = env.Frame();
    QCOMPARE(TomeloApp().GetUiLanguage(), code);
    QCOMPARE(MenuTitles(frame), menus);
    QCOMPARE(frame.Action(ID_OPTIONS)->text(), options);
    auto *idle = frame.findChild<QLabel *>(QStringLiteral("IdleMessage"));
    QVERIFY(idle);
    QCOMPARE(idle->text(), ready);
    // Han characters take the forms of the language's region.
    const QStringList families = QApplication::font().families();
    QCOMPARE(families.contains(QStringLiteral("Noto Sans CJK SC")), hanFont.endsWith(u"SC"));
    QCOMPARE(families.contains(QStringLiteral("Noto Sans CJK TC")), hanFont.endsWith(u"TC"));

    // The welcome page, then the book in the language's own template.
    CTomeloHtmlView &view = *frame.HtmlView();
    QTRY_VERIFY_WITH_TIMEOUT(PageText(view).contains(welcome), 20000);
    const int xsl = int(frame.XslTemplates().indexOf(pageTemplate));
    QVERIFY(xsl >= 0);
    QVERIFY(frame.RouteCommand(ID_STYLE_XSL_FIRST + xsl));
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QVERIFY(frame.ListView()->SelectBook(kDune));
    QTRY_COMPARE(env.Document().m_selectedBookIds, QVector<quint32>({kDune}));
    QTRY_VERIFY_WITH_TIMEOUT(PageText(view).contains(pageLabel), 20000);
    QVERIFY(PageText(view).contains(QStringLiteral("Frank Herbert")));
    // Dune's release date, 1990-09-01, in the language's own words.
    const QString releaseDate =
        QHash<QString, QString>{{QStringLiteral("Enu"), QStringLiteral("Sep 01, 1990")},
                                {QStringLiteral("Chs"), QString::fromUtf8("1990年9月1日")},
                                {QStringLiteral("Cht"), QString::fromUtf8("1990年9月1日")},
                                {QStringLiteral("Ita"), QStringLiteral("1 set 1990")}}
            .value(code);
    QVERIFY2(PageText(view).contains(releaseDate), qPrintable(PageText(view)));
    QTest::qWait(800); // until the engine has painted the page
    CWindowTestEnv::SaveScreenshot(frame, QStringLiteral("window_") + code);

    QVERIFY(DriveModal<CBookProperties>(
        [&] { frame.Action(ID_EDIT_BOOK)->trigger(); },
        [&](CBookProperties &sheet) {
            QTabWidget *tabs = sheet.Tabs();
            QCOMPARE(tabs->tabText(0), generalTab);
            auto *release = sheet.findChild<QLineEdit *>(QStringLiteral("ReleaseDate"));
            QVERIFY(release);
            QCOMPARE(release->text(), releaseDate);
            // Qt's own standard buttons speak the language too.
            auto *buttons = sheet.findChild<QDialogButtonBox *>();
            QVERIFY(buttons);
            QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), cancel);
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                const QStringList clipped = ClippedTexts(tabs->currentWidget());
                QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'|')));
                CWindowTestEnv::SaveScreenshot(sheet,
                                               QStringLiteral("sheet_%1_%2").arg(code).arg(i));
            }
        }));
    // Every book selected: the bulk editor, with room for its texts.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QVERIFY(frame.RouteCommand(ID_EDIT_SELECT_ALL));
    QTRY_VERIFY(env.Document().m_selectedBookIds.size() > 1);
    QVERIFY(DriveModal<CBulkEditDlg>(
        [&] { frame.Action(ID_EDIT_BOOK)->trigger(); },
        [&](CBulkEditDlg &dialog) {
            const QStringList clipped = ClippedTextsOnEveryPage(dialog);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'|')));
            CWindowTestEnv::SaveScreenshot(dialog, QStringLiteral("bulkedit_") + code);
        }));
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
    env.CloseWindow();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestWindowLanguages::countsTakeTheLanguagesPluralForms_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("oneListed");     // status line, one book listed
    QTest::addColumn<QString>("twoListed");     // two listed, one selected
    QTest::addColumn<QString>("moveOne");       // Remove Book in All Books, one book
    QTest::addColumn<QString>("moveTwo");       // the same, two books
    QTest::addColumn<QString>("subcategories"); // the count of a category's sheet

    QTest::newRow("Enu") << "Enu"
                         << "1 book; 0 selected"
                         << "2 books; 1 selected"
                         << "Move 1 book to the Recycle Bin?"
                         << "Move 2 books to the Recycle Bin?"
                         << "1 book, 1 subcategory";
    QTest::newRow("Ita") << "Ita"
                         << "1 libro; selezionati: 0"
                         << "2 libri; selezionati: 1"
                         << "Spostare 1 libro nel Cestino?"
                         << "Spostare 2 libri nel Cestino?"
                         << "1 libro, 1 sottocategoria";
    QTest::newRow("Chs") << "Chs" << QString::fromUtf8("1 本书；已选 0 本")
                         << QString::fromUtf8("2 本书；已选 1 本")
                         << QString::fromUtf8("将 1 本书移到回收站？")
                         << QString::fromUtf8("将 2 本书移到回收站？")
                         << QString::fromUtf8("1 本书，1 个子类别");
}

void TestWindowLanguages::countsTakeTheLanguagesPluralForms()
{
    QFETCH(QString, code);
    QFETCH(QString, oneListed);
    QFETCH(QString, twoListed);
    QFETCH(QString, moveOne);
    QFETCH(QString, moveTwo);
    QFETCH(QString, subcategories);

    CWindowTestEnv env;
    const QString path = env.CopyLibrary(QStringLiteral("counts.mdb"), true);
    QVERIFY(FillLibrary(
        path, {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'One', "
                              "1), (33, 'Two', 1), (34, 'Below', 32)"),
               QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'a'), (2, 'b'), (3, "
                              "'c')"),
               QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 33), (3, 33)")}));
    QVERIFY(CAppSettings::SetUiLanguage(code));
    QVERIFY(env.StartWindow({path}));
    CMainFrame &frame = env.Frame();

    frame.TreeView()->SelectCategory(32);
    QTRY_COMPARE(frame.StatusText(), oneListed);
    QVERIFY(DriveModal<QDialog>([&] { frame.RouteCommand(ID_EDIT_CATEGORY); },
                                [&](QDialog &sheet) {
                                    auto *contains =
                                        sheet.findChild<QLineEdit *>(QStringLiteral("Contains"));
                                    QVERIFY(contains);
                                    QCOMPARE(contains->text(), subcategories);
                                }));
    frame.TreeView()->SelectCategory(33);
    QVERIFY(frame.ListView()->SelectBook(2));
    QTRY_COMPARE(frame.StatusText(), twoListed);

    frame.TreeView()->SelectCategory(5);
    env.prompt.answers = {MsgAnswer::No};
    QVERIFY(frame.ListView()->SelectBook(1));
    QTRY_COMPARE(env.Document().m_selectedBookIds.size(), 1);
    QVERIFY(frame.RouteCommand(ID_REMOVE_BOOK));
    QVERIFY2(env.prompt.LastText().startsWith(moveOne), qPrintable(env.prompt.LastText()));
    QItemSelectionModel *selection = frame.ListView()->CurrentView()->selectionModel();
    const CBookListModel &list = *frame.ListView()->Model();
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.BookIdAt(row) == 2)
            selection->select(list.index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTRY_COMPARE(env.Document().m_selectedBookIds.size(), 2);
    env.prompt.answers = {MsgAnswer::No};
    QVERIFY(frame.RouteCommand(ID_REMOVE_BOOK));
    QVERIFY2(env.prompt.LastText().startsWith(moveTwo), qPrintable(env.prompt.LastText()));
    QCOMPARE(env.prompt.shown.size(), 2);
    env.CloseWindow();
}

void TestWindowLanguages::dialogsShowWholeTexts_data()
{
    QTest::addColumn<QString>("code");
    // Italian texts are the longest, Chinese ones the widest per character.
    QTest::newRow("Ita") << "Ita";
    QTest::newRow("Chs") << "Chs";
    QTest::newRow("Cht") << "Cht";
}

void TestWindowLanguages::dialogsShowWholeTexts()
{
    QFETCH(QString, code);
    CWindowTestEnv env;
    QVERIFY(CAppSettings::SetUiLanguage(code));
    QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("lib.mdb"))}));
    CMainFrame &frame = env.Frame();
    const struct
    {
        int id;
        const char *name;
    } commands[] = {{ID_OPTIONS, "options"},          {ID_ADD_BOOK, "addbook"},
                    {ID_BASIC_SEARCH, "search"},      {ID_RUN_SQL, "sql"},
                    {ID_ADD_SUBCATEGORY, "category"}, {ID_APP_ABOUT, "about"}};
    for (const auto &command : commands) {
        const bool shown = DriveModal<QDialog>(
            [&] { frame.RouteCommand(command.id); },
            [&](QDialog &dialog) {
                const QStringList clipped = ClippedTextsOnEveryPage(dialog);
                QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'|')));
                CWindowTestEnv::SaveScreenshot(
                    dialog, QStringLiteral("%1_%2").arg(QLatin1String(command.name), code));
            });
        QVERIFY2(shown, command.name);
    }
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
}

// Confirming the options with another language picks the current template's
// counterpart in that language; titles name their language in parentheses.
void TestWindowLanguages::templateSwitchFindsTheLanguagesTemplate()
{
    CWindowTestEnv env;
    QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("lib.mdb"))}));
    const QStringList templates = env.Frame().XslTemplates();
    for (const char *family : {"Default", "Compact", "Catalogue Card"}) {
        const int enu =
            int(templates.indexOf(QStringLiteral("%1 (ENU)").arg(QLatin1String(family))));
        QVERIFY(enu >= 0);
        for (const char *code : {"Chs", "Cht", "Ita"}) {
            const int index = COptions::TemplateForLanguage(templates, enu, QLatin1String(code));
            QCOMPARE(templates.value(index),
                     QStringLiteral("%1 (%2)").arg(QLatin1String(family),
                                                   QString::fromLatin1(code).toUpper()));
            QCOMPARE(COptions::TemplateForLanguage(templates, index, QStringLiteral("Enu")), enu);
        }
    }
    // A language without templates keeps the one chosen.
    QCOMPARE(COptions::TemplateForLanguage(templates, 0, QStringLiteral("Xyz")), 0);
}

void TestWindowLanguages::helpAndLanguageListInEachLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("topics");
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<QString>("keyboardHeading");
    QTest::newRow("Enu") << "Enu" << QStringList{"Getting started", "Adding books", "Categories",
                                                 "Searching",       "Backups",      "Keyboard",
                                                 "All Commands"}
                         << "English"
                         << "Moving around";
    QTest::newRow("Ita") << "Ita"
                         << QStringList{"Per iniziare",   "Aggiungere libri",   "Categorie",
                                        "Ricerca",        "Copie di sicurezza", "Tastiera",
                                        "Tutti i comandi"}
                         << "Italiano"
                         << "Spostarsi";
    QTest::newRow("Chs")
        << "Chs" << QString::fromUtf8("快速入门|添加图书|类别|搜索|备份|键盘|全部命令").split(u'|')
        << QString::fromUtf8("简体中文") << QString::fromUtf8("移动");
    QTest::newRow("Cht")
        << "Cht" << QString::fromUtf8("快速入門|新增書籍|類別|搜尋|備份|鍵盤|全部命令").split(u'|')
        << QString::fromUtf8("繁體中文") << QString::fromUtf8("移動");
}

// F1 opens the manual in the window's language beside the window, and the
// Options sheet lists each language by its own name, whatever language the
// window speaks.
void TestWindowLanguages::helpAndLanguageListInEachLanguage()
{
    QFETCH(QString, code);
    QFETCH(QStringList, topics);
    QFETCH(QString, ownName);
    QFETCH(QString, keyboardHeading);

    CWindowTestEnv env;
    QVERIFY(CAppSettings::SetUiLanguage(code));
    QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("lib.mdb"))}));
    CMainFrame &frame = env.Frame();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1);
    auto *help = frame.findChild<CHelpTopicsDlg *>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    // Beside the window, not in front of it: the steps can be followed.
    QVERIFY(!help->isModal());
    auto *list = help->findChild<QListWidget *>(QStringLiteral("HelpTopicList"));
    auto *page = help->findChild<QTextBrowser *>(QStringLiteral("HelpPage"));
    QStringList shownTopics;
    for (int row = 0; row < list->count(); ++row)
        shownTopics += list->item(row)->text();
    QCOMPARE(shownTopics, topics);
    QCOMPARE(help->CurrentTopic(), QStringLiteral("getting-started"));
    QCOMPARE(page->documentTitle(), topics.first());
    CWindowTestEnv::SaveScreenshot(*help, QStringLiteral("help_") + code);

    // Opened again on a topic: the same window shows it.
    QCOMPARE(frame.ShowHelp(QStringLiteral("keyboard")), help);
    QCOMPARE(list->currentItem()->text(), topics.at(5));
    QVERIFY(page->toPlainText().contains(keyboardHeading));
    QVERIFY(page->toPlainText().contains(QStringLiteral("Ctrl+Tab")));
    // A link inside the manual moves the list along.
    QVERIFY(help->ShowTopic(QStringLiteral("searching")));
    // Its first link leads to the backups, followed by keyboard.
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(help->CurrentTopic(), QStringLiteral("backups"));
    QCOMPARE(list->currentItem()->text(), topics.at(4));
    CWindowTestEnv::SaveScreenshot(*help, QStringLiteral("help_backups_") + code);
    // The last topic lists the commands of the window's menus.
    QVERIFY(help->ShowTopic(CHelpTopicsDlg::kCommandsTopic));
    auto *commands = help->findChild<QTreeWidget *>(QStringLiteral("HelpCommands"));
    QVERIFY(commands->isVisible());
    QCOMPARE(commands
                 ->findItems(frame.Action(ID_OPTIONS)->text().remove(u'&'),
                             Qt::MatchRecursive | Qt::MatchStartsWith)
                 .size(),
             1);
    help->close();

    QVERIFY(DriveModal<COptions>(
        [&] { frame.RouteCommand(ID_OPTIONS); },
        [&](COptions &sheet) {
            sheet.findChild<QTabWidget *>(QStringLiteral("Pages"))->setCurrentIndex(1);
            auto *names = sheet.findChild<QComboBox *>(QStringLiteral("LanguageName"));
            QStringList items;
            for (int i = 0; i < names->count(); ++i)
                items += names->itemText(i);
            QCOMPARE(items, QString::fromUtf8("English|Italiano|简体中文|"
                                              "繁體中文")
                                .split(u'|'));
            QCOMPARE(names->currentText(), ownName);
            CWindowTestEnv::SaveScreenshot(sheet, QStringLiteral("options_misc_") + code);
        }));
    QVERIFY2(env.prompt.shown.isEmpty(), qPrintable(env.prompt.LastText()));
}

TOMELODEX_GUI_TEST_MAIN(TestWindowLanguages)
#include "tst_windowlanguages.moc"
