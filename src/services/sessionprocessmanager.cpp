#include "services/sessionprocessmanager.h"

namespace Brindlewick {

SessionProcessManager &SessionProcessManager::shared()
{
    static SessionProcessManager instance;
    return instance;
}

void SessionProcessManager::registerTerminal(const QUuid &sessionID, QObject *terminal)
{
    m_terminals.insert(sessionID, terminal);
    Q_EMIT terminalsChanged();
}

void SessionProcessManager::unregisterTerminal(const QUuid &sessionID)
{
    if (m_terminals.remove(sessionID) > 0)
        Q_EMIT terminalsChanged();
}

} // namespace Brindlewick
