#pragma once

#include <QHash>
#include <QObject>
#include <QUuid>

namespace Brindlewick {

// The one owner of every session's terminal process. Views observe which sessions have a live
// terminal (`terminals`) and redraw on `terminalsChanged`. GUI thread only.
class SessionProcessManager final : public QObject {
    Q_OBJECT
public:
    static SessionProcessManager &shared();

    // The sessions that have a live terminal process, by session id.
    const QHash<QUuid, QObject *> &terminals() const { return m_terminals; }
    bool hasTerminal(const QUuid &sessionID) const { return m_terminals.contains(sessionID); }

    void registerTerminal(const QUuid &sessionID, QObject *terminal);
    void unregisterTerminal(const QUuid &sessionID);

Q_SIGNALS:
    void terminalsChanged();

private:
    QHash<QUuid, QObject *> m_terminals;
};

} // namespace Brindlewick
