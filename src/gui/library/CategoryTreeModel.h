#pragma once

#include "db/CategoryStore.h"
#include "loans/SeriesStore.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <vector>

// The category tree: the root "Book Collection" with the user categories
// below it, sorted by name among siblings, then the special entries
// Favorites, Reading List, Search Results, All Books and Recycle Bin.
class CCategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role
    {
        CategoryIdRole = Qt::UserRole + 1
    };

    explicit CCategoryTreeModel(QObject *parent = nullptr);
    ~CCategoryTreeModel() override;

    // Rebuilds from the category rows. Rows 2 to 4 are placed among the
    // special entries wherever they sit; a row whose parent chain does not
    // reach a top-level row is not shown.
    void Load(const QVector<CCategoryRow> &rows, const QVector<CSeriesRow> &series = {});
    void Clear();
    // Puts `series` (in the order given) below the Series entry in place of
    // the series shown; false when they are the same and nothing changed.
    bool SetSeries(const QVector<CSeriesRow> &series);

    // The first item, in depth-first order, showing category `id`.
    QModelIndex IndexOf(int id) const;
    int CategoryAt(const QModelIndex &index) const;
    // True when `ancestor` is `index` or lies on its parent chain.
    bool IsSelfOrAncestor(const QModelIndex &ancestor, const QModelIndex &index) const;

    // A new category among the children of `parent`, at its sorted place.
    QModelIndex AddCategory(const QModelIndex &parent, int id, const QString &name);
    // Renames in place: the item keeps its position until the next load.
    void Rename(const QModelIndex &index, const QString &name);
    void RemoveItem(const QModelIndex &index);
    // Moves the item with its whole branch below `newParent`, sorted there.
    QModelIndex MoveItem(const QModelIndex &index, const QModelIndex &newParent);

    // How items are drawn: the current category in bold, a cut one dimmed,
    // the drop target highlighted.
    void SetBoldCategory(int id);
    void SetCutCategory(int id);
    int CutCategory() const { return m_cutId; }
    void SetDropTarget(const QModelIndex &index);
    QModelIndex DropTarget() const;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Node;
    Node *NodeAt(const QModelIndex &index) const;
    QModelIndex IndexOfNode(const Node *node) const;
    int SortedRow(const Node *parent, const QString &name) const;
    QIcon IconFor(int id) const;
    Node *SeriesNode() const;
    static std::unique_ptr<Node> MakeNode(Node *parent, int id, const QString &name);
    void NotifyChanged(int id);

    std::unique_ptr<Node> m_root;
    int m_boldId = -1;
    int m_cutId = -1;
    const Node *m_dropTarget = nullptr;
    QIcon m_folderIcon;
};
