#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The current user's settings hive, kept in one text file:
// $XDG_CONFIG_HOME/Brindlewood/Tomelodex/settings.conf (~/.config by default).
//
// Keys are backslash paths below the hive ("Software\Brindlewood\Tomelodex\Settings");
// each value has a registry type code and raw bytes. Key paths and value names
// compare case-insensitively; the case first written is kept.
//
// Every call reads the file afresh, so several program instances see each
// other's changes. Each change is a read-modify-write under a lock file beside
// the settings file and replaces the file atomically, so concurrent writers
// neither corrupt the file nor lose each other's values. A file that cannot be
// parsed reads as empty. All functions are safe to call from any thread.
//
// File format (UTF-8): one "[key path]" line per key, then one line per value:
//   "name"=sz:"text"          string (type 1), escapes \\ \" \n \r \t \xHH
//   "name"=expand_sz:"text"   expandable string (type 2)
//   "name"=binary:2a000000    binary (type 3), the bytes in hex
//   "name"=dword:0000002a     double word (type 4), the number in hex
//   "name"=hex(N):0102        any other type or byte count, raw bytes
// Lines starting with ';' or '#' are comments.
class CSettingsStore
{
public:
    enum ValueType : quint32
    {
        kRegNone = 0,
        kRegSz = 1,
        kRegExpandSz = 2,
        kRegBinary = 3,
        kRegDword = 4
    };

    struct Value
    {
        quint32 type = kRegNone;
        QByteArray data;
    };

    CSettingsStore() = delete;

    // Full path of the settings file, following XDG_CONFIG_HOME as it is now.
    static QString FilePath();

    // False for paths the store cannot keep (control characters in a key name).
    static bool IsValidKeyPath(const QString &path);

    // A key exists when it was created or when any key below it exists; the
    // empty path is the hive itself and always exists.
    static bool KeyExists(const QString &path);
    static bool CreateKey(const QString &path);

    static std::optional<Value> ReadValue(const QString &path, const QString &name);
    // Creates the key (and the settings folder) when missing.
    static bool WriteValue(const QString &path, const QString &name, quint32 type,
                           const QByteArray &data);
    // False when the value did not exist or the file could not be written.
    static bool DeleteValue(const QString &path, const QString &name);

    // Forces the file to disk. Writes already replace the file atomically;
    // this makes the last one survive a power loss.
    static bool Flush(const QString &path);

    // When the settings file was found to be no settings file (a pipe, a
    // device, a file above 1 MB), which is then neither read nor written: the
    // text said about it on standard error, once; empty afterwards and when
    // all is well. For a window to show where a desktop user looks.
    static QString TakeForeignFileNotice();

    // Registry byte layouts: UTF-16LE with a terminating null, and 4-byte
    // little-endian integers.
    static QByteArray EncodeString(const QString &text);
    static QString DecodeString(const QByteArray &data);
    static QByteArray EncodeInt(qint32 value);
};
