#pragma once

#include "dialogs/LineInputDlg.h"

class CTomeloDoc;

// Asks for one SQL statement to run on the open library; the statement is
// the text as typed.
class CInputSQLDlg : public CLineInputDlg
{
    Q_OBJECT

public:
    explicit CInputSQLDlg(QWidget *parent = nullptr);

    QString Statement() const { return Text(); }
};

// The Run SQL command: asks for a statement, runs it, reports the records it
// affected and the rows it returned, and shows the library again when the
// statement changed it.
void RunSqlCommand(CTomeloDoc &doc, QWidget *parent);
