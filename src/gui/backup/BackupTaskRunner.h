#pragma once

#include "backup/BackupCopier.h"

#include <QString>

#include <functional>

class QWidget;

// Runs a backup or a restore on a thread of its own while a modal progress
// window shows how far it has come, so the window keeps painting and
// answering. Cancel (or Esc) asks the work to stop at its next report.
class CBackupTaskRunner
{
public:
    CBackupTaskRunner(QWidget *owner, const QString &title, const QString &text);

    // Runs `work`, which reports through the progress it is given, and
    // returns what it returned.
    bool Run(const std::function<bool(const BackupProgress &progress)> &work);
    bool Cancelled() const { return m_cancelled; }

private:
    QWidget *m_owner;
    QString m_title;
    QString m_text;
    bool m_cancelled = false;
};
