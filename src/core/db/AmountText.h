#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The amount a price text stands for, as a person or a shop wrote it:
// "$1,299.00", "1.299,00 €", "EUR 5", "12.34 MB", "8,5".
//
// Letters, currency signs and other marks around the number are dropped; a
// minus or plus sign right before it counts. Inside the number spaces and
// apostrophes always group thousands. Where both a point and a comma occur,
// the last of them is the decimal separator and the other groups thousands.
// A point or a comma that occurs more than once groups thousands. One point
// or one comma alone is a decimal separator, except when it is followed by
// exactly three digits after one to three digits ("1,299", "1.299"): such a
// text means 1299 to some readers and 1.299 to others, so it counts as a
// decimal separator only when it is `locale`'s own. Thousands groups must
// have three digits each.
//
// Gives nothing when the text holds no number, more than one number
// ("5-10", "0x1A") or one that stays ambiguous: the caller keeps the text
// rather than store a number the person did not mean.
std::optional<double> ReadAmount(QStringView text, const QLocale &locale);

// `amount` in the fewest digits that read back as the same double, with a
// point for decimals and never an exponent or digit grouping: the form book
// XML files carry, whatever the user's locale.
QString PlainNumberText(double amount);
