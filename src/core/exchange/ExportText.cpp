#include "exchange/ExportText.h"

#include <QRegularExpression>

QStringList SplitExportList(const QString &text, const QString &separators)
{
    QStringList parts;
    QString part;
    const auto take = [&] {
        part = part.trimmed();
        if (!part.isEmpty())
            parts.append(part);
        part.clear();
    };
    for (const QChar c : text) {
        if (separators.contains(c))
            take();
        else
            part.append(c);
    }
    take();
    return parts;
}

QString NameFirstNameFirst(const QString &lastCommaFirst)
{
    const QStringList parts = lastCommaFirst.split(u',');
    if (parts.size() != 2 || parts.at(0).trimmed().isEmpty() || parts.at(1).trimmed().isEmpty())
        return lastCommaFirst.trimmed();
    return parts.at(1).trimmed() + u' ' + parts.at(0).trimmed();
}

QString WithoutBrackets(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']') &&
        trimmed.count(u'[') == 1)
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return trimmed;
}

namespace {

QString DecodeEntitiesOnce(const QString &text)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|amp|lt|gt|quot|apos|nbsp);"));
    QString result;
    qsizetype last = 0;
    auto match = entity.globalMatch(text);
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        result += QStringView(text).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString name = m.captured(1);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = (name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X'))
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t c = code;
                result += QString::fromUcs4(&c, 1);
            } else {
                result += m.captured(0);
            }
        } else if (name == u"amp") {
            result += u'&';
        } else if (name == u"lt") {
            result += u'<';
        } else if (name == u"gt") {
            result += u'>';
        } else if (name == u"quot") {
            result += u'"';
        } else if (name == u"apos") {
            result += u'\'';
        } else {
            result += QChar(0xA0);
        }
    }
    if (last == 0)
        return text;
    result += QStringView(text).mid(last);
    return result;
}

} // namespace

QString DecodeHtmlEntities(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    return DecodeEntitiesOnce(DecodeEntitiesOnce(text));
}

bool IsExportYes(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return t == u"yes" || t == u"true" || t == u"1" || t == u"y" || t == u"x";
}
