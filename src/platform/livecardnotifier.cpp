#include "platform/livecardnotifier.h"

#include "models/uuidtext.h"
#include "platform/appidentity.h"
#include "services/localization.h"
#include "services/logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace Brindlewick {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
} // namespace

std::optional<QString> LiveCardNotifier::runningApplicationIdentifierOrNone()
{
    return runningApplicationIdentifier();
}

LiveCardNotifier::LiveCardNotifier(std::optional<QString> applicationIdentifier, QObject *parent)
    : QObject(parent), m_applicationIdentifier(std::move(applicationIdentifier)), m_bus(QDBusConnection::sessionBus())
{
    if (!m_applicationIdentifier || !m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

LiveCardNotifier::~LiveCardNotifier() = default;

QString LiveCardNotifier::requestIdentifier(const QUuid &sessionID)
{
    return QStringLiteral("card-attention-") + uuidText(sessionID);
}

void LiveCardNotifier::requestAuthorization()
{
    if (!m_applicationIdentifier) {
        qCInfo(lcApp, "notifications skipped: no bundle identifier (running as a bare executable)");
        return;
    }
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetServerInformation"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        QDBusPendingReply<QString, QString, QString, QString> reply = *w;
        if (reply.isError()) {
            qCCritical(lcApp, "notification authorization failed: %s", qUtf8Printable(reply.error().message()));
            return;
        }
        qCInfo(lcApp, "notification authorization granted=%d (server %s %s)", 1,
               qUtf8Printable(reply.argumentAt<0>()), qUtf8Printable(reply.argumentAt<2>()));
    });
}

void LiveCardNotifier::post(const QString &title, const QString &body, const QUuid &sessionID)
{
    if (!m_applicationIdentifier)
        return;
    if (m_inFlight.value(sessionID)) {
        // The id to replace is not known yet: send the newest text once it is.
        m_queued.insert(sessionID, Pending{title, body});
        return;
    }
    send(sessionID, title, body);
}

void LiveCardNotifier::send(const QUuid &sessionID, const QString &title, const QString &body)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), *m_applicationIdentifier);
    hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    hints.insert(QStringLiteral("category"), QStringLiteral("im.received"));
    const QStringList actions{QStringLiteral("default"), L("開く")};
    call << QStringLiteral("Brindlewick") << m_lastID.value(sessionID, 0u) << *m_applicationIdentifier << title << body
         << actions << hints << qint32(-1);
    m_inFlight.insert(sessionID, true);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, sessionID](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        m_inFlight.remove(sessionID);
        QDBusPendingReply<uint> reply = *w;
        if (!reply.isError()) {
            const uint id = reply.value();
            const uint previous = m_lastID.value(sessionID, 0u);
            if (previous != 0 && previous != id)
                m_sessionOf.remove(previous);
            m_lastID.insert(sessionID, id);
            m_sessionOf.insert(id, sessionID);
            Q_EMIT posted(sessionID, id);
        }
        if (m_queued.contains(sessionID)) {
            const Pending next = m_queued.take(sessionID);
            send(sessionID, next.title, next.body);
        }
    });
}

void LiveCardNotifier::onActionInvoked(uint id, const QString &actionKey)
{
    if (actionKey != QLatin1String("default"))
        return;
    const auto it = m_sessionOf.constFind(id);
    if (it == m_sessionOf.constEnd())
        return; // another application's notification
    Q_EMIT activated(uuidText(it.value()));
}

void LiveCardNotifier::onNotificationClosed(uint id, uint reason)
{
    Q_UNUSED(reason)
    const auto it = m_sessionOf.find(id);
    if (it == m_sessionOf.end())
        return;
    // Keep the session → id entry only while that notification is still shown.
    if (m_lastID.value(it.value()) == id)
        m_lastID.remove(it.value());
    // The click may arrive after the close; keep the reverse entry so it still finds its session.
}

} // namespace Brindlewick
