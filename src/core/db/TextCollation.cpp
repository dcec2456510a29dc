#include "db/TextCollation.h"

#include <QString>

namespace {

bool IsAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Case folded, decomposed, with the combining marks left out.
QString BaseLetters(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString base;
    base.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (!c.isMark())
            base += c;
    }
    return base.toCaseFolded();
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

int CompareFoldingCase(QStringView left, QStringView right)
{
    if (IsAscii(left) && IsAscii(right))
        return Sign(left.compare(right, Qt::CaseInsensitive));
    const int byBase = BaseLetters(left).compare(BaseLetters(right));
    if (byBase != 0)
        return Sign(byBase);
    return Sign(left.toString().toCaseFolded().compare(right.toString().toCaseFolded()));
}

QString FoldingSortKey(QStringView text)
{
    // Base letters first, then the folded text for the accents; a null
    // character between them keeps a shorter text before the longer ones it
    // begins.
    return BaseLetters(text) + QChar(0) + text.toString().toCaseFolded();
}

bool LikeFoldingCase(QStringView pattern, QStringView text, QChar escape)
{
    const QString p = pattern.toString().toCaseFolded();
    const QString t = text.toString().toCaseFolded();
    const QChar esc = escape.isNull() ? QChar() : escape.toCaseFolded();
    qsizetype pi = 0;
    qsizetype ti = 0;
    qsizetype starP = -1; // position after the last "%" seen
    qsizetype starT = 0;  // where the text stood when it was seen
    while (ti < t.size()) {
        if (pi < p.size() && !esc.isNull() && p.at(pi) == esc && pi + 1 < p.size()) {
            if (p.at(pi + 1) == t.at(ti)) {
                pi += 2;
                ++ti;
                continue;
            }
        } else if (pi < p.size() && p.at(pi) == u'%') {
            starP = ++pi;
            starT = ti;
            continue;
        } else if (pi < p.size() && (p.at(pi) == u'_' || p.at(pi) == t.at(ti))) {
            ++pi;
            ++ti;
            continue;
        }
        if (starP < 0)
            return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size() && p.at(pi) == u'%')
        ++pi;
    return pi == p.size();
}
