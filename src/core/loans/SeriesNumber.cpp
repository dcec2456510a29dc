#include "loans/SeriesNumber.h"

#include <QRegularExpression>

namespace {

// Up to nine digits, then optionally a point or comma and up to nine more.
const QRegularExpression &NumberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})(?:[.,](\\d{1,9}))?$"));
    return pattern;
}

} // namespace

bool IsSeriesNumberText(QStringView text)
{
    return NumberPattern().match(text.trimmed().toString()).hasMatch();
}

QString StoredSeriesNumber(QStringView text)
{
    QString stored = text.trimmed().toString();
    stored.replace(u',', u'.');
    return stored;
}

QString SeriesNumberSortKey(QStringView number)
{
    const QRegularExpressionMatch match = NumberPattern().match(number.trimmed().toString());
    if (!match.hasMatch())
        return QString();
    // The whole part with leading zeros cut and padded to nine digits, so
    // texts compare as the numbers do; the fraction's digits compare as
    // decimals do once the whole parts are equal ("2.10" before "2.5").
    QString whole = match.captured(1);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    QString key = whole.rightJustified(9, u'0');
    QString fraction = match.captured(2);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        key += u'.' + fraction;
    return key;
}
