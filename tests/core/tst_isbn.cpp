// The ISBN rules: normalising, validating ISBN-10s and ISBN-13s, converting
// bar codes, finding an ISBN in text and the release tag of an e-book file
// name.

#include "online/IsbnRules.h"

#include <QtTest>

namespace {

template <typename Expected>
void Row(const char *name, const QString &input, const Expected &expected)
{
    QTest::newRow(name) << input << expected;
}

// The same ten digits in Arabic-Indic and in full-width forms.
const QString kArabicIndic = QString::fromUtf8("٠٥٩٦٠٠٧١٢٤");
const QString kFullWidth = QString::fromUtf8("０５９６００７１２４");

} // namespace

class CIsbnTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalize_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        Row("hyphens", "0-596-00712-4", QStringLiteral("0596007124"));
        Row("padded", " \t0-596-00712-4 \n", QStringLiteral("0596007124"));
        Row("no-break and em spaces", "\u00a00596007124\u2003", QStringLiteral("0596007124"));
        Row("lower-case x", "080442957x", QStringLiteral("080442957X"));
        Row("inner spaces stay", "0 596 00712 4", QStringLiteral("0 596 00712 4"));
        Row("space behind a hyphen stays", "- 0596007124", QStringLiteral(" 0596007124"));
        Row("other dashes stay", "0\u2013596", QStringLiteral("0\u2013596"));
        Row("only hyphens", "---", QString());
    }
    void normalize()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(NormalizeIsbn(input), expected);
    }

    void isValid_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("expected");
        Row("plain", "0596007124", true);
        Row("hyphenated and padded", "  0-596-00712-4  ", true);
        Row("check letter lower case", "080442957x", true);
        Row("check letter upper case", "080442957X", true);
        Row("check 0 from r = 11", "1000000001", true);
        Row("X where the check is 4", "059600712X", false);
        Row("wrong check digit", "0596007125", false);
        Row("all zeros", "0000000000", false);
        Row("zeros with X", "000000000X", false);
        Row("inner spaces", "0 596 00712 4", false);
        Row("X inside", "05960X7124", false);
        Row("nine digits", "059600712", false);
        Row("eleven digits", "05960071240", false);
        Row("empty", "", false);
        Row("Arabic-Indic digits", kArabicIndic, false);
        Row("full-width digits", kFullWidth, false);
    }
    void isValid()
    {
        QFETCH(QString, input);
        QFETCH(bool, expected);
        QCOMPARE(IsValidIsbn(input), expected);
    }

    void checkCharacter_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        Row("digit", "059600712", QStringLiteral("4"));
        Row("r = 10 gives X", "080442957", QStringLiteral("X"));
        Row("r = 11 gives 0", "000000000", QStringLiteral("0"));
        Row("only the first nine count", "0596007120000", QStringLiteral("4"));
        Row("too short", "05960071", QString());
        Row("not digits", "05960071a", QString());
    }
    void checkCharacter()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const QChar check = IsbnCheckCharacter(input);
        QCOMPARE(check.isNull() ? QString() : QString(check), expected);
    }

    void convertEan_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        Row("978 code", "9780596007126", QStringLiteral("0596007124"));
        Row("wrong EAN check digit", "9780596007120", QStringLiteral("9780596007120"));
        Row("wrong EAN check giving X", "9780826497520", QStringLiteral("9780826497520"));
        for (const char *typo :
             {"9781930110990", "9781930110992", "9781930110995", "9781930110999"})
            Row(typo, typo, QString::fromLatin1(typo));
        Row("right EAN check of the same", "9781930110991", QStringLiteral("1930110995"));
        Row("letter for the check digit", "978059652724T", QStringLiteral("978059652724T"));
        Row("check becomes X", "9780804429573", QStringLiteral("080442957X"));
        Row("scanner supplement", "9780596007126-12345", QStringLiteral("0596007124"));
        Row("supplement after a space", "9780596007126 12345", QStringLiteral("0596007124"));
        Row("supplement with a letter", "9780596007126-1234X",
            QStringLiteral("9780596007126-1234X"));
        Row("no separator before the supplement", "97805960071261-2345",
            QStringLiteral("97805960071261-2345"));
        Row("19 characters with a wrong check", "97805965272-4251999",
            QStringLiteral("97805965272-4251999"));
        Row("979 with a supplement", "9791090636071-51999", QStringLiteral("9791090636071"));
        Row("979 unchanged", "9791090636071", QStringLiteral("9791090636071"));
        Row("979 code", "9790596007126", QStringLiteral("9790596007126"));
        Row("hyphenated EAN", "978-0596007126", QStringLiteral("978-0596007126"));
        Row("12 digits", "978059600712", QStringLiteral("978059600712"));
        Row("978 with letters", "978abcdefghij", QStringLiteral("978abcdefghij"));
        Row("19 characters not converted stay whole", "978abcdefghij-12345",
            QStringLiteral("978abcdefghij-12345"));
        Row("zeros never valid", "9780000000002", QStringLiteral("9780000000002"));
        Row("untrimmed is not an EAN", " 9780596007126", QStringLiteral(" 9780596007126"));
    }
    void convertEan()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(ConvertEanToIsbn(input), expected);
    }

    // One digit typed wrong never turns a bar code into another book.
    void convertEanCatchesEveryOneDigitTypo()
    {
        const QString code = QStringLiteral("9780131103627");
        for (int at = 0; at < code.size(); ++at) {
            for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
                QString typo = code;
                typo[at] = QChar(digit);
                if (typo != code)
                    QCOMPARE(ConvertEanToIsbn(typo), typo);
            }
        }
    }

    void isbn13_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("valid13");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("entry");
        const auto row = [](const char *name, const QString &input, bool valid13, bool accepted,
                            const QString &entry) {
            QTest::newRow(name) << input << valid13 << accepted << entry;
        };
        row("978 code", "9780596007126", true, false, QStringLiteral("0596007124"));
        row("978 code padded", " 9780596007126\t", true, false, QStringLiteral("0596007124"));
        row("hyphenated 978 code", "978-0-596-00712-6", true, false, QStringLiteral("0596007124"));
        row("hyphenated 978 code, wrong check", "978-0-596-00712-7", false, false, QString());
        row("pasted 979 code", "979\u201110\u201190636\u201107\u20111", false, false,
            QStringLiteral("9791090636071"));
        row("pasted ISBN-10", "0\u2013596\u201300712\u20134", false, false,
            QStringLiteral("0596007124"));
        row("979 code", "9791090636071", true, true, QStringLiteral("9791090636071"));
        row("hyphenated 979 code", " 979-10-90636-07-1 ", true, true,
            QStringLiteral("979-10-90636-07-1"));
        row("979 wrong check", "9791090636072", false, false, QString());
        row("printed music", "9790001000000", false, false, QString());
        row("other EAN prefix", "9770317847001", false, false, QString());
        row("12 digits", "979109063607", false, false, QString());
        row("14 digits", "97910906360710", false, false, QString());
        row("letter inside", "97910906360X1", false, false, QString());
        row("ISBN-10", "0-596-00712-4", false, true, QStringLiteral("0-596-00712-4"));
        row("ISBN-10 wrong check", "0596007125", false, false, QString());
        row("empty", "", false, false, QString());
        row("full-width digits", QString::fromUtf8("９７９１０９０６３６０７１"), false, false,
            QString());
    }
    void isbn13()
    {
        QFETCH(QString, input);
        QFETCH(bool, valid13);
        QFETCH(bool, accepted);
        QFETCH(QString, entry);
        QCOMPARE(IsValidIsbn13(input), valid13);
        QCOMPARE(IsAcceptedIsbn(input), accepted);
        QCOMPARE(IsbnEntryFromLine(input), entry);
    }

    void findInText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        Row("title line", "Learning XML, 2nd Edition - ISBN 0-596-00420-6 (2003)",
            QStringLiteral("0596004206"));
        Row("at the very end", "ISBN: 0596007124", QStringLiteral("0596007124"));
        Row("hyphenated at the very end", "ISBN 0-596-00712-4", QStringLiteral("0596007124"));
        Row("cut short by the end", "ISBN 0-596-00712-", QString());
        Row("lower-case X check", "isbn 080442957x.", QStringLiteral("080442957X"));
        Row("hyphenated with X check", "ISBN 0-8044-2957-X", QStringLiteral("080442957X"));
        Row("inside a longer number", "No. 20596007124", QStringLiteral("0596007124"));
        Row("digits glued before", "12340596007124", QStringLiteral("0596007124"));
        Row("leftmost wins", "1000000001 and 0596007124", QStringLiteral("1000000001"));
        Row("space at the end of the 13 window", "0-596-007124 and", QStringLiteral("0596007124"));
        // The 13 window at the first digit is too long; the next digit's fits.
        Row("window that runs on", "ISBN 0-596-007124X", QStringLiteral("596007124X"));
        Row("spaces inside", "ISBN 0 596 00712 4", QString());
        Row("EAN-13 taken whole", "EAN 9780596007126", QStringLiteral("0596007124"));
        Row("hyphenated ISBN-13", "ISBN 978-0-13-110362-7", QStringLiteral("0131103628"));
        Row("ISBN-13 before ISBN-10", "ISBN-13: 978-0-13-110362-7\nISBN-10: 0-13-110362-8",
            QStringLiteral("0131103628"));
        Row("979 ISBN-13", "ISBN 979-10-90636-07-1.", QStringLiteral("9791090636071"));
        Row("ISBN-13 with supplement", "9780131103627-51999", QStringLiteral("0131103628"));
        Row("mistyped ISBN-13 gives nothing from inside", "ISBN 978-0-13-110362-8; 0596007124",
            QStringLiteral("0596007124"));
        Row("printed music is no book", "ISMN 979-0-001-00000-0", QString());
        Row("window reaching into an ISBN-13", "100-978-0-131103627", QStringLiteral("0131103628"));
        Row("ISBN-13 glued to a word", "ISBN9780131103627", QStringLiteral("0131103628"));
        Row("typeset dashes", "978\u20110\u201013\u2013110362\u22127",
            QStringLiteral("0131103628"));
        Row("figure dashes in an ISBN-10", "0\u2012596\u201200712\u20124",
            QStringLiteral("0596007124"));
        Row("character references", "ISBN 978&#8208;0&#x2011;13&ndash;110362&minus;7",
            QStringLiteral("0131103628"));
        Row("more references", "0&#45;596&hyphen;00712&#X2013;4", QStringLiteral("0596007124"));
        Row("dash reference", "978&dash;0131103627", QStringLiteral("0131103628"));
        Row("other references stay text", "0&mdash;596&#8212;00712&amp;4&ndash", QString());
        Row("years and prices", "(c) 1999, 2003 - $39.95 - 250 pages", QString());
        Row("all zeros", "0000000000000", QString());
        Row("empty", "", QString());
        Row("Arabic-Indic digits", "ISBN " + kArabicIndic, QString());
    }
    void findInText()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(FindIsbnInText(input), expected);
    }

    // A text cut into pieces of any size gives what the whole text gives,
    // also when it comes after enough text for the search to start before
    // the end.
    void findInStream_data() { findInText_data(); }
    void findInStream()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        // After the input, white space as long as a window, which the
        // windows trim as they do the end of the text.
        const QString tail = QString(12, u' ') + QStringLiteral("Printed in 2004.");
        for (int lead = 0; lead <= 3; ++lead) {
            const QString text =
                lead == 0 ? input
                          : QStringLiteral("(c) 1999-2004, p. 12; ").repeated(lead) + input + tail;
            for (int piece = 1; piece <= 16; ++piece) {
                CIsbnStreamFinder finder;
                for (int at = 0; at < text.size(); at += piece)
                    finder.Feed(QStringView(text).mid(at, piece));
                QCOMPARE(finder.Finish(), expected);
            }
        }
    }

    void findInLongText()
    {
        // Digits everywhere, the ISBN only in the last 13 characters.
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("page %1, 19%2, $%3.99; ").arg(i).arg(i % 100).arg(i % 70);
        QCOMPARE(FindIsbnInText(text), QString());
        QCOMPARE(FindIsbnInText(text + QStringLiteral("0-596-00712-4")),
                 QStringLiteral("0596007124"));
    }

    void releaseTag_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        Row("group tag", "/home/me/Books/Some Book-LiB.chm", QStringLiteral("LiB"));
        Row("trimmed", "Title - Group .chm", QStringLiteral("Group"));
        Row("ten characters", "Title-ABCDEFGHIJ.pdf", QStringLiteral("ABCDEFGHIJ"));
        Row("eleven characters", "Title-ABCDEFGHIJK.pdf", QString());
        Row("last hyphen counts", "A-B-Tag.chm", QStringLiteral("Tag"));
        Row("last dot counts", "Title-Tag.v1.chm", QStringLiteral("Tag.v1"));
        Row("no hyphen", "/books/Some Book.chm", QString());
        Row("no dot", "Some Book-LiB", QString());
        Row("dot before hyphen", "Some.Book-LiB", QString());
        Row("nothing between", "Title-.chm", QString());
        Row("hyphen only in a folder", "/srv/a-b/Title.chm", QString());
        Row("dot only in a folder", "/srv/my.books/Title-Tag", QString());
    }
    void releaseTag()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(ReleaseTagFromFileName(input), expected);
    }
};

QTEST_GUILESS_MAIN(CIsbnTest)
#include "tst_isbn.moc"
