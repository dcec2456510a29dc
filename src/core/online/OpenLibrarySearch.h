#pragma once

#include <QString>

class CKeywordSearch;

// Works per page of the results, as many as the product service's pages held.
inline constexpr int kOpenLibrarySearchPageSize = 10;

// The search.json request for one page of title, author and publisher words
// (empty ones left out), asking only for the fields the results list shows.
QString OpenLibrarySearchUrl(const QString &title, const QString &author, const QString &publisher,
                             int page);

// CKeywordSearch::RunSearch against Open Library: one row for each edition
// ISBN of the page's works (a 978 ISBN-13 as its ISBN-10, a 979 one as it is,
// each ISBN once), in the order Open Library ranks them.
bool RunOpenLibrarySearch(CKeywordSearch &search, const QString &title, const QString &author,
                          const QString &publisher, int page);
