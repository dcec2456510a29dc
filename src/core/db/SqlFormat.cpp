#include "db/SqlFormat.h"

#include "db/AmountText.h"
#include "db/DateText.h"

#include <QFileInfo>
#include <QLocale>

#include <climits>
#include <cmath>

namespace {

const QString kNull = QStringLiteral("NULL");

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Like wcstol(text, nullptr, 10) with a 32-bit long: white space, sign, digits;
// stops at the first other character and clamps on overflow.
int ScanInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const qint64 limit = negative ? -qint64(INT_MIN) : qint64(INT_MAX);
    qint64 value = 0;
    for (; i < n && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            value = limit; // keep consuming digits, the result stays clamped
    }
    return int(negative ? -value : value);
}

// "%f"-style text in the C locale, keeping the sign of a negative zero as printf does.
QString FixedText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (value == 0.0 && std::signbit(value))
        text.prepend(u'-');
    return text;
}

QString CurrencyText(double amount)
{
    QString text = QString::number(amount, 'f', 4);
    if (!text.contains(u'.'))
        return text; // infinity or NaN
    qsizetype end = text.size();
    while (text.at(end - 1) == u'0')
        --end;
    if (text.at(end - 1) == u'.')
        --end;
    text.truncate(end);
    if (text == u"-0")
        return QStringLiteral("0");
    return text.replace(u'.', QLocale().decimalPoint());
}

// "%b %d, %Y" with English month names whatever the locale.
QString DateText(const QDate &date)
{
    return date.isValid() ? DisplayDateText(CPartialDate::FromDate(date)) : QString();
}

QString Quoted(const QString &text)
{
    return u'\'' + text + u'\'';
}

// A text literal: single quotes doubled, nothing else escaped.
QString QuotedText(QString text)
{
    return Quoted(text.replace(u'\'', QStringLiteral("''")));
}

} // namespace

QString FormatSqlLiteral(const QString &text, int kind)
{
    const QString trimmed = text.trimmed(); // trims what QChar::isSpace accepts
    if (trimmed.isEmpty())
        return kNull;

    switch (kind) {
    case kLiteralText:
        return QuotedText(trimmed);
    case kLiteralInteger:
        return QString::number(ScanInteger(trimmed));
    case kLiteralNumber: {
        // Number columns keep a text as text: an amount that cannot be read
        // for sure stays as it was written instead of becoming a wrong number.
        if (const std::optional<double> amount = ReadAmount(trimmed, QLocale()))
            return FixedText(*amount, 6);
        return QuotedText(trimmed);
    }
    case kLiteralDate: {
        // Written in one form whatever form it was typed in, so that stored
        // dates sort in order; the form holds no quote to double.
        const std::optional<QString> stored = StoredDateText(trimmed);
        return stored ? Quoted(*stored) : kNull;
    }
    default:
        return trimmed;
    }
}

QString FormatFieldValue(const CFieldValue &value)
{
    using Type = CFieldValue::Type;
    switch (value.type) {
    case Type::Int16:
        return QString::number(qint16(value.integer));
    case Type::Boolean:
        return value.integer != 0 ? QStringLiteral("-1") : QStringLiteral("0");
    case Type::Int32:
        return QString::number(qint32(value.integer));
    case Type::Byte:
        return QString::number(quint8(value.integer));
    case Type::Single:
        return FixedText(double(float(value.number)), 2);
    case Type::Double:
        return FixedText(value.number, 6);
    case Type::Currency:
        return CurrencyText(value.number);
    case Type::Date:
        return DateText(value.date.date());
    case Type::Text:
        return value.text;
    case Type::Empty:
    case Type::Null:
    case Type::Other:
        break;
    }
    return QString();
}

QString FormatFileSizeMb(const QString &path)
{
    const QFileInfo info(path);
    const qint64 size = info.isFile() ? info.size() : 0;
    return QString::number(double(size) / 1048576.0, 'f', 2) + QStringLiteral(" MB");
}
