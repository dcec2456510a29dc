#pragma once

#include <QString>
#include <QStringView>

// The order and equality of text in a library. Letter case never counts, in
// any alphabet; accented letters sort beside their base letters ("Éditions"
// among the E's) but stay distinct from them. The order depends on nothing
// that changes with the locale or a library upgrade, since indexes are kept
// in it.
int CompareFoldingCase(QStringView left, QStringView right);

// A key whose plain order (QString::compare) is the order above, for sorting
// many texts without comparing each of them many times.
QString FoldingSortKey(QStringView text);

// SQL LIKE with the same disregard for letter case: "%" matches any run of
// characters, "_" any one character, and `escape` (when not null) makes the
// character after it literal.
bool LikeFoldingCase(QStringView pattern, QStringView text, QChar escape = QChar());
