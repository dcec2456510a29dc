#include "book/BookCoversPage.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "frame/FileDialogs.h"
#include "frame/PictureCtrl.h"
#include "xml/BookPage.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The picture shown where a book has no cover: a closed book drawn in grey
// lines with "No Cover" below it, as a PNG for the picture control.
QByteArray PlaceholderPicture()
{
    QImage image(200, 260, QImage::Format_RGB32);
    image.fill(QColor(0xee, 0xee, 0xee));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0xa0, 0xa0, 0xa0);
    painter.setPen(QPen(ink, 4));
    const QRect book(58, 50, 84, 110);
    painter.drawRoundedRect(book, 6, 6);
    painter.drawLine(book.left() + 16, book.top(), book.left() + 16, book.bottom());
    painter.drawLine(book.left() + 30, book.top() + 28, book.right() - 14, book.top() + 28);
    painter.drawLine(book.left() + 30, book.top() + 44, book.right() - 24, book.top() + 44);
    QFont font = painter.font();
    font.setPixelSize(20);
    painter.setFont(font);
    painter.drawText(QRect(0, 180, image.width(), 40), Qt::AlignCenter, CCoverBox::tr("No Cover"));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

CCoverView::CCoverView(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_picture = new CPictureCtrl(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CCoverView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 9, line * 12};
}

QSize CCoverView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 5, line * 7};
}

void CCoverView::Show(const QString &path)
{
    m_path = path;
    m_placeholder = path.isEmpty() || !m_picture->LoadFile(path);
    if (m_placeholder) {
        static const QByteArray placeholder = PlaceholderPicture();
        m_picture->LoadData(placeholder);
    }
    FitPicture();
    m_picture->Draw();
    if (m_placeholder) {
        unsetCursor();
        setToolTip(QString());
    } else {
        setCursor(Qt::PointingHandCursor);
        setToolTip(CCoverBox::tr("Click to open the picture"));
    }
}

void CCoverView::FitPicture()
{
    // Loading sizes the control to the picture; it always fills the frame.
    const QRect area = contentsRect();
    m_picture->setGeometry(area);
    m_picture->SetDrawRect(QRect(QPoint(0, 0), area.size()));
}

void CCoverView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    FitPicture();
}

void CCoverView::mousePressEvent(QMouseEvent *event)
{
    // A viewer that cannot be started is not worth a message.
    if (event->button() == Qt::LeftButton && !m_placeholder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_path));
    QFrame::mousePressEvent(event);
}

CCoverBox::CCoverBox(const QString &title, const QString &name, const QString &browseText,
                     const QString &clearText, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(name);
    m_view = new CCoverView(this);
    m_view->setObjectName(name + QStringLiteral("Picture"));
    m_pathEdit = new QLineEdit(this);
    m_pathEdit->setObjectName(name + QStringLiteral("Path"));
    m_pathEdit->setReadOnly(true);
    auto *browse = new QPushButton(browseText, this);
    browse->setObjectName(name + QStringLiteral("Browse"));
    auto *clear = new QPushButton(clearText, this);
    clear->setObjectName(name + QStringLiteral("Clear"));
    connect(browse, &QPushButton::clicked, this, &CCoverBox::OnBrowse);
    connect(clear, &QPushButton::clicked, this, &CCoverBox::OnClear);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(browse);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_pathEdit);
    layout->addLayout(buttons);
}

void CCoverBox::SetPath(const QString &path)
{
    m_path = path;
    m_pathEdit->setText(path);
    m_pathEdit->setCursorPosition(0);
    m_pathEdit->setToolTip(path);
    if (m_pictureShown)
        ShowPicture();
}

void CCoverBox::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    // Pictures are read only for a page the user looks at.
    if (!m_pictureShown) {
        m_pictureShown = true;
        ShowPicture();
    } else {
        m_view->Picture().Draw(); // an animation plays again
    }
}

void CCoverBox::hideEvent(QHideEvent *event)
{
    m_view->Picture().Stop();
    QGroupBox::hideEvent(event);
}

void CCoverBox::ShowPicture()
{
    m_view->Show(m_path);
}

void CCoverBox::OnBrowse()
{
    const QString chosen =
        AskPictureFileName(this, title().remove(u'&'), DialogFilter(LoadString(206)));
    if (!chosen.isEmpty())
        SetPath(chosen);
}

void CCoverBox::OnClear()
{
    if (!m_path.isEmpty())
        SetPath(QString());
}

CBookCoversPage::CBookCoversPage(QWidget *parent) : CBookSheetPage(parent)
{
    setObjectName(QStringLiteral("BookCoversPage"));
    // Each button has a letter of its own, and none is one of the sheet's tabs.
    m_front = new CCoverBox(tr("Front Cover"), QStringLiteral("FrontCover"), tr("&Browse..."),
                            tr("Cl&ear"), this);
    m_back = new CCoverBox(tr("Back Cover"), QStringLiteral("BackCover"), tr("Br&owse..."),
                           tr("Cle&ar"), this);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_front);
    layout->addWidget(m_back);
}

void CBookCoversPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &context)
{
    if (context.NewBook) {
        m_front->SetPath(book.CoverTempPath);
        m_back->SetPath(book.BackCoverTempPath);
        return;
    }
    // A stored name is taken as a file of the images folder only, as the
    // book's page takes it: a library's "../" must not show, open or copy
    // a file from elsewhere.
    const auto stored = [&context](const QString &name) {
        const QString file = CoverFileName(name);
        return file.isEmpty() ? QString() : QDir(context.ImagesDir).filePath(file);
    };
    m_front->SetPath(stored(book.FrontCover));
    m_back->SetPath(stored(book.BackCover));
}

void CBookCoversPage::StoreTo(CBookRecord &book) const
{
    book.CoverTempPath = m_front->Path();
    book.BackCoverTempPath = m_back->Path();
}
