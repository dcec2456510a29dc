#include "frame/GuiPrompt.h"

#include "app/StringTable.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
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
    return OnWindowThread([&] { return ShowBox(text, icon, buttons); });
}

MsgAnswer CGuiPrompt::Confirm(const QString &text, const QString &action, bool canUndo)
{
    return OnWindowThread([&] { return ShowQuestion(text, action, canUndo); });
}

bool CGuiPrompt::AskText(const QString &text, QString &value)
{
    return OnWindowThread([&] {
               bool ok = false;
               const QString typed = QInputDialog::getText(m_window, LoadString(57344), text,
                                                           QLineEdit::Normal, value, &ok);
               if (ok)
                   value = typed;
               return ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
           }) == MsgAnswer::Ok;
}

MsgAnswer CGuiPrompt::OnWindowThread(const std::function<MsgAnswer()> &show)
{
    if (QThread::currentThread() == thread())
        return show();
    MsgAnswer answer = MsgAnswer::Cancel;
    QMetaObject::invokeMethod(
        this, [&] { answer = show(); }, Qt::BlockingQueuedConnection);
    return answer;
}

MsgAnswer CGuiPrompt::ShowBox(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox box(BoxIcon(icon), LoadString(57344), text, BoxButtons(buttons), m_window);
    return Answer(ExecBox(box));
}

MsgAnswer CGuiPrompt::ShowQuestion(const QString &text, const QString &action, bool canUndo)
{
    QMessageBox box(canUndo ? QMessageBox::Question : QMessageBox::Warning, LoadString(57344), text,
                    QMessageBox::Cancel, m_window);
    QPushButton *yes = box.addButton(action, QMessageBox::AcceptRole);
    if (canUndo)
        box.setDefaultButton(yes);
    else
        box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    ExecBox(box);
    return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
}

int CGuiPrompt::ExecBox(QMessageBox &box)
{
    // A message box shown while a long step holds the wait cursor must still
    // show the normal one.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return button;
}
