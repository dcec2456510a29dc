#include "CliCommands.h"

#include "app/StringTable.h"
#include "db/BasicSearch.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"

namespace {

int CmdNew(const QStringList &args)
{
    if (!CheckPlainArgs(args, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli new LIBRARY"));
    CTomeloDoc doc;
    return doc.CreateLibrary(args.at(0)) ? kExitOk : kExitFailed;
}

int CmdSql(const QStringList &args)
{
    if (args.size() != 2)
        return UsageError(QStringLiteral("usage: tomelodex-cli sql LIBRARY STATEMENT"));
    if (args.at(1).trimmed().isEmpty()) {
        PrintErr(LoadString(157));
        return kExitUsage;
    }
    CTomeloDoc doc;
    if (!doc.OnOpenDocument(args.at(0)))
        return kExitFailed;
    const CSqlRunResult result = RunUserSql(doc, args.at(1));
    if (!result.ok) {
        PrintErr(result.error);
        return kExitFailed;
    }
    PrintOut(SqlRunReport(result));
    return kExitOk;
}

int CmdCompact(const QStringList &args)
{
    if (!CheckPlainArgs(args, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli compact LIBRARY"));
    CTomeloDoc doc;
    if (!doc.OnOpenDocument(args.at(0)))
        return kExitFailed;
    return doc.CompactDatabase() ? kExitOk : kExitFailed;
}

int CmdSearch(const QStringList &args)
{
    QStringList plain = args;
    const bool keep = plain.removeAll(QStringLiteral("--keep")) > 0;
    if (!CheckPlainArgs(plain, 2))
        return UsageError(QStringLiteral("usage: tomelodex-cli search LIBRARY KEYWORD [--keep]"));
    if (plain.at(1).trimmed().isEmpty()) {
        PrintErr(LoadString(229));
        return kExitUsage;
    }
    CTomeloDoc doc;
    if (!doc.OnOpenDocument(plain.at(0)))
        return kExitFailed;
    const CBasicSearchResult result = RunBasicSearch(doc, plain.at(1), !keep);
    if (!result.ok) {
        PrintErr(result.error);
        return kExitFailed;
    }
    if (result.found == 0) {
        PrintErr(LoadString(230));
        return kExitFailed;
    }
    PrintOut(QString::number(result.found));
    return kExitOk;
}

} // namespace

std::vector<CCliCommand> LibraryCommands()
{
    return {
        {QStringLiteral("new"), QStringLiteral("LIBRARY"),
         QStringLiteral("Creates a new library from the template beside the program (replacing "
                        "LIBRARY), names its fixed rows in the interface language and creates "
                        "its images folder."),
         CmdNew},
        {QStringLiteral("sql"), QStringLiteral("LIBRARY STATEMENT"),
         QStringLiteral("Runs an SQL statement on the library and prints the number of records "
                        "affected and of records returned."),
         CmdSql},
        {QStringLiteral("compact"), QStringLiteral("LIBRARY"),
         QStringLiteral("Compacts the library and prints its size before and after."), CmdCompact},
        {QStringLiteral("search"), QStringLiteral("LIBRARY KEYWORD [--keep]"),
         QStringLiteral("Files the books whose title, author, ISBN, description, notes or user "
                        "texts contain KEYWORD in Search Results (emptied first unless --keep) "
                        "and prints how many were found."),
         CmdSearch},
    };
}
