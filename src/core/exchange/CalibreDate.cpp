#include "exchange/CalibreDate.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

// Dates calibre writes for "unknown" fall in the year 101 (as shown in any
// time zone, 100 or 101).
constexpr int kLastUnknownYear = 101;

} // namespace

QString CalibreDay(const QString &stored, const QTimeZone &zone)
{
    static const QRegularExpression shape(QStringLiteral(
        "^\\s*(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:\\.\\d+)?)?)?\\s*"
        "(Z|[+-]\\d{2}:?\\d{2})?\\s*$"));
    const QRegularExpressionMatch match = shape.match(stored);
    if (!match.hasMatch())
        return QString();
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    if (!date.isValid() || !time.isValid() || date.year() <= kLastUnknownYear)
        return QString();
    int offsetSeconds = 0;
    const QString offset = match.captured(7);
    if (offset.size() > 1) {
        QString digits = offset.mid(1);
        digits.remove(u':');
        offsetSeconds = (digits.left(2).toInt() * 60 + digits.mid(2, 2).toInt()) * 60;
        if (offset.startsWith(u'-'))
            offsetSeconds = -offsetSeconds;
    }
    const QDateTime moment =
        QDateTime(date, time, QTimeZone(offsetSeconds)).toTimeZone(QTimeZone::utc());
    // calibre shows a date with the zone's standard offset of today, and an
    // hour more where the zone kept summer time on that day; not with the
    // local mean time the zone had in the past, which would put the midnight
    // of an old book's date on the day before.
    QDateTime shownMoment = moment;
    if (zone.isValid()) {
        int shift = zone.standardTimeOffset(QDateTime::currentDateTimeUtc());
        if (zone.isDaylightTime(moment))
            shift += zone.daylightTimeOffset(moment);
        shownMoment = moment.addSecs(shift);
    }
    const QDate shown = shownMoment.date();
    if (shown.year() <= kLastUnknownYear)
        return QString();
    return shown.toString(Qt::ISODate);
}
