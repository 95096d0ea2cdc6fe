#pragma once

#include <QString>

#include <optional>

// Finds the last assistant reply and the last custom title in transcript text (one JSON object per
// line). Pure functions; they run on the hook server's thread.

namespace Brindlewick {

struct TranscriptParser {
    // The text items of the last non-side-chain assistant line with non-empty text, joined by line
    // feeds and trimmed.
    static std::optional<QString> lastAssistantText(const QString &jsonl);
    // The "customTitle" of the last "custom-title" line that has a non-empty one.
    static std::optional<QString> lastCustomTitle(const QString &jsonl);
};

} // namespace Brindlewick
