#include "FakeOpenLibrary.h"

#include "app/AppSettings.h"
#include "online/HttpClient.h"

#include <QUrl>

namespace {

QStringList Column(const QStringList &lines, int column)
{
    QStringList values;
    for (const QString &line : lines)
        values.append(line.section(u'\t', column, column));
    return values;
}

} // namespace

CFakeOpenLibrary::CFakeOpenLibrary(const QString &cloneOf)
    : CFakeService(QStringLiteral("tests/fake_openlibrary/fake_openlibrary.py"),
                   cloneOf.isEmpty() ? QStringList()
                                     : QStringList{QStringLiteral("--clone"), cloneOf})
{}

bool CFakeOpenLibrary::UseForLookups() const
{
    return CAppSettings::SetOpenLibraryHost(baseUrl()) && CAppSettings::SetCoversHost(baseUrl()) &&
           CAppSettings::SetLookupSource(QLatin1String(kLookupSourceOpenLibrary));
}

QStringList CFakeOpenLibrary::paths() const
{
    QStringList paths = Column(requests(), 0);
    for (QString &path : paths)
        path.remove(0, 4); // "GET "
    return paths;
}

QStringList CFakeOpenLibrary::agents() const
{
    return Column(requests(), 1);
}

bool CFakeOpenLibrary::FailNext(const QString &prefix, int status, int count, int skip,
                                const QString &retryAfter, const QString &body) const
{
    const auto encoded = [](const QString &text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    };
    return HttpGet(baseUrl() + QStringLiteral("/__fail?path=%1&status=%2&count=%3&skip=%4"
                                              "&retry_after=%5&body=%6")
                                   .arg(encoded(prefix), QString::number(status),
                                        QString::number(count), QString::number(skip),
                                        encoded(retryAfter), encoded(body)),
                   4096)
        .ok;
}
