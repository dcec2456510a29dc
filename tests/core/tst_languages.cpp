// The interface languages the program ships: the fixed rows of a new library,
// Qt's own texts, the fallback for missing texts and files, the book page
// templates and the command-line tool in each language.

#include "TestSupport.h"

#include "app/SettingsKey.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "online/HttpClient.h"
#include "xml/BookPage.h"
#include "xml/StyleFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

void StoreLanguage(const QString &code)
{
    CSettingsKey key;
    QVERIFY(key.Open(QStringLiteral("Software\\Brindlewood\\Tomelodex\\Settings"), true));
    QVERIFY(key.WriteString(QStringLiteral("UILanguage"), code));
}

QString Single(CTomeloDoc &doc, const QString &sql)
{
    QString out;
    QuerySingleValue(sql, *doc.m_connection, out);
    return out;
}

// The names the fourteen fixed rows take, in the order of their statements.
const char *const kFixedRows[] = {"SELECT Name FROM bookbinding WHERE BindingID=1",
                                  "SELECT Name FROM bookbinding WHERE BindingID=2",
                                  "SELECT Name FROM bookbinding WHERE BindingID=3",
                                  "SELECT Name FROM bookextras WHERE ExtrasID=3",
                                  "SELECT Name FROM booklanguage WHERE LanguageID=1",
                                  "SELECT Name FROM booklanguage WHERE LanguageID=2",
                                  "SELECT Name FROM bookstatus WHERE StatusID=1",
                                  "SELECT Name FROM bookstatus WHERE StatusID=2",
                                  "SELECT Name FROM bookstatus WHERE StatusID=3",
                                  "SELECT Name FROM bookstatus WHERE StatusID=4",
                                  "SELECT Name FROM category WHERE CatID=1",
                                  "SELECT Name FROM category WHERE CatID=2",
                                  "SELECT Name FROM category WHERE CatID=3",
                                  "SELECT Name FROM category WHERE CatID=4"};

QStringList FixedRowNames(CTomeloDoc &doc)
{
    QStringList names;
    for (const char *sql : kFixedRows)
        names.append(Single(doc, QLatin1String(sql)));
    return names;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { TomeloApp().ExitCore(); }

    void fixedRowsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("paperback");
        QTest::addColumn<QString>("favorites");
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("图书收藏") << QString::fromUtf8("平装")
                             << QString::fromUtf8("收藏夹");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("圖書收藏") << QString::fromUtf8("平裝")
                             << QString::fromUtf8("我的最愛");
        QTest::newRow("Ita") << "Ita" << QStringLiteral("Collezione di libri")
                             << QStringLiteral("Brossura") << QStringLiteral("Preferiti");
    }
    void fixedRowsFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, root);
        QFETCH(QString, paperback);
        QFETCH(QString, favorites);
        CTestEnv env;
        CRecordingPrompt prompt;
        const QString path = env.Path(QStringLiteral("books.mdb"));
        QStringList names;
        {
            StoreLanguage(code);
            TomeloApp().InitCore(CTestEnv::RuntimeDir());
            QVERIFY(TomeloApp().IsLanguageLoaded());
            CTomeloDoc doc;
            QVERIFY(doc.CreateLibrary(path));
            names = FixedRowNames(doc);
            QCOMPARE(names.at(1), paperback);
            QCOMPARE(names.at(10), root);
            QCOMPARE(names.at(11), favorites);
            // Every row is in the language, none left in English.
            const QStringList english = {
                QStringLiteral("Hardcover"),       QStringLiteral("Paperback"),
                QStringLiteral("Unknown Binding"), QStringLiteral("Floppy Disk"),
                QStringLiteral("English"),         QStringLiteral("Chinese"),
                QStringLiteral("In Collection"),   QStringLiteral("Wish List"),
                QStringLiteral("Reference Only"),  QStringLiteral("For Sale"),
                QStringLiteral("Book Collection"), QStringLiteral("Favorites"),
                QStringLiteral("Search Results"),  QStringLiteral("Reading List")};
            for (int i = 0; i < names.size(); ++i)
                QVERIFY2(!names.at(i).isEmpty() && names.at(i) != english.at(i),
                         qPrintable(english.at(i)));
        }
        // Reopened under English, the library keeps its names.
        StoreLanguage(QStringLiteral("Enu"));
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        CTomeloDoc doc;
        QVERIFY(doc.OnOpenDocument(path));
        QCOMPARE(FixedRowNames(doc), names);
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
    }

    void qtOwnTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Enu") << "Enu"
                             << "Cancel";
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("取消");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("取消");
        QTest::newRow("Ita") << "Ita"
                             << "Annulla";
    }
    void qtOwnTextsFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, cancel);
        CTestEnv env;
        StoreLanguage(code);
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        QCOMPARE(TomeloApp().IsQtTranslationLoaded(), code != QLatin1String("Enu"));
        // The standard buttons take their texts from this context.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        TomeloApp().ExitCore();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void constantMessagesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("cancelled");
        QTest::newRow("Enu") << "Enu"
                             << "The transfer was cancelled.";
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("传输已取消。");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("傳輸已取消。");
        QTest::newRow("Ita") << "Ita" << QString::fromUtf8("Il trasferimento è stato annullato.");
    }
    void constantMessagesFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, cancelled);
        CTestEnv env;
        StoreLanguage(code);
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        QCOMPARE(TranslatedMessage(kHttpCancelledError), cancelled);
        TomeloApp().ExitCore();
        QCOMPARE(TranslatedMessage(kHttpCancelledError), QLatin1String(kHttpCancelledError));
    }

    // A language file that lacks a text leaves that text English; one that
    // cannot be read leaves every text English and the stored code as it is.
    void missingTextsAndFilesFallBackToEnglish()
    {
        CTestEnv env;
        const QString ts =
            env.WriteFile(QStringLiteral("TomelodexXyz.ts"),
                          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                          "<TS version=\"2.1\" language=\"de\"><context><name>StringTable</name>"
                          "<message><source>Search Results</source><comment>225</comment>"
                          "<translation>Suchergebnisse</translation></message></context></TS>\n");
        const QString program = env.Path(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/Languages")));
        QCOMPARE(QProcess::execute(QStringLiteral(TOMELODEX_LRELEASE),
                                   {QStringLiteral("-silent"), ts, QStringLiteral("-qm"),
                                    program + QStringLiteral("/Languages/TomelodexXyz.qm")}),
                 0);
        StoreLanguage(QStringLiteral("Xyz"));
        TomeloApp().InitCore(program);
        QVERIFY(TomeloApp().IsLanguageLoaded());
        QCOMPARE(LoadString(225), QStringLiteral("Suchergebnisse"));
        QCOMPARE(LoadString(229), QStringLiteral("Please enter a search keyword."));
        // Qt has no translations for a code the program does not know.
        QVERIFY(!TomeloApp().IsQtTranslationLoaded());

        QVERIFY(!env.WriteFile(QStringLiteral("program/Languages/TomelodexIta.qm"), "not a qm")
                     .isEmpty());
        StoreLanguage(QStringLiteral("Ita"));
        TomeloApp().InitCore(program);
        QVERIFY(!TomeloApp().IsLanguageLoaded());
        QVERIFY(!TomeloApp().IsQtTranslationLoaded());
        QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Ita"));
        QCOMPARE(LoadString(225), QStringLiteral("Search Results"));
    }

    void bookPageTemplatesInEachLanguage_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("Default CHS")
            << "Default (CHS)"
            << QStringList{QString::fromUtf8("相关链接"), QString::fromUtf8("作者：Jane Austen"),
                           QString::fromUtf8("（12 条评论）")};
        QTest::newRow("Default CHT")
            << "Default (CHT)"
            << QStringList{QString::fromUtf8("相關連結"), QString::fromUtf8("作者：Jane Austen"),
                           QString::fromUtf8("（12 則評論）")};
        QTest::newRow("Default ITA")
            << "Default (ITA)" << QStringList{"Collegamenti", "di Jane Austen", "(12 recensioni)"};
        QTest::newRow("Default ENU")
            << "Default (ENU)" << QStringList{"Related links", "by Jane Austen", "(12 reviews)"};
        QTest::newRow("Compact CHT")
            << "Compact (CHT)" << QStringList{QString::fromUtf8("作者：Jane Austen")};
        QTest::newRow("Catalogue Card ITA")
            << "Catalogue Card (ITA)" << QStringList{"Lettori", "(12 recensioni)", "320 pagine."};
        QTest::newRow("Catalogue Card CHS")
            << "Catalogue Card (CHS)"
            << QStringList{QString::fromUtf8("读者"), QString::fromUtf8("320 页。")};
    }
    void bookPageTemplatesInEachLanguage()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, words);
        CTestEnv env;
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
        CBookRecord book;
        book.Title = QStringLiteral("Emma");
        book.Author = QStringLiteral("Jane Austen");
        book.NumOfReviews = QStringLiteral("12");
        book.PageCount = QStringLiteral("320");
        book.AmazonRating = QStringLiteral("4");
        book.Links = {
            {QString(), QStringLiteral("Site"), QStringLiteral("http://a.example/"), QString()}};
        QVERIFY(book.Save(true, 32, imagesDir, db));
        const CStyleFiles styles(CTestEnv::RuntimeDir());
        QVERIFY(styles.XslTemplates().contains(title));
        CBookPage page;
        QVERIFY(page.Build({1}, db, imagesDir, styles.XslPath(title)));
        const QString html = page.Html();
        for (const QString &word : words)
            QVERIFY2(html.contains(word), qPrintable(word + u'\n' + html));
        QVERIFY(html.contains(QStringLiteral("tomelolink://1/1\"")) ||
                title.startsWith(QLatin1String("Compact")));
        // The words of the shared pieces are the language's, not English ones.
        if (!title.endsWith(QLatin1String("(ENU)")))
            QVERIFY(!html.contains(QStringLiteral(" reviews)")));
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.LastText()));
        db.Close();
    }

    void commandLineToolFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("invalid");
        QTest::addColumn<QString>("help");
        QTest::newRow("Enu") << "Enu"
                             << "12345 is not a valid ISBN."
                             << "Compacts the library and prints its size before and after.";
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("12345 不是有效的 ISBN。")
                             << QString::fromUtf8("压缩书库并输出压缩前后的大小。");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("12345 不是有效的 ISBN。")
                             << QString::fromUtf8("壓縮書庫並輸出壓縮前後的大小。");
        QTest::newRow("Ita") << "Ita" << QString::fromUtf8("12345 non è un ISBN valido.")
                             << "Compatta la biblioteca e stampa la sua dimensione prima e dopo.";
    }
    void commandLineToolFollowsTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, invalid);
        QFETCH(QString, help);
        CTestEnv env;
        StoreLanguage(code);
        const QString config = env.Path(QStringLiteral("config"));
        const CliRun lookup =
            RunCliTool({QStringLiteral("lookup"), QStringLiteral("12345")}, config);
        QCOMPARE(lookup.code, 1);
        QCOMPARE(lookup.err.trimmed(), invalid);
        const CliRun usage = RunCliTool({QStringLiteral("--help")}, config);
        QCOMPARE(usage.code, 0);
        QVERIFY2(usage.out.contains(help), qPrintable(usage.out));
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
