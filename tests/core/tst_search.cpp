// Basic Search into Search Results, and LIKE that ignores letter case in
// every alphabet.

#include "TestSupport.h"

#include "db/BasicSearch.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TextCollation.h"
#include "db/TomeloDoc.h"

#include <QProcess>
#include <QTest>

class TestSearch : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CTomeloDoc *m_doc = nullptr;

    void Exec(const QString &sql)
    {
        QVERIFY2(ExecuteSql(sql, true, *m_doc->m_connection), qPrintable(sql));
    }

    QString Filed()
    {
        QString out;
        QuerySingleValue(
            QStringLiteral("SELECT group_concat(BookID) FROM (SELECT BookID FROM book_category "
                           "WHERE CatID=3 ORDER BY BookID)"),
            *m_doc->m_connection, out);
        return out;
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        m_doc = new CTomeloDoc;
        QVERIFY(m_doc->OnOpenDocument(m_env->CopyTemplate(QStringLiteral("lib.mdb"))));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title, Author) VALUES (1, 'Gardening for "
                            "All', 'Pat O''Brien')"));
        Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title, Notes) VALUES (2, 'Roses', 'see GARDENING notes')"));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title, UserText2) VALUES (3, 'L''école des "
                            "femmes', 'ÉTÉ')"));
        Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title, ISBN) VALUES (4, 'Internet', '0596004206')"));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (5, '100% cotton')"));
    }
    void cleanup()
    {
        delete m_doc;
        delete m_env;
    }

    void searchFilesMatches()
    {
        CBasicSearchResult r = RunBasicSearch(*m_doc, QStringLiteral("gardening"), true);
        QVERIFY(r.ok);
        QCOMPARE(r.found, 2);
        QCOMPARE(Filed(), QStringLiteral("1,2"));

        // Found again without clearing: no error, nothing doubled.
        r = RunBasicSearch(*m_doc, QStringLiteral("O'Brien"), false);
        QVERIFY(r.ok);
        QCOMPARE(r.found, 1);
        QCOMPARE(Filed(), QStringLiteral("1,2"));

        r = RunBasicSearch(*m_doc, QStringLiteral("École"), true);
        QCOMPARE(r.found, 1);
        QCOMPARE(Filed(), QStringLiteral("3"));
        QCOMPARE(RunBasicSearch(*m_doc, QStringLiteral("été"), true).found, 1);

        // The space typed before the keyword counts.
        QCOMPARE(RunBasicSearch(*m_doc, QStringLiteral(" net"), true).found, 0);
        QCOMPARE(RunBasicSearch(*m_doc, QStringLiteral("0596"), true).found, 1);
        QCOMPARE(RunBasicSearch(*m_doc, QStringLiteral("nothing like it"), true).found, 0);
        QCOMPARE(Filed(), QString());
    }

    void failedFilingIsReported()
    {
        QVERIFY(RunBasicSearch(*m_doc, QStringLiteral("roses"), true).ok);
        // Search Results refuses new books, as a library another tool locked
        // down might; the book already there is no failure.
        Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON book_category WHEN NEW.CatID=3 "
                            "AND NEW.BookID<>2 BEGIN SELECT RAISE(ABORT, 'filing refused'); END"));
        CBasicSearchResult r = RunBasicSearch(*m_doc, QStringLiteral("roses"), false);
        QVERIFY(r.ok);
        QCOMPARE(r.found, 1);

        r = RunBasicSearch(*m_doc, QStringLiteral("gardening"), false);
        QVERIFY(!r.ok);
        QCOMPARE(r.found, 0);
        QVERIFY2(r.error.startsWith(QStringLiteral("INSERT OR IGNORE INTO book_category")),
                 qPrintable(r.error));
        QVERIFY2(r.error.endsWith(QStringLiteral("\nfiling refused")), qPrintable(r.error));
        // Nothing of the failed search stays filed.
        QCOMPARE(Filed(), QStringLiteral("2"));
    }

    void likeIgnoresCaseEverywhere_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("match");
        QTest::newRow("ascii") << QStringLiteral("%OBR%") << QStringLiteral("Pat O'Brien x")
                               << false;
        QTest::newRow("ascii match")
            << QStringLiteral("%o'br%") << QStringLiteral("Pat O'Brien") << true;
        QTest::newRow("accented") << QStringLiteral("%ÉCOLE%") << QStringLiteral("l'école") << true;
        QTest::newRow("accent kept")
            << QStringLiteral("%ecole%") << QStringLiteral("l'école") << false;
        QTest::newRow("cyrillic") << QStringLiteral("дрофа") << QStringLiteral("ДРОФА") << true;
        QTest::newRow("underscore") << QStringLiteral("д_офа") << QStringLiteral("ДРОФА") << true;
        QTest::newRow("anchored") << QStringLiteral("дро") << QStringLiteral("ДРОФА") << false;
        QTest::newRow("backtracking")
            << QStringLiteral("%é%é%x") << QStringLiteral("ééaéx") << true;
        QTest::newRow("empty text") << QStringLiteral("%") << QString() << true;
    }

    void likeIgnoresCaseEverywhere()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, match);
        QString out;
        QVERIFY(QuerySingleValue(
            QStringLiteral("SELECT %1 LIKE %2")
                .arg(QStringLiteral("'") + QString(text).replace(u'\'', QStringLiteral("''")) +
                         u'\'',
                     QStringLiteral("'") + QString(pattern).replace(u'\'', QStringLiteral("''")) +
                         u'\''),
            *m_doc->m_connection, out));
        QCOMPARE(out, match ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(LikeFoldingCase(pattern, text), match);
    }

    void likeEscape()
    {
        QString out;
        QVERIFY(QuerySingleValue(
            QStringLiteral("SELECT COUNT(*) FROM book WHERE Title LIKE '%!%%' ESCAPE '!'"),
            *m_doc->m_connection, out));
        QCOMPARE(out, QStringLiteral("1"));
        QVERIFY(QuerySingleValue(
            QStringLiteral("SELECT 'É%' LIKE 'é!%' ESCAPE '!', 'Éx' LIKE 'é!%' ESCAPE '!'"),
            *m_doc->m_connection, out));
        QCOMPARE(out, QStringLiteral("1"));
    }

    void commandLine()
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env->Path(QStringLiteral("config")));
        cli.setProcessEnvironment(env);
        const QString lib = m_doc->GetPathName();
        delete m_doc;
        m_doc = nullptr;
        const QString program = QString::fromLocal8Bit(qgetenv("TOMELODEX_CLI"));
        cli.start(program, {QStringLiteral("search"), lib, QStringLiteral("GARDEN")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray("2\n"));
        cli.start(program, {QStringLiteral("search"), lib, QStringLiteral("roses"),
                            QStringLiteral("--keep")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.readAllStandardOutput(), QByteArray("1\n"));
        cli.start(program, {QStringLiteral("search"), lib, QStringLiteral("zebra")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(cli.readAllStandardError(), QByteArray("No search results found.\n"));
        cli.start(program, {QStringLiteral("search"), lib, QStringLiteral("  ")});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 2);

        m_doc = new CTomeloDoc;
        QVERIFY(m_doc->OnOpenDocument(lib));
        QCOMPARE(Filed(), QString()); // the failed search emptied it
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
