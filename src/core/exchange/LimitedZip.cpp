#include "exchange/LimitedZip.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace {

// More entries than any catalogue has pictures: a central directory this
// long is refused before its names are held in memory.
constexpr int kMostEntries = 1000000;

QString Megabytes(qint64 bytes)
{
    return QString::number(bytes >> 20);
}

} // namespace

CLimitedZip::CLimitedZip(qint64 maxTotalBytes) : m_maxTotalBytes(maxTotalBytes) {}

CLimitedZip::~CLimitedZip() = default;

bool CLimitedZip::Open(const QString &path)
{
    m_path = path;
    m_zip = std::make_unique<QuaZip>(path);
    if (!m_zip->open(QuaZip::mdUnzip)) {
        m_error = QCoreApplication::translate("Import", "%1 is no zip archive that can be read.")
                      .arg(path);
        return false;
    }
    if (m_zip->getEntriesCount() > kMostEntries) {
        m_error = QCoreApplication::translate("Import", "%1 holds more than %2 files.")
                      .arg(path)
                      .arg(kMostEntries);
        return false;
    }
    const QStringList names = m_zip->getFileNameList();
    m_entries = QSet<QString>(names.begin(), names.end());
    return true;
}

QString CLimitedZip::EntryNamed(const QString &entry) const
{
    if (Contains(entry))
        return entry;
    for (const QString &name : m_entries)
        if (name.compare(entry, Qt::CaseInsensitive) == 0)
            return name;
    return QString();
}

CLimitedZip::ReadResult CLimitedZip::Refuse(ReadResult result, const QString &error)
{
    m_error = error;
    return result;
}

CLimitedZip::ReadResult CLimitedZip::SelectEntry(const QString &entry, qint64 maxBytes)
{
    const QString where = QStringLiteral("%1 (%2)").arg(m_path, entry);
    if (!m_zip || !Contains(entry) || !m_zip->setCurrentFile(entry, QuaZip::csSensitive))
        return Refuse(
            ReadResult::Failed,
            QCoreApplication::translate("Import", "%1 has no file %2.").arg(m_path, entry));
    QuaZipFileInfo64 info;
    if (!m_zip->getCurrentFileInfo(&info))
        return Refuse(ReadResult::Failed,
                      QCoreApplication::translate("Import", "%1 cannot be read.").arg(where));
    if ((info.flags & 1) != 0)
        return Refuse(ReadResult::Failed,
                      QCoreApplication::translate("Import", "%1 is encrypted.").arg(where));
    if (info.uncompressedSize > quint64(maxBytes))
        return Refuse(ReadResult::EntryTooLarge,
                      QCoreApplication::translate("Import", "%1 unpacks to more than %2 MiB.")
                          .arg(where, Megabytes(maxBytes)));
    return ReadResult::Ok;
}

std::unique_ptr<QIODevice> CLimitedZip::OpenEntry(const QString &entry, qint64 maxBytes)
{
    if (SelectEntry(entry, maxBytes) != ReadResult::Ok)
        return nullptr;
    // A device of its own on the archive, so that entries can be read from
    // this one while the stream is in use.
    auto device = std::make_unique<QuaZipFile>(m_path, entry, QuaZip::csSensitive);
    if (!device->open(QIODevice::ReadOnly)) {
        m_error = QCoreApplication::translate("Import", "%1 cannot be read.")
                      .arg(QStringLiteral("%1 (%2)").arg(m_path, entry));
        return nullptr;
    }
    return device;
}

CLimitedZip::ReadResult CLimitedZip::ReadEntry(const QString &entry, qint64 maxBytes,
                                               QByteArray &bytes)
{
    bytes.clear();
    const ReadResult selected = SelectEntry(entry, maxBytes);
    if (selected != ReadResult::Ok)
        return selected;
    const QString where = QStringLiteral("%1 (%2)").arg(m_path, entry);
    QuaZipFile file(m_zip.get());
    if (!file.open(QIODevice::ReadOnly))
        return Refuse(ReadResult::Failed,
                      QCoreApplication::translate("Import", "%1 cannot be read.").arg(where));
    // One byte more than allowed tells an entry that lied about its size.
    bytes = file.read(maxBytes + 1);
    const bool broken = file.getZipError() != UNZ_OK;
    file.close();
    if (broken || file.getZipError() != UNZ_OK) {
        bytes.clear();
        return Refuse(ReadResult::Failed,
                      QCoreApplication::translate("Import", "%1 is damaged.").arg(where));
    }
    m_totalBytes += bytes.size();
    if (bytes.size() > maxBytes) {
        bytes.clear();
        return Refuse(ReadResult::EntryTooLarge,
                      QCoreApplication::translate("Import", "%1 unpacks to more than %2 MiB.")
                          .arg(where, Megabytes(maxBytes)));
    }
    if (m_totalBytes > m_maxTotalBytes) {
        bytes.clear();
        return Refuse(
            ReadResult::ArchiveTooLarge,
            QCoreApplication::translate("Import", "The files in %1 unpack to more than %2 MiB.")
                .arg(m_path, Megabytes(m_maxTotalBytes)));
    }
    return ReadResult::Ok;
}
