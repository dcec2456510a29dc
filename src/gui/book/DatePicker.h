#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date that may also be absent: a check box says whether there is one, a
// date field beside it picks it. It holds a date column's text: an empty
// text is no date, a text that reads as a date is that date, and any other
// text is shown as it is and handed back unchanged until the user sets or
// clears the date.
class CDatePicker : public QWidget
{
    Q_OBJECT

public:
    // `name` names the two controls for tests and assistive tools
    // ("ReleaseDate" gives "ReleaseDateSet" and "ReleaseDate").
    explicit CDatePicker(const QString &name, QWidget *parent = nullptr);

    void SetText(const QString &text);
    // The stored form of the picked date, the empty text when there is
    // none, or the text given to SetText while the user has not changed the
    // picker.
    QString Text() const;

    bool HasDate() const;
    QDate Date() const;
    // What a user does: both count as a change.
    void SetDate(const QDate &date);
    void ClearDate();

    QCheckBox *CheckBox() const { return m_check; }
    QDateEdit *DateEdit() const { return m_edit; }

private:
    void OnChanged();
    void ShowState(bool hasDate, const QDate &date);

    QCheckBox *m_check;
    QDateEdit *m_edit;
    QString m_text;         // what SetText gave
    bool m_changed = false; // the user has set or cleared the date since
    bool m_filling = false;
};
