#pragma once

#include "services/worktreecleanup.h"

namespace Brindlewick {

// The worktree questions and the failure report as application-modal warning alerts.
struct WorktreeCleanupDialogs {
    static WorktreeCleanupPrompt prompt();
};

} // namespace Brindlewick
