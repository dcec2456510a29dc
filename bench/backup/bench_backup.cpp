// Back Up Library on a library of 100,000 books with 10,000 covers of
// 100 KB each (1 GB in all), and the restore of that backup: the time of
// each and the process's peak memory, which must stay flat (far below the
// size of what is copied).

#include "backup/BackupRestorer.h"
#include "backup/BackupWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <sys/resource.h>

namespace {

constexpr int kBooks = 100000;
constexpr int kCovers = 10000;
constexpr int kCoverBytes = 100 * 1024;

double PeakRssMb()
{
    struct rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The library and its covers, made once for every run.
struct BigLibrary
{
    QTemporaryDir dir;
    QString path;
    bool ok = false;

    BigLibrary()
    {
        path = dir.filePath(QStringLiteral("big.mdb"));
        const QString images = dir.filePath(QStringLiteral("big_images"));
        ok = QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Tomelodex.dbt"), path) &&
             QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner) &&
             QDir().mkpath(images) && FillBooks() && WriteCovers(images);
    }

    bool FillBooks()
    {
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        const QByteArray sql =
            "BEGIN;"
            "INSERT INTO book (BookID, Title, Author, ISBN, Description, FrontCover) "
            "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < " +
            QByteArray::number(kBooks) +
            ") SELECT k, 'Book ' || k, 'Author ' || (k % 997), printf('%09d', k) || 'X', "
            "'A description of book ' || k || ' that runs for a line or two, as they do.', "
            "CASE WHEN k <= " +
            QByteArray::number(kCovers) +
            " THEN k || '.jpg' END FROM n;"
            "INSERT INTO book_category (BookID, CatID) SELECT BookID, 1 FROM book;"
            "COMMIT;";
        const bool filled =
            sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return filled;
    }

    static bool WriteCovers(const QString &images)
    {
        // Random bytes, as compressed pictures are: nothing to gain by deflating.
        QByteArray picture(kCoverBytes, Qt::Uninitialized);
        for (int i = 1; i <= kCovers; ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(picture.data()),
                                                  kCoverBytes / 4);
            picture[0] = char(0xff);
            picture[1] = char(0xd8);
            QFile file(images + QStringLiteral("/%1.jpg").arg(i));
            if (!file.open(QIODevice::WriteOnly) || file.write(picture) != picture.size())
                return false;
        }
        return true;
    }
};

BigLibrary &Library()
{
    static BigLibrary library;
    return library;
}

void BM_BackUp100kBooks1GbCovers(benchmark::State &state)
{
    BigLibrary &library = Library();
    if (!library.ok) {
        state.SkipWithError("the library could not be made");
        return;
    }
    const double rssBefore = PeakRssMb();
    const QString archive = library.dir.filePath(QStringLiteral("big.zip"));
    for (auto _ : state) {
        QString error;
        if (!CBackupWriter::Write(library.path, archive, BackupProgress(), &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["archive_mb"] = double(QFile(archive).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_mb"] = PeakRssMb();
    state.counters["rss_growth_mb"] = PeakRssMb() - rssBefore;
}
BENCHMARK(BM_BackUp100kBooks1GbCovers)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_Restore100kBooks1GbCovers(benchmark::State &state)
{
    BigLibrary &library = Library();
    const QString archive = library.dir.filePath(QStringLiteral("big.zip"));
    if (!library.ok || !QFile::exists(archive)) {
        state.SkipWithError("no backup to restore");
        return;
    }
    const double rssBefore = PeakRssMb();
    int run = 0;
    for (auto _ : state) {
        QString error;
        const QString target = library.dir.filePath(QStringLiteral("restored%1.mdb").arg(++run));
        if (!CBackupRestorer::Restore(archive, target, BackupProgress(), &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["peak_rss_mb"] = PeakRssMb();
    state.counters["rss_growth_mb"] = PeakRssMb() - rssBefore;
}
BENCHMARK(BM_Restore100kBooks1GbCovers)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
