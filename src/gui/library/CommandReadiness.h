#pragma once

#include "frame/CommandTarget.h"

// How a pane stands to a command before carrying it out: not its command,
// its command but disabled now (so nothing happens), or ready to run.
enum class CommandReadiness
{
    NotHandled,
    Disabled,
    Ready
};

inline CommandReadiness Readiness(CCommandTarget &target, int id)
{
    bool enabled = false;
    bool checked = false;
    if (!target.OnUpdateCommand(id, enabled, checked))
        return CommandReadiness::NotHandled;
    return enabled ? CommandReadiness::Ready : CommandReadiness::Disabled;
}
