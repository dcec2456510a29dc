#pragma once

#include "app/UserPrompt.h"

#include <QObject>

#include <functional>

class QMessageBox;

class QWidget;

// Shows the core's messages as message boxes over the main window. Messages
// may come from any thread: a worker's message is handed to the window's
// thread and the worker waits for the answer. Install it with SetUserPrompt;
// it uninstalls itself when destroyed.
class CGuiPrompt : public QObject, public CUserPrompt
{
    Q_OBJECT

public:
    explicit CGuiPrompt(QObject *parent = nullptr);
    ~CGuiPrompt() override;

    // The window the boxes belong to (may be null).
    void SetParentWindow(QWidget *window) { m_window = window; }

    MsgAnswer Message(const QString &text, MsgIcon icon, MsgButtons buttons) override;
    MsgAnswer Confirm(const QString &text, const QString &action, bool canUndo) override;
    bool AskText(const QString &text, QString &value) override;

private:
    MsgAnswer ShowBox(const QString &text, MsgIcon icon, MsgButtons buttons);
    MsgAnswer ShowQuestion(const QString &text, const QString &action, bool canUndo);
    // Runs `show` on the window's thread, waiting for it from another thread.
    MsgAnswer OnWindowThread(const std::function<MsgAnswer()> &show);
    int ExecBox(QMessageBox &box);

    QWidget *m_window = nullptr;
};
