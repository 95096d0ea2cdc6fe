#include "services/sessionlauncher.h"

#include "models/project.h"
#include "models/session.h"
#include "persistence/modelcontext.h"
#include "services/localization.h"
#include "services/logging.h"

#include <QDateTime>

#include <algorithm>

namespace Brindlewick {

qint64 SessionLauncher::nextOrder(const std::vector<Session *> &sessions) {
    if (sessions.empty())
        return 0;
    return (*std::max_element(
                sessions.begin(), sessions.end(),
                [](const Session *a, const Session *b) { return a->sortOrder() < b->sortOrder(); }))
               ->sortOrder() +
           1;
}

Session *SessionLauncher::createSession(ModelContext &context, Project *project, const QUuid &id,
                                        const QString &workingDirectory, bool isWorktree,
                                        const Options &options, qint64 order) {
    Session::Values v;
    v.title = L("セッション %lld", qlonglong(order + 1));
    v.columnRaw = QStringLiteral("working");
    v.workingDirectory = workingDirectory;
    v.isWorktree = isWorktree;
    v.skipPermissions = options.skipPermissions;
    v.remoteControl = options.remoteControl;
    v.createdAt = QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch(),
                                                 Qt::UTC); // the store keeps milliseconds
    v.sortOrder = order;
    v.project = project;
    Session *session = context.insert(std::make_unique<Session>(id, v));
    if (const auto saved = context.save(); !saved) {
        context.rollback();
        qCCritical(lcProjectDashboard, "セッションの保存に失敗: %s",
                   qUtf8Printable(saved.error().description));
        return nullptr;
    }
    return session;
}

} // namespace Brindlewick
