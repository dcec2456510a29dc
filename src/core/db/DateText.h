#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

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

// A date known to the year, to the month, or to the day. Publishers often
// give only "1994" or "September 2000"; such a date is kept as precise as it
// came instead of being made up to a first of January.
struct CPartialDate
{
    int year = 0;
    int month = 0; // 1 to 12, or 0 when only the year is known
    int day = 0;   // 1 to 31, or 0 when the day is not known

    bool HasMonth() const { return month != 0; }
    bool HasDay() const { return day != 0; }
    // The calendar date of a whole date; invalid for a year or a month.
    QDate ToDate() const { return HasDay() ? QDate(year, month, day) : QDate(); }
    static CPartialDate FromDate(const QDate &date)
    {
        return {date.year(), date.month(), date.day()};
    }
    bool operator==(const CPartialDate &other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }
};

// Reads what ParseDateText reads (without its time of day), a year alone
// ("1994"), or a year and month: "2000-09", "09/2000", "Sep 2000",
// "September 2000", and the forms the interface language shows ("set 2000",
// "2000年9月"). Years run from 1 to 9999 and are written with four digits;
// anything else, an impossible date included, gives nothing.
std::optional<CPartialDate> ParsePartialDate(const QString &text);

// The form every date is stored in: ISO 8601, "2004-01-05", with
// " 13:45:00" only when there is a time, and "2000-09" or "1994" for a date
// known only to the month or year, so stored dates sort and compare in order
// as plain text, in the program and in any other tool. Takes what
// ParseDateText or ParsePartialDate reads; gives nothing for anything else.
std::optional<QString> StoredDateText(const QString &text);
// The stored form of a calendar date ("2004-01-05"); empty for an invalid one.
QString StoredDateText(const QDate &date);
// "1994", "2000-09" or "2000-09-12".
QString StoredDateText(const CPartialDate &date);

// How the program writes a date in its files and shows it by default, in
// English whatever the language: "1994", "Sep 2000", "Sep 12, 2000".
QString DisplayDateText(const CPartialDate &date);

// The language dates are shown and typed in: the interface language's
// locale, English until SetDateLanguage is called. Month names of this
// language are read by ParseDateText and ParsePartialDate besides the
// English ones and the default locale's.
void SetDateLanguage(const QLocale &locale);
QLocale DateLanguage();

// A date as the interface language writes it: "Sep 12, 2000" and
// "Sep 2000" in English, "12 set 2000" and "set 2000" in Italian,
// "2000年9月12日" and "2000年9月" in Chinese; a year alone as its number.
QString ShownDateText(const CPartialDate &date);
// A date column's text as the interface language shows it, a time of day
// kept after the date; a text that is no date ("Spring 1965") as it is.
QString ShownDateText(const QString &text);

// The day in `zone` of a moment stored as a UTC date and time
// ("2026-03-15 23:30:00" is Mar 16, 2026 in Rome), as the interface language
// shows a date; empty for an empty text, a text that is no date as it is.
QString ShownLocalDate(const QString &utcText, const QTimeZone &zone = QTimeZone::systemTimeZone());
