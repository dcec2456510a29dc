#include "exchange/GenericCsvReader.h"

#include "exchange/ExportText.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// Header names as ColumnKey reduces them, and their fields. Every book XML
// element's name stands for itself, so this program's own CSV export reads
// back column by column.
const QHash<QString, QString> &GuessedFields()
{
    static const QHash<QString, QString> fields = [] {
        const char *const elements[] = {
            "Title",         "Subtitle",     "Author",       "URL",          "Edition",
            "ReleaseDate",   "Publisher",    "ISBN",         "PageCount",    "Language",
            "Binding",       "Dimension",    "Extras",       "PurchaseDate", "Store",
            "PurchasePrice", "ListPrice",    "AmazonPrice",  "Location",     "Status",
            "CurrentPage",   "AmazonRating", "NumOfReviews", "MyRating",     "UserText1",
            "UserText2",     "EbookOnly",    "Format",       "BookSize",     "Description",
            "Notes",         "Series",       "SeriesNumber", "Categories"};
        const std::pair<const char *, const char *> common[] = {{"booktitle", "Title"},
                                                                {"authors", "Author"},
                                                                {"creator", "Author"},
                                                                {"creators", "Author"},
                                                                {"writer", "Author"},
                                                                {"writers", "Author"},
                                                                {"isbn10", "ISBN"},
                                                                {"isbn13", "ISBN"},
                                                                {"ean", "ISBN"},
                                                                {"isbnuid", "ISBN"},
                                                                {"pages", "PageCount"},
                                                                {"numberofpages", "PageCount"},
                                                                {"numpages", "PageCount"},
                                                                {"year", "ReleaseDate"},
                                                                {"date", "ReleaseDate"},
                                                                {"published", "ReleaseDate"},
                                                                {"publicationdate", "ReleaseDate"},
                                                                {"publishdate", "ReleaseDate"},
                                                                {"publisheddate", "ReleaseDate"},
                                                                {"pubdate", "ReleaseDate"},
                                                                {"yearpublished", "ReleaseDate"},
                                                                {"publicationyear", "ReleaseDate"},
                                                                {"seriesindex", "SeriesNumber"},
                                                                {"seriesno", "SeriesNumber"},
                                                                {"volume", "SeriesNumber"},
                                                                {"tags", "Categories"},
                                                                {"tag", "Categories"},
                                                                {"category", "Categories"},
                                                                {"shelves", "Categories"},
                                                                {"bookshelves", "Categories"},
                                                                {"genre", "Categories"},
                                                                {"genres", "Categories"},
                                                                {"collections", "Categories"},
                                                                {"collection", "Categories"},
                                                                {"rating", "MyRating"},
                                                                {"stars", "MyRating"},
                                                                {"starrating", "MyRating"},
                                                                {"note", "Notes"},
                                                                {"comments", "Notes"},
                                                                {"comment", "Notes"},
                                                                {"review", "Notes"},
                                                                {"privatenotes", "Notes"},
                                                                {"summary", "Description"},
                                                                {"synopsis", "Description"},
                                                                {"languages", "Language"},
                                                                {"price", "PurchasePrice"},
                                                                {"pricepaid", "PurchasePrice"},
                                                                {"purchasedon", "PurchaseDate"},
                                                                {"dateacquired", "PurchaseDate"},
                                                                {"acquired", "PurchaseDate"},
                                                                {"purchasedfrom", "Store"},
                                                                {"vendor", "Store"},
                                                                {"link", "URL"},
                                                                {"website", "URL"},
                                                                {"dimensions", "Dimension"},
                                                                {"shelf", "Location"},
                                                                {"cover", "FrontCover"}};
        QHash<QString, QString> map;
        for (const char *element : elements)
            map.insert(CTableCatalogueReader::ColumnKey(QLatin1String(element)),
                       QLatin1String(element));
        for (const auto &[key, field] : common)
            map.insert(QLatin1String(key), QLatin1String(field));
        return map;
    }();
    return fields;
}

} // namespace

QString CGenericCsvReader::SourceName() const
{
    return QStringLiteral("CSV");
}

QString CGenericCsvReader::GuessField(const QString &headerName)
{
    return GuessedFields().value(ColumnKey(headerName));
}

bool CGenericCsvReader::TakeHeader(const QStringList &header)
{
    QStringList fields;
    for (const QString &name : header)
        fields.append(GuessField(name));
    for (const auto &[column, field] : ColumnMap()) {
        const int index = ColumnNamed(header, column);
        if (index >= 0)
            fields[index] = field;
    }
    for (int i = 0; i < header.size(); ++i) {
        if (fields.at(i) == u"Author") {
            // Several names in one cell are separated by semicolons or bars
            // (a comma may stand between surname and first name).
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                for (const QString &name : SplitExportList(value, QStringLiteral(";|")))
                    book.values.append({column, QStringLiteral("Author"), name});
            });
        } else if (!fields.at(i).isEmpty()) {
            SetAction(i, ToField(fields.at(i)));
        }
    }
    if (!fields.contains(QStringLiteral("Title")) && !fields.contains(QStringLiteral("ISBN"))) {
        SetError(QCoreApplication::translate(
                     "Import", "%1 has no column for the title or the ISBN; its columns are: %2.")
                     .arg(FileName(), header.join(QStringLiteral(", "))));
        return false;
    }
    return true;
}
