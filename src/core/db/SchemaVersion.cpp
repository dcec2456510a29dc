#include "db/SchemaVersion.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <iterator>

namespace {

// One upgrade: a library of version `from` becomes version `from` + 1 by
// running `sql` (any number of statements; may be null) and then `apply`
// (for what SQL alone cannot do; may be null).
struct CSchemaStep
{
    int from;
    const char *sql;
    bool (*apply)(CLibraryConnection &connection, QString *error);
};

// In order, one a version, without gaps: the current version is their count.
const CSchemaStep kSteps[] = {
    // Libraries of earlier builds: some lack the index the duplicate check
    // looks up ISBNs by. Their FOLDCASE columns stay as they are, since the
    // program reads them as they are and their indexes are ordered by it.
    {0,
     "CREATE INDEX IF NOT EXISTS book_isbn_normal ON book "
     "(replace(replace(replace(ISBN, '-', ''), ' ', ''), 'x', 'X'))",
     nullptr},
    // When each book was added, kept beside the book row (which stays as it
    // is). Triggers record it, so books added by any program get it, and drop
    // it with the book where the deleting connection has foreign keys off.
    // Books already in the library have no such date and get none: nothing
    // is filled, so the step costs the same for any number of books.
    {1,
     "CREATE TABLE IF NOT EXISTS book_added ("
     "BookID INTEGER PRIMARY KEY REFERENCES book (BookID) ON DELETE CASCADE, Added TEXT); "
     "CREATE TRIGGER IF NOT EXISTS book_added_on_insert AFTER INSERT ON book BEGIN "
     "INSERT OR REPLACE INTO book_added (BookID, Added) VALUES (NEW.BookID, datetime('now')); "
     "END; "
     "CREATE TRIGGER IF NOT EXISTS book_added_on_delete AFTER DELETE ON book BEGIN "
     "DELETE FROM book_added WHERE BookID = OLD.BookID; END",
     nullptr},
    // Loans with their borrowers, series and readings, each in a table of its
    // own keyed by BookID. Triggers keep the rules where the writing
    // connection has foreign keys off: a deleted book takes its rows along,
    // a borrower with loans cannot be deleted. Partial indexes hold one open
    // loan a book and find open loans by direction and due date.
    {2,
     "CREATE TABLE IF NOT EXISTS borrower (BorrowerID INTEGER PRIMARY KEY, "
     "Name TEXT NOT NULL COLLATE NOCASE, Contact TEXT COLLATE NOCASE); "
     "CREATE UNIQUE INDEX IF NOT EXISTS borrower_name ON borrower (Name); "
     "CREATE TABLE IF NOT EXISTS loan (LoanID INTEGER PRIMARY KEY, "
     "BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE, "
     "BorrowerID INTEGER NOT NULL REFERENCES borrower (BorrowerID), "
     "Direction TEXT NOT NULL CHECK (Direction IN ('lent', 'borrowed')), "
     "LoanDate TEXT NOT NULL, DueDate TEXT, ReturnDate TEXT, Notes LONGTEXT COLLATE NOCASE); "
     "CREATE INDEX IF NOT EXISTS loan_book ON loan (BookID, LoanDate); "
     "CREATE INDEX IF NOT EXISTS loan_borrower ON loan (BorrowerID); "
     "CREATE UNIQUE INDEX IF NOT EXISTS loan_open_book ON loan (BookID) "
     "WHERE ReturnDate IS NULL; "
     "CREATE INDEX IF NOT EXISTS loan_open_due ON loan (Direction, DueDate) "
     "WHERE ReturnDate IS NULL; "
     "CREATE TABLE IF NOT EXISTS bookseries (SeriesID INTEGER PRIMARY KEY, "
     "Name TEXT NOT NULL COLLATE NOCASE); "
     "CREATE UNIQUE INDEX IF NOT EXISTS bookseries_name ON bookseries (Name); "
     "CREATE TABLE IF NOT EXISTS book_series ("
     "BookID INTEGER PRIMARY KEY REFERENCES book (BookID) ON DELETE CASCADE, "
     "SeriesID INTEGER NOT NULL REFERENCES bookseries (SeriesID), Number TEXT COLLATE NOCASE); "
     "CREATE INDEX IF NOT EXISTS book_series_series ON book_series (SeriesID); "
     "CREATE TABLE IF NOT EXISTS reading (ReadingID INTEGER PRIMARY KEY, "
     "BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE, "
     "Started TEXT, Finished TEXT, Notes LONGTEXT COLLATE NOCASE); "
     "CREATE INDEX IF NOT EXISTS reading_book ON reading (BookID, Started); "
     "CREATE TRIGGER IF NOT EXISTS book_loans_on_delete AFTER DELETE ON book BEGIN "
     "DELETE FROM loan WHERE BookID = OLD.BookID; "
     "DELETE FROM book_series WHERE BookID = OLD.BookID; "
     "DELETE FROM reading WHERE BookID = OLD.BookID; END; "
     "CREATE TRIGGER IF NOT EXISTS borrower_keep_with_loans BEFORE DELETE ON borrower "
     "WHEN EXISTS (SELECT 1 FROM loan WHERE BorrowerID = OLD.BorrowerID) BEGIN "
     "SELECT RAISE(ABORT, 'the borrower has loans'); END",
     nullptr},
};

// The tables the program reads and writes, with their columns, and the
// version that brought each in. Later versions add rows here.
struct CRequiredTable
{
    int since;
    const char *table;
    const char *columns; // separated by spaces
};

const CRequiredTable kRequiredTables[] = {
    {0, "bookpublisher", "PublisherID Name"},
    {0, "booklanguage", "LanguageID Name"},
    {0, "bookbinding", "BindingID Name"},
    {0, "bookextras", "ExtrasID Name"},
    {0, "bookstore", "StoreID Name"},
    {0, "booklocation", "LocationID Name"},
    {0, "bookformat", "FormatID Name"},
    {0, "bookstatus", "StatusID Name"},
    {0, "category", "CatID Name ParentID Notes OperationDate"},
    {0, "book",
     "BookID Title Subtitle URL Author Edition PublisherID ISBN PageCount LanguageID BindingID "
     "Dimension ExtrasID ReleaseDate PurchaseDate StoreID PurchasePrice ListPrice AmazonPrice "
     "CurrentPage EBookOnly LocationID StatusID AmazonRating NumOfReviews MyRating UserText1 "
     "UserText2 FormatID BookSize Description Notes FrontCover BackCover"},
    {0, "book_category", "BookID CatID"},
    {0, "link", "BookID LinkID Name Path Notes"},
    {2, "book_added", "BookID Added"},
    {3, "borrower", "BorrowerID Name Contact"},
    {3, "loan", "LoanID BookID BorrowerID Direction LoanDate DueDate ReturnDate Notes"},
    {3, "bookseries", "SeriesID Name"},
    {3, "book_series", "BookID SeriesID Number"},
    {3, "reading", "ReadingID BookID Started Finished Notes"},
};

// The columns of `table` in lower case (SQLite matches names without regard
// to case); empty when there is no such table.
QStringList ColumnsOf(CLibraryConnection &connection, const QString &table, bool *ok)
{
    QStringList columns;
    CRecordset rs(connection);
    *ok = rs.Open(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
    while (*ok && !rs.IsEOF()) {
        columns += QString::fromUtf8(rs.GetUtf8(0)).toLower();
        *ok = rs.MoveNext() || !rs.HasError();
    }
    return columns;
}

} // namespace

int CSchemaVersion::Current()
{
    return int(std::size(kSteps));
}

bool CSchemaVersion::Read(CLibraryConnection &connection, int *version, QString *error)
{
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("PRAGMA user_version")) || rs.IsEOF()) {
        if (error)
            *error = connection.LastError();
        return false;
    }
    *version = int(rs.GetInteger(0));
    return true;
}

QMap<QString, QStringList> CSchemaVersion::RequiredColumns(int version)
{
    QMap<QString, QStringList> tables;
    for (const CRequiredTable &table : kRequiredTables) {
        if (table.since <= version)
            tables.insert(QString::fromLatin1(table.table),
                          QString::fromLatin1(table.columns).split(u' '));
    }
    return tables;
}

QStringList CSchemaVersion::MissingParts(CLibraryConnection &connection, int version)
{
    QStringList missing;
    const QMap<QString, QStringList> required = RequiredColumns(version);
    for (auto it = required.cbegin(); it != required.cend(); ++it) {
        bool ok = false;
        const QStringList present = ColumnsOf(connection, it.key(), &ok);
        if (!ok || present.isEmpty()) {
            missing += QCoreApplication::translate("Messages", "the table %1").arg(it.key());
            continue;
        }
        for (const QString &column : it.value()) {
            if (!present.contains(column.toLower()))
                missing += QCoreApplication::translate("Messages", "the column %1.%2")
                               .arg(it.key(), column);
        }
    }
    return missing;
}

bool CSchemaVersion::Upgrade(CLibraryConnection &connection, int fromVersion, QString *error)
{
    for (const CSchemaStep &step : kSteps) {
        if (step.from < fromVersion)
            continue;
        if (step.sql && !connection.Execute(QString::fromUtf8(step.sql), error))
            return false;
        if (step.apply && !step.apply(connection, error))
            return false;
    }
    return connection.Execute(QStringLiteral("PRAGMA user_version=%1").arg(Current()), error);
}

QString CSchemaVersion::BackupPath(const QString &libraryPath, int version)
{
    return libraryPath + QStringLiteral(".bak-%1").arg(version);
}
