#include "backup/BackupCopier.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QIODevice>

#include <utility>

namespace {

constexpr qint64 kChunk = 1024 * 1024;
// The progress callback hears of every file and of every this many bytes
// within one, not of each chunk.
constexpr qint64 kReportEvery = 4 * kChunk;

} // namespace

CBackupCopier::CBackupCopier(qint64 total, BackupProgress progress)
    : m_total(total), m_progress(std::move(progress))
{}

QString CBackupCopier::CancelledText()
{
    return QCoreApplication::translate("Backup", "Cancelled.");
}

bool CBackupCopier::Report()
{
    if (!m_cancelled && m_progress && !m_progress(m_done, m_total))
        m_cancelled = true;
    m_reported = m_done;
    return !m_cancelled;
}

bool CBackupCopier::Copy(QIODevice &from, QIODevice &to, qint64 limit, qint64 *size,
                         QByteArray *sha256, QString *error)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(kChunk, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 read = from.read(buffer.data(), kChunk);
        if (read < 0) {
            *error = from.errorString();
            return false;
        }
        if (read == 0)
            break;
        copied += read;
        if (copied > limit) {
            *error = QCoreApplication::translate("Backup", "it holds more than it says");
            return false;
        }
        hash.addData(QByteArrayView(buffer.constData(), read));
        if (to.write(buffer.constData(), read) != read) {
            *error = to.errorString();
            return false;
        }
        m_done += read;
        if (m_done - m_reported >= kReportEvery && !Report()) {
            *error = CancelledText();
            return false;
        }
    }
    *size = copied;
    *sha256 = hash.result().toHex();
    if (!Report()) {
        *error = CancelledText();
        return false;
    }
    return true;
}
