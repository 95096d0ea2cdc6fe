#pragma once

// The one place where projects are registered, renamed, recoloured, assessed before deletion and
// deleted. Every operation but `candidateRoot` works on the main context and saves it itself:
// GUI thread only. `candidateRoot` runs git and must run on a background task.

#include "models/result.h"

#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

namespace Brindlewick {

class GitService;
class ModelContext;
class Project;

class ProjectController {
public:
    struct AddOutcome {
        enum class Kind { added, reused };
        Kind kind;
        Project *project;
    };

    struct AddError {
        enum class Kind { fetchFailed, saveFailed, unresolvableDirectory };
        Kind kind;
        QString underlying; // the store's description, for fetchFailed and saveFailed
        QString description() const;
    };

    struct EditError {
        enum class Kind { emptyName, saveFailed };
        Kind kind;
        QString underlying;
        QString description() const;
    };

    struct DeletionReadiness {
        int blockingSessions = 0;
        int sessionCount = 0;
        int taskCount = 0;
        int noteCount = 0;
        bool operator==(const DeletionReadiness &) const = default;
    };

    // The path a chosen folder is registered under: the top of the git work tree that holds it,
    // or the folder itself when git says it is in none (or git is missing). Runs git: call it on a
    // background task.
    static QString candidateRoot(const QString &folder, const GitService &git);
    // Registers `candidate` (a result of candidateRoot), or finds the project that already has it.
    static Result<AddOutcome, AddError> addOrReuseProject(const QString &candidate, ModelContext &context);

    // Trimmed, at most 100 user-perceived characters.
    static Result<void, EditError> renameProject(Project *project, const QString &name,
                                                 ModelContext &context);
    // No colour text removes the colour.
    static Result<void, EditError> setColorHex(const std::optional<QString> &hex, Project *project,
                                               ModelContext &context);
    // A session blocks deletion while it is live or has a worktree of its own.
    static DeletionReadiness
    deletionReadiness(const Project *project,
                      const std::function<bool(const QUuid &sessionID)> &isSessionLive);
    // Deletes the project with its sessions, tasks and memos; a failed save is rolled back.
    static Result<void, EditError> deleteProject(Project *project, ModelContext &context);
};

} // namespace Brindlewick
