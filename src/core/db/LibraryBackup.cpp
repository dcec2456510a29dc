#include "db/LibraryBackup.h"

#include "db/StaleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct CCloseDatabase
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, CCloseDatabase>;

DatabaseHandle OpenDatabase(const QString &path, int flags, QString *error)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
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
    const QString folder = QFileInfo(copyPath).absolutePath();
    const QString partial = QDir(folder).filePath(
        OwnFileNamePrefix(QLatin1String(kLibraryBackupTempPrefix)) +
        QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".tmp"));
    // The copy holds the same books as the library, so nobody may read it
    // who may not read the library.
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = file.errorString();
        return false;
    }
    file.close();
    file.setPermissions(QFile::permissions(libraryPath) | QFileDevice::ReadOwner |
                        QFileDevice::WriteOwner);

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
    if (copied && std::rename(QFile::encodeName(partial).constData(),
                              QFile::encodeName(copyPath).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        copied = false;
    }
    if (!copied)
        QFile::remove(partial);
    return copied;
}
