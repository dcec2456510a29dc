#include "online/RateLimiter.h"

#include <algorithm>
#include <cmath>

CRateLimiter::CRateLimiter(int perMinute, int burst)
{
    SetLimit(perMinute, burst);
}

std::chrono::milliseconds CRateLimiter::Reserve(Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_started && now > m_last) {
        const double elapsed = std::chrono::duration<double>(now - m_last).count();
        m_tokens = std::min(m_burst, m_tokens + elapsed * m_perSecond);
    }
    if (!m_started || now > m_last)
        m_last = now;
    m_started = true;
    m_tokens -= 1;
    if (m_tokens >= 0)
        return std::chrono::milliseconds(0);
    return std::chrono::milliseconds(std::llround(std::ceil(-m_tokens / m_perSecond * 1000)));
}

void CRateLimiter::SetLimit(int perMinute, int burst)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_perSecond = std::max(perMinute, 1) / 60.0;
    m_burst = std::max(burst, 1);
    m_tokens = m_burst;
    m_started = false;
}

int CRateLimiter::PerMinute() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::lround(m_perSecond * 60));
}

int CRateLimiter::Burst() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_burst);
}
