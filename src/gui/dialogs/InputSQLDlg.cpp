#include "dialogs/InputSQLDlg.h"

#include "app/UserPrompt.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"
#include "frame/WaitCursor.h"

#include <QLabel>

CInputSQLDlg::CInputSQLDlg(QWidget *parent)
    : CLineInputDlg(tr("Run SQL"), tr("&Input SQL statement:"), "Statement", 157, parent)
{
    setObjectName(QStringLiteral("InputSQLDlg"));
    AddBelow(new QLabel(tr("Note: Advanced users only."), this));
    resize(480, sizeHint().height());
}

void RunSqlCommand(CTomeloDoc &doc, QWidget *parent)
{
    CInputSQLDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted || !doc.IsLibraryOpen())
        return;
    CSqlRunResult result;
    {
        const CWaitCursor wait;
        // Rebuilds the tree when records were affected.
        result = RunUserSql(doc, dialog.Statement());
    }
    if (!result.ok) {
        ShowMessage(result.error);
        return;
    }
    if (result.affected != 0) {
        // The rebuilt tree selects the root, which refills the list only
        // when another category was shown: the rows themselves may have changed.
        doc.NotifyBooksChanged();
    }
    ShowMessage(SqlRunReport(result), MsgIcon::Information);
}
