#include "xml/XmlImport.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/CoverStaging.h"
#include "db/DbAccess.h"
#include "db/ImportCache.h"
#include "db/LibraryConnection.h"
#include "xml/BookXmlReader.h"
#include "xml/CategoryRestorer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// Cover notes beyond this many are counted, not listed.
constexpr int kMaxCoverNotes = 50;

// The covers of one imported book: each outside picture is checked and
// staged in the images folder, or dropped with a note.
class CImportedCovers
{
public:
    CImportedCovers(const QString &xmlPath, const QString &imagesDir)
        : m_folder(QFileInfo(xmlPath).absoluteDir()), m_imagesDir(imagesDir)
    {}

    void Stage(CBookRecord &record, int book)
    {
        m_staged.clear();
        Stage(record.CoverTempPath, book);
        Stage(record.BackCoverTempPath, book);
    }
    // Removes the staged copies of a book that was not saved.
    void Discard()
    {
        for (const QString &path : std::as_const(m_staged))
            QFile::remove(path);
        m_staged.clear();
    }
    void ShowNotes() const
    {
        if (m_notes.isEmpty())
            return;
        QString text = m_notes.join(u'\n');
        if (m_unlisted > 0)
            text += u'\n' + FormatCountedMessage(252, m_unlisted);
        ShowMessage(text, MsgIcon::Warning);
    }

private:
    void Stage(QString &path, int book)
    {
        if (path.isEmpty())
            return;
        const QString source = QDir::isRelativePath(path) ? m_folder.filePath(path) : path;
        QString staged;
        QString whyNot;
        if (StageOutsideCover(source, m_imagesDir, &staged, &whyNot)) {
            m_staged.append(staged);
            path = staged;
            return;
        }
        if (m_notes.size() < kMaxCoverNotes)
            m_notes.append(FormatMessage(247, {QString::number(book), path, whyNot}));
        else
            ++m_unlisted;
        path.clear();
    }

    QDir m_folder;
    QString m_imagesDir;
    QStringList m_staged;
    QStringList m_notes;
    int m_unlisted = 0;
};

// Saves a new book into the categories the file names for it (the
// current category when it names none). The categories made for it are one
// group with its rows: a book that is skipped or fails leaves none behind.
bool SaveIntoFileCategories(CBookRecord &record, const QVector<CBookXmlCategory> &categories,
                            int categoryId, const QString &imagesDir,
                            CLibraryConnection &connection, CCategoryRestorer &restorer)
{
    const int createdBefore = int(restorer.CreatedIds().size());
    CTransaction group(connection);
    QVector<int> places;
    bool saved = group.IsActive() && restorer.Resolve(categories, places);
    if (saved) {
        saved = record.Save(true, places.isEmpty() ? categoryId : places.first(), imagesDir,
                            connection);
        const qint32 bookId = g_lastSavedBookId;
        for (qsizetype i = 1; saved && i < places.size(); ++i)
            saved = ExecuteSql(QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) "
                                              "VALUES (%1, %2)")
                                   .arg(bookId)
                                   .arg(places.at(i)),
                               true, connection);
        saved = saved && group.Commit();
    }
    if (!saved) {
        if (record.SaveError.isEmpty() && !record.SkippedDuplicate)
            record.SaveError = group.IsActive() ? connection.LastError() : group.Error();
        restorer.ForgetCreatedAfter(createdBefore);
    }
    return saved;
}

QString SummaryMessage(const CXmlImportResult &result, bool restoredCategories)
{
    QString summary =
        restoredCategories
            ? FormatString(
                  TranslatedCountedMessage(
                      QT_TRANSLATE_N_NOOP("Messages", "%n book(s) found; %1 imported into the "
                                                      "categories the file names."),
                      result.found),
                  {QString::number(result.imported)})
            : FormatCountedMessage(233, result.found, {QString::number(result.imported)});
    if (!result.createdCategoryIds.isEmpty())
        summary += u'\n' + TranslatedCountedMessage(
                               QT_TRANSLATE_N_NOOP("Messages",
                                                   "%n [category was|categories were] created."),
                               result.createdCategoryIds.size());
    return summary + u'\n' +
           FormatMessage(243, {QString::number(result.imported), QString::number(result.skipped),
                               QString::number(result.failed)});
}

} // namespace

CXmlImportResult ImportBooksXml(const QString &path, int categoryId, const QString &imagesDir,
                                CLibraryConnection &connection, const CXmlImportOptions &options)
{
    CXmlImportResult result;
    CBookXmlReader reader(path);
    if (reader.Failed()) {
        ShowMessage(LoadString(143) + u'\n' + reader.Error(), MsgIcon::Warning);
        return result;
    }

    // One transaction for the whole file, in which each book is a group of
    // its own: a book that fails leaves nothing behind, the others stay, and
    // the disk is synced once. Nothing is ever written outside it.
    std::optional<CTransaction> transaction;
    QString error;
    bool busy = false;
    if (!BeginImportTransaction(transaction, connection, options.onWaiting, options.busyWaitSeconds,
                                &error, &busy)) {
        result.loaded = true;
        ShowMessage(busy ? LoadString(245) : FormatMessage(246, {error}), MsgIcon::Warning);
        return result;
    }
    CBulkWriteScope bulk(connection);
    CImportCache cache(connection);
    CDeferredCovers placements(connection, imagesDir);
    CImportedCovers covers(path, imagesDir);
    std::optional<CCategoryRestorer> restorer;
    if (options.restoreCategories) {
        restorer.emplace(connection);
        if (!restorer->Load()) {
            result.loaded = true;
            return result;
        }
    }
    bool transactionLost = false;
    QString lastError;
    const auto goOn = [&] { return !options.onBookRead || options.onBookRead(result.found); };
    for (;;) {
        CBookRecord record;
        if (!reader.ReadNext(record))
            break;
        ++result.found;
        covers.Stage(record, result.found);
        const bool saved = restorer
                               ? SaveIntoFileCategories(record, reader.Categories(), categoryId,
                                                        imagesDir, connection, *restorer)
                               : record.Save(true, categoryId, imagesDir, connection);
        if (saved) {
            ++result.imported;
            result.bookIds.append(quint32(g_lastSavedBookId));
        } else {
            covers.Discard();
            if (record.SkippedDuplicate) {
                ++result.skipped;
            } else {
                ++result.failed;
                lastError = record.SaveError;
                // A full disk or an I/O error makes the database roll the
                // whole transaction back; going on would write books one by one.
                if (!InImportTransaction(connection)) {
                    transactionLost = true;
                    break;
                }
            }
        }
        if (!goOn()) {
            result.cancelled = true;
            break;
        }
    }
    if (result.cancelled) {
        transaction.reset();
        result.imported = 0;
        result.bookIds.clear();
        return result;
    }

    const auto stop = [&](const QString &message) {
        transaction.reset();
        result.imported = 0;
        result.bookIds.clear();
        ShowMessage(message, MsgIcon::Warning);
        return result;
    };
    if (reader.Failed())
        return stop(LoadString(143) + u'\n' + reader.Error());
    result.loaded = true;
    if (transactionLost || !InImportTransaction(connection))
        return stop(FormatMessage(246, {lastError}));
    if (!transaction->Commit())
        return stop(FormatMessage(246, {transaction->Error()}));
    result.completed = true;
    if (restorer)
        result.createdCategoryIds = restorer->CreatedIds();

    if (!placements.PlaceAll())
        ShowMessage(FormatMessage(204, {imagesDir}), MsgIcon::Warning);
    covers.ShowNotes();
    ShowMessage(SummaryMessage(result, options.restoreCategories), MsgIcon::Information);
    return result;
}
