#pragma once

#include <QString>
#include <QVector>

#include <functional>

class CLibraryConnection;

struct CXmlImportResult
{
    bool loaded = false;      // false: the file could not be read as book XML (message 143 shown)
    bool completed = false;   // the import ran to its end and was committed
    int found = 0;            // Book elements read
    int imported = 0;         // books written
    int skipped = 0;          // duplicates the user chose to skip
    int failed = 0;           // books whose save failed
    bool cancelled = false;   // stopped by onBookRead: nothing was kept
    QVector<quint32> bookIds; // the books written, in file order
    QVector<int> createdCategoryIds; // categories made for them, parents first
};

struct CXmlImportOptions
{
    // Told, with a text to show, each time the import waits for another
    // program to free the library.
    std::function<void(const QString &status)> onWaiting;
    // How long to keep waiting for a library another program is writing to,
    // beyond the connection's own wait, before giving up.
    int busyWaitSeconds = 60;
    // Told after each book with the number read so far; false cancels the
    // import, which then keeps nothing and says nothing.
    std::function<bool(int booksRead)> onBookRead;
    // Puts each book into the categories the file names for it instead
    // (see CCategoryRestorer), creating the missing ones; a book the file
    // puts in no category still goes into the given one.
    bool restoreCategories = false;
};

// Reads a file in the program's book XML format one book at a time and
// inserts every book as a new book of `categoryId` (or of its own categories,
// see CXmlImportOptions::restoreCategories), all in one transaction.
// A book whose save fails leaves nothing and the others go on; an error
// that ends the transaction (a full disk, an I/O error), an unreadable file
// or a library that stays in use ends the import and keeps nothing of it.
// Covers are copied only from safe picture files (relative paths are taken
// from the file's folder); refused ones are listed in one message. The
// duplicate question of the save goes through the user prompt. Shows the
// summary message (233 and the counts) when the import was committed.
CXmlImportResult ImportBooksXml(const QString &path, int categoryId, const QString &imagesDir,
                                CLibraryConnection &connection,
                                const CXmlImportOptions &options = CXmlImportOptions());
