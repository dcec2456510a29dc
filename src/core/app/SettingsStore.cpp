#include "app/SettingsStore.h"

#include "app/Fd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QVector>
#include <QtEndian>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QChar kSeparator = QLatin1Char('\\');
const int kLockTimeoutMs = 10000;
// A settings file is a few kilobytes; anything bigger than this is not ours.
const qint64 kMaxFileSize = 1024 * 1024;

struct SEntry
{
    QString name;
    quint32 type = CSettingsStore::kRegNone;
    QByteArray data;
};

struct SKey
{
    QString path;
    QVector<SEntry> values;
};

using Hive = QVector<SKey>;

// Serialises writers of this process; the lock file only has to deal with
// other processes then, and threads do not poll for it.
QMutex s_writeMutex;

bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

std::optional<QString> NormalizePath(const QString &path)
{
    for (const QChar c : path) {
        if (IsControl(c))
            return std::nullopt;
    }
    return path.split(kSeparator, Qt::SkipEmptyParts).join(kSeparator);
}

bool SamePath(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

SKey *FindKey(Hive &hive, const QString &path)
{
    for (SKey &key : hive) {
        if (SamePath(key.path, path))
            return &key;
    }
    return nullptr;
}

SEntry *FindEntry(SKey &key, const QString &name)
{
    for (SEntry &entry : key.values) {
        if (SamePath(entry.name, name))
            return &entry;
    }
    return nullptr;
}

bool HiveHasKey(const Hive &hive, const QString &path)
{
    if (path.isEmpty())
        return true;
    const QString prefix = path + kSeparator;
    for (const SKey &key : hive) {
        if (SamePath(key.path, path) || key.path.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

SKey &KeyForWriting(Hive &hive, const QString &path)
{
    if (SKey *key = FindKey(hive, path))
        return *key;
    hive.append(SKey{path, {}});
    return hive.last();
}

// ---- Text escaping -------------------------------------------------------

QString Quote(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (IsControl(c))
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

int HexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at pos; on success pos is just past the
// closing quote.
std::optional<QString> Unquote(const QString &line, int &pos)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line.at(pos).unicode()) {
        case '\\':
            out += QLatin1Char('\\');
            break;
        case '"':
            out += QLatin1Char('"');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'x': {
            if (pos + 2 >= line.size())
                return std::nullopt;
            const int high = HexDigit(line.at(pos + 1));
            const int low = HexDigit(line.at(pos + 2));
            if (high < 0 || low < 0)
                return std::nullopt;
            out += QChar(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> ParseHex(const QString &text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    QByteArray out;
    out.reserve(text.size() / 2);
    for (int i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text.at(i));
        const int low = HexDigit(text.at(i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        out += char(high * 16 + low);
    }
    return out;
}

// A string value is written as text only when its bytes come back exactly
// from that text; anything else (odd length, missing terminator, lone
// surrogates) is kept as raw hex.
std::optional<QString> AsText(const SEntry &entry)
{
    const QByteArray &data = entry.data;
    if (data.size() < 2 || data.size() % 2 != 0 || !data.endsWith(QByteArray(2, '\0')))
        return std::nullopt;
    QString text;
    text.reserve(data.size() / 2 - 1);
    for (int i = 0; i + 2 < data.size(); i += 2)
        text += QChar(qFromLittleEndian<quint16>(data.constData() + i));
    const QString line = Quote(text);
    const QString roundTrip = QString::fromUtf8(line.toUtf8());
    if (roundTrip != line)
        return std::nullopt;
    return line;
}

QString FormatEntry(const SEntry &entry)
{
    QString payload;
    if (entry.type == CSettingsStore::kRegSz || entry.type == CSettingsStore::kRegExpandSz) {
        if (const std::optional<QString> text = AsText(entry)) {
            payload = (entry.type == CSettingsStore::kRegSz ? QLatin1String("sz:")
                                                            : QLatin1String("expand_sz:")) +
                      *text;
        }
    } else if (entry.type == CSettingsStore::kRegBinary) {
        payload = QLatin1String("binary:") + QString::fromLatin1(entry.data.toHex());
    } else if (entry.type == CSettingsStore::kRegDword && entry.data.size() == 4) {
        const quint32 value = qFromLittleEndian<quint32>(entry.data.constData());
        payload = QStringLiteral("dword:%1").arg(value, 8, 16, QLatin1Char('0'));
    }
    if (payload.isEmpty()) {
        payload =
            QStringLiteral("hex(%1):").arg(entry.type) + QString::fromLatin1(entry.data.toHex());
    }
    return Quote(entry.name) + QLatin1Char('=') + payload;
}

std::optional<SEntry> ParseEntry(const QString &line)
{
    int pos = 0;
    std::optional<QString> name = Unquote(line, pos);
    if (!name || pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return std::nullopt;
    const int colon = line.indexOf(QLatin1Char(':'), pos + 1);
    if (colon < 0)
        return std::nullopt;
    const QString kind = line.mid(pos + 1, colon - pos - 1);
    const QString payload = line.mid(colon + 1).trimmed();

    SEntry entry;
    entry.name = *name;
    if (kind == QLatin1String("sz") || kind == QLatin1String("expand_sz")) {
        int textPos = 0;
        const std::optional<QString> text = Unquote(payload, textPos);
        if (!text || textPos != payload.size())
            return std::nullopt;
        entry.type =
            kind == QLatin1String("sz") ? CSettingsStore::kRegSz : CSettingsStore::kRegExpandSz;
        entry.data = CSettingsStore::EncodeString(*text);
        return entry;
    }
    if (kind == QLatin1String("dword")) {
        const std::optional<QByteArray> bytes = ParseHex(payload);
        if (!bytes || bytes->size() != 4)
            return std::nullopt;
        entry.type = CSettingsStore::kRegDword;
        entry.data = CSettingsStore::EncodeInt(qint32(qFromBigEndian<quint32>(bytes->constData())));
        return entry;
    }
    std::optional<QByteArray> bytes = ParseHex(payload);
    if (!bytes)
        return std::nullopt;
    if (kind == QLatin1String("binary")) {
        entry.type = CSettingsStore::kRegBinary;
    } else if (kind.startsWith(QLatin1String("hex(")) && kind.endsWith(QLatin1Char(')'))) {
        bool ok = false;
        entry.type = kind.mid(4, kind.size() - 5).toUInt(&ok);
        if (!ok)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    entry.data = *bytes;
    return entry;
}

// ---- Whole file ------------------------------------------------------------

// Lines that cannot be understood are skipped, so a damaged file gives up
// only what is damaged.
Hive ParseHive(const QByteArray &bytes)
{
    Hive hive;
    SKey *current = nullptr;
    for (const QByteArray &raw : bytes.split('\n')) {
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('#')))
            continue;
        // Only the brackets are looked for; spaces inside them belong to the path.
        const int start = line.indexOf(trimmed.at(0));
        if (trimmed.startsWith(QLatin1Char('['))) {
            current = nullptr;
            const int end = line.lastIndexOf(QLatin1Char(']'));
            if (!trimmed.endsWith(QLatin1Char(']')))
                continue;
            const std::optional<QString> path = NormalizePath(line.mid(start + 1, end - start - 1));
            if (!path)
                continue;
            current = &KeyForWriting(hive, *path);
            continue;
        }
        if (!current)
            continue;
        const std::optional<SEntry> entry = ParseEntry(line.mid(start));
        if (!entry)
            continue;
        if (SEntry *existing = FindEntry(*current, entry->name)) {
            existing->type = entry->type;
            existing->data = entry->data;
        } else {
            current->values.append(*entry);
        }
    }
    return hive;
}

QByteArray FormatHive(const Hive &hive)
{
    QString text = QStringLiteral("; Tomelodex settings. Close the program before editing.\n");
    for (const SKey &key : hive) {
        text += QLatin1String("\n[") + key.path + QLatin1String("]\n");
        for (const SEntry &entry : key.values)
            text += FormatEntry(entry) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

enum class LoadResult
{
    Loaded,
    Missing,
    Unreadable,
    // Not a regular file of at most kMaxFileSize: a pipe, a device, a huge
    // file. Neither read nor written over.
    Foreign
};

// Says once per process that the settings file is left alone.
QMutex s_noticeMutex;
QString s_notice; // said on standard error, not yet taken by a window

void ReportForeignFile(const QString &filePath)
{
    static std::atomic<bool> reported{false};
    if (reported.exchange(true))
        return;
    const QString text =
        QCoreApplication::translate("Settings",
                                    "Tomelodex: %1 is not a settings file (a regular file of at "
                                    "most 1 MB); it is left alone, the settings start from their "
                                    "defaults and changes to them are not kept.")
            .arg(filePath);
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    const QMutexLocker lock(&s_noticeMutex);
    s_notice = text;
}

LoadResult LoadHive(const QString &filePath, Hive &hive)
{
    hive.clear();
    // Open first and ask afterwards: QFile::exists() can miss a file that
    // another writer is renaming over at that moment. Opened without waiting,
    // so that a pipe in its place cannot hold the program up, and judged by
    // what was opened rather than by the name.
    const CFd file(::open(QFile::encodeName(filePath).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0)
        return LoadResult::Unreadable;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize)
        return LoadResult::Foreign;
    // Read to the end, but never past the limit: the file may grow meanwhile.
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return LoadResult::Unreadable;
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > kMaxFileSize)
            return LoadResult::Foreign;
    }
    hive = ParseHive(bytes);
    return LoadResult::Loaded;
}

// The file as last parsed, with what identified it then. Every writer
// replaces the file by a rename, so a file whose device, inode, size and
// modification time are unchanged has unchanged contents; a reader then
// costs one stat instead of a read and a parse.
struct SCachedHive
{
    QString path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    Hive hive;
};

QMutex s_cacheMutex;
SCachedHive s_cache;

Hive ReadHive()
{
    const QString filePath = CSettingsStore::FilePath();
    struct stat info;
    if (::stat(QFile::encodeName(filePath).constData(), &info) != 0)
        return Hive();
    QMutexLocker lock(&s_cacheMutex);
    if (s_cache.path == filePath && s_cache.device == info.st_dev && s_cache.inode == info.st_ino
        && s_cache.size == info.st_size && s_cache.modified.tv_sec == info.st_mtim.tv_sec
        && s_cache.modified.tv_nsec == info.st_mtim.tv_nsec)
        return s_cache.hive;
    Hive hive;
    if (LoadHive(filePath, hive) == LoadResult::Foreign)
        ReportForeignFile(filePath);
    s_cache = {filePath, info.st_dev, info.st_ino, info.st_size, info.st_mtim, hive};
    return hive;
}

// Applies change to the current file contents under the lock and writes the
// result back when change reports that it altered something.
bool ModifyHive(const std::function<bool(Hive &)> &change)
{
    QMutexLocker locker(&s_writeMutex);
    const QString filePath = CSettingsStore::FilePath();
    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;

    QLockFile lock(filePath + QLatin1String(".lock"));
    if (!lock.tryLock(kLockTimeoutMs))
        return false;

    Hive hive;
    // Overwriting a file we cannot read would throw away whatever is in it;
    // one that is not a settings file is not ours to replace.
    const LoadResult loaded = LoadHive(filePath, hive);
    if (loaded == LoadResult::Foreign)
        ReportForeignFile(filePath);
    if (loaded == LoadResult::Unreadable || loaded == LoadResult::Foreign)
        return false;
    if (!change(hive))
        return true;

    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = FormatHive(hive);
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool SyncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString CSettingsStore::FilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid and to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QLatin1String("/.config");
    return QDir::cleanPath(base + QLatin1String("/Brindlewood/Tomelodex/settings.conf"));
}

bool CSettingsStore::IsValidKeyPath(const QString &path)
{
    return NormalizePath(path).has_value();
}

bool CSettingsStore::KeyExists(const QString &path)
{
    const std::optional<QString> normalized = NormalizePath(path);
    return normalized && HiveHasKey(ReadHive(), *normalized);
}

bool CSettingsStore::CreateKey(const QString &path)
{
    const std::optional<QString> normalized = NormalizePath(path);
    if (!normalized)
        return false;
    return ModifyHive([&](Hive &hive) {
        if (HiveHasKey(hive, *normalized))
            return false;
        hive.append(SKey{*normalized, {}});
        return true;
    });
}

std::optional<CSettingsStore::Value> CSettingsStore::ReadValue(const QString &path,
                                                               const QString &name)
{
    const std::optional<QString> normalized = NormalizePath(path);
    if (!normalized)
        return std::nullopt;
    Hive hive = ReadHive();
    SKey *key = FindKey(hive, *normalized);
    if (!key)
        return std::nullopt;
    const SEntry *entry = FindEntry(*key, name);
    if (!entry)
        return std::nullopt;
    return Value{entry->type, entry->data};
}

bool CSettingsStore::WriteValue(const QString &path, const QString &name, quint32 type,
                                const QByteArray &data)
{
    const std::optional<QString> normalized = NormalizePath(path);
    if (!normalized)
        return false;
    return ModifyHive([&](Hive &hive) {
        SKey &key = KeyForWriting(hive, *normalized);
        if (SEntry *entry = FindEntry(key, name)) {
            if (entry->type == type && entry->data == data)
                return false;
            entry->type = type;
            entry->data = data;
        } else {
            key.values.append(SEntry{name, type, data});
        }
        return true;
    });
}

bool CSettingsStore::DeleteValue(const QString &path, const QString &name)
{
    const std::optional<QString> normalized = NormalizePath(path);
    if (!normalized)
        return false;
    bool found = false;
    const bool written = ModifyHive([&](Hive &hive) {
        SKey *key = FindKey(hive, *normalized);
        if (!key)
            return false;
        for (int i = 0; i < key->values.size(); ++i) {
            if (SamePath(key->values.at(i).name, name)) {
                key->values.remove(i);
                found = true;
                return true;
            }
        }
        return false;
    });
    return written && found;
}

bool CSettingsStore::Flush(const QString &path)
{
    if (!IsValidKeyPath(path))
        return false;
    const QString filePath = FilePath();
    if (!QFileInfo::exists(filePath))
        return true;
    // The folder too, so that the rename of the last write is on disk.
    return SyncPath(filePath, O_RDONLY) &&
           SyncPath(QFileInfo(filePath).absolutePath(), O_RDONLY | O_DIRECTORY);
}

QString CSettingsStore::TakeForeignFileNotice()
{
    const QMutexLocker lock(&s_noticeMutex);
    return std::exchange(s_notice, QString());
}

QByteArray CSettingsStore::EncodeString(const QString &text)
{
    QByteArray data((text.size() + 1) * 2, '\0');
    for (int i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), data.data() + 2 * i);
    return data;
}

QString CSettingsStore::DecodeString(const QByteArray &data)
{
    QString text;
    text.reserve(data.size() / 2);
    for (int i = 0; i < data.size(); i += 2) {
        // An odd last byte reads as a character of its own, as it does in a
        // zero-filled buffer one character longer than the data.
        const quint16 unit = i + 1 < data.size() ? qFromLittleEndian<quint16>(data.constData() + i)
                                                 : quint16(quint8(data.at(i)));
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    return text;
}

QByteArray CSettingsStore::EncodeInt(qint32 value)
{
    QByteArray data(4, '\0');
    qToLittleEndian<qint32>(value, data.data());
    return data;
}
