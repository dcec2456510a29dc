#include "online/KeywordSearch.h"

#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "online/IsbnRules.h"
#include "online/LookupSource.h"
#include "online/OpenLibrarySearch.h"
#include "online/ProductLookup.h"
#include "online/XmlFetch.h"
#include "xml/XmlDocument.h"

namespace {

QString SearchHostWithoutTrailingSlash()
{
    QString host = CAppSettings::SearchHost().trimmed();
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

} // namespace

QString SearchStatusText(qint64 results, int pages, int page)
{
    return FormatString(TranslatedCountedMessage(kSearchStatusLine, results),
                        {TranslatedCountedMessage(kSearchPageCount, pages), QString::number(page)});
}

QString CleanSearchTerm(const QString &term)
{
    QString text = term;
    text.remove(u':');
    text.remove(u'&');
    text = (u' ' + text + u' ').toLower();
    // One pass per word, left to right: "a and and b" keeps its second "and".
    text.replace(QStringLiteral(" and "), QStringLiteral(" "));
    text.replace(QStringLiteral(" or "), QStringLiteral(" "));
    text.replace(QStringLiteral(" not "), QStringLiteral(" "));
    return text.trimmed();
}

QString BuildPowerSearchQuery(const QString &title, const QString &author, const QString &publisher)
{
    const QString t = CleanSearchTerm(title);
    const QString a = CleanSearchTerm(author);
    const QString p = CleanSearchTerm(publisher);
    // Cleaned terms hold no ":", so the parts removed below can only be the
    // query's own.
    QString query = QStringLiteral("title:") + t + QStringLiteral(" and author:") + a +
                    QStringLiteral(" and publisher:") + p;
    if (t.isEmpty())
        query.remove(QStringLiteral("title: and "));
    if (a.isEmpty()) {
        query.remove(QStringLiteral(" and author:"));
        query.remove(QStringLiteral("author: and "));
    }
    if (p.isEmpty())
        query.remove(QStringLiteral(" and publisher:"));
    return query;
}

QString EscapePowerSearchQuery(const QString &query)
{
    QString escaped = query;
    escaped.replace(u'%', QStringLiteral("%25"));
    escaped.replace(u' ', QStringLiteral("%20"));
    escaped.replace(u'+', QStringLiteral("%2B"));
    escaped.replace(u'/', QStringLiteral("%2F"));
    escaped.replace(u'?', QStringLiteral("%3F"));
    escaped.replace(u'#', QStringLiteral("%23"));
    return escaped;
}

QString PowerSearchUrl(const QString &query, int page)
{
    return SearchHostWithoutTrailingSlash() + QStringLiteral("/onca/xml3?t=webservices-20&dev-t=") +
           QLatin1String(kSearchDeveloperToken) +
           QStringLiteral("&mode=books&type=lite&f=xml&sort=+titlerank&PowerSearch=") +
           EscapePowerSearchQuery(query) + QStringLiteral("&page=") + QString::number(page);
}

int FirstPageOf(int currentPage, int /*totalPages*/)
{
    return currentPage > 1 ? 1 : 0;
}

int PreviousPageOf(int currentPage, int /*totalPages*/)
{
    return currentPage > 1 ? currentPage - 1 : 0;
}

// Past the last page (the results shrank meanwhile, or the total is unknown)
// counts as on it: there is nothing further to ask for.
int NextPageOf(int currentPage, int totalPages)
{
    return currentPage < totalPages ? currentPage + 1 : 0;
}

int LastPageOf(int currentPage, int totalPages)
{
    return currentPage < totalPages ? totalPages : 0;
}

bool CKeywordSearch::RunSearch(const QString &title, const QString &author,
                               const QString &publisher, int page)
{
    if (title.trimmed().isEmpty() && author.trimmed().isEmpty() && publisher.trimmed().isEmpty())
        return false;
    if (CurrentLookupSource() == ELookupSource::kOpenLibrary)
        return RunOpenLibrarySearch(*this, title, author, publisher, page);
    m_rows.clear();
    m_currentPage = page;

    CXmlDocument document;
    if (!LoadXmlFromUrl(PowerSearchUrl(BuildPowerSearchQuery(title, author, publisher), page),
                        document)) {
        m_errorText = LoadString(143);
        if (m_showMessages)
            ShowMessage(m_errorText);
        return false;
    }

    const CXmlNode refusal = document.selectSingleNode(QStringLiteral("ProductInfo/ErrorMsg"));
    if (!refusal.isNull()) {
        m_errorText = FormatString(TranslatedMessage(kLookupServiceError), {refusal.text()});
        if (m_showMessages)
            ShowMessage(m_errorText);
        return false;
    }

    m_totalResults = document.selectSingleNode(QStringLiteral("ProductInfo/TotalResults")).text();
    const QString totalPages =
        document.selectSingleNode(QStringLiteral("ProductInfo/TotalPages")).text();
    m_totalPages = totalPages.trimmed().toInt();
    m_statusText = SearchStatusText(m_totalResults.trimmed().toLongLong(), m_totalPages, page);

    for (const CXmlNode &item : document.selectNodes(QStringLiteral("ProductInfo/Details"))) {
        const QString asin = item.selectSingleNode(QStringLiteral("Asin")).text();
        if (!IsValidIsbn(asin))
            continue;
        m_rows.prepend({asin, item.selectSingleNode(QStringLiteral("ProductName")).text(),
                        item.selectSingleNode(QStringLiteral("Authors/Author")).text(),
                        item.selectSingleNode(QStringLiteral("Manufacturer")).text(),
                        item.selectSingleNode(QStringLiteral("ReleaseDate")).text()});
    }
    if (m_rows.isEmpty() && m_showMessages)
        ShowMessage(TranslatedMessage(kSearchNoValidResults));
    return true;
}
