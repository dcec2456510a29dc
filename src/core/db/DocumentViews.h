#pragma once

// What the library document asks of the views that show it. The window's
// views implement these; the document only holds pointers to them.
class ITreeView
{
public:
    virtual ~ITreeView() = default;
    // Rebuilds the category tree from the open library.
    virtual void LoadTree() = 0;
    // Selects category `categoryId`, which makes it the current category
    // (a category link in the information page asks for this).
    virtual void SelectCategory(int categoryId) { (void)categoryId; }
};

class IListView
{
public:
    virtual ~IListView() = default;
};

class IInfoView
{
public:
    virtual ~IInfoView() = default;
};
