#include "db/BookListOrder.h"

#include "app/UserPrompt.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/Recordset.h"

#include <QStringList>

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

QString OrderClause(int column, bool ascending)
{
    static const char *const kColumns[] = {"book.Title", "book.Author", "bookpublisher.Name",
                                           "book.ISBN", "book.Edition"};
    const QString direction = ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    if (column <= kColumnTitle || column >= kBookListColumnCount)
        return QStringLiteral("book.Title") + direction + QStringLiteral(", book.BookID") +
               direction;
    return QLatin1String(kColumns[column]) + direction +
           QStringLiteral(", book.Title ASC, book.BookID ASC");
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

bool ReadBookOrder(int categoryId, int column, bool ascending, CLibraryConnection &connection,
                   QVector<quint32> &bookIds)
{
    const bool byPublisher = column == kColumnPublisher;
    CRecordset rs(connection);
    // Only the identifiers: the title index alone answers the usual order.
    if (!rs.Open(QStringLiteral("SELECT book.BookID FROM book") +
                 (byPublisher ? kPublisherJoin : QStringLiteral(" ")) + QStringLiteral("WHERE ") +
                 MembershipCondition(categoryId, connection) + QStringLiteral(" ORDER BY ") +
                 OrderClause(column, ascending)))
        return Fail(rs);
    while (!rs.IsEOF()) {
        bookIds.append(quint32(rs.GetInteger(0)));
        if (!rs.MoveNext() && rs.HasError())
            return Fail(rs);
    }
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
