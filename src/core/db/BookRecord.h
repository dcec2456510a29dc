#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class CLibraryConnection;
class CTransaction;

// One related link of a book.
struct CLinkEntry
{
    QString LinkID; // the number read from the library, or anything for a new link
    QString Name;
    QString Path;
    QString Notes;
};

// One loan of a book as the book XML carries it: texts as the tables keep
// them (Direction "lent" or "borrowed", ISO dates, empty when none).
struct CBookLoan
{
    QString Direction;
    QString Name;
    QString LoanDate;
    QString DueDate;
    QString ReturnDate;
    QString Notes;
};

// One reading of a book, likewise (ISO dates, empty when not known).
struct CBookReading
{
    QString Started;
    QString Finished;
    QString Notes;
};

// Temporary files made for a book record (a downloaded cover, say). Copies
// of a record share them, and the files are deleted when the last record
// that knows them is gone, so a copy never deletes a file its original
// still uses.
class CTempFileList
{
public:
    void append(const QString &path);
    QStringList paths() const;
    int size() const;
    bool contains(const QString &path) const;
    // Lets go of the files: they are deleted unless a copy still knows them.
    void clear() { m_files.reset(); }

private:
    struct Files;
    std::shared_ptr<Files> m_files;
};

// A text that one thread writes while another reads it (the status line of
// a lookup, shown by the batch dialog while its worker runs). Every access
// copies under a lock.
class CSharedText
{
public:
    CSharedText() = default;
    CSharedText(const QString &text) : m_text(text) {}
    CSharedText(const CSharedText &other) : m_text(other.value()) {}
    CSharedText &operator=(const CSharedText &other)
    {
        if (this != &other)
            *this = other.value();
        return *this;
    }
    CSharedText &operator=(const QString &text)
    {
        QMutexLocker lock(&m_mutex);
        m_text = text;
        return *this;
    }
    QString value() const
    {
        QMutexLocker lock(&m_mutex);
        return m_text;
    }
    operator QString() const { return value(); }
    bool operator==(const QString &text) const { return value() == text; }
    bool operator!=(const QString &text) const { return value() != text; }

private:
    mutable QMutex m_mutex;
    QString m_text;
};

// The name of the library's first status by identifier, the one a new book
// takes when the defaults for new books name none; empty when there is none.
QString FirstStatusName(CLibraryConnection &connection);

// Whether the library has a book with the ISBN `isbn` (an ISBN-10 and its 978
// ISBN-13 name the same book; hyphens, spaces and the check letter's case do
// not count): `title` is the first such book's title, empty when there is
// none. A blank ISBN finds nothing. False when the query failed.
bool FindStoredIsbn(const QString &isbn, CLibraryConnection &connection, QString &title);

// Whether two ISBNs, as typed or stored, name the same book by the rules of
// FindStoredIsbn. Blank ISBNs name no book.
bool IsSameBookIsbn(const QString &a, const QString &b);

// Identifier of the book written by the last successful save (0 at start).
extern std::atomic<qint32> g_lastSavedBookId;

// One book in memory: every column of the book table as text (lookup values
// by name), its links, and the transient values of an online lookup. Copies
// are deep. Every way a book enters or changes in the library ends in Save.
class CBookRecord
{
public:
    CBookRecord();
    CBookRecord(const CBookRecord &) = default;
    CBookRecord &operator=(const CBookRecord &) = default;

    qint32 BookID = 0;
    QString FrontCover;
    QString BackCover;
    QString Title;
    QString Subtitle;
    QString Author;
    QString URL;
    QString Edition;
    QString ReleaseDate;
    QString Publisher;
    QString ISBN;
    QString PageCount;
    QString Language;
    QString Binding;
    QString Dimension;
    QString Extras;
    QString PurchaseDate;
    QString Store;
    QString PurchasePrice;
    QString ListPrice;
    QString AmazonPrice;
    QString Location;
    QString Status;
    QString CurrentPage;
    QString AmazonRating;
    QString NumOfReviews;
    qint32 MyRating = 0;
    QString UserText1;
    QString UserText2;
    bool EBookOnly = false;
    QString Format;
    QString BookSize;
    QString Description;
    QString Notes;
    QList<CLinkEntry> Links;
    // The series the book belongs to and its number in it ("Dune", "2"),
    // both empty for none; saved with the book.
    QString Series;
    QString SeriesNumber;
    // Its loans (the open one first) and readings (the latest first), read
    // by Load. Only the save of a new book (an import) writes them; saving a
    // stored book keeps those in the library, which change through
    // CLoanStore and CReadingStore.
    QList<CBookLoan> Loans;
    QList<CBookReading> Readings;
    QString ProductUrlPrefix;
    QString LargeImageUrl;
    QString MediumImageUrl;
    CSharedText StatusText;
    QString ErrorText;
    bool HasFatalError = false;
    QString CoverTempPath;
    QString BackCoverTempPath;
    CTempFileList TempFiles;
    // Why the last Save returned false: the user chose to skip a duplicate
    // ISBN, the stored book changed or went away after it was read
    // (Conflict), or else the database's reason the book could not be written.
    bool SkippedDuplicate = false;
    enum class SaveConflict
    {
        None,
        ChangedSinceRead, // another writer changed the stored book after Load
        DeletedSinceRead, // the stored book is no longer in the library
    };
    SaveConflict Conflict = SaveConflict::None;
    QString SaveError;
    // Set by a lookup that failed because the source answered that it has no
    // such book (as against one that could not ask it); cleared by the next.
    bool NotFound = false;
    // The ISBN the user already agreed to add although the library has it:
    // a new book's save with the same ISBN (in any of its forms) does not ask
    // again. Kept by ResetToDefaults; another ISBN is asked about as ever.
    QString AcceptedDuplicateIsbn;

    // The stored book's columns this program knows and its links, as Load
    // read them (or the last Save wrote them), in a form only good for
    // comparing; empty for a record that was not read from the library. A
    // save of the stored book compares it with the library inside its
    // transaction and writes nothing when they differ. Clearing it lets the
    // next save overwrite whatever is stored.
    QByteArray StoredState;

    // Empties the book's fields and applies the default values for new books.
    void ResetToDefaults();
    // A new book without a status takes the first of the library's statuses
    // by identifier ("In Collection" in a new library): the status a book
    // starts with when the defaults for new books name none.
    void FillNewBookStatus(CLibraryConnection &connection);

    // A text field kept in a column of limited length: its column name
    // ("Title"), the field, and the most characters the column takes.
    struct ColumnLimit
    {
        const char *Field;
        QString CBookRecord::*Text;
        int Limit;
    };
    static const QList<ColumnLimit> &ColumnLimits();

    // Whether every text fits the library's column for it. The ISBN is
    // measured as typed, before its hyphens go.
    bool FitsColumns() const { return !FirstTooLong(); }
    // The first field longer than its column, or null when all fit.
    const ColumnLimit *FirstTooLong() const;
    // Says that the field shown as `fieldName` holds `length` characters,
    // more than the `limit` its column keeps, and asks to shorten it.
    static QString TooLongMessage(const QString &fieldName, int length, int limit);

    // What a record is loaded for: to be edited and saved again, or only to
    // be shown or written out (no StoredState, and half the time).
    enum class LoadFor
    {
        Editing,
        ReadingOnly,
    };

    // Fills the record from the stored book `bookId`; for editing read as
    // one snapshot with its StoredState. A missing book leaves the record as
    // it was (but for BookID and StoredState) and still succeeds; `found`
    // tells whether there was one.
    bool Load(int bookId, CLibraryConnection &connection, LoadFor purpose = LoadFor::Editing,
              bool *found = nullptr);

    // Writes the record: a new book (INSERT) into category `categoryId`, or,
    // when `isNew` is false, the stored book BookID: an UPDATE of the columns
    // this program knows and its links rewritten, so columns and rows other
    // programs added (and its categories) stay. All rows are written in one
    // transaction holding the write lock (a savepoint inside a caller's
    // transaction), and cover pictures are put in place only once the rows
    // are in, so a failed save leaves library and images folder as they
    // were. Inside a CDeferredCovers scope the pictures wait for the scope's
    // owner to commit.
    //
    // A new book's ISBN is checked for duplicates under the same lock as its
    // insert, so concurrent writers never store a book twice; the question
    // whether to skip it is asked after letting go of the lock (unless the
    // lock is a caller's), and "add anyway" writes under a new one.
    //
    // Returns false when a statement failed (SaveError), the user chose to
    // skip a duplicate ISBN (SkippedDuplicate), or the stored book changed or
    // went away since it was read (Conflict); the last two show nothing.
    bool Save(bool isNew, int categoryId, const QString &imagesDir, CLibraryConnection &connection);

private:
    bool WriteRows(bool isNew, int categoryId, const QString &imagesDir,
                   CLibraryConnection &connection, CTransaction &transaction);
};
