#include "db/BookListQuery.h"

#include "app/UserPrompt.h"
#include "db/BookListOrder.h"
#include "db/DbAccess.h"
#include "db/Recordset.h"

#include <QHash>

QString BookListSql(int categoryId)
{
    const QString columns = QStringLiteral(
        "SELECT BookID, Title, Author, PublisherID, ISBN, Edition, FrontCover FROM book ");
    if (categoryId == 5)
        return columns + QStringLiteral("WHERE BookID IN (SELECT DISTINCT BookID FROM "
                                        "book_category) ORDER BY Title ASC");
    if (categoryId == 6)
        return columns + QStringLiteral("WHERE BookID NOT IN (SELECT DISTINCT BookID FROM "
                                        "book_category) ORDER BY Title ASC");
    return QStringLiteral(
               "SELECT book.BookID, Title, Author, PublisherID, ISBN, Edition, FrontCover ") +
           QStringLiteral("FROM book, book_category WHERE book.BookID = book_category.BookID ") +
           QStringLiteral("AND book_category.CatID = ") + QString::number(categoryId) +
           QStringLiteral(" ORDER BY Title ASC");
}

bool ReadBookList(int categoryId, CLibraryConnection &connection, QVector<CBookListRow> &rows)
{
    CRecordset rs(connection);
    if (!rs.Open(BookListSql(categoryId))) {
        ShowMessage(rs.ErrorText(), MsgIcon::Warning);
        return false;
    }
    const qsizetype first = rows.size();
    CListSortTexts titles(true, true);
    // Many books share a publisher: each name is looked up once per fill.
    QHash<QString, QString> publishers;
    while (!rs.IsEOF()) {
        CBookListRow row;
        row.bookId = quint32(rs.GetField(0).integer);
        // The database's own UTF-8 first: reading UTF-16 converts the value.
        titles.Add(row.bookId, rs.GetUtf8(1), QByteArrayView());
        row.title = rs.GetText(1);
        row.author = rs.GetText(2);
        const QString publisherId = rs.GetText(3);
        auto known = publishers.constFind(publisherId);
        if (known == publishers.constEnd()) {
            QString name;
            LookupNameById(QStringLiteral("bookpublisher"), publisherId, connection, name);
            known = publishers.insert(publisherId, name);
        }
        row.publisher = *known;
        row.isbn = rs.GetText(4);
        row.edition = rs.GetText(5);
        row.frontCover = rs.GetText(6);
        rows.append(row);
        if (!rs.MoveNext() && rs.HasError()) {
            ShowMessage(rs.ErrorText(), MsgIcon::Warning);
            return false;
        }
    }
    ApplyListOrder(rows, first, titles.Permutation());
    return true;
}
