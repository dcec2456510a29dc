-- The library template: every new library is a copy of the database built
-- from this file. Column types are chosen so that values read back the way
-- the program shows them: CURRENCY prices ("20", "12.99"), a SINGLE rating
-- ("4.50"), a DOUBLE size, a BOOLEAN flag ("-1"/"0") and DATETIME dates
-- ("Jan 05, 2004"). Every text column compares without regard to letter case
-- through the FOLDCASE collation that each connection of the program registers.

CREATE TABLE bookpublisher (PublisherID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE booklanguage (LanguageID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE bookbinding (BindingID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE bookextras (ExtrasID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE bookstore (StoreID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE booklocation (LocationID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE bookformat (FormatID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);
CREATE TABLE bookstatus (StatusID INTEGER PRIMARY KEY, Name TEXT COLLATE FOLDCASE);

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
    Name TEXT COLLATE FOLDCASE,
    ParentID INTEGER REFERENCES category (CatID) ON DELETE CASCADE,
    Notes LONGTEXT COLLATE FOLDCASE,
    OperationDate DATETIME DEFAULT (date('now', 'localtime'))
);
CREATE INDEX category_parent ON category (ParentID);

CREATE TABLE book (
    BookID INTEGER PRIMARY KEY,
    Title TEXT COLLATE FOLDCASE,
    Subtitle TEXT COLLATE FOLDCASE,
    URL TEXT COLLATE FOLDCASE,
    Author TEXT COLLATE FOLDCASE,
    Edition TEXT COLLATE FOLDCASE,
    PublisherID INTEGER,
    ISBN TEXT COLLATE FOLDCASE,
    PageCount INTEGER,
    LanguageID INTEGER,
    BindingID INTEGER,
    Dimension TEXT COLLATE FOLDCASE,
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
    UserText1 TEXT COLLATE FOLDCASE,
    UserText2 TEXT COLLATE FOLDCASE,
    FormatID INTEGER,
    BookSize DOUBLE,
    Description LONGTEXT COLLATE FOLDCASE,
    Notes LONGTEXT COLLATE FOLDCASE,
    FrontCover TEXT COLLATE FOLDCASE,
    BackCover TEXT COLLATE FOLDCASE
);
CREATE INDEX book_isbn ON book (ISBN);
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
    Name TEXT COLLATE FOLDCASE,
    Path TEXT COLLATE FOLDCASE,
    Notes LONGTEXT COLLATE FOLDCASE
);
CREATE INDEX link_book ON link (BookID, LinkID);

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
