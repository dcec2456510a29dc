#pragma once

#include <QDialog>
#include <QWidget>

class CAddressHint;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The one page of the link sheet: what kind of link it is (which only
// drives the title suggestions, the browse button and the check on OK), its
// title, path and notes.
class CLinkGeneralPage : public QWidget
{
    Q_OBJECT

public:
    enum Kind
    {
        kUrl,
        kFile,
        kFolder,
        kOther
    };

    explicit CLinkGeneralPage(QWidget *parent = nullptr);

    void SetTexts(const QString &title, const QString &path, const QString &notes);
    QString Title() const;
    QString Path() const;
    QString Notes() const;

    // A new link starts as a file; an existing one as what its path is now.
    void ChooseInitialKind(bool newLink);
    Kind CurrentKind() const;
    // Shows the kind's title suggestions and enables browsing; the typed
    // texts stay.
    void SetKind(Kind kind);

    // The check on OK: title and path must be given, and the path must be
    // what the kind says. False after telling the user why.
    bool MayLeave();

private:
    void OnBrowse();

    QButtonGroup *m_kinds;
    QComboBox *m_title;
    QLineEdit *m_path;
    CAddressHint *m_pathHint;
    QPushButton *m_browse;
    QPlainTextEdit *m_notes;
};

// The link sheet that adds or edits one related link of a book. The caller
// puts the texts into Page() before running it and reads them after OK.
class CLinkProperties : public QDialog
{
    Q_OBJECT

public:
    explicit CLinkProperties(bool newLink, QWidget *parent = nullptr);

    CLinkGeneralPage &Page() { return *m_page; }
    bool IsNewLink() const { return m_newLink; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    CLinkGeneralPage *m_page;
    bool m_newLink;
    bool m_kindChosen = false;
};

// Whether `path` names a web address (or another URL): a scheme of at
// least two characters and a colon, and a "." somewhere.
bool IsLinkUrl(const QString &path);
