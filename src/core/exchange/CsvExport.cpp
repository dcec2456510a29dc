#include "exchange/CsvExport.h"

#include "db/BookRecord.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "exchange/GoodreadsExportRow.h"
#include "loans/ShelfQueries.h"
#include "xml/BookXmlWriter.h"
#include "xml/CategoryPaths.h"

#include <QIODevice>

namespace {

// The series columns come after Categories, as the XML writes them last.
bool IsSeriesField(const CBookXmlField &field)
{
    return qstrcmp(field.name, "Series") == 0 || qstrcmp(field.name, "SeriesNumber") == 0;
}

QStringList TomelodexHeader()
{
    QStringList header;
    for (const CBookXmlField &field : BookXmlFields(CBookRecord()))
        if (!IsSeriesField(field))
            header.append(QLatin1String(field.name));
    header << QStringLiteral("Categories") << QStringLiteral("Series")
           << QStringLiteral("SeriesNumber");
    return header;
}

QStringList TomelodexRow(const CBookRecord &book, const QStringList &categoryIds,
                         CCategoryPaths &paths)
{
    QStringList row;
    for (const CBookXmlField &field : BookXmlFields(book))
        if (!IsSeriesField(field))
            row.append(field.value);
    QStringList categoryPaths;
    // The root holds every book; read back as a path it would become a
    // category of its own name.
    for (const QString &id : categoryIds)
        if (id.toInt() != kBookCollection)
            categoryPaths.append(paths.PathOf(id));
    row << categoryPaths.join(QStringLiteral("; ")) << book.Series << book.SeriesNumber;
    return row;
}

// The book's categories as Goodreads shelves (the names of the user's own
// and Favorites) and where it stands in the Reading List and wish list.
CGoodreadsShelfFacts ShelfFacts(const CBookRecord &book, const QStringList &categoryIds,
                                CLibraryConnection &connection)
{
    CGoodreadsShelfFacts facts;
    for (const QString &text : categoryIds) {
        const int id = text.toInt();
        if (id == kReadingList) {
            facts.onReadingList = true;
        } else if (id == kFavorites) {
            facts.shelves.append(QStringLiteral("favorites"));
        } else if (IsUserCategory(id)) {
            QString name;
            QueryValue(QStringLiteral("SELECT Name FROM category WHERE CatID=%1").arg(id),
                       QStringLiteral("Name"), connection, name);
            facts.shelves.append(name);
        }
    }
    QString status;
    QuerySingleValue(QStringLiteral("SELECT StatusID FROM book WHERE BookID=%1").arg(book.BookID),
                     connection, status, nullptr, false);
    facts.wishList = status == QString::number(kWishListStatusId);
    // Older libraries have no table of when books were added: no date then.
    QuerySingleValue(
        QStringLiteral("SELECT Added FROM book_added WHERE BookID=%1").arg(book.BookID), connection,
        facts.added, nullptr, false);
    return facts;
}

bool WriteRecord(QIODevice &out, const QStringList &fields)
{
    const QByteArray bytes = CsvRecord(fields).toUtf8();
    return out.write(bytes) == bytes.size();
}

} // namespace

bool CsvExportLayoutFromName(const QString &name, CsvExportLayout *layout)
{
    if (name.compare(QLatin1String("tomelodex"), Qt::CaseInsensitive) == 0)
        *layout = CsvExportLayout::Tomelodex;
    else if (name.compare(QLatin1String("goodreads"), Qt::CaseInsensitive) == 0)
        *layout = CsvExportLayout::Goodreads;
    else
        return false;
    return true;
}

QString CsvField(const QString &text)
{
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                        text.contains(u'\r') ||
                        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString CsvRecord(const QStringList &fields)
{
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += u',';
        record += CsvField(fields.at(i));
    }
    return record + QStringLiteral("\r\n");
}

bool WriteBooksCsv(QIODevice &out, const QVector<quint32> &bookIds, CLibraryConnection &connection,
                   CsvExportLayout layout)
{
    const bool goodreads = layout == CsvExportLayout::Goodreads;
    if (!WriteRecord(out, goodreads ? GoodreadsExportHeader() : TomelodexHeader()))
        return false;
    CCategoryPaths paths(connection);
    for (quint32 id : bookIds) {
        CBookRecord book;
        book.Load(int(id), connection, CBookRecord::LoadFor::ReadingOnly);
        UseFilePrices(book, connection);
        QStringList categoryIds;
        GetBookCategories(int(id), connection, categoryIds);
        const QStringList row =
            goodreads ? GoodreadsExportRow(book, ShelfFacts(book, categoryIds, connection))
                      : TomelodexRow(book, categoryIds, paths);
        if (!WriteRecord(out, row))
            return false;
    }
    return true;
}
