#pragma once

#include "frame/CommandTarget.h"

#include <QCoreApplication>
#include <QString>

class CMainFrame;
enum class CsvExportLayout;

// File > Export > CSV and Goodreads CSV: the books the list shows for the
// current category written as a table. Only reads, so a read-only library
// is exported too.
class CCsvExportCommands : public CCommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CCsvExportCommands)

public:
    explicit CCsvExportCommands(CMainFrame &frame) : m_frame(frame) {}

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

private:
    void Export(CsvExportLayout layout, const QString &caption);

    CMainFrame &m_frame;
};
