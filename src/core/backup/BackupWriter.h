#pragma once

#include "backup/BackupCopier.h"

#include <QString>

// Start of the names of the files a backup or a restore keeps beside its
// target while it works (followed by the process number, see StaleFiles.h).
inline constexpr char kArchiveTempPrefix[] = ".Tomelo-archive-";

// Back Up Library: one zip file with a copy of the library's database, taken
// through SQLite's online backup so that it is consistent while the window
// and other programs go on using the library, the covers of its images
// folder as they are (pictures are compressed already, so they are stored),
// and a manifest (CBackupManifest) with a checksum of each. Large libraries
// are written as Zip64; memory stays flat, whatever their size.
class CBackupWriter
{
public:
    // Writes the backup of the library at `libraryPath` to `archivePath`,
    // replacing a file there only once the backup is complete. On a failure
    // or when `progress` cancels, nothing is left behind and `error` says
    // why, naming the files.
    static bool Write(const QString &libraryPath, const QString &archivePath,
                      const BackupProgress &progress, QString *error);
};
