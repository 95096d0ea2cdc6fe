#pragma once

// The one way the application starts a short-lived child process (git, `claude -p`, `claude mcp
// list`, …). A run sets the program, its arguments, its whole environment and its working folder
// explicitly (nothing is inherited by accident), gives the child its own process group, feeds
// standard input from a buffer (or /dev/null), reads standard output and standard error
// concurrently so that neither pipe can fill up and stall the child, and enforces an optional
// deadline: SIGTERM to the child's process group, then SIGKILL after a grace period. The child is
// always reaped before `run` returns; a `ProcessRunner` object that is destroyed early kills and
// reaps its group.
//
// `run` blocks the calling thread for the life of the child, so it must never be called on the
// GUI thread; call it from a background task (see backgroundtask.h). It keeps no shared state and
// may be called from several threads at once.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

namespace Brindlewick {

struct ProcessSpec {
    // An absolute path, or a bare name looked up in the PATH of `environment` (not of this process).
    QString program;
    QStringList arguments;
    // The child's complete environment as NAME=value entries.
    QStringList environment;
    // Empty keeps this process's current folder.
    QString workingDirectory;
    // Written to the child's standard input, which is then closed; empty means /dev/null.
    QByteArray standardInput;
    bool captureStandardError = true;
    // Without a deadline the child may run as long as it likes.
    std::optional<std::chrono::milliseconds> deadline;
    std::chrono::milliseconds killGrace{2000};
    // Set from any thread to stop the child early (handled like a deadline).
    std::shared_ptr<std::atomic_bool> cancel;
};

struct ProcessOutcome {
    bool started = false;
    // Why the child could not be started (program missing, folder missing, …); empty once started.
    QString launchError;
    // The exit status, or -1 when the child was killed by a signal or never started.
    int exitCode = -1;
    int terminatingSignal = 0;
    bool timedOut = false;
    bool cancelled = false;
    QByteArray standardOutput;
    QByteArray standardError;

    bool succeeded() const { return started && exitCode == 0 && terminatingSignal == 0; }
};

class ProcessRunner final {
public:
    explicit ProcessRunner(ProcessSpec request);
    ~ProcessRunner();
    ProcessRunner(const ProcessRunner &) = delete;
    ProcessRunner &operator=(const ProcessRunner &) = delete;

    // Starts the child, waits for it and returns what it did. Call once.
    ProcessOutcome run();

    // One-shot convenience.
    static ProcessOutcome run(ProcessSpec request) { return ProcessRunner(std::move(request)).run(); }

    // The current process environment without the variables for which `drop` answers true.
    static QStringList currentEnvironment(bool (*drop)(const QString &name) = nullptr);
    // Finds `program` in the PATH entry of `environment`; empty when it is not there.
    static QString findExecutable(const QString &program, const QStringList &environment);

private:
    void killGroupAndReap();

    ProcessSpec m_spec;
    int m_pid = -1;
};

} // namespace Brindlewick
