#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// A small window for a long loop on the window's thread: a message, a bar
// with the percentage in the caption and a Cancel button. The caller steps
// it and lets it pump pending events between steps, so the program stays
// responsive and the user can cancel with the button or Esc. GoModal keeps
// the user from the rest of the program meanwhile. Its place on the screen
// is remembered between runs.
class CProgressWindow : public QWidget
{
    Q_OBJECT

public:
    // `owner` may be null: the program's main window then owns it.
    explicit CProgressWindow(QWidget *owner = nullptr, const QString &title = QString(),
                             bool smooth = true);
    ~CProgressWindow() override;

    // Keeps the user from the other windows until this one ends.
    void GoModal();
    bool IsModal() const { return m_modal; }

    void SetRange(int lower, int upper, int step = 1);
    void SetText(const QString &text);
    int SetPos(int position);
    int StepIt() { return SetPos(m_position + m_step); }
    int Position() const { return m_position; }
    int Percent() const { return m_percent; }

    // Handles what is pending (painting, the Cancel button, Esc when
    // `cancelOnEsc`) and returns; false once the user has cancelled.
    bool PeekAndPump(bool cancelOnEsc = true);
    bool Cancelled() const { return m_cancelled; }

    // The remembered top-left corner, kept on every end of the window.
    void SetRememberPosition(bool remember) { m_rememberPosition = remember; }

public Q_SLOTS:
    void OnCancel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceOnScreen();
    void SavePosition();
    void EndModal();
    void UpdateCaption();

    QLabel *m_message = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
    QString m_title;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 1;
    int m_position = 0;
    int m_percent = 0;
    bool m_cancelled = false;
    bool m_modal = false;
    bool m_cancelOnEsc = false;
    bool m_pumping = false;
    bool m_rememberPosition = true;
};
