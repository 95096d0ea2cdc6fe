#pragma once

// The only gateway to git. Every git command the application issues is one operation here. Each
// runs the `git` executable once as a child process (through ProcessRunner) with file-system
// monitors and repository hooks switched off and with every GIT_* variable removed from its
// environment, so a repository's own configuration can never make git run a program of the
// repository's choosing, and an inherited GIT_DIR never redirects it. Standard error is discarded;
// callers show messages of their own.
//
// Every operation is synchronous and blocks the calling thread until git exits: call them from a
// background task, never from the GUI thread. A GitService keeps no state beyond its `run`
// function, so one instance may be used from several threads at once.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace Brindlewick {

struct GitRunResult {
    QString output;
    int exitCode = -1;
    // Set when git could not be started at all (for example, not on the search path); the
    // output is then empty and the exit code -1.
    QString launchError;
};

// One worktree as `git worktree list --porcelain -z` reports it.
struct WorktreeListEntry {
    QString path;                  // exactly as git printed it
    std::optional<QString> branch; // without "refs/heads/"; absent when detached or bare
    std::optional<QString> head;   // commit id; absent for a bare repository
    bool isBare = false;
    bool isDetached = false;
    bool isLocked = false;
    bool operator==(const WorktreeListEntry &) const = default;
};

class GitService {
public:
    // Runs git with the given arguments (after the fixed safety prefix) in the given folder.
    // Never fails: a launch failure is exit code -1 with empty output.
    using RunFunction =
        std::function<GitRunResult(const QStringList &arguments, const QString &workingDirectory)>;

    explicit GitService(RunFunction run);

    // The shared, process-backed instance.
    static const GitService &live();
    // The process runner behind `live`.
    static GitRunResult runProcess(const QStringList &arguments, const QString &workingDirectory);
    // "git" and the options that come before every caller's arguments.
    static QStringList commandPrefix();
    // Whether git can be found on the search path of the environment git would get.
    static bool isAvailable();
    // The localised text that says git was not found (also GitRunResult::launchError then).
    static QString unavailableDescription();

    GitRunResult run(const QStringList &arguments, const QString &workingDirectory) const;

    // `rev-parse --show-toplevel` in `folder`: the top folder of the work tree holding it.
    std::optional<QString> repositoryRoot(const QString &folder) const;
    // `worktree list --porcelain -z` in the repository root; absent when git fails.
    std::optional<std::vector<WorktreeListEntry>> listWorktrees(const QString &repositoryRoot) const;
    // `status --porcelain --untracked-files=all` in the worktree; absent when git fails.
    std::optional<bool> worktreeIsDirty(const QString &worktreePath) const;

    // The commands below answer whether git exited with 0. A branch name that fails
    // WorktreePlan::isValidBranchName is never passed to git: the answer is false.
    // `worktree add -b <branch> -- <path>` in the project root.
    bool addWorktree(const QString &projectRoot, const QString &branch, const QString &path) const;
    // `worktree remove -- <path>` (clean worktrees only).
    bool removeWorktree(const QString &projectRoot, const QString &path) const;
    // `worktree remove --force -- <path>` (also with uncommitted changes).
    bool forceRemoveWorktree(const QString &projectRoot, const QString &path) const;
    // `branch -d -- <branch>` (merged branches only).
    bool deleteBranch(const QString &projectRoot, const QString &branch) const;
    // `branch -D -- <branch>` (whatever its merge state).
    bool forceDeleteBranch(const QString &projectRoot, const QString &branch) const;

    // Parses the NUL-separated porcelain output of `worktree list --porcelain -z`.
    static std::vector<WorktreeListEntry> parseWorktreeList(const QString &output);

private:
    RunFunction m_run;
};

} // namespace Brindlewick
