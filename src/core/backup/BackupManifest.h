#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// What a library backup holds, written into it as "manifest.json" so that a
// restore can tell a backup of this program from any other zip and check
// every file it takes out against the size and checksum written here.
class CBackupManifest
{
public:
    // The newest layout this program writes and reads.
    static constexpr int kFormatVersion = 1;

    // Names of the entries in the zip.
    static QString ManifestEntry() { return QStringLiteral("manifest.json"); }
    static QString DatabaseEntry() { return QStringLiteral("library.mdb"); }
    static QString CoverEntry(const QString &name) { return QStringLiteral("covers/") + name; }

    struct CFileEntry
    {
        QString name; // a cover's file name; the database's is DatabaseEntry()
        qint64 size = 0;
        QByteArray sha256; // hexadecimal
    };

    int formatVersion = kFormatVersion;
    QString programVersion;
    QString libraryName; // the file name the library had, without folders
    int schemaVersion = 0;
    qint64 bookCount = 0;
    QString created; // ISO 8601, UTC
    CFileEntry database;
    QVector<CFileEntry> covers;

    qint64 TotalBytes() const;
    QByteArray ToJson() const;
    // Reads and checks a manifest: false with `error` saying what is wrong
    // (not this program's manifest, a newer format, a cover name that would
    // lead out of the images folder, a negative size...).
    static bool FromJson(const QByteArray &json, CBackupManifest *manifest, QString *error);

    // True for a name a cover may have inside the images folder: one plain
    // file name, nothing that leads elsewhere ("..", "/", "\") and no control
    // characters.
    static bool IsSafeCoverName(const QString &name);
};
