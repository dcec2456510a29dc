#include "book/BookProperties.h"

#include "book/SaveBookCommand.h"

#include "app/Profile.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "book/BookBasicPage.h"
#include "book/BookCoversPage.h"
#include "book/BookDescriptionPage.h"
#include "book/BookLinksPage.h"
#include "book/BookLoansPage.h"
#include "book/BookNotesPage.h"
#include "book/BookPersonalPage.h"
#include "book/SheetFieldLimits.h"
#include "db/CategoryStore.h"
#include "db/CoverStaging.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "online/IsbnRules.h"
#include "undo/LibraryUndo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QQuickWidget>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("BookSheet");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

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
    m_loansPage = new CBookLoansPage(m_tabs);
    AddPage(m_loansPage);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CBookProperties::OnCurrentChanged);

    // Ctrl+Tab turns the pages wherever the focus is, in the HTML editors
    // and multi-line fields too, which keep Tab to themselves.
    auto *nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextPage, &QShortcut::activated, this, [this] { TurnPage(1); });
    auto *previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    connect(previousPage, &QShortcut::activated, this, [this] { TurnPage(-1); });

    // The HTML pages' browser engine draws its widget through the graphics
    // card where the window system allows it, and a window that meets such
    // a widget only after it was made is made again, which loses its place
    // on the screen. A widget of the same kind from the start (hidden,
    // never loaded) has the sheet's window made for it once.
    auto *surface = new QQuickWidget(this);
    surface->setObjectName(QStringLiteral("EngineSurface"));
    surface->hide();

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
    CSheetFieldLimits::Lift(*this);
    for (CBookSheetPage *page : qAsConst(m_pages))
        page->LoadFrom(m_book, context);
    CSheetFieldLimits::Apply(*this);
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

void CBookProperties::TurnPage(int step)
{
    const int count = m_tabs->count();
    // Through the tab widget, so that the page being left is asked first.
    m_tabs->setCurrentIndex((m_shownPage + step + count) % count);
    // The focus goes to the page's first field, as Tab would take it there,
    // unless the page has put it somewhere of its own (an HTML editor).
    QWidget *page = m_tabs->currentWidget();
    if (!page || page->isAncestorOf(QApplication::focusWidget()))
        return;
    for (QWidget *next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (!page->isAncestorOf(next))
            break;
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(page) && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
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
    if (const CBookRecord::ColumnLimit *tooLong = book.FirstTooLong()) {
        ShowTooLong(*tooLong, (book.*tooLong->Text).size());
        return;
    }
    book.ISBN = NormalizeIsbn(book.ISBN);
    if (!m_connection || !SaveResolvingConflicts(book)) {
        // Nothing was written, and why has been said; what was typed stays
        // here to be saved again or cancelled.
        return;
    }
    m_saved = !book.SkippedDuplicate;
    m_book = book;
    QDialog::accept();
}

void CBookProperties::ShowTooLong(const CBookRecord::ColumnLimit &limit, int length)
{
    ShowMessage(
        CBookRecord::TooLongMessage(CSheetFieldLimits::Caption(*this, limit), length, limit.Limit),
        MsgIcon::Warning);
    // The field is shown with what does not fit selected, ready to go.
    QWidget *field = CSheetFieldLimits::Field(*this, limit);
    if (!field)
        return;
    for (int index = 0; index < m_pages.size(); ++index) {
        if (index != m_shownPage && m_pages[index]->isAncestorOf(field)) {
            SwitchTo(index);
            m_shownPage = index;
            m_pages[index]->PageShown();
        }
    }
    field->setFocus();
    if (QLineEdit *line = CSheetFieldLimits::TypingLine(field))
        line->setSelection(limit.Limit, length - limit.Limit);
}

bool CBookProperties::SaveResolvingConflicts(CBookRecord &book)
{
    for (;;) {
        // Taken just before the save, so that undoing it gives back what it replaced.
        std::unique_ptr<CSaveBookCommand> command;
        if (m_doc)
            command = std::make_unique<CSaveBookCommand>(*m_doc, m_newBook ? 0 : book.BookID,
                                                         book.Title, TablesGainingRows());
        if (SaveWithLoansAndReadings(book)) {
            if (command) {
                if (m_newBook)
                    command->SetNewBookId(g_lastSavedBookId);
                CLibraryUndo::Of(*m_doc).Push(std::move(command));
            }
            return true;
        }
        if (book.SkippedDuplicate)
            return true;
        switch (book.Conflict) {
        case CBookRecord::SaveConflict::None:
            return false; // the save has shown the database's reason
        case CBookRecord::SaveConflict::ChangedSinceRead:
            switch (ShowMessage(
                tr("Someone else changed this book in the library after you opened it.\n"
                   "Click \"Yes\" to save your changes over theirs, \"No\" to see their "
                   "version here instead of yours, or \"Cancel\" to go back to your changes."),
                MsgIcon::Question, MsgButtons::YesNoCancel)) {
            case MsgAnswer::Yes:
                book.StoredState.clear(); // whatever is stored now gives way
                continue;
            case MsgAnswer::No:
                ReloadFromLibrary();
                return false;
            default:
                return false;
            }
        case CBookRecord::SaveConflict::DeletedSinceRead:
            if (ShowMessage(tr("Someone else deleted this book from the library after you "
                               "opened it.\nWould you like to add it as a new book?"),
                            MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
                return false;
            // Its categories went with it: it goes where a new book would.
            m_newBook = true;
            if (!IsTargetCategory(m_categoryId))
                m_categoryId = kBookCollection;
            continue;
        }
    }
}

QStringList CBookProperties::TablesGainingRows() const
{
    QStringList tables;
    if (m_loansPage->ChangesSeries())
        tables += QStringLiteral("bookseries");
    if (m_loansPage->Edits().HasNewLoans())
        tables += QStringLiteral("borrower");
    return tables;
}

bool CBookProperties::SaveWithLoansAndReadings(CBookRecord &book)
{
    // A new book's loans and readings are rows of its record, which its
    // save writes; so are a stored book's that nobody changed here.
    const CLoanReadingEdits &edits = m_loansPage->Edits();
    if (m_newBook || !edits.HasChanges())
        return book.Save(m_newBook, m_categoryId, m_imagesDir, *m_connection);

    // A stored book's changed rows go in with the book or not at all. The
    // record stays as it was when they cannot, to be saved again.
    const CBookRecord unsaved = book;
    const auto refused = [&](const QString &reason) {
        ShowMessage(reason, MsgIcon::Warning);
        book = unsaved;
        return false;
    };
    CTransaction transaction(*m_connection);
    if (!transaction.IsActive())
        return refused(transaction.Error());
    CDeferredCovers covers(*m_connection, m_imagesDir);
    if (!book.Save(false, m_categoryId, m_imagesDir, *m_connection))
        return false; // said, or a conflict to ask about once the lock is gone
    QString error;
    if (!edits.Write(book.BookID, *m_connection, &error))
        return refused(error);
    if (!transaction.Commit())
        return refused(transaction.Error());
    if (!covers.PlaceAll())
        ShowMessage(FormatMessage(204, {m_imagesDir}), MsgIcon::Warning);
    return true;
}

void CBookProperties::ReloadFromLibrary()
{
    CBookRecord stored;
    bool found = false;
    if (!stored.Load(m_book.BookID, *m_connection, CBookRecord::LoadFor::Editing, &found) || !found)
        return;
    SetBook(stored, false, m_categoryId, *m_connection, m_imagesDir);
}

void CBookProperties::done(int result)
{
    WriteProfileInt(kSection, kWidth, width());
    WriteProfileInt(kSection, kHeight, height());
    QDialog::done(result);
}

int CBookProperties::RunEdit(QWidget *parent, CTomeloDoc &doc, int bookId)
{
    if (!doc.IsLibraryOpen())
        return 0;
    CBookRecord book;
    if (!book.Load(bookId, *doc.m_connection))
        return 0;
    CBookProperties sheet(LoadString(177), parent);
    sheet.m_doc = &doc;
    sheet.SetBook(book, false, doc.m_currentCategoryId, *doc.m_connection, TomeloApp().m_imagesDir);
    if (sheet.exec() != QDialog::Accepted || !sheet.Saved())
        return 0;
    return g_lastSavedBookId;
}

int CBookProperties::RunAdd(QWidget *parent, CTomeloDoc &doc, const CBookRecord &book)
{
    if (!doc.IsLibraryOpen())
        return 0;
    CBookProperties sheet(LoadString(176), parent);
    sheet.m_doc = &doc;
    sheet.SetBook(book, true, doc.m_currentCategoryId, *doc.m_connection, TomeloApp().m_imagesDir);
    if (sheet.exec() != QDialog::Accepted || !sheet.Saved())
        return 0;
    return g_lastSavedBookId;
}
