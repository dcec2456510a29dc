#pragma once

#include <QString>

// A folder whose name has stray bytes (see NativeFileName.h), held open so
// that Qt's file classes can reach what is inside it: Path() names the open
// folder through /proc/PID/fd, which is plain text. The alias holds only
// while this object lives, and only in this process: another process never
// finds a folder of its own under that name. A folder with a plain name is
// passed through unchanged.
class CFolderAlias
{
public:
    explicit CFolderAlias(const QString &folder);
    ~CFolderAlias();
    CFolderAlias(const CFolderAlias &) = delete;
    CFolderAlias &operator=(const CFolderAlias &) = delete;

    // The name to give Qt; one where nothing is found when the folder could
    // not be opened.
    QString Path() const { return m_path; }

private:
    int m_fd = -1;
    QString m_path;
};
