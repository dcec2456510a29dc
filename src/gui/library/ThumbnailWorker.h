#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QVector>
#include <QWaitCondition>

#include <thread>

// Draws the 80 by 100 cover thumbnails of the book list on a thread of its
// own. It works on its own copies of the cover names and draws into images
// of its own; each result carries the number of the list it was drawn for, so
// the window can drop whatever belongs to a list it has since replaced.
// Pixmaps are made from the images on the window's thread only.
class CThumbnailWorker : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWidth = 80;
    static constexpr int kHeight = 100;

    // `noCover` is shown for books without a readable cover.
    explicit CThumbnailWorker(const QImage &noCover, QObject *parent = nullptr);
    ~CThumbnailWorker() override;

    // Starts on a new list and forgets whatever the previous one still
    // wanted. Returns the new list's number.
    quint64 Start(const QString &imagesDir);
    // Stops drawing for the current list.
    quint64 Stop() { return Start(QString()); }
    // Draws the cover file `cover` as the thumbnail of `row`. Urgent rows
    // (those on screen) come first, the latest asked first; the others in
    // the order asked.
    void Request(int row, const QString &cover, bool urgent);
    // True when nothing is left to draw.
    bool IsIdle() const;

    // The thumbnail of the picture file at `path`: scaled to 100 pixels high
    // when it is taller than 4:5, else to 80 wide, centred on white with a
    // light grey frame; `noCover` when the file cannot be read.
    static QImage DrawThumbnail(const QString &path, const QImage &noCover);

Q_SIGNALS:
    // Emitted on the worker's thread; connect with a queued connection.
    void ThumbnailReady(quint64 list, int row, const QImage &image);

private:
    struct Job
    {
        int row;
        QString cover; // the worker's own copy of the name
    };
    bool NextJob(quint64 &list, Job &job, QString &imagesDir);
    void Run();

    const QImage m_noCover;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_quit = false;
    quint64 m_list = 0;
    QString m_imagesDir;
    QVector<Job> m_urgent;
    QVector<Job> m_queued;
    int m_nextQueued = 0;
    bool m_drawing = false;
    std::thread m_thread;
};
