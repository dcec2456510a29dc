#include "app/AppSettings.h"
#include "app/Profile.h"
#include "app/SettingsKey.h"
#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using Store = CSettingsStore;

namespace {

const char kWriterVariable[] = "TOMELODEX_TEST_SETTINGS_WRITER";
const char kReaderVariable[] = "TOMELODEX_TEST_SETTINGS_READER";
const QString kTestKey = "Software\\Brindlewood\\Tomelodex\\Test";
const QString kConcurrentKey = "Software\\Brindlewood\\Tomelodex\\Concurrent";
const int kWritesPerWriter = 60;

QByteArray Utf16WithNull(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
    }
    return bytes + QByteArray(2, '\0');
}

QByteArray FileContents()
{
    QFile file(Store::FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each writer owns four integers and one text; after count writes integer k
// holds count - 4 + k.
bool RunWriter(const QString &tag, int count)
{
    CSettingsKey key;
    if (!key.Open(kConcurrentKey, true))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!key.WriteInt(tag + "_" + QString::number(i % 4), i) ||
            !key.WriteString(tag + "_text", tag + " #" + QString::number(i)))
            return false;
    }
    return true;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

public:
    // A copy of this program started with the writer variable set is a second
    // settings writer for the concurrency test, not a test run.
    static void initMain()
    {
        // A reader that reports what it read and whether a change was kept.
        if (!qgetenv(kReaderVariable).isEmpty()) {
            const QString language = CAppSettings::UiLanguage();
            const int listView = CAppSettings::ListView();
            const bool saved = CAppSettings::SetListView(3);
            std::printf("language=%s listview=%d saved=%d after=%d\n", qPrintable(language),
                        listView, int(saved), CAppSettings::ListView());
            std::exit(0);
        }
        const QList<QByteArray> job = qgetenv(kWriterVariable).split(':');
        if (job.size() != 2)
            return;
        std::exit(RunWriter(QString::fromLatin1(job.at(0)), job.at(1).toInt()) ? 0 : 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;

    void WriteFile(const QByteArray &contents)
    {
        QVERIFY(QDir().mkpath(QFileInfo(Store::FilePath()).absolutePath()));
        QFile file(Store::FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(contents), contents.size());
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->path()));
    }

    void cleanup() { m_home.reset(); }

    void fileFollowsXdgConfigHome()
    {
        const QString expected = m_home->path() + "/Brindlewood/Tomelodex/settings.conf";
        QCOMPARE(Store::FilePath(), expected);
        QVERIFY(!QFileInfo::exists(QFileInfo(expected).absolutePath()));

        // The first write creates the folder; names and texts are legible in the file.
        QVERIFY(CAppSettings::SetAssociateTag("tag-21"));
        QVERIFY(FileContents().contains("AssociateTag"));
        QVERIFY(FileContents().contains("tag-21"));

        // A relative XDG_CONFIG_HOME is ignored in favour of ~/.config.
        qputenv("XDG_CONFIG_HOME", "relative/dir");
        QCOMPARE(Store::FilePath(),
                 QDir::homePath() + "/.config/Brindlewood/Tomelodex/settings.conf");
    }

    void stringsRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << "Plain"
                               << "";
        QTest::newRow("quotes") << "Quote\"d"
                                << "say \"hi\" and \"\"";
        QTest::newRow("line breaks") << "Lines"
                                     << "one\ntwo\r\nthree\rfour\n";
        QTest::newRow("backslashes") << "Back\\slash"
                                     << "C:\\Books\\\\x\\n\\";
        QTest::newRow("equals") << "a=b"
                                << "=x=y=";
        QTest::newRow("brackets") << "[Settings]"
                                  << "[Software\\Brindlewood]";
        QTest::newRow("comment marks") << ";#"
                                       << "; not a comment\n# nor this";
        QTest::newRow("spaces") << "  spaced name  "
                                << "   leading and trailing   ";
        QTest::newRow("controls") << "Ctl\x01"
                                  << "\t\x01\x1f\x7f end";
        QTest::newRow("non-ASCII") << "Ümlaut"
                                   << "Größe – 中文 – 😀";
        QTest::newRow("looks like a value line")
            << "\"x\"=sz:\"y\""
            << "\"Other\"=dword:00000001\n[Injected]\n\"z\"=sz:\"w\"";
        QTest::newRow("embedded null") << "Null" << QString::fromUtf16(u"before\0after", 12);
        QTest::newRow("empty name") << ""
                                    << "the default value";
    }

    void stringsRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);

        CSettingsKey writer;
        QVERIFY(writer.Open(kTestKey, true));
        QVERIFY(writer.WriteString(name, text));
        QVERIFY(writer.WriteString("Neighbour", "unchanged"));

        const std::optional<Store::Value> raw = Store::ReadValue(kTestKey, name);
        QVERIFY(raw);
        QCOMPARE(raw->type, quint32(Store::kRegSz));
        QCOMPARE(raw->data, Utf16WithNull(text));

        CSettingsKey reader;
        QVERIFY(reader.Open(kTestKey));
        QCOMPARE(reader.GetValueType(name), int(Store::kRegSz));
        // Like the registry, a read stops at the first null.
        QCOMPARE(reader.ReadString(name, "default"), text.section(QChar(0), 0, 0));
        QCOMPARE(reader.ReadString("Neighbour"), QString("unchanged"));
    }

    void rawValuesRoundTrip_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");

        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all += char(i);
        QTest::newRow("binary, every byte") << quint32(3) << all;
        QTest::newRow("binary, empty") << quint32(3) << QByteArray();
        QTest::newRow("dword") << quint32(4) << QByteArray::fromHex("fffffffe");
        QTest::newRow("dword of 3 bytes") << quint32(4) << QByteArray::fromHex("010203");
        QTest::newRow("string without null") << quint32(1) << QByteArray("a\0b\0", 4);
        QTest::newRow("string of odd length") << quint32(1) << QByteArray("a\0b\0\0", 5);
        QTest::newRow("string, lone surrogate") << quint32(1) << QByteArray("\x00\xd8\0\0", 4);
        QTest::newRow("string, no bytes") << quint32(1) << QByteArray();
        QTest::newRow("expandable string") << quint32(2) << Utf16WithNull("%HOME%\\x");
        QTest::newRow("multi-string type") << quint32(7) << QByteArray("a\0\0\0\0\0", 6);
    }

    void rawValuesRoundTrip()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);

        QVERIFY(Store::WriteValue(kTestKey, "Raw", type, data));
        QVERIFY(Store::WriteValue(kTestKey, "After", Store::kRegBinary, "\x2a"));
        const std::optional<Store::Value> value = Store::ReadValue(kTestKey, "Raw");
        QVERIFY(value);
        QCOMPARE(value->type, type);
        QCOMPARE(value->data, data);
        QCOMPARE(Store::ReadValue(kTestKey, "After")->data, QByteArray("\x2a"));

        QVERIFY(Store::DeleteValue(kTestKey, "RAW"));
        QVERIFY(!Store::ReadValue(kTestKey, "Raw"));
        QVERIFY(!Store::DeleteValue(kTestKey, "Raw"));
    }

    void namesAndPathsIgnoreCase()
    {
        CSettingsKey key;
        QVERIFY(key.Open("Software\\Brindlewood\\MixedCase", true));
        QVERIFY(key.WriteString("ValueName", "first"));

        CSettingsKey other;
        QVERIFY(other.Open("SOFTWARE\\brindlewood\\mixedcase"));
        QCOMPARE(other.ReadString("valuename"), QString("first"));
        QVERIFY(other.WriteString("VALUENAME", "second"));
        QCOMPARE(key.ReadString("ValueName"), QString("second"));

        // One value, under the spelling first written.
        const QByteArray contents = FileContents();
        QCOMPARE(contents.count("alueName"), 1);
        QVERIFY(contents.contains("\"ValueName\""));
        QVERIFY(contents.contains("[Software\\Brindlewood\\MixedCase]"));
    }

    void openCreatesOnlyWhenAsked()
    {
        const QString path = "Software\\Brindlewood\\Tomelodex\\Settings";
        CSettingsKey key;
        QVERIFY(!key.Open(path));
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorNotFound));
        QVERIFY(key.m_path.isEmpty());
        QVERIFY(!Store::KeyExists(path));
        QVERIFY(!QFileInfo::exists(Store::FilePath()));

        key.m_lazyWrite = false;
        QVERIFY(key.Open(path, true));
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorSuccess));
        QCOMPARE(key.m_path, path);
        // Creating a key creates its parents; a new key is empty.
        QVERIFY(Store::KeyExists("software\\Brindlewood"));
        QVERIFY(!Store::KeyExists("Software\\Brindle"));
        QCOMPARE(key.GetValueType("UILanguage"), 0);
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorNotFound));
        // The empty key is in the file for the next instance.
        CSettingsKey again;
        QVERIFY(again.Open(path + "\\", false));

        QVERIFY(key.Open(QString()));
        QVERIFY(key.m_path.isEmpty());
        QVERIFY(!key.Open("Software\\Bad\nName", true));
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorBadPathName));

        key.Close();
        QCOMPARE(key.m_lazyWrite, true);
        QVERIFY(key.m_path.isEmpty());
    }

    void readInt_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("error");

        QTest::newRow("binary") << quint32(3) << QByteArray::fromHex("2a000000") << 42 << 0;
        QTest::newRow("binary negative")
            << quint32(3) << QByteArray::fromHex("feffffff") << -2 << 0;
        QTest::newRow("dword") << quint32(4) << QByteArray::fromHex("07010000") << 263 << 0;
        QTest::newRow("5 bytes") << quint32(3) << QByteArray::fromHex("0100000000") << -7 << 234;
        QTest::newRow("8 byte qword") << quint32(11) << QByteArray(8, '\0') << -7 << 234;
        QTest::newRow("2 bytes") << quint32(3) << QByteArray::fromHex("3412") << 0x1234 << 0;
        QTest::newRow("1 byte, high bit") << quint32(3) << QByteArray::fromHex("ff") << 255 << 0;
        QTest::newRow("no bytes") << quint32(3) << QByteArray() << 0 << 0;
    }

    void readInt()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(int, expected);
        QFETCH(int, error);

        QVERIFY(Store::WriteValue(kTestKey, "Number", type, data));
        CSettingsKey key;
        QVERIFY(key.Open(kTestKey));
        QCOMPARE(key.ReadInt("Number", -7), expected);
        QCOMPARE(key.m_lastError, qint32(error));
        QCOMPARE(key.ReadInt("Missing", -7), -7);
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorNotFound));

        // WriteInt replaces whatever was there with 4 binary bytes.
        QVERIFY(key.WriteInt("Number", -123456));
        QCOMPARE(key.GetValueType("Number"), int(Store::kRegBinary));
        QCOMPARE(Store::ReadValue(kTestKey, "Number")->data, QByteArray::fromHex("c01dfeff"));
        QCOMPARE(key.ReadInt("Number", -7), -123456);
    }

    void readStringOnlyReadsStrings_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("expected");

        QTest::newRow("binary int") << quint32(3) << QByteArray::fromHex("41000000") << "default";
        QTest::newRow("dword") << quint32(4) << QByteArray::fromHex("41000000") << "default";
        QTest::newRow("multi-string") << quint32(7) << Utf16WithNull("a") << "default";
        QTest::newRow("expandable") << quint32(2) << Utf16WithNull("%HOME%") << "%HOME%";
        QTest::newRow("no terminator") << quint32(1) << QByteArray("a\0b\0", 4) << "ab";
        QTest::newRow("odd length") << quint32(1) << QByteArray("a\0b", 3) << "ab";
    }

    void readStringOnlyReadsStrings()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, expected);

        QVERIFY(Store::WriteValue(kTestKey, "Value", type, data));
        CSettingsKey key;
        QVERIFY(key.Open(kTestKey));
        QCOMPARE(key.GetValueType("Value"), int(type));
        QCOMPARE(key.ReadString("Value", "default"), expected);
    }

    void profileFunctions()
    {
        const QString section = "WindowPlacement";
        const QString recent = "Recent File List";
        QCOMPARE(ProfileKeyPath(section),
                 QString("Software\\Brindlewood\\Tomelodex\\WindowPlacement"));
        QCOMPARE(GetProfileInt(section, "Split", 17), 17);

        QVERIFY(WriteProfileInt(section, "Split", -300));
        QCOMPARE(GetProfileInt(section, "split", 17), -300);
        CSettingsKey key;
        QVERIFY(key.Open(ProfileKeyPath(section)));
        QCOMPARE(key.GetValueType("Split"), int(Store::kRegDword));
        QCOMPARE(key.ReadInt("Split", 0), -300);

        // Integers written by the settings key read through the profile, too.
        QVERIFY(key.WriteInt("Binary", 9));
        QCOMPARE(GetProfileInt(section, "Binary", 0), 9);
        QVERIFY(WriteProfileBinary(section, "Long", QByteArray(8, '\x01')));
        QCOMPARE(GetProfileInt(section, "Long", 5), 5);
        QCOMPARE(GetProfileBinary(section, "Long"), QByteArray(8, '\x01'));
        QVERIFY(!GetProfileBinary(section, "Split"));
        QVERIFY(!GetProfileBinary(section, "Missing"));

        QVERIFY(WriteProfileString(recent, "File1", "/home/u/Books.mdb"));
        QCOMPARE(GetProfileString(recent, "File1"), QString("/home/u/Books.mdb"));
        QCOMPARE(GetProfileInt(recent, "File1", 3), 3);
        QCOMPARE(GetProfileString(section, "Split", "none"), QString("none"));
        QVERIFY(DeleteProfileEntry(recent, "FILE1"));
        QCOMPARE(GetProfileString(recent, "File1"), QString());
    }

    void appSettingsDefaults()
    {
        QCOMPARE(CAppSettings::UiLanguage(), QString());
        QCOMPARE(CAppSettings::AssociateTag(), QString());
        QCOMPARE(CAppSettings::GetEditionFromHtml(), 0);
        QCOMPARE(CAppSettings::SortBy(), 0);
        QCOMPARE(CAppSettings::SortAscending(), true);
        QCOMPARE(CAppSettings::ListView(), 0);
        QCOMPARE(CAppSettings::Css(), 0);
        QCOMPARE(CAppSettings::Xsl(), -1);
        QCOMPARE(CAppSettings::Xsl(3), 3);
        QCOMPARE(CAppSettings::EbookOnly(), false);
        QStringList names;
        for (int i = 0; i < CAppSettings::kDefaultTextCount; ++i) {
            const auto which = CAppSettings::DefaultText(i);
            names << CAppSettings::DefaultTextName(which);
            QCOMPARE(CAppSettings::DefaultTextValue(which), QString());
        }
        QCOMPARE(names.join(","), QString("Language,Extras,Store,Location,UserText1,UserText2,"
                                          "Format,Status,PurchaseDate"));
        QCOMPARE(CAppSettings::ServiceHost(), QString("http://webservices.amazon.com"));
        QCOMPARE(CAppSettings::SearchHost(), QString("http://xml.amazon.com"));
        QCOMPARE(CAppSettings::StoreHost(), QString("http://www.amazon.com"));
        // Reading never leaves anything behind.
        QVERIFY(!QFileInfo::exists(Store::FilePath()));

        // An empty host is as good as none.
        QVERIFY(CAppSettings::SetServiceHost(QString()));
        QCOMPARE(CAppSettings::ServiceHost(), QString("http://webservices.amazon.com"));
        QVERIFY(CAppSettings::SetStoreHost("http://127.0.0.1:8080"));
        QCOMPARE(CAppSettings::StoreHost(), QString("http://127.0.0.1:8080"));
        QCOMPARE(CAppSettings::SearchHost(), QString("http://xml.amazon.com"));
    }

    void appSettingsKinds()
    {
        QVERIFY(CAppSettings::SetUiLanguage("Ita"));
        QVERIFY(CAppSettings::SetSortBy(4));
        QVERIFY(CAppSettings::SetSortAscending(false));
        QVERIFY(CAppSettings::SetListView(2));
        QVERIFY(CAppSettings::SetCss(1));
        QVERIFY(CAppSettings::SetXsl(0));
        QVERIFY(CAppSettings::SetEbookOnly(true));
        QVERIFY(
            CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultPurchaseDate, "2005-01-31"));
        QVERIFY(CAppSettings::SetDefaultTextValue(CAppSettings::kDefaultUserText2, "second"));

        QCOMPARE(CAppSettings::UiLanguage(), QString("Ita"));
        QCOMPARE(CAppSettings::SortBy(), 4);
        QCOMPARE(CAppSettings::SortAscending(), false);
        QCOMPARE(CAppSettings::ListView(), 2);
        QCOMPARE(CAppSettings::Css(), 1);
        QCOMPARE(CAppSettings::Xsl(-1), 0);
        QCOMPARE(CAppSettings::EbookOnly(), true);
        QCOMPARE(CAppSettings::DefaultTextValue(CAppSettings::kDefaultUserText1), QString());

        // Where and how each value is kept, as other instances read it.
        CSettingsKey settings;
        QVERIFY(settings.Open("Software\\Brindlewood\\Tomelodex\\Settings"));
        QCOMPARE(settings.GetValueType("UILanguage"), int(Store::kRegSz));
        QCOMPARE(settings.GetValueType("SortBy"), int(Store::kRegDword));
        QCOMPARE(settings.GetValueType("SortAscending"), int(Store::kRegDword));
        QCOMPARE(settings.GetValueType("ListView"), int(Store::kRegBinary));
        QCOMPARE(settings.GetValueType("CSS"), int(Store::kRegBinary));
        QCOMPARE(settings.GetValueType("XSL"), int(Store::kRegBinary));
        CSettingsKey defaults;
        QVERIFY(defaults.Open("Software\\Brindlewood\\Tomelodex\\Settings\\Default"));
        QCOMPARE(defaults.GetValueType("EbookOnly"), int(Store::kRegBinary));
        QCOMPARE(defaults.ReadString("PurchaseDate"), QString("2005-01-31"));
        QCOMPARE(defaults.ReadString("UserText2"), QString("second"));

        // GetEditionFromHTML is only ever set by hand, as a profile integer.
        QVERIFY(WriteProfileInt("Settings", "GetEditionFromHTML", 1));
        QCOMPARE(CAppSettings::GetEditionFromHtml(), 1);
    }

    void garbledFileReadsAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("contents");

        QByteArray noise(4096, '\0');
        QRandomGenerator generator(20050131);
        for (char &c : noise)
            c = char(generator.bounded(256));
        const QByteArray header = "[Software\\Brindlewood\\Tomelodex\\Settings]\n";

        QTest::newRow("random bytes") << noise;
        QTest::newRow("nulls") << QByteArray(100, '\0');
        QTest::newRow("invalid UTF-8") << header + "\xff\xfe\"UILanguage\xc3\x28\"=sz:\"Ita\"\n";
        QTest::newRow("cut off text") << header + "\"UILanguage\"=sz:\"Ita";
        QTest::newRow("bad escape") << header + "\"UILanguage\"=sz:\"It\\q\"\n";
        QTest::newRow("junk after text") << header + "\"UILanguage\"=sz:\"Ita\"x\n";
        QTest::newRow("bad hex") << header + "\"ListView\"=binary:0z000000\n";
        QTest::newRow("odd hex") << header + "\"ListView\"=binary:0100000\n";
        QTest::newRow("short dword") << header + "\"ListView\"=dword:0001\n";
        QTest::newRow("unknown kind") << header + "\"ListView\"=number:1\n";
        QTest::newRow("bad type code") << header + "\"ListView\"=hex(x):01000000\n";
        QTest::newRow("unquoted name") << header + "UILanguage=sz:\"Ita\"\n";
        QTest::newRow("no section") << QByteArray("\"UILanguage\"=sz:\"Ita\"\n");
        QTest::newRow("one long line") << QByteArray(1 << 20, 'x');
    }

    void garbledFileReadsAsDefaults()
    {
        QFETCH(QByteArray, contents);
        WriteFile(contents);

        QCOMPARE(CAppSettings::UiLanguage(), QString());
        QCOMPARE(CAppSettings::ListView(), 0);
        QCOMPARE(CAppSettings::SortAscending(), true);

        // The next write replaces the damage with a file that reads back.
        QVERIFY(CAppSettings::SetListView(3));
        QCOMPARE(CAppSettings::ListView(), 3);
        QCOMPARE(CAppSettings::UiLanguage(), QString());
    }

    void damagedLinesAreSkipped()
    {
        WriteFile("; hand-edited\r\n"
                  "  [Software\\Brindlewood\\Tomelodex\\Settings]  \r\n"
                  "\"UILanguage\"=sz:\"Chs\"\r\n"
                  "\"ListView\"=binary:zz\r\n"
                  "garbage line\r\n"
                  "  \"CSS\"=dword:00000002  \r\n"
                  "[Software\\Brindlewood\\Tomelodex\\Settings\\Default\r\n"
                  "\"Store\"=sz:\"lost with its broken section\"\r\n");

        QCOMPARE(CAppSettings::UiLanguage(), QString("Chs"));
        QCOMPARE(CAppSettings::ListView(), 0);
        QCOMPARE(CAppSettings::Css(), 2);
        QCOMPARE(CAppSettings::DefaultTextValue(CAppSettings::kDefaultStore), QString());
        QVERIFY(CAppSettings::SetListView(1));
        QCOMPARE(CAppSettings::UiLanguage(), QString("Chs"));
        QCOMPARE(CAppSettings::Css(), 2);
    }

    void unreadableFileIsNeverOverwritten()
    {
        // A folder where the file should be: nothing readable, nothing writable.
        QVERIFY(QDir().mkpath(Store::FilePath()));
        QCOMPARE(CAppSettings::UiLanguage(), QString());
        QCOMPARE(CAppSettings::SortBy(), 0);
        QVERIFY(!CAppSettings::SetUiLanguage("Ita"));
        CSettingsKey key;
        QVERIFY(!key.Open(kTestKey, true));
        QCOMPARE(key.m_lastError, qint32(CSettingsKey::kErrorAccessDenied));
        QVERIFY(QFileInfo(Store::FilePath()).isDir());
    }

    // What is not a regular file of at most 1 MB is neither read nor written
    // over: the program starts at once with its defaults and says so once.
    void foreignFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("2 MB file") << "big";
    }

    void foreignFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(Store::FilePath());
        QVERIFY(QDir().mkpath(QFileInfo(Store::FilePath()).absolutePath()));
        QByteArray big =
            "[Software\\Brindlewood\\Tomelodex\\Settings]\n\"UILanguage\"=sz:\"Ita\"\n";
        big += QByteArray(2 * 1024 * 1024, ';');
        if (kind == "fifo")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (kind == "zero")
            QCOMPARE(::symlink("/dev/zero", path.constData()), 0);
        else
            WriteFile(big);

        // In a process of its own, so that a hang fails the test by the
        // watchdog instead of holding it up.
        QProcess reader;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kReaderVariable, "1");
        reader.setProcessEnvironment(environment);
        reader.start(QCoreApplication::applicationFilePath(), {});
        const bool ended = reader.waitForFinished(30000);
        if (!ended) {
            reader.kill();
            reader.waitForFinished();
        }
        QVERIFY2(ended, "reading the settings did not return");
        QCOMPARE(reader.exitCode(), 0);
        QCOMPARE(reader.readAllStandardOutput(),
                 QByteArray("language= listview=0 saved=0 after=0\n"));
        const QString said = QString::fromUtf8(reader.readAllStandardError());
        QCOMPARE(said.count(Store::FilePath() + " is not a settings file"), 1);

        struct stat info = {};
        QCOMPARE(::lstat(path.constData(), &info), 0);
        if (kind == "fifo")
            QVERIFY(S_ISFIFO(info.st_mode));
        else if (kind == "zero")
            QCOMPARE(QFile::symLinkTarget(Store::FilePath()), QString("/dev/zero"));
        else
            QCOMPARE(FileContents(), big);
    }

    void concurrentWritersKeepEveryValue()
    {
        CSettingsKey key;
        QVERIFY(key.Open(kConcurrentKey, true));
        QVERIFY(key.WriteString("Stable", "never changes"));

        // Two other processes and three threads of this one write at the same time.
        const QStringList processTags = {"procA", "procB"};
        const QStringList threadTags = {"thread0", "thread1", "thread2"};
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QString &tag : processTags) {
            auto process = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(kWriterVariable, tag + ":" + QString::number(kWritesPerWriter));
            process->setProcessEnvironment(environment);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(QCoreApplication::applicationFilePath(), {});
            processes.push_back(std::move(process));
        }
        std::atomic<int> failures{0};
        std::vector<std::unique_ptr<QThread>> threads;
        for (const QString &tag : threadTags) {
            threads.emplace_back(QThread::create([tag, &failures] {
                if (!RunWriter(tag, kWritesPerWriter))
                    ++failures;
            }));
        }
        // A reader must never catch a half-written file.
        std::atomic<bool> writing{true};
        std::atomic<int> badReads{0};
        std::unique_ptr<QThread> reader(QThread::create([&] {
            while (writing) {
                CSettingsKey stable;
                if (!stable.Open(kConcurrentKey) || stable.ReadString("Stable") != "never changes")
                    ++badReads;
            }
        }));
        reader->start();
        for (auto &thread : threads)
            thread->start();

        for (auto &process : processes) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }
        for (auto &thread : threads)
            QVERIFY(thread->wait(120000));
        writing = false;
        QVERIFY(reader->wait(120000));
        QCOMPARE(failures.load(), 0);
        QCOMPARE(badReads.load(), 0);

        for (const QString &tag : processTags + threadTags) {
            for (int k = 0; k < 4; ++k)
                QCOMPARE(key.ReadInt(tag + "_" + QString::number(k), -1), kWritesPerWriter - 4 + k);
            QCOMPARE(key.ReadString(tag + "_text"),
                     tag + " #" + QString::number(kWritesPerWriter - 1));
        }
        QCOMPARE(key.ReadString("Stable"), QString("never changes"));
        // No temporary or lock file is left beside the settings.
        QCOMPARE(QDir(QFileInfo(Store::FilePath()).absolutePath())
                     .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"settings.conf"});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
