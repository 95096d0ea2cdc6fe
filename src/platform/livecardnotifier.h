#pragma once

#include "services/appmodel.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QUuid>

#include <optional>

class QDBusPendingCallWatcher;

namespace Brindlewick {

// Posts attention notifications through the freedesktop notification service on the session bus.
// Each session has at most one notification: a newer one replaces it (replaces_id). A click on a
// notification (its "default" action) is reported by `activated` with the session id's text.
// GUI thread.
class LiveCardNotifier final : public QObject, public CardNotifying {
    Q_OBJECT
public:
    explicit LiveCardNotifier(std::optional<QString> applicationIdentifier = runningApplicationIdentifierOrNone(),
                              QObject *parent = nullptr);
    ~LiveCardNotifier() override;

    void post(const QString &title, const QString &body, const QUuid &sessionID) override;
    // Asks the server who it is and what it can do; the answer is logged.
    void requestAuthorization();

    // The notification request's identifier for a session, as the rest of the system names it.
    static QString requestIdentifier(const QUuid &sessionID);

    static std::optional<QString> runningApplicationIdentifierOrNone();

Q_SIGNALS:
    // The user clicked the notification of this session (the text may be anything the map held).
    void activated(const QString &sessionIDText);
    // The server answered a post with this notification id (for tests and diagnostics).
    void posted(const QUuid &sessionID, uint notificationID);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    struct Pending {
        QString title;
        QString body;
    };
    void send(const QUuid &sessionID, const QString &title, const QString &body);

    std::optional<QString> m_applicationIdentifier;
    QDBusConnection m_bus;
    QHash<QUuid, uint> m_lastID;        // session → last notification id
    QHash<uint, QUuid> m_sessionOf;     // notification id → session
    QHash<QUuid, bool> m_inFlight;      // a Notify call without reply yet
    QHash<QUuid, Pending> m_queued;     // the newest post waiting for that reply
};

} // namespace Brindlewick
