#include "CliCommands.h"

#include "db/BookRecord.h"
#include "online/IsbnRules.h"
#include "online/ProductLookup.h"
#include "xml/BookXmlWriter.h"

#include <QCoreApplication>

namespace {

int CmdLookup(const QStringList &args)
{
    if (!CheckPlainArgs(args, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli lookup ISBN"));
    // Checked as the Add Book dialog checks a line: a bar code becomes its
    // ISBN-10, and what is no ISBN is not sent.
    const QString isbn = IsbnEntryFromLine(args.first());
    if (isbn.isEmpty()) {
        PrintErr(QCoreApplication::translate("Cli", "%1 is not a valid ISBN.").arg(args.first()));
        return kExitFailed;
    }
    // The record's temporary cover goes with it when the command returns.
    CBookRecord record;
    if (!LookupByIsbn(record, isbn, true, true)) {
        // A load failure has been printed by the lookup's own message already;
        // the service's refusal is silent there.
        if (!record.HasFatalError)
            PrintErr(record.ErrorText);
        return kExitFailed;
    }
    PrintOutRaw(BookElementXml(record));
    return kExitOk;
}

} // namespace

std::vector<CCliCommand> OnlineCommands()
{
    return {
        {QStringLiteral("lookup"), QStringLiteral("ISBN"),
         QCoreApplication::translate(
             "Cli", "Looks the ISBN up at the chosen source (Open Library or the product "
                    "service), on a record with the default values for new books, and prints "
                    "the result as one Book element of the book XML. Fails with the source's "
                    "message when it knows no such book."),
         CmdLookup},
    };
}
