#pragma once

#include <QString>

// Start of the names of a library copy on its way into place beside the
// library (followed by the process number, see StaleFiles.h).
inline constexpr char kLibraryBackupTempPrefix[] = ".Tomelo-bak-";

// A copy of a library file made through SQLite's online backup, so that it
// holds what was committed, whatever journal the library uses. Take it while
// holding the library's write lock and the copy is exactly the library as it
// stands.
class CLibraryBackup
{
public:
    // Copies the library at `libraryPath` to `copyPath` (replacing a file
    // there only once the copy is complete) with the library's permissions.
    // On failure nothing is left behind and `error` says why.
    static bool Write(const QString &libraryPath, const QString &copyPath, QString *error);
};
