#include "library/BookListModel.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/DateText.h"
#include "frame/ThemeIcon.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QTimer>

namespace {

QImage MakeNoCoverImage()
{
    QImage image(CThumbnailWorker::kWidth, CThumbnailWorker::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A closed book in outline.
    painter.setPen(QPen(QColor(170, 170, 170), 2));
    painter.setBrush(QColor(236, 236, 236));
    painter.drawRoundedRect(QRectF(24, 22, 32, 42), 2, 2);
    painter.drawLine(QPointF(29, 22), QPointF(29, 64));
    painter.setPen(QColor(120, 120, 120));
    QFont font = QApplication::font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRect(2, 68, CThumbnailWorker::kWidth - 4, 28),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("CBookListModel", "No cover"));
    painter.setPen(QColor(192, 192, 192));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(0, 0, CThumbnailWorker::kWidth - 1, CThumbnailWorker::kHeight - 1);
    return image;
}

QPixmap MakeBlankThumbnail()
{
    QPixmap pixmap(CThumbnailWorker::kWidth, CThumbnailWorker::kHeight);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QColor(222, 222, 222));
    painter.drawRect(0, 0, CThumbnailWorker::kWidth - 1, CThumbnailWorker::kHeight - 1);
    return pixmap;
}

} // namespace

CBookListModel::CBookListModel(ConnectionSource connection, QObject *parent)
    : QAbstractTableModel(parent), m_connection(std::move(connection)), m_pages(100),
      m_thumbCache(2000), m_worker(MakeNoCoverImage())
{
    m_bookIcon = ThemeIcon(QStringLiteral("x-office-document"),
                           QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    m_blank = MakeBlankThumbnail();
    connect(&m_worker, &CThumbnailWorker::ThumbnailReady, this, &CBookListModel::OnThumbnailReady,
            Qt::QueuedConnection);
}

CBookListModel::~CBookListModel() = default;

void CBookListModel::Refill(const QVector<quint32> &bookIds, bool thumbnails,
                            const QString &imagesDir)
{
    beginResetModel();
    m_bookIds = bookIds;
    m_pages.clear();
    m_pageErrorShown = false;
    m_thumbnails = thumbnails;
    m_thumbCache.clear();
    m_waiting.clear();
    m_list = thumbnails ? m_worker.Start(imagesDir) : m_worker.Stop();
    endResetModel();
    if (!thumbnails)
        return;
    // The first rows are drawn in order before anyone scrolls to them.
    for (int row = 0; row < qMin(int(m_bookIds.size()), kEagerThumbnails); ++row) {
        m_waiting.insert(row);
        m_worker.Request(row, RowAt(row)->frontCover, false);
    }
}

const CBookListRow *CBookListModel::RowAt(int row) const
{
    const int page = row / kPageSize;
    if (QVector<CBookListRow> *rows = m_pages.object(page))
        return &rows->at(row % kPageSize);

    const int first = page * kPageSize;
    const int count = qMin(kPageSize, int(m_bookIds.size()) - first);
    QVector<quint32> ids;
    ids.reserve(count);
    for (int i = first; i < first + count; ++i)
        ids.append(m_bookIds[i]);
    QVector<CBookListRow> read;
    QString error;
    CLibraryConnection *connection = m_connection();
    if (connection && !ReadBookRows(ids, *connection, read, &error) && !m_pageErrorShown) {
        // Not from inside painting: the message waits for the event loop.
        m_pageErrorShown = true;
        QTimer::singleShot(0, this, [error] { ShowMessage(error, MsgIcon::Warning); });
    }
    QHash<quint32, const CBookListRow *> byId;
    for (const CBookListRow &found : qAsConst(read))
        byId.insert(found.bookId, &found);
    auto *rows = new QVector<CBookListRow>(count);
    for (int i = 0; i < count; ++i) {
        if (const CBookListRow *found = byId.value(ids[i]))
            (*rows)[i] = *found;
        (*rows)[i].bookId = ids[i];
    }
    m_pages.insert(page, rows);
    return &rows->at(row % kPageSize);
}

int CBookListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_bookIds.size());
}

int CBookListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(kBookListColumnCount);
}

QPixmap CBookListModel::Thumbnail(int row) const
{
    const QPixmap *pixmap = m_thumbCache.object(row);
    return pixmap ? *pixmap : QPixmap();
}

QVariant CBookListModel::Decoration(int row) const
{
    if (!m_thumbnails)
        return m_bookIcon;
    if (const QPixmap *pixmap = m_thumbCache.object(row))
        return *pixmap;
    if (!m_waiting.contains(row)) {
        m_waiting.insert(row);
        m_worker.Request(row, RowAt(row)->frontCover, true);
    }
    return m_blank;
}

QVariant CBookListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_bookIds.size())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::ToolTipRole:
        if (m_thumbnails)
            return ThumbnailToolTip(row);
        return ColumnText(*RowAt(row), index.column());
    case Qt::DisplayRole:
        return ColumnText(*RowAt(row), index.column());
    case Qt::TextAlignmentRole:
        if (IsNumericColumn(index.column()))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case Qt::DecorationRole:
        return index.column() == kColumnTitle ? Decoration(row) : QVariant();
    case BookIdRole:
        return m_bookIds[row];
    case LentToRole:
        return RowAt(row)->lentTo;
    default:
        return QVariant();
    }
}

QString CBookListModel::LentToText(const QString &borrower)
{
    return tr("Lent to %1").arg(borrower);
}

QString CBookListModel::ThumbnailToolTip(int row) const
{
    // Under a thumbnail the title is often cut short.
    const CBookListRow *book = RowAt(row);
    QStringList lines = {book->title};
    if (!book->author.isEmpty())
        lines << book->author;
    if (!book->lentTo.isEmpty())
        lines << LentToText(book->lentTo);
    return lines.join(QLatin1Char('\n'));
}

QString CBookListModel::ColumnText(const CBookListRow &book, int column)
{
    switch (column) {
    case kColumnTitle:
        return book.title;
    case kColumnAuthor:
        return book.author;
    case kColumnPublisher:
        return book.publisher;
    case kColumnIsbn:
        return book.isbn;
    case kColumnEdition:
        return book.edition;
    case kColumnYear:
        return book.year;
    case kColumnPages:
        return book.pages;
    case kColumnRating:
        return book.rating;
    case kColumnStatus:
        return book.status;
    case kColumnLocation:
        return book.location;
    case kColumnDateAdded:
        return ShownLocalDate(book.added);
    case kColumnSeries:
        return SeriesText(book.series, book.seriesNumber);
    }
    return QString();
}

QString CBookListModel::SeriesText(const QString &series, const QString &number)
{
    if (series.isEmpty() || number.isEmpty())
        return series;
    //: A book's series and its number there in the book list: "Dune #2".
    return tr("%1 #%2").arg(series, number);
}

QString CBookListModel::ColumnTitle(int column)
{
    switch (column) {
    case kColumnYear:
        return tr("Year");
    case kColumnPages:
        return tr("Pages");
    case kColumnRating:
        return tr("Rating");
    case kColumnStatus:
        return tr("Status");
    case kColumnLocation:
        return tr("Location");
    case kColumnDateAdded:
        return tr("Date Added");
    case kColumnSeries:
        return tr("Series");
    default:
        return column >= 0 && column < kBookListColumnCount ? LoadString(186 + column) : QString();
    }
}

QVariant CBookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kBookListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return ColumnTitle(section);
    if (role == Qt::TextAlignmentRole && IsNumericColumn(section))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CBookListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void CBookListModel::OnThumbnailReady(quint64 list, int row, const QImage &image)
{
    if (list != m_list || row >= m_bookIds.size())
        return; // drawn for rows that have been replaced since
    m_waiting.remove(row);
    m_thumbCache.insert(row, new QPixmap(QPixmap::fromImage(image)));
    const QModelIndex changed = index(row, kColumnTitle);
    Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole});
    Q_EMIT ThumbnailDrawn(row);
}
