#include "exchange/CsvTable.h"

#include "TestSupport.h"

#include <QTest>

using Rows = QList<QStringList>;

namespace {

QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8);
        const char lo = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? hi : lo);
        bytes.append(bigEndian ? lo : hi);
    }
    return bytes;
}

// Reads the whole table; `error` and `notes` receive what it said.
Rows ReadAll(CCsvTable &table, QString *error)
{
    Rows rows;
    QStringList row;
    while (table.NextRow(row)) {
        rows.append(row);
        if (table.RowNumber() != rows.size())
            return {{QStringLiteral("row number %1 at row %2")
                         .arg(table.RowNumber())
                         .arg(rows.size())}};
    }
    *error = table.Error();
    return rows;
}

} // namespace

class TestImportCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvTableReadsEveryLayout_data();
    void csvTableReadsEveryLayout();
    void csvTableKeepsCharactersSplitBetweenChunks_data();
    void csvTableKeepsCharactersSplitBetweenChunks();
    void csvTableRefusesBrokenFiles_data();
    void csvTableRefusesBrokenFiles();
    void decodeForeignText_data();
    void decodeForeignText();
};

void TestImportCsv::csvTableReadsEveryLayout_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("noted"); // a note about the character set

    QTest::newRow("quoting, CRLF, embedded line breaks and quotes")
        << QByteArray("Title,Author,Notes\r\n"
                      "\"Dune, Messiah\",Frank Herbert,\"He said \"\"no\"\".\r\nSecond line\"\r\n"
                      "Plain,  Spaced Name  ,\r\n")
        << QStringList{"Title", "Author", "Notes"}
        << Rows{{"Dune, Messiah", "Frank Herbert", "He said \"no\".\nSecond line"},
                {"Plain", "Spaced Name", ""}}
        << false;
    QTest::newRow("tab separated keeps empty fields and inner spaces")
        << QByteArray("Title\tAuthor\tISBN\nA  Book\t\t0441172717\n\t\t\n")
        << QStringList{"Title", "Author", "ISBN"}
        << Rows{{"A  Book", "", "0441172717"}, {"", "", ""}} << false;
    QTest::newRow("semicolon guessed, quoted semicolons in the header do not count")
        << QByteArray("\"a;b\";Title;Year\nx;Emma;1815\n") << QStringList{"a;b", "Title", "Year"}
        << Rows{{"x", "Emma", "1815"}} << false;
    QTest::newRow("UTF-8 BOM, blank lines, no final line break")
        << QByteArray("\xEF\xBB\xBFTitle,Author\n\nCaf\xC3\xA9,\xE6\x9D\x8E\n\n\nLast,One")
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Café"), QString::fromUtf8("李")}, {"Last", "One"}} << false;
    QTest::newRow("Goodreads' formula ISBNs keep their quotes")
        << QByteArray("Title,ISBN,ISBN13\nDune,\"=\"\"0441172717\"\"\",\"=\"\"\"\"\"\n")
        << QStringList{"Title", "ISBN", "ISBN13"} << Rows{{"Dune", "=\"0441172717\"", "=\"\""}}
        << false;
    QTest::newRow("rows with more or fewer fields come as they are")
        << QByteArray("Title,Author\nOne\nTwo,B,extra,more\n") << QStringList{"Title", "Author"}
        << Rows{{"One"}, {"Two", "B", "extra", "more"}} << false;
    QTest::newRow("single-quoted header cells stay for the reader to read")
        << QByteArray("'TITLE',\"'AUTHOR (first, last)'\"\r\nX,Y\r\n")
        << QStringList{"'TITLE'", "'AUTHOR (first, last)'"} << Rows{{"X", "Y"}} << false;
    QTest::newRow("UTF-16 LE with BOM")
        << Utf16(QString::fromUtf8("Title\tAuthor\r\nÆon \xF0\x9F\x93\x9A\tΩ\r\n"), false)
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Æon \xF0\x9F\x93\x9A"), QString::fromUtf8("Ω")}} << false;
    QTest::newRow("UTF-16 BE with BOM")
        << Utf16(QString::fromUtf8("Title,Author\n\"Ü, \"\"x\"\"\",Zoë\n"), true)
        << QStringList{"Title", "Author"}
        << Rows{{QString::fromUtf8("Ü, \"x\""), QString::fromUtf8("Zoë")}} << false;
    QTest::newRow("UTF-16 LE without BOM")
        << Utf16(QStringLiteral("Title,Year\nEmma,1815\n"), false).mid(2)
        << QStringList{"Title", "Year"} << Rows{{"Emma", "1815"}} << false;
    QTest::newRow("Windows-1252 where the bytes are not UTF-8")
        << QByteArray("Title,Price\nCaf\xE9 \x93noir\x94,\x80 5\nPlain,1\n")
        << QStringList{"Title", "Price"}
        << Rows{{QString::fromUtf8("Café “noir”"), QString::fromUtf8("€ 5")}, {"Plain", "1"}}
        << true;
    QTest::newRow("header only") << QByteArray("Title,Author\n") << QStringList{"Title", "Author"}
                                 << Rows{} << false;
}

void TestImportCsv::csvTableReadsEveryLayout()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, header);
    QFETCH(Rows, rows);
    QFETCH(bool, noted);

    CTestEnv env;
    const QString path = env.WriteFile(QStringLiteral("table.csv"), contents);
    CCsvTable table;
    QVERIFY2(table.Open(path), qPrintable(table.Error()));
    QCOMPARE(table.Header(), header);
    QString error;
    QCOMPARE(ReadAll(table, &error), rows);
    QCOMPARE(error, QString());
    QCOMPARE(table.Notes().size(), noted ? 1 : 0);
    if (noted) {
        QVERIFY(table.Notes().first().contains(path));
        QVERIFY(table.Notes().first().contains(QStringLiteral("Windows-1252")));
    }
}

void TestImportCsv::csvTableKeepsCharactersSplitBetweenChunks_data()
{
    QTest::addColumn<bool>("utf16");
    QTest::newRow("UTF-8 sequence across the boundary") << false;
    QTest::newRow("UTF-16 surrogate pair across the boundary") << true;
}

// Files are read 64 KiB at a time; a character whose bytes straddle two reads
// must come out whole, and so must every row around it.
void TestImportCsv::csvTableKeepsCharactersSplitBetweenChunks()
{
    QFETCH(bool, utf16);
    const int chunk = 64 * 1024;
    const QString special = utf16 ? QString::fromUtf8("\xF0\x9F\x93\x9A") : QString::fromUtf8("é");
    QString text = QStringLiteral("Title,N\n");
    int rowCount = 0;
    // Pad with rows until the special character's first byte or unit is the
    // last one of the first read.
    const auto byteLength = [&](const QString &s) {
        return utf16 ? 2 + 2 * s.size() : s.toUtf8().size();
    };
    const int unit = utf16 ? 2 : 1;
    while (byteLength(text) + 100 < chunk - unit) {
        text += QStringLiteral("Row %1,%1\n").arg(++rowCount, 8, 10, QChar(u'0'));
    }
    text += QStringLiteral("Pad");
    while (byteLength(text) < chunk - unit)
        text += u'x';
    QCOMPARE(byteLength(text), chunk - unit);
    const QString last = text.mid(text.lastIndexOf(u'\n') + 1) + special + QStringLiteral("!");
    text += special + QStringLiteral("!,end\nAfter,1\n");

    CTestEnv env;
    const QString path =
        env.WriteFile(QStringLiteral("long.csv"), utf16 ? Utf16(text, false) : text.toUtf8());
    CCsvTable table;
    QVERIFY2(table.Open(path), qPrintable(table.Error()));
    QString error;
    const Rows rows = ReadAll(table, &error);
    QCOMPARE(error, QString());
    QCOMPARE(rows.size(), rowCount + 2);
    QCOMPARE(rows.at(rowCount), (QStringList{last, "end"}));
    QCOMPARE(rows.last(), (QStringList{"After", "1"}));
    QVERIFY(table.Notes().isEmpty());
}

void TestImportCsv::csvTableRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("rowsBeforeError");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty file") << QByteArray() << false << 0 << "has no header row";
    QTest::newRow("only blank lines") << QByteArray("\r\n\n") << false << 0 << "has no header row";
    QTest::newRow("quote never closed")
        << QByteArray("Title,Notes\nGood,1\nBad,\"open\nrest,of\nthe,file\n") << true << 1
        << "quote opened in row 2 is never closed";
}

void TestImportCsv::csvTableRefusesBrokenFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, opens);
    QFETCH(int, rowsBeforeError);
    QFETCH(QString, message);

    CTestEnv env;
    const QString path = env.WriteFile(QStringLiteral("broken.csv"), contents);
    CCsvTable table;
    QCOMPARE(table.Open(path), opens);
    QString error = table.Error();
    if (opens) {
        QCOMPARE(error, QString());
        QCOMPARE(ReadAll(table, &error).size(), rowsBeforeError);
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void TestImportCsv::decodeForeignText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("noted");

    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB") << QString::fromUtf8("Zoë") << false;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF{\"a\":1}") << "{\"a\":1}" << false;
    QTest::newRow("UTF-16 LE") << Utf16(QString::fromUtf8("Zoë"), false) << QString::fromUtf8("Zoë")
                               << false;
    QTest::newRow("UTF-16 BE") << Utf16(QString::fromUtf8("Zoë"), true) << QString::fromUtf8("Zoë")
                               << false;
    QTest::newRow("Windows-1252") << QByteArray("Zo\xEB \x85") << QString::fromUtf8("Zoë …")
                                  << true;
}

void TestImportCsv::decodeForeignText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, noted);
    QString note = QStringLiteral("stale");
    QCOMPARE(DecodeForeignText(bytes, &note), text);
    QCOMPARE(!note.isEmpty(), noted);
}

QTEST_GUILESS_MAIN(TestImportCsv)
#include "tst_importcsv.moc"
