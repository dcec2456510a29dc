#include "online/BatchQueryEngine.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/SqlFormat.h"
#include "online/HttpClient.h"
#include "online/IsbnRules.h"
#include "online/LookupSource.h"

#include <QCoreApplication>

namespace {

// Put before the reason an entry failed, in its row of the batch list.
QString ErrorPrefix()
{
    return TranslatedMessage(QT_TRANSLATE_NOOP("Messages", "Error: "));
}

} // namespace

void AddEbookFile(CBookRecord &record, const QString &path)
{
    record.Links.append(
        {QString::number(record.Links.size() + 1), LoadString(194), path, QString()});
    record.BookSize = FormatFileSizeMb(path);
    record.Format = QStringLiteral("CHM");
    record.Store = ReleaseTagFromFileName(path);
}

CBatchQueryEngine::CBatchQueryEngine(CLibraryConnection &connection, const QString &imagesDir)
    : m_source(CurrentLookupSource()), m_connection(connection), m_imagesDir(imagesDir)
{}

CBatchQueryEngine::~CBatchQueryEngine()
{
    // The entry in hand is finished; the rest of the queue is not waited for.
    RequestCancel();
    Wait();
}

bool CBatchQueryEngine::Start()
{
    if (m_queue.isEmpty() || m_worker.joinable())
        return false;
    m_state = kRunning;
    m_total = int(m_queue.size());
    m_current = 0;
    m_abortTransfers = false;
    m_running = true;
    m_worker = std::thread([this] { Work(); });
    return true;
}

void CBatchQueryEngine::RequestCancel()
{
    int running = kRunning;
    if (m_state.compare_exchange_strong(running, kCancelling))
        m_abortTransfers = true;
}

void CBatchQueryEngine::Wait()
{
    if (m_worker.joinable())
        m_worker.join();
}

int CBatchQueryEngine::ProgressPercent() const
{
    const int total = m_total;
    return total > 0 ? m_current * 100 / total : 0;
}

void CBatchQueryEngine::Work()
{
    const CHttpCancelScope cancelScope(m_abortTransfers);
    m_current = 0;
    m_newBookStatus = FirstStatusName(m_connection);
    m_skipped = QVector<bool>(m_queue.size(), false);
    m_acceptedDuplicates.fill(QString(), m_queue.size());
    const bool goOn = AskAboutStoredIsbns();

    // Books skipped as duplicates are never asked for.
    QStringList wanted = m_queue;
    for (int index = 0; index < wanted.size(); ++index) {
        if (m_skipped.at(index))
            wanted[index].clear();
    }
    CBatchLookup lookup(wanted, m_source);
    m_lookup = &lookup;
    for (int index = 0; goOn && index < m_queue.size(); ++index) {
        ProcessEntry(index);
        ++m_current;
        if (m_state == kCancelling)
            break;
    }
    m_lookup = nullptr;
    m_running = false;
    if (m_state == kCancelling) {
        if (onCancelled)
            onCancelled();
        return;
    }
    m_state = kFinished;
    if (onFinished)
        onFinished();
}

bool CBatchQueryEngine::AskAboutStoredIsbns()
{
    for (int index = 0; index < m_queue.size(); ++index) {
        if (m_state == kCancelling)
            return false;
        MayAdd(index);
    }
    return m_state != kCancelling;
}

bool CBatchQueryEngine::MayAdd(int index)
{
    if (m_skipped.at(index))
        return false;
    if (!m_acceptedDuplicates.at(index).isEmpty())
        return true;
    // The same ISBN earlier in the queue, or another program, may have added
    // the book since the job began.
    QString title;
    if (!FindStoredIsbn(m_queue.at(index), m_connection, title) || title.isEmpty())
        return true;
    if (ShowMessage(FormatMessage(238, {title}), MsgIcon::Question, MsgButtons::YesNo) ==
        MsgAnswer::Yes) {
        m_skipped[index] = true;
        return false;
    }
    m_acceptedDuplicates[index] = m_queue.at(index);
    return true;
}

void CBatchQueryEngine::ProcessEntry(int index)
{
    const QString entry = m_queue.at(index);
    if (!MayAdd(index)) {
        QString stored;
        FindStoredIsbn(entry, m_connection, stored);
        Report(index, {CBatchEntryResult::kDuplicateSkipped, stored, QString(), stored});
        return;
    }
    const bool found = m_lookup->Lookup(m_record, index);

    // An ISBN found in an e-book file records that file, whether or not the
    // source knew the book.
    const QString file = m_isbnFiles.value(entry).trimmed();
    if (!file.isEmpty())
        AddEbookFile(m_record, file);
    if (found && m_record.Status.trimmed().isEmpty())
        m_record.Status = m_newBookStatus;
    m_record.AcceptedDuplicateIsbn = m_acceptedDuplicates.at(index);

    CBatchEntryResult result;
    if (found && m_record.Save(true, m_categoryId, m_imagesDir, m_connection)) {
        result = {CBatchEntryResult::kAdded, m_record.Title, QString(), m_record.Title};
    } else if (found && m_record.SkippedDuplicate) {
        result = {CBatchEntryResult::kDuplicateSkipped, m_record.Title, QString(), m_record.Title};
    } else if (found) {
        result = {CBatchEntryResult::kSaveFailed, m_record.Title, m_record.SaveError,
                  ErrorPrefix() + m_record.SaveError};
    } else {
        result = {m_record.NotFound ? CBatchEntryResult::kNotFound
                                    : CBatchEntryResult::kLookupFailed,
                  QString(), m_record.ErrorText, ErrorPrefix() + m_record.ErrorText};
        if (m_record.HasFatalError) {
            ShowMessage(QCoreApplication::translate("Messages",
                                                    "Fatal error occurred. Job will be cancelled."),
                        MsgIcon::Error);
            m_record.HasFatalError = false;
            m_state = kCancelling;
        }
    }
    // The entry's downloads are of no more use.
    m_record.TempFiles.clear();
    Report(index, result);
}

void CBatchQueryEngine::Report(int index, const CBatchEntryResult &result)
{
    if (onEntryDone)
        onEntryDone(index, result);
}
