#include "app/Profile.h"

#include "app/SettingsStore.h"

#include <QtEndian>

QString ProfileKeyPath(const QString &section)
{
    QString path = QLatin1String("Software\\") + QLatin1String(kProfileCompany) +
                   QLatin1Char('\\') + QLatin1String(kProfileApplication);
    if (!section.isEmpty())
        path += QLatin1Char('\\') + section;
    return path;
}

int GetProfileInt(const QString &section, const QString &entry, int defaultValue)
{
    const std::optional<CSettingsStore::Value> value =
        CSettingsStore::ReadValue(ProfileKeyPath(section), entry);
    if (!value || value->data.size() != 4 ||
        (value->type != CSettingsStore::kRegDword && value->type != CSettingsStore::kRegBinary))
        return defaultValue;
    return qFromLittleEndian<qint32>(value->data.constData());
}

bool WriteProfileInt(const QString &section, const QString &entry, int value)
{
    return CSettingsStore::WriteValue(ProfileKeyPath(section), entry, CSettingsStore::kRegDword,
                                      CSettingsStore::EncodeInt(value));
}

QString GetProfileString(const QString &section, const QString &entry, const QString &defaultValue)
{
    const std::optional<CSettingsStore::Value> value =
        CSettingsStore::ReadValue(ProfileKeyPath(section), entry);
    if (!value ||
        (value->type != CSettingsStore::kRegSz && value->type != CSettingsStore::kRegExpandSz))
        return defaultValue;
    return CSettingsStore::DecodeString(value->data);
}

bool WriteProfileString(const QString &section, const QString &entry, const QString &text)
{
    return CSettingsStore::WriteValue(ProfileKeyPath(section), entry, CSettingsStore::kRegSz,
                                      CSettingsStore::EncodeString(text));
}

std::optional<QByteArray> GetProfileBinary(const QString &section, const QString &entry)
{
    const std::optional<CSettingsStore::Value> value =
        CSettingsStore::ReadValue(ProfileKeyPath(section), entry);
    if (!value || value->type != CSettingsStore::kRegBinary)
        return std::nullopt;
    return value->data;
}

bool WriteProfileBinary(const QString &section, const QString &entry, const QByteArray &data)
{
    return CSettingsStore::WriteValue(ProfileKeyPath(section), entry, CSettingsStore::kRegBinary,
                                      data);
}

bool DeleteProfileEntry(const QString &section, const QString &entry)
{
    return CSettingsStore::DeleteValue(ProfileKeyPath(section), entry);
}
