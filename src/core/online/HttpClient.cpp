#include "online/HttpClient.h"

#include "app/StringTable.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

namespace {

bool InitCurl()
{
    static std::once_flag once;
    static bool initialised = false;
    std::call_once(once, [] { initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return initialised;
}

// libcurl wants a URL without spaces or raw non-ASCII bytes; everything else
// goes out exactly as the caller composed it (the service requests carry
// their own escaping, which must not be redone).
QByteArray RequestUrlBytes(const QString &url)
{
    static const char kHex[] = "0123456789ABCDEF";
    const QByteArray utf8 = url.trimmed().toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7f || std::strchr("\"<>\\^`{|}", c) != nullptr) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
        } else {
            out += c;
        }
    }
    return out;
}

struct CTransfer
{
    CHttpResponse *response = nullptr;
    qint64 maxBytes = 0;
    bool tooLarge = false;
};

size_t OnHeaderLine(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<CTransfer *>(user);
    const size_t length = size * count;
    QByteArray line(data, qsizetype(length));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);

    CHttpResponse &response = *transfer->response;
    if (line.startsWith("HTTP/")) {
        // A new response begins (after a redirect or a proxy's CONNECT): only
        // the last one's headers and body belong to the answer.
        response.headers.Clear();
        response.body.clear();
    } else if (!line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t')) {
        response.headers.AppendToLast(QString::fromLatin1(line.trimmed()));
    } else {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            response.headers.Append(QString::fromLatin1(line.left(colon).trimmed()),
                                    QString::fromLatin1(line.mid(colon + 1).trimmed()));
    }
    return length;
}

thread_local const std::atomic<bool> *t_cancel = nullptr;

// libcurl calls this while the transfer runs, at least about once a second
// also when nothing arrives; anything but 0 aborts the transfer.
int OnTransferProgress(void *, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return HttpCancelRequested() ? 1 : 0;
}

size_t OnBodyData(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<CTransfer *>(user);
    const size_t length = size * count;
    QByteArray &body = transfer->response->body;
    if (qint64(body.size()) + qint64(length) > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0; // anything but `length` aborts the transfer
    }
    body.append(data, qsizetype(length));
    return length;
}

CHttpResponse Perform(const QString &url, qint64 maxBytes, const CHttpOptions &options)
{
    CHttpResponse response;
    response.effectiveUrl = url;
    maxBytes = std::max<qint64>(maxBytes, 0);
    if (!InitCurl()) {
        response.error =
            QCoreApplication::translate("Messages", "The HTTP library could not be initialised.");
        return response;
    }
    const std::unique_ptr<CURL, void (*)(CURL *)> handle(curl_easy_init(), curl_easy_cleanup);
    if (!handle) {
        response.error =
            QCoreApplication::translate("Messages", "No HTTP session could be created.");
        return response;
    }
    CURL *curl = handle.get();
    const QByteArray address = RequestUrlBytes(url);
    char errorBuffer[CURL_ERROR_SIZE] = {};
    CTransfer transfer;
    transfer.response = &response;
    transfer.maxBytes = maxBytes;

    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, long(std::max(options.maxRedirects, 0)));
    const QByteArray userAgent =
        options.userAgent.isEmpty() ? QByteArray(kHttpUserAgent) : options.userAgent;
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.constData());
    // No CURLOPT_PROXY: setting it, even empty, would override the proxy
    // environment variables. No CURLOPT_ACCEPT_ENCODING either: the cover
    // download compares Content-Length with the size of the body it stores.
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(std::max(options.connectTimeoutMs, 0)));
    if (options.lowSpeedSeconds > 0) {
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(options.lowSpeedSeconds));
    }
    const int limitMs = options.totalTimeoutMs > 0
                            ? std::min(options.totalTimeoutMs, DownloadTimeLimitMs())
                            : DownloadTimeLimitMs();
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(limitMs));
    // Refuses an announced oversized body before it is sent (0 would mean no
    // limit); OnBodyData enforces the cap for bodies of unknown length.
    if (maxBytes > 0)
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(maxBytes));
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeaderLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBodyData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    if (t_cancel) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnTransferProgress);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }

    const CURLcode code = curl_easy_perform(curl);

    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response.status = int(status);
    char *effective = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
        response.effectiveUrl = QString::fromUtf8(effective);

    if (code != CURLE_OK) {
        if (code == CURLE_ABORTED_BY_CALLBACK)
            response.error = TranslatedMessage(kHttpCancelledError);
        else if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            response.error =
                QCoreApplication::translate("Messages", "The answer is larger than %1 bytes.")
                    .arg(maxBytes);
        else
            response.error =
                QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
        response.body.clear();
        return response;
    }
    if (status < 200 || status > 299) {
        response.error =
            QCoreApplication::translate("Messages", "The server answered with HTTP status %1.")
                .arg(status);
        return response;
    }
    response.ok = true;
    return response;
}

std::atomic<int> g_downloadTimeLimitMs{kDownloadTimeLimitMs};

} // namespace

CHttpCancelScope::CHttpCancelScope(const std::atomic<bool> &cancel)
{
    t_cancel = &cancel;
}

CHttpCancelScope::~CHttpCancelScope()
{
    t_cancel = nullptr;
}

bool HttpCancelRequested()
{
    return t_cancel && t_cancel->load();
}

int DownloadTimeLimitMs()
{
    return g_downloadTimeLimitMs;
}

CDownloadTimeLimitOverride::CDownloadTimeLimitOverride(int limitMs)
{
    g_downloadTimeLimitMs = limitMs;
}

CDownloadTimeLimitOverride::~CDownloadTimeLimitOverride()
{
    g_downloadTimeLimitMs = kDownloadTimeLimitMs;
}

CHttpOptions CHttpOptions::ForXml()
{
    return CHttpOptions();
}

void CHttpHeaders::Append(const QString &name, const QString &value)
{
    m_items.append(qMakePair(name, value));
}

void CHttpHeaders::AppendToLast(const QString &more)
{
    if (m_items.isEmpty())
        return;
    QString &value = m_items.last().second;
    value = value.isEmpty() ? more : value + u' ' + more;
}

QString CHttpHeaders::Value(const QString &name) const
{
    for (const auto &item : m_items) {
        if (item.first.compare(name, Qt::CaseInsensitive) == 0)
            return item.second;
    }
    return QString();
}

bool CHttpHeaders::Contains(const QString &name) const
{
    return std::any_of(m_items.cbegin(), m_items.cend(), [&name](const auto &item) {
        return item.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

CHttpResponse HttpGet(const QString &url, qint64 maxBytes, const CHttpOptions &options)
{
    return Perform(url, maxBytes, options);
}

bool DownloadToFile(const QString &url, const QString &path, qint64 maxBytes, CHttpResponse *info,
                    const CHttpOptions &options)
{
    CHttpResponse response = Perform(url, maxBytes, options);
    if (response.ok) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(response.body) != qint64(response.body.size()) || !file.commit()) {
            response.ok = false;
            response.error = QCoreApplication::translate("Messages", "Cannot write %1: %2")
                                 .arg(path, file.errorString());
        }
    }
    response.body.clear();
    const bool ok = response.ok;
    if (info)
        *info = std::move(response);
    return ok;
}

bool CUrlStream::Open(const QString &url, qint64 maxBytes, const CHttpOptions &options)
{
    Close();
    m_response = Perform(url, std::min(maxBytes, kMaxStreamBytes), options);
    if (!m_response.ok)
        m_response.body.clear();
    m_open = m_response.ok;
    return m_open;
}

qint64 CUrlStream::Read(char *buffer, qint64 maximum)
{
    if (!m_open || !buffer || maximum <= 0)
        return 0;
    const qint64 count = std::min(maximum, qint64(m_response.body.size()) - m_position);
    if (count <= 0)
        return 0;
    std::memcpy(buffer, m_response.body.constData() + m_position, size_t(count));
    m_position += count;
    return count;
}

void CUrlStream::Close()
{
    m_response = CHttpResponse();
    m_position = 0;
    m_open = false;
}

std::unique_ptr<CUrlStream> OpenUrl(const QString &url, QString *error, qint64 maxBytes,
                                    const CHttpOptions &options)
{
    auto stream = std::make_unique<CUrlStream>();
    if (!stream->Open(url, maxBytes, options)) {
        if (error)
            *error = stream->ErrorText();
        return nullptr;
    }
    if (error)
        error->clear();
    return stream;
}

QString QueryHeader(const CUrlStream &stream, const QString &name)
{
    return stream.Header(name);
}

qint64 ReadBody(CUrlStream &stream, char *buffer, qint64 maximum)
{
    return stream.Read(buffer, maximum);
}

void CloseUrl(std::unique_ptr<CUrlStream> &stream)
{
    if (stream)
        stream->Close();
    stream.reset();
}
#include "app/StringTable.h"
