#pragma once

#include "book/BookSheetPage.h"
#include "db/BookRecord.h"

#include <QDialog>
#include <QList>

class CBookLoansPage;
class CTomeloDoc;
class QTabWidget;

// The modal sheet in which one book is added or edited: the book's pages
// as tabs, OK and Cancel. OK checks what was typed and saves the book
// through its record in one go; Cancel writes nothing.
class CBookProperties : public QDialog
{
    Q_OBJECT

public:
    // `caption` is "Add Book" or "Edit Book" (strings 176 and 177).
    explicit CBookProperties(const QString &caption, QWidget *parent = nullptr);
    ~CBookProperties() override;

    // The book to show, whether it is a new one (then saved into
    // `categoryId`), and the open library; fills every page. The
    // connection must outlive the sheet.
    void SetBook(const CBookRecord &book, bool newBook, int categoryId,
                 CLibraryConnection &connection, const QString &imagesDir);

    // After OK: the record as it was saved, and whether it was written
    // (a duplicate the user chose to skip is not).
    const CBookRecord &Book() const { return m_book; }
    bool Saved() const { return m_saved; }

    QTabWidget *Tabs() const { return m_tabs; }
    CBookSheetPage *Page(int index) const { return m_pages.value(index); }

    // Checks the page being left and the field lengths, then saves. A save
    // that fails keeps the sheet open with everything typed; the reason has
    // been shown. When someone else changed the book meanwhile, asks whether
    // to overwrite their changes, show them instead, or go back; when they
    // deleted it, whether to add it as a new book.
    void accept() override;
    void done(int result) override;

    // Edit Book: the sheet on the stored book `bookId` of the document's
    // library. The saved book's identifier (another one when the book had
    // been deleted meanwhile and was added again), or 0 when nothing was
    // written.
    static int RunEdit(QWidget *parent, CTomeloDoc &doc, int bookId);
    // Add Book: the sheet on `book` as a new book of the document's current
    // category. The new book's identifier, or 0 when nothing was written.
    static int RunAdd(QWidget *parent, CTomeloDoc &doc, const CBookRecord &book);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Saves `book`; when the stored book changed or went away since the
    // sheet read it, asks what to do about it. True when the sheet may
    // close (saved, or a duplicate skipped).
    bool SaveResolvingConflicts(CBookRecord &book);
    // Saves `book` once; a stored book's loans and readings changed on
    // their page are written in the same transaction.
    bool SaveWithLoansAndReadings(CBookRecord &book);
    // The tables of names the save may add to (a new series, a new
    // borrower), which its undo step takes whole.
    QStringList TablesGainingRows() const;
    // Names the field whose text is `length` characters, longer than its
    // column, and shows it on its page.
    void ShowTooLong(const CBookRecord::ColumnLimit &limit, int length);
    // Shows the book as the library has it now, in place of what was typed.
    void ReloadFromLibrary();
    void AddPage(CBookSheetPage *page);
    void OnCurrentChanged(int index);
    void SwitchTo(int index);
    // Shows the page `step` pages on (back, when negative), round the end.
    void TurnPage(int step);

    QTabWidget *m_tabs;
    QList<CBookSheetPage *> m_pages;
    CBookLoansPage *m_loansPage;
    int m_shownPage = 0;
    bool m_switching = false;
    bool m_firstShow = true;

    CBookRecord m_book;
    bool m_newBook = false;
    int m_categoryId = 0;
    CLibraryConnection *m_connection = nullptr;
    // The document of RunEdit and RunAdd, whose undo stack takes the save.
    CTomeloDoc *m_doc = nullptr;
    QString m_imagesDir;
    bool m_saved = false;
};
