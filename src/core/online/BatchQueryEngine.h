#pragma once

#include "db/BookRecord.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

class CBatchLookup;
class CLibraryConnection;

// What became of one entry of a batch.
struct CBatchEntryResult
{
    enum Outcome
    {
        kAdded,            // the book was saved
        kDuplicateSkipped, // the library has the ISBN and the answer was to skip it
        kLookupFailed,     // the service did not give the book
        kSaveFailed        // the book was found but could not be written
    };
    Outcome outcome = kLookupFailed;
    // The entry's Title cell: the title, or "Error: " and the reason.
    QString titleCell;

    bool IsError() const { return outcome == kLookupFailed || outcome == kSaveFailed; }
};

// Records in `record` the e-book file its ISBN was found in: the related link
// "eBook file", the file's size, the CHM format and the store tag of its name.
void AddEbookFile(CBookRecord &record, const QString &path);

// Looks up a queue of ISBNs one after another on a worker thread and saves
// every book found into one category. The batch dialog shows its progress;
// the command-line tool runs it to the end. The callbacks run on the worker
// thread: the dialog forwards them to its own thread.
class CBatchQueryEngine
{
public:
    enum State
    {
        kReady = 0,
        kRunning = 1,
        kFinished = 3,
        kCancelling = 4
    };

    CBatchQueryEngine(CLibraryConnection &connection, const QString &imagesDir);
    // Cancels a running job and waits for the entry in hand: the engine never
    // goes away under its worker. The owner must keep what the callbacks
    // reach alive until then.
    ~CBatchQueryEngine();
    CBatchQueryEngine(const CBatchQueryEngine &) = delete;
    CBatchQueryEngine &operator=(const CBatchQueryEngine &) = delete;

    QStringList m_queue;                // ISBNs as typed, in order
    QMap<QString, QString> m_isbnFiles; // ISBN to the e-book file it was found in
    int m_categoryId = 0;
    CBookRecord m_record; // reused for every entry
    std::atomic<int> m_state{kReady};
    std::atomic<int> m_total{0};
    std::atomic<int> m_current{-1};

    std::function<void(int index, const CBatchEntryResult &result)> onEntryDone;
    std::function<void()> onFinished;  // the queue was worked through
    std::function<void()> onCancelled; // stopped after a cancel or a fatal error

    // Starts the worker; false (and nothing started) when the queue is empty.
    bool Start();
    // Asks the worker to stop: a transfer in hand is aborted at once (its
    // entry fails with "Error: " and the reason), an entry past its transfers
    // is finished first.
    void RequestCancel();
    // Waits until the worker has ended.
    void Wait();
    // True from Start until the worker has ended.
    bool IsRunning() const { return m_running; }

    // The record's status line, safe to read while the worker writes it.
    QString StatusText() const { return m_record.StatusText.value(); }
    // Progress in percent, as the dialog's bar shows it.
    int ProgressPercent() const;

private:
    void Work();
    void ProcessEntry(int index);

    CLibraryConnection &m_connection;
    QString m_imagesDir;
    CBatchLookup *m_lookup = nullptr; // the job's, while the worker runs
    std::thread m_worker;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_abortTransfers{false};
};
