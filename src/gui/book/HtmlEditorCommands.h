#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

// The commands of the Description and Notes editors. The numbers are the
// ones the editor's toolbar and string texts have always used.
enum EditorCommandId : int
{
    ID_EDITOR_CUT = 32802,
    ID_EDITOR_COPY = 32803,
    ID_EDITOR_PASTE = 32804,
    ID_EDITOR_DELETE = 32807,
    ID_EDITOR_BOLD = 32790,
    ID_EDITOR_UNDERLINE = 32788,
    ID_EDITOR_ITALIC = 32789,
    ID_EDITOR_FONT = 32801,
    ID_EDITOR_BACKCOLOR = 32805,
    ID_EDITOR_JUSTIFY_LEFT = 32791,
    ID_EDITOR_JUSTIFY_CENTER = 32792,
    ID_EDITOR_JUSTIFY_RIGHT = 32793,
    ID_EDITOR_ORDERED_LIST = 32795,
    ID_EDITOR_UNORDERED_LIST = 32798,
    ID_EDITOR_OUTDENT = 32797,
    ID_EDITOR_INDENT = 32796,
    ID_EDITOR_HORIZONTAL_LINE = 32806,
    ID_EDITOR_HYPERLINK = 32794,
    ID_EDITOR_IMAGE = 32800,
    ID_EDITOR_DESIGN_PREVIEW = 32799,
    ID_EDITOR_SELECT_ALL = 32816,
};

// When a command may run: the engine must support it, and (for most) be
// able to carry it out at the moment.
enum class EditorCondition
{
    SupportedAndEnabled,
    Supported,
    Always,
};

struct CEditorCommand
{
    int id;                    // 0: a separator on the toolbar
    const char *name;          // object name of the command's action
    const char *toolTip;       // nullptr: no button on the toolbar
    const char *iconName;      // the desktop theme's name for the icon
    const char *keys;          // the keys that carry it out, or nullptr
    const char *engineCommand; // the engine's editing command, or nullptr when the page
                               // carries the command out itself
    EditorCondition condition;
};

// Every command in toolbar order, separators included.
const QList<CEditorCommand> &EditorCommands();
const CEditorCommand *FindEditorCommand(int id);
QString EditorCommandToolTip(const CEditorCommand &command);
QKeySequence EditorCommandKey(const CEditorCommand &command);
// The theme's icon, or a drawn one where the theme has none.
QIcon EditorCommandIcon(const CEditorCommand &command);
