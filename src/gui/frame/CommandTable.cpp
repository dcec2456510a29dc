#include "frame/CommandTable.h"

#include "frame/CommandIds.h"

#include <QCoreApplication>

#include <iterator>

namespace {

const CCommandInfo kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandTable", "&New Database...\tCtrl+N"),
     QT_TRANSLATE_NOOP("CommandTable", "Create a new database"), "document-new"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandTable", "&Open Database...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CommandTable", "Open an existing database"), "document-open"},
    {ID_FILE_IMPORT_XML, QT_TRANSLATE_NOOP("CommandTable", "&XML..."),
     QT_TRANSLATE_NOOP("CommandTable", "Import books from Tomelodex XML"), "document-open"},
    {ID_FILE_EXPORT_HTML, QT_TRANSLATE_NOOP("CommandTable", "&HTML...\tCtrl+S"),
     QT_TRANSLATE_NOOP("CommandTable", "Save book information as HTML"), "document-save-as"},
    {ID_FILE_EXPORT_XML, QT_TRANSLATE_NOOP("CommandTable", "&XML..."),
     QT_TRANSLATE_NOOP("CommandTable", "Save book information as XML"), nullptr},
    {ID_FILE_EXPORT_CSV, QT_TRANSLATE_NOOP("CommandTable", "&CSV..."),
     QT_TRANSLATE_NOOP("CommandTable", "Save the books of the category as a CSV table"), nullptr},
    {ID_FILE_EXPORT_GOODREADS_CSV, QT_TRANSLATE_NOOP("CommandTable", "&Goodreads CSV..."),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Save the books of the category as CSV in the columns Goodreads imports"),
     nullptr},
    {ID_FILE_PAGE_SETUP, QT_TRANSLATE_NOOP("CommandTable", "Page Set&up..."),
     QT_TRANSLATE_NOOP("CommandTable", "Change printing settings (headers and footers etc.)"),
     "document-page-setup"},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CommandTable", "Print Pre&view..."),
     QT_TRANSLATE_NOOP("CommandTable", "Preview how the book information will print"),
     "document-print-preview"},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandTable", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CommandTable", "Print book information"), "document-print"},
    {ID_FILE_BACKUP, QT_TRANSLATE_NOOP("CommandTable", "&Back Up Library..."),
     QT_TRANSLATE_NOOP("CommandTable", "Save the library and its covers in one backup file"),
     nullptr},
    {ID_FILE_RESTORE_BACKUP, QT_TRANSLATE_NOOP("CommandTable", "&Restore from Backup..."),
     QT_TRANSLATE_NOOP("CommandTable", "Make a new library from a backup file and open it"),
     nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandTable", "E&xit"),
     QT_TRANSLATE_NOOP("CommandTable", "Quit the application"), "application-exit"},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CommandTable", "Cu&t\tCtrl+X"),
     QT_TRANSLATE_NOOP("CommandTable", "Cut the selection and put it on the Clipboard"),
     "edit-cut"},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CommandTable", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP("CommandTable", "Copy the selection and put it on the Clipboard"),
     "edit-copy"},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CommandTable", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP("CommandTable", "Insert Clipboard contents"), "edit-paste"},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("CommandTable", "Select &All\tCtrl+A"),
     QT_TRANSLATE_NOOP("CommandTable", "Select everything in the current window"),
     "edit-select-all"},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CommandTable", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("CommandTable", "Undo the last action"), "edit-undo"},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("CommandTable", "&Redo\tCtrl+Shift+Z"),
     QT_TRANSLATE_NOOP("CommandTable", "Redo the last action undone"), "edit-redo"},
    {ID_ADD_SUBCATEGORY, QT_TRANSLATE_NOOP("CommandTable", "Add &Sub Category..."),
     QT_TRANSLATE_NOOP("CommandTable", "Add a sub category in this category"), "folder-new"},
    {ID_REMOVE_CATEGORY, QT_TRANSLATE_NOOP("CommandTable", "&Remove Category"),
     QT_TRANSLATE_NOOP("CommandTable", "Delete this category"), "edit-delete"},
    {ID_EDIT_CATEGORY, QT_TRANSLATE_NOOP("CommandTable", "&Edit Category..."),
     QT_TRANSLATE_NOOP("CommandTable", "Edit this category"), "document-properties"},
    {ID_ADD_BOOK, QT_TRANSLATE_NOOP("CommandTable", "Add &Book...\tIns"),
     QT_TRANSLATE_NOOP("CommandTable", "Add a new book in the current category"), "list-add"},
    {ID_REMOVE_BOOK, QT_TRANSLATE_NOOP("CommandTable", "&Remove Book\tDel"),
     QT_TRANSLATE_NOOP("CommandTable", "Delete selected book(s)"), "list-remove"},
    {ID_EDIT_BOOK, QT_TRANSLATE_NOOP("CommandTable", "&Edit Book...\tEnter"),
     QT_TRANSLATE_NOOP("CommandTable", "Edit selected book"), "document-properties"},
    {ID_SENDTO_FAVORITES, QT_TRANSLATE_NOOP("CommandTable", "&Favorites"),
     QT_TRANSLATE_NOOP("CommandTable", "Add selected book(s) to Favorites"), nullptr},
    {ID_SENDTO_READINGLIST, QT_TRANSLATE_NOOP("CommandTable", "&Reading List"),
     QT_TRANSLATE_NOOP("CommandTable", "Add selected book(s) to Reading List"), nullptr},
    {ID_SENDTO_SEARCHRESULTS, QT_TRANSLATE_NOOP("CommandTable", "&Search Results"),
     QT_TRANSLATE_NOOP("CommandTable", "Add selected book(s) to Search Results"), nullptr},
    {ID_LEND_BOOK, QT_TRANSLATE_NOOP("CommandTable", "&Lend..."),
     QT_TRANSLATE_NOOP("CommandTable", "Record that the selected books are lent to someone"),
     nullptr},
    {ID_RETURN_BOOK, QT_TRANSLATE_NOOP("CommandTable", "Retur&n"),
     QT_TRANSLATE_NOOP("CommandTable", "Record that the selected books are back today"), nullptr},
    {ID_BORROW_BOOK, QT_TRANSLATE_NOOP("CommandTable", "Borrowed &From..."),
     QT_TRANSLATE_NOOP("CommandTable", "Record that the selected books are borrowed from someone"),
     nullptr},
    {ID_BASIC_SEARCH, QT_TRANSLATE_NOOP("CommandTable", "Basic &Search\tCtrl+F"),
     QT_TRANSLATE_NOOP("CommandTable", "Search in the book collection"), "edit-find"},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"),
     QT_TRANSLATE_NOOP("CommandTable", "Show or hide the toolbar"), nullptr},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CommandTable", "&Status Bar"),
     QT_TRANSLATE_NOOP("CommandTable", "Show or hide the status bar"), nullptr},
    {ID_VIEW_THUMBNAILS, QT_TRANSLATE_NOOP("CommandTable", "&Thumbnails"),
     QT_TRANSLATE_NOOP("CommandTable", "Display thumbnails in book list window"), nullptr},
    {ID_VIEW_DETAILS, QT_TRANSLATE_NOOP("CommandTable", "&Details"),
     QT_TRANSLATE_NOOP("CommandTable", "Display details in book list window"), nullptr},
    {ID_VIEW_INCLUDE_SUBCATEGORIES, QT_TRANSLATE_NOOP("CommandTable", "&Include Subcategories"),
     QT_TRANSLATE_NOOP("CommandTable", "List the books of the sub categories in a category too"),
     nullptr},
    {ID_VIEW_AUTHORS_BY_LAST_NAME, QT_TRANSLATE_NOOP("CommandTable", "Sort Authors by &Last Name"),
     QT_TRANSLATE_NOOP("CommandTable", "Sort the Author column by the first author's last name"),
     nullptr},
    {ID_VIEW_REFRESH, QT_TRANSLATE_NOOP("CommandTable", "&Refresh"),
     QT_TRANSLATE_NOOP("CommandTable", "Refresh current display"), "view-refresh"},
    {ID_COMPACT_DATABASE, QT_TRANSLATE_NOOP("CommandTable", "&Compact Database"),
     QT_TRANSLATE_NOOP("CommandTable", "Compact the database to save space and improve efficiency"),
     nullptr},
    {ID_RUN_SQL, QT_TRANSLATE_NOOP("CommandTable", "&Run SQL..."),
     QT_TRANSLATE_NOOP("CommandTable", "Submit SQL statement to the database"),
     "utilities-terminal"},
    {ID_TIDY_NAMES, QT_TRANSLATE_NOOP("CommandTable", "&Tidy Names..."),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Merge, rename and delete the names of publishers, languages and the like"),
     nullptr},
    {ID_OPTIONS, QT_TRANSLATE_NOOP("CommandTable", "&Options..."),
     QT_TRANSLATE_NOOP("CommandTable", "Change Preferences"), "preferences-system"},
    {ID_HELP_FINDER, QT_TRANSLATE_NOOP("CommandTable", "&Help Topics"),
     QT_TRANSLATE_NOOP("CommandTable", "List Help topics"), "help-browser"},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandTable", "&About Tomelodex..."),
     QT_TRANSLATE_NOOP("CommandTable", "Display program information, version number and copyright"),
     "help-about"},
    {ID_WEBSITE, QT_TRANSLATE_NOOP("CommandTable", "Tomelodex &Website"),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Visit our website, where you can find updates and other free apps"),
     "go-home"},
    {ID_FORUM, QT_TRANSLATE_NOOP("CommandTable", "Support &Forum"),
     QT_TRANSLATE_NOOP("CommandTable", "Visit our forum and submit bug reports, suggestions etc."),
     nullptr},
    {ID_NEXT_PANE, QT_TRANSLATE_NOOP("CommandTable", "Next Pane\tF6"),
     QT_TRANSLATE_NOOP("CommandTable", "Switch to the next window pane"), nullptr},
    {ID_PREV_PANE, QT_TRANSLATE_NOOP("CommandTable", "Previous Pane\tShift+F6"),
     QT_TRANSLATE_NOOP("CommandTable", "Switch back to the previous window pane"), nullptr},
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
    {ID_EDIT_REDO, QKeySequence::UnknownKey, "Ctrl+Shift+Z, Ctrl+Y"},
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
