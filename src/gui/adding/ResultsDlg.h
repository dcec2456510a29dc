#pragma once

#include "online/KeywordSearch.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <functional>
#include <memory>

class CBookRecord;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// One page of a keyword search as the worker hands it back.
struct CSearchPageResult
{
    bool ok = false;
    CKeywordSearch search;
};

// The results of a search by title, author and publisher, one page at a
// time, from which the user picks one book. Each page is fetched on a worker
// thread: the dialog stays responsive, shows that it is busy, and Cancel or
// Esc closes it at once and aborts the request in hand. A first page
// without results, or one that failed, closes the dialog as cancelled; a
// first page with exactly one result accepts it at once.
class CResultsDlg : public QDialog
{
    Q_OBJECT

public:
    CResultsDlg(const QString &title, const QString &author, const QString &publisher,
                QWidget *parent = nullptr);
    ~CResultsDlg() override;

    // Fetches the first page when the dialog opens.
    int exec() override;
    void accept() override;
    // Also aborts the request in hand.
    void reject() override;

    QString m_title;
    QString m_author;
    QString m_publisher;
    QString m_chosenIsbn; // the ISBN of the accepted row
    QString m_errorText;  // the last failure shown, if any

    int CurrentPage() const { return m_search.m_currentPage; }
    int TotalPages() const { return m_search.m_totalPages; }
    // From the request until its page is shown.
    bool IsSearching() const { return m_searching; }
    // Whether a request is still under way, also one abandoned by Cancel.
    bool RequestPending() const { return !m_watcher.isFinished(); }

    void OnFirstPage();
    void OnPreviousPage();
    void OnNextPage();
    void OnLastPage();

private:
    // Starts fetching `page` unless it is 0 (a paging button that does nothing).
    void RunSearch(int page);
    void OnPageFetched();
    void ShowRows();
    void SetBusy(bool busy);
    void UpdatePagingButtons();

    CKeywordSearch m_search; // the last page read and the totals so far
    QFutureWatcher<CSearchPageResult> m_watcher;
    std::shared_ptr<std::atomic<bool>> m_cancelRequest; // of the request in hand
    bool m_firstPage = true;
    bool m_searching = false;

    QLabel *m_status = nullptr;
    QProgressBar *m_busy = nullptr;
    QTableWidget *m_list = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
};

// Add Book's search mode: optionally resets `record` to the defaults for new
// books, lets the user pick a result of the search by the trimmed terms, and
// looks the chosen ISBN up into the record (with a progress window that can
// cancel it). False when nothing was chosen (a failure's text is then in
// record.ErrorText), or when the lookup failed or was cancelled.
// `mayLookUp`, when given, is asked about the chosen ISBN before anything is
// fetched for it; false from it ends the search with false.
bool SearchByTitleAuthorPublisher(CBookRecord &record, const QString &title, const QString &author,
                                  const QString &publisher, bool resetToDefaults,
                                  QWidget *parent = nullptr,
                                  const std::function<bool(const QString &isbn)> &mayLookUp = {});
