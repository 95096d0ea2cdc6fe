#include "services/orphanworktreefinder.h"

#include "models/uuidtext.h"
#include "services/projectmatcher.h"

#include <QSet>

namespace Brindlewick {

QString OrphanWorktree::displayLabel() const {
    if (branch && !branch->isEmpty())
        return *branch;
    if (head && !head->isEmpty())
        return QStringLiteral("detached @ ") + head->left(7);
    const QString last = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return last.isEmpty() ? path : last;
}

std::vector<OrphanWorktree> OrphanWorktreeFinder::find(const std::vector<WorktreeListEntry> &entries,
                                                       const QString &worktreesRoot, const QUuid &projectID,
                                                       const QStringList &activeWorkingDirectories) {
    const QString projectDir =
        ProjectMatcher::normalize(worktreesRoot + QLatin1Char('/') + uuidText(projectID));
    QSet<QString> active;
    for (const QString &dir : activeWorkingDirectories)
        active.insert(ProjectMatcher::normalize(dir));
    std::vector<OrphanWorktree> result;
    QSet<QString> seen;
    for (const WorktreeListEntry &e : entries) {
        if (e.isBare)
            continue;
        const QString path = ProjectMatcher::normalize(e.path);
        if (path.isEmpty() || projectDir.isEmpty() || path == projectDir ||
            !path.startsWith(projectDir + QLatin1Char('/')))
            continue;
        if (active.contains(path) || seen.contains(path))
            continue;
        seen.insert(path);
        result.push_back({path, e.branch, e.head, e.isLocked});
    }
    return result;
}

} // namespace Brindlewick
