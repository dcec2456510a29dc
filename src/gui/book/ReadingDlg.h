#pragma once

#include "loans/ReadingStore.h"

#include <QDialog>

#include <functional>

class CDatePicker;
class QLabel;
class QLineEdit;

// Asks when a reading of a book started and finished (either may be left
// unknown; a reading not finished yet has no end) and a note. OK refuses
// a day given only by its month or year and an end before the start,
// showing why in the dialog, which stays open to be put right.
class CReadingDlg : public QDialog
{
    Q_OBJECT

public:
    // Takes the reading as filled in; returns an empty text when it was
    // taken, otherwise why not (shown in the dialog, which stays open).
    using Taker = std::function<QString(const CReadingRow &reading)>;

    // A new reading starts today; an existing one shows `reading`.
    CReadingDlg(const CReadingRow &reading, bool newReading, QWidget *parent = nullptr);

    void SetTaker(Taker taker) { m_taker = std::move(taker); }

    // The reading as filled in (the dates whole days, invalid when unset).
    CReadingRow Reading() const;
    // Why the last OK was refused; empty when none was.
    QString Problem() const;

    void accept() override;

private:
    QString CheckReading() const;

    CReadingRow m_reading;
    CDatePicker *m_started;
    CDatePicker *m_finished;
    QLineEdit *m_notes;
    QLabel *m_problem;
    Taker m_taker;
};
