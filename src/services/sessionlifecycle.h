#pragma once

#include <QUuid>

namespace Brindlewick {

class ModelContext;

// The only way a session is deleted: its processes end, its record goes, and its worktree is
// cleaned up. GUI thread.
struct SessionLifecycle {
    static void teardown(const QUuid &id, ModelContext &context);
};

} // namespace Brindlewick
