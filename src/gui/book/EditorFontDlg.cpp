#include "book/EditorFontDlg.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// Point sizes of the HTML sizes 1 to 7, as browsers show them.
constexpr int kPointSizes[] = {8, 10, 12, 14, 18, 24, 36};

QIcon Swatch(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

QString FirstFontFamily(const QString &cssFamilies)
{
    QString first = cssFamilies.section(u',', 0, 0).trimmed();
    if (first.size() >= 2 && (first.front() == u'"' || first.front() == u'\'') &&
        first.back() == first.front())
        first = first.mid(1, first.size() - 2);
    return first;
}

QColor ColorFromCss(const QString &css)
{
    static const QRegularExpression rgb(
        QStringLiteral("^rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)"));
    const QRegularExpressionMatch match = rgb.match(css.trimmed());
    if (match.hasMatch())
        return QColor(match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt());
    return QColor::fromString(css.trimmed());
}

CEditorFontDlg::CEditorFontDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditorFontDlg"));
    setWindowTitle(tr("Font"));

    m_face = new QFontComboBox(this);
    m_face->setObjectName(QStringLiteral("Face"));
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("Size"));
    m_size->addItem(QString());
    for (int size = 1; size <= 7; ++size)
        m_size->addItem(tr("%1 (%2 pt)").arg(size).arg(kPointSizes[size - 1]));
    m_colorButton = new QPushButton(tr("&Choose..."), this);
    m_colorButton->setObjectName(QStringLiteral("Color"));
    m_sample = new QLabel(tr("AaBbYyZz"), this);
    m_sample->setObjectName(QStringLiteral("Sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setMinimumHeight(m_sample->fontMetrics().height() * 4);

    auto *form = new QFormLayout;
    form->addRow(tr("&Font:"), m_face);
    form->addRow(tr("&Size:"), m_size);
    form->addRow(tr("Co&lor:"), m_colorButton);
    form->addRow(tr("Sample:"), m_sample);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorButton, &QPushButton::clicked, this, &CEditorFontDlg::OnChooseColor);
    connect(m_face, &QFontComboBox::currentTextChanged, this, &CEditorFontDlg::UpdateSample);
    connect(m_size, &QComboBox::currentIndexChanged, this, &CEditorFontDlg::UpdateSample);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    UpdateSample();
}

void CEditorFontDlg::SetCurrent(const QString &face, int size, const QColor &color)
{
    m_face->setCurrentText(face);
    m_face->setEditText(face);
    m_size->setCurrentIndex(size >= 1 && size <= 7 ? size : 0);
    m_color = color.isValid() ? color : QColor(Qt::black);
    UpdateSample();
}

QString CEditorFontDlg::Face() const
{
    return m_face->currentText().trimmed();
}

int CEditorFontDlg::Size() const
{
    return m_size->currentIndex();
}

void CEditorFontDlg::OnChooseColor()
{
    const QColor color = QColorDialog::getColor(m_color, this);
    if (color.isValid()) {
        m_color = color;
        UpdateSample();
    }
}

void CEditorFontDlg::UpdateSample()
{
    QFont font(Face());
    font.setPointSize(Size() > 0 ? kPointSizes[Size() - 1] : 12);
    m_sample->setFont(font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, m_color);
    m_sample->setPalette(palette);
    m_colorButton->setIcon(Swatch(m_color));
}
