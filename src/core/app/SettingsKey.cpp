#include "app/SettingsKey.h"

#include "app/SettingsStore.h"

#include <QtEndian>

#include <algorithm>

bool CSettingsKey::Open(const QString &path, bool create)
{
    if (path.isEmpty()) {
        m_path.clear();
        return true;
    }
    if (!CSettingsStore::IsValidKeyPath(path)) {
        m_lastError = kErrorBadPathName;
        return false;
    }
    if (!CSettingsStore::KeyExists(path)) {
        if (!create) {
            m_lastError = kErrorNotFound;
            return false;
        }
        if (!CSettingsStore::CreateKey(path)) {
            m_lastError = kErrorAccessDenied;
            return false;
        }
    }
    m_lastError = kErrorSuccess;
    m_path = path;
    if (!m_lazyWrite)
        CSettingsStore::Flush(m_path);
    return true;
}

int CSettingsKey::GetValueType(const QString &name)
{
    const std::optional<CSettingsStore::Value> value = CSettingsStore::ReadValue(m_path, name);
    if (!value) {
        m_lastError = kErrorNotFound;
        return 0;
    }
    m_lastError = kErrorSuccess;
    return int(value->type);
}

int CSettingsKey::ReadInt(const QString &name, int defaultValue)
{
    const std::optional<CSettingsStore::Value> value = CSettingsStore::ReadValue(m_path, name);
    if (!value) {
        m_lastError = kErrorNotFound;
        return defaultValue;
    }
    if (value->data.size() > 4) {
        m_lastError = kErrorMoreData;
        return defaultValue;
    }
    m_lastError = kErrorSuccess;
    char bytes[4] = {0, 0, 0, 0};
    std::copy(value->data.cbegin(), value->data.cend(), bytes);
    return qFromLittleEndian<qint32>(bytes);
}

bool CSettingsKey::WriteInt(const QString &name, int value)
{
    return WriteValue(name, CSettingsStore::kRegBinary, CSettingsStore::EncodeInt(value));
}

QString CSettingsKey::ReadString(const QString &name, const QString &defaultValue)
{
    const std::optional<CSettingsStore::Value> value = CSettingsStore::ReadValue(m_path, name);
    if (!value) {
        m_lastError = kErrorNotFound;
        return defaultValue;
    }
    m_lastError = kErrorSuccess;
    if (value->type != CSettingsStore::kRegSz && value->type != CSettingsStore::kRegExpandSz)
        return defaultValue;
    return CSettingsStore::DecodeString(value->data);
}

bool CSettingsKey::WriteString(const QString &name, const QString &text)
{
    return WriteValue(name, CSettingsStore::kRegSz, CSettingsStore::EncodeString(text));
}

void CSettingsKey::Close()
{
    m_path.clear();
    m_root = kRootCurrentUser;
    m_lazyWrite = true;
}

bool CSettingsKey::WriteValue(const QString &name, quint32 type, const QByteArray &data)
{
    // As in the registry, writing needs an existing key; Open(path, true)
    // is the way to create one.
    if (!CSettingsStore::KeyExists(m_path)) {
        m_lastError = kErrorNotFound;
        return false;
    }
    if (!CSettingsStore::WriteValue(m_path, name, type, data)) {
        m_lastError = kErrorAccessDenied;
        return false;
    }
    m_lastError = kErrorSuccess;
    if (!m_lazyWrite)
        CSettingsStore::Flush(m_path);
    return true;
}
