#include "book/LoanReadingEdits.h"

#include "db/BookRecord.h"
#include "loans/BorrowerStore.h"
#include "loans/LoanSql.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Rows recorded on the sheet have identifiers below zero, the later ones
// lower: this puts them after the stored rows, the latest last.
qint64 Recency(qint64 id)
{
    constexpr qint64 kAfterStored = qint64(1) << 62;
    return id < 0 ? kAfterStored - id : id;
}

QDate ReadDate(const QString &text)
{
    bool ok = false;
    return ParseLoanDate(text, &ok);
}

QString DateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

bool SameReading(const CReadingRow &a, const CReadingRow &b)
{
    return a.started == b.started && a.finished == b.finished && a.notes == b.notes;
}

} // namespace

void CLoanReadingEdits::Load(const QVector<CLoanRow> &loans, const QVector<CReadingRow> &readings)
{
    m_loans = loans;
    m_readings = readings;
    m_loadedReadings = readings;
    m_returnedLoanId = 0;
    m_returnDate = QDate();
    m_lastNewId = 0;
    m_newIdsBelow = 0;
    m_changed = false;
    SortLoans();
    SortReadings();
}

void CLoanReadingEdits::LoadFrom(const CBookRecord &book)
{
    // Not stored yet: every row goes in with the book, none has a number.
    QVector<CLoanRow> loans;
    qint64 id = 0;
    for (const CBookLoan &loan : book.Loans) {
        CLoanRow row;
        row.id = --id;
        ParseLoanDirection(loan.Direction, &row.direction);
        row.borrower = loan.Name;
        row.loanDate = ReadDate(loan.LoanDate);
        row.dueDate = ReadDate(loan.DueDate);
        row.returnDate = ReadDate(loan.ReturnDate);
        row.notes = loan.Notes;
        loans.append(row);
    }
    QVector<CReadingRow> readings;
    for (const CBookReading &reading : book.Readings)
        readings.append(
            {--id, 0, ReadDate(reading.Started), ReadDate(reading.Finished), reading.Notes});
    Load(loans, readings);
    m_lastNewId = id;
    m_newIdsBelow = id;
}

const CLoanRow *CLoanReadingEdits::OpenLoan() const
{
    const auto open = std::find_if(m_loans.cbegin(), m_loans.cend(),
                                   [](const CLoanRow &loan) { return loan.IsOpen(); });
    return open == m_loans.cend() ? nullptr : &*open;
}

QString CLoanReadingEdits::Lend(const CNewLoan &loan)
{
    if (loan.borrower.trimmed().isEmpty())
        return CBorrowerStore::EmptyNameMessage();
    const QDate loanDate = loan.loanDate.isValid() ? loan.loanDate : QDate::currentDate();
    if (loan.dueDate.isValid() && loan.dueDate < loanDate)
        return CLoanStore::DueBeforeLoanMessage();
    if (OpenLoan())
        return QCoreApplication::translate("Loans", "The book is out on a loan: return it first.");
    CLoanRow row;
    row.id = --m_lastNewId;
    row.direction = loan.direction;
    row.borrower = loan.borrower.trimmed();
    row.loanDate = loanDate;
    row.dueDate = loan.dueDate;
    row.notes = loan.notes;
    m_loans.append(row);
    SortLoans();
    m_changed = true;
    return QString();
}

QString CLoanReadingEdits::Return(const QDate &date)
{
    const auto open = std::find_if(m_loans.begin(), m_loans.end(),
                                   [](const CLoanRow &loan) { return loan.IsOpen(); });
    if (open == m_loans.end())
        return QCoreApplication::translate("Loans", "The book is not out on a loan.");
    const QDate returned = date.isValid() ? date : QDate::currentDate();
    if (returned < open->loanDate)
        return CLoanStore::ReturnBeforeLoanMessage().arg(DateText(open->loanDate));
    open->returnDate = returned;
    if (open->id > 0) {
        m_returnedLoanId = open->id;
        m_returnDate = returned;
    }
    SortLoans();
    m_changed = true;
    return QString();
}

QString CLoanReadingEdits::AddReading(const CReadingRow &reading)
{
    if (reading.started.isValid() && reading.finished.isValid() &&
        reading.finished < reading.started)
        return CReadingStore::FinishedBeforeStartedMessage();
    CReadingRow row = reading;
    row.id = --m_lastNewId;
    m_readings.append(row);
    SortReadings();
    m_changed = true;
    return QString();
}

QString CLoanReadingEdits::ChangeReading(int index, const CReadingRow &reading)
{
    if (index < 0 || index >= m_readings.size())
        return QString();
    if (reading.started.isValid() && reading.finished.isValid() &&
        reading.finished < reading.started)
        return CReadingStore::FinishedBeforeStartedMessage();
    CReadingRow &row = m_readings[index];
    row.started = reading.started;
    row.finished = reading.finished;
    row.notes = reading.notes;
    SortReadings();
    m_changed = true;
    return QString();
}

void CLoanReadingEdits::RemoveReading(int index)
{
    if (index < 0 || index >= m_readings.size())
        return;
    m_readings.remove(index);
    m_changed = true;
}

bool CLoanReadingEdits::HasNewLoans() const
{
    return std::any_of(m_loans.cbegin(), m_loans.cend(),
                       [this](const CLoanRow &loan) { return loan.id < m_newIdsBelow; });
}

int CLoanReadingEdits::LoadedReadingIndex(qint64 id) const
{
    for (int i = 0; i < m_loadedReadings.size(); ++i) {
        if (m_loadedReadings.at(i).id == id)
            return i;
    }
    return -1;
}

bool CLoanReadingEdits::Write(qint32 bookId, CLibraryConnection &connection, QString *error) const
{
    CLoanStore loans(connection);
    const auto loanRefused = [&] {
        *error = loans.Error();
        return false;
    };
    // The loan that was open comes back before any recorded here goes out.
    if (m_returnedLoanId != 0 && !loans.Return(bookId, m_returnDate))
        return loanRefused();
    QVector<CLoanRow> recorded;
    std::copy_if(m_loans.cbegin(), m_loans.cend(), std::back_inserter(recorded),
                 [this](const CLoanRow &loan) { return loan.id < m_newIdsBelow; });
    std::sort(recorded.begin(), recorded.end(),
              [](const CLoanRow &a, const CLoanRow &b) { return Recency(a.id) < Recency(b.id); });
    for (const CLoanRow &loan : std::as_const(recorded)) {
        if (loans.Lend(bookId, {loan.direction, loan.borrower, loan.loanDate, loan.dueDate,
                                loan.notes}) == 0)
            return loanRefused();
        if (!loan.IsOpen() && !loans.Return(bookId, loan.returnDate))
            return loanRefused();
    }

    CReadingStore readings(connection);
    const auto readingRefused = [&] {
        *error = readings.Error();
        return false;
    };
    for (const CReadingRow &loaded : m_loadedReadings) {
        const bool kept = std::any_of(m_readings.cbegin(), m_readings.cend(),
                                      [&](const CReadingRow &row) { return row.id == loaded.id; });
        if (!kept && !readings.Remove(loaded.id))
            return readingRefused();
    }
    for (CReadingRow row : m_readings) {
        row.bookId = bookId;
        if (row.id < m_newIdsBelow) {
            if (readings.Add(row) == 0)
                return readingRefused();
            continue;
        }
        const int loaded = LoadedReadingIndex(row.id);
        if (loaded >= 0 && !SameReading(row, m_loadedReadings.at(loaded)) && !readings.Update(row))
            return readingRefused();
    }
    return true;
}

void CLoanReadingEdits::StoreTo(CBookRecord &book) const
{
    book.Loans.clear();
    for (const CLoanRow &loan : m_loans)
        book.Loans.append({LoanDirectionText(loan.direction), loan.borrower,
                           DateText(loan.loanDate), DateText(loan.dueDate),
                           DateText(loan.returnDate), loan.notes});
    book.Readings.clear();
    for (const CReadingRow &reading : m_readings)
        book.Readings.append(
            {DateText(reading.started), DateText(reading.finished), reading.notes});
}

void CLoanReadingEdits::SortLoans()
{
    std::stable_sort(m_loans.begin(), m_loans.end(), [](const CLoanRow &a, const CLoanRow &b) {
        if (a.IsOpen() != b.IsOpen())
            return a.IsOpen();
        if (a.loanDate != b.loanDate)
            return a.loanDate > b.loanDate;
        return Recency(a.id) > Recency(b.id);
    });
}

void CLoanReadingEdits::SortReadings()
{
    std::stable_sort(m_readings.begin(), m_readings.end(),
                     [](const CReadingRow &a, const CReadingRow &b) {
                         if (a.started.isValid() != b.started.isValid())
                             return a.started.isValid();
                         if (a.started != b.started)
                             return a.started > b.started;
                         return Recency(a.id) > Recency(b.id);
                     });
}
