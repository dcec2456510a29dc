#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// How far a backup or a restore has come, in bytes of all it carries; the
// callee returns false to cancel. Called from the thread doing the work.
using BackupProgress = std::function<bool(qint64 done, qint64 total)>;

// Carries the files of one backup or restore through a small buffer, so
// memory stays the same whatever their size, hashing what passes and
// reporting progress over all of them.
class CBackupCopier
{
public:
    CBackupCopier(qint64 total, BackupProgress progress);

    // Copies from `from` into `to` until `from` ends, or fails once more
    // than `limit` bytes come (a damaged or hostile zip entry). Sets `size`
    // and `sha256` (hexadecimal) to what was copied. False with `error` set
    // on a failure, or when the progress callback cancelled (Cancelled()).
    bool Copy(QIODevice &from, QIODevice &to, qint64 limit, qint64 *size, QByteArray *sha256,
              QString *error);

    bool Cancelled() const { return m_cancelled; }
    qint64 Done() const { return m_done; }
    // Tells the progress callback where things stand; false when cancelled.
    bool Report();

    // The message for a cancelled backup or restore.
    static QString CancelledText();

private:
    qint64 m_total;
    qint64 m_done = 0;
    qint64 m_reported = -1;
    BackupProgress m_progress;
    bool m_cancelled = false;
};
