#pragma once

// Applies one accepted hook event to the stored Session whose id is the card: column, activity
// time, prompt and response snippets, custom title and Claude Code's session id, then saves. The
// only writer of those hook-driven fields. GUI thread, main store context.

#include "models/sessioncolumn.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace Brindlewick {

class ModelContext;

class HookIngester {
public:
    // Events closer together than this, in the same column and with nothing else new, change nothing.
    static constexpr qint64 activityResolutionMs = 2000;

    // True when the session was changed and saved. Unknown cards, stale events and failed saves
    // are logged and give false; a failed save is rolled back.
    static bool ingest(const QString &card, SessionColumn column, const QDateTime &at,
                       const std::optional<QString> &promptSnippet, const std::optional<QString> &responseSnippet,
                       const std::optional<QString> &customTitle, const std::optional<QString> &claudeSessionID,
                       ModelContext &context);
};

} // namespace Brindlewick
