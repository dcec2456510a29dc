#include "app/StringTable.h"

#include <QAtomicPointer>
#include <QByteArray>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace {

struct StringEntry
{
    int id;
    const char *text;
};

// Sorted by number.
const StringEntry kStrings[] = {
    {100, "The program could not be initialised."},
    {129, "Simplified Chinese"},
    {130, "Traditional Chinese"},
    {131, "English"},
    {132, "Cannot paste: source category does not exist."},
    {133, "Cannot paste: destination cannot be the source category itself, its parent category, or "
          "its sub categories."},
    {134, "Are you sure you want to delete this category?\nNote: this will delete all books and "
          "subcategories in this category."},
    {135, "Cannot open file for writing."},
    {136, "Failed to instantiate an XML/XSL DOM."},
    {137, "Failed to load XML."},
    {138, "Failed to load XSL."},
    {139, "Operation failed. Please make sure the following is a valid path:\n%s"},
    {140, "Unable to create directory:\n%s"},
    {143, "Failed to load book info from XML source."},
    {146, "Are you sure you want to remove the selected book(s) from this category?"},
    {147, "No valid ISBN was found."},
    {155, "Book title cannot be empty."},
    {156, "Please select one item from the list."},
    {157, "SQL statement cannot be empty."},
    {158, "URL is not valid."},
    {159, "File does not exist."},
    {160, "Folder does not exist."},
    {162, "%d duplicate(s) are not saved."},
    {163, "Records affected: %1\nNumber of records in the returned recordset: %2"},
    {164, "No CSS files found."},
    {165, "Category name cannot be empty."},
    {166, "Cannot create file:\n%s"},
    {167, "Link title and path cannot be empty."},
    {168, "%1 books; %2 selected"},
    {174, "Add New Category"},
    {175, "Edit Category"},
    {176, "Add Book"},
    {177, "Edit Book"},
    {178, "Add Link"},
    {179, "Edit Link"},
    {180, "Options"},
    {181, "Display &Style"},
    {182, "%1 Books, %2 Sub Categories"},
    {186, "Title"},
    {187, "Author"},
    {188, "Publisher"},
    {189, "ISBN"},
    {190, "Edition"},
    {191, "Please select a folder from the list:"},
    {192, "eBook folder"},
    {193, "Source code folder"},
    {194, "eBook file"},
    {195, "Other info"},
    {196, "Author's website"},
    {197, "This book on publisher's website"},
    {198,
     "<body style=\"font-family: Georgia, 'Times New Roman', Times, serif\"><p>&nbsp;</p>"
     "<p>&nbsp;</p><p>&nbsp;</p><p align=\"center\"><font color=\"#cc6633\" size=\"7\">Welcome "
     "to Tomelodex</font></p><p align=\"center\">Brindlewood Software</p><p "
     "align=\"center\"><a href=\"https://www.brindlewood.example/\">"
     "www.brindlewood.example</a></p></body>"},
    {199, "Yes"},
    {200, "No"},
    {201, "Tomelodex Book Information"},
    {202, "No XSL files found."},
    {203, "Content &Template"},
    {204, "Unable to copy the cover picture to the following location:\n%s"},
    {206, "All Pictures (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG Files (*.jpg; "
          "*.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp||"},
    {207, "Tomelodex Databases (*.mdb)|*.mdb||"},
    {208, "HTML Files (*.htm, *.html)|*.htm;*.html||"},
    {209, "XML Files (*.xml)|*.xml||"},
    {210, "All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files "
          "(*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||"},
    {211, "Hardcover"},
    {212, "Paperback"},
    {213, "Unknown Binding"},
    {214, "Floppy Disk"},
    {215, "English"},
    {218, "Book Collection"},
    {219, "In Collection"},
    {220, "Wish List"},
    {221, "Reference Only"},
    {222, "For Sale"},
    {223, "Chinese"},
    {224, "Favorites"},
    {225, "Search Results"},
    {226, "Reading List"},
    {227, "All Books"},
    {228, "Recycle Bin"},
    {229, "Please enter a search keyword."},
    {230, "No search results found."},
    {231, "Are you sure you want to permanently delete the selected book(s)?"},
    {233, "%1 books were found; %2 books were imported to the current category."},
    {234, "Operation failed."},
    {235, "Database has been compacted successfully (from %1 to %2)."},
    {238, "This book already exists in the database:\n%s\nWould you like to skip this one?\nClick "
          "\"No\" to add this book anyway."},
    {240, "Progress"},
    {241, "Searching ISBN..."},
    {242, "Data validation failed. Is any field too long?"},
    {243, "%1 imported, %2 skipped, %3 failed."},
    {244, "The library is in use by another program; waiting until it is free..."},
    {245, "The library is in use by another program. Nothing was imported."},
    {246, "The import was stopped and nothing of it was kept:\n%1"},
    {247, "Book %1: the cover %2 was not copied: %3."},
    {248, "it does not exist or cannot be read"},
    {249, "it is not a regular file"},
    {250, "it is larger than %1 MB"},
    {251, "it is not a JPEG, GIF, PNG or BMP picture"},
    {252, "(%1 more covers were not copied.)"},
    {57344, "Tomelodex"},
    {57345, "For Help, press F1"},
};

QAtomicPointer<const QTranslator> g_translator;

const StringEntry *Find(int id)
{
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry &e, int key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

} // namespace

void CStringTable::SetTranslator(const QTranslator *translator)
{
    g_translator.storeRelease(translator);
}

QString CStringTable::English(int id)
{
    const StringEntry *entry = Find(id);
    return entry ? QString::fromUtf8(entry->text) : QString();
}

QString CStringTable::Load(int id)
{
    const StringEntry *entry = Find(id);
    if (!entry)
        return QString();
    if (const QTranslator *translator = g_translator.loadAcquire()) {
        const QString translated =
            translator->translate(kContext, entry->text, QByteArray::number(id).constData());
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(entry->text);
}

QString LoadString(int id)
{
    return CStringTable::Load(id);
}

QString FormatString(const QString &pattern, const QStringList &args)
{
    QString result;
    result.reserve(pattern.size() + 32);
    int next = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 >= pattern.size()) {
            result += c;
            continue;
        }
        const QChar marker = pattern.at(i + 1);
        if (marker == u'%') {
            result += u'%';
            ++i;
        } else if (marker == u's' || marker == u'd') {
            result += next < args.size() ? args.at(next) : QString();
            ++next;
            ++i;
        } else if (marker >= u'1' && marker <= u'9') {
            const int index = marker.unicode() - u'1';
            result += index < args.size() ? args.at(index) : QString();
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString FormatMessage(int id, const QStringList &args)
{
    return FormatString(LoadString(id), args);
}
