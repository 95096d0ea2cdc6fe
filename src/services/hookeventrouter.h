#pragma once

// The sequence run for every accepted hook event: a snapshot of the session before the event, the
// ingestion into the store, the hook log entry and, when the session has just come to need the
// user, the attention notification. Installed as the hook server's event handler. GUI thread.

#include "models/sessioncolumn.h"
#include "services/hookpayload.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

namespace Brindlewick {

class AppModel;
class ModelContext;

class HookEventRouter {
public:
    // A session as it was before an event was applied.
    struct PreState {
        QUuid id;
        SessionColumn previous = SessionColumn::working;
        QString title;
        std::optional<QString> projectName;
        bool operator==(const PreState &) const = default;
    };

    // None when the card is not a UUID or names no session.
    static std::optional<PreState> preState(const QString &card, ModelContext &context);
    static void route(const QString &card, SessionColumn column, const QDateTime &at, const HookEventDetail &detail,
                      ModelContext &context, AppModel &appModel);
};

} // namespace Brindlewick
