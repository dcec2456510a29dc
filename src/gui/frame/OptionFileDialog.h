#pragma once

#include <QFileDialog>

class QCheckBox;

// An open-file dialog with one check box below the file list, for a choice
// that goes with the file (how to read it), so the user makes both at once.
class COptionFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    COptionFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                      const QString &optionText, const QString &optionHint = QString());

    QCheckBox *Option() const { return m_option; }

private:
    QCheckBox *m_option;
};
