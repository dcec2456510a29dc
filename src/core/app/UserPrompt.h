#pragma once

#include <QString>

enum class MsgIcon
{
    None,
    Information,
    Warning,
    Error,
    Question
};

enum class MsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};

enum class MsgAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

// The one seam through which the core asks the user something or tells them
// something. The window installs message boxes, the command-line tool prints,
// and tests answer from a queue, so no code path ever blocks on a dialog.
class CUserPrompt
{
public:
    virtual ~CUserPrompt() = default;
    virtual MsgAnswer Message(const QString &text, MsgIcon icon, MsgButtons buttons) = 0;

    // A question whose Yes carries out `action`, which a window shows on the
    // button itself ("Move to Recycle Bin") beside Cancel; a step that
    // cannot be undone has Cancel as its default. Answers Yes or No.
    virtual MsgAnswer Confirm(const QString &text, const QString & /*action*/, bool /*canUndo*/)
    {
        return Message(text, MsgIcon::Question, MsgButtons::YesNo);
    }

    // Asks for one line of text, offering `value`: true with what was typed
    // in `value` when confirmed, false when cancelled. Without a window the
    // offered text is taken.
    virtual bool AskText(const QString & /*text*/, QString & /*value*/) { return true; }
};

// Installs the prompt used from now on (nullptr restores the default, which
// writes to standard error and answers Ok or Yes). Not owned.
void SetUserPrompt(CUserPrompt *prompt);
CUserPrompt &UserPrompt();
// Whether a prompt has been installed (false while the default one answers).
bool HasUserPrompt();

MsgAnswer ShowMessage(const QString &text, MsgIcon icon = MsgIcon::Warning,
                      MsgButtons buttons = MsgButtons::Ok);

// Asks through the prompt's AskText.
bool AskText(const QString &text, QString &value);

// Asks through the prompt's Confirm; true when the person chose `action`.
bool ConfirmAction(const QString &text, const QString &action, bool canUndo = true);
