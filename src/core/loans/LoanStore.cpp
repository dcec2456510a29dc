#include "loans/LoanStore.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "loans/BorrowerStore.h"
#include "loans/LoanSql.h"

#include <QCoreApplication>

QString LoanDirectionText(LoanDirection direction)
{
    return direction == LoanDirection::Lent ? QStringLiteral("lent") : QStringLiteral("borrowed");
}

bool ParseLoanDirection(const QString &text, LoanDirection *direction)
{
    const QString folded = text.trimmed().toLower();
    if (folded == u"lent")
        *direction = LoanDirection::Lent;
    else if (folded == u"borrowed")
        *direction = LoanDirection::Borrowed;
    else
        return false;
    return true;
}

QString CLoanStore::DueBeforeLoanMessage()
{
    return QCoreApplication::translate("Loans", "The due date is before the date of the loan.");
}

QString CLoanStore::ReturnBeforeLoanMessage()
{
    return QCoreApplication::translate("Loans", "The book cannot be returned before it was lent "
                                                "or borrowed (%1).");
}

qint64 CLoanStore::Lend(qint32 bookId, const CNewLoan &loan)
{
    if (loan.borrower.trimmed().isEmpty())
        return Fail(CBorrowerStore::EmptyNameMessage());
    const QDate loanDate = loan.loanDate.isValid() ? loan.loanDate : QDate::currentDate();
    if (loan.dueDate.isValid() && loan.dueDate < loanDate)
        return Fail(DueBeforeLoanMessage());
    qint64 id = 0;
    const bool written = WriteLoanRows(m_connection, &m_error, [&] {
        CLoanRow open;
        bool out = false;
        if (!CheckBookExists(m_connection, bookId, &m_error) || !OpenLoan(bookId, &open, &out))
            return false;
        if (out)
            return Fail(
                (open.direction == LoanDirection::Lent
                     ? QCoreApplication::translate("Loans", "%1 is already lent to %2 since %3.")
                     : QCoreApplication::translate(
                           "Loans", "%1 is borrowed from %2 since %3 and not returned yet."))
                    .arg(open.title, open.borrower, open.loanDate.toString(Qt::ISODate)));
        CBorrowerStore borrowers(m_connection);
        const qint64 borrowerId = borrowers.FindOrAdd(loan.borrower);
        if (borrowerId == 0)
            return Fail(borrowers.Error());
        return InsertLoanRow(m_connection,
                             QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, "
                                            "LoanDate, DueDate, Notes) VALUES (%1, %2, '%3', %4, "
                                            "%5, %6)")
                                 .arg(bookId)
                                 .arg(borrowerId)
                                 .arg(LoanDirectionText(loan.direction), DateLiteral(loanDate),
                                      DateLiteral(loan.dueDate), TextLiteral(loan.notes)),
                             &id, &m_error);
    });
    return written ? id : 0;
}

bool CLoanStore::Return(qint32 bookId, const QDate &date)
{
    const QDate returned = date.isValid() ? date : QDate::currentDate();
    return WriteLoanRows(m_connection, &m_error, [&] {
        CLoanRow open;
        bool found = false;
        if (!OpenLoan(bookId, &open, &found))
            return false;
        if (!found)
            return Fail(
                QCoreApplication::translate("Loans", "Book %1 is not out on a loan.").arg(bookId));
        if (returned < open.loanDate)
            return Fail(ReturnBeforeLoanMessage().arg(open.loanDate.toString(Qt::ISODate)));
        return RunLoanSql(m_connection,
                          QStringLiteral("UPDATE loan SET ReturnDate = %1 WHERE LoanID = %2")
                              .arg(DateLiteral(returned))
                              .arg(open.id),
                          &m_error);
    });
}

bool CLoanStore::ReadLoans(const QString &where, const QString &orderBy, QVector<CLoanRow> &rows)
{
    rows.clear();
    if (!HasLoanTables(m_connection))
        return true;
    return ForEachRow(
        m_connection,
        QStringLiteral(
            "SELECT l.LoanID, l.BookID, bk.Title, l.Direction, l.BorrowerID, b.Name, "
            "l.LoanDate, l.DueDate, l.ReturnDate, l.Notes FROM loan AS l "
            "JOIN book AS bk ON bk.BookID = l.BookID "
            "LEFT JOIN borrower AS b ON b.BorrowerID = l.BorrowerID WHERE %1 ORDER BY %2")
            .arg(where, orderBy),
        [&rows](const CRecordset &rs) {
            CLoanRow row;
            row.id = rs.GetInteger(0);
            row.bookId = qint32(rs.GetInteger(1));
            row.title = rs.GetText(2);
            ParseLoanDirection(rs.GetText(3), &row.direction);
            row.borrowerId = rs.GetInteger(4);
            row.borrower = rs.GetText(5);
            row.loanDate = StoredLoanDate(rs.GetText(6));
            row.dueDate = StoredLoanDate(rs.GetText(7));
            row.returnDate = StoredLoanDate(rs.GetText(8));
            row.notes = rs.GetText(9);
            rows.append(row);
        },
        &m_error);
}

bool CLoanStore::OpenLoan(qint32 bookId, CLoanRow *loan, bool *found)
{
    QVector<CLoanRow> rows;
    if (!ReadLoans(QStringLiteral("l.BookID = %1 AND l.ReturnDate IS NULL").arg(bookId),
                   QStringLiteral("l.LoanID"), rows))
        return false;
    *found = !rows.isEmpty();
    if (*found)
        *loan = rows.first();
    return true;
}

bool CLoanStore::History(qint32 bookId, QVector<CLoanRow> &rows)
{
    return ReadLoans(QStringLiteral("l.BookID = %1").arg(bookId),
                     QStringLiteral("l.ReturnDate IS NOT NULL, l.LoanDate DESC, l.LoanID DESC"),
                     rows);
}

bool CLoanStore::List(LoanFilter filter, QVector<CLoanRow> &rows, const QDate &today)
{
    QString where = QStringLiteral("1");
    if (filter == LoanFilter::Open)
        where = QStringLiteral("l.ReturnDate IS NULL");
    else if (filter == LoanFilter::Overdue)
        where = QStringLiteral("l.ReturnDate IS NULL AND l.DueDate < %1")
                    .arg(DateLiteral(today.isValid() ? today : QDate::currentDate()));
    return ReadLoans(where, QStringLiteral("l.LoanDate, l.LoanID"), rows);
}

bool CLoanStore::Update(qint64 loanId, const QDate &dueDate, const QString &notes)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        QVector<CLoanRow> rows;
        if (!ReadLoans(QStringLiteral("l.LoanID = %1").arg(loanId), QStringLiteral("l.LoanID"),
                       rows))
            return false;
        if (rows.isEmpty())
            return Fail(
                QCoreApplication::translate("Loans", "The loan is no longer in the library."));
        if (dueDate.isValid() && dueDate < rows.first().loanDate)
            return Fail(DueBeforeLoanMessage());
        return RunLoanSql(
            m_connection,
            QStringLiteral("UPDATE loan SET DueDate = %1, Notes = %2 WHERE LoanID = %3")
                .arg(DateLiteral(dueDate), TextLiteral(notes))
                .arg(loanId),
            &m_error);
    });
}

bool CLoanStore::Remove(qint64 loanId)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        return RunLoanSql(m_connection,
                          QStringLiteral("DELETE FROM loan WHERE LoanID = %1").arg(loanId),
                          &m_error);
    });
}
