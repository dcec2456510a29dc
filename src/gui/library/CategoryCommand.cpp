#include "library/CategoryCommand.h"

#include "db/TomeloDoc.h"

CCategoryCommand::CCategoryCommand(CTomeloDoc &doc, const QVector<int> &categoryIds,
                                   const QString &text)
    : CLibraryCommand(doc, CSnapshotScope::ForCategories(categoryIds), text),
      m_shownCategory(categoryIds.value(0))
{}

void CCategoryCommand::ShowResult(CHeldCovers::Side)
{
    if (m_doc.m_treeView && m_shownCategory != 0)
        m_doc.m_treeView->SelectCategory(m_shownCategory);
}
