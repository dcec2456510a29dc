#include "online/LookupSource.h"

#include "app/AppSettings.h"
#include "db/BookRecord.h"
#include "online/IsbnRules.h"
#include "online/OpenLibraryClient.h"
#include "online/OpenLibraryLookup.h"
#include "online/ProductLookup.h"

#include <QCoreApplication>

ELookupSource CurrentLookupSource()
{
    return LookupSourceFromSetting(CAppSettings::LookupSource());
}

QString LookupSourceName(ELookupSource source)
{
    return source == ELookupSource::kProduct ? QStringLiteral("Amazon")
                                             : QLatin1String(kOpenLibraryName);
}

QString LookupSourceChoiceName(ELookupSource source)
{
    if (source == ELookupSource::kProduct)
        return QCoreApplication::translate("Messages", "%1 (discontinued service)")
            .arg(LookupSourceName(source));
    return LookupSourceName(source);
}

QList<ELookupSource> OfferedLookupSources()
{
    QList<ELookupSource> sources{ELookupSource::kOpenLibrary};
    if (CAppSettings::ProductHostSet())
        sources.append(ELookupSource::kProduct);
    return sources;
}

QString LookupSourceSetting(ELookupSource source)
{
    return QLatin1String(source == ELookupSource::kProduct ? kLookupSourceProduct
                                                           : kLookupSourceOpenLibrary);
}

ELookupSource LookupSourceFromSetting(const QString &text)
{
    return text.trimmed().compare(QLatin1String(kLookupSourceProduct), Qt::CaseInsensitive) == 0
               ? ELookupSource::kProduct
               : ELookupSource::kOpenLibrary;
}

bool LookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults, bool silent)
{
    if (CurrentLookupSource() == ELookupSource::kProduct)
        return ProductLookupByIsbn(record, isbn, resetToDefaults, silent);
    return OpenLibraryLookupByIsbn(record, isbn, resetToDefaults, silent);
}

CBatchLookup::CBatchLookup(const QStringList &queue, ELookupSource source)
    : m_queue(queue), m_source(source)
{
    if (m_source != ELookupSource::kOpenLibrary)
        return;
    QStringList normalised;
    for (const QString &entry : queue)
        normalised.append(NormalizeIsbn(entry));
    m_client = std::make_unique<COpenLibraryClient>();
    m_answers = std::make_unique<COpenLibraryBookAnswers>(normalised);
}

CBatchLookup::~CBatchLookup() = default;

bool CBatchLookup::Lookup(CBookRecord &record, int index)
{
    if (m_source == ELookupSource::kProduct)
        return ProductLookupByIsbn(record, m_queue.at(index), true, true);
    record.ResetToDefaults();
    m_client->status = &record.StatusText;
    return OpenLibraryLookup(record, *m_answers, index, *m_client, true);
}
