#pragma once

#include "loans/LoanStore.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class CDatePicker;
class CLibraryConnection;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks who a book goes to (or comes from), when, until when, and why: the
// person from an editable list of the known borrowers, the day of the loan
// (today unless changed), the due date (today and the default loan period
// from Options, or none) and a note. OK stays off while no name is given.
//
// On its own the dialog only checks the loan it describes; with a writer
// set, OK hands the loan to it and closes only once it was recorded. A
// refusal (a book already out, a due date before the loan...) is shown in
// the dialog, which stays open so that the person can put it right.
class CLendDlg : public QDialog
{
    Q_OBJECT

public:
    // Records `loan`; returns an empty text when it did, otherwise why not.
    using Writer = std::function<QString(const CNewLoan &loan)>;

    // `connection` lists the known borrowers; `titles` names the books the
    // loan is for, one loan each.
    CLendDlg(CLibraryConnection &connection, LoanDirection direction, const QStringList &titles,
             QWidget *parent = nullptr);

    void SetWriter(Writer writer) { m_writer = std::move(writer); }

    // The loan as filled in: the name without surrounding spaces, a whole
    // loan date, the due date when one is set.
    CNewLoan Loan() const;

    // Why the last OK was refused; empty when none was.
    QString Problem() const;

    void accept() override;

private:
    void FillBorrowers(CLibraryConnection &connection);
    void UpdateOkButton();
    // Why the loan as filled in cannot be recorded; empty when it can.
    QString CheckLoan() const;
    void ShowProblem(const QString &problem);

    LoanDirection m_direction;
    QComboBox *m_borrower;
    CDatePicker *m_loanDate;
    CDatePicker *m_dueDate;
    QLineEdit *m_notes;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
    Writer m_writer;
};
