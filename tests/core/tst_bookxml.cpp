// The book XML document: exact form, escaping, order, and the saved file.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlDocument.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

class TestBookXml : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection m_db;

    void Exec(const QString &sql) { QVERIFY2(ExecuteSql(sql, true, m_db), qPrintable(sql)); }

    // The document without its first two lines, whose date changes.
    static QString Body(const QString &xml) { return xml.section(u'\n', 2); }

    QString MakeCover()
    {
        QDir().mkpath(m_env->Path(QStringLiteral("img")));
        const QString path = m_env->Path(QStringLiteral("c.jpg"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("jpg");
        return path;
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        QVERIFY(m_db.Open(m_env->CopyTemplate(QStringLiteral("lib.mdb"))));
    }
    void cleanup()
    {
        m_db.Close();
        delete m_env;
        m_env = nullptr;
    }

    void fullBook()
    {
        CRecordingPrompt prompt;
        Exec(QStringLiteral(
            "INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Computing', 1)"));
        Exec(QStringLiteral(
            "INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Programming & C', 32)"));
        CBookRecord book;
        book.Title = QStringLiteral("Tom & Jerry <2>");
        book.Author = QStringLiteral("A \"quoted\" O'Neil");
        book.ReleaseDate = QStringLiteral("2004-01-05");
        book.Publisher = QStringLiteral("Pub");
        book.ISBN = QStringLiteral("0596004206");
        book.PageCount = QStringLiteral("416");
        book.ListPrice = QStringLiteral("12.99");
        book.AmazonRating = QStringLiteral("4.5");
        book.MyRating = 5;
        book.EBookOnly = true;
        book.Description = QStringLiteral("<p>line one\nline two]]></p>");
        book.Links = {
            {QString(), QStringLiteral("Site"), QStringLiteral("http://x/?a=1&b=2"), QString()},
            {QString(), QString(), QStringLiteral("/books"), QStringLiteral("n")}};
        book.CoverTempPath = MakeCover();
        QVERIFY(book.Save(true, 33, m_env->Path(QStringLiteral("img")), m_db));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 2)"));

        const QString xml = BuildBooksXml({1}, m_db, QStringLiteral("/data/lib_images"));
        QVERIFY(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                              "<Tomelodex Version=\"1.1\" CreationDate=\"")));
        QVERIFY(
            QRegularExpression(
                QStringLiteral(
                    "^[^\\n]*\\n<Tomelodex Version=\"1.1\" CreationDate=\"[^\"]*\\d[^\"]*\">\\n"))
                .match(xml)
                .hasMatch());
        QCOMPARE(
            Body(xml),
            QStringLiteral(
                "<Book ID=\"1\">\n"
                "<Title>Tom &amp; Jerry &lt;2></Title>\n"
                "<Author>A \"quoted\" O'Neil</Author>\n"
                "<ReleaseDate>Jan 05, 2004</ReleaseDate>\n"
                "<Publisher>Pub</Publisher>\n"
                "<ISBN>0596004206</ISBN>\n"
                "<PageCount>416</PageCount>\n"
                "<ListPrice>12.99</ListPrice>\n"
                "<AmazonRating>4.50</AmazonRating>\n"
                "<MyRating>5</MyRating>\n"
                "<EbookOnly>Yes</EbookOnly>\n"
                "<Description>&lt;p>line one\nline two]]&gt;&lt;/p></Description>\n"
                "<Categories>\n"
                "<Category ID=\"2\">>>Favorites</Category>\n"
                "<Category ID=\"33\">>>Book Collection>>Computing>>Programming &amp; C</Category>\n"
                "</Categories>\n"
                "<Links>\n"
                "<Link ID=\"1\">\n"
                "<Title>Site</Title>\n"
                "<Path>http://x/?a=1&amp;b=2</Path>\n"
                "</Link>\n"
                "<Link ID=\"2\">\n"
                "<Path>/books</Path>\n"
                "<Notes>n</Notes>\n"
                "</Link>\n"
                "</Links>\n"
                "<FrontCover>/data/lib_images/1.jpg</FrontCover>\n"
                "</Book>\n"
                "</Tomelodex>\n"));
    }

    void bareBooksInListOrder()
    {
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (4, 'Four')"));
        Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title, MyRating, EBookOnly) VALUES (9, 'Nine', 0, 0)"));
        const QString xml = BuildBooksXml({9, 4, 77}, m_db, QStringLiteral("/x"));
        QCOMPARE(Body(xml),
                 QStringLiteral(
                     "<Book ID=\"9\">\n<Title>Nine</Title>\n<EbookOnly>No</EbookOnly>\n</Book>\n"
                     "<Book ID=\"4\">\n<Title>Four</Title>\n<EbookOnly>No</EbookOnly>\n</Book>\n"
                     "<Book ID=\"77\">\n<EbookOnly>No</EbookOnly>\n</Book>\n"
                     "</Tomelodex>\n"));
    }

    void categoryLoopDoesNotHang()
    {
        Exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (40, 'A', 41)"));
        Exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (41, 'B', 40)"));
        Exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'T')"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 40)"));
        Exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 99)"));
        const QString xml = BuildBooksXml({1}, m_db, QStringLiteral("/x"));
        QVERIFY(xml.contains(QStringLiteral("<Category ID=\"40\">>>")));
        QVERIFY(xml.contains(QStringLiteral("<Category ID=\"99\">>></Category>\n")));
    }

    void charactersXmlCannotCarryAreReplaced()
    {
        Exec(QStringLiteral(
            "INSERT INTO book (BookID, Title, Notes) VALUES (1, 'Bell' || char(7) || 'Book', "
            "'tab\tand' || char(65535))"));
        const QString xml = BuildBooksXml({1}, m_db, QStringLiteral("/x"));
        QVERIFY(xml.contains(QStringLiteral("<Title>Bell\uFFFDBook</Title>")));
        QVERIFY(xml.contains(QStringLiteral("<Notes>tab\tand\uFFFD</Notes>")));
        CXmlDocument document;
        QVERIFY(document.loadXML(xml));
        QCOMPARE(document.selectSingleNode(QStringLiteral("Tomelodex/Book/Title")).text(),
                 QStringLiteral("Bell\uFFFDBook"));
    }

    void savedFileIsUtf8WithoutMark()
    {
        const QString xml = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tomelodex>\nÉ\n</Tomelodex>\n");
        const QString path = m_env->Path(QStringLiteral("out.xml"));
        QVERIFY(SaveBooksXml(path, xml));
        QCOMPARE(ReadFileBytes(path), xml.toUtf8());
        QVERIFY(!SaveBooksXml(m_env->Path(QStringLiteral("no/such/folder/out.xml")), xml));
    }
};

QTEST_GUILESS_MAIN(TestBookXml)
#include "tst_bookxml.moc"
