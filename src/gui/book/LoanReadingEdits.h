#pragma once

#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"

#include <QDate>
#include <QString>
#include <QVector>

class CBookRecord;
class CLibraryConnection;

// The loans and readings of one book as its sheet shows them, with what
// was changed there since the sheet opened: loans recorded and returned,
// readings added, changed and deleted. Nothing reaches the library before
// Write, which the sheet calls inside the transaction of the book's save:
// OK stores these rows with the book, Cancel drops them.
//
// The rules are those of the stores (one open loan a book, no due date or
// return before the loan date, no reading finished before it started), so
// that a refusal is said where the change is made rather than at OK.
class CLoanReadingEdits
{
public:
    // A stored book: the rows the library has for it.
    void Load(const QVector<CLoanRow> &loans, const QVector<CReadingRow> &readings);
    // A book not stored yet: the loans and readings its record carries.
    void LoadFrom(const CBookRecord &book);

    // The open loan first, then the others from the latest loan date back.
    const QVector<CLoanRow> &Loans() const { return m_loans; }
    // The latest start first, readings of unknown start last.
    const QVector<CReadingRow> &Readings() const { return m_readings; }

    // The loan not returned yet, or null.
    const CLoanRow *OpenLoan() const;

    // Each gives why the change was refused, empty when it was made.
    QString Lend(const CNewLoan &loan);
    // Closes the open loan on `date`.
    QString Return(const QDate &date);
    QString AddReading(const CReadingRow &reading);
    // Changes the dates and notes of the reading at `index` of Readings().
    QString ChangeReading(int index, const CReadingRow &reading);
    void RemoveReading(int index);

    // Whether anything was changed since the rows were loaded.
    bool HasChanges() const { return m_changed; }
    // Whether a loan was recorded here (it may bring a new borrower).
    bool HasNewLoans() const;

    // Makes the stored book's rows what the sheet shows, change by change
    // through the stores, inside the caller's transaction. False with
    // `error` set when any is refused; the caller then rolls back.
    bool Write(qint32 bookId, CLibraryConnection &connection, QString *error) const;

    // The rows as the record carries them (Loans and Readings), which the
    // save of a new book writes.
    void StoreTo(CBookRecord &book) const;

private:
    void SortLoans();
    void SortReadings();
    int LoadedReadingIndex(qint64 id) const;

    QVector<CLoanRow> m_loans;
    QVector<CReadingRow> m_readings;
    QVector<CReadingRow> m_loadedReadings;
    // The stored loan that was open when the sheet opened and was returned
    // here, and the day it came back.
    qint64 m_returnedLoanId = 0;
    QDate m_returnDate;
    // Rows made here have no identifier in the library yet: they are told
    // apart, and ordered among themselves, by numbers of their own below
    // zero, and below those of a new book's rows.
    qint64 m_lastNewId = 0;
    qint64 m_newIdsBelow = 0;
    bool m_changed = false;
};
