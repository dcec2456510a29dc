-- The sample library that the program opens when it starts for the first time:
-- real books with their true titles, authors, publishers and ISBNs, spread over
-- nested user categories and the special ones. The build draws a front cover
-- for every book into the images folder and fills in FrontCover.

INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (32, 'Fiction', 1, 'Novels and stories.', '2024-01-14');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (33, 'Classics', 32, 'Novels that have stood the test of time.', '2024-01-14');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (34, 'Science Fiction & Fantasy', 32, NULL, '2024-02-03');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (35, 'Science', 1, 'Popular science and the books that changed how we see the world.', '2024-01-14');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (36, 'Natural History', 35, NULL, '2024-03-09');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (37, 'Physics & Cosmology', 35, NULL, '2024-03-09');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (38, 'Computing', 1, 'Programming and computer science.', '2024-01-20');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (39, 'Programming Languages', 38, NULL, '2024-01-20');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (40, 'Software Engineering', 38, 'How to build software that lasts.', '2024-01-21');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (41, 'History & Ideas', 1, NULL, '2024-04-02');
INSERT INTO category (CatID, Name, ParentID, Notes, OperationDate) VALUES (42, 'Kitchen', 1, 'Cookbooks that get used, not just read.', '2024-05-18');

INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Penguin Classics');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (2, 'Scribner');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (3, 'Signet Classic');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (4, 'Ace Books');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (5, 'Bantam Spectra');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (6, 'Del Rey');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'Houghton Mifflin');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (8, 'Dover Publications');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (9, 'Bantam');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (10, 'Oxford University Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (11, 'Broadway Books');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (12, 'University of Chicago Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (13, 'Mariner Books');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (14, 'W. W. Norton & Company');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (15, 'Basic Books');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (16, 'Prentice Hall');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (17, 'Addison-Wesley Professional');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (18, 'MIT Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (19, 'Microsoft Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (20, 'Apress');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (21, 'O''Reilly Media');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (22, 'No Starch Press');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (23, 'Harper');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (24, 'Farrar, Straus and Giroux');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (25, 'Simon & Schuster');
INSERT INTO bookpublisher (PublisherID, Name) VALUES (26, 'Longman');
INSERT INTO bookstore (StoreID, Name) VALUES (1, 'Corner Bookshop');
INSERT INTO bookstore (StoreID, Name) VALUES (2, 'University Bookstore');
INSERT INTO bookstore (StoreID, Name) VALUES (3, 'Online order');
INSERT INTO bookstore (StoreID, Name) VALUES (4, 'Second-hand stall');
INSERT INTO bookstore (StoreID, Name) VALUES (5, 'Gift');
INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Living room shelf');
INSERT INTO booklocation (LocationID, Name) VALUES (2, 'Study');
INSERT INTO booklocation (LocationID, Name) VALUES (3, 'Bedside table');
INSERT INTO booklocation (LocationID, Name) VALUES (4, 'Office');
INSERT INTO booklocation (LocationID, Name) VALUES (5, 'Laptop');
INSERT INTO bookformat (FormatID, Name) VALUES (1, 'PDF');
INSERT INTO bookformat (FormatID, Name) VALUES (2, 'EPUB');

INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, Dimension, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (1, 'Pride and Prejudice', 'Jane Austen', 1, '0141439513', 480, 1, 2, '7.80 x 5.10 x 1.00 inches', '2003-01-30', '2019-03-14', 1, 8.5, 9, 7.2, 0, 1, 1, 4.5, 2113, 5, '<html><body><p>Elizabeth Bennet, the second of five daughters of a country gentleman, meets the proud and wealthy Mr Darcy. Austen''s comedy of manners follows how first impressions give way, slowly and with much wit, to understanding.</p><p>This Penguin Classics edition has an introduction and notes by Vivien Jones.</p></body></html>', '<html><body><p>Re-read every winter. The <b>Netherfield ball</b> chapters are the best.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (2, 'Moby-Dick', 'or, The Whale', 'Herman Melville', 1, '0142437247', 720, 1, 2, '2003-02-01', '2018-07-02', 4, 4, 16, 11.99, 0, 1, 1, 4, 1567, 4, '<html><body><p>Ishmael signs on to the whaler <i>Pequod</i>, whose captain, Ahab, is bent on revenge against the white whale that took his leg. An adventure, an encyclopaedia of whaling and a meditation on obsession in one book.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (3, 'Jane Eyre', 'Charlotte Brontë', 1, '0141441143', 532, 1, 2, '2006-12-05', '2020-02-22', 1, 9, 10, 8.1, 0, 1, 1, 4.5, 1890, 4, '<html><body><p>An orphaned governess at Thornfield Hall falls in love with her brooding employer, Mr Rochester, whose house hides a secret. A novel of conscience and independence that still feels modern.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText1, Description, Notes)
VALUES (4, 'Frankenstein', 'or, The Modern Prometheus', 'Mary Shelley', 1, '0141439475', 273, 1, 2, '2003-02-04', '2021-10-30', 1, 7, 8, 6.4, 0, 3, 1, 4.4, 2870, 5, '1818 text', '<html><body><p>Victor Frankenstein builds a living being and abandons it in horror. The creature, eloquent and wronged, seeks him out across Europe and the Arctic ice. The first great work of science fiction.</p></body></html>', '<html><body><p>Read for the book club, October 2021.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText1, Description)
VALUES (5, 'Crime and Punishment', 'Fyodor Dostoyevsky', 1, '0140449132', 720, 1, 2, '2003-01-30', '2017-05-06', 2, 12, 13, 10.49, 0, 2, 1, 4.5, 1755, 4, 'Translated by David McDuff', '<html><body><p>Raskolnikov, a penniless former student in St Petersburg, kills a pawnbroker to prove a theory and is then pursued by his own conscience and by the patient investigator Porfiry Petrovich.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, CurrentPage, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText1, Description)
VALUES (6, 'Anna Karenina', 'Leo Tolstoy', 1, '0143035002', 864, 1, 2, '2004-05-25', '2024-01-06', 1, 18, 20, 14.99, 312, 0, 3, 1, 4.4, 2290, 0, 'Translated by Richard Pevear and Larissa Volokhonsky', '<html><body><p>Anna, married to a cold official in St Petersburg, falls for the officer Vronsky; in the country, Levin searches for a life that makes sense. Two stories of love and society told side by side.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText1, Description)
VALUES (7, 'The Odyssey', 'Homer', 1, '0140268863', 541, 1, 2, '1997-11-01', '2015-09-12', 4, 3.5, 18, 12.6, 0, 1, 1, 4.3, 1320, 5, 'Translated by Robert Fagles', '<html><body><p>Ten years after the fall of Troy, Odysseus is still struggling to get home to Ithaca, where suitors crowd his hall and court his wife Penelope. Robert Fagles''s verse translation, introduced by Bernard Knox.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (8, 'The Great Gatsby', 'F. Scott Fitzgerald', 2, '0743273567', 180, 1, 2, '2004-09-30', '2016-06-18', 1, 10, 15, 9.99, 0, 1, 1, 4.4, 4012, 4, '<html><body><p>Nick Carraway watches his mysterious neighbour Jay Gatsby throw lavish parties on Long Island in pursuit of Daisy Buchanan, the girl he lost. The novel of the Jazz Age and of the American dream.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (9, '1984', 'George Orwell', 3, '0451524934', 328, 1, 2, '1950-07-01', '2012-04-04', 4, 2, 9.99, 7.48, 0, 2, 4, 4.6, 5890, 5, '<html><body><p>Winston Smith works at the Ministry of Truth, rewriting history for the Party, and begins to keep a forbidden diary. Orwell''s vision of total surveillance and of the language that makes thought impossible.</p></body></html>', '<html><body><p>A second copy; the first one is on the study shelf. This one can go.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, CurrentPage, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (10, 'Dune', 'Frank Herbert', 4, '0441172717', 537, 1, 2, '1990-09-01', '2023-11-25', 2, 9.99, 10.99, 9.49, 140, 0, 3, 1, 4.6, 8150, 0, '<html><body><p>On the desert planet Arrakis, the only source of the spice that makes space travel possible, young Paul Atreides and his family are betrayed, and Paul becomes the leader of the desert people, the Fremen.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (11, 'Foundation', 'Isaac Asimov', 5, '0553293354', 296, 1, 2, '1991-10-01', '2014-08-09', 4, 3, 7.99, 7.19, 0, 1, 1, 4.3, 3001, 4, '<html><body><p>The mathematician Hari Seldon foresees the fall of the Galactic Empire and a dark age of thirty thousand years, and founds a colony of scholars at the edge of the galaxy to shorten it.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (12, 'Neuromancer', 'William Gibson', 4, '0441569595', 271, 1, 2, '1984-07-01', '2013-03-17', 4, 2.5, 7.99, 7.19, 0, 1, 1, 4.1, 1950, 3, '<html><body><p>Case, a washed-up computer hacker, is hired for one last job in cyberspace. The novel that named the matrix and started cyberpunk.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (13, 'The Hitchhiker''s Guide to the Galaxy', 'Douglas Adams', 6, '0345391802', 224, 1, 2, '1995-09-27', '2011-12-24', 5, 7.99, 6.39, 0, 1, 1, 4.7, 9240, 5, '<html><body><p>Seconds before the Earth is demolished to make way for a hyperspace bypass, Arthur Dent is saved by his friend Ford Prefect, a researcher for the revised edition of <i>The Hitchhiker''s Guide to the Galaxy</i>. Don''t panic.</p></body></html>', '<html><body><p>Christmas present from Tom. Always know where your towel is.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, Dimension, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (14, 'The Lord of the Rings', 'J. R. R. Tolkien', '50th Anniversary Edition', 7, '0618640150', 1178, 1, 2, '9.10 x 6.10 x 2.50 inches', '2005-10-12', '2010-05-01', 1, 22, 25, 16.5, 0, 1, 1, 4.8, 12400, 5, '<html><body><p>The hobbit Frodo Baggins inherits a ring that turns out to be the One Ring of the Dark Lord Sauron, and sets out with eight companions to destroy it in the fire where it was made. In one volume, with the appendices and a fold-out map.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (15, 'On the Origin of Species', 'By Means of Natural Selection', 'Charles Darwin', 8, '0486450066', 432, 1, 2, '2006-04-28', '2019-11-08', 2, 9.95, 12.95, 8.5, 0, 2, 1, 4.4, 980, 5, '<html><body><p>Darwin''s 1859 argument that species change over time by natural selection, built up patiently from pigeons, barnacles, fossils and islands. The founding book of modern biology.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (16, 'A Brief History of Time', 'Stephen Hawking', 'Updated and expanded tenth anniversary edition', 9, '0553380168', 212, 1, 2, '1998-09-01', '2009-02-14', 1, 15, 18, 11, 0, 2, 1, 4.6, 6420, 4, '<html><body><p>From the big bang to black holes: Hawking explains the nature of space and time, the expanding universe and the search for a theory that unites quantum mechanics and gravity, with hardly an equation.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (17, 'The Selfish Gene', 'Richard Dawkins', '30th Anniversary Edition', 10, '0199291152', 360, 1, 2, '2006-05-01', '2020-07-19', 2, 13.5, 16.95, 12.2, 0, 2, 1, 4.4, 3105, 4, '<html><body><p>Dawkins looks at evolution from the point of view of the gene, and shows how altruism and cooperation can arise from genes that only "care" about their own copies. The book that coined the word <i>meme</i>.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (18, 'A Short History of Nearly Everything', 'Bill Bryson', 11, '076790818X', 544, 1, 2, '2004-09-14', '2015-12-27', 5, 18, 12.99, 0, 1, 1, 4.6, 7300, 5, '<html><body><p>Bryson, a travel writer who found he knew nothing about the planet he lived on, sets out to learn how we know what we know: the size of the universe, the age of the Earth, atoms, continents, extinctions and ourselves.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (19, 'The Structure of Scientific Revolutions', 'Thomas S. Kuhn', 'Third Edition', 12, '0226458083', 212, 1, 2, '1996-12-15', '2008-09-30', 2, 15, 18, 14.4, 0, 4, 3, 4.3, 610, 3, '<html><body><p>Kuhn argues that science does not advance by steady accumulation but through revolutions, in which one paradigm replaces another.</p></body></html>', '<html><body><p>Course reading from university. Lots of pencil notes in chapters IX and X.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (20, 'Silent Spring', 'Rachel Carson', '40th Anniversary Edition', 13, '0618249060', 378, 1, 2, '2002-10-22', '2022-04-22', 1, 15.95, 15.95, 11.49, 0, 2, 1, 4.5, 2200, 4, '<html><body><p>Carson''s 1962 account of how pesticides were poisoning birds, rivers and people, which led to the ban of DDT and launched the environmental movement.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (21, '"Surely You''re Joking, Mr. Feynman!"', 'Adventures of a Curious Character', 'Richard P. Feynman', 14, '0393316041', 350, 1, 2, '1997-04-17', '2016-03-11', 4, 5, 16.95, 11.52, 0, 3, 1, 4.7, 3560, 5, '<html><body><p>The Nobel physicist tells stories of cracking safes at Los Alamos, playing the bongos, learning to draw and being, always, curious.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (22, 'Gödel, Escher, Bach', 'An Eternal Golden Braid', 'Douglas R. Hofstadter', '20th Anniversary Edition', 15, '0465026567', 777, 1, 2, '1999-02-05', '2014-10-05', 2, 18, 22.99, 16.6, 0, 2, 1, 4.5, 1480, 5, '<html><body><p>A fugue on minds and machines: Hofstadter weaves the logic of G&ouml;del, the drawings of Escher and the music of Bach into an inquiry into how meaning and self-reference can arise from meaningless symbols.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (23, 'The C Programming Language', 'Brian W. Kernighan / Dennis M. Ritchie', 'Second Edition', 16, '0131103628', 272, 1, 2, '1988-03-22', '2005-09-19', 2, 40, 67, 55.3, 0, 4, 3, 4.7, 2600, 5, '<html><body><p>The definitive description of ANSI C by its designers, with a tutorial, a reference manual and exercises. Known to programmers simply as <i>K&amp;R</i>.</p></body></html>', '<html><body><p>Coffee stain on page 119. Still the best book on C.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, Dimension, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (24, 'The C++ Programming Language', 'Bjarne Stroustrup', 'Special Edition', 17, '0201700735', 1030, 1, 1, '9.50 x 7.70 x 1.90 inches', '2000-02-11', '2006-01-23', 2, 59.99, 74.99, 52.49, 0, 4, 3, 4.5, 310, 4, '<html><body><p>The book on C++ by the designer of the language: the core language, the standard library and design and programming with C++.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, FormatID, BookSize, Description, Notes)
VALUES (25, 'Structure and Interpretation of Computer Programs', 'Harold Abelson / Gerald Jay Sussman / Julie Sussman', 'Second Edition', 18, '0262510871', 657, 1, 2, '1996-07-25', 1, 5, 3, 4.4, 250, 5, 1, 3.27, '<html><body><p>Programs as a way of expressing ideas about method: abstraction with procedures and data, modularity, state, metalinguistic abstraction and register machines, all in Scheme.</p></body></html>', '<html><body><p>The PDF of the free online edition. Work through chapter 4 again.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (26, 'Design Patterns', 'Elements of Reusable Object-Oriented Software', 'Erich Gamma / Richard Helm / Ralph Johnson / John Vlissides', 17, '0201633612', 395, 1, 1, '1994-10-31', '2007-06-08', 2, 45, 59.99, 41.2, 0, 4, 1, 4.6, 1600, 4, '<html><body><p>Twenty-three patterns for the recurring problems of object-oriented design, each with its intent, structure, consequences and sample code.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (27, 'The Pragmatic Programmer', 'From Journeyman to Master', 'Andrew Hunt / David Thomas', 17, '020161622X', 352, 1, 2, '1999-10-20', '2008-02-29', 2, 34.99, 39.99, 31.5, 0, 4, 1, 4.6, 1900, 5, '<html><body><p>Practical advice on the craft of programming: care for your code, don''t repeat yourself, use tracer bullets, and never leave a broken window unrepaired.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description, Notes)
VALUES (28, 'Code Complete', 'A Practical Handbook of Software Construction', 'Steve McConnell', 'Second Edition', 19, '0735619670', 960, 1, 2, '2004-06-09', '2009-11-11', 3, 39.99, 49.99, 35.99, 0, 4, 4, 4.6, 1200, 3, '<html><body><p>Everything between design and testing: variables, routines, control structures, defensive programming, debugging and the habits of people who write good code.</p></body></html>', '<html><body><p>Two copies since the office library closed; selling this one.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (29, 'The Mythical Man-Month', 'Essays on Software Engineering', 'Frederick P. Brooks Jr.', 'Anniversary Edition', 17, '0201835959', 336, 1, 2, '1995-08-12', '2010-01-15', 4, 12, 39.99, 27.6, 0, 4, 1, 4.4, 760, 4, '<html><body><p>Brooks''s essays from building the IBM System/360 software: adding people to a late project makes it later, and there is no silver bullet.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (30, 'Refactoring', 'Improving the Design of Existing Code', 'Martin Fowler', 17, '0201485672', 431, 1, 1, '1999-07-08', '2011-04-20', 3, 44, 64.99, 49.99, 0, 4, 1, 4.5, 880, 4, '<html><body><p>A catalogue of small, behaviour-preserving changes that improve the structure of code, and the tests that make them safe.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (31, 'Clean Code', 'A Handbook of Agile Software Craftsmanship', 'Robert C. Martin', 16, '0132350882', 464, 1, 2, '2008-08-01', '2013-06-30', 3, 37.49, 49.99, 37.49, 0, 4, 1, 4.4, 4500, 3, '<html><body><p>Names, functions, comments, formatting, error handling and unit tests, shown through the cleaning up of real code.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, ListPrice, AmazonPrice, EBookOnly, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (32, 'Introduction to Algorithms', 'Thomas H. Cormen / Charles E. Leiserson / Ronald L. Rivest / Clifford Stein', 'Third Edition', 18, '0262033844', 1312, 1, 1, '2009-07-31', 94, 66.5, 0, 2, 4.5, 1700, 0, '<html><body><p>Sorting, data structures, graph algorithms, dynamic programming, NP-completeness and more, each explained with pseudocode and analysed with care. The standard text of algorithms courses.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, FormatID, BookSize, Description)
VALUES (33, 'Pro Git', 'Scott Chacon', 20, '1430218339', 288, 1, 2, '2009-08-27', 1, 5, 3, 4.5, 320, 4, 2, 5.86, '<html><body><p>Everything about Git: the basics, branching, remote work, server set-up, rewriting history and the internals of the object store.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, FormatID, BookSize, Description)
VALUES (34, 'Think Python', 'How to Think Like a Computer Scientist', 'Allen B. Downey', 21, '144933072X', 300, 1, 2, '2012-08-23', 1, 5, 3, 4.4, 410, 4, 1, 1.42, '<html><body><p>An introduction to programming with Python for beginners, one concept at a time, with exercises and case studies.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, FormatID, BookSize, Description)
VALUES (35, 'The Linux Command Line', 'A Complete Introduction', 'William E. Shotts Jr.', 22, '1593273894', 480, 1, 2, '2012-01-17', 1, 5, 3, 4.7, 1150, 5, 1, 2.61, '<html><body><p>From the first keystrokes in a terminal to shell scripts: navigation, files, permissions, processes, the editor vi, regular expressions and text processing.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText1, Description)
VALUES (36, 'Meditations', 'Marcus Aurelius', 1, '0140449337', 303, 1, 2, '2006-04-25', '2021-01-02', 1, 11, 12, 8.99, 0, 3, 1, 4.7, 2500, 5, 'Translated by Martin Hammond', '<html><body><p>The private notes of a Roman emperor on duty, loss, anger and the brevity of life, written on campaign and never meant for readers.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (37, 'Guns, Germs, and Steel', 'The Fates of Human Societies', 'Jared Diamond', 14, '0393317552', 480, 1, 2, '1999-04-01', '2018-08-15', 4, 6, 18.95, 13.6, 0, 1, 1, 4.4, 3400, 4, '<html><body><p>Why did history unfold so differently on different continents? Diamond answers with geography, crops, domestic animals and germs rather than with the peoples themselves.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, CurrentPage, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (38, 'Sapiens', 'A Brief History of Humankind', 'Yuval Noah Harari', 23, '0062316095', 443, 1, 1, '2015-02-10', '2024-03-30', 3, 17.99, 35, 17.99, 96, 0, 3, 1, 4.5, 15800, 0, '<html><body><p>A history of our species in four revolutions: cognitive, agricultural, the unification of humankind and the scientific revolution.</p></body></html>');
INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, ListPrice, AmazonPrice, EBookOnly, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (39, 'Thinking, Fast and Slow', 'Daniel Kahneman', 24, '0374275637', 499, 1, 1, '2011-10-25', 30, 17.45, 0, 2, 4.5, 9500, 0, '<html><body><p>The two systems that drive the way we think: the fast, intuitive one and the slow, deliberate one, and the biases that come from trusting the first when we should use the second.</p></body></html>');
INSERT INTO book (BookID, Title, Subtitle, Author, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, UserText2, Description, Notes)
VALUES (40, 'Salt, Fat, Acid, Heat', 'Mastering the Elements of Good Cooking', 'Samin Nosrat', 25, '1476753830', 480, 1, 1, '2017-04-25', '2023-06-10', 5, 37.5, 21, 0, 1, 1, 4.8, 6100, 5, 'Kitchen shelf', '<html><body><p>Four elements decide whether food tastes good. Nosrat teaches how to use each of them, with illustrations by Wendy MacNaughton and a hundred recipes to practise on.</p></body></html>', '<html><body><p>Try the <b>buttermilk-brined chicken</b> again for guests.</p></body></html>');
INSERT INTO book (BookID, Title, Author, Edition, PublisherID, ISBN, PageCount, LanguageID, BindingID, ReleaseDate, PurchaseDate, StoreID, PurchasePrice, ListPrice, AmazonPrice, EBookOnly, LocationID, StatusID, AmazonRating, NumOfReviews, MyRating, Description)
VALUES (41, 'The Elements of Style', 'William Strunk Jr. / E. B. White', 'Fourth Edition', 26, '020530902X', 105, 1, 2, '1999-08-02', '2007-09-03', 2, 8.95, 9.95, 8.95, 0, 2, 3, 4.6, 2900, 4, '<html><body><p>The little book of rules of usage and principles of composition. Omit needless words.</p></body></html>');

INSERT INTO book_category (BookID, CatID) VALUES (1, 33);
INSERT INTO book_category (BookID, CatID) VALUES (1, 2);
INSERT INTO book_category (BookID, CatID) VALUES (2, 33);
INSERT INTO book_category (BookID, CatID) VALUES (3, 33);
INSERT INTO book_category (BookID, CatID) VALUES (4, 33);
INSERT INTO book_category (BookID, CatID) VALUES (4, 34);
INSERT INTO book_category (BookID, CatID) VALUES (5, 33);
INSERT INTO book_category (BookID, CatID) VALUES (6, 33);
INSERT INTO book_category (BookID, CatID) VALUES (6, 4);
INSERT INTO book_category (BookID, CatID) VALUES (6, 1);
INSERT INTO book_category (BookID, CatID) VALUES (7, 33);
INSERT INTO book_category (BookID, CatID) VALUES (8, 33);
INSERT INTO book_category (BookID, CatID) VALUES (9, 33);
INSERT INTO book_category (BookID, CatID) VALUES (10, 34);
INSERT INTO book_category (BookID, CatID) VALUES (10, 4);
INSERT INTO book_category (BookID, CatID) VALUES (10, 1);
INSERT INTO book_category (BookID, CatID) VALUES (11, 34);
INSERT INTO book_category (BookID, CatID) VALUES (12, 34);
INSERT INTO book_category (BookID, CatID) VALUES (13, 34);
INSERT INTO book_category (BookID, CatID) VALUES (13, 2);
INSERT INTO book_category (BookID, CatID) VALUES (13, 1);
INSERT INTO book_category (BookID, CatID) VALUES (14, 34);
INSERT INTO book_category (BookID, CatID) VALUES (14, 2);
INSERT INTO book_category (BookID, CatID) VALUES (14, 1);
INSERT INTO book_category (BookID, CatID) VALUES (15, 36);
INSERT INTO book_category (BookID, CatID) VALUES (16, 37);
INSERT INTO book_category (BookID, CatID) VALUES (16, 3);
INSERT INTO book_category (BookID, CatID) VALUES (17, 36);
INSERT INTO book_category (BookID, CatID) VALUES (18, 35);
INSERT INTO book_category (BookID, CatID) VALUES (18, 3);
INSERT INTO book_category (BookID, CatID) VALUES (18, 2);
INSERT INTO book_category (BookID, CatID) VALUES (18, 1);
INSERT INTO book_category (BookID, CatID) VALUES (19, 35);
INSERT INTO book_category (BookID, CatID) VALUES (19, 41);
INSERT INTO book_category (BookID, CatID) VALUES (20, 36);
INSERT INTO book_category (BookID, CatID) VALUES (21, 37);
INSERT INTO book_category (BookID, CatID) VALUES (21, 2);
INSERT INTO book_category (BookID, CatID) VALUES (22, 35);
INSERT INTO book_category (BookID, CatID) VALUES (22, 41);
INSERT INTO book_category (BookID, CatID) VALUES (22, 1);
INSERT INTO book_category (BookID, CatID) VALUES (23, 39);
INSERT INTO book_category (BookID, CatID) VALUES (23, 2);
INSERT INTO book_category (BookID, CatID) VALUES (24, 39);
INSERT INTO book_category (BookID, CatID) VALUES (25, 39);
INSERT INTO book_category (BookID, CatID) VALUES (25, 2);
INSERT INTO book_category (BookID, CatID) VALUES (25, 1);
INSERT INTO book_category (BookID, CatID) VALUES (26, 40);
INSERT INTO book_category (BookID, CatID) VALUES (27, 40);
INSERT INTO book_category (BookID, CatID) VALUES (27, 2);
INSERT INTO book_category (BookID, CatID) VALUES (27, 1);
INSERT INTO book_category (BookID, CatID) VALUES (28, 40);
INSERT INTO book_category (BookID, CatID) VALUES (29, 40);
INSERT INTO book_category (BookID, CatID) VALUES (30, 40);
INSERT INTO book_category (BookID, CatID) VALUES (31, 40);
INSERT INTO book_category (BookID, CatID) VALUES (32, 38);
INSERT INTO book_category (BookID, CatID) VALUES (32, 4);
INSERT INTO book_category (BookID, CatID) VALUES (32, 1);
INSERT INTO book_category (BookID, CatID) VALUES (33, 38);
INSERT INTO book_category (BookID, CatID) VALUES (34, 39);
INSERT INTO book_category (BookID, CatID) VALUES (35, 38);
INSERT INTO book_category (BookID, CatID) VALUES (36, 41);
INSERT INTO book_category (BookID, CatID) VALUES (36, 2);
INSERT INTO book_category (BookID, CatID) VALUES (36, 1);
INSERT INTO book_category (BookID, CatID) VALUES (37, 41);
INSERT INTO book_category (BookID, CatID) VALUES (37, 3);
INSERT INTO book_category (BookID, CatID) VALUES (38, 41);
INSERT INTO book_category (BookID, CatID) VALUES (38, 4);
INSERT INTO book_category (BookID, CatID) VALUES (38, 3);
INSERT INTO book_category (BookID, CatID) VALUES (38, 1);
INSERT INTO book_category (BookID, CatID) VALUES (39, 41);
INSERT INTO book_category (BookID, CatID) VALUES (39, 4);
INSERT INTO book_category (BookID, CatID) VALUES (39, 1);
INSERT INTO book_category (BookID, CatID) VALUES (40, 42);
INSERT INTO book_category (BookID, CatID) VALUES (40, 2);
INSERT INTO book_category (BookID, CatID) VALUES (40, 1);
INSERT INTO book_category (BookID, CatID) VALUES (41, 1);

INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (1, 1, 'Project Gutenberg text', 'https://www.gutenberg.org/ebooks/1342', 'The free public-domain text');
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (1, 2, 'Jane Austen Society of North America', 'https://jasna.org/', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (2, 1, 'Project Gutenberg text', 'https://www.gutenberg.org/ebooks/2701', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (3, 1, 'Project Gutenberg text', 'https://www.gutenberg.org/ebooks/1260', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (4, 1, 'Project Gutenberg text', 'https://www.gutenberg.org/ebooks/84', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (10, 1, 'Dune on Wikipedia', 'https://en.wikipedia.org/wiki/Dune_(novel)', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (14, 1, 'The Tolkien Society', 'https://www.tolkiensociety.org/', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (15, 1, 'Darwin Online', 'https://darwin-online.org.uk/', 'Complete works, manuscripts and letters');
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (23, 1, 'Errata', 'https://www.cs.princeton.edu/~bwk/cbook.html', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (24, 1, 'Bjarne Stroustrup''s home page', 'https://www.stroustrup.com/', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (25, 1, 'Free online edition', 'https://mitp-content-server.mit.edu/books/content/sectbyfn/books_pres_0/6515/sicp.zip/index.html', 'The full text from the publisher');
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (30, 1, 'Refactoring catalogue', 'https://refactoring.com/catalog/', NULL);
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (33, 1, 'Read online', 'https://git-scm.com/book/en/v2', 'Second edition, free under a Creative Commons licence');
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (34, 1, 'Green Tea Press', 'https://greenteapress.com/wp/think-python/', 'The free PDF and HTML editions');
INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (35, 1, 'Book web site', 'https://linuxcommand.org/tlcl.php', NULL);

-- The dates the sample's books were added, spread over 2024 like the
-- categories', the same in every build of the sample.
UPDATE book_added SET Added = datetime('2024-01-14 09:12:00', '+' || ((BookID - 1) * 5) || ' days',
                                       '+' || (BookID * 97 % 540) || ' minutes');
