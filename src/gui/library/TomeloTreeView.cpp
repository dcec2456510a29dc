#include "library/TomeloTreeView.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookListOrder.h"
#include "db/BookMembership.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/AddCategoryCommand.h"
#include "library/BookMime.h"
#include "library/CategoryProperties.h"
#include "library/CategoryTreeModel.h"
#include "library/CommandReadiness.h"
#include "library/EditCategoryCommand.h"
#include "library/FileBooksCommand.h"
#include "library/KeyboardMenuPoint.h"
#include "library/MoveCategoryCommand.h"
#include "library/RemovalQuestion.h"
#include "library/RemoveCategoryCommand.h"
#include "library/SeriesDrop.h"
#include "library/TomeloListView.h"
#include "loans/SeriesStore.h"
#include "loans/ShelfEntries.h"
#include "undo/LibraryUndo.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace {

// The in-place editor of a category name keeps Enter for itself: the
// window's Enter (Edit Book) must not take it while a name is typed.
class CCategoryNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject *editor, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                event->accept();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
};

bool IsPlainKey(const QKeyEvent *event, int key)
{
    return event->key() == key && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

CTomeloTreeView::CTomeloTreeView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent)
    : QTreeView(parent), m_doc(doc), m_frame(frame), m_model(new CCategoryTreeModel(this))
{
    setObjectName(QStringLiteral("CategoryTree"));
    setModel(m_model);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setItemDelegate(new CCategoryNameDelegate(this));
    setAllColumnsShowFocus(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { OnSelChanged(current); });
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, &CTomeloTreeView::OnLibraryOpened);
    connect(&m_doc, &CTomeloDoc::CategoriesChanged, this, &CTomeloTreeView::ReloadTree);
    // Books that joined or left a series change the series below Series.
    connect(&m_doc, &CTomeloDoc::BooksChanged, this, &CTomeloTreeView::RefreshSeries);
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this,
            &CTomeloTreeView::OnChangedElsewhere);
    m_doc.m_treeView = this;
}

CTomeloTreeView::~CTomeloTreeView()
{
    if (m_doc.m_treeView == this)
        m_doc.m_treeView = nullptr;
}

void CTomeloTreeView::OnLibraryOpened()
{
    // An open that succeeded has reloaded the tree already.
    if (!m_doc.IsLibraryOpen())
        m_model->Clear();
}

QVector<CSeriesRow> CTomeloTreeView::ReadSeries() const
{
    QVector<CSeriesRow> series;
    CSeriesStore store(*m_doc.m_connection);
    if (!store.List(series))
        ShowMessage(store.Error(), MsgIcon::Warning);
    return series;
}

void CTomeloTreeView::ReloadTree()
{
    QVector<CCategoryRow> rows;
    if (!m_doc.IsLibraryOpen() || !CCategoryStore(*m_doc.m_connection).ReadAll(rows)) {
        m_model->Clear();
        return;
    }
    m_model->Load(rows, ReadSeries());
    const QModelIndex root = m_model->index(0, 0);
    expand(root);
    setCurrentIndex(root);
    setFocus();
}

QVector<int> CTomeloTreeView::ExpandedCategories(const QModelIndex &parent) const
{
    QVector<int> ids;
    for (int row = 0; row < m_model->rowCount(parent); ++row) {
        const QModelIndex child = m_model->index(row, 0, parent);
        if (isExpanded(child)) {
            ids += m_model->CategoryAt(child);
            ids += ExpandedCategories(child);
        }
    }
    return ids;
}

void CTomeloTreeView::OnChangedElsewhere()
{
    QVector<CCategoryRow> rows;
    if (!m_doc.IsLibraryOpen() || !CCategoryStore(*m_doc.m_connection).ReadAll(rows))
        return;
    const int current = m_doc.m_currentCategoryId;
    const QVector<int> expanded = ExpandedCategories();
    const int cut = m_model->CutCategory();
    {
        // The model's reset passes through no category on the way.
        const QScopedValueRollback<bool> reloading(m_reloading, true);
        m_model->Load(rows, ReadSeries());
        for (int id : expanded)
            expand(m_model->IndexOf(id));
        if (m_model->IndexOf(cut).isValid())
            m_model->SetCutCategory(cut);
    }
    const QModelIndex again = m_model->IndexOf(current);
    setCurrentIndex(again.isValid() ? again : m_model->index(0, 0));
    OnSelChanged(currentIndex());
}

void CTomeloTreeView::RefreshSeries()
{
    if (!m_doc.IsLibraryOpen())
        return;
    const int current = m_doc.m_currentCategoryId;
    {
        const QScopedValueRollback<bool> reloading(m_reloading, true);
        if (!m_model->SetSeries(ReadSeries()))
            return;
    }
    // A series that is gone leaves its place to the Series entry.
    const QModelIndex again = m_model->IndexOf(current);
    setCurrentIndex(again.isValid() ? again : m_model->IndexOf(kSeriesEntry));
    OnSelChanged(currentIndex());
}

void CTomeloTreeView::SelectCategory(int id)
{
    const QModelIndex index = m_model->IndexOf(id);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    }
}

void CTomeloTreeView::OnSelChanged(const QModelIndex &current)
{
    if (m_reloading)
        return;
    const int id = m_model->CategoryAt(current);
    m_model->SetBoldCategory(id);
    m_doc.SetCurrentCategory(id);
}

bool CTomeloTreeView::CanPaste() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return false;
    const int current = m_doc.m_currentCategoryId;
    return (IsTargetCategory(current) && data->hasFormat(kCategoryFormat)) ||
           (current != kAllBooks && current != kRecycleBin && current != kNoCategory &&
            !IsShelfEntry(current) && data->hasFormat(kBookFormat));
}

bool CTomeloTreeView::OnUpdateCommand(int id, bool &enabled, bool &)
{
    const int current = m_doc.m_currentCategoryId;
    switch (id) {
    case ID_ADD_SUBCATEGORY:
    case ID_EDIT_CATEGORY:
        enabled = IsTargetCategory(current);
        return true;
    case ID_REMOVE_CATEGORY:
    case ID_EDIT_CUT:
        enabled = IsUserCategory(current);
        return true;
    case ID_EDIT_PASTE:
        enabled = CanPaste();
        return true;
    default:
        return false;
    }
}

bool CTomeloTreeView::OnCommand(int id)
{
    const CommandReadiness readiness = Readiness(*this, id);
    if (readiness != CommandReadiness::Ready)
        return readiness == CommandReadiness::Disabled;
    switch (id) {
    case ID_ADD_SUBCATEGORY:
        OnAddSubCategory();
        break;
    case ID_EDIT_CATEGORY:
        OnEditCategory();
        break;
    case ID_REMOVE_CATEGORY:
        OnRemoveCategory();
        break;
    case ID_EDIT_CUT:
        OnEditCut();
        break;
    case ID_EDIT_PASTE:
        OnEditPaste();
        break;
    }
    return true;
}

void CTomeloTreeView::OnAddSubCategory()
{
    CCategoryProperties sheet(LoadString(174), this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    auto command = std::make_unique<CAddCategoryCommand>(m_doc, sheet.Name());
    const int id = CCategoryStore(*m_doc.m_connection)
                       .Add(sheet.Name(), sheet.Notes(), m_doc.m_currentCategoryId);
    if (id == 0)
        return;
    command->SetNewCategory(id);
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    const QModelIndex parent = currentIndex();
    m_model->AddCategory(parent, id, sheet.Name());
    expand(parent);
}

void CTomeloTreeView::OnEditCategory()
{
    const int id = m_doc.m_currentCategoryId;
    CCategoryStore store(*m_doc.m_connection);
    CCategoryInfo info;
    if (!store.ReadInfo(id, info))
        return;
    CCategoryProperties sheet(LoadString(175), this);
    sheet.SetTexts(
        info.name, info.notes,
        FormatCountedMessage(182, info.bookCount,
                             {tr("%n subcategor[y|ies]", nullptr, info.subCategoryCount)}),
        info.operationDate);
    if (sheet.exec() != QDialog::Accepted ||
        (sheet.Name() == info.name && sheet.Notes() == info.notes))
        return;
    auto command = std::make_unique<CEditCategoryCommand>(m_doc, id, info.name, sheet.Name());
    if (!store.Update(id, sheet.Name(), sheet.Notes()))
        return;
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    m_model->Rename(currentIndex(), sheet.Name());
}

bool CTomeloTreeView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Only the current category, and only where Edit Category is offered
    // (not the special entries, not a library opened read-only).
    if (index != currentIndex() || !m_frame.CommandState(ID_EDIT_CATEGORY))
        return false;
    if (!QTreeView::edit(index, trigger, event))
        return false;
    m_renaming = index;
    m_blankName = false;
    return true;
}

void CTomeloTreeView::commitData(QWidget *editor)
{
    const auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || !m_renaming.isValid())
        return;
    const QString name = line->text().trimmed();
    // Said once the editor has closed: a message now would take its focus.
    m_blankName = name.isEmpty();
    if (!m_blankName)
        RenameCategory(m_renaming, name);
}

void CTomeloTreeView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeView::closeEditor(editor, hint);
    m_renaming = QPersistentModelIndex();
    if (m_blankName) {
        m_blankName = false;
        ShowMessage(LoadString(165), MsgIcon::Warning);
    }
}

void CTomeloTreeView::RenameCategory(const QModelIndex &index, const QString &name)
{
    const int id = m_model->CategoryAt(index);
    CCategoryStore store(*m_doc.m_connection);
    CCategoryInfo info;
    if (name == index.data().toString() || !store.ReadInfo(id, info))
        return;
    auto command = std::make_unique<CEditCategoryCommand>(m_doc, id, info.name, name);
    if (!store.Update(id, name, info.notes))
        return;
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    m_model->Rename(index, name);
}

bool CTomeloTreeView::event(QEvent *event)
{
    // Delete here means the category; the window's Delete removes books.
    if (event->type() == QEvent::ShortcutOverride &&
        IsPlainKey(static_cast<QKeyEvent *>(event), Qt::Key_Delete)) {
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

void CTomeloTreeView::keyPressEvent(QKeyEvent *event)
{
    if (IsPlainKey(event, Qt::Key_Delete)) {
        m_frame.RouteCommand(ID_REMOVE_CATEGORY);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CTomeloTreeView::OnRemoveCategory()
{
    CCategoryStore store(*m_doc.m_connection);
    CCategoryRemoval removal;
    const int id = m_doc.m_currentCategoryId;
    if (!store.ReadRemoval(id, removal) || !CRemovalQuestion::ForCategory(removal).Ask())
        return;
    auto command = std::make_unique<CRemoveCategoryCommand>(
        m_doc, CategoryBranch(id, *m_doc.m_connection), removal.name);
    if (!store.Remove(id))
        return;
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    // The view makes a neighbour current, which refills the list.
    m_model->RemoveItem(currentIndex());
    setCurrentIndex(currentIndex());
}

void CTomeloTreeView::OnEditCut()
{
    m_model->SetCutCategory(m_doc.m_currentCategoryId);
    QApplication::clipboard()->setMimeData(MakeCategoryMimeData(m_doc.m_currentCategoryId));
}

void CTomeloTreeView::OnEditPaste()
{
    PasteData(QApplication::clipboard()->mimeData(), false);
}

bool CTomeloTreeView::PasteData(const QMimeData *data, bool drop, const QModelIndex &dropTarget)
{
    if (!data || !m_doc.IsLibraryOpen())
        return false;
    const QModelIndex destination = drop ? dropTarget : currentIndex();
    const int destinationId = m_model->CategoryAt(destination);
    if (data->hasFormat(kBookFormat)) {
        if (destinationId == kRecycleBin)
            return m_frame.ListView() && m_frame.ListView()->OnRemoveBook();
        QVector<quint32> books;
        if (destinationId == kAllBooks || destinationId == kNoCategory ||
            !ReadBookMimeData(data, books))
            return false;
        // Of the loans, wishes and series only a series takes books.
        if (IsSeriesChildEntry(destinationId))
            return drop &&
                   CSeriesDrop(m_doc, SeriesOfEntry(destinationId), destination.data().toString())
                       .Run(books);
        if (IsShelfEntry(destinationId))
            return false;
        const CFileBooksCommand::How how = !drop ? CFileBooksCommand::How::Paste
                                           : m_dropAction == Qt::MoveAction
                                               ? CFileBooksCommand::How::DropMove
                                               : CFileBooksCommand::How::DropCopy;
        auto command =
            std::make_unique<CFileBooksCommand>(m_doc, books, how, destination.data().toString());
        if (!PasteBooksInto(books, destinationId, *m_doc.m_connection))
            return false;
        CLibraryUndo::Of(m_doc).Push(std::move(command));
        m_doc.NotifyBooksChanged();
        return true;
    }
    int sourceId = 0;
    if (ReadCategoryMimeData(data, sourceId))
        return PasteCategory(sourceId, drop, destination);
    return false;
}

bool CTomeloTreeView::PasteCategory(int sourceId, bool drop, const QModelIndex &destination)
{
    const QModelIndex source = m_model->IndexOf(sourceId);
    if (!drop) {
        if (!source.isValid()) {
            ShowMessage(LoadString(132), MsgIcon::Warning);
            return false;
        }
        if (destination == source.parent() || m_model->IsSelfOrAncestor(source, destination)) {
            ShowMessage(LoadString(133), MsgIcon::Warning);
            return false;
        }
    }
    const int destinationId = m_model->CategoryAt(destination);
    if (!source.isValid() || !IsTargetCategory(destinationId))
        return false;
    auto command = std::make_unique<CMoveCategoryCommand>(m_doc, sourceId, source.data().toString(),
                                                          destination.data().toString());
    if (!CCategoryStore(*m_doc.m_connection).Move(sourceId, destinationId))
        return false;
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    const QPersistentModelIndex target(destination);
    m_model->MoveItem(source, target);
    expand(target);
    return true;
}

Qt::DropAction CTomeloTreeView::DropActionAt(const QDropEvent *event, QModelIndex &target) const
{
    Qt::DropAction action =
        ProposedAction(event->mimeData(), event->position().toPoint(), event->modifiers(), target);
    // Books listed where only copying is allowed are copied without Ctrl.
    if (action == Qt::MoveAction && !(event->possibleActions() & Qt::MoveAction))
        action = Qt::CopyAction;
    return (event->possibleActions() & action) ? action : Qt::IgnoreAction;
}

Qt::DropAction CTomeloTreeView::ProposedAction(const QMimeData *data, const QPoint &pos,
                                               Qt::KeyboardModifiers modifiers,
                                               QModelIndex &target) const
{
    if (m_doc.IsReadOnly())
        return Qt::IgnoreAction;
    const QModelIndex item = indexAt(pos);
    const bool books = data->hasFormat(kBookFormat);
    int sourceId = 0;
    if ((!books && !ReadCategoryMimeData(data, sourceId)) || !item.isValid())
        return Qt::IgnoreAction;
    const int id = m_model->CategoryAt(item);
    if (books) {
        // Not onto the category the books are listed from, nor All Books,
        // nor the entries of loans and wishes. A series takes copies: the
        // books stay where they were listed.
        if (item == currentIndex() || id == kAllBooks ||
            (IsShelfEntry(id) && !IsSeriesChildEntry(id)))
            return Qt::IgnoreAction;
        target = item;
        if (IsSeriesChildEntry(id))
            return Qt::CopyAction;
        return (modifiers & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    }
    const QModelIndex source = m_model->IndexOf(sourceId);
    if (!source.isValid() || item == source.parent() || !IsTargetCategory(id) ||
        m_model->IsSelfOrAncestor(source, item))
        return Qt::IgnoreAction;
    target = item;
    return Qt::MoveAction;
}

void CTomeloTreeView::startDrag(Qt::DropActions)
{
    const int id = m_model->CategoryAt(currentIndex());
    if (!IsUserCategory(id))
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(MakeCategoryMimeData(id));
    drag->setPixmap(currentIndex().data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16));
    drag->exec(Qt::MoveAction); // the drop does the work
}

void CTomeloTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(kBookFormat) || data->hasFormat(kCategoryFormat)) {
        setState(DraggingState);
        event->accept();
    } else {
        event->ignore();
    }
}

void CTomeloTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event); // scrolls near the edges
    QModelIndex target;
    const Qt::DropAction action = DropActionAt(event, target);
    if (action == Qt::IgnoreAction) {
        m_model->SetDropTarget(QModelIndex());
        event->ignore();
        return;
    }
    m_model->SetDropTarget(target);
    event->setDropAction(action);
    event->accept();
}

void CTomeloTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    m_model->SetDropTarget(QModelIndex());
    QTreeView::dragLeaveEvent(event); // stops scrolling and dragging state
}

void CTomeloTreeView::dropEvent(QDropEvent *event)
{
    m_model->SetDropTarget(QModelIndex());
    stopAutoScroll();
    setState(NoState);
    QModelIndex target;
    const Qt::DropAction action = DropActionAt(event, target);
    const QScopedValueRollback<Qt::DropAction> dropping(m_dropAction, action);
    if (action == Qt::IgnoreAction || !PasteData(event->mimeData(), true, target)) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void CTomeloTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex item = indexAt(event->pos());
        if (item.isValid())
            setCurrentIndex(item);
    } else {
        at = KeyboardMenuPoint(*this);
    }
    m_frame.ShowContextMenu(QStringLiteral("Tree"), at);
}
