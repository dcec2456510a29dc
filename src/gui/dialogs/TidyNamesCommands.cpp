#include "dialogs/TidyNamesCommands.h"

#include "db/TomeloDoc.h"
#include "dialogs/TidyNamesDlg.h"
#include "frame/CommandIds.h"

bool CTidyNamesCommands::OnUpdateCommand(int id, bool &enabled, bool & /*checked*/)
{
    if (id != ID_TIDY_NAMES)
        return false;
    enabled = m_doc.IsLibraryOpen();
    return true;
}

bool CTidyNamesCommands::OnCommand(int id)
{
    if (id != ID_TIDY_NAMES)
        return false;
    if (m_doc.IsLibraryOpen()) {
        CTidyNamesDlg dialog(m_doc, m_window);
        dialog.exec();
    }
    return true;
}
