#include "online/IsbnRules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr qsizetype kIsbnLength = 10;
constexpr qsizetype kIsbn13Length = 13;
// A hyphenated ISBN-10 such as 0-596-00712-4.
constexpr qsizetype kHyphenatedWindow = 13;
// 978-0-13-110362-7: the most hyphens a printed ISBN-13 has.
constexpr int kIsbn13Hyphens = 4;
// The characters a search at one position may look at beyond it: a window
// that ends where a printed ISBN-13 begins, and that ISBN-13 with the
// character after it.
constexpr qsizetype kSearchReach = kHyphenatedWindow + kIsbn13Length + kIsbn13Hyphens + 1;

using Ten = std::array<char16_t, kIsbnLength>;
using Thirteen = std::array<char16_t, kIsbn13Length>;

bool IsAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool AllDigits(const char16_t *chars, qsizetype count)
{
    return std::all_of(chars, chars + count, IsAsciiDigit);
}

// "-", the hyphens and dashes U+2010 to U+2013, and the minus sign U+2212.
bool IsHyphenLike(char16_t c)
{
    return c == u'-' || (c >= u'\u2010' && (c <= u'\u2013' || c == u'\u2212'));
}

// Normalises `text` on the fly into `out`; false unless the result has
// exactly the size of `out`. Drops "-", and typeset dashes too when
// `anyHyphen` is set (in printed text). Allocates nothing, so it can run at
// every position of a large text.
template <std::size_t N>
bool NormalizeInto(QStringView text, std::array<char16_t, N> &out, bool anyHyphen = false)
{
    std::size_t length = 0;
    for (const QChar c : text.trimmed()) {
        if (c == u'-' || (anyHyphen && IsHyphenLike(c.unicode())))
            continue;
        if (length == N)
            return false;
        out[length++] = c == u'x' ? u'X' : c.unicode();
    }
    return length == N;
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

bool IsValidTen(const Ten &isbn)
{
    if (!AllDigits(isbn.data(), 9))
        return false;
    const char16_t check = isbn[9];
    if (!IsAsciiDigit(check) && check != u'X')
        return false;
    if (std::all_of(isbn.begin(), isbn.end(), [](char16_t c) { return c == u'0'; }))
        return false;
    return CheckCharacter(isbn.data()) == check;
}

char16_t EanCheckDigit(const char16_t *digits)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (i % 2 ? 3 : 1) * (digits[i] - u'0');
    return char16_t(u'0' + (10 - sum % 10) % 10);
}

bool HasPrefix(const Thirteen &code, const char16_t *prefix)
{
    return std::equal(prefix, prefix + std::char_traits<char16_t>::length(prefix), code.begin());
}

// 13 digits with a right EAN-13 check digit and an ISBN prefix.
bool IsValidThirteen(const Thirteen &code)
{
    return AllDigits(code.data(), kIsbn13Length) && EanCheckDigit(code.data()) == code[12] &&
           (HasPrefix(code, u"978") || HasPrefix(code, u"979")) && !HasPrefix(code, u"9790");
}

// The ISBN-10 of a valid "978" code; false when it has none.
bool TenOfThirteen(const Thirteen &code, Ten &isbn)
{
    if (!HasPrefix(code, u"978"))
        return false;
    std::copy_n(code.begin() + 3, 9, isbn.begin());
    isbn[9] = CheckCharacter(isbn.data());
    return IsValidTen(isbn);
}

template <std::size_t N> QString ToString(const std::array<char16_t, N> &chars)
{
    return QString(reinterpret_cast<const QChar *>(chars.data()), qsizetype(N));
}

// What a valid ISBN-13 stands for in the library: the ISBN-10 of a "978"
// code, the 13 digits of a "979" one; empty when there is none.
QString LibraryIsbnOf(const Thirteen &code)
{
    if (!IsValidThirteen(code))
        return QString();
    Ten isbn;
    if (HasPrefix(code, u"978"))
        return TenOfThirteen(code, isbn) ? ToString(isbn) : QString();
    return ToString(code);
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
    Ten isbn;
    return NormalizeInto(text, isbn) && IsValidTen(isbn);
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

bool IsValidIsbn13(QStringView text)
{
    Thirteen code;
    return NormalizeInto(text, code) && IsValidThirteen(code);
}

bool IsAcceptedIsbn(QStringView text)
{
    Thirteen code;
    return IsValidIsbn(text) ||
           (NormalizeInto(text, code) && IsValidThirteen(code) && HasPrefix(code, u"979"));
}

QString ConvertEanToIsbn(const QString &text)
{
    if (text.size() != kIsbn13Length && text.size() != 19)
        return text;
    // A scanner adds a separator and the five digits of the price add-on
    // after the 13 digits. The add-on's own check lies in its bars, which the
    // scanner has read; its digits carry none, so only its form is checked.
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.unicode());
    if (text.size() == 19 &&
        ((chars[13] != u'-' && chars[13] != u' ') || !AllDigits(chars + 14, 5)))
        return text;
    Thirteen code;
    std::copy_n(chars, kIsbn13Length, code.begin());
    if (!HasPrefix(code, u"978") && text.size() == kIsbn13Length)
        return text;
    const QString isbn = LibraryIsbnOf(code);
    return isbn.isEmpty() ? text : isbn;
}

QString ConvertIsbnToEan(QStringView text)
{
    Ten isbn;
    if (!NormalizeInto(text, isbn) || !IsValidTen(isbn))
        return QString();
    Thirteen code = {u'9', u'7', u'8'};
    std::copy_n(isbn.begin(), 9, code.begin() + 3);
    code[12] = EanCheckDigit(code.data());
    return ToString(code);
}

QString IsbnEntryFromLine(const QString &line)
{
    const QString entry = ConvertEanToIsbn(line.trimmed());
    if (IsAcceptedIsbn(entry))
        return entry;
    // Printed forms: pasted typeset dashes, a hyphenated 978 ISBN-13.
    Ten isbn;
    if (NormalizeInto(entry, isbn, true) && IsValidTen(isbn))
        return ToString(isbn);
    Thirteen code;
    return NormalizeInto(entry, code, true) ? LibraryIsbnOf(code) : QString();
}

namespace {

// "&#x02010;": the longest character reference taken for a hyphen.
constexpr qsizetype kLongestReference = 9;

// The length of the HTML character reference for a hyphen at the start of
// `text` ("&ndash;", "&#8209;", "&#x2212;" ...), or 0.
qsizetype HyphenReferenceLength(QStringView text)
{
    const qsizetype semicolon = text.left(kLongestReference).indexOf(u';');
    if (!text.startsWith(u'&') || semicolon < 0)
        return 0;
    const QStringView name = text.sliced(1, semicolon - 1);
    if (name == u"hyphen" || name == u"dash" || name == u"ndash" || name == u"minus")
        return semicolon + 1;
    if (!name.startsWith(u'#'))
        return 0;
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    const QStringView number = name.sliced(hex ? 2 : 1);
    bool ok = false;
    const uint code = number.toUInt(&ok, hex ? 16 : 10);
    const bool plain = std::all_of(number.begin(), number.end(), [hex](QChar c) {
        return IsAsciiDigit(c.unicode()) || (hex && c.isLetter() && c.toLower() <= u'f');
    });
    return ok && plain && code <= 0xFFFF && IsHyphenLike(char16_t(code)) ? semicolon + 1 : 0;
}

// `text` with every HTML character reference for a hyphen turned into "-"
// (typeset dashes are taken as they stand). The text itself when it holds no
// reference, so the common case copies nothing.
QStringView WithPlainReferences(QStringView text, QString &storage)
{
    qsizetype ampersand = text.indexOf(u'&');
    if (ampersand < 0)
        return text;
    storage.clear();
    storage.reserve(text.size());
    qsizetype done = 0;
    for (; ampersand >= 0; ampersand = text.indexOf(u'&', ampersand + 1)) {
        const qsizetype reference = HyphenReferenceLength(text.sliced(ampersand));
        if (reference == 0)
            continue;
        storage += text.sliced(done, ampersand - done);
        storage += u'-';
        done = ampersand + reference;
        ampersand = done - 1;
    }
    storage += text.sliced(done);
    return storage;
}

// Reads a printed ISBN-13 that starts at `start`: 13 digits, at most four
// single hyphens between them, "978" or "979" first and no digit right after.
// Its end (past the last digit) or 0 when there is none.
qsizetype PrintedThirteenAt(QStringView text, qsizetype start, Thirteen &code)
{
    qsizetype at = start;
    std::size_t digits = 0;
    int hyphens = 0;
    while (digits < code.size() && at < text.size()) {
        const char16_t c = text[at].unicode();
        if (IsAsciiDigit(c)) {
            code[digits++] = c;
        } else if (!IsHyphenLike(c) || digits == 0 || ++hyphens > kIsbn13Hyphens ||
                   at + 1 == text.size() || !IsAsciiDigit(text[at + 1].unicode())) {
            return 0;
        }
        ++at;
        if (digits == 3 && !HasPrefix(code, u"978") && !HasPrefix(code, u"979"))
            return 0;
    }
    if (digits < code.size() || (at < text.size() && IsAsciiDigit(text[at].unicode())))
        return 0;
    return at;
}

bool StartsDigitGroup(QStringView text, qsizetype at)
{
    return IsAsciiDigit(text[at].unicode()) && (at == 0 || !IsAsciiDigit(text[at - 1].unicode()));
}

// Where the first printed ISBN-13 in text[from, to) begins, or `to`.
qsizetype NextPrintedThirteen(QStringView text, qsizetype from, qsizetype to)
{
    Thirteen code;
    for (qsizetype at = from; at < to; ++at) {
        if (text[at] == u'9' && StartsDigitGroup(text, at) && PrintedThirteenAt(text, at, code))
            return at;
    }
    return to;
}

struct SearchResult
{
    QString isbn;
    qsizetype resumeAt = 0; // the first position not searched yet
};

// The first ISBN in `text` (its hyphen references plain) at a position in
// [from, lastStart). Characters before `from` are only looked at to see
// where a number begins.
SearchResult SearchIsbn(QStringView text, qsizetype from, qsizetype lastStart)
{
    const qsizetype size = text.size();
    const auto inRun = [text](qsizetype i) {
        return IsAsciiDigit(text[i].unicode()) || IsHyphenLike(text[i].unicode());
    };
    Ten isbn;
    Thirteen code;
    qsizetype runEnd = 0;
    qsizetype i = from;
    for (; i < lastStart; ++i) {
        if (!IsAsciiDigit(text[i].unicode()))
            continue;
        // A printed ISBN-13 counts as a whole: it gives its book or nothing,
        // never an ISBN-10 from a window inside it.
        if (text[i] == u'9' && StartsDigitGroup(text, i)) {
            if (const qsizetype end = PrintedThirteenAt(text, i, code)) {
                const QString found = LibraryIsbnOf(code);
                if (!found.isEmpty())
                    return {found, end};
                i = end - 1;
                continue;
            }
        }
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
        // Nor may a window reach into a printed ISBN-13 further on.
        const qsizetype reach = std::min(runEnd, i + kHyphenatedWindow);
        const qsizetype thirteen = NextPrintedThirteen(text, i + 1, reach);
        const qsizetype windowEnd = thirteen < reach ? thirteen : size;
        for (const qsizetype length : {kIsbnLength, kHyphenatedWindow}) {
            if (NormalizeInto(text.sliced(i, std::min(length, windowEnd - i)), isbn, true) &&
                IsValidTen(isbn))
                return {ToString(isbn), i + 1};
        }
    }
    return {QString(), std::max(i, lastStart)};
}

} // namespace

QString FindIsbnInText(QStringView text)
{
    QString storage;
    const QStringView plain = WithPlainReferences(text, storage);
    return SearchIsbn(plain, 0, plain.size()).isbn;
}

bool CIsbnStreamFinder::Feed(QStringView piece)
{
    if (!m_found.isEmpty())
        return true;
    QString raw = std::exchange(m_unfinishedReference, QString());
    raw += piece;
    // A reference cut by the end of the piece is finished by the next one.
    const qsizetype ampersand = raw.lastIndexOf(u'&');
    if (ampersand >= 0 && raw.size() - ampersand < kLongestReference &&
        raw.indexOf(u';', ampersand) < 0) {
        m_unfinishedReference = raw.sliced(ampersand);
        raw.truncate(ampersand);
    }
    QString storage;
    m_pending += WithPlainReferences(raw, storage);
    // Positions near the end may need characters of the next piece: they are
    // searched once it has come.
    const qsizetype complete = m_pending.size() - kSearchReach;
    if (complete <= m_searchFrom)
        return false;
    const SearchResult result = SearchIsbn(m_pending, m_searchFrom, complete);
    m_found = result.isbn;
    // One character stays before the next search to show whether a number
    // goes on there.
    const qsizetype done = std::max<qsizetype>(result.resumeAt - 1, 0);
    m_pending.remove(0, done);
    m_searchFrom = result.resumeAt - done;
    return !m_found.isEmpty();
}

QString CIsbnStreamFinder::Finish()
{
    if (m_found.isEmpty()) {
        QString storage;
        m_pending += WithPlainReferences(m_unfinishedReference, storage);
        m_found = SearchIsbn(m_pending, m_searchFrom, m_pending.size()).isbn;
    }
    m_pending.clear();
    m_unfinishedReference.clear();
    m_searchFrom = 0;
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
