#include "services/worktreecleanup.h"

#include "services/backgroundtask.h"
#include "services/localization.h"
#include "services/logging.h"

namespace Brindlewick {

void WorktreeCleanup::run(const QString &repositoryRoot, const QString &worktreePath, Git git,
                          WorktreeCleanupPrompt prompt, std::function<bool()> isTerminating, QObject *context,
                          std::function<void(WorktreeCleanupOutcome)> done) {
    auto finish = [done](WorktreeCleanupOutcome outcome) {
        if (done)
            done(outcome);
    };
    if (isTerminating && isTerminating())
        return; // the worktree stays; it shows up as left over later
    runInBackground(
        context,
        [git, worktreePath] {
            return git({QStringLiteral("status"), QStringLiteral("--porcelain"),
                        QStringLiteral("--untracked-files=all")},
                       worktreePath);
        },
        [=](const GitResult &status) {
            QStringList removal{QStringLiteral("worktree"), QStringLiteral("remove")};
            const bool clean = status.exitCode == 0 && status.output.trimmed().isEmpty();
            if (!clean) {
                // Changes, untracked files or a failing git: only the user may throw them away.
                if (!prompt.confirmForceRemove || !prompt.confirmForceRemove(worktreePath)) {
                    qCInfo(lcSessionLifecycle, "%s",
                           qUtf8Printable(L("worktree を保持しました: %@", worktreePath)));
                    finish(WorktreeCleanupOutcome::kept);
                    return;
                }
                removal << QStringLiteral("--force");
            }
            removal << QStringLiteral("--") << worktreePath;
            runInBackground(
                context, [git, removal, repositoryRoot] { return git(removal, repositoryRoot); },
                [=](const GitResult &removed) {
                    if (removed.exitCode == 0) {
                        finish(WorktreeCleanupOutcome::removed);
                        return;
                    }
                    qCCritical(lcSessionLifecycle, "%s",
                               qUtf8Printable(L("worktree の削除に失敗: %@", worktreePath)));
                    if (prompt.reportRemovalFailed)
                        prompt.reportRemovalFailed(worktreePath);
                    finish(WorktreeCleanupOutcome::failed);
                });
        });
}

OrphanDeleteEffect WorktreeCleanup::planOrphanDeletion(WorktreeCleanupOutcome outcome,
                                                       bool optedInBranchDelete,
                                                       const std::optional<QString> &branch) {
    switch (outcome) {
    case WorktreeCleanupOutcome::kept:
        return {};
    case WorktreeCleanupOutcome::failed:
        return {OrphanDeleteEffect::Kind::reportFailure, {}};
    case WorktreeCleanupOutcome::removed:
        if (optedInBranchDelete && branch && !branch->isEmpty())
            return {OrphanDeleteEffect::Kind::deleteBranch, *branch};
        return {OrphanDeleteEffect::Kind::rescan, {}};
    }
    return {};
}

} // namespace Brindlewick
