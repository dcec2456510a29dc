#pragma once

#include "TestSupport.h"
#include "frame/FileDialogs.h"
#include "frame/WindowApp.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

// Answers the window's file dialogs with the next name from a queue (empty,
// like a cancelled dialog, when the queue is empty) and remembers what was
// asked. Installed for its lifetime.
class CQueuedFilePrompt : public CFilePrompt
{
public:
    CQueuedFilePrompt();
    ~CQueuedFilePrompt() override;

    QString OpenFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString SaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &suggested) override;
    QString FolderName(QWidget *parent, const QString &caption) override;
    QString PictureFileName(QWidget *parent, const QString &caption,
                            const QString &filter) override;
    // Also records the check box as offered, and sets it to the next of
    // `optionAnswers` (left as offered when there is none) unless cancelled.
    QString OpenFileNameWithOption(QWidget *parent, const QString &caption, const QString &filter,
                                   const QString &optionText, const QString &optionHint,
                                   bool *checked) override;

    QStringList names;          // taken from the front
    QStringList filters;        // the filter of each dialog asked for (empty for a folder)
    QStringList captions;       // the caption of each dialog asked for
    QList<bool> optionAnswers;  // taken from the front
    QStringList optionTexts;    // the check box of each dialog that had one
    QList<bool> optionsOffered; // its state when that dialog opened

private:
    QString Next(const QString &caption, const QString &filter);
};

// Remembers the addresses the window asks the desktop to open (web and
// file addresses) instead of starting programs. Installed for its lifetime.
class COpenedUrls : public QObject
{
    Q_OBJECT

public:
    COpenedUrls();
    ~COpenedUrls() override;

    QList<QUrl> urls;

public Q_SLOTS:
    void Open(const QUrl &url) { urls.append(url); }
};

// One test's world: a temporary settings home, a temporary program folder
// (template, languages and styles of the build, a sample library only when
// asked for), libraries copied into a temporary folder, and the real window
// started on them. Message boxes and file dialogs are answered by `prompt`
// and `files`.
class CWindowTestEnv
{
public:
    enum SampleMode
    {
        kWithSample,
        kWithoutSample
    };

    explicit CWindowTestEnv(SampleMode sample = kWithSample);
    ~CWindowTestEnv();

    bool IsValid() const { return m_dir.isValid(); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }
    QString ProgramDir() const { return m_dir.filePath(QStringLiteral("program")); }

    // A copy of the built sample library (or, with `fromTemplate`, of the
    // empty template) at Path(name).
    QString CopyLibrary(const QString &name, bool fromTemplate = false);

    // Starts the window as the program would with `arguments`; false when
    // start-up failed. The window is shown offscreen.
    bool StartWindow(const QStringList &arguments = QStringList());
    // Closes the window the way a person does (saving what closing saves)
    // and ends the program's start-up state.
    void CloseWindow();

    CWindowApp *App() const { return m_app.get(); }
    CMainFrame &Frame() const;
    CTomeloDoc &Document() const;

    // Saves a picture of `widget` beside the test's other files (kept in
    // TOMELODEX_SCREENSHOTS when that is set) and returns its path.
    static QString SaveScreenshot(QWidget &widget, const QString &name);

    CRecordingPrompt prompt;
    CQueuedFilePrompt files;

private:
    void LayOutProgramFolder(SampleMode sample);

    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
    std::unique_ptr<CWindowApp> m_app;
};

// A GIF of one pixel per frame with the given delays (hundredths of a
// second); one delay gives a still picture, several loop for ever.
QByteArray MakeTestGif(const QList<int> &delays);

// Like QTEST_MAIN, with the application prepared as the program prepares it.
#define TOMELODEX_GUI_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        PrepareGuiApplication();                                                                   \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
