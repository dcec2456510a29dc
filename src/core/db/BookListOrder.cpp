#include "db/BookListOrder.h"

#include "app/UserPrompt.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/Recordset.h"
#include "db/TextCollation.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

// Above this many members a category's books are read along the title
// index and each is checked for membership; below it the members are looked
// up one by one and sorted, which is quicker for small categories.
constexpr int kIndexScanThreshold = 2000;

QString MembershipCondition(int categoryId, CLibraryConnection &connection)
{
    const QString member = QStringLiteral(
        "EXISTS (SELECT 1 FROM book_category WHERE book_category.BookID = book.BookID%1)");
    if (categoryId == kAllBooks)
        return member.arg(QString());
    if (categoryId == kRecycleBin)
        return QStringLiteral("NOT ") + member.arg(QString());
    QString count;
    QuerySingleValue(
        QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=%1").arg(categoryId),
        connection, count, nullptr, false);
    if (count.toInt() > kIndexScanThreshold)
        return member.arg(QStringLiteral(" AND book_category.CatID=%1").arg(categoryId));
    return QStringLiteral("book.BookID IN (SELECT BookID FROM book_category WHERE CatID=%1)")
        .arg(categoryId);
}

// What each column of the list sorts by.
const char *const kSortTexts[] = {"book.Title", "book.Author", "bookpublisher.Name", "book.ISBN",
                                  "book.Edition"};

QString OrderClause(int column, bool ascending)
{
    const QString direction = ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    if (column <= kColumnTitle || column >= kBookListColumnCount)
        return QStringLiteral("book.Title") + direction + QStringLiteral(", book.BookID") +
               direction;
    return QLatin1String(kSortTexts[column]) + direction +
           QStringLiteral(", book.Title ASC, book.BookID ASC");
}

// A book's sort texts folded to keys that sort as the list does.
struct CSortItem
{
    QString text;
    QString tieTitle;
    quint32 bookId;
};

bool IsAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

const QString kPublisherJoin =
    QStringLiteral(" LEFT JOIN bookpublisher ON bookpublisher.PublisherID = book.PublisherID ");

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
        items.push_back({key(span.text, span.textSize), key(span.tie, span.tieSize), span.bookId});
    }
    std::vector<qsizetype> positions(items.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::sort(positions.begin(), positions.end(), [&](qsizetype x, qsizetype y) {
        const CSortItem &a = items[size_t(x)];
        const CSortItem &b = items[size_t(y)];
        int order = a.text.compare(b.text);
        if (order != 0)
            return m_ascending ? order < 0 : order > 0;
        order = a.tieTitle.compare(b.tieTitle);
        if (order != 0)
            return order < 0;
        return (m_ascending || !m_byTitle) ? a.bookId < b.bookId : a.bookId > b.bookId;
    });
    return positions;
}

bool ReadBookOrder(int categoryId, int column, bool ascending, CLibraryConnection &connection,
                   QVector<quint32> &bookIds)
{
    const bool byPublisher = column == kColumnPublisher;
    const bool byTitle = column <= kColumnTitle || column >= kBookListColumnCount;
    const QString sortTexts =
        byTitle ? QStringLiteral("book.Title, NULL")
                : QLatin1String(kSortTexts[column]) + QStringLiteral(", book.Title");
    CRecordset rs(connection);
    // The identifiers and the texts they are sorted by: the title index
    // alone answers the usual order.
    if (!rs.Open(QStringLiteral("SELECT book.BookID, ") + sortTexts + QStringLiteral(" FROM book") +
                 (byPublisher ? kPublisherJoin : QStringLiteral(" ")) + QStringLiteral("WHERE ") +
                 MembershipCondition(categoryId, connection) + QStringLiteral(" ORDER BY ") +
                 OrderClause(column, ascending)))
        return Fail(rs);
    const qsizetype first = bookIds.size();
    CListSortTexts texts(ascending, byTitle);
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
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("SELECT book.BookID, Title, Author, bookpublisher.Name, ISBN, "
                                "Edition, FrontCover FROM book") +
                 kPublisherJoin + QStringLiteral("WHERE book.BookID IN (") +
                 ids.join(QLatin1Char(',')) + QStringLiteral(")")))
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
        rows.append(row);
        if (!rs.MoveNext() && rs.HasError())
            return Fail(rs, error);
    }
    return true;
}
