// The Description and Notes pages in the book sheet on the sample library:
// typing and saving, the editing keys and buttons, the font, link and picture
// dialogs, the preview, and a stored text whose scripts and web pictures must
// stay inert while it is edited.

#include "GuiTestSupport.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "book/BookDescriptionPage.h"
#include "book/BookNotesPage.h"
#include "book/BookProperties.h"
#include "book/EditorFontDlg.h"
#include "book/HtmlEditorView.h"
#include "book/HyperlinkDlg.h"
#include "book/InsertImageDlg.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/SqlFormat.h"
#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"

#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QToolBar>

#include <functional>

#include <csignal>
#include <sys/types.h>

namespace {

constexpr int kBook = 10; // a book of the sample library

} // namespace

class TestHtmlEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<CWindowTestEnv> m_env;
    std::unique_ptr<CBookProperties> m_sheet;
    CBookDescriptionPage *m_description = nullptr;
    CBookNotesPage *m_notes = nullptr;

    CLibraryConnection &Db() const { return *m_env->Document().m_connection; }
    QString Stored(const char *column) const
    {
        return QueryText(Db(), QStringLiteral("SELECT %1 FROM book WHERE BookID=%2")
                                   .arg(QLatin1String(column))
                                   .arg(kBook));
    }

    // Stores the texts in the book and opens the sheet on it as Edit Book
    // does.
    bool Open(const QString &description, const QString &notes = QString())
    {
        m_sheet.reset();
        const QString update = QStringLiteral("UPDATE book SET Description=%1, Notes=%2 "
                                              "WHERE BookID=%3")
                                   .arg(FormatSqlLiteral(description, kLiteralText),
                                        FormatSqlLiteral(notes, kLiteralText))
                                   .arg(kBook);
        CBookRecord book;
        if (!ExecuteSql(update, false, Db()) || !book.Load(kBook, Db()))
            return false;
        m_sheet = std::make_unique<CBookProperties>(LoadString(177), &m_env->Frame());
        m_sheet->SetBook(book, false, 1, Db(), TomeloApp().m_imagesDir);
        m_sheet->show();
        m_sheet->activateWindow();
        m_description = m_sheet->findChild<CBookDescriptionPage *>();
        m_notes = m_sheet->findChild<CBookNotesPage *>();
        return QTest::qWaitForWindowActive(m_sheet.get()) && m_description && m_notes;
    }

    void PressOk()
    {
        m_sheet->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }

    // Shows the page and waits until its editor holds the text.
    bool ShowAndWait(CHtmlEditorPage *page)
    {
        QTabBar *bar = m_sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->tabRect(m_sheet->Tabs()->indexOf(page)).center());
        return m_sheet->Tabs()->currentWidget() == page &&
               QTest::qWaitFor([page] { return page->Editor() && page->Editor()->IsReady(); },
                               20000);
    }

    static QVariant Evaluate(CHtmlEditorPage *page, const QString &script)
    {
        QVariant value;
        return page->Editor()->Evaluate(script, &value) ? value : QVariant();
    }

    static QString Body(CHtmlEditorPage *page)
    {
        QString html;
        return page->Editor()->FetchBodyHtml(html) ? html : QStringLiteral("<no answer>");
    }

    static QAction *Action(CHtmlEditorPage *page, const char *name)
    {
        return page->ToolBar()->findChild<QAction *>(QLatin1String(name));
    }

    static void Keys(CHtmlEditorPage *page, QKeyCombination keys)
    {
        QTest::keyClick(page->Editor()->focusProxy(), keys.key(), keys.keyboardModifiers());
    }

    // Runs `answer` on the next modal dialog of type T once it is shown.
    template <typename T> static void AnswerNextDialog(std::function<void(T *)> answer)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                poll->deleteLater();
                poll->stop();
                answer(dialog);
            }
        });
        poll->start(50);
    }

    // Clicks the middle of the element with id `id` as a person would.
    static void ClickElement(CHtmlEditorPage *page, const QString &id)
    {
        const QVariantList rect =
            Evaluate(page, QStringLiteral("(function(){var r=document.getElementById('%1')"
                                          ".getBoundingClientRect();return [r.left+r.width/2,"
                                          "r.top+r.height/2];})()")
                               .arg(id))
                .toList();
        QCOMPARE(rect.size(), 2);
        QTest::mouseClick(page->Editor()->focusProxy(), Qt::LeftButton, {},
                          QPoint(rect.at(0).toInt(), rect.at(1).toInt()));
    }

    static void SelectAll(CHtmlEditorPage *page)
    {
        Evaluate(page, QStringLiteral("document.execCommand('selectAll'); true"));
    }

    // A picture once the engine has painted.
    void Screenshot(const QString &name)
    {
        QTest::qWait(800);
        CWindowTestEnv::SaveScreenshot(*m_sheet, name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_env = std::make_unique<CWindowTestEnv>();
        QVERIFY(m_env->StartWindow({m_env->CopyLibrary(QStringLiteral("lib.mdb"))}));
    }
    void cleanup() { m_sheet.reset(); }
    void cleanupTestCase()
    {
        m_env->CloseWindow();
        m_env.reset();
    }

    void typedWordIsStoredAndUnopenedNotesKeepTheirBytes()
    {
        // Markup the engine would rewrite if it ever parsed it.
        const QString notes = QStringLiteral("<P>Read  twice<BR>\r\n<b>unclosed &amp c\xe9</P>");
        QVERIFY(Open(QString(), notes));
        const QString storedNotes = Stored("Notes");
        QCOMPARE(storedNotes, notes);
        QStringList captions;
        for (int i = 0; i < m_sheet->Tabs()->count(); ++i)
            captions += m_sheet->Tabs()->tabText(i);
        QCOMPARE(captions.mid(2, 3),
                 QStringList({QStringLiteral("Related &Links"), QStringLiteral("&Description"),
                              QStringLiteral("&Notes")}));
        // Nothing of the engine exists before a page is shown.
        QVERIFY(!m_notes->Editor());
        QVERIFY(ShowAndWait(m_description));
        QCOMPARE(Body(m_description), QString());
        QVERIFY(
            Evaluate(m_description, QStringLiteral("getComputedStyle(document.body).fontFamily"))
                .toString()
                .startsWith(QStringLiteral("Tahoma")));

        QWidget *surface = m_description->Editor()->focusProxy();
        QTest::keyClicks(surface, QStringLiteral("Dune"));
        QTRY_COMPARE(Body(m_description), QStringLiteral("Dune"));
        // Enter starts a new line; it does not press OK.
        QTest::keyClick(surface, Qt::Key_Return);
        QTest::keyClicks(surface, QStringLiteral("Arrakis"));
        QTRY_COMPARE(Body(m_description), QStringLiteral("Dune<div>Arrakis</div>"));
        QVERIFY(m_sheet->isVisible());
        // Copy and paste through the keys.
        Keys(m_description, Qt::CTRL | Qt::Key_A);
        Keys(m_description, Qt::CTRL | Qt::Key_C);
        QTRY_VERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Dune")));
        QTest::keyClick(surface, Qt::Key_End, Qt::ControlModifier);
        QTRY_VERIFY(Evaluate(m_description, QStringLiteral("getSelection().isCollapsed")).toBool());
        Keys(m_description, Qt::CTRL | Qt::Key_V);
        QTRY_COMPARE(Body(m_description).count(QStringLiteral("Arrakis")), 2);
        Screenshot(QStringLiteral("htmleditor-description"));

        PressOk();
        QVERIFY(!m_sheet->isVisible());
        QCOMPARE(Stored("Description"), Body(m_description));
        QVERIFY(Stored("Description").startsWith(QStringLiteral("Dune<div>Arrakis")));
        QCOMPARE(Stored("Notes"), storedNotes);
        QVERIFY(!m_notes->Editor());
    }

    void pageLeftKeepsItsEditsAndComesBackAsItWas()
    {
        QVERIFY(Open(QStringLiteral("<p>first</p>"), QStringLiteral("<p>note</p>")));
        QVERIFY(ShowAndWait(m_description));
        Evaluate(m_description,
                 QStringLiteral("document.body.firstChild.textContent = 'changed'; true"));
        QVERIFY(ShowAndWait(m_notes));
        Screenshot(QStringLiteral("htmleditor-notes"));
        QVERIFY(ShowAndWait(m_description));
        QCOMPARE(Body(m_description), QStringLiteral("<p>changed</p>"));
        // OK on another page still takes the edits of the pages left.
        QTabBar *bar = m_sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        PressOk();
        QVERIFY(!m_sheet->isVisible());
        QCOMPARE(Stored("Description"), QStringLiteral("<p>changed</p>"));
        // Opened but not edited: the engine's form of the same markup.
        QCOMPARE(Stored("Notes"), QStringLiteral("<p>note</p>"));
    }

    void keysAndButtonsFormatTheText()
    {
        QVERIFY(Open(QStringLiteral("plain words")));
        CHtmlEditorPage *page = m_description;
        QVERIFY(ShowAndWait(page));

        // Every button has a picture and a tooltip, in the table's groups.
        int separators = 0;
        int buttons = 0;
        for (QAction *action : page->ToolBar()->actions()) {
            if (action->isSeparator()) {
                ++separators;
                continue;
            }
            ++buttons;
            QVERIFY2(!action->icon().pixmap(16).isNull(), qPrintable(action->objectName()));
            QVERIFY(!action->toolTip().isEmpty());
        }
        QCOMPARE(buttons, 20);
        QCOMPARE(separators, 6);

        page->Editor()->setFocus();
        Keys(page, Qt::CTRL | Qt::Key_A);
        Keys(page, Qt::CTRL | Qt::Key_B);
        QTRY_COMPARE(Body(page), QStringLiteral("<b>plain words</b>"));
        Action(page, "Italic")->trigger();
        QTRY_COMPARE(Body(page), QStringLiteral("<b><i>plain words</i></b>"));
        Action(page, "Center")->trigger();
        QTRY_VERIFY(Body(page).contains(QStringLiteral("text-align: center")));

        // Cancel in the colour dialog changes nothing; OK colours the selection.
        const QString before = Body(page);
        AnswerNextDialog<QColorDialog>([](QColorDialog *dialog) { dialog->reject(); });
        Action(page, "BackgroundColor")->trigger();
        QTest::qWait(300);
        QCOMPARE(Body(page), before);
        AnswerNextDialog<QColorDialog>([](QColorDialog *dialog) {
            dialog->setCurrentColor(QColor(255, 255, 0));
            dialog->accept();
        });
        Action(page, "BackgroundColor")->trigger();
        QTRY_VERIFY(Body(page).contains(QStringLiteral("background-color: rgb(255, 255, 0)")));

        Keys(page, Qt::CTRL | Qt::Key_A);
        Keys(page, Qt::Key_Delete);
        QTRY_VERIFY(!Body(page).contains(QStringLiteral("plain")));
    }

    void dialogsInsertLinksPicturesAndFonts()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("cover.png"));
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(picture));
        CQueuedFilePrompt files;

        QVERIFY(Open(QStringLiteral("<p>words</p>")));
        CHtmlEditorPage *page = m_description;
        QVERIFY(ShowAndWait(page));
        SelectAll(page);

        bool scriptRefused = false;
        bool hintShown = false;
        AnswerNextDialog<CHyperlinkDlg>([&scriptRefused, &hintShown](CHyperlinkDlg *dialog) {
            auto *address = dialog->findChild<QLineEdit *>(QStringLiteral("Address"));
            auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            address->setText(QStringLiteral(" Java\tScript:alert(1)"));
            scriptRefused = !ok->isEnabled();
            // An address without its scheme is taken as https, as the
            // note under the field says.
            address->setText(QStringLiteral("www.example.org/book"));
            auto *hint = dialog->findChild<QLabel *>(QStringLiteral("AddressHint"));
            hintShown = hint && hint->isVisible() &&
                        hint->text().contains(QLatin1String("https://www.example.org/book"));
            CWindowTestEnv::SaveScreenshot(*dialog, QStringLiteral("htmleditor-hyperlink"));
            ok->click();
        });
        Action(page, "AddHyperlink")->trigger();
        QTRY_COMPARE(Body(page),
                     QStringLiteral("<p><a href=\"https://www.example.org/book\">words</a></p>"));
        QVERIFY(scriptRefused);
        QVERIFY(hintShown);

        // A second link command starts from the link's address.
        QString offered;
        AnswerNextDialog<CHyperlinkDlg>([&offered](CHyperlinkDlg *dialog) {
            offered = dialog->Address();
            dialog->reject();
        });
        Action(page, "AddHyperlink")->trigger();
        QTRY_COMPARE(offered, QStringLiteral("https://www.example.org/book"));

        SelectAll(page);
        AnswerNextDialog<CEditorFontDlg>([](CEditorFontDlg *dialog) {
            QCOMPARE(dialog->Size(), 3);
            dialog->findChild<QComboBox *>(QStringLiteral("Size"))->setCurrentIndex(5);
            CWindowTestEnv::SaveScreenshot(*dialog, QStringLiteral("htmleditor-font"));
            dialog->accept();
        });
        Action(page, "Font")->trigger();
        QTRY_VERIFY(Body(page).contains(QStringLiteral("<font size=\"5\">")));

        Evaluate(page, QStringLiteral("getSelection().collapse(document.body, 1); true"));
        files.names = {picture};
        AnswerNextDialog<CInsertImageDlg>([](CInsertImageDlg *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("Browse"))->click();
            dialog->findChild<QLineEdit *>(QStringLiteral("AlternateText"))
                ->setText(QStringLiteral("a \"blue\" cover"));
            CWindowTestEnv::SaveScreenshot(*dialog, QStringLiteral("htmleditor-image"));
            dialog->accept();
        });
        Action(page, "InsertImage")->trigger();
        const QString expected = QStringLiteral("<img src=\"%1\" alt=\"a &quot;blue&quot; cover\">")
                                     .arg(QUrl::fromLocalFile(picture).toString());
        QTRY_VERIFY2(Body(page).contains(expected), qPrintable(Body(page)));
        // The user's own picture shows while editing.
        QTRY_COMPARE(Evaluate(page, QStringLiteral("document.images[0].naturalWidth")).toInt(), 40);
        Screenshot(QStringLiteral("htmleditor-dialogs"));
    }

    void scriptsAndWebPicturesStayInertWhileEditing()
    {
        // A web server that notes the path of each request it is sent.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QStringList paths;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [&paths, socket] {
                    if (!socket->canReadLine())
                        return;
                    paths += QString::fromLatin1(socket->readLine()).section(u' ', 1, 1);
                    socket->close();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        const QString web = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
        const QString description =
            QStringLiteral(
                "<p>Text<img src=\"WEB/cover.jpg\">"
                "<img src=\"data:,\" onerror=\"document.title='ran'\"></p>"
                "<script>document.title = 'ran too';</script>"
                "<meta http-equiv=\"refresh\" content=\"0; url=about:blank\">"
                "<link rel=\"stylesheet\" href=\"WEB/sheet.css\">"
                "<style>@import url(WEB/imported.css); @font-face { font-family: F; "
                "src: url(WEB/font.woff); } p { font-family: F; }</style>"
                "<audio src=\"WEB/sound.mp3\" preload=\"auto\" autoplay></audio>"
                "<video src=\"WEB/film.mp4\" preload=\"auto\"></video>"
                "<iframe src=\"WEB/frame.html\"></iframe><object data=\"WEB/object.swf\">"
                "</object><embed src=\"WEB/embed.swf\">")
                .replace(QStringLiteral("WEB/"), web);
        QVERIFY(Open(description));
        CHtmlEditorPage *page = m_description;
        QVERIFY(ShowAndWait(page));
        QTest::qWait(1000);
        QCOMPARE(Evaluate(page, QStringLiteral("document.title")).toString(),
                 QStringLiteral("Tomelo"));
        QCOMPARE(paths, QStringList());

        // The preview fetches the pictures of the text, and nothing else.
        Action(page, "DesignPreview")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(paths.contains(QStringLiteral("/cover.jpg")), 30000);
        QTest::qWait(1500);
        paths.removeDuplicates();
        QCOMPARE(paths, QStringList({QStringLiteral("/cover.jpg")}));
        QCOMPARE(Evaluate(page, QStringLiteral("document.title")).toString(),
                 QStringLiteral("Tomelo"));
        QVERIFY(Body(page).startsWith(QStringLiteral("<p>Text")));
        PressOk();
        QVERIFY(Stored("Description").startsWith(QStringLiteral("<p>Text")));
    }

    void previewShowsAPageAndEditingResumes()
    {
        COpenedUrls opened;
        const QString description =
            QStringLiteral("<table border=\"1\"><tbody><tr><td>cell</td></tr></tbody></table>"
                           "<p><a id=\"link\" href=\"https://example.org/\">a link</a></p>"
                           "<p><a id=\"window\" href=\"https://example.org/w\" "
                           "target=\"_blank\">a window</a></p>");
        QVERIFY(Open(description));
        CHtmlEditorPage *page = m_description;
        QVERIFY(ShowAndWait(page));
        QCOMPARE(Body(page), description);
        QWidget *surface = page->Editor()->focusProxy();

        // A right click shows no menu.
        bool menuShown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            menuShown = menuShown || qobject_cast<QMenu *>(QApplication::activePopupWidget());
        });
        poll.start(50);
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(40, 20));
        QTest::qWait(1500);
        poll.stop();
        QVERIFY(!menuShown);

        Action(page, "DesignPreview")->trigger();
        QTRY_COMPARE(Evaluate(page, QStringLiteral("document.designMode")).toString(),
                     QStringLiteral("off"));
        QVERIFY(Action(page, "DesignPreview")->isChecked());
        QVERIFY(!Action(page, "Bold")->isEnabled());
        Screenshot(QStringLiteral("htmleditor-preview"));
        // Links open in the desktop's browser, also those asking for a window.
        ClickElement(page, QStringLiteral("link"));
        ClickElement(page, QStringLiteral("window"));
        QTRY_COMPARE(opened.urls, QList<QUrl>({QUrl(QStringLiteral("https://example.org/")),
                                               QUrl(QStringLiteral("https://example.org/w"))}));
        QCOMPARE(Body(page), description);

        Action(page, "DesignPreview")->trigger();
        QTRY_COMPARE(Evaluate(page, QStringLiteral("document.designMode")).toString(),
                     QStringLiteral("on"));
        QCOMPARE(Body(page), description);
        Evaluate(page, QStringLiteral("getSelection().collapse(document.getElementById('link')"
                                      ".firstChild, 0); true"));
        page->Editor()->setFocus();
        QTest::keyClicks(surface, QStringLiteral("new "));
        QTRY_VERIFY2(Body(page).contains(QStringLiteral("<p>new")), qPrintable(Body(page)));

        // Escape in the editor cancels the sheet, which writes nothing.
        QTest::keyClick(surface, Qt::Key_Escape);
        QTRY_VERIFY(!m_sheet->isVisible());
        QCOMPARE(Stored("Description"), description);
    }

    // Last: the engine's process may be shared with the window's page.
    void editorComesBackWhenItsEngineDies()
    {
        QVERIFY(Open(QStringLiteral("<p>kept</p>")));
        QVERIFY(ShowAndWait(m_description));
        Evaluate(m_description,
                 QStringLiteral("document.body.firstChild.textContent = 'lost'; true"));
        const qint64 pid = m_description->Editor()->page()->renderProcessPid();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
        QTRY_COMPARE_WITH_TIMEOUT(Body(m_description), QStringLiteral("<p>kept</p>"), 20000);
        QVERIFY(Action(m_description, "Bold")->isEnabled());
        PressOk();
        QVERIFY(!m_sheet->isVisible());
        QCOMPARE(Stored("Description"), QStringLiteral("<p>kept</p>"));
    }
};

TOMELODEX_GUI_TEST_MAIN(TestHtmlEditor)
#include "tst_htmleditor.moc"
