#include "CliCommands.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "online/BatchQueryEngine.h"
#include "online/IsbnRules.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

// The ISBNs of a list file: one per line, blank lines skipped.
bool ReadIsbnFile(const QString &path, QStringList *isbns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            isbns->append(line);
    }
    return true;
}

int CmdAdd(const QStringList &args)
{
    QStringList plain = args;
    QString categoryText;
    QString isbnFile;
    int category = 0;
    const bool fromFile = TakeOption(plain, QStringLiteral("--isbn-file"), &isbnFile);
    if (!TakeOption(plain, QStringLiteral("--category"), &categoryText) ||
        !ParseId(categoryText, &category) || !TakeDuplicatesOption(plain) ||
        (fromFile && isbnFile.isEmpty()) || !CheckPlainArgs(plain, int(plain.size())) ||
        plain.isEmpty() || (fromFile == (plain.size() > 1)))
        return UsageError(QStringLiteral("usage: tomelodex-cli add LIBRARY --category ID "
                                         "[--duplicates skip|add] (ISBN... | --isbn-file FILE)"));
    if (fromFile && RefuseStrayName(isbnFile))
        return kExitFailed;
    QStringList typed = plain.mid(1);
    if (fromFile && !ReadIsbnFile(isbnFile, &typed)) {
        PrintErr(
            QCoreApplication::translate("Cli", "tomelodex-cli add: cannot read %1").arg(isbnFile));
        return kExitFailed;
    }

    // As the Add Book dialog does: bar codes become ISBNs, invalid lines are
    // passed over. Their lines still come out in the order of the input.
    QStringList queue;
    QVector<int> inputOf; // queue index -> input index
    for (int i = 0; i < typed.size(); ++i) {
        const QString isbn = IsbnEntryFromLine(typed.at(i));
        if (!isbn.isEmpty()) {
            queue.append(isbn);
            inputOf.append(i);
        }
    }
    int printedUpTo = 0;
    auto printInvalidBefore = [&](int input) {
        for (; printedUpTo < input; ++printedUpTo) {
            if (!inputOf.contains(printedUpTo))
                PrintOut(typed.at(printedUpTo) + u'\t' +
                         QCoreApplication::translate("Cli", "Error: %1 is not a valid ISBN.")
                             .arg(typed.at(printedUpTo)));
        }
    };
    if (queue.isEmpty()) {
        printInvalidBefore(int(typed.size()));
        PrintErr(LoadString(147));
        return kExitFailed;
    }

    CTomeloDoc doc;
    const int opened = OpenForAdding(doc, plain.at(0), category);
    if (opened != kExitOk)
        return opened;

    CBatchQueryEngine engine(*doc.m_connection, TomeloApp().m_imagesDir);
    engine.m_queue = queue;
    engine.m_categoryId = category;
    QMap<CBatchEntryResult::Outcome, int> counts;
    engine.onEntryDone = [&](int index, const CBatchEntryResult &result) {
        ++counts[result.outcome];
        printInvalidBefore(inputOf.at(index));
        // One line per entry: the error texts' own line breaks become spaces.
        PrintOut(queue.at(index) + u'\t' + QString(result.titleCell).replace(u'\n', u' '));
        printedUpTo = inputOf.at(index) + 1;
    };
    engine.Start();
    engine.Wait();
    if (engine.m_state != CBatchQueryEngine::kFinished)
        return kExitFailed;
    printInvalidBefore(int(typed.size()));
    const int added = counts.value(CBatchEntryResult::kAdded);
    const int skipped = counts.value(CBatchEntryResult::kDuplicateSkipped);
    const int failed = counts.value(CBatchEntryResult::kSaveFailed);
    const int notFound = counts.value(CBatchEntryResult::kNotFound) +
                         counts.value(CBatchEntryResult::kLookupFailed) +
                         int(typed.size() - queue.size());
    PrintOut(QCoreApplication::translate(
                 "Cli", "Job finished: %1 added, %2 skipped, %3 failed, %4 not found.")
                 .arg(added)
                 .arg(skipped)
                 .arg(failed)
                 .arg(notFound));
    return failed == 0 && added + skipped > 0 ? kExitOk : kExitFailed;
}

} // namespace

std::vector<CCliCommand> BatchCommands()
{
    return {
        {QStringLiteral("add"),
         QStringLiteral(
             "LIBRARY --category ID [--duplicates skip|add] (ISBN... | --isbn-file FILE)"),
         QCoreApplication::translate(
             "Cli", "Looks up each ISBN at the chosen source and adds the books found to "
                    "category ID. Prints per ISBN a line with the ISBN, a tab, and the title or "
                    "\"Error: \" and the error, then the final status with the numbers of books "
                    "added, skipped as duplicates, failed to be saved and not found. Fails when "
                    "any book could not be saved or none was found."),
         CmdAdd},
    };
}
