#pragma once

#include <QString>

// Reads and writes the values of one settings key. Created on the stack around
// a group of reads or writes; nothing stays open between calls, each operation
// goes to the settings store itself.
class CSettingsKey
{
public:
    // The only hive the program uses.
    enum Root
    {
        kRootCurrentUser = 1
    };

    // Result codes kept in m_lastError.
    enum Error : qint32
    {
        kErrorSuccess = 0,
        kErrorNotFound = 2,
        kErrorAccessDenied = 5,
        kErrorBadPathName = 161,
        kErrorMoreData = 234
    };

    CSettingsKey() = default;

    // An empty path forgets the key and succeeds. Otherwise the key must exist,
    // or is created when create is true.
    bool Open(const QString &path, bool create = false);
    // The stored value's type code, 0 when the key or the value is missing.
    int GetValueType(const QString &name);
    // Any stored value of at most 4 bytes, zero-extended; defaultValue otherwise.
    int ReadInt(const QString &name, int defaultValue);
    // Stores 4 little-endian bytes with the binary type.
    bool WriteInt(const QString &name, int value);
    // defaultValue unless the value is a string or an expandable string.
    QString ReadString(const QString &name, const QString &defaultValue = QString());
    bool WriteString(const QString &name, const QString &text);
    void Close();

    qint32 m_lastError = kErrorSuccess;
    int m_root = kRootCurrentUser;
    bool m_lazyWrite = true;
    QString m_path;

private:
    bool WriteValue(const QString &name, quint32 type, const QByteArray &data);
};
