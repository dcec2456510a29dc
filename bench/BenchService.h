#pragma once

// The fake product service, settings in a temporary home and a queue of 100
// ISBNs, shared by the benchmarks of the batch.

#include "FakeService.h"

#include "app/AppSettings.h"
#include "app/UserPrompt.h"
#include "online/HttpClient.h"
#include "online/ProductLookup.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

inline constexpr int kBatchEntries = 100;

// Every duplicate is added, so each entry is saved.
class CAddAnywayPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::No; }
};

// Settings and the service for the whole run.
struct BenchService
{
    QTemporaryDir config;
    CFakeService *service = nullptr;
    BenchService()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        service = new CFakeService;
        CAppSettings::SetServiceHost(service->baseUrl());
        CAppSettings::SetStoreHost(service->baseUrl());
    }
};

inline BenchService &Service()
{
    static BenchService service;
    return service;
}

inline QStringList BatchQueue()
{
    static const char *const kIsbns[] = {"0596007124", "0596004206", "080442957X", "1876543221"};
    QStringList queue;
    for (int i = 0; i < kBatchEntries; ++i)
        queue.append(QLatin1String(kIsbns[i % 4]));
    return queue;
}

// What the service itself costs for one entry: the answer and the cover,
// fetched and thrown away. Gives the bytes fetched.
inline qint64 FetchAnswerAndCover(const QString &isbn)
{
    const CHttpResponse answer = HttpGet(ItemLookupUrl(isbn), kMaxXmlAnswerBytes);
    qint64 bytes = answer.body.size();
    const int at = int(answer.body.indexOf("<LargeImage><URL>"));
    if (at >= 0) {
        const int start = at + 17;
        const QString url =
            QString::fromUtf8(answer.body.mid(start, answer.body.indexOf('<', start) - start));
        bytes += HttpGet(url, kMaxCoverBytes).body.size();
    }
    return bytes;
}
