#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for the address a link of the edited text points to.
class CHyperlinkDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHyperlinkDlg(QWidget *parent = nullptr);

    void SetAddress(const QString &address);
    QString Address() const;

private:
    void UpdateOk();

    QLineEdit *m_address = nullptr;
    QPushButton *m_ok = nullptr;
};

// True for an address that would run a script when followed or loaded
// ("javascript:", "vbscript:"), however it is spaced or written.
bool IsScriptAddress(const QString &address);
