#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <memory>

class QIODevice;
class QuaZip;

// Reads the entries of a zip archive that another catalogue wrote, with
// limits on what they unpack to: a small archive that would unpack to
// gigabytes (a zip bomb) is refused instead of filling memory or disk. The
// sizes an archive declares are checked first and what is really unpacked is
// counted, since the declared ones may lie.
class CLimitedZip
{
public:
    enum class ReadResult
    {
        Ok,
        EntryTooLarge,   // this entry alone passes its limit: leave it out
        ArchiveTooLarge, // all entries read so far pass the archive's limit
        Failed,          // missing, encrypted or damaged
    };

    // `maxTotalBytes`: the most that all entries read through ReadEntry may
    // unpack to together.
    explicit CLimitedZip(qint64 maxTotalBytes);
    ~CLimitedZip();
    CLimitedZip(const CLimitedZip &) = delete;
    CLimitedZip &operator=(const CLimitedZip &) = delete;

    // False with Error() when `path` is no zip archive that can be read.
    bool Open(const QString &path);
    bool Contains(const QString &entry) const { return m_entries.contains(entry); }
    // The archive's name for `entry` in any case of letters; empty when none.
    QString EntryNamed(const QString &entry) const;

    // A device streaming `entry`, open for reading, or null with Error() when
    // it is missing, encrypted or declares more than `maxBytes`. The reader
    // must still stop at `maxBytes` itself.
    std::unique_ptr<QIODevice> OpenEntry(const QString &entry, qint64 maxBytes);

    // Unpacks `entry` whole into `bytes` when it takes at most `maxBytes`.
    ReadResult ReadEntry(const QString &entry, qint64 maxBytes, QByteArray &bytes);

    // Why the last call failed, naming the archive and the entry.
    QString Error() const { return m_error; }

private:
    // Makes `entry` the current one and checks what it declares.
    ReadResult SelectEntry(const QString &entry, qint64 maxBytes);
    ReadResult Refuse(ReadResult result, const QString &error);

    std::unique_ptr<QuaZip> m_zip;
    QString m_path;
    QSet<QString> m_entries;
    qint64 m_maxTotalBytes;
    qint64 m_totalBytes = 0;
    QString m_error;
};
