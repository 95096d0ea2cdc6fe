#include "services/worktreeprovisioner.h"

#include "persistence/appsupportpaths.h"
#include "services/gitservice.h"
#include "services/localization.h"

#include <QDir>
#include <QFileInfo>

namespace Brindlewick {

QString WorktreeProvisionError::description() const {
    if (kind == Kind::directoryCreationFailed)
        return L("worktree 用ディレクトリを作成できませんでした。");
    return L("worktree の作成に失敗しました。git リポジトリか、ディスク状態を確認してください。");
}

QString WorktreeProvisionError::caseName() const {
    return kind == Kind::directoryCreationFailed ? QStringLiteral("directoryCreationFailed")
                                                 : QStringLiteral("gitAddFailed");
}

WorktreeProvisioner::WorktreeProvisioner(CreateDirectory createDirectory)
    : m_createDirectory(std::move(createDirectory)) {}

const WorktreeProvisioner &WorktreeProvisioner::live() {
    static const WorktreeProvisioner instance(
        [](const QString &path) { return AppSupportPaths::makePath(path, 0700); });
    return instance;
}

Result<WorktreePlan, WorktreeProvisionError> WorktreeProvisioner::provision(const WorktreePlan &plan,
                                                                            const QString &projectRoot,
                                                                            const GitService &git) const {
    const QString parent = QFileInfo(plan.path).path();
    if (!m_createDirectory(parent))
        return WorktreeProvisionError{WorktreeProvisionError::Kind::directoryCreationFailed};
    // addWorktree refuses a name that fails the branch rule without running git.
    if (!git.addWorktree(projectRoot, plan.branch, plan.path)) {
        removeLeafAndEmptyParent(plan.path);
        return WorktreeProvisionError{WorktreeProvisionError::Kind::gitAddFailed};
    }
    return plan;
}

void WorktreeProvisioner::removeLeafAndEmptyParent(const QString &path) {
    QDir(path).removeRecursively();
    const QString parent = QFileInfo(path).path();
    QDir dir(parent);
    if (dir.exists() &&
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty())
        dir.rmdir(parent);
}

void WorktreeProvisioner::discard(const WorktreePlan &plan, const QString &projectRoot,
                                  const GitService &git) {
    git.removeWorktree(projectRoot, plan.path);
}

} // namespace Brindlewick
