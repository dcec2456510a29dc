// Every text of the sources (string table, menus, dialogs, messages, the
// command-line tool) has a finished translation in every shipped language,
// and each translation keeps the placeholders of its English text.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one, or the plural forms
    bool finished = false;
};

QString Key(const Message &m)
{
    return m.context + u'\x1f' + m.source + u'\x1f' + m.comment;
}

// The messages of a language file; an empty list when it cannot be read.
QList<Message> ReadTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            current = Message();
            current.context = context;
        } else if (name == u"source") {
            current.source = xml.readElementText();
        } else if (name == u"comment") {
            current.comment = xml.readElementText();
        } else if (name == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            current.finished = type.isEmpty();
            // Plural forms come as <numerusform> children.
            QString text;
            bool plural = false;
            while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == u"numerusform") {
                    plural = true;
                    current.translations.append(xml.readElementText());
                } else if (xml.isCharacters() && !plural) {
                    text += xml.text();
                }
            }
            if (!plural)
                current.translations.append(text);
            messages.append(current);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// The placeholders a text fills: %1 to %9, %s, %d and %n, sorted.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%%|%[1-9sdn]"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QString m = it.next().captured();
        if (m != QLatin1String("%%"))
            found.append(m);
    }
    found.sort();
    return found;
}

const char *const kLanguages[] = {"Chs", "Cht", "Ita"};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QList<Message> m_sourceTexts;

private Q_SLOTS:
    // The texts as the extraction tool finds them in the sources today.
    void initTestCase()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ts = dir.filePath(QStringLiteral("Sources.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TOMELODEX_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h,ui"),
                       QStringLiteral(TOMELODEX_SOURCE_DIR) + QStringLiteral("/src"),
                       QStringLiteral("-ts"), ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        m_sourceTexts = ReadTs(ts);
        // The string table alone has a hundred texts; menus and dialogs more.
        QVERIFY(m_sourceTexts.size() > 300);
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : kLanguages)
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, code);
        const QString path = QStringLiteral(TOMELODEX_SOURCE_DIR) +
                             QStringLiteral("/translations/Tomelodex") + code +
                             QStringLiteral(".ts");
        const QList<Message> shipped = ReadTs(path);
        QVERIFY2(!shipped.isEmpty(), qPrintable(path));
        QHash<QString, Message> byKey;
        for (const Message &m : shipped)
            byKey.insert(Key(m), m);

        QStringList missing;
        QStringList brokenPlaceholders;
        for (const Message &text : m_sourceTexts) {
            const auto it = byKey.constFind(Key(text));
            if (it == byKey.constEnd() || !it->finished || it->translations.isEmpty() ||
                it->translations.first().isEmpty()) {
                missing.append(text.context + QStringLiteral(": ") + text.source);
                continue;
            }
            // A lost or extra placeholder drops or garbles what the program fills in.
            for (const QString &translation : it->translations) {
                if (Placeholders(translation) != Placeholders(text.source))
                    brokenPlaceholders.append(text.source + QStringLiteral(" -> ") + translation);
            }
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts lack a translation (run the "
                                           "tomelodex_lupdate target, then translate):\n")
                                .arg(missing.size()) +
                            missing.join(u'\n')));
        QVERIFY2(brokenPlaceholders.isEmpty(), qPrintable(brokenPlaceholders.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
