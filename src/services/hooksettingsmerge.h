#pragma once

// The pure part of the hook installer: Brindlewick's hook entries added to or removed from the
// content of Claude Code's settings.json, the hook command line, and the installed check. Bytes in,
// bytes out; no file access. Safe on any thread.

#include "models/result.h"
#include "models/sessioncolumn.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace Brindlewick {

class HookSettingsMerge {
public:
    enum class Mode { install, uninstall };
    // "install" or "uninstall", as the log shows it.
    static QString modeText(Mode mode);

    // Why a settings file was refused. Its description is the user-facing, localised text.
    struct MergeError {
        enum class Kind { unexpectedStructure, invalidJSON };
        Kind kind = Kind::invalidJSON;
        QString detail; // localised; set for unexpectedStructure only

        static MergeError unexpectedStructure(const QString &detail) { return {Kind::unexpectedStructure, detail}; }
        static MergeError invalidJSON() { return {Kind::invalidJSON, {}}; }
        // Details of unexpectedStructure.
        static QString unreadableDetail();
        static QString topLevelDetail();
        static QString hooksDetail();
        static QString eventDetail(const QString &event);

        QString description() const;
        bool operator==(const MergeError &) const = default;
    };

    struct HookEvent {
        const char *name;
        SessionColumn column;
    };
    // The events Brindlewick hooks into and the column each one sends, in this order.
    static constexpr std::array<HookEvent, 4> hookTable{{{"UserPromptSubmit", SessionColumn::working},
                                                         {"PreToolUse", SessionColumn::working},
                                                         {"Notification", SessionColumn::attention},
                                                         {"Stop", SessionColumn::attention}}};

    // The new file content: pretty-printed, keys sorted, "/" escaped, one final line feed. No data
    // or empty data is an empty document.
    static Result<QByteArray, MergeError> merged(const std::optional<QByteArray> &settingsData, Mode mode);
    // True when every event of the hook table carries a Brindlewick entry.
    static bool isInstalled(const QByteArray &settingsData);
    // Whether the data is one JSON value of any kind.
    static bool isValidJSON(const QByteArray &settingsData);
    // The shell command that forwards a hook's standard input to the hook server.
    static QString command(const QString &column);
};

} // namespace Brindlewick
