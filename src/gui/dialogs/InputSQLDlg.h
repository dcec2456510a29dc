#pragma once

#include <QDialog>

class CSqlRowsModel;
class CTomeloDoc;
struct CSqlRunResult;
class QLabel;
class QLineEdit;
class QTableView;

// Run SQL: one statement at a time on the open library, the dialog staying
// open for the next. A query's rows show in a table under the statement
// (the first kShownRows, with the count); a statement that changes the
// library reports the records it affected and shows the library again.
class CInputSQLDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kShownRows = 1000;
    // Counting a query's rows stops here, so that a huge result does not
    // hold the window.
    static constexpr qint64 kCountLimit = 100000;

    explicit CInputSQLDlg(CTomeloDoc &doc, QWidget *parent = nullptr);

    QString Statement() const;
    // Runs the statement typed; false when it was blank or failed (said so).
    bool RunStatement();

    // "3 rows", "1,000 of 20,000 rows shown", "1,000 of more than 100,000 rows shown".
    static QString RowCountText(const CSqlRunResult &result);

private:
    void ShowRows(CSqlRunResult &result);
    void ClearRows();

    CTomeloDoc &m_doc;
    QLineEdit *m_statement;
    QTableView *m_table;
    QLabel *m_rowCount;
    CSqlRowsModel *m_model;
};

// The Run SQL command: shows the dialog until it is closed.
void RunSqlCommand(CTomeloDoc &doc, QWidget *parent);
