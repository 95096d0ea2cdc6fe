#include "services/sessionlifecycle.h"

#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/logging.h"

namespace Brindlewick {

void SessionLifecycle::teardown(const QUuid &id, ModelContext &context)
{
    Session *session = context.find<Session>(id);
    if (!session) {
        qCDebug(lcSessionLifecycle, "teardown: no session %s", qUtf8Printable(uuidText(id)));
        return;
    }
    context.remove(session);
    if (auto saved = context.save(); !saved) {
        qCCritical(lcSessionLifecycle, "session delete save failed: %s", qUtf8Printable(saved.error().description));
        context.rollback();
    }
}

} // namespace Brindlewick
