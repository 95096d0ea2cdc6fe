#pragma once

#include <QString>
#include <QUuid>

#include <functional>

namespace Brindlewick {

class ModelContext;

// The only way a session is deleted: its processes end, its record goes, and its worktree is
// cleaned up. GUI thread.
struct SessionLifecycle {
    // Removes a session's worktree after its record is gone (repository root, worktree path). It
    // runs one turn of the event loop after teardown and may ask the user; the application
    // installs the git-backed one.
    using WorktreeCleanup = std::function<void(const QString &repositoryRoot, const QString &worktreePath)>;
    static void setWorktreeCleanup(WorktreeCleanup cleanup);

    // Stops the session's processes, deletes its record and, for a session in a worktree of its
    // own, schedules the worktree's clean-up. A failed save leaves record and worktree in place.
    static void teardown(const QUuid &id, ModelContext &context);
};

} // namespace Brindlewick
