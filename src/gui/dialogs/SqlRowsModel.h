#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows a query returned in Run SQL, shown as a table: the values as the
// library keeps them, NULL and binary data told apart from text.
class CSqlRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(const QStringList &columns, QVector<QVector<QVariant>> rows);
    void Clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString CellText(const QVariant &value) const;

    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
};
