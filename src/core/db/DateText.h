#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Reads a date, or a date and time, as users and the program write it, e.g.
// "Jan 05, 2004", "January 5, 2004", "5 January 2004", "05-Jan-2004",
// "2004-03-01 13:45:00", or "03/01/2004 1:45 PM" with day, month and year in
// the order of the default QLocale. Month names are English or the default
// locale's, in any case. Gives nothing for anything else, including invalid
// calendar dates and every text containing a quote, so an accepted text can be
// put inside an SQL literal as it is.
//
// The text carries no time zone, so the result is in UTC: every calendar date
// and time is representable there, while local time has gaps at DST changes.
std::optional<QDateTime> ParseDateText(const QString &text);

// The form every date is stored in: ISO 8601, "2004-01-05", with
// " 13:45:00" only when there is a time, so stored dates sort and compare
// in order as plain text, in the program and in any other tool. Takes what
// ParseDateText reads, and a bare four-digit year as its first of January
// ("1931" gives "1931-01-01"); gives nothing for anything else.
std::optional<QString> StoredDateText(const QString &text);
// The stored form of a calendar date ("2004-01-05"); empty for an invalid one.
QString StoredDateText(const QDate &date);
