#include "db/DateText.h"
#include "db/SqlFormat.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(CFieldValue)

namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kBritain(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGermany(QLocale::German, QLocale::Germany);

} // namespace

class CSqlFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(kUnitedStates); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void literal_data();
    void literal();
    void blankIsNullForEveryKind();
    void numberOverflowStaysValidSql();
    void amountKeepsWhatWasWritten_data();
    void amountKeepsWhatWasWritten();
    void dateLiteralNeverCarriesAQuote_data();
    void dateLiteralNeverCarriesAQuote();

    void parseDate_data();
    void parseDate();
    void numericDateFollowsLocale_data();
    void numericDateFollowsLocale();
    void partialDate_data();
    void partialDate();
    void parseTime_data();
    void parseTime();
    void addedMomentShowsItsLocalDay_data();
    void addedMomentShowsItsLocalDay();

    void fieldValue_data();
    void fieldValue();
    void currencyUsesLocaleSeparator();
    void writtenDateReadsBack();

    void fileSize();
};

void CSqlFormatTest::literal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text O'Brien padded") << "  O'Brien  " << int(kLiteralText) << "'O''Brien'";
    QTest::newRow("text tabs and breaks trimmed") << "\t\nA\r\n" << int(kLiteralText) << "'A'";
    QTest::newRow("text no-break space trimmed") << "\u00a0A\u2003" << int(kLiteralText) << "'A'";
    QTest::newRow("text backslash, percent, break kept")
        << "a\\b%c\nd''" << int(kLiteralText) << "'a\\b%c\nd'''''";

    QTest::newRow("int pages") << "12 pages" << int(kLiteralInteger) << "12";
    QTest::newRow("int letters") << "abc" << int(kLiteralInteger) << "0";
    QTest::newRow("int negative") << "-3" << int(kLiteralInteger) << "-3";
    QTest::newRow("int fraction cut") << "3.9" << int(kLiteralInteger) << "3";
    QTest::newRow("int plus sign") << "+0042" << int(kLiteralInteger) << "42";
    QTest::newRow("int sign alone") << "-" << int(kLiteralInteger) << "0";
    QTest::newRow("int just over") << "2147483648" << int(kLiteralInteger) << "2147483647";
    QTest::newRow("int just under") << "-2147483649" << int(kLiteralInteger) << "-2147483648";
    QTest::newRow("int far over") << "99999999999999999999x" << int(kLiteralInteger)
                                  << "2147483647";

    QTest::newRow("num dollar") << "$12.99" << int(kLiteralNumber) << "12.990000";
    QTest::newRow("num MB") << "12.34 MB" << int(kLiteralNumber) << "12.340000";
    QTest::newRow("num dollar alone") << "$" << int(kLiteralNumber) << "'$'";
    QTest::newRow("num two dollars") << "$$5" << int(kLiteralNumber) << "5.000000";
    QTest::newRow("num dollar then space") << "$ -2.5" << int(kLiteralNumber) << "-2.500000";
    QTest::newRow("num leading point") << "-.5" << int(kLiteralNumber) << "-0.500000";
    QTest::newRow("num trailing point") << "5." << int(kLiteralNumber) << "5.000000";
    QTest::newRow("num exponent") << "1.5E3kg" << int(kLiteralNumber) << "1500.000000";
    QTest::newRow("num bare exponent") << "7e+" << int(kLiteralNumber) << "7.000000";
    QTest::newRow("num rounding") << "0.0000006" << int(kLiteralNumber) << "0.000001";
    QTest::newRow("num inf") << "inf" << int(kLiteralNumber) << "'inf'";
    QTest::newRow("num nan") << "NaN" << int(kLiteralNumber) << "'NaN'";
    QTest::newRow("num hex") << "0x1A" << int(kLiteralNumber) << "'0x1A'";
    QTest::newRow("num underflow") << "1e-999" << int(kLiteralNumber) << "0.000000";

    QTest::newRow("date own form") << "Jan 05, 2004" << int(kLiteralDate) << "'2004-01-05'";
    QTest::newRow("date long form") << "  january 5 2004 " << int(kLiteralDate) << "'2004-01-05'";
    QTest::newRow("date year") << " 2004\t" << int(kLiteralDate) << "'2004'";
    QTest::newRow("date month") << "Sep 2004" << int(kLiteralDate) << "'2004-09'";
    QTest::newRow("date iso month") << "2004-9" << int(kLiteralDate) << "'2004-09'";
    QTest::newRow("date month 13") << "2004-13" << int(kLiteralDate) << "NULL";
    QTest::newRow("date and time")
        << "03/01/2004 1:45 PM" << int(kLiteralDate) << "'2004-03-01 13:45:00'";
    QTest::newRow("date at midnight")
        << "2004-03-01 00:00:00" << int(kLiteralDate) << "'2004-03-01'";
    QTest::newRow("date year and time") << "2004 10:30" << int(kLiteralDate) << "NULL";
    QTest::newRow("date season") << "Spring 2004" << int(kLiteralDate) << "NULL";
    QTest::newRow("date iso") << "2004-03-01" << int(kLiteralDate) << "'2004-03-01'";
    QTest::newRow("date four letters") << "abcd" << int(kLiteralDate) << "NULL";
    QTest::newRow("date five digits") << "20041" << int(kLiteralDate) << "NULL";
    QTest::newRow("date Feb 30") << "February 30, 2004" << int(kLiteralDate) << "NULL";

    QTest::newRow("raw 4") << " a = 'b' " << int(kLiteralRaw) << "a = 'b'";
    QTest::newRow("raw 9") << "x" << 9 << "x";
}

void CSqlFormatTest::literal()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QCOMPARE(FormatSqlLiteral(text, kind), expected);
}

void CSqlFormatTest::blankIsNullForEveryKind()
{
    for (int kind = kLiteralText; kind <= kLiteralRaw + 1; ++kind) {
        for (const QString &blank : {QString(), QStringLiteral("   "), QStringLiteral("\t\r\n")})
            QCOMPARE(FormatSqlLiteral(blank, kind), QStringLiteral("NULL"));
    }
}

void CSqlFormatTest::numberOverflowStaysValidSql()
{
    for (const QString &text : {QStringLiteral("1e999"), QStringLiteral("-9e400")}) {
        const QString literal = FormatSqlLiteral(text, kLiteralNumber);
        bool ok = false;
        const double value = literal.toDouble(&ok);
        QVERIFY2(ok && std::isfinite(value), qPrintable(literal));
        QCOMPARE(value > 0, !text.startsWith(u'-'));
    }
}

void CSqlFormatTest::dateLiteralNeverCarriesAQuote_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote after") << "Jan 05, 2004'";
    QTest::newRow("injection") << "Jan 05, 2004'); DROP TABLE Books; --";
    QTest::newRow("quote before") << "'Jan 05, 2004";
    QTest::newRow("quote as separator") << "Jan'05, 2004";
    QTest::newRow("quote in year") << "20'4";
    QTest::newRow("quote first of four") << "'004";
    QTest::newRow("quote in month") << "Ja'n 05, 2004";
    QTest::newRow("double quote") << "\"Jan 05, 2004\"";
    QTest::newRow("quote in time") << "2004-03-01 13:45'";
    QTest::newRow("quote after month") << "Sep 2004'";
    QTest::newRow("quote in iso month") << "2004-0'";
}

void CSqlFormatTest::dateLiteralNeverCarriesAQuote()
{
    QFETCH(QString, text);
    QVERIFY(!ParseDateText(text));
    QVERIFY(!ParsePartialDate(text));
    QCOMPARE(FormatSqlLiteral(text, kLiteralDate), QStringLiteral("NULL"));
}

void CSqlFormatTest::parseDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // null: must not parse

    QTest::newRow("own form") << "Jan 05, 2004" << QDate(2004, 1, 5);
    QTest::newRow("own form upper") << "  DEC 31, 1999\t" << QDate(1999, 12, 31);
    QTest::newRow("full name") << "January 5, 2004" << QDate(2004, 1, 5);
    QTest::newRow("full name no comma") << "september 05 2004" << QDate(2004, 9, 5);
    QTest::newRow("abbreviation point") << "Sept. 5, 2004" << QDate(2004, 9, 5);
    QTest::newRow("day first") << "5 January 2004" << QDate(2004, 1, 5);
    QTest::newRow("day first dashes") << "05-jan-2004" << QDate(2004, 1, 5);
    QTest::newRow("day first short year") << "05-Jan-99" << QDate(1999, 1, 5);
    QTest::newRow("iso") << "2004-03-01" << QDate(2004, 3, 1);
    QTest::newRow("leap day") << "Feb 29, 2004" << QDate(2004, 2, 29);

    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("year only") << "2004" << QDate();
    QTest::newRow("season") << "Spring 2004" << QDate();
    QTest::newRow("month and year") << "March 2004" << QDate();
    QTest::newRow("Feb 30") << "Feb 30, 2004" << QDate();
    QTest::newRow("not leap") << "29 Feb 2003" << QDate();
    QTest::newRow("iso month 13") << "2004-13-01" << QDate();
    QTest::newRow("day zero") << "Jan 0, 2004" << QDate();
    QTest::newRow("three digit year") << "Jan 5, 204" << QDate();
    QTest::newRow("long number") << "20040301" << QDate();
    QTest::newRow("decimal") << "12.34" << QDate();
    QTest::newRow("mixed separators") << "03/01-2004" << QDate();
    QTest::newRow("space separated numbers") << "03 01 2004" << QDate();
    QTest::newRow("trailing word") << "Jan 05, 2004 maybe" << QDate();
    QTest::newRow("trailing comma") << "Jan 05, 2004," << QDate();
    QTest::newRow("leading dash") << "-Jan 05, 2004" << QDate();
    QTest::newRow("other digits") << "Jan \u0665, 2004" << QDate();
}

void CSqlFormatTest::parseDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const std::optional<QDateTime> parsed = ParseDateText(text);
    if (expected.isNull()) {
        QVERIFY2(!parsed, qPrintable(parsed ? parsed->toString(Qt::ISODate) : QString()));
    } else {
        QVERIFY(parsed);
        QCOMPARE(parsed->date(), expected);
        QCOMPARE(parsed->time(), QTime(0, 0));
    }
}

void CSqlFormatTest::partialDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");    // empty: must not parse
    QTest::addColumn<QStringList>("shown"); // English, Italian, Simplified and Traditional Chinese

    const auto row = [](const char *name, const char *text, const char *stored,
                        std::initializer_list<const char *> shown) {
        QStringList texts;
        for (const char *one : shown)
            texts.append(QString::fromUtf8(one));
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(stored) << texts;
    };
    row("year", " 1994\t", "1994", {"1994", "1994", "1994", "1994"});
    row("iso month", "2000-09", "2000-09", {"Sep 2000", "set 2000", "2000年9月", "2000年9月"});
    row("iso month one digit", "2000-9", "2000-09",
        {"Sep 2000", "set 2000", "2000年9月", "2000年9月"});
    row("month name", "September 2000", "2000-09",
        {"Sep 2000", "set 2000", "2000年9月", "2000年9月"});
    row("abbreviation point", "Sept. 2000", "2000-09",
        {"Sep 2000", "set 2000", "2000年9月", "2000年9月"});
    row("month first", "12/1999", "1999-12", {"Dec 1999", "dic 1999", "1999年12月", "1999年12月"});
    row("day", "September 12, 2000", "2000-09-12",
        {"Sep 12, 2000", "12 set 2000", "2000年9月12日", "2000年9月12日"});
    row("iso day", "2025-03-15", "2025-03-15",
        {"Mar 15, 2025", "15 mar 2025", "2025年3月15日", "2025年3月15日"});
    row("day with time", "2004-01-05 13:45:00", "2004-01-05",
        {"Jan 05, 2004", "5 gen 2004", "2004年1月5日", "2004年1月5日"});
    row("chinese day", "2025年3月15日", "2025-03-15",
        {"Mar 15, 2025", "15 mar 2025", "2025年3月15日", "2025年3月15日"});
    row("chinese month", "2000年9月", "2000-09",
        {"Sep 2000", "set 2000", "2000年9月", "2000年9月"});
    row("early year", "0800", "0800", {"0800", "0800", "0800", "0800"});

    row("month 13", "2000-13", "", {});
    row("month 0", "2000-00", "", {});
    row("impossible day", "Feb 30, 2025", "", {});
    row("impossible chinese day", "2025年2月30日", "", {});
    row("season", "Spring 2001", "", {});
    row("century", "19th century", "", {});
    row("year zero", "0000", "", {});
    row("two digit year", "99", "", {});
    row("five digit year", "19940", "", {});
    row("month alone", "Sep", "", {});
    row("trailing dash", "2000-09-", "", {});
    row("month and year with time", "Sep 2000 10:30", "", {});
}

// Every form the program stores, shows or writes must read back as the same
// date in every interface language, and a year or a month must stay one.
void CSqlFormatTest::partialDate()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QStringList, shown);
    const QLocale languages[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QStringLiteral("it")), QLocale(QStringLiteral("zh_CN")),
                                 QLocale(QStringLiteral("zh_TW"))};
    const auto restore = qScopeGuard([&] { SetDateLanguage(languages[0]); });

    const std::optional<CPartialDate> parsed = ParsePartialDate(text);
    if (stored.isEmpty()) {
        QVERIFY(!parsed);
        QVERIFY(!StoredDateText(text));
        return;
    }
    QVERIFY(parsed);
    QCOMPARE(StoredDateText(*parsed), stored);
    if (!text.contains(u':')) // a time of day is stored with its date
        QCOMPARE(FormatSqlLiteral(text, kLiteralDate), u'\'' + stored + u'\'');
    for (int i = 0; i < 4; ++i) {
        SetDateLanguage(languages[i]);
        QCOMPARE(ShownDateText(*parsed), shown.at(i));
        const std::optional<CPartialDate> again = ParsePartialDate(shown.at(i));
        QVERIFY2(again && *again == *parsed, qPrintable(shown.at(i)));
    }
    // The program's own English form reads back whatever the language.
    const std::optional<CPartialDate> english = ParsePartialDate(DisplayDateText(*parsed));
    QVERIFY(english && *english == *parsed);
}

void CSqlFormatTest::addedMomentShowsItsLocalDay_data()
{
    QTest::addColumn<QString>("stored"); // UTC
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTC") << "2026-03-15 18:04:09" << QByteArray("UTC") << "en_US"
                         << "Mar 15, 2026";
    QTest::newRow("late evening is the next day east")
        << "2026-03-15 23:30:00" << QByteArray("Europe/Rome") << "en_US"
        << "Mar 16, 2026";
    QTest::newRow("summer time counts")
        << "2026-06-30 22:30:00" << QByteArray("Europe/Rome") << "en_US"
        << "Jul 01, 2026";
    QTest::newRow("winter time counts")
        << "2026-01-31 22:30:00" << QByteArray("Europe/Rome") << "en_US"
        << "Jan 31, 2026";
    QTest::newRow("morning is the day before west")
        << "2026-03-15 06:59:59" << QByteArray("America/Los_Angeles") << "en_US"
        << "Mar 14, 2026";
    QTest::newRow("into the new year")
        << "2025-12-31 15:00:00" << QByteArray("Asia/Tokyo") << "en_US"
        << "Jan 01, 2026";
    QTest::newRow("Italian") << "2026-03-15 23:30:00" << QByteArray("Europe/Rome") << "it"
                             << "16 mar 2026";
    QTest::newRow("Chinese") << "2026-03-15 16:00:00" << QByteArray("Asia/Shanghai") << "zh_CN"
                             << QString::fromUtf8("2026年3月16日");
    QTest::newRow("none") << "" << QByteArray("Europe/Rome") << "en_US"
                          << "";
    QTest::newRow("written by another tool") << "last week" << QByteArray("Europe/Rome") << "en_US"
                                             << "last week";
}

// A moment stored in UTC shows as the calendar day it was where the
// program runs, summer time included, in the interface language.
void CSqlFormatTest::addedMomentShowsItsLocalDay()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, zone);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    const QTimeZone timeZone(zone);
    QVERIFY2(timeZone.isValid(), zone.constData());
    SetDateLanguage(QLocale(language));
    const auto restore = qScopeGuard([] { SetDateLanguage(kUnitedStates); });
    QCOMPARE(ShownLocalDate(stored, timeZone), shown);
}

void CSqlFormatTest::numericDateFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("US month first") << kUnitedStates << "03/01/2004" << QDate(2004, 3, 1);
    QTest::newRow("GB day first") << kBritain << "03/01/2004" << QDate(2004, 1, 3);
    QTest::newRow("DE day first") << kGermany << "03.01.2004" << QDate(2004, 1, 3);
    QTest::newRow("US no month 13") << kUnitedStates << "13/01/2004" << QDate();
    QTest::newRow("GB day 13") << kBritain << "13/01/2004" << QDate(2004, 1, 13);
    QTest::newRow("US short year 20xx") << kUnitedStates << "3-1-29" << QDate(2029, 3, 1);
    QTest::newRow("US short year 19xx") << kUnitedStates << "3,1,30" << QDate(1930, 3, 1);
    QTest::newRow("DE year 00") << kGermany << "1.12.00" << QDate(2000, 12, 1);
    QTest::newRow("DE iso anyway") << kGermany << "2004-03-01" << QDate(2004, 3, 1);
    QTest::newRow("DE Feb 30") << kGermany << "30.02.2004" << QDate();
    QTest::newRow("DE month name") << kGermany << "5. März 2004" << QDate(2004, 3, 5);
    QTest::newRow("DE short name") << kGermany << "5. dez. 2004" << QDate(2004, 12, 5);
    QTest::newRow("DE English too") << kGermany << "Jan 05, 2004" << QDate(2004, 1, 5);
    QTest::newRow("US no German") << kUnitedStates << "5. März 2004" << QDate();
}

void CSqlFormatTest::numericDateFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QLocale::setDefault(locale);
    const std::optional<QDateTime> parsed = ParseDateText(text);
    QCOMPARE(parsed ? parsed->date() : QDate(), expected);
}

void CSqlFormatTest::parseTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("expected"); // invalid: must not parse

    QTest::newRow("iso space") << "2004-03-01 13:45:00" << QTime(13, 45);
    QTest::newRow("iso T") << "2004-03-01T13:45:07" << QTime(13, 45, 7);
    QTest::newRow("iso fraction") << "2004-03-01 13:45:07.25" << QTime(13, 45, 7, 250);
    QTest::newRow("numeric 24h") << "3/1/2004 7:05" << QTime(7, 5);
    QTest::newRow("numeric pm") << "3/1/2004 1:45 PM" << QTime(13, 45);
    QTest::newRow("pm attached") << "3/1/2004 1:45pm" << QTime(13, 45);
    QTest::newRow("noon") << "3/1/2004 12:00 PM" << QTime(12, 0);
    QTest::newRow("midnight") << "3/1/2004 12:30:10 am" << QTime(0, 30, 10);
    QTest::newRow("own form with time") << "Jan 05, 2004 23:59" << QTime(23, 59);

    QTest::newRow("hour 24") << "2004-03-01 24:00" << QTime();
    QTest::newRow("minute 60") << "2004-03-01 13:60" << QTime();
    QTest::newRow("pm on 24h hour") << "3/1/2004 13:45 PM" << QTime();
    QTest::newRow("am on hour 0") << "3/1/2004 0:45 AM" << QTime();
    QTest::newRow("hour only") << "3/1/2004 13" << QTime();
    QTest::newRow("one digit minute") << "3/1/2004 13:5" << QTime();
    QTest::newRow("T on non-iso") << "3/1/2004T13:45" << QTime();
    QTest::newRow("comma before time") << "Jan 05, 2004, 13:45" << QTime();
}

void CSqlFormatTest::parseTime()
{
    QFETCH(QString, text);
    QFETCH(QTime, expected);
    const std::optional<QDateTime> parsed = ParseDateText(text);
    QCOMPARE(parsed ? parsed->time() : QTime(), expected);
}

void CSqlFormatTest::fieldValue_data()
{
    using Type = CFieldValue::Type;
    QTest::addColumn<CFieldValue>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << CFieldValue() << "";
    QTest::newRow("null") << CFieldValue::Null() << "";
    QTest::newRow("other") << CFieldValue::FromInt(5, Type::Other) << "";
    QTest::newRow("bool true") << CFieldValue::FromInt(1, Type::Boolean) << "-1";
    QTest::newRow("bool true -1") << CFieldValue::FromInt(-1, Type::Boolean) << "-1";
    QTest::newRow("bool false") << CFieldValue::FromInt(0, Type::Boolean) << "0";
    QTest::newRow("int16 wraps") << CFieldValue::FromInt(40000, Type::Int16) << "-25536";
    QTest::newRow("int32") << CFieldValue::FromInt(-2147483647 - 1) << "-2147483648";
    QTest::newRow("byte") << CFieldValue::FromInt(200, Type::Byte) << "200";
    QTest::newRow("single") << CFieldValue::FromNumber(4.5, Type::Single) << "4.50";
    // 2.675000001 as a double would give 2.68; as a float it is 2.67499995
    QTest::newRow("single precision")
        << CFieldValue::FromNumber(2.675000001, Type::Single) << "2.67";
    QTest::newRow("double") << CFieldValue::FromNumber(-0.1) << "-0.100000";
    QTest::newRow("currency whole") << CFieldValue::FromNumber(20, Type::Currency) << "20";
    QTest::newRow("currency cents") << CFieldValue::FromNumber(12.99, Type::Currency) << "12.99";
    QTest::newRow("currency no zeros") << CFieldValue::FromNumber(12.5, Type::Currency) << "12.5";
    QTest::newRow("currency 4 digits")
        << CFieldValue::FromNumber(0.00005, Type::Currency) << "0.0001";
    QTest::newRow("currency negative") << CFieldValue::FromNumber(-3.25, Type::Currency) << "-3.25";
    QTest::newRow("currency no grouping")
        << CFieldValue::FromNumber(1234567.8, Type::Currency) << "1234567.8";
    QTest::newRow("currency tiny negative")
        << CFieldValue::FromNumber(-0.00001, Type::Currency) << "0";
    QTest::newRow("date") << CFieldValue::FromDate(QDateTime(QDate(2004, 1, 5), QTime(13, 45)))
                          << "Jan 05, 2004";
    QTest::newRow("date invalid") << CFieldValue::FromDate(QDateTime()) << "";
    QTest::newRow("text") << CFieldValue::FromText(" O'Brien\n") << " O'Brien\n";
}

void CSqlFormatTest::fieldValue()
{
    QFETCH(CFieldValue, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFieldValue(value), expected);
}

void CSqlFormatTest::currencyUsesLocaleSeparator()
{
    QLocale::setDefault(kGermany);
    QCOMPARE(FormatFieldValue(CFieldValue::FromNumber(1299.5, CFieldValue::Type::Currency)),
             QStringLiteral("1299,5"));
    QCOMPARE(FormatFieldValue(CFieldValue::FromNumber(20, CFieldValue::Type::Currency)),
             QStringLiteral("20"));
    // only currency follows the locale
    QCOMPARE(FormatFieldValue(CFieldValue::FromNumber(1.5)), QStringLiteral("1.500000"));
    QCOMPARE(FormatFieldValue(CFieldValue::FromDate(QDateTime(QDate(2004, 3, 1), QTime(0, 0)))),
             QStringLiteral("Mar 01, 2004"));
    // A price as it is shown here is written back with its fraction.
    QCOMPARE(FormatSqlLiteral(QStringLiteral("12,99"), kLiteralNumber),
             QStringLiteral("12.990000"));
    QCOMPARE(FormatSqlLiteral(
                 FormatFieldValue(CFieldValue::FromNumber(39.95, CFieldValue::Type::Currency)),
                 kLiteralNumber),
             QStringLiteral("39.950000"));
    QCOMPARE(FormatSqlLiteral(QStringLiteral("12.5"), kLiteralNumber), QStringLiteral("12.500000"));
}

// What a price text stands for, wherever it was written, under the locale
// that decides the texts only a locale can read.
void CSqlFormatTest::amountKeepsWhatWasWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QLocale c = QLocale::c();

    QTest::newRow("dollars grouped") << "$1,299.00" << c << "1299.000000";
    QTest::newRow("euros grouped") << "1.299,00 €" << c << "1299.000000";
    QTest::newRow("currency word") << "EUR 5" << c << "5.000000";
    QTest::newRow("decimal comma") << "8,5" << c << "8.500000";
    QTest::newRow("decimal comma, four digits") << "1234,56" << c << "1234.560000";
    QTest::newRow("decimal point de") << "12.99" << kGermany << "12.990000";
    QTest::newRow("three decimals after four digits") << "1234,567" << c << "1234.567000";
    QTest::newRow("comma and three digits") << "1,299" << kUnitedStates << "'1,299'";
    QTest::newRow("comma and three digits de") << "1,299" << kGermany << "1.299000";
    QTest::newRow("point and three digits") << "1.299" << kUnitedStates << "1.299000";
    QTest::newRow("point and three digits de") << "1.299" << kGermany << "'1.299'";
    QTest::newRow("points group de") << "EUR 1.299.000,5" << kGermany << "1299000.500000";
    QTest::newRow("no-break space groups")
        << QStringLiteral("1\u00a0299,50\u00a0€") << c << "1299.500000";
    QTest::newRow("apostrophe groups") << "CHF 1'299.90" << c << "1299.900000";
    QTest::newRow("sign before the currency") << "-$5" << c << "-5.000000";
    QTest::newRow("words around") << "ca. 12,50 € (used)" << c << "12.500000";
    QTest::newRow("leading comma") << ",75" << c << "0.750000";
    QTest::newRow("range") << "5-10" << c << "'5-10'";
    QTest::newRow("two numbers") << "Vol 2 12.99" << c << "'Vol 2 12.99'";
    QTest::newRow("group of two") << "1,29,900" << c << "'1,29,900'";
    QTest::newRow("group after decimal") << "1.299,00.5" << c << "'1.299,00.5'";
    QTest::newRow("grouped with exponent") << "1,299e3" << kUnitedStates << "'1,299e3'";
    QTest::newRow("no number, quote kept") << "O'Neil's price" << c << "'O''Neil''s price'";
}

void CSqlFormatTest::amountKeepsWhatWasWritten()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    QCOMPARE(FormatSqlLiteral(text, kLiteralNumber), expected);
}

void CSqlFormatTest::writtenDateReadsBack()
{
    // The text the program writes for a date column must read back as the same date.
    const std::optional<QDateTime> typed = ParseDateText(QStringLiteral("5 January 2004"));
    QVERIFY(typed);
    QCOMPARE(FormatFieldValue(CFieldValue::FromDate(*typed)), QStringLiteral("Jan 05, 2004"));

    for (const QLocale &locale : {kUnitedStates, kGermany}) {
        QLocale::setDefault(locale);
        for (int month = 1; month <= 12; ++month) {
            const QDate date(1999 + month, month, month + 17);
            const QString written =
                FormatFieldValue(CFieldValue::FromDate(QDateTime(date, QTime(0, 0))));
            const std::optional<QDateTime> read = ParseDateText(written);
            QVERIFY2(read && read->date() == date, qPrintable(written));
            QCOMPARE(FormatSqlLiteral(written, kLiteralDate),
                     u'\'' + date.toString(Qt::ISODate) + u'\'');
        }
    }
}

void CSqlFormatTest::fileSize()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(FormatFileSizeMb(file.fileName()), QStringLiteral("0.00 MB"));
    QCOMPARE(file.write(QByteArray(3145728, 'x')), qint64(3145728));
    QVERIFY(file.flush());
    QCOMPARE(FormatFileSizeMb(file.fileName()), QStringLiteral("3.00 MB"));
    QCOMPARE(FormatSqlLiteral(FormatFileSizeMb(file.fileName()), kLiteralNumber),
             QStringLiteral("3.000000"));
    QVERIFY(file.resize(1572864 + 5243));
    QCOMPARE(FormatFileSizeMb(file.fileName()), QStringLiteral("1.51 MB"));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(FormatFileSizeMb(dir.filePath(QStringLiteral("missing.pdf"))),
             QStringLiteral("0.00 MB"));
}

QTEST_GUILESS_MAIN(CSqlFormatTest)
#include "tst_sqlformat.moc"
