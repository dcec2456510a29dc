#include "loans/ShelfQueries.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "loans/LoanSql.h"

namespace {

QString OpenLoansSql(const QString &direction)
{
    return QStringLiteral("SELECT BookID FROM loan WHERE ReturnDate IS NULL AND Direction = '%1'")
        .arg(direction);
}

} // namespace

QString OnLoanBookIdsSql()
{
    return OpenLoansSql(QStringLiteral("lent"));
}

QString OverdueBookIdsSql(const QDate &today)
{
    // Both directions by name, so that each uses the index of open loans.
    const QString due = DateLiteral(today.isValid() ? today : QDate::currentDate());
    return QStringLiteral("SELECT BookID FROM loan WHERE ReturnDate IS NULL AND Direction IN "
                          "('lent', 'borrowed') AND DueDate < %1")
        .arg(due);
}

QString BorrowedBookIdsSql()
{
    return OpenLoansSql(QStringLiteral("borrowed"));
}

QString WishListBookIdsSql()
{
    return QStringLiteral("SELECT BookID FROM book WHERE StatusID = %1").arg(kWishListStatusId);
}

QString ReadingNowBookIdsSql()
{
    return QStringLiteral("SELECT DISTINCT BookID FROM reading WHERE Started IS NOT NULL AND "
                          "Finished IS NULL");
}

QString SeriesMembersSql(qint64 seriesId)
{
    return QStringLiteral("SELECT m.BookID FROM book_series AS m JOIN book AS b ON b.BookID = "
                          "m.BookID WHERE m.SeriesID = %1 ORDER BY series_number_key(m.Number) "
                          "IS NULL, series_number_key(m.Number), b.Title, b.BookID")
        .arg(seriesId);
}

QString OwnedBookCondition(const QString &alias)
{
    return QStringLiteral("(%1.StatusID IS NOT %2 AND NOT EXISTS (SELECT 1 FROM loan WHERE "
                          "loan.BookID = %1.BookID AND loan.ReturnDate IS NULL AND "
                          "loan.Direction = 'borrowed'))")
        .arg(alias)
        .arg(kWishListStatusId);
}

bool ReadShelfBookIds(CLibraryConnection &connection, const QString &sql, QVector<quint32> &bookIds,
                      QString *error)
{
    bookIds.clear();
    if (!HasLoanTables(connection) && sql != WishListBookIdsSql())
        return true;
    return ForEachRow(
        connection, sql,
        [&bookIds](const CRecordset &rs) { bookIds.append(quint32(rs.GetInteger(0))); }, error);
}

bool CountOwnedBooks(CLibraryConnection &connection, qint64 *count, QString *error)
{
    const QString sql =
        HasLoanTables(connection)
            ? QStringLiteral("SELECT COUNT(*) FROM book WHERE %1").arg(OwnedBookCondition())
            : QStringLiteral("SELECT COUNT(*) FROM book WHERE StatusID IS NOT %1")
                  .arg(kWishListStatusId);
    return QueryInteger(connection, sql, count, error);
}
