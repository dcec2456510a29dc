#pragma once

#include "online/BatchQueryEngine.h"

#include <QDialog>
#include <QMap>
#include <QTimer>

#include <memory>

class CLibraryConnection;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// "Batch Mode": looks up a queue of ISBNs on the engine's worker thread and
// adds every book found to one category, showing each entry's outcome in its
// row, a progress bar and the lookup's status line. The worker's questions
// reach the user through the prompt seam on the window's thread; the dialog
// never goes away while the worker lives.
class CBatchDlg : public QDialog
{
    Q_OBJECT

public:
    CBatchDlg(CLibraryConnection &connection, const QString &imagesDir, QWidget *parent = nullptr);
    ~CBatchDlg() override;

    // The ISBNs to look up (one row each), the e-book files some were found
    // in, and the category that receives the books.
    void SetQueue(const QStringList &queue, const QMap<QString, QString> &isbnFiles,
                  int categoryId);

    int State() const { return m_engine->m_state; }
    // How many entries ended how, so far.
    int Count(CBatchEntryResult::Outcome outcome) const { return m_counts.value(outcome); }

    void reject() override;

private:
    void OnStart();
    void OnTimer();
    void OnEntryDone(int index, const CBatchEntryResult &result);
    // What a row says happened to its entry, plainly.
    QString ResultText(const CBatchEntryResult &result) const;
    void OnJobFinished();
    void OnJobCancelled();
    QString SummaryText() const;

    std::unique_ptr<CBatchQueryEngine> m_engine;
    QTreeWidget *m_rows;
    QLabel *m_status;
    QProgressBar *m_progress;
    QPushButton *m_start;
    QPushButton *m_cancel;
    QTimer m_timer;
    QMap<CBatchEntryResult::Outcome, int> m_counts;
};
