#pragma once

#include "views/orphanworktreeprompts.h"

namespace Brindlewick {

// Application-modal warning alerts; the first button is the default, and any answer but the
// destructive second button counts as the first.
class LiveOrphanWorktreePrompts final : public OrphanWorktreePrompts {
public:
    bool confirmForceRemove(QWidget *parent, const QString &worktreePath) override;
    void reportRemovalFailed(QWidget *parent, const QString &worktreePath) override;
    bool confirmForceBranchDelete(QWidget *parent, const QString &branch) override;
};

} // namespace Brindlewick
