// The window's book list on large libraries, measured in the real window:
// showing All Books of 100,000 books and scrolling to its end, drawing
// the thumbnails of 1,000 covers while the window stays responsive, and
// selecting up to all of 20,000 books until the information view shows them,
// and the page of a book with 50 loans and 50 readings.

#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"
#include "frame/WindowApp.h"
#include "info/TomeloHtmlView.h"
#include "library/BookListModel.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A temporary program folder's settings and a library made from the
// template with `books` books in the root, `covers` of them with a cover.
class CBenchWindow
{
public:
    CBenchWindow(int books, int covers, int listMode)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
        m_path = m_dir.filePath(QStringLiteral("big.mdb"));
        QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Tomelodex.dbt"), m_path);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        const QString images = CTomeloDoc::ImagesDirFor(m_path);
        QDir().mkpath(images);
        QImage cover(300, 450, QImage::Format_RGB32);
        CLibraryConnection db;
        db.Open(m_path);
        db.Execute(QStringLiteral("BEGIN"));
        for (int id = 1; id <= books; ++id) {
            QString coverName;
            if (id <= covers) {
                cover.fill(QColor::fromHsv(id % 360, 160, 200));
                coverName = QStringLiteral("%1.jpg").arg(id);
                cover.save(QDir(images).filePath(coverName));
            }
            db.Execute(QStringLiteral("INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, "
                                      "FrontCover) VALUES (%1, 'Title %2', 'Author %3', %4, "
                                      "'%5', %6); INSERT INTO book_category VALUES (%1, 1)")
                           .arg(id)
                           .arg((id * 7919) % books)
                           .arg(id % 5000)
                           .arg(1 + id % 400)
                           .arg(100000000 + id)
                           .arg(coverName.isEmpty()
                                    ? QStringLiteral("NULL")
                                    : QLatin1Char('\'') + coverName + QLatin1Char('\'')));
        }
        for (int p = 1; p <= 400; ++p)
            db.Execute(QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (%1, "
                                      "'Publisher %1')")
                           .arg(p));
        db.Execute(QStringLiteral("COMMIT"));
        db.Close();
        // ListView 0 is thumbnails, 1 details.
        QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
        m_listMode = listMode;
    }

    bool Start()
    {
        m_app = std::make_unique<CWindowApp>();
        if (!m_app->InitInstance({m_path}, QStringLiteral(TOMELODEX_RUNTIME_DIR "/tomelodex")))
            return false;
        CTomeloListView &list = List();
        if (m_listMode == 0)
            list.OnViewThumbnails();
        else
            list.OnViewDetails();
        m_app->Frame()->resize(1100, 800);
        QApplication::processEvents();
        return true;
    }

    CTomeloTreeView &Tree() { return *m_app->Frame()->TreeView(); }
    CTomeloListView &List() { return *m_app->Frame()->ListView(); }
    CTomeloHtmlView &InfoView() { return *m_app->Frame()->HtmlView(); }
    CTomeloDoc &Document() { return m_app->Frame()->Document(); }
    const QString &LibraryPath() const { return m_path; }

    ~CBenchWindow()
    {
        if (m_app)
            m_app->ExitInstance();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_listMode = 1;
    std::unique_ptr<CWindowApp> m_app;
};

// Measures the longest time the event loop did not run (into `longest`, in
// milliseconds, the largest of all runs) between Start and Stop: a timer
// that should fire every millisecond notes each gap.
class CLongestBlock
{
public:
    explicit CLongestBlock(double &longest) : m_longest(longest)
    {
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = qMax(m_longest, double(m_sinceTick.nsecsElapsed()) / 1e6);
            m_sinceTick.restart();
        });
    }
    void Start()
    {
        m_tick.start();
        m_sinceTick.start();
    }
    void Stop() { m_tick.stop(); }

private:
    double &m_longest;
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
};

// The windows live until the benchmarks end, within the application's life.
std::unique_ptr<CBenchWindow> g_bigLibrary;
std::unique_ptr<CBenchWindow> g_coverLibrary;
std::unique_ptr<CBenchWindow> g_selectionLibrary;
std::unique_ptr<CBenchWindow> g_loanLibrary;

CBenchWindow &BigLibrary()
{
    if (!g_bigLibrary) {
        g_bigLibrary = std::make_unique<CBenchWindow>(100000, 0, 1);
        g_bigLibrary->Start();
    }
    return *g_bigLibrary;
}

// Selecting All Books until its first screen of rows is painted, as a
// details table (0) or as thumbnails (1).
void BM_SelectAllBooks100k(benchmark::State &state)
{
    CBenchWindow &window = BigLibrary();
    if (state.range(0) == 1)
        window.List().OnViewThumbnails();
    else
        window.List().OnViewDetails();
    QAbstractItemView *view = window.List().CurrentView();
    for (auto _ : state) {
        state.PauseTiming();
        window.Tree().SelectCategory(4); // an empty category
        QApplication::processEvents();
        state.ResumeTiming();
        window.Tree().SelectCategory(5);
        view->viewport()->repaint();
    }
    if (window.List().Model()->rowCount() != 100000)
        state.SkipWithError("wrong rows");
}
BENCHMARK(BM_SelectAllBooks100k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the top of All Books to its last row, painted.
void BM_ScrollToEnd100k(benchmark::State &state)
{
    CBenchWindow &window = BigLibrary();
    window.List().OnViewDetails();
    auto *view = window.List().DetailsView();
    for (auto _ : state) {
        state.PauseTiming();
        window.Tree().SelectCategory(4);
        window.Tree().SelectCategory(5);
        view->viewport()->repaint();
        state.ResumeTiming();
        view->scrollToBottom();
        view->viewport()->repaint();
    }
    const QRect last = view->visualRect(window.List().Model()->index(99999, 0));
    if (!view->viewport()->rect().intersects(last))
        state.SkipWithError("not at the end");
}
BENCHMARK(BM_ScrollToEnd100k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Showing 1,000 books with covers in thumbnail mode until the last
// thumbnail is drawn. `longest_block_ms` is the longest time the window's
// event loop did not run meanwhile (the refill included).
void BM_Thumbnails1000(benchmark::State &state)
{
    std::unique_ptr<CBenchWindow> &window = g_coverLibrary;
    if (!window) {
        window = std::make_unique<CBenchWindow>(1000, 1000, 0);
        window->Start();
    }
    CBookListModel &model = *window->List().Model();
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->Tree().SelectCategory(4);
        QApplication::processEvents();
        CLongestBlock block(longest);
        state.ResumeTiming();
        block.Start();
        QTimer::singleShot(0, [&] { window->Tree().SelectCategory(1); });
        QApplication::processEvents();
        while (!model.ThumbnailsIdle() || model.rowCount() != 1000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        block.Stop();
    }
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.Thumbnail(row).isNull() && row < CBookListModel::kEagerThumbnails)
            state.SkipWithError("a thumbnail is missing");
    state.counters["longest_block_ms"] = longest;
}
BENCHMARK(BM_Thumbnails1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// From one selected book to the first N rows of a 20,000-book library (all
// of them for 20,000), until the information view has loaded its page.
// The time includes the list's pause before it hands on a selection of
// several books (150 ms); `longest_block_ms` is the longest time the
// window's event loop did not run meanwhile, what a person feels.
void BM_SelectionChange20k(benchmark::State &state)
{
    std::unique_ptr<CBenchWindow> &window = g_selectionLibrary;
    if (!window) {
        window = std::make_unique<CBenchWindow>(20000, 0, 1);
        window->Start();
    }
    const int count = int(state.range(0));
    CBookListModel &model = *window->List().Model();
    QItemSelectionModel &selection = *window->List().CurrentView()->selectionModel();
    CTomeloHtmlView &view = window->InfoView();
    bool shown = false;
    const QObject connection; // ends the connection with this function
    QObject::connect(&view, &CTomeloHtmlView::PageShown, &connection, [&shown] { shown = true; });
    const auto selectRows = [&](int first, int last) {
        shown = false;
        selection.select(QItemSelection(model.index(first, 0), model.index(last, 0)),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        while (!shown || window->Document().m_selectedBookIds.size() != last - first + 1)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        selectRows(10000, 10000);
        CLongestBlock block(longest);
        state.ResumeTiming();
        block.Start();
        selectRows(0, count - 1);
        block.Stop();
    }
    if (model.rowCount() != 20000)
        state.SkipWithError("wrong rows");
    state.counters["longest_block_ms"] = longest;
}
BENCHMARK(BM_SelectionChange20k)
    ->Arg(1)
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// From another book to one with 50 loans and 50 readings (and a series),
// until the information view has loaded its page: the book XML, the
// template's transformation and the browser engine's rendering.
void BM_InfoPageWith50Loans(benchmark::State &state)
{
    std::unique_ptr<CBenchWindow> &window = g_loanLibrary;
    if (!window) {
        window = std::make_unique<CBenchWindow>(100, 0, 1);
        const QString sql = QStringLiteral(
            "BEGIN;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "INSERT INTO borrower (BorrowerID, Name) SELECT i, 'Borrower ' || i FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, ReturnDate, "
            "Notes) SELECT 1, i, CASE WHEN i % 4 = 0 THEN 'borrowed' ELSE 'lent' END, "
            "date('2020-01-01', '+' || (i * 20) || ' days'), "
            "date('2020-01-01', '+' || (i * 20 + 14) || ' days'), "
            "CASE WHEN i < 50 THEN date('2020-01-01', '+' || (i * 20 + 10) || ' days') END, "
            "'loan ' || i FROM n;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "INSERT INTO reading (BookID, Started, Finished, Notes) SELECT 1, "
            "date('2020-01-01', '+' || (i * 20) || ' days'), "
            "date('2020-01-01', '+' || (i * 20 + 5) || ' days'), 'reading ' || i FROM n;"
            "INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Saga');"
            "INSERT INTO book_series (BookID, SeriesID, Number) VALUES (1, 1, '2.5');"
            "COMMIT;");
        CLibraryConnection db;
        QString error;
        if (!db.Open(window->LibraryPath()) || !db.Execute(sql, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        db.Close();
        window->Start();
    }
    CTomeloHtmlView &view = window->InfoView();
    bool shown = false;
    const QObject connection; // ends the connection with this function
    QObject::connect(&view, &CTomeloHtmlView::PageShown, &connection, [&shown] { shown = true; });
    const auto select = [&](quint32 id) {
        shown = false;
        window->Document().SetSelectedBooks({id});
        while (!shown)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    for (auto _ : state) {
        state.PauseTiming();
        select(2);
        state.ResumeTiming();
        select(1);
    }
    if (!view.Html().contains(QStringLiteral("reading 50")))
        state.SkipWithError("the page lacks the readings");
}
BENCHMARK(BM_InfoPageWith50Loans)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PrepareGuiApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bigLibrary.reset();
    g_coverLibrary.reset();
    g_selectionLibrary.reset();
    g_loanLibrary.reset();
    return 0;
}
