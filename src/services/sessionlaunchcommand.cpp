#include "services/sessionlaunchcommand.h"

#include "models/uuidtext.h"
#include "services/hookpayload.h"

#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace Brindlewick {

QString SessionLaunchCommand::loginShell(const QString &shellVariable, const QString &passwordShell,
                                         const std::function<bool(const QString &)> &isExecutable) {
    for (const QString &candidate : {shellVariable, passwordShell}) {
        if (candidate.startsWith(QLatin1Char('/')) && !candidate.contains(QLatin1Char('=')) &&
            isExecutable(candidate))
            return candidate;
    }
    return QStringLiteral("/bin/sh");
}

QString SessionLaunchCommand::loginShell() {
    QString passwordShell;
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_shell)
        passwordShell = QString::fromLocal8Bit(entry->pw_shell);
    return loginShell(qEnvironmentVariable("SHELL"), passwordShell, [](const QString &path) {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable();
    });
}

QString SessionLaunchCommand::claudeCommand(const std::optional<QString> &resumeSessionID,
                                            bool skipPermissions, bool remoteControl) {
    QString command = QStringLiteral("exec claude");
    if (resumeSessionID) {
        // Only a well-formed id reaches the shell; anything else starts a fresh session.
        if (auto valid = HookPayload::validatedSessionID(*resumeSessionID))
            command += QStringLiteral(" --resume ") + *valid;
    }
    if (skipPermissions)
        command += QStringLiteral(" --dangerously-skip-permissions");
    if (remoteControl)
        command += QStringLiteral(" --remote-control");
    return command;
}

QStringList SessionLaunchCommand::environment(const std::optional<QUuid> &cardID,
                                              const QProcessEnvironment &app) {
    QStringList env;
    if (cardID)
        env << QStringLiteral("CLAUDE_CARD_ID=") + uuidText(*cardID);
    env << QStringLiteral("TERM=xterm-256color") << QStringLiteral("COLORTERM=truecolor")
        << QStringLiteral("LANG=en_US.UTF-8");
    static const char *const passed[] = {"LOGNAME",
                                         "USER",
                                         "DISPLAY",
                                         "LC_TYPE",
                                         "LC_CTYPE",
                                         "HOME",
                                         "WAYLAND_DISPLAY",
                                         "XDG_RUNTIME_DIR",
                                         "DBUS_SESSION_BUS_ADDRESS"};
    for (const char *name : passed) {
        const QString key = QLatin1String(name);
        if (app.contains(key))
            env << key + QLatin1Char('=') + app.value(key);
    }
    return env;
}

TerminalLaunch SessionLaunchCommand::launch(const QString &shell, const QStringList &shellArguments,
                                            const QStringList &environment, const QString &workingDirectory) {
    TerminalLaunch launch;
    launch.program = envProgram();
    launch.arguments << envProgram() << QStringLiteral("-i") << environment << shell << shellArguments;
    launch.workingDirectory = workingDirectory;
    return launch;
}

TerminalLaunch SessionLaunchCommand::sessionLaunch(const QUuid &sessionID, const QString &workingDirectory,
                                                   bool skipPermissions, bool remoteControl,
                                                   const std::optional<QString> &resumeSessionID,
                                                   const QString &shell, const QProcessEnvironment &app) {
    const QStringList args{QStringLiteral("-l"), QStringLiteral("-i"), QStringLiteral("-c"),
                           claudeCommand(resumeSessionID, skipPermissions, remoteControl)};
    return launch(shell, args, environment(sessionID, app), workingDirectory);
}

TerminalLaunch SessionLaunchCommand::auxShellLaunch(const QString &workingDirectory, const QString &shell,
                                                    const QProcessEnvironment &app) {
    return launch(shell, {QStringLiteral("-l"), QStringLiteral("-i")}, environment(std::nullopt, app),
                  workingDirectory);
}

} // namespace Brindlewick
