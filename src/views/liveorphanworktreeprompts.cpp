#include "views/liveorphanworktreeprompts.h"

#include "views/worktreecleanupdialogs.h"

namespace Brindlewick {

// The same questions as after a session's deletion: one set of dialogs for every worktree removal.

bool LiveOrphanWorktreePrompts::confirmForceRemove(QWidget *, const QString &worktreePath)
{
    return WorktreeCleanupDialogs::prompt().confirmForceRemove(worktreePath);
}

void LiveOrphanWorktreePrompts::reportRemovalFailed(QWidget *, const QString &worktreePath)
{
    WorktreeCleanupDialogs::prompt().reportRemovalFailed(worktreePath);
}

bool LiveOrphanWorktreePrompts::confirmForceBranchDelete(QWidget *, const QString &branch)
{
    return WorktreeCleanupDialogs::prompt().confirmForceBranchDelete(branch);
}

} // namespace Brindlewick
