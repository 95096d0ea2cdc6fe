#pragma once

#include <QString>

class QWidget;

namespace Brindlewick {

// The questions the left-over worktree list asks before destroying anything. The live
// implementation shows warning alerts; tests install one that answers at once.
class OrphanWorktreePrompts {
public:
    virtual ~OrphanWorktreePrompts() = default;
    // True when the user chose to force the removal of a worktree that may hold changes.
    virtual bool confirmForceRemove(QWidget *parent, const QString &worktreePath) = 0;
    virtual void reportRemovalFailed(QWidget *parent, const QString &worktreePath) = 0;
    // True when the user chose to force-delete a branch that git would not delete.
    virtual bool confirmForceBranchDelete(QWidget *parent, const QString &branch) = 0;
};

} // namespace Brindlewick
