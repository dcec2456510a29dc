#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class CLibraryConnection;

// The rows of a library that one change may touch. Tables are found by
// their columns, not listed: every table with a BookID column holds rows of
// books, every table with a CatID column rows of categories, so tables that
// later versions add are covered as soon as they exist.
struct CSnapshotScope
{
    // Every row that names one of these books in a BookID column.
    QVector<qint64> bookIds;
    // Every row that names one of these categories in a CatID column.
    QVector<qint64> categoryIds;
    // Every row of these tables.
    QStringList wholeTables;
    // Every row of the tables of names (publishers, languages, bindings,
    // extras, stores, locations, formats, statuses). A name is only taken
    // away again while no book outside the change uses it.
    bool nameTables = false;

    // The rows of these books.
    static CSnapshotScope ForBooks(const QVector<quint32> &ids);
    // The category table and the rows naming these categories.
    static CSnapshotScope ForCategories(const QVector<int> &ids);

    // Adds what `other` covers.
    void Add(const CSnapshotScope &other);
    bool IsEmpty() const;
};

// A copy of the rows a scope covers, exactly as stored (NULL, numbers, texts
// and blobs keep their kind), taken before or after a change, and written
// back to undo or redo it. Rows keep their keys (BookID, CatID, ...), so
// whatever names them elsewhere stays valid.
class CRowSnapshot
{
public:
    // Reads every row `scope` covers. False with `error` set when the
    // library cannot be read.
    bool Capture(const CSnapshotScope &scope, CLibraryConnection &connection, QString *error);

    // Widens the scope after the fact by rows that did not exist when this
    // snapshot was taken (the books and categories a change made): writing
    // the snapshot back removes them.
    void AddAbsentRows(const CSnapshotScope &scope) { m_scope.Add(scope); }

    const CSnapshotScope &Scope() const { return m_scope; }
    int RowCount() const;
    // The cover file names the book rows hold (FrontCover, BackCover), the
    // plain file names only.
    QStringList CoverNames() const;
    // Same rows in every table (rows are compared by their stored values).
    bool SameRows(const CRowSnapshot &other) const;

    enum class Outcome
    {
        Restored,
        ChangedMeanwhile, // the rows are no longer `expected`; nothing written
        Failed,
    };
    // Makes the library's rows in this snapshot's scope what this snapshot
    // holds, in one transaction, provided they are still `expected` (a
    // snapshot of the same scope); otherwise writes nothing, and `found`
    // gets what is there now. Rows that did not change are not written.
    Outcome RestoreOver(const CRowSnapshot &expected, CLibraryConnection &connection,
                        CRowSnapshot *found, QString *error) const;

private:
    struct CTable
    {
        QString name;
        QStringList columns;
        QVector<int> keyColumns; // the primary key; empty when the table has none
        QString condition;       // the rows in scope, as SQL
        bool guardedNames = false;
        // Sorted by key, then row: each row's values, and its key's alone.
        QVector<QByteArray> keys;
        QVector<QByteArray> rows;
    };
    const CTable *Table(const QString &name) const;
    // Reads the rows of `table` in scope (its condition) again.
    static bool ReadRows(CTable &table, CLibraryConnection &connection, QString *error);
    static bool SameTableRows(const CTable *a, const CTable *b);
    static bool RestoreTable(const CTable &now, const CTable *target,
                             CLibraryConnection &connection, QString *error);

    CSnapshotScope m_scope;
    QVector<CTable> m_tables;
};
