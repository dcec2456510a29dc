#include "adding/BackgroundLookup.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "frame/ProgressWindow.h"
#include "online/HttpClient.h"
#include "online/LookupSource.h"

#include <QThread>

#include <thread>

bool RunInBackground(QWidget *owner, const QString &title, const std::function<QString()> &status,
                     const std::function<void(const std::atomic<bool> &cancel)> &work)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    CProgressWindow progress(owner, title, true);
    progress.SetRange(0, 0); // no measure of how far it is
    progress.SetText(status());
    progress.GoModal();
    std::thread worker([&] {
        const CHttpCancelScope scope(cancel);
        work(cancel);
        done = true;
    });
    // The worker's messages are shown by this pumping, on this thread.
    while (!done) {
        if (!progress.PeekAndPump(true))
            cancel = true;
        else
            progress.SetText(status());
        QThread::msleep(15);
    }
    worker.join();
    return !cancel;
}

bool LookUpInBackground(QWidget *owner, CBookRecord &record, const QString &isbn,
                        bool resetToDefaults)
{
    bool found = false;
    const bool finished = RunInBackground(
        owner, LoadString(176), [&record] { return record.StatusText.value(); },
        [&](const std::atomic<bool> &) {
            found = LookupByIsbn(record, isbn, resetToDefaults, false);
        });
    return found && finished;
}
