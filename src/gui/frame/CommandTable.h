#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// What the window shows for one command: its menu text (with "&" marks and a
// "\t" before the shortcut's name), the status bar prompt, the icon's name in
// the desktop's icon theme and its keys.
struct CCommandInfo
{
    int id;
    const char *text;
    const char *prompt;
    const char *iconName; // nullptr: no icon
};

// The command's entry, or nullptr for an identifier the table lacks.
const CCommandInfo *FindCommand(int id);

// The menu text without the shortcut part ("&New Database...").
QString CommandMenuText(int id);
// The text for a tooltip: the menu text without "&", "..." and the shortcut.
QString CommandToolTip(int id);
QString CommandPrompt(int id);
// The keys that carry out the command in the main window, the first being
// the one a menu shows.
QList<QKeySequence> CommandKeys(int id);
