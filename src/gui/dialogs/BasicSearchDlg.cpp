#include "dialogs/BasicSearchDlg.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BasicSearch.h"
#include "db/TomeloDoc.h"
#include "dialogs/SearchCommand.h"
#include "frame/WaitCursor.h"
#include "undo/LibraryUndo.h"

#include <QCheckBox>
#include <QLabel>

CBasicSearchDlg::CBasicSearchDlg(QWidget *parent)
    : CLineInputDlg(tr("Basic Search"), tr("&Enter keyword:"), "Keyword", 229, parent)
{
    setObjectName(QStringLiteral("BasicSearchDlg"));
    m_clearFirst = new QCheckBox(tr("&Clear items in Search Results first"), this);
    m_clearFirst->setObjectName(QStringLiteral("ClearFirst"));
    m_clearFirst->setChecked(true);
    AddBelow(m_clearFirst);
    auto *fields = new QLabel(tr("Basic Search is able to search the following 7 fields: Book "
                                 "Title, Author, ISBN, Description, Notes, User Text 1 and User "
                                 "Text 2."),
                              this);
    fields->setWordWrap(true);
    AddBelow(fields);
    resize(400, sizeHint().height());
}

bool CBasicSearchDlg::ClearFirst() const
{
    return m_clearFirst->isChecked();
}

void RunBasicSearchCommand(CTomeloDoc &doc, QWidget *parent)
{
    CBasicSearchDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted || !doc.IsLibraryOpen())
        return;
    CBasicSearchResult result;
    {
        const CWaitCursor wait;
        auto command =
            std::make_unique<CSearchCommand>(doc, kSearchResultsCategory, dialog.Keyword());
        result = RunBasicSearch(doc, dialog.Keyword(), dialog.ClearFirst());
        if (result.ok)
            CLibraryUndo::Of(doc).Push(std::move(command));
    }
    if (result.ok && result.found > 0 && doc.m_currentCategoryId != kSearchResultsCategory &&
        doc.m_treeView) {
        // Selecting the category makes the list show it.
        doc.m_treeView->SelectCategory(kSearchResultsCategory);
    } else if (doc.m_currentCategoryId == kSearchResultsCategory) {
        // Shown already: the list reads it again, also when it was only emptied.
        doc.NotifyBooksChanged();
    }
    if (!result.ok)
        ShowMessage(result.error);
    else if (result.found == 0)
        ShowMessage(LoadString(230), MsgIcon::Information);
}
