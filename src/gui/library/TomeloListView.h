#pragma once

#include "db/DocumentViews.h"
#include "frame/CommandTarget.h"
#include "library/HeaderSortMark.h"

#include <QTimer>
#include <QWidget>

class CAddBookFlow;
class CBookListModel;
class CBookRecord;
class CMainFrame;
class CTomeloDoc;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QMenu;
class QStackedWidget;
class QTreeView;

// The upper right pane: the books of the current category, as a details
// table or as cover thumbnails. It keeps the document's selected books and
// carries the book commands.
class CTomeloListView : public QWidget, public CCommandTarget, public IListView
{
    Q_OBJECT

public:
    CTomeloListView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent = nullptr);
    ~CTomeloListView() override;

    // Refills for the document's current category.
    void FillList();
    // Remove Book after the question. True when the user said yes.
    bool OnRemoveBook();
    // Removes (or, in the Recycle Bin, deletes) the selected books without asking.
    void RemoveSelectedBooks();

    // What a finished drag of `bookIds` out of the list leaves behind: moved
    // books leave the shown category; books copied out of the Recycle Bin
    // are no longer in it.
    void OnBookDragDone(const QVector<quint32> &bookIds, Qt::DropAction done);

    CAddBookFlow *AddBookFlow() const { return m_adding; }

    bool IsThumbnailMode() const;
    CBookListModel *Model() const { return m_model; }
    QTreeView *DetailsView() const { return m_details; }
    QListView *ThumbnailView() const { return m_thumbnails; }
    QAbstractItemView *CurrentView() const;
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_sortAscending; }
    bool IncludesSubcategories() const { return m_includeSubcategories; }
    bool SortsAuthorsByLastName() const { return m_authorsByLastName; }

    // The details header's menu: a check item for each column (the title
    // cannot be hidden) and the choice of how authors sort. The caller owns
    // it; the list's header shows it on a right click and from the keyboard.
    QMenu *MakeHeaderMenu();
    // Puts those items into `menu` in place of what it held.
    void FillColumnMenu(QMenu &menu);
    // Shows or hides a column of the details list; remembered.
    void ShowColumn(int column, bool show);

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

    // Edit Book: the book sheet on the selected book; after OK the list
    // and the page show it as saved, still selected. With several books
    // selected, the bulk editor on all of them.
    void OnEditBook();
    // Add Book once the book is known: the sheet on `book` as a new book of
    // the current category; the new book is then selected. Its identifier,
    // or 0 when nothing was written.
    int RunAddBookSheet(const CBookRecord &book);
    // Selects, shows and focuses the row of `bookId` (false when the list
    // does not have it).
    bool SelectBook(quint32 bookId);
    // Selects the rows of those books the list shows, and no others.
    void SelectBooks(const QVector<quint32> &bookIds);

    void OnColumnClick(int column);
    void OnSendTo(int categoryId);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnViewThumbnails();
    void OnViewDetails();
    void OnIncludeSubcategories();
    void OnAuthorsByLastName();

private:
    void SetThumbnailMode(bool thumbnails);
    void Refill(bool keepSelection);
    void OnItemChanged();
    void OnTick();
    void UpdateStatusText();
    void OnLibraryOpened();
    void OnChangedElsewhere();
    void StartBookDrag();
    void ShowContextMenu(const QPoint &globalPos);
    // The name of category `categoryId` as the library keeps it (empty for none).
    QString CategoryName(int categoryId) const;
    // Where Remove Book takes books out of, seen from the current entry.
    int RemovalCategory() const;
    // The categories Remove Book takes the selected books out of.
    QVector<int> RemovalCategories() const;
    void RemoveBookIds(const QVector<quint32> &bookIds);
    void SaveColumnLayout();

    CTomeloDoc &m_doc;
    CMainFrame &m_frame;
    CBookListModel *m_model;
    QStackedWidget *m_stack;
    QTreeView *m_details;
    QListView *m_thumbnails;
    QItemSelectionModel *m_selection;
    CHeaderSortMark m_sortMark;
    int m_sortColumn = 0;
    bool m_sortAscending = true;
    bool m_includeSubcategories = false;
    bool m_authorsByLastName = false;
    // Column widths are written once a resize is over, not at every step.
    QTimer m_saveColumns;
    // The selected books in row order; handed to the document at once for a
    // single book and at the next tick for several.
    QVector<quint32> m_selectedIds;
    bool m_selectionPending = false;
    QTimer m_tick;
    CAddBookFlow *m_adding;
};
