#include "exchange/CatalogueImport.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "db/CoverStaging.h"
#include "db/DbAccess.h"
#include "db/ImportCache.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"
#include "exchange/CatalogueReader.h"
#include "exchange/ForeignMapping.h"
#include "online/IsbnRules.h"
#include "xml/CategoryRestorer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// The Reading List, a category of every library.
constexpr int kReadingListId = 4;
// The wish-list status of every library.
constexpr int kWishListStatusId = 2;

// The fields a stored book takes from a record with its ISBN when they are
// empty.
QString CBookRecord::*const kFillableFields[] = {
    &CBookRecord::Subtitle,     &CBookRecord::Author,        &CBookRecord::URL,
    &CBookRecord::Edition,      &CBookRecord::ReleaseDate,   &CBookRecord::Publisher,
    &CBookRecord::PageCount,    &CBookRecord::Language,      &CBookRecord::Binding,
    &CBookRecord::Dimension,    &CBookRecord::Extras,        &CBookRecord::PurchaseDate,
    &CBookRecord::Store,        &CBookRecord::PurchasePrice, &CBookRecord::ListPrice,
    &CBookRecord::AmazonPrice,  &CBookRecord::Location,      &CBookRecord::CurrentPage,
    &CBookRecord::AmazonRating, &CBookRecord::NumOfReviews,  &CBookRecord::UserText1,
    &CBookRecord::UserText2,    &CBookRecord::Format,        &CBookRecord::BookSize,
    &CBookRecord::Description,  &CBookRecord::Notes,
};

// The first stored book whose ISBN names the same book as `isbn` (an
// ISBN-10 and its 978 ISBN-13 alike), 0 when none.
int StoredBookIdByIsbn(const QString &isbn, CLibraryConnection &connection)
{
    QString normal = isbn;
    normal.remove(u'-');
    normal.remove(u' ');
    normal = ConvertEanToIsbn(normal.toUpper());
    QString forms = FormatSqlLiteral(normal, kLiteralText);
    if (const QString ean = ConvertIsbnToEan(normal); !ean.isEmpty())
        forms += u',' + FormatSqlLiteral(ean, kLiteralText);
    QString id;
    QuerySingleValue(QStringLiteral("SELECT BookID FROM book WHERE "
                                    "replace(replace(replace(ISBN,'-',''),' ',''),'x','X') IN "
                                    "(%1) ORDER BY BookID LIMIT 1")
                         .arg(forms),
                     connection, id);
    return id.toInt();
}

// One import run: see ImportCatalogue.
class CCatalogueImportRun
{
public:
    CCatalogueImportRun(const QString &imagesDir, CLibraryConnection &connection,
                        const CCatalogueImportOptions &options)
        : m_imagesDir(imagesDir), m_connection(connection), m_options(options),
          m_restorer(connection)
    {}

    CCatalogueImportResult Run(const QList<CCatalogueSource> &sources)
    {
        std::optional<CTransaction> transaction;
        QString error;
        bool busy = false;
        if (!BeginImportTransaction(transaction, m_connection, m_options.onWaiting,
                                    m_options.busyWaitSeconds, &error, &busy)) {
            m_result.error = busy ? LoadString(245) : FormatMessage(246, {error});
            return m_result;
        }
        CBulkWriteScope bulk(m_connection);
        CImportCache cache(m_connection);
        CDeferredCovers placements(m_connection, m_imagesDir);
        if (!m_restorer.Load()) {
            m_result.error = FormatMessage(246, {m_connection.LastError()});
            return m_result;
        }
        ReadStatusNames();

        for (const CCatalogueSource &source : sources) {
            if (!ImportSource(source))
                break;
        }
        const auto keepNothing = [&](const QString &why) {
            transaction.reset();
            m_result.error = why;
            return m_result;
        };
        if (m_result.cancelled) {
            transaction.reset();
            return m_result;
        }
        if (!m_stopReason.isEmpty())
            return keepNothing(m_stopReason);
        if (!InImportTransaction(m_connection))
            return keepNothing(FormatMessage(246, {m_lastSaveError}));
        m_result.createdCategoryIds = m_restorer.CreatedIds();
        if (m_options.dryRun) {
            transaction.reset();
            m_result.completed = true;
            return m_result;
        }
        if (!transaction->Commit())
            return keepNothing(FormatMessage(246, {transaction->Error()}));
        m_result.completed = true;
        if (!placements.PlaceAll())
            m_result.notes.append(FormatMessage(204, {m_imagesDir}));
        return m_result;
    }

private:
    void ReadStatusNames()
    {
        QuerySingleValue(
            QStringLiteral("SELECT Name FROM bookstatus WHERE StatusID=%1").arg(kWishListStatusId),
            m_connection, m_wishListStatus, nullptr, false);
        if (m_wishListStatus.isEmpty())
            m_wishListStatus = LoadString(220);
        m_firstStatus = FirstStatusName(m_connection);
    }

    // False when the import has to stop: the source could not be read on,
    // the transaction was lost, or the user cancelled.
    bool ImportSource(const CCatalogueSource &source)
    {
        m_source = source;
        m_folder = QFileInfo(source.path).absoluteDir();
        const QString shown = QDir::toNativeSeparators(source.path);
        CForeignBook foreign;
        for (;;) {
            if (!source.reader->Next(foreign))
                break;
            ++m_read;
            const bool goOn = ImportRecord(foreign);
            if (m_pending) {
                m_options.onLine(*m_pending);
                m_pending.reset();
            }
            if (!goOn)
                return false;
            if (m_options.onRecord && !m_options.onRecord(m_read)) {
                m_result.cancelled = true;
                return false;
            }
        }
        for (const QString &note : source.reader->Notes())
            m_result.notes.append(shown + QStringLiteral(": ") + note);
        if (!source.reader->Error().isEmpty()) {
            const QString error = source.reader->Error();
            m_stopReason = FormatMessage(246, {error.contains(shown) || error.contains(source.path)
                                                   ? error
                                                   : shown + QStringLiteral(": ") + error});
            return false;
        }
        return true;
    }

    CImportReportLine &AddLine(const CImportedBook &book, CImportReportLine::Outcome outcome,
                               const QString &reason = QString())
    {
        CImportReportLine line;
        line.source = m_source.path;
        line.number = book.number;
        line.outcome = outcome;
        line.title = book.record.Title.isEmpty() ? book.record.ISBN : book.record.Title;
        line.reason = reason;
        if (m_options.onLine)
            m_pending = line;
        else
            m_result.lines.append(line);
        switch (outcome) {
        case CImportReportLine::Outcome::Imported:
        case CImportReportLine::Outcome::Filled:
            ++m_result.imported;
            break;
        case CImportReportLine::Outcome::Skipped:
            ++m_result.skipped;
            break;
        case CImportReportLine::Outcome::Failed:
            ++m_result.failed;
            break;
        }
        return m_options.onLine ? *m_pending : m_result.lines.last();
    }

    // False when the transaction was lost and the import has to stop.
    bool ImportRecord(const CForeignBook &foreign)
    {
        CImportedBook book = MapForeignBook(foreign);
        if (!book.problem.isEmpty()) {
            AddLine(book, CImportReportLine::Outcome::Failed, book.problem);
            return true;
        }
        const QString where = QCoreApplication::translate("Import", "%1, record %2")
                                  .arg(QDir::toNativeSeparators(m_source.path))
                                  .arg(book.number);
        for (const QString &odd : std::as_const(book.oddValues))
            m_result.notes.append(
                QCoreApplication::translate("Import", "%1: kept in Notes: %2").arg(where, odd));
        CBookRecord &record = book.record;
        if (book.wishList)
            record.Status = m_wishListStatus;
        if (record.Status.trimmed().isEmpty())
            record.Status = m_firstStatus;

        int storedId = 0;
        if (!record.ISBN.isEmpty() && m_options.duplicates != DuplicateIsbns::Add) {
            QString storedTitle;
            if (!FindStoredIsbn(record.ISBN, m_connection, storedTitle)) {
                Failed(book, m_connection.LastError());
                return InImportTransaction(m_connection);
            }
            if (!storedTitle.isEmpty()) {
                if (m_options.duplicates == DuplicateIsbns::Skip) {
                    AddLine(book, CImportReportLine::Outcome::Skipped,
                            QCoreApplication::translate(
                                "Import", "the library has a book with this ISBN already: %1")
                                .arg(storedTitle));
                    return true;
                }
                storedId = StoredBookIdByIsbn(record.ISBN, m_connection);
            }
        }
        record.AcceptedDuplicateIsbn = record.ISBN;

        QStringList staged;
        StageCovers(book, staged);
        const bool saved = storedId != 0 ? FillStoredBook(book, storedId) : SaveNewBook(book);
        if (saved)
            return true;
        for (const QString &path : std::as_const(staged))
            QFile::remove(path);
        // A full disk or an I/O error makes the database roll the whole
        // transaction back; going on would write books one by one.
        return InImportTransaction(m_connection);
    }

    void Failed(const CImportedBook &book, const QString &reason)
    {
        AddLine(book, CImportReportLine::Outcome::Failed, reason);
        m_lastSaveError = reason;
    }

    // Copies the record's covers into staging files of the images folder.
    // A cover that is no picture is left out with a note; the book still
    // comes in.
    void StageCovers(CImportedBook &book, QStringList &staged)
    {
        CBookRecord &record = book.record;
        const QString number = QString::number(book.number);
        if (!book.coverData.isEmpty()) {
            const QString extension = CoverPictureExtension(book.coverData);
            if (extension.isEmpty()) {
                NoteCover(number,
                          QCoreApplication::translate("Import", "(a picture inside the file)"),
                          LoadString(251));
            } else {
                QDir().mkpath(m_imagesDir);
                const QString path = NewCoverStagingPath(m_imagesDir, extension);
                QFile file(path);
                if (file.open(QIODevice::WriteOnly) &&
                    file.write(book.coverData) == book.coverData.size() && file.flush()) {
                    record.CoverTempPath = path;
                    staged.append(path);
                } else {
                    file.remove();
                    NoteCover(number,
                              QCoreApplication::translate("Import", "(a picture inside the file)"),
                              FormatMessage(204, {m_imagesDir}));
                }
            }
        } else if (!book.coverFile.isEmpty()) {
            record.CoverTempPath = StageFile(book.coverFile, number, staged);
        }
        if (!record.BackCoverTempPath.isEmpty())
            record.BackCoverTempPath = StageFile(record.BackCoverTempPath, number, staged);
    }

    QString StageFile(const QString &path, const QString &number, QStringList &staged)
    {
        const QString source = QDir::isRelativePath(path) ? m_folder.filePath(path) : path;
        QString stagedPath;
        QString whyNot;
        if (StageOutsideCover(source, m_imagesDir, &stagedPath, &whyNot)) {
            staged.append(stagedPath);
            return stagedPath;
        }
        NoteCover(number, QDir::toNativeSeparators(source), whyNot);
        return QString();
    }

    void NoteCover(const QString &number, const QString &cover, const QString &whyNot)
    {
        m_result.notes.append(QDir::toNativeSeparators(m_source.path) + QStringLiteral(": ") +
                              FormatMessage(247, {number, cover, whyNot}));
    }

    // The book, its categories below the source's parent and the Reading
    // List, as one group: a book that fails leaves none of its rows.
    bool SaveNewBook(CImportedBook &book)
    {
        CBookRecord &record = book.record;
        const int createdBefore = int(m_restorer.CreatedIds().size());
        CTransaction group(m_connection);
        QVector<int> places;
        bool saved = group.IsActive() && m_restorer.Resolve(SourcePaths(book), places);
        if (saved && book.toRead && !places.contains(kReadingListId))
            places.append(kReadingListId);
        if (saved)
            saved = record.Save(true, m_options.categoryId, m_imagesDir, m_connection);
        const qint32 bookId = g_lastSavedBookId;
        for (qsizetype i = 0; saved && i < places.size(); ++i)
            saved = ExecuteSql(QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) "
                                              "VALUES (%1, %2)")
                                   .arg(bookId)
                                   .arg(places.at(i)),
                               false, m_connection);
        saved = saved && group.Commit();
        if (!saved) {
            const QString reason = !record.SaveError.isEmpty() ? record.SaveError
                                   : group.IsActive()          ? m_connection.LastError()
                                                               : group.Error();
            m_restorer.ForgetCreatedAfter(createdBefore);
            Failed(book, reason);
            return false;
        }
        AddLine(book, CImportReportLine::Outcome::Imported).bookId = quint32(bookId);
        return true;
    }

    // Each category path of the book below the parent named after the source.
    QVector<CBookXmlCategory> SourcePaths(const CImportedBook &book) const
    {
        QVector<CBookXmlCategory> paths;
        // The first name stands for the library's root, whatever it is called.
        const QString root = QStringLiteral(">>Root>>") + m_source.reader->SourceName();
        for (const QStringList &path : book.categories)
            paths.append(
                {QString(), root + QStringLiteral(">>") + path.join(QStringLiteral(">>"))});
        return paths;
    }

    // Fills the empty fields of the stored book `bookId` from the record;
    // nothing else of it changes.
    bool FillStoredBook(CImportedBook &book, int bookId)
    {
        CBookRecord stored;
        bool found = false;
        if (!stored.Load(bookId, m_connection, CBookRecord::LoadFor::Editing, &found) || !found) {
            Failed(book, m_connection.LastError());
            return false;
        }
        const CBookRecord &record = book.record;
        bool changed = false;
        const auto fill = [&changed](QString &field, const QString &value) {
            if (field.trimmed().isEmpty() && !value.trimmed().isEmpty()) {
                field = value;
                changed = true;
            }
        };
        for (QString CBookRecord::*member : kFillableFields)
            fill(stored.*member, record.*member);
        if (stored.Series.trimmed().isEmpty() && !record.Series.isEmpty()) {
            stored.Series = record.Series;
            stored.SeriesNumber = record.SeriesNumber;
            changed = true;
        }
        if (stored.MyRating == 0 && record.MyRating != 0) {
            stored.MyRating = record.MyRating;
            changed = true;
        }
        if (stored.FrontCover.isEmpty())
            fill(stored.CoverTempPath, record.CoverTempPath);
        if (stored.BackCover.isEmpty())
            fill(stored.BackCoverTempPath, record.BackCoverTempPath);
        if (!changed) {
            AddLine(book, CImportReportLine::Outcome::Skipped,
                    QCoreApplication::translate(
                        "Import",
                        "the library has a book with this ISBN already, without an empty field "
                        "the record could fill: %1")
                        .arg(stored.Title));
            return false;
        }
        if (!stored.Save(false, 0, m_imagesDir, m_connection)) {
            Failed(book, stored.SaveError);
            return false;
        }
        AddLine(book, CImportReportLine::Outcome::Filled).bookId = quint32(bookId);
        return true;
    }

    QString m_imagesDir;
    CLibraryConnection &m_connection;
    const CCatalogueImportOptions &m_options;
    CCategoryRestorer m_restorer;
    CCatalogueImportResult m_result;
    CCatalogueSource m_source;
    QDir m_folder;
    QString m_wishListStatus;
    QString m_firstStatus;
    QString m_stopReason;
    QString m_lastSaveError;
    int m_read = 0;
    std::optional<CImportReportLine> m_pending; // the line onLine is told of next
};

} // namespace

QString CImportReportLine::Text() const
{
    QString what;
    switch (outcome) {
    case Outcome::Imported:
        what = title;
        break;
    case Outcome::Filled:
        what = QCoreApplication::translate("Import", "%1 (filled in the stored book)").arg(title);
        break;
    case Outcome::Skipped:
        what = QCoreApplication::translate("Import", "Skipped: %1").arg(reason);
        break;
    case Outcome::Failed:
        what = QCoreApplication::translate("Import", "Error: %1").arg(reason);
        break;
    }
    what.replace(u'\n', u' ');
    what.replace(u'\t', u' ');
    return QString::number(number) + u'\t' + what;
}

QString CCatalogueImportResult::Summary() const
{
    return FormatMessage(
        243, {QString::number(imported), QString::number(skipped), QString::number(failed)});
}

QString CCatalogueImportResult::ReportText() const
{
    QStringList text;
    QStringList sources;
    for (const CImportReportLine &line : lines) {
        if (!sources.contains(line.source))
            sources.append(line.source);
    }
    QString lastSource;
    for (const CImportReportLine &line : lines) {
        if (sources.size() > 1 && line.source != lastSource) {
            lastSource = line.source;
            text.append(QDir::toNativeSeparators(line.source));
        }
        text.append(line.Text());
    }
    text += notes;
    if (cancelled)
        text.append(QCoreApplication::translate("Import", "The import was cancelled; nothing of it "
                                                          "was kept."));
    else if (!completed)
        text.append(error);
    else
        text.append(Summary());
    return text.join(u'\n') + u'\n';
}

CCatalogueImportResult ImportCatalogue(const QList<CCatalogueSource> &sources,
                                       const QString &imagesDir, CLibraryConnection &connection,
                                       const CCatalogueImportOptions &options)
{
    return CCatalogueImportRun(imagesDir, connection, options).Run(sources);
}
