#pragma once

#include "xml/BookXmlReader.h"

#include <QHash>
#include <QString>
#include <QVector>

class CLibraryConnection;

// Puts the categories that a book XML file names for a book back into a
// library: each is found by its path (the names from the top down, as the
// export writes them), and what is missing of it is created below the
// right parent.
//
// - Names match exactly, else without regard to letter case, as the tree
//   sorts them; a name that holds ">>" itself is found when it exists.
// - Favorites and Reading List are known by their fixed identifiers, which
//   every library shares, so they are found whatever language named them;
//   a file without identifiers is matched against the names they have here.
// - The first name of a deeper path is the root of the library that wrote
//   it, whatever it was called there: the rest goes below Book Collection.
// - Search Results, All Books and the Recycle Bin are never places a book is
//   put, and are never created as ordinary categories.
// - Two categories of the same name below the same parent in the file (told
//   apart by their identifiers) stay two when this import creates them.
class CCategoryRestorer
{
public:
    explicit CCategoryRestorer(CLibraryConnection &connection) : m_connection(connection) {}

    // Reads the tree of the library; false (reported) when it cannot.
    bool Load();

    // The categories `categories` name, without repeats, in file order,
    // creating the missing ones. Entries that name no place for a book are
    // left out, so the result may be empty. False when a category could not
    // be created (reported through the prompt); `places` then holds nothing.
    bool Resolve(const QVector<CBookXmlCategory> &categories, QVector<int> &places);

    // Every category created so far, in the order of creation.
    const QVector<int> &CreatedIds() const { return m_created; }

    // Forgets the categories created since CreatedIds() held `count`: their
    // rows were rolled back with the book that asked for them.
    void ForgetCreatedAfter(int count);

private:
    struct CNode
    {
        int parentId = 0;
        QString name;
        QVector<int> children;
        QString createdFor;   // the file's identifier it was created for, if any
        bool created = false; // by this import
    };
    // How far a path reached in the tree: the deepest category found and
    // what of the path is still to be created below it.
    struct CMatch
    {
        int id = 0;
        QString rest;
    };

    int ResolveOne(const CBookXmlCategory &category, bool &failed);
    int SpecialByName(const QString &name) const;
    void Walk(int parentId, const QString &rest, const QString &fileId, CMatch &best) const;
    int Create(int parentId, const QString &rest, const QString &fileId, bool &failed);
    void AddNode(int id, int parentId, const QString &name, const QString &createdFor);

    CLibraryConnection &m_connection;
    QHash<int, CNode> m_nodes;
    QHash<QString, int> m_resolved; // identifier and path -> the place found
    QVector<int> m_created;
};
