// Libraries as other SQLite tools see them: opened with SQLite alone, nothing
// registered, they count, sort, filter and take writes, and what such a tool
// writes the program reads and keeps consistent. Also libraries of earlier
// builds, whose text columns carry the program's own collation.

#include "PlainSqlite.h"
#include "TestSupport.h"

#include "db/BookListOrder.h"
#include "db/BookListQuery.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlRunner.h"
#include "db/TomeloDoc.h"

#include <QFile>
#include <QTest>

#include <memory>

namespace {

#define PLAIN_ROWS(db, sql, expected)                                                              \
    do {                                                                                           \
        const QStringList rows_ = (db).Rows(sql);                                                  \
        QVERIFY2((db).Error().isEmpty(), qPrintable(QString(sql) + u'\n' + (db).Error()));         \
        QCOMPARE(rows_, expected);                                                                 \
    } while (false)

} // namespace

class TestOtherTools : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;

    QString NewLibrary(const QString &name)
    {
        const QString path = m_env->Path(name);
        const CliRun run =
            RunCliTool({QStringLiteral("new"), path}, m_env->Path(QStringLiteral("config")));
        return run.code == 0 ? path : QString();
    }

    // A library as an earlier build made it: the template's tables with the
    // program's own collation on every text column, and its fixed rows; no
    // record of when books were added, which came later.
    QString LibraryOfEarlierBuild(const QString &name)
    {
        const QString path = m_env->Path(name);
        CLibraryConnection db;
        if (!db.Create(path))
            return QString();
        CPlainSqlite model(CTestEnv::TemplatePath());
        const QStringList schema = model.Rows(QStringLiteral(
            "SELECT sql FROM sqlite_master WHERE sql IS NOT NULL AND type <> 'trigger' AND "
            "tbl_name <> 'book_added' ORDER BY type DESC, rowid"));
        QString sql;
        for (QString statement : schema)
            sql += statement.replace(QStringLiteral("NOCASE"), QStringLiteral("FOLDCASE")) + u';';
        sql += QStringLiteral("ATTACH '%1' AS model;").arg(CTestEnv::TemplatePath());
        for (const QString &table :
             model.Rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND "
                                       "name <> 'book_added'")))
            sql += QStringLiteral("INSERT INTO main.%1 SELECT * FROM model.%1;").arg(table);
        sql += QStringLiteral("DETACH model;");
        if (!db.Execute(sql))
            return QString();
        return path;
    }

private Q_SLOTS:
    void init() { m_env = std::make_unique<CTestEnv>(); }
    void cleanup() { m_env.reset(); }

    void everyLibraryOpensWithSqliteAlone_data()
    {
        QTest::addColumn<QString>("made");
        QTest::newRow("template") << QStringLiteral("template");
        QTest::newRow("sample") << QStringLiteral("sample");
        QTest::newRow("new database") << QStringLiteral("new");
    }
    void everyLibraryOpensWithSqliteAlone()
    {
        QFETCH(QString, made);
        QString path = m_env->Path(QStringLiteral("copy.mdb"));
        if (made == u"new") {
            path = NewLibrary(QStringLiteral("new.mdb"));
            QVERIFY(!path.isEmpty());
        } else {
            const QString source = made == u"template"
                                       ? CTestEnv::TemplatePath()
                                       : CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb");
            QVERIFY(QFile::copy(source, path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        }

        CPlainSqlite db(path);
        PLAIN_ROWS(db, QStringLiteral("PRAGMA integrity_check"), QStringList{"ok"});
        const QStringList tables =
            db.Rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
        QCOMPARE(tables.size(), 18);
        // Every column of every table filters and sorts: a column tied to a
        // collation SQLite lacks would fail here.
        for (const QString &table : tables) {
            db.Rows(QStringLiteral("SELECT COUNT(*) FROM ") + table);
            QVERIFY2(db.Error().isEmpty(), qPrintable(table + u' ' + db.Error()));
            for (const QString &info :
                 db.Rows(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
                const QString column = info.section(u'|', 1, 1);
                db.Rows(QStringLiteral("SELECT %1 FROM %2 WHERE %1 = 'x' OR %1 > 'a' ORDER BY %1")
                            .arg(column, table));
                QVERIFY2(db.Error().isEmpty(),
                         qPrintable(table + u'.' + column + u' ' + db.Error()));
            }
        }
        // Names compare without regard to ASCII letter case, in other tools too.
        PLAIN_ROWS(db, QStringLiteral("SELECT BindingID FROM bookbinding WHERE Name = 'PAPERBACK'"),
                   QStringList{"2"});
        PLAIN_ROWS(db,
                   QStringLiteral("SELECT Name FROM bookstatus WHERE StatusID < 4 ORDER BY Name"),
                   (QStringList{"In Collection", "Reference Only", "Wish List"}));

        // Writes to every table, through the indexes, keep the file sound.
        for (const QString &write : {
                 QStringLiteral(
                     "INSERT INTO bookpublisher (PublisherID, Name) VALUES (900, 'zed')"),
                 QStringLiteral("INSERT INTO booklanguage (LanguageID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO bookbinding (BindingID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO bookextras (ExtrasID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO bookstore (StoreID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO booklocation (LocationID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO bookformat (FormatID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO bookstatus (StatusID, Name) VALUES (900, 'x')"),
                 QStringLiteral(
                     "INSERT INTO category (CatID, Name, ParentID) VALUES (900, 'x', 1)"),
                 QStringLiteral("INSERT INTO book (BookID, Title, ISBN, PublisherID) VALUES (900, "
                                "'outside', '0596007124', 900)"),
                 QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (900, 900)"),
                 QStringLiteral("INSERT INTO link (BookID, LinkID, Name) VALUES (900, 1, 'x')"),
                 QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate) "
                                "VALUES (900, 900, 'lent', '2026-12-01')"),
                 QStringLiteral("INSERT INTO bookseries (SeriesID, Name) VALUES (900, 'x')"),
                 QStringLiteral("INSERT INTO book_series (BookID, SeriesID, Number) VALUES (900, "
                                "900, '2.5')"),
                 QStringLiteral("INSERT INTO reading (BookID, Started) VALUES (900, '2026-12-01')"),
                 QStringLiteral("UPDATE book SET Title = upper(Title), ISBN = lower(ISBN)"),
                 QStringLiteral("UPDATE bookpublisher SET Name = upper(Name)"),
             }) {
            db.Rows(write);
            QVERIFY2(db.Error().isEmpty(), qPrintable(write + u'\n' + db.Error()));
        }
        // A book is out on one loan at a time, whoever records it; a name is
        // one borrower whatever its ASCII letter case.
        db.Rows(QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate) VALUES "
                               "(900, 900, 'borrowed', '2026-12-02')"));
        QVERIFY2(db.Error().contains(QStringLiteral("UNIQUE")), qPrintable(db.Error()));
        db.Rows(QStringLiteral("INSERT INTO borrower (Name) VALUES ('X')"));
        QVERIFY2(db.Error().contains(QStringLiteral("UNIQUE")), qPrintable(db.Error()));
        PLAIN_ROWS(db, QStringLiteral("PRAGMA integrity_check"), QStringList{"ok"});
    }

    void outsideWritesReadByTheProgram()
    {
        const QString path = NewLibrary(QStringLiteral("Books.mdb"));
        QVERIFY(!path.isEmpty());
        {
            CPlainSqlite db(path);
            for (const QString &write : {
                     QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES "
                                    "(1, 'Éditions Gallimard'), (2, 'penguin')"),
                     QStringLiteral("INSERT INTO book (BookID, Title, PublisherID) VALUES "
                                    "(1, 'Zebra', 2), (2, 'éclair', 1), (3, 'apple', NULL), "
                                    "(4, 'Émile', 1), (5, 'Eclipse', 2), (6, 'émile', NULL)"),
                     QStringLiteral("INSERT INTO book_category (BookID, CatID) "
                                    "SELECT BookID, 1 FROM book"),
                 }) {
                db.Rows(write);
                QVERIFY2(db.Error().isEmpty(), qPrintable(write + u'\n' + db.Error()));
            }
        }

        // The list puts accented titles among their base letters, whatever
        // order the outside tool's index keeps them in.
        const CliRun list =
            RunCliTool({QStringLiteral("list"), path}, m_env->Path(QStringLiteral("config")));
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QStringLiteral("3\tapple\t\t\t\t\n"
                                          "2\téclair\t\tÉditions Gallimard\t\t\n"
                                          "5\tEclipse\t\tpenguin\t\t\n"
                                          "4\tÉmile\t\tÉditions Gallimard\t\t\n"
                                          "6\témile\t\t\t\t\n"
                                          "1\tZebra\t\tpenguin\t\t\n"));

        CLibraryConnection program;
        QVERIFY(program.Open(path));
        // The window's list, sorted by any column in either direction.
        const auto order = [&program](int column, bool ascending) {
            QVector<quint32> bookIds;
            QStringList ids;
            if (ReadBookOrder(kAllBooks, column, ascending, program, bookIds)) {
                for (const quint32 bookId : bookIds)
                    ids << QString::number(bookId);
            }
            return ids.join(u',');
        };
        QCOMPARE(order(kColumnTitle, true), QStringLiteral("3,2,5,4,6,1"));
        QCOMPARE(order(kColumnTitle, false), QStringLiteral("1,6,4,5,2,3"));
        QCOMPARE(order(kColumnPublisher, true), QStringLiteral("3,6,2,4,5,1"));
        QCOMPARE(order(kColumnPublisher, false), QStringLiteral("5,1,2,4,3,6"));

        // Names found in any letter case, and new names that share their
        // leading letters with stored ones; "%" and "_" in a name are
        // letters, not patterns.
        const char *const lookups[][2] = {
            {"PENGUIN", "2"}, {"éditions GALLIMARD", "1"},
            {"Pengüin", "3"}, {"PENGÜ%", "4"},
            {"pengü%", "4"},  {"Pengü_n", "5"},
        };
        for (const auto &lookup : lookups) {
            QString id;
            QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QString::fromUtf8(lookup[0]), id,
                                  program));
            QCOMPARE(id, QString::fromUtf8(lookup[1]));
        }
        QVERIFY(ExecuteSql(QStringLiteral("UPDATE book SET Title = 'Élan' WHERE BookID = 1"), true,
                           program));
        QCOMPARE(QueryText(program, QStringLiteral("PRAGMA integrity_check")),
                 QStringLiteral("ok"));
        program.Close();

        CPlainSqlite db(path);
        PLAIN_ROWS(db, QStringLiteral("PRAGMA integrity_check"), QStringList{"ok"});
        PLAIN_ROWS(db,
                   QStringLiteral("SELECT PublisherID FROM bookpublisher WHERE Name LIKE 'p%' "
                                  "ORDER BY PublisherID"),
                   (QStringList{"2", "3", "4", "5"}));
        PLAIN_ROWS(db, QStringLiteral("SELECT Title FROM book WHERE Title >= 'E' AND Title < 'F'"),
                   QStringList{"Eclipse"});
    }

    // What "=" finds in Run SQL: the column's collation decides, and in a new
    // library that is NOCASE, which folds ASCII letters only. LIKE and the
    // program's own collation, named in the statement, fold every alphabet.
    void runSqlEqualityAgainstAccentedNames_data()
    {
        QTest::addColumn<bool>("earlierBuild");
        QTest::newRow("new library") << false;
        QTest::newRow("library of an earlier build") << true;
    }
    void runSqlEqualityAgainstAccentedNames()
    {
        QFETCH(bool, earlierBuild);
        const QString path = earlierBuild ? LibraryOfEarlierBuild(QStringLiteral("old.mdb"))
                                          : m_env->CopyTemplate(QStringLiteral("lib.mdb"));
        QVERIFY(!path.isEmpty());
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES "
                                          "(7, 'Éditions Gallimard')"),
                           true, *doc.m_connection));
        const auto rows = [&doc](const QString &where) {
            const CSqlRunResult run =
                RunUserSql(doc, QStringLiteral("SELECT * FROM bookpublisher WHERE ") + where);
            return run.ok ? run.rows : -1;
        };
        QCOMPARE(rows(QStringLiteral("Name = 'éditions gallimard'")), earlierBuild ? 1 : 0);
        QCOMPARE(rows(QStringLiteral("Name = 'Éditions GALLIMARD'")), 1);
        QCOMPARE(rows(QStringLiteral("Name LIKE 'éditions gallimard'")), 1);
        QCOMPARE(rows(QStringLiteral("Name = 'éditions gallimard' COLLATE FOLDCASE")), 1);
        QCOMPARE(rows(QStringLiteral("Name = 'editions gallimard'")), 0);
    }

    // Dates typed or imported in any form are stored in one, so they sort
    // and compare in order as text, in other tools and in Run SQL alike,
    // while the program still shows them as before.
    void datesFromImportSortInOrder()
    {
        const QString path = NewLibrary(QStringLiteral("dates.mdb"));
        QVERIFY(!path.isEmpty());
        const QString xml = m_env->Path(QStringLiteral("dates.xml"));
        QFile file(xml);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tomelodex Version=\"1.1\">\n"
                   "<Book ID=\"1\"><Title>Later</Title><ReleaseDate>Mar 07, 2005</ReleaseDate>"
                   "<PurchaseDate>1931</PurchaseDate></Book>\n"
                   "<Book ID=\"2\"><Title>Earliest</Title><ReleaseDate>1931</ReleaseDate>"
                   "<PurchaseDate>Spring 2004</PurchaseDate></Book>\n"
                   "<Book ID=\"3\"><Title>Between</Title><ReleaseDate>January 5, 1946</ReleaseDate>"
                   "<PurchaseDate>January 5, 1946</PurchaseDate></Book>\n</Tomelodex>\n");
        file.close();
        const CliRun imported = RunCliTool({QStringLiteral("import-xml"), path, xml,
                                            QStringLiteral("--category"), QStringLiteral("1")},
                                           m_env->Path(QStringLiteral("config")));
        QVERIFY2(imported.code == 0, qPrintable(imported.out + imported.err));

        {
            CPlainSqlite db(path);
            PLAIN_ROWS(db,
                       QStringLiteral("SELECT Title, ReleaseDate, PurchaseDate FROM book "
                                      "ORDER BY ReleaseDate"),
                       (QStringList{"Earliest|1931|Spring 2004", "Between|1946-01-05|1946-01-05",
                                    "Later|2005-03-07|1931"}));
        }

        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        const auto rows = [&doc](const QString &where) {
            const CSqlRunResult run =
                RunUserSql(doc, QStringLiteral("SELECT * FROM book WHERE ") + where);
            return run.ok ? run.rows : -1;
        };
        QCOMPARE(rows(QStringLiteral("ReleaseDate < '1946-01-05'")), 1);
        QCOMPARE(rows(QStringLiteral("ReleaseDate <= '1946-01-05'")), 2);
        QCOMPARE(rows(QStringLiteral("ReleaseDate BETWEEN '1940-01-01' AND '2005-12-31'")), 2);
        QCOMPARE(rows(QStringLiteral("ReleaseDate > date('1999-12-31')")), 1);

        QString shown;
        QVERIFY(QuerySingleValue(
            QStringLiteral("SELECT ReleaseDate FROM book WHERE Title = 'Earliest'"),
            *doc.m_connection, shown));
        QCOMPARE(shown, QStringLiteral("1931"));
    }

    void libraryOfAnEarlierBuildStillWorks()
    {
        const QString path = LibraryOfEarlierBuild(QStringLiteral("old.mdb"));
        QVERIFY(!path.isEmpty());
        CLibraryConnection db;
        QString error;
        QVERIFY2(db.Open(path, &error), qPrintable(error));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Zebra'), "
                                          "(2, 'émile'), (3, 'Eclipse')"),
                           true, db));
        QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book_category SELECT BookID, 1 FROM book"),
                           true, db));
        // The first write upgraded the library before it ran, so its books
        // were recorded as they were added.
        QCOMPARE(QueryText(db, QStringLiteral("SELECT count(Added) FROM book_added")),
                 QStringLiteral("3"));
        QString id;
        QVERIFY(LookupOrAddId(QStringLiteral("bookbinding"), QStringLiteral("paperBACK"), id, db));
        QCOMPARE(id, QStringLiteral("2"));
        QVERIFY(
            LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("Ärzte Verlag"), id, db));
        QVERIFY(
            LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("ärzte verlag"), id, db));
        QCOMPARE(id, QStringLiteral("1"));
        QVector<CBookListRow> rows;
        QVERIFY(ReadBookList(5, db, rows));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].title + u',' + rows[1].title + u',' + rows[2].title,
                 QStringLiteral("Eclipse,émile,Zebra"));
        QCOMPARE(QueryText(db, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(TestOtherTools)
#include "tst_othertools.moc"
