// Changing many books at once: what is set, what is left alone, names,
// dates and amounts as the book sheet takes them, search and replace,
// categories, the count of books changed, and failures that write nothing.

#include "TestSupport.h"

#include "db/BookRecord.h"
#include "db/BulkEdit.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"

#include <QTest>

namespace {

// Three books; the tests select the first two unless they say otherwise.
const QStringList kBooks = {
    "INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Addison-Wesley')",
    "INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Shelf 1'), (2, 'Shelf 9')",
    "INSERT INTO book (BookID, Title, Author, ISBN, PublisherID, LocationID, StatusID, UserText1, "
    "ReleaseDate, PurchasePrice, MyRating, EBookOnly) VALUES (1, 'The Hobbit', 'John Tolkien', "
    "'0261102214', 1, 1, 4, '', 1937, 10, NULL, 0)",
    "INSERT INTO book (BookID, Title, Author, ISBN, PublisherID, LocationID, StatusID, UserText1, "
    "ReleaseDate, PurchasePrice, MyRating, EBookOnly) VALUES (2, 'Dune', 'Frank Herbert', "
    "'0441172717', NULL, NULL, 1, 'note', '1965-08-01', NULL, 3, -1)",
    "INSERT INTO book (BookID, Title, Author, LocationID, StatusID) VALUES (3, 'the road', "
    "'Cormac McCarthy', 2, 1)",
    "INSERT INTO book_category (BookID, CatID) VALUES (1, 1), (2, 1), (2, 32), (3, 32)",
};

// Every row of every table, so that "nothing else changed" is checked
// everywhere, not only where a test thinks of looking.
QMap<QString, QStringList> Tables(CLibraryConnection &db)
{
    QMap<QString, QStringList> tables;
    QStringList names;
    CRecordset list(db);
    if (!list.Open(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
        return tables;
    for (; !list.IsEOF(); list.MoveNext())
        names << list.GetText(0);
    for (const QString &name : names) {
        CRecordset rs(db);
        if (!rs.Open(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(name)))
            continue;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            QStringList row;
            for (int i = 0; i < rs.ColumnCount(); ++i)
                row << rs.ColumnName(i) + u'=' + QString::fromUtf8(rs.GetUtf8(i));
            tables[name] << row.join(u'|');
        }
    }
    return tables;
}

// The book rows with the columns `changing` left out.
QStringList BooksWithout(const QMap<QString, QStringList> &tables, const QStringList &changing)
{
    QStringList rows;
    for (const QString &row : tables.value(QStringLiteral("book"))) {
        QStringList kept;
        for (const QString &value : row.split(u'|')) {
            if (!changing.contains(value.section(u'=', 0, 0)))
                kept << value;
        }
        rows << kept.join(u'|');
    }
    return rows;
}

// "Location=Shelf 2;Status=For Sale" into the edit.
void SetValues(CBulkEdit &edit, const QString &values)
{
    for (const QString &pair : values.split(u';', Qt::SkipEmptyParts)) {
        const QString name = pair.section(u'=', 0, 0);
        for (int i = 0; i < kBulkFieldCount; ++i) {
            if (QLatin1String(CBulkEdit::Info(EBulkField(i)).Name) == name)
                edit.Set(EBulkField(i), pair.section(u'=', 1));
        }
    }
}

QVector<int> Ids(const QString &list)
{
    QVector<int> ids;
    for (const QString &id : list.split(u',', Qt::SkipEmptyParts))
        ids << id.toInt();
    return ids;
}

// Each book's value of `expression`, in BookID order, joined with "|".
QString PerBook(CLibraryConnection &db, const QString &expression)
{
    return QueryText(db, QStringLiteral("SELECT group_concat(v, '|') FROM (SELECT %1 AS v FROM "
                                        "book AS b ORDER BY BookID)")
                             .arg(expression));
}

} // namespace

class TestBulkEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changesWhatIsAskedAndNothingElse_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("replaceField"); // a field name, or empty
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("pattern");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("join");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("changing"); // book columns allowed to change
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected"); // for books 1, 2, 3

        const QString none;
        QTest::newRow("a name for two books, the third untouched")
            << "Location=Shelf 2" << none << none << none << false << false << none << none << 2
            << "LocationID"
            << "quote((SELECT Name FROM booklocation WHERE LocationID=b.LocationID))"
            << "'Shelf 2'|'Shelf 2'|'Shelf 9'";
        QTest::newRow("an existing name in other letter case is that name")
            << "Publisher=ADDISON-wesley" << none << none << none << false << false << none << none
            << 1 << "PublisherID"
            << "quote((SELECT Name FROM bookpublisher WHERE PublisherID=b.PublisherID)) || "
               "(SELECT COUNT(*) FROM bookpublisher)"
            << "'Addison-Wesley'1|'Addison-Wesley'1|NULL1";
        QTest::newRow("a book already as set is not counted")
            << "Status=for sale" << none << none << none << false << false << none << none << 1
            << "StatusID"
            << "StatusID"
            << "4|4|1";
        QTest::newRow("two fields, one book already has both")
            << "Status=In Collection;UserText1=note" << none << none << none << false << false
            << none << none << 1 << "StatusID,UserText1"
            << "StatusID || quote(UserText1)"
            << "1'note'|1'note'|1NULL";
        QTest::newRow("clearing: an empty text is no value already")
            << "UserText1=" << none << none << none << false << false << none << none << 1
            << "UserText1"
            << "quote(UserText1)"
            << "''|NULL|NULL";
        QTest::newRow("a date as the sheet takes it, stored in ISO form")
            << "ReleaseDate=Mar 07, 2005" << none << none << none << false << false << none << none
            << 2 << "ReleaseDate"
            << "quote(ReleaseDate)"
            << "'2005-03-07'|'2005-03-07'|NULL";
        QTest::newRow("a year equal to the stored number is no change")
            << "ReleaseDate=1937" << none << none << none << false << false << none << none << 1
            << "ReleaseDate"
            << "COALESCE(CAST(ReleaseDate AS TEXT), '')"
            << "1937|1937|";
        QTest::newRow("an amount as written")
            << "PurchasePrice=$1,299.00" << none << none << none << false << false << none << none
            << 2 << "PurchasePrice"
            << "quote(PurchasePrice)"
            << "1299|1299|NULL";
        QTest::newRow("rating and ebook flag: stored -1 is set")
            << "MyRating=3;EBookOnly=1" << none << none << none << false << false << none << none
            << 1 << "MyRating,EBookOnly"
            << "quote(MyRating) || quote(EBookOnly)"
            << "31|3-1|NULL0";
        QTest::newRow("unrated: NULL is already unrated")
            << "MyRating=0" << none << none << none << false << false << none << none << 1
            << "MyRating"
            << "quote(MyRating)"
            << "NULL|0|NULL";
        QTest::newRow("letter case alone is a change")
            << "Title=dune" << none << none << none << false << false << none << none << 2
            << "Title"
            << "Title"
            << "dune|dune|the road";
        QTest::newRow("plain replace ignoring case")
            << none << "Title"
            << "THE "
            << "A " << false << false << none << none << 1 << "Title"
            << "Title"
            << "A Hobbit|Dune|the road";
        QTest::newRow("plain replace matching case finds nothing")
            << none << "Title"
            << "THE "
            << "A " << false << true << none << none << 0 << none << "Title"
            << "The Hobbit|Dune|the road";
        QTest::newRow("pattern with capture groups")
            << none << "Author"
            << "^(\\w+) (\\w+)$"
            << "\\2, \\1" << true << true << none << none << 2 << "Author"
            << "Author"
            << "Tolkien, John|Herbert, Frank|Cormac McCarthy";
        QTest::newRow("replace in a name makes or finds the name")
            << none << "Publisher"
            << "-"
            << " " << false << false << none << none << 1 << "PublisherID"
            << "quote((SELECT Name FROM bookpublisher WHERE PublisherID=b.PublisherID))"
            << "'Addison Wesley'|NULL|NULL";
        QTest::newRow("replace on the value set")
            << "UserText2=box 1"
            << "UserText2"
            << "\\d"
            << "7" << true << false << none << none << 2 << "UserText2"
            << "quote(UserText2)"
            << "'box 7'|'box 7'|NULL";
        QTest::newRow("categories joined and left")
            << none << none << none << none << false << false << "32,2"
            << "1" << 2 << none
            << "(SELECT group_concat(CatID) FROM (SELECT CatID FROM book_category WHERE "
               "BookID=b.BookID ORDER BY CatID))"
            << "2,32|2,32|32";
        QTest::newRow("joining where every book is, leaving where none is")
            << none << none << none << none << false << false << "1"
            << "4" << 0 << none
            << "(SELECT group_concat(CatID) FROM (SELECT CatID FROM book_category WHERE "
               "BookID=b.BookID ORDER BY CatID))"
            << "1|1,32|32";
    }

    void changesWhatIsAskedAndNothingElse()
    {
        QFETCH(QString, values);
        QFETCH(QString, replaceField);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(bool, pattern);
        QFETCH(bool, matchCase);
        QFETCH(QString, join);
        QFETCH(QString, leave);
        QFETCH(int, changed);
        QFETCH(QString, changing);
        QFETCH(QString, expression);
        QFETCH(QString, expected);

        CTestEnv env;
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
        for (const QString &sql : kBooks)
            QVERIFY2(db.Execute(sql), qPrintable(db.LastError()));
        const auto before = Tables(db);

        CBulkEdit edit;
        SetValues(edit, values);
        if (!replaceField.isEmpty()) {
            CTextReplace replace{find, with, pattern, matchCase};
            for (int i = 0; i < kBulkFieldCount; ++i) {
                if (QLatin1String(CBulkEdit::Info(EBulkField(i)).Name) == replaceField)
                    edit.Replace(EBulkField(i), replace);
            }
            QVERIFY(!edit.Replacements().isEmpty());
        }
        for (const int id : Ids(join))
            edit.AddToCategory(id);
        for (const int id : Ids(leave))
            edit.RemoveFromCategory(id);

        const CBulkEdit::CResult result = edit.Apply({1, 2}, db);
        QVERIFY2(result.Ok, qPrintable(result.Error));
        QCOMPARE(result.ChangedBooks, changed);
        QCOMPARE(PerBook(db, expression), expected);

        // Nothing else moved: no other column of any book, no other table
        // but the names a new name needs and the memberships asked for.
        const auto after = Tables(db);
        const QStringList columns = changing.split(u',', Qt::SkipEmptyParts);
        QCOMPARE(BooksWithout(after, columns), BooksWithout(before, columns));
        for (const QString &table : before.keys()) {
            if (table == QLatin1String("book") ||
                (table == QLatin1String("book_category") && !(join + leave).isEmpty()) ||
                (table.startsWith(QLatin1String("book")) &&
                 table != QLatin1String("book_category")))
                continue;
            QCOMPARE(after.value(table), before.value(table));
        }
        if (changed == 0)
            QCOMPARE(after, before);
        QVERIFY(prompt.shown.isEmpty());
    }

    // A statement that fails half way leaves every table as it was, names
    // and memberships included; a change that cannot be made as described
    // is refused before anything is written.
    void failureStoresNothing_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("find"); // a pattern replaced in titles, or empty
        QTest::addColumn<QString>("join");
        QTest::addColumn<QString>("refuse"); // SQL that makes the library refuse
        QTest::addColumn<QString>("reason"); // part of the error

        QTest::newRow("an update refused half way")
            << "Publisher=Brand New House;Location=Cellar"
            << "o"
            << "32"
            << "CREATE TRIGGER refuse BEFORE UPDATE ON book WHEN OLD.BookID=2 BEGIN SELECT "
               "RAISE(ABORT, 'refused by the library'); END"
            << "refused by the library";
        QTest::newRow("a membership refused after the books changed")
            << "Status=Wish List" << QString() << "32"
            << "CREATE TRIGGER refuse BEFORE INSERT ON book_category BEGIN SELECT "
               "RAISE(ABORT, 'no more members'); END"
            << "no more members";
        QTest::newRow("a category gone meanwhile")
            << "Location=Cellar" << QString() << "77" << QString() << "no longer";
        QTest::newRow("a blank title")
            << "Title=  " << QString() << QString() << QString() << "title";
        QTest::newRow("a location longer than its column")
            << "Location=" + QString(101, u'x') << QString() << QString() << QString() << "101";
        QTest::newRow("a pattern that does not compile")
            << "Location=Cellar"
            << "(unclosed" << QString() << QString() << "regular expression";
        QTest::newRow("a replacement that empties a title")
            << QString() << "^.*$" << QString() << QString() << "title";
    }

    void failureStoresNothing()
    {
        QFETCH(QString, values);
        QFETCH(QString, find);
        QFETCH(QString, join);
        QFETCH(QString, refuse);
        QFETCH(QString, reason);

        CTestEnv env;
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
        for (const QString &sql : kBooks)
            QVERIFY(db.Execute(sql));
        if (!refuse.isEmpty())
            QVERIFY(db.Execute(refuse));
        const auto before = Tables(db);

        CBulkEdit edit;
        SetValues(edit, values);
        if (!find.isEmpty())
            edit.Replace(EBulkField::Title, {find, QString(), true, false});
        for (const int id : Ids(join))
            edit.AddToCategory(id);
        const CBulkEdit::CResult result = edit.Apply({1, 2, 3}, db);
        QVERIFY(!result.Ok);
        QVERIFY2(result.Error.contains(reason, Qt::CaseInsensitive), qPrintable(result.Error));
        QCOMPARE(Tables(db), before);
        // The connection is fit for the next write.
        QVERIFY(db.Execute(QStringLiteral("UPDATE book SET Edition='2nd' WHERE BookID=3")));
    }

    // What the dialog shows before anything is written: the values shared,
    // and a preview of the replacements in the order of the selection.
    void sharedValuesAndPreview()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
        for (const QString &sql : kBooks)
            QVERIFY(db.Execute(sql));
        QVERIFY(db.Execute(QStringLiteral("UPDATE book SET Edition='1st', BindingID=2, "
                                          "PurchaseDate='2004-01-05 13:45:00', EBookOnly=0")));

        CBulkSharedValues shared;
        QVERIFY(CBulkEdit::ReadShared({3, 2, 1}, db, shared));
        QCOMPARE(shared.Shared(EBulkField::Edition), QStringLiteral("1st"));
        QCOMPARE(shared.Shared(EBulkField::Binding), QStringLiteral("Paperback"));
        // As the book sheet gets it, time of day included.
        CBookRecord record;
        QVERIFY(record.Load(2, db));
        QVERIFY(record.PurchaseDate.endsWith(QLatin1String("13:45:00")));
        QCOMPARE(shared.Shared(EBulkField::PurchaseDate), record.PurchaseDate);
        QCOMPARE(shared.Shared(EBulkField::EBookOnly), QStringLiteral("0"));
        QCOMPARE(shared.Shared(EBulkField::Dimension), QString());
        QVERIFY(shared.IsShared(EBulkField::Dimension)); // none has one
        for (const EBulkField various :
             {EBulkField::Title, EBulkField::Location, EBulkField::Status, EBulkField::MyRating})
            QVERIFY(!shared.IsShared(various));
        QVERIFY(CBulkEdit::ReadShared({2}, db, shared));
        QCOMPARE(shared.Shared(EBulkField::Title), QStringLiteral("Dune"));
        QCOMPARE(shared.Shared(EBulkField::MyRating), QStringLiteral("3"));

        // Titles with a "t": books 3 and 1 change, in that order; Dune does
        // not. A limit of one shows only the first.
        CBulkEdit edit;
        edit.Replace(EBulkField::Title, {QStringLiteral("t"), QStringLiteral("T"), false, true});
        QVector<CBulkEdit::CPreviewRow> rows;
        QVERIFY(edit.Preview({3, 2, 1}, db, 20, rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].BookID, 3u);
        QCOMPARE(rows[0].Before, QStringLiteral("the road"));
        QCOMPARE(rows[0].After, QStringLiteral("The road"));
        QCOMPARE(rows[1].Title, QStringLiteral("The Hobbit"));
        QCOMPARE(rows[1].After, QStringLiteral("The HobbiT"));
        QVERIFY(edit.Preview({3, 2, 1}, db, 1, rows));
        QCOMPARE(rows.size(), 1);
        QVERIFY(prompt.shown.isEmpty());
    }

    // Selections longer than one statement's share of books.
    void manyBooks()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        CLibraryConnection db;
        QString imagesDir;
        QVERIFY(env.OpenLibraryWithUserCategory(db, &imagesDir));
        QVERIFY(db.Execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1234) "
            "INSERT INTO book (BookID, Title) SELECT i, 'Book ' || i FROM n")));
        QVector<quint32> ids;
        for (quint32 id = 1234; id >= 2; --id)
            ids << id;
        CBulkEdit edit;
        edit.Set(EBulkField::Location, QStringLiteral("Attic"));
        edit.Replace(EBulkField::Title, {QStringLiteral("Book"), QStringLiteral("Tome")});
        edit.AddToCategory(32);
        const CBulkEdit::CResult result = edit.Apply(ids, db);
        QVERIFY2(result.Ok, qPrintable(result.Error));
        QCOMPARE(result.ChangedBooks, 1233);
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book WHERE Title LIKE 'Tome %' "
                                              "AND LocationID IS NOT NULL")),
                 QStringLiteral("1233"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT Title FROM book WHERE BookID=1")),
                 QStringLiteral("Book 1"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=32")),
                 QStringLiteral("1233"));
        QCOMPARE(edit.Apply(ids, db).ChangedBooks, 0);
    }
};

QTEST_GUILESS_MAIN(TestBulkEdit)
#include "tst_bulkedit.moc"
