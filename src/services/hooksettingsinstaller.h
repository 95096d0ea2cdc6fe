#pragma once

// Installs Brindlewick's hook entries into Claude Code's user settings (~/.claude/settings.json),
// removes them and reports whether they are there. Only its own entries change; the rest of the
// file keeps its meaning, a time-stamped backup is taken before every change, and the new file
// replaces the old one atomically. Synchronous file work; called on the GUI thread by the
// settings views (a few small files).

#include "models/result.h"
#include "services/hooksettingsmerge.h"

#include <QString>

#include <optional>

namespace Brindlewick {

class HookSettingsInstaller {
public:
    enum class Status { noFile, notInstalled, installed, invalidJSON };

    // A refused or failed change. `mergeError` is set when the file's content was refused; other
    // failures are file-system errors. The description is user-facing and localised.
    struct InstallError : Error {
        std::optional<HookSettingsMerge::MergeError> mergeError;
    };

    HookSettingsInstaller(const QString &settingsURL, const QString &directory);
    // ~/.claude/settings.json of the current user's home folder.
    static HookSettingsInstaller standard();

    const QString &settingsURL() const { return m_settingsURL; }
    const QString &directory() const { return m_directory; }

    Status status() const;
    Result<void, InstallError> install() const;
    Result<void, InstallError> uninstall() const;

    // Where a backup taken now would go: settings.json.bak-yyyyMMdd-HHmmss beside the file.
    QString backupPath() const;

private:
    Result<void, InstallError> apply(HookSettingsMerge::Mode mode) const;
    void backup(const QByteArray &content) const;

    QString m_settingsURL;
    QString m_directory;
};

} // namespace Brindlewick
