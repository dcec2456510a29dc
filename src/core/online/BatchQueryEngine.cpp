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
    : m_connection(connection), m_imagesDir(imagesDir)
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
    CBatchLookup lookup(m_queue);
    m_lookup = &lookup;
    for (int index = 0; index < m_queue.size(); ++index) {
        ProcessEntry(index);
        ++m_current;
        if (m_state == kCancelling) {
            m_running = false;
            if (onCancelled)
                onCancelled();
            return;
        }
    }
    m_state = kFinished;
    m_running = false;
    if (onFinished)
        onFinished();
}

void CBatchQueryEngine::ProcessEntry(int index)
{
    const QString entry = m_queue.at(index);
    const bool found = m_lookup->Lookup(m_record, index);

    // An ISBN found in an e-book file records that file, whether or not the
    // service knew the book.
    const QString file = m_isbnFiles.value(entry).trimmed();
    if (!file.isEmpty())
        AddEbookFile(m_record, file);

    CBatchEntryResult result;
    if (found && m_record.Save(true, m_categoryId, m_imagesDir, m_connection)) {
        result = {CBatchEntryResult::kAdded, m_record.Title};
    } else if (found && m_record.SkippedDuplicate) {
        result = {CBatchEntryResult::kDuplicateSkipped, m_record.Title};
    } else if (found) {
        result = {CBatchEntryResult::kSaveFailed, ErrorPrefix() + m_record.SaveError};
    } else {
        result = {CBatchEntryResult::kLookupFailed, ErrorPrefix() + m_record.ErrorText};
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
    if (onEntryDone)
        onEntryDone(index, result);
}
