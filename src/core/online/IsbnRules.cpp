#include "online/IsbnRules.h"

#include <algorithm>

namespace {

constexpr qsizetype kIsbnLength = 10;
// A hyphenated ISBN-10 such as 0-596-00712-4.
constexpr qsizetype kHyphenatedWindow = 13;

bool IsAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Normalises `text` on the fly into `out`; false unless the result is exactly
// ten characters long. Allocates nothing, so it can run at every position of
// a large text.
bool NormalizeTen(QStringView text, char16_t (&out)[kIsbnLength])
{
    qsizetype length = 0;
    for (const QChar c : text.trimmed()) {
        if (c == u'-')
            continue;
        if (length == kIsbnLength)
            return false;
        out[length++] = c == u'x' ? u'X' : c.unicode();
    }
    return length == kIsbnLength;
}

char16_t CheckCharacter(const char16_t *digits)
{
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * (digits[i] - u'0');
    const int r = 11 - sum % 11;
    if (r == 10)
        return u'X';
    if (r == 11)
        return u'0';
    return char16_t(u'0' + r);
}

bool IsValidTen(const char16_t (&isbn)[kIsbnLength])
{
    bool allZero = true;
    for (int i = 0; i < 9; ++i) {
        if (!IsAsciiDigit(isbn[i]))
            return false;
        allZero = allZero && isbn[i] == u'0';
    }
    const char16_t check = isbn[9];
    if (!IsAsciiDigit(check) && check != u'X')
        return false;
    if (allZero && check == u'0')
        return false;
    return CheckCharacter(isbn) == check;
}

bool ValidWindow(QStringView window, char16_t (&isbn)[kIsbnLength])
{
    return NormalizeTen(window, isbn) && IsValidTen(isbn);
}

QString TenToString(const char16_t (&isbn)[kIsbnLength])
{
    return QString(reinterpret_cast<const QChar *>(isbn), kIsbnLength);
}

} // namespace

QString NormalizeIsbn(QStringView text)
{
    QString result = text.trimmed().toString();
    result.remove(u'-');
    result.replace(u'x', u'X');
    return result;
}

bool IsValidIsbn(QStringView text)
{
    char16_t isbn[kIsbnLength];
    return ValidWindow(text, isbn);
}

QChar IsbnCheckCharacter(QStringView digits)
{
    if (digits.size() < 9)
        return QChar();
    char16_t nine[9];
    for (int i = 0; i < 9; ++i) {
        nine[i] = digits[i].unicode();
        if (!IsAsciiDigit(nine[i]))
            return QChar();
    }
    return QChar(CheckCharacter(nine));
}

QString ConvertEanToIsbn(const QString &text)
{
    if ((text.size() != 13 && text.size() != 19) || !text.startsWith(u"978"))
        return text;
    // A scanner adds a hyphen and a five-digit supplement to the 13 digits.
    const QString ean = text.left(13);
    const QChar check = IsbnCheckCharacter(QStringView(ean).sliced(3));
    if (check.isNull())
        return ean;
    const QString isbn = ean.sliced(3, 9) + check;
    return IsValidIsbn(isbn) ? isbn : ean;
}

namespace {

// The first valid ISBN of a window that starts before `lastStart`.
QString FindIsbnStartingBefore(QStringView text, qsizetype lastStart)
{
    const qsizetype size = text.size();
    const QChar *chars = text.data();
    const auto inRun = [chars](qsizetype i) {
        return IsAsciiDigit(chars[i].unicode()) || chars[i] == u'-';
    };
    char16_t isbn[kIsbnLength];
    qsizetype runEnd = 0;
    for (qsizetype i = 0; i < lastStart; ++i) {
        if (!IsAsciiDigit(chars[i].unicode()))
            continue;
        // The first nine characters of either window must be digits or
        // hyphens; shorter runs (years, prices, page numbers) are skipped whole.
        if (runEnd <= i) {
            runEnd = i + 1;
            while (runEnd < size && inRun(runEnd))
                ++runEnd;
        }
        if (runEnd - i < 9) {
            i = runEnd;
            continue;
        }
        const qsizetype left = size - i;
        if (ValidWindow(text.sliced(i, std::min(kIsbnLength, left)), isbn) ||
            ValidWindow(text.sliced(i, std::min(kHyphenatedWindow, left)), isbn))
            return TenToString(isbn);
    }
    return QString();
}

} // namespace

QString FindIsbnInText(QStringView text)
{
    return FindIsbnStartingBefore(text, text.size());
}

bool CIsbnStreamFinder::Feed(QStringView piece)
{
    if (!m_found.isEmpty())
        return true;
    m_pending += piece;
    // Windows that start in the last characters may go on in the next piece:
    // they are tried again once it has come.
    const qsizetype complete = m_pending.size() - (kHyphenatedWindow - 1);
    if (complete <= 0)
        return false;
    m_found = FindIsbnStartingBefore(m_pending, complete);
    m_pending.remove(0, complete);
    return !m_found.isEmpty();
}

QString CIsbnStreamFinder::Finish()
{
    if (m_found.isEmpty())
        m_found = FindIsbnInText(m_pending);
    m_pending.clear();
    return m_found;
}

QString ReleaseTagFromFileName(const QString &path)
{
    // Only the file name counts: a hyphen or dot in a folder name would
    // otherwise make a tag out of part of the path.
    const QStringView name = QStringView(path).sliced(path.lastIndexOf(u'/') + 1);
    const qsizetype dash = name.lastIndexOf(u'-');
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dash < 0 || dot < 0 || dot < dash)
        return QString();
    const QStringView tag = name.sliced(dash + 1, dot - dash - 1).trimmed();
    return tag.size() <= 10 ? tag.toString() : QString();
}
