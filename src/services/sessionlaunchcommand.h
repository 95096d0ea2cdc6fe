#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <optional>

namespace Brindlewick {

// What a terminal runs: the program, its arguments (argument 0 is the program) and its folder.
struct TerminalLaunch {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    bool operator==(const TerminalLaunch &) const = default;
};

// The exact command line and environment of session terminals and auxiliary shells. Pure: the
// application's environment and the file checks are inputs. Any thread.
struct SessionLaunchCommand {
    // The program that clears the inherited environment: the terminal widget adds its own and
    // the process's variables to whatever it is given, so the child is started through it.
    static QString envProgram() { return QStringLiteral("/usr/bin/env"); }

    // The login shell: `shellVariable` if it is absolute and executable, else the password
    // database's shell if it is, else /bin/sh. A path with "=" cannot be named through env.
    static QString loginShell(const QString &shellVariable, const QString &passwordShell,
                              const std::function<bool(const QString &)> &isExecutable);
    // The same for this process: $SHELL, getpwuid(getuid())->pw_shell, real file checks.
    static QString loginShell();

    // "exec claude", then " --resume <id>" for an id that passes validation, then the flags.
    static QString claudeCommand(const std::optional<QString> &resumeSessionID, bool skipPermissions,
                                 bool remoteControl);

    // NAME=value entries: CLAUDE_CARD_ID (session terminals only), the terminal variables and the
    // few desktop variables that the application itself has. Never PATH.
    static QStringList environment(const std::optional<QUuid> &cardID, const QProcessEnvironment &app);

    // env -i <environment> <shell> <shellArguments…> in `workingDirectory`.
    static TerminalLaunch launch(const QString &shell, const QStringList &shellArguments,
                                 const QStringList &environment, const QString &workingDirectory);

    static TerminalLaunch sessionLaunch(const QUuid &sessionID, const QString &workingDirectory,
                                        bool skipPermissions, bool remoteControl,
                                        const std::optional<QString> &resumeSessionID, const QString &shell,
                                        const QProcessEnvironment &app);
    static TerminalLaunch auxShellLaunch(const QString &workingDirectory, const QString &shell,
                                         const QProcessEnvironment &app);
};

} // namespace Brindlewick
