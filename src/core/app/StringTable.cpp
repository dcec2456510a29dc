#include "app/StringTable.h"

#include "app/EnglishPlurals.h"

#include <QAtomicPointer>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace {

// A text as the translation tools extract it: the English text and its
// number, which tells equal texts apart in a language file.
struct SourceText
{
    const char *text;
    const char *number;
};

struct StringEntry
{
    int id;
    SourceText source;
};

// Sorted by number; each entry repeats its number as text for the
// translation tools.
constexpr StringEntry kStrings[] = {
    {100, QT_TRANSLATE_NOOP3("StringTable", "The program could not be initialised.", "100")},
    {129, QT_TRANSLATE_NOOP3("StringTable", "Simplified Chinese", "129")},
    {130, QT_TRANSLATE_NOOP3("StringTable", "Traditional Chinese", "130")},
    {131, QT_TRANSLATE_NOOP3("StringTable", "English", "131")},
    {132,
     QT_TRANSLATE_NOOP3("StringTable", "Cannot paste: source category does not exist.", "132")},
    {133,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "Cannot paste: destination cannot be the source category itself, its parent category, or "
         "its sub categories.",
         "133")},
    {135, QT_TRANSLATE_NOOP3("StringTable", "Cannot open file for writing.", "135")},
    {136, QT_TRANSLATE_NOOP3("StringTable", "Failed to instantiate an XML/XSL DOM.", "136")},
    {137, QT_TRANSLATE_NOOP3("StringTable", "Failed to load XML.", "137")},
    {138, QT_TRANSLATE_NOOP3("StringTable", "Failed to load XSL.", "138")},
    {139, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Operation failed. Please make sure the following is a valid path:\n%s", "139")},
    {140, QT_TRANSLATE_NOOP3("StringTable", "Unable to create directory:\n%s", "140")},
    {143, QT_TRANSLATE_NOOP3("StringTable", "Failed to load book info from XML source.", "143")},
    {147, QT_TRANSLATE_NOOP3("StringTable", "No valid ISBN was found.", "147")},
    {155, QT_TRANSLATE_NOOP3("StringTable", "Book title cannot be empty.", "155")},
    {156, QT_TRANSLATE_NOOP3("StringTable", "Please select one item from the list.", "156")},
    {157, QT_TRANSLATE_NOOP3("StringTable", "SQL statement cannot be empty.", "157")},
    {158, QT_TRANSLATE_NOOP3("StringTable", "URL is not valid.", "158")},
    {159, QT_TRANSLATE_NOOP3("StringTable", "File does not exist.", "159")},
    {160, QT_TRANSLATE_NOOP3("StringTable", "Folder does not exist.", "160")},
    {162,
     QT_TRANSLATE_N_NOOP3("StringTable", "%n [duplicate was|duplicates were] not saved.", "162")},
    {163, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Records affected: %1\nNumber of records in the returned recordset: %2", "163")},
    {164, QT_TRANSLATE_NOOP3("StringTable", "No CSS files found.", "164")},
    {165, QT_TRANSLATE_NOOP3("StringTable", "Category name cannot be empty.", "165")},
    {166, QT_TRANSLATE_NOOP3("StringTable", "Cannot create file:\n%s", "166")},
    {167, QT_TRANSLATE_NOOP3("StringTable", "Link title and path cannot be empty.", "167")},
    {168, QT_TRANSLATE_N_NOOP3("StringTable", "%n book(s); %1 selected", "168")},
    {174, QT_TRANSLATE_NOOP3("StringTable", "Add New Category", "174")},
    {175, QT_TRANSLATE_NOOP3("StringTable", "Edit Category", "175")},
    {176, QT_TRANSLATE_NOOP3("StringTable", "Add Book", "176")},
    {177, QT_TRANSLATE_NOOP3("StringTable", "Edit Book", "177")},
    {178, QT_TRANSLATE_NOOP3("StringTable", "Add Link", "178")},
    {179, QT_TRANSLATE_NOOP3("StringTable", "Edit Link", "179")},
    {180, QT_TRANSLATE_NOOP3("StringTable", "Options", "180")},
    {181, QT_TRANSLATE_NOOP3("StringTable", "Display &Style", "181")},
    {182, QT_TRANSLATE_N_NOOP3("StringTable", "%n book(s), %1", "182")},
    {186, QT_TRANSLATE_NOOP3("StringTable", "Title", "186")},
    {187, QT_TRANSLATE_NOOP3("StringTable", "Author", "187")},
    {188, QT_TRANSLATE_NOOP3("StringTable", "Publisher", "188")},
    {189, QT_TRANSLATE_NOOP3("StringTable", "ISBN", "189")},
    {190, QT_TRANSLATE_NOOP3("StringTable", "Edition", "190")},
    {191, QT_TRANSLATE_NOOP3("StringTable", "Please select a folder from the list:", "191")},
    {192, QT_TRANSLATE_NOOP3("StringTable", "eBook folder", "192")},
    {193, QT_TRANSLATE_NOOP3("StringTable", "Source code folder", "193")},
    {194, QT_TRANSLATE_NOOP3("StringTable", "eBook file", "194")},
    {195, QT_TRANSLATE_NOOP3("StringTable", "Other info", "195")},
    {196, QT_TRANSLATE_NOOP3("StringTable", "Author's website", "196")},
    {197, QT_TRANSLATE_NOOP3("StringTable", "This book on publisher's website", "197")},
    {198,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "<body style=\"font-family: Georgia, 'Times New Roman', Times, serif\"><p>&nbsp;</p>"
         "<p>&nbsp;</p><p>&nbsp;</p><p align=\"center\"><font color=\"#cc6633\" size=\"7\">Welcome "
         "to Tomelodex</font></p><p align=\"center\">Brindlewood Software</p><p "
         "align=\"center\"><a href=\"https://www.brindlewood.example/\">"
         "www.brindlewood.example</a></p></body>",
         "198")},
    {199, QT_TRANSLATE_NOOP3("StringTable", "Yes", "199")},
    {200, QT_TRANSLATE_NOOP3("StringTable", "No", "200")},
    {201, QT_TRANSLATE_NOOP3("StringTable", "Tomelodex Book Information", "201")},
    {202, QT_TRANSLATE_NOOP3("StringTable", "No XSL files found.", "202")},
    {203, QT_TRANSLATE_NOOP3("StringTable", "Content &Template", "203")},
    {204,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Unable to copy the cover picture to the following location:\n%s", "204")},
    {206,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "All Pictures (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG Files (*.jpg; "
         "*.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp||",
         "206")},
    {207, QT_TRANSLATE_NOOP3("StringTable", "Tomelodex Databases (*.mdb)|*.mdb||", "207")},
    {208, QT_TRANSLATE_NOOP3("StringTable", "HTML Files (*.htm, *.html)|*.htm;*.html||", "208")},
    {209, QT_TRANSLATE_NOOP3("StringTable", "XML Files (*.xml)|*.xml||", "209")},
    {210, QT_TRANSLATE_NOOP3(
              "StringTable",
              "All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files "
              "(*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||",
              "210")},
    {211, QT_TRANSLATE_NOOP3("StringTable", "Hardcover", "211")},
    {212, QT_TRANSLATE_NOOP3("StringTable", "Paperback", "212")},
    {213, QT_TRANSLATE_NOOP3("StringTable", "Unknown Binding", "213")},
    {214, QT_TRANSLATE_NOOP3("StringTable", "Floppy Disk", "214")},
    {215, QT_TRANSLATE_NOOP3("StringTable", "English", "215")},
    {218, QT_TRANSLATE_NOOP3("StringTable", "Book Collection", "218")},
    {219, QT_TRANSLATE_NOOP3("StringTable", "In Collection", "219")},
    {220, QT_TRANSLATE_NOOP3("StringTable", "Wish List", "220")},
    {221, QT_TRANSLATE_NOOP3("StringTable", "Reference Only", "221")},
    {222, QT_TRANSLATE_NOOP3("StringTable", "For Sale", "222")},
    {223, QT_TRANSLATE_NOOP3("StringTable", "Chinese", "223")},
    {224, QT_TRANSLATE_NOOP3("StringTable", "Favorites", "224")},
    {225, QT_TRANSLATE_NOOP3("StringTable", "Search Results", "225")},
    {226, QT_TRANSLATE_NOOP3("StringTable", "Reading List", "226")},
    {227, QT_TRANSLATE_NOOP3("StringTable", "All Books", "227")},
    {228, QT_TRANSLATE_NOOP3("StringTable", "Recycle Bin", "228")},
    {229, QT_TRANSLATE_NOOP3("StringTable", "Please enter a search keyword.", "229")},
    {230, QT_TRANSLATE_NOOP3("StringTable", "No search results found.", "230")},
    {233, QT_TRANSLATE_N_NOOP3("StringTable",
                               "%n book(s) found; %1 imported to the current category.", "233")},
    {234, QT_TRANSLATE_NOOP3("StringTable", "Operation failed.", "234")},
    {235, QT_TRANSLATE_NOOP3("StringTable",
                             "Database has been compacted successfully (from %1 to %2).", "235")},
    {238,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "This book already exists in the database:\n%s\nWould you like to skip this one?\nClick "
         "\"No\" to add this book anyway.",
         "238")},
    {240, QT_TRANSLATE_NOOP3("StringTable", "Progress", "240")},
    {241, QT_TRANSLATE_NOOP3("StringTable", "Searching ISBN...", "241")},
    {242,
     QT_TRANSLATE_NOOP3("StringTable", "Data validation failed. Is any field too long?", "242")},
    {243, QT_TRANSLATE_NOOP3("StringTable", "%1 imported, %2 skipped, %3 failed.", "243")},
    {244, QT_TRANSLATE_NOOP3(
              "StringTable",
              "The library is in use by another program; waiting until it is free...", "244")},
    {245,
     QT_TRANSLATE_NOOP3("StringTable",
                        "The library is in use by another program. Nothing was imported.", "245")},
    {246, QT_TRANSLATE_NOOP3("StringTable",
                             "The import was stopped and nothing of it was kept:\n%1", "246")},
    {247, QT_TRANSLATE_NOOP3("StringTable", "Book %1: the cover %2 was not copied: %3.", "247")},
    {248, QT_TRANSLATE_NOOP3("StringTable", "it does not exist or cannot be read", "248")},
    {249, QT_TRANSLATE_NOOP3("StringTable", "it is not a regular file", "249")},
    {250, QT_TRANSLATE_NOOP3("StringTable", "it is larger than %1 MB", "250")},
    {251, QT_TRANSLATE_NOOP3("StringTable", "it is not a JPEG, GIF, PNG or BMP picture", "251")},
    {252,
     QT_TRANSLATE_N_NOOP3("StringTable", "(%n more [cover was|covers were] not copied.)", "252")},
    {57344, QT_TRANSLATE_NOOP3("StringTable", "Tomelodex", "57344")},
    {57345, QT_TRANSLATE_NOOP3("StringTable", "For Help, press F1", "57345")},
};

constexpr int ParseNumber(const char *text)
{
    int value = 0;
    for (; *text; ++text) {
        if (*text < '0' || *text > '9')
            return -1;
        value = value * 10 + (*text - '0');
    }
    return value;
}

constexpr bool TableIsConsistent()
{
    int previous = 0;
    for (const StringEntry &entry : kStrings) {
        if (entry.id <= previous || ParseNumber(entry.source.number) != entry.id)
            return false;
        previous = entry.id;
    }
    return true;
}

static_assert(TableIsConsistent(), "string numbers must ascend and match their texts' numbers");

QAtomicPointer<const QTranslator> g_translator;

const StringEntry *Find(int id)
{
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry &e, int key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

// A counted text in the form for `count`, "%n" filled in. Forms are chosen
// by an int; long before its end every language has reached its form for
// "many".
QString CountedText(const char *context, const char *text, const char *disambiguation, qint64 count)
{
    const int form = int(std::min<qint64>(count, 1000000000));
    QString counted;
    if (const QTranslator *translator = g_translator.loadAcquire())
        counted = translator->translate(context, text, disambiguation, form);
    if (counted.isEmpty())
        counted = CEnglishPlurals::Resolve(QString::fromUtf8(text), form);
    return counted.replace(QLatin1String("%n"), QString::number(count));
}

} // namespace

void CStringTable::SetTranslator(const QTranslator *translator)
{
    g_translator.storeRelease(translator);
}

QString CStringTable::English(int id)
{
    const StringEntry *entry = Find(id);
    return entry ? QString::fromUtf8(entry->source.text) : QString();
}

QString CStringTable::Load(int id)
{
    const StringEntry *entry = Find(id);
    if (!entry)
        return QString();
    if (const QTranslator *translator = g_translator.loadAcquire()) {
        const QString translated =
            translator->translate(kContext, entry->source.text, entry->source.number);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(entry->source.text);
}

QString CStringTable::LoadCounted(int id, int count)
{
    const StringEntry *entry = Find(id);
    return entry ? CountedText(kContext, entry->source.text, entry->source.number, count)
                 : QString();
}

QString TranslatedMessage(const char *text)
{
    if (const QTranslator *translator = g_translator.loadAcquire()) {
        const QString translated = translator->translate("Messages", text);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(text);
}

QString TranslatedCountedMessage(const char *text, qint64 count)
{
    return CountedText("Messages", text, nullptr, count);
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

QString FormatCountedMessage(int id, int count, const QStringList &args)
{
    return FormatString(CStringTable::LoadCounted(id, count), args);
}
