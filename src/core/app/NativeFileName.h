#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names on this system are bytes; a QString carries text. A name whose
// bytes are not UTF-8 keeps each stray byte as one code point of
// U+DC80..U+DCFF (a lone low surrogate, which no valid UTF-8 decodes to), so
// the name comes back byte for byte at the system call.
//
// Qt's file classes do not know this escape: they would write U+FFFD in its
// place, and so name another file. A name with stray bytes therefore goes
// only to the calls below, to SQLite as NativeFileName(), or through a
// CFolderAlias.

// The name the bytes spell, stray bytes escaped.
QString FileNameFromNative(const QByteArray &bytes);
// The bytes of a name, stray bytes restored.
QByteArray NativeFileName(const QString &name);
// True when the name holds stray bytes, so Qt's file classes must not see it.
bool HasStrayBytes(const QString &name);
// The name for a message: stray bytes shown as \xE9.
QString PrintableFileName(const QString &name);
// The program's arguments, each decoded like a file name.
QStringList ArgumentsFromNative(int argc, char **argv);

// Calls on names with stray bytes that Qt's file classes cannot make.
bool NativeIsFile(const QString &name);
bool NativeIsDir(const QString &name);
qint64 NativeFileSize(const QString &name); // -1 when it cannot be read
// True when both names lead to the same file.
bool NativeSameFile(const QString &a, const QString &b);
bool NativeMakeDir(const QString &name);
bool NativeCanWriteDir(const QString &name);
// Puts `from` in the place of `to` in one step, replacing a file there.
bool NativeReplace(const QString &from, const QString &to);
