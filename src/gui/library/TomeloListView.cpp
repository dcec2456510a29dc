#include "library/TomeloListView.h"

#include "adding/AddBookFlow.h"
#include "adding/FileDropTarget.h"
#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "book/BookProperties.h"
#include "book/BulkEditDlg.h"
#include "db/BookMembership.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "frame/WaitCursor.h"
#include "library/BookListModel.h"
#include "library/BookMime.h"
#include "library/CommandReadiness.h"
#include "library/FileBooksCommand.h"
#include "library/KeyboardMenuPoint.h"
#include "library/LentMarkDelegate.h"
#include "library/ListColumnLayout.h"
#include "library/RemovalQuestion.h"
#include "library/RemoveBooksCommand.h"
#include "library/TomeloTreeView.h"
#include "loans/ShelfEntries.h"
#include "undo/LibraryUndo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// An item view of the list that leaves starting drags and context menus to
// the list pane.
template <class View> class CBookItemView : public View
{
public:
    using View::View;
    std::function<void()> onStartDrag;
    std::function<void(const QPoint &)> onContextMenu;

protected:
    void startDrag(Qt::DropActions) override { onStartDrag(); }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        onContextMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : KeyboardMenuPoint(*this));
    }
};

} // namespace

CTomeloListView::CTomeloListView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent)
    : QWidget(parent), m_doc(doc), m_frame(frame),
      m_model(new CBookListModel(
          [&doc] { return doc.IsLibraryOpen() ? doc.m_connection.get() : nullptr; }, this)),
      m_stack(new QStackedWidget(this)), m_adding(new CAddBookFlow(doc, this))
{
    setObjectName(QStringLiteral("BookList"));
    auto *details = new CBookItemView<QTreeView>(m_stack);
    auto *thumbnails = new CBookItemView<QListView>(m_stack);
    for (auto hooks : {std::make_pair(&details->onStartDrag, &details->onContextMenu),
                       std::make_pair(&thumbnails->onStartDrag, &thumbnails->onContextMenu)}) {
        *hooks.first = [this] { StartBookDrag(); };
        *hooks.second = [this](const QPoint &at) { ShowContextMenu(at); };
    }
    m_details = details;
    m_thumbnails = thumbnails;

    m_details->setObjectName(QStringLiteral("BookDetails"));
    m_details->setModel(m_model);
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setItemsExpandable(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setAlternatingRowColors(true);
    QHeaderView *header = m_details->header();
    header->setStretchLastSection(true);
    header->setSectionsMovable(true);
    header->setFirstSectionMovable(true);
    CListColumnLayout::FromText(CAppSettings::ListColumns()).ApplyTo(*header);
    m_sortMark.Init(header);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, [this](const QPoint &at) {
        const std::unique_ptr<QMenu> menu(MakeHeaderMenu());
        menu->exec(m_details->header()->mapToGlobal(at));
    });
    m_saveColumns.setSingleShot(true);
    m_saveColumns.setInterval(400);
    connect(&m_saveColumns, &QTimer::timeout, this, &CTomeloListView::SaveColumnLayout);
    connect(header, &QHeaderView::sectionResized, this, [this] { m_saveColumns.start(); });
    connect(header, &QHeaderView::sectionMoved, this, &CTomeloListView::SaveColumnLayout);

    m_thumbnails->setObjectName(QStringLiteral("BookThumbnails"));
    m_thumbnails->setModel(m_model);
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setIconSize(QSize(CThumbnailWorker::kWidth, CThumbnailWorker::kHeight));
    m_thumbnails->setGridSize(QSize(CThumbnailWorker::kWidth + 40, CThumbnailWorker::kHeight + 46));
    m_thumbnails->setUniformItemSizes(true);
    m_thumbnails->setResizeMode(QListView::Adjust);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setWordWrap(true);
    m_thumbnails->setLayoutMode(QListView::Batched);
    m_thumbnails->setBatchSize(1000);
    m_thumbnails->setItemDelegate(new CLentMarkDelegate(m_thumbnails));

    // One selection for both looks of the list.
    QItemSelectionModel *unused = m_thumbnails->selectionModel();
    m_selection = m_details->selectionModel();
    m_thumbnails->setSelectionModel(m_selection);
    delete unused;

    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_details),
                                    static_cast<QAbstractItemView *>(m_thumbnails)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        connect(view, &QAbstractItemView::doubleClicked, this,
                [this] { m_frame.RouteCommand(ID_EDIT_BOOK); });
        m_stack->addWidget(view);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);

    m_sortColumn = qBound(0, CAppSettings::SortBy(), kBookListColumnCount - 1);
    m_sortAscending = CAppSettings::SortAscending();
    m_includeSubcategories = CAppSettings::IncludeSubcategories();
    m_authorsByLastName = CAppSettings::AuthorsByLastName();
    SetThumbnailMode(CAppSettings::ListView() == 0);
    m_sortMark.SetMark(m_sortColumn, m_sortAscending);

    m_tick.setSingleShot(true);
    m_tick.setInterval(150);
    connect(&m_tick, &QTimer::timeout, this, &CTomeloListView::OnTick);
    connect(m_selection, &QItemSelectionModel::selectionChanged, this,
            &CTomeloListView::OnItemChanged);
    connect(m_details->header(), &QHeaderView::sectionClicked, this,
            &CTomeloListView::OnColumnClick);
    connect(&m_doc, &CTomeloDoc::CurrentCategoryChanged, this, &CTomeloListView::FillList);
    connect(&m_doc, &CTomeloDoc::BooksChanged, this, &CTomeloListView::FillList);
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, &CTomeloListView::OnLibraryOpened);
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this,
            &CTomeloListView::OnChangedElsewhere);
    m_doc.m_listView = this;

    m_adding->runBookSheet = [this](const CBookRecord &book) { return RunAddBookSheet(book); };
    auto *fileDrops = new CFileDropTarget(this);
    fileDrops->acceptsFiles = [this] {
        return m_doc.IsLibraryOpen() && !m_doc.IsReadOnly() &&
               IsTargetCategory(m_doc.m_currentCategoryId);
    };
    fileDrops->onFilesDropped = [this](const QStringList &paths) {
        m_adding->OnDroppedFiles(paths);
    };
    fileDrops->Watch(m_details);
    fileDrops->Watch(m_thumbnails);
}

CTomeloListView::~CTomeloListView()
{
    if (m_saveColumns.isActive())
        SaveColumnLayout();
    if (m_doc.m_listView == this)
        m_doc.m_listView = nullptr;
}

bool CTomeloListView::IsThumbnailMode() const
{
    return m_stack->currentWidget() == m_thumbnails;
}

QAbstractItemView *CTomeloListView::CurrentView() const
{
    return static_cast<QAbstractItemView *>(m_stack->currentWidget());
}

void CTomeloListView::SetThumbnailMode(bool thumbnails)
{
    const bool hadFocus = CurrentView() && CurrentView()->hasFocus();
    m_stack->setCurrentWidget(thumbnails ? static_cast<QWidget *>(m_thumbnails) : m_details);
    // The pane's focus goes to the view that is shown, which takes the keys.
    setFocusProxy(CurrentView());
    if (hadFocus)
        CurrentView()->setFocus();
}

void CTomeloListView::OnLibraryOpened()
{
    // An open that succeeded has selected the root, which filled the list.
    if (!m_doc.IsLibraryOpen() || m_doc.m_currentCategoryId == kNoCategory)
        FillList();
}

void CTomeloListView::FillList()
{
    Refill(false);
}

void CTomeloListView::OnChangedElsewhere()
{
    // The same books stay selected and in sight where they still are.
    QAbstractItemView *view = CurrentView();
    const int scrolled = view->verticalScrollBar()->value();
    const quint32 current = m_selection->currentIndex().isValid()
                                ? m_model->BookIdAt(m_selection->currentIndex().row())
                                : 0;
    Refill(true);
    for (int row = 0; current != 0 && row < m_model->rowCount(); ++row) {
        if (m_model->BookIdAt(row) == current) {
            m_selection->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
            break;
        }
    }
    view->verticalScrollBar()->setValue(scrolled);
}

void CTomeloListView::Refill(bool keepSelection)
{
    const QVector<quint32> kept = keepSelection ? m_selectedIds : QVector<quint32>();
    QVector<quint32> entries;
    const bool open = m_doc.IsLibraryOpen() && m_doc.m_currentCategoryId != kNoCategory;
    if (open) {
        const CWaitCursor wait;
        CBookListOptions options;
        options.column = m_sortColumn;
        options.ascending = m_sortAscending;
        options.includeSubcategories = m_includeSubcategories;
        options.authorsByLastName = m_authorsByLastName;
        ReadBookOrder(m_doc.m_currentCategoryId, options, *m_doc.m_connection, entries);
    }
    m_model->Refill(entries, IsThumbnailMode(), TomeloApp().m_imagesDir);
    m_sortMark.SetMark(m_sortColumn, m_sortAscending);
    m_selectedIds.clear();
    m_selectionPending = false;
    // Sorting keeps the selected books selected at their new places.
    if (kept.isEmpty())
        m_doc.SetSelectedBooks({});
    else
        SelectBooks(kept);
    UpdateStatusText();
}

void CTomeloListView::SelectBooks(const QVector<quint32> &bookIds)
{
    const QSet<quint32> wanted(bookIds.cbegin(), bookIds.cend());
    const int rows = m_model->rowCount();
    QItemSelection selection;
    for (int row = 0; row < rows; ++row) {
        if (!wanted.contains(m_model->BookIdAt(row)))
            continue;
        const int first = row;
        while (row + 1 < rows && wanted.contains(m_model->BookIdAt(row + 1)))
            ++row;
        selection.select(m_model->index(first, 0), m_model->index(row, 0));
    }
    m_selection->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // None of them is left: nothing is selected any more.
    if (selection.isEmpty())
        m_doc.SetSelectedBooks({});
}

void CTomeloListView::OnItemChanged()
{
    QVector<int> rows;
    for (const QItemSelectionRange &range : m_selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_selectedIds.clear();
    m_selectedIds.reserve(rows.size());
    for (const int row : qAsConst(rows))
        m_selectedIds.append(m_model->BookIdAt(row));
    // One book is shown at once; a growing selection waits for the tick.
    m_selectionPending = m_selectedIds.size() != 1;
    if (!m_selectionPending)
        m_doc.SetSelectedBooks(m_selectedIds);
    m_tick.start();
}

void CTomeloListView::OnTick()
{
    UpdateStatusText();
    if (m_selectionPending) {
        m_selectionPending = false;
        m_doc.SetSelectedBooks(m_selectedIds);
    }
}

void CTomeloListView::UpdateStatusText()
{
    m_frame.SetStatusText(
        FormatCountedMessage(168, m_model->rowCount(), {QString::number(m_selectedIds.size())}));
}

bool CTomeloListView::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    const int current = m_doc.m_currentCategoryId;
    const bool selected = !m_selectedIds.isEmpty();
    switch (id) {
    case ID_ADD_BOOK:
        enabled = m_doc.IsLibraryOpen() && IsTargetCategory(current);
        return true;
    case ID_REMOVE_BOOK:
    case ID_EDIT_COPY:
        enabled = selected;
        return true;
    case ID_EDIT_BOOK:
        enabled = selected;
        return true;
    case ID_SENDTO_FAVORITES:
        enabled = selected && current != kFavorites;
        return true;
    case ID_SENDTO_READINGLIST:
        enabled = selected && current != kReadingList;
        return true;
    case ID_SENDTO_SEARCHRESULTS:
        enabled = selected && current != kSearchResults;
        return true;
    case ID_EDIT_CUT:
        enabled =
            selected && current != kAllBooks && current != kRecycleBin && !IsShelfEntry(current);
        return true;
    case ID_EDIT_PASTE: {
        const QMimeData *data = QApplication::clipboard()->mimeData();
        enabled = current != kAllBooks && current != kRecycleBin && current != kNoCategory &&
                  !IsShelfEntry(current) && data && data->hasFormat(kBookFormat);
        return true;
    }
    case ID_EDIT_SELECT_ALL:
        enabled = m_model->rowCount() > 0;
        return true;
    case ID_VIEW_THUMBNAILS:
        enabled = true;
        checked = IsThumbnailMode();
        return true;
    case ID_VIEW_DETAILS:
        enabled = true;
        checked = !IsThumbnailMode();
        return true;
    case ID_VIEW_INCLUDE_SUBCATEGORIES:
        enabled = true;
        checked = m_includeSubcategories;
        return true;
    case ID_VIEW_AUTHORS_BY_LAST_NAME:
        enabled = true;
        checked = m_authorsByLastName;
        return true;
    default:
        return false;
    }
}

bool CTomeloListView::OnCommand(int id)
{
    const CommandReadiness readiness = Readiness(*this, id);
    if (readiness != CommandReadiness::Ready)
        return readiness == CommandReadiness::Disabled;
    switch (id) {
    case ID_ADD_BOOK:
        m_adding->OnAddBook();
        break;
    case ID_REMOVE_BOOK:
        OnRemoveBook();
        break;
    case ID_EDIT_BOOK:
        OnEditBook();
        break;
    case ID_SENDTO_FAVORITES:
        OnSendTo(kFavorites);
        break;
    case ID_SENDTO_READINGLIST:
        OnSendTo(kReadingList);
        break;
    case ID_SENDTO_SEARCHRESULTS:
        OnSendTo(kSearchResults);
        break;
    case ID_EDIT_CUT:
        OnEditCut();
        break;
    case ID_EDIT_COPY:
        OnEditCopy();
        break;
    case ID_EDIT_PASTE:
        OnEditPaste();
        break;
    case ID_EDIT_SELECT_ALL:
        OnEditSelectAll();
        break;
    case ID_VIEW_THUMBNAILS:
        OnViewThumbnails();
        break;
    case ID_VIEW_DETAILS:
        OnViewDetails();
        break;
    case ID_VIEW_INCLUDE_SUBCATEGORIES:
        OnIncludeSubcategories();
        break;
    case ID_VIEW_AUTHORS_BY_LAST_NAME:
        OnAuthorsByLastName();
        break;
    }
    return true;
}

void CTomeloListView::OnEditBook()
{
    if (m_selectedIds.isEmpty())
        return;
    if (m_selectedIds.size() > 1) {
        const QVector<quint32> books = m_selectedIds;
        if (CBulkEditDlg::Run(this, m_doc, books) == 0)
            return;
        m_doc.NotifyBooksChanged();
        // The edited books stay selected where the list still shows them.
        m_selectedIds = books;
        Refill(true);
        return;
    }
    const int savedId = CBookProperties::RunEdit(this, m_doc, int(m_selectedIds.first()));
    if (savedId == 0)
        return;
    m_doc.NotifyBooksChanged();
    SelectBook(quint32(savedId));
}

int CTomeloListView::RunAddBookSheet(const CBookRecord &book)
{
    const int bookId = CBookProperties::RunAdd(this, m_doc, book);
    if (bookId == 0)
        return 0;
    m_doc.NotifyBooksChanged();
    SelectBook(quint32(bookId));
    return bookId;
}

bool CTomeloListView::SelectBook(quint32 bookId)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->BookIdAt(row) != bookId)
            continue;
        const QModelIndex index = m_model->index(row, 0);
        QAbstractItemView *view = CurrentView();
        m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
        view->scrollTo(index);
        view->setFocus();
        return true;
    }
    return false;
}

void CTomeloListView::OnColumnClick(int column)
{
    m_sortAscending = column != m_sortColumn || !m_sortAscending;
    m_sortColumn = column;
    CAppSettings::SetSortBy(m_sortColumn);
    CAppSettings::SetSortAscending(m_sortAscending);
    Refill(true);
}

void CTomeloListView::OnSendTo(int categoryId)
{
    if (!m_doc.IsLibraryOpen())
        return;
    auto command = std::make_unique<CFileBooksCommand>(
        m_doc, m_selectedIds, CFileBooksCommand::How::SendTo, CategoryName(categoryId));
    if (!SendBooksTo(m_selectedIds, categoryId, *m_doc.m_connection))
        return;
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    // Only the Recycle Bin's list changes: its books now belong somewhere.
    if (m_doc.m_currentCategoryId == kRecycleBin)
        m_doc.NotifyBooksChanged();
}

int CTomeloListView::RemovalCategory() const
{
    // The entries of loans, wishes and series list books as All Books does,
    // and Remove Book takes them out of the same place.
    return IsShelfEntry(m_doc.m_currentCategoryId) ? int(kAllBooks) : m_doc.m_currentCategoryId;
}

bool CTomeloListView::OnRemoveBook()
{
    const int current = RemovalCategory();
    if (!m_doc.IsLibraryOpen() || m_selectedIds.isEmpty() || current == kNoCategory)
        return false;
    CCategoryInfo category;
    int inNoOtherCategory = 0;
    const QVector<int> categories = RemovalCategories();
    if (current != kAllBooks && current != kRecycleBin) {
        CCategoryStore(*m_doc.m_connection).ReadInfo(current, category);
        inNoOtherCategory = CountBooksOnlyIn(m_selectedIds, categories, *m_doc.m_connection);
    }
    if (!CRemovalQuestion::ForBooks(current, category.name, m_selectedIds.size(), inNoOtherCategory,
                                    categories.size() > 1)
             .Ask())
        return false;
    RemoveSelectedBooks();
    return true;
}

void CTomeloListView::RemoveSelectedBooks()
{
    RemoveBookIds(m_selectedIds);
}

void CTomeloListView::RemoveBookIds(const QVector<quint32> &bookIds)
{
    if (!m_doc.IsLibraryOpen() || bookIds.isEmpty())
        return;
    const QVector<int> categories = RemovalCategories();
    const int current = RemovalCategory();
    // A book being read stays on the Reading List after it leaves it: only
    // its filing there is removed, its reading stays until it is finished.
    auto command =
        std::make_unique<CRemoveBooksCommand>(m_doc, bookIds, current, CategoryName(current));
    bool removedAny = false;
    for (const int category : categories) {
        if (!RemoveBooks(bookIds, category, TomeloApp().m_imagesDir, *m_doc.m_connection))
            break;
        removedAny = true;
    }
    if (removedAny)
        CLibraryUndo::Of(m_doc).Push(std::move(command));
    m_doc.NotifyBooksChanged();
}

QString CTomeloListView::CategoryName(int categoryId) const
{
    CCategoryInfo info;
    CCategoryStore(*m_doc.m_connection).ReadInfo(categoryId, info);
    return info.name;
}

QVector<int> CTomeloListView::RemovalCategories() const
{
    const int current = RemovalCategory();
    // A list that shows the sub-categories' books too loses them only when
    // they leave the whole branch.
    if (m_includeSubcategories && current != kAllBooks && current != kRecycleBin)
        return CategoryBranch(current, *m_doc.m_connection);
    return {current};
}

void CTomeloListView::OnEditCopy()
{
    QApplication::clipboard()->setMimeData(MakeBookMimeData(m_selectedIds));
}

void CTomeloListView::OnEditCut()
{
    OnEditCopy();
    RemoveSelectedBooks();
}

void CTomeloListView::OnEditPaste()
{
    if (m_frame.TreeView())
        m_frame.TreeView()->PasteData(QApplication::clipboard()->mimeData(), false);
}

void CTomeloListView::OnEditSelectAll()
{
    CurrentView()->selectAll();
}

void CTomeloListView::OnViewThumbnails()
{
    if (IsThumbnailMode())
        return;
    CAppSettings::SetListView(0);
    SetThumbnailMode(true);
    FillList();
}

void CTomeloListView::OnViewDetails()
{
    if (!IsThumbnailMode())
        return;
    CAppSettings::SetListView(1);
    SetThumbnailMode(false);
    FillList();
}

void CTomeloListView::OnIncludeSubcategories()
{
    m_includeSubcategories = !m_includeSubcategories;
    CAppSettings::SetIncludeSubcategories(m_includeSubcategories);
    Refill(true);
}

void CTomeloListView::OnAuthorsByLastName()
{
    m_authorsByLastName = !m_authorsByLastName;
    CAppSettings::SetAuthorsByLastName(m_authorsByLastName);
    if (m_sortColumn == kColumnAuthor)
        Refill(true);
}

QMenu *CTomeloListView::MakeHeaderMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ListHeaderMenu"));
    FillColumnMenu(*menu);
    return menu;
}

void CTomeloListView::FillColumnMenu(QMenu &menu)
{
    menu.clear();
    const QHeaderView *header = m_details->header();
    for (int column = 0; column < kBookListColumnCount; ++column) {
        QAction *item = menu.addAction(CBookListModel::ColumnTitle(column));
        item->setData(column);
        item->setCheckable(true);
        item->setChecked(!header->isSectionHidden(column));
        item->setEnabled(column != kColumnTitle);
        connect(item, &QAction::toggled, this,
                [this, column](bool show) { ShowColumn(column, show); });
    }
    menu.addSeparator();
    if (QAction *byLastName = m_frame.Action(ID_VIEW_AUTHORS_BY_LAST_NAME)) {
        byLastName->setChecked(m_authorsByLastName);
        menu.addAction(byLastName);
    }
}

void CTomeloListView::ShowColumn(int column, bool show)
{
    QHeaderView *header = m_details->header();
    if (column <= kColumnTitle || column >= kBookListColumnCount ||
        header->isSectionHidden(column) == !show)
        return;
    if (show && header->sectionSize(column) < CListColumnLayout::DefaultWidth(column) / 2)
        header->resizeSection(column, CListColumnLayout::DefaultWidth(column));
    header->setSectionHidden(column, !show);
    SaveColumnLayout();
}

void CTomeloListView::SaveColumnLayout()
{
    m_saveColumns.stop();
    CAppSettings::SetListColumns(CListColumnLayout::FromHeader(*m_details->header()).ToText());
}

void CTomeloListView::StartBookDrag()
{
    OnTick();
    const QVector<quint32> ids = m_selectedIds; // a drop may refill the list
    if (ids.isEmpty())
        return;
    const int current = m_doc.m_currentCategoryId;
    const bool copyOnly = current == kAllBooks || current == kRecycleBin || IsShelfEntry(current);
    auto *drag = new QDrag(this);
    drag->setMimeData(MakeBookMimeData(ids));
    const QVariant picture = m_selection->selectedRows().value(0).data(Qt::DecorationRole);
    drag->setPixmap(
        picture.typeId() == QMetaType::QPixmap
            ? picture.value<QPixmap>().scaled(40, 50, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : picture.value<QIcon>().pixmap(16, 16));
    // The drop and the books' leaving this category are one change.
    const CLibraryUndo::CGroup oneChange(
        m_doc, std::make_unique<CFileBooksCommand>(m_doc, ids, CFileBooksCommand::How::Drag));
    const Qt::DropAction done = copyOnly
                                    ? drag->exec(Qt::CopyAction)
                                    : drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    OnBookDragDone(ids, done);
}

void CTomeloListView::OnBookDragDone(const QVector<quint32> &bookIds, Qt::DropAction done)
{
    if (done == Qt::MoveAction)
        RemoveBookIds(bookIds); // the books leave the category they were dragged from
    else if (done == Qt::CopyAction && m_doc.m_currentCategoryId == kRecycleBin)
        FillList(); // copied out of the bin, they are no longer in it
}

void CTomeloListView::ShowContextMenu(const QPoint &globalPos)
{
    m_frame.ShowContextMenu(QStringLiteral("List"), globalPos);
}
