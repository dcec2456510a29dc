#pragma once

#include <QString>
#include <QTimeZone>

// The day of a calibre date column ("2006-12-28 23:00:00+00:00", kept in
// UTC) as calibre shows it to a user in `zone`, as an ISO date; empty for
// calibre's mark of an unknown date (the year 101) and for text that is no
// date.
QString CalibreDay(const QString &stored, const QTimeZone &zone);
