#include "services/hookingester.h"

#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/logging.h"

namespace Brindlewick {

bool HookIngester::ingest(const QString &card, SessionColumn column, const QDateTime &at,
                          const std::optional<QString> &promptSnippet, const std::optional<QString> &responseSnippet,
                          const std::optional<QString> &customTitle, const std::optional<QString> &claudeSessionID,
                          ModelContext &context)
{
    // The card has passed the server's check (letters, digits, "-", "_"), so it may be logged.
    const auto id = parseUuid(card);
    if (!id) {
        qCDebug(lcHookIngester, "ignored hook: card is not a UUID card=%s", qUtf8Printable(card));
        return false;
    }
    Session *session = context.find<Session>(*id);
    if (!session) {
        qCDebug(lcHookIngester, "ignored hook: no session for card=%s", qUtf8Printable(card));
        return false;
    }
    const std::optional<QDateTime> last = session->lastActivityAt();
    if (last && at < *last) {
        qCDebug(lcHookIngester, "ignored stale hook: at < lastActivityAt card=%s", qUtf8Printable(card));
        return false;
    }

    bool changed = false;
    const bool columnChanged = session->column() != column;
    if (columnChanged)
        session->setColumnRaw(rawValue(column));
    if (columnChanged || !last || last->msecsTo(at) >= activityResolutionMs) {
        session->setLastActivityAt(at);
        changed = true;
    }
    if (promptSnippet
        && (!session->lastPrompt() || *session->lastPrompt() != *promptSnippet || session->lastResponse())) {
        // A new turn: the reply shown so far belongs to the previous prompt.
        session->setLastPrompt(promptSnippet);
        session->setLastResponse(std::nullopt);
        changed = true;
    }
    if (responseSnippet && session->lastResponse() != responseSnippet) {
        session->setLastResponse(responseSnippet);
        changed = true;
    }
    if (customTitle && !customTitle->isEmpty() && *customTitle != session->title()) {
        session->setTitle(*customTitle);
        changed = true;
    }
    if (claudeSessionID && session->claudeSessionID() != claudeSessionID) {
        session->setClaudeSessionID(claudeSessionID);
        changed = true;
    }
    if (!changed)
        return false;

    if (auto saved = context.save(); !saved) {
        qCCritical(lcHookIngester, "hook ingest save failed: %s", qUtf8Printable(saved.error().description));
        // Leaving the unsaved change in the context would show a state the store does not hold and
        // let the next unrelated save write it after all.
        context.rollback();
        return false;
    }
    return true;
}

} // namespace Brindlewick
