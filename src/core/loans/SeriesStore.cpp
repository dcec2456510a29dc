#include "loans/SeriesStore.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TextCollation.h"
#include "loans/LoanSql.h"
#include "loans/SeriesNumber.h"
#include "loans/ShelfQueries.h"

#include <QCoreApplication>

#include <algorithm>

QString CSeriesStore::BadNumberMessage(const QString &number)
{
    return QCoreApplication::translate(
               "Loans", "\"%1\" is not a number in a series. Please enter a number such as 3 "
                        "or 2.5.")
        .arg(number);
}

bool CSeriesStore::List(QVector<CSeriesRow> &rows, bool withEmpty)
{
    rows.clear();
    if (!HasLoanTables(m_connection))
        return true;
    const bool ok = ForEachRow(
        m_connection,
        QStringLiteral(
            "SELECT s.SeriesID, s.Name, COUNT(m.BookID) FROM bookseries AS s "
            "LEFT JOIN book_series AS m ON m.SeriesID = s.SeriesID GROUP BY s.SeriesID%1")
            .arg(withEmpty ? QString() : QStringLiteral(" HAVING COUNT(m.BookID) > 0")),
        [&rows](const CRecordset &rs) {
            rows.append({rs.GetInteger(0), rs.GetText(1), int(rs.GetInteger(2))});
        },
        &m_error);
    std::stable_sort(rows.begin(), rows.end(), [](const CSeriesRow &a, const CSeriesRow &b) {
        return CompareFoldingCase(a.name, b.name) < 0;
    });
    return ok;
}

bool CSeriesStore::Find(const QString &name, qint64 *id)
{
    *id = 0;
    return !HasLoanTables(m_connection) ||
           FindNameId(m_connection, QStringLiteral("bookseries"), QStringLiteral("SeriesID"),
                      name.trimmed(), id, &m_error);
}

bool CSeriesStore::WriteBookSeries(CLibraryConnection &connection, qint32 bookId,
                                   const QString &name, const QString &number, QString *error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return RunLoanSql(connection,
                          QStringLiteral("DELETE FROM book_series WHERE BookID = %1").arg(bookId),
                          error);
    qint64 id = 0;
    if (!FindNameId(connection, QStringLiteral("bookseries"), QStringLiteral("SeriesID"), trimmed,
                    &id, error))
        return false;
    // A place kept as it is stays, even with a number another program wrote
    // that this one would refuse.
    qint64 unchanged = 0;
    if (id != 0 && !QueryInteger(connection,
                                 QStringLiteral("SELECT COUNT(*) FROM book_series WHERE BookID = "
                                                "%1 AND SeriesID = %2 AND Number IS %3")
                                     .arg(bookId)
                                     .arg(id)
                                     .arg(TextLiteral(number.trimmed())),
                                 &unchanged, error))
        return false;
    if (unchanged > 0)
        return true;
    if (!number.trimmed().isEmpty() && !IsSeriesNumberText(number)) {
        *error = BadNumberMessage(number.trimmed());
        return false;
    }
    if (id == 0 &&
        !InsertLoanRow(
            connection,
            QStringLiteral("INSERT INTO bookseries (Name) VALUES (%1)").arg(TextLiteral(trimmed)),
            &id, error))
        return false;
    return RunLoanSql(connection,
                      QStringLiteral("INSERT OR REPLACE INTO book_series (BookID, SeriesID, "
                                     "Number) VALUES (%1, %2, %3)")
                          .arg(bookId)
                          .arg(id)
                          .arg(TextLiteral(StoredSeriesNumber(number))),
                      error);
}

bool CSeriesStore::SetBookSeries(qint32 bookId, const QString &name, const QString &number)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        return CheckBookExists(m_connection, bookId, &m_error) &&
               WriteBookSeries(m_connection, bookId, name, number, &m_error);
    });
}

bool CSeriesStore::BookSeries(qint32 bookId, CBookSeries *series)
{
    *series = CBookSeries();
    if (!HasLoanTables(m_connection))
        return true;
    return ForEachRow(
        m_connection,
        QStringLiteral("SELECT s.Name, m.Number FROM book_series AS m JOIN bookseries AS s ON "
                       "s.SeriesID = m.SeriesID WHERE m.BookID = %1")
            .arg(bookId),
        [series](const CRecordset &rs) {
            *series = {rs.GetText(0), rs.GetText(1)};
        },
        &m_error);
}

bool CSeriesStore::Members(qint64 seriesId, QVector<quint32> &bookIds)
{
    bookIds.clear();
    return !HasLoanTables(m_connection) ||
           ForEachRow(
               m_connection, SeriesMembersSql(seriesId),
               [&bookIds](const CRecordset &rs) { bookIds.append(quint32(rs.GetInteger(0))); },
               &m_error);
}

bool CSeriesStore::Rename(qint64 seriesId, const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Fail(QCoreApplication::translate("Loans", "Please enter the name of the series."));
    return RenameNameRow(
        m_connection, QStringLiteral("bookseries"), QStringLiteral("SeriesID"), seriesId, trimmed,
        QCoreApplication::translate("Loans", "There is already a series named %1.").arg(trimmed),
        &m_error);
}

bool CSeriesStore::Remove(qint64 seriesId)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        return RunLoanSql(
                   m_connection,
                   QStringLiteral("DELETE FROM book_series WHERE SeriesID = %1").arg(seriesId),
                   &m_error) &&
               RunLoanSql(
                   m_connection,
                   QStringLiteral("DELETE FROM bookseries WHERE SeriesID = %1").arg(seriesId),
                   &m_error);
    });
}
