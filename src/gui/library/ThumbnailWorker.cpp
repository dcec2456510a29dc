#include "library/ThumbnailWorker.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>

CThumbnailWorker::CThumbnailWorker(const QImage &noCover, QObject *parent)
    : QObject(parent), m_noCover(noCover)
{
    m_thread = std::thread([this] { Run(); });
}

CThumbnailWorker::~CThumbnailWorker()
{
    {
        QMutexLocker lock(&m_mutex);
        m_quit = true;
    }
    m_wake.wakeAll();
    m_thread.join();
}

quint64 CThumbnailWorker::Start(const QString &imagesDir, const QVector<QString> &coverFiles,
                                int eagerCount)
{
    QMutexLocker lock(&m_mutex);
    ++m_list;
    m_imagesDir = imagesDir;
    m_coverFiles = coverFiles;
    m_done = QVector<bool>(coverFiles.size(), false);
    m_requests.clear();
    m_nextEager = 0;
    m_eagerCount = qMin(eagerCount, int(coverFiles.size()));
    m_wake.wakeAll();
    return m_list;
}

void CThumbnailWorker::Request(int row)
{
    QMutexLocker lock(&m_mutex);
    if (row < 0 || row >= m_coverFiles.size())
        return;
    m_requests.append(row);
    m_wake.wakeAll();
}

bool CThumbnailWorker::IsIdle() const
{
    QMutexLocker lock(&m_mutex);
    return !m_drawing && m_requests.isEmpty() && m_nextEager >= m_eagerCount;
}

bool CThumbnailWorker::NextJob(quint64 &list, int &row, QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_drawing = false;
    for (;;) {
        if (m_quit)
            return false;
        row = -1;
        // A request is drawn even when the row was drawn before: the
        // window asks again only when it has let go of the picture.
        if (!m_requests.isEmpty())
            row = m_requests.takeLast();
        while (row < 0 && m_nextEager < m_eagerCount) {
            row = m_nextEager++;
            if (m_done[row])
                row = -1;
        }
        if (row >= 0) {
            m_done[row] = true;
            m_drawing = true;
            list = m_list;
            const QString &name = m_coverFiles[row];
            path = name.isEmpty() ? QString() : QDir(m_imagesDir).filePath(name);
            return true;
        }
        m_wake.wait(&m_mutex);
    }
}

void CThumbnailWorker::Run()
{
    quint64 list = 0;
    int row = 0;
    QString path;
    while (NextJob(list, row, path))
        Q_EMIT ThumbnailReady(list, row, DrawThumbnail(path, m_noCover));
}

QImage CThumbnailWorker::DrawThumbnail(const QString &path, const QImage &noCover)
{
    if (path.isEmpty())
        return noCover;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return noCover;
    const double ratio = double(size.height()) / size.width();
    QRect place;
    if (ratio > 1.25) {
        const int width = qMax(1, int(kHeight / ratio));
        place = QRect((kWidth - width) / 2, 0, width, kHeight);
    } else {
        const int height = qMax(1, int(kWidth * ratio));
        place = QRect(0, (kHeight - height) / 2, kWidth, height);
    }
    // Large pictures are decoded at the small size straight away.
    reader.setScaledSize(place.size());
    const QImage picture = reader.read();
    if (picture.isNull())
        return noCover;
    QImage thumbnail(kWidth, kHeight, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.drawImage(place, picture);
    painter.setPen(QColor(192, 192, 192));
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return thumbnail;
}
