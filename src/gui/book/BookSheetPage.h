#pragma once

#include <QString>
#include <QWidget>

class CBookRecord;
class CLibraryConnection;

// What every page of the book property sheet may need besides the record.
struct CBookSheetContext
{
    bool NewBook = false;                     // adding a book rather than editing one
    CLibraryConnection *Connection = nullptr; // the open library (lookup lists)
    QString ImagesDir;                        // the library's cover folder
};

// One page of the book property sheet. The sheet gives every page the book
// when it opens, asks the page being left (and the active page on OK)
// whether it may be left, and on OK collects every page's fields into the
// record before the save. A page that was never shown hands back exactly
// what it was given, so a field the user never saw is saved unchanged.
class CBookSheetPage : public QWidget
{
public:
    using QWidget::QWidget;

    // The tab's caption, with its mnemonic ("&General").
    virtual QString Caption() const = 0;

    // Called once, before the sheet is shown.
    virtual void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) = 0;

    // Called each time the page becomes the shown page (the first time is
    // where an expensive page builds its content).
    virtual void PageShown() {}

    // Called when the user leaves the page or presses OK on it: false keeps
    // the page shown (the page has told the user why).
    virtual bool MayLeave() { return true; }

    // Writes the page's fields into the record (on OK, for every page).
    virtual void StoreTo(CBookRecord &book) const = 0;
};
