#include "frame/GuiPrompt.h"

#include "app/StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace {

QMessageBox::Icon BoxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer Answer(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

} // namespace

CGuiPrompt::CGuiPrompt(QObject *parent) : QObject(parent) {}

CGuiPrompt::~CGuiPrompt()
{
    if (&UserPrompt() == this)
        SetUserPrompt(nullptr);
}

MsgAnswer CGuiPrompt::Message(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    if (QThread::currentThread() == thread())
        return ShowBox(text, icon, buttons);
    MsgAnswer answer = MsgAnswer::Cancel;
    QMetaObject::invokeMethod(
        this, [&] { answer = ShowBox(text, icon, buttons); }, Qt::BlockingQueuedConnection);
    return answer;
}

MsgAnswer CGuiPrompt::ShowBox(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox box(BoxIcon(icon), LoadString(57344), text, BoxButtons(buttons), m_window);
    // A message box shown while a long step holds the wait cursor must still
    // show the normal one.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return Answer(button);
}
