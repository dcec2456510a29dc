#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class CCatalogueReader;
class CLibraryConnection;

// What the import does with a record whose ISBN the library has already.
enum class DuplicateIsbns
{
    Skip, // leaves the stored book as it is
    Add,  // adds the record as another book
    Fill, // fills the stored book's empty fields, changing nothing else
};

// One record's outcome, for the report.
struct CImportReportLine
{
    enum class Outcome
    {
        Imported,
        Filled, // the stored book with its ISBN took the record's values
        Skipped,
        Failed,
    };
    QString source; // the file the record came from
    int number = 0; // the record's number in it
    Outcome outcome = Outcome::Imported;
    QString title;
    QString reason; // why it was skipped or failed
    quint32 bookId = 0;

    // "12<tab>Dune", "12<tab>Error: reason".
    QString Text() const;
};

struct CCatalogueImportOptions
{
    // The category every new book goes into (the root or a user category).
    int categoryId = 1;
    DuplicateIsbns duplicates = DuplicateIsbns::Skip;
    // Runs everything but the commit: the library stays as it was.
    bool dryRun = false;
    // Told, with a text to show, each time the import waits for another
    // program to free the library.
    std::function<void(const QString &status)> onWaiting;
    int busyWaitSeconds = 60;
    // Told after each record with the number read so far; false cancels the
    // import, which then keeps nothing.
    std::function<bool(int recordsRead)> onRecord;
    // Told of each record's outcome as it is known. When set, the result
    // keeps no lines, so a large import's memory stays flat.
    std::function<void(const CImportReportLine &line)> onLine;
};

struct CCatalogueImportResult
{
    // Every source was read to its end and, unless it was a dry run, the
    // books are committed.
    bool completed = false;
    bool cancelled = false;
    // Why nothing was kept: an unreadable source, a library in use, a
    // failed commit. Empty when completed or cancelled.
    QString error;
    int imported = 0; // new books, and stored books filled
    int skipped = 0;
    int failed = 0;
    QList<CImportReportLine> lines;
    // The sources' remarks, values kept in Notes, covers not taken.
    QStringList notes;
    QVector<int> createdCategoryIds;

    // "3 imported, 1 skipped, 0 failed."
    QString Summary() const;
    // The report as a text to show or save: the lines (each file's name
    // before its records when they came from several), the notes, then the
    // summary, or why nothing was kept.
    QString ReportText() const;
};

// One source of an import: an opened reader and the path it reads.
struct CCatalogueSource
{
    QString path;
    CCatalogueReader *reader = nullptr;
};

// Reads every record of the sources, maps it (MapForeignBook) and writes it
// into the library, all in one transaction: a book that fails leaves
// nothing of itself and the others go on, while a source that cannot be
// read on, a cancel, a failed commit or a library that stays in use keeps
// nothing at all. Tags, shelves and collections go into categories below
// one parent category per source named after it; books meant to be read
// also go into the Reading List; covers are copied into `imagesDir` once the
// books are committed. Nothing is shown or asked: the result tells all.
CCatalogueImportResult ImportCatalogue(const QList<CCatalogueSource> &sources,
                                       const QString &imagesDir, CLibraryConnection &connection,
                                       const CCatalogueImportOptions &options);
