-- The sample library that the program opens when it starts for the first time.

INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (32, 'Classics', 1, 'Novels that have stood the test of time.');
INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (33, 'Science', 1, NULL);
INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (34, 'Computing', 33, 'Programming and computer science.');

INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Penguin Classics');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (2, 'Oxford University Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (3, 'Addison-Wesley Professional');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (4, 'Dover Publications');
INSERT INTO bookstore (StoreID, Name) VALUES (1, 'Corner Bookshop');
INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Living room shelf');
INSERT INTO booklocation (LocationID, Name) VALUES (2, 'Study');
INSERT INTO bookformat (FormatID, Name) VALUES (1, 'PDF');

INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (1, 'Pride and Prejudice', 'Jane Austen', 1, '0141439513', 480, 1, 2, '2002-12-31', 'Mar 14, 2005', 1, 8.5, 9, 7.2, 0, 1, 1, 4.5, 2113, 5,
        '<html><body><p>The story of Elizabeth Bennet and Mr Darcy.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, StatusID, ListPrice, AmazonRating, MyRating)
VALUES (2, 'Moby-Dick', 'Herman Melville', 1, '0142437247', 720, 1, 2, '2003-02-01', 1, 16, 4, 4);
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, StatusID, ListPrice, LocationID, MyRating)
VALUES (3, 'On the Origin of Species', 'By Means of Natural Selection', 'Charles Darwin', 4, '0486450066', 432, 1, 2, '2006-04-28', 1, 12.95, 2, 5);
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, StatusID, ListPrice, AmazonPrice, AmazonRating, NumOfReviews, LocationID)
VALUES (4, 'The C++ Programming Language', 'Bjarne Stroustrup', 'Special Edition', 3, '0201700735', 1030, 1, 1, '2000-02-11', 1, 74.99, 52.49, 4.5, 310, 2);
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, StatusID, ListPrice, EBookOnly, FormatID, BookSize)
VALUES (5, 'Structure and Interpretation of Computer Programs', 'Harold Abelson / Gerald Jay Sussman', 2, '0262510871', 657, 1, 2, '1996-07-25', 3, 50, 1, 1, 3.27);
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, StatusID)
VALUES (6, 'A Brief History of Time', 'Stephen Hawking', NULL, '0553380168', 212, 1, 2, '1998-09-01', 2);

INSERT INTO book_category (BookID, CatID) VALUES (1, 32);
INSERT INTO book_category (BookID, CatID) VALUES (2, 32);
INSERT INTO book_category (BookID, CatID) VALUES (3, 33);
INSERT INTO book_category (BookID, CatID) VALUES (4, 34);
INSERT INTO book_category (BookID, CatID) VALUES (5, 34);
INSERT INTO book_category (BookID, CatID) VALUES (6, 1);
INSERT INTO book_category (BookID, CatID) VALUES (1, 2);
INSERT INTO book_category (BookID, CatID) VALUES (4, 4);

INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (1, 1, 'Jane Austen Society', 'https://www.jasna.org/', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (5, 1, 'Full text', 'https://mitp-content-server.mit.edu/books/content/sectbyfn/books_pres_0/6515/sicp.zip/index.html', 'Free online edition');
