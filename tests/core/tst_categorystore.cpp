// Category rows and book memberships as the tree and the list change them,
// and the list's sorted order of a category's books.

#include "TestSupport.h"

#include "app/StringTable.h"
#include "db/AuthorSortKey.h"
#include "db/BookListOrder.h"
#include "db/BookMembership.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCategoryStore : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection *m_db = nullptr;
    CRecordingPrompt *m_prompt = nullptr;
    QString m_images;

    void Exec(const QString &sql) { QVERIFY2(ExecuteSql(sql, true, *m_db), qPrintable(sql)); }
    QString Query(const QString &sql) { return QueryText(*m_db, sql); }
    QString Members(int categoryId)
    {
        return Query(QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM "
                                    "book_category WHERE CatID=%1 ORDER BY BookID)")
                         .arg(categoryId));
    }
    QString Order(int categoryId, int column, bool ascending)
    {
        CBookListOptions options;
        options.column = column;
        options.ascending = ascending;
        return Order(categoryId, options);
    }
    QString Order(int categoryId, const CBookListOptions &options)
    {
        QVector<quint32> entries;
        if (!ReadBookOrder(categoryId, options, *m_db, entries))
            return QStringLiteral("<error>");
        QStringList ids;
        for (const quint32 id : entries)
            ids << QString::number(id);
        return ids.join(QLatin1Char(','));
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        m_db = new CLibraryConnection;
        m_prompt = new CRecordingPrompt;
        QVERIFY(m_env->OpenLibraryWithUserCategory(*m_db, &m_images));
    }
    void cleanup()
    {
        delete m_prompt;
        delete m_db;
        delete m_env;
    }

    void newIdentifiersStartAt32AndFollowTheLargest()
    {
        Exec(QStringLiteral("DELETE FROM category WHERE CatID >= 32"));
        CCategoryStore store(*m_db);
        QCOMPARE(store.Add(QStringLiteral("First"), QString(), 1), 32);
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (40, 'x', 1)"));
        const int id = store.Add(QStringLiteral("Next"), QStringLiteral("some notes"), 32);
        QCOMPARE(id, 41);
        QCOMPARE(Query(QStringLiteral("SELECT ParentID || '|' || Name || '|' || Notes FROM "
                                      "category WHERE CatID=41")),
                 QStringLiteral("32|Next|some notes"));
        QVERIFY(m_prompt->shown.isEmpty());
    }

    void infoCountsOwnBooksAndDirectChildren()
    {
        CCategoryStore store(*m_db);
        const int child = store.Add(QStringLiteral("Child"), QString(), 32);
        store.Add(QStringLiteral("Grandchild"), QString(), child);
        store.Add(QStringLiteral("Second child"), QString(), 32);
        for (int book = 1; book <= 4; ++book)
            Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'B%1')").arg(book));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 32), (3, 32), (4, %1)")
                 .arg(child));
        CCategoryInfo info;
        QVERIFY(store.ReadInfo(32, info));
        QCOMPARE(info.name, QStringLiteral("Mine"));
        QCOMPARE(info.bookCount, 3);
        QCOMPARE(info.subCategoryCount, 2);
        QVERIFY(info.operationDate != QStringLiteral("Invalid DateTime"));
        QVERIFY(!store.ReadInfo(999, info));
    }

    void moveRefusesItselfAndItsDescendants()
    {
        CCategoryStore store(*m_db);
        const int child = store.Add(QStringLiteral("Child"), QString(), 32);
        const int grandchild = store.Add(QStringLiteral("Grandchild"), QString(), child);
        QVERIFY(!store.Move(32, 32));
        QVERIFY(!store.Move(32, grandchild));
        QCOMPARE(Query(QStringLiteral("SELECT ParentID FROM category WHERE CatID=32")),
                 QStringLiteral("1"));
        // Moving the grandchild up to the root is fine.
        QVERIFY(store.Move(grandchild, 1));
        QCOMPARE(
            Query(QStringLiteral("SELECT ParentID FROM category WHERE CatID=%1").arg(grandchild)),
            QStringLiteral("1"));
        QVERIFY(store.Move(32, grandchild));
    }

    void removeTakesSubCategoriesAndTheirMemberships()
    {
        CCategoryStore store(*m_db);
        const int child = store.Add(QStringLiteral("Child"), QString(), 32);
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'A'), (2, 'B')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, %1), (2, 2)").arg(child));
        QVERIFY(store.Remove(32));
        QCOMPARE(Query(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID >= 32")),
                 QStringLiteral("0"));
        QCOMPARE(Order(kRecycleBin, kColumnTitle, true), QStringLiteral("1"));
        QCOMPARE(Order(kAllBooks, kColumnTitle, true), QStringLiteral("2"));
    }

    void sendToAddsEachMembershipOnceWithoutAMessage()
    {
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'A'), (2, 'B')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 2)"));
        QVERIFY(SendBooksTo({1, 2}, kFavorites, *m_db));
        QVERIFY(SendBooksTo({1, 2}, kFavorites, *m_db));
        QCOMPARE(Members(kFavorites), QStringLiteral("1,2"));
        QVERIFY(m_prompt->shown.isEmpty());
    }

    void pasteReportsDuplicates()
    {
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'A'), (2, 'B')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32)"));
        QVERIFY(PasteBooksInto({1, 2}, 32, *m_db));
        QCOMPARE(Members(32), QStringLiteral("1,2"));
        QCOMPARE(m_prompt->LastText(), QStringLiteral("1 duplicate was not saved."));
    }

    void removeFollowsTheCurrentCategory()
    {
        Exec(QStringLiteral("INSERT INTO book (BookID, Title, FrontCover, BackCover) VALUES "
                            "(1, 'A', '1.jpg', '1b.jpg'), (2, 'B', 'shared.jpg', NULL), "
                            "(3, 'C', 'shared.jpg', '../outside.jpg')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32), (1, 2), (2, 32), (3, 32)"));
        for (const char *name : {"1.jpg", "1b.jpg", "shared.jpg"})
            QVERIFY(QFile(QDir(m_images).filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
        const QString outside = QFileInfo(m_images).dir().filePath(QStringLiteral("outside.jpg"));
        QVERIFY(QFile(outside).open(QIODevice::WriteOnly));

        // From a user category: only that membership goes.
        QVERIFY(RemoveBooks({1}, 32, m_images, *m_db));
        QCOMPARE(Members(32), QStringLiteral("2,3"));
        QCOMPARE(Members(2), QStringLiteral("1"));
        // From All Books: every membership goes, the book lands in the bin.
        QVERIFY(RemoveBooks({1, 3}, kAllBooks, m_images, *m_db));
        QCOMPARE(Order(kRecycleBin, kColumnTitle, true), QStringLiteral("1,3"));
        // In the bin: deleted with covers, but never a picture another book
        // still shows, nor a file outside the images folder.
        QVERIFY(RemoveBooks({1, 3}, kRecycleBin, m_images, *m_db));
        QCOMPARE(Query(QStringLiteral("SELECT group_concat(BookID) FROM book")),
                 QStringLiteral("2"));
        QVERIFY(!QFile::exists(QDir(m_images).filePath(QStringLiteral("1.jpg"))));
        QVERIFY(!QFile::exists(QDir(m_images).filePath(QStringLiteral("1b.jpg"))));
        QVERIFY(QFile::exists(QDir(m_images).filePath(QStringLiteral("shared.jpg"))));
        QVERIFY(QFile::exists(outside));
    }

    void aFailingRemovalChangesNothing()
    {
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'A'), (2, 'B')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 32)"));
        Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON book_category WHEN "
                            "old.BookID = 2 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY(!RemoveBooks({1, 2}, 32, m_images, *m_db));
        QCOMPARE(Members(32), QStringLiteral("1,2"));
        QVERIFY(m_prompt->LastText().contains(QStringLiteral("refused")));
    }

    void listOrderKeepsEachBookOnceAndSortsBlindToCase()
    {
        Exec(QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'zeta'), "
                            "(2, 'Alpha')"));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title, Author, PublisherID) VALUES "
                            "(1, 'beta', 'Carol', 1), (2, 'Alpha', 'alice', 2), "
                            "(3, 'gamma', 'Bob', NULL), (4, 'Delta', 'Dan', 2)"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32), (1, 2), (2, 32), (3, 4)"));
        QCOMPARE(Order(kAllBooks, kColumnTitle, true), QStringLiteral("2,1,3"));
        QCOMPARE(Order(kAllBooks, kColumnTitle, false), QStringLiteral("3,1,2"));
        QCOMPARE(Order(kAllBooks, kColumnAuthor, true), QStringLiteral("2,3,1"));
        QCOMPARE(Order(kAllBooks, kColumnPublisher, true), QStringLiteral("3,2,1"));
        QCOMPARE(Order(kRecycleBin, kColumnTitle, true), QStringLiteral("4"));
        QCOMPARE(Order(32, kColumnAuthor, false), QStringLiteral("1,2"));

        QVector<CBookListRow> rows;
        QVERIFY(ReadBookRows({1, 4, 77}, *m_db, rows));
        QCOMPARE(rows.size(), 2);
        for (const CBookListRow &row : rows)
            QCOMPARE(row.publisher,
                     row.bookId == 1 ? QStringLiteral("zeta") : QStringLiteral("Alpha"));
    }

    void everyColumnSortsByItsValue_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<bool>("byLastName");
        QTest::addColumn<QString>("expected");
        // Empty values first; equal values by title, whatever the direction.
        QTest::newRow("pages as numbers") << int(kColumnPages) << true << false << "3,5,2,1,4";
        QTest::newRow("pages descending") << int(kColumnPages) << false << false << "4,1,2,5,3";
        QTest::newRow("year of any precision") << int(kColumnYear) << true << false << "3,4,1,5,2";
        QTest::newRow("year descending") << int(kColumnYear) << false << false << "5,2,1,4,3";
        QTest::newRow("rating, unrated first")
            << int(kColumnRating) << true << false << "5,2,3,4,1";
        QTest::newRow("status name") << int(kColumnStatus) << true << false << "3,1,2,4,5";
        QTest::newRow("location name") << int(kColumnLocation) << true << false << "3,5,2,1,4";
        QTest::newRow("author as written") << int(kColumnAuthor) << true << false << "5,1,4,3,2";
        QTest::newRow("author by last name") << int(kColumnAuthor) << true << true << "2,4,3,5,1";
        QTest::newRow("last name descending") << int(kColumnAuthor) << false << true << "1,5,3,4,2";
        QTest::newRow("title ignores last name")
            << int(kColumnTitle) << true << true << "5,2,3,4,1";
        // Books from before the library recorded it have no date; 1 and 4 were
        // added in the same second.
        QTest::newRow("date added, undated first")
            << int(kColumnDateAdded) << true << false << "3,2,5,4,1";
        QTest::newRow("date added, newest first")
            << int(kColumnDateAdded) << false << false << "4,1,5,2,3";
    }

    // All Books holds a book with accented texts, which the list sorts
    // itself; category 33 holds only the plain ones, which come sorted from
    // the database: both orders must agree.
    void everyColumnSortsByItsValue()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(bool, byLastName);
        QFETCH(QString, expected);
        Exec(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Plain', 1)"));
        Exec(QStringLiteral("INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Étagère'), "
                            "(2, 'attic'), (3, 'Study')"));
        Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title, Author, PageCount, ReleaseDate, MyRating, StatusID, "
            "LocationID) VALUES "
            "(1, 'Émile', 'Émile Zola', 976, '1994', 5, 4, 1), "
            "(2, 'b', 'Jane Austen', 98, '2000-09', 0, 1, 2), "
            "(3, 'c', 'Homer', NULL, NULL, 3, NULL, NULL), "
            "(4, 'd', 'Frederick P. Brooks Jr.', 1000, '1988-03-22', 3, 1, 3), "
            "(5, 'a', 'Brian W. Kernighan / Dennis M. Ritchie', 5, '2000-01-01', NULL, 2, 2)"));
        Exec(QStringLiteral("INSERT INTO book_category SELECT BookID, 32 FROM book"));
        Exec(QStringLiteral("INSERT INTO book_category SELECT BookID, 33 FROM book WHERE BookID > "
                            "1"));
        Exec(QStringLiteral("UPDATE book_added SET Added = CASE BookID WHEN 2 THEN '2024-12-31 "
                            "23:59:59' WHEN 5 THEN '2025-03-01 09:59:59' ELSE '2025-03-01 "
                            "10:00:00' END"));
        Exec(QStringLiteral("DELETE FROM book_added WHERE BookID = 3"));
        CBookListOptions options;
        options.column = column;
        options.ascending = ascending;
        options.authorsByLastName = byLastName;
        QCOMPARE(Order(kAllBooks, options), expected);
        QStringList plain = expected.split(u',');
        plain.removeAll(QStringLiteral("1"));
        QCOMPARE(Order(33, options), plain.join(u','));
    }

    void authorSortKeyTurnsTheFirstAuthorRound_data()
    {
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("key");
        QTest::newRow("two names") << "Jane Austen"
                                   << "Austen, Jane";
        QTest::newRow("one name") << "Homer"
                                  << "Homer";
        QTest::newRow("already turned") << "Austen, Jane"
                                        << "Austen, Jane";
        QTest::newRow("suffix") << "Frederick P. Brooks Jr."
                                << "Brooks, Frederick P. Jr.";
        QTest::newRow("several") << "  Brian W. Kernighan / Dennis M. Ritchie"
                                 << "Kernighan, Brian W. / Dennis M. Ritchie";
        QTest::newRow("nothing") << ""
                                 << "";
    }

    void authorSortKeyTurnsTheFirstAuthorRound()
    {
        QFETCH(QString, author);
        QFETCH(QString, key);
        QCOMPARE(AuthorSortKey(author), key);
    }

    // A parent lists the books of its whole branch, each once, and nothing
    // of its siblings; the Recycle Bin and All Books are not branches.
    void subcategoriesJoinTheirParentsList()
    {
        Exec(
            QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Child', 32), "
                           "(34, 'Grandchild', 33), (35, 'Second child', 32), (36, 'Beside', 1)"));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'e'), (2, 'd'), "
                            "(3, 'c'), (4, 'b'), (5, 'a'), (6, 'loose')"));
        Exec(QStringLiteral("INSERT INTO book_category VALUES (1, 32), (2, 33), (2, 35), (3, 34), "
                            "(4, 36), (5, 35), (5, 36)"));
        CBookListOptions options;
        options.includeSubcategories = true;
        QCOMPARE(Order(32, options), QStringLiteral("5,3,2,1"));
        QCOMPARE(Order(33, options), QStringLiteral("3,2"));
        QCOMPARE(Order(1, options), QStringLiteral("5,4,3,2,1"));
        QCOMPARE(Order(kRecycleBin, options), QStringLiteral("6"));
        QCOMPARE(Order(32, kColumnTitle, true), QStringLiteral("1"));
        QCOMPARE(CategoryBranch(33, *m_db), QVector<int>({33, 34}));
        // A tree that loops (written by another tool) still ends.
        Exec(QStringLiteral("UPDATE category SET ParentID = 34 WHERE CatID = 33"));
        QCOMPARE(Order(33, options), QStringLiteral("3,2"));
    }

    // A large category is read along the title index instead: same books,
    // same order.
    void largeCategoryKeepsTheSameOrder()
    {
        Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 2500) INSERT INTO book (BookID, Title) SELECT i, "
                            "printf('t%05d', (i * 7919) % 2500) FROM n"));
        Exec(QStringLiteral("INSERT INTO book_category SELECT BookID, 32 FROM book WHERE "
                            "BookID > 100"));
        QVector<quint32> entries;
        QVERIFY(ReadBookOrder(32, kColumnTitle, false, *m_db, entries));
        QCOMPARE(entries.size(), 2400);
        QCOMPARE(
            Query(QStringLiteral("SELECT Title FROM book WHERE BookID=%1").arg(entries.first())),
            Query(QStringLiteral("SELECT MAX(Title) FROM book WHERE BookID > 100")));
        QCOMPARE(Order(32, kColumnTitle, true), Order(kAllBooks, kColumnTitle, true));
        QCOMPARE(Order(kRecycleBin, kColumnTitle, true).count(QLatin1Char(',')), 99);
    }
};

QTEST_GUILESS_MAIN(TestCategoryStore)
#include "tst_categorystore.moc"
