#include "TestSupport.h"

#include "app/TomeloApp.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

CRecordingPrompt::CRecordingPrompt()
{
    SetUserPrompt(this);
}

CRecordingPrompt::~CRecordingPrompt()
{
    SetUserPrompt(nullptr);
}

MsgAnswer CRecordingPrompt::Message(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    shown.append({text, icon, buttons, QString(), true});
    if (onMessage)
        onMessage();
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
}

MsgAnswer CRecordingPrompt::Confirm(const QString &text, const QString &action, bool canUndo)
{
    const MsgAnswer answer = Message(text, MsgIcon::Question, MsgButtons::YesNo);
    shown.last().action = action;
    shown.last().canUndo = canUndo;
    return answer;
}

bool CRecordingPrompt::AskText(const QString &text, QString &value)
{
    offered.append(value);
    if (Message(text, MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
        return false;
    if (!typed.isEmpty())
        value = typed.takeFirst();
    return true;
}

CTestEnv::CTestEnv()
{
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    TomeloApp().InitCore(RuntimeDir());
}

CTestEnv::~CTestEnv()
{
    TomeloApp().ExitCore();
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

QString CTestEnv::RuntimeDir()
{
    return QStringLiteral(TOMELODEX_RUNTIME_DIR);
}

QString CTestEnv::TemplatePath()
{
    return RuntimeDir() + QStringLiteral("/Tomelodex.dbt");
}

QString CTestEnv::WriteFile(const QString &name, const QByteArray &contents) const
{
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return path;
}

QString CTestEnv::CopyTemplate(const QString &name)
{
    const QString path = Path(name);
    QFile::remove(path);
    if (!QFile::copy(TemplatePath(), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

namespace {

CliRun RunProgram(const QString &program, const QStringList &args, const QString &configHome,
                  const QByteArray &input, const QStringList &extraEnvironment,
                  const std::function<void(QProcess &)> &prepare = nullptr)
{
    QProcess process;
    if (prepare)
        prepare(process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (const QString &setting : extraEnvironment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(600000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString CliPath()
{
    return QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI"));
}

} // namespace

CliRun RunCliTool(const QStringList &args, const QString &configHome, const QByteArray &input,
                  const QStringList &extraEnvironment)
{
    return RunProgram(CliPath(), args, configHome, input, extraEnvironment);
}

CliRun RunCliToolWith(const QStringList &args, const QString &configHome,
                      const std::function<void(QProcess &)> &prepare,
                      const QStringList &extraEnvironment)
{
    return RunProgram(CliPath(), args, configHome, QByteArray(), extraEnvironment, prepare);
}

CliRun RunCliToolUnprivileged(const QStringList &args, const QString &configHome)
{
    if (geteuid() != 0)
        return RunCliTool(args, configHome);
    return RunProgram(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), CliPath()} +
                          args,
                      configHome, QByteArray(), QStringList());
}

bool CTestEnv::OpenLibraryWithUserCategory(CLibraryConnection &db, QString *imagesDir)
{
    *imagesDir = Path(QStringLiteral("lib_images"));
    return db.Open(CopyTemplate(QStringLiteral("lib.mdb"))) &&
           ExecuteSql(QStringLiteral(
                          "INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Mine', 1)"),
                      true, db) &&
           QDir().mkpath(*imagesDir);
}

QString QueryText(CLibraryConnection &db, const QString &sql)
{
    QString out;
    bool found = false;
    if (!QuerySingleValue(sql, db, out, &found, false))
        return QStringLiteral("<error>");
    return found ? out : QStringLiteral("<no row>");
}

QString AlwaysFullDevice(const QString &folder)
{
    QString device = QStringLiteral("/dev/full");
    if (::geteuid() == 0) {
        device = QDir(folder).filePath(QStringLiteral("full"));
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            return QString();
    }
    const int fd = ::open(QFile::encodeName(device).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return QString();
    const bool full = ::write(fd, "x", 1) < 0 && errno == ENOSPC;
    ::close(fd);
    struct stat status;
    const bool isDevice =
        ::lstat(QFile::encodeName(device).constData(), &status) == 0 && S_ISCHR(status.st_mode);
    return full && isDevice ? device : QString();
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
