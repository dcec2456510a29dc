#include "library/LentMarkDelegate.h"

#include "library/BookListModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QString MarkText()
{
    //: The mark on the thumbnail of a book that is lent to someone.
    return QCoreApplication::translate("CLentMarkDelegate", "lent");
}

QFont MarkFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(10);
    font.setBold(true);
    return font;
}

} // namespace

QRect CLentMarkDelegate::MarkRect(const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    const QRect picture =
        style->subElementRect(QStyle::SE_ItemViewItemDecoration, &item, item.widget);
    const QFontMetrics metrics(MarkFont());
    const int width = qMin(metrics.horizontalAdvance(MarkText()) + 8, picture.width());
    const int height = metrics.height() + 2;
    return QRect(picture.right() - width - 1, picture.bottom() - height - 1, width, height);
}

void CLentMarkDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(CBookListModel::LentToRole).toString().isEmpty())
        return;
    const QRect mark = MarkRect(option, index);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Its own colours with a white rim: it reads the same on a light cover,
    // a dark one, and the dark theme's background.
    painter->setPen(QPen(Qt::white, 1));
    painter->setBrush(QColor(176, 42, 30));
    painter->drawRoundedRect(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->setFont(MarkFont());
    painter->setPen(Qt::white);
    painter->drawText(mark, Qt::AlignCenter, MarkText());
    painter->restore();
}

bool CLentMarkDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                  const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QString borrower = index.data(CBookListModel::LentToRole).toString();
    if (event->type() == QEvent::ToolTip && !borrower.isEmpty() &&
        MarkRect(option, index).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), CBookListModel::LentToText(borrower), view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
