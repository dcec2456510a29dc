// Tidying the names of the lookup tables: merging spellings of one name,
// renaming, deleting names no book carries, and finding likely duplicates.

#include "TestSupport.h"

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/NameTidy.h"
#include "db/SimilarNames.h"

#include <QTest>

Q_DECLARE_METATYPE(QVector<int>)

namespace {

// Publishers as a lookup service and a person typing leave them: three
// spellings of one, two differing in case only (also beyond ASCII), one
// that no book carries.
const char kPublishers[] = "INSERT INTO bookpublisher (PublisherID, Name) VALUES "
                           "(1, 'Addison-Wesley'), (2, 'Addison Wesley'), "
                           "(3, 'Addison-Wesley Professional'), (4, 'Penguin'), "
                           "(5, 'penguin'), (6, 'Éditions Gallimard'), "
                           "(7, 'éditions gallimard'), (8, 'Unused Press')";
const char kBooks[] = "INSERT INTO book (BookID, Title, PublisherID, LanguageID) VALUES "
                      "(1, 'a', 1, 1), (2, 'b', 1, 1), (3, 'c', 2, 2), (4, 'd', 3, NULL), "
                      "(5, 'e', 4, NULL), (6, 'f', 5, NULL), (7, 'g', 6, NULL), "
                      "(8, 'h', 7, NULL), (9, 'i', NULL, NULL)";

QString Uses(const QVector<CNameUse> &names)
{
    QStringList texts;
    for (const CNameUse &use : names)
        texts += QStringLiteral("%1=%2").arg(use.name).arg(use.books);
    return texts.join(u'|');
}

} // namespace

class TestNameTidy : public QObject
{
    Q_OBJECT

    CTestEnv *m_env = nullptr;
    CLibraryConnection *m_db = nullptr;
    CRecordingPrompt *m_prompt = nullptr;

    void Exec(const QString &sql) { QVERIFY2(ExecuteSql(sql, true, *m_db), qPrintable(sql)); }
    QString Query(const QString &sql) { return QueryText(*m_db, sql); }
    QString Publishers()
    {
        return Query(QStringLiteral("SELECT group_concat(PublisherID || ':' || Name, '|') FROM "
                                    "(SELECT * FROM bookpublisher ORDER BY PublisherID)"));
    }
    QString BookPublishers()
    {
        return Query(QStringLiteral("SELECT group_concat(COALESCE(PublisherID, '-'), ',') FROM "
                                    "(SELECT PublisherID FROM book ORDER BY BookID)"));
    }
    // The listed names with the given identifiers, in that order.
    QVector<CNameUse> Listed(NameKind kind, const QVector<int> &ids)
    {
        QVector<CNameUse> all;
        CNameTidy(*m_db).List(kind, all);
        QVector<CNameUse> picked;
        for (const int id : ids) {
            for (const CNameUse &use : std::as_const(all)) {
                if (use.id == id)
                    picked += use;
            }
        }
        return picked;
    }

private Q_SLOTS:
    void init()
    {
        m_env = new CTestEnv;
        m_db = new CLibraryConnection;
        m_prompt = new CRecordingPrompt;
        QVERIFY(m_db->Open(m_env->CopyTemplate(QStringLiteral("lib.mdb"))));
        Exec(QString::fromUtf8(kPublishers));
        Exec(QString::fromUtf8(kBooks));
    }
    void cleanup()
    {
        delete m_prompt;
        delete m_db;
        delete m_env;
    }

    void listsEveryNameWithItsBookCountInTheListsOrder()
    {
        CNameTidy tidy(*m_db);
        QVector<CNameUse> names;
        QVERIFY(tidy.List(NameKind::Publisher, names));
        // Accented names among their base letters, not after "z".
        QCOMPARE(Uses(names), QStringLiteral("Addison Wesley=1|Addison-Wesley=2|Addison-Wesley "
                                             "Professional=1|Éditions Gallimard=1|éditions "
                                             "gallimard=1|Penguin=1|penguin=1|Unused Press=0"));
        QVERIFY(tidy.List(NameKind::Language, names));
        QCOMPARE(Uses(names), QStringLiteral("Chinese=1|English=2"));
    }

    void merge_data()
    {
        QTest::addColumn<QVector<int>>("ids");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("publishers");
        QTest::addColumn<QString>("books");
        QTest::addColumn<int>("moved");

        QTest::newRow("three spellings into one of them")
            << QVector<int>{2, 3, 1} << "Addison-Wesley"
            << "1:Addison-Wesley|4:Penguin|5:penguin|6:Éditions Gallimard|7:éditions "
               "gallimard|8:Unused Press"
            << "1,1,1,1,4,5,6,7,-" << 2;
        QTest::newRow("into a typed new name: the row with most books takes it")
            << QVector<int>{2, 3, 1} << "  Pearson Addison-Wesley "
            << "1:Pearson Addison-Wesley|4:Penguin|5:penguin|6:Éditions Gallimard|7:éditions "
               "gallimard|8:Unused Press"
            << "1,1,1,1,4,5,6,7,-" << 2;
        QTest::newRow("case only, kept spelling typed")
            << QVector<int>{5, 4} << "PENGUIN"
            << "1:Addison-Wesley|2:Addison Wesley|3:Addison-Wesley Professional|5:PENGUIN|6:"
               "Éditions Gallimard|7:éditions gallimard|8:Unused Press"
            << "1,1,2,3,5,5,6,7,-" << 1;
        QTest::newRow("case only beyond ASCII")
            << QVector<int>{7, 6} << "Éditions Gallimard"
            << "1:Addison-Wesley|2:Addison Wesley|3:Addison-Wesley Professional|4:Penguin|5:"
               "penguin|6:Éditions Gallimard|8:Unused Press"
            << "1,1,2,3,4,5,6,6,-" << 1;
        QTest::newRow("rename onto another name merges into it")
            << QVector<int>{3} << "addison-wesley"
            << "1:addison-wesley|2:Addison Wesley|4:Penguin|5:penguin|6:Éditions "
               "Gallimard|7:éditions gallimard|8:Unused Press"
            << "1,1,2,1,4,5,6,7,-" << 1;
        QTest::newRow("a change of letter case takes in the other row of the name")
            << QVector<int>{4} << "PENGUIN"
            << "1:Addison-Wesley|2:Addison Wesley|3:Addison-Wesley Professional|4:PENGUIN|6:"
               "Éditions Gallimard|7:éditions gallimard|8:Unused Press"
            << "1,1,2,3,4,4,6,7,-" << 1;
        QTest::newRow("plain rename")
            << QVector<int>{8} << "Unused Pub."
            << "1:Addison-Wesley|2:Addison Wesley|3:Addison-Wesley Professional|4:Penguin|5:"
               "penguin|6:Éditions Gallimard|7:éditions gallimard|8:Unused Pub."
            << "1,1,2,3,4,5,6,7,-" << 0;
    }

    void merge()
    {
        QFETCH(QVector<int>, ids);
        QFETCH(QString, kept);
        QFETCH(QString, publishers);
        QFETCH(QString, books);
        QFETCH(int, moved);

        CNameTidy tidy(*m_db);
        CNameTidyChange change;
        QCOMPARE(tidy.Merge(NameKind::Publisher, Listed(NameKind::Publisher, ids), kept, &change),
                 CNameTidy::Outcome::Done);
        QCOMPARE(Publishers(), publishers);
        QCOMPARE(BookPublishers(), books);
        // What a later undo puts back: the books moved with their old
        // names, and every row deleted.
        QCOMPARE(change.books.size(), moved);
        for (const auto &book : std::as_const(change.books))
            QVERIFY(book.second != change.keptId);
        QCOMPARE(change.keptNewName, kept.trimmed());
        QCOMPARE(Query(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")).toInt(),
                 8 - change.deletedRows.size());
        QVERIFY(m_prompt->shown.isEmpty());
    }

    void namesChangedByAnotherProgramAreLeftAlone()
    {
        CNameTidy tidy(*m_db);
        const QVector<CNameUse> listed = Listed(NameKind::Publisher, {1, 2, 8});
        const QString before = BookPublishers();

        CLibraryConnection other;
        QVERIFY(other.Open(m_db->Path()));
        QVERIFY(other.Execute(QStringLiteral("UPDATE bookpublisher SET Name='Addison-Wesley "
                                             "Longman' WHERE PublisherID=2")));
        QCOMPARE(tidy.Merge(NameKind::Publisher, listed, QStringLiteral("Addison-Wesley")),
                 CNameTidy::Outcome::ChangedElsewhere);
        QCOMPARE(tidy.DeleteUnused(NameKind::Publisher, listed),
                 CNameTidy::Outcome::ChangedElsewhere);
        QCOMPARE(BookPublishers(), before);
        QCOMPARE(Query(QStringLiteral("SELECT COUNT(*) FROM bookpublisher")), QStringLiteral("8"));

        // A name that went away is no longer there to merge.
        QVERIFY(other.Execute(QStringLiteral("DELETE FROM bookpublisher WHERE PublisherID=8")));
        QCOMPARE(tidy.Merge(NameKind::Publisher, Listed(NameKind::Publisher, {1}) + listed.mid(2),
                            QStringLiteral("Addison-Wesley")),
                 CNameTidy::Outcome::ChangedElsewhere);
        QCOMPARE(Publishers().count(u'|'), 6);
    }

    void deletingUnusedNeverDeletesANameABookCarries()
    {
        CNameTidy tidy(*m_db);
        Exec(QStringLiteral("INSERT INTO bookpublisher VALUES (9, 'Spare'), (10, 'Taken Later')"));
        // Everything listed, used or not, as "delete all unused" hands it over.
        QVector<CNameUse> all;
        QVERIFY(tidy.List(NameKind::Publisher, all));
        // Another program gives a book one of the unused names after they
        // were listed.
        CLibraryConnection other;
        QVERIFY(other.Open(m_db->Path()));
        QVERIFY(other.Execute(QStringLiteral("UPDATE book SET PublisherID=10 WHERE BookID=9")));

        int deleted = -1;
        CNameTidyChange change;
        QCOMPARE(tidy.DeleteUnused(NameKind::Publisher, all, &deleted, &change),
                 CNameTidy::Outcome::Done);
        QCOMPARE(deleted, 2);
        QCOMPARE(change.deletedRows.size(), 2);
        QCOMPARE(change.keptId, 0);
        QCOMPARE(Publishers(), QStringLiteral("1:Addison-Wesley|2:Addison Wesley|3:Addison-Wesley "
                                              "Professional|4:Penguin|5:penguin|6:Éditions "
                                              "Gallimard|7:éditions gallimard|10:Taken Later"));
        QCOMPARE(BookPublishers(), QStringLiteral("1,1,2,3,4,5,6,7,10"));

        // One used name alone: nothing goes.
        QVERIFY(tidy.DeleteUnused(NameKind::Publisher, Listed(NameKind::Publisher, {1}),
                                  &deleted) == CNameTidy::Outcome::Done);
        QCOMPARE(deleted, 0);
        QCOMPARE(Query(QStringLiteral("SELECT Name FROM bookpublisher WHERE PublisherID=1")),
                 QStringLiteral("Addison-Wesley"));
    }

    void findsAnotherRowOfTheSameNameLetterCaseAside()
    {
        CNameTidy tidy(*m_db);
        QCOMPARE(tidy.FindOther(NameKind::Publisher, QStringLiteral(" ÉDITIONS GALLIMARD "), {6}),
                 7);
        QCOMPARE(tidy.FindOther(NameKind::Publisher, QStringLiteral("éditions gallimard"), {7, 6}),
                 0);
        QCOMPARE(tidy.FindOther(NameKind::Publisher, QStringLiteral("Unused Press"), {8}), 0);
        QCOMPARE(tidy.FindOther(NameKind::Publisher, QStringLiteral("Addison"), {}), 0);
    }

    void similarNames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("groups");

        QTest::newRow("publishers")
            << int(NameKind::Publisher)
            << QStringList{"Addison Wesley",
                           "Addison-Wesley",
                           "Addison-Wesley Professional",
                           "Apress",
                           "MIT Press",
                           "O'Reilly",
                           "O’Reilly Media, Inc.",
                           "OReilly Media",
                           "Penguin",
                           "Penguin Books Ltd",
                           "Penguin Classics",
                           "Prentice Hall PTR",
                           "Prentice-Hall",
                           "Simon & Schuster",
                           "Simon and Schuster",
                           "The MIT Press",
                           "Wiley"}
            << "Addison Wesley+Addison-Wesley+Addison-Wesley Professional|MIT Press+The MIT "
               "Press|O'Reilly+O’Reilly Media, Inc.+OReilly Media|Penguin+Penguin Books "
               "Ltd|Prentice Hall PTR+Prentice-Hall|Simon & Schuster+Simon and Schuster";
        QTest::newRow("a company word alone is a name")
            << int(NameKind::Publisher) << QStringList{"Books", "Press", "press", "Publishing"}
            << "Press+press";
        QTest::newRow("stores") << int(NameKind::Store)
                                << QStringList{"Amazon", "amazon.com", "Amazon.co.uk", "Powell's"}
                                << "Amazon+amazon.com";
        QTest::newRow("locations keep their words")
            << int(NameKind::Location)
            << QStringList{"Office Books", "Office", "Shelf 12", "Shelf 2", "shelf-2", "Shelf #2"}
            << "Shelf 2+shelf-2+Shelf #2";
        QTest::newRow("accents and case in formats")
            << int(NameKind::Format) << QStringList{"e-Pub", "ePub", "ÉPUB", "PDF", "pdf "}
            << "e-Pub+ePub+ÉPUB|PDF+pdf ";
    }

    void similarNames()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, groups);

        QVector<CNameUse> uses;
        for (const QString &name : std::as_const(names))
            uses.append({int(uses.size()) + 1, name, 0});
        QStringList texts;
        for (const QVector<int> &group : CSimilarNames::Groups(uses, NameKind(kind))) {
            QStringList members;
            for (const int index : group)
                members += names.at(index);
            texts += members.join(u'+');
        }
        QCOMPARE(texts.join(u'|'), groups);
    }
};

QTEST_GUILESS_MAIN(TestNameTidy)
#include "tst_nametidy.moc"
