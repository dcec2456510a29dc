#include "CliCommands.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/BookListQuery.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "exchange/CsvExport.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlImport.h"

#include <QCoreApplication>

namespace {

const QString kExportUsage =
    QStringLiteral("usage: tomelodex-cli export-xml LIBRARY (ID... | --category ID) [-o FILE]");

// The books the list shows for `category`, in its order.
bool CategoryBookIds(int category, CLibraryConnection &connection, QVector<quint32> *ids)
{
    QVector<CBookListRow> rows;
    if (!ReadBookList(category, connection, rows))
        return false;
    ids->reserve(rows.size());
    for (const CBookListRow &row : std::as_const(rows))
        ids->append(row.bookId);
    return true;
}

int CmdExportXml(const QStringList &args)
{
    QStringList plain = args;
    QString output;
    QString categoryText;
    int category = 0;
    const bool toFile = TakeOption(plain, QStringLiteral("-o"), &output);
    const bool byCategory = TakeOption(plain, QStringLiteral("--category"), &categoryText);
    if ((toFile && output.isEmpty()) || (byCategory && !ParseId(categoryText, &category)) ||
        !CheckPlainArgs(plain, int(plain.size())) || plain.isEmpty() ||
        (byCategory ? plain.size() != 1 : plain.size() < 2))
        return UsageError(kExportUsage);
    QVector<quint32> ids;
    if (!ParseBookIds(plain.mid(1), QStringLiteral("export-xml"), &ids))
        return kExitUsage;
    if (toFile && RefuseStrayName(output))
        return kExitFailed;
    CTomeloDoc doc;
    if (!OpenLibrary(doc, plain.at(0)))
        return kExitFailed;
    if (byCategory && !CategoryBookIds(category, *doc.m_connection, &ids))
        return kExitFailed;
    // Written book by book: a whole library never sits in memory as text.
    const QString imagesDir = TomeloApp().m_imagesDir;
    return WriteResult(toFile ? output : QString(), [&](QIODevice &out) {
        return WriteBooksXml(out, ids, *doc.m_connection, imagesDir);
    });
}

int CmdExportCsv(const QStringList &args)
{
    QStringList plain = args;
    QString output;
    QString categoryText;
    QString formatName = QStringLiteral("tomelodex");
    int category = kAllBooks;
    CsvExportLayout layout = CsvExportLayout::Tomelodex;
    const bool toFile = TakeOption(plain, QStringLiteral("-o"), &output);
    const bool byCategory = TakeOption(plain, QStringLiteral("--category"), &categoryText);
    const bool byFormat = TakeOption(plain, QStringLiteral("--format"), &formatName);
    if ((toFile && output.isEmpty()) || (byCategory && !ParseId(categoryText, &category)) ||
        (byFormat && !CsvExportLayoutFromName(formatName, &layout)) || !CheckPlainArgs(plain, 1))
        return UsageError(QStringLiteral("usage: tomelodex-cli export-csv LIBRARY [--category ID] "
                                         "[--format tomelodex|goodreads] [-o FILE]"));
    if (toFile && RefuseStrayName(output))
        return kExitFailed;
    CTomeloDoc doc;
    if (!OpenLibrary(doc, plain.at(0)))
        return kExitFailed;
    QVector<quint32> ids;
    if (!CategoryBookIds(category, *doc.m_connection, &ids))
        return kExitFailed;
    return WriteResult(toFile ? output : QString(), [&](QIODevice &out) {
        return WriteBooksCsv(out, ids, *doc.m_connection, layout);
    });
}

int CmdImportXml(const QStringList &args)
{
    QStringList plain = args;
    QString categoryText;
    int category = 0;
    const bool keepCategories = plain.removeAll(QStringLiteral("--keep-categories")) > 0;
    if (!TakeOption(plain, QStringLiteral("--category"), &categoryText) ||
        !ParseId(categoryText, &category) || !TakeDuplicatesOption(plain) ||
        !CheckPlainArgs(plain, 2))
        return UsageError(
            QStringLiteral("usage: tomelodex-cli import-xml LIBRARY FILE --category ID "
                           "[--keep-categories] [--duplicates skip|add]"));
    if (RefuseStrayName(plain.at(1)))
        return kExitFailed;
    CTomeloDoc doc;
    const int opened = OpenForAdding(doc, plain.at(0), category);
    if (opened != kExitOk)
        return opened;
    CXmlImportOptions options;
    options.onWaiting = [](const QString &status) { PrintErr(status); };
    options.restoreCategories = keepCategories;
    const CXmlImportResult result =
        ImportBooksXml(plain.at(1), category, TomeloApp().m_imagesDir, *doc.m_connection, options);
    return result.completed && result.failed == 0 ? kExitOk : kExitFailed;
}

} // namespace

std::vector<CCliCommand> XmlCommands()
{
    return {
        {QStringLiteral("export-xml"), QStringLiteral("LIBRARY (ID... | --category ID) [-o FILE]"),
         QCoreApplication::translate(
             "Cli", "Writes the book XML of the given books, in that order, or of the books "
                    "the list shows for category ID (5: All Books), as Save As XML writes "
                    "it, to standard output or FILE."),
         CmdExportXml},
        {QStringLiteral("export-csv"),
         QStringLiteral("LIBRARY [--category ID] [--format tomelodex|goodreads] [-o FILE]"),
         QCoreApplication::translate(
             "Cli", "Writes every book, or those the list shows for category ID, as CSV in "
                    "UTF-8 with a header row to standard output or FILE: tomelodex (the "
                    "default) writes the book XML's element names, then Categories (the "
                    "category paths joined by \"; \"), Series and SeriesNumber; goodreads "
                    "writes the columns of a Goodreads library export."),
         CmdExportCsv},
        {QStringLiteral("import-xml"),
         QStringLiteral("LIBRARY FILE --category ID [--keep-categories] [--duplicates skip|add]"),
         QCoreApplication::translate(
             "Cli", "Imports the books of a book XML file into category ID. With "
                    "--keep-categories each book goes instead into the categories the file "
                    "names for it, found by their path and created when missing (Favorites "
                    "and Reading List included); a book the file puts in no category still "
                    "goes into category ID. A book whose ISBN is already in the library is "
                    "skipped (skip, the default) or added anyway (add). Prints how many books "
                    "were found and imported, then how many were imported, skipped and failed; "
                    "exits 1 when any failed or the import was stopped."),
         CmdImportXml},
    };
}
