#pragma once

#include <QDate>
#include <QString>

#include <climits>

class CLibraryConnection;

// The category tree's entries for loans, wishes and series. Like All Books
// and the Recycle Bin they exist only in the tree, never as category rows:
// their identifiers are negative, which no stored category has (the
// library's identifiers count up from 1), and below kNoCategory (-1).
enum ShelfEntryId : int
{
    kOnLoanEntry = -10,
    kOverdueEntry = -11,
    kBorrowedEntry = -12,
    kWishListEntry = -13,
    kSeriesEntry = -14, // every book in a series; its children are the series
};

// A series below the Series entry is shown as kSeriesEntryBase - SeriesID.
inline constexpr int kSeriesEntryBase = -100;

inline bool IsShelfEntry(int id)
{
    return id <= kOnLoanEntry;
}

inline bool IsSeriesChildEntry(int id)
{
    return id < kSeriesEntryBase;
}

// The tree entry of series `seriesId`; kSeriesEntry for an identifier too
// large to be shown as one (no library grows that many series).
inline int SeriesChildEntry(qint64 seriesId)
{
    return seriesId > 0 && seriesId < qint64(INT_MAX) + kSeriesEntryBase
               ? int(kSeriesEntryBase - seriesId)
               : int(kSeriesEntry);
}

inline qint64 SeriesOfEntry(int id)
{
    return IsSeriesChildEntry(id) ? qint64(kSeriesEntryBase) - id : 0;
}

// The books an entry lists, as SQL selecting their BookIDs, for the list to
// read in its own order; overdue as of `today`. A library without the loan
// tables (an older one, not written yet) has no loans or series: a query
// that finds nothing then. Empty for anything but a shelf entry.
QString ShelfEntryBookIdsSql(int id, CLibraryConnection &connection,
                             const QDate &today = QDate::currentDate());

// The books being read (a reading started, not finished) that the Reading
// List shows besides the books filed there; nothing for an older library.
QString ReadingNowCondition(CLibraryConnection &connection, const QString &bookId);
