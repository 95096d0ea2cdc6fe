#pragma once

// Where a session's worktree lives and which new branch it is on, and the branch-name rule that
// every git command taking a branch name must pass. Pure; any thread.

#include <QString>
#include <QUuid>

namespace Brindlewick {

struct WorktreePlan {
    QString path;   // <worktrees root>/<project id>/<session id>, ids in upper-case text
    QString branch; // "bwk/session-" + the session id in lower case

    static WorktreePlan make(const QString &worktreesRoot, const QUuid &projectID, const QUuid &sessionID);
    // Rejects names git would refuse or misread as an option, a range or a reflog expression.
    static bool isValidBranchName(const QString &name);

    bool operator==(const WorktreePlan &) const = default;
};

} // namespace Brindlewick
