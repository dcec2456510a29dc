#include "GuiTestSupport.h"

#include "frame/MainFrame.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// Copies the folder `from` with everything below it to `to`.
bool CopyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

CQueuedFilePrompt::CQueuedFilePrompt()
{
    SetFilePrompt(this);
}

CQueuedFilePrompt::~CQueuedFilePrompt()
{
    SetFilePrompt(nullptr);
}

QString CQueuedFilePrompt::Next(const QString &caption, const QString &filter)
{
    captions += caption;
    filters += filter;
    return names.isEmpty() ? QString() : names.takeFirst();
}

QString CQueuedFilePrompt::OpenFileName(QWidget *, const QString &caption, const QString &filter)
{
    return Next(caption, filter);
}

QString CQueuedFilePrompt::SaveFileName(QWidget *, const QString &caption, const QString &filter,
                                        const QString &)
{
    return Next(caption, filter);
}

QString CQueuedFilePrompt::FolderName(QWidget *, const QString &caption)
{
    return Next(caption, QString());
}

QString CQueuedFilePrompt::PictureFileName(QWidget *, const QString &caption, const QString &filter)
{
    return Next(caption, filter);
}

QString CQueuedFilePrompt::OpenFileNameWithOption(QWidget *, const QString &caption,
                                                  const QString &filter, const QString &optionText,
                                                  const QString &, bool *checked)
{
    optionTexts += optionText;
    optionsOffered += *checked;
    const QString name = Next(caption, filter);
    const bool answer = optionAnswers.isEmpty() ? *checked : optionAnswers.takeFirst();
    if (!name.isEmpty())
        *checked = answer;
    return name;
}

QByteArray MakeTestGif(const QList<int> &delays)
{
    QByteArray gif("GIF89a");
    gif += QByteArray::fromHex("01000100"
                               "80"
                               "0000"); // 1x1, 2-colour table
    gif += QByteArray::fromHex("ffffff"
                               "000000");
    if (delays.size() > 1) // loop for ever
        gif += QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" +
               QByteArray::fromHex("03010000"
                                   "00");
    for (int delay : delays) {
        gif += QByteArray::fromHex("21f904"
                                   "04");
        gif += char(delay & 0xff);
        gif += char(delay >> 8);
        gif += QByteArray::fromHex("00"
                                   "00");
        gif += QByteArray::fromHex("2c"
                                   "00000000"
                                   "01000100"
                                   "00");
        gif += QByteArray::fromHex("0202"
                                   "4401"
                                   "00");
    }
    gif += ';';
    return gif;
}

COpenedUrls::COpenedUrls()
{
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
}

COpenedUrls::~COpenedUrls()
{
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

CWindowTestEnv::CWindowTestEnv(SampleMode sample)
{
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    LayOutProgramFolder(sample);
}

CWindowTestEnv::~CWindowTestEnv()
{
    m_app.reset();
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

void CWindowTestEnv::LayOutProgramFolder(SampleMode sample)
{
    const QString runtime = CTestEnv::RuntimeDir();
    const QString program = ProgramDir();
    QDir().mkpath(program);
    QFile::copy(runtime + QStringLiteral("/Tomelodex.dbt"),
                program + QStringLiteral("/Tomelodex.dbt"));
    if (sample == kWithSample) {
        QFile::copy(runtime + QStringLiteral("/Sample.mdb"),
                    program + QStringLiteral("/Sample.mdb"));
        QFile::setPermissions(program + QStringLiteral("/Sample.mdb"),
                              QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::copy(runtime + QStringLiteral("/tomelodex.svg"),
                program + QStringLiteral("/tomelodex.svg"));
    CopyTree(runtime + QStringLiteral("/Languages"), program + QStringLiteral("/Languages"));
    CopyTree(runtime + QStringLiteral("/Help"), program + QStringLiteral("/Help"));
    if (QFileInfo(runtime + QStringLiteral("/Styles")).isDir()) {
        CopyTree(runtime + QStringLiteral("/Styles"), program + QStringLiteral("/Styles"));
    } else {
        // Until the build lays out the real styles, one plain template and
        // style let the window open.
        WriteFile(program + QStringLiteral("/Styles/Default (ENU).xsl"),
                  "<?xml version=\"1.0\"?>\n<xsl:stylesheet version=\"1.0\" "
                  "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
                  "<xsl:template match=\"/\"><html><body/></html></xsl:template>\n"
                  "</xsl:stylesheet>\n");
        WriteFile(program + QStringLiteral("/Styles/CSS/Default.css"), "body { margin: 8px; }\n");
    }
}

QString CWindowTestEnv::CopyLibrary(const QString &name, bool fromTemplate)
{
    const QString source = CTestEnv::RuntimeDir() + (fromTemplate ? QStringLiteral("/Tomelodex.dbt")
                                                                  : QStringLiteral("/Sample.mdb"));
    const QString path = Path(name);
    QFile::remove(path);
    if (!QFile::copy(source, path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

bool CWindowTestEnv::StartWindow(const QStringList &arguments)
{
    m_app = std::make_unique<CWindowApp>();
    if (!m_app->InitInstance(arguments, ProgramDir() + QStringLiteral("/tomelodex"))) {
        m_app.reset();
        return false;
    }
    return QTest::qWaitForWindowExposed(m_app->Frame());
}

void CWindowTestEnv::CloseWindow()
{
    if (m_app)
        m_app->ExitInstance();
    m_app.reset();
}

CMainFrame &CWindowTestEnv::Frame() const
{
    return *m_app->Frame();
}

CTomeloDoc &CWindowTestEnv::Document() const
{
    return m_app->Document();
}

QString CWindowTestEnv::SaveScreenshot(QWidget &widget, const QString &name)
{
    QString folder = QString::fromLocal8Bit(qgetenv("TOMELODEX_SCREENSHOTS"));
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    widget.grab().save(path);
    return path;
}
