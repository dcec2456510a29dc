#include "frame/CommandTable.h"

#include "frame/CommandIds.h"

#include <QCoreApplication>

#include <iterator>

namespace {

const CCommandInfo kCommands[] = {
    {ID_FILE_NEW, "&New Database...\tCtrl+N", "Create a new database", "document-new"},
    {ID_FILE_OPEN, "&Open Database...\tCtrl+O", "Open an existing database", "document-open"},
    {ID_FILE_IMPORT_XML, "&XML...", "Import books from Tomelodex XML", "document-open"},
    {ID_FILE_EXPORT_HTML, "&HTML...\tCtrl+S", "Save book information as HTML", "document-save-as"},
    {ID_FILE_EXPORT_XML, "&XML...", "Save book information as XML", nullptr},
    {ID_FILE_PAGE_SETUP, "Page Set&up...", "Change printing settings (headers and footers etc.)",
     "document-page-setup"},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view...", "Preview how the book information will print",
     "document-print-preview"},
    {ID_FILE_PRINT, "&Print...\tCtrl+P", "Print book information", "document-print"},
    {ID_APP_EXIT, "E&xit", "Quit the application", "application-exit"},
    {ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard", "edit-cut"},
    {ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard", "edit-copy"},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents", "edit-paste"},
    {ID_EDIT_SELECT_ALL, "Select &All\tCtrl+A", "Select everything in the current window",
     "edit-select-all"},
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action", "edit-undo"},
    {ID_ADD_SUBCATEGORY, "Add &Sub Category...", "Add a sub category in this category",
     "folder-new"},
    {ID_REMOVE_CATEGORY, "&Remove Category", "Delete this category", "edit-delete"},
    {ID_EDIT_CATEGORY, "&Edit Category...", "Edit this category", "document-properties"},
    {ID_ADD_BOOK, "Add &Book...\tIns", "Add a new book in the current category", "list-add"},
    {ID_REMOVE_BOOK, "&Remove Book\tDel", "Delete selected book(s)", "list-remove"},
    {ID_EDIT_BOOK, "&Edit Book...\tEnter", "Edit selected book", "document-properties"},
    {ID_SENDTO_FAVORITES, "&Favorites", "Add selected book(s) to Favorites", nullptr},
    {ID_SENDTO_READINGLIST, "&Reading List", "Add selected book(s) to Reading List", nullptr},
    {ID_SENDTO_SEARCHRESULTS, "&Search Results", "Add selected book(s) to Search Results", nullptr},
    {ID_BASIC_SEARCH, "Basic &Search\tCtrl+F", "Search in the book collection", "edit-find"},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar", nullptr},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar", nullptr},
    {ID_VIEW_THUMBNAILS, "&Thumbnails", "Display thumbnails in book list window", nullptr},
    {ID_VIEW_DETAILS, "&Details", "Display details in book list window", nullptr},
    {ID_VIEW_REFRESH, "&Refresh", "Refresh current display", "view-refresh"},
    {ID_COMPACT_DATABASE, "&Compact Database",
     "Compact the database to save space and improve efficiency", nullptr},
    {ID_RUN_SQL, "&Run SQL...", "Submit SQL statement to the database", "utilities-terminal"},
    {ID_OPTIONS, "&Options...", "Change Preferences", "preferences-system"},
    {ID_HELP_FINDER, "&Help Topics", "List Help topics", "help-browser"},
    {ID_APP_ABOUT, "&About Tomelodex...",
     "Display program information, version number and copyright", "help-about"},
    {ID_WEBSITE, "Tomelodex &Website",
     "Visit our website, where you can find updates and other free apps", "go-home"},
    {ID_FORUM, "Support &Forum", "Visit our forum and submit bug reports, suggestions etc.",
     nullptr},
    {ID_NEXT_PANE, "Next Pane\tF6", "Switch to the next window pane", nullptr},
    {ID_PREV_PANE, "Previous Pane\tShift+F6", "Switch back to the previous window pane", nullptr},
};

struct KeyEntry
{
    int id;
    QKeySequence::StandardKey standard; // QKeySequence::UnknownKey: none
    const char *keys;                   // further keys, comma-separated
};

const KeyEntry kKeys[] = {
    {ID_FILE_NEW, QKeySequence::UnknownKey, "Ctrl+N"},
    {ID_FILE_OPEN, QKeySequence::UnknownKey, "Ctrl+O"},
    {ID_FILE_EXPORT_HTML, QKeySequence::UnknownKey, "Ctrl+S"},
    {ID_FILE_PRINT, QKeySequence::UnknownKey, "Ctrl+P"},
    {ID_BASIC_SEARCH, QKeySequence::UnknownKey, "Ctrl+F"},
    {ID_EDIT_COPY, QKeySequence::UnknownKey, "Ctrl+C, Ctrl+Ins"},
    {ID_EDIT_CUT, QKeySequence::UnknownKey, "Ctrl+X, Shift+Del"},
    {ID_EDIT_PASTE, QKeySequence::UnknownKey, "Ctrl+V, Shift+Ins"},
    {ID_EDIT_SELECT_ALL, QKeySequence::UnknownKey, "Ctrl+A"},
    {ID_EDIT_UNDO, QKeySequence::UnknownKey, "Ctrl+Z, Alt+Backspace"},
    {ID_ADD_BOOK, QKeySequence::UnknownKey, "Ins"},
    {ID_REMOVE_BOOK, QKeySequence::UnknownKey, "Del"},
    {ID_EDIT_BOOK, QKeySequence::UnknownKey, "Return, Enter"},
    {ID_NEXT_PANE, QKeySequence::UnknownKey, "F6"},
    {ID_PREV_PANE, QKeySequence::UnknownKey, "Shift+F6"},
    {ID_HELP_FINDER, QKeySequence::HelpContents, ""},
};

QString Translated(const char *text)
{
    return QCoreApplication::translate("CommandTable", text);
}

} // namespace

const CCommandInfo *FindCommand(int id)
{
    for (const CCommandInfo &command : kCommands) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

QString CommandMenuText(int id)
{
    const CCommandInfo *command = FindCommand(id);
    return command ? Translated(command->text).section(u'\t', 0, 0) : QString();
}

QString CommandToolTip(int id)
{
    QString text = CommandMenuText(id);
    text.remove(u'&');
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text;
}

QString CommandPrompt(int id)
{
    const CCommandInfo *command = FindCommand(id);
    return command ? Translated(command->prompt) : QString();
}

QList<QKeySequence> CommandKeys(int id)
{
    QList<QKeySequence> keys;
    for (const KeyEntry &entry : kKeys) {
        if (entry.id != id)
            continue;
        if (entry.standard != QKeySequence::UnknownKey)
            keys += QKeySequence::keyBindings(entry.standard);
        const QString text = QString::fromLatin1(entry.keys);
        for (const QString &key : text.split(u',', Qt::SkipEmptyParts))
            keys += QKeySequence(key.trimmed());
    }
    return keys;
}
