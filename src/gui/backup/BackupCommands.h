#pragma once

#include "frame/CommandTarget.h"

#include <QCoreApplication>
#include <QString>

class CMainFrame;

// File > Back Up Library and File > Restore from Backup. Backing up only
// reads the library, so it is offered for read-only libraries too; a
// restore makes a new library and opens it.
class CBackupCommands : public CCommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CBackupCommands)

public:
    explicit CBackupCommands(CMainFrame &frame) : m_frame(frame) {}

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

private:
    void OnBackUp();
    void OnRestore();
    static QString BackupFilter();

    CMainFrame &m_frame;
};
