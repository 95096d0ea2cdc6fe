#pragma once

// Creating a project's new session record: its order and title, and saving it (rolled back on
// failure). The worktree, when one is wanted, is made beforehand by WorktreeProvisioner on a
// background task. GUI thread (it writes the main context).

#include <QString>
#include <QUuid>

#include <vector>

namespace Brindlewick {

class ModelContext;
class Project;
class Session;

struct SessionLauncher {
    struct Options {
        bool skipPermissions = false;
        bool remoteControl = false;
    };

    // One more than the largest order among the sessions, 0 for none.
    static qint64 nextOrder(const std::vector<Session *> &sessions);
    // "セッション <order + 1>" in the working column; nullptr when saving failed (rolled back and
    // logged).
    static Session *createSession(ModelContext &context, Project *project, const QUuid &id,
                                  const QString &workingDirectory, bool isWorktree, const Options &options,
                                  qint64 order);
};

} // namespace Brindlewick
