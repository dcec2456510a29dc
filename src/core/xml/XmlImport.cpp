#include "xml/XmlImport.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/LibraryConnection.h"
#include "xml/XmlDocument.h"

namespace {

// The leading optional sign and digits of `text` as an integer, 0 when there
// are none.
int LeadingInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed.at(end) == u'-' || trimmed.at(end) == u'+'))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

// The text fields of a Book element and where each goes in the record.
struct CTextField
{
    const char *element;
    QString CBookRecord::*member;
};

const CTextField kTextFields[] = {
    {"Title", &CBookRecord::Title},
    {"Subtitle", &CBookRecord::Subtitle},
    {"Author", &CBookRecord::Author},
    {"URL", &CBookRecord::URL},
    {"Edition", &CBookRecord::Edition},
    {"ReleaseDate", &CBookRecord::ReleaseDate},
    {"Publisher", &CBookRecord::Publisher},
    {"ISBN", &CBookRecord::ISBN},
    {"PageCount", &CBookRecord::PageCount},
    {"Language", &CBookRecord::Language},
    {"Binding", &CBookRecord::Binding},
    {"Dimension", &CBookRecord::Dimension},
    {"Extras", &CBookRecord::Extras},
    {"PurchaseDate", &CBookRecord::PurchaseDate},
    {"Store", &CBookRecord::Store},
    {"PurchasePrice", &CBookRecord::PurchasePrice},
    {"ListPrice", &CBookRecord::ListPrice},
    {"AmazonPrice", &CBookRecord::AmazonPrice},
    {"Location", &CBookRecord::Location},
    {"Status", &CBookRecord::Status},
    {"CurrentPage", &CBookRecord::CurrentPage},
    {"AmazonRating", &CBookRecord::AmazonRating},
    {"NumOfReviews", &CBookRecord::NumOfReviews},
    {"UserText1", &CBookRecord::UserText1},
    {"UserText2", &CBookRecord::UserText2},
    {"Format", &CBookRecord::Format},
    {"BookSize", &CBookRecord::BookSize},
    {"Description", &CBookRecord::Description},
    {"Notes", &CBookRecord::Notes},
    {"FrontCover", &CBookRecord::CoverTempPath},
    {"BackCover", &CBookRecord::BackCoverTempPath},
};
constexpr int kTextFieldCount = int(sizeof(kTextFields) / sizeof(kTextFields[0]));

// The text of the first child of each of `names` (compared exactly).
template <int N>
void FirstChildTexts(const CXmlNode &node, const char *const (&names)[N], QString (&texts)[N])
{
    bool seen[N] = {};
    for (const CXmlNode &child : node.childElements()) {
        for (int i = 0; i < N; ++i) {
            if (!seen[i] && child.hasName(names[i])) {
                seen[i] = true;
                texts[i] = child.text();
                break;
            }
        }
    }
}

CBookRecord ReadBook(const CXmlNode &book)
{
    CBookRecord record;
    bool seen[kTextFieldCount] = {};
    bool seenRating = false;
    bool seenEbook = false;
    for (const CXmlNode &child : book.childElements()) {
        if (!seenRating && child.hasName("MyRating")) {
            seenRating = true;
            record.MyRating = LeadingInteger(child.text());
            continue;
        }
        if (!seenEbook && child.hasName("EbookOnly")) {
            seenEbook = true;
            record.EBookOnly = child.text() == LoadString(199);
            continue;
        }
        if (child.hasName("Links")) {
            // Links/Link: the Link children of every Links child, in order.
            static const char *const kLinkParts[] = {"Title", "Path", "Notes"};
            for (const CXmlNode &link : child.childElements()) {
                if (!link.hasName("Link"))
                    continue;
                QString parts[3];
                FirstChildTexts(link, kLinkParts, parts);
                record.Links.append(
                    {QString::number(record.Links.size() + 1), parts[0], parts[1], parts[2]});
            }
            continue;
        }
        for (int i = 0; i < kTextFieldCount; ++i) {
            if (!seen[i] && child.hasName(kTextFields[i].element)) {
                seen[i] = true;
                record.*kTextFields[i].member = child.text();
                break;
            }
        }
    }
    return record;
}

} // namespace

CXmlImportResult ImportBooksXml(const QString &path, int categoryId, const QString &imagesDir,
                                CLibraryConnection &connection)
{
    CXmlImportResult result;
    CXmlDocument document;
    if (!document.load(path)) {
        ShowMessage(LoadString(143), MsgIcon::Warning);
        return result;
    }
    result.loaded = true;
    const CXmlNodeList books = document.selectNodes(QStringLiteral("Tomelodex/Book"));
    result.found = books.count();

    // One transaction for the whole file, in which each book is a group of
    // its own: a book that fails leaves nothing behind, the others stay, and
    // the disk is synced once.
    CTransaction transaction(connection);
    CBulkWriteScope bulk(connection);
    for (const CXmlNode &node : books) {
        CBookRecord record = ReadBook(node);
        if (record.Save(true, categoryId, imagesDir, connection))
            ++result.imported;
    }
    if (transaction.IsActive() && !transaction.Commit()) {
        ShowMessage(transaction.Error(), MsgIcon::Warning);
        result.imported = 0;
    }
    ShowMessage(
        FormatMessage(233, {QString::number(result.found), QString::number(result.imported)}),
        MsgIcon::Information);
    return result;
}
