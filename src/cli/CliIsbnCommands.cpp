#include "CliCommands.h"

#include "online/ChmScan.h"
#include "online/IsbnRules.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cstdio>

namespace {

const QString kIsbnUsage =
    QStringLiteral("usage: tomelodex-cli isbn normalize TEXT | check TEXT | ean TEXT | find | "
                   "tag PATH");

// Prints `text` and succeeds, or prints nothing and fails when it is empty.
int PrintFound(const QString &text)
{
    if (text.isEmpty())
        return kExitFailed;
    PrintOut(text);
    return kExitOk;
}

// Reads standard input in blocks, so that an endless input (`yes | ...`)
// keeps memory flat; stops reading at the first ISBN.
int FindIsbnInStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        PrintErr(QCoreApplication::translate("Cli", "tomelodex-cli: cannot read standard input."));
        return kExitFailed;
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    CIsbnStreamFinder finder;
    QByteArray block(64 * 1024, Qt::Uninitialized);
    qint64 count = 0;
    while ((count = input.read(block.data(), block.size())) > 0) {
        const QString piece = decoder.decode(QByteArrayView(block.constData(), count));
        if (finder.Feed(piece))
            break;
    }
    if (count < 0) {
        PrintErr(QCoreApplication::translate("Cli", "tomelodex-cli: cannot read standard input."));
        return kExitFailed;
    }
    return PrintFound(finder.Finish());
}

int CmdIsbn(const QStringList &args)
{
    if (args.isEmpty())
        return UsageError(kIsbnUsage);
    const QString action = args.first();
    const QStringList rest = args.mid(1);
    if (action == u"find") {
        if (!CheckPlainArgs(rest, 0))
            return UsageError(kIsbnUsage);
        return FindIsbnInStandardInput();
    }
    if (!CheckPlainArgs(rest, 1))
        return UsageError(kIsbnUsage);
    const QString &text = rest.first();
    if (action == u"normalize") {
        PrintOut(NormalizeIsbn(text));
    } else if (action == u"check") {
        return IsAcceptedIsbn(text) ? PrintFound(NormalizeIsbn(text)) : kExitFailed;
    } else if (action == u"ean") {
        // A scanner's text arrives trimmed, as the Add Book dialog passes it.
        PrintOut(ConvertEanToIsbn(text.trimmed()));
    } else if (action == u"tag") {
        PrintOut(ReleaseTagFromFileName(text));
    } else {
        return UsageError(
            QCoreApplication::translate("Cli", "tomelodex-cli: unknown isbn action '%1'.\n%2")
                .arg(action, kIsbnUsage));
    }
    return kExitOk;
}

int CmdChmScan(const QStringList &args)
{
    if (!CheckPlainArgs(args, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli chm-scan FILE"));
    if (RefuseStrayName(args.first()))
        return kExitFailed;
    return PrintFound(ScanChmForIsbn(args.first()));
}

} // namespace

std::vector<CCliCommand> IsbnCommands()
{
    return {
        {QStringLiteral("isbn"),
         QStringLiteral("normalize TEXT | check TEXT | ean TEXT | find | tag PATH"),
         QCoreApplication::translate(
             "Cli",
             "ISBN rules. normalize: trims the text, drops hyphens and writes the check "
             "letter X in upper case. check: prints the normalised ISBN when it is a valid "
             "ISBN-10 or 979 ISBN-13, else fails. ean: turns a 978 EAN-13 bar code with a right "
             "check digit into its ISBN-10 and drops a scanner's add-on from a 979 one (other "
             "text comes back unchanged). find: prints the first ISBN in standard input (a "
             "printed 978 ISBN-13 as its ISBN-10), or fails. "
             "tag: prints the tag of an e-book file name, between its last '-' and its last '.'."),
         CmdIsbn},
        {QStringLiteral("chm-scan"), QStringLiteral("FILE"),
         QCoreApplication::translate(
             "Cli", "Prints the first ISBN starting with 0 or 1 found in the HTML pages of "
                    "the CHM file, or fails when there is none."),
         CmdChmScan},
    };
}
