// tomelodex-cli render: the saved page of the window, run as scripts run it.

#include "PageSafety.h"
#include "TestSupport.h"

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"
#include "xml/BookPage.h"
#include "xml/StyleFiles.h"

#include <QFile>
#include <QTest>

class TestCliRender : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    QString m_library;

    CliRun Run(const QStringList &args)
    {
        return RunCliTool(args, m_env->Path(QStringLiteral("config")));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY2(!qgetenv("TOMELODEX_CLI").isEmpty(), "TOMELODEX_CLI names the tool to test");
        m_env = new CTestEnv;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(m_env->OpenLibraryWithUserCategory(db, &imagesDir));
        m_library = m_env->Path(QStringLiteral("lib.mdb"));
        for (const char *sql :
             {"INSERT INTO book (BookID, Title, Author) VALUES (1, 'Emma', 'Jane Austen')",
              "INSERT INTO book (BookID, Title) VALUES (2, 'Persuasion')",
              "INSERT INTO book_category (BookID, CatID) VALUES (1, 32)",
              "INSERT INTO link (BookID, LinkID, Name, Path) VALUES (1, 1, 'Text', "
              "'http://books.example/emma')"})
            QVERIFY2(ExecuteSql(QLatin1String(sql), true, db), sql);
    }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    void rendersTheSavedPage()
    {
        CliRun run =
            Run({QStringLiteral("render"), m_library, QStringLiteral("2"), QStringLiteral("1"),
                 QStringLiteral("--template"), QStringLiteral("Compact (ENU)"),
                 QStringLiteral("--style"), QStringLiteral("Night")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, QString());
        const QString css = CStyleFiles(CTestEnv::RuntimeDir()).CssPath(QStringLiteral("Night"));
        QVERIFY(run.out.startsWith(QStringLiteral("<HTML>\n")));
        QVERIFY(run.out.contains(QStringLiteral("HREF=\"") + css + QStringLiteral("\">")));
        // Books in the order given; the category link is plain text now.
        QVERIFY(run.out.indexOf(QStringLiteral("Persuasion")) <
                run.out.indexOf(QStringLiteral("Emma")));
        QVERIFY(run.out.contains(QStringLiteral("Mine")));
        QVERIFY(!run.out.contains(QStringLiteral("tomelocat://")));

        // The stored choices by default, written to a file.
        const QString file = m_env->Path(QStringLiteral("emma.htm"));
        run = Run(
            {QStringLiteral("render"), m_library, QStringLiteral("1"), QStringLiteral("-o"), file});
        QCOMPARE(run.code, 0);
        const QString saved = QString::fromUtf8(ReadFileBytes(file));
        QVERIFY(saved.contains(QStringLiteral("<a href=\"http://books.example/emma\"")));
        QVERIFY(saved.contains(QStringLiteral("Related links"))); // Default (ENU)
        const CStyleFiles styles(CTestEnv::RuntimeDir());
        QVERIFY(saved.contains(styles.CssPath(styles.CssStyles().value(0))));
    }

    // A description and notes from a hostile page: the written page runs
    // none of them and keeps their ordinary text.
    void rendersAHostileDescriptionInert()
    {
        {
            CLibraryConnection db;
            QVERIFY(db.Open(m_library));
            const QString hostile = FormatSqlLiteral(HostileBookHtml(), kLiteralText);
            QVERIFY(ExecuteSql(QStringLiteral("INSERT INTO book (BookID, Title, Description, "
                                              "Notes) VALUES (3, 'Hostile', %1, %1)")
                                   .arg(hostile),
                               true, db));
        }
        const QString file = m_env->Path(QStringLiteral("hostile.htm"));
        const CliRun run = Run(
            {QStringLiteral("render"), m_library, QStringLiteral("3"), QStringLiteral("-o"), file});
        QCOMPARE(run.code, 0);
        const QString saved = QString::fromUtf8(ReadFileBytes(file));
        QVERIFY2(saved.contains(QStringLiteral("Kept <b>bold</b>")), qPrintable(saved));
        QCOMPARE(RunnablePartsOfPage(saved), QString());
        QCOMPARE(PageStructureErrors(saved), QString());
        QCOMPARE(FirstHeadPolicy(saved), QLatin1String(kPagePolicy));
    }

    void refusesUnknownTemplateBookOrNumber()
    {
        const QString file = m_env->Path(QStringLiteral("out.htm"));
        CliRun run =
            Run({QStringLiteral("render"), m_library, QStringLiteral("1"),
                 QStringLiteral("--template"), QStringLiteral("Nope"), QStringLiteral("-o"), file});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Nope")), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("Default (ENU)")));

        run = Run({QStringLiteral("render"), m_library, QStringLiteral("1"),
                   QStringLiteral("--style"), QStringLiteral("Nope"), QStringLiteral("-o"), file});
        QCOMPARE(run.code, 1);

        run = Run({QStringLiteral("render"), m_library, QStringLiteral("1"), QStringLiteral("99"),
                   QStringLiteral("-o"), file});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("99")), qPrintable(run.err));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(run.out, QString());

        run = Run({QStringLiteral("render"), m_library, QStringLiteral("1;2")});
        QCOMPARE(run.code, 2);
        run = Run({QStringLiteral("render"), m_library});
        QCOMPARE(run.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliRender)
#include "tst_cli_render.moc"
