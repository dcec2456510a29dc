// The progress window and the picture control, driven as the dialogs that
// use them will drive them.

#include "GuiTestSupport.h"

#include "app/Profile.h"
#include "db/CategoryStore.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/HelpTopicsDlg.h"
#include "frame/DesktopStyle.h"
#include "frame/GuiPrompt.h"
#include "frame/LinkLabel.h"
#include "frame/MainFrame.h"
#include "frame/PictureCtrl.h"
#include "frame/ProgressWindow.h"
#include "library/RemovalQuestion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void progressCaptionFollowsPosition();
    void progressCancelsByButtonAndEsc();
    void progressPlaceIsRemembered();
    void pictureFramesFollowGifDelays();
    void aboutHelpAndLinkLabel();
    void messagesFromWorkersShowOnWindowThread();
    void confirmationsNameTheirAction_data();
    void confirmationsNameTheirAction();
    void dialogButtonsFollowTheDesktop_data();
    void dialogButtonsFollowTheDesktop();
};

void TestControls::dialogButtonsFollowTheDesktop_data()
{
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<bool>("desktopDecides");
    QTest::newRow("no desktop") << QByteArray() << false;
    QTest::newRow("GNOME") << QByteArray("ubuntu:GNOME") << false;
    QTest::newRow("XFCE") << QByteArray("XFCE") << false;
    QTest::newRow("KDE") << QByteArray("KDE") << true;
    QTest::newRow("KDE among others") << QByteArray("plasma:kde") << true;
    QTest::newRow("only a similar name") << QByteArray("KDEish") << false;
}

// OK and Cancel carry Qt's own pictures wherever no desktop theme says
// otherwise (a bare X session); the window's style keeps them plain unless
// the desktop is one that lets its user choose.
void TestControls::dialogButtonsFollowTheDesktop()
{
    QFETCH(QByteArray, desktop);
    QFETCH(bool, desktopDecides);
    const QByteArray oldDesktop = qgetenv("XDG_CURRENT_DESKTOP");
    const QByteArray oldKdeSession = qgetenv("KDE_FULL_SESSION");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CURRENT_DESKTOP", oldDesktop);
        qputenv("KDE_FULL_SESSION", oldKdeSession);
    });
    qputenv("XDG_CURRENT_DESKTOP", desktop);
    qunsetenv("KDE_FULL_SESSION");
    CWindowTestEnv env;
    QVERIFY(env.StartWindow());
    auto *style = qobject_cast<CDesktopStyle *>(QApplication::style());
    QVERIFY(style);
    QCOMPARE(CDesktopStyle::DesktopChoosesButtonIcons(), desktopDecides);
    const int hint = style->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons);
    if (!desktopDecides) {
        QCOMPARE(hint, 0);
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QVERIFY(buttons.button(QDialogButtonBox::Ok)->icon().isNull());
        QVERIFY(buttons.button(QDialogButtonBox::Cancel)->icon().isNull());
    } else {
        QCOMPARE(hint, style->baseStyle()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons));
    }
}

void TestControls::progressCaptionFollowsPosition()
{
    CWindowTestEnv env;
    CProgressWindow progress(nullptr, QStringLiteral("Progress"));
    progress.SetRange(0, 7, 1);
    for (int i = 0; i < 3; ++i)
        progress.StepIt();
    QCOMPARE(progress.windowTitle(), QStringLiteral("Progress [43%]"));
    for (int i = 0; i < 4; ++i)
        progress.StepIt();
    QCOMPARE(progress.windowTitle(), QStringLiteral("Progress [100%]"));
    progress.SetText(QStringLiteral("Searching ISBN..."));
    QVERIFY(progress.isVisible());
    env.SaveScreenshot(progress, QStringLiteral("progress-window"));

    CProgressWindow empty(nullptr, QStringLiteral("Progress"));
    empty.SetRange(0, 0);
    empty.SetPos(5);
    QCOMPARE(empty.Percent(), 0);
    QCOMPARE(empty.windowTitle(), QStringLiteral("Progress"));
}

void TestControls::progressCancelsByButtonAndEsc()
{
    CWindowTestEnv env;
    QVERIFY(env.StartWindow());
    QWidget &frame = env.Frame();
    {
        // Esc is passed on when the caller does not want it to cancel.
        CProgressWindow progress(&frame, QStringLiteral("Progress"));
        progress.GoModal();
        QCOMPARE(QApplication::activeModalWidget(), &progress);
        QCoreApplication::postEvent(
            &progress, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QVERIFY(progress.PeekAndPump(false));
        QVERIFY(!progress.Cancelled());
        // The user's Esc while the caller pumps cancels.
        QCoreApplication::postEvent(
            &progress, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QVERIFY(!progress.PeekAndPump(true));
        QVERIFY(progress.Cancelled());
        QVERIFY(!progress.isVisible());
        // Cancelling gives the other windows back at once.
        QVERIFY(!QApplication::activeModalWidget());
    }
    {
        CProgressWindow progress(&frame, QStringLiteral("Progress"));
        progress.GoModal();
        auto *cancel = progress.findChild<QPushButton *>(QStringLiteral("ProgressCancel"));
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!progress.PeekAndPump(true));
    }
    // Nothing is left keeping the user out of the main window.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(frame.isEnabled());
}

void TestControls::progressPlaceIsRemembered()
{
    CWindowTestEnv env;
    const QRect screen = QApplication::primaryScreen()->geometry();
    QPoint left;
    {
        CProgressWindow progress(nullptr, QStringLiteral("Progress"));
        progress.move(40, 30);
        left = progress.pos();
    }
    QCOMPARE(GetProfileInt(QStringLiteral("Settings"), QStringLiteral("ProgressWndX"), -1),
             left.x());
    {
        CProgressWindow progress(nullptr, QStringLiteral("Progress"));
        QCOMPARE(progress.pos(), left);
    }
    // A place beyond the screen (another screen size since) is not used.
    QVERIFY(WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("ProgressWndX"),
                            screen.width() + 4000));
    CProgressWindow progress(nullptr, QStringLiteral("Progress"));
    QVERIFY(screen.contains(progress.geometry().center()));
}

void TestControls::pictureFramesFollowGifDelays()
{
    CPictureCtrl picture;
    QVERIFY(picture.LoadData(MakeTestGif({0, 50, 3, 5})));
    QCOMPARE(picture.FrameCount(), 4);
    QVERIFY(picture.IsAnimated());
    // Up to 4 hundredths plays at 100 ms; above that, the frame's own delay.
    QCOMPARE(picture.FrameDelay(0), 100);
    QCOMPARE(picture.FrameDelay(1), 500);
    QCOMPARE(picture.FrameDelay(2), 100);
    QCOMPARE(picture.FrameDelay(3), 50);
    QCOMPARE(picture.PictureSize(), QSize(1, 1));

    picture.Draw();
    QVERIFY(picture.IsPlaying());
    QTRY_COMPARE(picture.CurrentFrame(), 1);
    QTRY_COMPARE(picture.CurrentFrame(), 2);
    picture.Stop();
    QVERIFY(!picture.IsPlaying());

    QVERIFY(picture.LoadData(MakeTestGif({50})));
    QVERIFY(!picture.IsAnimated());
    picture.Draw();
    QVERIFY(!picture.IsPlaying());

    // What is no picture loads nothing and says so.
    QVERIFY(!picture.LoadData("GIF89a but nothing after it"));
    QVERIFY(!picture.IsLoaded());
    QVERIFY(!picture.LoadFile(QStringLiteral("/nonexistent/cover.jpg")));
}

void TestControls::aboutHelpAndLinkLabel()
{
    CWindowTestEnv env;
    QVERIFY(env.StartWindow());
    CAboutDlg about(&env.Frame());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    env.SaveScreenshot(about, QStringLiteral("about-box"));
    bool versionShown = false;
    for (const QLabel *label : about.findChildren<QLabel *>())
        versionShown |= label->text() == QStringLiteral("Tomelodex Version 1.3");
    QVERIFY(versionShown);
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("BuildKind"))->text(),
             QStringLiteral("Unicode"));
    auto *link = about.findChild<CLinkLabel *>(QStringLiteral("MakerLink"));
    QVERIFY(link);
    QVERIFY(link->Target().startsWith(QStringLiteral("https://")));

    // Help Topics lists the menus' commands with their keys.
    CHelpTopicsDlg help(*env.Frame().menuBar(), &env.Frame());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    env.SaveScreenshot(help, QStringLiteral("help-topics"));
    auto *commands = help.findChild<QTreeWidget *>(QStringLiteral("HelpCommands"));
    QVERIFY(commands);
    const QList<QTreeWidgetItem *> found =
        commands->findItems(QStringLiteral("New Database..."), Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->text(1), QStringLiteral("Ctrl+N"));
    QCOMPARE(found[0]->text(2), QStringLiteral("Create a new database"));

    // A target the desktop cannot open is reported, and stays unvisited.
    CLinkLabel broken(QStringLiteral("Broken"), QStringLiteral("/nonexistent/folder/file.txt"));
    QVERIFY(!broken.Open());
    QVERIFY(env.prompt.LastText().startsWith(QStringLiteral("Unable to open hyperlink:")));
    QVERIFY(!broken.IsVisited());
}

void TestControls::messagesFromWorkersShowOnWindowThread()
{
    CGuiPrompt prompt;
    SetUserPrompt(&prompt);
    // The "user" answers each box that opens with No, noting where it lives.
    QList<QThread *> boxThreads;
    QStringList boxTexts;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        boxThreads += box->thread();
        boxTexts += box->text();
        box->button(QMessageBox::No)->click();
    });
    answerer.start(10);

    MsgAnswer workerAnswer = MsgAnswer::Ok;
    QThread *worker = QThread::create([&] {
        workerAnswer =
            ShowMessage(QStringLiteral("Skip this one?"), MsgIcon::Question, MsgButtons::YesNo);
    });
    worker->start();
    QTRY_VERIFY(worker->isFinished());
    delete worker;
    QCOMPARE(workerAnswer, MsgAnswer::No);
    QCOMPARE(boxTexts, QStringList({"Skip this one?"}));
    QCOMPARE(boxThreads.value(0), QApplication::instance()->thread());

    // From the window's own thread the box opens directly.
    QCOMPARE(ShowMessage(QStringLiteral("Again?"), MsgIcon::Question, MsgButtons::YesNoCancel),
             MsgAnswer::No);
    QCOMPARE(boxTexts.size(), 2);
    SetUserPrompt(nullptr);
}

void TestControls::confirmationsNameTheirAction_data()
{
    QTest::addColumn<int>("category");  // where Remove Book is asked
    QTest::addColumn<QString>("press"); // "action", "cancel", "escape" or "enter"
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("action");

    const QString move = QStringLiteral("Move to Recycle Bin");
    const QString erase = QStringLiteral("Delete for Good");
    QTest::newRow("action") << int(kAllBooks) << "action" << true << move;
    QTest::newRow("cancel") << int(kAllBooks) << "cancel" << false << move;
    QTest::newRow("escape") << int(kAllBooks) << "escape" << false << move;
    QTest::newRow("enter") << int(kAllBooks) << "enter" << true << move;
    QTest::newRow("cannot be undone, action") << int(kRecycleBin) << "action" << true << erase;
    QTest::newRow("cannot be undone, enter") << int(kRecycleBin) << "enter" << false << erase;
}

void TestControls::confirmationsNameTheirAction()
{
    QFETCH(int, category);
    QFETCH(QString, press);
    QFETCH(bool, confirmed);
    QFETCH(QString, action);

    CWindowTestEnv env;
    CGuiPrompt prompt;
    SetUserPrompt(&prompt);
    QStringList buttons;
    QString defaultButton;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !buttons.isEmpty())
            return;
        for (QAbstractButton *button : box->buttons())
            buttons += button->text();
        buttons.sort();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        env.SaveScreenshot(*box, QStringLiteral("confirmation_%1").arg(category));
        if (press == QLatin1String("action")) {
            for (QAbstractButton *button : box->buttons())
                if (button->text() == action)
                    button->click();
        } else if (press == QLatin1String("cancel")) {
            box->button(QMessageBox::Cancel)->click();
        } else {
            QTest::keyClick(box,
                            press == QLatin1String("escape") ? Qt::Key_Escape : Qt::Key_Return);
        }
    });
    answerer.start(10);

    const bool answer = CRemovalQuestion::ForBooks(category, QString(), 3, 0).Ask();
    SetUserPrompt(nullptr);
    QCOMPARE(answer, confirmed);
    QCOMPARE(buttons, QStringList({QStringLiteral("Cancel"), action})); // sorted
    // A step that cannot be undone is not taken by a hasty Enter.
    QCOMPARE(defaultButton, category == kRecycleBin ? QStringLiteral("Cancel") : action);
}

TOMELODEX_GUI_TEST_MAIN(TestControls)
#include "tst_controls.moc"
