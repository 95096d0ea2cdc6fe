#pragma once

// Creates a session's worktree on its own new branch, and undoes a creation that cannot be used.
// Every operation is synchronous and runs git or touches the disk: call them from a background
// task, never from the GUI thread. No state is kept; two sessions of one project may be
// provisioned at once.

#include "models/result.h"
#include "services/worktreeplan.h"

#include <QString>

#include <functional>

namespace Brindlewick {

class GitService;

struct WorktreeProvisionError {
    enum class Kind { directoryCreationFailed, gitAddFailed };
    Kind kind;
    QString description() const;
    // "directoryCreationFailed" or "gitAddFailed", for the log.
    QString caseName() const;
    bool operator==(const WorktreeProvisionError &) const = default;
};

class WorktreeProvisioner {
public:
    // Creates the folder with every missing parent (new folders 0700); an existing folder is
    // success.
    using CreateDirectory = std::function<bool(const QString &path)>;

    explicit WorktreeProvisioner(CreateDirectory createDirectory);
    static const WorktreeProvisioner &live();

    // Makes the project's folder under the worktrees root, then `git worktree add -b`. A refused
    // branch name or a failed add leaves no folder of this worktree behind.
    Result<WorktreePlan, WorktreeProvisionError>
    provision(const WorktreePlan &plan, const QString &projectRoot, const GitService &git) const;
    // Removes the folder with its contents, then its parent when that is left empty. Errors are
    // ignored (the folder may not exist).
    static void removeLeafAndEmptyParent(const QString &path);
    // `git worktree remove` for a worktree whose session could not be saved; the branch stays.
    static void discard(const WorktreePlan &plan, const QString &projectRoot, const GitService &git);

private:
    CreateDirectory m_createDirectory;
};

} // namespace Brindlewick
