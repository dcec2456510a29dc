#include "db/DateText.h"

#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QStringView>

#include <atomic>

namespace {

// Three for the date, then at most "T", hours, minutes, seconds, milliseconds
// and AM/PM; anything longer is not a date.
constexpr int kMaxTokens = 9;

struct CDateToken
{
    enum class Kind
    {
        Number,
        Word
    };

    Kind kind = Kind::Number;
    char16_t sep = 0; // punctuation before the token, u' ' for white space only, 0 for none
    int value = 0;    // Number
    int digits = 0;   // Number
    QStringView word; // Word
};

bool IsPunctuation(QChar c)
{
    return c == u',' || c == u'/' || c == u'-' || c == u'.' || c == u':';
}

// Splits the text into numbers and words. Only ASCII digits, letters, white
// space and the punctuation above may occur; this is what keeps quotes (and
// anything else) out of every text that parses. Gives the token count, or -1.
int Tokenize(QStringView text, CDateToken (&tokens)[kMaxTokens])
{
    int count = 0;
    char16_t sep = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            if (sep == 0)
                sep = u' ';
            ++i;
            continue;
        }
        if (IsPunctuation(c)) {
            if (sep != 0 && sep != u' ')
                return -1;
            sep = c.unicode();
            ++i;
            continue;
        }
        if (count == kMaxTokens)
            return -1;
        CDateToken &token = tokens[count];
        token.sep = sep;
        const qsizetype start = i;
        if (c >= u'0' && c <= u'9') {
            int value = 0;
            while (i < n && text[i] >= u'0' && text[i] <= u'9') {
                if (i - start == 4)
                    return -1;
                value = value * 10 + (text[i].unicode() - u'0');
                ++i;
            }
            token.kind = CDateToken::Kind::Number;
            token.value = value;
            token.digits = int(i - start);
        } else if (c.isLetter()) {
            while (i < n && text[i].isLetter())
                ++i;
            token.kind = CDateToken::Kind::Word;
            token.word = text.mid(start, i - start);
        } else {
            return -1;
        }
        ++count;
        sep = 0;
    }
    if (sep != 0 && sep != u' ')
        return -1; // trailing punctuation
    return count;
}

// What the default locale contributes: the order of day, month and year in
// numeric dates, and its own month names. Rebuilt only when the locale changes.
struct CLocaleDateInfo
{
    QLocale locale;
    int dayPos = 1;
    int monthPos = 0;
    int yearPos = 2;
    QString monthNames[4][12];
};

void ReadLocale(CLocaleDateInfo &info)
{
    int day = -1;
    int month = -1;
    int year = -1;
    int next = 0;
    bool quoted = false;
    const QString format = info.locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'd' && day < 0)
            day = next++;
        else if (c == u'M' && month < 0)
            month = next++;
        else if (c == u'y' && year < 0)
            year = next++;
    }
    if (day < 0 || month < 0 || year < 0) {
        day = 1;
        month = 0;
        year = 2;
    }
    info.dayPos = day;
    info.monthPos = month;
    info.yearPos = year;

    for (int m = 0; m < 12; ++m) {
        info.monthNames[0][m] = info.locale.monthName(m + 1, QLocale::LongFormat);
        info.monthNames[1][m] = info.locale.monthName(m + 1, QLocale::ShortFormat);
        info.monthNames[2][m] = info.locale.standaloneMonthName(m + 1, QLocale::LongFormat);
        info.monthNames[3][m] = info.locale.standaloneMonthName(m + 1, QLocale::ShortFormat);
        for (auto &names : info.monthNames) {
            // "Jan." is tokenized as the word "Jan" followed by a point
            if (names[m].endsWith(u'.'))
                names[m].chop(1);
        }
    }
}

const CLocaleDateInfo &CurrentLocaleInfo()
{
    thread_local CLocaleDateInfo info;
    thread_local bool ready = false;
    const QLocale locale;
    if (!ready || info.locale != locale) {
        info.locale = locale;
        ReadLocale(info);
        ready = true;
    }
    return info;
}

// The interface language's locale, set once at start-up and read by every
// thread that reads a date; each thread keeps its month names until the
// language changes.
struct CDateLanguageStore
{
    QMutex mutex;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    std::atomic<int> generation{0};
};

CDateLanguageStore &DateLanguageStore()
{
    static CDateLanguageStore store;
    return store;
}

const CLocaleDateInfo &DateLanguageInfo()
{
    thread_local CLocaleDateInfo info;
    thread_local int generation = -1;
    const int now = DateLanguageStore().generation.load();
    if (generation != now) {
        info.locale = DateLanguage();
        ReadLocale(info);
        generation = now;
    }
    return info;
}

const char16_t *const kEnglishMonths[12] = {u"January",   u"February", u"March",    u"April",
                                            u"May",       u"June",     u"July",     u"August",
                                            u"September", u"October",  u"November", u"December"};

// 1 to 12, or 0 when the word names no month.
int MonthFromWord(QStringView word, const CLocaleDateInfo &info)
{
    for (int m = 0; m < 12; ++m) {
        const QStringView name(kEnglishMonths[m]);
        if (word.compare(name, Qt::CaseInsensitive) == 0 ||
            (word.size() == 3 && word.compare(name.left(3), Qt::CaseInsensitive) == 0))
            return m + 1;
    }
    if (word.compare(u"Sept", Qt::CaseInsensitive) == 0)
        return 9;
    for (const CLocaleDateInfo *locale : {&info, &DateLanguageInfo()}) {
        for (const auto &names : locale->monthNames) {
            for (int m = 0; m < 12; ++m) {
                if (!names[m].isEmpty() && word.compare(names[m], Qt::CaseInsensitive) == 0)
                    return m + 1;
            }
        }
    }
    return 0;
}

bool IsDaySep(char16_t sep, bool mayBeNone)
{
    return (sep == 0 && mayBeNone) || sep == u' ' || sep == u',' || sep == u'-' || sep == u'.' ||
           sep == u'/';
}

// Two-digit years as the platform parser reads them: 00-29 are 20xx, 30-99 19xx.
int YearFromToken(const CDateToken &token)
{
    if (token.digits == 4)
        return token.value;
    if (token.digits <= 2)
        return token.value < 30 ? 2000 + token.value : 1900 + token.value;
    return 0; // no year 0: the date check rejects it
}

bool IsNumber(const CDateToken &token, int minDigits, int maxDigits)
{
    return token.kind == CDateToken::Kind::Number && token.digits >= minDigits &&
           token.digits <= maxDigits;
}

bool IsWord(const CDateToken &token, QStringView text)
{
    return token.kind == CDateToken::Kind::Word &&
           token.word.compare(text, Qt::CaseInsensitive) == 0;
}

// "H:MM", "H:MM:SS" or "H:MM:SS.fff", optionally followed by AM or PM.
bool ReadTime(const CDateToken *tokens, int count, QTime &time)
{
    if (count < 2 || !IsNumber(tokens[0], 1, 2) || !IsNumber(tokens[1], 2, 2) ||
        tokens[1].sep != u':')
        return false;
    int hour = tokens[0].value;
    const int minute = tokens[1].value;
    int second = 0;
    int msec = 0;
    int i = 2;
    if (i < count && tokens[i].sep == u':') {
        if (!IsNumber(tokens[i], 2, 2))
            return false;
        second = tokens[i++].value;
        if (i < count && tokens[i].sep == u'.') {
            if (!IsNumber(tokens[i], 1, 3))
                return false;
            msec = tokens[i].value * (tokens[i].digits == 1 ? 100 : tokens[i].digits == 2 ? 10 : 1);
            ++i;
        }
    }
    if (i < count && (tokens[i].sep == 0 || tokens[i].sep == u' ')) {
        const bool pm = IsWord(tokens[i], u"PM");
        if (!pm && !IsWord(tokens[i], u"AM"))
            return false;
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
        ++i;
    }
    if (i != count)
        return false;
    time = QTime(hour, minute, second, msec);
    return time.isValid();
}

// Chinese writes "2000年9月12日" and "2000年9月": read as "2000-9-12" and
// "2000-9".
QString WithoutHanDateMarks(const QString &text)
{
    if (!text.contains(u'年'))
        return text;
    QString plain = text.trimmed();
    if (plain.endsWith(u'日'))
        plain.chop(1);
    if (plain.endsWith(u'月') || plain.endsWith(u'年'))
        plain.chop(1);
    plain.replace(u'年', u'-');
    plain.replace(u'月', u'-');
    return plain;
}

bool IsNumericDateSep(char16_t sep)
{
    return sep == u'-' || sep == u'/' || sep == u'.';
}

QString FourDigitYear(int year)
{
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

} // namespace

std::optional<CPartialDate> ParsePartialDate(const QString &text)
{
    const QString plain = WithoutHanDateMarks(text);
    if (const std::optional<QDateTime> whole = ParseDateText(plain))
        return CPartialDate::FromDate(whole->date());

    CDateToken t[kMaxTokens];
    const int count = Tokenize(plain, t);
    if (count < 1 || count > 2 || (t[0].sep != 0 && t[0].sep != u' '))
        return std::nullopt;
    CPartialDate date;
    if (count == 1) {
        if (!IsNumber(t[0], 4, 4))
            return std::nullopt;
        date.year = t[0].value;
    } else if (IsNumber(t[0], 4, 4) && IsNumber(t[1], 1, 2) && IsNumericDateSep(t[1].sep)) {
        date.year = t[0].value; // 2000-09
        date.month = t[1].value;
    } else if (IsNumber(t[0], 1, 2) && IsNumber(t[1], 4, 4) && IsNumericDateSep(t[1].sep)) {
        date.month = t[0].value; // 09/2000
        date.year = t[1].value;
    } else if (t[0].kind == CDateToken::Kind::Word && IsNumber(t[1], 4, 4) &&
               IsDaySep(t[1].sep, false)) {
        date.month = MonthFromWord(t[0].word, CurrentLocaleInfo()); // Sep 2000
        date.year = t[1].value;
    } else {
        return std::nullopt;
    }
    if (date.year < 1 || (count == 2 && (date.month < 1 || date.month > 12)))
        return std::nullopt;
    return date;
}

std::optional<QString> StoredDateText(const QString &text)
{
    if (const std::optional<QDateTime> date = ParseDateText(text)) {
        if (date->time() == QTime(0, 0))
            return StoredDateText(date->date());
        return date->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    if (const std::optional<CPartialDate> date = ParsePartialDate(text))
        return StoredDateText(*date);
    return std::nullopt;
}

QString StoredDateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString StoredDateText(const CPartialDate &date)
{
    if (date.HasDay())
        return StoredDateText(date.ToDate());
    if (date.HasMonth())
        return FourDigitYear(date.year) +
               QStringLiteral("-%1").arg(date.month, 2, 10, QLatin1Char('0'));
    return FourDigitYear(date.year);
}

QString DisplayDateText(const CPartialDate &date)
{
    if (!date.HasMonth())
        return FourDigitYear(date.year);
    const QString month = QString::fromUtf16(kEnglishMonths[date.month - 1], 3);
    if (!date.HasDay())
        return month + u' ' + FourDigitYear(date.year);
    // "%b %d, %Y"
    return QStringLiteral("%1 %2, %3")
        .arg(month)
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.year);
}

void SetDateLanguage(const QLocale &locale)
{
    CDateLanguageStore &store = DateLanguageStore();
    const QMutexLocker lock(&store.mutex);
    store.locale = locale;
    ++store.generation;
}

QLocale DateLanguage()
{
    CDateLanguageStore &store = DateLanguageStore();
    const QMutexLocker lock(&store.mutex);
    return store.locale;
}

QString ShownDateText(const CPartialDate &date)
{
    if (!date.HasMonth())
        return FourDigitYear(date.year);
    const QLocale locale = DateLanguage();
    // Each language's medium form, with its own month names.
    const char *dayFormat = nullptr;
    const char *monthFormat = nullptr;
    switch (locale.language()) {
    case QLocale::Italian:
        dayFormat = "d MMM yyyy";
        monthFormat = "MMM yyyy";
        break;
    case QLocale::Chinese:
        dayFormat = "yyyy'年'M'月'd'日'";
        monthFormat = "yyyy'年'M'月'";
        break;
    default:
        return DisplayDateText(date);
    }
    if (date.HasDay())
        return locale.toString(date.ToDate(), QString::fromUtf8(dayFormat));
    return locale.toString(QDate(date.year, date.month, 1), QString::fromUtf8(monthFormat));
}

std::optional<QDateTime> ParseDateText(const QString &text)
{
    CDateToken t[kMaxTokens];
    const int count = Tokenize(text, t);
    if (count < 3 || (t[0].sep != 0 && t[0].sep != u' '))
        return std::nullopt;

    using Kind = CDateToken::Kind;
    const CLocaleDateInfo &info = CurrentLocaleInfo();
    int year = 0;
    int month = 0;
    int day = 0;
    bool iso = false;
    if (t[0].kind == Kind::Word && IsNumber(t[1], 1, 2) && t[2].kind == Kind::Number) {
        // Jan 05, 2004 / January 5 2004
        if (!IsDaySep(t[1].sep, true) || !IsDaySep(t[2].sep, false))
            return std::nullopt;
        month = MonthFromWord(t[0].word, info);
        day = t[1].value;
        year = YearFromToken(t[2]);
    } else if (IsNumber(t[0], 1, 2) && t[1].kind == Kind::Word && t[2].kind == Kind::Number) {
        // 5 January 2004 / 05-Jan-2004
        if (!IsDaySep(t[1].sep, true) || !IsDaySep(t[2].sep, true))
            return std::nullopt;
        day = t[0].value;
        month = MonthFromWord(t[1].word, info);
        year = YearFromToken(t[2]);
    } else if (t[0].kind == Kind::Number && t[1].kind == Kind::Number &&
               t[2].kind == Kind::Number) {
        const char16_t sep = t[1].sep;
        if (sep != t[2].sep || (sep != u'/' && sep != u'-' && sep != u'.' && sep != u','))
            return std::nullopt;
        if (t[0].digits == 4) {
            // a leading four-digit year is year-month-day in every locale
            if (!IsNumber(t[1], 1, 2) || !IsNumber(t[2], 1, 2))
                return std::nullopt;
            iso = true;
            year = t[0].value;
            month = t[1].value;
            day = t[2].value;
        } else {
            if (!IsNumber(t[info.dayPos], 1, 2) || !IsNumber(t[info.monthPos], 1, 2))
                return std::nullopt;
            day = t[info.dayPos].value;
            month = t[info.monthPos].value;
            year = YearFromToken(t[info.yearPos]);
        }
    } else {
        return std::nullopt;
    }

    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;

    QTime time(0, 0);
    if (count > 3) {
        int first = 3;
        if (iso && count > 4 && t[3].sep == 0 && IsWord(t[3], u"T") && t[4].sep == 0)
            first = 4;
        else if (t[3].sep != u' ')
            return std::nullopt;
        if (!ReadTime(t + first, count - first, time))
            return std::nullopt;
    }
    return QDateTime(date, time, Qt::UTC);
}

QString ShownDateText(const QString &text)
{
    if (const std::optional<QDateTime> date = ParseDateText(text)) {
        const QString day = ShownDateText(CPartialDate::FromDate(date->date()));
        if (date->time() == QTime(0, 0))
            return day;
        return day + date->time().toString(QStringLiteral(" HH:mm:ss"));
    }
    if (const std::optional<CPartialDate> date = ParsePartialDate(text))
        return ShownDateText(*date);
    return text;
}

QString ShownLocalDate(const QString &utcText, const QTimeZone &zone)
{
    // ParseDateText reads a text without a zone as UTC, which it is here.
    const std::optional<QDateTime> moment = ParseDateText(utcText);
    if (!moment)
        return utcText;
    return ShownDateText(CPartialDate::FromDate(moment->toTimeZone(zone).date()));
}
