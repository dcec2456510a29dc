// Database helpers on large libraries: name lookups against 10,000 names and
// identifier allocation among 100,000 books.

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A copy of the library template in a temporary folder, kept for the run.
class CBenchLibrary
{
public:
    explicit CBenchLibrary(const char *name)
    {
        m_path = m_dir.filePath(QString::fromLatin1(name));
        QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Tomelodex.dbt"), m_path);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        m_db.Open(m_path);
    }
    CLibraryConnection &db() { return m_db; }
    void Exec(const QString &sql) { m_db.Execute(sql); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    CLibraryConnection m_db;
};

QString PublisherName(int i)
{
    return QStringLiteral("Publisher %1 & Sons").arg(i);
}

CBenchLibrary &PublisherLibrary()
{
    static std::unique_ptr<CBenchLibrary> library;
    if (!library) {
        library = std::make_unique<CBenchLibrary>("publishers.mdb");
        library->Exec(QStringLiteral("BEGIN"));
        for (int i = 1; i <= 10000; ++i)
            library->Exec(
                QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (%1, %2)")
                    .arg(i)
                    .arg(FormatSqlLiteral(PublisherName(i), kLiteralText)));
        library->Exec(QStringLiteral("COMMIT"));
    }
    return *library;
}

CBenchLibrary &BookLibrary()
{
    static std::unique_ptr<CBenchLibrary> library;
    if (!library) {
        library = std::make_unique<CBenchLibrary>("books.mdb");
        library->Exec(QStringLiteral("BEGIN"));
        for (int i = 1; i <= 100000; ++i)
            library->Exec(
                QStringLiteral(
                    "INSERT INTO book (BookID, Title, ISBN) VALUES (%1, 'Title %1', '%2')")
                    .arg(i)
                    .arg(100000000 + i));
        library->Exec(QStringLiteral("COMMIT"));
    }
    return *library;
}

// Finding a name that is there, typed in another letter case.
void BM_LookupOrAddId_Existing(benchmark::State &state)
{
    CBenchLibrary &library = PublisherLibrary();
    int i = 0;
    QString id;
    for (auto _ : state) {
        const QString name = PublisherName(1 + (i++ * 7919) % 10000).toUpper();
        LookupOrAddId(QStringLiteral("bookpublisher"), name, id, library.db());
        benchmark::DoNotOptimize(id);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupOrAddId_Existing);

// A new name: the lookup misses, an identifier is allocated, a row is added.
void BM_LookupOrAddId_New(benchmark::State &state)
{
    CBenchLibrary &library = PublisherLibrary();
    static int next = 0;
    QString id;
    for (auto _ : state) {
        LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("New imprint %1").arg(next++),
                      id, library.db());
        benchmark::DoNotOptimize(id);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupOrAddId_New);

void BM_AllocateBookId_100k(benchmark::State &state)
{
    CBenchLibrary &library = BookLibrary();
    int id = 0;
    for (auto _ : state) {
        id = AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), library.db());
        benchmark::DoNotOptimize(id);
    }
    if (id != 100001)
        state.SkipWithError("wrong identifier");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AllocateBookId_100k);

} // namespace
