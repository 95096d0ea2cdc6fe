#pragma once

// Finds the worktrees that the application made for a project and that no session works in any
// more. Pure (apart from resolving links while normalising paths); any thread.

#include "services/gitservice.h"

#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>
#include <vector>

namespace Brindlewick {

struct OrphanWorktree {
    QString path; // normalised
    std::optional<QString> branch;
    std::optional<QString> head;
    bool isLocked = false;

    // The branch; else "detached @ " and the first 7 characters of the commit; else the folder name.
    QString displayLabel() const;
    bool operator==(const OrphanWorktree &) const = default;
};

struct OrphanWorktreeFinder {
    // Only worktrees below <worktreesRoot>/<project id>/ count, each path once, and none that an
    // active session has as its working folder.
    static std::vector<OrphanWorktree> find(const std::vector<WorktreeListEntry> &entries,
                                            const QString &worktreesRoot, const QUuid &projectID,
                                            const QStringList &activeWorkingDirectories);
};

} // namespace Brindlewick
