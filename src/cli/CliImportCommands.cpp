#include "CliCommands.h"

#include "app/TomeloApp.h"
#include "db/BookRecord.h"
#include "db/TomeloDoc.h"
#include "exchange/CatalogueFormats.h"
#include "exchange/CatalogueImport.h"
#include "xml/BookXmlReader.h"

#include <QCoreApplication>
#include <QDir>

#include <memory>

namespace {

const QString kImportUsage =
    QStringLiteral("usage: tomelodex-cli import LIBRARY FILE... [--format FORMAT] [--category ID] "
                   "[--map COLUMN=FIELD]... [--duplicates skip|add|fill] [--dry-run]");

// A field `--map` may name: a book XML element, or one of the import's own.
bool IsMappableField(const QString &field)
{
    CBookRecord probe;
    return SetBookFieldFromXml(probe, field, QString()) || field == u"Categories" ||
           field == u"EbookOnly";
}

// Takes every `--map COLUMN=FIELD`; false after a usage error.
bool TakeColumnMap(QStringList &args, CCatalogueOptions &options, int *exit)
{
    QString mapping;
    while (TakeOption(args, QStringLiteral("--map"), &mapping)) {
        const qsizetype equals = mapping.lastIndexOf(u'=');
        const QString column = mapping.left(equals).trimmed();
        const QString field = mapping.mid(equals + 1).trimmed();
        if (equals <= 0 || column.isEmpty()) {
            *exit = UsageError(kImportUsage);
            return false;
        }
        if (!IsMappableField(field)) {
            *exit = UsageError(QCoreApplication::translate(
                                   "Cli", "tomelodex-cli: --map %1: %2 is no field of a book.")
                                   .arg(mapping, field));
            return false;
        }
        options.columnMap.append({column, field});
    }
    return true;
}

bool TakeDuplicates(QStringList &args, DuplicateIsbns *duplicates)
{
    QString value = QStringLiteral("skip");
    TakeOption(args, QStringLiteral("--duplicates"), &value);
    if (value == u"skip")
        *duplicates = DuplicateIsbns::Skip;
    else if (value == u"add")
        *duplicates = DuplicateIsbns::Add;
    else if (value == u"fill")
        *duplicates = DuplicateIsbns::Fill;
    else
        return false;
    return true;
}

int CmdImport(const QStringList &args)
{
    QStringList plain = args;
    QString formatName = QStringLiteral("auto");
    QString categoryText = QStringLiteral("1");
    int category = 0;
    CCatalogueOptions readerOptions;
    CCatalogueImportOptions options;
    const bool dryRun = plain.removeAll(QStringLiteral("--dry-run")) > 0;
    TakeOption(plain, QStringLiteral("--format"), &formatName);
    TakeOption(plain, QStringLiteral("--category"), &categoryText);
    int exit = kExitOk;
    if (!TakeColumnMap(plain, readerOptions, &exit))
        return exit;
    const std::optional<CatalogueFormat> format = CatalogueFormatFromName(formatName);
    if (!format)
        return UsageError(
            QCoreApplication::translate("Cli", "tomelodex-cli: unknown format %1; one of: %2")
                .arg(formatName, CatalogueFormatNames().join(QStringLiteral(", "))));
    if (!ParseId(categoryText, &category) || !TakeDuplicates(plain, &options.duplicates) ||
        !CheckPlainArgs(plain, int(plain.size())) || plain.size() < 2)
        return UsageError(kImportUsage);
    for (const QString &file : plain.mid(1)) {
        if (RefuseStrayName(file))
            return kExitFailed;
    }

    // Every file is known and opened before the library is touched.
    std::vector<std::unique_ptr<CCatalogueReader>> readers;
    QList<CCatalogueSource> sources;
    for (const QString &file : plain.mid(1)) {
        QString error;
        std::optional<CatalogueFormat> fileFormat = *format;
        if (*format == CatalogueFormat::Auto)
            fileFormat = DetectCatalogueFormat(file, &error);
        if (!fileFormat) {
            PrintErr(error);
            return kExitFailed;
        }
        readers.push_back(MakeCatalogueReader(*fileFormat, readerOptions));
        if (!readers.back()->Open(file)) {
            PrintErr(readers.back()->Error());
            return kExitFailed;
        }
        sources.append({file, readers.back().get()});
    }

    CTomeloDoc doc;
    const int opened = OpenForAdding(doc, plain.at(0), category);
    if (opened != kExitOk)
        return opened;
    options.categoryId = category;
    options.dryRun = dryRun;
    options.onWaiting = [](const QString &status) { PrintErr(status); };
    QString lastSource;
    options.onLine = [&](const CImportReportLine &line) {
        // Several files: each file's records after its name.
        if (sources.size() > 1 && line.source != lastSource) {
            lastSource = line.source;
            PrintOut(QDir::toNativeSeparators(line.source));
        }
        PrintOut(line.Text());
    };
    const CCatalogueImportResult result =
        ImportCatalogue(sources, TomeloApp().m_imagesDir, *doc.m_connection, options);
    for (const QString &note : result.notes)
        PrintErr(note);
    if (!result.completed) {
        PrintErr(result.error);
        return kExitFailed;
    }
    if (dryRun)
        PrintErr(QCoreApplication::translate("Cli", "Dry run: the library was not changed."));
    PrintOut(result.Summary());
    return result.failed == 0 ? kExitOk : kExitFailed;
}

} // namespace

std::vector<CCliCommand> ImportCommands()
{
    return {
        {QStringLiteral("import"),
         QStringLiteral("LIBRARY FILE... [--format FORMAT] [--category ID] [--map COLUMN=FIELD]... "
                        "[--duplicates skip|add|fill] [--dry-run]"),
         QCoreApplication::translate(
             "Cli",
             "Imports the books of other catalogues' exports into category ID (default 1, Book "
             "Collection), all in one transaction. FORMAT is auto (the default: found out from "
             "each file's content), goodreads, librarything, storygraph, libib, calibre (a "
             "calibre library's folder or its metadata.db, only read), tellico (.tc or its "
             "XML), gcstar (.gcs), csv (any table with a header row) or tomelodex (the book "
             "XML). --map COLUMN=FIELD names the field of a table's column (a book XML element, "
             "or Categories, Series, SeriesNumber), over the guess by header name. Tags, shelves "
             "and collections go into categories below one named after the source. A book whose "
             "ISBN is already in the library is skipped (skip, the default), added anyway (add) "
             "or fills the stored book's empty fields (fill). --dry-run changes nothing. Prints "
             "per record its number, a tab and the title or \"Error: \" and the reason, then "
             "how many were imported, skipped and failed; exits 1 when any failed or the import "
             "was stopped, keeping nothing."),
         CmdImport},
    };
}
