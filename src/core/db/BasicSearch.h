#pragma once

#include <QString>

class CTomeloDoc;

// The category that Basic Search fills.
inline constexpr int kSearchResultsCategory = 3;

struct CBasicSearchResult
{
    bool ok = false;
    int found = 0; // rows the search returned, each filed in Search Results
    QString error; // the statement, a line break and the database's description
};

// Files every book whose title, author, ISBN, description, notes or user
// texts contain `keyword` (as typed, letter case aside) in Search Results,
// which is emptied first when `clearFirst` is set.
CBasicSearchResult RunBasicSearch(CTomeloDoc &doc, const QString &keyword, bool clearFirst);
