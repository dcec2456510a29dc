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
