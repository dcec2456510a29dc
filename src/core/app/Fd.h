#pragma once

#include <unistd.h>

// Closes a file descriptor when it goes.
class CFd
{
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd &) = delete;
    CFd &operator=(const CFd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};
