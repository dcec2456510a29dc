#include "CliCommands.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/CoverStaging.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "online/IsbnRules.h"
#include "xml/BookPage.h"
#include "xml/BookXmlReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>
#include <vector>

namespace {

using CFieldValues = std::vector<std::pair<QString, QString>>;

int EditUsage()
{
    return UsageError(QStringLiteral("usage: tomelodex-cli edit LIBRARY BOOKID FIELD=VALUE..."));
}

// FIELD=VALUE arguments, each FIELD a single field of the book XML; false
// after a usage error.
bool ParseFieldValues(const QStringList &texts, CFieldValues *values)
{
    CBookRecord probe;
    for (const QString &text : texts) {
        const qsizetype equals = text.indexOf(u'=');
        if (equals <= 0) {
            EditUsage();
            return false;
        }
        const QString field = text.left(equals);
        if (!SetBookFieldFromXml(probe, field, QString())) {
            UsageError(QCoreApplication::translate("Cli", "tomelodex-cli edit: unknown field '%1'")
                           .arg(field));
            return false;
        }
        values->emplace_back(field, text.mid(equals + 1));
    }
    return true;
}

bool IsCoverField(const QString &field)
{
    return field == u"FrontCover" || field == u"BackCover";
}

// The picture files staged by this edit; removed unless the book took them.
class CStagedCovers
{
public:
    ~CStagedCovers()
    {
        for (const QString &path : std::as_const(m_paths))
            QFile::remove(path);
    }
    void Add(const QString &path) { m_paths.append(path); }
    void Release() { m_paths.clear(); }

private:
    QStringList m_paths;
};

// Sets the fields on `book` as the sheet would; a cover names a picture
// file, which is checked and staged like an imported one (an empty value
// removes the cover). False after a message.
bool ApplyFields(CBookRecord &book, const CFieldValues &values, const QString &imagesDir,
                 CStagedCovers &staged)
{
    // Stored covers stay unless a value replaces them, as the sheet's covers
    // page keeps them.
    const auto stored = [&imagesDir](const QString &name) {
        const QString file = CoverFileName(name);
        return file.isEmpty() ? QString() : QDir(imagesDir).filePath(file);
    };
    book.CoverTempPath = stored(book.FrontCover);
    book.BackCoverTempPath = stored(book.BackCover);
    bool isbnGiven = false;
    bool titleGiven = false;
    for (const auto &[field, value] : values) {
        QString text = value;
        if (IsCoverField(field) && !value.isEmpty()) {
            QString whyNot;
            if (!StageOutsideCover(value, imagesDir, &text, &whyNot)) {
                ShowMessage(value + QStringLiteral(": ") + whyNot, MsgIcon::Warning);
                return false;
            }
            staged.Add(text);
        }
        SetBookFieldFromXml(book, field, text);
        isbnGiven = isbnGiven || field == u"ISBN";
        titleGiven = titleGiven || field == u"Title";
    }
    if (titleGiven && book.Title.trimmed().isEmpty()) {
        ShowMessage(LoadString(155), MsgIcon::Warning);
        return false;
    }
    if (book.Series.trimmed().isEmpty() && !book.SeriesNumber.trimmed().isEmpty()) {
        ShowMessage(QCoreApplication::translate("Cli", "A number in a series needs the name of "
                                                       "the series (Series=NAME)."),
                    MsgIcon::Warning);
        return false;
    }
    if (const CBookRecord::ColumnLimit *tooLong = book.FirstTooLong()) {
        ShowMessage(CBookRecord::TooLongMessage(QLatin1String(tooLong->Field),
                                                (book.*tooLong->Text).size(), tooLong->Limit),
                    MsgIcon::Warning);
        return false;
    }
    if (isbnGiven)
        book.ISBN = NormalizeIsbn(book.ISBN);
    return true;
}

int CmdEdit(const QStringList &args)
{
    if (args.size() < 3 || !CheckPlainArgs(args, int(args.size())))
        return EditUsage();
    int bookId = 0;
    if (!ParseId(args.at(1), &bookId) || bookId <= 0)
        return UsageError(
            QCoreApplication::translate("Cli", "tomelodex-cli %1: '%2' is not a book number")
                .arg(QStringLiteral("edit"), args.at(1)));
    CFieldValues values;
    if (!ParseFieldValues(args.mid(2), &values))
        return kExitUsage;

    const QString path = args.at(0);
    CTomeloDoc doc;
    if (!OpenLibraryToWrite(doc, path))
        return kExitFailed;
    const CMessagesAboutFile about(path);
    CLibraryConnection &connection = *doc.m_connection;
    const QString imagesDir = TomeloApp().m_imagesDir;

    // Read, change and write under one write lock: nobody can change the
    // book in between, so there is nothing to ask.
    CTransaction transaction(connection);
    if (!transaction.IsActive()) {
        PrintErr(path + QStringLiteral(": ") + transaction.Error());
        return kExitFailed;
    }
    CBookRecord book;
    bool found = false;
    if (!book.Load(bookId, connection, CBookRecord::LoadFor::Editing, &found))
        return kExitFailed;
    if (!found) {
        PrintErr(QCoreApplication::translate("Cli", "%1: the library has no book %2")
                     .arg(path)
                     .arg(bookId));
        return kExitFailed;
    }
    CStagedCovers staged;
    if (!ApplyFields(book, values, imagesDir, staged))
        return kExitFailed;
    CDeferredCovers covers(connection, imagesDir);
    if (!book.Save(false, 0, imagesDir, connection))
        return kExitFailed; // the save has said why
    staged.Release();       // the cover plans own them now
    if (!transaction.Commit()) {
        PrintErr(path + QStringLiteral(": ") + transaction.Error());
        return kExitFailed;
    }
    if (!covers.PlaceAll()) {
        ShowMessage(FormatMessage(204, {imagesDir}), MsgIcon::Warning);
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

std::vector<CCliCommand> EditCommands()
{
    return {
        {QStringLiteral("edit"), QStringLiteral("LIBRARY BOOKID FIELD=VALUE..."),
         QCoreApplication::translate(
             "Cli", "Sets fields of one book as the book sheet saves them, in one transaction. "
                    "FIELD is an element name of the book XML (Title, Author, MyRating, "
                    "Location, Notes, Series, SeriesNumber, ...; FrontCover and BackCover name a "
                    "picture file, empty for none; an empty Series takes the book out of its "
                    "series); every other column and row of the library stays. Fails for an "
                    "unknown book or a SeriesNumber that is not a number; an unknown field is a "
                    "usage error."),
         CmdEdit},
    };
}
