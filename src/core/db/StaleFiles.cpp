#include "db/StaleFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// The process number in a name of the program's own, or 0.
qint64 ProcessOf(const QString &name, const QString &prefix)
{
    const QString rest = name.mid(prefix.size());
    const qsizetype dash = rest.indexOf(u'-');
    bool ok = false;
    const qint64 pid = dash > 0 ? rest.left(dash).toLongLong(&ok) : 0;
    return ok && pid > 0 && rest.at(0).isDigit() ? pid : 0;
}

bool HasEnded(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

QString OwnFileNamePrefix(const QString &prefix)
{
    return prefix + QString::number(::getpid()) + u'-';
}

void RemoveFilesOfEndedProcesses(const QString &folder, const QString &prefix)
{
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const QFileInfoList entries =
        QDir(folder).entryInfoList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const qint64 pid = ProcessOf(entry.fileName(), prefix);
        if (pid == 0)
            continue;
        if (HasEnded(pid) || entry.lastModified() < dayAgo)
            QFile::remove(entry.filePath());
    }
}

void RemoveFoldersOfEndedProcesses(const QString &folder, const QString &prefix)
{
    // No age limit here: a window may rightly keep its folder for weeks.
    // Links are passed over, so nothing outside `folder` is ever reached.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {prefix + u'*'}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const qint64 pid = ProcessOf(entry.fileName(), prefix);
        if (pid != 0 && HasEnded(pid))
            QDir(entry.filePath()).removeRecursively();
    }
}
