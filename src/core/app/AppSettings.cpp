#include "app/AppSettings.h"

#include "app/SettingsStore.h"

#include <QFile>
#include <QHash>
#include <QMutex>

#include <algorithm>

#include <sys/stat.h>

#include "app/Profile.h"
#include "app/SettingsKey.h"

namespace {

QString ReadText(const char *keyPath, const char *name, const QString &defaultValue = QString())
{
    CSettingsKey key;
    if (!key.Open(QLatin1String(keyPath)))
        return defaultValue;
    return key.ReadString(QLatin1String(name), defaultValue);
}

bool WriteText(const char *keyPath, const QString &name, const QString &text)
{
    CSettingsKey key;
    return key.Open(QLatin1String(keyPath), true) && key.WriteString(name, text);
}

int ReadInt(const char *keyPath, const char *name, int defaultValue)
{
    CSettingsKey key;
    if (!key.Open(QLatin1String(keyPath)))
        return defaultValue;
    return key.ReadInt(QLatin1String(name), defaultValue);
}

bool WriteInt(const char *keyPath, const char *name, int value)
{
    CSettingsKey key;
    return key.Open(QLatin1String(keyPath), true) && key.WriteInt(QLatin1String(name), value);
}

// Hosts given for one run (the command-line tool's --service-host and kin),
// and the hosts last read with the settings file they were read from: every
// saved book asks for the store's address, and the file rarely changes.
QMutex g_hostMutex;
QHash<QString, QString> g_hostOverrides;
QHash<QString, QString> g_hostsRead;
QByteArray g_hostsReadFrom;

// What identifies the settings file's contents: every writer replaces the
// file by a rename.
QByteArray SettingsFileStamp()
{
    const QByteArray path = QFile::encodeName(CSettingsStore::FilePath());
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return path;
    return path + '|' + QByteArray::number(qulonglong(info.st_dev)) + '|' +
           QByteArray::number(qulonglong(info.st_ino)) + '|' +
           QByteArray::number(qlonglong(info.st_size)) + '|' +
           QByteArray::number(qlonglong(info.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(info.st_mtim.tv_nsec));
}

QString ReadHost(const char *name, const char *defaultHost)
{
    const QString key = QLatin1String(name);
    const QByteArray stamp = SettingsFileStamp();
    {
        QMutexLocker lock(&g_hostMutex);
        const QString overridden = g_hostOverrides.value(key);
        if (!overridden.isEmpty())
            return overridden;
        if (stamp != g_hostsReadFrom) {
            g_hostsRead.clear();
            g_hostsReadFrom = stamp;
        }
        auto known = g_hostsRead.constFind(key);
        if (known != g_hostsRead.constEnd())
            return *known;
    }
    QString host = ReadText(kSettingsKeyPath, name);
    if (host.isEmpty())
        host = QString::fromLatin1(defaultHost);
    QMutexLocker lock(&g_hostMutex);
    if (stamp == g_hostsReadFrom)
        g_hostsRead.insert(key, host);
    return host;
}

int ReadSettingsProfileInt(const char *name, int defaultValue)
{
    return GetProfileInt(QLatin1String(kSettingsSection), QLatin1String(name), defaultValue);
}

bool WriteSettingsProfileInt(const char *name, int value)
{
    return WriteProfileInt(QLatin1String(kSettingsSection), QLatin1String(name), value);
}

} // namespace

QString CAppSettings::UiLanguage()
{
    return ReadText(kSettingsKeyPath, kValueUiLanguage);
}

bool CAppSettings::SetUiLanguage(const QString &code)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueUiLanguage), code);
}

QString CAppSettings::AssociateTag()
{
    return ReadText(kSettingsKeyPath, kValueAssociateTag);
}

bool CAppSettings::SetAssociateTag(const QString &tag)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueAssociateTag), tag);
}

int CAppSettings::GetEditionFromHtml()
{
    return ReadSettingsProfileInt(kValueGetEditionFromHtml, 0);
}

int CAppSettings::SortBy()
{
    return ReadSettingsProfileInt(kValueSortBy, 0);
}

bool CAppSettings::SetSortBy(int column)
{
    return WriteSettingsProfileInt(kValueSortBy, column);
}

bool CAppSettings::SortAscending()
{
    return ReadSettingsProfileInt(kValueSortAscending, 1) != 0;
}

bool CAppSettings::SetSortAscending(bool ascending)
{
    return WriteSettingsProfileInt(kValueSortAscending, ascending ? 1 : 0);
}

int CAppSettings::ListView()
{
    return ReadInt(kSettingsKeyPath, kValueListView, 0);
}

bool CAppSettings::SetListView(int view)
{
    return WriteInt(kSettingsKeyPath, kValueListView, view);
}

QString CAppSettings::ListColumns()
{
    return ReadText(kSettingsKeyPath, kValueListColumns);
}

bool CAppSettings::SetListColumns(const QString &columns)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueListColumns), columns);
}

bool CAppSettings::IncludeSubcategories()
{
    return ReadInt(kSettingsKeyPath, kValueIncludeSubcategories, 0) != 0;
}

bool CAppSettings::SetIncludeSubcategories(bool include)
{
    return WriteInt(kSettingsKeyPath, kValueIncludeSubcategories, include ? 1 : 0);
}

bool CAppSettings::AuthorsByLastName()
{
    return ReadInt(kSettingsKeyPath, kValueAuthorsByLastName, 0) != 0;
}

bool CAppSettings::SetAuthorsByLastName(bool byLastName)
{
    return WriteInt(kSettingsKeyPath, kValueAuthorsByLastName, byLastName ? 1 : 0);
}

int CAppSettings::LoanPeriodDays()
{
    return std::clamp(ReadInt(kSettingsKeyPath, kValueLoanPeriodDays, 28), 1, 3650);
}

bool CAppSettings::SetLoanPeriodDays(int days)
{
    return WriteInt(kSettingsKeyPath, kValueLoanPeriodDays, std::clamp(days, 1, 3650));
}

int CAppSettings::Css()
{
    return ReadInt(kSettingsKeyPath, kValueCss, 0);
}

bool CAppSettings::SetCss(int index)
{
    return WriteInt(kSettingsKeyPath, kValueCss, index);
}

int CAppSettings::Xsl(int defaultIndex)
{
    return ReadInt(kSettingsKeyPath, kValueXsl, defaultIndex);
}

bool CAppSettings::SetXsl(int index)
{
    return WriteInt(kSettingsKeyPath, kValueXsl, index);
}

QString CAppSettings::DefaultTextName(DefaultText which)
{
    static const char *const names[kDefaultTextCount] = {
        kValueLanguage,  kValueExtras, kValueStore,  kValueLocation,    kValueUserText1,
        kValueUserText2, kValueFormat, kValueStatus, kValuePurchaseDate};
    if (which < 0 || which >= kDefaultTextCount)
        return QString();
    return QLatin1String(names[which]);
}

QString CAppSettings::DefaultTextValue(DefaultText which)
{
    const QString name = DefaultTextName(which);
    if (name.isEmpty())
        return QString();
    CSettingsKey key;
    if (!key.Open(QLatin1String(kSettingsDefaultKeyPath)))
        return QString();
    return key.ReadString(name);
}

bool CAppSettings::SetDefaultTextValue(DefaultText which, const QString &text)
{
    const QString name = DefaultTextName(which);
    return !name.isEmpty() && WriteText(kSettingsDefaultKeyPath, name, text);
}

bool CAppSettings::EbookOnly()
{
    return ReadInt(kSettingsDefaultKeyPath, kValueEbookOnly, 0) != 0;
}

bool CAppSettings::SetEbookOnly(bool ebookOnly)
{
    return WriteInt(kSettingsDefaultKeyPath, kValueEbookOnly, ebookOnly ? 1 : 0);
}

void CAppSettings::OverrideHostForThisRun(const char *valueName, const QString &host)
{
    QMutexLocker lock(&g_hostMutex);
    if (host.isEmpty())
        g_hostOverrides.remove(QLatin1String(valueName));
    else
        g_hostOverrides.insert(QLatin1String(valueName), host);
}

QString CAppSettings::ServiceHost()
{
    return ReadHost(kValueServiceHost, kDefaultServiceHost);
}

bool CAppSettings::SetServiceHost(const QString &host)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueServiceHost), host);
}

QString CAppSettings::SearchHost()
{
    return ReadHost(kValueSearchHost, kDefaultSearchHost);
}

bool CAppSettings::SetSearchHost(const QString &host)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueSearchHost), host);
}

QString CAppSettings::StoreHost()
{
    return ReadHost(kValueStoreHost, kDefaultStoreHost);
}

bool CAppSettings::SetStoreHost(const QString &host)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueStoreHost), host);
}

QString CAppSettings::OpenLibraryHost()
{
    return ReadHost(kValueOpenLibraryHost, kDefaultOpenLibraryHost);
}

bool CAppSettings::SetOpenLibraryHost(const QString &host)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueOpenLibraryHost), host);
}

QString CAppSettings::CoversHost()
{
    return ReadHost(kValueCoversHost, kDefaultCoversHost);
}

bool CAppSettings::SetCoversHost(const QString &host)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueCoversHost), host);
}

QString CAppSettings::LookupSource()
{
    const QString openLibrary = QLatin1String(kLookupSourceOpenLibrary);
    const QString product = QLatin1String(kLookupSourceProduct);
    {
        QMutexLocker lock(&g_hostMutex);
        const QString overridden = g_hostOverrides.value(QLatin1String(kValueLookupSource));
        if (!overridden.isEmpty())
            return overridden;
    }
    const QString stored = ReadText(kSettingsKeyPath, kValueLookupSource).trimmed().toLower();
    if (stored == openLibrary)
        return stored;
    return ProductHostSet() ? product : openLibrary;
}

bool CAppSettings::ProductHostSet()
{
    for (const char *name : {kValueServiceHost, kValueSearchHost}) {
        {
            QMutexLocker lock(&g_hostMutex);
            if (!g_hostOverrides.value(QLatin1String(name)).isEmpty())
                return true;
        }
        if (!ReadText(kSettingsKeyPath, name).trimmed().isEmpty())
            return true;
    }
    return false;
}

bool CAppSettings::StoredProductSourceFellBack()
{
    return ReadText(kSettingsKeyPath, kValueLookupSource).trimmed().toLower() ==
               QLatin1String(kLookupSourceProduct) &&
           !ProductHostSet();
}

bool CAppSettings::SetLookupSource(const QString &source)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueLookupSource), source);
}

void CAppSettings::OverrideLookupSourceForThisRun(const QString &source)
{
    OverrideHostForThisRun(kValueLookupSource, source);
}

QString CAppSettings::LookupContact()
{
    return ReadText(kSettingsKeyPath, kValueLookupContact).trimmed();
}

bool CAppSettings::SetLookupContact(const QString &contact)
{
    return WriteText(kSettingsKeyPath, QLatin1String(kValueLookupContact), contact);
}
