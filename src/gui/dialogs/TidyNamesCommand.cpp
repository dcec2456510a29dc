#include "dialogs/TidyNamesCommand.h"

#include "db/TomeloDoc.h"
#include "dialogs/TidyNamesDlg.h"
#include "frame/CommandIds.h"

bool CTidyNamesCommand::OnUpdateCommand(int id, bool &enabled, bool & /*checked*/)
{
    if (id != ID_TIDY_NAMES)
        return false;
    enabled = m_doc.IsLibraryOpen();
    return true;
}

bool CTidyNamesCommand::OnCommand(int id)
{
    if (id != ID_TIDY_NAMES)
        return false;
    if (m_doc.IsLibraryOpen()) {
        CTidyNamesDlg dialog(m_doc, m_window);
        dialog.exec();
    }
    return true;
}
