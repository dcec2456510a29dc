#pragma once

#include "db/BookRecord.h"
#include "online/LookupSource.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

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
        kNotFound,         // the source answered that it has no such book
        kLookupFailed,     // the source could not be asked, or the transfer was cut off
        kSaveFailed        // the book was found but could not be written
    };
    Outcome outcome = kLookupFailed;
    // The book's title: the one found, or the stored book's for a duplicate.
    QString title;
    // Why the entry failed, in full (the source's or the database's text).
    QString reason;
    // The entry's line of the command-line tool: the title, or "Error: " and
    // the reason.
    QString titleCell;

    bool IsError() const
    {
        return outcome == kNotFound || outcome == kLookupFailed || outcome == kSaveFailed;
    }
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
    // Where the job looks its books up: the source the settings choose when
    // the job is made.
    ELookupSource m_source;
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
    // Asks the duplicate question for every entry the library already has,
    // before anything is looked up; false when the job was cancelled meanwhile.
    bool AskAboutStoredIsbns();
    // Whether entry `index` may be looked up and added: not when the
    // library has its ISBN and the answer is to skip it. Each entry is asked
    // about once; a later call checks the library again only for an entry
    // that was no duplicate before.
    bool MayAdd(int index);
    void ProcessEntry(int index);
    void Report(int index, const CBatchEntryResult &result);

    CLibraryConnection &m_connection;
    QString m_imagesDir;
    CBatchLookup *m_lookup = nullptr; // the job's, while the worker runs
    QString m_newBookStatus;          // the library's first status, for books without one
    // Per entry: skipped as a duplicate, or the ISBN the user agreed to add again.
    QVector<bool> m_skipped;
    QStringList m_acceptedDuplicates;
    std::thread m_worker;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_abortTransfers{false};
};
