#include "frame/PictureFileDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QSize kPreviewSize(180, 240);

} // namespace

CPictureFileDialog::CPictureFileDialog(QWidget *parent, const QString &caption,
                                       const QString &filter)
    : QFileDialog(parent, caption, QString(), filter)
{
    setObjectName(QStringLiteral("PictureFileDialog"));
    // Only Qt's own dialog can carry the preview.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("PicturePreview"));
    m_preview->setFixedSize(kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("PicturePreviewInfo"));
    m_info->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *column = new QVBoxLayout;
    column->addWidget(m_preview);
    column->addWidget(m_info);
    column->addStretch(1);
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addLayout(column, 1, grid->columnCount(), 1, 1);

    connect(this, &QFileDialog::currentChanged, this, &CPictureFileDialog::ShowPreview);
    // The name field follows the list's selection and what is typed, so
    // the preview follows it too.
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        connect(name, &QLineEdit::textChanged, this, [this](const QString &text) {
            ShowPreview(text.isEmpty() ? QString() : directory().absoluteFilePath(text));
        });
    }
    ShowPreview(QString());
}

void CPictureFileDialog::ShowPreview(const QString &path)
{
    m_preview->clear();
    m_info->clear();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_preview->setText(tr("No preview"));
        return;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    // Large pictures are decoded straight to the preview's size.
    const QSize room = kPreviewSize - QSize(8, 8);
    if (full.isValid() && (full.width() > room.width() || full.height() > room.height()))
        reader.setScaledSize(full.scaled(room, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        m_preview->setText(tr("No preview"));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(image));
    const QSize size = full.isValid() ? full : image.size();
    m_info->setText(tr("%1 × %2 pixels").arg(size.width()).arg(size.height()));
}
