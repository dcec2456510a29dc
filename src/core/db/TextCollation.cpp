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
