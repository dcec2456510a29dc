#pragma once

#include "backup/BackupCopier.h"

#include <QString>

class CBackupManifest;

// Restore from Backup: makes a new library, with its images folder, from a
// file CBackupWriter wrote. The zip is taken for what it is, a file from
// anywhere: it is refused unless every entry is one the manifest lists (the
// database and covers with plain names; no links, folders, other names or
// sizes other than listed), there is room on the disk for what it declares,
// and every file taken out has the size and checksum the manifest gives.
// Nothing is ever written outside the new library's file and its images
// folder, and a restore that fails or is cancelled leaves nothing behind.
class CBackupRestorer
{
public:
    // Restores the backup `archivePath` as the library `libraryPath`, which
    // must not exist yet (nor its images folder, unless empty). False with
    // `error` saying why, naming the files.
    static bool Restore(const QString &archivePath, const QString &libraryPath,
                        const BackupProgress &progress, QString *error);

    // Reads and checks the manifest of the backup `archivePath` only.
    static bool ReadManifest(const QString &archivePath, CBackupManifest *manifest, QString *error);
};
