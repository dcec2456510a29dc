// The library database: the template's tables and types, the query helpers,
// identifier allocation and the failure paths of opening.

#include "TestSupport.h"

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QTest>

#include <ctime>

class TestDatabase : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection m_db;

    QString Value(const QString &sql) { return QueryText(m_db, sql); }

    void Exec(const QString &sql) { QVERIFY2(ExecuteSql(sql, false, m_db), qPrintable(sql)); }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env = new CTestEnv;
        const QString path = m_env->CopyTemplate(QStringLiteral("lib.mdb"));
        QString error;
        QVERIFY2(m_db.Open(path, &error), qPrintable(error));
    }

    void cleanup()
    {
        m_db.Close();
        delete m_env;
        m_env = nullptr;
    }

    void templateHasTablesAndFixedRows()
    {
        QStringList tables;
        CRecordset rs(m_db);
        QVERIFY(rs.Open(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name")));
        for (; !rs.IsEOF(); rs.MoveNext())
            tables << rs.GetText(0);
        QCOMPARE(tables.join(u' '),
                 QStringLiteral(
                     "book book_added book_category book_series bookbinding bookextras bookformat "
                     "booklanguage booklocation bookpublisher bookseries bookstatus bookstore "
                     "borrower category link loan reading"));
        const char *counts[][2] = {{"category", "4"},     {"bookbinding", "3"}, {"bookextras", "1"},
                                   {"booklanguage", "2"}, {"bookstatus", "4"},  {"book", "0"},
                                   {"bookpublisher", "0"}};
        for (auto &c : counts)
            QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(c[0]))),
                     QLatin1String(c[1]));
        QCOMPARE(Value(QStringLiteral("SELECT Name FROM bookextras WHERE ExtrasID=3")),
                 QStringLiteral("Floppy Disk"));
        QCOMPARE(Value(QStringLiteral("SELECT ParentID FROM category WHERE CatID=1")), QString());
    }

    // What each column type reads back as, after being written with the
    // program's literal rules.
    void columnTypesReadBackAsShown()
    {
        Exec(QStringLiteral(
                 "INSERT INTO book (BookID, Title, PurchasePrice, ListPrice, AmazonRating, "
                 "BookSize, EBookOnly, ReleaseDate, PurchaseDate, PageCount) VALUES "
                 "(1, %1, %2, %3, %4, %5, 1, %6, %7, %8)")
                 .arg(FormatSqlLiteral(QStringLiteral("It's"), kLiteralText),
                      FormatSqlLiteral(QStringLiteral("$20"), kLiteralNumber),
                      FormatSqlLiteral(QStringLiteral("12.99"), kLiteralNumber),
                      FormatSqlLiteral(QStringLiteral("4.5"), kLiteralNumber),
                      FormatSqlLiteral(QStringLiteral("3.27 MB"), kLiteralNumber),
                      FormatSqlLiteral(QStringLiteral("January 5, 2004"), kLiteralDate),
                      FormatSqlLiteral(QStringLiteral("Mar 14, 2005"), kLiteralText),
                      FormatSqlLiteral(QStringLiteral("12 pages"), kLiteralInteger)));
        Exec(QStringLiteral("INSERT INTO book (BookID, ReleaseDate, PurchaseDate, EBookOnly) "
                            "VALUES (2, %1, %2, 0)")
                 .arg(FormatSqlLiteral(QStringLiteral("0800"), kLiteralDate),
                      FormatSqlLiteral(QStringLiteral("September 2000"), kLiteralDate)));

        CRecordset rs(m_db);
        QVERIFY(rs.Open(QStringLiteral("SELECT * FROM book WHERE BookID=1")));
        QVERIFY(!rs.IsEOF());
        QCOMPARE(rs.GetText(QStringLiteral("title")), QStringLiteral("It's"));
        QCOMPARE(rs.GetText(QStringLiteral("PurchasePrice")), QStringLiteral("20"));
        QCOMPARE(rs.GetText(QStringLiteral("ListPrice")), QStringLiteral("12.99"));
        QCOMPARE(rs.GetText(QStringLiteral("AmazonRating")), QStringLiteral("4.50"));
        QCOMPARE(rs.GetText(QStringLiteral("BookSize")), QStringLiteral("3.270000"));
        QCOMPARE(rs.GetText(QStringLiteral("EBookOnly")), QStringLiteral("-1"));
        QCOMPARE(rs.GetText(QStringLiteral("ReleaseDate")), QStringLiteral("Jan 05, 2004"));
        QCOMPARE(rs.GetText(QStringLiteral("PurchaseDate")), QStringLiteral("Mar 14, 2005"));
        QCOMPARE(rs.GetText(QStringLiteral("PageCount")), QStringLiteral("12"));
        QCOMPARE(rs.GetText(QStringLiteral("AmazonPrice")), QString()); // NULL
        QCOMPARE(rs.GetField(QStringLiteral("AmazonPrice")).type, CFieldValue::Type::Null);
        QCOMPARE(rs.GetField(QStringLiteral("NoSuchColumn")).type, CFieldValue::Type::Empty);

        // A year or a month stays one; the column's numeric affinity keeps
        // a year alone as a number, read back with its four digits.
        QCOMPARE(Value(QStringLiteral("SELECT ReleaseDate || '|' || PurchaseDate FROM book "
                                      "WHERE BookID=2")),
                 QStringLiteral("800|2000-09"));
        QVERIFY(
            rs.Open(QStringLiteral("SELECT ReleaseDate, PurchaseDate FROM book WHERE BookID=2")));
        QCOMPARE(rs.GetText(QStringLiteral("ReleaseDate")), QStringLiteral("0800"));
        QCOMPARE(rs.GetText(QStringLiteral("PurchaseDate")), QStringLiteral("Sep 2000"));
        QCOMPARE(Value(QStringLiteral("SELECT EBookOnly FROM book WHERE BookID=2")),
                 QStringLiteral("0"));
    }

    void newCategoryGetsTodayAsOperationDate()
    {
        // A zone whose date differs from UTC's right now, so that a UTC date
        // cannot pass for the local one.
        const QByteArray oldZone = qgetenv("TZ");
        qputenv("TZ", QDateTime::currentDateTimeUtc().time().hour() < 10 ? "Pacific/Honolulu"
                                                                         : "Pacific/Kiritimati");
        tzset();
        auto restoreZone = qScopeGuard([&] {
            if (oldZone.isNull())
                qunsetenv("TZ");
            else
                qputenv("TZ", oldZone);
            tzset();
        });
        const QDate before = QDate::currentDate();
        Exec(QStringLiteral(
            "INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (32, 'A', 1, NULL)"));
        const QString stored =
            Value(QStringLiteral("SELECT OperationDate FROM category WHERE CatID=32"));
        const QDate after = QDate::currentDate();
        // The local date, read twice in case midnight passes in between.
        const QLocale english(QLocale::English);
        QVERIFY2(stored == english.toString(before, QStringLiteral("MMM dd, yyyy")) ||
                     stored == english.toString(after, QStringLiteral("MMM dd, yyyy")),
                 qPrintable(stored));
    }

    void deletesCascade()
    {
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'A', 1)"));
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'B', 32)"));
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (34, 'C', 33)"));
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (35, 'D', 1)"));
        for (int id = 1; id <= 3; ++id)
            Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'T')").arg(id));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 34)"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (2, 33)"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (2, 35)"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (3, 2)"));
        Exec(QStringLiteral(
            "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (3, 1, 'n', 'p')"));

        // A repeated membership is refused.
        QVERIFY(
            !ExecuteSql(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 34)"),
                        false, m_db));

        // Removing a category takes its whole subtree and their memberships.
        Exec(QStringLiteral("DELETE FROM category WHERE CatID=32"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID IN (32,33,34)")),
                 QStringLiteral("0"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=35")),
                 QStringLiteral("1"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book_category")), QStringLiteral("2"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));

        // Removing a book takes its memberships and links.
        Exec(QStringLiteral("DELETE FROM book WHERE BookID=3"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE BookID=3")),
                 QStringLiteral("0"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM link")), QStringLiteral("0"));
    }

    void lookupOrAddId()
    {
        QString id;
        QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("   "), id, m_db));
        QCOMPARE(id, QStringLiteral("NULL"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("0"));

        QVERIFY(
            LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral(" O'Reilly "), id, m_db));
        QCOMPARE(id, QStringLiteral("1"));
        QCOMPARE(Value(QStringLiteral("SELECT Name FROM bookpublisher WHERE PublisherID=1")),
                 QStringLiteral("O'Reilly"));
        QVERIFY(
            LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("o'reilly"), id, m_db));
        QCOMPARE(id, QStringLiteral("1"));

        // Identifiers continue from the largest, gaps stay unused.
        Exec(QStringLiteral(
            "INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'Éditions Gallimard')"));
        QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("New"), id, m_db));
        QCOMPARE(id, QStringLiteral("8"));

        // Letter case is ignored beyond ASCII too.
        QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("éditions GALLIMARD"),
                              id, m_db));
        QCOMPARE(id, QStringLiteral("7"));
        Exec(QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (9, 'ДРОФА')"));
        QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("Дрофа"), id, m_db));
        QCOMPARE(id, QStringLiteral("9"));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("4"));

        // A fixed row is found by its name in any case.
        QVERIFY(
            LookupOrAddId(QStringLiteral("bookbinding"), QStringLiteral("PAPERBACK"), id, m_db));
        QCOMPARE(id, QStringLiteral("2"));

        // Names sort without regard to case.
        QStringList names;
        QVERIFY(ListLookupNames(QStringLiteral("bookpublisher"), m_db, names));
        QCOMPARE(names, (QStringList{QStringLiteral("Éditions Gallimard"), QStringLiteral("New"),
                                     QStringLiteral("O'Reilly"), QStringLiteral("ДРОФА")}));
        // Accents sort beside their letters but are not ignored.
        Exec(QStringLiteral(
            "INSERT INTO bookpublisher (PublisherID, Name) VALUES (10, 'Editions Zed')"));
        Exec(
            QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (11, 'edition')"));
        names.clear();
        QVERIFY(ListLookupNames(QStringLiteral("bookpublisher"), m_db, names));
        QCOMPARE(names.mid(0, 3),
                 (QStringList{QStringLiteral("edition"), QStringLiteral("Éditions Gallimard"),
                              QStringLiteral("Editions Zed")}));
        QVERIFY(LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("EDITIONS ZED"), id,
                              m_db));
        QCOMPARE(id, QStringLiteral("10"));
        QVERIFY(
            LookupOrAddId(QStringLiteral("bookpublisher"), QStringLiteral("Edition"), id, m_db));
        QCOMPARE(id, QStringLiteral("11"));
    }

    void lookupNameById()
    {
        QString name = QStringLiteral("stale");
        QVERIFY(!LookupNameById(QStringLiteral("bookbinding"), QString(), m_db, name));
        QCOMPARE(name, QString());
        QVERIFY(LookupNameById(QStringLiteral("bookbinding"), QStringLiteral("3"), m_db, name));
        QCOMPARE(name, QStringLiteral("Unknown Binding"));
        QVERIFY(!LookupNameById(QStringLiteral("bookbinding"), QStringLiteral("99"), m_db, name));
        QCOMPARE(LookupKeyColumn(QStringLiteral("bookpublisher")), QStringLiteral("publisherID"));
    }

    void categoryAndLinkHelpers()
    {
        CRecordingPrompt prompt;
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'A', 1)"));
        for (int id = 1; id <= 3; ++id)
            Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'T')").arg(id));
        Exec(QStringLiteral(
            "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (2, 1, 'n', '/tmp/x')"));

        QStringList cats{QStringLiteral("keep")};
        QVERIFY(GetBookCategories(1, m_db, cats));
        QCOMPARE(cats, QStringList{QStringLiteral("keep")});

        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 32)"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (3, 32)"));
        const quint32 books[] = {1, 2, 3};
        QVERIFY(AddBooksToCategory(3, books, 32, m_db));
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("3"));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.LastText(), QStringLiteral("2 duplicates were not saved."));

        cats.clear();
        QVERIFY(GetBookCategories(2, m_db, cats));
        QCOMPARE(cats, QStringList{QStringLiteral("32")});

        QString out = QStringLiteral("unchanged");
        QVERIFY(GetParentCategoryId(QStringLiteral("32"), m_db, out));
        QCOMPARE(out, QStringLiteral("1"));
        QVERIFY(GetParentCategoryId(QStringLiteral("1"), m_db, out));
        QCOMPARE(out, QString());
        out = QStringLiteral("unchanged");
        QVERIFY(!GetParentCategoryId(QStringLiteral("77"), m_db, out));
        QCOMPARE(out, QStringLiteral("unchanged"));

        QVERIFY(GetLinkPath(QStringLiteral("2"), QStringLiteral("1"), m_db, out));
        QCOMPARE(out, QStringLiteral("/tmp/x"));
        // Identifiers that are not numbers never reach the database.
        const int shownBefore = prompt.shown.size();
        QVERIFY(!GetLinkPath(QStringLiteral("2 OR 1=1"), QStringLiteral("1"), m_db, out));
        QVERIFY(!GetParentCategoryId(QStringLiteral("1; DELETE FROM book"), m_db, out));
        QCOMPARE(prompt.shown.size(), shownBefore);
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("3"));
    }

    void failedStatementShowsSqlAndError()
    {
        CRecordingPrompt prompt;
        const QString bad = QStringLiteral("SELECT * FROM nosuchtable");
        QVERIFY(!ExecuteSql(bad, false, m_db));
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(!ExecuteSql(bad, true, m_db));
        QCOMPARE(prompt.LastText(), bad + QStringLiteral("\nno such table: nosuchtable"));

        QString out = QStringLiteral("x");
        QVERIFY(!QueryValue(bad, QStringLiteral("Name"), m_db, out));
        QCOMPARE(out, QString());
        QStringList names;
        QVERIFY(!ListLookupNames(QStringLiteral("booknothing"), m_db, names));
        QCOMPARE(
            prompt.LastText(),
            QStringLiteral("SELECT * FROM booknothing ORDER BY Name\nno such table: booknothing"));
    }

    void allocateId()
    {
        QCOMPARE(AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), m_db), 1);
        Exec(QStringLiteral("INSERT INTO book (BookID) VALUES (41)"));
        Exec(QStringLiteral("INSERT INTO book (BookID) VALUES (3)"));
        QCOMPARE(AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), m_db), 42);
        // A freed highest identifier is given again.
        Exec(QStringLiteral("DELETE FROM book WHERE BookID=41"));
        QCOMPARE(AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), m_db), 4);
    }

    void transactionRollsBackUnlessCommitted()
    {
        {
            CTransaction t(m_db);
            QVERIFY(t.IsActive());
            Exec(QStringLiteral("INSERT INTO book (BookID) VALUES (1)"));
        }
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
        {
            CTransaction t(m_db);
            Exec(QStringLiteral("INSERT INTO book (BookID) VALUES (1)"));
            QVERIFY(t.Commit());
        }
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("1"));
    }

    void openingWhatIsNotALibraryChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("error");
        QTest::newRow("text file") << QByteArray("Just some notes\nabout books\n")
                                   << QStringLiteral("file is not a database");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("no such table: book");
        QByteArray truncated = ReadFileBytes(CTestEnv::TemplatePath());
        truncated.truncate(truncated.size() / 2);
        QTest::newRow("truncated library")
            << truncated << QStringLiteral("database disk image is malformed");
        QTest::newRow("random bytes")
            << QByteArray(5000, '\x9c') << QStringLiteral("file is not a database");
    }

    void openingWhatIsNotALibraryChangesNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        const QString path = m_env->Path(QStringLiteral("notalibrary.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();

        CLibraryConnection connection;
        QString message;
        QVERIFY(!connection.Open(path, &message));
        QCOMPARE(message, error);
        QVERIFY(!connection.IsOpen());
        QCOMPARE(ReadFileBytes(path), contents);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void openingMissingPathCreatesNothing()
    {
        const QString path = m_env->Path(QStringLiteral("missing.mdb"));
        CLibraryConnection connection;
        QString message;
        QVERIFY(!connection.Open(path, &message));
        QCOMPARE(message, QStringLiteral("unable to open database file"));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
