#pragma once

#include <QString>
#include <QStringList>

// Small text rules the readers of other catalogues' exports share.

// The non-empty, trimmed parts of `text` split at any of `separators`.
QStringList SplitExportList(const QString &text, const QString &separators);

// "Herbert, Frank" as "Frank Herbert"; a name without exactly one comma
// stays as it is.
QString NameFirstNameFirst(const QString &lastCommaFirst);

// The text inside one pair of square brackets ("[0441172717]"), or the text
// itself when it is not bracketed.
QString WithoutBrackets(const QString &text);

// Character references (&amp; &#039; &#x27; ...) replaced by their
// characters; exports that escaped twice ("&amp;#039;") are undone too.
QString DecodeHtmlEntities(const QString &text);

// True for the answers spreadsheets and exports use for yes: "Yes", "true",
// "1", "Y", "x".
bool IsExportYes(const QString &text);
