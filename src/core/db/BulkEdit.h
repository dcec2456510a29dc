#pragma once

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QVector>

#include <optional>

class CLibraryConnection;

// The fields of a book that can be set on many books at once: those of the
// book sheet's General and Personal pages but for the ISBN and the web
// address, which belong to one book each.
enum class EBulkField
{
    Title,
    Subtitle,
    Author,
    Edition,
    Publisher,
    PageCount,
    Language,
    ReleaseDate,
    Binding,
    Dimension,
    Extras,
    PurchaseDate,
    Store,
    PurchasePrice,
    ListPrice,
    AmazonPrice,
    AmazonRating,
    NumOfReviews,
    MyRating,
    Location,
    Status,
    CurrentPage,
    EBookOnly,
    Format,
    BookSize,
    UserText1,
    UserText2,
};
constexpr int kBulkFieldCount = int(EBulkField::UserText2) + 1;

// How a field is kept in the book table.
enum class EBulkKind
{
    Text,    // a text column
    Name,    // an identifier into a lookup table, shown and set by name
    Integer, // a whole number (pages, reviews)
    Number,  // an amount or a measure (prices, rating, size)
    Date,    // a date column (stored ISO text, or a text that is no date)
    Rating,  // My Rating: 0 (unrated) to 5
    Flag,    // EBookOnly: "1" or "0"
};

struct CBulkFieldInfo
{
    EBulkField Field;
    const char *Name;        // the record's and the book XML's name ("Publisher")
    const char *Column;      // the book table's column ("PublisherID")
    const char *LookupTable; // for names: "bookpublisher"; else null
    EBulkKind Kind;
    int Limit; // the most characters the library keeps, or 0 for no limit
};

// Search and replace inside a text: plain text or a regular expression
// (whose replacement may name its groups as \1 ... \9), with or without
// regard to letter case.
struct CTextReplace
{
    CTextReplace() = default;
    CTextReplace(const QString &find, const QString &with, bool pattern = false,
                 bool matchCase = false)
        : Find(find), With(with), Pattern(pattern), MatchCase(matchCase)
    {}

    QString Find;
    QString With;
    bool Pattern = false;
    bool MatchCase = false;

    // Why it cannot be used (nothing to find, a pattern that does not
    // compile); empty when it can.
    QString Problem() const;
    // `text` with every match replaced.
    QString Apply(const QString &text) const;

    // The pattern as last compiled, kept for the next text.
    mutable QRegularExpression Compiled;
};

// What each field of a group of books holds: the value they share, or
// nothing when they differ.
struct CBulkSharedValues
{
    // One entry per field, in the order of EBulkField; a field the books
    // share holds its text as the book record would (names by name).
    QVector<std::optional<QString>> Values;
    bool IsShared(EBulkField field) const { return Values.value(int(field)).has_value(); }
    QString Shared(EBulkField field) const { return Values.value(int(field)).value_or(QString()); }
};

// A change of the same fields on many books: values to set (an empty value
// clears the field), texts to search and replace, categories to join and to
// leave. A field it does not name is never written.
class CBulkEdit
{
public:
    static const CBulkFieldInfo &Info(EBulkField field);
    // Whether a field takes search and replace: texts and names.
    static bool CanReplace(EBulkField field);

    // Sets `field` on every book: a name, date or amount as the book sheet
    // takes it ("$12.99", "Mar 07, 2005", "2005-03-07"), a rating "0" to
    // "5", a flag "1" or "0". An empty value clears the field.
    void Set(EBulkField field, const QString &value);
    // Replaces text inside `field` (a text or a name) book by book. With
    // Set on the same field it works on the value set.
    void Replace(EBulkField field, const CTextReplace &replace);
    // Puts every book into `categoryId` / takes every book out of it.
    void AddToCategory(int categoryId);
    void RemoveFromCategory(int categoryId);

    bool IsEmpty() const;
    const QMap<EBulkField, QString> &Values() const { return m_values; }
    const QMap<EBulkField, CTextReplace> &Replacements() const { return m_replacements; }
    const QSet<int> &CategoriesToAdd() const { return m_addTo; }
    const QSet<int> &CategoriesToRemove() const { return m_removeFrom; }

    // Why the change cannot be made as described (a blank title, a value
    // longer than its column, a pattern that does not compile, a category
    // both to join and to leave); empty when it can.
    QString Problem() const;

    struct CResult
    {
        bool Ok = false;
        int ChangedBooks = 0; // books of which something was actually changed
        QString Error;
    };
    // Makes the change to the books `bookIds` in one transaction; a book
    // already as described is left alone and not counted, a book that is
    // no longer in the library is passed over. On any failure nothing is
    // written and Error says why. Shows nothing.
    CResult Apply(const QVector<quint32> &bookIds, CLibraryConnection &connection) const;

    // What the replacements would make of the books' texts: the first
    // `limit` changes, book by book in the order given.
    struct CPreviewRow
    {
        quint32 BookID = 0;
        QString Title;
        EBulkField Field = EBulkField::Title;
        QString Before;
        QString After;
    };
    bool Preview(const QVector<quint32> &bookIds, CLibraryConnection &connection, int limit,
                 QVector<CPreviewRow> &rows, QString *error = nullptr) const;

    // The values the books `bookIds` share, field by field.
    static bool ReadShared(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                           CBulkSharedValues &shared, QString *error = nullptr);

private:
    QMap<EBulkField, QString> m_values;
    QMap<EBulkField, CTextReplace> m_replacements;
    QSet<int> m_addTo;
    QSet<int> m_removeFrom;
};
