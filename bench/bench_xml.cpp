// Book XML: importing a 10,000-book file next to raw SQLite running the same
// insertions, and writing the document for 1,000 selected books.

#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlDocument.h"
#include "xml/XmlImport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kImportBooks = 10000;

class CQuietPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &, MsgIcon, MsgButtons) override { return MsgAnswer::Yes; }
};

struct BenchLibrary
{
    QTemporaryDir dir;
    QString path;
    QString images;
    CLibraryConnection db;

    BenchLibrary()
    {
        path = dir.filePath(QStringLiteral("bench.mdb"));
        images = dir.filePath(QStringLiteral("bench_images"));
        QDir().mkpath(images);
        QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Tomelodex.dbt"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        db.Open(path);
    }
};

// The 10,000-book file, made once per run by the generator script.
const QString &ImportFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("books.xml"));
        QProcess::execute(QStringLiteral("python3"),
                          {QStringLiteral(TOMELODEX_SOURCE_DIR "/bench/make_books_xml.py"),
                           QString::number(kImportBooks), file});
        return file;
    }();
    return path;
}

void BM_ImportXml10k(benchmark::State &state)
{
    CQuietPrompt prompt;
    SetUserPrompt(&prompt);
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        state.ResumeTiming();
        const CXmlImportResult result = ImportBooksXml(ImportFile(), 1, library.images, library.db);
        if (result.imported != kImportBooks)
            state.SkipWithError("not every book was imported");
    }
    SetUserPrompt(nullptr);
    state.SetItemsProcessed(state.iterations() * kImportBooks);
}
BENCHMARK(BM_ImportXml10k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The rows the import writes (lookup rows, books, links, memberships) as
// plain INSERT statements through SQLite's C interface in one transaction.
void BM_RawSqliteImport10k(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchLibrary library;
        CXmlDocument document;
        document.load(ImportFile());
        QStringList publishers;
        QByteArray sql;
        int id = 0;
        for (const CXmlNode &book : document.selectNodes(QStringLiteral("Tomelodex/Book"))) {
            ++id;
            auto lit = [&book](const char *name, int kind) {
                return FormatSqlLiteral(book.selectSingleNode(QLatin1String(name)).text(), kind);
            };
            const QString publisher = book.selectSingleNode(QStringLiteral("Publisher")).text();
            int publisherId = int(publishers.indexOf(publisher)) + 1;
            if (publisherId == 0) {
                publishers.append(publisher);
                publisherId = int(publishers.size());
                sql +=
                    QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (%1, %2);")
                        .arg(publisherId)
                        .arg(FormatSqlLiteral(publisher, kLiteralText))
                        .toUtf8();
            }
            sql +=
                (QStringLiteral(
                     "INSERT INTO Book (BookID,Title,Author,PublisherID,ISBN,PageCount,LanguageID,"
                     "BindingID,ReleaseDate,ListPrice,AmazonRating,MyRating,StatusID,EBookOnly,"
                     "Description) VALUES(%1,%2,%3,%4,%5,%6,1,1,%7,%8,%9,")
                     .arg(QString::number(id), lit("Title", kLiteralText),
                          lit("Author", kLiteralText), QString::number(publisherId),
                          lit("ISBN", kLiteralText), lit("PageCount", kLiteralInteger),
                          lit("ReleaseDate", kLiteralDate), lit("ListPrice", kLiteralNumber),
                          lit("AmazonRating", kLiteralNumber)) +
                 lit("MyRating", kLiteralInteger) + QStringLiteral(",1,0,") +
                 lit("Description", kLiteralText) + QStringLiteral(");"))
                    .toUtf8();
            int linkId = 0;
            for (const CXmlNode &link : book.selectNodes(QStringLiteral("Links/Link")))
                sql +=
                    QStringLiteral("INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES "
                                   "(%1,%2,%3,%4,NULL);")
                        .arg(id)
                        .arg(++linkId)
                        .arg(FormatSqlLiteral(link.selectSingleNode(QStringLiteral("Title")).text(),
                                              kLiteralText),
                             FormatSqlLiteral(link.selectSingleNode(QStringLiteral("Path")).text(),
                                              kLiteralText))
                        .toUtf8();
            sql += QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 1);")
                       .arg(id)
                       .toUtf8();
        }
        sqlite3 *db = library.db.Handle();
        state.ResumeTiming();
        char *error = nullptr;
        if (sqlite3_exec(db, ("BEGIN;" + sql + "COMMIT;").constData(), nullptr, nullptr, &error) !=
            SQLITE_OK) {
            state.SkipWithError(error);
            sqlite3_free(error);
        }
    }
    state.SetItemsProcessed(state.iterations() * kImportBooks);
}
BENCHMARK(BM_RawSqliteImport10k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BuildBooksXml1000(benchmark::State &state)
{
    CQuietPrompt prompt;
    SetUserPrompt(&prompt);
    BenchLibrary library;
    ImportBooksXml(ImportFile(), 1, library.images, library.db);
    QVector<quint32> ids;
    for (quint32 id = 1; id <= 1000; ++id)
        ids.append(id * 7 % kImportBooks + 1);
    for (auto _ : state) {
        const QString xml = BuildBooksXml(ids, library.db, library.images);
        benchmark::DoNotOptimize(xml);
    }
    SetUserPrompt(nullptr);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BuildBooksXml1000)->Unit(benchmark::kMillisecond);

} // namespace
