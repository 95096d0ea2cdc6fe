#include "services/sessionprocessmanager.h"

#include "models/uuidtext.h"
#include "services/logging.h"
#include "services/processexitwatch.h"
#include "services/windowgridlayout.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QTimer>

#include <algorithm>
#include <csignal>

namespace Brindlewick {

SessionProcessManager &SessionProcessManager::shared() {
    static SessionProcessManager instance;
    return instance;
}

SessionProcessManager::~SessionProcessManager() {
    // The views are widgets; after the application object is gone they can no longer be
    // destroyed safely, and their processes were stopped at quit.
    for (auto it = m_views.constBegin(); it != m_views.constEnd(); ++it)
        QObject::disconnect(it.key(), nullptr, this, nullptr);
}

std::optional<QUuid> SessionProcessManager::auxShellSession(const QUuid &paneID) const {
    auto it = m_auxShellSession.constFind(paneID);
    if (it == m_auxShellSession.constEnd())
        return std::nullopt;
    return *it;
}

SessionTerminal *SessionProcessManager::terminalFor(const QObject *view) const {
    return m_views.value(const_cast<QObject *>(view), nullptr);
}

bool SessionProcessManager::owns(const QObject *view) const {
    return m_views.contains(const_cast<QObject *>(view));
}

SessionTerminal *SessionProcessManager::makeTerminal(const TerminalLaunch &launch) {
    if (!m_factory.make)
        return nullptr;
    SessionTerminal *terminal = m_factory.make();
    QObject *view = terminal->object();
    m_views.insert(view, terminal);
    connect(view, &QObject::destroyed, this, [this, view] {
        // A view destroyed from outside (its window went with it) leaves every map.
        m_views.remove(view);
        for (auto *map : {&m_terminals, &m_auxShells}) {
            const QList<QUuid> ids = map->keys(view);
            for (const QUuid &id : ids)
                map->remove(id);
            if (!ids.isEmpty())
                Q_EMIT(map == &m_terminals ? terminalsChanged() : auxShellsChanged());
        }
        m_stopping.erase(std::remove_if(m_stopping.begin(), m_stopping.end(),
                                        [view](const Stopping &s) { return s.object == view || !s.object; }),
                         m_stopping.end());
    });
    terminal->applyAppearance(m_appearance);
    terminal->startProcess(launch);
    new ProcessExitWatch(terminal->processID(), view);
    return terminal;
}

static ProcessExitWatch *watchOf(QObject *view) {
    return view->findChild<ProcessExitWatch *>(QString(), Qt::FindDirectChildrenOnly);
}

SessionTerminal *SessionProcessManager::terminalView(const QUuid &sessionID, const QString &workingDirectory,
                                                     bool skipPermissions, bool remoteControl,
                                                     const std::optional<QString> &resumeSessionID) {
    if (QObject *running = m_terminals.value(sessionID))
        return m_views.value(running, nullptr);
    if (m_selfExitedSessions.remove(sessionID))
        Q_EMIT selfExitedSessionsChanged();
    const TerminalLaunch launch = SessionLaunchCommand::sessionLaunch(
        sessionID, workingDirectory, skipPermissions, remoteControl, resumeSessionID,
        SessionLaunchCommand::loginShell(), QProcessEnvironment::systemEnvironment());
    SessionTerminal *terminal = makeTerminal(launch);
    if (!terminal)
        return nullptr;
    QObject *view = terminal->object();
    connect(
        watchOf(view), &ProcessExitWatch::exited, this,
        [this, sessionID, view] { handleProcessExit(sessionID, view); }, Qt::QueuedConnection);
    if (watchOf(view)->hasExited()) // never started, or gone before it could be watched
        QTimer::singleShot(0, this, [this, sessionID, view] { handleProcessExit(sessionID, view); });
    m_terminals.insert(sessionID, view);
    const QString input = m_pendingInitialInput.take(sessionID);
    if (!input.isEmpty())
        terminal->sendInput(input);
    qCDebug(lcSessionProcessManager, "started terminal for session %s cwd=%s",
            qUtf8Printable(uuidText(sessionID)), qUtf8Printable(workingDirectory));
    Q_EMIT terminalsChanged();
    return terminal;
}

SessionTerminal *SessionProcessManager::auxShellView(const QUuid &paneID, const QUuid &sessionID,
                                                     const QString &workingDirectory) {
    if (QObject *running = m_auxShells.value(paneID))
        return m_views.value(running, nullptr);
    SessionTerminal *terminal = makeTerminal(SessionLaunchCommand::auxShellLaunch(
        workingDirectory, SessionLaunchCommand::loginShell(), QProcessEnvironment::systemEnvironment()));
    if (!terminal)
        return nullptr;
    QObject *view = terminal->object();
    connect(
        watchOf(view), &ProcessExitWatch::exited, this, [this, paneID, view] { handleAuxExit(paneID, view); },
        Qt::QueuedConnection);
    if (watchOf(view)->hasExited())
        QTimer::singleShot(0, this, [this, paneID, view] { handleAuxExit(paneID, view); });
    m_auxShells.insert(paneID, view);
    m_auxShellSession.insert(paneID, sessionID);
    qCDebug(lcSessionProcessManager, "started aux shell pane %s for session %s",
            qUtf8Printable(uuidText(paneID)), qUtf8Printable(uuidText(sessionID)));
    Q_EMIT auxShellsChanged();
    return terminal;
}

void SessionProcessManager::handleProcessExit(const QUuid &sessionID, QObject *view) {
    if (m_terminals.value(sessionID) != view)
        return; // stopped on request in the meantime
    m_terminals.remove(sessionID);
    m_pendingInitialInput.remove(sessionID);
    m_selfExitedSessions.insert(sessionID);
    qCDebug(lcSessionProcessManager, "session %s process exited on its own",
            qUtf8Printable(uuidText(sessionID)));
    // A window that shows the view keeps it (and its last screen); otherwise it goes now.
    SessionTerminal *terminal = m_views.take(view);
    if (terminal && !terminal->isShown())
        view->deleteLater();
    Q_EMIT terminalsChanged();
    Q_EMIT selfExitedSessionsChanged();
}

void SessionProcessManager::handleAuxExit(const QUuid &paneID, QObject *view) {
    if (m_auxShells.value(paneID) != view)
        return;
    m_auxShells.remove(paneID);
    m_auxShellSession.remove(paneID);
    m_exitedAuxPanes.insert(paneID);
    qCDebug(lcSessionProcessManager, "aux shell pane %s exited on its own", qUtf8Printable(uuidText(paneID)));
    SessionTerminal *terminal = m_views.take(view);
    if (terminal && !terminal->isShown())
        view->deleteLater();
    Q_EMIT auxShellsChanged();
    Q_EMIT exitedAuxPanesChanged();
}

void SessionProcessManager::terminate(const QUuid &sessionID) {
    m_pendingInitialInput.remove(sessionID);
    if (m_selfExitedSessions.remove(sessionID))
        Q_EMIT selfExitedSessionsChanged();
    const QList<QUuid> panes = m_auxShellSession.keys(sessionID);
    for (const QUuid &pane : panes)
        terminateAux(pane);
    if (QObject *view = m_terminals.take(sessionID)) {
        Q_EMIT terminalsChanged();
        stop(view, uuidText(sessionID));
    }
}

void SessionProcessManager::terminateAux(const QUuid &paneID) {
    if (m_exitedAuxPanes.remove(paneID))
        Q_EMIT exitedAuxPanesChanged();
    m_auxShellSession.remove(paneID);
    if (QObject *view = m_auxShells.take(paneID)) {
        Q_EMIT auxShellsChanged();
        stop(view, uuidText(paneID));
    }
}

void SessionProcessManager::terminateAll() {
    m_pendingInitialInput.clear();
    const QHash<QUuid, QObject *> aux = std::exchange(m_auxShells, {});
    m_auxShellSession.clear();
    const bool hadExitedPanes = !m_exitedAuxPanes.isEmpty();
    m_exitedAuxPanes.clear();
    for (auto it = aux.constBegin(); it != aux.constEnd(); ++it)
        stop(it.value(), uuidText(it.key()));
    const QHash<QUuid, QObject *> mains = std::exchange(m_terminals, {});
    for (auto it = mains.constBegin(); it != mains.constEnd(); ++it)
        stop(it.value(), uuidText(it.key()));
    if (!aux.isEmpty())
        Q_EMIT auxShellsChanged();
    if (hadExitedPanes)
        Q_EMIT exitedAuxPanesChanged();
    if (!mains.isEmpty())
        Q_EMIT terminalsChanged();
}

void SessionProcessManager::stop(QObject *view, const QString &label) {
    SessionTerminal *terminal = m_views.value(view, nullptr);
    if (!terminal)
        return; // a placeholder without a process
    terminal->detach();
    ProcessExitWatch *watch = watchOf(view);
    if (watch)
        QObject::disconnect(watch, nullptr, this, nullptr);
    if (!watch || watch->hasExited()) {
        m_views.remove(view);
        view->deleteLater();
        return;
    }
    // Closing the terminal's side of the pseudo-terminal would hang the child up; the same
    // signal goes straight to it here, followed by SIGTERM.
    watch->sendSignal(SIGHUP);
    watch->sendSignal(SIGTERM);
    Stopping stopping;
    stopping.terminal = terminal;
    stopping.object = view;
    stopping.watch = watch;
    stopping.label = label;
    stopping.since.start();
    stopping.serial = ++m_stopSerial;
    const quint64 serial = stopping.serial;
    m_stopping.push_back(stopping);
    connect(watch, &ProcessExitWatch::exited, this, [this, view] { finishStopping(view); });
    QTimer::singleShot(killDelayMs, this, [this, serial] { stopTimerFired(serial); });
}

void SessionProcessManager::stopTimerFired(quint64 serial) {
    auto it = std::find_if(m_stopping.begin(), m_stopping.end(),
                           [serial](const Stopping &s) { return s.serial == serial; });
    if (it == m_stopping.end())
        return;
    const int pid = static_cast<int>(it->watch->pid());
    if (!it->killed) {
        it->killed = true;
        it->watch->sendSignal(SIGKILL);
        qCDebug(lcSessionProcessManager, "SIGKILL session %s pid=%d", qUtf8Printable(it->label), pid);
        QTimer::singleShot(giveUpDelayMs, this, [this, serial] { stopTimerFired(serial); });
        return;
    }
    // The view stays: destroying it would wait for the process on the GUI thread.
    qCCritical(lcSessionProcessManager, "reap gave up: process unkillable pid=%d", pid);
    m_stopping.erase(it);
}

void SessionProcessManager::finishStopping(QObject *view) {
    m_stopping.erase(std::remove_if(m_stopping.begin(), m_stopping.end(),
                                    [view](const Stopping &s) { return s.object == view; }),
                     m_stopping.end());
    // The process has ended; its process object reaps it when the view goes.
    m_views.remove(view);
    view->deleteLater();
}

bool SessionProcessManager::waitForTerminations(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!m_stopping.empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents,
                                        20);
    // Let the deferred deletions run, so the process objects reap what has ended.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return m_stopping.empty();
}

std::optional<QUuid> SessionProcessManager::focusedPaneID(const QUuid &sessionID) const {
    if (SessionTerminal *main = m_views.value(m_terminals.value(sessionID), nullptr);
        main && main->hasKeyboardFocus())
        return sessionID;
    for (auto it = m_auxShellSession.constBegin(); it != m_auxShellSession.constEnd(); ++it) {
        if (it.value() != sessionID)
            continue;
        if (SessionTerminal *aux = m_views.value(m_auxShells.value(it.key()), nullptr);
            aux && aux->hasKeyboardFocus())
            return it.key();
    }
    return std::nullopt;
}

bool SessionProcessManager::focusWindow(const QUuid &sessionID) {
    SessionTerminal *terminal = m_views.value(m_terminals.value(sessionID), nullptr);
    if (!terminal || !terminal->isInWindow())
        return false;
    return terminal->bringWindowToFront();
}

void SessionProcessManager::arrangeWindowsInGrid() {
    QList<QUuid> ids = m_terminals.keys();
    std::sort(ids.begin(), ids.end(),
              [](const QUuid &a, const QUuid &b) { return uuidText(a) < uuidText(b); });
    QList<SessionTerminal *> inWindows;
    for (const QUuid &id : ids) {
        SessionTerminal *terminal = m_views.value(m_terminals.value(id), nullptr);
        if (terminal && terminal->isInWindow())
            inWindows << terminal;
    }
    if (inWindows.isEmpty() || !m_factory.mainScreenArea)
        return;
    const std::optional<QRect> area = m_factory.mainScreenArea();
    if (!area)
        return;
    const QVector<QRect> frames = WindowGridLayout::frames(static_cast<int>(inWindows.size()), *area);
    for (int i = 0; i < frames.size() && i < inWindows.size(); ++i) {
        inWindows[i]->setWindowFrame(frames[i]);
        inWindows[i]->bringWindowToFront();
    }
}

void SessionProcessManager::pushAppearance() {
    for (auto *map : {&m_terminals, &m_auxShells}) {
        for (QObject *view : std::as_const(*map)) {
            if (SessionTerminal *terminal = m_views.value(view, nullptr))
                terminal->applyAppearance(m_appearance);
        }
    }
}

void SessionProcessManager::applyMonospaceFont(const QString &family, double size) {
    m_appearance.fontFamily = family;
    m_appearance.fontSize = size;
    pushAppearance();
}

void SessionProcessManager::applyTerminalColors(quint32 foreground, quint32 background) {
    m_appearance.foreground = foreground & 0xFFFFFFu;
    m_appearance.background = background & 0xFFFFFFu;
    pushAppearance();
}

void SessionProcessManager::applyTerminalPalette(const QVector<quint32> &palette) {
    m_appearance.palette = palette;
    pushAppearance();
}

void SessionProcessManager::registerTerminal(const QUuid &sessionID, QObject *terminal) {
    m_terminals.insert(sessionID, terminal);
    Q_EMIT terminalsChanged();
}

void SessionProcessManager::unregisterTerminal(const QUuid &sessionID) {
    if (m_terminals.remove(sessionID) > 0)
        Q_EMIT terminalsChanged();
}

} // namespace Brindlewick
