#pragma once

#include "models/result.h"
#include "models/sessioncolumn.h"
#include "services/hookpayload.h"
#include "services/tokenstore.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

// The token-protected HTTP/1.1 server on 127.0.0.1 through which the installed hook commands report
// Claude Code events (POST /v1/event?card=…&column=…, and GET /v1/health). The object lives on the
// GUI thread; the listener, every connection and the body parsing run in the server's own thread
// ("io.brindlewick.Brindlewick.hookserver"). Accepted events reach the handler on the GUI thread
// through a queued call; the server thread never waits for the GUI thread.

class QThread;

namespace Brindlewick {

class HookServerWorker;

class HookHTTPServer final : public QObject {
    Q_OBJECT
public:
    // card exactly as sent (already validated), target column, time the request was accepted (UTC,
    // taken on the server thread) and the detail parsed from the body. Runs on the GUI thread.
    using EventHandler = std::function<void(const QString &card, SessionColumn column, const QDateTime &at,
                                            const HookEventDetail &detail)>;

    // Every connection is closed at most this long after it was accepted.
    static constexpr int connectionDeadlineMs = 5000;
    // A request (head and body) may hold at most this many bytes.
    static constexpr qint64 maxRequestBytes = 1048576;

    explicit HookHTTPServer(TokenStore tokenStore, QObject *parent = nullptr);
    ~HookHTTPServer() override; // stops, then quits and waits for the server thread

    // The one server of the application, with TokenStore::standard(). GUI thread.
    static HookHTTPServer &shared();

    // Loads the token and starts listening on 127.0.0.1 with a port chosen by the system; writes
    // the port file. Does nothing when already listening (the handler is not replaced). The error
    // carries a user-facing description; the caller logs it. GUI thread.
    Result<void> start(EventHandler onEvent);
    // Clears the handler, closes every open connection and the listener and deletes the port file.
    // GUI thread.
    void stop();

    bool isListening() const;
    // The port bound while listening.
    std::optional<quint16> port() const;
    const TokenStore &tokenStore() const { return m_tokenStore; }

    // Compares the UTF-8 bytes of two texts, looking at every byte when the lengths match.
    static bool constantTimeEqual(const QString &a, const QString &b);

private:
    friend class HookServerWorker;

    // What the server thread reads under the lock for each event.
    struct Credentials {
        QString token;
        bool hasHandler = false;
    };
    Credentials credentials() const;
    struct AcceptedEvent {
        QString card;
        SessionColumn column;
        QDateTime at;
        HookEventDetail detail;
    };
    // Server thread: queues an accepted event for the GUI thread, without waiting for it.
    void enqueue(AcceptedEvent event);
    // GUI thread: hands the queued events, in order, to the handler if the server still has one.
    void deliverPending();
    // GUI thread: the listener broke down and is gone.
    void listenerFailed();

    TokenStore m_tokenStore;
    mutable QMutex m_stateLock; // guards m_token and m_onEvent
    QString m_token;
    EventHandler m_onEvent;
    QMutex m_pendingLock; // guards m_pending and m_deliveryPosted
    QVector<AcceptedEvent> m_pending;
    bool m_deliveryPosted = false;
    std::optional<quint16> m_port; // GUI thread
    QThread *m_thread = nullptr;
    HookServerWorker *m_worker = nullptr; // lives in m_thread
};

} // namespace Brindlewick
