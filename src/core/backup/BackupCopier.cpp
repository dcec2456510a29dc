#include "backup/BackupCopier.h"

#include <QCoreApplication>
#include <QIODevice>

#include <openssl/evp.h>

#include <memory>
#include <utility>

namespace {

constexpr qint64 kChunk = 1024 * 1024;
// The progress callback hears of every file and of every this many bytes
// within one, not of each chunk.
constexpr qint64 kReportEvery = 4 * kChunk;

// SHA-256 through OpenSSL, which uses the processor's own instructions for
// it: several times the speed of a portable implementation, and hashing is
// most of the work of a backup besides reading and writing.
class CSha256
{
public:
    CSha256() : m_context(EVP_MD_CTX_new(), EVP_MD_CTX_free)
    {
        EVP_DigestInit_ex(m_context.get(), EVP_sha256(), nullptr);
    }
    void Add(const char *data, qint64 size)
    {
        EVP_DigestUpdate(m_context.get(), data, size_t(size));
    }
    QByteArray HexResult()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(m_context.get(), digest, &length);
        return QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex();
    }

private:
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX *)> m_context;
};

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
    CSha256 hash;
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
        hash.Add(buffer.constData(), read);
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
    *sha256 = hash.HexResult();
    if (!Report()) {
        *error = CancelledText();
        return false;
    }
    return true;
}
