// ISBN search over large dropped texts, and the scan of a CHM book.

#include "online/ChmScan.h"
#include "online/IsbnRules.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iterator>
#include <memory>

namespace {

constexpr qsizetype kTextSize = 10 * 1024 * 1024;

// Book-like text full of digits: years, prices, page and chapter numbers,
// ranges and phone numbers, none of them an ISBN.
QString NumberRichText(qsizetype size)
{
    static const char *const words[] = {"the",     "edition", "printed", "copies",  "chapter",
                                        "index",   "page",    "see",     "revised", "and",
                                        "reprint", "of",      "in",      "price",   "volume"};
    QRandomGenerator random(2003);
    QString text;
    text.reserve(size + 64);
    while (text.size() < size) {
        switch (random.bounded(8)) {
        case 0:
            text +=
                QStringLiteral("%1-%2 ").arg(1900 + random.bounded(125)).arg(random.bounded(100));
            break;
        case 1:
            text += QStringLiteral("$%1.%2 ").arg(random.bounded(200)).arg(random.bounded(10, 100));
            break;
        case 2:
            text += QStringLiteral("p. %1, ").arg(random.bounded(1, 1200));
            break;
        case 3:
            text += QStringLiteral("(555) %1-%2 ")
                        .arg(random.bounded(100, 1000))
                        .arg(random.bounded(1000, 10000));
            break;
        default:
            text += QLatin1String(words[random.bounded(int(std::size(words)))]);
            text += u' ';
        }
    }
    return text;
}

const QString &TextWithoutIsbn()
{
    static const QString text = NumberRichText(kTextSize);
    return text;
}

void BM_FindIsbnInText_None(benchmark::State &state)
{
    const QString &text = TextWithoutIsbn();
    for (auto _ : state) {
        const QString isbn = FindIsbnInText(text);
        if (!isbn.isEmpty())
            state.SkipWithError("the text holds an ISBN");
        benchmark::DoNotOptimize(isbn);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_FindIsbnInText_None)->Unit(benchmark::kMillisecond);

void BM_FindIsbnInText_AtEnd(benchmark::State &state)
{
    const QString text = TextWithoutIsbn() + QStringLiteral("ISBN 0-596-00712-4");
    for (auto _ : state) {
        const QString isbn = FindIsbnInText(text);
        if (isbn != u"0596007124")
            state.SkipWithError("wrong ISBN");
        benchmark::DoNotOptimize(isbn);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_FindIsbnInText_AtEnd)->Unit(benchmark::kMillisecond);

// Copyright pages print the ISBN-13 before the ISBN-10. Counts how often the
// finder gives anything but the book's ISBN-10 over a list of generated
// books, in three layouts of the page.
struct CCopyrightLine
{
    QString text;
    QString isbn10;
};

QString EanOfNine(const QString &nine)
{
    const QString twelve = QStringLiteral("978") + nine;
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (i % 2 ? 3 : 1) * (twelve.at(i).unicode() - u'0');
    return twelve + QChar(u'0' + (10 - sum % 10) % 10);
}

// Group, publisher and title parts of nine digits, cut as the agencies cut them.
QString Hyphenated(const QString &nine, QRandomGenerator &random)
{
    const int group = 1 + random.bounded(3);
    const int publisher = 2 + random.bounded(8 - group - 2 + 1);
    return nine.left(group) + u'-' + nine.mid(group, publisher) + u'-' +
           nine.mid(group + publisher);
}

std::vector<CCopyrightLine> CopyrightLines(int layout)
{
    constexpr int kBooks = 106615;
    QRandomGenerator random(1978);
    std::vector<CCopyrightLine> lines;
    lines.reserve(kBooks);
    for (int i = 0; i < kBooks; ++i) {
        QString nine;
        for (int d = 0; d < 9; ++d)
            nine += QChar(u'0' + random.bounded(10));
        if (nine == QStringLiteral("000000000"))
            nine = QStringLiteral("000000001");
        const QString isbn10 = nine + IsbnCheckCharacter(nine);
        const QString ean = EanOfNine(nine);
        const QString parts = Hyphenated(nine, random);
        const QString printed10 = parts + u'-' + isbn10.back();
        const QString printed13 = QStringLiteral("978-") + parts + u'-' + ean.back();
        QString text;
        if (layout == 0)
            text =
                QStringLiteral("ISBN-13: ") + printed13 + QStringLiteral("\nISBN-10: ") + printed10;
        else if (layout == 1)
            text = QStringLiteral("ISBN ") + ean + QStringLiteral(" (pbk.) ISBN ") + isbn10;
        else if (layout == 2)
            text = QStringLiteral("Printed in the USA. ISBN ") + printed13 +
                   QStringLiteral(" 10 9 8 7");
        else
            text = QStringLiteral("<p>ISBN&nbsp;") +
                   QString(printed13).replace(u'-', QStringLiteral("&#8209;")) +
                   QStringLiteral("<br>ISBN&nbsp;") +
                   QString(printed10).replace(u'-', QStringLiteral("&ndash;")) +
                   QStringLiteral("</p>");
        lines.push_back({text, isbn10});
    }
    return lines;
}

void BM_FindIsbnOnCopyrightPages(benchmark::State &state)
{
    const std::vector<CCopyrightLine> lines = CopyrightLines(int(state.range(0)));
    qint64 wrong = 0;
    qint64 missed = 0;
    for (auto _ : state) {
        wrong = missed = 0;
        for (const CCopyrightLine &line : lines) {
            const QString found = FindIsbnInText(line.text);
            if (found.isEmpty())
                ++missed;
            else if (found != line.isbn10)
                ++wrong;
        }
    }
    state.counters["books"] = double(lines.size());
    state.counters["wrong"] = double(wrong);
    state.counters["missed"] = double(missed);
}
// 0: hyphenated ISBN-13 then ISBN-10; 1: plain ones; 2: the ISBN-13 alone;
// 3: an HTML page with both, their hyphens written as character references.
BENCHMARK(BM_FindIsbnOnCopyrightPages)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A book of 40 pages of 25 KB each in chapter folders, its ISBN on the last
// page. Compiled once with chmcmd; empty when that is not installed.
QString BookChm()
{
    static std::unique_ptr<QTemporaryDir> dir;
    static QString path;
    if (dir)
        return path;
    dir = std::make_unique<QTemporaryDir>();
    const QString chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
    if (chmcmd.isEmpty())
        return path;
    QByteArray project = "[OPTIONS]\nCompiled file=book.chm\nTitle=Book\n\n[FILES]\n";
    const QString text = NumberRichText(25 * 1024);
    for (int i = 0; i < 40; ++i) {
        const QString name = QStringLiteral("part%1/page%2.htm").arg(i / 10).arg(i % 10);
        QDir(dir->path()).mkpath(QStringLiteral("part%1").arg(i / 10));
        QFile page(dir->filePath(name));
        page.open(QIODevice::WriteOnly);
        page.write("<html><body><p>" + text.toUtf8() + (i == 39 ? " ISBN 0-596-00712-4" : "") +
                   "</p></body></html>");
        project += name.toUtf8() + '\n';
    }
    QFile hhp(dir->filePath(QStringLiteral("book.hhp")));
    hhp.open(QIODevice::WriteOnly);
    hhp.write(project);
    hhp.close();
    QProcess compiler;
    compiler.setWorkingDirectory(dir->path());
    compiler.start(chmcmd, {QStringLiteral("--no-html-scan"), QStringLiteral("book.hhp")});
    if (compiler.waitForFinished(120000) && compiler.exitCode() == 0)
        path = dir->filePath(QStringLiteral("book.chm"));
    return path;
}

void BM_ScanChmForIsbn_LastPage(benchmark::State &state)
{
    const QString chm = BookChm();
    if (chm.isEmpty()) {
        state.SkipWithError("chmcmd (fp-utils) is needed to build the book");
        return;
    }
    for (auto _ : state) {
        const QString isbn = ScanChmForIsbn(chm);
        if (isbn != u"0596007124")
            state.SkipWithError("wrong ISBN");
        benchmark::DoNotOptimize(isbn);
    }
}
BENCHMARK(BM_ScanChmForIsbn_LastPage)->Unit(benchmark::kMillisecond);

} // namespace
