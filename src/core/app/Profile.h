#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The application framework's profile functions. Section S lives in the key
// "Software\<company>\<application title>\S" of the settings store.
inline constexpr char kProfileCompany[] = "Brindlewood";
inline constexpr char kProfileApplication[] = "Tomelodex";

// "Software\Brindlewood\Tomelodex", plus "\section" when section is not empty.
QString ProfileKeyPath(const QString &section = QString());

// defaultValue unless the entry holds exactly 4 bytes (double word or binary).
int GetProfileInt(const QString &section, const QString &entry, int defaultValue);
// Stores the double-word type.
bool WriteProfileInt(const QString &section, const QString &entry, int value);

// defaultValue unless the entry is a string or an expandable string.
QString GetProfileString(const QString &section, const QString &entry,
                         const QString &defaultValue = QString());
bool WriteProfileString(const QString &section, const QString &entry, const QString &text);

// Nothing unless the entry holds the binary type.
std::optional<QByteArray> GetProfileBinary(const QString &section, const QString &entry);
bool WriteProfileBinary(const QString &section, const QString &entry, const QByteArray &data);

// Removes the entry; false when there was none.
bool DeleteProfileEntry(const QString &section, const QString &entry);
