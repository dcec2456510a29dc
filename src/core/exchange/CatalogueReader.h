#pragma once

#include "exchange/ForeignBook.h"

#include <QString>
#include <QStringList>

// Reads the books of one other catalogue's file (or folder) one record at a
// time. One subclass per format; the import asks them in turn and maps every
// record the same way (see MapForeignBook).
class CCatalogueReader
{
public:
    virtual ~CCatalogueReader() = default;

    // The name of the format and source, as shown to the user and given to
    // the parent category of the imported tags and shelves ("Goodreads",
    // "calibre", "Tellico", "CSV").
    virtual QString SourceName() const = 0;

    // Opens `path`; false when it cannot be read as this format, with
    // Error() saying why and naming the file.
    virtual bool Open(const QString &path) = 0;

    // Reads the next record into `book` (cleared first). False at the end,
    // and false with Error() set when the source cannot be read on; the
    // import then keeps nothing. A single bad record is no error: it comes
    // back with CForeignBook::problem set.
    virtual bool Next(CForeignBook &book) = 0;

    QString Error() const { return m_error; }
    // Remarks about the whole source for the report ("Read as Windows-1252:
    // the file is not valid UTF-8.").
    QStringList Notes() const { return m_notes; }

protected:
    void SetError(const QString &error) { m_error = error; }
    void AddNote(const QString &note) { m_notes.append(note); }

private:
    QString m_error;
    QStringList m_notes;
};
