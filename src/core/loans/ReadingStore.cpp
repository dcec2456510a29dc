#include "loans/ReadingStore.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "loans/LoanSql.h"

#include <QCoreApplication>

QString CReadingStore::FinishedBeforeStartedMessage()
{
    return QCoreApplication::translate("Loans",
                                       "The reading cannot be finished before it started.");
}

bool CReadingStore::Check(const CReadingRow &reading)
{
    if (reading.started.isValid() && reading.finished.isValid() &&
        reading.finished < reading.started)
        return Fail(FinishedBeforeStartedMessage());
    return true;
}

qint64 CReadingStore::Add(const CReadingRow &reading)
{
    qint64 id = 0;
    const bool written =
        Check(reading) && WriteLoanRows(m_connection, &m_error, [&] {
            return CheckBookExists(m_connection, reading.bookId, &m_error) &&
                   InsertLoanRow(m_connection,
                                 QStringLiteral("INSERT INTO reading (BookID, Started, Finished, "
                                                "Notes) VALUES (%1, %2, %3, %4)")
                                     .arg(reading.bookId)
                                     .arg(DateLiteral(reading.started),
                                          DateLiteral(reading.finished),
                                          TextLiteral(reading.notes)),
                                 &id, &m_error);
        });
    return written ? id : 0;
}

bool CReadingStore::Update(const CReadingRow &reading)
{
    return Check(reading) && WriteLoanRows(m_connection, &m_error, [&] {
               qint64 changed = 0;
               if (!RunLoanSql(
                       m_connection,
                       QStringLiteral("UPDATE reading SET Started = %1, Finished = %2, Notes = %3 "
                                      "WHERE ReadingID = %4")
                           .arg(DateLiteral(reading.started), DateLiteral(reading.finished),
                                TextLiteral(reading.notes))
                           .arg(reading.id),
                       &m_error, &changed))
                   return false;
               return changed > 0 || Fail(QCoreApplication::translate(
                                         "Loans", "The reading is no longer in the library."));
           });
}

bool CReadingStore::Remove(qint64 readingId)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        return RunLoanSql(m_connection,
                          QStringLiteral("DELETE FROM reading WHERE ReadingID = %1").arg(readingId),
                          &m_error);
    });
}

bool CReadingStore::List(qint32 bookId, QVector<CReadingRow> &rows)
{
    rows.clear();
    if (!HasLoanTables(m_connection))
        return true;
    return ForEachRow(
        m_connection,
        QStringLiteral("SELECT ReadingID, Started, Finished, Notes FROM reading WHERE BookID = %1 "
                       "ORDER BY Started IS NULL, Started DESC, ReadingID DESC")
            .arg(bookId),
        [&rows, bookId](const CRecordset &rs) {
            rows.append({rs.GetInteger(0), bookId, StoredLoanDate(rs.GetText(1)),
                         StoredLoanDate(rs.GetText(2)), rs.GetText(3)});
        },
        &m_error);
}
