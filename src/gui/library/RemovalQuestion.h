#pragma once

#include <QCoreApplication>
#include <QString>

struct CCategoryRemoval;

// A question before a step that removes something: what will happen to
// what, with counts, and the button that carries it out.
struct CConfirmation
{
    QString text;
    QString action;
    bool canUndo = true;

    // True when the person chose the action.
    bool Ask() const;
};

// The questions asked before books or categories are removed, saying what
// really happens: where removed books go, and how many of them.
class CRemovalQuestion
{
    Q_DECLARE_TR_FUNCTIONS(CRemovalQuestion)

public:
    // Remove Book for `count` books shown in `categoryId`. In a category
    // other than All Books and the Recycle Bin, `categoryName` names it and
    // `inNoOtherCategory` books (-1: unknown) belong to it alone; with
    // `withSubcategories` the books leave its sub-categories too.
    static CConfirmation ForBooks(int categoryId, const QString &categoryName, int count,
                                  int inNoOtherCategory, bool withSubcategories = false);

    // Remove Category, from what removing it takes with it.
    static CConfirmation ForCategory(const CCategoryRemoval &removal);
};
