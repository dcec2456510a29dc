#include "app/UserPrompt.h"

#include <QAtomicPointer>
#include <cstdio>

namespace {

class CStderrPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &text, MsgIcon, MsgButtons buttons) override
    {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                            : MsgAnswer::Yes;
    }
};

CStderrPrompt g_stderrPrompt;
QAtomicPointer<CUserPrompt> g_prompt;

} // namespace

void SetUserPrompt(CUserPrompt *prompt)
{
    g_prompt.storeRelease(prompt);
}

CUserPrompt &UserPrompt()
{
    CUserPrompt *prompt = g_prompt.loadAcquire();
    return prompt ? *prompt : g_stderrPrompt;
}

bool HasUserPrompt()
{
    return g_prompt.loadAcquire() != nullptr;
}

MsgAnswer ShowMessage(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    return UserPrompt().Message(text, icon, buttons);
}

bool AskText(const QString &text, QString &value)
{
    return UserPrompt().AskText(text, value);
}

bool ConfirmAction(const QString &text, const QString &action, bool canUndo)
{
    return UserPrompt().Confirm(text, action, canUndo) == MsgAnswer::Yes;
}
