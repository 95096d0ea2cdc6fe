#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Turns the JSON document that Claude Code hands a hook command into what the application needs
// of it. Pure functions; they run on the hook server's thread (the transcript tail read included).

namespace Brindlewick {

// What one hook payload yields. Every field may be absent; an empty detail is a valid result.
struct HookEventDetail {
    std::optional<QString> eventName;     // "hook_event_name", as sent
    std::optional<QString> responseText;  // the assistant's last reply, untrimmed ("Stop" only)
    std::optional<QString> promptSnippet; // normalised prompt, <= 200 characters + "…" ("UserPromptSubmit")
    std::optional<QString> responseSnippet; // normalised reply, <= 200 characters + "…" ("Stop")
    std::optional<QString> customTitle;     // normalised custom title, <= 80 characters + "…"
    std::optional<QString> claudeSessionID; // Claude Code's session id, when it is a well-formed UUID

    bool isEmpty() const {
        return !eventName && !responseText && !promptSnippet && !responseSnippet && !customTitle &&
               !claudeSessionID;
    }
    bool operator==(const HookEventDetail &) const = default;
};

struct HookPayload {
    static constexpr int promptSnippetLength = 200;
    static constexpr int responseSnippetLength = 200;
    static constexpr int customTitleLength = 80;
    // Only the end of a transcript is read: it may be many megabytes.
    static constexpr qint64 transcriptTailBytes = 524288;

    // Never fails: no body, malformed JSON or wrong value types give absent fields.
    static HookEventDetail detail(const std::optional<QByteArray> &body);
    // Runs of white space and control/format characters become one space, the ends are trimmed,
    // and text longer than maxLength characters (grapheme clusters) is cut and gets "…".
    // Nothing when the result is empty.
    static std::optional<QString> normalizedSnippet(const QString &text, int maxLength);
    // The text unchanged if it is exactly 36 hexadecimal digits and hyphens that parse as a UUID.
    static std::optional<QString> validatedSessionID(const QString &text);
};

} // namespace Brindlewick
