#include "backup/BackupRestorer.h"

#include "app/Fd.h"
#include "app/NativeFileName.h"
#include "backup/BackupManifest.h"
#include "backup/BackupPaths.h"
#include "backup/BackupWriter.h"
#include "db/LibraryConnection.h"
#include "db/StaleFiles.h"
#include "db/TomeloDoc.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QUuid>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A manifest is a few hundred bytes a cover; more than this is no manifest.
constexpr qint64 kLargestManifest = 64 * 1024 * 1024;
// More entries than a manifest of that size could list.
constexpr int kMostEntries = 1000000;
// Kept free beyond what the backup declares, for the file system's own needs.
constexpr qint64 kSpareBytes = 16 * 1024 * 1024;

QString NotABackup()
{
    return QCoreApplication::translate("Backup", "it is not a backup of a Tomelodex library");
}

bool IsEmptyFolder(const QByteArray &path)
{
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return false;
    int entries = 0;
    while (::readdir(dir))
        ++entries; // "." and ".." always
    ::closedir(dir);
    return entries <= 2;
}

// The open zip of a backup and its checked manifest.
class CBackupFile
{
public:
    explicit CBackupFile(const QString &path) : m_file(path), m_zip(&m_file) {}

    bool Open(QString *error);
    // Checks every entry against the manifest.
    bool CheckEntries(QString *error);
    QuaZip &Zip() { return m_zip; }
    const CBackupManifest &Manifest() const { return m_manifest; }

private:
    bool ReadManifestEntry(QString *error);

    QFile m_file;
    QuaZip m_zip;
    CBackupManifest m_manifest;
};

bool CBackupFile::Open(QString *error)
{
    if (HasStrayBytes(m_file.fileName())) {
        *error = QCoreApplication::translate("Backup", "the backup's name is not UTF-8 text");
        return false;
    }
    struct stat status;
    if (::stat(QFile::encodeName(m_file.fileName()).constData(), &status) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        *error = S_ISDIR(status.st_mode)
                     ? qt_error_string(EISDIR)
                     : QCoreApplication::translate("Backup", "it is not a regular file");
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        *error = m_file.errorString();
        return false;
    }
    if (!m_zip.open(QuaZip::mdUnzip) || m_zip.getEntriesCount() > kMostEntries) {
        *error = NotABackup();
        return false;
    }
    return ReadManifestEntry(error);
}

bool CBackupFile::ReadManifestEntry(QString *error)
{
    QuaZipFileInfo64 info;
    if (!m_zip.setCurrentFile(CBackupManifest::ManifestEntry(), QuaZip::csSensitive) ||
        !m_zip.getCurrentFileInfo(&info)) {
        *error = NotABackup();
        return false;
    }
    if (info.uncompressedSize > quint64(kLargestManifest) || (info.flags & 1) != 0) {
        *error = NotABackup();
        return false;
    }
    QuaZipFile entry(&m_zip);
    if (!entry.open(QIODevice::ReadOnly)) {
        *error = NotABackup();
        return false;
    }
    const QByteArray json = entry.read(kLargestManifest + 1);
    entry.close();
    if (json.size() > kLargestManifest || entry.getZipError() != UNZ_OK) {
        *error = NotABackup();
        return false;
    }
    return CBackupManifest::FromJson(json, &m_manifest, error);
}

bool CBackupFile::CheckEntries(QString *error)
{
    QHash<QString, qint64> expected;
    expected.insert(CBackupManifest::DatabaseEntry(), m_manifest.database.size);
    for (const CBackupManifest::CFileEntry &cover : m_manifest.covers)
        expected.insert(CBackupManifest::CoverEntry(cover.name), cover.size);
    if (expected.size() != m_manifest.covers.size() + 1) {
        *error = QCoreApplication::translate("Backup", "its list of contents is damaged");
        return false;
    }
    QSet<QString> seen;
    for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info)) {
            *error = QCoreApplication::translate("Backup", "its list of contents is damaged");
            return false;
        }
        if (info.name == CBackupManifest::ManifestEntry())
            continue;
        const auto size = expected.constFind(info.name);
        if (size == expected.constEnd() || seen.contains(info.name)) {
            *error = QCoreApplication::translate(
                         "Backup", "it holds \"%1\", which is no part of a library backup")
                         .arg(info.name);
            return false;
        }
        seen.insert(info.name);
        const quint32 type = (info.externalAttr >> 16) & S_IFMT;
        if (type != 0 && type != S_IFREG) {
            *error = QCoreApplication::translate("Backup", "\"%1\" in it is not a plain file")
                         .arg(info.name);
            return false;
        }
        if ((info.flags & 1) != 0 || (info.method != 0 && info.method != Z_DEFLATED) ||
            info.uncompressedSize != quint64(size.value())) {
            *error = QCoreApplication::translate(
                         "Backup", "\"%1\" in it is damaged or not as its list of contents says")
                         .arg(info.name);
            return false;
        }
    }
    if (m_zip.getZipError() != UNZ_OK || seen.size() != expected.size()) {
        *error = QCoreApplication::translate("Backup", "it is incomplete or damaged");
        return false;
    }
    return true;
}

// One restore in the making: the database and the images folder under
// names of the program's own beside the new library, removed unless both
// are put in place.
class CRestoreJob
{
public:
    CRestoreJob(const QString &archivePath, const QString &libraryPath,
                const BackupProgress &progress)
        : m_archivePath(archivePath), m_libraryPath(libraryPath),
          m_imagesDir(CTomeloDoc::ImagesDirFor(libraryPath)), m_progress(progress)
    {}
    ~CRestoreJob();
    CRestoreJob(const CRestoreJob &) = delete;
    CRestoreJob &operator=(const CRestoreJob &) = delete;

    bool Run(QString *error);

private:
    bool CheckTarget(QString *error) const;
    bool CheckRoom(qint64 needed, QString *error) const;
    bool MakeTemporaries(QString *error);
    bool ExtractAll(CBackupFile &backup, QString *error);
    bool ExtractEntry(QuaZip &zip, int fd, const CBackupManifest::CFileEntry &expected,
                      const QString &name, QString *error);
    bool PutInPlace(QString *error);

    QString m_archivePath;
    QString m_libraryPath;
    QString m_imagesDir;
    BackupProgress m_progress;
    QString m_tempDatabase;
    QString m_tempImages;
    int m_imagesFd = -1;
    QVector<QByteArray> m_madeCovers;
    std::unique_ptr<CBackupCopier> m_copier;
};

CRestoreJob::~CRestoreJob()
{
    for (const QByteArray &name : m_madeCovers)
        ::unlinkat(m_imagesFd, name.constData(), 0);
    if (m_imagesFd >= 0)
        ::close(m_imagesFd);
    if (!m_tempImages.isEmpty())
        ::rmdir(NativeFileName(m_tempImages).constData());
    if (!m_tempDatabase.isEmpty())
        ::unlink(NativeFileName(m_tempDatabase).constData());
}

bool CRestoreJob::CheckTarget(QString *error) const
{
    struct stat status;
    if (::lstat(NativeFileName(m_libraryPath).constData(), &status) == 0) {
        *error = QCoreApplication::translate(
                     "Backup", "%1 exists already; a restore makes a new library and never "
                               "replaces a file")
                     .arg(PrintableFileName(m_libraryPath));
        return false;
    }
    if (::lstat(NativeFileName(m_imagesDir).constData(), &status) == 0) {
        if (!S_ISDIR(status.st_mode) || !IsEmptyFolder(NativeFileName(m_imagesDir))) {
            *error = QCoreApplication::translate(
                         "Backup", "%1 exists already; a restore makes a new library and never "
                                   "replaces a file")
                         .arg(PrintableFileName(m_imagesDir));
            return false;
        }
    }
    return true;
}

bool CRestoreJob::CheckRoom(qint64 needed, QString *error) const
{
    struct statvfs disk;
    if (::statvfs(NativeFileName(BackupFolderOf(m_libraryPath)).constData(), &disk) != 0)
        return true; // the writes will tell
    const qint64 free = qint64(disk.f_bavail) * qint64(disk.f_frsize);
    if (needed > free - kSpareBytes) {
        *error = QCoreApplication::translate(
                     "Backup", "there is not enough room on the disk: it needs %1, and %2 are free")
                     .arg(CTomeloDoc::FormatByteSize(needed), CTomeloDoc::FormatByteSize(free));
        return false;
    }
    return true;
}

bool CRestoreJob::MakeTemporaries(QString *error)
{
    const QString folder = BackupFolderOf(m_libraryPath);
    RemoveFilesOfEndedProcesses(folder, QLatin1String(kArchiveTempPrefix));
    RemoveFoldersOfEndedProcesses(folder, QLatin1String(kArchiveTempPrefix));
    const QString ownName = folder + OwnFileNamePrefix(QLatin1String(kArchiveTempPrefix)) +
                            QUuid::createUuid().toString(QUuid::Id128).left(12);
    if (::mkdir(NativeFileName(ownName + QStringLiteral("_images")).constData(), 0777) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    m_tempImages = ownName + QStringLiteral("_images");
    m_imagesFd = ::open(NativeFileName(m_tempImages).constData(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (m_imagesFd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    m_tempDatabase = ownName + QStringLiteral(".mdb");
    return true;
}

bool CRestoreJob::Run(QString *error)
{
    if (!CheckTarget(error))
        return false;
    CBackupFile backup(m_archivePath);
    if (!backup.Open(error) || !CheckRoom(backup.Manifest().TotalBytes(), error) ||
        !backup.CheckEntries(error) || !MakeTemporaries(error))
        return false;
    m_copier = std::make_unique<CBackupCopier>(backup.Manifest().TotalBytes(), m_progress);
    if (!ExtractAll(backup, error))
        return false;
    // The file came through intact; it must also be a library this program opens.
    CLibraryConnection check;
    QString why;
    if (!check.Open(m_tempDatabase, &why)) {
        *error = QCoreApplication::translate("Backup", "the library in it cannot be opened: %1")
                     .arg(why);
        return false;
    }
    check.Close();
    // One sync of the file system for every file written, not one each.
    if (::syncfs(m_imagesFd) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    return PutInPlace(error);
}

bool CRestoreJob::ExtractAll(CBackupFile &backup, QString *error)
{
    QHash<QString, const CBackupManifest::CFileEntry *> covers;
    for (const CBackupManifest::CFileEntry &cover : backup.Manifest().covers)
        covers.insert(CBackupManifest::CoverEntry(cover.name), &cover);
    QuaZip &zip = backup.Zip();
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        if (name == CBackupManifest::DatabaseEntry()) {
            const CFd fd(::open(NativeFileName(m_tempDatabase).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            if (fd.get() < 0) {
                *error = qt_error_string(errno);
                return false;
            }
            if (!ExtractEntry(zip, fd.get(), backup.Manifest().database, name, error))
                return false;
            continue;
        }
        const auto cover = covers.constFind(name);
        if (cover == covers.constEnd())
            continue; // the manifest, read already
        // A plain name, checked against the manifest, and created inside the
        // folder held open: nothing can lead it elsewhere.
        const QByteArray native = cover.value()->name.toUtf8();
        const CFd fd(::openat(m_imagesFd, native.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            *error = PrintableFileName(cover.value()->name) + u'\n' + qt_error_string(errno);
            return false;
        }
        m_madeCovers.append(native);
        if (!ExtractEntry(zip, fd.get(), *cover.value(), name, error))
            return false;
    }
    if (zip.getZipError() != UNZ_OK) {
        *error = QCoreApplication::translate("Backup", "it is incomplete or damaged");
        return false;
    }
    return true;
}

bool CRestoreJob::ExtractEntry(QuaZip &zip, int fd, const CBackupManifest::CFileEntry &expected,
                               const QString &name, QString *error)
{
    QuaZipFile entry(&zip);
    QFile out;
    if (!entry.open(QIODevice::ReadOnly) ||
        !out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        *error = QCoreApplication::translate("Backup", "\"%1\" in it cannot be read").arg(name);
        return false;
    }
    qint64 size = 0;
    QByteArray sha256;
    const bool copied = m_copier->Copy(entry, out, expected.size, &size, &sha256, error);
    entry.close();
    if (!copied) {
        if (!m_copier->Cancelled())
            *error = out.error() != QFileDevice::NoError
                         ? out.errorString()
                         : QCoreApplication::translate("Backup", "\"%1\" in it is damaged: %2")
                               .arg(name, *error);
        return false;
    }
    // Synced all at once before the library is put in place (see Run).
    if (!out.flush()) {
        *error = out.errorString();
        return false;
    }
    if (entry.getZipError() != UNZ_OK || size != expected.size || sha256 != expected.sha256) {
        *error = QCoreApplication::translate("Backup",
                                             "\"%1\" in it is damaged: its checksum does not match")
                     .arg(name);
        return false;
    }
    return true;
}

bool CRestoreJob::PutInPlace(QString *error)
{
    const QByteArray images = NativeFileName(m_imagesDir);
    const QByteArray tempImages = NativeFileName(m_tempImages);
    // An empty images folder there already is replaced in the same step.
    if (::rename(tempImages.constData(), images.constData()) != 0) {
        *error = PrintableFileName(m_imagesDir) + u'\n' + qt_error_string(errno);
        return false;
    }
    const QByteArray database = NativeFileName(m_tempDatabase);
    const QByteArray library = NativeFileName(m_libraryPath);
    // Taken only while the name is still free: a library made there
    // meanwhile is never replaced.
    bool placed = ::renameat2(AT_FDCWD, database.constData(), AT_FDCWD, library.constData(),
                              RENAME_NOREPLACE) == 0;
    if (!placed && (errno == EINVAL || errno == ENOSYS)) {
        placed = ::link(database.constData(), library.constData()) == 0;
        if (placed)
            ::unlink(database.constData());
    }
    if (!placed) {
        *error = PrintableFileName(m_libraryPath) + u'\n' + qt_error_string(errno);
        ::rename(images.constData(), tempImages.constData()); // removed with the rest
        return false;
    }
    m_madeCovers.clear();
    m_tempImages.clear();
    m_tempDatabase.clear();
    SyncFolder(BackupFolderOf(m_libraryPath));
    return true;
}

} // namespace

bool CBackupRestorer::Restore(const QString &archivePath, const QString &libraryPath,
                              const BackupProgress &progress, QString *error)
{
    CRestoreJob job(AbsoluteBackupPath(archivePath), AbsoluteBackupPath(libraryPath), progress);
    QString why;
    if (job.Run(&why))
        return true;
    *error = QCoreApplication::translate("Backup", "%1 could not be restored as %2:\n%3")
                 .arg(PrintableFileName(archivePath), PrintableFileName(libraryPath), why);
    return false;
}

bool CBackupRestorer::ReadManifest(const QString &archivePath, CBackupManifest *manifest,
                                   QString *error)
{
    CBackupFile backup(AbsoluteBackupPath(archivePath));
    QString why;
    if (!backup.Open(&why)) {
        *error = QCoreApplication::translate("Backup", "%1 cannot be read as a backup:\n%2")
                     .arg(PrintableFileName(archivePath), why);
        return false;
    }
    *manifest = backup.Manifest();
    return true;
}
