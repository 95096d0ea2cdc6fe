#include "services/hookhttpserver.h"

#include "platform/appidentity.h"
#include "services/httprequest.h"
#include "services/httpresponse.h"
#include "services/logging.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <list>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <unordered_map>

namespace Brindlewick {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int receiveChunk = 65536;
constexpr int maxCardLength = 128;
// After a resource shortage (no descriptors left) the listener tries again this much later.
constexpr int acceptRetryMs = 100;

bool isValidCard(const QString &card) {
    if (card.isEmpty() || card.size() > maxCardLength)
        return false;
    for (const QChar c : card) {
        const ushort u = c.unicode();
        const bool allowed = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                             u == '-' || u == '_';
        if (!allowed)
            return false;
    }
    return true;
}

// The fixed answers, serialised once.
const QByteArray &responseBytes(HTTPResponse::Kind kind) {
    static const QByteArray ok = HTTPResponse::ok().serialize();
    static const QByteArray badRequest = HTTPResponse::badRequest().serialize();
    static const QByteArray unauthorized = HTTPResponse::unauthorized().serialize();
    static const QByteArray notFound = HTTPResponse::notFound().serialize();
    static const QByteArray payloadTooLarge = HTTPResponse::payloadTooLarge().serialize();
    switch (kind) {
    case HTTPResponse::Kind::json:
        return ok;
    case HTTPResponse::Kind::badRequest:
        return badRequest;
    case HTTPResponse::Kind::unauthorized:
        return unauthorized;
    case HTTPResponse::Kind::notFound:
        return notFound;
    case HTTPResponse::Kind::payloadTooLarge:
        return payloadTooLarge;
    }
    return badRequest;
}

} // namespace

// Everything that runs on the server thread: the listener, the open connections (watched through
// one epoll descriptor) and their deadlines.
class HookServerWorker final : public QObject {
public:
    HookServerWorker(HookHTTPServer *server, TokenStore tokenStore)
        : m_server(server)
        , m_tokenStore(std::move(tokenStore)) {
        m_deadlineTimer.setSingleShot(true);
        m_deadlineTimer.setTimerType(Qt::PreciseTimer);
        connect(&m_deadlineTimer, &QTimer::timeout, this, [this] { onDeadline(); });
        m_acceptRetry.setSingleShot(true);
        connect(&m_acceptRetry, &QTimer::timeout, this, [this] { resumeAccepting(); });
        m_scratch.resize(receiveChunk);
    }

    ~HookServerWorker() override {
        shutdown();
        delete m_epollNotifier;
        if (m_epoll >= 0)
            ::close(m_epoll);
    }

    Result<quint16> listen() {
        if (m_epoll < 0) {
            m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
            if (m_epoll < 0)
                return Error{QString::fromLocal8Bit(strerror(errno))};
            m_epollNotifier = new QSocketNotifier(m_epoll, QSocketNotifier::Read, this);
            connect(m_epollNotifier, &QSocketNotifier::activated, this, [this] { onReady(); });
        }
        // QTcpServer binds and listens; accepting is done here, from the same epoll set as the
        // connections. That hands over plain descriptors (so a client that has shut down its
        // sending side can still be answered) and keeps control of a shortage of descriptors,
        // which QTcpServer stops reporting once it has seen one EAGAIN and then retries in a loop.
        auto *listener = new QTcpServer(this);
        if (!listener->listen(QHostAddress::LocalHost, 0)) {
            const QString reason = listener->errorString();
            delete listener;
            return Error{reason};
        }
        listener->pauseAccepting();
        m_listenFd = int(listener->socketDescriptor());
        // Qt listens with a backlog of 50; a burst of hook commands (or a benchmark) needs more.
        ::listen(m_listenFd, SOMAXCONN);
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = listenerKey;
        if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_listenFd, &event) != 0) {
            const QString reason = QString::fromLocal8Bit(strerror(errno));
            delete listener;
            m_listenFd = -1;
            return Error{reason};
        }
        m_listener = listener;

        const quint16 port = listener->serverPort();
        if (auto written = m_tokenStore.writePort(port); !written)
            qCCritical(lcHookHTTPServer, "Failed to write port file: %s",
                       qUtf8Printable(written.error().description()));
        else
            qCInfo(lcHookHTTPServer, "Hook HTTP server listening on 127.0.0.1:%hu", port);
        return port;
    }

    // Closes the listener and every connection; the port file goes with the listener.
    void shutdown() {
        closeListener();
        while (!m_connections.empty())
            closeConnection(m_connections.begin());
        m_deadlineTimer.stop();
    }

private:
    enum class State { reading, writing, lingering };

    struct Connection {
        int fd = -1;
        quint32 generation = 0;
        Clock::time_point deadline;
        State state = State::reading;
        bool lingerAfterWrite = false;
        bool watched = false; // in the epoll set
        QByteArray buffer;
        qsizetype scannedHead = 0; // bytes known not to contain the end of the head
        qint64 expectedTotal = 0;  // once the head is parsed: where the request ends
        QByteArray pending;        // response bytes not yet written
        qsizetype pendingOffset = 0;
    };
    using ConnectionList = std::list<Connection>;

    // Connections are told apart by descriptor and generation (descriptors are reused); the
    // listener has generation 0, which no connection gets.
    static quint64 epollKey(const Connection &c) { return (quint64(c.generation) << 32) | quint32(c.fd); }
    static constexpr quint64 listenerKey = 0xffffffffu;

    void closeListener() {
        if (!m_listener)
            return;
        m_acceptRetry.stop();
        // Closing the descriptor takes it out of the epoll set.
        m_listener->close();
        delete m_listener;
        m_listener = nullptr;
        m_listenFd = -1;
        m_tokenStore.clearPort();
    }

    void acceptPending() {
        for (;;) {
            const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd >= 0) {
                m_starved = false;
                accept(fd);
                if (!m_listener)
                    return;
                continue;
            }
            switch (errno) {
            case EAGAIN:
#if EAGAIN != EWOULDBLOCK
            case EWOULDBLOCK:
#endif
                return;
            case EINTR:
            case ECONNABORTED:
            case EPROTO:
            case ENETDOWN:
            case ENOPROTOOPT:
            case EHOSTDOWN:
            case ENONET:
            case EHOSTUNREACH:
            case EOPNOTSUPP:
            case ENETUNREACH:
                continue; // this one connection failed, not the listener
            case EMFILE:
            case ENFILE:
            case ENOBUFS:
            case ENOMEM: {
                // Out of descriptors or memory (many idle clients, for one): not a broken listener.
                // Waiting connections stay queued; accepting resumes once deadlines have freed some.
                if (!m_starved)
                    qCWarning(lcHookHTTPServer, "Listener out of resources, accepting again shortly: %s",
                              strerror(errno));
                m_starved = true;
                epoll_event event{};
                event.data.u64 = listenerKey;
                ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, m_listenFd, &event);
                m_acceptRetry.start(acceptRetryMs);
                return;
            }
            default: {
                qCCritical(lcHookHTTPServer, "Listener failed: %s", strerror(errno));
                closeListener();
                HookHTTPServer *server = m_server;
                QMetaObject::invokeMethod(
                    server, [server] { server->listenerFailed(); }, Qt::QueuedConnection);
                return;
            }
            }
        }
    }

    void resumeAccepting() {
        if (!m_listener)
            return;
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = listenerKey;
        ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, m_listenFd, &event);
        acceptPending();
    }

    void accept(int fd) {
        // Every connection lives at most this long, whatever it does; connections are accepted in
        // deadline order, so the list's front is always the next to expire.
        Connection c;
        c.fd = fd;
        c.generation = ++m_generation;
        c.deadline = Clock::now() + std::chrono::milliseconds(HookHTTPServer::connectionDeadlineMs);
        m_connections.push_back(std::move(c));
        const auto it = std::prev(m_connections.end());
        m_byFd.emplace(fd, it);
        if (!m_deadlineTimer.isActive())
            armDeadline();

        // The request is often there already and answered at once; the connection is watched only
        // when it has to wait.
        const quint32 generation = it->generation;
        receive(it);
        const auto still = m_byFd.find(fd);
        if (still != m_byFd.end() && still->second->generation == generation && !still->second->watched)
            watch(*still->second, EPOLLIN);
    }

    void onReady() {
        epoll_event events[64];
        const int n = ::epoll_wait(m_epoll, events, 64, 0);
        for (int i = 0; i < n; ++i) {
            if (events[i].data.u64 == listenerKey) {
                if (m_listener)
                    acceptPending();
                continue;
            }
            const int fd = int(quint32(events[i].data.u64 & 0xffffffffu));
            const quint32 generation = quint32(events[i].data.u64 >> 32);
            const auto found = m_byFd.find(fd);
            if (found == m_byFd.end() || found->second->generation != generation)
                continue;
            const auto it = found->second;
            if (it->state == State::writing)
                write(it);
            else
                receive(it);
        }
    }

    void receive(ConnectionList::iterator it) {
        Connection &c = *it;
        const ssize_t n = ::recv(c.fd, m_scratch.data(), size_t(m_scratch.size()), MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                return;
            closeConnection(it); // the peer is gone; nothing can be answered
            return;
        }
        const bool finished = n == 0;
        if (c.state == State::lingering) {
            if (finished)
                closeConnection(it);
            return; // the answer is out; what still arrives is dropped
        }
        c.buffer.append(m_scratch.constData(), int(n));

        if (c.buffer.size() > HookHTTPServer::maxRequestBytes) {
            send(it, HTTPResponse::Kind::payloadTooLarge, !finished);
            return;
        }

        // Parsing is repeated on the whole buffer, but only once it can give a new verdict: the
        // head must be complete, and then the announced body.
        bool parse = true;
        if (c.expectedTotal > 0) {
            parse = c.buffer.size() >= c.expectedTotal;
        } else {
            const qsizetype from = qMax<qsizetype>(0, c.scannedHead - 3);
            if (c.buffer.indexOf("\r\n\r\n", int(from)) < 0) {
                c.scannedHead = c.buffer.size();
                parse = false;
            }
        }
        if (parse) {
            const HTTPRequest::ParseResult result = HTTPRequest::parse(c.buffer);
            switch (result.kind()) {
            case HTTPRequest::ParseResult::Kind::complete: {
                const HTTPRequest &request = result.request();
                const qint64 used =
                    c.buffer.indexOf("\r\n\r\n") + 4 + (request.body ? request.body->size() : 0);
                respond(it, request, !finished && c.buffer.size() > used);
                return;
            }
            case HTTPRequest::ParseResult::Kind::invalid:
                send(it, HTTPResponse::Kind::badRequest, !finished);
                return;
            case HTTPRequest::ParseResult::Kind::needMore:
                c.expectedTotal = result.totalLength();
                break;
            }
        }
        if (finished)
            send(it, HTTPResponse::Kind::badRequest, false); // closed before the request was whole
    }

    void respond(ConnectionList::iterator it, const HTTPRequest &request, bool unreadBytes) {
        if (request.method == QLatin1String("GET") && request.path == QLatin1String("/v1/health")) {
            send(it, HTTPResponse::Kind::json, unreadBytes);
            return;
        }
        if (request.method == QLatin1String("POST") && request.path == QLatin1String("/v1/event")) {
            send(it, handleEvent(request), unreadBytes);
            return;
        }
        send(it, HTTPResponse::Kind::notFound, unreadBytes);
    }

    HTTPResponse::Kind handleEvent(const HTTPRequest &request) {
        const HookHTTPServer::Credentials credentials = m_server->credentials();

        const QString authorization = request.headers.value(QStringLiteral("authorization"));
        const QLatin1String scheme("Bearer ");
        if (credentials.token.isEmpty() || !authorization.startsWith(scheme) ||
            !HookHTTPServer::constantTimeEqual(authorization.mid(scheme.size()), credentials.token)) {
            qCWarning(lcHookHTTPServer, "rejected event: missing/invalid bearer token");
            return HTTPResponse::Kind::unauthorized;
        }

        const QString card = request.query.value(QStringLiteral("card"));
        const std::optional<SessionColumn> parsedColumn =
            sessionColumnFromRaw(request.query.value(QStringLiteral("column")));
        if (!isValidCard(card) || !parsedColumn) {
            qCWarning(lcHookHTTPServer, "rejected event: invalid card/column query");
            return HTTPResponse::Kind::badRequest;
        }
        const SessionColumn column = parsedColumn.value_or(SessionColumn::working);

        qCDebug(lcHookHTTPServer, "event accepted card=%s column=%s", qUtf8Printable(card),
                qUtf8Printable(rawValue(column)));
        const QDateTime at = QDateTime::currentDateTimeUtc();
        const HookEventDetail detail = HookPayload::detail(request.body);
        if (credentials.hasHandler)
            m_server->enqueue(HookHTTPServer::AcceptedEvent{card, column, at, detail});
        return HTTPResponse::Kind::json;
    }

    // Sends a whole response; afterwards the connection is closed. When the client may still be
    // sending, our side is shut down first and what arrives is read and dropped until the client
    // closes or the deadline passes: closing with unread data would reset the connection and the
    // client could lose the answer.
    void send(ConnectionList::iterator it, HTTPResponse::Kind kind, bool linger) {
        Connection &c = *it;
        c.pending = responseBytes(kind);
        c.pendingOffset = 0;
        c.lingerAfterWrite = linger;
        c.buffer = QByteArray();
        c.state = State::writing;
        write(it);
    }

    void write(ConnectionList::iterator it) {
        Connection &c = *it;
        while (c.pendingOffset < c.pending.size()) {
            const ssize_t n = ::send(c.fd, c.pending.constData() + c.pendingOffset,
                                     size_t(c.pending.size() - c.pendingOffset), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                if (errno == EAGAIN || errno == EWOULDBLOCK) {
                    watch(c, EPOLLOUT);
                    return;
                }
                closeConnection(it);
                return;
            }
            c.pendingOffset += n;
        }
        if (!c.lingerAfterWrite) {
            closeConnection(it);
            return;
        }
        ::shutdown(c.fd, SHUT_WR);
        c.state = State::lingering;
        c.pending = QByteArray();
        watch(c, EPOLLIN);
    }

    void watch(Connection &c, quint32 events) {
        epoll_event event{};
        event.events = events;
        event.data.u64 = epollKey(c);
        if (::epoll_ctl(m_epoll, c.watched ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, c.fd, &event) == 0)
            c.watched = true;
    }

    void closeConnection(ConnectionList::iterator it) {
        // Closing the descriptor also takes it out of the epoll set.
        m_byFd.erase(it->fd);
        ::close(it->fd);
        m_connections.erase(it);
    }

    void armDeadline() {
        if (m_connections.empty())
            return;
        const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   m_connections.front().deadline - Clock::now())
                                   .count();
        m_deadlineTimer.start(int(qMax<qint64>(0, remaining)));
    }

    void onDeadline() {
        // Expired connections are cut off without an answer.
        const auto now = Clock::now();
        while (!m_connections.empty() && m_connections.front().deadline <= now)
            closeConnection(m_connections.begin());
        armDeadline();
    }

    HookHTTPServer *m_server;
    TokenStore m_tokenStore;
    QTcpServer *m_listener = nullptr;
    int m_listenFd = -1;
    QTimer m_acceptRetry{this};
    bool m_starved = false; // logged once per shortage
    int m_epoll = -1;
    QSocketNotifier *m_epollNotifier = nullptr;
    QTimer m_deadlineTimer{this};
    ConnectionList m_connections; // in accept order, which is deadline order
    std::unordered_map<int, ConnectionList::iterator> m_byFd;
    quint32 m_generation = 0;
    QByteArray m_scratch;
};

HookHTTPServer::HookHTTPServer(TokenStore tokenStore, QObject *parent)
    : QObject(parent)
    , m_tokenStore(std::move(tokenStore)) {}

HookHTTPServer::~HookHTTPServer() {
    stop();
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
}

HookHTTPServer &HookHTTPServer::shared() {
    static HookHTTPServer server(TokenStore::standard());
    return server;
}

Result<void> HookHTTPServer::start(EventHandler onEvent) {
    Q_ASSERT(QThread::currentThread() == thread());
    if (m_port)
        return {};

    auto token = m_tokenStore.loadToken();
    if (!token)
        return token.error().toError();
    {
        QMutexLocker locker(&m_stateLock);
        m_token = *token;
        m_onEvent = std::move(onEvent);
    }

    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(applicationIdentifier() + QStringLiteral(".hookserver"));
        m_worker = new HookServerWorker(this, m_tokenStore);
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread->start();
    }

    // The thread is idle whenever no listener exists, so this wait is the length of a bind.
    std::optional<Result<quint16>> listened;
    QMetaObject::invokeMethod(
        m_worker, [&] { listened = m_worker->listen(); }, Qt::BlockingQueuedConnection);
    if (!listened->ok()) {
        QMutexLocker locker(&m_stateLock);
        m_onEvent = nullptr;
        return listened->error();
    }
    m_port = listened->value();
    return {};
}

void HookHTTPServer::stop() {
    Q_ASSERT(QThread::currentThread() == thread());
    {
        QMutexLocker locker(&m_stateLock);
        m_onEvent = nullptr;
    }
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [this] { m_worker->shutdown(); }, Qt::BlockingQueuedConnection);
    m_port.reset();
}

bool HookHTTPServer::isListening() const {
    return m_port.has_value();
}

std::optional<quint16> HookHTTPServer::port() const {
    return m_port;
}

bool HookHTTPServer::constantTimeEqual(const QString &a, const QString &b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size())
        return false;
    unsigned char difference = 0;
    for (int i = 0; i < x.size(); ++i)
        difference |= static_cast<unsigned char>(x.at(i) ^ y.at(i));
    return difference == 0;
}

HookHTTPServer::Credentials HookHTTPServer::credentials() const {
    QMutexLocker locker(&m_stateLock);
    return Credentials{m_token, bool(m_onEvent)};
}

void HookHTTPServer::enqueue(AcceptedEvent event) {
    // Events that arrive while a delivery is already on its way join it: one wake-up of the GUI
    // thread serves them all, in the order they were accepted.
    bool post = false;
    {
        QMutexLocker locker(&m_pendingLock);
        m_pending.append(std::move(event));
        post = !m_deliveryPosted;
        m_deliveryPosted = true;
    }
    if (post)
        QMetaObject::invokeMethod(
            this, [this] { deliverPending(); }, Qt::QueuedConnection);
}

void HookHTTPServer::deliverPending() {
    QVector<AcceptedEvent> events;
    {
        QMutexLocker locker(&m_pendingLock);
        events.swap(m_pending);
        m_deliveryPosted = false;
    }
    for (const AcceptedEvent &e : qAsConst(events)) {
        EventHandler handler;
        {
            QMutexLocker locker(&m_stateLock);
            handler = m_onEvent;
        }
        // A server stopped since the event was accepted passes nothing on.
        if (handler)
            handler(e.card, e.column, e.at, e.detail);
    }
}

void HookHTTPServer::listenerFailed() {
    m_port.reset();
}

} // namespace Brindlewick
