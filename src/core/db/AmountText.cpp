#include "db/AmountText.h"

#include <QVarLengthArray>

#include <cfloat>
#include <cmath>

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Spaces (plain, no-break, thin) and apostrophes group thousands in some
// countries ("1 299,00", "1'299.00"); they never stand for decimals.
bool IsGroupMark(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case 0x00A0:
    case 0x2009:
    case 0x202F:
    case u'\'':
    case 0x2019:
        return true;
    default:
        return false;
    }
}

// The marks that can stand between the digits of one number.
enum class MarkKind
{
    Point,
    Comma,
    Group
};

struct CMark
{
    qsizetype position; // within the number
    MarkKind kind;
};

class CAmountReader
{
public:
    CAmountReader(QStringView text, const QLocale &locale) : m_text(text)
    {
        const QString point = locale.decimalPoint();
        if (point.size() == 1)
            m_localeDecimal = point.at(0);
        // A locale whose separator is neither a point nor a comma writes
        // prices with its own; that mark then counts as a point.
        m_ownSeparator = m_localeDecimal != u'.' && m_localeDecimal != u',';
    }

    std::optional<double> Read()
    {
        if (!FindNumber())
            return std::nullopt;
        ReadExponent();
        if (HasDigitAfterNumber())
            return std::nullopt;
        CollectMarks();
        std::optional<qsizetype> decimal;
        if (!FindDecimal(&decimal) || !GroupsAreWhole(decimal))
            return std::nullopt;
        if (!m_exponent.isEmpty() && HasGrouping(decimal))
            return std::nullopt;
        return Value(decimal);
    }

private:
    bool IsDecimalCandidate(QChar c) const
    {
        return c == u'.' || c == u',' || (m_ownSeparator && c == m_localeDecimal);
    }

    MarkKind KindOf(QChar c) const
    {
        if (c == u',')
            return MarkKind::Comma;
        return IsGroupMark(c) ? MarkKind::Group : MarkKind::Point;
    }

    // The number is the first run of digits and the single marks between
    // them, with a decimal mark just before it (".5").
    bool FindNumber()
    {
        const qsizetype n = m_text.size();
        qsizetype first = 0;
        while (first < n && !IsDigit(m_text[first]))
            ++first;
        if (first == n)
            return false;
        m_start = first;
        if (m_start > 0 && IsDecimalCandidate(m_text[m_start - 1]))
            --m_start;
        m_end = first;
        for (qsizetype i = first; i < n;) {
            if (IsDigit(m_text[i])) {
                m_end = ++i;
            } else if ((IsDecimalCandidate(m_text[i]) || IsGroupMark(m_text[i])) && i + 1 < n &&
                       IsDigit(m_text[i + 1])) {
                ++i;
            } else {
                break;
            }
        }
        m_negative = SignBefore(m_start) == u'-';
        return true;
    }

    // The sign that stands before the number, with only spaces or currency
    // signs between ("-$5", "$ -2.5").
    QChar SignBefore(qsizetype position) const
    {
        for (qsizetype i = position - 1; i >= 0; --i) {
            const QChar c = m_text[i];
            if (c == u'-' || c == QChar(0x2212))
                return u'-';
            if (c == u'+')
                return u'+';
            if (!c.isSpace() && c.category() != QChar::Symbol_Currency)
                break;
        }
        return QChar();
    }

    // An exponent right after the digits ("1.5E3kg"); a bare "e" is a word.
    void ReadExponent()
    {
        const qsizetype n = m_text.size();
        m_rest = m_end;
        if (m_rest >= n || (m_text[m_rest] != u'e' && m_text[m_rest] != u'E'))
            return;
        qsizetype j = m_rest + 1;
        if (j < n && (m_text[j] == u'+' || m_text[j] == u'-'))
            ++j;
        if (j >= n || !IsDigit(m_text[j]))
            return;
        while (j < n && IsDigit(m_text[j]))
            ++j;
        m_exponent = m_text.mid(m_rest, j - m_rest).toString();
        m_rest = j;
    }

    // A second number makes the text more than an amount ("5-10", "0x1A").
    bool HasDigitAfterNumber() const
    {
        for (qsizetype i = m_rest; i < m_text.size(); ++i) {
            if (IsDigit(m_text[i]))
                return true;
        }
        return false;
    }

    void CollectMarks()
    {
        for (qsizetype i = m_start; i < m_end; ++i) {
            if (!IsDigit(m_text[i]))
                m_marks.append({i - m_start, KindOf(m_text[i])});
        }
    }

    QStringView Number() const { return m_text.mid(m_start, m_end - m_start); }

    // Digits between mark `index` and the next mark (or the end).
    qsizetype DigitsAfter(qsizetype index) const
    {
        const qsizetype from = m_marks[index].position + 1;
        const qsizetype to =
            index + 1 < m_marks.size() ? m_marks[index + 1].position : Number().size();
        return to - from;
    }

    // Decides which mark, if any, separates the decimals. False when the
    // number stays ambiguous or cannot be read.
    bool FindDecimal(std::optional<qsizetype> *decimal) const
    {
        int points = 0, commas = 0, groups = 0;
        for (const CMark &mark : m_marks) {
            points += mark.kind == MarkKind::Point;
            commas += mark.kind == MarkKind::Comma;
            groups += mark.kind == MarkKind::Group;
        }
        qsizetype last = -1;
        for (qsizetype i = 0; i < m_marks.size(); ++i) {
            if (m_marks[i].kind != MarkKind::Group)
                last = i;
        }
        if (last < 0)
            return true;
        const MarkKind kind = m_marks[last].kind;
        const int count = kind == MarkKind::Point ? points : commas;
        if (points > 0 && commas > 0) {
            // "1,299.00", "1.299,00": the last one separates the decimals.
            if (count != 1)
                return false;
            *decimal = last;
            return true;
        }
        if (count > 1)
            return true; // "1.299.000": all of them group thousands
        const bool leading = m_marks[last].position == 0;
        const bool looksGrouped =
            !leading && groups == 0 && DigitsAfter(last) == 3 && m_marks[last].position <= 3;
        if (looksGrouped && m_text[m_start + m_marks[last].position] != m_localeDecimal)
            return false;
        *decimal = last;
        return true;
    }

    bool HasGrouping(std::optional<qsizetype> decimal) const
    {
        return m_marks.size() > (decimal ? 1 : 0);
    }

    // Every thousands group has three digits and comes before the decimals;
    // the digits before the first group are one to three.
    bool GroupsAreWhole(std::optional<qsizetype> decimal) const
    {
        if (!HasGrouping(decimal))
            return true;
        if (m_marks.first().position < 1 || m_marks.first().position > 3)
            return false;
        for (qsizetype i = 0; i < m_marks.size(); ++i) {
            if (decimal && i == *decimal)
                break;
            if (decimal && i > *decimal)
                return false;
            if (DigitsAfter(i) != 3)
                return false;
        }
        return true;
    }

    double Value(std::optional<qsizetype> decimal) const
    {
        QString plain;
        if (m_negative)
            plain += u'-';
        const QStringView number = Number();
        for (qsizetype i = 0; i < number.size(); ++i) {
            if (IsDigit(number[i]))
                plain += number[i];
            else if (decimal && i == m_marks[*decimal].position)
                plain += u'.';
        }
        plain += m_exponent;
        const double value = QLocale::c().toDouble(plain);
        // An overflow would print as "inf"; the largest double keeps SQL valid.
        if (std::isinf(value))
            return value < 0 ? -DBL_MAX : DBL_MAX;
        return std::isnan(value) ? 0.0 : value;
    }

    QStringView m_text;
    QChar m_localeDecimal = u'.';
    bool m_ownSeparator = false;
    qsizetype m_start = 0;
    qsizetype m_end = 0;
    qsizetype m_rest = 0;
    bool m_negative = false;
    QString m_exponent;
    QVarLengthArray<CMark, 8> m_marks;
};

} // namespace

std::optional<double> ReadAmount(QStringView text, const QLocale &locale)
{
    return CAmountReader(text, locale).Read();
}

QString PlainNumberText(double amount)
{
    if (amount == 0.0)
        return QStringLiteral("0"); // also for a negative zero
    return QString::number(amount, 'f', QLocale::FloatingPointShortest);
}
