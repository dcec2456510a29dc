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
#include "loans/BorrowerStore.h"
#include "loans/LoanSql.h"
#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"
#include "loans/SeriesNumber.h"
#include "loans/SeriesStore.h"
#include "online/IsbnRules.h"
#include "online/StoreLinks.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <optional>

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

// The columns of the book table this program knows and writes, in the
// order Save gives their values. Anything else a library's book table has
// belongs to someone else and is never written.
const char *const kKnownColumns[] = {
    "Title",       "Subtitle",     "URL",        "Author",        "Edition",      "PublisherID",
    "ISBN",        "PageCount",    "LanguageID", "BindingID",     "Dimension",    "ExtrasID",
    "ReleaseDate", "PurchaseDate", "StoreID",    "PurchasePrice", "ListPrice",    "AmazonPrice",
    "CurrentPage", "EBookOnly",    "LocationID", "StatusID",      "AmazonRating", "NumOfReviews",
    "MyRating",    "UserText1",    "UserText2",  "FormatID",      "BookSize",     "Description",
    "Notes",       "FrontCover",   "BackCover"};
constexpr int kKnownColumnCount = int(sizeof(kKnownColumns) / sizeof(kKnownColumns[0]));

// Appends every value of `sql`'s rows to `hash`, each as SQLite's quote()
// writes it, so NULL, a number and a text of the same digits differ.
bool HashRows(const QString &sql, CLibraryConnection &connection, QCryptographicHash &hash,
              int *rows)
{
    CRecordset rs(connection);
    if (!rs.Open(sql))
        return false;
    *rows = 0;
    while (!rs.IsEOF()) {
        ++*rows;
        for (int i = 0; i < rs.ColumnCount(); ++i) {
            const QByteArrayView value = rs.GetUtf8(i);
            const qint64 size = value.size();
            hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
            hash.addData(value);
        }
        if (!rs.MoveNext() && rs.HasError())
            return false;
    }
    return true;
}

// What StoredState holds: the stored book's known columns and its links, or
// empty in `state` when there is no book `bookId`. False when a query failed.
bool ReadStoredState(int bookId, CLibraryConnection &connection, QByteArray &state)
{
    state.clear();
    QStringList quoted;
    for (const char *column : kKnownColumns)
        quoted << QStringLiteral("quote(%1)").arg(QLatin1String(column));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    int books = 0;
    int links = 0;
    if (!HashRows(QStringLiteral("SELECT %1 FROM book WHERE BookID=%2")
                      .arg(quoted.join(u','))
                      .arg(bookId),
                  connection, hash, &books) ||
        !HashRows(QStringLiteral("SELECT quote(LinkID), quote(Name), quote(Path), quote(Notes) "
                                 "FROM link WHERE BookID=%1 ORDER BY LinkID, rowid")
                      .arg(bookId),
                  connection, hash, &links))
        return false;
    int places = 0;
    if (HasLoanTables(connection) &&
        !HashRows(QStringLiteral("SELECT quote(SeriesID), quote(Number) FROM book_series WHERE "
                                 "BookID=%1")
                      .arg(bookId),
                  connection, hash, &places))
        return false;
    if (books > 0)
        state = hash.result();
    return true;
}

// Reads the book's series, loans and readings into `book`; nothing from a
// library without their tables yet. False after showing the error.
bool LoadLoansAndSeries(CBookRecord &book, CLibraryConnection &connection)
{
    CSeriesStore series(connection);
    CBookSeries place;
    CLoanStore loanStore(connection);
    QVector<CLoanRow> loans;
    CReadingStore readingStore(connection);
    QVector<CReadingRow> readings;
    QString error;
    // Most books have no series, loans or readings: one look at the three
    // tables' indexes spares the three reads, which otherwise cost an export
    // of a large library a fifth of its time.
    QString present;
    if (HasLoanTables(connection) &&
        !QuerySingleValue(
            QStringLiteral("SELECT EXISTS(SELECT 1 FROM book_series WHERE BookID = %1) || "
                           "EXISTS(SELECT 1 FROM loan WHERE BookID = %1) || "
                           "EXISTS(SELECT 1 FROM reading WHERE BookID = %1)")
                .arg(book.BookID),
            connection, present, nullptr, false))
        present = QStringLiteral("111");
    const auto has = [&present](int table) {
        return table >= present.size() || present.at(table) != u'0';
    };
    if (has(0) && !series.BookSeries(book.BookID, &place))
        error = series.Error();
    else if (has(1) && !loanStore.History(book.BookID, loans))
        error = loanStore.Error();
    else if (has(2) && !readingStore.List(book.BookID, readings))
        error = readingStore.Error();
    if (!error.isEmpty()) {
        ShowMessage(error, MsgIcon::Warning);
        return false;
    }
    book.Series = place.name;
    book.SeriesNumber = place.number;
    const auto iso = [](const QDate &date) { return StoredDateText(date); };
    book.Loans.clear();
    for (const CLoanRow &loan : std::as_const(loans))
        book.Loans.append({LoanDirectionText(loan.direction), loan.borrower, iso(loan.loanDate),
                           iso(loan.dueDate), iso(loan.returnDate), loan.notes});
    book.Readings.clear();
    for (const CReadingRow &reading : std::as_const(readings))
        book.Readings.append({iso(reading.started), iso(reading.finished), reading.notes});
    return true;
}

// Why the loans, readings or series number a file gave a new book cannot be
// kept, or empty.
// The same rules as recording one: a borrower, a loan date, a direction,
// dates in order, at most one loan not returned.
QString CheckNewLoansAndReadings(const CBookRecord &book)
{
    int open = 0;
    for (const CBookLoan &loan : book.Loans) {
        LoanDirection direction;
        bool loanOk = false, dueOk = false, returnOk = false;
        const QDate loanDate = ParseLoanDate(loan.LoanDate, &loanOk);
        const QDate due = ParseLoanDate(loan.DueDate, &dueOk);
        const QDate returned = ParseLoanDate(loan.ReturnDate, &returnOk);
        if (loan.Name.trimmed().isEmpty())
            return CBorrowerStore::EmptyNameMessage();
        if (!ParseLoanDirection(loan.Direction, &direction))
            return QCoreApplication::translate("Loans", "\"%1\" is not a direction of a loan: "
                                                        "lent or borrowed.")
                .arg(loan.Direction);
        if (!loanOk || !loanDate.isValid() || !dueOk || !returnOk)
            return QCoreApplication::translate("Loans", "A loan of %1 has no valid date.")
                .arg(loan.Name.trimmed());
        if (due.isValid() && due < loanDate)
            return CLoanStore::DueBeforeLoanMessage();
        if (returned.isValid() && returned < loanDate)
            return CLoanStore::ReturnBeforeLoanMessage().arg(StoredDateText(loanDate));
        open += returned.isValid() ? 0 : 1;
    }
    if (open > 1)
        return QCoreApplication::translate("Loans",
                                           "A book can be out on only one loan at a time.");
    for (const CBookReading &reading : book.Readings) {
        bool startOk = false, finishOk = false;
        const QDate started = ParseLoanDate(reading.Started, &startOk);
        const QDate finished = ParseLoanDate(reading.Finished, &finishOk);
        if (!startOk || !finishOk)
            return QCoreApplication::translate("Loans", "A reading has a date that is no date.");
        if (started.isValid() && finished.isValid() && finished < started)
            return CReadingStore::FinishedBeforeStartedMessage();
    }
    if (!book.Series.trimmed().isEmpty() && !book.SeriesNumber.trimmed().isEmpty() &&
        !IsSeriesNumberText(book.SeriesNumber))
        return CSeriesStore::BadNumberMessage(book.SeriesNumber.trimmed());
    return QString();
}

// Writes a new book's loans and readings, checked by CheckNewLoansAndReadings.
bool WriteNewLoansAndReadings(const CBookRecord &book, int id, CLibraryConnection &connection,
                              QString *error)
{
    for (const CBookLoan &loan : book.Loans) {
        bool ok = false;
        LoanDirection direction = LoanDirection::Lent;
        ParseLoanDirection(loan.Direction, &direction);
        CBorrowerStore borrowers(connection);
        const qint64 borrowerId = borrowers.FindOrAdd(loan.Name);
        if (borrowerId == 0) {
            *error = borrowers.Error();
            return false;
        }
        if (!RunLoanSql(connection,
                        QStringLiteral("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, "
                                       "DueDate, ReturnDate, Notes) VALUES (%1, %2, '%3', %4, "
                                       "%5, %6, %7)")
                            .arg(id)
                            .arg(borrowerId)
                            .arg(LoanDirectionText(direction),
                                 DateLiteral(ParseLoanDate(loan.LoanDate, &ok)),
                                 DateLiteral(ParseLoanDate(loan.DueDate, &ok)),
                                 DateLiteral(ParseLoanDate(loan.ReturnDate, &ok)),
                                 TextLiteral(loan.Notes)),
                        error))
            return false;
    }
    for (const CBookReading &reading : book.Readings) {
        bool ok = false;
        if (!RunLoanSql(connection,
                        QStringLiteral("INSERT INTO reading (BookID, Started, Finished, Notes) "
                                       "VALUES (%1, %2, %3, %4)")
                            .arg(id)
                            .arg(DateLiteral(ParseLoanDate(reading.Started, &ok)),
                                 DateLiteral(ParseLoanDate(reading.Finished, &ok)),
                                 TextLiteral(reading.Notes)),
                        error))
            return false;
    }
    return true;
}

} // namespace

QString FirstStatusName(CLibraryConnection &connection)
{
    QString name;
    QuerySingleValue(QStringLiteral("SELECT Name FROM bookstatus ORDER BY StatusID LIMIT 1"),
                     connection, name);
    return name;
}

bool FindStoredIsbn(const QString &isbn, CLibraryConnection &connection, QString &title)
{
    title.clear();
    const QString normal = IsbnForDuplicateCheck(isbn);
    return normal.isEmpty() || FindTitleByIsbn(normal, connection, title);
}

bool IsSameBookIsbn(const QString &a, const QString &b)
{
    const QString normal = IsbnForDuplicateCheck(a);
    return !normal.isEmpty() && normal == IsbnForDuplicateCheck(b);
}

namespace {

// Reads in one snapshot: outside a transaction of the caller, a read
// transaction of its own, so that another program's commit cannot fall
// between two queries of it.
class CReadSnapshot
{
public:
    explicit CReadSnapshot(CLibraryConnection &connection) : m_connection(connection)
    {
        m_own = connection.Handle() && sqlite3_get_autocommit(connection.Handle()) != 0 &&
                connection.Execute(QStringLiteral("BEGIN"));
    }
    ~CReadSnapshot()
    {
        if (m_own && !m_connection.Execute(QStringLiteral("COMMIT")))
            m_connection.Execute(QStringLiteral("ROLLBACK"));
    }
    CReadSnapshot(const CReadSnapshot &) = delete;
    CReadSnapshot &operator=(const CReadSnapshot &) = delete;

private:
    CLibraryConnection &m_connection;
    bool m_own = false;
};

} // namespace

CBookRecord::CBookRecord() : ProductUrlPrefix(::ProductUrlPrefix()), StatusText(LoadString(57345))
{}

void CBookRecord::ResetToDefaults()
{
    Links.clear();
    Series.clear();
    SeriesNumber.clear();
    Loans.clear();
    Readings.clear();
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
    NotFound = false;

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

void CBookRecord::FillNewBookStatus(CLibraryConnection &connection)
{
    if (Status.trimmed().isEmpty())
        Status = FirstStatusName(connection);
}

const QList<CBookRecord::ColumnLimit> &CBookRecord::ColumnLimits()
{
    // The longest texts the library's columns take, in characters.
    static const QList<ColumnLimit> limits = {
        {"Title", &CBookRecord::Title, 255},        {"Edition", &CBookRecord::Edition, 50},
        {"ISBN", &CBookRecord::ISBN, 20},           {"Publisher", &CBookRecord::Publisher, 50},
        {"Language", &CBookRecord::Language, 20},   {"Binding", &CBookRecord::Binding, 30},
        {"Dimension", &CBookRecord::Dimension, 50}, {"Extras", &CBookRecord::Extras, 50},
        {"Store", &CBookRecord::Store, 20},         {"Location", &CBookRecord::Location, 100},
        {"Status", &CBookRecord::Status, 50},       {"Format", &CBookRecord::Format, 20}};
    return limits;
}

const CBookRecord::ColumnLimit *CBookRecord::FirstTooLong() const
{
    for (const ColumnLimit &limit : ColumnLimits()) {
        if ((this->*limit.Text).size() > limit.Limit)
            return &limit;
    }
    return nullptr;
}

QString CBookRecord::TooLongMessage(const QString &fieldName, int length, int limit)
{
    return QCoreApplication::translate("Messages",
                                       "%1 has %2 characters, but the library keeps at most %3 "
                                       "for it. Please shorten it.")
        .arg(fieldName)
        .arg(length)
        .arg(limit);
}

bool CBookRecord::Load(int bookId, CLibraryConnection &connection, LoadFor purpose, bool *found)
{
    BookID = bookId;
    StoredState.clear();
    if (found)
        *found = false;
    const bool editing = purpose == LoadFor::Editing;
    std::optional<CReadSnapshot> snapshot;
    if (editing)
        snapshot.emplace(connection);
    CRecordset rs(connection);
    if (!rs.Open(QStringLiteral("SELECT * FROM book WHERE BookID=%1").arg(bookId))) {
        ShowMessage(rs.ErrorText(), MsgIcon::Warning);
        return false;
    }
    if (rs.IsEOF())
        return true;
    if (found)
        *found = true;

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
    links.Close();
    if (!LoadLoansAndSeries(*this, connection))
        return false;
    if (editing && !ReadStoredState(bookId, connection, StoredState)) {
        ShowMessage(connection.LastError(), MsgIcon::Warning);
        return false;
    }
    return true;
}

bool CBookRecord::Save(bool isNew, int categoryId, const QString &imagesDir,
                       CLibraryConnection &connection)
{
    SkippedDuplicate = false;
    Conflict = SaveConflict::None;
    SaveError.clear();
    bool checkDuplicate = isNew;
    for (;;) {
        std::optional<CTransaction> transaction(std::in_place, connection);
        if (!transaction->IsActive()) {
            ShowMessage(transaction->Error(), MsgIcon::Warning);
            SaveError = transaction->Error();
            return false;
        }
        if (checkDuplicate) {
            // ISBNs are compared in their normal form, so 0-596-00712-4 finds
            // 0596007124, and so does 9780596007126. A blank ISBN finds nothing.
            QString title;
            const QString isbn = IsbnForDuplicateCheck(ISBN);
            const bool accepted = IsSameBookIsbn(ISBN, AcceptedDuplicateIsbn);
            if (!isbn.isEmpty() && !accepted && !FindTitleByIsbn(isbn, connection, title)) {
                SaveError = connection.LastError();
                return false;
            }
            if (!title.isEmpty()) {
                // Nobody waits for the write lock while a person thinks: it is
                // let go before the question, unless it is the caller's.
                const bool ownLock = !transaction->IsNested();
                if (ownLock)
                    transaction.reset();
                if (ShowMessage(FormatMessage(238, {title}), MsgIcon::Question,
                                MsgButtons::YesNo) == MsgAnswer::Yes) {
                    SkippedDuplicate = true;
                    return false;
                }
                if (ownLock) {
                    // Added anyway, under a new lock.
                    checkDuplicate = false;
                    continue;
                }
            }
        }
        return WriteRows(isNew, categoryId, imagesDir, connection, *transaction);
    }
}

bool CBookRecord::WriteRows(bool isNew, int categoryId, const QString &imagesDir,
                            CLibraryConnection &connection, CTransaction &transaction)
{
    const auto failed = [&](const QString &reason) {
        SaveError = reason;
        return false;
    };
    int id = BookID;
    if (isNew) {
        id = AllocateId(QStringLiteral("book"), QStringLiteral("BookID"), connection);
        if (id == 0)
            return failed(connection.LastError());
    } else {
        // Compared under the write lock, so nothing can change in between.
        QByteArray stored;
        if (!ReadStoredState(id, connection, stored)) {
            ShowMessage(connection.LastError(), MsgIcon::Warning);
            return failed(connection.LastError());
        }
        if (stored.isEmpty()) {
            Conflict = SaveConflict::DeletedSinceRead;
            return false;
        }
        if (!StoredState.isEmpty() && stored != StoredState) {
            Conflict = SaveConflict::ChangedSinceRead;
            return false;
        }
    }

    // Refused before anything is written, so that nothing of the book is.
    if (const QString refusal = isNew ? CheckNewLoansAndReadings(*this) : QString();
        !refusal.isEmpty()) {
        ShowMessage(refusal, MsgIcon::Warning);
        return failed(refusal);
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
    // In the order of kKnownColumns.
    const QStringList values = {
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
    static_assert(kKnownColumnCount == 33, "one value for each known column");
    QStringList columns;
    for (const char *column : kKnownColumns)
        columns << QLatin1String(column);
    QString write;
    if (isNew) {
        write = QStringLiteral("INSERT INTO Book (BookID,%1) VALUES(%2,%3)")
                    .arg(columns.join(u','), QString::number(id), values.join(u','));
    } else {
        QStringList assignments;
        for (int i = 0; i < kKnownColumnCount; ++i)
            assignments << columns.at(i) + u'=' + values.at(i);
        write = QStringLiteral("UPDATE book SET %1 WHERE BookID=%2")
                    .arg(assignments.join(u','), QString::number(id));
    }
    if (!ExecuteSql(write, true, connection))
        return fail();
    // The links are this program's own: written again, numbered 1 to n in
    // their order.
    if (!isNew &&
        !ExecuteSql(QStringLiteral("DELETE FROM link WHERE BookID=%1").arg(id), true, connection))
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
    // The statements above brought an older library up to date, so the
    // tables of series, loans and readings are there.
    QString loansError;
    if (!CSeriesStore::WriteBookSeries(connection, id, Series, SeriesNumber, &loansError) ||
        (isNew && !WriteNewLoansAndReadings(*this, id, connection, &loansError))) {
        ShowMessage(loansError, MsgIcon::Warning);
        DiscardCover(front);
        DiscardCover(back);
        return failed(loansError);
    }
    // A stored book keeps the categories it is in, whoever filed it there.
    if (isNew && !ExecuteSql(QStringLiteral("INSERT INTO book_category (BookID, CatID) "
                                            "VALUES (%1, %2)")
                                 .arg(id)
                                 .arg(categoryId),
                             true, connection))
        return fail();
    // What a later save of the stored book compares with. A new book's
    // record does not take the new identifier, so it has nothing to compare.
    QByteArray written;
    if (!isNew && !ReadStoredState(id, connection, written)) {
        ShowMessage(connection.LastError(), MsgIcon::Warning);
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
    StoredState = written;
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
        if (!isNew)
            ReadStoredState(id, connection, StoredState);
        ShowMessage(FormatMessage(204, {imagesDir}), MsgIcon::Warning);
    }
    g_lastSavedBookId = id;
    return true;
}
