#pragma once

#include "db/BookListQuery.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

#include <vector>

class CLibraryConnection;

// The book list's columns. The numbers are kept in the settings (the sorted
// column, the chosen columns), so new columns go at the end.
enum BookListColumn : int
{
    kColumnTitle,
    kColumnAuthor,
    kColumnPublisher,
    kColumnIsbn,
    kColumnEdition,
    kColumnYear,
    kColumnPages,
    kColumnRating,
    kColumnStatus,
    kColumnLocation,
    kColumnDateAdded,
    kColumnSeries,
    kBookListColumnCount
};

// Columns whose values are numbers and sort as numbers ("98" before "976").
bool IsNumericColumn(int column);

// Which books a list shows and in which order.
struct CBookListOptions
{
    int column = kColumnTitle;
    bool ascending = true;
    // A user category lists the books of its sub-categories too, each once.
    bool includeSubcategories = false;
    // Authors sort by the first author's last name ("Austen, Jane").
    bool authorsByLastName = false;
};

// The books of a category (the same books as BookListSql, or with
// sub-categories those of the whole branch; for an entry of the tree's
// loans, wishes and series the books it selects, a series by number when
// sorted by title; the Reading List also shows the books being read),
// sorted by the column in the
// library's letter-case-blind order (numbers by value, empty ones first),
// ties by title and identifier: only their identifiers, so a window can show
// the count at once and read the texts of just the rows it paints. Reports a
// database error and returns false.
bool ReadBookOrder(int categoryId, const CBookListOptions &options, CLibraryConnection &connection,
                   QVector<quint32> &bookIds);
bool ReadBookOrder(int categoryId, int column, bool ascending, CLibraryConnection &connection,
                   QVector<quint32> &bookIds);

// `categoryId` and every category below it, however deep (a category that
// is its own ancestor is listed once). Empty after a database error.
QVector<int> CategoryBranch(int categoryId, CLibraryConnection &connection);

// The texts a list is sorted by, gathered as the rows are read: for each
// book the text of the sorted column and, unless that is the title, the
// title that orders equal texts. The library's indexes order text by
// NOCASE, which agrees with the list's order for ASCII text, so a list whose
// texts are all ASCII comes out of the database in order and needs nothing
// more; the texts are kept in one buffer so that finding this out costs
// little.
class CListSortTexts
{
public:
    // With `emptyLast`, books without a text come after all others in the
    // ascending order (and first in the descending one).
    CListSortTexts(bool ascending, bool byTitle, bool emptyLast = false)
        : m_ascending(ascending), m_byTitle(byTitle), m_emptyLast(emptyLast)
    {}

    void Add(quint32 bookId, QByteArrayView text, QByteArrayView tieTitle);

    // Where the books go in the list's order: by text, letter case aside in
    // every alphabet and accented letters among their base letters, in the
    // given direction; equal texts by title (ascending), then by identifier
    // (in the given direction when sorting by title, else ascending). Gives
    // the positions in the order they were added, or nothing when the
    // database's order is already the list's.
    std::vector<qsizetype> Permutation() const;

private:
    struct CSpan
    {
        quint32 bookId;
        qsizetype text, textSize, tie, tieSize;
    };
    bool m_ascending;
    bool m_byTitle;
    bool m_emptyLast;
    bool m_allAscii = true;
    QByteArray m_bytes;
    std::vector<CSpan> m_spans;
};

// Puts `rows` from `first` on in the order of `positions` (relative to
// `first`, as CListSortTexts::Permutation gives them); nothing for none.
template <typename Row>
void ApplyListOrder(QVector<Row> &rows, qsizetype first, const std::vector<qsizetype> &positions)
{
    if (positions.empty())
        return;
    QVector<Row> sorted = rows.mid(0, first);
    sorted.reserve(rows.size());
    for (const qsizetype position : positions)
        sorted.append(std::move(rows[first + position]));
    rows = std::move(sorted);
}

// The texts of the given books, in no particular order; books that are gone
// are missing from `rows`. A database error is reported, or only put into
// `error` when that is given (a window reading rows while it paints must not
// open a message box there).
bool ReadBookRows(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                  QVector<CBookListRow> &rows, QString *error = nullptr);
