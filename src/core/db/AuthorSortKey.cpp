#include "db/AuthorSortKey.h"

#include <QStringList>

namespace {

// Endings that follow a last name without being it.
bool IsNameSuffix(const QString &word)
{
    static const QStringList suffixes = {
        QStringLiteral("jr"), QStringLiteral("jr."), QStringLiteral("sr"), QStringLiteral("sr."),
        QStringLiteral("ii"), QStringLiteral("iii"), QStringLiteral("iv")};
    return suffixes.contains(word, Qt::CaseInsensitive);
}

} // namespace

QString AuthorSortKey(QStringView author)
{
    const QStringView text = author.trimmed();
    // Several authors are written "A / B" or "A; B".
    qsizetype end = text.size();
    for (const QChar separator : {u'/', u';'}) {
        const qsizetype at = text.indexOf(separator);
        if (at >= 0 && at < end)
            end = at;
    }
    const QStringView first = text.first(end).trimmed();
    if (first.contains(u','))
        return text.toString();
    QStringList words = first.toString().split(u' ', Qt::SkipEmptyParts);
    QStringList suffixes;
    while (words.size() > 2 && IsNameSuffix(words.last()))
        suffixes.prepend(words.takeLast());
    if (words.size() < 2)
        return text.toString();
    const QString lastName = words.takeLast();
    words += suffixes;
    const QStringView others = text.sliced(end);
    return lastName + QStringLiteral(", ") + words.join(u' ') +
           (others.isEmpty() ? QString() : QLatin1Char(' ') + others.toString());
}
