#include "app/NativeFileName.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at `at`, or 0 when the byte there is
// stray: a bad lead byte, a short or overlong sequence, a surrogate or a
// code point above U+10FFFF.
int ValidSequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData()) + at;
    const qsizetype left = bytes.size() - at;
    if (p[0] < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (p[0] >= 0xC2 && p[0] <= 0xDF) {
        length = 2;
    } else if (p[0] >= 0xE0 && p[0] <= 0xEF) {
        length = 3;
        if (p[0] == 0xE0)
            low = 0xA0; // overlong
        else if (p[0] == 0xED)
            high = 0x9F; // surrogates
    } else if (p[0] >= 0xF0 && p[0] <= 0xF4) {
        length = 4;
        if (p[0] == 0xF0)
            low = 0x90; // overlong
        else if (p[0] == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!IsContinuation(p[i]))
            return 0;
    }
    return length;
}

bool IsEscape(const QString &name, qsizetype at)
{
    const char16_t unit = name.at(at).unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (at == 0 || !name.at(at - 1).isHighSurrogate());
}

bool StatOf(const QString &name, struct stat *info)
{
    return ::stat(NativeFileName(name).constData(), info) == 0;
}

} // namespace

QString FileNameFromNative(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = ValidSequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
        name += QChar(char16_t(kEscapeBase + quint8(bytes.at(at))));
        runStart = ++at;
    }
    name += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
    return name;
}

QByteArray NativeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!IsEscape(name, at))
            continue;
        bytes += QStringView(name).mid(runStart, at - runStart).toUtf8();
        bytes += char(name.at(at).unicode() - kEscapeBase);
        runStart = at + 1;
    }
    bytes += QStringView(name).mid(runStart).toUtf8();
    return bytes;
}

bool HasStrayBytes(const QString &name)
{
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (IsEscape(name, at))
            return true;
    }
    return false;
}

QString PrintableFileName(const QString &name)
{
    QString text;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (IsEscape(name, at))
            text += QStringLiteral("\\x") +
                    QString::number(name.at(at).unicode() - kEscapeBase, 16).toUpper();
        else
            text += name.at(at);
    }
    return text;
}

QStringList ArgumentsFromNative(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileNameFromNative(QByteArray(argv[i])));
    return arguments;
}

bool NativeIsFile(const QString &name)
{
    struct stat info = {};
    return StatOf(name, &info) && S_ISREG(info.st_mode);
}

bool NativeIsDir(const QString &name)
{
    struct stat info = {};
    return StatOf(name, &info) && S_ISDIR(info.st_mode);
}

qint64 NativeFileSize(const QString &name)
{
    struct stat info = {};
    return StatOf(name, &info) ? qint64(info.st_size) : -1;
}

bool NativeSameFile(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return StatOf(a, &first) && StatOf(b, &second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool NativeMakeDir(const QString &name)
{
    return ::mkdir(NativeFileName(name).constData(), 0777) == 0;
}

bool NativeCanWriteDir(const QString &name)
{
    return ::access(NativeFileName(name).constData(), W_OK) == 0;
}

bool NativeReplace(const QString &from, const QString &to)
{
    return std::rename(NativeFileName(from).constData(), NativeFileName(to).constData()) == 0;
}
