#include "dialogs/SqlRowsModel.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace {

// A cell shows one line; a long description stops here, and the tooltip
// shows more of it.
constexpr int kCellChars = 300;
constexpr int kToolTipChars = 2000;

} // namespace

void CSqlRowsModel::SetRows(const QStringList &columns, QVector<QVector<QVariant>> rows)
{
    beginResetModel();
    m_columns = columns;
    m_rows = std::move(rows);
    endResetModel();
}

void CSqlRowsModel::Clear()
{
    SetRows({}, {});
}

int CSqlRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CSqlRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString CSqlRowsModel::CellText(const QVariant &value) const
{
    if (!value.isValid())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QByteArray)
        return tr("(%n byte(s) of binary data)", "", int(value.toByteArray().size()));
    return value.toString();
}

QVariant CSqlRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() ||
        index.column() >= m_rows[index.row()].size())
        return {};
    const QVariant &value = m_rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole: {
        QString text = CellText(value).left(kCellChars);
        text.replace(u'\n', u' ');
        return text;
    }
    case Qt::ToolTipRole:
        return value.typeId() == QMetaType::QString && value.toString().size() > 40
                   ? QVariant(value.toString().left(kToolTipChars))
                   : QVariant();
    case Qt::ForegroundRole:
        // NULL and binary data are no text of the row: shown dimmed.
        if (!value.isValid() || value.typeId() == QMetaType::QByteArray)
            return QApplication::palette().brush(QPalette::PlaceholderText);
        return {};
    case Qt::FontRole:
        if (!value.isValid() || value.typeId() == QMetaType::QByteArray) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant CSqlRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < m_columns.size() ? QVariant(m_columns[section]) : QVariant();
}
