#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Asks how a book is to be added: by one or more ISBNs (typed, pasted,
// loaded from a text file or typed by a bar-code scanner), by a search for
// title, author and publisher, or by hand. It only collects and checks the
// input; the caller acts on it after OK.
class CAddBookDlg : public QDialog
{
    Q_OBJECT

public:
    enum Mode
    {
        kModeIsbn = 0,
        kModeSearch = 1,
        kModeManual = 2
    };

    explicit CAddBookDlg(QWidget *parent = nullptr);

    // Pre-fills the ISBN box, one ISBN per line.
    void SetIsbnText(const QString &text);
    QString IsbnText() const;

    Mode GetMode() const { return m_mode; }
    // The accepted ISBNs after OK in ISBN mode, in the order of the lines.
    const QStringList &IsbnList() const { return m_isbnList; }
    QString SearchTitle() const;
    QString SearchAuthor() const;
    QString SearchPublisher() const;

    void accept() override;

private:
    void SetMode(Mode mode);
    void OnLoadIsbnList();
    void OnSaveIsbnList();
    bool TakeIsbnList();
    bool CheckSearchTexts();

    QRadioButton *m_modeButtons[3] = {};
    QPlainTextEdit *m_isbnBox;
    QLineEdit *m_title;
    QLineEdit *m_author;
    QLineEdit *m_publisher;
    Mode m_mode = kModeIsbn;
    QStringList m_isbnList;
};
