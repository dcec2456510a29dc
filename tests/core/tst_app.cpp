// Start-up values: program folder, interface language and the string table.

#include "TestSupport.h"

#include "app/SettingsKey.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"

#include <QDir>
#include <QTest>

namespace {

void StoreSetting(const char *name, const QString &value)
{
    CSettingsKey key;
    QVERIFY(key.Open(QStringLiteral("Software\\Brindlewood\\Tomelodex\\Settings"), true));
    QVERIFY(key.WriteString(QLatin1String(name), value));
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void englishNeedsNoLanguageFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString();
        QTest::newRow("Enu") << QStringLiteral("Enu");
    }

    void englishNeedsNoLanguageFile()
    {
        QFETCH(QString, stored);
        CTestEnv env;
        StoreSetting("UILanguage", stored);
        StoreSetting("AssociateTag", QStringLiteral("mytag-20"));
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Enu"));
        QVERIFY(!TomeloApp().IsLanguageLoaded());
        QCOMPARE(TomeloApp().m_associateTag, QStringLiteral("mytag-20"));
        QVERIFY(TomeloApp().GetAppDir().endsWith(u'/'));
        QCOMPARE(TomeloApp().GetAppDir() + QStringLiteral("Tomelodex.dbt"),
                 CTestEnv::TemplatePath());
        QCOMPARE(LoadString(225), QStringLiteral("Search Results"));
    }

    void missingLanguageFileFallsBackSilently()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        StoreSetting("UILanguage", QStringLiteral("Ita"));
        // A program folder whose Languages folder lacks the Italian file.
        const QString program = env.Path(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/Languages")));
        TomeloApp().InitCore(program);
        QCOMPARE(TomeloApp().GetUiLanguage(), QStringLiteral("Ita"));
        QVERIFY(!TomeloApp().IsLanguageLoaded());
        QCOMPARE(LoadString(218), QStringLiteral("Book Collection"));
        QVERIFY(prompt.shown.isEmpty());
    }

    void languageFileSuppliesTextsAndMap()
    {
        CTestEnv env;
        StoreSetting("UILanguage", QStringLiteral("Chs"));
        TomeloApp().InitCore(CTestEnv::RuntimeDir());
        QVERIFY(TomeloApp().IsLanguageLoaded());
        QCOMPARE(LoadString(225), QString::fromUtf8("搜索结果"));
        QCOMPARE(LoadString(229), QString::fromUtf8("请输入搜索关键字。"));
        // Equal English texts with different numbers are told apart.
        QCOMPARE(LoadString(215), QString::fromUtf8("英语"));

        const QMap<QString, QString> &map = TomeloApp().m_languageMap;
        QCOMPARE(map.size(), 8);
        QCOMPARE(map.value(QStringLiteral("Chs")), QString::fromUtf8("简体中文"));
        QCOMPARE(map.value(QString::fromUtf8("简体中文")), QStringLiteral("Chs"));
        QCOMPARE(map.value(QStringLiteral("Ita")), QStringLiteral("Italian"));
        QCOMPARE(map.value(QStringLiteral("Italian")), QStringLiteral("Ita"));

        TomeloApp().ExitCore();
        QCOMPARE(LoadString(225), QStringLiteral("Search Results"));
    }

    void formatString_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("printf order")
            << QStringLiteral("%d of %s") << QStringList{QStringLiteral("3"), QStringLiteral("x")}
            << QStringLiteral("3 of x");
        QTest::newRow("positional")
            << QStringLiteral("%2 then %1") << QStringList{QStringLiteral("a"), QStringLiteral("b")}
            << QStringLiteral("b then a");
        QTest::newRow("argument holding a marker")
            << QStringLiteral("%1 and %2") << QStringList{QStringLiteral("%2"), QStringLiteral("x")}
            << QStringLiteral("%2 and x");
        QTest::newRow("percent sign")
            << QStringLiteral("100%% of %s") << QStringList{QStringLiteral("it")}
            << QStringLiteral("100% of it");
        QTest::newRow("missing argument")
            << QStringLiteral("[%s]") << QStringList() << QStringLiteral("[]");
    }

    void formatString()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QCOMPARE(FormatString(pattern, args), expected);
    }

    void messagesKeepTheirLineBreaks()
    {
        QCOMPARE(FormatMessage(140, {QStringLiteral("/a/b")}),
                 QStringLiteral("Unable to create directory:\n/a/b"));
        QCOMPARE(
            FormatMessage(163, {QStringLiteral("0"), QStringLiteral("12")}),
            QStringLiteral("Records affected: 0\nNumber of records in the returned recordset: 12"));
        QVERIFY(LoadString(238).contains(QStringLiteral("Click \"No\" to add")));
        QCOMPARE(LoadString(99999), QString());
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
