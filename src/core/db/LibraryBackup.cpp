#include "db/LibraryBackup.h"

#include "app/NativeFileName.h"
#include "db/StaleFiles.h"

#include <QUuid>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CCloseDatabase
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, CCloseDatabase>;

DatabaseHandle OpenDatabase(const QString &path, int flags, QString *error)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(NativeFileName(path).constData(), &db, flags, nullptr);
    DatabaseHandle handle(db);
    if (rc != SQLITE_OK) {
        *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        handle.reset();
    }
    return handle;
}

// Copies every page of `source` into `target`; false with `error` set.
bool CopyPages(sqlite3 *source, sqlite3 *target, QString *error)
{
    sqlite3_backup *backup = sqlite3_backup_init(target, "main", source, "main");
    if (!backup) {
        *error = QString::fromUtf8(sqlite3_errmsg(target));
        return false;
    }
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errstr(rc));
        return false;
    }
    return true;
}

} // namespace

bool CLibraryBackup::Write(const QString &libraryPath, const QString &copyPath, QString *error)
{
    // Names may hold bytes that are not UTF-8, so they go to the system as
    // they are, never through Qt's file classes.
    const qsizetype slash = copyPath.lastIndexOf(u'/');
    const QString folder = slash >= 0 ? copyPath.left(slash + 1) : QString();
    const QString partial = folder + OwnFileNamePrefix(QLatin1String(kLibraryBackupTempPrefix)) +
                            QUuid::createUuid().toString(QUuid::Id128).left(12) +
                            QStringLiteral(".tmp");
    // The copy holds the same books as the library, so nobody may read it
    // who may not read the library.
    struct stat library = {};
    const mode_t mode = ::stat(NativeFileName(libraryPath).constData(), &library) == 0
                            ? (library.st_mode & 0777) | S_IRUSR | S_IWUSR
                            : S_IRUSR | S_IWUSR;
    const int fd =
        ::open(NativeFileName(partial).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::fchmod(fd, mode); // as asked, whatever the umask
    ::close(fd);

    bool copied = false;
    {
        DatabaseHandle source = OpenDatabase(libraryPath, SQLITE_OPEN_READONLY, error);
        DatabaseHandle target =
            source ? OpenDatabase(partial, SQLITE_OPEN_READWRITE, error) : DatabaseHandle();
        if (target) {
            sqlite3_busy_timeout(source.get(), 5000);
            copied = CopyPages(source.get(), target.get(), error);
        }
    }
    if (copied && !NativeReplace(partial, copyPath)) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        copied = false;
    }
    if (!copied)
        ::unlink(NativeFileName(partial).constData());
    return copied;
}
