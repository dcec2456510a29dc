#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QSpinBox;

// The interface language (used from the next start), the associate tag, and
// where books are looked up, with the contact Open Library is told, and
// how long a loan lasts unless it is given another due date.
class COptionsUIPage : public QWidget
{
    Q_OBJECT

public:
    explicit COptionsUIPage(QWidget *parent = nullptr);

    // The codes of the interface languages present: "Enu", then one per
    // language file beside the program, in the order the folder lists them.
    static QStringList AvailableLanguageCodes(const QString &appDir);
    // The language as its speakers write it ("Italiano"), whatever language
    // the window speaks, so that a person finds their own; the code for a
    // language the program does not know.
    static QString LanguageOwnName(const QString &code);

    // The chosen language's code (empty when none is chosen) and the tag.
    QString LanguageCode() const;
    QString AssociateTag() const;
    // The LookupSource setting's text of the chosen source, and the contact.
    QString LookupSource() const;
    QString LookupContact() const;
    // The days from a loan to its due date that the loan dialog proposes.
    int LoanPeriodDays() const;

private:
    QComboBox *m_languageName;
    QLineEdit *m_associateTag;
    QComboBox *m_lookupSource;
    QLineEdit *m_lookupContact;
    QSpinBox *m_loanPeriod;
    bool m_productChoiceFellBack = false;
    int m_shownSource = -1; // the source's index when the page was made
};
