// Importing book XML with its categories restored: a whole library's tree
// comes back through export and import, and the paths a file names find the
// categories a library already has.

#include "TestSupport.h"

#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "xml/XmlImport.h"

#include <QSet>
#include <QTest>

namespace {

// The path of category `id` in `db`, the way the export writes it.
QString PathOf(CLibraryConnection &db, int id)
{
    QString path;
    for (QString at = QString::number(id); !at.isEmpty() && at != u"<no row>";) {
        path.prepend(QStringLiteral(">>") +
                     QueryText(db, QStringLiteral("SELECT Name FROM category WHERE CatID=") + at));
        at = QueryText(db, QStringLiteral("SELECT ParentID FROM category WHERE CatID=") + at);
    }
    return path;
}

// Every category of the book titled `title` as a path, sorted.
QStringList PlacesOf(CLibraryConnection &db, const QString &title)
{
    const QString ids = QueryText(
        db, QStringLiteral("SELECT group_concat(CatID) FROM book_category JOIN book USING "
                           "(BookID) WHERE Title='%1'")
                .arg(title));
    QStringList places;
    for (const QString &id : ids.split(u',', Qt::SkipEmptyParts))
        places << PathOf(db, id.toInt());
    places.sort();
    return places;
}

bool Exec(CLibraryConnection &db, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (!ExecuteSql(sql, true, db))
            return false;
    return true;
}

// A library with the user category 32 "Mine", into which files are imported
// with their categories restored; books they put nowhere go into Mine.
struct CTarget
{
    CTestEnv env;
    CRecordingPrompt prompt;
    CLibraryConnection db;
    QString images;

    bool Open() { return env.OpenLibraryWithUserCategory(db, &images); }
    CXmlImportResult Import(const QString &xml)
    {
        CXmlImportOptions options;
        options.restoreCategories = true;
        return ImportBooksXml(xml, 32, images, db, options);
    }
};

} // namespace

class TestXmlCategories : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A library with a nested tree, the special categories and books in
    // none, exported book by book and imported into new libraries.
    void wholeTreeComesBackThroughTheCommandLine()
    {
        CTestEnv env;
        CRecordingPrompt prompt;
        const QString config = env.Path(QStringLiteral("config"));
        const auto newLibrary = [&](const QString &name) {
            const QString path = env.Path(name);
            const CliRun made = RunCliTool({QStringLiteral("new"), path}, config);
            return made.code == 0 ? path : QString();
        };
        const QString source = newLibrary(QStringLiteral("source.mdb"));
        QVERIFY(!source.isEmpty());
        {
            CLibraryConnection db;
            QVERIFY(db.Open(source));
            QStringList sql;
            const char *tree[][3] = {
                {"32", "Fiction", "1"},
                {"33", "Classics", "32"},
                {"34", "Sci/Fi \"Space\" & 'Opera' <2>", "32"},
                {"35", "Science", "1"},
                {"36", "Classics", "35"},
                {"37", "Misc", "1"},
                {"38", "Misc", "1"},
                {"39", "Archive", "1"},
                {"40", "Boxes", "39"},
                {"41", "Box 7", "40"},
                {"42", "Empty", "1"},
            };
            for (const auto &row : tree)
                sql << QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, "
                                      "'%2', %3)")
                           .arg(QLatin1String(row[0]),
                                QString::fromUtf8(row[1]).replace(u'\'', QStringLiteral("''")),
                                QLatin1String(row[2]));
            const QStringList titles = {
                QStringLiteral("Emma"),  QStringLiteral("Ulysses"), QStringLiteral("Binned"),
                QStringLiteral("Boxed"), QStringLiteral("Rooted"),  QStringLiteral("Found"),
                QStringLiteral("Opera"), QStringLiteral("MiscA"),   QStringLiteral("MiscB")};
            for (int i = 0; i < titles.size(); ++i)
                sql << QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, '%2')")
                           .arg(i + 1)
                           .arg(titles.at(i));
            const int members[][2] = {{1, 32}, {1, 2}, {2, 33}, {2, 36}, {2, 4}, {4, 41},
                                      {5, 1},  {6, 3}, {7, 34}, {8, 37}, {9, 38}};
            for (const auto &member : members)
                sql << QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)")
                           .arg(member[0])
                           .arg(member[1]);
            QVERIFY(Exec(db, sql));
        }
        const QString xml = env.Path(QStringLiteral("all.xml"));
        CliRun run =
            RunCliTool({QStringLiteral("export-xml"), source, QStringLiteral("1"),
                        QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                        QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("-o"), xml},
                       config);
        QVERIFY2(run.code == 0, qPrintable(run.err));

        // Each target has a category of its own for books the file puts
        // nowhere, so they are told apart from books that were in the root.
        const auto newTarget = [&](const QString &name) {
            const QString path = newLibrary(name);
            CLibraryConnection db;
            if (path.isEmpty() || !db.Open(path) ||
                !Exec(db, {QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES "
                                          "(32, 'Inbox', 1)")}))
                return QString();
            return path;
        };
        const QString plain = newTarget(QStringLiteral("plain.mdb"));
        const QString restored = newTarget(QStringLiteral("restored.mdb"));
        QVERIFY(!plain.isEmpty() && !restored.isEmpty());
        const QStringList importArgs = {QStringLiteral("import-xml"), QString(), xml,
                                        QStringLiteral("--category"), QStringLiteral("32")};

        QStringList args = importArgs;
        args[1] = plain;
        run = RunCliTool(args, config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        CLibraryConnection db;
        QVERIFY(db.Open(plain));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category")),
                 QStringLiteral("5"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) || '/' || SUM(CatID = 32) FROM "
                                              "book_category")),
                 QStringLiteral("9/9"));
        db.Close();

        args[1] = restored;
        args << QStringLiteral("--keep-categories");
        run = RunCliTool(args, config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("9 books found; 9 imported into the categories the file "
                                         "names.\n10 categories were created.\n9 imported, 0 "
                                         "skipped, 0 failed.\n"));
        QVERIFY(db.Open(restored));
        const QString fiction = QStringLiteral(">>Book Collection>>Fiction");
        const QString inbox = QStringLiteral(">>Book Collection>>Inbox");
        const QList<std::pair<QString, QStringList>> expected = {
            {QStringLiteral("Emma"), {fiction, QStringLiteral(">>Favorites")}},
            {QStringLiteral("Ulysses"),
             {QStringLiteral(">>Book Collection>>Fiction>>Classics"),
              QStringLiteral(">>Book Collection>>Science>>Classics"),
              QStringLiteral(">>Reading List")}},
            // In the Recycle Bin there: not hidden here.
            {QStringLiteral("Binned"), {inbox}},
            {QStringLiteral("Boxed"), {QStringLiteral(">>Book Collection>>Archive>>Boxes>>Box 7")}},
            {QStringLiteral("Rooted"), {QStringLiteral(">>Book Collection")}},
            // Search Results are the other library's last search.
            {QStringLiteral("Found"), {inbox}},
            {QStringLiteral("Opera"),
             {QStringLiteral(">>Book Collection>>Fiction>>Sci/Fi \"Space\" & 'Opera' <2>")}},
            {QStringLiteral("MiscA"), {QStringLiteral(">>Book Collection>>Misc")}},
            {QStringLiteral("MiscB"), {QStringLiteral(">>Book Collection>>Misc")}},
        };
        for (const auto &[title, places] : expected)
            QCOMPARE(PlacesOf(db, title), places);
        // The two Misc stay two; a category without books anywhere below it
        // is not in the file; nothing special was made an ordinary category.
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(DISTINCT CatID) FROM book_category "
                                              "JOIN book USING (BookID) WHERE Title LIKE 'Misc%'")),
                 QStringLiteral("2"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category")),
                 QStringLiteral("15"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID > 4 AND "
                                              "Name IN ('Favorites', 'Reading List', 'Search "
                                              "Results', 'Recycle Bin', 'Empty')")),
                 QStringLiteral("0"));

        // Again into the same library, with the books added anyway and a
        // category renamed meanwhile: every category is found, none made.
        QVERIFY(
            Exec(db, {QStringLiteral("UPDATE category SET Name='FICTION' WHERE Name='Fiction'")}));
        db.Close();
        args << QStringLiteral("--duplicates") << QStringLiteral("add");
        run = RunCliTool(args, config);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY2(!run.out.contains(QStringLiteral("created")), qPrintable(run.out));
        QVERIFY(db.Open(restored));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category")),
                 QStringLiteral("15"));
        QCOMPARE(PlacesOf(db, QStringLiteral("Emma")),
                 QStringList({QStringLiteral(">>Book Collection>>FICTION"),
                              QStringLiteral(">>Book Collection>>FICTION"),
                              QStringLiteral(">>Favorites"), QStringLiteral(">>Favorites")}));
    }

    // One Category element in a library that holds categories already.
    void pathFindsOrCreatesItsCategory_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("place"); // where the book lands, as a path
        QTest::addColumn<int>("created");

        const QString mine = QStringLiteral(">>Book Collection>>Mine");
        const QString top = QStringLiteral(">>Book Collection");
        const auto row = [](const char *name, const char *id, const QString &path,
                            const QString &place, int created) {
            QTest::newRow(name) << QString::fromLatin1(id) << path << place << created;
        };
        row("favorites by identifier, in another language", "2", ">>Favoriten", ">>Preferiti", 0);
        row("reading list by identifier", "4", ">>Leseliste", ">>Reading List", 0);
        row("root by identifier", "1", ">>Libri", top, 0);
        row("favorites by its name here", "", ">>preferiti", ">>Preferiti", 0);
        row("search results are no place", "3", ">>Search Results", mine, 0);
        row("recycle bin is no place", "6", ">>Recycle Bin", mine, 0);
        row("all books by name is no place", "", ">>All Books", mine, 0);
        row("exact letter case first", "50", top + ">>JAVA", top + ">>JAVA", 0);
        row("other letter case", "50", top + ">>jAvA", top + ">>Java", 0);
        row("root of another name", "50", ">>Libri>>Java>>Kids", top + ">>Java>>Kids", 0);
        row("name holding the separator", "51", top + ">>C>>D>>Sub", top + ">>C>>D>>Sub", 0);
        row("special name below the root", "52", top + ">>Favorites", top + ">>Favorites", 1);
        row("missing leaf below a parent", "52", top + ">>Java>>New", top + ">>Java>>New", 1);
        row("missing branch", "53", top + ">>X>>Y>>Z", top + ">>X>>Y>>Z", 3);
        row("top-level name goes below the root", "54", ">>Loose", top + ">>Loose", 1);
        row("not a path", "55", "Fiction", mine, 0);
        row("empty name", "56", top + ">>A>>>>B", mine, 0);
    }

    void pathFindsOrCreatesItsCategory()
    {
        QFETCH(QString, id);
        QFETCH(QString, path);
        QFETCH(QString, place);
        QFETCH(int, created);

        CTarget target;
        QVERIFY(target.Open());
        CLibraryConnection &db = target.db;
        QVERIFY(Exec(db, {QStringLiteral("UPDATE category SET Name='Preferiti' WHERE CatID=2"),
                          QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES "
                                         "(33, 'Java', 1), (34, 'JAVA', 1), (35, 'C>>D', 1), "
                                         "(36, 'Sub', 35), (37, 'Kids', 33)")}));
        const QString xml = target.env.WriteFile(
            QStringLiteral("one.xml"),
            "<Tomelodex><Book><Title>T</Title><Categories><Category" +
                (id.isEmpty() ? QByteArray() : " ID=\"" + id.toUtf8() + '"') + ">" +
                path.toHtmlEscaped().toUtf8() + "</Category></Categories></Book></Tomelodex>");
        const CXmlImportResult result = target.Import(xml);
        QVERIFY(result.completed);
        QCOMPARE(result.bookIds.size(), 1);
        QCOMPARE(PlacesOf(db, QStringLiteral("T")), QStringList({place}));
        QCOMPARE(result.createdCategoryIds.size(), created);
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category")),
                 QString::number(10 + created));
        // Parents are created before their children.
        for (int i = 1; i < result.createdCategoryIds.size(); ++i)
            QCOMPARE(
                PathOf(db, result.createdCategoryIds.at(i)).section(QStringLiteral(">>"), 0, -2),
                PathOf(db, result.createdCategoryIds.at(i - 1)));
    }

    // A book that is skipped or cannot be saved takes the categories made
    // for it along; the other books keep theirs.
    void categoriesGoWithTheBooksThatWereNotSaved()
    {
        CTarget target;
        QVERIFY(target.Open());
        CLibraryConnection &db = target.db;
        QVERIFY(Exec(db, {QStringLiteral("INSERT INTO book (BookID, Title, ISBN) VALUES (1, "
                                         "'Stored', '0596004206')")}));
        const QString xml = target.env.WriteFile(
            QStringLiteral("two.xml"),
            "<Tomelodex>"
            "<Book><Title>Copy</Title><ISBN>0596004206</ISBN><Categories>"
            "<Category ID=\"40\">>>Book Collection>>Shared>>Only For Copy</Category>"
            "</Categories></Book>"
            "<Book><Title>New</Title><Categories>"
            "<Category ID=\"41\">>>Book Collection>>Shared</Category>"
            "</Categories></Book></Tomelodex>");
        target.prompt.answers = {MsgAnswer::Yes}; // skip the duplicate
        const CXmlImportResult result = target.Import(xml);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.bookIds, QVector<quint32>({2}));
        // "Shared" went with the skipped book and was made again for the next.
        QCOMPARE(result.createdCategoryIds.size(), 1);
        QCOMPARE(PathOf(db, result.createdCategoryIds.first()),
                 QStringLiteral(">>Book Collection>>Shared"));
        QCOMPARE(QueryText(db, QStringLiteral("SELECT COUNT(*) FROM category")),
                 QStringLiteral("6"));
        QCOMPARE(PlacesOf(db, QStringLiteral("New")),
                 QStringList({QStringLiteral(">>Book Collection>>Shared")}));
    }
};

QTEST_GUILESS_MAIN(TestXmlCategories)
#include "tst_xmlcategories.moc"
