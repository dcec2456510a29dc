#include "library/CategoryTreeModel.h"

#include "app/StringTable.h"
#include "db/TextCollation.h"
#include "frame/ThemeIcon.h"
#include "loans/ShelfEntries.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPalette>
#include <QStyle>

#include <functional>

struct CCategoryTreeModel::Node
{
    int id = 0;
    QString name;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    int Row() const
    {
        if (!parent)
            return 0;
        for (size_t i = 0; i < parent->children.size(); ++i)
            if (parent->children[i].get() == this)
                return int(i);
        return 0;
    }
};

namespace {

QIcon Icon(const char *name, QStyle::StandardPixmap fallback)
{
    return ThemeIcon(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

CCategoryTreeModel::CCategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<Node>())
{
    // A category shows the open folder while it is selected.
    m_folderIcon = Icon("folder", QStyle::SP_DirClosedIcon);
    const QIcon open = Icon("folder-open", QStyle::SP_DirOpenIcon);
    for (const QSize &size : open.availableSizes())
        m_folderIcon.addPixmap(open.pixmap(size), QIcon::Selected);
}

CCategoryTreeModel::~CCategoryTreeModel() = default;

void CCategoryTreeModel::Clear()
{
    beginResetModel();
    m_root->children.clear();
    m_dropTarget = nullptr;
    m_cutId = -1;
    endResetModel();
}

std::unique_ptr<CCategoryTreeModel::Node> CCategoryTreeModel::MakeNode(Node *parent, int id,
                                                                       const QString &name)
{
    auto node = std::make_unique<Node>();
    node->id = id;
    node->name = name;
    node->parent = parent;
    return node;
}

void CCategoryTreeModel::Load(const QVector<CCategoryRow> &rows, const QVector<CSeriesRow> &series)
{
    beginResetModel();
    m_root->children.clear();
    m_dropTarget = nullptr;
    m_cutId = -1;
    QHash<int, QVector<const CCategoryRow *>> byParent;
    for (const CCategoryRow &row : rows)
        byParent[row.parentId].append(&row);

    // Children are added sorted, each level in the order the rows come.
    std::function<void(Node *, int, int)> addChildren = [&](Node *parent, int parentId, int depth) {
        if (depth > 1000) // a damaged library may loop through its parents
            return;
        for (const CCategoryRow *row : byParent.value(parentId)) {
            // A row with a negative identifier, which only another program
            // can write, would take the place of a shelf entry.
            if ((row->id >= kFavorites && row->id <= kReadingList) || IsShelfEntry(row->id))
                continue;
            auto node = std::make_unique<Node>();
            node->id = row->id;
            node->name = row->name;
            node->parent = parent;
            Node *added = node.get();
            parent->children.insert(parent->children.begin() + SortedRow(parent, row->name),
                                    std::move(node));
            addChildren(added, row->id, depth + 1);
        }
    };
    addChildren(m_root.get(), 0, 0);

    const std::pair<int, int> specials[] = {{kFavorites, 224},
                                            {kReadingList, 226},
                                            {kSearchResults, 225},
                                            {kAllBooks, 227},
                                            {kRecycleBin, 228}};
    for (const auto &[id, string] : specials)
        m_root->children.push_back(MakeNode(m_root.get(), id, LoadString(string)));
    const std::pair<int, QString> shelves[] = {{kOnLoanEntry, tr("On Loan")},
                                               {kOverdueEntry, tr("Overdue")},
                                               {kBorrowedEntry, tr("Borrowed")},
                                               {kWishListEntry, tr("Wish List")},
                                               {kSeriesEntry, tr("Series")}};
    for (const auto &[id, name] : shelves)
        m_root->children.push_back(MakeNode(m_root.get(), id, name));
    Node *seriesNode = m_root->children.back().get();
    for (const CSeriesRow &row : series)
        seriesNode->children.push_back(MakeNode(seriesNode, SeriesChildEntry(row.id), row.name));
    endResetModel();
}

CCategoryTreeModel::Node *CCategoryTreeModel::SeriesNode() const
{
    for (const auto &child : m_root->children)
        if (child->id == kSeriesEntry)
            return child.get();
    return nullptr;
}

bool CCategoryTreeModel::SetSeries(const QVector<CSeriesRow> &series)
{
    Node *node = SeriesNode();
    if (!node)
        return false;
    bool same = node->children.size() == size_t(series.size());
    for (size_t i = 0; same && i < node->children.size(); ++i)
        same = node->children[i]->id == SeriesChildEntry(series[qsizetype(i)].id) &&
               node->children[i]->name == series[qsizetype(i)].name;
    if (same)
        return false;
    const QModelIndex parent = IndexOfNode(node);
    if (m_dropTarget && m_dropTarget->parent == node)
        m_dropTarget = nullptr;
    if (!node->children.empty()) {
        beginRemoveRows(parent, 0, int(node->children.size()) - 1);
        node->children.clear();
        endRemoveRows();
    }
    if (!series.isEmpty()) {
        beginInsertRows(parent, 0, int(series.size()) - 1);
        for (const CSeriesRow &row : series)
            node->children.push_back(MakeNode(node, SeriesChildEntry(row.id), row.name));
        endInsertRows();
    }
    return true;
}

int CCategoryTreeModel::SortedRow(const Node *parent, const QString &name) const
{
    // The special entries always stay last among the top-level items.
    int row = 0;
    for (const auto &child : parent->children) {
        if ((child->id >= kFavorites && child->id <= kRecycleBin) || IsShelfEntry(child->id))
            break;
        if (CompareFoldingCase(child->name, name) > 0)
            break;
        ++row;
    }
    return row;
}

CCategoryTreeModel::Node *CCategoryTreeModel::NodeAt(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_root.get();
}

QModelIndex CCategoryTreeModel::IndexOfNode(const Node *node) const
{
    if (!node || node == m_root.get())
        return QModelIndex();
    return createIndex(node->Row(), 0, const_cast<Node *>(node));
}

QModelIndex CCategoryTreeModel::IndexOf(int id) const
{
    std::function<const Node *(const Node *)> find = [&](const Node *node) -> const Node * {
        for (const auto &child : node->children) {
            if (child->id == id)
                return child.get();
            if (const Node *found = find(child.get()))
                return found;
        }
        return nullptr;
    };
    return IndexOfNode(find(m_root.get()));
}

int CCategoryTreeModel::CategoryAt(const QModelIndex &index) const
{
    return index.isValid() ? NodeAt(index)->id : kNoCategory;
}

bool CCategoryTreeModel::IsSelfOrAncestor(const QModelIndex &ancestor,
                                          const QModelIndex &index) const
{
    if (!ancestor.isValid())
        return false;
    for (const Node *node = NodeAt(index); node && node != m_root.get(); node = node->parent)
        if (node == NodeAt(ancestor))
            return true;
    return false;
}

QModelIndex CCategoryTreeModel::AddCategory(const QModelIndex &parent, int id, const QString &name)
{
    Node *parentNode = NodeAt(parent);
    const int row = SortedRow(parentNode, name);
    beginInsertRows(parent, row, row);
    auto node = std::make_unique<Node>();
    node->id = id;
    node->name = name;
    node->parent = parentNode;
    Node *added = node.get();
    parentNode->children.insert(parentNode->children.begin() + row, std::move(node));
    endInsertRows();
    return IndexOfNode(added);
}

void CCategoryTreeModel::Rename(const QModelIndex &index, const QString &name)
{
    if (!index.isValid())
        return;
    NodeAt(index)->name = name;
    Q_EMIT dataChanged(index, index);
}

void CCategoryTreeModel::RemoveItem(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    Node *node = NodeAt(index);
    if (m_dropTarget && IsSelfOrAncestor(index, IndexOfNode(m_dropTarget)))
        m_dropTarget = nullptr;
    beginRemoveRows(index.parent(), index.row(), index.row());
    node->parent->children.erase(node->parent->children.begin() + index.row());
    endRemoveRows();
}

QModelIndex CCategoryTreeModel::MoveItem(const QModelIndex &index, const QModelIndex &newParent)
{
    if (!index.isValid() || IsSelfOrAncestor(index, newParent))
        return QModelIndex();
    Node *node = NodeAt(index);
    Node *oldParent = node->parent;
    Node *target = NodeAt(newParent);
    if (m_cutId == node->id)
        m_cutId = -1;
    beginRemoveRows(index.parent(), index.row(), index.row());
    std::unique_ptr<Node> moved = std::move(oldParent->children[size_t(index.row())]);
    oldParent->children.erase(oldParent->children.begin() + index.row());
    endRemoveRows();

    const QModelIndex parentIndex = IndexOfNode(target);
    const int row = SortedRow(target, moved->name);
    beginInsertRows(parentIndex, row, row);
    moved->parent = target;
    target->children.insert(target->children.begin() + row, std::move(moved));
    endInsertRows();
    return IndexOfNode(node);
}

void CCategoryTreeModel::NotifyChanged(int id)
{
    const QModelIndex index = IndexOf(id);
    if (index.isValid())
        Q_EMIT dataChanged(index, index);
}

void CCategoryTreeModel::SetBoldCategory(int id)
{
    const int old = m_boldId;
    m_boldId = id;
    NotifyChanged(old);
    NotifyChanged(id);
}

void CCategoryTreeModel::SetCutCategory(int id)
{
    const int old = m_cutId;
    m_cutId = id;
    NotifyChanged(old);
    NotifyChanged(id);
}

void CCategoryTreeModel::SetDropTarget(const QModelIndex &index)
{
    const QModelIndex old = IndexOfNode(m_dropTarget);
    m_dropTarget = index.isValid() ? NodeAt(index) : nullptr;
    if (old.isValid())
        Q_EMIT dataChanged(old, old);
    if (index.isValid())
        Q_EMIT dataChanged(index, index);
}

QModelIndex CCategoryTreeModel::DropTarget() const
{
    return IndexOfNode(m_dropTarget);
}

QModelIndex CCategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.column() != 0))
        return QModelIndex();
    const Node *node = NodeAt(parent);
    if (row >= int(node->children.size()))
        return QModelIndex();
    return createIndex(row, 0, node->children[size_t(row)].get());
}

QModelIndex CCategoryTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return QModelIndex();
    return IndexOfNode(NodeAt(child)->parent);
}

int CCategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(NodeAt(parent)->children.size());
}

int CCategoryTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QIcon CCategoryTreeModel::IconFor(int id) const
{
    switch (id) {
    case kBookCollection:
        return Icon("folder-documents", QStyle::SP_DirHomeIcon);
    case kFavorites:
        return Icon("user-bookmarks", QStyle::SP_DialogYesButton);
    case kSearchResults:
        return Icon("folder-saved-search", QStyle::SP_FileDialogContentsView);
    case kReadingList:
        return Icon("x-office-document", QStyle::SP_FileIcon);
    case kAllBooks:
        return Icon("drive-harddisk", QStyle::SP_DriveHDIcon);
    case kRecycleBin:
        return Icon("user-trash", QStyle::SP_TrashIcon);
    case kOnLoanEntry:
        return Icon("go-next", QStyle::SP_ArrowForward);
    case kOverdueEntry:
        return Icon("appointment-missed", QStyle::SP_MessageBoxWarning);
    case kBorrowedEntry:
        return Icon("go-previous", QStyle::SP_ArrowBack);
    case kWishListEntry:
        return Icon("emblem-favorite", QStyle::SP_DialogHelpButton);
    case kSeriesEntry:
        return Icon("x-office-address-book", QStyle::SP_FileDialogListView);
    default:
        return m_folderIcon;
    }
}

QVariant CCategoryTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node *node = NodeAt(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return node->name;
    case Qt::DecorationRole:
        return IconFor(node->id);
    case CategoryIdRole:
        return node->id;
    case Qt::FontRole:
        if (node->id == m_boldId) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::ForegroundRole:
        if (node->id == m_cutId)
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        if (node == m_dropTarget)
            return QApplication::palette().brush(QPalette::HighlightedText);
        return QVariant();
    case Qt::BackgroundRole:
        if (node == m_dropTarget)
            return QApplication::palette().brush(QPalette::Highlight);
        return QVariant();
    default:
        return QVariant();
    }
}

Qt::ItemFlags CCategoryTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    const int id = NodeAt(index)->id;
    if (IsUserCategory(id))
        flags |= Qt::ItemIsDragEnabled;
    // Renamed in place by the tree, which writes the name to the library.
    if (IsTargetCategory(id))
        flags |= Qt::ItemIsEditable;
    return flags;
}
