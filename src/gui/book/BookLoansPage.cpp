#include "book/BookLoansPage.h"

#include "app/UserPrompt.h"
#include "book/PageGrid.h"
#include "book/ReadingDlg.h"
#include "db/BookRecord.h"
#include "db/DateText.h"
#include "loans/LendDlg.h"
#include "loans/SeriesNumber.h"
#include "loans/SeriesStore.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum LoanColumn
{
    kLoanDirection,
    kLoanName,
    kLoanDate,
    kLoanDue,
    kLoanReturned,
    kLoanNotes,
    kLoanColumns
};

enum ReadingColumn
{
    kReadingStarted,
    kReadingFinished,
    kReadingNotes,
    kReadingColumns
};

QString DayText(const QDate &date)
{
    return date.isValid() ? ShownDateText(CPartialDate::FromDate(date)) : QString();
}

// A list whose columns of short texts (directions, dates) take the room
// their texts need; the notes, last, take what is left.
QTreeWidget *MakeList(const QString &name, const QStringList &headers, int wideColumn,
                      QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels(headers);
    QHeaderView *header = list->header();
    header->setStretchLastSection(true);
    for (int column = 0; column + 1 < headers.size(); ++column) {
        if (column != wideColumn)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (wideColumn >= 0)
        list->setColumnWidth(wideColumn, parent->fontMetrics().averageCharWidth() * 16);
    return list;
}

QPushButton *MakeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// Texts a cell may cut short are whole in its tool tip.
void SetCell(QTreeWidgetItem *row, int column, const QString &text)
{
    row->setText(column, text);
    row->setToolTip(column, text);
}

} // namespace

CBookLoansPage::CBookLoansPage(QWidget *parent) : CBookSheetPage(parent)
{
    setObjectName(QStringLiteral("BookLoansPage"));

    auto *seriesBox = new QGroupBox(tr("Series"), this);
    auto *seriesGrid = new CPageGrid(seriesBox);
    m_series = new QComboBox(seriesBox);
    m_series->setObjectName(QStringLiteral("Series"));
    m_series->setEditable(true);
    // A typed name becomes a series when the book is saved.
    m_series->setInsertPolicy(QComboBox::NoInsert);
    m_series->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_series->setMinimumContentsLength(20);
    seriesGrid->AddField(0, 0, tr("&Series:"), m_series);
    m_number = MakePageEdit("SeriesNumber", seriesBox);
    m_number->setToolTip(tr("The book's place in the series: a number such as 3 or 2.5"));
    m_numberWarning =
        new QAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), m_number);
    m_number->addAction(m_numberWarning, QLineEdit::TrailingPosition);
    m_numberWarning->setVisible(false);
    seriesGrid->AddField(0, 1, tr("Num&ber:"), m_number);
    seriesGrid->setColumnStretch(1, 3);
    connect(m_series, &QComboBox::editTextChanged, this, [this](const QString &name) {
        // A number only means something in a series.
        m_number->setEnabled(!name.trimmed().isEmpty());
    });
    connect(m_number, &QLineEdit::textChanged, this, &CBookLoansPage::CheckNumber);

    auto *loansBox = new QGroupBox(tr("Loans"), this);
    m_loans = MakeList(QStringLiteral("LoanHistory"),
                       {tr("Direction"), tr("Borrower"), tr("Loan Date"), tr("Due Date"),
                        tr("Returned"), tr("Notes")},
                       kLoanName, loansBox);
    m_lend = MakeButton(tr("L&end..."), "LendButton", loansBox);
    m_return = MakeButton(tr("Ret&urn"), "ReturnButton", loansBox);
    connect(m_lend, &QPushButton::clicked, this, &CBookLoansPage::OnLend);
    connect(m_return, &QPushButton::clicked, this, &CBookLoansPage::OnReturn);
    auto *loanButtons = new QHBoxLayout;
    loanButtons->addStretch(1);
    loanButtons->addWidget(m_lend);
    loanButtons->addWidget(m_return);
    auto *loansLayout = new QVBoxLayout(loansBox);
    loansLayout->addWidget(m_loans, 1);
    loansLayout->addLayout(loanButtons);

    auto *readingsBox = new QGroupBox(tr("Readings"), this);
    m_readings = MakeList(QStringLiteral("ReadingList"),
                          {tr("Started"), tr("Finished"), tr("Notes")}, -1, readingsBox);
    auto *addReading = MakeButton(tr("&Add..."), "AddReading", readingsBox);
    // Not "&Edit...": E lends the book.
    m_editReading = MakeButton(tr("Ed&it..."), "EditReading", readingsBox);
    // Not "&Delete": D opens the Description tab of the sheet.
    m_deleteReading = MakeButton(tr("Dele&te"), "DeleteReading", readingsBox);
    connect(addReading, &QPushButton::clicked, this, &CBookLoansPage::OnAddReading);
    connect(m_editReading, &QPushButton::clicked, this, &CBookLoansPage::OnEditReading);
    connect(m_deleteReading, &QPushButton::clicked, this, &CBookLoansPage::OnDeleteReading);
    connect(m_readings, &QTreeWidget::itemDoubleClicked, this, &CBookLoansPage::OnEditReading);
    connect(m_readings, &QTreeWidget::itemSelectionChanged, this, &CBookLoansPage::UpdateButtons);
    auto *readingButtons = new QHBoxLayout;
    readingButtons->addStretch(1);
    readingButtons->addWidget(addReading);
    readingButtons->addWidget(m_editReading);
    readingButtons->addWidget(m_deleteReading);
    auto *readingsLayout = new QVBoxLayout(readingsBox);
    readingsLayout->addWidget(m_readings, 1);
    readingsLayout->addLayout(readingButtons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(seriesBox);
    layout->addWidget(loansBox, 3);
    layout->addWidget(readingsBox, 2);
    UpdateButtons();
}

void CBookLoansPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &context)
{
    m_connection = context.Connection;
    m_title = book.Title;
    m_series->clear();
    if (m_connection)
        FillSeries(*m_connection);
    m_loadedSeries = book.Series;
    m_series->setCurrentIndex(m_series->findText(book.Series, Qt::MatchFixedString));
    m_series->setEditText(book.Series);
    m_number->setEnabled(!book.Series.trimmed().isEmpty());
    m_number->setText(book.SeriesNumber);

    // A stored book's rows are read with their numbers, which the save
    // needs to change or delete them; a new one brings its own.
    QVector<CLoanRow> loans;
    QVector<CReadingRow> readings;
    if (!context.NewBook && m_connection && book.BookID != 0) {
        CLoanStore loanStore(*m_connection);
        CReadingStore readingStore(*m_connection);
        if (!loanStore.History(book.BookID, loans))
            ShowMessage(loanStore.Error(), MsgIcon::Warning);
        if (!readingStore.List(book.BookID, readings))
            ShowMessage(readingStore.Error(), MsgIcon::Warning);
        m_edits.Load(loans, readings);
    } else {
        m_edits.LoadFrom(book);
    }
    ShowLoans();
    ShowReadings();
    ShowTextStarts(this);
}

void CBookLoansPage::FillSeries(CLibraryConnection &connection)
{
    QVector<CSeriesRow> rows;
    // A series whose books all left it is offered too: it is still there.
    if (!CSeriesStore(connection).List(rows, true))
        return; // the name is typed then; saving finds or adds the series
    for (const CSeriesRow &row : std::as_const(rows))
        m_series->addItem(row.name);
}

bool CBookLoansPage::ChangesSeries() const
{
    return m_series->currentText().trimmed().compare(m_loadedSeries.trimmed(),
                                                     Qt::CaseInsensitive) != 0;
}

void CBookLoansPage::CheckNumber()
{
    const QString number = m_number->text().trimmed();
    const QString problem = number.isEmpty() || IsSeriesNumberText(number)
                                ? QString()
                                : CSeriesStore::BadNumberMessage(number);
    m_numberWarning->setToolTip(problem);
    m_numberWarning->setVisible(!problem.isEmpty());
    m_number->setAccessibleDescription(problem);
}

bool CBookLoansPage::MayLeave()
{
    const QString number = m_number->text().trimmed();
    if (m_series->currentText().trimmed().isEmpty() || number.isEmpty() ||
        IsSeriesNumberText(number))
        return true;
    ShowMessage(CSeriesStore::BadNumberMessage(number), MsgIcon::Warning);
    m_number->setFocus();
    m_number->selectAll();
    return false;
}

void CBookLoansPage::StoreTo(CBookRecord &book) const
{
    book.Series = m_series->currentText();
    // The number of a book taken out of its series goes with it.
    book.SeriesNumber = book.Series.trimmed().isEmpty() ? QString() : m_number->text();
    // Rows nobody changed stay as the record has them, word for word.
    if (m_edits.HasChanges())
        m_edits.StoreTo(book);
}

void CBookLoansPage::ShowLoans()
{
    m_loans->clear();
    const QDate today = QDate::currentDate();
    for (const CLoanRow &loan : m_edits.Loans()) {
        auto *row = new QTreeWidgetItem(m_loans);
        SetCell(row, kLoanDirection,
                loan.direction == LoanDirection::Lent ? tr("Lent") : tr("Borrowed"));
        SetCell(row, kLoanName, loan.borrower);
        SetCell(row, kLoanDate, DayText(loan.loanDate));
        SetCell(row, kLoanDue, DayText(loan.dueDate));
        const bool overdue = loan.IsOverdue(today);
        SetCell(row, kLoanReturned,
                loan.IsOpen() ? (overdue ? tr("Overdue") : tr("Not returned"))
                              : DayText(loan.returnDate));
        SetCell(row, kLoanNotes, loan.notes);
        if (overdue) {
            QFont bold = row->font(kLoanReturned);
            bold.setBold(true);
            for (int column = 0; column < kLoanColumns; ++column)
                row->setForeground(column, QColor(0xb0, 0x00, 0x20));
            row->setFont(kLoanReturned, bold);
        }
    }
    UpdateButtons();
}

void CBookLoansPage::ShowReadings()
{
    m_readings->clear();
    for (const CReadingRow &reading : m_edits.Readings()) {
        auto *row = new QTreeWidgetItem(m_readings);
        SetCell(row, kReadingStarted, DayText(reading.started));
        SetCell(row, kReadingFinished,
                reading.finished.isValid() ? DayText(reading.finished) : tr("Reading now"));
        SetCell(row, kReadingNotes, reading.notes);
    }
    UpdateButtons();
}

void CBookLoansPage::UpdateButtons()
{
    const bool out = m_edits.OpenLoan() != nullptr;
    m_lend->setEnabled(!out && m_connection != nullptr);
    m_return->setEnabled(out);
    const bool selected = SelectedReading() >= 0;
    m_editReading->setEnabled(selected);
    m_deleteReading->setEnabled(selected);
}

int CBookLoansPage::SelectedReading() const
{
    const QList<QTreeWidgetItem *> selected = m_readings->selectedItems();
    return selected.isEmpty() ? -1 : m_readings->indexOfTopLevelItem(selected.first());
}

void CBookLoansPage::OnLend()
{
    if (!m_connection || m_edits.OpenLoan())
        return;
    CLendDlg dialog(*m_connection, LoanDirection::Lent, {m_title}, this);
    // The loan waits on the page for the sheet's OK; the dialog only
    // closes for one the page takes.
    dialog.SetWriter([this](const CNewLoan &loan) { return m_edits.Lend(loan); });
    if (dialog.exec() == QDialog::Accepted)
        ShowLoans();
}

void CBookLoansPage::OnReturn()
{
    // With one loan open there is nothing to ask: it comes back today.
    const QString refusal = m_edits.Return(QDate::currentDate());
    if (!refusal.isEmpty()) {
        ShowMessage(refusal, MsgIcon::Warning);
        return;
    }
    ShowLoans();
}

void CBookLoansPage::OnAddReading()
{
    CReadingDlg dialog(CReadingRow(), true, this);
    dialog.SetTaker([this](const CReadingRow &reading) { return m_edits.AddReading(reading); });
    if (dialog.exec() == QDialog::Accepted)
        ShowReadings();
}

void CBookLoansPage::OnEditReading()
{
    const int index = SelectedReading();
    if (index < 0)
        return;
    CReadingDlg dialog(m_edits.Readings().at(index), false, this);
    dialog.SetTaker([this, index](const CReadingRow &reading) {
        return m_edits.ChangeReading(index, reading);
    });
    if (dialog.exec() == QDialog::Accepted)
        ShowReadings();
}

void CBookLoansPage::OnDeleteReading()
{
    const int index = SelectedReading();
    if (index < 0)
        return;
    m_edits.RemoveReading(index);
    ShowReadings();
}
