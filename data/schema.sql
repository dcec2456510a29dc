-- The library template: every new library is a copy of the database built
-- from this file. Column types are chosen so that values read back the way
-- the program shows them: CURRENCY prices ("20", "12.99"), a SINGLE rating
-- ("4.50"), a DOUBLE size, a BOOLEAN flag ("-1"/"0") and DATETIME dates
-- ("Jan 05, 2004"). The program stores every date as ISO 8601 text
-- ("2004-01-05", with " 13:45:00" only when there is a time), so dates sort
-- and compare in order as plain text, in any tool.
--
-- Letter case: every text column is declared with SQLite's built-in NOCASE,
-- so any SQLite tool (the sqlite3 shell, Python, report tools) reads, sorts,
-- filters and writes a library with nothing registered, and every index
-- stays in the same order whoever writes. NOCASE folds the ASCII letters
-- A-Z only: to another tool "Éditions" and "éditions" are different names,
-- and accented letters sort after "z".
--
-- The program adds, on its own connection and without touching any index:
-- a LIKE that ignores letter case in every alphabet (Basic Search, and LIKE
-- in Run SQL); name lookups that find a stored name in any letter case; the
-- book list and the lookup lists in alphabetical order with accented
-- letters beside their base letters; and the FOLDCASE collation, which
-- libraries made by earlier builds declare their columns with and which Run
-- SQL may name ("WHERE Name = 'éditions gallimard' COLLATE FOLDCASE").

CREATE TABLE bookpublisher (PublisherID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE booklanguage (LanguageID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE bookbinding (BindingID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE bookextras (ExtrasID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE bookstore (StoreID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE booklocation (LocationID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE bookformat (FormatID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);
CREATE TABLE bookstatus (StatusID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);

CREATE INDEX bookpublisher_name ON bookpublisher (Name);
CREATE INDEX booklanguage_name ON booklanguage (Name);
CREATE INDEX bookbinding_name ON bookbinding (Name);
CREATE INDEX bookextras_name ON bookextras (Name);
CREATE INDEX bookstore_name ON bookstore (Name);
CREATE INDEX booklocation_name ON booklocation (Name);
CREATE INDEX bookformat_name ON bookformat (Name);
CREATE INDEX bookstatus_name ON bookstatus (Name);

-- Removing a category removes its sub categories (recursively) and the
-- memberships of all of them.
CREATE TABLE category (
    CatID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    ParentID INTEGER REFERENCES category (CatID) ON DELETE CASCADE,
    Notes LONGTEXT COLLATE NOCASE,
    OperationDate DATETIME DEFAULT (date('now', 'localtime'))
);
CREATE INDEX category_parent ON category (ParentID);

CREATE TABLE book (
    BookID INTEGER PRIMARY KEY,
    Title TEXT COLLATE NOCASE,
    Subtitle TEXT COLLATE NOCASE,
    URL TEXT COLLATE NOCASE,
    Author TEXT COLLATE NOCASE,
    Edition TEXT COLLATE NOCASE,
    PublisherID INTEGER,
    ISBN TEXT COLLATE NOCASE,
    PageCount INTEGER,
    LanguageID INTEGER,
    BindingID INTEGER,
    Dimension TEXT COLLATE NOCASE,
    ExtrasID INTEGER,
    ReleaseDate DATETIME,
    PurchaseDate DATETIME,
    StoreID INTEGER,
    PurchasePrice CURRENCY,
    ListPrice CURRENCY,
    AmazonPrice CURRENCY,
    CurrentPage INTEGER,
    EBookOnly BOOLEAN DEFAULT 0,
    LocationID INTEGER,
    StatusID INTEGER,
    AmazonRating SINGLE,
    NumOfReviews INTEGER,
    MyRating INTEGER,
    UserText1 TEXT COLLATE NOCASE,
    UserText2 TEXT COLLATE NOCASE,
    FormatID INTEGER,
    BookSize DOUBLE,
    Description LONGTEXT COLLATE NOCASE,
    Notes LONGTEXT COLLATE NOCASE,
    FrontCover TEXT COLLATE NOCASE,
    BackCover TEXT COLLATE NOCASE
);
CREATE INDEX book_isbn ON book (ISBN);
-- The duplicate check compares ISBNs without hyphens and spaces.
CREATE INDEX book_isbn_normal ON book (replace(replace(replace(ISBN, '-', ''), ' ', ''), 'x', 'X'));
CREATE INDEX book_title ON book (Title);

-- Deleting a book removes its memberships and links.
CREATE TABLE book_category (
    BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE,
    CatID INTEGER NOT NULL REFERENCES category (CatID) ON DELETE CASCADE,
    PRIMARY KEY (BookID, CatID)
) WITHOUT ROWID;
CREATE INDEX book_category_cat ON book_category (CatID, BookID);

CREATE TABLE link (
    BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE,
    LinkID INTEGER NOT NULL,
    Name TEXT COLLATE NOCASE,
    Path TEXT COLLATE NOCASE,
    Notes LONGTEXT COLLATE NOCASE
);
CREATE INDEX link_book ON link (BookID, LinkID);

-- When each book was added to the library, in UTC ("2026-03-15 18:04:09";
-- datetime(Added, 'localtime') gives the local time), kept beside the book
-- row. The triggers record it whoever adds the book, this program or any
-- other tool, and drop it with the book also where foreign keys are off.
-- Books of libraries made before it have no row here.
CREATE TABLE book_added (
    BookID INTEGER PRIMARY KEY REFERENCES book (BookID) ON DELETE CASCADE,
    Added TEXT
);
CREATE TRIGGER book_added_on_insert AFTER INSERT ON book BEGIN
    INSERT OR REPLACE INTO book_added (BookID, Added) VALUES (NEW.BookID, datetime('now'));
END;
CREATE TRIGGER book_added_on_delete AFTER DELETE ON book BEGIN
    DELETE FROM book_added WHERE BookID = OLD.BookID;
END;

-- Loans, series and readings (library version 3), in tables of their own
-- beside the book row. Dates are ISO 8601 ("2026-12-07"). Names of borrowers
-- and series are unique without regard to letter case.
CREATE TABLE borrower (
    BorrowerID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL COLLATE NOCASE,
    Contact TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX borrower_name ON borrower (Name);

-- Direction 'lent' (our book, out with a borrower) or 'borrowed' (someone
-- else's book, here until returned). A loan is open while ReturnDate is
-- NULL, and a book has at most one open loan.
CREATE TABLE loan (
    LoanID INTEGER PRIMARY KEY,
    BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE,
    BorrowerID INTEGER NOT NULL REFERENCES borrower (BorrowerID),
    Direction TEXT NOT NULL CHECK (Direction IN ('lent', 'borrowed')),
    LoanDate TEXT NOT NULL,
    DueDate TEXT,
    ReturnDate TEXT,
    Notes LONGTEXT COLLATE NOCASE
);
CREATE INDEX loan_book ON loan (BookID, LoanDate);
CREATE INDEX loan_borrower ON loan (BorrowerID);
CREATE UNIQUE INDEX loan_open_book ON loan (BookID) WHERE ReturnDate IS NULL;
CREATE INDEX loan_open_due ON loan (Direction, DueDate) WHERE ReturnDate IS NULL;

CREATE TABLE bookseries (
    SeriesID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL COLLATE NOCASE
);
CREATE UNIQUE INDEX bookseries_name ON bookseries (Name);

-- A book's place in its series; Number is a text such as "3" or "2.5".
CREATE TABLE book_series (
    BookID INTEGER PRIMARY KEY REFERENCES book (BookID) ON DELETE CASCADE,
    SeriesID INTEGER NOT NULL REFERENCES bookseries (SeriesID),
    Number TEXT COLLATE NOCASE
);
CREATE INDEX book_series_series ON book_series (SeriesID);

CREATE TABLE reading (
    ReadingID INTEGER PRIMARY KEY,
    BookID INTEGER NOT NULL REFERENCES book (BookID) ON DELETE CASCADE,
    Started TEXT,
    Finished TEXT,
    Notes LONGTEXT COLLATE NOCASE
);
CREATE INDEX reading_book ON reading (BookID, Started);

-- The same rules for programs that leave foreign keys off: a deleted book
-- takes its loans, series place and readings along, and a borrower who
-- has loans stays.
CREATE TRIGGER book_loans_on_delete AFTER DELETE ON book BEGIN
    DELETE FROM loan WHERE BookID = OLD.BookID;
    DELETE FROM book_series WHERE BookID = OLD.BookID;
    DELETE FROM reading WHERE BookID = OLD.BookID;
END;
CREATE TRIGGER borrower_keep_with_loans BEFORE DELETE ON borrower
WHEN EXISTS (SELECT 1 FROM loan WHERE BorrowerID = OLD.BorrowerID) BEGIN
    SELECT RAISE(ABORT, 'the borrower has loans');
END;

-- Fixed rows; a library made with New Database gets their names in the
-- interface language it was made in.
INSERT INTO category (CatID, Name, ParentID) VALUES (1, 'Book Collection', NULL);
INSERT INTO category (CatID, Name, ParentID) VALUES (2, 'Favorites', NULL);
INSERT INTO category (CatID, Name, ParentID) VALUES (3, 'Search Results', NULL);
INSERT INTO category (CatID, Name, ParentID) VALUES (4, 'Reading List', NULL);
INSERT INTO bookbinding (BindingID, Name) VALUES (1, 'Hardcover');
INSERT INTO bookbinding (BindingID, Name) VALUES (2, 'Paperback');
INSERT INTO bookbinding (BindingID, Name) VALUES (3, 'Unknown Binding');
INSERT INTO bookextras (ExtrasID, Name) VALUES (3, 'Floppy Disk');
INSERT INTO booklanguage (LanguageID, Name) VALUES (1, 'English');
INSERT INTO booklanguage (LanguageID, Name) VALUES (2, 'Chinese');
INSERT INTO bookstatus (StatusID, Name) VALUES (1, 'In Collection');
INSERT INTO bookstatus (StatusID, Name) VALUES (2, 'Wish List');
INSERT INTO bookstatus (StatusID, Name) VALUES (3, 'Reference Only');
INSERT INTO bookstatus (StatusID, Name) VALUES (4, 'For Sale');
