#include "frame/LinkLabel.h"

#include "app/UserPrompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

CLinkLabel::CLinkLabel(const QString &text, const QString &target, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    SetTarget(target.isEmpty() ? text : target);
    if (text.isEmpty())
        setText(m_target);
    UpdateLook();
}

void CLinkLabel::SetTarget(const QString &target)
{
    m_target = target;
    setToolTip(target);
}

bool CLinkLabel::Open()
{
    if (m_action) {
        m_action();
        return true;
    }
    // A plain path is a local file or folder; anything else is an address.
    const QUrl url = QFileInfo(m_target).isAbsolute() ? QUrl::fromLocalFile(m_target)
                                                      : QUrl::fromUserInput(m_target);
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        QApplication::beep();
        ShowMessage(tr("Unable to open hyperlink:\n\n%1").arg(QDir::toNativeSeparators(m_target)),
                    MsgIcon::Warning);
        return false;
    }
    m_visited = true;
    UpdateLook();
    return true;
}

void CLinkLabel::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    UpdateLook();
    QLabel::enterEvent(event);
}

void CLinkLabel::leaveEvent(QEvent *event)
{
    m_hover = false;
    UpdateLook();
    QLabel::leaveEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Open();
    QLabel::mouseReleaseEvent(event);
}

void CLinkLabel::UpdateLook()
{
    const QColor colour = m_hover     ? QColor(255, 0, 0)
                          : m_visited ? QColor(85, 26, 139)
                                      : QColor(0, 0, 238);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    QFont font = this->font();
    font.setUnderline(m_hover);
    setFont(font);
}
