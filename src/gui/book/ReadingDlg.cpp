#include "book/ReadingDlg.h"

#include "book/DatePicker.h"
#include "db/DateText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The whole day a picker holds; invalid when it holds none, or only a
// month or a year.
QDate WholeDay(const CDatePicker &picker)
{
    const std::optional<CPartialDate> date = picker.Date();
    return date ? date->ToDate() : QDate();
}

// A picker given a day only when there is one.
void ShowDay(CDatePicker &picker, const QDate &day)
{
    picker.SetText(day.isValid() ? StoredDateText(day) : QString());
}

} // namespace

CReadingDlg::CReadingDlg(const CReadingRow &reading, bool newReading, QWidget *parent)
    : QDialog(parent), m_reading(reading)
{
    setObjectName(QStringLiteral("ReadingDlg"));
    setWindowTitle(newReading ? tr("Add Reading") : tr("Edit Reading"));

    m_started = new CDatePicker(QStringLiteral("ReadingStarted"), this);
    ShowDay(*m_started, newReading ? QDate::currentDate() : reading.started);
    m_finished = new CDatePicker(QStringLiteral("ReadingFinished"), this);
    ShowDay(*m_finished, reading.finished);
    m_finished->CheckBox()->setToolTip(tr("Clear while the book is still being read"));
    m_notes = new QLineEdit(reading.notes, this);
    m_notes->setObjectName(QStringLiteral("ReadingNotes"));

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_problem->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CReadingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CReadingDlg::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("&Started:"), m_started);
    form->addRow(tr("&Finished:"), m_finished);
    form->addRow(tr("N&otes:"), m_notes);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addStretch();
    layout->addWidget(buttons);
    m_notes->setMinimumWidth(m_notes->fontMetrics().averageCharWidth() * 36);
}

CReadingRow CReadingDlg::Reading() const
{
    CReadingRow reading = m_reading;
    reading.started = m_started->HasDate() ? WholeDay(*m_started) : QDate();
    reading.finished = m_finished->HasDate() ? WholeDay(*m_finished) : QDate();
    reading.notes = m_notes->text().trimmed();
    return reading;
}

QString CReadingDlg::CheckReading() const
{
    if ((m_started->HasDate() && !WholeDay(*m_started).isValid()) ||
        (m_finished->HasDate() && !WholeDay(*m_finished).isValid()))
        return tr("Give the day of the reading, not only its month or year.");
    const CReadingRow reading = Reading();
    if (reading.started.isValid() && reading.finished.isValid() &&
        reading.finished < reading.started)
        return CReadingStore::FinishedBeforeStartedMessage();
    return QString();
}

QString CReadingDlg::Problem() const
{
    return m_problem->text();
}

void CReadingDlg::accept()
{
    QString problem = CheckReading();
    if (problem.isEmpty() && m_taker)
        problem = m_taker(Reading());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        QDialog::accept();
}
