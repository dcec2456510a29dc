#pragma once

#include "undo/LibraryCommand.h"

// A change of the category tree: the category table and the memberships of
// the categories it touches. Undone or redone, the category it was about
// becomes the current one where it still exists.
class CCategoryCommand : public CLibraryCommand
{
public:
    CCategoryCommand(CTomeloDoc &doc, const QVector<int> &categoryIds, const QString &text);

    // The category to show afterwards (a new category's number, say).
    void SetShownCategory(int categoryId) { m_shownCategory = categoryId; }

protected:
    void ShowResult(CHeldCovers::Side side) override;

private:
    int m_shownCategory = 0;
};
