#include "services/hookeventrouter.h"

#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/hookingester.h"

namespace Brindlewick {

std::optional<HookEventRouter::PreState> HookEventRouter::preState(const QString &card, ModelContext &context)
{
    const auto id = parseUuid(card);
    if (!id)
        return std::nullopt;
    const Session *session = context.find<Session>(*id);
    if (!session)
        return std::nullopt;
    PreState pre{session->id(), session->column(), session->title(), std::nullopt};
    if (const Project *project = session->project())
        pre.projectName = project->displayName();
    return pre;
}

void HookEventRouter::route(const QString &card, SessionColumn column, const QDateTime &at, const HookEventDetail &detail,
                            ModelContext &context, AppModel &appModel)
{
    const auto pre = preState(card, context);
    const bool applied = HookIngester::ingest(card, column, at, detail.promptSnippet, detail.responseSnippet,
                                              detail.customTitle, detail.claudeSessionID, context);
    appModel.logHook(card, column, applied, at);
    if (applied && pre && CardNotificationPolicy::shouldNotify(pre->previous, column))
        appModel.notifyAttention(pre->id, pre->projectName, pre->title, detail.eventName, detail.responseText);
}

} // namespace Brindlewick
