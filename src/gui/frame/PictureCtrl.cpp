#include "frame/PictureCtrl.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

CPictureCtrl::CPictureCtrl(QWidget *parent) : QWidget(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CPictureCtrl::ShowNextFrame);
}

CPictureCtrl::~CPictureCtrl() = default;

bool CPictureCtrl::LoadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Unload();
        return false;
    }
    return LoadData(file.readAll());
}

bool CPictureCtrl::LoadData(const QByteArray &data)
{
    Unload();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image;
    while (reader.read(&image)) {
        // Qt gives the delay in milliseconds; GIF keeps hundredths.
        const int hundredths = reader.nextImageDelay() / 10;
        m_frames.append({image, hundredths > 4 ? hundredths * 10 : 100});
        if (!reader.supportsAnimation())
            break;
    }
    if (m_frames.isEmpty())
        return false;
    m_size = m_frames.first().image.size();
    resize(m_size);
    update();
    return true;
}

void CPictureCtrl::Unload()
{
    Stop();
    m_frames.clear();
    m_size = QSize();
    m_current = 0;
    update();
}

void CPictureCtrl::SetDrawRect(const QRect &rect)
{
    m_drawRect = rect;
    update();
}

int CPictureCtrl::FrameDelay(int index) const
{
    return index >= 0 && index < m_frames.size() ? m_frames[index].delayMs : 0;
}

void CPictureCtrl::Draw()
{
    if (!IsLoaded())
        return;
    m_current = 0;
    update();
    if (IsAnimated())
        m_timer.start(FrameDelay(0));
}

void CPictureCtrl::Stop()
{
    m_timer.stop();
}

void CPictureCtrl::ShowNextFrame()
{
    if (!IsAnimated())
        return;
    m_current = (m_current + 1) % int(m_frames.size());
    update();
    m_timer.start(FrameDelay(m_current));
}

void CPictureCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!IsLoaded())
        return;
    const QRect target = m_drawRect.isEmpty() ? QRect(QPoint(0, 0), m_size) : m_drawRect;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frames[m_current].image);
}
