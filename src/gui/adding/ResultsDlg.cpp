#include "adding/ResultsDlg.h"

#include "adding/BackgroundLookup.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "online/HttpClient.h"
#include "online/IsbnRules.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>

#include <memory>

namespace {

// Fetches one page on the shared thread pool. The worker owns its copy of the
// search, so a dialog closed meanwhile leaves it nothing to touch: the
// result is dropped with the future. `cancel` aborts the transfer.
QFuture<CSearchPageResult> FetchPage(const CKeywordSearch &from, const QString &title,
                                     const QString &author, const QString &publisher, int page,
                                     std::shared_ptr<std::atomic<bool>> cancel)
{
    auto promise = std::make_shared<QPromise<CSearchPageResult>>();
    QFuture<CSearchPageResult> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, from, title, author, publisher, page, cancel] {
        const CHttpCancelScope cancelScope(*cancel);
        CSearchPageResult result;
        result.search = from;
        // Messages are the dialog's to show, on its own thread.
        result.search.m_showMessages = false;
        result.ok = result.search.RunSearch(title, author, publisher, page);
        promise->addResult(result);
        promise->finish();
    });
    return future;
}

QPushButton *PagingButton(const QString &text, const QString &tip, const char *name,
                          QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    // Narrow: the arrows need no more room than a letter or two.
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 24);
    return button;
}

} // namespace

CResultsDlg::CResultsDlg(const QString &title, const QString &author, const QString &publisher,
                         QWidget *parent)
    : QDialog(parent), m_title(title), m_author(author), m_publisher(publisher)
{
    setObjectName(QStringLiteral("ResultsDlg"));
    setWindowTitle(tr("Please select one from the following:"));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    m_status->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("Busy"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setMaximumHeight(m_status->fontMetrics().height());
    m_busy->hide();

    m_list = new QTableWidget(0, 5, this);
    m_list->setObjectName(QStringLiteral("Results"));
    m_list->setHorizontalHeaderLabels(
        {LoadString(189), LoadString(186), LoadString(187), LoadString(188), LoadString(190)});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    // An ISBN is shown whole, also a 13-digit one; the names get room for a short one.
    const QFontMetrics metrics = m_list->fontMetrics();
    const int isbnWidth = metrics.horizontalAdvance(QStringLiteral("9790000000000")) + 16;
    const int nameWidth = metrics.horizontalAdvance(QStringLiteral("Maren Holloway")) + 16;
    const int widths[] = {isbnWidth, 280, nameWidth, nameWidth, 80};
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CResultsDlg::accept);

    m_first = PagingButton(QStringLiteral("<<"), tr("First page"), "FirstPage", this);
    m_previous = PagingButton(QStringLiteral("<"), tr("Previous page"), "PreviousPage", this);
    m_next = PagingButton(QStringLiteral(">"), tr("Next page"), "NextPage", this);
    m_last = PagingButton(QStringLiteral(">>"), tr("Last page"), "LastPage", this);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setAutoDefault(false);
    connect(m_first, &QPushButton::clicked, this, &CResultsDlg::OnFirstPage);
    connect(m_previous, &QPushButton::clicked, this, &CResultsDlg::OnPreviousPage);
    connect(m_next, &QPushButton::clicked, this, &CResultsDlg::OnNextPage);
    connect(m_last, &QPushButton::clicked, this, &CResultsDlg::OnLastPage);
    connect(m_ok, &QPushButton::clicked, this, &CResultsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CResultsDlg::reject);
    connect(&m_watcher, &QFutureWatcher<CSearchPageResult>::finished, this,
            &CResultsDlg::OnPageFetched);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_first);
    buttons->addWidget(m_previous);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_last);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_busy);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    // The buttons in the order they stand, left to right.
    setTabOrder(m_list, m_first);
    setTabOrder(m_first, m_previous);
    setTabOrder(m_previous, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_next);
    setTabOrder(m_next, m_last);
    resize(isbnWidth + 280 + 2 * nameWidth + 140, 380);
    UpdatePagingButtons();
}

CResultsDlg::~CResultsDlg()
{
    if (m_cancelRequest)
        *m_cancelRequest = true;
}

int CResultsDlg::exec()
{
    if (m_title.trimmed().isEmpty() && m_author.trimmed().isEmpty() &&
        m_publisher.trimmed().isEmpty())
        return Rejected;
    m_firstPage = true;
    RunSearch(1);
    return QDialog::exec();
}

void CResultsDlg::OnFirstPage()
{
    RunSearch(FirstPageOf(m_search.m_currentPage, m_search.m_totalPages));
}

void CResultsDlg::OnPreviousPage()
{
    RunSearch(PreviousPageOf(m_search.m_currentPage, m_search.m_totalPages));
}

void CResultsDlg::OnNextPage()
{
    RunSearch(NextPageOf(m_search.m_currentPage, m_search.m_totalPages));
}

void CResultsDlg::OnLastPage()
{
    RunSearch(LastPageOf(m_search.m_currentPage, m_search.m_totalPages));
}

void CResultsDlg::RunSearch(int page)
{
    if (page <= 0 || IsSearching())
        return;
    m_list->setRowCount(0);
    m_status->setText(tr("Searching page %1...").arg(page));
    m_searching = true;
    SetBusy(true);
    m_cancelRequest = std::make_shared<std::atomic<bool>>(false);
    m_watcher.setFuture(FetchPage(m_search, m_title, m_author, m_publisher, page, m_cancelRequest));
}

void CResultsDlg::OnPageFetched()
{
    if (*m_cancelRequest)
        return; // closed meanwhile
    const CSearchPageResult page = m_watcher.result();
    m_search = page.search;
    m_searching = false;
    SetBusy(false);
    ShowRows();
    if (!page.ok) {
        m_errorText = m_search.m_errorText;
        ShowMessage(m_errorText);
    } else if (m_search.m_rows.isEmpty()) {
        ShowMessage(TranslatedMessage(kSearchNoValidResults));
    }
    if (!m_firstPage)
        return;
    m_firstPage = false;
    if (m_search.m_rows.isEmpty())
        reject();
    else if (m_search.m_rows.size() == 1)
        accept();
}

void CResultsDlg::ShowRows()
{
    m_status->setText(m_search.m_statusText);
    const QList<CSearchResultRow> &rows = m_search.m_rows;
    m_list->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const CSearchResultRow &result = rows[row];
        const QString cells[] = {result.Isbn, result.Title, result.Author, result.Publisher,
                                 result.Edition};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            // Long titles are cut off in their column; the whole text shows on hovering.
            item->setToolTip(cells[column]);
            m_list->setItem(row, column, item);
        }
    }
    if (!rows.isEmpty()) {
        m_list->setCurrentCell(0, 0);
        m_list->setFocus();
    }
}

void CResultsDlg::SetBusy(bool busy)
{
    m_busy->setVisible(busy);
    m_list->setEnabled(!busy);
    m_ok->setEnabled(!busy);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    UpdatePagingButtons();
    if (busy)
        m_cancel->setFocus();
}

void CResultsDlg::UpdatePagingButtons()
{
    const bool idle = !IsSearching();
    const int current = m_search.m_currentPage;
    const int total = m_search.m_totalPages;
    m_first->setEnabled(idle && FirstPageOf(current, total) != 0);
    m_previous->setEnabled(idle && PreviousPageOf(current, total) != 0);
    m_next->setEnabled(idle && NextPageOf(current, total) != 0);
    m_last->setEnabled(idle && LastPageOf(current, total) != 0);
}

void CResultsDlg::accept()
{
    if (IsSearching())
        return;
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        ShowMessage(LoadString(156));
        return;
    }
    m_chosenIsbn = m_list->item(selected.first().row(), 0)->text();
    QDialog::accept();
}

void CResultsDlg::reject()
{
    if (m_cancelRequest)
        *m_cancelRequest = true;
    QDialog::reject();
}

bool SearchByTitleAuthorPublisher(CBookRecord &record, const QString &title, const QString &author,
                                  const QString &publisher, bool resetToDefaults, QWidget *parent,
                                  const std::function<bool(const QString &isbn)> &mayLookUp)
{
    if (resetToDefaults)
        record.ResetToDefaults();
    CResultsDlg results(title.trimmed(), author.trimmed(), publisher.trimmed(), parent);
    if (results.exec() != QDialog::Accepted) {
        if (!results.m_errorText.isEmpty())
            record.ErrorText = results.m_errorText;
        return false;
    }
    if (!IsAcceptedIsbn(results.m_chosenIsbn))
        return false;
    if (mayLookUp && !mayLookUp(results.m_chosenIsbn))
        return false;
    record.ISBN = results.m_chosenIsbn;
    return LookUpInBackground(parent, record, results.m_chosenIsbn, false);
}
