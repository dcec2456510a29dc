// Saving and loading books: identifiers, lookups, covers, links, categories,
// duplicates, and that a failed save changes nothing.

#include "TestSupport.h"

#include "app/AppSettings.h"
#include "app/TomeloApp.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "online/StoreLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>

#include <optional>

class TestBookRecord : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection m_db;
    QString m_images;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    QString MakeFile(const QString &name, const QByteArray &contents)
    {
        const QString path = m_env->Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(contents);
        return path;
    }

    QStringList ImageFiles() const
    {
        return QDir(m_images).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    static CBookRecord SampleBook()
    {
        CBookRecord book;
        book.Title = QStringLiteral("Learning XML");
        book.Subtitle = QStringLiteral("Creating Self-Describing Data");
        book.Author = QStringLiteral("Erik T. Ray");
        book.Edition = QStringLiteral("2nd");
        book.ReleaseDate = QStringLiteral("2003-09-22");
        book.Publisher = QStringLiteral("O'Reilly Media");
        book.ISBN = QStringLiteral("0596004206");
        book.PageCount = QStringLiteral("416");
        book.Language = QStringLiteral("english"); // a fixed row, in another case
        book.Binding = QStringLiteral("Paperback");
        book.Dimension = QStringLiteral("9.2 x 7 x 0.9 inches");
        book.PurchaseDate = QStringLiteral("Mar 14, 2005");
        book.Store = QStringLiteral("Corner Shop");
        book.PurchasePrice = QStringLiteral("$27.50");
        book.ListPrice = QStringLiteral("39.95");
        book.AmazonPrice = QStringLiteral("26.37");
        book.Status = QStringLiteral("For Sale");
        book.CurrentPage = QStringLiteral("12");
        book.AmazonRating = QStringLiteral("4.5");
        book.NumOfReviews = QStringLiteral("31");
        book.MyRating = 4;
        book.UserText1 = QStringLiteral("signed");
        book.EBookOnly = true;
        book.Format = QStringLiteral("PDF");
        book.BookSize = QStringLiteral("3.00 MB");
        book.Description = QStringLiteral("<html><body><p>It's about XML.</p></body></html>");
        book.URL = ProductUrlPrefix() + book.ISBN;
        book.Links = {{QStringLiteral("7"), QStringLiteral("Errata"),
                       QStringLiteral("https://example.org/errata"), QString()},
                      {QString(), QStringLiteral("Notes"), QStringLiteral("/home/me/notes.txt"),
                       QStringLiteral("mine")}};
        return book;
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        QVERIFY(m_env->OpenLibraryWithUserCategory(m_db, &m_images));
        QVERIFY(ExecuteSql(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Other', 1)"),
            true, m_db));
        TomeloApp().m_associateTag.clear();
    }

    void cleanup()
    {
        m_db.Close();
        delete m_env;
        m_env = nullptr;
    }

    void saveAndLoadRoundTrip()
    {
        CRecordingPrompt prompt;
        CBookRecord book = SampleBook();
        QVERIFY(book.Save(true, 32, m_images, m_db));
        QCOMPARE(g_lastSavedBookId.load(), 1);
        QCOMPARE(book.BookID, 0); // the record keeps its own identifier
        QVERIFY(prompt.shown.isEmpty());

        CBookRecord loaded;
        QVERIFY(loaded.Load(1, m_db));
        QCOMPARE(loaded.Title, book.Title);
        QCOMPARE(loaded.Subtitle, book.Subtitle);
        QCOMPARE(loaded.Publisher, QStringLiteral("O'Reilly Media"));
        QCOMPARE(loaded.Language, QStringLiteral("English"));
        QCOMPARE(loaded.Binding, QStringLiteral("Paperback"));
        QCOMPARE(loaded.Extras, QString());
        QCOMPARE(loaded.Store, QStringLiteral("Corner Shop"));
        QCOMPARE(loaded.Status, QStringLiteral("For Sale"));
        QCOMPARE(loaded.Format, QStringLiteral("PDF"));
        QCOMPARE(loaded.ReleaseDate, QStringLiteral("Sep 22, 2003"));
        QCOMPARE(loaded.PurchaseDate, QStringLiteral("Mar 14, 2005"));
        QCOMPARE(loaded.PurchasePrice, QStringLiteral("27.5"));
        QCOMPARE(loaded.ListPrice, QStringLiteral("39.95"));
        QCOMPARE(loaded.AmazonRating, QStringLiteral("4.50"));
        QCOMPARE(loaded.BookSize, QStringLiteral("3.000000"));
        QCOMPARE(loaded.PageCount, QStringLiteral("416"));
        QCOMPARE(loaded.MyRating, 4);
        QVERIFY(loaded.EBookOnly);
        QCOMPARE(loaded.Description, book.Description);
        QCOMPARE(
            loaded.URL,
            StoreWebAddress() +
                QStringLiteral("/exec/obidos/redirect?tag=brindlewood-20&path=ASIN%2F0596004206"));
        QCOMPARE(book.URL, loaded.URL);
        QCOMPARE(loaded.Links.size(), 2);
        QCOMPARE(loaded.Links.at(0).LinkID, QStringLiteral("1"));
        QCOMPARE(loaded.Links.at(1).LinkID, QStringLiteral("2"));
        QCOMPARE(loaded.Links.at(1).Notes, QStringLiteral("mine"));
        QCOMPARE(Value(QStringLiteral("SELECT CatID FROM book_category WHERE BookID=1")),
                 QStringLiteral("32"));
        // Only the new names were added to the lookup tables.
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM booklanguage")), QStringLiteral("2"));
        QCOMPARE(Value(QStringLiteral(
                     "SELECT PublisherID FROM bookpublisher WHERE Name='O''Reilly Media'")),
                 QStringLiteral("1"));

        // A missing book leaves the record as it was.
        CBookRecord missing = SampleBook();
        QVERIFY(missing.Load(99, m_db));
        QCOMPARE(missing.BookID, 99);
        QCOMPARE(missing.Title, QStringLiteral("Learning XML"));
    }

    void emptyValuesAndIdentifiers()
    {
        CRecordingPrompt prompt;
        for (int id : {1, 2, 5})
            QVERIFY(ExecuteSql(
                QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'x')").arg(id), true,
                m_db));
        CBookRecord book;
        book.Title = QStringLiteral("Bare");
        QVERIFY(book.Save(true, 1, m_images, m_db));
        QCOMPARE(g_lastSavedBookId.load(), 6);
        QCOMPARE(Value(QStringLiteral("SELECT MyRating FROM book WHERE BookID=6")),
                 QStringLiteral("0"));
        QCOMPARE(
            Value(QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID=6 AND PageCount IS NULL "
                                 "AND PublisherID IS NULL AND URL IS NULL AND FrontCover IS NULL "
                                 "AND EBookOnly=0")),
            QStringLiteral("1"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("0"));
        // An empty ISBN finds no duplicate.
        CBookRecord second;
        second.Title = QStringLiteral("Also bare");
        QVERIFY(second.Save(true, 1, m_images, m_db));
        QVERIFY(prompt.shown.isEmpty());
    }

    void coversAreNamedAfterTheBook()
    {
        CRecordingPrompt prompt;
        for (int id = 1; id <= 11; ++id)
            QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID) VALUES (%1)").arg(id),
                               true, m_db));
        CBookRecord book;
        book.Title = QStringLiteral("Covered");
        book.CoverTempPath = MakeFile(QStringLiteral("Temp/cover.jpeg"), "front");
        book.BackCoverTempPath = MakeFile(QStringLiteral("Scans/back.gif"), "back");
        QVERIFY(book.Save(true, 32, m_images, m_db));
        QCOMPARE(ImageFiles(), (QStringList{QStringLiteral("12.jpeg"), QStringLiteral("12b.gif")}));
        QCOMPARE(ReadFileBytes(m_images + QStringLiteral("/12.jpeg")), QByteArray("front"));
        QCOMPARE(Value(QStringLiteral("SELECT FrontCover FROM book WHERE BookID=12")),
                 QStringLiteral("12.jpeg"));
        QCOMPARE(Value(QStringLiteral("SELECT BackCover FROM book WHERE BookID=12")),
                 QStringLiteral("12b.gif"));

        // Editing without touching the covers copies and deletes nothing.
        CBookRecord edit;
        QVERIFY(edit.Load(12, m_db));
        edit.CoverTempPath = m_images + u'/' + edit.FrontCover;
        edit.BackCoverTempPath = m_images + u'/' + edit.BackCover;
        edit.Title = QStringLiteral("Covered again");
        QVERIFY(edit.Save(false, 1, m_images, m_db));
        QCOMPARE(ImageFiles(), (QStringList{QStringLiteral("12.jpeg"), QStringLiteral("12b.gif")}));

        // A new picture of another type replaces the old file.
        edit.CoverTempPath = MakeFile(QStringLiteral("Temp/new.png"), "png");
        QVERIFY(edit.Save(false, 1, m_images, m_db));
        QCOMPARE(ImageFiles(), (QStringList{QStringLiteral("12.png"), QStringLiteral("12b.gif")}));

        // Clearing a cover deletes the picture and stores NULL.
        edit.BackCoverTempPath.clear();
        edit.CoverTempPath = m_images + QStringLiteral("/12.png");
        QVERIFY(edit.Save(false, 1, m_images, m_db));
        QCOMPARE(ImageFiles(), QStringList{QStringLiteral("12.png")});
        QCOMPARE(Value(QStringLiteral(
                     "SELECT COUNT(*) FROM book WHERE BookID=12 AND BackCover IS NULL")),
                 QStringLiteral("1"));
        QVERIFY(prompt.shown.isEmpty());

        // A picture that cannot be copied is reported; the book is saved without it.
        CBookRecord lost;
        lost.Title = QStringLiteral("Lost cover");
        lost.CoverTempPath = m_env->Path(QStringLiteral("Temp/missing.jpg"));
        QVERIFY(lost.Save(true, 32, m_images, m_db));
        QCOMPARE(prompt.LastText(),
                 QStringLiteral("Unable to copy the cover picture to the following location:\n") +
                     m_images);
        QCOMPARE(lost.FrontCover, QString());
        QCOMPARE(Value(QStringLiteral(
                     "SELECT COUNT(*) FROM book WHERE BookID=13 AND FrontCover IS NULL")),
                 QStringLiteral("1"));

        // A new picture that cannot be copied leaves the book its old one.
        prompt.shown.clear();
        edit.CoverTempPath = m_env->Path(QStringLiteral("Temp/gone.gif"));
        QVERIFY(edit.Save(false, 1, m_images, m_db));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(edit.FrontCover, QStringLiteral("12.png"));
        QCOMPARE(Value(QStringLiteral("SELECT FrontCover FROM book WHERE BookID=12")),
                 QStringLiteral("12.png"));
        QCOMPARE(ReadFileBytes(m_images + QStringLiteral("/12.png")), QByteArray("png"));
        QCOMPARE(ImageFiles(), QStringList{QStringLiteral("12.png")});
    }

    void editKeepsCategoriesAndRenumbersLinks()
    {
        CRecordingPrompt prompt;
        CBookRecord book = SampleBook();
        book.Links.append(
            {QStringLiteral("x"), QStringLiteral("Third"), QStringLiteral("/tmp"), QString()});
        QVERIFY(book.Save(true, 32, m_images, m_db));
        QVERIFY(ExecuteSql(
            QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 2)"), true, m_db));

        CBookRecord edit;
        QVERIFY(edit.Load(1, m_db));
        edit.Title = QStringLiteral("Learning XML, Second Edition");
        QVERIFY(edit.Save(false, 33, m_images, m_db));
        QVERIFY(edit.Save(false, 33, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link WHERE BookID=1")),
                 QStringLiteral("3"));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(LinkID) FROM (SELECT LinkID FROM link "
                                      "WHERE BookID=1 ORDER BY LinkID)")),
                 QStringLiteral("1,2,3"));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(CatID) FROM (SELECT CatID FROM "
                                      "book_category WHERE BookID=1 ORDER BY CatID)")),
                 QStringLiteral("2,32"));
        QCOMPARE(Value(QStringLiteral("SELECT Title FROM book WHERE BookID=1")), edit.Title);
        QCOMPARE(g_lastSavedBookId.load(), 1);
    }

    // An ISBN-10 and its 978 ISBN-13 name one book, however either is
    // written; checked one save at a time and inside a run of saves.
    void duplicateAcrossIsbnForms_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("added");
        QTest::addColumn<bool>("duplicate");
        const auto row = [](const char *name, const char *stored, const char *added, bool same) {
            QTest::newRow(name) << QString::fromLatin1(stored) << QString::fromLatin1(added)
                                << same;
        };
        row("ISBN-13 after its ISBN-10", "0596004206", "9780596004200", true);
        row("ISBN-10 after its ISBN-13", "978-0-596-00420-0", "0-596-00420-6", true);
        row("check letter X", "9780804429573", "080442957x", true);
        row("two writings of an ISBN-13", "978 0596004200", "9780596004200", true);
        row("979 ISBN-13", "979-10-90636-07-1", "9791090636071", true);
        row("wrong EAN check digit", "0596004206", "9780596004201", false);
        row("979 with the same digits", "0596004206", "9790596004206", false);
        row("another ISBN-10", "0596004206", "0596007124", false);
    }
    void duplicateAcrossIsbnForms()
    {
        QFETCH(QString, stored);
        QFETCH(QString, added);
        QFETCH(bool, duplicate);
        CRecordingPrompt prompt;
        CBookRecord first = SampleBook();
        first.ISBN = stored;
        QVERIFY(first.Save(true, 32, m_images, m_db));
        for (const bool bulk : {false, true}) {
            std::optional<CBulkWriteScope> scope;
            if (bulk)
                scope.emplace(m_db);
            CBookRecord again = SampleBook();
            again.ISBN = added;
            prompt.answers = {MsgAnswer::Yes};
            QCOMPARE(again.Save(true, 32, m_images, m_db), !duplicate);
            QCOMPARE(again.SkippedDuplicate, duplicate);
            QVERIFY(ExecuteSql(QStringLiteral("DELETE FROM book WHERE BookID > 1"), true, m_db));
        }
        QCOMPARE(prompt.shown.size(), duplicate ? 2 : 0);
    }

    void duplicateIsbnAsksFirst()
    {
        CRecordingPrompt prompt;
        CBookRecord book = SampleBook();
        QVERIFY(book.Save(true, 32, m_images, m_db));

        CBookRecord again = SampleBook();
        prompt.answers = {MsgAnswer::Yes};
        QVERIFY(!again.Save(true, 32, m_images, m_db));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown.first().icon, MsgIcon::Question);
        QCOMPARE(prompt.LastText(),
                 QStringLiteral(
                     "This book already exists in the database:\nLearning XML\n"
                     "Would you like to skip this one?\nClick \"No\" to add this book anyway."));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));

        prompt.answers = {MsgAnswer::No};
        QVERIFY(again.Save(true, 32, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("2"));

        // ISBNs meet in their normal form, whichever side has the hyphens.
        CBookRecord hyphenated = SampleBook();
        hyphenated.ISBN = QStringLiteral("0-596-00420-6");
        prompt.answers = {MsgAnswer::Yes};
        QVERIFY(!hyphenated.Save(true, 32, m_images, m_db));
        QVERIFY(hyphenated.SkippedDuplicate);
        QCOMPARE(prompt.shown.size(), 3);
        CBookRecord stored = SampleBook();
        stored.ISBN = QStringLiteral("0 8044-2957 x");
        QVERIFY(stored.Save(true, 32, m_images, m_db));
        QCOMPARE(prompt.shown.size(), 3);
        CBookRecord plain = SampleBook();
        plain.ISBN = QStringLiteral("080442957X");
        prompt.answers = {MsgAnswer::Yes};
        QVERIFY(!plain.Save(true, 32, m_images, m_db));
        QCOMPARE(prompt.shown.size(), 4);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));

        // An ISBN with a quote in it is compared, not executed.
        CBookRecord odd;
        odd.Title = QStringLiteral("Odd");
        odd.ISBN = QStringLiteral("0' OR ''='");
        QVERIFY(odd.Save(true, 32, m_images, m_db));
        QCOMPARE(prompt.shown.size(), 4);
        QCOMPARE(Value(QStringLiteral("SELECT ISBN FROM book WHERE Title='Odd'")), odd.ISBN);
    }

    void failedSaveChangesNothing()
    {
        CRecordingPrompt prompt;
        CBookRecord book = SampleBook();
        book.CoverTempPath = MakeFile(QStringLiteral("first.jpg"), "first");
        QVERIFY(book.Save(true, 32, m_images, m_db));
        const QString before =
            Value(QStringLiteral("SELECT Title || '|' || URL || '|' || PublisherID FROM book"));

        QVERIFY(ExecuteSql(QStringLiteral("CREATE TRIGGER refuse_links BEFORE INSERT ON link "
                                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"),
                           true, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("PRAGMA foreign_keys=ON"), true, m_db));
        CBookRecord edit;
        QVERIFY(edit.Load(1, m_db));
        edit.Title = QStringLiteral("Changed");
        edit.Publisher = QStringLiteral("A Brand New Publisher");
        edit.CoverTempPath = MakeFile(QStringLiteral("second.png"), "second");
        QVERIFY(!edit.Save(false, 32, m_images, m_db));
        QVERIFY(prompt.LastText().startsWith(QStringLiteral("INSERT INTO link ")));
        QVERIFY(prompt.LastText().endsWith(QStringLiteral("\ndisk is full")));

        // The edited book is still there as it was, with its categories.
        QCOMPARE(
            Value(QStringLiteral("SELECT Title || '|' || URL || '|' || PublisherID FROM book")),
            before);
        QCOMPARE(Value(QStringLiteral("SELECT CatID FROM book_category WHERE BookID=1")),
                 QStringLiteral("32"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link")), QStringLiteral("2"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("1"));
        QCOMPARE(edit.FrontCover, QStringLiteral("1.jpg"));
        // The images folder is as it was.
        QCOMPARE(ImageFiles(), QStringList{QStringLiteral("1.jpg")});
        QCOMPARE(ReadFileBytes(m_images + QStringLiteral("/1.jpg")), QByteArray("first"));

        // A new book that fails leaves no row, lookup or membership behind.
        CBookRecord fresh = SampleBook();
        fresh.ISBN = QStringLiteral("0131103628");
        fresh.Store = QStringLiteral("Another Store");
        QVERIFY(!fresh.Save(true, 33, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookstore")), QStringLiteral("1"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=33")),
                 QStringLiteral("0"));
        QCOMPARE(g_lastSavedBookId.load(), 1);
    }

    void datesReadTheSameInEveryLocale()
    {
        CRecordingPrompt prompt;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        CBookRecord book;
        book.Title = QStringLiteral("Dated");
        book.ReleaseDate = QStringLiteral("03/01/2004");
        book.PurchaseDate = QStringLiteral("12/31/2005");
        QVERIFY(book.Save(true, 32, m_images, m_db));
        // Read where the day comes first.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        CBookRecord loaded;
        QVERIFY(loaded.Load(1, m_db));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(loaded.ReleaseDate, QStringLiteral("Mar 01, 2004"));
        QCOMPARE(loaded.PurchaseDate, QStringLiteral("Dec 31, 2005"));

        // A date that is not a date is kept through a load and a save, a
        // bare year stays a year.
        loaded.ReleaseDate = QStringLiteral("Spring 2004");
        loaded.PurchaseDate = QStringLiteral("1999");
        QVERIFY(loaded.Save(false, 32, m_images, m_db));
        CBookRecord again;
        QVERIFY(again.Load(1, m_db));
        QVERIFY(again.Save(false, 32, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate FROM book")),
                 QStringLiteral("Spring 2004|1999"));

        // A stored time of day survives a load and a save.
        QVERIFY(ExecuteSql(QStringLiteral("UPDATE book SET ReleaseDate='2004-01-05 13:45:00', "
                                          "PurchaseDate='2005-12-31'"),
                           true, m_db));
        CBookRecord timed;
        QVERIFY(timed.Load(1, m_db));
        QCOMPARE(timed.PurchaseDate, QStringLiteral("Dec 31, 2005"));
        QVERIFY(timed.Save(false, 32, m_images, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate FROM book")),
                 QStringLiteral("2004-01-05 13:45:00|2005-12-31"));
    }

    void storedCategoriesAreCheckedBeforeReuse()
    {
        CRecordingPrompt prompt;
        QVERIFY(ExecuteSql(QStringLiteral("PRAGMA foreign_keys=OFF"), true, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'One')"),
                           true, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (2, 'Two')"),
                           true, m_db));
        QVERIFY(ExecuteSql(
            QStringLiteral("INSERT INTO link (BookID, LinkID, Path) VALUES (2, 1, '/x')"), true,
            m_db));
        QVERIFY(
            ExecuteSql(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 32)"),
                       true, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book_category (BookID, CatID) "
                                          "VALUES (1, '1); DELETE FROM link; --')"),
                           true, m_db));
        QVERIFY(ExecuteSql(QStringLiteral("PRAGMA foreign_keys=ON"), true, m_db));
        CBookRecord edit;
        QVERIFY(edit.Load(1, m_db));
        QVERIFY2(edit.Save(false, 32, m_images, m_db), qPrintable(prompt.LastText()));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link")), QStringLiteral("1"));
        // A save leaves the memberships alone: the odd one stays as another
        // tool wrote it, and nothing of it is ever run.
        QCOMPARE(
            Value(QStringLiteral("SELECT group_concat(CatID) FROM book_category WHERE BookID=1")),
            QStringLiteral("32,1); DELETE FROM link; --"));
        // Nor can any helper run a second statement.
        QVERIFY(!ExecuteSql(QStringLiteral("DELETE FROM book WHERE BookID=9; DELETE FROM link"),
                            false, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link")), QStringLiteral("1"));
    }

    void resetToDefaultsUsesTheDefaultSettings()
    {
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultLanguage,
                                                  QStringLiteral("German")));
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultStatus,
                                                  QStringLiteral("Wish List")));
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultPurchaseDate,
                                                  QStringLiteral("Jan 01, 2006")));
        QVERIFY(CAppSettings::SetEbookOnly(true));
        CBookRecord book = SampleBook();
        book.BookID = 7;
        book.ErrorText = QStringLiteral("kept");
        book.CoverTempPath = QStringLiteral("/tmp/x.jpg");
        book.ResetToDefaults();
        QCOMPARE(book.BookID, 7);
        QCOMPARE(book.ErrorText, QStringLiteral("kept"));
        QCOMPARE(book.Title, QString());
        QCOMPARE(book.Publisher, QString());
        QCOMPARE(book.Links.size(), 0);
        QCOMPARE(book.MyRating, 0);
        QCOMPARE(book.CoverTempPath, QString());
        QCOMPARE(book.Language, QStringLiteral("German"));
        QCOMPARE(book.Status, QStringLiteral("Wish List"));
        QCOMPARE(book.PurchaseDate, QStringLiteral("Jan 01, 2006"));
        QVERIFY(book.EBookOnly);
        QCOMPARE(CBookRecord().StatusText, QStringLiteral("For Help, press F1"));
    }

    void temporaryFilesGoWithTheLastRecord()
    {
        const QString a = MakeFile(QStringLiteral("TomeloA.jpg"), "a");
        {
            CBookRecord original;
            original.TempFiles.append(a);
            {
                CBookRecord copy = original;
                QVERIFY(copy.TempFiles.contains(a));
            }
            QVERIFY(QFile::exists(a)); // the copy did not take the original's file
        }
        QVERIFY(!QFile::exists(a));
    }

    void associateLinks()
    {
        const QString store = StoreWebAddress();
        const QString redirect =
            store + QStringLiteral("/exec/obidos/redirect?tag=%1&path=ASIN%2F0596004206");
        const QString product = ProductUrlPrefix() + QStringLiteral("0596004206");
        QCOMPARE(MakeAssociateLink(product, QStringLiteral("0596004206"), QString()),
                 redirect.arg(QStringLiteral("brindlewood-20")));
        QCOMPARE(
            MakeAssociateLink(product, QStringLiteral("0596004206"), QStringLiteral("  mine-21 ")),
            redirect.arg(QStringLiteral("mine-21")));
        QCOMPARE(MakeAssociateLink(redirect.arg(QStringLiteral("x")), QStringLiteral("0596004206"),
                                   QStringLiteral("mine-21")),
                 redirect.arg(QStringLiteral("mine-21")));
        QCOMPARE(MakeAssociateLink(QStringLiteral("https://example.org/book"),
                                   QStringLiteral("0596004206"), QString()),
                 QStringLiteral("https://example.org/book"));
        QCOMPARE(MakeAssociateLink(QString(), QStringLiteral("0596004206"), QString()), QString());
        // A tag cannot add to the query.
        QCOMPARE(MakeAssociateLink(product, QStringLiteral("0596004206"), QStringLiteral("a&b=c")),
                 redirect.arg(QStringLiteral("a%26b%3Dc")));

        // The store's address is a setting.
        QVERIFY(CAppSettings::SetStoreHost(QStringLiteral("http://127.0.0.1:8080")));
        QCOMPARE(ProductUrlPrefix(), QStringLiteral("http://127.0.0.1:8080/exec/obidos/ASIN/"));
        QCOMPARE(
            MakeAssociateLink(QStringLiteral("http://127.0.0.1:8080/exec/obidos/ASIN/0596004206"),
                              QStringLiteral("0596004206"), QString()),
            QStringLiteral("http://127.0.0.1:8080/exec/obidos/"
                           "redirect?tag=brindlewood-20&path=ASIN%2F0596004206"));
        QCOMPARE(MakeAssociateLink(product, QStringLiteral("0596004206"), QString()), product);
    }
};

QTEST_GUILESS_MAIN(TestBookRecord)
#include "tst_bookrecord.moc"
