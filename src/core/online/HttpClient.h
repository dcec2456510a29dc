#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <memory>

// Synchronous HTTP GET for the online lookups. Every call blocks the calling
// thread and may run on any thread. Proxies come from the usual environment
// variables (http_proxy, https_proxy, all_proxy, no_proxy). Only http and
// https are fetched, also after a redirect: addresses come from service
// answers, and a file:// cover link must not copy a local file.

inline constexpr char kHttpUserAgent[] = "Tomelodex/1.3";

// Largest bodies the callers accept, per kind of request.
inline constexpr qint64 kMaxXmlAnswerBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxCoverBytes = 8 * 1024 * 1024;
inline constexpr qint64 kMaxPageBytes = 8 * 1024 * 1024;
// A stream holds its whole body in memory, so OpenUrl never takes more than this.
inline constexpr qint64 kMaxStreamBytes = 16 * 1024 * 1024;

// Every request ends after this long in total, redirects included, however
// its bytes trickle in: a server that sends two bytes a second passes any
// low-speed check.
inline constexpr int kDownloadTimeLimitMs = 60000;

// The limit in force: kDownloadTimeLimitMs unless a test has shortened it.
int DownloadTimeLimitMs();

// Shortens the time limit of every request for its lifetime, so that a test
// of a slow server need not wait a minute. Process-wide; not nested.
class CDownloadTimeLimitOverride
{
public:
    explicit CDownloadTimeLimitOverride(int limitMs);
    ~CDownloadTimeLimitOverride();
    CDownloadTimeLimitOverride(const CDownloadTimeLimitOverride &) = delete;
    CDownloadTimeLimitOverride &operator=(const CDownloadTimeLimitOverride &) = delete;
};

// While it lives, every request of the calling thread is aborted as soon as
// `cancel` turns true, within about a second even when the server has gone
// silent, and fails with kHttpCancelledError. One scope per thread at a time.
class CHttpCancelScope
{
public:
    explicit CHttpCancelScope(const std::atomic<bool> &cancel);
    ~CHttpCancelScope();
    CHttpCancelScope(const CHttpCancelScope &) = delete;
    CHttpCancelScope &operator=(const CHttpCancelScope &) = delete;
};

// Whether the calling thread's requests are being cancelled.
bool HttpCancelRequested();

inline constexpr char kHttpCancelledError[] = "The transfer was cancelled.";

struct CHttpOptions
{
    int connectTimeoutMs = 15000;
    // The transfer is aborted when less than one byte per second arrived for
    // this many seconds; 0 turns the check off.
    int lowSpeedSeconds = 30;
    // A shorter cap for the whole request than DownloadTimeLimitMs(); 0
    // leaves that limit alone, and it is never exceeded.
    int totalTimeoutMs = 0;
    int maxRedirects = 8;
    // Sent as the User-Agent; empty sends kHttpUserAgent.
    QByteArray userAgent;

    // The defaults for XML answers of the product service.
    static CHttpOptions ForXml();
};

// Response headers in arrival order; names compare case-insensitively.
class CHttpHeaders
{
public:
    void Append(const QString &name, const QString &value);
    void AppendToLast(const QString &more);
    void Clear() { m_items.clear(); }

    // The first value of `name`, the empty text when the header is missing.
    QString Value(const QString &name) const;
    bool Contains(const QString &name) const;
    int Count() const { return int(m_items.size()); }
    const QList<QPair<QString, QString>> &Items() const { return m_items; }

private:
    QList<QPair<QString, QString>> m_items;
};

struct CHttpResponse
{
    // The transfer worked and the final status was 2xx. A 4xx or 5xx answer is
    // a failure, but its status, headers and body are still kept here.
    bool ok = false;
    int status = 0;       // of the last response after redirects; 0 when none arrived
    CHttpHeaders headers; // of the last response only
    QByteArray body;
    QString error; // why ok is false; empty otherwise
    QString effectiveUrl;

    QString Header(const QString &name) const { return headers.Value(name); }
};

// Fetches `url` into memory. A body longer than maxBytes is a failure.
CHttpResponse HttpGet(const QString &url, qint64 maxBytes,
                      const CHttpOptions &options = CHttpOptions::ForXml());

// Fetches `url` into the file at `path`, which is written only when the
// download succeeded (an existing file is replaced then). `info` receives the
// status, headers and error; its body stays empty.
bool DownloadToFile(const QString &url, const QString &path, qint64 maxBytes,
                    CHttpResponse *info = nullptr, const CHttpOptions &options = CHttpOptions());

// A GET whose body is read in blocks. libcurl's easy interface transfers
// synchronously, so Open receives the whole body (at most maxBytes, which is
// capped at kMaxStreamBytes) before it returns; Read then serves it.
class CUrlStream
{
public:
    CUrlStream() = default;
    CUrlStream(const CUrlStream &) = delete;
    CUrlStream &operator=(const CUrlStream &) = delete;

    // False on any transport failure, a body over the cap, or a status that
    // is not 2xx; Status() and ErrorText() tell which.
    bool Open(const QString &url, qint64 maxBytes = kMaxStreamBytes,
              const CHttpOptions &options = CHttpOptions());
    bool IsOpen() const { return m_open; }
    int Status() const { return m_response.status; }
    QString ErrorText() const { return m_response.error; }
    QString Header(const QString &name) const { return m_response.headers.Value(name); }

    // Copies up to `maximum` next bytes of the body; 0 at the end or when closed.
    qint64 Read(char *buffer, qint64 maximum);
    void Close();

private:
    CHttpResponse m_response;
    qint64 m_position = 0;
    bool m_open = false;
};

// The stream operations the lookup uses, in the shape the lookup is written in.
// OpenUrl gives nullptr on failure; `error` (when given) receives why.
std::unique_ptr<CUrlStream> OpenUrl(const QString &url, QString *error = nullptr,
                                    qint64 maxBytes = kMaxStreamBytes,
                                    const CHttpOptions &options = CHttpOptions());
QString QueryHeader(const CUrlStream &stream, const QString &name);
qint64 ReadBody(CUrlStream &stream, char *buffer, qint64 maximum);
void CloseUrl(std::unique_ptr<CUrlStream> &stream);
