#include "book/DatePicker.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

namespace {

CPartialDate Today()
{
    return CPartialDate::FromDate(QDate::currentDate());
}

// The forms the field takes, as examples in the interface language.
QString DayExample()
{
    return ShownDateText(CPartialDate{2025, 3, 15});
}

QString MonthExample()
{
    return ShownDateText(CPartialDate{2000, 9, 0});
}

} // namespace

CDatePicker::CDatePicker(const QString &name, QWidget *parent)
    : QWidget(parent), m_check(new QCheckBox(this)), m_edit(new QLineEdit(this)),
      m_calendarButton(new QToolButton(this)),
      m_warning(new QAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), this))
{
    m_check->setObjectName(name + QStringLiteral("Set"));
    m_check->setAccessibleName(tr("Has a date"));
    m_edit->setObjectName(name);
    m_edit->setToolTip(tr("Type a day (%1 or %2), a month (%3) or a year (%4).\n"
                          "Up and Down change the day, Page Up and Page Down the month,\n"
                          "Ctrl+Page Up and Ctrl+Page Down the year.")
                           .arg(DayExample(), QStringLiteral("2025-03-15"), MonthExample(),
                                QStringLiteral("1994")));
    // Room for the longest day and the warning sign.
    const QFontMetrics metrics = m_edit->fontMetrics();
    m_edit->setMinimumWidth(metrics.horizontalAdvance(DayExample() + QStringLiteral("00")) +
                            metrics.height() * 2);
    m_edit->addAction(m_warning, QLineEdit::TrailingPosition);
    m_edit->installEventFilter(this);
    m_warning->setVisible(false);
    m_calendarButton->setObjectName(name + QStringLiteral("Calendar"));
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setAccessibleName(tr("Choose from a calendar"));
    m_calendarButton->setToolTip(m_calendarButton->accessibleName());
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_calendarButton);
    setFocusProxy(m_check);
    ShowState(false, QString());
    connect(m_check, &QCheckBox::toggled, this, &CDatePicker::OnCheckToggled);
    connect(m_edit, &QLineEdit::editingFinished, this, &CDatePicker::TakeTypedText);
    connect(m_edit, &QLineEdit::textEdited, this, &CDatePicker::ClearProblem);
    connect(m_calendarButton, &QToolButton::clicked, this, &CDatePicker::ShowCalendar);
}

void CDatePicker::ShowState(bool hasDate, const QString &text)
{
    m_filling = true;
    m_check->setChecked(hasDate);
    m_edit->setEnabled(hasDate);
    m_calendarButton->setEnabled(hasDate);
    m_edit->setText(text);
    m_filling = false;
}

void CDatePicker::SetText(const QString &text)
{
    m_text = text;
    m_changed = false;
    ClearProblem();
    const QString trimmed = text.trimmed();
    m_date = trimmed.isEmpty() ? std::nullopt : ParsePartialDate(trimmed);
    if (m_date)
        ShowState(true, ShownDateText(trimmed));
    else
        ShowState(false, trimmed);
}

void CDatePicker::OnCheckToggled(bool checked)
{
    if (m_filling)
        return;
    m_changed = true;
    m_edit->setEnabled(checked);
    m_calendarButton->setEnabled(checked);
    // A picker that showed no date, or a text that is none, starts from today.
    if (checked && !m_date)
        TakeDate(Today());
}

void CDatePicker::TakeTypedText()
{
    if (!m_edit->isModified() || !HasDate())
        return;
    const QString typed = m_edit->text().trimmed();
    if (typed.isEmpty()) {
        ClearDate();
        return;
    }
    if (const std::optional<CPartialDate> date = ParsePartialDate(typed)) {
        TakeDate(*date);
        return;
    }
    ShowProblem(tr("\"%1\" is not a date. Type a day (%2 or %3), a month (%4) or a year (%5).")
                    .arg(typed, DayExample(), QStringLiteral("2025-03-15"), MonthExample(),
                         QStringLiteral("1994")));
}

void CDatePicker::TakeDate(const CPartialDate &date)
{
    m_date = date;
    m_changed = true;
    ClearProblem();
    m_edit->setText(ShownDateText(date));
}

void CDatePicker::StepDate(Unit unit, int delta)
{
    CPartialDate date = m_date.value_or(Today());
    // A date known only to the month or year steps by what it knows.
    if (unit == Unit::Day && !date.HasDay())
        unit = Unit::Month;
    if (unit == Unit::Month && !date.HasMonth())
        unit = Unit::Year;
    if (date.HasDay()) {
        const QDate day = date.ToDate();
        date = CPartialDate::FromDate(unit == Unit::Day     ? day.addDays(delta)
                                      : unit == Unit::Month ? day.addMonths(delta)
                                                            : day.addYears(delta));
    } else if (date.HasMonth()) {
        const int months = date.year * 12 + date.month - 1 + delta * (unit == Unit::Year ? 12 : 1);
        date.year = months / 12;
        date.month = months % 12 + 1;
    } else {
        date.year += delta;
    }
    if (date.year >= 1 && date.year <= 9999)
        TakeDate(date);
}

bool CDatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut)
        TakeTypedText(); // also when the line edit does not count it as an edit
    if (watched != m_edit || event->type() != QEvent::KeyPress || !HasDate())
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    Unit unit = Unit::Day;
    int delta = 0;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!plain)
            return false;
        delta = key->key() == Qt::Key_Up ? 1 : -1;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!plain && !(control && key->modifiers() == Qt::ControlModifier))
            return false;
        unit = control ? Unit::Year : Unit::Month;
        delta = key->key() == Qt::Key_PageUp ? 1 : -1;
        break;
    default:
        return false;
    }
    // A date typed and not yet taken is the one to step from.
    TakeTypedText();
    if (m_problem.isEmpty())
        StepDate(unit, delta);
    return true;
}

void CDatePicker::ShowCalendar()
{
    auto *calendar = new QCalendarWidget(this);
    calendar->setObjectName(m_edit->objectName() + QStringLiteral("Popup"));
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setLocale(DateLanguage());
    const CPartialDate shown = m_date.value_or(Today());
    calendar->setSelectedDate(
        QDate(shown.year, shown.HasMonth() ? shown.month : 1, shown.HasDay() ? shown.day : 1));
    const auto pick = [this, calendar](const QDate &date) {
        TakeDate(CPartialDate::FromDate(date));
        calendar->close();
    };
    connect(calendar, &QCalendarWidget::clicked, this, pick);
    connect(calendar, &QCalendarWidget::activated, this, pick);
    calendar->move(m_edit->mapToGlobal(QPoint(0, m_edit->height())));
    calendar->show();
    calendar->setFocus();
}

void CDatePicker::ShowProblem(const QString &problem)
{
    m_problem = problem;
    m_warning->setToolTip(problem);
    m_warning->setVisible(true);
    m_edit->setAccessibleDescription(problem);
    QToolTip::showText(m_edit->mapToGlobal(QPoint(0, m_edit->height())), problem, m_edit);
}

void CDatePicker::ClearProblem()
{
    if (m_problem.isEmpty())
        return;
    m_problem.clear();
    m_warning->setVisible(false);
    m_edit->setAccessibleDescription(QString());
    QToolTip::hideText();
}

QString CDatePicker::Text() const
{
    // A date typed and not yet taken (the sheet closed by Enter) counts;
    // a refused one does not.
    const std::optional<CPartialDate> typed =
        m_edit->isModified() ? ParsePartialDate(m_edit->text()) : std::nullopt;
    if (!m_changed && !typed)
        return m_text;
    if (!HasDate())
        return QString();
    const std::optional<CPartialDate> date = typed ? typed : m_date;
    return date ? StoredDateText(*date) : QString();
}

bool CDatePicker::HasDate() const
{
    return m_check->isChecked();
}

std::optional<CPartialDate> CDatePicker::Date() const
{
    return HasDate() ? m_date : std::nullopt;
}

void CDatePicker::SetDate(const QDate &date)
{
    m_check->setChecked(true);
    TakeDate(CPartialDate::FromDate(date));
}

void CDatePicker::ClearDate()
{
    m_check->setChecked(false);
    m_changed = true; // also when it was clear already
    ClearProblem();
}
