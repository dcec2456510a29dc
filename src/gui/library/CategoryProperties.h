#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Names a new category or edits an existing one's name and notes. It only
// collects and checks the texts; the caller writes the library after OK.
class CCategoryProperties : public QDialog
{
    Q_OBJECT

public:
    explicit CCategoryProperties(const QString &caption, QWidget *parent = nullptr);

    // What the sheet shows; the two information lines are greyed out while
    // they are empty (a new category).
    void SetTexts(const QString &name, const QString &notes, const QString &contains = QString(),
                  const QString &lastUpdated = QString());

    // The trimmed texts after OK.
    QString Name() const { return m_name; }
    QString Notes() const { return m_notes; }

    void accept() override;

private:
    void SetInfoLine(QLabel *label, QLineEdit *edit, const QString &text);

    QLineEdit *m_nameEdit;
    QLabel *m_containsLabel;
    QLineEdit *m_containsEdit;
    QLabel *m_updatedLabel;
    QLineEdit *m_updatedEdit;
    QPlainTextEdit *m_notesEdit;
    QString m_name;
    QString m_notes;
};
