// The Related Links page with its link sheet and the Covers page, driven as
// a person drives them, and what they hand to the save of a real library.

#include "GuiTestSupport.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "book/AddressHint.h"
#include "book/BookCoversPage.h"
#include "book/BookLinksPage.h"
#include "book/BookProperties.h"
#include "book/LinkProperties.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/MainFrame.h"
#include "frame/PictureCtrl.h"
#include "frame/PictureFileDialog.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// A page in a plain dialog, as the sheet holds it.
class CPageHost : public QDialog
{
public:
    CPageHost(CBookSheetPage *page, const CBookRecord &book, const CBookSheetContext &context)
    {
        page->setParent(this);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(page);
        page->LoadFrom(book, context);
        resize(620, 420);
    }
};

template <typename T> T *Child(QWidget &parent, const char *name)
{
    T *child = parent.findChild<T *>(QLatin1String(name));
    if (!child)
        qWarning("no child %s", name);
    return child;
}

// Fills the link sheet that opens next and presses OK; a sheet that does
// not close then is cancelled, and `closed` tells which happened.
struct CLinkSheetAnswer
{
    explicit CLinkSheetAnswer(const QString &title = QString(), const QString &path = QString())
        : title(title), path(path)
    {}

    QString title;
    QString path;
    CLinkGeneralPage::Kind kind = CLinkGeneralPage::kOther;
    bool cancel = false;
    // What the sheet showed when it opened.
    QString shownTitle;
    QString shownPath;
    QString caption;
    int shownKind = -1;
    bool closed = false;
};

void AnswerNextLinkSheet(CLinkSheetAnswer &answer)
{
    QTimer::singleShot(0, [&answer] {
        auto *sheet = qobject_cast<CLinkProperties *>(QApplication::activeModalWidget());
        if (!sheet)
            return;
        CLinkGeneralPage &page = sheet->Page();
        answer.caption = sheet->windowTitle();
        answer.shownTitle = page.Title();
        answer.shownPath = page.Path();
        answer.shownKind = page.CurrentKind();
        if (answer.cancel) {
            sheet->reject();
            return;
        }
        page.SetKind(answer.kind);
        page.SetTexts(answer.title, answer.path, QStringLiteral("notes of ") + answer.title);
        sheet->accept();
        answer.closed = !sheet->isVisible();
        if (!answer.closed)
            sheet->reject();
    });
}

QStringList Ids(const QList<CLinkEntry> &links)
{
    QStringList ids;
    for (const CLinkEntry &link : links)
        ids += link.LinkID;
    return ids;
}

void AddLink(CBookLinksPage &page, const QString &title, const QString &path)
{
    CLinkSheetAnswer answer{title, path};
    AnswerNextLinkSheet(answer);
    QTest::mouseClick(Child<QPushButton>(page, "AddLink"), Qt::LeftButton);
    QVERIFY(answer.closed);
}

QString WritePicture(const QString &path, const QSize &size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path) ? path : QString();
}

// Remembers the files the desktop was asked to open instead of opening them.
class COpenedFiles : public QObject
{
    Q_OBJECT

public:
    COpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~COpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList paths;

public Q_SLOTS:
    void Open(const QUrl &url) { paths += url.toLocalFile(); }
};

void ClickCover(CCoverBox &box)
{
    QTest::mouseClick(&box.View(), Qt::LeftButton, Qt::NoModifier, box.View().rect().center());
}

bool ShowsHand(const CCoverBox &box)
{
    return box.View().testAttribute(Qt::WA_SetCursor) &&
           box.View().cursor().shape() == Qt::PointingHandCursor;
}

// The sheet on a stored book of the window's library, shown.
std::unique_ptr<CBookProperties> OpenSheet(CWindowTestEnv &env, int bookId)
{
    CTomeloDoc &doc = env.Document();
    CBookRecord book;
    if (!book.Load(bookId, *doc.m_connection))
        return nullptr;
    auto sheet = std::make_unique<CBookProperties>(LoadString(177), &env.Frame());
    sheet->SetBook(book, false, doc.m_currentCategoryId, *doc.m_connection,
                   TomeloApp().m_imagesDir);
    sheet->show();
    return QTest::qWaitForWindowExposed(sheet.get()) ? std::move(sheet) : nullptr;
}

// Brings the sheet's page of type T to the front by its tab, as a click does.
template <typename T> T *ShowPage(CBookProperties &sheet)
{
    T *page = sheet.findChild<T *>();
    QTabBar *bar = sheet.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(sheet.Tabs()->indexOf(page)).center());
    return sheet.Tabs()->currentWidget() == page ? page : nullptr;
}

void ClickOk(CBookProperties &sheet)
{
    sheet.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

class TestBookPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linkIdsFollowAddsDeletesAndEdits();
    void linkSheetKindsAndChecks();
    void addressesWithoutScheme_data();
    void addressesWithoutScheme();
    void coversShowChooseOpenAndClear();
    void pagesHandCoversAndLinksToTheSave();
    void sheetSavesLinksAndCoversOfAStoredBook();
};

void TestBookPages::linkIdsFollowAddsDeletesAndEdits()
{
    CWindowTestEnv env;
    auto *page = new CBookLinksPage;
    CBookRecord book;
    CPageHost host(page, book, CBookSheetContext{});
    host.show();
    page->PageShown();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto *list = Child<QTreeWidget>(*page, "LinkList");

    AddLink(*page, QStringLiteral("one"), QStringLiteral("first"));
    AddLink(*page, QStringLiteral("two"), QStringLiteral("second"));
    AddLink(*page, QStringLiteral("three"), QStringLiteral("third"));
    QCOMPARE(Ids(page->Links()), QStringList({"1", "2", "3"}));
    QCOMPARE(page->Links().at(1).Path, QStringLiteral("second"));
    QCOMPARE(page->Links().at(1).Notes, QStringLiteral("notes of two"));

    // Nothing selected: Edit and Delete say so and change nothing.
    list->clearSelection();
    env.prompt.shown.clear();
    QTest::mouseClick(Child<QPushButton>(*page, "DeleteLink"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(*page, "EditLink"), Qt::LeftButton);
    QCOMPARE(env.prompt.shown.size(), 2);
    QCOMPARE(env.prompt.shown.at(0).text, LoadString(156));
    QCOMPARE(env.prompt.shown.at(1).text, LoadString(156));
    QCOMPARE(page->Links().size(), 3);

    // The Delete key removes the selected row; its number is not given again.
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(Ids(page->Links()), QStringList({"1", "3"}));
    AddLink(*page, QStringLiteral("four"), QStringLiteral("fourth"));
    QCOMPARE(Ids(page->Links()), QStringList({"1", "3", "4"}));

    // A cancelled add adds nothing and uses up no number.
    CLinkSheetAnswer cancelled;
    cancelled.cancel = true;
    AnswerNextLinkSheet(cancelled);
    QTest::mouseClick(Child<QPushButton>(*page, "AddLink"), Qt::LeftButton);
    QCOMPARE(cancelled.caption, LoadString(178));
    QCOMPARE(page->Links().size(), 3);

    // A double-click edits its row; the number stays.
    CLinkSheetAnswer edit{QStringLiteral("three, renamed"), QStringLiteral("third")};
    AnswerNextLinkSheet(edit);
    QTreeWidgetItem *third = list->topLevelItem(1);
    const QRect cell = list->visualItemRect(third);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QVERIFY(edit.closed);
    QCOMPARE(edit.caption, LoadString(179));
    QCOMPARE(edit.shownTitle, QStringLiteral("three"));
    QCOMPARE(edit.shownPath, QStringLiteral("third"));
    QCOMPARE(Ids(page->Links()), QStringList({"1", "3", "4"}));
    QCOMPARE(page->Links().at(1).Name, QStringLiteral("three, renamed"));

    AddLink(*page, QStringLiteral("five"), QStringLiteral("fifth"));
    QCOMPARE(Ids(page->Links()), QStringList({"1", "3", "4", "5"}));
    env.SaveScreenshot(host, QStringLiteral("links-page"));

    CBookRecord stored;
    page->StoreTo(stored);
    QCOMPARE(Ids(stored.Links), QStringList({"1", "3", "4", "5"}));

    // A page never shown hands back the links as they were loaded, and a
    // shown page with loaded links goes on after the highest count.
    CBookRecord loaded;
    loaded.Links = {{"1", "a", "x", ""}, {"2", "b", "y", ""}};
    CBookLinksPage unseen;
    unseen.LoadFrom(loaded, CBookSheetContext{});
    CBookRecord other;
    other.Links = {{"9", "other", "z", ""}};
    unseen.StoreTo(other);
    QCOMPARE(Ids(other.Links), QStringList({"9"}));
}

void TestBookPages::linkSheetKindsAndChecks()
{
    CWindowTestEnv env;
    const QString folder = env.Path(QStringLiteral("samples"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/book.pdf");
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n");
    pdf.close();
    const QString gone = env.Path(QStringLiteral("gone"));

    const struct
    {
        QString path;
        CLinkGeneralPage::Kind kind;
    } opened[] = {{QStringLiteral("https://author.example/"), CLinkGeneralPage::kUrl},
                  {file, CLinkGeneralPage::kFile},
                  {folder, CLinkGeneralPage::kFolder},
                  {gone, CLinkGeneralPage::kOther},
                  {QStringLiteral("http://localhost/"), CLinkGeneralPage::kOther}};
    for (const auto &link : opened) {
        CLinkProperties sheet(false);
        sheet.Page().SetTexts(QStringLiteral("t"), link.path, QString());
        sheet.show();
        QCOMPARE(sheet.Page().CurrentKind(), link.kind);
        QCOMPARE(Child<QPushButton>(sheet, "LinkBrowse")->isEnabled(),
                 link.kind == CLinkGeneralPage::kFile || link.kind == CLinkGeneralPage::kFolder);
        // What was stored is accepted as it is.
        sheet.accept();
        QVERIFY2(!sheet.isVisible(), qPrintable(link.path));
    }
    QVERIFY(env.prompt.shown.isEmpty());

    CLinkProperties sheet(true);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    CLinkGeneralPage &page = sheet.Page();
    auto *title = Child<QComboBox>(sheet, "LinkTitle");
    auto *path = Child<QLineEdit>(sheet, "LinkPath");
    auto *ok = [&sheet] {
        for (QPushButton *button : sheet.findChildren<QPushButton *>())
            if (button->text().remove(u'&') == QStringLiteral("OK"))
                return button;
        return static_cast<QPushButton *>(nullptr);
    }();
    QVERIFY(ok);
    QCOMPARE(page.CurrentKind(), CLinkGeneralPage::kFile);
    QCOMPARE(title->itemText(0), LoadString(194));
    QCOMPARE(title->count(), 2);

    // Switching the kind keeps what was typed and offers the kind's titles.
    QTest::keyClicks(title, QStringLiteral("My notes"));
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindUrl"), Qt::LeftButton);
    QCOMPARE(page.Title(), QStringLiteral("My notes"));
    QCOMPARE(title->itemText(0), LoadString(196));
    QCOMPARE(title->itemText(1), LoadString(197));
    QVERIFY(!Child<QPushButton>(sheet, "LinkBrowse")->isEnabled());

    const struct
    {
        const char *kindButton;
        QString title;
        QString path;
        int message;
    } refused[] = {
        {"LinkKindUrl", QStringLiteral("   "), QStringLiteral("https://a.example/"), 167},
        {"LinkKindUrl", QStringLiteral("site"), QStringLiteral("  "), 167},
        {"LinkKindUrl", QStringLiteral("site"), QStringLiteral("http://localhost/"), 158},
        {"LinkKindUrl", QStringLiteral("site"), QStringLiteral("example.com/me"), 158},
        {"LinkKindFile", QStringLiteral("book"), folder, 159},
        {"LinkKindFile", QStringLiteral("book"), gone, 159},
        {"LinkKindFolder", QStringLiteral("code"), file, 160},
        {"LinkKindFolder", QStringLiteral("code"), gone, 160},
    };
    for (const auto &attempt : refused) {
        QTest::mouseClick(Child<QRadioButton>(sheet, attempt.kindButton), Qt::LeftButton);
        page.SetTexts(attempt.title, attempt.path, QString());
        env.prompt.shown.clear();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY2(sheet.isVisible(), qPrintable(attempt.path));
        // Refusing an address says what an address is.
        QCOMPARE(env.prompt.LastText(), attempt.message == 158
                                            ? LoadString(158) + u'\n' + CAddressHint::Rule()
                                            : LoadString(attempt.message));
    }
    // The failed check puts the cursor where the fault is.
    QCOMPARE(QApplication::focusWidget(), path);

    // Browsing: a file for a file, a folder for a folder; cancel keeps the path.
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindFile"), Qt::LeftButton);
    env.files.names = {file};
    QTest::mouseClick(Child<QPushButton>(sheet, "LinkBrowse"), Qt::LeftButton);
    QCOMPARE(page.Path(), file);
    QVERIFY2(env.files.filters.last().startsWith(QStringLiteral("All Files (*);;")),
             qPrintable(env.files.filters.last()));
    QTest::mouseClick(Child<QPushButton>(sheet, "LinkBrowse"), Qt::LeftButton);
    QCOMPARE(page.Path(), file);
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindFolder"), Qt::LeftButton);
    env.files.names = {folder};
    QTest::mouseClick(Child<QPushButton>(sheet, "LinkBrowse"), Qt::LeftButton);
    QCOMPARE(env.files.captions.last(), LoadString(191));
    QCOMPARE(page.Path(), folder);
    env.SaveScreenshot(sheet, QStringLiteral("link-sheet"));

    // What is accepted comes back without surrounding spaces: the path was
    // checked that way, and with them it would not open.
    page.SetTexts(QStringLiteral("  Source code folder "), QStringLiteral(" ") + folder + u' ',
                  QStringLiteral(" kept as typed "));
    env.prompt.shown.clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!sheet.isVisible());
    QVERIFY(env.prompt.shown.isEmpty());
    QCOMPARE(page.Title(), QStringLiteral("Source code folder"));
    QCOMPARE(page.Path(), folder);
    QCOMPARE(page.Notes(), QStringLiteral(" kept as typed "));
}

void TestBookPages::addressesWithoutScheme_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved"); // empty: refused
    QTest::addColumn<QString>("note");  // "taken", "rule" or none
    const auto row = [](const char *name, const char *typed, const char *saved, const char *note) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(saved)
                            << QString::fromUtf8(note);
    };
    row("web host and path", "www.example.org/author", "https://www.example.org/author", "taken");
    row("spaces around", "  www.example.org  ", "https://www.example.org", "taken");
    row("capitals", "WWW.Example.ORG", "https://WWW.Example.ORG", "taken");
    row("a port", "www.example.org:8080/a", "https://www.example.org:8080/a", "taken");
    row("a query", "www.example.org?q=1", "https://www.example.org?q=1", "taken");
    row("a scheme already", "http://www.example.org", "http://www.example.org", "");
    row("another scheme", "ftp://files.example.org/", "ftp://files.example.org/", "");
    row("no second dot", "www.example", "", "rule");
    row("no www", "example.org/author", "", "rule");
    row("a space in the host", "www.exa mple.org", "", "rule");
    row("www in a path", "files/www.example.org", "", "rule");
}

// A web address typed without its scheme is taken as https, and the note
// under the path says so while it is typed; what is no address is refused
// with what an address is. Only for a link of the URL kind.
void TestBookPages::addressesWithoutScheme()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QFETCH(QString, note);
    CWindowTestEnv env;
    CLinkProperties sheet(true);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    CLinkGeneralPage &page = sheet.Page();
    auto *path = Child<QLineEdit>(sheet, "LinkPath");
    auto *hint = Child<QLabel>(sheet, "LinkPathHint");
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindUrl"), Qt::LeftButton);
    page.SetTexts(QStringLiteral("Author's website"), QString(), QString());
    path->setFocus();
    QTest::keyClicks(path, typed);
    QCOMPARE(hint->isVisible(), !note.isEmpty());
    if (note == QLatin1String("taken"))
        QVERIFY2(hint->text().contains(saved), qPrintable(hint->text()));
    if (note == QLatin1String("rule"))
        QCOMPARE(hint->text(), CAddressHint::Rule());
    if (!note.isEmpty())
        env.SaveScreenshot(sheet, QStringLiteral("link-sheet-address-") + note);

    // Another kind of link says nothing about addresses.
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindOther"), Qt::LeftButton);
    QVERIFY(!hint->isVisible());
    QTest::mouseClick(Child<QRadioButton>(sheet, "LinkKindUrl"), Qt::LeftButton);

    sheet.accept();
    QCOMPARE(sheet.isVisible(), saved.isEmpty());
    if (saved.isEmpty()) {
        QCOMPARE(env.prompt.LastText(), LoadString(158) + u'\n' + CAddressHint::Rule());
        QCOMPARE(QApplication::focusWidget(), path);
    } else {
        QVERIFY(env.prompt.shown.isEmpty());
        QCOMPARE(page.Path(), saved);
    }
}

void TestBookPages::coversShowChooseOpenAndClear()
{
    CWindowTestEnv env;
    COpenedFiles opened;
    const QString front =
        WritePicture(env.Path(QStringLiteral("front.jpg")), {300, 450}, QColor(0x20, 0x60, 0xa0));
    QVERIFY(!front.isEmpty());
    const QString gif = env.Path(QStringLiteral("spin.gif"));
    {
        QFile file(gif);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(MakeTestGif({10, 10}));
    }

    auto *page = new CBookCoversPage;
    CBookRecord book;
    CBookSheetContext added;
    added.NewBook = true;
    CPageHost host(page, book, added);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    CCoverBox &frontBox = page->Front();
    CCoverBox &backBox = page->Back();

    // A manual book: placeholders, no hand, a click opens nothing.
    QVERIFY(frontBox.View().ShowsPlaceholder());
    QVERIFY(backBox.View().ShowsPlaceholder());
    QVERIFY(!ShowsHand(frontBox));
    ClickCover(frontBox);
    QVERIFY(opened.paths.isEmpty());
    env.SaveScreenshot(host, QStringLiteral("covers-page-empty"));

    // Browse puts the picture, stretched to its frame, and its path in place.
    env.files.names = {front};
    QTest::mouseClick(Child<QPushButton>(frontBox, "FrontCoverBrowse"), Qt::LeftButton);
    QVERIFY(env.files.filters.last().contains(QStringLiteral("*.jpeg")));
    QCOMPARE(Child<QLineEdit>(frontBox, "FrontCoverPath")->text(), front);
    QVERIFY(!frontBox.View().ShowsPlaceholder());
    QCOMPARE(frontBox.View().Picture().PictureSize(), QSize(300, 450));
    QCOMPARE(frontBox.View().Picture().geometry(), frontBox.View().contentsRect());
    QVERIFY(ShowsHand(frontBox));
    ClickCover(frontBox);
    QCOMPARE(opened.paths, QStringList({front}));
    // A cancelled dialog keeps the picture.
    QTest::mouseClick(Child<QPushButton>(frontBox, "FrontCoverBrowse"), Qt::LeftButton);
    QCOMPARE(frontBox.Path(), front);

    // An animated GIF plays while the page is shown.
    env.files.names = {gif};
    QTest::mouseClick(Child<QPushButton>(backBox, "BackCoverBrowse"), Qt::LeftButton);
    QVERIFY(backBox.View().Picture().IsAnimated());
    QTRY_VERIFY(backBox.View().Picture().CurrentFrame() == 1);
    env.SaveScreenshot(host, QStringLiteral("covers-page-chosen"));

    CBookRecord stored;
    page->StoreTo(stored);
    QCOMPARE(stored.CoverTempPath, front);
    QCOMPARE(stored.BackCoverTempPath, gif);

    // Clear shows the placeholder and hands back no picture.
    QTest::mouseClick(Child<QPushButton>(frontBox, "FrontCoverClear"), Qt::LeftButton);
    QVERIFY(frontBox.View().ShowsPlaceholder());
    QVERIFY(!ShowsHand(frontBox));
    QVERIFY(Child<QLineEdit>(frontBox, "FrontCoverPath")->text().isEmpty());
    page->StoreTo(stored);
    QVERIFY(stored.CoverTempPath.isEmpty());

    // A stored book whose picture has gone shows the placeholder but keeps
    // the name it has.
    CBookRecord existing;
    existing.FrontCover = QStringLiteral("7.jpg");
    CBookSheetContext edited;
    edited.ImagesDir = env.Path(QStringLiteral("images"));
    auto *again = new CBookCoversPage;
    CPageHost second(again, existing, edited);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QVERIFY(again->Front().View().ShowsPlaceholder());
    QVERIFY(!ShowsHand(again->Front()));
    again->StoreTo(existing);
    QCOMPARE(existing.CoverTempPath, QDir(edited.ImagesDir).filePath(QStringLiteral("7.jpg")));
    QVERIFY(existing.BackCoverTempPath.isEmpty());

    // A stored name that reaches out of the images folder is not followed.
    CBookRecord reaching;
    reaching.FrontCover = QStringLiteral("../front.jpg");
    auto *third = new CBookCoversPage;
    CPageHost thirdHost(third, reaching, edited);
    thirdHost.show();
    QVERIFY(QTest::qWaitForWindowExposed(&thirdHost));
    QCOMPARE(third->Front().Path(), QDir(edited.ImagesDir).filePath(QStringLiteral("front.jpg")));
    QVERIFY(third->Front().View().ShowsPlaceholder());
    ClickCover(third->Front());
    QCOMPARE(opened.paths, QStringList({front}));

    // The desktop's picture chooser shows the picture under the cursor
    // beside the list, and hands back the chosen file.
    SetFilePrompt(nullptr);
    bool previewFits = false;
    QString previewInfo;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<CPictureFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->selectFile(front);
        const QLabel *preview = dialog->Preview();
        previewFits = QTest::qWaitFor([preview] { return !preview->pixmap().isNull(); }) &&
                      preview->pixmap().width() <= preview->width();
        previewInfo = dialog->PreviewInfo()->text();
        env.SaveScreenshot(*dialog, QStringLiteral("picture-dialog"));
        static_cast<QDialog *>(dialog)->accept(); // as the Open button does
    });
    const QString chosen =
        AskPictureFileName(&host, QStringLiteral("Front Cover"), DialogFilter(LoadString(206)));
    // The next choice starts in the same folder.
    QString startFolder;
    QTimer::singleShot(0, [&startFolder] {
        if (auto *dialog = qobject_cast<CPictureFileDialog *>(QApplication::activeModalWidget())) {
            startFolder = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    QVERIFY(AskPictureFileName(&host, QString(), QString()).isEmpty());
    SetFilePrompt(&env.files);
    QCOMPARE(chosen, front);
    QCOMPARE(startFolder, QFileInfo(front).absolutePath());
    QVERIFY(previewFits);
    QCOMPARE(previewInfo, QStringLiteral("300 × 450 pixels"));
}

void TestBookPages::pagesHandCoversAndLinksToTheSave()
{
    CTestEnv env;
    CRecordingPrompt prompt;
    CLibraryConnection db;
    QString imagesDir;
    QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
    const QString picture =
        WritePicture(env.Path(QStringLiteral("scan.jpg")), {120, 180}, QColor(0xc0, 0x40, 0x20));
    const QByteArray pictureBytes = ReadFileBytes(picture);

    // Adding: a cover chosen and three links.
    CBookRecord book;
    book.Title = QStringLiteral("Kept Covers");
    CBookSheetContext context{true, &db, imagesDir};
    CQueuedFilePrompt files;
    {
        auto *links = new CBookLinksPage;
        auto *covers = new CBookCoversPage;
        CPageHost linksHost(links, book, context);
        CPageHost coversHost(covers, book, context);
        linksHost.show();
        links->PageShown();
        for (int i = 1; i <= 3; ++i)
            AddLink(*links, QStringLiteral("link %1").arg(i),
                    QStringLiteral("https://a.example/%1").arg(i));
        files.names = {picture};
        QTest::mouseClick(Child<QPushButton>(covers->Front(), "FrontCoverBrowse"), Qt::LeftButton);
        links->StoreTo(book);
        covers->StoreTo(book);
    }
    QVERIFY(book.Save(true, 32, imagesDir, db));
    const int id = book.BookID ? book.BookID : g_lastSavedBookId.load();
    const QString coverName = QStringLiteral("%1.jpg").arg(id);
    QCOMPARE(ReadFileBytes(QDir(imagesDir).filePath(coverName)), pictureBytes);
    const QString countLinks = QStringLiteral("SELECT COUNT(*) FROM link WHERE BookID=%1").arg(id);
    QCOMPARE(QueryText(db, countLinks), QStringLiteral("3"));

    // Editing twice without touching covers or links: nothing is copied onto
    // itself, lost or doubled.
    for (int round = 0; round < 2; ++round) {
        CBookRecord stored;
        QVERIFY(stored.Load(id, db));
        context.NewBook = false;
        auto *links = new CBookLinksPage;
        auto *covers = new CBookCoversPage;
        CPageHost linksHost(links, stored, context);
        CPageHost coversHost(covers, stored, context);
        if (round == 1) {
            linksHost.show();
            links->PageShown();
        }
        QCOMPARE(covers->Front().Path(), QDir(imagesDir).filePath(coverName));
        links->StoreTo(stored);
        covers->StoreTo(stored);
        QVERIFY(stored.Save(false, 32, imagesDir, db));
        QCOMPARE(ReadFileBytes(QDir(imagesDir).filePath(coverName)), pictureBytes);
        QCOMPARE(QueryText(db, countLinks), QStringLiteral("3"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT group_concat(Name, '|') FROM link WHERE "
                                              "BookID=%1 ORDER BY LinkID")
                                   .arg(id)),
                 QStringLiteral("link 1|link 2|link 3"));
    }
    QCOMPARE(QDir(imagesDir).entryList(QDir::Files | QDir::Hidden), QStringList({coverName}));

    // Clearing the cover leaves the book without one, in the row and on disk.
    CBookRecord stored;
    QVERIFY(stored.Load(id, db));
    auto *covers = new CBookCoversPage;
    CPageHost coversHost(covers, stored, context);
    coversHost.show();
    QTest::mouseClick(Child<QPushButton>(covers->Front(), "FrontCoverClear"), Qt::LeftButton);
    covers->StoreTo(stored);
    QVERIFY(stored.Save(false, 32, imagesDir, db));
    QCOMPARE(QueryText(db, QStringLiteral("SELECT ifnull(FrontCover, '') FROM book WHERE "
                                          "BookID=%1")
                               .arg(id)),
             QString());
    QVERIFY(QDir(imagesDir).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(prompt.shown.isEmpty());
}

void TestBookPages::sheetSavesLinksAndCoversOfAStoredBook()
{
    CWindowTestEnv env;
    QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("lib.mdb"))}));
    const QString imagesDir = TomeloApp().m_imagesDir;
    const QString picture =
        WritePicture(env.Path(QStringLiteral("scan.png")), {150, 220}, QColor(0x30, 0x90, 0x50));
    const QByteArray pictureBytes = ReadFileBytes(picture);
    const int bookId = 5; // a sample book without links
    const auto db = [&env](const QString &sql) {
        return QueryText(*env.Document().m_connection, sql);
    };
    const QString names = QStringLiteral("SELECT ifnull(group_concat(Name, '|'), '') FROM "
                                         "(SELECT Name FROM link WHERE BookID=5 ORDER BY LinkID)");
    const QString cover = QDir(imagesDir).filePath(QStringLiteral("5.png"));

    {
        // Three links and a cover chosen, saved by OK.
        auto sheet = OpenSheet(env, bookId);
        QVERIFY(sheet);
        QStringList captions;
        for (int i = 0; i < sheet->Tabs()->count(); ++i)
            captions += sheet->Tabs()->tabText(i);
        QCOMPARE(captions.value(2), QStringLiteral("Related &Links"));
        QCOMPARE(captions.value(5), QStringLiteral("&Covers"));
        auto *links = ShowPage<CBookLinksPage>(*sheet);
        QVERIFY(links);
        for (int i = 1; i <= 3; ++i)
            AddLink(*links, QStringLiteral("link %1").arg(i),
                    QStringLiteral("https://a.example/%1").arg(i));
        env.SaveScreenshot(*sheet, QStringLiteral("sheet-links"));
        auto *covers = ShowPage<CBookCoversPage>(*sheet);
        QVERIFY(covers);
        env.files.names = {picture};
        QTest::mouseClick(Child<QPushButton>(covers->Front(), "FrontCoverBrowse"), Qt::LeftButton);
        env.SaveScreenshot(*sheet, QStringLiteral("sheet-covers"));
        ClickOk(*sheet);
        QVERIFY(!sheet->isVisible());
    }
    QCOMPARE(db(names), QStringLiteral("link 1|link 2|link 3"));
    QCOMPARE(db(QStringLiteral("SELECT FrontCover FROM book WHERE BookID=5")),
             QStringLiteral("5.png"));
    QCOMPARE(ReadFileBytes(cover), pictureBytes);

    {
        // Opened again and one link edited: none lost or doubled, the cover
        // left where it is.
        auto sheet = OpenSheet(env, bookId);
        QVERIFY(sheet);
        auto *links = ShowPage<CBookLinksPage>(*sheet);
        QVERIFY(links);
        QCOMPARE(Ids(links->Links()), QStringList({"1", "2", "3"}));
        auto *list = Child<QTreeWidget>(*links, "LinkList");
        CLinkSheetAnswer edit(QStringLiteral("renamed"), QStringLiteral("https://b.example/"));
        edit.kind = CLinkGeneralPage::kUrl;
        AnswerNextLinkSheet(edit);
        list->setCurrentItem(list->topLevelItem(1));
        QTest::mouseClick(Child<QPushButton>(*links, "EditLink"), Qt::LeftButton);
        QVERIFY(edit.closed);
        QCOMPARE(edit.shownKind, int(CLinkGeneralPage::kUrl));
        ClickOk(*sheet);
        QVERIFY(!sheet->isVisible());
    }
    QCOMPARE(db(names), QStringLiteral("link 1|renamed|link 3"));
    QCOMPARE(ReadFileBytes(cover), pictureBytes);

    {
        // Links never shown stay as loaded; a cleared cover goes.
        auto sheet = OpenSheet(env, bookId);
        QVERIFY(sheet);
        auto *covers = ShowPage<CBookCoversPage>(*sheet);
        QVERIFY(covers);
        QCOMPARE(covers->Front().Path(), cover);
        QVERIFY(!covers->Front().View().ShowsPlaceholder());
        QTest::mouseClick(Child<QPushButton>(covers->Front(), "FrontCoverClear"), Qt::LeftButton);
        ClickOk(*sheet);
        QVERIFY(!sheet->isVisible());
    }
    QCOMPARE(db(names), QStringLiteral("link 1|renamed|link 3"));
    QCOMPARE(db(QStringLiteral("SELECT ifnull(FrontCover, 'none') FROM book WHERE BookID=5")),
             QStringLiteral("none"));
    QVERIFY(!QFile::exists(cover));

    {
        // Cancel throws away what the links page did.
        auto sheet = OpenSheet(env, bookId);
        QVERIFY(sheet);
        auto *links = ShowPage<CBookLinksPage>(*sheet);
        QVERIFY(links);
        AddLink(*links, QStringLiteral("link 4"), QStringLiteral("https://a.example/4"));
        sheet->reject();
    }
    QCOMPARE(db(names), QStringLiteral("link 1|renamed|link 3"));

    {
        // A new book shows the picture its lookup fetched, and the save
        // copies it in under the book's name.
        CBookRecord found;
        found.Title = QStringLiteral("Found Online");
        found.CoverTempPath = picture;
        CBookProperties sheet(LoadString(176), &env.Frame());
        sheet.SetBook(found, true, 1, *env.Document().m_connection, imagesDir);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        auto *covers = ShowPage<CBookCoversPage>(sheet);
        QVERIFY(covers);
        QCOMPARE(covers->Front().Path(), picture);
        QVERIFY(!covers->Front().View().ShowsPlaceholder());
        QVERIFY(covers->Back().View().ShowsPlaceholder());
        ClickOk(sheet);
        QVERIFY(!sheet.isVisible());
    }
    const QString added = QString::number(g_lastSavedBookId.load());
    QCOMPARE(
        db(QStringLiteral("SELECT Title || '|' || FrontCover FROM book WHERE BookID=") + added),
        QStringLiteral("Found Online|%1.png").arg(added));
    QCOMPARE(ReadFileBytes(QDir(imagesDir).filePath(added + QStringLiteral(".png"))), pictureBytes);
    QVERIFY(env.prompt.shown.isEmpty());
    QVERIFY(QDir(imagesDir)
                .entryList({QStringLiteral(".tomelo-cover-*")}, QDir::Files | QDir::Hidden)
                .isEmpty());
}

TOMELODEX_GUI_TEST_MAIN(TestBookPages)
#include "tst_bookpages.moc"
