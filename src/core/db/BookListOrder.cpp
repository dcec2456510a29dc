#include "db/BookListOrder.h"

#include "app/UserPrompt.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/Recordset.h"
#include "db/TextCollation.h"
#include "loans/LoanSql.h"
#include "loans/ShelfEntries.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

// Above this many members a category's books are read along the title
// index and each is checked for membership; below it the members are looked
// up one by one and sorted, which is quicker for small categories.
constexpr int kIndexScanThreshold = 2000;

// The condition for the books of `categories` (one category or a branch).
QString MembershipCondition(int categoryId, const QVector<int> &categories,
                            CLibraryConnection &connection)
{
    const QString member = QStringLiteral(
        "EXISTS (SELECT 1 FROM book_category WHERE book_category.BookID = book.BookID%1)");
    if (categoryId == kAllBooks)
        return member.arg(QString());
    if (categoryId == kRecycleBin)
        return QStringLiteral("NOT ") + member.arg(QString());
    if (IsShelfEntry(categoryId))
        return QStringLiteral("book.BookID IN (") + ShelfEntryBookIdsSql(categoryId, connection) +
               u')';
    QStringList ids;
    for (const int id : categories)
        ids << QString::number(id);
    const QString which = ids.size() == 1 ? QStringLiteral("=") + ids.first()
                                          : QStringLiteral(" IN (") + ids.join(u',') + u')';
    QString count;
    QuerySingleValue(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID") + which,
                     connection, count, nullptr, false);
    // A branch is looked up through its members: checking each book of the
    // title index against many categories costs a lookup per category.
    QString filed = categories.size() == 1 && count.toLongLong() > kIndexScanThreshold
                        ? member.arg(QStringLiteral(" AND book_category.CatID") + which)
                        : QStringLiteral("book.BookID IN (SELECT BookID FROM book_category "
                                         "WHERE CatID") +
                              which + u')';
    // A book being read is on the Reading List until it is finished, filed
    // there or not.
    const QString reading = categoryId == kReadingList
                                ? ReadingNowCondition(connection, QStringLiteral("book.BookID"))
                                : QString();
    return reading.isEmpty() ? filed : u'(' + filed + QStringLiteral(" OR ") + reading + u')';
}

// A number as a text of fixed width whose order is the numbers' order (the
// offset keeps any negative number of sensible size positive), so that
// numbers sort by value in the database and in CListSortTexts alike; no
// number gives NULL.
QString NumberKey(const QString &value)
{
    return QStringLiteral("CASE WHEN NULLIF(") + value +
           QStringLiteral(", '') IS NULL THEN NULL ELSE printf('%020d', CAST(") + value +
           QStringLiteral(" AS INTEGER) + 1000000000000000) END");
}

// The year of a release date stored as ISO 8601 text ("1994", "2000-09",
// "2003-01-30").
const QString kYearSql = QStringLiteral(
    "(CASE WHEN book.ReleaseDate GLOB '[0-9][0-9][0-9][0-9]*' THEN substr(book.ReleaseDate, 1, 4) "
    "END)");

// Whether the library records when its books were added. A library of an
// earlier version gains the table only with its first write, so until then
// the column has no values and nothing may join it.
bool RecordsDateAdded(CLibraryConnection &connection)
{
    QString found;
    return QuerySingleValue(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                           "name = 'book_added'"),
                            connection, found, nullptr, false) &&
           !found.isEmpty();
}

// What a column sorts by. The stored date-times of book_added sort as
// text in time order; books without one sort as empty.
QString SortText(int column, bool authorsByLastName, bool recordsDateAdded)
{
    switch (column) {
    case kColumnAuthor:
        return authorsByLastName ? QStringLiteral("author_sort_key(book.Author) COLLATE NOCASE")
                                 : QStringLiteral("book.Author");
    case kColumnPublisher:
        return QStringLiteral("bookpublisher.Name");
    case kColumnIsbn:
        return QStringLiteral("book.ISBN");
    case kColumnEdition:
        return QStringLiteral("book.Edition");
    case kColumnYear:
        return NumberKey(kYearSql);
    case kColumnPages:
        return NumberKey(QStringLiteral("book.PageCount"));
    case kColumnRating:
        return NumberKey(QStringLiteral("NULLIF(book.MyRating, 0)"));
    case kColumnStatus:
        return QStringLiteral("bookstatus.Name");
    case kColumnLocation:
        return QStringLiteral("booklocation.Name");
    case kColumnDateAdded:
        return recordsDateAdded ? QStringLiteral("book_added.Added") : QStringLiteral("NULL");
    default:
        return QStringLiteral("book.Title");
    }
}

const QString kPublisherJoin =
    QStringLiteral(" LEFT JOIN bookpublisher ON bookpublisher.PublisherID = book.PublisherID ");
const QString kStatusJoin =
    QStringLiteral(" LEFT JOIN bookstatus ON bookstatus.StatusID = book.StatusID ");
const QString kLocationJoin =
    QStringLiteral(" LEFT JOIN booklocation ON booklocation.LocationID = book.LocationID ");
const QString kDateAddedJoin =
    QStringLiteral(" LEFT JOIN book_added ON book_added.BookID = book.BookID ");
const QString kSeriesJoin =
    QStringLiteral(" LEFT JOIN book_series ON book_series.BookID = book.BookID LEFT JOIN "
                   "bookseries ON bookseries.SeriesID = book_series.SeriesID ");
// The series name, then the number by value, books without a number after
// the numbered ones of their series; NULL for a book in no series. The
// control characters sort before any character a name goes on with, so
// "Dune" comes before "Dune Messiah" whatever their numbers.
const QString kSeriesSortText =
    QStringLiteral("(bookseries.Name || COALESCE(char(1) || series_number_key(book_series.Number), "
                   "char(2))) COLLATE NOCASE");

// The table a column's values come from, joined to the book.
QString JoinFor(int column, bool recordsDateAdded)
{
    if (column == kColumnDateAdded)
        return recordsDateAdded ? kDateAddedJoin : QStringLiteral(" ");
    switch (column) {
    case kColumnPublisher:
        return kPublisherJoin;
    case kColumnStatus:
        return kStatusJoin;
    case kColumnLocation:
        return kLocationJoin;
    default:
        return QStringLiteral(" ");
    }
}

bool IsTitleColumn(int column)
{
    return column <= kColumnTitle || column >= kBookListColumnCount;
}

// How a list is ordered: by the text `text` (from the tables `join` adds),
// which is the title when `byTitle`; with `emptyLast` books without a text
// come last in the ascending order.
struct CListSort
{
    QString text;
    QString join;
    bool byTitle = true;
    bool emptyLast = false;
};

CListSort ListSort(int categoryId, const CBookListOptions &options, CLibraryConnection &connection)
{
    const bool byTitle = IsTitleColumn(options.column);
    // A series lists its books by their numbers when sorted by title.
    if (byTitle && IsSeriesChildEntry(categoryId) && HasLoanTables(connection))
        return {QStringLiteral("series_number_key(book_series.Number)"),
                QStringLiteral(" JOIN book_series ON book_series.BookID = book.BookID "), false,
                true};
    if (options.column == kColumnSeries) {
        if (!HasLoanTables(connection))
            return {QStringLiteral("NULL"), QStringLiteral(" "), false, true};
        return {kSeriesSortText, kSeriesJoin, false, true};
    }
    const bool recordsDateAdded =
        options.column == kColumnDateAdded && RecordsDateAdded(connection);
    return {SortText(options.column, options.authorsByLastName, recordsDateAdded),
            JoinFor(options.column, recordsDateAdded), byTitle, false};
}

QString OrderClause(const CBookListOptions &options, const CListSort &sort)
{
    const QString direction = options.ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    if (sort.byTitle)
        return QStringLiteral("book.Title") + direction + QStringLiteral(", book.BookID") +
               direction;
    const QString empty = sort.emptyLast
                              ? u'(' + sort.text + QStringLiteral(" IS NULL)") + direction + u','
                              : QString();
    return empty + sort.text + direction + QStringLiteral(", book.Title ASC, book.BookID ASC");
}

// A book's sort texts folded to keys that sort as the list does.
struct CSortItem
{
    QString text;
    QString tieTitle;
    quint32 bookId;
    bool noText;
};

bool IsAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

bool Fail(const CRecordset &rs, QString *error = nullptr)
{
    if (error)
        *error = rs.ErrorText();
    else
        ShowMessage(rs.ErrorText(), MsgIcon::Warning);
    return false;
}

} // namespace

void CListSortTexts::Add(quint32 bookId, QByteArrayView text, QByteArrayView tieTitle)
{
    m_allAscii = m_allAscii && IsAscii(text) && IsAscii(tieTitle);
    const qsizetype at = m_bytes.size();
    m_bytes.append(text);
    m_bytes.append(tieTitle);
    m_spans.push_back({bookId, at, text.size(), at + text.size(), tieTitle.size()});
}

std::vector<qsizetype> CListSortTexts::Permutation() const
{
    if (m_allAscii)
        return {};
    // Folded keys, made once per book, compare far quicker than folding both
    // texts in each of the sort's many comparisons.
    std::vector<CSortItem> items;
    items.reserve(m_spans.size());
    for (const CSpan &span : m_spans) {
        const auto key = [this](qsizetype at, qsizetype size) {
            return FoldingSortKey(QString::fromUtf8(m_bytes.constData() + at, size));
        };
        items.push_back({key(span.text, span.textSize), key(span.tie, span.tieSize), span.bookId,
                         span.textSize == 0});
    }
    std::vector<qsizetype> positions(items.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::sort(positions.begin(), positions.end(), [&](qsizetype x, qsizetype y) {
        const CSortItem &a = items[size_t(x)];
        const CSortItem &b = items[size_t(y)];
        int order = m_emptyLast ? int(a.noText) - int(b.noText) : 0;
        if (order == 0)
            order = a.text.compare(b.text);
        if (order != 0)
            return m_ascending ? order < 0 : order > 0;
        order = a.tieTitle.compare(b.tieTitle);
        if (order != 0)
            return order < 0;
        return (m_ascending || !m_byTitle) ? a.bookId < b.bookId : a.bookId > b.bookId;
    });
    return positions;
}

bool IsNumericColumn(int column)
{
    return column == kColumnYear || column == kColumnPages || column == kColumnRating;
}

QVector<int> CategoryBranch(int categoryId, CLibraryConnection &connection)
{
    QVector<int> branch;
    CRecordset rs(connection);
    // UNION, not UNION ALL: a damaged tree that loops ends all the same.
    if (!rs.Open(QStringLiteral("WITH RECURSIVE branch(id) AS (SELECT %1 UNION SELECT "
                                "category.CatID FROM category JOIN branch ON category.ParentID = "
                                "branch.id) SELECT id FROM branch")
                     .arg(categoryId))) {
        Fail(rs);
        return {};
    }
    while (!rs.IsEOF()) {
        branch.append(int(rs.GetInteger(0)));
        if (!rs.MoveNext() && rs.HasError()) {
            Fail(rs);
            return {};
        }
    }
    return branch;
}

bool ReadBookOrder(int categoryId, int column, bool ascending, CLibraryConnection &connection,
                   QVector<quint32> &bookIds)
{
    CBookListOptions options;
    options.column = column;
    options.ascending = ascending;
    return ReadBookOrder(categoryId, options, connection, bookIds);
}

bool ReadBookOrder(int categoryId, const CBookListOptions &options, CLibraryConnection &connection,
                   QVector<quint32> &bookIds)
{
    const CListSort sort = ListSort(categoryId, options, connection);
    const QString sortTexts = sort.byTitle ? QStringLiteral("book.Title, NULL")
                                           : sort.text + QStringLiteral(", book.Title");
    QVector<int> categories = {categoryId};
    if (options.includeSubcategories && categoryId != kAllBooks && categoryId != kRecycleBin &&
        !IsShelfEntry(categoryId)) {
        categories = CategoryBranch(categoryId, connection);
        if (categories.isEmpty())
            return false;
    }
    CRecordset rs(connection);
    // The identifiers and the texts they are sorted by: the title index
    // alone answers the usual order.
    if (!rs.Open(QStringLiteral("SELECT book.BookID, ") + sortTexts + QStringLiteral(" FROM book") +
                 sort.join + QStringLiteral("WHERE ") +
                 MembershipCondition(categoryId, categories, connection) +
                 QStringLiteral(" ORDER BY ") + OrderClause(options, sort)))
        return Fail(rs);
    const qsizetype first = bookIds.size();
    CListSortTexts texts(options.ascending, sort.byTitle, sort.emptyLast);
    while (!rs.IsEOF()) {
        const quint32 bookId = quint32(rs.GetInteger(0));
        bookIds.append(bookId);
        texts.Add(bookId, rs.GetUtf8(1), rs.GetUtf8(2));
        if (!rs.MoveNext() && rs.HasError())
            return Fail(rs);
    }
    ApplyListOrder(bookIds, first, texts.Permutation());
    return true;
}

bool ReadBookRows(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                  QVector<CBookListRow> &rows, QString *error)
{
    if (bookIds.isEmpty())
        return true;
    QStringList ids;
    ids.reserve(bookIds.size());
    for (const quint32 id : bookIds)
        ids << QString::number(id);
    const bool recordsDateAdded = RecordsDateAdded(connection);
    // The series and the borrower of a lent book, once the library has the
    // tables (an open loan is found through the index of open loans).
    const bool hasLoans = HasLoanTables(connection);
    const QString loanColumns =
        hasLoans ? QStringLiteral(", bookseries.Name, book_series.Number, borrower.Name")
                 : QStringLiteral(", NULL, NULL, NULL");
    const QString loanJoins =
        hasLoans ? kSeriesJoin + QStringLiteral("LEFT JOIN loan AS lent ON lent.BookID = "
                                                "book.BookID AND lent.ReturnDate IS NULL AND "
                                                "lent.Direction = 'lent' LEFT JOIN borrower ON "
                                                "borrower.BorrowerID = lent.BorrowerID ")
                 : QStringLiteral(" ");
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("SELECT book.BookID, Title, Author, bookpublisher.Name, ISBN, "
                                "Edition, FrontCover, ") +
                 kYearSql +
                 QStringLiteral(", PageCount, NULLIF(MyRating, 0), bookstatus.Name, "
                                "booklocation.Name, ") +
                 SortText(kColumnDateAdded, false, recordsDateAdded) + loanColumns +
                 QStringLiteral(" FROM book") + kPublisherJoin + kStatusJoin + kLocationJoin +
                 JoinFor(kColumnDateAdded, recordsDateAdded) + loanJoins +
                 QStringLiteral("WHERE book.BookID IN (") + ids.join(QLatin1Char(',')) +
                 QStringLiteral(")")))
        return Fail(rs, error);
    while (!rs.IsEOF()) {
        CBookListRow row;
        row.bookId = quint32(rs.GetField(0).integer);
        row.title = rs.GetText(1);
        row.author = rs.GetText(2);
        row.publisher = rs.GetText(3);
        row.isbn = rs.GetText(4);
        row.edition = rs.GetText(5);
        row.frontCover = rs.GetText(6);
        row.year = rs.GetText(7);
        row.pages = rs.GetText(8);
        row.rating = rs.GetText(9);
        row.status = rs.GetText(10);
        row.location = rs.GetText(11);
        row.added = rs.GetText(12);
        row.series = rs.GetText(13);
        row.seriesNumber = rs.GetText(14);
        row.lentTo = rs.GetText(15);
        rows.append(row);
        if (!rs.MoveNext() && rs.HasError())
            return Fail(rs, error);
    }
    return true;
}
