// The state of a library file: the version stamped in it, the upgrade of an
// older library on its first write (with the copy kept beside it), a newer
// library that is only read, a library that lacks a table or column, and the
// document noticing what other programs commit.

#include "PlainSqlite.h"
#include "TestSupport.h"

#include "db/BookListOrder.h"
#include "db/BookListQuery.h"
#include "db/BookMembership.h"
#include "db/CategoryStore.h"
#include "db/LibraryConnection.h"
#include "db/SchemaVersion.h"
#include "db/TomeloDoc.h"
#include "loans/LoanStore.h"
#include "loans/SeriesStore.h"
#include "loans/ShelfQueries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

QString Schema(CPlainSqlite &db)
{
    return db.Rows(QStringLiteral("SELECT type || ' ' || name FROM sqlite_master ORDER BY 1"))
        .join(u',');
}

// What records when books were added: the table and its triggers.
QString DateAddedSchema(CPlainSqlite &db)
{
    return db
        .Rows(QStringLiteral("SELECT type || ' ' || name || ' ' || tbl_name FROM sqlite_master "
                             "WHERE tbl_name = 'book_added' OR type = 'trigger' ORDER BY 1"))
        .join(u',');
}

// What keeps loans, series and readings: their tables with each column's
// type, constraints and collation, their indexes (unique, partial, on
// which columns) and triggers.
QString LoanSchema(CPlainSqlite &db)
{
    const QString tables =
        QStringLiteral("('borrower', 'loan', 'bookseries', 'book_series', 'reading')");
    return db
        .Rows(QStringLiteral(
                  "SELECT type || ' ' || name || ' ' || tbl_name FROM sqlite_master WHERE "
                  "tbl_name IN %1 OR name = 'book_loans_on_delete' "
                  "UNION ALL SELECT t.name || '.' || c.name || ' ' || c.type || ' ' || "
                  "c.\"notnull\" || ' ' || c.pk || ' ' || ifnull(c.dflt_value, '') FROM "
                  "sqlite_master AS t, pragma_table_info(t.name) AS c WHERE t.type = 'table' AND "
                  "t.name IN %1 "
                  "UNION ALL SELECT l.name || ' ' || l.\"unique\" || ' ' || l.partial || ' ' || "
                  "(SELECT group_concat(ifnull(x.name, '') || ' ' || x.coll) FROM "
                  "pragma_index_xinfo(l.name) AS x WHERE x.key) FROM sqlite_master AS t, "
                  "pragma_index_list(t.name) AS l WHERE t.type = 'table' AND t.name IN %1 "
                  "UNION ALL SELECT t.name || ' fk ' || f.\"table\" || ' ' || f.\"from\" || ' ' || "
                  "f.on_delete FROM sqlite_master AS t, pragma_foreign_key_list(t.name) AS f "
                  "WHERE t.type = 'table' AND t.name IN %1 ORDER BY 1")
                  .arg(tables))
        .join(u'\n');
}

// The current moment as the library stores it, to the second.
QDateTime NowToTheSecond()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()),
                     Qt::UTC);
}

// SQLite's own check, through the program's connection, which knows the
// collation of earlier builds' libraries.
QString IntegrityOf(const QString &path)
{
    CLibraryConnection db;
    return db.Open(path) ? QueryText(db, QStringLiteral("PRAGMA integrity_check"))
                         : QStringLiteral("<cannot open>");
}

} // namespace

class TestLibraryVersions : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTestEnv> m_env;

    CliRun Run(const QStringList &args)
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")));
    }

    // A copy of the template with one book filed in the root, stamped
    // `version`.
    QString LibraryWithBook(const QString &name, int version)
    {
        const QString path = m_env->CopyTemplate(name);
        CPlainSqlite db(path);
        const bool ok = db.Exec(
            QStringLiteral("INSERT INTO book (BookID, Title, ISBN, Notes) VALUES (1, 'Dune', "
                           "'0441013597', 'kept'); INSERT INTO book_category VALUES (1, 1); "
                           "PRAGMA user_version=%1;")
                .arg(version));
        return ok ? path : QString();
    }

private Q_SLOTS:
    void init() { m_env = std::make_unique<CTestEnv>(); }
    void cleanup() { m_env.reset(); }

    void builtLibrariesCarryTheCurrentVersionAndEveryPartTheProgramNeeds()
    {
        for (const QString &name :
             {QStringLiteral("Tomelodex.dbt"), QStringLiteral("Sample.mdb")}) {
            CPlainSqlite db(CTestEnv::RuntimeDir() + u'/' + name);
            QCOMPARE(db.Value(QStringLiteral("PRAGMA user_version")),
                     QString::number(CSchemaVersion::Current()));
        }
        // The list of what is required follows the template: a column added
        // to one must be added to the other.
        CPlainSqlite db(CTestEnv::TemplatePath());
        QMap<QString, QStringList> inTemplate;
        for (const QString &table : db.Rows(QStringLiteral(
                 "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"))) {
            for (const QString &column :
                 db.Rows(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
                inTemplate[table] += column;
        }
        QCOMPARE(CSchemaVersion::RequiredColumns(CSchemaVersion::Current()), inTemplate);
    }

    void olderLibraryIsUpgradedOnFirstWriteWithACopyKept_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("firstWrite"); // a tomelodex-cli command line
        QTest::newRow("unstamped, without the ISBN index, written by sql")
            << "DROP INDEX book_isbn_normal; PRAGMA user_version=0"
            << "sql|LIB|UPDATE book SET Title='Dune Messiah' WHERE BookID=1";
        QTest::newRow("unstamped, written by search") << "PRAGMA user_version=0"
                                                      << "search|LIB|dune";
        QTest::newRow("earlier build's collation, written by compact")
            << "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql=replace(sql, 'NOCASE', "
               "'FOLDCASE') WHERE type='table'; PRAGMA writable_schema=OFF; "
               "DROP INDEX book_isbn_normal; PRAGMA user_version=0"
            << "compact|LIB";
    }
    void olderLibraryIsUpgradedOnFirstWriteWithACopyKept()
    {
        QFETCH(QString, setup);
        QFETCH(QString, firstWrite);
        const QString path = LibraryWithBook(QStringLiteral("old.mdb"), 0);
        QVERIFY(!path.isEmpty());
        {
            CPlainSqlite db(path);
            QVERIFY2(db.Exec(setup), qPrintable(db.Error()));
        }
        const QString backup = path + QStringLiteral(".bak-0");
        const QByteArray before = ReadFileBytes(path);

        // Reading changes nothing: no upgrade, no copy.
        CliRun run = Run({QStringLiteral("list"), path});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("Dune")));
        run = Run({QStringLiteral("export-xml"), path, QStringLiteral("1")});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("<Notes>kept</Notes>")));
        QCOMPARE(ReadFileBytes(path), before);
        QVERIFY(!QFileInfo::exists(backup));

        run = Run(firstWrite.replace(QStringLiteral("LIB"), path).split(u'|'));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        CPlainSqlite db(path);
        QCOMPARE(db.Value(QStringLiteral("PRAGMA user_version")),
                 QString::number(CSchemaVersion::Current()));
        QCOMPARE(db.Value(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                         "name='book_isbn_normal'")),
                 QStringLiteral("1"));
        QCOMPARE(IntegrityOf(path), QStringLiteral("ok"));

        // The copy is the library exactly as it was before the write.
        CPlainSqlite copy(backup);
        const QString originalPath = m_env->WriteFile(QStringLiteral("before.mdb"), before);
        CPlainSqlite original(originalPath);
        QCOMPARE(copy.Value(QStringLiteral("PRAGMA user_version")), QStringLiteral("0"));
        QCOMPARE(Schema(copy), Schema(original));
        QCOMPARE(copy.Rows(QStringLiteral("SELECT * FROM book")),
                 original.Rows(QStringLiteral("SELECT * FROM book")));
        QCOMPARE(IntegrityOf(backup), QStringLiteral("ok"));
        QCOMPARE(QFile::permissions(backup), QFile::permissions(path));

        // Once upgraded, later writes keep no further copies.
        QVERIFY(QFile::remove(backup));
        QCOMPARE(
            Run({QStringLiteral("sql"), path, QStringLiteral("UPDATE book SET Notes='2'")}).code,
            0);
        QVERIFY(!QFileInfo::exists(backup));
        QVERIFY(QDir(m_env->Path(QString()))
                    .entryList({QStringLiteral(".Tomelo-*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    }

    // A library of version 1 does not know when its books were added: it is
    // listed without dates, and its first write brings in the table and its
    // triggers without making up dates for the books it holds. From then on
    // every way of adding a book records the moment, and every way of
    // deleting one takes the record along, foreign keys on or off.
    void versionOneLibraryStartsRecordingWhenBooksAreAdded()
    {
        const QString path = LibraryWithBook(QStringLiteral("v1.mdb"), 1);
        QVERIFY(!path.isEmpty());
        {
            CPlainSqlite db(path);
            QVERIFY2(db.Exec(QStringLiteral(
                         "INSERT INTO book (BookID, Title) VALUES (2, 'Emma'); INSERT INTO "
                         "book_category VALUES (2, 1); DROP TRIGGER book_added_on_insert; DROP "
                         "TRIGGER book_added_on_delete; DROP TABLE book_added")),
                     qPrintable(db.Error()));
        }
        CRecordingPrompt prompt;
        {
            CLibraryConnection db;
            QVERIFY(db.Open(path));
            for (const bool ascending : {true, false}) {
                QVector<quint32> order;
                QVERIFY(ReadBookOrder(kAllBooks, kColumnDateAdded, ascending, db, order));
                QCOMPARE(order, (QVector<quint32>{1, 2})); // all undated: by title
            }
            QVector<CBookListRow> rows;
            QVERIFY(ReadBookRows({1, 2}, db, rows));
            QCOMPARE(rows.size(), 2);
            QVERIFY(rows[0].added.isEmpty() && rows[1].added.isEmpty());
        }
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".bak-1")));

        // The first write, an import, upgrades the library and adds a book.
        const QString xml = m_env->WriteFile(
            QStringLiteral("in.xml"),
            "<?xml version=\"1.0\"?><Tomelodex><Book><Title>Persuasion</Title></Book></Tomelodex>");
        const QDateTime start = NowToTheSecond();
        const CliRun run = Run({QStringLiteral("import-xml"), path, xml,
                                QStringLiteral("--category"), QStringLiteral("1")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QDateTime end = NowToTheSecond();
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".bak-1")));

        CPlainSqlite other(path);
        QCOMPARE(other.Value(QStringLiteral("PRAGMA user_version")),
                 QString::number(CSchemaVersion::Current()));
        CPlainSqlite model(CTestEnv::TemplatePath());
        QCOMPARE(DateAddedSchema(other), DateAddedSchema(model));
        QCOMPARE(other.Value(QStringLiteral("SELECT group_concat(BookID) FROM book_added")),
                 QStringLiteral("3"));
        const QString added =
            other.Value(QStringLiteral("SELECT Added FROM book_added WHERE BookID = 3"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                     .match(added)
                     .hasMatch(),
                 qPrintable(added));
        QDateTime addedAt = QDateTime::fromString(added, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        addedAt.setTimeSpec(Qt::UTC);
        QVERIFY2(addedAt >= start && addedAt <= end, qPrintable(added)); // UTC, not local

        // Another program, foreign keys off as SQLite starts, adds a book
        // without naming its identifier and deletes it with an old one.
        QCOMPARE(other.Value(QStringLiteral("PRAGMA foreign_keys")), QStringLiteral("0"));
        QVERIFY2(other.Exec(QStringLiteral("INSERT INTO book (Title) VALUES ('Sanditon')")),
                 qPrintable(other.Error()));
        QCOMPARE(other.Value(QStringLiteral("SELECT group_concat(BookID) FROM book_added")),
                 QStringLiteral("3,4"));
        QVERIFY(other.Exec(QStringLiteral("DELETE FROM book WHERE BookID IN (2, 4)")));
        QCOMPARE(other.Value(QStringLiteral("SELECT group_concat(BookID) FROM book_added")),
                 QStringLiteral("3"));

        // Run SQL counts the rows a statement changed itself, not what the
        // triggers and the cascades did on its behalf.
        for (const QString &write :
             {QStringLiteral("INSERT INTO book (Title) VALUES ('Lady Susan')"),
              QStringLiteral("INSERT INTO book_category SELECT BookID, 1 FROM book WHERE Title = "
                             "'Lady Susan'"),
              QStringLiteral("DELETE FROM book WHERE Title = 'Lady Susan'")}) {
            const CliRun sql = Run({QStringLiteral("sql"), path, write});
            QCOMPARE(sql.out, QStringLiteral("Records affected: 1\nNumber of records in the "
                                             "returned recordset: 0\n"));
        }
        QCOMPARE(other.Value(QStringLiteral("SELECT group_concat(BookID) FROM book_added")),
                 QStringLiteral("3"));

        // The program's own deletion, foreign keys on, and the list by date.
        CLibraryConnection db;
        QVERIFY(db.Open(path));
        QVector<quint32> order;
        QVERIFY(ReadBookOrder(kAllBooks, kColumnDateAdded, false, db, order));
        QCOMPARE(order, (QVector<quint32>{3, 1})); // the dated one first, then the undated
        QVERIFY(RemoveBooks({1, 3}, kRecycleBin, m_env->Path(QStringLiteral("images")), db));
        QCOMPARE(other.Value(QStringLiteral("SELECT count(*) FROM book_added")),
                 QStringLiteral("0"));
        QCOMPARE(other.Rows(QStringLiteral("PRAGMA foreign_key_check(book_added)")), QStringList());
        QCOMPARE(IntegrityOf(path), QStringLiteral("ok"));
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
    }

    // A library of version 2 has no loans, series or readings: reading it
    // finds none and changes nothing; its first write (a loan) brings in the
    // tables, indexes and triggers as a new library has them.
    void versionTwoLibraryGainsLoansOnFirstWrite()
    {
        const QString path = LibraryWithBook(QStringLiteral("v2.mdb"), 2);
        QVERIFY(!path.isEmpty());
        {
            CPlainSqlite db(path);
            QVERIFY2(
                db.Exec(QStringLiteral(
                    "DROP TRIGGER book_loans_on_delete; DROP TRIGGER borrower_keep_with_loans; "
                    "DROP TABLE loan; DROP TABLE borrower; DROP TABLE book_series; "
                    "DROP TABLE bookseries; DROP TABLE reading")),
                qPrintable(db.Error()));
        }
        const QByteArray before = ReadFileBytes(path);
        CLibraryConnection db;
        QVERIFY(db.Open(path));
        CLoanStore loans(db);
        QVector<CLoanRow> rows;
        QVERIFY2(loans.List(LoanFilter::All, rows), qPrintable(loans.Error()));
        QVERIFY(rows.isEmpty());
        QVector<CSeriesRow> series;
        CSeriesStore seriesStore(db);
        QVERIFY(seriesStore.List(series, true));
        QVector<quint32> ids;
        QString error;
        QVERIFY(ReadShelfBookIds(db, OverdueBookIdsSql(QDate::currentDate()), ids, &error));
        QVERIFY(ids.isEmpty());
        QCOMPARE(ReadFileBytes(path), before);

        QVERIFY2(loans.Lend(1, {LoanDirection::Lent, QStringLiteral("Anna"), QDate(), QDate(),
                                QString()}) > 0,
                 qPrintable(loans.Error()));
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".bak-2")));
        QCOMPARE(db.SchemaVersion(), CSchemaVersion::Current());
        db.Close();
        CPlainSqlite upgraded(path);
        CPlainSqlite model(CTestEnv::TemplatePath());
        const QString schema = LoanSchema(upgraded);
        QVERIFY2(schema.contains(QStringLiteral("loan_open_book 1 1")), qPrintable(schema));
        QCOMPARE(schema, LoanSchema(model));
        QCOMPARE(upgraded.Value(QStringLiteral("SELECT Name FROM borrower")),
                 QStringLiteral("Anna"));
        QCOMPARE(IntegrityOf(path), QStringLiteral("ok"));
    }

    void noUpgradeWithoutTheCopy()
    {
        // Where the copy should go stands a folder: the write is refused with
        // the reason, and the library stays as it was, version and all.
        const QString path = LibraryWithBook(QStringLiteral("old.mdb"), 0);
        QVERIFY(QDir().mkdir(path + QStringLiteral(".bak-0")));
        const QByteArray before = ReadFileBytes(path);
        const CliRun run =
            Run({QStringLiteral("sql"), path, QStringLiteral("UPDATE book SET Title='x'")});
        QCOMPARE(run.code, 1);
        QVERIFY2(
            run.err.contains(QStringLiteral("no copy of it could be kept as %1.bak-0").arg(path)),
            qPrintable(run.err));
        QCOMPARE(ReadFileBytes(path), before);
    }

    void upgradeInsideTheCallersTransactionRollsBackWithIt()
    {
        CRecordingPrompt prompt;
        const QString path = LibraryWithBook(QStringLiteral("old.mdb"), 0);
        CLibraryConnection db;
        QVERIFY(db.Open(path));
        QCOMPARE(db.SchemaVersion(), 0);
        QVERIFY(db.Execute(QStringLiteral("BEGIN; UPDATE book SET Title='x'; ROLLBACK")));
        CPlainSqlite other(path);
        QCOMPARE(other.Value(QStringLiteral("PRAGMA user_version")), QStringLiteral("0"));
        QCOMPARE(other.Value(QStringLiteral("SELECT Title FROM book")), QStringLiteral("Dune"));
        // The next write upgrades for good.
        QVERIFY(db.Execute(QStringLiteral("UPDATE book SET Title='y'")));
        QCOMPARE(other.Value(QStringLiteral("PRAGMA user_version")),
                 QString::number(CSchemaVersion::Current()));
        QCOMPARE(other.Value(QStringLiteral("SELECT Title FROM book")), QStringLiteral("y"));
    }

    void newerLibraryIsOnlyRead_data()
    {
        QTest::addColumn<QString>("command"); // a tomelodex-cli command line
        QTest::addColumn<int>("code");
        QTest::newRow("list") << "list|LIB" << 0;
        QTest::newRow("export-xml") << "export-xml|LIB|--category|5" << 0;
        QTest::newRow("render") << "render|LIB|1" << 0;
        QTest::newRow("sql query") << "sql|LIB|SELECT * FROM book" << 0;
        QTest::newRow("sql write") << "sql|LIB|UPDATE book SET Title='x'" << 1;
        QTest::newRow("sql write to a table of its own")
            << "sql|LIB|INSERT INTO shelf_mark (BookID) VALUES (1)" << 1;
        QTest::newRow("search") << "search|LIB|dune" << 1;
        QTest::newRow("compact") << "compact|LIB" << 1;
        QTest::newRow("import-xml") << "import-xml|LIB|XML|--category|1" << 1;
        QTest::newRow("add") << "add|LIB|--category|1|0596007124" << 1;
        QTest::newRow("edit") << "edit|LIB|1|Title=Dune Messiah" << 1;
    }
    void newerLibraryIsOnlyRead()
    {
        QFETCH(QString, command);
        QFETCH(int, code);
        const int newer = CSchemaVersion::Current() + 1;
        const QString path = LibraryWithBook(QStringLiteral("newer.mdb"), newer);
        {
            // What a newer version may have brought: a table of its own.
            CPlainSqlite db(path);
            QVERIFY(db.Exec(QStringLiteral("CREATE TABLE shelf_mark (BookID INTEGER REFERENCES "
                                           "book (BookID) ON DELETE CASCADE)")));
        }
        const QString xml = m_env->WriteFile(
            QStringLiteral("in.xml"),
            "<?xml version=\"1.0\"?><Books><Book><Title>New</Title></Book></Books>");
        const QByteArray before = ReadFileBytes(path);

        const CliRun run = Run(command.replace(QStringLiteral("LIB"), path)
                                   .replace(QStringLiteral("XML"), xml)
                                   .split(u'|'));
        QCOMPARE(run.code, code);
        // Said once, whatever the command, naming the file and both versions.
        const QString notice = QStringLiteral("%1 was written by a newer version of Tomelodex "
                                              "(library version %2; this version knows library "
                                              "versions up to %3)")
                                   .arg(path)
                                   .arg(newer)
                                   .arg(CSchemaVersion::Current());
        QVERIFY2(run.err.count(notice) == 1, qPrintable(run.err));
        if (code == 0)
            QVERIFY2(run.out.contains(QStringLiteral("Dune")) ||
                         run.out.contains(QStringLiteral("returned recordset: 1")),
                     qPrintable(run.out));
        QCOMPARE(ReadFileBytes(path), before);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".bak-%1").arg(newer)));
    }

    void newerLibraryInTheDocument()
    {
        CRecordingPrompt prompt;
        const QString path =
            LibraryWithBook(QStringLiteral("newer.mdb"), CSchemaVersion::Current() + 1);
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QVERIFY(doc.IsReadOnly());
        QVERIFY(!doc.CanWriteLibrary());
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown.first().text, doc.ReadOnlyReason());
        QVector<CBookListRow> rows;
        QVERIFY(ReadBookList(1, *doc.m_connection, rows));
        QCOMPARE(rows.size(), 1);
        // A group of writes cannot even begin.
        CTransaction transaction(*doc.m_connection);
        QVERIFY(!transaction.IsActive());
        QCOMPARE(transaction.Error(), doc.ReadOnlyReason());
    }

    void libraryLackingWhatTheProgramNeedsFailsToOpen_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("missing");
        QTest::newRow("publishers dropped") << "DROP TABLE bookpublisher"
                                            << "the table bookpublisher";
        QTest::newRow("a column dropped") << "ALTER TABLE book DROP COLUMN Notes"
                                          << "the column book.Notes";
        QTest::newRow("links and a category column dropped")
            << "DROP TABLE link; ALTER TABLE category DROP COLUMN OperationDate"
            << "the column category.OperationDate, the table link";
    }
    void libraryLackingWhatTheProgramNeedsFailsToOpen()
    {
        QFETCH(QString, damage);
        QFETCH(QString, missing);
        const QString path = LibraryWithBook(QStringLiteral("damaged.mdb"), 0);
        {
            CPlainSqlite db(path);
            QVERIFY2(db.Exec(damage), qPrintable(db.Error()));
        }
        const QByteArray before = ReadFileBytes(path);
        const CliRun run = Run({QStringLiteral("export-xml"), path, QStringLiteral("--category"),
                                QStringLiteral("5")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("%1 cannot be opened: the library lacks %2, which this "
                                         "program needs.\n")
                              .arg(path, missing));
        QCOMPARE(ReadFileBytes(path), before);
    }

    void documentNoticesWhatOthersCommit()
    {
        CRecordingPrompt prompt;
        const QString path = LibraryWithBook(QStringLiteral("lib.mdb"), CSchemaVersion::Current());
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QSignalSpy changed(&doc, &CTomeloDoc::LibraryChangedElsewhere);
        QSignalSpy opened(&doc, &CTomeloDoc::LibraryOpened);

        // Its own writes are announced by whoever makes them, not again.
        QVERIFY(doc.m_connection->Execute(QStringLiteral("UPDATE book SET Title='mine'")));
        doc.CheckForChanges();
        QCOMPARE(changed.size(), 0);

        CPlainSqlite other(path);
        QVERIFY(other.Exec(QStringLiteral("UPDATE book SET Title='theirs'")));
        doc.StartWatching(50);
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 30000);
        doc.CheckForChanges();
        QCOMPARE(changed.size(), 1);

        // A newer version upgrades it meanwhile: from now on it is only read.
        QVERIFY(other.Exec(
            QStringLiteral("PRAGMA user_version=%1").arg(CSchemaVersion::Current() + 1)));
        QTRY_VERIFY_WITH_TIMEOUT(doc.IsReadOnly(), 30000);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(prompt.LastText(), doc.ReadOnlyReason());
        QVERIFY(!doc.m_connection->Execute(QStringLiteral("UPDATE book SET Title='mine'")));
        QCOMPARE(other.Value(QStringLiteral("SELECT Title FROM book")), QStringLiteral("theirs"));
    }

    void writerRefusesALibraryUpgradedByANewerVersionMeanwhile()
    {
        const QString path = LibraryWithBook(QStringLiteral("lib.mdb"), CSchemaVersion::Current());
        CLibraryConnection db;
        QVERIFY(db.Open(path));
        CPlainSqlite other(path);
        QVERIFY(other.Exec(
            QStringLiteral("PRAGMA user_version=%1").arg(CSchemaVersion::Current() + 1)));
        CTransaction transaction(db);
        QVERIFY(!transaction.IsActive());
        QVERIFY2(transaction.Error().contains(QStringLiteral("newer version")),
                 qPrintable(transaction.Error()));
        QCOMPARE(db.ReadOnlyReason(), transaction.Error());
    }
};

QTEST_GUILESS_MAIN(TestLibraryVersions)
#include "tst_libraryversions.moc"
