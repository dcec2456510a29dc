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

quint64 CThumbnailWorker::Start(const QString &imagesDir)
{
    QMutexLocker lock(&m_mutex);
    ++m_list;
    m_imagesDir = imagesDir;
    m_urgent.clear();
    m_queued.clear();
    m_nextQueued = 0;
    return m_list;
}

void CThumbnailWorker::Request(int row, const QString &cover, bool urgent)
{
    QMutexLocker lock(&m_mutex);
    (urgent ? m_urgent : m_queued).append({row, cover});
    m_wake.wakeAll();
}

bool CThumbnailWorker::IsIdle() const
{
    QMutexLocker lock(&m_mutex);
    return !m_drawing && m_urgent.isEmpty() && m_nextQueued >= m_queued.size();
}

bool CThumbnailWorker::NextJob(quint64 &list, Job &job, QString &imagesDir)
{
    QMutexLocker lock(&m_mutex);
    m_drawing = false;
    for (;;) {
        if (m_quit)
            return false;
        if (!m_urgent.isEmpty() || m_nextQueued < m_queued.size()) {
            job = m_urgent.isEmpty() ? m_queued[m_nextQueued++] : m_urgent.takeLast();
            list = m_list;
            imagesDir = m_imagesDir;
            m_drawing = true;
            return true;
        }
        m_wake.wait(&m_mutex);
    }
}

void CThumbnailWorker::Run()
{
    quint64 list = 0;
    Job job{0, QString()};
    QString imagesDir;
    while (NextJob(list, job, imagesDir)) {
        const QString path = job.cover.isEmpty() ? QString() : QDir(imagesDir).filePath(job.cover);
        Q_EMIT ThumbnailReady(list, job.row, DrawThumbnail(path, m_noCover));
    }
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
