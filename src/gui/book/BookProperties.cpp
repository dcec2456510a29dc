#include "book/BookProperties.h"

#include "app/Profile.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "book/BookBasicPage.h"
#include "book/BookCoversPage.h"
#include "book/BookDescriptionPage.h"
#include "book/BookLinksPage.h"
#include "book/BookNotesPage.h"
#include "book/BookPersonalPage.h"
#include "db/TomeloDoc.h"
#include "online/IsbnRules.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("BookSheet");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

// The longest texts the library's columns take, in characters.
bool FitsColumns(const CBookRecord &book)
{
    const struct
    {
        const QString &text;
        int limit;
    } fields[] = {{book.Title, 255},    {book.Edition, 50},  {book.ISBN, 20},
                  {book.Publisher, 50}, {book.Language, 20}, {book.Binding, 30},
                  {book.Dimension, 50}, {book.Extras, 50},   {book.Store, 20},
                  {book.Location, 100}, {book.Status, 50},   {book.Format, 20}};
    for (const auto &field : fields) {
        if (field.text.size() > field.limit)
            return false;
    }
    return true;
}

} // namespace

CBookProperties::CBookProperties(const QString &caption, QWidget *parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("BookProperties"));
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("BookPages"));
    AddPage(new CBookBasicPage(m_tabs));
    AddPage(new CBookPersonalPage(m_tabs));
    AddPage(new CBookLinksPage(m_tabs));
    AddPage(new CBookDescriptionPage(m_tabs));
    AddPage(new CBookNotesPage(m_tabs));
    AddPage(new CBookCoversPage(m_tabs));
    connect(m_tabs, &QTabWidget::currentChanged, this, &CBookProperties::OnCurrentChanged);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBookProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBookProperties::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);

    const QSize stored(GetProfileInt(kSection, kWidth, 0), GetProfileInt(kSection, kHeight, 0));
    resize(stored.isValid() ? stored.expandedTo(minimumSizeHint()) : sizeHint());
}

CBookProperties::~CBookProperties() = default;

void CBookProperties::AddPage(CBookSheetPage *page)
{
    m_pages.append(page);
    m_tabs->addTab(page, page->Caption());
}

void CBookProperties::SetBook(const CBookRecord &book, bool newBook, int categoryId,
                              CLibraryConnection &connection, const QString &imagesDir)
{
    m_book = book;
    m_newBook = newBook;
    m_categoryId = categoryId;
    m_connection = &connection;
    m_imagesDir = imagesDir;
    CBookSheetContext context;
    context.NewBook = newBook;
    context.Connection = &connection;
    context.ImagesDir = imagesDir;
    for (CBookSheetPage *page : qAsConst(m_pages))
        page->LoadFrom(m_book, context);
}

void CBookProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        m_pages.first()->PageShown();
    }
}

void CBookProperties::OnCurrentChanged(int index)
{
    if (m_switching || index == m_shownPage)
        return;
    // Back to the page being left while it says whether it may be left, so
    // its message shows over it rather than over the next page.
    SwitchTo(m_shownPage);
    if (!m_pages[m_shownPage]->MayLeave())
        return;
    SwitchTo(index);
    m_shownPage = index;
    m_pages[index]->PageShown();
}

void CBookProperties::SwitchTo(int index)
{
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
}

void CBookProperties::accept()
{
    if (!m_pages[m_shownPage]->MayLeave())
        return;
    CBookRecord book = m_book;
    for (const CBookSheetPage *page : qAsConst(m_pages))
        page->StoreTo(book);
    // The ISBN is measured as typed, before its hyphens go.
    if (!FitsColumns(book)) {
        ShowMessage(LoadString(242), MsgIcon::Warning);
        return;
    }
    book.ISBN = NormalizeIsbn(book.ISBN);
    if (!m_connection)
        return;
    if (!book.Save(m_newBook, m_categoryId, m_imagesDir, *m_connection) && !book.SkippedDuplicate) {
        // Nothing was written, and the save has said why; what was typed
        // stays here to be saved again or cancelled.
        return;
    }
    m_saved = !book.SkippedDuplicate;
    m_book = book;
    QDialog::accept();
}

void CBookProperties::done(int result)
{
    WriteProfileInt(kSection, kWidth, width());
    WriteProfileInt(kSection, kHeight, height());
    QDialog::done(result);
}

bool CBookProperties::RunEdit(QWidget *parent, CTomeloDoc &doc, int bookId)
{
    if (!doc.IsLibraryOpen())
        return false;
    CBookRecord book;
    if (!book.Load(bookId, *doc.m_connection))
        return false;
    CBookProperties sheet(LoadString(177), parent);
    sheet.SetBook(book, false, doc.m_currentCategoryId, *doc.m_connection, TomeloApp().m_imagesDir);
    return sheet.exec() == QDialog::Accepted && sheet.Saved();
}

int CBookProperties::RunAdd(QWidget *parent, CTomeloDoc &doc, const CBookRecord &book)
{
    if (!doc.IsLibraryOpen())
        return 0;
    CBookProperties sheet(LoadString(176), parent);
    sheet.SetBook(book, true, doc.m_currentCategoryId, *doc.m_connection, TomeloApp().m_imagesDir);
    if (sheet.exec() != QDialog::Accepted || !sheet.Saved())
        return 0;
    return g_lastSavedBookId;
}
