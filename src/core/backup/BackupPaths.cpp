#include "backup/BackupPaths.h"

#include "app/NativeFileName.h"

#include <QDir>

#include <fcntl.h>
#include <unistd.h>

QString AbsoluteBackupPath(const QString &path)
{
    if (path.startsWith(u'/'))
        return path;
    return QDir::currentPath() + u'/' + path;
}

QString BackupFolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash >= 0 ? path.left(slash + 1) : QStringLiteral("./");
}

void SyncFolder(const QString &folder)
{
    const int fd = ::open(NativeFileName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
