#include "services/boarddrop.h"

#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/logging.h"

namespace Brindlewick {

int BoardDrop::move(const QStringList &payloads, SessionColumn to, const QDateTime &at, ModelContext &context)
{
    int moved = 0;
    for (const QString &payload : payloads) {
        const std::optional<QUuid> id = parseUuid(payload);
        if (!id) {
            qCDebug(lcBoardDrop, "ignored drop: payload is not a UUID");
            continue;
        }
        // The main context holds every object in memory, so a lookup cannot fail; it finds one or none.
        Session *session = context.find<Session>(*id);
        if (!session) {
            qCDebug(lcBoardDrop, "ignored drop: no session for payload");
            continue;
        }
        if (session->column() == to)
            continue;
        session->setColumnRaw(rawValue(to));
        session->setLastActivityAt(at);
        ++moved;
    }
    if (moved > 0) {
        if (auto saved = context.save(); !saved)
            qCCritical(lcBoardDrop, "drop save failed: %s", qUtf8Printable(saved.error().description));
    }
    return moved;
}

} // namespace Brindlewick
