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

CBookRecord ReadBook(const CXmlNode &book)
{
    CBookRecord record;
    auto text = [&book](const char *name) {
        return book.selectSingleNode(QLatin1String(name)).text();
    };
    record.Title = text("Title");
    record.Subtitle = text("Subtitle");
    record.Author = text("Author");
    record.URL = text("URL");
    record.Edition = text("Edition");
    record.ReleaseDate = text("ReleaseDate");
    record.Publisher = text("Publisher");
    record.ISBN = text("ISBN");
    record.PageCount = text("PageCount");
    record.Language = text("Language");
    record.Binding = text("Binding");
    record.Dimension = text("Dimension");
    record.Extras = text("Extras");
    record.PurchaseDate = text("PurchaseDate");
    record.Store = text("Store");
    record.PurchasePrice = text("PurchasePrice");
    record.ListPrice = text("ListPrice");
    record.AmazonPrice = text("AmazonPrice");
    record.Location = text("Location");
    record.Status = text("Status");
    record.CurrentPage = text("CurrentPage");
    record.AmazonRating = text("AmazonRating");
    record.NumOfReviews = text("NumOfReviews");
    record.MyRating = LeadingInteger(text("MyRating"));
    record.UserText1 = text("UserText1");
    record.UserText2 = text("UserText2");
    record.EBookOnly = text("EbookOnly") == LoadString(199);
    record.Format = text("Format");
    record.BookSize = text("BookSize");
    record.Description = text("Description");
    record.Notes = text("Notes");
    record.CoverTempPath = text("FrontCover");
    record.BackCoverTempPath = text("BackCover");
    const CXmlNodeList links = book.selectNodes(QStringLiteral("Links/Link"));
    for (int j = 0; j < links.count(); ++j) {
        const CXmlNode link = links.item(j);
        record.Links.append({QString::number(j + 1),
                             link.selectSingleNode(QStringLiteral("Title")).text(),
                             link.selectSingleNode(QStringLiteral("Path")).text(),
                             link.selectSingleNode(QStringLiteral("Notes")).text()});
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
