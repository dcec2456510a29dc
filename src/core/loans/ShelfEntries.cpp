#include "loans/ShelfEntries.h"

#include "loans/LoanSql.h"
#include "loans/ShelfQueries.h"

namespace {

// A subquery that yields no rows, for an older library's loan entries.
const QString kNoBooks = QStringLiteral("SELECT BookID FROM book WHERE 0");

} // namespace

QString ShelfEntryBookIdsSql(int id, CLibraryConnection &connection, const QDate &today)
{
    if (id == kWishListEntry)
        return WishListBookIdsSql();
    if (!IsShelfEntry(id))
        return QString();
    if (!HasLoanTables(connection))
        return kNoBooks;
    switch (id) {
    case kOnLoanEntry:
        return OnLoanBookIdsSql();
    case kOverdueEntry:
        return OverdueBookIdsSql(today);
    case kBorrowedEntry:
        return BorrowedBookIdsSql();
    case kSeriesEntry:
        return QStringLiteral("SELECT BookID FROM book_series");
    default:
        // The order of a series' books is the list's to choose.
        return QStringLiteral("SELECT BookID FROM book_series WHERE SeriesID = %1")
            .arg(SeriesOfEntry(id));
    }
}

QString ReadingNowCondition(CLibraryConnection &connection, const QString &bookId)
{
    if (!HasLoanTables(connection))
        return QString();
    return bookId + QStringLiteral(" IN (") + ReadingNowBookIdsSql() + u')';
}
