#include "db/BookRecord.h"

#include "app/AppSettings.h"
#include "app/SettingsKey.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/CoverStaging.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"
#include "online/IsbnRules.h"
#include "online/StoreLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <algorithm>
#include <cstdio>

std::atomic<qint32> g_lastSavedBookId{0};

struct CTempFileList::Files
{
    QMutex mutex;
    QStringList paths;
    ~Files()
    {
        for (const QString &path : paths)
            QFile::remove(path);
    }
};

void CTempFileList::append(const QString &path)
{
    if (!m_files)
        m_files = std::make_shared<Files>();
    QMutexLocker lock(&m_files->mutex);
    m_files->paths.append(path);
}

QStringList CTempFileList::paths() const
{
    if (!m_files)
        return {};
    QMutexLocker lock(&m_files->mutex);
    return m_files->paths;
}

int CTempFileList::size() const
{
    return int(paths().size());
}

bool CTempFileList::contains(const QString &path) const
{
    return paths().contains(path);
}

namespace {

// A date column's text: a date in the stored form of every date, anything
// else (say "Spring 2004") as it was given, so a text that is not a date is
// never lost by saving its book again.
QString DateColumnText(const QString &text)
{
    return StoredDateText(text.trimmed()).value_or(text);
}

QString Lit(const QString &text, int kind)
{
    return FormatSqlLiteral(text, kind);
}

// The book an ISBN names, for the duplicate check: the ISBN without hyphens
// or spaces, its check letter in upper case, and a 978 ISBN-13 as the ISBN-10
// it stands for.
QString IsbnForDuplicateCheck(const QString &isbn)
{
    QString normal = isbn;
    normal.remove(u'-');
    normal.remove(u' ');
    normal.replace(u'x', u'X');
    return ConvertEanToIsbn(normal);
}

// The title of the first stored book whose ISBN names the book `isbn` (as
// IsbnForDuplicateCheck gives it), empty when there is none. The query
// compares the ISBN's normal form, which the library indexes (the
// book_isbn_normal index of the template), with each form the book may be
// stored in. A run of saves in one transaction reads every ISBN once and
// keeps them instead.
bool FindTitleByIsbn(const QString &isbn, CLibraryConnection &connection, QString &title)
{
    CLibraryConnection::CBulkCache *cache = connection.BulkCache();
    if (!cache) {
        QString forms = Lit(isbn, kLiteralText);
        if (const QString ean = ConvertIsbnToEan(isbn); !ean.isEmpty())
            forms += u',' + Lit(ean, kLiteralText);
        return QuerySingleValue(
            QStringLiteral("SELECT Title FROM book WHERE "
                           "replace(replace(replace(ISBN,'-',''),' ',''),'x','X') IN (%1) "
                           "ORDER BY BookID LIMIT 1")
                .arg(forms),
            connection, title);
    }
    if (!cache->isbnTitlesRead) {
        CRecordset rs(connection);
        if (!rs.Open(QStringLiteral(
                "SELECT ISBN, Title FROM book WHERE ISBN IS NOT NULL ORDER BY BookID"))) {
            ShowMessage(rs.ErrorText(), MsgIcon::Warning);
            return false;
        }
        while (!rs.IsEOF()) {
            const QString normal = IsbnForDuplicateCheck(rs.GetText(0));
            if (!cache->isbnTitles.contains(normal))
                cache->isbnTitles.insert(normal, rs.GetText(1));
            if (!rs.MoveNext() && rs.HasError()) {
                ShowMessage(rs.ErrorText(), MsgIcon::Warning);
                return false;
            }
        }
        cache->isbnTitlesRead = true;
    }
    title = cache->isbnTitles.value(isbn);
    return true;
}

} // namespace

CBookRecord::CBookRecord() : ProductUrlPrefix(::ProductUrlPrefix()), StatusText(LoadString(57345))
{}

void CBookRecord::ResetToDefaults()
{
    Links.clear();
    FrontCover.clear();
    BackCover.clear();
    Title.clear();
    Subtitle.clear();
    Author.clear();
    URL.clear();
    Edition.clear();
    ReleaseDate.clear();
    Publisher.clear();
    ISBN.clear();
    PageCount.clear();
    Language.clear();
    Binding.clear();
    Dimension.clear();
    Extras.clear();
    PurchaseDate.clear();
    Store.clear();
    PurchasePrice.clear();
    ListPrice.clear();
    AmazonPrice.clear();
    Location.clear();
    Status.clear();
    CurrentPage.clear();
    AmazonRating.clear();
    NumOfReviews.clear();
    MyRating = 0;
    UserText1.clear();
    UserText2.clear();
    EBookOnly = false;
    Format.clear();
    BookSize.clear();
    Description.clear();
    Notes.clear();
    CoverTempPath.clear();
    BackCoverTempPath.clear();

    CSettingsKey key;
    if (!key.Open(QString::fromLatin1(kSettingsDefaultKeyPath), false))
        return;
    Language = key.ReadString(QLatin1String(kValueLanguage), QString());
    Extras = key.ReadString(QLatin1String(kValueExtras), QString());
    Store = key.ReadString(QLatin1String(kValueStore), QString());
    Location = key.ReadString(QLatin1String(kValueLocation), QString());
    UserText1 = key.ReadString(QLatin1String(kValueUserText1), QString());
    UserText2 = key.ReadString(QLatin1String(kValueUserText2), QString());
    Format = key.ReadString(QLatin1String(kValueFormat), QString());
    PurchaseDate = key.ReadString(QLatin1String(kValuePurchaseDate), QString());
    Status = key.ReadString(QLatin1String(kValueStatus), QString());
    EBookOnly = key.ReadInt(QLatin1String(kValueEbookOnly), 0) != 0;
}

bool CBookRecord::Load(int bookId, CLibraryConnection &connection)
{
    BookID = bookId;
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("SELECT * FROM book WHERE BookID=%1").arg(bookId))) {
        ShowMessage(rs.ErrorText(), MsgIcon::Warning);
        return false;
    }
    if (rs.IsEOF())
        return true;

    auto text = [&rs](const char *column) { return rs.GetText(QLatin1String(column)); };
    bool ok = true;
    auto name = [&](const char *table, const char *column) {
        QString value;
        const QString id = text(column);
        if (!id.isEmpty() && ok)
            LookupNameById(QLatin1String(table), id, connection, value);
        return value;
    };

    Title = text("Title");
    Subtitle = text("Subtitle");
    Author = text("Author");
    URL = text("URL");
    Edition = text("Edition");
    Publisher = name("bookpublisher", "PublisherID");
    ISBN = text("ISBN");
    PageCount = text("PageCount");
    Language = name("booklanguage", "LanguageID");
    Binding = name("bookbinding", "BindingID");
    Dimension = text("Dimension");
    Extras = name("bookextras", "ExtrasID");
    // A stored time of day is kept with the date, so a save that does not
    // touch the date writes it back whole.
    auto dateText = [&rs, &text](const char *column) {
        const CFieldValue value = rs.GetField(QLatin1String(column));
        if (value.type == CFieldValue::Type::Date && value.date.time() != QTime(0, 0))
            return text(column) + value.date.toString(QStringLiteral(" HH:mm:ss"));
        return text(column);
    };
    ReleaseDate = dateText("ReleaseDate");
    PurchaseDate = dateText("PurchaseDate");
    Store = name("bookstore", "StoreID");
    PurchasePrice = text("PurchasePrice");
    ListPrice = text("ListPrice");
    AmazonPrice = text("AmazonPrice");
    Location = name("booklocation", "LocationID");
    Status = name("bookstatus", "StatusID");
    AmazonRating = text("AmazonRating");
    NumOfReviews = text("NumOfReviews");
    MyRating = text("MyRating").toInt();
    UserText1 = text("UserText1");
    UserText2 = text("UserText2");
    Format = name("bookformat", "FormatID");
    BookSize = text("BookSize");
    CurrentPage = text("CurrentPage");
    EBookOnly = rs.GetField(QStringLiteral("EBookOnly")).integer != 0;
    Description = text("Description");
    Notes = text("Notes");
    FrontCover = text("FrontCover");
    BackCover = text("BackCover");
    rs.Close();

    Links.clear();
    CRecordset links(connection);
    if (!links.Open(
            QStringLiteral("SELECT * FROM link WHERE BookID=%1 ORDER BY LinkID ASC").arg(bookId))) {
        ShowMessage(links.ErrorText(), MsgIcon::Warning);
        return false;
    }
    while (!links.IsEOF()) {
        Links.append({links.GetText(QStringLiteral("LinkID")),
                      links.GetText(QStringLiteral("Name")), links.GetText(QStringLiteral("Path")),
                      links.GetText(QStringLiteral("Notes"))});
        if (!links.MoveNext() && links.HasError()) {
            ShowMessage(links.ErrorText(), MsgIcon::Warning);
            return false;
        }
    }
    return true;
}

bool CBookRecord::Save(bool isNew, int categoryId, const QString &imagesDir,
                       CLibraryConnection &connection)
{
    SkippedDuplicate = false;
    SaveError.clear();
    const auto failed = [&](const QString &reason) {
        SaveError = reason;
        return false;
    };
    int id = BookID;
    if (isNew) {
        // ISBNs are compared in their normal form, so 0-596-00712-4 finds
        // 0596007124, and so does 9780596007126. A blank ISBN finds nothing.
        QString title;
        const QString isbn = IsbnForDuplicateCheck(ISBN);
        if (!isbn.isEmpty() && !FindTitleByIsbn(isbn, connection, title))
            return failed(connection.LastError());
        if (!title.isEmpty() && ShowMessage(FormatMessage(238, {title}), MsgIcon::Question,
                                            MsgButtons::YesNo) == MsgAnswer::Yes) {
            SkippedDuplicate = true;
            return false;
        }
    }

    CTransaction transaction(connection);
    if (!transaction.IsActive()) {
        ShowMessage(transaction.Error(), MsgIcon::Warning);
        return failed(transaction.Error());
    }
    if (isNew) {
        id = AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), connection);
        if (id == 0)
            return failed(connection.LastError());
    }

    const CCoverPlan front = PlanCover(CoverTempPath, FrontCover, id, "FrontCover", imagesDir);
    const CCoverPlan back = PlanCover(BackCoverTempPath, BackCover, id, "BackCover", imagesDir);
    // Taken before the transaction rolls back, which would replace the
    // connection's last error.
    auto fail = [&] {
        DiscardCover(front);
        DiscardCover(back);
        return failed(connection.LastError());
    };
    if (front.copyFailed || back.copyFailed)
        ShowMessage(FormatMessage(204, {imagesDir}), MsgIcon::Warning);

    QStringList categories;
    if (isNew) {
        categories.append(QString::number(categoryId));
    } else {
        if (!GetBookCategories(id, connection, categories))
            return fail();
        // Only whole numbers go back into the statement.
        categories.erase(std::remove_if(categories.begin(), categories.end(),
                                        [](const QString &c) { return !IsIntegerText(c); }),
                         categories.end());
        if (!ExecuteSql(QStringLiteral("DELETE FROM book WHERE BookID=%1").arg(id), true,
                        connection))
            return fail();
    }

    const struct
    {
        const char *table;
        const QString &name;
    } lookups[] = {{"bookpublisher", Publisher}, {"booklanguage", Language},
                   {"bookbinding", Binding},     {"bookextras", Extras},
                   {"bookstore", Store},         {"booklocation", Location},
                   {"bookformat", Format},       {"bookstatus", Status}};
    QString ids[8];
    for (int i = 0; i < 8; ++i) {
        if (!LookupOrAddId(QLatin1String(lookups[i].table), lookups[i].name, ids[i], connection))
            return fail();
    }

    const QString url = MakeAssociateLink(URL, ISBN, TomeloApp().m_associateTag);
    const QStringList values = {
        QString::number(id),
        Lit(Title, kLiteralText),
        Lit(Subtitle, kLiteralText),
        Lit(url, kLiteralText),
        Lit(Author, kLiteralText),
        Lit(Edition, kLiteralText),
        ids[0],
        Lit(ISBN, kLiteralText),
        Lit(PageCount, kLiteralInteger),
        ids[1],
        ids[2],
        Lit(Dimension, kLiteralText),
        ids[3],
        Lit(DateColumnText(ReleaseDate), kLiteralText),
        Lit(DateColumnText(PurchaseDate), kLiteralText),
        ids[4],
        Lit(PurchasePrice, kLiteralNumber),
        Lit(ListPrice, kLiteralNumber),
        Lit(AmazonPrice, kLiteralNumber),
        Lit(CurrentPage, kLiteralInteger),
        QString::number(EBookOnly ? 1 : 0),
        ids[5],
        ids[7],
        Lit(AmazonRating, kLiteralNumber),
        Lit(NumOfReviews, kLiteralInteger),
        Lit(QString::number(MyRating), kLiteralInteger),
        Lit(UserText1, kLiteralText),
        Lit(UserText2, kLiteralText),
        ids[6],
        Lit(BookSize, kLiteralNumber),
        Lit(Description, kLiteralText),
        Lit(Notes, kLiteralText),
        Lit(front.newName, kLiteralText),
        Lit(back.newName, kLiteralText),
    };
    const QString insert =
        QStringLiteral(
            "INSERT INTO Book (BookID,Title,Subtitle,URL,Author,Edition,PublisherID,ISBN,"
            "PageCount,LanguageID,BindingID,Dimension,ExtrasID,ReleaseDate,PurchaseDate,"
            "StoreID,PurchasePrice,ListPrice,AmazonPrice,CurrentPage,EBookOnly,LocationID,"
            "StatusID,AmazonRating,NumOfReviews,MyRating,UserText1,UserText2,FormatID,"
            "BookSize,Description,Notes,FrontCover,BackCover) VALUES(") +
        values.join(u',') + u')';
    if (!ExecuteSql(insert, true, connection))
        return fail();

    for (int i = 0; i < Links.size(); ++i) {
        const CLinkEntry &link = Links.at(i);
        if (!ExecuteSql(
                QStringLiteral(
                    "INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES (%1,%2,%3,%4,%5)")
                    .arg(QString::number(id), QString::number(i + 1), Lit(link.Name, kLiteralText),
                         Lit(link.Path, kLiteralText), Lit(link.Notes, kLiteralText)),
                true, connection))
            return fail();
    }
    for (const QString &category : categories) {
        if (!ExecuteSql(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)")
                            .arg(QString::number(id), category),
                        true, connection))
            return fail();
    }
    if (!transaction.Commit()) {
        ShowMessage(transaction.Error(), MsgIcon::Warning);
        fail();
        return failed(transaction.Error());
    }

    // The rows are in; now the pictures. A picture that cannot be put in
    // place leaves its book without that cover rather than naming a file
    // that is not there.
    URL = url;
    FrontCover = front.newName;
    BackCover = back.newName;
    if (CLibraryConnection::CBulkCache *cache = connection.BulkCache();
        cache && cache->isbnTitlesRead && isNew) {
        const QString isbn = IsbnForDuplicateCheck(ISBN);
        if (!isbn.isEmpty() && !cache->isbnTitles.contains(isbn))
            cache->isbnTitles.insert(isbn, Title);
    }
    if (CDeferredCovers *deferred = CDeferredCovers::ActiveFor(connection)) {
        // Inside the caller's transaction: the pictures wait for its commit.
        deferred->Add(front);
        deferred->Add(back);
        g_lastSavedBookId = id;
        return true;
    }
    const bool frontPlaced = PlaceCover(front, imagesDir);
    const bool backPlaced = PlaceCover(back, imagesDir);
    if (!frontPlaced || !backPlaced) {
        if (!frontPlaced)
            FrontCover.clear();
        if (!backPlaced)
            BackCover.clear();
        ExecuteSql(QStringLiteral("UPDATE book SET FrontCover=%1, BackCover=%2 WHERE BookID=%3")
                       .arg(Lit(FrontCover, kLiteralText), Lit(BackCover, kLiteralText),
                            QString::number(id)),
                   true, connection);
        ShowMessage(FormatMessage(204, {imagesDir}), MsgIcon::Warning);
    }
    g_lastSavedBookId = id;
    return true;
}
