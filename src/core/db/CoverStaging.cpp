#include "db/CoverStaging.h"

#include "app/Fd.h"
#include "app/StringTable.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"
#include "db/StaleFiles.h"
#include "online/HttpClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String kStagingPrefix(".tomelo-cover-");

// The extension of `path` from its last dot, when that dot is in the file
// name; empty otherwise.
QString ExtensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return dot > slash ? path.mid(dot) : QString();
}

bool IsPictureExtension(const QString &extension)
{
    static const QStringList kKnown = {QStringLiteral(".jpg"), QStringLiteral(".jpeg"),
                                       QStringLiteral(".jpe"), QStringLiteral(".gif"),
                                       QStringLiteral(".png"), QStringLiteral(".bmp")};
    return kKnown.contains(extension.toLower());
}

// Reads the whole of an open regular file of at most `limit` bytes.
bool ReadAll(int fd, qint64 limit, QByteArray *bytes)
{
    bytes->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (bytes->size() + got > limit)
            return false;
        bytes->append(buffer, got);
    }
}

bool WriteNewFile(const QString &path, const QByteArray &bytes)
{
    CFd fd(
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return false;
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t put =
            ::write(fd.get(), bytes.constData() + written, size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            QFile::remove(path);
            return false;
        }
        written += put;
    }
    return true;
}

QMutex g_deferredMutex;
QHash<const CLibraryConnection *, CDeferredCovers *> g_deferred;

} // namespace

bool IsPlainFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"." &&
           name != u"..";
}

QString CoverPictureExtension(const QByteArray &picture)
{
    if (picture.size() > kMaxCoverBytes)
        return QString();
    if (picture.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral(".jpg");
    if (picture.startsWith("GIF87a") || picture.startsWith("GIF89a"))
        return QStringLiteral(".gif");
    if (picture.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral(".png");
    if (picture.startsWith("BM"))
        return QStringLiteral(".bmp");
    return QString();
}

QString NewCoverStagingPath(const QString &imagesDir, const QString &extension)
{
    const QString name = OwnFileNamePrefix(kStagingPrefix) +
                         QString::number(QRandomGenerator::global()->generate64(), 36) + extension;
    return QDir(imagesDir).filePath(name);
}

bool IsCoverStagingPath(const QString &path, const QString &imagesDir)
{
    const QFileInfo info(path);
    return info.fileName().startsWith(kStagingPrefix) &&
           QFileInfo(info.absolutePath()) == QFileInfo(imagesDir);
}

void RemoveStaleCoverStaging(const QString &imagesDir)
{
    RemoveFilesOfEndedProcesses(imagesDir, kStagingPrefix);
}

bool StageOutsideCover(const QString &source, const QString &imagesDir, QString *staged,
                       QString *whyNot)
{
    staged->clear();
    // Not following a link and not waiting for a FIFO's writer; whether it
    // is a regular file is asked of what was opened, so nothing can be
    // swapped in between.
    CFd fd(::open(QFile::encodeName(source).constData(),
                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        *whyNot = LoadString(errno == ELOOP ? 249 : 248);
        return false;
    }
    struct stat status;
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        *whyNot = LoadString(249);
        return false;
    }
    QByteArray bytes;
    if (status.st_size > kMaxCoverBytes || !ReadAll(fd.get(), kMaxCoverBytes, &bytes)) {
        *whyNot = status.st_size > kMaxCoverBytes || bytes.size() >= kMaxCoverBytes
                      ? FormatMessage(250, {QString::number(kMaxCoverBytes >> 20)})
                      : LoadString(248);
        return false;
    }
    const QString contentExtension = CoverPictureExtension(bytes);
    if (contentExtension.isEmpty()) {
        *whyNot = LoadString(251);
        return false;
    }
    const QString extension =
        IsPictureExtension(ExtensionOf(source)) ? ExtensionOf(source) : contentExtension;
    QDir().mkpath(imagesDir);
    const QString path = NewCoverStagingPath(imagesDir, extension);
    if (!WriteNewFile(path, bytes)) {
        *whyNot = FormatMessage(204, {imagesDir});
        return false;
    }
    *staged = path;
    return true;
}

CCoverPlan PlanCover(const QString &tempPath, const QString &stored, int bookId, const char *column,
                     const QString &imagesDir)
{
    CCoverPlan plan;
    plan.bookId = bookId;
    plan.column = column;
    if (tempPath.isEmpty()) {
        if (IsPlainFileName(stored))
            plan.deleteAfter = stored;
        return plan;
    }
    const bool back = std::strcmp(column, "BackCover") == 0;
    // A picture without an extension keeps none.
    plan.newName = QString::number(bookId) + QLatin1String(back ? "b" : "") + ExtensionOf(tempPath);
    const QString target = QDir(imagesDir).filePath(plan.newName);
    if (tempPath == target)
        return plan; // already in place
    if (IsPlainFileName(stored) && stored != plan.newName)
        plan.deleteAfter = stored;
    if (IsCoverStagingPath(tempPath, imagesDir)) {
        plan.staged = tempPath; // staged already by the caller
        return plan;
    }
    QDir().mkpath(imagesDir);
    plan.staged = NewCoverStagingPath(imagesDir, QString());
    if (!QFile::copy(tempPath, plan.staged)) {
        QFile::remove(plan.staged);
        plan.staged.clear();
        plan.copyFailed = true;
        // The book keeps the picture it has rather than losing both.
        plan.newName = IsPlainFileName(stored) ? stored : QString();
        plan.deleteAfter.clear();
    }
    return plan;
}

void DiscardCover(const CCoverPlan &plan)
{
    if (!plan.staged.isEmpty())
        QFile::remove(plan.staged);
}

bool PlaceCover(const CCoverPlan &plan, const QString &imagesDir)
{
    if (!plan.deleteAfter.isEmpty())
        QFile::remove(QDir(imagesDir).filePath(plan.deleteAfter));
    if (plan.staged.isEmpty())
        return true;
    const QString target = QDir(imagesDir).filePath(plan.newName);
    const bool placed = ::rename(QFile::encodeName(plan.staged).constData(),
                                 QFile::encodeName(target).constData()) == 0;
    if (!placed)
        QFile::remove(plan.staged);
    return placed;
}

CDeferredCovers::CDeferredCovers(CLibraryConnection &connection, const QString &imagesDir)
    : m_connection(connection), m_imagesDir(imagesDir)
{
    QMutexLocker lock(&g_deferredMutex);
    g_deferred.insert(&m_connection, this);
}

CDeferredCovers::~CDeferredCovers()
{
    {
        QMutexLocker lock(&g_deferredMutex);
        g_deferred.remove(&m_connection);
    }
    for (const CCoverPlan &plan : m_plans)
        DiscardCover(plan);
}

CDeferredCovers *CDeferredCovers::ActiveFor(const CLibraryConnection &connection)
{
    QMutexLocker lock(&g_deferredMutex);
    return g_deferred.value(&connection);
}

void CDeferredCovers::Add(const CCoverPlan &plan)
{
    if (!plan.staged.isEmpty() || !plan.deleteAfter.isEmpty())
        m_plans.append(plan);
}

bool CDeferredCovers::PlaceAll()
{
    bool allPlaced = true;
    for (const CCoverPlan &plan : std::as_const(m_plans)) {
        if (PlaceCover(plan, m_imagesDir))
            continue;
        allPlaced = false;
        // The row would name a file that is not there.
        ExecuteSql(QStringLiteral("UPDATE book SET %1=NULL WHERE BookID=%2")
                       .arg(QLatin1String(plan.column))
                       .arg(plan.bookId),
                   true, m_connection);
    }
    m_plans.clear();
    return allPlaced;
}
