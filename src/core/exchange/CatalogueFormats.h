#pragma once

#include "exchange/CatalogueReader.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The kinds of file the import reads, as `import --format` names them.
enum class CatalogueFormat
{
    Auto, // found out from the content (DetectCatalogueFormat)
    Goodreads,
    LibraryThing,
    StoryGraph,
    Libib,
    Calibre,
    Tellico,
    GCstar,
    Csv,
    Tomelodex,
};

// What the user told the import beyond the file: handed to the reader.
struct CCatalogueOptions
{
    // `--map COLUMN=FIELD`: the field (a book XML element name, or
    // "Categories", "Series", "SeriesNumber") of a table's column by its
    // header name, adding to and overriding the guess by header name.
    QList<QPair<QString, QString>> columnMap;
};

// The format's name on the command line ("goodreads"), and back: nothing
// for a name that is no format.
QString CatalogueFormatName(CatalogueFormat format);
std::optional<CatalogueFormat> CatalogueFormatFromName(const QString &name);
QStringList CatalogueFormatNames();

// The format of `path` (a file, or a calibre library's folder) found out
// from its content: never Auto on success. Nothing, with `error` naming the
// file and why, when it is of no kind the import reads or cannot be read.
std::optional<CatalogueFormat> DetectCatalogueFormat(const QString &path, QString *error);

// A reader of `format` (not Auto), ready to Open.
std::unique_ptr<CCatalogueReader> MakeCatalogueReader(CatalogueFormat format,
                                                      const CCatalogueOptions &options);
