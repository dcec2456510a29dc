#pragma once

#include <QString>

// Files the program makes for its own passing use carry a prefix and the
// number of the process that made them ("Tomelo-lookup-1234-..."), so that
// one left behind by a process that was killed can be told from one still
// in use. The prefixes are the program's own, so no other file matches.

// `prefix`, this process's number and a dash: the start of such a name.
QString OwnFileNamePrefix(const QString &prefix);

// Removes the files in `folder` named `prefix`, a process number and a dash
// whose process has ended, or that are more than a day old (the number may
// have been reused). Files of running processes and of other users'
// processes are kept; files that cannot be removed are passed over.
void RemoveFilesOfEndedProcesses(const QString &folder, const QString &prefix);

// The same for folders, with all they hold, but only once their process has
// ended: a process number reused by another process keeps its folder.
void RemoveFoldersOfEndedProcesses(const QString &folder, const QString &prefix);
