#include "backup/BackupManifest.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kFormatName = QStringLiteral("Tomelodex library backup");
// A size beyond this is no real file (a petabyte); the field is damaged.
constexpr qint64 kLargestSize = qint64(1) << 50;
// The longest file name the file systems in use allow, in bytes.
constexpr qsizetype kLongestName = 255;

QJsonObject FileObject(const CBackupManifest::CFileEntry &entry)
{
    return QJsonObject{{QStringLiteral("name"), entry.name},
                       {QStringLiteral("size"), double(entry.size)},
                       {QStringLiteral("sha256"), QString::fromLatin1(entry.sha256)}};
}

bool IsHexDigest(const QByteArray &text)
{
    if (text.size() != 64)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

bool ReadFileObject(const QJsonValue &value, CBackupManifest::CFileEntry *entry)
{
    const QJsonObject object = value.toObject();
    const QJsonValue size = object.value(QStringLiteral("size"));
    entry->name = object.value(QStringLiteral("name")).toString();
    entry->size = qint64(size.toDouble(-1));
    entry->sha256 = object.value(QStringLiteral("sha256")).toString().toLatin1();
    return size.isDouble() && entry->size >= 0 && entry->size <= kLargestSize &&
           double(entry->size) == size.toDouble() && IsHexDigest(entry->sha256);
}

QString Damaged()
{
    return QCoreApplication::translate("Backup", "its list of contents is damaged");
}

} // namespace

qint64 CBackupManifest::TotalBytes() const
{
    qint64 total = database.size;
    for (const CFileEntry &cover : covers)
        total += cover.size;
    return total;
}

QByteArray CBackupManifest::ToJson() const
{
    QJsonArray coverList;
    for (const CFileEntry &cover : covers)
        coverList.append(FileObject(cover));
    const QJsonObject root{{QStringLiteral("format"), kFormatName},
                           {QStringLiteral("formatVersion"), formatVersion},
                           {QStringLiteral("programVersion"), programVersion},
                           {QStringLiteral("libraryName"), libraryName},
                           {QStringLiteral("schemaVersion"), schemaVersion},
                           {QStringLiteral("books"), double(bookCount)},
                           {QStringLiteral("created"), created},
                           {QStringLiteral("database"), FileObject(database)},
                           {QStringLiteral("coverCount"), int(covers.size())},
                           {QStringLiteral("covers"), coverList}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool CBackupManifest::FromJson(const QByteArray &json, CBackupManifest *manifest, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    const QJsonObject root = document.object();
    if (parse.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QStringLiteral("format")).toString() != kFormatName) {
        *error = QCoreApplication::translate("Backup", "it is not a backup of a Tomelodex library");
        return false;
    }
    manifest->formatVersion = root.value(QStringLiteral("formatVersion")).toInt(0);
    if (manifest->formatVersion > kFormatVersion) {
        *error = QCoreApplication::translate(
                     "Backup", "it was made by a newer version of Tomelodex (backup format %1)")
                     .arg(manifest->formatVersion);
        return false;
    }
    manifest->programVersion = root.value(QStringLiteral("programVersion")).toString();
    manifest->libraryName = root.value(QStringLiteral("libraryName")).toString();
    manifest->schemaVersion = root.value(QStringLiteral("schemaVersion")).toInt();
    manifest->bookCount = qint64(root.value(QStringLiteral("books")).toDouble());
    manifest->created = root.value(QStringLiteral("created")).toString();
    const QJsonArray coverList = root.value(QStringLiteral("covers")).toArray();
    if (manifest->formatVersion < 1 ||
        !ReadFileObject(root.value(QStringLiteral("database")), &manifest->database) ||
        root.value(QStringLiteral("coverCount")).toInt(-1) != coverList.size()) {
        *error = Damaged();
        return false;
    }
    manifest->database.name = DatabaseEntry();
    manifest->covers.clear();
    manifest->covers.reserve(coverList.size());
    for (const QJsonValue &value : coverList) {
        CFileEntry cover;
        if (!ReadFileObject(value, &cover)) {
            *error = Damaged();
            return false;
        }
        if (!IsSafeCoverName(cover.name)) {
            *error =
                QCoreApplication::translate(
                    "Backup", "it names a cover \"%1\" that would lie outside the images folder")
                    .arg(cover.name);
            return false;
        }
        manifest->covers.append(cover);
    }
    return true;
}

bool CBackupManifest::IsSafeCoverName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.toUtf8().size() > kLongestName)
        return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate())
            return false;
    }
    return true;
}
