#pragma once

#include <QPair>
#include <QString>
#include <QVector>

class CLibraryConnection;
class CTransaction;

// The lookup tables whose names a person tidies: each one a table of names
// and the column of `book` that refers to it.
enum class NameKind
{
    Publisher,
    Language,
    Binding,
    Store,
    Location,
    Format
};

inline constexpr NameKind kTidyNameKinds[] = {NameKind::Publisher, NameKind::Language,
                                              NameKind::Binding,   NameKind::Store,
                                              NameKind::Location,  NameKind::Format};

// One name of a table as listed: its row and how many books carry it.
struct CNameUse
{
    int id = 0;
    QString name;
    int books = 0;
};

// What one tidying step changed, enough to take it back and to make it again:
// the rows it deleted, the name it gave the row it kept, and every book it
// moved from one name to another.
struct CNameTidyChange
{
    NameKind kind = NameKind::Publisher;
    QVector<CNameUse> deletedRows;     // id and name as they were (books 0)
    int keptId = 0;                    // 0 when no row was kept (a deletion)
    QString keptOldName;               // the kept row's name before
    QString keptNewName;               // and after
    QVector<QPair<qint64, int>> books; // book and the name it had before

    int MergedCount() const { return deletedRows.size() + (keptId != 0 ? 1 : 0); }
};

// Lists the names of a lookup table with their book counts, merges several
// names into one, renames a name and deletes names no book carries. Names
// are compared without regard to letter case in any alphabet, as the book
// sheet finds them. Each step is one transaction, and checks first that the
// names it was given are still what the library holds: another program may
// have changed them since they were listed.
class CNameTidy
{
public:
    enum class Outcome
    {
        Done,
        // The names given are no longer as listed (renamed or deleted by
        // another program); nothing was changed.
        ChangedElsewhere,
        // The database refused; Error() tells why and nothing was changed.
        Failed
    };

    explicit CNameTidy(CLibraryConnection &connection) : m_connection(connection) {}

    static QString TableName(NameKind kind);
    // The column of `book` (and the table's key) that holds the identifier.
    static QString KeyColumn(NameKind kind);

    // Every name of the table with its book count, in the lists' order
    // (letter case aside, accented letters beside their base letters).
    bool List(NameKind kind, QVector<CNameUse> &out);

    // A row whose name equals `name` without regard to letter case, other
    // than those of `exceptIds`; 0 when there is none (or the query failed).
    int FindOther(NameKind kind, const QString &name, const QVector<int> &exceptIds);

    // Makes `names` one name called `keptName` (trimmed): every book of them
    // carries the kept row afterwards and the other rows are deleted. The
    // row kept is the one already called `keptName` (spelt so first, then
    // letter case aside), among `names` or else anywhere in the table;
    // failing both, the one of `names` with the most books, renamed. Every
    // other row of that name joins the merge, so that a name stays one row.
    // One name and a new text is a rename.
    Outcome Merge(NameKind kind, const QVector<CNameUse> &names, const QString &keptName,
                  CNameTidyChange *change = nullptr);

    // Deletes those of `names` that no book carries now; names that a book
    // carries are kept, whatever the list said. `deleted` counts the rows gone.
    Outcome DeleteUnused(NameKind kind, const QVector<CNameUse> &names, int *deleted = nullptr,
                         CNameTidyChange *change = nullptr);

    // The database's description of the last failure.
    QString Error() const { return m_error; }

private:
    // Rows of an identifier, a name and perhaps a book count from `sql`.
    bool ReadUses(const QString &sql, QVector<CNameUse> &out);
    // The rows of the table now; false on a database error.
    bool ReadRows(NameKind kind, QVector<CNameUse> &rows);
    // The start of a step inside `transaction`: reads the table's rows and
    // checks that `names` are still as listed.
    Outcome BeginStep(CTransaction &transaction, NameKind kind, const QVector<CNameUse> &names,
                      QVector<CNameUse> &rows);
    bool Commit(CTransaction &transaction);
    bool Exec(const QString &sql);
    bool ReadBooksOf(NameKind kind, const QString &idList, QVector<QPair<qint64, int>> &books);

    CLibraryConnection &m_connection;
    QString m_error;
};
