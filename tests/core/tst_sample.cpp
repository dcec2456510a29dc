// The sample library the build lays out beside the program: what a newcomer
// sees first must be a full, consistent library with its cover pictures.

#include "TestSupport.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"
#include "online/IsbnRules.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>

class TestSample : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void holdsRealBooksOverUserAndSpecialCategories();
    void everyBookHasItsOwnReadableCover();

private:
    static QString SamplePath() { return CTestEnv::RuntimeDir() + QStringLiteral("/Sample.mdb"); }
    int Count(const QString &sql) { return QueryText(m_db, sql).toInt(); }

    CTestEnv m_env;
    CLibraryConnection m_db;
};

void TestSample::initTestCase()
{
    QVERIFY(m_env.IsValid());
    // A copy, so the test never touches the file the program ships.
    const QString copy = m_env.Path(QStringLiteral("Sample.mdb"));
    QVERIFY(QFile::copy(SamplePath(), copy));
    QString error;
    QVERIFY2(m_db.Open(copy, &error), qPrintable(error));
}

void TestSample::holdsRealBooksOverUserAndSpecialCategories()
{
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM book")) >= 25);

    // Several user categories hold books, some of them nested ones, and the
    // special categories a newcomer looks at are not empty.
    QVERIFY(Count(QStringLiteral(
                "SELECT COUNT(DISTINCT CatID) FROM book_category WHERE CatID >= 32")) >= 6);
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM book_category JOIN category USING (CatID) "
                                 "WHERE category.ParentID >= 32")) > 0);
    for (const int special : {2, 3, 4})
        QVERIFY2(Count(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=%1")
                           .arg(special)) > 0,
                 qPrintable(QString::number(special)));
    QCOMPARE(
        Count(QStringLiteral("SELECT COUNT(*) FROM category c WHERE CatID >= 32 AND NOT EXISTS "
                             "(SELECT 1 FROM category p WHERE p.CatID = c.ParentID)")),
        0);
    QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM book b WHERE NOT EXISTS "
                                  "(SELECT 1 FROM book_category m WHERE m.BookID = b.BookID)")),
             0);

    // Every ISBN is a valid ISBN-10 in normalised form, and no two books share one.
    CRecordset isbns(m_db);
    QVERIFY(isbns.Open(QStringLiteral("SELECT ISBN, Title FROM book")));
    QSet<QString> seen;
    for (; !isbns.IsEOF(); isbns.MoveNext()) {
        const QString isbn = isbns.GetText(0);
        QVERIFY2(IsValidIsbn(isbn) && NormalizeIsbn(isbn) == isbn,
                 qPrintable(isbns.GetText(1) + QStringLiteral(": ") + isbn));
        QVERIFY2(!seen.contains(isbn), qPrintable(isbn));
        seen.insert(isbn);
    }

    // Every stored date is an ISO calendar date that the database itself
    // reads back unchanged (so 2003-02-30 fails too).
    const QStringList dateColumns = {QStringLiteral("book.ReleaseDate"),
                                     QStringLiteral("book.PurchaseDate"),
                                     QStringLiteral("category.OperationDate")};
    for (const QString &column : dateColumns) {
        const QString table = column.section(u'.', 0, 0);
        const QString wrong =
            QueryText(m_db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IS NOT NULL AND "
                                           "(typeof(%2) <> 'text' OR date(%2) IS NOT %2)")
                                .arg(table, column));
        QVERIFY2(wrong == QStringLiteral("0"), qPrintable(column + QStringLiteral(": ") + wrong));
    }
    QVERIFY(Count(QStringLiteral("SELECT COUNT(PurchaseDate) FROM book")) > 0);

    // The pages have something to show: descriptions, notes, web links,
    // ratings, prices, and a few e-books with their format and size.
    QCOMPARE(Count(QStringLiteral(
                 "SELECT COUNT(*) FROM book WHERE Description NOT LIKE '<html>%</html>'")),
             0);
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM book WHERE Notes LIKE '<html>%'")) > 0);
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM link")) > 0);
    QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM link WHERE Path NOT LIKE 'https://%'")), 0);
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM book WHERE MyRating BETWEEN 1 AND 5")) > 0);
    QVERIFY(Count(QStringLiteral("SELECT COUNT(*) FROM book WHERE EBookOnly <> 0 AND FormatID IN "
                                 "(SELECT FormatID FROM bookformat) AND BookSize > 0")) >= 2);
}

void TestSample::everyBookHasItsOwnReadableCover()
{
    // The pictures lie where the program looks for them beside Sample.mdb.
    const QDir imagesDir(CTomeloDoc::ImagesDirFor(SamplePath()));
    CRecordset books(m_db);
    QVERIFY(books.Open(QStringLiteral("SELECT BookID, FrontCover FROM book")));
    QSet<QByteArray> pictures;
    int count = 0;
    for (; !books.IsEOF(); books.MoveNext(), ++count) {
        const QString name = books.GetText(1);
        // Stored as the program stores a cover: the identifier and the extension.
        QCOMPARE(name, books.GetText(0) + QStringLiteral(".jpg"));
        const QString path = imagesDir.filePath(name);
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
        QVERIFY(image.width() >= 200 && image.height() > image.width());
        // Each book has a cover of its own, not one picture for all.
        const QByteArray digest =
            QCryptographicHash::hash(ReadFileBytes(path), QCryptographicHash::Sha1);
        QVERIFY2(!pictures.contains(digest), qPrintable(path));
        pictures.insert(digest);
    }
    QVERIFY(count >= 25);
}

QTEST_MAIN(TestSample)
#include "tst_sample.moc"
