#pragma once

#include <QJsonValue>
#include <QString>

// What an online answer may put into a book. A service's answer is taken
// field by field, and a field that has the wrong type or a value no book can
// have is left empty rather than stored as nonsense.

// The most pages a book is taken to have; more is a mistake of the answer.
inline constexpr qint64 kMaxAnswerPageCount = 100000;
// The most reviews an answer is believed for; the library stores a 32-bit number.
inline constexpr qint64 kMaxAnswerReviewCount = 2000000000;
// Ratings of the services run from 0 to 5 stars.
inline constexpr double kMaxAnswerRating = 5.0;

inline constexpr char kLookupAnswerWithoutTitle[] =
    "The answer for %1 has no title, so it is not taken as a book.";

// `address` trimmed when it is an absolute http or https address with a host
// (the scheme in any case), else empty: a javascript:, file:, data: or
// relative link of an answer never becomes a book's page or a download.
QString WebAddressFromAnswer(const QString &address);

// A whole number written in plain digits ("512"), as text, when it lies in
// [minimum, maximum]; else empty.
QString WholeNumberFromAnswer(const QString &text, qint64 minimum, qint64 maximum);
// The same for a JSON value, which must be a number (a string is no count).
QString WholeNumberFromAnswer(const QJsonValue &value, qint64 minimum, qint64 maximum);

// A decimal number in plain digits with an optional point ("4.5"), as sent,
// when it lies in [minimum, maximum]; else empty.
QString DecimalFromAnswer(const QString &text, double minimum, double maximum);

class CBookRecord;

// False when `title`, the title an answer gives, is blank: a record without
// one is no book, and the lookup of `isbn` has failed. `record`'s ErrorText
// then says so (shown unless `silent`).
bool CheckAnswerTitle(CBookRecord &record, const QString &title, const QString &isbn, bool silent);
