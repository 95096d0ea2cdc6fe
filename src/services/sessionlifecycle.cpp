#include "services/sessionlifecycle.h"

#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/localization.h"
#include "services/logging.h"
#include "services/sessionprocessmanager.h"

#include <QTimer>

namespace Brindlewick {

namespace {
SessionLifecycle::WorktreeCleanup &installedCleanup() {
    static SessionLifecycle::WorktreeCleanup cleanup;
    return cleanup;
}
} // namespace

void SessionLifecycle::setWorktreeCleanup(WorktreeCleanup cleanup) {
    installedCleanup() = std::move(cleanup);
}

void SessionLifecycle::teardown(const QUuid &id, ModelContext &context) {
    SessionProcessManager::shared().terminate(id);
    Session *session = context.find<Session>(id);
    if (!session) {
        qCDebug(lcSessionLifecycle, "teardown: no session %s", qUtf8Printable(uuidText(id)));
        return;
    }
    QString repositoryRoot;
    QString worktreePath;
    if (session->isWorktree() && session->project()) {
        repositoryRoot = session->project()->rootPath();
        worktreePath = session->workingDirectory();
    }
    context.remove(session);
    if (auto saved = context.save(); !saved) {
        qCCritical(lcSessionLifecycle, "%s",
                   qUtf8Printable(L("セッション削除に失敗: %@", saved.error().description)));
        context.rollback();
        return;
    }
    if (worktreePath.isEmpty())
        return;
    WorktreeCleanup cleanup = installedCleanup();
    if (!cleanup) {
        qCWarning(lcSessionLifecycle, "no worktree clean-up installed; %s stays",
                  qUtf8Printable(worktreePath));
        return;
    }
    QTimer::singleShot(0, [cleanup, repositoryRoot, worktreePath] { cleanup(repositoryRoot, worktreePath); });
}

} // namespace Brindlewick
