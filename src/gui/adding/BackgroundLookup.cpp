#include "adding/BackgroundLookup.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "frame/ProgressWindow.h"
#include "online/HttpClient.h"
#include "online/LookupSource.h"

#include <QThread>

#include <atomic>
#include <thread>

bool LookUpInBackground(QWidget *owner, CBookRecord &record, const QString &isbn,
                        bool resetToDefaults)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    bool found = false;
    CProgressWindow progress(owner, LoadString(176), true);
    progress.SetRange(0, 0); // a lookup has no measure of how far it is
    progress.SetText(isbn);
    progress.GoModal();
    std::thread worker([&] {
        const CHttpCancelScope scope(cancel);
        found = LookupByIsbn(record, isbn, resetToDefaults, false);
        done = true;
    });
    // The worker's messages are shown by this pumping, on this thread.
    while (!done) {
        if (!progress.PeekAndPump(true))
            cancel = true;
        else
            progress.SetText(record.StatusText.value());
        QThread::msleep(15);
    }
    worker.join();
    return found && !cancel;
}
