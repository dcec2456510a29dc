#pragma once

#include <QString>
#include <QVector>

#include <memory>

class CBookRecord;

// One Category element of a Book: the identifier the category had in the
// library that wrote the file (its ID attribute, as written) and its path
// (">>" and each name from the top down).
struct CBookXmlCategory
{
    QString id;
    QString path;
};

// Sets the field of `record` that the Book child element named `element`
// fills when a book XML file is read, from the element's text, as the
// reader does (a cover's text names its picture file, MyRating keeps its
// leading whole number, EbookOnly is Yes or No). False, changing nothing,
// for a name that is no single field of a book.
bool SetBookFieldFromXml(CBookRecord &record, const QString &element, const QString &text);

// The most of a file that one Book element (or anything else beside the
// books) may take. SQLite holds at most 1,000,000,000 bytes in one row, so
// any book a library holds fits, with room for its markup and for the
// characters that grow when escaped. No single text has a limit of its own.
inline constexpr qint64 kMaxBookXmlBytes = qint64(2) << 30;

// Reads the Book elements of a book XML file one at a time with libxml2's
// streaming reader, so memory stays the same whatever the size of the file.
//
// Only the Book children of a root element named Tomelodex count. No
// external DTD or entity and nothing from the network is ever loaded: a file
// that names one fails. The entities a file declares for itself are
// expanded by this reader, at most kMaxEntityExpansionBytes for the whole
// file; nesting is bounded by the parser.
class CBookXmlReader
{
public:
    // A book taking more than `maxBookBytes` of the file fails the reading.
    explicit CBookXmlReader(const QString &path, qint64 maxBookBytes = kMaxBookXmlBytes);
    ~CBookXmlReader();
    CBookXmlReader(const CBookXmlReader &) = delete;
    CBookXmlReader &operator=(const CBookXmlReader &) = delete;

    // Fills `record` (a fresh record) from the next book; false at the end of
    // the file or when the file turned out to be unreadable (Failed()).
    bool ReadNext(CBookRecord &record);

    // The Category elements of the book ReadNext gave last, in file order.
    const QVector<CBookXmlCategory> &Categories() const { return m_categories; }

    bool Failed() const { return !m_error.isEmpty(); }
    // What was wrong, naming the line and, once books were read, the book.
    QString Error() const { return m_error; }
    // Books read so far; the number of the book ReadNext gave last.
    int BookCount() const { return m_books; }

private:
    struct CReader;

    bool Fail(const QString &error);
    // Fails with what the parser reported, saying how many books came before.
    bool FailParsing();
    bool CheckDocumentType();

    std::unique_ptr<CReader> m_reader;
    QVector<CBookXmlCategory> m_categories;
    QString m_error;
    int m_books = 0;
    bool m_inRoot = false;
    bool m_skipSubtree = false;
    bool m_checkedDtd = false;
};
