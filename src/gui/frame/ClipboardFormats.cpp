#include "frame/ClipboardFormats.h"

#include <QStringList>

namespace {

constexpr unsigned kFirstFormat = 0xC000;

QStringList &FormatNames()
{
    static QStringList names;
    return names;
}

} // namespace

unsigned RegisterClipboardFormat(const QString &name)
{
    QStringList &names = FormatNames();
    int index = names.indexOf(name);
    if (index < 0) {
        names += name;
        index = int(names.size()) - 1;
    }
    return kFirstFormat + unsigned(index);
}

QString ClipboardFormatName(unsigned format)
{
    const QStringList &names = FormatNames();
    if (format < kFirstFormat || format - kFirstFormat >= unsigned(names.size()))
        return QString();
    return names[int(format - kFirstFormat)];
}
