#include "online/OpenLibraryClient.h"

#include "app/AppSettings.h"
#include "app/MakerLinks.h"
#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "online/RateLimiter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr qint64 kWaitStepMs = 50;

QString WithoutTrailingSlash(QString host)
{
    host = host.trimmed();
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

bool AsksToWait(int status)
{
    return status == 429 || status == 503;
}

} // namespace

QByteArray OpenLibraryUserAgent()
{
    QString contact = CAppSettings::LookupContact();
    if (contact.isEmpty())
        contact = QLatin1String(kMakerWebSite);
    // A header value must stay on one line.
    contact.replace(u'\r', u' ').replace(u'\n', u' ');
    return QByteArray("Tomelodex/" TOMELODEX_VERSION " (") + contact.toUtf8() + ')';
}

CRateLimiter &OpenLibraryApiLimiter()
{
    static CRateLimiter limiter(kOpenLibraryApiPerMinute, kOpenLibraryApiBurst);
    return limiter;
}

CRateLimiter &OpenLibraryCoversLimiter()
{
    static CRateLimiter limiter(kOpenLibraryCoversPerMinute, kOpenLibraryCoversBurst);
    return limiter;
}

COpenLibraryLimitOverride::COpenLibraryLimitOverride(int perMinute, int burst)
{
    OpenLibraryApiLimiter().SetLimit(perMinute, burst);
    OpenLibraryCoversLimiter().SetLimit(perMinute, burst);
}

COpenLibraryLimitOverride::~COpenLibraryLimitOverride()
{
    OpenLibraryApiLimiter().SetLimit(kOpenLibraryApiPerMinute, kOpenLibraryApiBurst);
    OpenLibraryCoversLimiter().SetLimit(kOpenLibraryCoversPerMinute, kOpenLibraryCoversBurst);
}

int RetryAfterSeconds(const QString &value, const QDateTime &now)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return -1;
    bool isNumber = false;
    const qlonglong seconds = text.toLongLong(&isNumber);
    if (isNumber)
        return seconds < 0 ? -1 : int(std::min<qlonglong>(seconds, 1000000));
    // An HTTP date: "Wed, 21 Oct 2015 07:28:00 GMT".
    QDateTime when =
        QLocale::c().toDateTime(text, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    if (!when.isValid())
        return -1;
    when.setTimeSpec(Qt::UTC);
    return int(std::clamp<qint64>(now.secsTo(when), 0, 1000000));
}

CHttpResponse COpenLibraryClient::Get(const QString &url, qint64 maxBytes, Host host)
{
    CHttpOptions options;
    options.userAgent = OpenLibraryUserAgent();
    CRateLimiter &limiter = host == kCovers ? OpenLibraryCoversLimiter() : OpenLibraryApiLimiter();

    CHttpResponse response;
    for (int attempt = 1;; ++attempt) {
        const qint64 turn = limiter.Reserve().count();
        if (turn >= 1000)
            ShowStatus(TranslatedMessage(kOpenLibraryLimitStatus).arg((turn + 999) / 1000));
        if (!Wait(turn)) {
            response = CHttpResponse();
            response.error = TranslatedMessage(kHttpCancelledError);
            return response;
        }
        response = HttpGet(url, maxBytes, options);
        ++m_sent;
        if (response.ok || !AsksToWait(response.status))
            return response;

        int seconds = RetryAfterSeconds(response.Header(QStringLiteral("Retry-After")),
                                        QDateTime::currentDateTimeUtc());
        if (seconds < 0)
            seconds = 1 << std::min(attempt - 1, 6);
        if (attempt >= kOpenLibraryMaxAttempts || seconds > kOpenLibraryLongestWaitSeconds) {
            response.error =
                QCoreApplication::translate("Messages", "Open Library is too busy to answer now "
                                                        "(HTTP status %1); please try again later.")
                    .arg(response.status);
            return response;
        }
        ShowStatus(TranslatedMessage(kOpenLibraryWaitStatus).arg(seconds));
        if (!Wait(qint64(seconds) * 1000)) {
            response.error = TranslatedMessage(kHttpCancelledError);
            return response;
        }
    }
}

bool COpenLibraryClient::Wait(qint64 ms)
{
    using namespace std::chrono;
    const auto end = steady_clock::now() + milliseconds(ms);
    for (;;) {
        if (HttpCancelRequested())
            return false;
        const auto now = steady_clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_for(
            std::min<steady_clock::duration>(end - now, milliseconds(kWaitStepMs)));
    }
}

void COpenLibraryClient::ShowStatus(const QString &text)
{
    if (status)
        *status = text;
}

QString OpenLibraryApiBase()
{
    return WithoutTrailingSlash(CAppSettings::OpenLibraryHost());
}

QString OpenLibraryCoversBase()
{
    return WithoutTrailingSlash(CAppSettings::CoversHost());
}
