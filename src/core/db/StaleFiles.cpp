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
        const bool ended = ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        if (ended || entry.lastModified() < dayAgo)
            QFile::remove(entry.filePath());
    }
}
