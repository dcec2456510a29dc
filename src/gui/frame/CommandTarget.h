#pragma once

// Something that carries out commands of the window: a pane, the frame or the
// application. The frame asks the pane with the focus first, then itself and
// the application, then the other panes in turn; the first target that
// handles a command carries it out, and the same order decides whether its
// menu item and toolbar button are enabled.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;

    // Whether this target handles `id`. When it does, sets `enabled` (and
    // `checked`, for items that show a check mark) to the command's state now.
    virtual bool OnUpdateCommand(int id, bool &enabled, bool &checked) = 0;

    // Carries out `id`; false when this target does not handle it.
    virtual bool OnCommand(int id) = 0;
};
