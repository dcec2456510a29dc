#pragma once

#include "db/BookListOrder.h"
#include "library/ThumbnailWorker.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QIcon>
#include <QPixmap>
#include <QSet>

#include <functional>

class CLibraryConnection;

// The books of the list: the sorted identifiers of a category are read at
// once, their texts a page at a time as the view shows them, so 100,000
// books cost no more to show than a screenful. In thumbnail mode each row's
// picture is the cover thumbnail, drawn in the background.
class CBookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role
    {
        BookIdRole = Qt::UserRole + 1,
        // Whom the book is lent to while it is out; empty otherwise.
        LentToRole,
    };
    static constexpr int kPageSize = 200;
    // Rows whose thumbnails are drawn without waiting to be shown.
    static constexpr int kEagerThumbnails = 1000;

    // Where the rows' texts are read: the open library's connection at the
    // moment of reading, or null when none is open. The connection may be
    // replaced (another library, a compaction) while the rows stay shown.
    using ConnectionSource = std::function<CLibraryConnection *()>;

    explicit CBookListModel(ConnectionSource connection, QObject *parent = nullptr);
    ~CBookListModel() override;

    // Shows the books `bookIds`. Drops the previous rows, their texts and
    // their thumbnails.
    void Refill(const QVector<quint32> &bookIds, bool thumbnails, const QString &imagesDir);
    void Clear() { Refill({}, m_thumbnails, QString()); }

    quint32 BookIdAt(int row) const { return m_bookIds.at(row); }
    bool ThumbnailMode() const { return m_thumbnails; }
    // The thumbnail of `row` when it has been drawn for the rows shown now.
    QPixmap Thumbnail(int row) const;
    bool ThumbnailsIdle() const { return m_worker.IsIdle() && m_waiting.isEmpty(); }

    // A column's name in the header and in the column chooser.
    static QString ColumnTitle(int column);
    // A book's series as the Series column shows it: "Dune #2", or the name
    // alone for a book without a number.
    static QString SeriesText(const QString &series, const QString &number);
    // "Lent to NAME", the tooltip of the lent mark.
    static QString LentToText(const QString &borrower);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void ThumbnailDrawn(int row);

private:
    const CBookListRow *RowAt(int row) const;
    static QString ColumnText(const CBookListRow &book, int column);
    QVariant Decoration(int row) const;
    QString ThumbnailToolTip(int row) const;
    void OnThumbnailReady(quint64 list, int row, const QImage &image);

    ConnectionSource m_connection;
    QVector<quint32> m_bookIds;
    mutable QCache<int, QVector<CBookListRow>> m_pages;
    mutable bool m_pageErrorShown = false;
    bool m_thumbnails = false;
    QIcon m_bookIcon;
    QPixmap m_blank;
    mutable QCache<int, QPixmap> m_thumbCache;
    mutable QSet<int> m_waiting;       // asked for, not drawn yet
    mutable CThumbnailWorker m_worker; // asked for pictures while the view paints
    quint64 m_list = 0;
};
