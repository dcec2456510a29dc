#pragma once

#include <QImage>
#include <QTimer>
#include <QVector>
#include <QWidget>

// Shows a JPEG, BMP, PNG or GIF picture and plays animated GIFs. Frames are
// decoded by Qt's image reading (which composes each GIF frame over the ones
// before it, as the frames' disposal asks) and shown by a timer on the
// window's thread, so nothing else ever draws into the widget.
class CPictureCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CPictureCtrl(QWidget *parent = nullptr);
    ~CPictureCtrl() override;

    // Reads and decodes a picture; false (and nothing shown) when the file
    // cannot be read or is no picture. The control takes the picture's size.
    bool LoadFile(const QString &path);
    bool LoadData(const QByteArray &data);
    void Unload();

    // Where the picture is drawn, stretched (empty: at its own size).
    void SetDrawRect(const QRect &rect);
    // Shows the picture; an animation starts playing.
    void Draw();
    void Stop();

    bool IsLoaded() const { return !m_frames.isEmpty(); }
    bool IsAnimated() const { return m_frames.size() > 1; }
    bool IsPlaying() const { return m_timer.isActive(); }
    int FrameCount() const { return int(m_frames.size()); }
    int CurrentFrame() const { return m_current; }
    // How long frame `index` stays: its own delay when above 4 hundredths
    // of a second, else 100 ms, as GIF players have always done.
    int FrameDelay(int index) const;
    QSize PictureSize() const { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowNextFrame();

    struct Frame
    {
        QImage image;
        int delayMs = 0;
    };
    QVector<Frame> m_frames;
    QSize m_size;
    QRect m_drawRect;
    int m_current = 0;
    QTimer m_timer;
};
