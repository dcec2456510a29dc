#pragma once

#include "db/DocumentViews.h"
#include "frame/CommandTarget.h"

#include <QTreeView>

class CCategoryTreeModel;
struct CSeriesRow;
class CMainFrame;
class CTomeloDoc;
class QMimeData;

// The left pane: the library's categories with the special entries. The
// selected item is the document's current category; the pane carries the
// category commands and takes drops of books and categories.
class CTomeloTreeView : public QTreeView, public CCommandTarget, public ITreeView
{
    Q_OBJECT

public:
    CTomeloTreeView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent = nullptr);
    ~CTomeloTreeView() override;

    CCategoryTreeModel *Model() const { return m_model; }

    // Rebuilds the tree from the library and selects the root.
    void ReloadTree();
    void LoadTree() override { ReloadTree(); }
    // Reads the series again and shows them below the Series entry, keeping
    // the current entry where it still is. Called whenever the books change
    // (CTomeloDoc::NotifyBooksChanged), which is how a change of a book's
    // series reaches the tree.
    void RefreshSeries();
    // Selects the item of category `id`, which makes it the current one.
    void SelectCategory(int id) override;

    // Pasted (`drop` clear, into the current category) or dropped (into
    // `dropTarget`) books or category. True when something was done.
    bool PasteData(const QMimeData *data, bool drop, const QModelIndex &dropTarget = {});

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

    void OnAddSubCategory();
    void OnEditCategory();
    void OnRemoveCategory();
    void OnEditCut();
    void OnEditPaste();

protected:
    // F2 renames the current category in place where Edit Category may
    // change it; Delete removes it, through the same command and question.
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void OnSelChanged(const QModelIndex &current);
    void OnLibraryOpened();
    // Reads the categories again after another program changed them,
    // keeping the current category, the open branches and the cut category
    // where they still exist.
    void OnChangedElsewhere();
    QVector<int> ExpandedCategories(const QModelIndex &parent = {}) const;
    QVector<CSeriesRow> ReadSeries() const;
    bool CanPaste() const;
    // What a drop at the event's place would do, and onto which item.
    Qt::DropAction DropActionAt(const QDropEvent *event, QModelIndex &target) const;
    Qt::DropAction ProposedAction(const QMimeData *data, const QPoint &pos,
                                  Qt::KeyboardModifiers modifiers, QModelIndex &target) const;
    bool PasteCategory(int sourceId, bool drop, const QModelIndex &destination);
    void RenameCategory(const QModelIndex &index, const QString &name);

    CTomeloDoc &m_doc;
    CMainFrame &m_frame;
    CCategoryTreeModel *m_model;
    bool m_reloading = false;
    // What the drop being carried out does (copy or move), for its name.
    Qt::DropAction m_dropAction = Qt::IgnoreAction;
    // The item being renamed in place, and whether its typed name was blank.
    QPersistentModelIndex m_renaming;
    bool m_blankName = false;
};
