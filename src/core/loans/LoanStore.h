#pragma once

#include <QDate>
#include <QString>
#include <QVector>

class CLibraryConnection;

// Which way a book went: our book lent to someone, or someone else's book
// borrowed from them (out of the collection until it goes back).
enum class LoanDirection
{
    Lent,
    Borrowed,
};

// The texts the tables and the book XML keep: "lent" and "borrowed".
QString LoanDirectionText(LoanDirection direction);
// Reads those texts (any letter case); false for anything else.
bool ParseLoanDirection(const QString &text, LoanDirection *direction);

struct CLoanRow
{
    qint64 id = 0;
    qint32 bookId = 0;
    QString title; // the book's
    LoanDirection direction = LoanDirection::Lent;
    qint64 borrowerId = 0;
    QString borrower;
    QDate loanDate;
    QDate dueDate;    // invalid when none was set
    QDate returnDate; // invalid while the loan is open
    QString notes;

    bool IsOpen() const { return !returnDate.isValid(); }
    // Open and due before `today`: a loan due today is not overdue yet.
    bool IsOverdue(const QDate &today) const
    {
        return IsOpen() && dueDate.isValid() && dueDate < today;
    }
};

// A loan to record: who, which way, when, until when.
struct CNewLoan
{
    LoanDirection direction = LoanDirection::Lent;
    QString borrower; // a known borrower in any letter case, or a new one
    QDate loanDate;   // invalid: today
    QDate dueDate;    // invalid: none
    QString notes;
};

// Which loans a list holds.
enum class LoanFilter
{
    Open,    // not returned
    Overdue, // open and due before the given day, either direction
    All,     // returned ones too
};

// Records, returns and lists loans. A book has at most one open loan. Every
// method that fails says why in Error() (a refusal in the interface
// language, or the database's description) and stores nothing; nothing is
// shown to the user. Writes are one transaction each (a savepoint inside a
// caller's), so an undo step can wrap them.
class CLoanStore
{
public:
    explicit CLoanStore(CLibraryConnection &connection) : m_connection(connection) {}

    // Records a loan of `bookId`; the borrower is added when new. Refuses an
    // empty borrower name, a due date before the loan date, a book that is
    // out already (an open loan either way) and a book the library lacks.
    // Returns the new LoanID, 0 on failure.
    qint64 Lend(qint32 bookId, const CNewLoan &loan);

    // Closes the open loan of `bookId` on `date` (invalid: today). Refuses a
    // book with no open loan and a return before the loan date.
    bool Return(qint32 bookId, const QDate &date = QDate());

    // The open loan of `bookId`; `found` tells whether it has one.
    bool OpenLoan(qint32 bookId, CLoanRow *loan, bool *found);

    // Every loan of `bookId`: the open one first, then the others from the
    // latest loan date back.
    bool History(qint32 bookId, QVector<CLoanRow> &rows);

    // The loans `filter` selects (overdue as of `today`, invalid: the
    // current day), oldest loan date first.
    bool List(LoanFilter filter, QVector<CLoanRow> &rows, const QDate &today = QDate());

    // Changes a loan's due date and notes; refuses a due date before its
    // loan date.
    bool Update(qint64 loanId, const QDate &dueDate, const QString &notes);
    // Deletes one loan (a loan recorded by mistake).
    bool Remove(qint64 loanId);

    QString Error() const { return m_error; }

    // Why a due date before the loan date, and a return before it, are refused.
    static QString DueBeforeLoanMessage();
    static QString ReturnBeforeLoanMessage();

private:
    bool Fail(const QString &error)
    {
        m_error = error;
        return false;
    }
    bool ReadLoans(const QString &where, const QString &orderBy, QVector<CLoanRow> &rows);

    CLibraryConnection &m_connection;
    QString m_error;
};
