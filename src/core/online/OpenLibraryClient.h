#pragma once

#include "online/HttpClient.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class CRateLimiter;
class CSharedText;

// Open Library's published limits for one client address: its API and every
// *.json path, and its cover pictures.
inline constexpr int kOpenLibraryApiPerMinute = 180;
inline constexpr int kOpenLibraryApiBurst = 25;
inline constexpr int kOpenLibraryCoversPerMinute = 400;
inline constexpr int kOpenLibraryCoversBurst = 25;

// A 429 or 503 answer is asked again this often at most, waiting as long as
// its Retry-After says, else 1, 2, 4... seconds. A wait longer than the
// longest one fails the request instead of stalling the job for it.
inline constexpr int kOpenLibraryMaxAttempts = 6;
inline constexpr int kOpenLibraryLongestWaitSeconds = 120;

inline constexpr char kOpenLibraryName[] = "Open Library";
inline constexpr char kOpenLibraryLoadFailed[] = "Failed to load book info from Open Library:\n%1";
inline constexpr char kOpenLibraryWaitStatus[] =
    "Open Library asks to wait: trying again in %1 s...";
inline constexpr char kOpenLibraryLimitStatus[] =
    "Keeping to Open Library's request limit: waiting %1 s...";

// "Tomelodex/VERSION (CONTACT)": the program, its version and how to reach
// the user (the LookupContact setting, else the maker's web site), as Open
// Library asks of every client.
QByteArray OpenLibraryUserAgent();

// The process-wide limiters every request to Open Library goes through.
CRateLimiter &OpenLibraryApiLimiter();
CRateLimiter &OpenLibraryCoversLimiter();

// Sets both limiters to other limits for its lifetime (tests and benchmarks
// that must not wait for the real ones); the real limits come back after.
class COpenLibraryLimitOverride
{
public:
    COpenLibraryLimitOverride(int perMinute, int burst);
    ~COpenLibraryLimitOverride();
    COpenLibraryLimitOverride(const COpenLibraryLimitOverride &) = delete;
    COpenLibraryLimitOverride &operator=(const COpenLibraryLimitOverride &) = delete;
};

// The seconds a Retry-After value asks for (a number of seconds or an HTTP
// date, as seen at `now`); -1 when it is missing or unreadable.
int RetryAfterSeconds(const QString &value, const QDateTime &now);

// Sends GET requests to Open Library the way it asks clients to: with the
// program's User-Agent, within the request limit, and asking again after a
// 429 or 503. The waits show in `status`, and end early, like the transfers,
// when the calling thread's requests are cancelled (CHttpCancelScope).
class COpenLibraryClient
{
public:
    enum Host
    {
        kApi,
        kCovers
    };

    CSharedText *status = nullptr;

    // The answer of the last attempt. `error` reads as a sentence about
    // what went wrong when `ok` is false.
    CHttpResponse Get(const QString &url, qint64 maxBytes, Host host = kApi);

    // The number of requests sent so far, retries included.
    int RequestsSent() const { return m_sent; }

private:
    // Sleeps `ms` in short steps; false when told to stop meanwhile.
    bool Wait(qint64 ms);
    void ShowStatus(const QString &text);

    int m_sent = 0;
};

// Scheme, host and port of a host setting, without a trailing slash.
QString OpenLibraryApiBase();
QString OpenLibraryCoversBase();
