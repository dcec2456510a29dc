#pragma once

#include <chrono>
#include <mutex>

// A token bucket: on average `perMinute` requests a minute, and up to
// `burst` at once after a quiet spell. Threads share one limiter; each
// request reserves its place in the queue and waits for its turn.
class CRateLimiter
{
public:
    using Clock = std::chrono::steady_clock;

    CRateLimiter(int perMinute, int burst);

    // Reserves one request's place and tells how long its sender has to
    // wait before sending it (zero while the bucket holds a token).
    std::chrono::milliseconds Reserve(Clock::time_point now = Clock::now());

    // Changes the limit and fills the bucket again.
    void SetLimit(int perMinute, int burst);
    int PerMinute() const;
    int Burst() const;

private:
    mutable std::mutex m_mutex;
    double m_perSecond = 1;
    double m_burst = 1;
    // May go below zero: each reservation beyond the bucket is a debt that
    // the refill pays off, in the order the reservations were made.
    double m_tokens = 1;
    Clock::time_point m_last;
    bool m_started = false;
};
