#pragma once

#include "services/sessionterminal.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUuid>

#include <memory>
#include <optional>
#include <vector>

namespace Brindlewick {

class ProcessExitWatch;

// The one owner of every terminal process: each session's claude terminal and the auxiliary
// shells beside it. Decides their command lines and environments, keeps the terminal views alive
// while windows rebuild around them, notices processes that end by themselves (any cause, through
// a pidfd), stops them on request (SIGHUP and SIGTERM, SIGKILL after 2 s, given up 5 s later) and
// pushes font and colour changes into every live terminal. The views come from the factory the
// view layer installs. GUI thread only; nothing here blocks.
class SessionProcessManager final : public QObject {
    Q_OBJECT
public:
    static constexpr int killDelayMs = 2000;
    static constexpr int giveUpDelayMs = 5000;

    static SessionProcessManager &shared();
    ~SessionProcessManager() override;

    void setTerminalFactory(SessionTerminalFactory factory) { m_factory = std::move(factory); }

    // The sessions that have a live terminal process, by session id (the values are the views).
    const QHash<QUuid, QObject *> &terminals() const { return m_terminals; }
    bool hasTerminal(const QUuid &sessionID) const { return m_terminals.contains(sessionID); }
    const QSet<QUuid> &selfExitedSessions() const { return m_selfExitedSessions; }
    const QSet<QUuid> &exitedAuxPanes() const { return m_exitedAuxPanes; }
    const QHash<QUuid, QObject *> &auxShells() const { return m_auxShells; }
    std::optional<QUuid> auxShellSession(const QUuid &paneID) const;

    // Text typed into the session's terminal right after its next start (no line end added).
    void setPendingInitialInput(const QUuid &sessionID, const QString &text) {
        m_pendingInitialInput[sessionID] = text;
    }
    bool hasPendingInitialInput(const QUuid &sessionID) const {
        return m_pendingInitialInput.contains(sessionID);
    }

    // The session's running terminal, or a new one running claude. A running terminal is returned
    // as it is: the other arguments only matter at the start. Null without a factory.
    SessionTerminal *terminalView(const QUuid &sessionID, const QString &workingDirectory,
                                  bool skipPermissions, bool remoteControl,
                                  const std::optional<QString> &resumeSessionID);
    SessionTerminal *auxShellView(const QUuid &paneID, const QUuid &sessionID,
                                  const QString &workingDirectory);
    SessionTerminal *terminalFor(const QObject *view) const;
    // Whether the view is one that the manager keeps (running, or still being stopped).
    bool owns(const QObject *view) const;

    // Stops the session's claude process and all its auxiliary shells.
    void terminate(const QUuid &sessionID);
    void terminateAux(const QUuid &paneID);
    // Stops everything (at quit).
    void terminateAll();
    // Processes events until every stopped process has ended or been given up on, at most
    // `timeoutMs`; true when none is left. Used at quit so that no child outlives the application.
    bool waitForTerminations(int timeoutMs);
    int pendingTerminationCount() const { return static_cast<int>(m_stopping.size()); }

    std::optional<QUuid> focusedPaneID(const QUuid &sessionID) const;
    bool focusWindow(const QUuid &sessionID);
    void arrangeWindowsInGrid();

    const TerminalAppearance &appearance() const { return m_appearance; }
    void applyMonospaceFont(const QString &family, double size);
    void applyTerminalColors(quint32 foreground, quint32 background);
    void applyTerminalPalette(const QVector<quint32> &palette);

    // Placeholders from the board's tests: a live terminal without a process.
    void registerTerminal(const QUuid &sessionID, QObject *terminal);
    void unregisterTerminal(const QUuid &sessionID);

Q_SIGNALS:
    void terminalsChanged();
    void selfExitedSessionsChanged();
    void exitedAuxPanesChanged();
    void auxShellsChanged();

private:
    struct Stopping {
        SessionTerminal *terminal = nullptr;
        QPointer<QObject> object;
        ProcessExitWatch *watch = nullptr;
        QString label;
        QElapsedTimer since;
        bool killed = false;
        // Timers find their stop by this, not by the view's address: a later view can reuse it.
        quint64 serial = 0;
    };

    SessionProcessManager() = default;
    SessionTerminal *makeTerminal(const TerminalLaunch &launch);
    void handleProcessExit(const QUuid &sessionID, QObject *view);
    void handleAuxExit(const QUuid &paneID, QObject *view);
    void stop(QObject *view, const QString &label);
    void stopTimerFired(quint64 serial);
    void finishStopping(QObject *view);
    void pushAppearance();

    SessionTerminalFactory m_factory;
    QHash<QUuid, QObject *> m_terminals;
    QHash<QObject *, SessionTerminal *> m_views; // every view the manager made that is still alive
    QSet<QUuid> m_selfExitedSessions;
    QHash<QUuid, QString> m_pendingInitialInput;
    QHash<QUuid, QObject *> m_auxShells;
    QHash<QUuid, QUuid> m_auxShellSession;
    QSet<QUuid> m_exitedAuxPanes;
    std::vector<Stopping> m_stopping;
    quint64 m_stopSerial = 0;
    TerminalAppearance m_appearance;
};

} // namespace Brindlewick
