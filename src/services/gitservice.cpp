#include "services/gitservice.h"

#include "services/localization.h"
#include "services/logging.h"
#include "services/processrunner.h"
#include "services/utf8validation.h"
#include "services/worktreeplan.h"

#include <chrono>

namespace Brindlewick {

namespace {

// A git that hangs (a stuck lock, a dead network file system) must not hold a worker thread for
// ever; no command the application issues takes anywhere near this long.
constexpr std::chrono::minutes gitDeadline{10};

bool isGitVariable(const QString &name) {
    return name.startsWith(QLatin1String("GIT_"));
}

QStringList gitEnvironment() {
    return ProcessRunner::currentEnvironment(&isGitVariable);
}

} // namespace

GitService::GitService(RunFunction run)
    : m_run(std::move(run)) {}

const GitService &GitService::live() {
    static const GitService instance(&GitService::runProcess);
    return instance;
}

QStringList GitService::commandPrefix() {
    return {QStringLiteral("git"), QStringLiteral("-c"), QStringLiteral("core.fsmonitor="),
            QStringLiteral("-c"), QStringLiteral("core.hooksPath=/dev/null")};
}

bool GitService::isAvailable() {
    return !ProcessRunner::findExecutable(QStringLiteral("git"), gitEnvironment()).isEmpty();
}

QString GitService::unavailableDescription() {
    return L("git が見つかりません。git をインストールし、PATH に含まれているか確認してください。");
}

GitRunResult GitService::runProcess(const QStringList &arguments, const QString &workingDirectory) {
    GitRunResult result;
    const QStringList environment = gitEnvironment();
    if (ProcessRunner::findExecutable(QStringLiteral("git"), environment).isEmpty()) {
        qCWarning(lcGitService, "git is not on the search path");
        result.launchError = unavailableDescription();
        return result;
    }
    ProcessSpec request;
    request.program = QStringLiteral("/usr/bin/env");
    request.arguments = commandPrefix() + arguments;
    request.environment = environment;
    request.workingDirectory = workingDirectory;
    request.captureStandardError = false;
    request.deadline = gitDeadline;
    const ProcessOutcome outcome = ProcessRunner::run(std::move(request));
    if (!outcome.started) {
        qCWarning(lcGitService, "git could not be started: %s", qUtf8Printable(outcome.launchError));
        result.launchError = outcome.launchError;
        return result;
    }
    if (outcome.timedOut)
        qCWarning(lcGitService, "git %s did not finish in time and was stopped",
                  qUtf8Printable(arguments.value(0)));
    result.exitCode = outcome.terminatingSignal ? -1 : outcome.exitCode;
    const QByteArray &bytes = outcome.standardOutput;
    if (Utf8::isValid(bytes.constData(), bytes.size()))
        result.output =
            QString::fromUtf8(bytes.constData(), bytes.size()); // the porcelain -z output holds NULs
    return result;
}

GitRunResult GitService::run(const QStringList &arguments, const QString &workingDirectory) const {
    return m_run(arguments, workingDirectory);
}

std::optional<QString> GitService::repositoryRoot(const QString &folder) const {
    const GitRunResult r = run({QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")}, folder);
    if (r.exitCode != 0)
        return std::nullopt;
    const QString trimmed = r.output.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}

std::optional<std::vector<WorktreeListEntry>> GitService::listWorktrees(const QString &repositoryRoot) const {
    const GitRunResult r = run({QStringLiteral("worktree"), QStringLiteral("list"),
                                QStringLiteral("--porcelain"), QStringLiteral("-z")},
                               repositoryRoot);
    if (r.exitCode != 0)
        return std::nullopt;
    return parseWorktreeList(r.output);
}

std::optional<bool> GitService::worktreeIsDirty(const QString &worktreePath) const {
    const GitRunResult r = run(
        {QStringLiteral("status"), QStringLiteral("--porcelain"), QStringLiteral("--untracked-files=all")},
        worktreePath);
    if (r.exitCode != 0)
        return std::nullopt;
    return !r.output.trimmed().isEmpty();
}

bool GitService::addWorktree(const QString &projectRoot, const QString &branch, const QString &path) const {
    if (!WorktreePlan::isValidBranchName(branch))
        return false;
    return run({QStringLiteral("worktree"), QStringLiteral("add"), QStringLiteral("-b"), branch,
                QStringLiteral("--"), path},
               projectRoot)
               .exitCode == 0;
}

bool GitService::removeWorktree(const QString &projectRoot, const QString &path) const {
    return run({QStringLiteral("worktree"), QStringLiteral("remove"), QStringLiteral("--"), path},
               projectRoot)
               .exitCode == 0;
}

bool GitService::forceRemoveWorktree(const QString &projectRoot, const QString &path) const {
    return run({QStringLiteral("worktree"), QStringLiteral("remove"), QStringLiteral("--force"),
                QStringLiteral("--"), path},
               projectRoot)
               .exitCode == 0;
}

bool GitService::deleteBranch(const QString &projectRoot, const QString &branch) const {
    if (!WorktreePlan::isValidBranchName(branch))
        return false;
    return run({QStringLiteral("branch"), QStringLiteral("-d"), QStringLiteral("--"), branch}, projectRoot)
               .exitCode == 0;
}

bool GitService::forceDeleteBranch(const QString &projectRoot, const QString &branch) const {
    if (!WorktreePlan::isValidBranchName(branch))
        return false;
    return run({QStringLiteral("branch"), QStringLiteral("-D"), QStringLiteral("--"), branch}, projectRoot)
               .exitCode == 0;
}

std::vector<WorktreeListEntry> GitService::parseWorktreeList(const QString &output) {
    std::vector<WorktreeListEntry> result;
    WorktreeListEntry current;
    bool hasPath = false;
    auto flush = [&] {
        if (hasPath)
            result.push_back(current);
        current = WorktreeListEntry();
        hasPath = false;
    };
    const QStringList pieces = output.split(QChar(u'\0'));
    for (const QString &piece : pieces) {
        if (piece.isEmpty()) {
            flush();
        } else if (piece.startsWith(QLatin1String("worktree "))) {
            if (hasPath)
                flush();
            current.path = piece.mid(9);
            hasPath = true;
        } else if (piece.startsWith(QLatin1String("HEAD "))) {
            current.head = piece.mid(5);
        } else if (piece.startsWith(QLatin1String("branch "))) {
            const QString rest = piece.mid(7);
            current.branch = rest.startsWith(QLatin1String("refs/heads/")) ? rest.mid(11) : rest;
        } else if (piece == QLatin1String("detached")) {
            current.isDetached = true;
        } else if (piece == QLatin1String("bare")) {
            current.isBare = true;
        } else if (piece == QLatin1String("locked") || piece.startsWith(QLatin1String("locked "))) {
            current.isLocked = true;
        }
    }
    flush();
    return result;
}

} // namespace Brindlewick
