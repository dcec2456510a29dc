#include "book/DatePicker.h"

#include "db/DateText.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

namespace {

// The date edit shows its special text at its minimum date; that date is
// kept for a stored text that is not a date, far from any date a person
// picks.
const QDate kTextDate(100, 1, 1);

} // namespace

CDatePicker::CDatePicker(const QString &name, QWidget *parent)
    : QWidget(parent), m_check(new QCheckBox(this)), m_edit(new QDateEdit(this))
{
    m_check->setObjectName(name + QStringLiteral("Set"));
    m_check->setAccessibleName(tr("Has a date"));
    m_edit->setObjectName(name);
    m_edit->setCalendarPopup(true);
    m_edit->setDisplayFormat(QStringLiteral("MMM dd, yyyy"));
    m_edit->setMinimumDate(kTextDate);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_check);
    ShowState(false, QDate::currentDate());
    connect(m_check, &QCheckBox::toggled, this, &CDatePicker::OnChanged);
    connect(m_edit, &QDateEdit::dateChanged, this, &CDatePicker::OnChanged);
}

void CDatePicker::ShowState(bool hasDate, const QDate &date)
{
    m_filling = true;
    m_check->setChecked(hasDate);
    m_edit->setEnabled(hasDate);
    m_edit->setDate(date);
    m_filling = false;
}

void CDatePicker::SetText(const QString &text)
{
    m_text = text;
    m_changed = false;
    m_edit->setSpecialValueText(QString());
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        ShowState(false, QDate::currentDate());
    } else if (const auto date = ParseDateText(trimmed)) {
        ShowState(true, date->date());
    } else {
        m_edit->setSpecialValueText(trimmed);
        ShowState(false, kTextDate);
    }
}

void CDatePicker::OnChanged()
{
    if (m_filling)
        return;
    if (!m_changed && m_edit->date() == kTextDate) {
        // The first change of a picker that showed a stored text starts
        // from today.
        m_edit->setSpecialValueText(QString());
        m_filling = true;
        m_edit->setDate(QDate::currentDate());
        m_filling = false;
    }
    m_changed = true;
    m_edit->setEnabled(m_check->isChecked());
}

QString CDatePicker::Text() const
{
    if (!m_changed)
        return m_text;
    return HasDate() ? StoredDateText(Date()) : QString();
}

bool CDatePicker::HasDate() const
{
    return m_check->isChecked();
}

QDate CDatePicker::Date() const
{
    return m_edit->date();
}

void CDatePicker::SetDate(const QDate &date)
{
    m_check->setChecked(true);
    m_edit->setDate(date);
}

void CDatePicker::ClearDate()
{
    m_check->setChecked(false);
    OnChanged(); // also when it was clear already
}
