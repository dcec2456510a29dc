#pragma once

#include "frame/CommandTarget.h"

class CMainFrame;
class CTomeloDoc;

// Edit > Undo and Edit > Redo of the window: the changes of the library's
// undo stack, named in the menu ("Undo Move 3 Books to Fiction").
class CUndoRedoCommands : public CCommandTarget
{
public:
    CUndoRedoCommands(CMainFrame &frame, CTomeloDoc &doc);

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

private:
    // Names the next change to undo and to redo in the menu items.
    void UpdateTexts();

    CMainFrame &m_frame;
    CTomeloDoc &m_doc;
};
