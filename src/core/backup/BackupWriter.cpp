#include "backup/BackupWriter.h"

#include "app/Fd.h"
#include "app/NativeFileName.h"
#include "backup/BackupManifest.h"
#include "backup/BackupPaths.h"
#include "db/LibraryBackup.h"
#include "db/StaleFiles.h"
#include "db/TomeloDoc.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QUuid>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The database compresses well already at zlib's fastest level; higher
// levels cost several times the time for a few per cent.
constexpr int kDatabaseLevel = 1;

struct CCoverFile
{
    QByteArray nativeName;
    QString name;
    qint64 size = 0;
};

// Lists the pictures of the images folder: regular files (or links to
// them), leaving out files of the program's own on their way somewhere.
// A missing folder is a library without covers.
bool ListCovers(int folderFd, QVector<CCoverFile> *covers, QString *error)
{
    if (folderFd < 0)
        return true;
    DIR *dir = ::fdopendir(::dup(folderFd));
    if (!dir) {
        *error = qt_error_string(errno);
        return false;
    }
    const std::unique_ptr<DIR, int (*)(DIR *)> closeDir(dir, ::closedir);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == ".." || raw.startsWith(".tomelo-cover-") ||
            raw.startsWith(kArchiveTempPrefix))
            continue;
        struct stat status;
        if (::fstatat(folderFd, raw.constData(), &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        const QString name = FileNameFromNative(raw);
        if (HasStrayBytes(name) || !CBackupManifest::IsSafeCoverName(name)) {
            *error = QCoreApplication::translate(
                         "Backup", "the picture %1 cannot be kept: its name is not UTF-8 text")
                         .arg(PrintableFileName(name));
            return false;
        }
        covers->append({raw, name, qint64(status.st_size)});
    }
    std::sort(covers->begin(), covers->end(),
              [](const CCoverFile &a, const CCoverFile &b) { return a.nativeName < b.nativeName; });
    return true;
}

// The version and book count of the database copy, for the manifest.
void ReadDatabaseFacts(const QString &path, CBackupManifest *manifest)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(NativeFileName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> closeDb(db, sqlite3_close_v2);
    for (const auto &[sql, value] :
         {std::pair<const char *, qint64 *>{"PRAGMA user_version", nullptr},
          std::pair<const char *, qint64 *>{"SELECT COUNT(*) FROM book", &manifest->bookCount}}) {
        sqlite3_stmt *stmt = nullptr;
        if (db && sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            if (value)
                *value = sqlite3_column_int64(stmt, 0);
            else
                manifest->schemaVersion = sqlite3_column_int(stmt, 0);
        }
        sqlite3_finalize(stmt);
    }
}

// One backup in the making: the zip and the database copy beside the
// target, removed unless the zip is put in place.
class CBackupJob
{
public:
    CBackupJob(const QString &libraryPath, const QString &archivePath,
               const BackupProgress &progress)
        : m_libraryPath(libraryPath), m_archivePath(archivePath), m_progress(progress)
    {}
    ~CBackupJob()
    {
        if (!m_zipTemp.isEmpty())
            ::unlink(NativeFileName(m_zipTemp).constData());
        if (!m_databaseCopy.isEmpty())
            ::unlink(NativeFileName(m_databaseCopy).constData());
    }
    CBackupJob(const CBackupJob &) = delete;
    CBackupJob &operator=(const CBackupJob &) = delete;

    bool Run(QString *error);

private:
    bool CheckNames(QString *error) const;
    bool CopyDatabase(QString *error);
    bool WriteZip(QString *error);
    bool AddEntry(QuaZip &zip, const QString &name, QIODevice &from, bool compress,
                  CBackupManifest::CFileEntry *entry, QString *error);
    bool AddCover(QuaZip &zip, int folderFd, const CCoverFile &cover, QString *error);
    bool AddManifest(QuaZip &zip, QString *error);

    QString m_libraryPath;
    QString m_archivePath;
    BackupProgress m_progress;
    QString m_databaseCopy;
    QString m_zipTemp;
    CBackupManifest m_manifest;
    std::unique_ptr<CBackupCopier> m_copier;
};

bool CBackupJob::CheckNames(QString *error) const
{
    if (HasStrayBytes(m_archivePath)) {
        *error = QCoreApplication::translate("Backup", "the backup's name is not UTF-8 text");
        return false;
    }
    if (!NativeIsFile(m_libraryPath)) {
        *error = qt_error_string(ENOENT);
        return false;
    }
    struct stat status;
    if (::stat(NativeFileName(m_archivePath).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            *error = qt_error_string(EISDIR);
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            *error = QCoreApplication::translate("Backup", "it is not a regular file");
            return false;
        }
        // Written over the library, the backup would take its place.
        if (NativeSameFile(m_archivePath, m_libraryPath)) {
            *error = QCoreApplication::translate(
                "Backup", "a backup cannot be written over the library itself");
            return false;
        }
    }
    return true;
}

bool CBackupJob::Run(QString *error)
{
    if (!CheckNames(error))
        return false;
    const QString folder = BackupFolderOf(m_archivePath);
    RemoveFilesOfEndedProcesses(folder, QLatin1String(kArchiveTempPrefix));
    const QString ownName = folder + OwnFileNamePrefix(QLatin1String(kArchiveTempPrefix)) +
                            QUuid::createUuid().toString(QUuid::Id128).left(12);
    m_databaseCopy = ownName + QStringLiteral(".mdb");
    m_zipTemp = ownName + QStringLiteral(".zip");
    if (!CopyDatabase(error) || !WriteZip(error))
        return false;
    if (!NativeReplace(m_zipTemp, m_archivePath)) {
        *error = qt_error_string(errno);
        return false;
    }
    m_zipTemp.clear();
    SyncFolder(folder);
    return true;
}

bool CBackupJob::CopyDatabase(QString *error)
{
    // The online backup reads one consistent state of the library while
    // others write; the copy is then read at leisure.
    if (!CLibraryBackup::Write(m_libraryPath, m_databaseCopy, error))
        return false;
    m_manifest.programVersion = QStringLiteral(TOMELODEX_VERSION);
    m_manifest.libraryName = FileNameFromNative(
        NativeFileName(m_libraryPath).mid(NativeFileName(m_libraryPath).lastIndexOf('/') + 1));
    m_manifest.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    ReadDatabaseFacts(m_databaseCopy, &m_manifest);
    return true;
}

bool CBackupJob::WriteZip(QString *error)
{
    const QString imagesDir = CTomeloDoc::ImagesDirFor(m_libraryPath);
    const CFd folder(
        ::open(NativeFileName(imagesDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 && errno != ENOENT) {
        *error = PrintableFileName(imagesDir) + u'\n' + qt_error_string(errno);
        return false;
    }
    QVector<CCoverFile> covers;
    if (!ListCovers(folder.get(), &covers, error))
        return false;
    qint64 total = NativeFileSize(m_databaseCopy);
    for (const CCoverFile &cover : covers)
        total += cover.size;
    m_copier = std::make_unique<CBackupCopier>(total, m_progress);
    if (!m_copier->Report()) {
        *error = CBackupCopier::CancelledText();
        return false;
    }

    // The backup holds the same books as the library: nobody may read it
    // who may not read the library.
    struct stat library = {};
    const mode_t mode = ::stat(NativeFileName(m_libraryPath).constData(), &library) == 0
                            ? (library.st_mode & 0777) | S_IRUSR | S_IWUSR
                            : S_IRUSR | S_IWUSR;
    const int fd = ::open(NativeFileName(m_zipTemp).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    ::fchmod(fd, mode);
    QFile file;
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return false;
    }
    QuaZip zip(&file);
    zip.setZip64Enabled(true);
    zip.setUtf8Enabled(true);
    zip.setAutoClose(false);
    if (!zip.open(QuaZip::mdCreate)) {
        *error = file.errorString();
        return false;
    }
    bool ok = true;
    {
        const CFd databaseFd(
            ::open(NativeFileName(m_databaseCopy).constData(), O_RDONLY | O_CLOEXEC));
        QFile input;
        ok = databaseFd.get() >= 0 &&
             input.open(databaseFd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
        if (!ok)
            *error = qt_error_string(errno);
        ok = ok && AddEntry(zip, CBackupManifest::DatabaseEntry(), input, true,
                            &m_manifest.database, error);
    }
    for (const CCoverFile &cover : covers) {
        if (!ok)
            break;
        ok = AddCover(zip, folder.get(), cover, error);
    }
    ok = ok && AddManifest(zip, error);
    zip.close();
    if (ok && zip.getZipError() != ZIP_OK) {
        *error = file.errorString();
        ok = false;
    }
    if (ok && (!file.flush() || ::fsync(file.handle()) != 0)) {
        *error = file.errorString().isEmpty() ? qt_error_string(errno) : file.errorString();
        ok = false;
    }
    file.close();
    return ok;
}

bool CBackupJob::AddEntry(QuaZip &zip, const QString &name, QIODevice &from, bool compress,
                          CBackupManifest::CFileEntry *entry, QString *error)
{
    QuaZipNewInfo info(name);
    info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QuaZipFile out(&zip);
    if (!out.open(QIODevice::WriteOnly, info, nullptr, 0, compress ? Z_DEFLATED : 0,
                  compress ? kDatabaseLevel : 0)) {
        *error = zip.getIoDevice()->errorString();
        return false;
    }
    bool copied = m_copier->Copy(from, out, std::numeric_limits<qint64>::max(), &entry->size,
                                 &entry->sha256, error);
    out.close();
    // A full disk says so on the zip's own file.
    if (!copied && static_cast<QFile *>(zip.getIoDevice())->error() != QFileDevice::NoError)
        *error = zip.getIoDevice()->errorString();
    if (copied && out.getZipError() != ZIP_OK) {
        *error = zip.getIoDevice()->errorString();
        return false;
    }
    return copied;
}

bool CBackupJob::AddCover(QuaZip &zip, int folderFd, const CCoverFile &cover, QString *error)
{
    // Not blocking: a FIFO put there meanwhile must not hang the backup.
    const CFd fd(
        ::openat(folderFd, cover.nativeName.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        // Removed since the folder was listed, with the book it belonged to.
        if (fd.get() < 0 && errno == ENOENT)
            return true;
        if (fd.get() >= 0 && !S_ISREG(status.st_mode))
            return true;
        *error = PrintableFileName(cover.name) + u'\n' + qt_error_string(errno);
        return false;
    }
    QFile input;
    if (!input.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        *error = input.errorString();
        return false;
    }
    CBackupManifest::CFileEntry entry;
    entry.name = cover.name;
    if (!AddEntry(zip, CBackupManifest::CoverEntry(cover.name), input, false, &entry, error)) {
        if (!m_copier->Cancelled() && input.error() != QFileDevice::NoError)
            *error = PrintableFileName(cover.name) + u'\n' + *error;
        return false;
    }
    m_manifest.covers.append(entry);
    return true;
}

bool CBackupJob::AddManifest(QuaZip &zip, QString *error)
{
    QuaZipNewInfo info(CBackupManifest::ManifestEntry());
    info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QuaZipFile out(&zip);
    const QByteArray json = m_manifest.ToJson();
    if (!out.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_DEFAULT_COMPRESSION) ||
        out.write(json) != json.size()) {
        *error = zip.getIoDevice()->errorString();
        return false;
    }
    out.close();
    if (out.getZipError() != ZIP_OK) {
        *error = zip.getIoDevice()->errorString();
        return false;
    }
    return true;
}

} // namespace

bool CBackupWriter::Write(const QString &libraryPath, const QString &archivePath,
                          const BackupProgress &progress, QString *error)
{
    CBackupJob job(AbsoluteBackupPath(libraryPath), AbsoluteBackupPath(archivePath), progress);
    QString why;
    if (job.Run(&why))
        return true;
    *error = QCoreApplication::translate("Backup", "%1 could not be backed up to %2:\n%3")
                 .arg(PrintableFileName(libraryPath), PrintableFileName(archivePath), why);
    return false;
}
