// Scanning CHM files for an ISBN. The archives are built at test time by
// chmcmd, a real CHM compiler, from small HTML trees.

#include "online/ChmScan.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using CPages = QList<QPair<QString, QByteArray>>;
Q_DECLARE_METATYPE(CPages)

namespace {

QByteArray Html(const QByteArray &body)
{
    return "<html><head><title>Page</title></head><body><p>" + body + "</p></body></html>\n";
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 Read32(const QByteArray &data, qsizetype offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | uchar(data.at(offset + i));
    return value;
}

} // namespace

class CChmScanTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_chmcmd;
    int m_built = 0;

    // Compiles the pages (path inside the archive, content) into a CHM; the
    // empty text, after a warning that says why, when that fails.
    QString Compile(const CPages &pages)
    {
        const QString source = m_dir.filePath(QStringLiteral("src%1").arg(++m_built));
        QByteArray project = "[OPTIONS]\nCompiled file=book.chm\nTitle=Book\nDefault topic=" +
                             pages.first().first.toUtf8() + "\n\n[FILES]\n";
        for (const auto &page : pages) {
            if (!WriteFile(source + u'/' + page.first, page.second)) {
                qWarning("cannot write %s", qPrintable(page.first));
                return QString();
            }
            project += page.first.toUtf8() + '\n';
        }
        WriteFile(source + QStringLiteral("/book.hhp"), project);
        QProcess chmcmd;
        chmcmd.setWorkingDirectory(source);
        chmcmd.setProcessChannelMode(QProcess::MergedChannels);
        chmcmd.start(m_chmcmd, {QStringLiteral("--no-html-scan"), QStringLiteral("book.hhp")});
        const QString chm = source + QStringLiteral("/book.chm");
        if (!chmcmd.waitForFinished(120000) || chmcmd.exitCode() != 0 || !QFile::exists(chm)) {
            qWarning("chmcmd failed: %s", chmcmd.readAll().constData());
            return QString();
        }
        return chm;
    }

    // A file of the test folder with these bytes.
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return WriteFile(path, bytes) ? path : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
        QVERIFY2(!m_chmcmd.isEmpty(), "chmcmd is missing: install the Debian package fp-utils "
                                      "(scripts/setup-deps.sh does)");
    }

    void scan_data()
    {
        QTest::addColumn<CPages>("pages");
        QTest::addColumn<QString>("expected");

        QTest::newRow("page in a sub-folder")
            << CPages{{"index.htm", Html("Contents, 2003 edition")},
                      {"front/matter/copyright.html", Html("ISBN 0-596-00712-4")}}
            << "0596007124";
        QTest::newRow("upper-case extension")
            << CPages{{"COPYRIGHT.HTM", Html("isbn 080442957x")}} << "080442957X";
        QTest::newRow("group 7 page before group 0 page")
            << CPages{{"a.htm", Html("ISBN 7-302-02368-9")}, {"b.htm", Html("ISBN 0-596-00420-6")}}
            << "0596004206";
        QTest::newRow("first ISBN of a page decides")
            << CPages{{"a.htm", Html("7302023689, also as 0596004206")}} << "";
        QTest::newRow("next page after a non-qualifying one")
            << CPages{{"a.htm", Html("7302023689, also as 0596004206")},
                      {"b.htm", Html("1000000001")}}
            << "1000000001";
        QTest::newRow("deeper folder first, then later pages")
            << CPages{{"sub/zz.htm", Html("0596004206")},
                      {"sub/deep/x.htm", Html("1000000001")},
                      {"t.htm", Html("0596007124")}}
            << "1000000001";
        QTest::newRow("# files are no pages, $ files are")
            << CPages{{"#hidden.htm", Html("0596007124")},
                      {"$extra.htm", Html("1000000001")},
                      {"book.htm", Html("0596004206")}}
            << "1000000001";
        QTest::newRow("only htm and html pages") << CPages{{"a.htm", Html("none")},
                                                           {"notes.txt", "0596007124"},
                                                           {"style.htmx", "0596004206"}}
                                                 << "";
        QTest::newRow("8-bit text around the ISBN") << CPages{{"a.htm", Html("\xa9 \xe9"
                                                                             "dition 1999, ISBN\xa0"
                                                                             "0596007124")}}
                                                    << "0596007124";
        QTest::newRow("text ends at a zero byte")
            << CPages{{"a.htm", QByteArray("<html>\0 0596007124</html>", 25)}} << "";
        QTest::newRow("ISBN-13 printed before the ISBN-10")
            << CPages{{"copyright.htm", Html("ISBN 978-0-13-110362-7 (pbk.) ISBN 0-13-110362-8")}}
            << "0131103628";
        QTest::newRow("979 ISBN-13 with dash references")
            << CPages{{"copyright.htm", Html("ISBN 979&#8208;10&#8208;90636&#8208;07&#8208;1")}}
            << "9791090636071";
        QTest::newRow("no ISBN anywhere")
            << CPages{{"index.htm", Html("Published 1999. 250 pages, $39.95.")},
                      {"ch1/one.html", Html("Chapter 1 of 12")}}
            << "";
    }

    void scan()
    {
        QFETCH(CPages, pages);
        QFETCH(QString, expected);
        const QString chm = Compile(pages);
        QVERIFY(!chm.isEmpty());
        QCOMPARE(ScanChmForIsbn(chm), expected);
    }

    // A cancelled scan reads no further page and finds nothing.
    void cancelled()
    {
        const QString chm = Compile({{"a.htm", Html("none")}, {"b.htm", Html("0596007124")}});
        QVERIFY(!chm.isEmpty());
        std::atomic<bool> cancel{false};
        QCOMPARE(ScanChmForIsbn(chm, &cancel), QStringLiteral("0596007124"));
        cancel = true;
        QCOMPARE(ScanChmForIsbn(chm, &cancel), QString());
    }

    void notArchives()
    {
        QCOMPARE(ScanChmForIsbn(m_dir.filePath(QStringLiteral("missing.chm"))), QString());
        QCOMPARE(ScanChmForIsbn(Write(QStringLiteral("empty.chm"), {})), QString());
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QCOMPARE(ScanChmForIsbn(Write(QStringLiteral("noise.chm"), noise)), QString());
        const QString folder = m_dir.filePath(QStringLiteral("folder.chm"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(ScanChmForIsbn(folder), QString());
        // A named pipe nobody writes to must not block the scan.
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.chm"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(ScanChmForIsbn(fifo), QString());
    }

    void truncated()
    {
        const QString chm = Compile({{"a.htm", Html("Intro")}, {"b.htm", Html("0-596-00712-4")}});
        QVERIFY(!chm.isEmpty());
        const QByteArray whole = ReadFile(chm);
        const quint32 directoryEnd = quint32(Read32(whole, 0x48) + Read32(whole, 0x50));
        // Every cut leaves either nothing or the ISBN that is really there;
        // a cut inside the headers or the directory always leaves nothing.
        for (qsizetype size = 0; size < whole.size(); size += 7) {
            const QString found =
                ScanChmForIsbn(Write(QStringLiteral("cut.chm"), whole.left(size)));
            if (size < directoryEnd)
                QVERIFY2(found.isEmpty(), qPrintable(QString::number(size)));
            else
                QVERIFY2(found.isEmpty() || found == u"0596007124",
                         qPrintable(QString::number(size)));
        }
    }

    void damagedDirectory()
    {
        const QString chm = Compile({{"a.htm", Html("0-596-00712-4")}});
        QVERIFY(!chm.isEmpty());
        const QByteArray whole = ReadFile(chm);
        const qsizetype directory = qsizetype(Read32(whole, 0x48));
        const qsizetype firstBlock = directory + qsizetype(Read32(whole, directory + 8));
        QCOMPARE(whole.mid(firstBlock, 4), QByteArray("PMGL"));

        // The listing block names itself as the next one: chmlib would loop.
        QByteArray looped = whole;
        looped.replace(firstBlock + 16, 4, QByteArray("\0\0\0\0", 4));
        QCOMPARE(ScanChmForIsbn(Write(QStringLiteral("loop.chm"), looped)), QString());

        // Every byte of the headers and the directory set to a few values:
        // no crash, no hang, and never a wrong ISBN.
        for (qsizetype at = 0; at < firstBlock + 1024; ++at) {
            for (const char value : {'\0', '\x01', '\x7f', '\xff'}) {
                QByteArray damaged = whole;
                damaged[at] = value;
                const QString found = ScanChmForIsbn(Write(QStringLiteral("damaged.chm"), damaged));
                QVERIFY2(found.isEmpty() || found == u"0596007124",
                         qPrintable(QString::number(at)));
            }
        }
    }

    void indexLoop()
    {
        // Enough files for several listing blocks and an index block above them.
        CPages pages;
        for (int i = 0; i < 300; ++i)
            pages.append(
                {QStringLiteral("chapter_with_a_long_file_name_%1.htm").arg(i, 3, 10, QChar(u'0')),
                 Html("text")});
        const QString chm = Compile(pages);
        QVERIFY(!chm.isEmpty());
        QByteArray whole = ReadFile(chm);
        const qsizetype directory = qsizetype(Read32(whole, 0x48));
        const qsizetype blocks = directory + qsizetype(Read32(whole, directory + 8));
        const quint32 blockLen = Read32(whole, directory + 0x10);
        const auto root = qint32(Read32(whole, directory + 0x1c));
        QVERIFY2(root > 0 && root < 0x80, "the archive has an index block");
        const qsizetype rootAt = blocks + root * qsizetype(blockLen);
        QCOMPARE(whole.mid(rootAt, 4), QByteArray("PMGI"));

        // Point the index block's first entry (name length, name, block) at itself.
        const qsizetype entry = rootAt + 8;
        const qsizetype child = entry + 1 + uchar(whole.at(entry));
        QVERIFY(uchar(whole.at(child)) < 0x80);
        whole[child] = char(root);
        QCOMPARE(ScanChmForIsbn(Write(QStringLiteral("index-loop.chm"), whole)), QString());
    }

    void hugePage()
    {
        // Three times what is read of a page, digits everywhere; its ISBN lies
        // beyond the part read, so the next page's ISBN is the one found.
        QByteArray text;
        text.reserve(3 * kChmPageReadLimit + 64);
        for (int i = 0; text.size() < 3 * kChmPageReadLimit; ++i)
            text += "Page " + QByteArray::number(i % 900) + ", printed 19" +
                    QByteArray::number(i % 100) + ", $" + QByteArray::number(i % 50) + ".95. ";
        text += "ISBN 0-596-00712-4";
        const QString chm = Compile({{"a.htm", text}, {"b.htm", Html("ISBN 1000000001")}});
        QVERIFY(!chm.isEmpty());
        QCOMPARE(ScanChmForIsbn(chm), QStringLiteral("1000000001"));
    }
};

QTEST_GUILESS_MAIN(CChmScanTest)
#include "tst_chmscan.moc"
