#pragma once

#include <QDate>
#include <QString>
#include <QVector>

class CLibraryConnection;

// The queries behind the category tree's entries for loans, wishes and
// series, as SQL that selects BookID (one row per book), for the book list
// to read in its own order or to join with. Each uses an index of the
// tables (open loans by direction and due date, series members by series).

// The status every library has with identifier 2, "Wish List" in the
// language it was made in: books in it are wishes, not owned.
inline constexpr int kWishListStatusId = 2;

// Books lent to someone and not returned.
QString OnLoanBookIdsSql();
// Books of open loans due before `today`, either direction (a loan due
// today is not overdue yet).
QString OverdueBookIdsSql(const QDate &today);
// Books borrowed from someone and not returned.
QString BorrowedBookIdsSql();
// Books whose status is the wish list.
QString WishListBookIdsSql();
// Books with a reading started and not finished: on the Reading List until
// finished.
QString ReadingNowBookIdsSql();
// The books of one series in number order, those without a number after
// them, then by title.
QString SeriesMembersSql(qint64 seriesId);

// A condition on the book table under `alias` ("book", "b") that holds for
// the books counted as owned: neither wishes nor borrowed and still here.
QString OwnedBookCondition(const QString &alias = QStringLiteral("book"));

// Runs one of the queries above; an older library without the tables
// gives no books (but for the wish list, which needs none of them).
bool ReadShelfBookIds(CLibraryConnection &connection, const QString &sql, QVector<quint32> &bookIds,
                      QString *error);

// The number of books counted as owned.
bool CountOwnedBooks(CLibraryConnection &connection, qint64 *count, QString *error);
