#pragma once

#include <QString>

// Names the backup and the restore work with. They may hold stray bytes
// (see NativeFileName.h), so they are handled as text and reach the system
// through NativeFileName only.

// `path` made absolute against the current folder, without resolving links.
QString AbsoluteBackupPath(const QString &path);
// The folder of an absolute `path`, with a closing slash.
QString BackupFolderOf(const QString &path);
// Puts the folder's entries on the disk, so a rename into it survives a
// crash; a folder that cannot be synced is passed over.
void SyncFolder(const QString &folder);
