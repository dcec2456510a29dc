#include "CliCommands.h"

#include "app/StringTable.h"
#include "db/BasicSearch.h"
#include "db/BookListQuery.h"
#include "db/LibraryConnection.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"

#include <QCoreApplication>

namespace {

int CmdNew(const QStringList &args)
{
    if (!CheckPlainArgs(args, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli new LIBRARY"));
    CTomeloDoc doc;
    const CMessagesAboutFile about(args.at(0));
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
    if (!OpenLibrary(doc, args.at(0)))
        return kExitFailed;
    const CSqlRunResult result = RunUserSql(doc, args.at(1));
    if (!result.ok) {
        // A write refused in a read-only library: opening has said why.
        if (!doc.IsReadOnly() || !result.error.endsWith(doc.ReadOnlyReason()))
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
    if (!OpenLibraryToWrite(doc, args.at(0)))
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
    if (!OpenLibraryToWrite(doc, plain.at(0)))
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

int CmdList(const QStringList &args)
{
    QStringList plain = args;
    int category = 5;
    const int option = int(plain.indexOf(QStringLiteral("--category")));
    if (option >= 0) {
        bool ok = false;
        category = option + 1 < plain.size() ? plain.at(option + 1).toInt(&ok) : 0;
        if (!ok)
            return UsageError(QCoreApplication::translate(
                "Cli", "tomelodex-cli list: --category needs a category number"));
        plain.remove(option, 2);
    }
    if (!CheckPlainArgs(plain, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli list LIBRARY [--category ID]"));
    CTomeloDoc doc;
    if (!OpenLibrary(doc, plain.at(0)))
        return kExitFailed;
    QVector<CBookListRow> rows;
    if (!ReadBookList(category, *doc.m_connection, rows))
        return kExitFailed;
    for (const CBookListRow &row : rows)
        PrintOut(QStringList{QString::number(row.bookId), row.title, row.author, row.publisher,
                             row.isbn, row.edition}
                     .join(u'\t'));
    return kExitOk;
}

} // namespace

std::vector<CCliCommand> LibraryCommands()
{
    return {
        {QStringLiteral("new"), QStringLiteral("LIBRARY"),
         QCoreApplication::translate(
             "Cli", "Creates a new library from the template beside the program (replacing "
                    "LIBRARY), names its fixed rows in the interface language and creates "
                    "its images folder."),
         CmdNew},
        {QStringLiteral("sql"), QStringLiteral("LIBRARY STATEMENT"),
         QCoreApplication::translate(
             "Cli", "Runs an SQL statement on the library and prints the number of records "
                    "affected and of records returned."),
         CmdSql},
        {QStringLiteral("compact"), QStringLiteral("LIBRARY"),
         QCoreApplication::translate("Cli",
                                     "Compacts the library and prints its size before and after."),
         CmdCompact},
        {QStringLiteral("list"), QStringLiteral("LIBRARY [--category ID]"),
         QCoreApplication::translate(
             "Cli", "Prints the books the list shows for a category (default 5, All Books), one "
                    "line each: BookID, Title, Author, Publisher, ISBN and Edition separated by "
                    "tabs."),
         CmdList},
        {QStringLiteral("search"), QStringLiteral("LIBRARY KEYWORD [--keep]"),
         QCoreApplication::translate(
             "Cli", "Files the books whose title, author, ISBN, description, notes or user "
                    "texts contain KEYWORD in Search Results (emptied first unless --keep) "
                    "and prints how many were found."),
         CmdSearch},
    };
}
