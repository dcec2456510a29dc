#pragma once

#include <QFont>
#include <QStringList>

#include <memory>

class CGuiPrompt;
class CMainFrame;
class CTomeloDoc;

// Start-up and end of the window program: program folder, settings and
// language (through the core), clipboard formats, the document and the main
// window, and the first library.
class CWindowApp
{
public:
    CWindowApp();
    ~CWindowApp();
    CWindowApp(const CWindowApp &) = delete;
    CWindowApp &operator=(const CWindowApp &) = delete;

    // Runs start-up with the command-line arguments after the program name.
    // `programPath` is the program file or folder (empty: the running
    // program's). False when the window cannot open; the reason has been shown.
    bool InitInstance(const QStringList &arguments, const QString &programPath = QString());

    // Closes the window if it is still open and undoes the language switch.
    void ExitInstance();

    CMainFrame *Frame() const { return m_frame.get(); }
    CTomeloDoc &Document() const { return *m_doc; }

    // The whole program: answers --help and --version, otherwise runs the
    // window until it closes. Returns the exit code.
    static int Run(int argc, char **argv);

private:
    void OpenFirstLibrary();
    void UseLanguageFont();

    std::unique_ptr<CTomeloDoc> m_doc;
    std::unique_ptr<CGuiPrompt> m_prompt;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_coreStarted = false;
    // The application font before a language changed it, restored at exit.
    std::unique_ptr<QFont> m_fontBefore;
};

// Settings before the application object: high-resolution pixmaps and the
// shared OpenGL contexts that the browser engine needs. Call before
// QApplication is made (the tests do too).
void PrepareGuiApplication();
