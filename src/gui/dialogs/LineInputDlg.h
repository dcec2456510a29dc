#pragma once

#include <QDialog>

class QLineEdit;
class QVBoxLayout;

// A small dialog asking for one line of text in a titled box, with notes or
// options below it. OK refuses a blank line with the string-table message
// `blankMessage`; the text handed on is the line as typed.
class CLineInputDlg : public QDialog
{
    Q_OBJECT

public:
    CLineInputDlg(const QString &caption, const QString &boxTitle, const char *editName,
                  int blankMessage, QWidget *parent = nullptr);

    void accept() override;
    QString Text() const { return m_text; }

protected:
    // Shows `widget` between the box and the buttons.
    void AddBelow(QWidget *widget);

private:
    QLineEdit *m_edit;
    QVBoxLayout *m_below;
    int m_blankMessage;
    QString m_text;
};
