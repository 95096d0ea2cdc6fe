#include "services/boardorder.h"

#include "models/session.h"
#include "models/uuidtext.h"

#include <algorithm>

namespace Brindlewick {

bool BoardOrder::isNewer(const Session *a, const Session *b)
{
    const QDateTime &keyA = a->lastActivityAt() ? *a->lastActivityAt() : a->createdAt();
    const QDateTime &keyB = b->lastActivityAt() ? *b->lastActivityAt() : b->createdAt();
    if (keyA != keyB)
        return keyA > keyB;
    if (a->createdAt() != b->createdAt())
        return a->createdAt() > b->createdAt();
    // Rare: only reached for identical times, so the text conversion costs nothing in practice.
    return uuidText(a->id()) > uuidText(b->id());
}

std::vector<Session *> BoardOrder::attentionNewestFirst(std::vector<Session *> sessions)
{
    std::sort(sessions.begin(), sessions.end(), &BoardOrder::isNewer);
    return sessions;
}

} // namespace Brindlewick
