#include "loans/LendDlg.h"

#include "app/AppSettings.h"
#include "book/DatePicker.h"
#include "db/DateText.h"
#include "loans/BorrowerStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Titles beyond these are left to the label's tool tip.
constexpr int kTitlesShown = 3;
constexpr int kTitlesInToolTip = 30;

// The first `shown` titles, one a line, and how many more there are.
QString BooksText(const QStringList &titles, int shown)
{
    if (titles.size() <= shown)
        return titles.join(u'\n');
    return QStringList(titles.mid(0, shown)).join(u'\n') + u'\n' +
           CLendDlg::tr("and %n more", nullptr, int(titles.size()) - shown);
}

// The whole day a picker holds; invalid when it holds none, or only a
// month or a year.
QDate WholeDay(const CDatePicker &picker)
{
    const std::optional<CPartialDate> date = picker.Date();
    return date ? date->ToDate() : QDate();
}

} // namespace

CLendDlg::CLendDlg(CLibraryConnection &connection, LoanDirection direction,
                   const QStringList &titles, QWidget *parent)
    : QDialog(parent), m_direction(direction)
{
    setObjectName(QStringLiteral("LendDlg"));
    const int count = int(titles.size());
    const bool lent = direction == LoanDirection::Lent;
    setWindowTitle(lent ? tr("Lend %n Book(s)", nullptr, count) : tr("Borrowed From"));

    auto *books = new QLabel(BooksText(titles, kTitlesShown), this);
    books->setObjectName(QStringLiteral("Books"));
    books->setTextFormat(Qt::PlainText);
    // A long selection is not listed in full, even there.
    books->setToolTip(BooksText(titles, kTitlesInToolTip));
    QFont bold = books->font();
    bold.setBold(true);
    books->setFont(bold);

    m_borrower = new QComboBox(this);
    m_borrower->setObjectName(QStringLiteral("Borrower"));
    m_borrower->setEditable(true);
    m_borrower->setInsertPolicy(QComboBox::NoInsert);
    m_borrower->setMinimumContentsLength(24);
    m_borrower->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FillBorrowers(connection);
    m_borrower->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_borrower->completer()->setFilterMode(Qt::MatchStartsWith);

    const QDate today = QDate::currentDate();
    m_loanDate = new CDatePicker(QStringLiteral("LoanDate"), this);
    m_loanDate->SetText(StoredDateText(today));
    // A loan always has its day: there is nothing to switch off.
    m_loanDate->CheckBox()->hide();
    m_loanDate->setFocusProxy(m_loanDate->DateEdit());
    m_dueDate = new CDatePicker(QStringLiteral("DueDate"), this);
    m_dueDate->SetText(StoredDateText(today.addDays(CAppSettings::LoanPeriodDays())));
    m_dueDate->CheckBox()->setToolTip(tr("Clear for a loan without a due date"));
    m_notes = new QLineEdit(this);
    m_notes->setObjectName(QStringLiteral("Notes"));

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_problem->hide();

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CLendDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CLendDlg::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Book(s):", nullptr, count), books);
    form->addRow(lent ? tr("&Lent to:") : tr("&Borrowed from:"), m_borrower);
    form->addRow(lent ? tr("Lent &on:") : tr("Borrowed &on:"), m_loanDate);
    form->addRow(lent ? tr("&Due back:") : tr("&Due to return:"), m_dueDate);
    form->addRow(tr("&Notes:"), m_notes);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addStretch();
    layout->addWidget(m_buttons);

    connect(m_borrower, &QComboBox::editTextChanged, this, &CLendDlg::UpdateOkButton);
    UpdateOkButton();
    m_borrower->setFocus();
}

void CLendDlg::FillBorrowers(CLibraryConnection &connection)
{
    QVector<CBorrowerRow> rows;
    // Without the list the name is typed: a borrower that is new is added.
    if (CBorrowerStore(connection).List(rows)) {
        for (const CBorrowerRow &row : qAsConst(rows))
            m_borrower->addItem(row.name);
    }
    m_borrower->setCurrentIndex(-1);
    m_borrower->setEditText(QString());
}

void CLendDlg::UpdateOkButton()
{
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!m_borrower->currentText().trimmed().isEmpty());
}

CNewLoan CLendDlg::Loan() const
{
    CNewLoan loan;
    loan.direction = m_direction;
    loan.borrower = m_borrower->currentText().trimmed();
    // A known name typed in other letters is that borrower, spelt as known.
    const int known = m_borrower->findText(loan.borrower, Qt::MatchFixedString);
    if (known >= 0)
        loan.borrower = m_borrower->itemText(known);
    loan.loanDate = WholeDay(*m_loanDate);
    if (m_dueDate->HasDate())
        loan.dueDate = WholeDay(*m_dueDate);
    loan.notes = m_notes->text().trimmed();
    return loan;
}

QString CLendDlg::CheckLoan() const
{
    if (m_borrower->currentText().trimmed().isEmpty())
        return CBorrowerStore::EmptyNameMessage();
    if (!WholeDay(*m_loanDate).isValid())
        return tr("Give the day of the loan, not only its month or year.");
    if (m_dueDate->HasDate() && !WholeDay(*m_dueDate).isValid())
        return tr("Give the day the book is due, not only its month or year.");
    const CNewLoan loan = Loan();
    if (loan.dueDate.isValid() && loan.dueDate < loan.loanDate)
        return CLoanStore::DueBeforeLoanMessage();
    return QString();
}

QString CLendDlg::Problem() const
{
    return m_problem->text();
}

void CLendDlg::ShowProblem(const QString &problem)
{
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

void CLendDlg::accept()
{
    QString problem = CheckLoan();
    if (problem.isEmpty() && m_writer)
        problem = m_writer(Loan());
    ShowProblem(problem);
    if (problem.isEmpty())
        QDialog::accept();
}
