#pragma once

#include <QString>
#include <QVector>

class CLibraryConnection;

// Category identifiers with a fixed meaning. Rows 1 to 4 exist in every
// library; All Books and the Recycle Bin exist only in the tree.
enum CategoryId : int
{
    kNoCategory = -1,
    kBookCollection = 1,
    kFavorites = 2,
    kSearchResults = 3,
    kReadingList = 4,
    kAllBooks = 5,
    kRecycleBin = 6,
    kFirstUserCategory = 32,
};

// A category the user made (identifier 32 or more).
inline bool IsUserCategory(int id)
{
    return id >= kFirstUserCategory;
}

// Where sub categories and new books may go: the root or a user category.
inline bool IsTargetCategory(int id)
{
    return id == kBookCollection || IsUserCategory(id);
}

struct CCategoryRow
{
    int id = 0;
    int parentId = 0; // 0 for a top-level row (NULL in the library)
    QString name;
};

// What the category properties show of an existing category.
struct CCategoryInfo
{
    QString name;
    QString notes;
    QString operationDate; // in the user's date and time format
    int bookCount = 0;     // its own memberships, not those of sub categories
    int subCategoryCount = 0;
};

// What removing a category takes with it. Its books stay in the library:
// those in no category outside the removed ones land in the Recycle Bin.
struct CCategoryRemoval
{
    QString name;
    int subCategoryCount = 0; // at every level below it
    int bookCount = 0;        // distinct books in it and its sub categories
    int booksToRecycleBin = 0;
};

// Reads and changes the category rows of a library. Every failing statement
// is reported through the prompt and the operation returns false, leaving the
// library as it was.
class CCategoryStore
{
public:
    explicit CCategoryStore(CLibraryConnection &connection) : m_connection(connection) {}

    // Every row of the category table, in the database's order.
    bool ReadAll(QVector<CCategoryRow> &rows);

    // Adds a category below `parentId` with the next free identifier (the
    // largest one plus one, at least 32). Returns the new identifier, or 0.
    int Add(const QString &name, const QString &notes, int parentId);

    // False without a message when the row cannot be read or is missing.
    bool ReadInfo(int id, CCategoryInfo &info);

    bool Update(int id, const QString &name, const QString &notes);

    // What Remove(id) would do; false without a message when the category
    // cannot be read or is missing.
    bool ReadRemoval(int id, CCategoryRemoval &removal);

    // Removes the category; its sub categories and the memberships of all of
    // them go with it.
    bool Remove(int id);

    // Puts `id` below `newParentId`. Refuses (without a statement) to move a
    // category below itself or one of its descendants, which would cut the
    // branch off the tree.
    bool Move(int id, int newParentId);

    // True when `ancestorId` is `id` or lies on the parent chain of `id`.
    bool IsSelfOrAncestor(int ancestorId, int id);

private:
    CLibraryConnection &m_connection;
};
