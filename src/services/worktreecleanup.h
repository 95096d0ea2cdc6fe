#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Brindlewick {

// The questions and the report about a session's worktree; the view layer shows them as dialogs,
// tests answer them directly.
struct WorktreeCleanupPrompt {
    std::function<bool(const QString &worktreePath)> confirmForceRemove;
    std::function<void(const QString &worktreePath)> reportRemovalFailed;
    std::function<bool(const QString &branch)> confirmForceBranchDelete;
};

enum class WorktreeCleanupOutcome { removed, kept, failed };

// What the orphaned-worktree list does after a removal attempt.
struct OrphanDeleteEffect {
    enum class Kind { none, reportFailure, rescan, deleteBranch } kind = Kind::none;
    QString branch;
    bool operator==(const OrphanDeleteEffect &) const = default;
};

// Removes a deleted session's worktree without silently losing work: a clean worktree goes, one
// with changes (or whose status git cannot tell) only when the user forces it. Git runs on a
// background task; the questions come on the GUI thread. Nothing happens while the application
// quits.
struct WorktreeCleanup {
    struct GitResult {
        int exitCode = -1;
        QString output;
    };
    // Runs git with these arguments in that folder (blocking: called off the GUI thread).
    using Git = std::function<GitResult(const QStringList &arguments, const QString &workingDirectory)>;

    static void run(const QString &repositoryRoot, const QString &worktreePath, Git git,
                    WorktreeCleanupPrompt prompt, std::function<bool()> isTerminating, QObject *context,
                    std::function<void(WorktreeCleanupOutcome)> done = {});

    static OrphanDeleteEffect planOrphanDeletion(WorktreeCleanupOutcome outcome, bool optedInBranchDelete,
                                                 const std::optional<QString> &branch);
};

} // namespace Brindlewick
