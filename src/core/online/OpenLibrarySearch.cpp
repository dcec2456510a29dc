#include "online/OpenLibrarySearch.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "online/AnswerFields.h"
#include "online/IsbnRules.h"
#include "online/KeywordSearch.h"
#include "online/OpenLibraryClient.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUrl>

namespace {

// More results than any search finds: a larger count is none the answer can mean.
constexpr qint64 kMaxSearchResults = 1000000000;

// The numbers among the texts of a search result are years.
QString FirstText(const QJsonValue &value)
{
    if (value.isArray())
        return FirstText(value.toArray().first());
    if (value.isDouble())
        return WholeNumberFromAnswer(value, -9999, 9999);
    return value.toString().trimmed();
}

} // namespace

QString OpenLibrarySearchUrl(const QString &title, const QString &author, const QString &publisher,
                             int page)
{
    QString query;
    const std::pair<const char *, QString> terms[] = {{"title", title.simplified()},
                                                      {"author", author.simplified()},
                                                      {"publisher", publisher.simplified()}};
    for (const auto &term : terms) {
        if (!term.second.isEmpty())
            query += QLatin1String(term.first) + u'=' +
                     QString::fromLatin1(QUrl::toPercentEncoding(term.second)) + u'&';
    }
    return OpenLibraryApiBase() + QStringLiteral("/search.json?") + query +
           QStringLiteral("fields=key,title,author_name,publisher,first_publish_year,"
                          "publish_date,isbn&limit=%1&page=%2")
               .arg(kOpenLibrarySearchPageSize)
               .arg(page);
}

bool RunOpenLibrarySearch(CKeywordSearch &search, const QString &title, const QString &author,
                          const QString &publisher, int page)
{
    search.m_rows.clear();
    search.m_currentPage = page;

    COpenLibraryClient client;
    const CHttpResponse response =
        client.Get(OpenLibrarySearchUrl(title, author, publisher, page), kMaxXmlAnswerBytes);
    QJsonParseError parse;
    const QJsonDocument document =
        response.ok ? QJsonDocument::fromJson(response.body, &parse) : QJsonDocument();
    if (!response.ok || !document.isObject()) {
        const QString reason =
            response.ok ? QCoreApplication::translate(
                              "Messages", "The answer is not the JSON Open Library sends (%1).")
                              .arg(parse.errorString())
                        : response.error;
        search.m_errorText = TranslatedMessage(kOpenLibraryLoadFailed).arg(reason);
        if (search.m_showMessages)
            ShowMessage(search.m_errorText);
        return false;
    }

    const QJsonObject answer = document.object();
    QJsonValue found = answer.value(QLatin1String("numFound"));
    if (found.isUndefined())
        found = answer.value(QLatin1String("num_found"));
    const QJsonArray docs = answer.value(QLatin1String("docs")).toArray();
    const QString count = WholeNumberFromAnswer(found, 0, kMaxSearchResults);
    // Without a count it can mean, the results are the ones this page shows.
    const qint64 total = count.isEmpty()
                             ? qint64(page - 1) * kOpenLibrarySearchPageSize + docs.size()
                             : count.toLongLong();
    search.m_totalResults = QString::number(total);
    search.m_totalPages =
        int(std::min<qint64>((total + kOpenLibrarySearchPageSize - 1) / kOpenLibrarySearchPageSize,
                             std::numeric_limits<int>::max()));
    search.m_statusText = SearchStatusText(total, search.m_totalPages, page);

    QSet<QString> seen;
    for (const QJsonValue &docValue : docs) {
        const QJsonObject doc = docValue.toObject();
        QString edition = FirstText(doc.value(QLatin1String("first_publish_year")));
        if (edition.isEmpty())
            edition = FirstText(doc.value(QLatin1String("publish_date")));
        const CSearchResultRow work{QString(), doc.value(QLatin1String("title")).toString(),
                                    FirstText(doc.value(QLatin1String("author_name"))),
                                    FirstText(doc.value(QLatin1String("publisher"))), edition};
        for (const QJsonValue &isbnValue : doc.value(QLatin1String("isbn")).toArray()) {
            const QString isbn = ConvertEanToIsbn(NormalizeIsbn(isbnValue.toString()));
            if (!IsAcceptedIsbn(isbn) || seen.contains(isbn))
                continue;
            seen.insert(isbn);
            CSearchResultRow row = work;
            row.Isbn = isbn;
            search.m_rows.append(row);
        }
    }
    if (search.m_rows.isEmpty() && search.m_showMessages)
        ShowMessage(TranslatedMessage(kSearchNoValidResults));
    return true;
}
