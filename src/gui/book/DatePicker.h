#pragma once

#include "db/DateText.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QToolButton;

// A date that may also be absent: a check box says whether there is one, a
// field beside it holds it. It holds a date column's text: an empty text is
// no date, a text that reads as a date is that date (a year alone or a year
// and month stay as precise as they are), and any other text is shown as it
// is and handed back unchanged until the user sets or clears the date.
//
// The field takes a day, a month or a year typed in the form it shows or in
// ISO form, and refuses anything else where it is typed: the field says why
// and keeps the date it had. Up and Down step the day, Page Up and Page Down
// the month, Ctrl+Page Up and Ctrl+Page Down the year; a button beside it
// opens a calendar. Dates are shown in the interface language.
class CDatePicker : public QWidget
{
    Q_OBJECT

public:
    // `name` names the controls for tests and assistive tools ("ReleaseDate"
    // gives "ReleaseDateSet", "ReleaseDate" and "ReleaseDateCalendar").
    explicit CDatePicker(const QString &name, QWidget *parent = nullptr);

    void SetText(const QString &text);
    // The stored form of the date ("2005-03-07", "2000-09", "1994"), the
    // empty text when there is none, or the text given to SetText while the
    // user has not changed the picker.
    QString Text() const;

    bool HasDate() const;
    // The date the field holds; nothing when there is none.
    std::optional<CPartialDate> Date() const;
    // What a user does: both count as a change.
    void SetDate(const QDate &date);
    void ClearDate();

    // Why the text typed last was refused; empty when it was taken.
    QString Problem() const { return m_problem; }

    QCheckBox *CheckBox() const { return m_check; }
    QLineEdit *DateEdit() const { return m_edit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Unit
    {
        Day,
        Month,
        Year
    };

    void OnCheckToggled(bool checked);
    void TakeTypedText();
    void TakeDate(const CPartialDate &date);
    void StepDate(Unit unit, int delta);
    void ShowCalendar();
    void ShowProblem(const QString &problem);
    void ClearProblem();
    void ShowState(bool hasDate, const QString &text);

    QCheckBox *m_check;
    QLineEdit *m_edit;
    QToolButton *m_calendarButton;
    QAction *m_warning;
    QString m_text;                     // what SetText gave
    std::optional<CPartialDate> m_date; // the date shown, when there is one
    QString m_problem;
    bool m_changed = false; // the user has set or cleared the date since
    bool m_filling = false;
};
