#include "frame/ProgressWindow.h"

#include "app/Profile.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kPosX = QStringLiteral("ProgressWndX");
const QString kPosY = QStringLiteral("ProgressWndY");

QWidget *MainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("MainFrame"))
            return widget;
    }
    return nullptr;
}

} // namespace

CProgressWindow::CProgressWindow(QWidget *owner, const QString &title, bool smooth)
    : QWidget(owner ? owner : MainWindow(), Qt::Dialog | Qt::WindowStaysOnTopHint |
                                                Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_title(title)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("ProgressMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMinimumWidth(390);
    m_message->setMinimumHeight(fontMetrics().lineSpacing() * 4);

    m_bar = new QProgressBar(this);
    m_bar->setTextVisible(false);
    m_bar->setRange(m_lower, m_upper);
    m_bar->setValue(m_lower);
    if (!smooth)
        m_bar->setStyleSheet(QStringLiteral("QProgressBar::chunk { width: 10px; margin: 1px; }"));

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("ProgressCancel"));
    connect(m_cancel, &QPushButton::clicked, this, &CProgressWindow::OnCancel);

    auto *row = new QHBoxLayout;
    row->addWidget(m_bar, 1);
    row->addSpacing(10);
    row->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(m_message);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setWindowTitle(m_title);
    PlaceOnScreen();
    show();
    repaint();
}

CProgressWindow::~CProgressWindow()
{
    if (m_pumping)
        qApp->removeEventFilter(this);
    SavePosition();
}

void CProgressWindow::PlaceOnScreen()
{
    adjustSize();
    const QRect screen =
        (parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen())->geometry();
    const int x = m_rememberPosition ? GetProfileInt(kSettings, kPosX, -1) : -1;
    const int y = m_rememberPosition ? GetProfileInt(kSettings, kPosY, -1) : -1;
    if (x < 0 || y < 0 || x > screen.right() || y > screen.bottom()) {
        const QWidget *centreOf =
            parentWidget() && parentWidget()->isVisible() ? parentWidget()->window() : nullptr;
        const QRect area = centreOf ? centreOf->frameGeometry() : screen;
        move(area.center() - rect().center());
    } else {
        move(x, y);
    }
}

void CProgressWindow::SavePosition()
{
    if (!m_rememberPosition)
        return;
    WriteProfileInt(kSettings, kPosX, pos().x());
    WriteProfileInt(kSettings, kPosY, pos().y());
}

void CProgressWindow::GoModal()
{
    // Qt's application modality keeps the user from every other window, and
    // message boxes asked for during the work still open above this one.
    if (m_modal)
        return;
    const bool visible = isVisible();
    hide();
    setWindowModality(Qt::ApplicationModal);
    m_modal = true;
    if (visible && !m_cancelled)
        show();
}

void CProgressWindow::EndModal()
{
    if (!m_modal)
        return;
    const bool visible = isVisible();
    hide();
    setWindowModality(Qt::NonModal);
    m_modal = false;
    if (visible)
        show();
}

void CProgressWindow::SetRange(int lower, int upper, int step)
{
    m_lower = lower;
    m_upper = upper;
    m_step = step;
    m_bar->setRange(lower, qMax(lower, upper));
}

void CProgressWindow::SetText(const QString &text)
{
    m_message->setText(text);
}

int CProgressWindow::SetPos(int position)
{
    if (!isVisible() && !m_cancelled)
        show();
    const int previous = m_position;
    m_position = position;
    const int percent =
        m_upper > m_lower ? qRound((position - m_lower) * 100.0 / (m_upper - m_lower)) : 0;
    if (percent != m_percent) {
        m_percent = percent;
        UpdateCaption();
    }
    m_bar->setValue(qBound(m_bar->minimum(), position, m_bar->maximum()));
    return previous;
}

void CProgressWindow::UpdateCaption()
{
    setWindowTitle(QStringLiteral("%1 [%2%]").arg(m_title).arg(m_percent));
}

bool CProgressWindow::PeekAndPump(bool cancelOnEsc)
{
    if (IsModal() && !isActiveWindow() && isVisible())
        activateWindow();
    m_cancelOnEsc = cancelOnEsc;
    // The filter sees Esc before the widget with the focus does, wherever
    // that is.
    m_pumping = true;
    qApp->installEventFilter(this);
    QApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    m_pumping = false;
    return !m_cancelled;
}

bool CProgressWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_cancelled && event->type() == QEvent::KeyPress && m_cancelOnEsc &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        OnCancel();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CProgressWindow::OnCancel()
{
    if (m_cancelled)
        return;
    SavePosition();
    m_cancelled = true;
    hide();
    EndModal();
    if (QWidget *main = MainWindow())
        main->activateWindow();
}
