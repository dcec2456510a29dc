#include "app/OutputFile.h"

#include "app/StringTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Written out whenever this much has gathered.
constexpr qsizetype kBufferSize = 64 * 1024;

// Room left for the temporary file's prefix and suffix within a name.
constexpr qsizetype kLongestTemporaryBase = 200;

QString Reason(int errorNumber)
{
    return qt_error_string(errorNumber);
}

QString CannotWrite(const QString &name, const QString &reason)
{
    return QCoreApplication::translate("OutputFile", "Cannot write %1:\n%2").arg(name, reason);
}

} // namespace

COutputFile::COutputFile(const QString &path) : m_path(path) {}

COutputFile::~COutputFile()
{
    Discard();
}

QString COutputFile::DisplayName() const
{
    return m_path.isEmpty() ? StandardOutputName() : m_path;
}

QString COutputFile::StandardOutputName()
{
    const QString name = QCoreApplication::translate("OutputFile", "standard output");
    char target[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/fd/1", target, sizeof target);
    // Pipes and sockets have no path ("pipe:[1234]"); only a path helps.
    if (length > 0 && length < ssize_t(sizeof target) && target[0] == '/')
        return QStringLiteral("%1 (%2)").arg(name, QFile::decodeName(QByteArray(target, length)));
    return name;
}

QString COutputFile::WriteFailedMessage(const QString &name, int errorNumber)
{
    return CannotWrite(name, Reason(errorNumber));
}

bool COutputFile::open(OpenMode mode)
{
    if (isOpen() || !(mode & WriteOnly) || (mode & ReadOnly))
        return false;
    m_error.clear();
    if (!OpenTarget()) {
        CloseDescriptor();
        return false;
    }
    return QIODevice::open(mode | Unbuffered);
}

bool COutputFile::OpenTarget()
{
    if (m_path.isEmpty()) {
        // Lines printed through stdio so far come first.
        std::fflush(stdout);
        m_target = Target::StandardOutput;
        m_fd = STDOUT_FILENO;
        return true;
    }
    const QByteArray name = QFile::encodeName(m_path);
    struct stat status;
    if (::stat(name.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            FailWith(EISDIR, true);
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            // A device, FIFO or terminal takes the output as it comes; it is
            // not a file that could be replaced (as root, renaming over
            // /dev/full would put a file in its place).
            m_target = Target::InPlace;
            return OpenInPlace(name, S_ISFIFO(status.st_mode));
        }
        // Through links to the file itself, so that the links stay links.
        char *resolved = ::realpath(name.constData(), nullptr);
        if (!resolved) {
            FailWith(errno, true);
            return false;
        }
        m_finalPath = resolved;
        std::free(resolved);
        m_keepMode = int(status.st_mode & 07777);
        m_keepUser = status.st_uid;
        m_keepGroup = status.st_gid;
    } else if (errno == ENOENT) {
        struct stat link;
        const bool dangling = ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode);
        // A link to a free name makes the file where the link points.
        m_finalPath = dangling ? QFile::encodeName(QFileInfo(m_path).symLinkTarget()) : name;
    } else {
        FailWith(errno, true);
        return false;
    }
    m_target = Target::ReplaceFile;
    return CreateTemporary();
}

QByteArray COutputFile::FinalFolder() const
{
    const qsizetype slash = m_finalPath.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : m_finalPath.left(qMax(slash, qsizetype(1)));
}

bool COutputFile::OpenInPlace(const QByteArray &name, bool fifo)
{
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC;
    // Opening a FIFO waits for a reader; asked not to wait, one without a
    // reader is a failure, and the writes that follow block as usual.
    const bool mustHaveReader = fifo && !m_waitForReader;
    do
        m_fd = ::open(name.constData(), mustHaveReader ? flags | O_NONBLOCK : flags);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0 && mustHaveReader && errno == ENXIO) {
        FailWithText(QCoreApplication::translate("OutputFile", "no program reads from it"));
        return false;
    }
    if (m_fd < 0) {
        FailWith(errno, true);
        return false;
    }
    if (mustHaveReader)
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    return true;
}

bool COutputFile::CreateTemporary()
{
    const QByteArray folder = FinalFolder();
    const qsizetype slash = m_finalPath.lastIndexOf('/');
    const QByteArray base = m_finalPath.mid(slash + 1).left(kLongestTemporaryBase);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        const QByteArray candidate =
            folder + (folder.endsWith('/') ? "." : "/.") + base + '.' +
            QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        m_fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      0666);
        if (m_fd >= 0)
            m_tempPath = candidate;
        else if (errno != EEXIST && errno != EINTR) {
            FailWith(errno, true);
            return false;
        }
    }
    if (m_fd < 0) {
        FailWith(EEXIST, true);
        return false;
    }
    if (m_keepMode >= 0) {
        // The new file carries on the old one's permissions (and, for root,
        // its owner; chown before chmod, which it may reset).
        if (::geteuid() == 0 && ::fchown(m_fd, m_keepUser, m_keepGroup) != 0) {
            // Owned by root then, which is no failure of the output.
        }
        if (::fchmod(m_fd, mode_t(m_keepMode)) != 0) {
            // Left with the default permissions, which is no failure either.
        }
    }
    return true;
}

qint64 COutputFile::readData(char *, qint64)
{
    return -1;
}

qint64 COutputFile::writeData(const char *data, qint64 size)
{
    if (m_fd < 0 || !m_error.isEmpty())
        return -1;
    m_buffer.append(data, qsizetype(size));
    if (m_buffer.size() >= kBufferSize && !Flush())
        return -1;
    return size;
}

bool COutputFile::Flush()
{
    const char *next = m_buffer.constData();
    qsizetype left = m_buffer.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            FailWith(written < 0 ? errno : EIO);
            m_buffer.clear();
            return false;
        }
        next += written;
        left -= written;
    }
    m_buffer.clear();
    return true;
}

bool COutputFile::Commit()
{
    if (!isOpen())
        return false;
    bool ok = m_error.isEmpty() && Flush();
    if (ok && m_target == Target::ReplaceFile && ::fsync(m_fd) != 0) {
        FailWith(errno);
        ok = false;
    }
    // Some file systems report a failed write only when the file is closed.
    if (m_target != Target::StandardOutput && ::close(m_fd) != 0 && ok) {
        FailWith(errno);
        ok = false;
    }
    m_fd = -1;
    if (ok && m_target == Target::ReplaceFile)
        ok = PutInPlace();
    Discard();
    return ok;
}

bool COutputFile::PutInPlace()
{
    struct stat now;
    if (::lstat(m_finalPath.constData(), &now) == 0) {
        if (!S_ISREG(now.st_mode)) {
            FailWithText(QCoreApplication::translate(
                "OutputFile", "it is no longer a regular file, so it was left as it is"));
            return false;
        }
        if (::rename(m_tempPath.constData(), m_finalPath.constData()) != 0) {
            FailWith(errno);
            return false;
        }
    } else if (errno == ENOENT) {
        // Free when looked at: taken only while it stays free, so that
        // nothing made there meanwhile is replaced.
        if (::renameat2(AT_FDCWD, m_tempPath.constData(), AT_FDCWD, m_finalPath.constData(),
                        RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS) {
                FailWith(errno);
                return false;
            }
            // A file system without it: a hard link cannot replace either.
            if (::link(m_tempPath.constData(), m_finalPath.constData()) != 0) {
                FailWith(errno);
                return false;
            }
            ::unlink(m_tempPath.constData());
        }
    } else {
        FailWith(errno);
        return false;
    }
    m_tempPath.clear();
    SyncFolder();
    return true;
}

void COutputFile::SyncFolder() const
{
    // The new name survives a crash only once its folder is on the disk; the
    // file is in place either way, so a folder that cannot be synced is no
    // failure of the output.
    const int fd = ::open(FinalFolder().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void COutputFile::CloseDescriptor()
{
    if (m_fd >= 0 && m_target != Target::StandardOutput)
        ::close(m_fd);
    m_fd = -1;
}

void COutputFile::Discard()
{
    CloseDescriptor();
    if (!m_tempPath.isEmpty())
        ::unlink(m_tempPath.constData());
    m_tempPath.clear();
    m_buffer.clear();
    if (isOpen())
        QIODevice::close();
}

void COutputFile::FailWith(int errorNumber, bool opening)
{
    if (!m_error.isEmpty())
        return;
    if (opening)
        m_error = LoadString(135) + u'\n' + DisplayName() + u'\n' + Reason(errorNumber);
    else
        m_error = WriteFailedMessage(DisplayName(), errorNumber);
    setErrorString(m_error);
}

void COutputFile::FailWithText(const QString &reason)
{
    if (!m_error.isEmpty())
        return;
    m_error = CannotWrite(DisplayName(), reason);
    setErrorString(m_error);
}
