#pragma once

#include <QString>
#include <QVector>

class CLibraryConnection;

// Changes of which categories books belong to, each done as one transaction.
// A failing statement is reported through the prompt, the library is left as
// it was and false is returned.

// Send To: each book joins `categoryId` unless it is already there; books
// already there are passed over silently.
bool SendBooksTo(const QVector<quint32> &bookIds, int categoryId, CLibraryConnection &connection);

// Paste and drop of books: adds the memberships that are missing and reports
// the duplicates (message 162).
bool PasteBooksInto(const QVector<quint32> &bookIds, int categoryId,
                    CLibraryConnection &connection);

// How many of `bookIds` belong to `categoryIds` (one category, or a whole
// branch) and to no category outside them: taken out of them, they land in
// the Recycle Bin. -1 when the library cannot be read.
int CountBooksOnlyIn(const QVector<quint32> &bookIds, const QVector<int> &categoryIds,
                     CLibraryConnection &connection);

// Remove Book as seen from `currentCategoryId`: from All Books a book leaves
// every category (and so lands in the Recycle Bin); in the Recycle Bin it is
// deleted for good together with its cover files in `imagesDir`; elsewhere it
// leaves that one category.
bool RemoveBooks(const QVector<quint32> &bookIds, int currentCategoryId, const QString &imagesDir,
                 CLibraryConnection &connection);
