#include "xml/XmlDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <atomic>
#include <thread>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char kFixture[] = TOMELODEX_SOURCE_DIR "/tests/fixtures/ecs/itemlookup-large-namespaced.xml";

// Hostile inputs must end well within this (they end in well under a second).
constexpr qint64 kHostileDeadlineMs = 60000;

const char kBooks[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Tomelodex Version="1.1" CreationDate="Jan 05, 2024">
<Book ID="7">
<Title>Knit &amp; Purl &lt;2nd&gt; &#x20AC;5</Title>
<Author>Anna M&#252;ller</Author>
<ISBN>0754512673</ISBN>
<PageCount>526</PageCount>
<Links>
<Link ID="5">
<Title>Errata</Title>
<Path>http://example.com/errata</Path>
</Link>
<Link ID="9">
<Title>Notes</Title>
<Path>/home/u/notes.txt</Path>
</Link>
</Links>
</Book>
<Book ID="12">
<Title>Lost Voices</Title>
<Author>B. Writer</Author>
<PageCount>201</PageCount>
</Book>
</Tomelodex>
)";

const QString kKnitTitle = QStringLiteral("Knit & Purl <2nd> \u20ac5");

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same document in three shapes: as written, with a default namespace on
// the root, and with every element prefixed.
QString inShape(const QString &xml, const QString &shape)
{
    QString text = xml;
    if (shape == QLatin1String("default namespace")) {
        text.replace(
            QRegularExpression(QStringLiteral("<(Tomelodex|ItemLookupResponse)(?=[\\s>])")),
            QStringLiteral("<\\1 xmlns=\"urn:x-test:books\""));
    } else if (shape == QLatin1String("prefixed")) {
        text.replace(QRegularExpression(QStringLiteral("<(/?)([A-Za-z]\\w*)")),
                     QStringLiteral("<\\1t:\\2"));
        text.replace(
            QRegularExpression(QStringLiteral("<t:(Tomelodex|ItemLookupResponse)(?=[\\s>])")),
            QStringLiteral("<t:\\1 xmlns:t=\"urn:x-test:books\""));
    }
    return text;
}

QString texts(const CXmlNodeList &nodes)
{
    QStringList parts;
    for (const CXmlNode &node : nodes)
        parts.append(node.text());
    return parts.join(QLatin1Char('|'));
}

// A TCP listener on 127.0.0.1 that is never answered: the tests point URLs at
// it and check that nobody tried to connect.
class CListener
{
public:
    CListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_fd, 16) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
    }
    ~CListener()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CListener(const CListener &) = delete;
    CListener &operator=(const CListener &) = delete;

    bool isValid() const { return m_port != 0; }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(QLatin1String(path));
    }
    bool wasContacted() const
    {
        pollfd entry{m_fd, POLLIN, 0};
        return ::poll(&entry, 1, 0) > 0;
    }

private:
    int m_fd = -1;
    quint16 m_port = 0;
};

QString billionLaughs()
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n"
                                  "<!ENTITY lol0 \"lol\">\n");
    for (int level = 1; level <= 10; ++level)
        text += QStringLiteral("<!ENTITY lol%1 \"%2\">\n")
                    .arg(level)
                    .arg(QStringLiteral("&lol%1;").arg(level - 1).repeated(10));
    return text + QStringLiteral("]>\n<lolz>&lol10;</lolz>\n");
}

QString bigEntity(int size)
{
    return QStringLiteral("<!DOCTYPE r [<!ENTITY a \"%1\">]>\n")
        .arg(QString(size, QLatin1Char('x')));
}

QString styleSheet(const QString &body, const QString &extra = QString())
{
    return QStringLiteral("<xsl:stylesheet version=\"1.0\" "
                          "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" %1>\n%2\n"
                          "</xsl:stylesheet>\n")
        .arg(extra, body);
}

const char kHtmlStyle[] = R"(<xsl:output method="html"/>
<xsl:template match="/">
<html><head><title>Books</title></head>
<body><xsl:for-each select="Tomelodex/Book">
<p class="t"><xsl:value-of select="Title"/></p><p><xsl:value-of select="Author"/></p>
</xsl:for-each></body></html>
</xsl:template>)";

} // namespace

class CXmlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void loadXmlIgnoresDeclaredEncoding_data();
    void loadXmlIgnoresDeclaredEncoding();
    void malformedTextFails_data();
    void malformedTextFails();
    void loadReadsFilesAndFileUrls();
    void loadRefusesWhatIsNotALocalFile();
    void loadBytesHonoursDeclaredEncoding();

    void serviceAnswerPaths_data();
    void serviceAnswerPaths();
    void bookPaths_data();
    void bookPaths();
    void selectionRelativeToNode();
    void missingNodesAndBadPaths();
    void serviceErrorAnswer();
    void declaredEntitiesAreResolved();
    void movedDocumentKeepsItsNodes();

    void hostileInputFails_data();
    void hostileInputFails();
    void xincludeIsNotProcessed();
    void oversizedInputFailsBeforeReading();

    void transformToHtml_data();
    void transformToHtml();
    void transformToXmlAndText();
    void styleSheetIncludesFilesBesideIt();
    void transformFailures_data();
    void transformFailures();
    void styleSheetCannotWrite();
    void styleSheetReadsItselfOnly();

    void loadAndTransformOnTwoThreads();

private:
    CListener m_listener;
    QTemporaryDir m_dir;
    QString m_fixture;
};

void CXmlTest::initTestCase()
{
    QVERIFY(m_listener.isValid());
    QVERIFY(m_dir.isValid());
    m_fixture = readText(QString::fromUtf8(kFixture));
    QVERIFY2(!m_fixture.isEmpty(), kFixture);
    // The real answers carry a default namespace; the selections below rely on it.
    QVERIFY(m_fixture.contains(QLatin1String("<ItemLookupResponse xmlns=\"")));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("secret.txt")), "TOPSECRET"));
}

void CXmlTest::loadXmlIgnoresDeclaredEncoding_data()
{
    QTest::addColumn<QString>("declaration");
    QTest::newRow("none") << QString();
    QTest::newRow("UTF-8") << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QTest::newRow("ISO-8859-1") << QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    QTest::newRow("UTF-16") << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>");
    QTest::newRow("windows-1252 with BOM")
        << QStringLiteral("\ufeff<?xml version=\"1.0\" encoding=\"windows-1252\"?>");
}

void CXmlTest::loadXmlIgnoresDeclaredEncoding()
{
    QFETCH(QString, declaration);
    const QString title = QStringLiteral("M\u00fcller \u2013 \u20ac 12 \u65e5\u672c \U0001F4DA");
    CXmlDocument doc;
    QVERIFY2(doc.loadXML(declaration + QStringLiteral("\n<Book><Title>") + title +
                         QStringLiteral("</Title></Book>")),
             qPrintable(doc.parseError()));
    QVERIFY(doc.isLoaded());
    QCOMPARE(doc.documentElement().name(), QStringLiteral("Book"));
    QCOMPARE(doc.selectSingleNode(QStringLiteral("Book/Title")).text(), title);
}

void CXmlTest::malformedTextFails_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("where");
    QTest::newRow("mismatched tags") << "<a>\n<b>\n</a></b>"
                                     << "line 3";
    QTest::newRow("unclosed") << "<a><b>text</b>\n"
                              << "line 2";
    QTest::newRow("two roots") << "<a/>\n<b/>"
                               << "line 2";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("text only") << "just words"
                               << "line 1";
    QTest::newRow("bare ampersand") << "<a>\nFish & Chips</a>"
                                    << "line 2";
    QTest::newRow("undeclared entity") << "<a>&nbsp;</a>"
                                       << "line 1";
    QTest::newRow("undeclared prefix") << "<a>\n<x:b/></a>"
                                       << "line 2";
    QTest::newRow("control character") << QStringLiteral("<a>\u0001</a>") << "line 1";
}

void CXmlTest::malformedTextFails()
{
    QFETCH(QString, text);
    QFETCH(QString, where);
    CXmlDocument doc;
    QVERIFY(doc.loadXML(QStringLiteral("<ok><Title>x</Title></ok>")));
    QVERIFY(!doc.loadXML(text));
    QVERIFY(!doc.isLoaded()); // the earlier tree is gone too
    QVERIFY(doc.documentElement().isNull());
    QCOMPARE(doc.selectNodes(QStringLiteral("ok/Title")).count(), 0);
    QVERIFY(!doc.parseError().isEmpty());
    QVERIFY2(doc.parseError().contains(where), qPrintable(doc.parseError()));
}

void CXmlTest::loadReadsFilesAndFileUrls()
{
    // A file's own declaration decides its encoding.
    const QString path = m_dir.filePath(QStringLiteral("latin 1 \u00e9.xml"));
    QVERIFY(writeFile(path, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                            "<Tomelodex><Book><Author>M\xfcller</Author></Book></Tomelodex>"));
    for (const QString &name : {path, QUrl::fromLocalFile(path).toString(),
                                QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded())}) {
        CXmlDocument doc;
        QVERIFY2(doc.load(name), qPrintable(name + QLatin1Char(' ') + doc.parseError()));
        QCOMPARE(doc.selectSingleNode(QStringLiteral("Tomelodex/Book/Author")).text(),
                 QStringLiteral("M\u00fcller"));
    }

    CXmlDocument fixture;
    QVERIFY2(fixture.load(QString::fromUtf8(kFixture)), qPrintable(fixture.parseError()));
    QCOMPARE(fixture.documentElement().name(), QStringLiteral("ItemLookupResponse"));
}

void CXmlTest::loadRefusesWhatIsNotALocalFile()
{
    CXmlDocument doc;
    QVERIFY(!doc.load(m_dir.filePath(QStringLiteral("missing.xml"))));
    QVERIFY(!doc.parseError().isEmpty());
    QVERIFY(!doc.load(m_dir.path())); // a folder
    QVERIFY(!doc.load(QString()));
    QVERIFY(!doc.load(QStringLiteral("/dev/zero")));
    QVERIFY(!doc.load(QStringLiteral("http://127.0.0.1:1/answer.xml")));
    QVERIFY(!doc.load(m_listener.url("onca/xml?ItemId=1")));
    QVERIFY(!doc.load(QStringLiteral("https://example.com/a.xml")));
    QVERIFY(!doc.load(QStringLiteral("file://remotehost/etc/hosts")));
    QVERIFY(!m_listener.wasContacted());
}

void CXmlTest::loadBytesHonoursDeclaredEncoding()
{
    CXmlDocument doc;
    QVERIFY(doc.loadBytes(QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                     "<a>caf\xe9</a>")));
    QCOMPARE(doc.documentElement().text(), QStringLiteral("caf\u00e9"));
    QVERIFY(doc.loadBytes(QStringLiteral("<a>caf\u00e9</a>").toUtf8()));
    QCOMPARE(doc.documentElement().text(), QStringLiteral("caf\u00e9"));
    QVERIFY(!doc.loadBytes(QByteArray("<a>caf\xe9</a>"))); // not UTF-8, nothing declared
    QVERIFY(doc.loadBytes(m_fixture.toUtf8()));
    QCOMPARE(
        doc.selectSingleNode(QStringLiteral("ItemLookupResponse//ListPrice/FormattedPrice")).text(),
        QStringLiteral("\u00a378.00"));
}

void CXmlTest::serviceAnswerPaths_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const QString large = QStringLiteral("http://ecx.images-amazon.com/images/I/41965ZC4WKL.jpg");
    const QList<std::pair<const char *, QString>> rows = {
        {"ItemLookupResponse//ItemAttributes/Author",
         QStringLiteral("Sue Cox|Bill Janes|Deborah Walker|David Wenham")},
        {"ItemLookupResponse//Title", QStringLiteral("Tolley's Office Health and Safety Handbook")},
        {"ItemLookupResponse//Publisher", QStringLiteral("Butterworths Tolley Ltd.")},
        {"ItemLookupResponse//PublicationDate", QStringLiteral("2002-12-01")},
        {"ItemLookupResponse//ListPrice/FormattedPrice", QStringLiteral("\u00a378.00")},
        {"ItemLookupResponse//Offers//FormattedPrice", QString()},
        {"ItemLookupResponse//NumberOfPages", QStringLiteral("526")},
        {"ItemLookupResponse//ItemAttributes/Binding", QStringLiteral("Paperback")},
        {"ItemLookupResponse//ItemAttributes/Length", QString()},
        {"ItemLookupResponse//Error/Message", QString()},
        {"ItemLookupResponse//MediumImage/URL",
         QStringLiteral("http://ecx.images-amazon.com/images/I/41965ZC4WKL._SL160_.jpg")},
        {"ItemLookupResponse//LargeImage/URL", large + QLatin1Char('|') + large},
        {"ItemLookupResponse/Items/Request/IsValid", QStringLiteral("True")},
        {"ItemLookupResponse//Argument[@Name='ItemId']/@Value", QStringLiteral("0754512673")},
        {"ItemLookupResponse//BrowseNode/Ancestors/BrowseNode/Name", QStringLiteral("Economics")},
        {"//Languages/Language[Type='Unknown']/Name", QStringLiteral("English")},
        {"ItemLookupResponse//ItemAttributes/Author[3]", QStringLiteral("Deborah Walker")},
        {"ItemLookupResponse//LargeImage/Height[@Units = 'pixels' and . > 400]",
         QStringLiteral("475|475")},
        {"count(ItemLookupResponse//Author)", QString()}, // not a node set
    };
    for (const char *shape : {"default namespace", "no namespace", "prefixed"}) {
        for (const auto &[path, expected] : rows)
            QTest::addRow("%s: %s", shape, path)
                << QString::fromLatin1(shape) << QString::fromLatin1(path) << expected;
    }
}

void CXmlTest::serviceAnswerPaths()
{
    QFETCH(QString, shape);
    QFETCH(QString, path);
    QFETCH(QString, expected);

    QString text = m_fixture;
    text.remove(QRegularExpression(QStringLiteral(" xmlns=\"[^\"]*\"")));
    CXmlDocument doc;
    if (shape == QLatin1String("default namespace"))
        QVERIFY(doc.load(QString::fromUtf8(kFixture)));
    else
        QVERIFY2(doc.loadXML(inShape(text, shape)), qPrintable(doc.parseError()));

    const CXmlNodeList nodes = doc.selectNodes(path);
    QCOMPARE(texts(nodes), expected);
    QCOMPARE(nodes.count(), expected.isEmpty() ? 0 : int(expected.count(QLatin1Char('|'))) + 1);
    const CXmlNode first = doc.selectSingleNode(path);
    QCOMPARE(first.isNull(), expected.isEmpty());
    QCOMPARE(first.text(), expected.section(QLatin1Char('|'), 0, 0));
}

void CXmlTest::bookPaths_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const QString lost = QStringLiteral("Lost Voices");
    const QList<std::pair<const char *, QString>> rows = {
        {"Tomelodex/Book/Title", kKnitTitle + QLatin1Char('|') + lost},
        {"Tomelodex/Book/Author", QStringLiteral("Anna M\u00fcller|B. Writer")},
        {"Tomelodex/Book[1]/Links/Link/Title", QStringLiteral("Errata|Notes")},
        {"Tomelodex/Book/@ID", QStringLiteral("7|12")},
        {"Tomelodex/Book[@ID='12']/Title", lost},
        {"Tomelodex/Book[Title='Lost Voices']/PageCount", QStringLiteral("201")},
        {"Tomelodex/Book[PageCount > 300]/@ID", QStringLiteral("7")},
        {"Tomelodex/Book[PageCount mod 2 = 1]/Title", lost},
        {"Tomelodex/Book[PageCount div 2 > 200]/@ID", QStringLiteral("7")},
        {"Tomelodex/Book[PageCount*2 < 1000]/Title", lost},
        {"Tomelodex/Book[Links and ISBN]/@ID", QStringLiteral("7")},
        {"Tomelodex/Book[not(Links) or PageCount < 0]/Title", lost},
        {"Tomelodex/Book[count(Links/Link) = 2]/@ID", QStringLiteral("7")},
        {"Tomelodex/Book[Links/Link[@ID='9']]/ISBN", QStringLiteral("0754512673")},
        {"Tomelodex/Book[starts-with(Title, \"Lost\")]/Author", QStringLiteral("B. Writer")},
        {"//Link[@ID = 9]/Path", QStringLiteral("/home/u/notes.txt")},
        {"Tomelodex//Link/../../ISBN", QStringLiteral("0754512673")},
        {"Tomelodex/Book/Title/text()", kKnitTitle + QLatin1Char('|') + lost},
        {"child::Tomelodex/child::Book/attribute::ID", QStringLiteral("7|12")},
        {"Tomelodex/Book[1]/following-sibling::Book/Title", lost},
        {"Tomelodex/descendant::Link/Title", QStringLiteral("Errata|Notes")},
        {"Tomelodex/*/Title", kKnitTitle + QLatin1Char('|') + lost},
        {"Tomelodex/Book/PageCount | Tomelodex/Book/ISBN", QStringLiteral("0754512673|526|201")},
        {"Tomelodex/Book[last()]/Title", lost},
        {"Tomelodex/Book[2]/./Title", lost},
        {"Tomelodex/Book/title", QString()}, // names are compared exactly
        {"Tomelodex/Books", QString()},
        {"Book", QString()}, // relative to the document, not a descendant step
    };
    for (const char *shape : {"no namespace", "default namespace", "prefixed"}) {
        for (const auto &[path, expected] : rows)
            QTest::addRow("%s: %s", shape, path)
                << QString::fromLatin1(shape) << QString::fromLatin1(path) << expected;
    }
}

void CXmlTest::bookPaths()
{
    QFETCH(QString, shape);
    QFETCH(QString, path);
    QFETCH(QString, expected);

    CXmlDocument doc;
    QVERIFY2(doc.loadXML(inShape(QString::fromUtf8(kBooks), shape)), qPrintable(doc.parseError()));
    QCOMPARE(texts(doc.selectNodes(path)), expected);
}

void CXmlTest::selectionRelativeToNode()
{
    for (const QString &shape : {QStringLiteral("no namespace"), QStringLiteral("prefixed")}) {
        CXmlDocument doc;
        QVERIFY(doc.loadXML(inShape(QString::fromUtf8(kBooks), shape)));
        const CXmlNodeList books = doc.selectNodes(QStringLiteral("Tomelodex/Book"));
        QCOMPARE(books.count(), 2);
        const CXmlNode book = books.item(0);
        QCOMPARE(book.name(), QStringLiteral("Book"));
        QCOMPARE(book.attribute(QStringLiteral("ID")), QStringLiteral("7"));
        QCOMPARE(book.selectSingleNode(QStringLiteral("Title")).text(), kKnitTitle);
        QCOMPARE(book.selectSingleNode(QStringLiteral("Subtitle")).text(), QString());

        const CXmlNodeList links = book.selectNodes(QStringLiteral("Links/Link"));
        QCOMPARE(links.count(), 2);
        QCOMPARE(links.item(1).selectSingleNode(QStringLiteral("Path")).text(),
                 QStringLiteral("/home/u/notes.txt"));
        QCOMPARE(links.item(1).selectSingleNode(QStringLiteral("..")).name(),
                 QStringLiteral("Links"));
        QCOMPARE(links.item(1).selectSingleNode(QStringLiteral(".")), links.item(1));
        // A second book's paths see only that book.
        QCOMPARE(books.item(1).selectNodes(QStringLiteral("Links/Link")).count(), 0);
        QCOMPARE(books.item(1).selectSingleNode(QStringLiteral("Title")).text(),
                 QStringLiteral("Lost Voices"));
        // "//" below a node still searches the whole document, as in XPath.
        QCOMPARE(books.item(1).selectNodes(QStringLiteral("//Link")).count(), 2);

        const CXmlNode id = book.selectSingleNode(QStringLiteral("@ID"));
        QCOMPARE(id.name(), QStringLiteral("ID"));
        QCOMPARE(id.text(), QStringLiteral("7"));
        QCOMPARE(book.selectSingleNode(QStringLiteral("Title/text()")).name(),
                 QStringLiteral("#text"));
        QCOMPARE(doc.documentElement().name(), QStringLiteral("Tomelodex"));
        QCOMPARE(doc.documentElement().attribute(QStringLiteral("Version")), QStringLiteral("1.1"));
    }
}

void CXmlTest::missingNodesAndBadPaths()
{
    CXmlDocument empty;
    QVERIFY(!empty.isLoaded());
    QVERIFY(empty.documentElement().isNull());
    QCOMPARE(empty.selectNodes(QStringLiteral("Tomelodex/Book")).count(), 0);
    QVERIFY(empty.selectSingleNode(QStringLiteral("Tomelodex")).isNull());

    CXmlDocument doc;
    QVERIFY(doc.loadXML(QString::fromUtf8(kBooks)));
    const CXmlNode missing = doc.selectSingleNode(QStringLiteral("Tomelodex/Book/Nothing"));
    QVERIFY(missing.isNull());
    QCOMPARE(missing.text(), QString());
    QCOMPARE(missing.name(), QString());
    QCOMPARE(missing.attribute(QStringLiteral("ID")), QString());
    QCOMPARE(missing.selectNodes(QStringLiteral("Title")).count(), 0);
    QVERIFY(missing.selectSingleNode(QStringLiteral("Title")).isNull());

    const CXmlNodeList books = doc.selectNodes(QStringLiteral("Tomelodex/Book"));
    QVERIFY(books.item(2).isNull());
    QVERIFY(books.item(-1).isNull());
    QCOMPARE(books.item(0).attribute(QStringLiteral("Missing")), QString());

    for (const char *bad : {"Tomelodex/[", "Tomelodex/Book[", "Tomelodex//", "'unclosed", "", "  ",
                            "Tomelodex/Book[@ID='7'", "x:Book", "$nothing"})
        QCOMPARE(doc.selectNodes(QString::fromLatin1(bad)).count(), 0);
    // The document is still usable after a bad path.
    QCOMPARE(doc.selectNodes(QStringLiteral("Tomelodex/Book")).count(), 2);
}

void CXmlTest::serviceErrorAnswer()
{
    const QString answer = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<ItemLookupResponse xmlns=\"http://webservices.amazon.com/AWSECommerceService/"
        "2011-08-01\"><Items><Request><IsValid>True</IsValid><Errors><Error>"
        "<Code>AWS.InvalidParameterValue</Code><Message>0000000000 is not a valid value for "
        "ItemId. Please change this value &amp; retry.</Message></Error></Errors></Request>"
        "</Items></ItemLookupResponse>");
    const QString message = QStringLiteral(
        "0000000000 is not a valid value for ItemId. Please change this value & retry.");
    CXmlDocument doc;
    QVERIFY(doc.loadBytes(answer.toUtf8()));
    QCOMPARE(doc.selectSingleNode(QStringLiteral("ItemLookupResponse//Error/Message")).text(),
             message);
    QCOMPARE(doc.documentElement()
                 .selectSingleNode(QStringLiteral("Items/Request/Errors/Error/Message"))
                 .text(),
             message);
    QVERIFY(doc.selectSingleNode(QStringLiteral("ItemLookupResponse//Title")).isNull());
}

void CXmlTest::declaredEntitiesAreResolved()
{
    CXmlDocument doc;
    QVERIFY2(doc.loadXML(QStringLiteral(
                 "<!DOCTYPE Tomelodex [\n<!ENTITY nbsp \"&#160;\">\n"
                 "<!ENTITY pub \"Smith &amp; Sons&nbsp;Ltd\">\n<!ENTITY bold \"<b>bold</b>\">]>\n"
                 "<Tomelodex Maker=\"&pub;\"><Book><Publisher>&pub;</Publisher>"
                 "<Notes>a&nbsp;&bold;<![CDATA[ <raw> & ]]>&#x1F4DA;</Notes></Book></Tomelodex>")),
             qPrintable(doc.parseError()));
    const QString publisher = QStringLiteral("Smith & Sons\u00a0Ltd");
    QCOMPARE(doc.selectSingleNode(QStringLiteral("Tomelodex/Book/Publisher")).text(), publisher);
    QCOMPARE(doc.documentElement().attribute(QStringLiteral("Maker")), publisher);
    QCOMPARE(doc.selectSingleNode(QStringLiteral("Tomelodex/Book/Notes")).text(),
             QStringLiteral("a\u00a0bold <raw> & \U0001F4DA"));
    // Markup from an entity is part of the tree.
    QCOMPARE(doc.selectSingleNode(QStringLiteral("Tomelodex/Book/Notes/b")).text(),
             QStringLiteral("bold"));
}

void CXmlTest::movedDocumentKeepsItsNodes()
{
    CXmlDocument first;
    QVERIFY(first.loadXML(QString::fromUtf8(kBooks)));
    const CXmlNode book = first.selectSingleNode(QStringLiteral("Tomelodex/Book"));
    CXmlDocument second(std::move(first));
    QVERIFY(second.isLoaded());
    QCOMPARE(book.selectSingleNode(QStringLiteral("ISBN")).text(), QStringLiteral("0754512673"));
    CXmlDocument third;
    QVERIFY(third.loadXML(QStringLiteral("<a/>")));
    third = std::move(second);
    QCOMPARE(third.selectSingleNode(QStringLiteral("Tomelodex/Book")), book);
}

void CXmlTest::hostileInputFails_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    const QString expands = QStringLiteral("expand to more than 10 MiB");
    const QString refused = QStringLiteral("The document refers to");
    const QString named = QStringLiteral("The document's DTD refers to");

    QTest::newRow("billion laughs") << billionLaughs() << expands;
    QTest::newRow("quadratic blowup in text")
        << bigEntity(50000) + QStringLiteral("<r>%1</r>").arg(QStringLiteral("&a;").repeated(50000))
        << expands;
    QTest::newRow("quadratic blowup over elements")
        << bigEntity(100000) +
               QStringLiteral("<r>%1</r>").arg(QStringLiteral("<e>&a;</e>").repeated(50000))
        << expands;
    QTest::newRow("quadratic blowup in attributes")
        << bigEntity(100000) + QStringLiteral("<r>%1</r>")
                                   .arg(QStringLiteral("<e x='&a;&a;&a;&a;&a;'/>").repeated(20000))
        << expands;
    QTest::newRow("nested entities in attributes")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY a \"%1\"><!ENTITY b \"%2\">]><r>%3</r>")
               .arg(QString(1000, QLatin1Char('x')), QStringLiteral("&a;").repeated(1000),
                    QStringLiteral("<e x='&b;'/>").repeated(2000))
        << expands;
    QTest::newRow("entity loop")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY a \"x&b;\"><!ENTITY b \"y&a;\">]><r>&a;</r>")
        << QStringLiteral("entity reference loop");
    QTest::newRow("external entity, absolute file URL")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>")
        << refused;
    QTest::newRow("external entity, absolute path")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"/etc/passwd\">]><r>&x;</r>") << refused;
    QTest::newRow("external entity, relative local file")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"secret.txt\">]><r>&x;</r>") << refused;
    QTest::newRow("external entity in an attribute")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"secret.txt\">]><r a='&x;'/>")
        << QStringLiteral("external entity");
    QTest::newRow("external entity declared, not used")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"secret.txt\">]><r/>") << named;
    QTest::newRow("external entity from the network")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY x SYSTEM \"%1\">]><r>&x;</r>")
               .arg(m_listener.url("entity.txt"))
        << refused;
    QTest::newRow("parameter entity pulls a DTD from a URL")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY % ext SYSTEM \"%1\"> %ext;]><r>&y;</r>")
               .arg(m_listener.url("evil.dtd"))
        << refused;
    QTest::newRow("parameter entity pulls a local file")
        << QStringLiteral("<!DOCTYPE r [<!ENTITY % ext SYSTEM \"secret.txt\"> %ext;]><r/>")
        << refused;
    QTest::newRow("external DTD from a URL")
        << QStringLiteral("<!DOCTYPE r SYSTEM \"%1\"><r>&y;</r>").arg(m_listener.url("evil.dtd"))
        << named;
    QTest::newRow("external DTD with a public identifier")
        << QStringLiteral("<!DOCTYPE r PUBLIC \"-//Test//DTD Test//EN\" \"secret.txt\"><r/>")
        << named;
    QTest::newRow("deep nesting") << QStringLiteral("<e>").repeated(100000) +
                                         QStringLiteral("</e>").repeated(100000)
                                  << QStringLiteral("depth");
}

void CXmlTest::hostileInputFails()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    // From a file beside secret.txt (so relative names resolve there), from
    // bytes and from text.
    const QString path = m_dir.filePath(QStringLiteral("hostile.xml"));
    QVERIFY(writeFile(path, text.toUtf8()));
    for (int way = 0; way < 3; ++way) {
        QElapsedTimer timer;
        timer.start();
        CXmlDocument doc;
        const bool loaded = way == 0   ? doc.load(path)
                            : way == 1 ? doc.loadBytes(text.toUtf8())
                                       : doc.loadXML(text);
        QVERIFY2(!loaded, qPrintable(QStringLiteral("way %1 loaded: %2")
                                         .arg(way)
                                         .arg(doc.documentElement().text().left(80))));
        QVERIFY(!doc.isLoaded());
        QVERIFY2(doc.parseError().contains(reason), qPrintable(doc.parseError()));
        QVERIFY(!doc.parseError().contains(QLatin1String("TOPSECRET")));
        QVERIFY2(timer.elapsed() < kHostileDeadlineMs,
                 qPrintable(QString::number(timer.elapsed())));
    }
    QVERIFY(!m_listener.wasContacted());
}

void CXmlTest::xincludeIsNotProcessed()
{
    const QString path = m_dir.filePath(QStringLiteral("xinclude.xml"));
    QVERIFY(writeFile(path, "<r xmlns:xi=\"http://www.w3.org/2001/XInclude\">"
                            "<xi:include href=\"secret.txt\" parse=\"text\"/></r>"));
    CXmlDocument doc;
    QVERIFY(doc.load(path));
    QVERIFY(!doc.documentElement().text().contains(QLatin1String("TOPSECRET")));
    QCOMPARE(doc.selectSingleNode(QStringLiteral("r/include")).attribute(QStringLiteral("href")),
             QStringLiteral("secret.txt"));
}

void CXmlTest::oversizedInputFailsBeforeReading()
{
    // 200 MB that start like a good document; sparse, so quick to make.
    const QString path = m_dir.filePath(QStringLiteral("huge.xml"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("<?xml version=\"1.0\"?>\n<Tomelodex>") > 0);
        QVERIFY(file.resize(200LL * 1000 * 1000));
    }
    QElapsedTimer timer;
    timer.start();
    CXmlDocument doc;
    QVERIFY(!doc.load(path));
    QVERIFY2(doc.parseError().contains(QLatin1String("larger than 128 MiB")),
             qPrintable(doc.parseError()));
    QVERIFY(timer.elapsed() < kHostileDeadlineMs);
    QVERIFY(QFile::remove(path));

    QByteArray bytes = QByteArrayLiteral("<Tomelodex>");
    bytes.resize(kMaxXmlInputBytes + 1, ' ');
    QVERIFY(!doc.loadBytes(bytes));
    QVERIFY2(doc.parseError().contains(QLatin1String("larger than")), qPrintable(doc.parseError()));

    // One text over libxml2's 10 MB fails from a file or bytes instead of
    // loading cut short; the program's own book XML in memory loads whole.
    const QString longText = QStringLiteral("<r><t>%1</t><end/></r>")
                                 .arg(QStringLiteral("Tom &amp; Jerry ").repeated(1 << 20));
    QVERIFY(!doc.loadBytes(longText.toUtf8()));
    QVERIFY2(doc.parseError().contains(QLatin1String("huge text node")),
             qPrintable(doc.parseError()));
    QVERIFY2(doc.loadXML(longText), qPrintable(doc.parseError()));
    QCOMPARE(doc.selectSingleNode(QStringLiteral("r/t")).text().size(), qsizetype(12 << 20));
    QVERIFY(!doc.selectSingleNode(QStringLiteral("r/end")).isNull());
}

void CXmlTest::transformToHtml_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("metas");

    QTest::newRow("method html") << styleSheet(QString::fromLatin1(kHtmlStyle)) << 1;
    QString detected = QString::fromLatin1(kHtmlStyle);
    detected.remove(QStringLiteral("<xsl:output method=\"html\"/>"));
    QTest::newRow("html detected") << styleSheet(detected) << 1;
    QString own = QString::fromLatin1(kHtmlStyle);
    own.replace(
        QStringLiteral("<xsl:output method=\"html\"/>"),
        QStringLiteral("<xsl:output method=\"html\" encoding=\"ISO-8859-1\" indent=\"yes\"/>"));
    own.replace(QStringLiteral("<title>"),
                QStringLiteral("<META HTTP-EQUIV=\"content-type\" "
                               "CONTENT=\"text/html; charset=windows-1252\"/><title>"));
    QTest::newRow("own META and encoding") << styleSheet(own) << 1;
    QString headless = QString::fromLatin1(kHtmlStyle);
    headless.remove(QStringLiteral("<head><title>Books</title></head>"));
    QTest::newRow("no head") << styleSheet(headless) << 0;
}

void CXmlTest::transformToHtml()
{
    QFETCH(QString, style);
    QFETCH(int, metas);

    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    CXmlDocument xsl;
    QVERIFY2(xsl.loadXML(style), qPrintable(xsl.parseError()));
    QString html;
    QString error;
    QVERIFY2(books.transformNode(xsl, &html, &error), qPrintable(error));

    const QString meta = QString::fromLatin1(kHtmlUtf16Meta);
    QCOMPARE(meta, QStringLiteral("<META http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=UTF-16\">"));
    QCOMPARE(int(html.count(meta)), metas);
    QCOMPARE(int(html.count(QStringLiteral("http-equiv"), Qt::CaseInsensitive)), metas);
    if (metas > 0) {
        const qsizetype at = html.indexOf(meta);
        QVERIFY(html.indexOf(QLatin1String("<head>")) < at);
        QVERIFY(at < html.indexOf(QLatin1String("</head>")));
    }
    // Text comes through as text, whatever encoding the style sheet named.
    QVERIFY2(html.contains(QStringLiteral("Knit &amp; Purl &lt;2nd&gt; \u20ac5")),
             qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("Anna M\u00fcller")));
    QVERIFY(html.contains(QStringLiteral("<p class=\"t\">Lost Voices</p>")));
}

void CXmlTest::transformToXmlAndText()
{
    CXmlDocument books;
    QVERIFY(books.loadXML(inShape(QString::fromUtf8(kBooks), QStringLiteral("default namespace"))));

    CXmlDocument xml;
    QVERIFY(xml.loadXML(styleSheet(
        QStringLiteral("<xsl:output method=\"xml\" omit-xml-declaration=\"yes\"/>\n"
                       "<xsl:template match=\"/\"><html><head/><list><xsl:for-each "
                       "select=\"*/*/b:Title\"><item n=\"{position()}\"><xsl:value-of "
                       "select=\".\"/></item></xsl:for-each></list></html></xsl:template>"),
        QStringLiteral("xmlns:b=\"urn:x-test:books\" exclude-result-prefixes=\"b\""))));
    QString result;
    QString error;
    QVERIFY2(books.transformNode(xml, &result, &error), qPrintable(error));
    QCOMPARE(result, QStringLiteral("<html><head/><list><item n=\"1\">Knit &amp; Purl &lt;2nd&gt; "
                                    "\u20ac5</item><item n=\"2\">Lost Voices</item></list>"
                                    "</html>\n"));

    CXmlDocument text;
    QVERIFY(text.loadXML(styleSheet(
        QStringLiteral("<xsl:output method=\"text\" encoding=\"ISO-8859-1\"/>\n"
                       "<xsl:template match=\"/\"><xsl:for-each select=\"//*[local-name()="
                       "'Author']\"><xsl:value-of select=\".\"/>;</xsl:for-each>"
                       "</xsl:template>"))));
    QVERIFY2(books.transformNode(text, &result, &error), qPrintable(error));
    QCOMPARE(result, QStringLiteral("Anna M\u00fcller;B. Writer;"));

    // Space stripping works on a copy: the document keeps its text nodes.
    CXmlDocument strip;
    QVERIFY(strip.loadXML(styleSheet(QStringLiteral(
        "<xsl:strip-space elements=\"*\"/><xsl:output method=\"text\"/>"
        "<xsl:template match=\"/\"><xsl:value-of select=\"count(//text())\"/></xsl:template>"))));
    QVERIFY(books.transformNode(strip, &result));
    const int before = books.selectNodes(QStringLiteral("//text()")).count();
    QVERIFY(result.toInt() < before);
    QVERIFY(books.transformNode(strip, &result));
    QCOMPARE(books.selectNodes(QStringLiteral("//text()")).count(), before);
}

void CXmlTest::styleSheetIncludesFilesBesideIt()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Styles/parts")));
    const QString styles = m_dir.filePath(QStringLiteral("Styles"));
    QVERIFY(writeFile(styles + QStringLiteral("/parts/title.xsl"),
                      styleSheet(QStringLiteral("<xsl:template match=\"Title\">[&nbsp2;"
                                                "<xsl:value-of select=\".\"/>]</xsl:template>"))
                          .prepend(QStringLiteral("<!DOCTYPE xsl:stylesheet "
                                                  "[<!ENTITY nbsp2 \"&#160;&#160;\">]>\n"))
                          .toUtf8()));
    QVERIFY(writeFile(styles + QStringLiteral("/base.xsl"),
                      styleSheet(QStringLiteral("<xsl:template match=\"Author\">(<xsl:value-of "
                                                "select=\".\"/>)</xsl:template>"))
                          .toUtf8()));
    const QString main = styleSheet(QStringLiteral(
        "<xsl:import href=\"base.xsl\"/><xsl:include href=\"parts/title.xsl\"/>"
        "<xsl:output method=\"text\"/><xsl:template match=\"/\"><xsl:apply-templates "
        "select=\"Tomelodex/Book[2]/Title | Tomelodex/Book[2]/Author\"/></xsl:template>"));
    QVERIFY(writeFile(styles + QStringLiteral("/Main View.xsl"), main.toUtf8()));

    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    CXmlDocument xsl;
    QVERIFY2(xsl.load(styles + QStringLiteral("/Main View.xsl")), qPrintable(xsl.parseError()));
    QString result;
    QString error;
    QVERIFY2(books.transformNode(xsl, &result, &error), qPrintable(error));
    QCOMPARE(result, QStringLiteral("[\u00a0\u00a0Lost Voices](B. Writer)"));

    // The same style sheet held only in memory has no folder to include from.
    CXmlDocument inMemory;
    QVERIFY(inMemory.loadXML(main));
    QVERIFY(!books.transformNode(inMemory, &result, &error));
    QVERIFY(!error.isEmpty());
}

void CXmlTest::transformFailures_data()
{
    QTest::addColumn<QString>("style");

    QTest::newRow("not a style sheet") << QStringLiteral("<Tomelodex/>");
    QTest::newRow("bad select") << styleSheet(QStringLiteral(
        "<xsl:template match=\"/\"><xsl:value-of select=\"Book[\"/></xsl:template>"));
    QTest::newRow("message terminates") << styleSheet(QStringLiteral(
        "<xsl:template match=\"/\">a<xsl:message terminate=\"yes\">stop</xsl:message>b"
        "</xsl:template>"));
    QTest::newRow("endless recursion") << styleSheet(
        QStringLiteral("<xsl:template match=\"/\"><xsl:call-template name=\"r\"/></xsl:template>"
                       "<xsl:template name=\"r\">x<xsl:call-template name=\"r\"/></xsl:template>"));
    for (const QString &target :
         {QStringLiteral("/etc/passwd"), QStringLiteral("file:///etc/passwd"),
          QStringLiteral("secret.txt"), m_listener.url("doc.xml")}) {
        QTest::addRow("document(%s)", qPrintable(target))
            << styleSheet(QStringLiteral("<xsl:template match=\"/\"><xsl:copy-of "
                                         "select=\"document('%1')\"/></xsl:template>")
                              .arg(target));
        QTest::addRow("include %s", qPrintable(target))
            << styleSheet(QStringLiteral("<xsl:include href=\"%1\"/>").arg(target));
        QTest::addRow("import %s", qPrintable(target))
            << styleSheet(QStringLiteral("<xsl:import href=\"%1\"/>").arg(target));
    }
    QTest::newRow("include from the parent folder")
        << styleSheet(QStringLiteral("<xsl:include href=\"../outside.xsl\"/>"));
}

void CXmlTest::transformFailures()
{
    QFETCH(QString, style);
    // The style sheet lies in a folder of its own beside secret.txt's folder.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Failing")));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("outside.xsl")),
                      styleSheet(QStringLiteral("<xsl:template match=\"/\">outside"
                                                "</xsl:template>"))
                          .toUtf8()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Failing/secret.txt")), "TOPSECRET"));
    const QString path = m_dir.filePath(QStringLiteral("Failing/style.xsl"));
    QVERIFY(writeFile(path, style.toUtf8()));

    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    CXmlDocument xsl;
    QVERIFY2(xsl.load(path), qPrintable(xsl.parseError()));
    QElapsedTimer timer;
    timer.start();
    QString result = QStringLiteral("stale");
    QString error;
    QVERIFY2(!books.transformNode(xsl, &result, &error), qPrintable(result));
    QVERIFY(result.isEmpty());
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(QLatin1String("TOPSECRET")));
    QVERIFY(!error.contains(QLatin1String("root:")));
    QVERIFY(timer.elapsed() < kHostileDeadlineMs);
    QVERIFY(!m_listener.wasContacted());
    // Both documents stay usable.
    QCOMPARE(books.selectNodes(QStringLiteral("Tomelodex/Book")).count(), 2);
    QVERIFY(!xsl.documentElement().isNull());
}

void CXmlTest::styleSheetCannotWrite()
{
    const QString written = m_dir.filePath(QStringLiteral("written.txt"));
    const QString folder = m_dir.filePath(QStringLiteral("made"));
    const QList<QString> styles = {
        styleSheet(QStringLiteral("<xsl:template match=\"/\"><xsl:document href=\"%1\" "
                                  "method=\"text\">pwned</xsl:document></xsl:template>")
                       .arg(written))
            .replace(QStringLiteral("version=\"1.0\""), QStringLiteral("version=\"1.1\"")),
        styleSheet(QStringLiteral("<xsl:template match=\"/\"><exsl:document href=\"%1\" "
                                  "method=\"text\">pwned</exsl:document></xsl:template>")
                       .arg(written),
                   QStringLiteral("xmlns:exsl=\"http://exslt.org/common\" "
                                  "extension-element-prefixes=\"exsl\"")),
        styleSheet(QStringLiteral("<xsl:template match=\"/\"><exsl:document href=\"%1/sub/x.txt\" "
                                  "method=\"text\">pwned</exsl:document></xsl:template>")
                       .arg(folder),
                   QStringLiteral("xmlns:exsl=\"http://exslt.org/common\" "
                                  "extension-element-prefixes=\"exsl\"")),
        styleSheet(QStringLiteral("<xsl:template match=\"/\"><exsl:document href=\"%1\" "
                                  "method=\"text\">pwned</exsl:document></xsl:template>")
                       .arg(m_listener.url("upload")),
                   QStringLiteral("xmlns:exsl=\"http://exslt.org/common\" "
                                  "extension-element-prefixes=\"exsl\"")),
    };
    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    for (const QString &style : styles) {
        CXmlDocument xsl;
        QVERIFY2(xsl.loadXML(style), qPrintable(xsl.parseError()));
        QString result;
        QVERIFY(!books.transformNode(xsl, &result));
        QVERIFY(!QFile::exists(written));
        QVERIFY(!QFile::exists(folder));
    }
    QVERIFY(!m_listener.wasContacted());
}

void CXmlTest::styleSheetReadsItselfOnly()
{
    // document('') reads the style sheet's own table, also from a file.
    const QString style = styleSheet(
        QStringLiteral("<t:months><m>Jan</m><m>Feb</m></t:months>"
                       "<xsl:output method=\"text\"/><xsl:template match=\"/\">"
                       "<xsl:value-of select=\"document('')/*/t:months/m[2]\"/></xsl:template>"),
        QStringLiteral("xmlns:t=\"urn:x-test:table\""));
    const QString path = m_dir.filePath(QStringLiteral("month table.xsl"));
    QVERIFY(writeFile(path, style.toUtf8()));
    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    CXmlDocument fromFile;
    QVERIFY(fromFile.load(path));
    QString result;
    QString error;
    QVERIFY2(books.transformNode(fromFile, &result, &error), qPrintable(error));
    QCOMPARE(result, QStringLiteral("Feb"));

    // The style sheet may be transformed too (it is a document like any other).
    CXmlDocument identity;
    QVERIFY(identity.loadXML(styleSheet(
        QStringLiteral("<xsl:output method=\"text\"/><xsl:template match=\"/\"><xsl:value-of "
                       "select=\"count(//*)\"/></xsl:template>"))));
    QVERIFY(fromFile.transformNode(identity, &result));
    QCOMPARE(result, QStringLiteral("7"));
}

void CXmlTest::loadAndTransformOnTwoThreads()
{
    CXmlDocument books;
    QVERIFY(books.loadXML(QString::fromUtf8(kBooks)));
    CXmlDocument xsl;
    QVERIFY(xsl.loadXML(styleSheet(QString::fromLatin1(kHtmlStyle))));
    QString expected;
    QVERIFY(books.transformNode(xsl, &expected));

    constexpr int kRounds = 150;
    std::atomic<int> failures{0};
    const QString fixture = QString::fromUtf8(kFixture);
    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) {
            CXmlDocument answer;
            if (!answer.load(fixture) ||
                answer.selectNodes(QStringLiteral("ItemLookupResponse//ItemAttributes/Author"))
                        .count() != 4)
                ++failures;
            CXmlDocument bad;
            if (bad.loadXML(QStringLiteral("<a><b></a>")) || bad.parseError().isEmpty())
                ++failures;
        }
    });
    for (int i = 0; i < kRounds; ++i) {
        QString html;
        if (!books.transformNode(xsl, &html) || html != expected)
            ++failures;
    }
    worker.join();
    QCOMPARE(failures.load(), 0);
}

QTEST_GUILESS_MAIN(CXmlTest)
#include "tst_xml.moc"
