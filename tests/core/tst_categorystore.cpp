// Category rows and book memberships as the tree and the list change them,
// and the list's sorted order of a category's books.

#include "TestSupport.h"

#include "app/StringTable.h"
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
        QVector<quint32> entries;
        if (!ReadBookOrder(categoryId, column, ascending, *m_db, entries))
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
