#include "frame/QuitOnSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_sockets[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGINT};
struct sigaction s_before[2];

void WriteWakeUp(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full socket already holds a wake-up: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(s_sockets[0], &byte, 1);
    errno = saved;
}

void RestoreHandlers()
{
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &s_before[i], nullptr);
}

} // namespace

CQuitOnSignals::CQuitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_sockets) != 0)
        return;
    m_notifier = new QSocketNotifier(s_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CQuitOnSignals::OnSignal);
    struct sigaction action = {};
    action.sa_handler = WriteWakeUp;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &action, &s_before[i]);
}

CQuitOnSignals::~CQuitOnSignals()
{
    if (!m_notifier)
        return;
    RestoreHandlers();
    delete m_notifier;
    ::close(s_sockets[0]);
    ::close(s_sockets[1]);
    s_sockets[0] = s_sockets[1] = -1;
}

void CQuitOnSignals::OnSignal()
{
    char bytes[16];
    while (::read(s_sockets[1], bytes, sizeof bytes) > 0) {
    }
    // A second request while the window closes ends the program at once.
    RestoreHandlers();
    m_requested = true;
    // A question open before the event loop runs (at start-up) is not ended
    // by quit(), which only ends a running loop: it is closed as if declined.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal())
            window->close();
    }
    QCoreApplication::quit();
}
