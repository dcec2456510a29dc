#include "adding/BatchDlg.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "online/LookupSource.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int kIsbnColumn = 0;
const int kTitleColumn = 1;
const int kResultColumn = 2;
const int kColumnCount = 3;

// A text of several lines as one line of a cell.
QString OneLine(QString text)
{
    return text.replace(u'\n', u' ').simplified();
}

} // namespace

CBatchDlg::CBatchDlg(CLibraryConnection &connection, const QString &imagesDir, QWidget *parent)
    : QDialog(parent), m_engine(std::make_unique<CBatchQueryEngine>(connection, imagesDir)),
      m_rows(new QTreeWidget(this)), m_status(new QLabel(tr("Ready"), this)),
      m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("BatchDlg"));
    setWindowTitle(tr("Batch Mode"));

    m_rows->setObjectName(QStringLiteral("BatchRows"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAllColumnsShowFocus(true);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->setHeaderLabels({LoadString(189), LoadString(186), tr("Result")});
    m_rows->header()->resizeSection(kIsbnColumn, 110);
    m_rows->header()->resizeSection(kTitleColumn, 300);
    m_rows->header()->setStretchLastSection(true);
    m_rows->setMinimumSize(720, 240);

    m_status->setObjectName(QStringLiteral("BatchStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_progress->setObjectName(QStringLiteral("BatchProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto *buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(tr("&Start"), QDialogButtonBox::AcceptRole);
    m_start->setObjectName(QStringLiteral("StartButton"));
    m_cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(m_start, &QPushButton::clicked, this, &CBatchDlg::OnStart);
    connect(m_cancel, &QPushButton::clicked, this, &CBatchDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_rows, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);

    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &CBatchDlg::OnTimer);

    // The engine calls these on its worker thread; each is handed to this
    // dialog's thread in the order it was called.
    m_engine->onEntryDone = [this](int index, const CBatchEntryResult &result) {
        QMetaObject::invokeMethod(
            this, [this, index, result] { OnEntryDone(index, result); }, Qt::QueuedConnection);
    };
    m_engine->onFinished = [this] {
        QMetaObject::invokeMethod(this, &CBatchDlg::OnJobFinished, Qt::QueuedConnection);
    };
    m_engine->onCancelled = [this] {
        QMetaObject::invokeMethod(this, &CBatchDlg::OnJobCancelled, Qt::QueuedConnection);
    };
}

CBatchDlg::~CBatchDlg()
{
    // Only reached early when the program goes down under a running job. The
    // worker may be waiting for a question on this thread, so its questions
    // are answered here until it has ended.
    m_engine->RequestCancel();
    while (m_engine->IsRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    m_engine->Wait();
}

void CBatchDlg::SetQueue(const QStringList &queue, const QMap<QString, QString> &isbnFiles,
                         int categoryId)
{
    m_engine->m_queue = queue;
    m_engine->m_isbnFiles = isbnFiles;
    m_engine->m_categoryId = categoryId;
    m_rows->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(queue.size());
    for (const QString &isbn : queue)
        items.append(new QTreeWidgetItem(QStringList{isbn, QString(), QString()}));
    m_rows->addTopLevelItems(items);
}

void CBatchDlg::OnStart()
{
    if (m_rows->topLevelItemCount() == 0) {
        ShowMessage(tr("Query queue is empty."));
        return;
    }
    if (!m_engine->Start())
        return;
    m_start->setEnabled(false);
    m_cancel->setDefault(true);
    m_timer.start();
}

void CBatchDlg::OnTimer()
{
    m_progress->setValue(m_engine->ProgressPercent());
    if (m_engine->m_state != CBatchQueryEngine::kRunning)
        return; // "Finishing off" stays up while the last entry ends
    const QString status = m_engine->StatusText();
    if (m_status->text() != status)
        m_status->setText(status);
}

QString CBatchDlg::ResultText(const CBatchEntryResult &result) const
{
    switch (result.outcome) {
    case CBatchEntryResult::kAdded:
        return tr("Added");
    case CBatchEntryResult::kDuplicateSkipped:
        return tr("Already in the library: skipped");
    case CBatchEntryResult::kNotFound:
        return tr("Not found at %1").arg(LookupSourceName(m_engine->m_source));
    case CBatchEntryResult::kLookupFailed:
        return tr("Not looked up: %1").arg(result.reason);
    case CBatchEntryResult::kSaveFailed:
        return tr("Not saved: %1").arg(result.reason);
    }
    return QString();
}

void CBatchDlg::OnEntryDone(int index, const CBatchEntryResult &result)
{
    ++m_counts[result.outcome];
    QTreeWidgetItem *row = m_rows->topLevelItem(index);
    if (!row)
        return;
    const QString outcome = ResultText(result);
    row->setText(kTitleColumn, OneLine(result.title));
    row->setText(kResultColumn, OneLine(outcome));
    // Cells cut long texts off: the tooltip has the whole of them, with the
    // source's own words for a book it does not know.
    QStringList whole{outcome};
    if (!result.title.isEmpty())
        whole.prepend(result.title);
    if (result.outcome == CBatchEntryResult::kNotFound)
        whole.append(result.reason);
    for (int column = 0; column < kColumnCount; ++column)
        row->setToolTip(column, whole.join(u'\n'));
    m_rows->scrollToItem(row);
}

void CBatchDlg::OnJobFinished()
{
    m_engine->Wait();
    m_timer.stop();
    m_progress->setValue(100);
    m_status->setText(SummaryText());
    m_cancel->setText(tr("Close"));
    m_cancel->setEnabled(true);
}

void CBatchDlg::OnJobCancelled()
{
    m_engine->Wait();
    m_timer.stop();
    m_status->setText(SummaryText());
    m_cancel->setText(tr("Close"));
    QDialog::reject();
}

QString CBatchDlg::SummaryText() const
{
    // Every kind that happened, and the added ones always.
    QStringList parts{tr("%n added", "books", Count(CBatchEntryResult::kAdded))};
    if (const int skipped = Count(CBatchEntryResult::kDuplicateSkipped))
        parts << tr("%n already in the library", "books", skipped);
    if (const int notFound = Count(CBatchEntryResult::kNotFound))
        parts << tr("%n not found at %1", "books", notFound)
                     .arg(LookupSourceName(m_engine->m_source));
    if (const int notAsked = Count(CBatchEntryResult::kLookupFailed))
        parts << tr("%n not looked up", "books", notAsked);
    if (const int notSaved = Count(CBatchEntryResult::kSaveFailed))
        parts << tr("%n not saved", "books", notSaved);
    return tr("Job finished: %1.").arg(parts.join(tr(", ")));
}

void CBatchDlg::reject()
{
    if (!m_engine->IsRunning()) {
        QDialog::reject();
        return;
    }
    // The dialog closes once the worker has ended (OnJobCancelled).
    if (m_engine->m_state == CBatchQueryEngine::kRunning) {
        m_engine->RequestCancel();
        m_timer.stop();
        m_status->setText(tr("Finishing off, please wait..."));
        m_cancel->setEnabled(false);
    }
}
