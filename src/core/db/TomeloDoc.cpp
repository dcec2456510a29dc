#include "db/TomeloDoc.h"

#include "app/FolderAlias.h"
#include "app/NativeFileName.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/CoverStaging.h"
#include "db/HeldCovers.h"
#include "db/LibraryBackup.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SchemaVersion.h"
#include "db/SqlFormat.h"
#include "db/StaleFiles.h"
#include "online/ProductLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>

#include <algorithm>

#include <sqlite3.h>

namespace {

struct FixedRow
{
    const char *statement;
    int string;
};

// The rows of a new library whose names follow the interface language.
const FixedRow kFixedRows[] = {
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=1", 211},
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=2", 212},
    {"UPDATE bookbinding SET Name=%1 WHERE BindingID=3", 213},
    {"UPDATE bookextras SET Name=%1 WHERE ExtrasID=3", 214},
    {"UPDATE booklanguage SET Name=%1 WHERE LanguageID=1", 215},
    {"UPDATE booklanguage SET Name=%1 WHERE LanguageID=2", 223},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=1", 219},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=2", 220},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=3", 221},
    {"UPDATE bookstatus SET Name=%1 WHERE StatusID=4", 222},
    {"UPDATE category SET Name=%1 WHERE CatID=1", 218},
    {"UPDATE category SET Name=%1 WHERE CatID=2", 224},
    {"UPDATE category SET Name=%1 WHERE CatID=3", 225},
    {"UPDATE category SET Name=%1 WHERE CatID=4", 226},
};

// Start of the names of a new library's copy on its way into place.
const char kLibraryTempPrefix[] = ".Tomelo-new-";

// A name in `folder` that no file has yet.
QString UniqueTempName(const QString &folder)
{
    QString name;
    do {
        name = QDir(folder).filePath(OwnFileNamePrefix(QLatin1String(kLibraryTempPrefix)) +
                                     QUuid::createUuid().toString(QUuid::Id128).left(12) +
                                     QStringLiteral(".tmp"));
    } while (QFileInfo::exists(name));
    return name;
}

// Tells the views that the document shows another library (or none),
// however an open ends.
class CLibraryOpenedNotice
{
public:
    explicit CLibraryOpenedNotice(CTomeloDoc &doc) : m_doc(doc) {}
    ~CLibraryOpenedNotice() { Q_EMIT m_doc.LibraryOpened(); }
    CLibraryOpenedNotice(const CLibraryOpenedNotice &) = delete;
    CLibraryOpenedNotice &operator=(const CLibraryOpenedNotice &) = delete;

private:
    CTomeloDoc &m_doc;
};

} // namespace

CTomeloDoc::CTomeloDoc()
{
    connect(&m_watchTimer, &QTimer::timeout, this, &CTomeloDoc::CheckForChanges);
}

CTomeloDoc::~CTomeloDoc() = default;

bool CTomeloDoc::OnNewDocument()
{
    m_currentCategoryId = -1;
    m_selectedBookIds.clear();
    Q_EMIT LibraryOpened();
    return true;
}

void CTomeloDoc::SetCurrentCategory(int categoryId)
{
    if (categoryId == m_currentCategoryId)
        return;
    m_currentCategoryId = categoryId;
    Q_EMIT CurrentCategoryChanged(categoryId);
}

void CTomeloDoc::SetSelectedBooks(const QVector<quint32> &bookIds)
{
    if (bookIds == m_selectedBookIds)
        return;
    m_selectedBookIds = bookIds;
    Q_EMIT SelectionChanged();
}

bool CTomeloDoc::IsLibraryOpen() const
{
    return m_connection && m_connection->IsOpen();
}

void CTomeloDoc::CloseLibrary()
{
    const CLibraryOpenedNotice notice(*this);
    m_currentCategoryId = -1;
    m_selectedBookIds.clear();
    ReleaseLibrary();
}

void CTomeloDoc::ReleaseLibrary()
{
    m_listRecordset.reset();
    m_connection.reset();
    m_pathName.clear();
    m_dataVersion = -1;
}

QString CTomeloDoc::ImagesDirFor(const QString &path)
{
    // The folder name is lower case, as libraries made elsewhere have it; the
    // folders above it are kept as they are, since this file system tells
    // letter case apart.
    const QFileInfo info(path);
    QString name = info.fileName().toLower();
    if (name.endsWith(QStringLiteral(".mdb")))
        name.chop(4);
    return QDir(info.absolutePath()).filePath(name + QStringLiteral("_images"));
}

bool CTomeloDoc::OnOpenDocument(const QString &path)
{
    QString reason;
    if (OpenLibrary(path, &reason))
        return true;
    if (!reason.isEmpty())
        ShowMessage(reason, MsgIcon::Error);
    return false;
}

bool CTomeloDoc::OpenLibrary(const QString &path, QString *reason)
{
    const bool isNew = m_isNewLibrary;
    m_isNewLibrary = false;
    auto connection = std::make_unique<CLibraryConnection>();
    if (!connection->Open(path, reason))
        return false;
    if (isNew && !TomeloApp().GetUiLanguage().isEmpty() && !LocaliseFixedRows(*connection))
        return false;
    // Reading needs no images folder: a library in a folder that cannot be
    // written opens without one, and saving a cover makes it later. Only a
    // new library must have it.
    const QString imagesDir = ImagesDirFor(path);
    if (connection->ReadOnlyReason().isEmpty() && !NativeIsDir(imagesDir) &&
        !NativeMakeDir(imagesDir) && isNew) {
        ShowMessage(FormatMessage(140, {PrintableFileName(imagesDir)}), MsgIcon::Error);
        return false;
    }

    // Only now, with the new library in hand, does the open one give way.
    const CLibraryOpenedNotice notice(*this);
    m_currentCategoryId = -1;
    m_selectedBookIds.clear();
    m_connectionString = QStringLiteral("Data Source=") + path;
    ReleaseLibrary();
    m_connection = std::move(connection);
    m_listRecordset = std::make_unique<CRecordset>(*m_connection);
    m_pathName = path;
    // The alias of the last library stays open until this one replaces it,
    // so the name in hand never leads to a folder reused under its number.
    m_imagesAlias = std::make_unique<CFolderAlias>(imagesDir);
    TomeloApp().m_imagesDir = m_imagesAlias->Path();
    RemoveStaleFiles(path, m_imagesAlias->Path());
    m_dataVersion = ReadDataVersion();
    ReloadTree();
    if (IsReadOnly())
        ShowMessage(ReadOnlyReason(), MsgIcon::Warning);
    return true;
}

QString CTomeloDoc::ReadOnlyReason() const
{
    return IsLibraryOpen() ? m_connection->ReadOnlyReason() : QString();
}

void CTomeloDoc::StartWatching(int intervalMs)
{
    m_watchTimer.start(intervalMs);
}

qint64 CTomeloDoc::ReadDataVersion() const
{
    CRecordset rs(*m_connection);
    return rs.Open(QStringLiteral("PRAGMA data_version")) && !rs.IsEOF() ? rs.GetInteger(0) : -1;
}

void CTomeloDoc::CheckForChanges()
{
    // Inside a transaction of this program nobody else can have committed.
    if (!IsLibraryOpen() || sqlite3_get_autocommit(m_connection->Handle()) == 0)
        return;
    const qint64 dataVersion = ReadDataVersion();
    if (dataVersion < 0 || dataVersion == m_dataVersion)
        return;
    int version = 0;
    if (!CSchemaVersion::Read(*m_connection, &version)) {
        m_dataVersion = -1; // busy: look again next time
        return;
    }
    m_dataVersion = dataVersion;
    // A newer program upgraded the library, or a tool took away a table this
    // program needs: opened again, the library says so itself.
    const int current = CSchemaVersion::Current();
    if ((version > current && !IsReadOnly()) ||
        !CSchemaVersion::MissingParts(*m_connection, std::min(version, current)).isEmpty()) {
        const QString path = m_pathName;
        if (!OnOpenDocument(path))
            CloseLibrary(); // what it has become must not be written as it was
        return;
    }
    Q_EMIT LibraryChangedElsewhere();
}

void CTomeloDoc::RemoveStaleFiles(const QString &path, const QString &imagesDir)
{
    // Left by a process that was killed: a lookup's downloads, a new library
    // or a copy kept before an upgrade on its way into place beside the
    // library, and covers on their way into the folder.
    RemoveFilesOfEndedProcesses(QDir::tempPath(), QLatin1String(kLookupTempPrefix));
    const CFolderAlias folder(QFileInfo(path).absolutePath());
    RemoveFilesOfEndedProcesses(folder.Path(), QLatin1String(kLibraryTempPrefix));
    RemoveFilesOfEndedProcesses(folder.Path(), QLatin1String(kLibraryBackupTempPrefix));
    RemoveStaleCoverStaging(imagesDir);
    // Pictures a killed window kept for undoing its changes.
    RemoveFoldersOfEndedProcesses(imagesDir, QLatin1String(kHeldCoversPrefix));
}

bool CTomeloDoc::LocaliseFixedRows(CLibraryConnection &connection)
{
    // All fourteen names or none: a library is never left half translated.
    CTransaction transaction(connection);
    QString error = transaction.Error();
    bool ok = transaction.IsActive();
    for (const FixedRow &row : kFixedRows) {
        if (!ok)
            break;
        const QString sql = QString::fromLatin1(row.statement)
                                .arg(FormatSqlLiteral(LoadString(row.string), kLiteralText));
        ok = connection.Execute(sql, &error);
    }
    if (ok && transaction.Commit())
        return true;
    if (error.isEmpty())
        error = transaction.Error();
    ShowMessage(error, MsgIcon::Error);
    return false;
}

bool CTomeloDoc::CreateLibrary(const QString &path)
{
    const QString templatePath = TomeloApp().GetAppDir() + QStringLiteral("Tomelodex.dbt");
    const QFileInfo target(path);
    const CFolderAlias folder(target.absolutePath());
    // Copy beside the target first, so that a failed copy never destroys the
    // file that was there.
    const QString partial = UniqueTempName(folder.Path());
    const bool copied = QFile::copy(templatePath, partial);
    if (copied)
        QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::WriteOwner |
                                           QFileDevice::ReadOwner);
    // A new library in place of the open one: the old connection must not
    // live on into the file that replaces it.
    if (copied && IsLibraryOpen() && NativeSameFile(m_pathName, path))
        CloseLibrary();
    // Renamed by the name's own bytes: exactly the file named is replaced.
    if (!copied || !NativeReplace(partial, path)) {
        QFile::remove(partial);
        ShowMessage(FormatMessage(166, {PrintableFileName(path)}), MsgIcon::Error);
        return false;
    }
    m_isNewLibrary = true;
    return OnOpenDocument(path);
}

QString CTomeloDoc::FormatByteSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

bool CTomeloDoc::CompactDatabase()
{
    if (!IsLibraryOpen())
        return false;
    const QString path = m_pathName;
    if (!CanWriteLibrary()) {
        ShowMessage(QCoreApplication::translate(
                        "Messages", "%1: the library cannot be written, so it was not compacted.")
                        .arg(PrintableFileName(path)),
                    MsgIcon::Error);
        return false;
    }
    const QString before = FormatByteSize(NativeFileSize(path));

    // VACUUM rewrites the file in place, under the database's own write lock
    // and journal: whatever other connections committed before is kept, they
    // wait meanwhile and go on writing to the compact file afterwards, and a
    // failure or a kill rolls back to the library as it was. Its working copy
    // goes to a temporary file rather than into memory.
    m_listRecordset.reset(); // an open query would keep VACUUM from starting
    QString error;
    m_connection->Execute(QStringLiteral("PRAGMA temp_store=FILE"));
    const bool compacted = m_connection->Execute(QStringLiteral("VACUUM"), &error);
    m_connection->Execute(QStringLiteral("PRAGMA temp_store=MEMORY"));
    if (compacted)
        ShowMessage(FormatMessage(235, {before, FormatByteSize(NativeFileSize(path))}),
                    MsgIcon::Information);
    else
        ShowMessage(QStringLiteral("%1: %2").arg(PrintableFileName(path), error), MsgIcon::Error);
    // Opened afresh, as after any change of the file, so the views start over.
    return OnOpenDocument(path) && compacted;
}

bool CTomeloDoc::CanWriteLibrary() const
{
    // The journal is made beside the library, so its folder must be writable too.
    return IsLibraryOpen() && sqlite3_db_readonly(m_connection->Handle(), "main") == 0 &&
           NativeCanWriteDir(QFileInfo(m_pathName).absolutePath());
}

void CTomeloDoc::ReloadTree()
{
    if (IsLibraryOpen() && m_treeView)
        m_treeView->LoadTree();
}
