#include "CliCommands.h"

#include "app/UserPrompt.h"
#include "backup/BackupRestorer.h"
#include "backup/BackupWriter.h"
#include "db/LibraryConnection.h"

#include <QCoreApplication>

namespace {

int CmdBackup(const QStringList &args)
{
    if (!CheckPlainArgs(args, 2))
        return UsageError(QStringLiteral("usage: tomelodex-cli backup LIBRARY FILE"));
    const QString &library = args.at(0);
    const QString &file = args.at(1);
    if (RefuseStrayName(file))
        return kExitFailed;
    {
        // Only a library is backed up; anything else fails as opening it would.
        const CMessagesAboutFile about(library);
        CLibraryConnection connection;
        QString why;
        if (!connection.Open(library, &why)) {
            ShowMessage(why, MsgIcon::Error);
            return kExitFailed;
        }
    }
    QString error;
    if (!CBackupWriter::Write(library, file, BackupProgress(), &error)) {
        PrintErr(error);
        return kExitFailed;
    }
    return kExitOk;
}

int CmdRestore(const QStringList &args)
{
    if (!CheckPlainArgs(args, 2))
        return UsageError(QStringLiteral("usage: tomelodex-cli restore FILE LIBRARY"));
    if (RefuseStrayName(args.at(0)))
        return kExitFailed;
    QString error;
    if (!CBackupRestorer::Restore(args.at(0), args.at(1), BackupProgress(), &error)) {
        PrintErr(error);
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

std::vector<CCliCommand> BackupCommands()
{
    return {
        {QStringLiteral("backup"), QStringLiteral("LIBRARY FILE"),
         QCoreApplication::translate(
             "Cli", "Writes one backup file (a zip) of the library and its covers, consistent "
                    "even while other programs use the library. Prints nothing."),
         CmdBackup},
        {QStringLiteral("restore"), QStringLiteral("FILE LIBRARY"),
         QCoreApplication::translate(
             "Cli", "Makes a new library, with its covers, from a backup file. LIBRARY must not "
                    "exist yet. Prints nothing."),
         CmdRestore},
    };
}
