#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class CLibraryConnection;
class QIODevice;

// The columns a CSV export writes.
enum class CsvExportLayout
{
    // The book XML's element names in its order, then Categories (the
    // category paths joined by "; "), Series and SeriesNumber: what the
    // import reads back as a table with a header row.
    Tomelodex,
    // The columns of a Goodreads library export, for Goodreads and the
    // programs that read its files.
    Goodreads,
};

// "tomelodex" or "goodreads" (any case); false for any other name.
bool CsvExportLayoutFromName(const QString &name, CsvExportLayout *layout);

// One field as RFC 4180 writes it: in quotes, with its quotes doubled, when
// it holds a comma, a quote, a line break or white space at either end.
QString CsvField(const QString &text);

// One record: the fields joined by commas, ended by CR LF.
QString CsvRecord(const QStringList &fields);

// Writes the header row and one row per book of `bookIds`, in that order, as
// UTF-8 without a byte-order mark. Written book by book, so a whole library
// never sits in memory as text. False when a write failed.
bool WriteBooksCsv(QIODevice &out, const QVector<quint32> &bookIds, CLibraryConnection &connection,
                   CsvExportLayout layout);
