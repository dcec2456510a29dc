#pragma once

#include <QList>
#include <QString>

// Texts of the search that have no string number (the other one: 143).
inline constexpr char kSearchStatusLine[] =
    "%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)";
inline constexpr char kSearchPageCount[] = "%n page(s)";
inline constexpr char kSearchNoValidResults[] =
    "No valid results found.\nNote: e-books are ignored.";

// The status line of a page of results: how many results on how many
// pages, and which page is shown.
QString SearchStatusText(qint64 results, int pages, int page);

// Fixed value of the search requests.
inline constexpr char kSearchDeveloperToken[] = "K8R2VW5QZ7MN4";

// A search term as the service should see it: ":" and "&" deleted, lower
// case, the words "and", "or" and "not" dropped, trimmed. Apply once only:
// cleaning is not idempotent ("a and and b" keeps one "and" the first time).
QString CleanSearchTerm(const QString &term);

// The PowerSearch query for the given terms (cleaned here):
// "title:T and author:A and publisher:P" with the parts of empty terms left
// out.
QString BuildPowerSearchQuery(const QString &title, const QString &author,
                              const QString &publisher);

// Escapes "%", " ", "+", "/", "?" and "#" of a query, nothing else.
QString EscapePowerSearchQuery(const QString &query);

// The search request for one page of `query` (escaped here) on the
// configured search host.
QString PowerSearchUrl(const QString &query, int page);

// The page each paging button leads to, or 0 when the button does nothing
// on `currentPage` of `totalPages`.
int FirstPageOf(int currentPage, int totalPages);
int PreviousPageOf(int currentPage, int totalPages);
int NextPageOf(int currentPage, int totalPages);
int LastPageOf(int currentPage, int totalPages);

// One found book, in the columns of the results list.
struct CSearchResultRow
{
    QString Isbn;
    QString Title;
    QString Author; // the first author only
    QString Publisher;
    QString Edition; // the item's release date
};

// The keyword search behind the results dialog: one request per page to the
// source the settings choose, the page's items that have a valid ISBN (e-books
// have none) as rows.
class CKeywordSearch
{
public:
    // Fetches `page` for the terms (as the user typed them; cleaned here) and
    // refills the members. Messages go through ShowMessage unless
    // m_showMessages is clear (a caller on a worker thread shows m_errorText,
    // or kSearchNoValidResults for a page without rows, itself). False when all
    // terms are empty (nothing is done then), when the answer could not be
    // loaded, or when the service refused the query; true when a page was
    // read, even one without a valid item.
    bool RunSearch(const QString &title, const QString &author, const QString &publisher, int page);

    int m_currentPage = 0;
    int m_totalPages = 0;
    QString m_totalResults; // as the service gives it
    QString m_statusText;   // the status line above the list
    // In the order the list shows them, top first. For the product service the
    // list puts each item at the top as it comes, so this is the reverse of the
    // answer's order; Open Library's rows keep its ranking.
    QList<CSearchResultRow> m_rows;
    QString m_errorText; // the text of the last failure message
    bool m_showMessages = true;
};
