#include "dialogs/InputSQLDlg.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"
#include "dialogs/SqlRowsModel.h"
#include "frame/WaitCursor.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Columns start as wide as their first rows need, but no wider than this:
// a description must not push the others out of sight.
constexpr int kMaxColumnWidth = 320;

} // namespace

CInputSQLDlg::CInputSQLDlg(CTomeloDoc &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("InputSQLDlg"));
    setWindowTitle(tr("Run SQL"));

    auto *box = new QGroupBox(tr("&Input SQL statement:"), this);
    m_statement = new QLineEdit(box);
    m_statement->setObjectName(QStringLiteral("Statement"));
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_statement);
    auto *note = new QLabel(tr("Note: Advanced users only."), this);

    m_model = new CSqlRowsModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("SqlRows"));
    m_table->setModel(m_model);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setResizeContentsPrecision(50);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_table->hide();
    m_rowCount = new QLabel(this);
    m_rowCount->setObjectName(QStringLiteral("SqlRowCount"));
    m_rowCount->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *run = buttons->addButton(tr("&Run"), QDialogButtonBox::ActionRole);
    run->setObjectName(QStringLiteral("Run"));
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &CInputSQLDlg::RunStatement);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInputSQLDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_rowCount);
    layout->addWidget(buttons);
    m_statement->setFocus();
    resize(520, sizeHint().height());
}

QString CInputSQLDlg::Statement() const
{
    return m_statement->text();
}

bool CInputSQLDlg::RunStatement()
{
    if (Statement().trimmed().isEmpty()) {
        ShowMessage(LoadString(157));
        m_statement->setFocus();
        return false;
    }
    if (!m_doc.IsLibraryOpen())
        return false;
    CSqlRunResult result;
    {
        const CWaitCursor wait;
        // Rebuilds the tree when records were affected.
        result = RunUserSql(m_doc, Statement(), kShownRows, kCountLimit);
    }
    m_statement->setFocus();
    if (!result.ok) {
        ClearRows();
        ShowMessage(result.error);
        return false;
    }
    if (result.affected != 0) {
        // The rebuilt tree selects the root, which refills the list only
        // when another category was shown: the rows themselves may have changed.
        m_doc.NotifyBooksChanged();
    }
    if (result.ReturnsRows()) {
        ShowRows(result);
    } else {
        ClearRows();
        ShowMessage(SqlRunReport(result), MsgIcon::Information);
    }
    return true;
}

void CInputSQLDlg::ShowRows(CSqlRunResult &result)
{
    m_rowCount->setText(RowCountText(result));
    m_model->SetRows(result.columns, std::move(result.firstRows));
    const bool firstTable = m_table->isHidden();
    m_table->show();
    m_rowCount->show();
    m_table->resizeColumnsToContents();
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, qMin(header->sectionSize(column), kMaxColumnWidth));
    if (firstTable && height() < 420)
        resize(qMax(width(), 760), 480);
}

void CInputSQLDlg::ClearRows()
{
    m_model->Clear();
    m_rowCount->clear();
}

QString CInputSQLDlg::RowCountText(const CSqlRunResult &result)
{
    const qint64 shown = result.firstRows.size();
    if (result.countStopped) {
        return tr("%1 of more than %2 rows shown")
            .arg(QLocale().toString(shown), QLocale().toString(result.rows));
    }
    if (shown < result.rows)
        return tr("%1 of %Ln row(s) shown", "", int(result.rows)).arg(QLocale().toString(shown));
    return tr("%Ln row(s)", "", int(result.rows));
}

void RunSqlCommand(CTomeloDoc &doc, QWidget *parent)
{
    CInputSQLDlg dialog(doc, parent);
    dialog.exec();
}
