#include "frame/WindowApp.h"

#include "app/NativeFileName.h"
#include "app/Profile.h"
#include "app/SettingsStore.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/TomeloDoc.h"
#include "frame/ClipboardFormats.h"
#include "frame/DesktopStyle.h"
#include "frame/GuiPrompt.h"
#include "frame/MainFrame.h"
#include "frame/QuitOnSignals.h"
#include "frame/ThemeIcon.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "Usage: tomelodex [OPTION]... [LIBRARY]\n"
    "Shows the book library LIBRARY (a .mdb file) in the Tomelodex window; without\n"
    "LIBRARY, the library used last, else the sample library beside the program.\n"
    "\n"
    "  -h, --help     display this help and exit\n"
    "  -V, --version  output version information and exit\n"
    "\n"
    "Settings are kept in $XDG_CONFIG_HOME/Brindlewood/Tomelodex/settings.conf.\n"
    "tomelodex-cli works on libraries without the window.\n";

// --help and --version are answered before the window system is touched, so
// they work without a display.
int AnswerInfoOption(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::puts("tomelodex (Tomelodex) " TOMELODEX_VERSION);
            return 0;
        }
    }
    return -1;
}

// The library named on the command line; options other than the ones above
// (Qt's own, such as -platform) are left to Qt.
QString LibraryArgument(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(u'-'))
            return argument;
    }
    return QString();
}

} // namespace

void PrepareGuiApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kProfileCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kProfileApplication));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOMELODEX_VERSION));
}

CWindowApp::CWindowApp() = default;

CWindowApp::~CWindowApp()
{
    ExitInstance();
}

bool CWindowApp::InitInstance(const QStringList &arguments, const QString &programPath)
{
    TomeloApp().InitCore(programPath);
    m_coreStarted = true;
    UseLanguageFont();
    QGuiApplication::setDesktopFileName(QStringLiteral("tomelodex"));
    PrepareIconTheme();
    if (!qobject_cast<CDesktopStyle *>(QApplication::style()))
        QApplication::setStyle(new CDesktopStyle);
    TomeloApp().m_cfBook = RegisterClipboardFormat(QStringLiteral("TomeloBook"));
    TomeloApp().m_cfCategory = RegisterClipboardFormat(QStringLiteral("TomeloCategory"));

    // A prompt installed before (the tests') keeps answering.
    m_prompt = std::make_unique<CGuiPrompt>();
    if (!HasUserPrompt())
        SetUserPrompt(m_prompt.get());
    m_doc = std::make_unique<CTomeloDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    if (!m_frame->Create()) {
        m_frame.reset();
        return false;
    }
    m_prompt->SetParentWindow(m_frame.get());

    const QString library = LibraryArgument(arguments);
    if (!library.isEmpty()) {
        // A library named on the command line that cannot be opened ends the
        // start-up, after its reason has been shown.
        if (!m_frame->OpenDocumentFile(library)) {
            m_frame.reset();
            return false;
        }
    } else {
        m_doc->OnNewDocument();
    }
    m_frame->ShowAtStoredPlace();
    m_frame->repaint();
    // Said on standard error too, which a window started from a menu has not.
    const QString settingsNotice = CSettingsStore::TakeForeignFileNotice();
    if (!settingsNotice.isEmpty())
        ShowMessage(settingsNotice, MsgIcon::Warning);
    if (library.isEmpty())
        OpenFirstLibrary();
    return true;
}

void CWindowApp::OpenFirstLibrary()
{
    const QStringList recent = m_frame->RecentFiles();
    if (!recent.isEmpty() && !recent.first().isEmpty()) {
        m_frame->OpenDocumentFile(recent.first());
        return;
    }
    const QString sample = TomeloApp().GetAppDir() + QStringLiteral("Sample.mdb");
    const QFileInfo sampleInfo(sample);
    if (sampleInfo.isFile() && sampleInfo.isReadable())
        m_frame->OpenDocumentFile(sample);
}

// Chinese characters are drawn in the forms of the language's region
// (mainland or Taiwan): Han text falls back to the region's CJK font, while
// Latin letters keep the desktop's font.
void CWindowApp::UseLanguageFont()
{
    const QString code = TomeloApp().GetUiLanguage();
    QString cjk;
    if (code == u"Chs")
        cjk = QStringLiteral("Noto Sans CJK SC");
    else if (code == u"Cht")
        cjk = QStringLiteral("Noto Sans CJK TC");
    if (cjk.isEmpty() || !TomeloApp().IsLanguageLoaded())
        return;
    QFont font = QApplication::font();
    m_fontBefore = std::make_unique<QFont>(font);
    font.setFamilies({font.family(), cjk});
    QApplication::setFont(font);
}

void CWindowApp::ExitInstance()
{
    if (m_frame) {
        if (m_frame->isVisible())
            m_frame->close();
        m_frame.reset();
    }
    m_doc.reset();
    m_prompt.reset();
    if (m_coreStarted) {
        TomeloApp().ExitCore();
        m_coreStarted = false;
    }
    if (m_fontBefore) {
        QApplication::setFont(*m_fontBefore);
        m_fontBefore.reset();
    }
}

int CWindowApp::Run(int argc, char **argv)
{
    const int answered = AnswerInfoOption(argc, argv);
    if (answered >= 0)
        return answered;
    PrepareGuiApplication();
    QApplication application(argc, argv);
    const CQuitOnSignals quitOnSignals;
    CWindowApp app;
    // Taken byte for byte (Qt's own options already removed): a library
    // name that is not UTF-8 opens that library and no other.
    if (!app.InitInstance(ArgumentsFromNative(argc, argv).mid(1)))
        return 1;
    const int code = quitOnSignals.Requested() ? 0 : application.exec();
    app.ExitInstance();
    return code;
}
