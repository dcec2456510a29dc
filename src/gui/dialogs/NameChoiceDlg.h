#pragma once

#include <QDialog>

class QComboBox;

// Asks for the name to keep: one of the names offered, or a name typed.
// OK refuses a blank name.
class CNameChoiceDlg : public QDialog
{
    Q_OBJECT

public:
    // `names` are offered in their order; the first one is filled in.
    CNameChoiceDlg(const QString &caption, const QString &question, const QStringList &names,
                   QWidget *parent = nullptr);

    void accept() override;
    // The name chosen or typed, trimmed.
    QString Name() const { return m_name; }

private:
    QComboBox *m_names;
    QString m_name;
};
