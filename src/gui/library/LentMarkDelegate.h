#pragma once

#include <QStyledItemDelegate>

// Draws the thumbnails with a small "lent" mark on the picture of a book
// that is lent to someone; hovering the mark tells to whom.
class CLentMarkDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // Where the mark of the item drawn with `option` sits: the lower right
    // corner of its picture.
    QRect MarkRect(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
