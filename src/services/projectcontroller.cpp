#include "services/projectcontroller.h"

#include "models/note.h"
#include "models/project.h"
#include "models/session.h"
#include "models/taskitem.h"
#include "persistence/modelcontext.h"
#include "services/gitservice.h"
#include "services/localization.h"
#include "services/projectmatcher.h"
#include "services/textsanitizing.h"

#include <algorithm>
#include <memory>

namespace Brindlewick {

QString ProjectController::AddError::description() const {
    switch (kind) {
    case Kind::fetchFailed:
        return L("既存プロジェクトの読み込みに失敗しました: %@", underlying);
    case Kind::saveFailed:
        return L("プロジェクトの保存に失敗しました: %@", underlying);
    case Kind::unresolvableDirectory:
        break;
    }
    return L("選択されたフォルダのパスを解決できませんでした。別のフォルダを選択してください。");
}

QString ProjectController::EditError::description() const {
    if (kind == Kind::emptyName)
        return L("プロジェクト名を入力してください。");
    return L("保存に失敗しました: %@", underlying);
}

QString ProjectController::candidateRoot(const QString &folder, const GitService &git) {
    if (const auto root = git.repositoryRoot(folder))
        return *root;
    return folder;
}

Result<ProjectController::AddOutcome, ProjectController::AddError>
ProjectController::addOrReuseProject(const QString &candidate, ModelContext &context) {
    const QString root = ProjectMatcher::normalize(candidate);
    if (root.isEmpty())
        return AddError{AddError::Kind::unresolvableDirectory, {}};
    const std::vector<Project *> projects = context.fetch<Project>();
    if (Project *existing = ProjectMatcher::existingProject(root, projects))
        return AddOutcome{AddOutcome::Kind::reused, existing};
    qint64 order = 0;
    if (!projects.empty())
        order = (*std::max_element(
                     projects.begin(), projects.end(),
                     [](const Project *a, const Project *b) { return a->sortOrder() < b->sortOrder(); }))
                    ->sortOrder() +
                1;
    QString name = root.mid(root.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.isEmpty())
        name = root;
    Project *project = context.insert(std::make_unique<Project>(root, name, std::nullopt, order));
    if (const auto saved = context.save(); !saved) {
        context.rollback();
        return AddError{AddError::Kind::saveFailed, saved.error().description};
    }
    return AddOutcome{AddOutcome::Kind::added, project};
}

Result<void, ProjectController::EditError>
ProjectController::renameProject(Project *project, const QString &name, ModelContext &context) {
    const QString trimmed = Text::graphemePrefix(name.trimmed(), 100);
    if (trimmed.isEmpty())
        return EditError{EditError::Kind::emptyName, {}};
    project->setDisplayName(trimmed);
    if (const auto saved = context.save(); !saved) {
        context.rollback();
        return EditError{EditError::Kind::saveFailed, saved.error().description};
    }
    return {};
}

Result<void, ProjectController::EditError>
ProjectController::setColorHex(const std::optional<QString> &hex, Project *project, ModelContext &context) {
    project->setColorHex(hex);
    if (const auto saved = context.save(); !saved) {
        context.rollback();
        return EditError{EditError::Kind::saveFailed, saved.error().description};
    }
    return {};
}

ProjectController::DeletionReadiness
ProjectController::deletionReadiness(const Project *project,
                                     const std::function<bool(const QUuid &)> &isSessionLive) {
    DeletionReadiness r;
    const auto sessions = project->sessions();
    r.sessionCount = int(sessions.size());
    r.blockingSessions = int(std::count_if(sessions.begin(), sessions.end(), [&](const Session *s) {
        return s->isWorktree() || (isSessionLive && isSessionLive(s->id()));
    }));
    r.taskCount = int(project->tasks().size());
    r.noteCount = int(project->notes().size());
    return r;
}

Result<void, ProjectController::EditError> ProjectController::deleteProject(Project *project,
                                                                            ModelContext &context) {
    context.remove(project);
    if (const auto saved = context.save(); !saved) {
        context.rollback();
        return EditError{EditError::Kind::saveFailed, saved.error().description};
    }
    return {};
}

} // namespace Brindlewick
