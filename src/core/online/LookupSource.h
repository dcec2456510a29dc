#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class CBookRecord;
class COpenLibraryBookAnswers;
class COpenLibraryClient;

// Where books are looked up by ISBN and searched by keyword.
enum class ELookupSource
{
    kOpenLibrary,
    kProduct
};

// The source the settings choose (CAppSettings::LookupSource).
ELookupSource CurrentLookupSource();

// The name a person knows the source by ("Not found at Open Library").
QString LookupSourceName(ELookupSource source);
// The source as a list of sources offers it: the product service marked as
// a service of the past.
QString LookupSourceChoiceName(ELookupSource source);
// The sources a person may choose: the product service only when it has a
// host of its own (CAppSettings::ProductHostSet), since its own hosts no
// longer answer.
QList<ELookupSource> OfferedLookupSources();
// The setting's text for a source, and back (anything unknown is Open Library).
QString LookupSourceSetting(ELookupSource source);
ELookupSource LookupSourceFromSetting(const QString &text);

// Fills `record` for `isbn` from the source the settings choose, with the
// contract of the product lookup (ProductLookupByIsbn): true when the book
// was found, even without a cover; otherwise ErrorText says why, and
// HasFatalError is set when the source could not be asked at all.
bool LookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults, bool silent);

// The lookups of one batch job, from the source chosen when the job
// starts. Open Library is asked for many ISBNs in one request; the product
// service for one at a time.
class CBatchLookup
{
public:
    // `queue` as typed; an empty entry is never asked for.
    CBatchLookup(const QStringList &queue, ELookupSource source);
    ~CBatchLookup();
    CBatchLookup(const CBatchLookup &) = delete;
    CBatchLookup &operator=(const CBatchLookup &) = delete;

    // LookupByIsbn(record, queue[index], true, true) of the job's source.
    bool Lookup(CBookRecord &record, int index);

private:
    QStringList m_queue;
    ELookupSource m_source;
    std::unique_ptr<COpenLibraryClient> m_client;
    std::unique_ptr<COpenLibraryBookAnswers> m_answers;
};
