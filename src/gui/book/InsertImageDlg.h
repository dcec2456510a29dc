#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for a picture to insert into the edited text: its address or file,
// and the text shown in its place.
class CInsertImageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CInsertImageDlg(QWidget *parent = nullptr);

    // The picture's address (a file chosen or typed as a path becomes a
    // file address).
    QString Source() const;
    QString AlternateText() const;
    // The markup that inserts the picture.
    QString ImageHtml() const;

private:
    void OnBrowse();
    void UpdateOk();

    QLineEdit *m_source = nullptr;
    QLineEdit *m_altText = nullptr;
    QPushButton *m_ok = nullptr;
};
