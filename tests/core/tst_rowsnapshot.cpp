// The rows a change touched, taken before and after it and written back:
// each kind of change the window makes, undone and redone on a copy of the
// sample library and compared table by table; another program's change in
// between; the cover pictures a deletion takes.

#include "PlainSqlite.h"
#include "TableDump.h"
#include "TestSupport.h"

#include "db/BookMembership.h"
#include "db/BookRecord.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/HeldCovers.h"
#include "db/LibraryConnection.h"
#include "db/RowSnapshot.h"
#include "db/TomeloDoc.h"
#include "loans/LoanStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

namespace {

struct CChange
{
    const char *name;
    CSnapshotScope scope;
    // Rows written before the snapshot, if any.
    const char *setup;
    // Makes the change; names in `added` the rows it made.
    std::function<bool(CLibraryConnection &, const QString &images, CSnapshotScope &added)> make;
};

CSnapshotScope Books(QVector<qint64> ids, bool names = false)
{
    CSnapshotScope scope;
    scope.bookIds = std::move(ids);
    scope.nameTables = names;
    return scope;
}

// A loan may bring a borrower nobody else has.
CSnapshotScope LendScope(qint64 bookId)
{
    CSnapshotScope scope = Books({bookId});
    scope.wholeTables = {QStringLiteral("borrower")};
    return scope;
}

CSnapshotScope Categories(QVector<qint64> ids)
{
    CSnapshotScope scope;
    scope.categoryIds = std::move(ids);
    scope.wholeTables = {QStringLiteral("category")};
    return scope;
}

const QList<CChange> &Changes()
{
    static const QList<CChange> changes = {
        {"edit a book: columns, a new publisher, links", Books({1}, true), nullptr,
         [](CLibraryConnection &db, const QString &images, CSnapshotScope &) {
             CBookRecord book;
             if (!book.Load(1, db))
                 return false;
             book.Title = QStringLiteral("Pride & Prejudice (annotated)");
             book.Publisher = QStringLiteral("A Press Nobody Knew");
             book.Links = {
                 {QString(), QStringLiteral("Notes"), QStringLiteral("/tmp/n.txt"), QString()}};
             return book.Save(false, 0, images, db);
         }},
        {"add a book", Books({}, true), nullptr,
         [](CLibraryConnection &db, const QString &images, CSnapshotScope &added) {
             CBookRecord book;
             book.Title = QStringLiteral("Brand New");
             book.Binding = QStringLiteral("Spiral Bound");
             if (!book.Save(true, 33, images, db))
                 return false;
             added.bookIds = {g_lastSavedBookId};
             return true;
         }},
        {"remove books from one category", Books({4, 6}), nullptr,
         [](CLibraryConnection &db, const QString &images, CSnapshotScope &) {
             return RemoveBooks({4, 6}, 33, images, db);
         }},
        {"move books to the Recycle Bin", Books({1, 2}), nullptr,
         [](CLibraryConnection &db, const QString &images, CSnapshotScope &) {
             return RemoveBooks({1, 2}, kAllBooks, images, db);
         }},
        {"delete books for good: loans, series, readings too", Books({9, 13}),
         "INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ann');"
         "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate) VALUES (9, 1, 'lent', "
         "'2026-01-02');"
         "INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Trilogy');"
         "INSERT INTO book_series (BookID, SeriesID, Number) VALUES (13, 1, '2');"
         "INSERT INTO reading (BookID, Started) VALUES (13, '2025-12-01')",
         [](CLibraryConnection &db, const QString &images, CSnapshotScope &) {
             return RemoveBooks({9, 13}, kRecycleBin, images, db);
         }},
        {"lend a book to someone new, who goes again with the loan", LendScope(9),
         "INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ann')",
         [](CLibraryConnection &db, const QString &, CSnapshotScope &) {
             return CLoanStore(db).Lend(9, {LoanDirection::Lent, QStringLiteral("Zed"),
                                            QDate(2026, 1, 2), QDate(), QString()}) != 0;
         }},
        {"paste books", Books({1, 2, 24}), nullptr,
         [](CLibraryConnection &db, const QString &, CSnapshotScope &) {
             return PasteBooksInto({1, 2, 24}, 40, db);
         }},
        {"remove a category with its subcategories", Categories({32, 33, 34}), nullptr,
         [](CLibraryConnection &db, const QString &, CSnapshotScope &) {
             return CCategoryStore(db).Remove(32);
         }},
        {"move a category", Categories({40}), nullptr,
         [](CLibraryConnection &db, const QString &, CSnapshotScope &) {
             return CCategoryStore(db).Move(40, 32);
         }},
        {"add a category", Categories({}), nullptr,
         [](CLibraryConnection &db, const QString &, CSnapshotScope &added) {
             const int id = CCategoryStore(db).Add(QStringLiteral("Poetry"), QString(), 32);
             added.categoryIds = {id};
             return id != 0;
         }},
    };
    return changes;
}

} // namespace

class TestRowSnapshot : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CRecordingPrompt *m_prompt = nullptr;
    CLibraryConnection *m_db = nullptr;
    QString m_path;
    QString m_images;

    // Captures, changes, captures again; both snapshots of the same scope.
    bool Change(const CChange &change, CRowSnapshot &before, CRowSnapshot &after)
    {
        QString error;
        CSnapshotScope added;
        if (!before.Capture(change.scope, *m_db, &error) || !change.make(*m_db, m_images, added))
            return false;
        before.AddAbsentRows(added);
        return after.Capture(before.Scope(), *m_db, &error);
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        m_prompt = new CRecordingPrompt;
        m_path = m_env->Path(QStringLiteral("Sample.mdb"));
        QVERIFY(QFile::copy(CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb"), m_path));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        m_images = CTomeloDoc::ImagesDirFor(m_path);
        QDir().mkpath(m_images);
        const QDir sampleImages(
            CTomeloDoc::ImagesDirFor(CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb")));
        for (const QString &name : sampleImages.entryList(QDir::Files))
            QFile::copy(sampleImages.filePath(name), QDir(m_images).filePath(name));
        m_db = new CLibraryConnection;
        QVERIFY(m_db->Open(m_path));
    }
    void cleanup()
    {
        delete m_db;
        delete m_prompt;
        delete m_env;
    }

    void undoAndRedoEachKindOfChange_data()
    {
        QTest::addColumn<int>("change");
        for (int i = 0; i < Changes().size(); ++i)
            QTest::newRow(Changes()[i].name) << i;
    }
    void undoAndRedoEachKindOfChange()
    {
        QFETCH(int, change);
        if (const char *setup = Changes()[change].setup)
            QVERIFY2(m_db->Execute(QString::fromUtf8(setup)), qPrintable(m_db->LastError()));
        const CTableDump original = DumpTables(m_path);
        CRowSnapshot before;
        CRowSnapshot after;
        QVERIFY(Change(Changes()[change], before, after));
        const CTableDump changed = DumpTables(m_path);
        QVERIFY2(!DumpDifference(original, changed).isEmpty(), "the change changed nothing");
        QVERIFY(!before.SameRows(after));

        QString error;
        QCOMPARE(before.RestoreOver(after, *m_db, nullptr, &error),
                 CRowSnapshot::Outcome::Restored);
        QVERIFY2(DumpDifference(original, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(original, DumpTables(m_path))));
        QCOMPARE(after.RestoreOver(before, *m_db, nullptr, &error),
                 CRowSnapshot::Outcome::Restored);
        QVERIFY2(DumpDifference(changed, DumpTables(m_path)).isEmpty(),
                 qPrintable(DumpDifference(changed, DumpTables(m_path))));
        // Undone once more: a redo leaves nothing that a second undo trips over.
        QCOMPARE(before.RestoreOver(after, *m_db, nullptr, &error),
                 CRowSnapshot::Outcome::Restored);
        QVERIFY(DumpDifference(original, DumpTables(m_path)).isEmpty());
        QCOMPARE(QueryText(*m_db, QStringLiteral("PRAGMA foreign_key_check")),
                 QStringLiteral("<no row>"));
    }

    void anotherProgramsChangeIsFoundAndKeptUntilOverwritten()
    {
        CRowSnapshot before;
        CRowSnapshot after;
        QVERIFY(Change(Changes()[0], before, after));
        CPlainSqlite other(m_path);
        QVERIFY(other.Exec(QStringLiteral("UPDATE book SET Notes='theirs' WHERE BookID=1")));
        const CTableDump theirs = DumpTables(m_path);

        CRowSnapshot found;
        QString error;
        QCOMPARE(before.RestoreOver(after, *m_db, &found, &error),
                 CRowSnapshot::Outcome::ChangedMeanwhile);
        QVERIFY(DumpDifference(theirs, DumpTables(m_path)).isEmpty());
        QVERIFY(!found.SameRows(after));

        // Told what is there now, the undo overwrites it.
        QCOMPARE(before.RestoreOver(found, *m_db, nullptr, &error),
                 CRowSnapshot::Outcome::Restored);
        QCOMPARE(other.Value(QStringLiteral("SELECT Title FROM book WHERE BookID=1")),
                 QStringLiteral("Pride and Prejudice"));
        QVERIFY(other.Value(QStringLiteral("SELECT Notes FROM book WHERE BookID=1")) != "theirs");
    }

    void aNameAnotherBookTookUpMeanwhileStays()
    {
        CRowSnapshot before;
        CRowSnapshot after;
        QVERIFY(Change(Changes()[0], before, after));
        // Another program files book 2 under the new publisher: the names
        // themselves do not change, so nothing stands in the undo's way.
        CPlainSqlite other(m_path);
        QVERIFY(other.Exec(QStringLiteral(
            "UPDATE book SET PublisherID=(SELECT PublisherID FROM bookpublisher WHERE "
            "Name='A Press Nobody Knew') WHERE BookID=2")));
        QString error;
        QCOMPARE(before.RestoreOver(after, *m_db, nullptr, &error),
                 CRowSnapshot::Outcome::Restored);
        QCOMPARE(other.Value(QStringLiteral("SELECT p.Name FROM book b JOIN bookpublisher p ON "
                                            "p.PublisherID=b.PublisherID WHERE b.BookID=2")),
                 QStringLiteral("A Press Nobody Knew"));
        QCOMPARE(other.Value(QStringLiteral("SELECT p.Name FROM book b JOIN bookpublisher p ON "
                                            "p.PublisherID=b.PublisherID WHERE b.BookID=1")),
                 QStringLiteral("Penguin Classics"));
    }

    void aDeletedBooksCoverComesBackByteForByte()
    {
        const QString cover =
            QueryText(*m_db, QStringLiteral("SELECT FrontCover FROM book WHERE BookID=9"));
        const QString coverPath = QDir(m_images).filePath(cover);
        const QByteArray picture = ReadFileBytes(coverPath);
        QVERIFY(!picture.isEmpty());
        QString heldFolder;
        {
            CHeldCovers held(m_images);
            CRowSnapshot before;
            CRowSnapshot after;
            QString error;
            QVERIFY(before.Capture(Books({9}), *m_db, &error));
            QCOMPARE(before.CoverNames(), QStringList{cover});
            held.Hold(CHeldCovers::kBefore, before.CoverNames());
            QVERIFY(RemoveBooks({9}, kRecycleBin, m_images, *m_db));
            QVERIFY(!QFile::exists(coverPath));
            QVERIFY(after.Capture(before.Scope(), *m_db, &error));
            held.Hold(CHeldCovers::kAfter, after.CoverNames());

            QCOMPARE(before.RestoreOver(after, *m_db, nullptr, &error),
                     CRowSnapshot::Outcome::Restored);
            held.PutInPlace(CHeldCovers::kBefore, before.CoverNames(), after.CoverNames());
            QCOMPARE(ReadFileBytes(coverPath), picture);

            QCOMPARE(after.RestoreOver(before, *m_db, nullptr, &error),
                     CRowSnapshot::Outcome::Restored);
            held.PutInPlace(CHeldCovers::kAfter, after.CoverNames(), before.CoverNames());
            QVERIFY(!QFile::exists(coverPath));

            QCOMPARE(before.RestoreOver(after, *m_db, nullptr, &error),
                     CRowSnapshot::Outcome::Restored);
            held.PutInPlace(CHeldCovers::kBefore, before.CoverNames(), after.CoverNames());
            QCOMPARE(ReadFileBytes(coverPath), picture);
            const QStringList folders = QDir(m_images).entryList(
                {QLatin1String(kHeldCoversPrefix) + u'*'}, QDir::Dirs | QDir::Hidden);
            QCOMPARE(folders.size(), 1);
            heldFolder = QDir(m_images).filePath(folders.first());
        }
        // Let go, the kept pictures go; the one in place stays.
        QVERIFY(!QFileInfo::exists(heldFolder));
        QCOMPARE(ReadFileBytes(coverPath), picture);
    }
};

QTEST_GUILESS_MAIN(TestRowSnapshot)
#include "tst_rowsnapshot.moc"
