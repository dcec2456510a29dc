#pragma once

#include <QString>
#include <QStringView>

// A book's number in its series is a text such as "3", "2.5" or "0.5" (a
// comma counts as the decimal point: "2,5"). Anything else ("three", "2a",
// "-1") is refused where a number is typed, imported or set.
bool IsSeriesNumberText(QStringView text);

// The number as stored: trimmed, with a point for decimals; empty for an
// empty text. Only meaningful for IsSeriesNumberText texts.
QString StoredSeriesNumber(QStringView text);

// A text that sorts series numbers by their value as plain text: "2" before
// "2.5" before "10". Empty for a text that is no series number, which the
// members of a series list after the numbered ones. Registered on every
// connection as the SQL function series_number_key(Number).
QString SeriesNumberSortKey(QStringView number);
