#include "backup/BackupTaskRunner.h"

#include "frame/ProgressWindow.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// How often the progress window is brought up to date.
constexpr int kPumpMs = 40;
constexpr int kSteps = 1000;

} // namespace

CBackupTaskRunner::CBackupTaskRunner(QWidget *owner, const QString &title, const QString &text)
    : m_owner(owner), m_title(title), m_text(text)
{}

bool CBackupTaskRunner::Run(const std::function<bool(const BackupProgress &progress)> &work)
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> cancel{false};
    const BackupProgress progress = [&](qint64 doneNow, qint64 totalNow) {
        done = doneNow;
        total = totalNow;
        return !cancel;
    };
    bool result = false;
    const std::unique_ptr<QThread> thread(QThread::create([&] { result = work(progress); }));

    CProgressWindow window(m_owner, m_title);
    window.SetText(m_text);
    window.SetRange(0, kSteps);
    window.GoModal();
    thread->start();
    while (!thread->wait(QDeadlineTimer(kPumpMs))) {
        const qint64 all = total;
        window.SetPos(all > 0 ? int(done * kSteps / all) : 0);
        if (!window.PeekAndPump(true))
            cancel = true;
    }
    m_cancelled = cancel && !result;
    return result;
}
