#pragma once

#include "dialogs/LineInputDlg.h"

class CTomeloDoc;
class QCheckBox;

// Asks for the keyword of a Basic Search and whether Search Results is
// emptied first (checked each time the dialog opens). The keyword is the
// text as typed, surrounding spaces included.
class CBasicSearchDlg : public CLineInputDlg
{
    Q_OBJECT

public:
    explicit CBasicSearchDlg(QWidget *parent = nullptr);

    QString Keyword() const { return Text(); }
    bool ClearFirst() const;

private:
    QCheckBox *m_clearFirst;
};

// The Basic Search command: asks, files the books found in Search Results
// and shows that category, or says that nothing was found or what failed.
void RunBasicSearchCommand(CTomeloDoc &doc, QWidget *parent);
