#include "online/AnswerFields.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"

#include <QRegularExpression>
#include <QUrl>

#include <cmath>

QString WebAddressFromAnswer(const QString &address)
{
    const QString trimmed = address.trimmed();
    const QUrl url(trimmed);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return QString();
    return trimmed;
}

QString WholeNumberFromAnswer(const QString &text, qint64 minimum, qint64 maximum)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch())
        return QString();
    const qint64 value = trimmed.toLongLong();
    return value >= minimum && value <= maximum ? QString::number(value) : QString();
}

QString WholeNumberFromAnswer(const QJsonValue &value, qint64 minimum, qint64 maximum)
{
    if (!value.isDouble())
        return QString();
    const double number = value.toDouble();
    // Compared as doubles first, so that no out-of-range value is converted.
    if (!std::isfinite(number) || number != std::floor(number) || number < double(minimum) ||
        number > double(maximum))
        return QString();
    return QString::number(qint64(number));
}

QString DecimalFromAnswer(const QString &text, double minimum, double maximum)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}(\\.[0-9]{1,9})?$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return QString();
    const double value = trimmed.toDouble();
    return value >= minimum && value <= maximum ? trimmed : QString();
}

bool CheckAnswerTitle(CBookRecord &record, const QString &title, const QString &isbn, bool silent)
{
    if (!title.trimmed().isEmpty())
        return true;
    record.NotFound = true; // an answer without a title is no book
    record.ErrorText = TranslatedMessage(kLookupAnswerWithoutTitle).arg(isbn);
    record.StatusText = record.ErrorText;
    if (!silent)
        ShowMessage(record.ErrorText);
    return false;
}
