#pragma once

#include <QString>
#include <QVector>

class CBookRecord;
class QIODevice;
class CLibraryConnection;

// The program's own XML description of books: what the information view
// transforms, what Save As XML writes and what the import reads back.

// Escapes element text: "&" and "<" (and the "]]>" that XML forbids in text).
QString EscapeXmlText(const QString &text);

// Appends one element line ("<Name attr=\"value\">text</Name>\n"); empty
// text appends nothing.
void AppendElement(QString &xml, const QString &name, const QString &text,
                   const QString &attributeName = QString(),
                   const QString &attributeValue = QString());

// The document for the books `bookIds`, in that order. Cover paths are
// formed in `imagesDir`.
QString BuildBooksXml(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                      const QString &imagesDir);

// Writes the same document to `out` book by book in UTF-8, so that a whole
// library is written without holding its text in memory. False when a
// write failed.
bool WriteBooksXml(QIODevice &out, const QVector<quint32> &bookIds, CLibraryConnection &connection,
                   const QString &imagesDir);

// One field of a book as the document names it ("Title") and its text.
struct CBookXmlField
{
    const char *name;
    QString value;
};

// The book's fields in the order the document writes them, each with the
// text it writes (empty ones too): Title ... Notes, Series, SeriesNumber.
QVector<CBookXmlField> BookXmlFields(const CBookRecord &book);

// Replaces the record's prices with the stored ones as files carry them: a
// stored amount in full with a point for decimals whatever the user's locale
// (the record holds it as the locale shows it), a stored text as it is.
void UseFilePrices(CBookRecord &book, CLibraryConnection &connection);

// One record as a Book element with its fields and links (no categories or
// covers), as it stands in memory.
QString BookElementXml(const CBookRecord &book);

// Writes the document as UTF-8 without a byte-order mark, replacing `path`
// only once the whole file is written (see COutputFile); a FIFO no program
// reads is a failure rather than a wait. On failure `error`, when given, says
// why, naming the file.
bool SaveBooksXml(const QString &path, const QString &xml, QString *error = nullptr);
