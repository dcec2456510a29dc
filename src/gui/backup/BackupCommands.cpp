#include "backup/BackupCommands.h"

#include "app/NativeFileName.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "backup/BackupManifest.h"
#include "backup/BackupRestorer.h"
#include "backup/BackupTaskRunner.h"
#include "backup/BackupWriter.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/FileDialogs.h"
#include "frame/MainFrame.h"

#include <QDate>
#include <QFileInfo>

bool CBackupCommands::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    checked = false;
    switch (id) {
    case ID_FILE_BACKUP:
        // Only reads: a read-only library is backed up as well.
        enabled = m_frame.Document().IsLibraryOpen();
        return true;
    case ID_FILE_RESTORE_BACKUP:
        enabled = true;
        return true;
    default:
        return false;
    }
}

bool CBackupCommands::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_BACKUP:
        OnBackUp();
        return true;
    case ID_FILE_RESTORE_BACKUP:
        OnRestore();
        return true;
    default:
        return false;
    }
}

QString CBackupCommands::BackupFilter()
{
    return tr("Library backups (*.zip)") + QStringLiteral(";;") + tr("All files (*)");
}

void CBackupCommands::OnBackUp()
{
    CTomeloDoc &doc = m_frame.Document();
    if (!doc.IsLibraryOpen())
        return;
    const QString library = doc.GetPathName();
    const QFileInfo info(library);
    // Beside the library, named after it and the day.
    const QString suggested = info.absolutePath() + u'/' + info.completeBaseName() + u'-' +
                              QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".zip");
    QString archive = AskSaveFileName(&m_frame, tr("Back Up Library"), BackupFilter(), suggested);
    if (archive.isEmpty())
        return;
    if (QFileInfo(archive).suffix().isEmpty())
        archive += QStringLiteral(".zip");

    CBackupTaskRunner runner(
        &m_frame, tr("Back Up Library"),
        tr("Backing up %1 to %2...")
            .arg(PrintableFileName(info.fileName()), QFileInfo(archive).fileName()));
    QString error;
    const bool written = runner.Run([&](const BackupProgress &progress) {
        return CBackupWriter::Write(library, archive, progress, &error);
    });
    if (written)
        ShowMessage(tr("The library was backed up to %1.").arg(archive), MsgIcon::Information);
    else if (!runner.Cancelled())
        ShowMessage(error, MsgIcon::Error);
}

void CBackupCommands::OnRestore()
{
    const QString archive = AskOpenFileName(&m_frame, tr("Restore from Backup"), BackupFilter());
    if (archive.isEmpty())
        return;
    // What it is, before anything is asked about where it goes.
    CBackupManifest manifest;
    QString error;
    if (!CBackupRestorer::ReadManifest(archive, &manifest, &error)) {
        ShowMessage(error, MsgIcon::Error);
        return;
    }
    const QFileInfo backup(archive);
    QString name = manifest.libraryName;
    if (!name.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive))
        name = backup.completeBaseName() + QStringLiteral(".mdb");
    QString library =
        AskSaveFileName(&m_frame, tr("Restore Library As"), DialogFilter(LoadString(207)),
                        backup.absolutePath() + u'/' + name);
    if (library.isEmpty())
        return;
    if (QFileInfo(library).suffix().isEmpty())
        library += QStringLiteral(".mdb");

    CBackupTaskRunner runner(
        &m_frame, tr("Restore from Backup"),
        tr("Restoring %1 as %2...").arg(backup.fileName(), QFileInfo(library).fileName()));
    const bool restored = runner.Run([&](const BackupProgress &progress) {
        return CBackupRestorer::Restore(archive, library, progress, &error);
    });
    if (!restored) {
        if (!runner.Cancelled())
            ShowMessage(error, MsgIcon::Error);
        return;
    }
    m_frame.OpenDocumentFile(library);
}
