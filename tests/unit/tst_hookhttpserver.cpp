// The real hook server on 127.0.0.1 with real sockets and real curl: routes, authentication, query
// validation, limits, the per-connection deadline, idle connections, the hand-over of events to the
// GUI thread, and start/stop with the port file.
#include "services/hookhttpserver.h"
#include "services/logging.h"
#include "support/testsupport.h"
#include "unit/hostilerequests.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

struct Event {
    QString card;
    SessionColumn column;
    QDateTime at;
    HookEventDetail detail;
    bool onGuiThread;
};

int connectTo(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

void sendAll(int fd, const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n <= 0)
            return; // the server may have answered and stopped reading
        done += n;
    }
}

// Reads until the server closes (or the timeout); returns what arrived and when the close came.
struct Received {
    QByteArray bytes;
    qint64 closedAfterMs = -1;
};

Received readUntilClosed(int fd, const QElapsedTimer &since, int timeoutMs = 8000) {
    Received r;
    char buffer[65536];
    while (since.elapsed() < timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            r.closedAfterMs = since.elapsed();
            break;
        }
        r.bytes.append(buffer, int(n));
    }
    return r;
}

// One client: connects, sends the chunks (with a pause between them), optionally shuts down its
// sending side, and reads the whole answer.
Received exchange(quint16 port, const QVector<QByteArray> &chunks, bool shutdownAfter = true,
                  int pauseMs = 0) {
    QElapsedTimer since;
    since.start();
    const int fd = connectTo(port);
    if (fd < 0)
        return {};
    for (int i = 0; i < chunks.size(); ++i) {
        if (i > 0 && pauseMs > 0)
            QThread::msleep(ulong(pauseMs));
        sendAll(fd, chunks.at(i));
    }
    if (shutdownAfter)
        ::shutdown(fd, SHUT_WR);
    Received r = readUntilClosed(fd, since);
    ::close(fd);
    return r;
}

QByteArray statusLine(const QByteArray &response) {
    return response.left(response.indexOf("\r\n"));
}

int statusOf(const QByteArray &response) {
    const QList<QByteArray> parts = statusLine(response).split(' ');
    return parts.size() > 1 ? parts.at(1).toInt() : 0;
}

// The server's own log lines, to show that no token or body ever reaches them.
QMutex logLock;
QStringList serverLog;
QtMessageHandler previousHandler = nullptr;
void recordLog(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (context.category && QByteArray(context.category) == lcHookHTTPServer().categoryName()) {
        QMutexLocker locker(&logLock);
        serverLog.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QString curlProgram() {
    return QStringLiteral("curl");
}

} // namespace

class TestHookHTTPServer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<HookHTTPServer> m_server;
    QVector<Event> m_events;
    QByteArray m_token;
    quint16 m_port = 0;

    QString claudeDir() const { return m_dir.path() + QStringLiteral("/.claude"); }

    HookHTTPServer::EventHandler recorder() {
        return [this](const QString &card, SessionColumn column, const QDateTime &at,
                      const HookEventDetail &detail) {
            m_events.append(Event{card, column, at, detail, QThread::currentThread() == thread()});
        };
    }

    QByteArray event(const QByteArray &query, const QByteArray &body = {},
                     const QByteArray &authorization = {}) {
        const QByteArray auth = authorization.isNull() ? "Bearer " + m_token : authorization;
        return "POST /v1/event?" + query + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
               (auth.isEmpty() ? QByteArray() : "Authorization: " + auth + "\r\n") +
               "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }

    // Runs curl against the server; returns the body and the status code.
    QPair<QByteArray, int> curl(const QStringList &arguments) {
        QProcess p;
        p.start(curlProgram(),
                QStringList{QStringLiteral("-sS"), QStringLiteral("--noproxy"), QStringLiteral("*"),
                            QStringLiteral("--max-time"), QStringLiteral("10"), QStringLiteral("-w"),
                            QStringLiteral("\n%{http_code}")} +
                    arguments);
        if (!p.waitForFinished(15000))
            return {};
        const QByteArray out = p.readAllStandardOutput();
        const int cut = out.lastIndexOf('\n');
        return {out.left(cut), out.mid(cut + 1).toInt()};
    }

    QString url(const QString &pathAndQuery) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(pathAndQuery);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // The token is made once; every server of this test finds and reuses it.
        auto token = TokenStore(claudeDir()).loadToken();
        QVERIFY(token.ok());
        m_token = token.value().toLatin1();
        QLoggingCategory::setFilterRules(
            QStringLiteral("io.brindlewick.Brindlewick.HookHTTPServer.debug=true"));
        previousHandler = qInstallMessageHandler(&recordLog);
    }

    void init() {
        m_events.clear();
        m_server = std::make_unique<HookHTTPServer>(TokenStore(claudeDir()));
        QVERIFY(m_server->start(recorder()).ok());
        QVERIFY(m_server->port());
        m_port = *m_server->port();
        QCOMPARE(readFile(m_server->tokenStore().tokenURL()), m_token);
    }

    void cleanup() { m_server.reset(); }

    void cleanupTestCase() {
        qInstallMessageHandler(previousHandler);
        QMutexLocker locker(&logLock);
        QVERIFY(!serverLog.isEmpty());
        for (const QString &line : serverLog) {
            QVERIFY2(!line.contains(QString::fromLatin1(m_token)), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("secret-prompt")), qPrintable(line));
        }
    }

    void healthAnswersExactlyAndCloses() {
        const Received r = exchange(m_port, {"GET /v1/health HTTP/1.1\r\n\r\n"}, false);
        QCOMPARE(r.bytes,
                 QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 11\r\n"
                            "Connection: close\r\n\r\n{\"ok\":true}"));
        QVERIFY2(r.closedAfterMs >= 0 && r.closedAfterMs < 2000, "the server closes after its answer");
        QVERIFY(m_events.isEmpty());
    }

    void routesAndRejections_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        const QByteArray token = m_token;
        const auto post = [&](const QByteArray &query, const QByteArray &auth) -> QByteArray {
            return "POST /v1/event?" + query + " HTTP/1.1\r\n" +
                   (auth.isEmpty() ? QByteArray() : "Authorization: " + auth + "\r\n") + "\r\n";
        };
        const QByteArray bearer = "Bearer " + token;
        const QByteArray unauthorized = R"({"error":"unauthorized"})";
        const QByteArray badRequest = R"({"error":"bad_request"})";
        const QByteArray notFound = R"({"error":"not_found"})";
        const QByteArray ok = R"({"ok":true})";
        QTest::newRow("lower-case get health") << QByteArray("get /v1/health HTTP/1.1\r\n\r\n") << 200 << ok;
        QTest::newRow("health ignores token, query and body")
            << QByteArray("GET /v1/health?card=x HTTP/1.1\r\nAuthorization: Bearer nope\r\nContent-Length: "
                          "3\r\n\r\nabc")
            << 200 << ok;
        QTest::newRow("POST health") << QByteArray("POST /v1/health HTTP/1.1\r\n\r\n") << 404 << notFound;
        QTest::newRow("GET event") << QByteArray("GET /v1/event?card=abc&column=idle HTTP/1.1\r\n\r\n") << 404
                                   << notFound;
        QTest::newRow("event with a trailing slash")
            << QByteArray("POST /v1/event/?card=abc&column=idle HTTP/1.1\r\n\r\n") << 404 << notFound;
        QTest::newRow("path is case-sensitive")
            << QByteArray("GET /V1/health HTTP/1.1\r\n\r\n") << 404 << notFound;
        QTest::newRow("percent-encoded path is not decoded")
            << QByteArray("GET /v1/%68ealth HTTP/1.1\r\n\r\n") << 404 << notFound;
        QTest::newRow("no authorization") << post("card=abc&column=idle", {}) << 401 << unauthorized;
        QTest::newRow("lower-case scheme")
            << post("card=abc&column=idle", "bearer " + token) << 401 << unauthorized;
        QTest::newRow("two spaces after the scheme")
            << post("card=abc&column=idle", "Bearer  " + token) << 401 << unauthorized;
        QTest::newRow("token of another length")
            << post("card=abc&column=idle", bearer + "x") << 401 << unauthorized;
        QTest::newRow("token of the same length")
            << post("card=abc&column=idle", "Bearer " + QByteArray(43, 'A')) << 401 << unauthorized;
        QTest::newRow("scheme only") << post("card=abc&column=idle", "Bearer") << 401 << unauthorized;
        QTest::newRow("bad query checked after the token")
            << post("card=a.b&column=Idle", {}) << 401 << unauthorized;
        QTest::newRow("column Idle") << post("card=abc&column=Idle", bearer) << 400 << badRequest;
        QTest::newRow("column missing") << post("card=abc", bearer) << 400 << badRequest;
        QTest::newRow("column unknown") << post("card=abc&column=done", bearer) << 400 << badRequest;
        QTest::newRow("card missing") << post("column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card empty") << post("card=&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card of 129 characters")
            << post("card=" + QByteArray(129, 'a') + "&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card with a full stop") << post("card=a.b&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card with a non-ASCII letter")
            << post("card=%C3%A9&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card with a decoded space")
            << post("card=a%20b&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card with a plus") << post("card=a+b&column=idle", bearer) << 400 << badRequest;
        QTest::newRow("card of 128 characters")
            << post("card=" + QByteArray(128, 'Z') + "&column=working", bearer) << 200 << ok;
        QTest::newRow("every column: attention") << post("card=a_B-9&column=attention", bearer) << 200 << ok;
    }
    void routesAndRejections() {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        const Received r = exchange(m_port, {request}, false);
        QCOMPARE(statusOf(r.bytes), status);
        QVERIFY(r.bytes.endsWith("\r\nConnection: close\r\n\r\n" + body));
        if (status == 200 && request.startsWith("POST"))
            QTRY_COMPARE(m_events.size(), 1);
        else {
            QTest::qWait(20);
            QVERIFY(m_events.isEmpty());
        }
    }

    void hostileRequestsGetTheirStatus_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        for (const HostileRequest &c : hostileRequests(m_token))
            QTest::newRow(c.name) << c.bytes << c.status;
    }
    void hostileRequestsGetTheirStatus() {
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QCOMPARE(statusOf(exchange(m_port, {input}).bytes), status);
        if (input.size() <= 4096 && input.size() >= 3) {
            // The same in three pieces that arrive apart.
            const int third = input.size() / 3;
            const QVector<QByteArray> pieces{input.left(third), input.mid(third, third),
                                             input.mid(2 * third)};
            QCOMPARE(statusOf(exchange(m_port, pieces, true, 30).bytes), status);
        }
    }

    void acceptedEventReachesTheGuiThread() {
        const QString transcript = m_dir.path() + QStringLiteral("/transcript.jsonl");
        QVERIFY(
            QFile::copy(QStringLiteral(BW_SOURCE_DIR "/tests/data/claude-code/tty-transcript-excerpt.jsonl"),
                        transcript));
        QJsonObject payload =
            QJsonDocument::fromJson(
                readFile(QStringLiteral(BW_SOURCE_DIR "/tests/data/claude-code/tty-Stop.json")))
                .object();
        payload[QStringLiteral("transcript_path")] = transcript;
        const QString bodyPath = m_dir.path() + QStringLiteral("/stop.json");
        QVERIFY(writeFile(bodyPath, QJsonDocument(payload).toJson()));

        const QDateTime before = QDateTime::currentDateTimeUtc();
        const auto [body, code] =
            curl({QStringLiteral("-X"), QStringLiteral("POST"), QStringLiteral("--data-binary"),
                  QLatin1Char('@') + bodyPath, QStringLiteral("-H"),
                  QStringLiteral("Authorization: Bearer ") + QString::fromLatin1(m_token),
                  url(QStringLiteral("/v1/event?card=AB%2DCD&column=attention"))});
        const QDateTime after = QDateTime::currentDateTimeUtc();
        QCOMPARE(code, 200);
        QCOMPARE(body, QByteArray("{\"ok\":true}"));
        QTRY_COMPARE(m_events.size(), 1);
        const Event &e = m_events.first();
        QCOMPARE(e.card, QStringLiteral("AB-CD"));
        QCOMPARE(int(e.column), int(SessionColumn::attention));
        QVERIFY(e.at >= before && e.at <= after);
        QVERIFY(e.onGuiThread);
        QCOMPARE(e.detail.eventName, QStringLiteral("Stop"));
        QCOMPARE(e.detail.responseSnippet, QStringLiteral("Done: probe-created.txt exists now."));
        QCOMPARE(e.detail.customTitle, QStringLiteral("probe-title-one"));
        QCOMPARE(e.detail.claudeSessionID, QStringLiteral("1f9ec47c-461d-44fc-bb78-e8aeb03989e4"));
    }

    void bodyThatIsNotJsonStillCounts() {
        const Received r = exchange(m_port, {event("card=abc&column=idle", "secret-prompt, not JSON")});
        QCOMPARE(statusOf(r.bytes), 200);
        QTRY_COMPARE(m_events.size(), 1);
        QVERIFY(m_events.first().detail.isEmpty());
        QCOMPARE(int(m_events.first().column), int(SessionColumn::idle));
    }

    void requestInManyChunksIsParsedOnceWhole() {
        const QByteArray body =
            R"({"hook_event_name":"UserPromptSubmit","prompt":"secret-prompt in pieces"})";
        const QByteArray request = event("card=chunks&column=working", body);
        QVector<QByteArray> pieces;
        for (int i = 0; i < request.size(); i += 7)
            pieces.append(request.mid(i, 7));
        const Received r = exchange(m_port, pieces, false, 2);
        QCOMPARE(statusOf(r.bytes), 200);
        QTRY_COMPARE(m_events.size(), 1);
        QCOMPARE(m_events.first().detail.promptSnippet, QStringLiteral("secret-prompt in pieces"));
    }

    void bytesBeyondTheBodyAreIgnored() {
        const QByteArray request =
            event("card=extra&column=idle", R"({"hook_event_name":"Notification"})") + "GARBAGE";
        QCOMPARE(statusOf(exchange(m_port, {request}, false).bytes), 200);
        QTRY_COMPARE(m_events.size(), 1);
        QCOMPARE(m_events.first().detail.eventName, QStringLiteral("Notification"));
    }

    void clientThatStopsSendingEarlyGets400() {
        const QByteArray request = event("card=abc&column=idle", "{\"hook_event_name\":\"Stop\"}");
        const Received r = exchange(m_port, {request.left(request.size() - 5)}, true);
        QCOMPARE(statusOf(r.bytes), 400);
        QTest::qWait(20);
        QVERIFY(m_events.isEmpty());
    }

    void oversizedRequestGets413ThroughCurl() {
        // Within the Content-Length limit, but head and body together pass 1 MiB.
        const QString bodyPath = m_dir.path() + QStringLiteral("/big.json");
        QVERIFY(writeFile(bodyPath, QByteArray(int(HookHTTPServer::maxRequestBytes) - 10, ' ')));
        const auto [body, code] =
            curl({QStringLiteral("-H"), QStringLiteral("Expect:"), QStringLiteral("--data-binary"),
                  QLatin1Char('@') + bodyPath, QStringLiteral("-H"),
                  QStringLiteral("Authorization: Bearer ") + QString::fromLatin1(m_token),
                  url(QStringLiteral("/v1/event?card=abc&column=idle"))});
        QCOMPARE(code, 413);
        QCOMPARE(body, QByteArray(R"({"error":"payload_too_large"})"));
        QTest::qWait(20);
        QVERIFY(m_events.isEmpty());
    }

    void silentClientIsCutOffAfterFiveSecondsWithoutAnAnswer() {
        QElapsedTimer since;
        since.start();
        const int fd = connectTo(m_port);
        QVERIFY(fd >= 0);
        sendAll(fd, "POST /v1/event?card=abc&column=idle HTTP/1.1\r\nContent-Length: 10\r\n\r\n{}");
        const Received r = readUntilClosed(fd, since);
        ::close(fd);
        QCOMPARE(r.bytes, QByteArray());
        QVERIFY2(r.closedAfterMs >= 4900 && r.closedAfterMs <= 5800,
                 qPrintable(QString::number(r.closedAfterMs)));
    }

    void idleConnectionsDoNotBlockARealPost() {
        QElapsedTimer since;
        since.start();
        QVector<int> idle;
        QVector<qint64> openedAt;
        for (int i = 0; i < 200; ++i) {
            const int fd = connectTo(m_port);
            QVERIFY(fd >= 0);
            idle.append(fd);
            openedAt.append(since.elapsed());
        }

        QElapsedTimer post;
        post.start();
        const auto [body, code] = curl(
            {QStringLiteral("--data-binary"), QStringLiteral(R"({"hook_event_name":"PreToolUse"})"),
             QStringLiteral("-H"), QStringLiteral("Authorization: Bearer ") + QString::fromLatin1(m_token),
             url(QStringLiteral("/v1/event?card=busy&column=working"))});
        QCOMPARE(code, 200);
        QVERIFY2(post.elapsed() < 2000, qPrintable(QString::number(post.elapsed())));
        QTRY_COMPARE(m_events.size(), 1);

        // Each idle connection is closed by the server 5 seconds after it was accepted.
        QVector<qint64> closedAt(idle.size(), -1);
        int open = idle.size();
        while (open > 0 && since.elapsed() < 9000) {
            QVector<pollfd> polls;
            for (int i = 0; i < idle.size(); ++i)
                if (closedAt[i] < 0)
                    polls.append(pollfd{idle[i], POLLIN, 0});
            if (::poll(polls.data(), nfds_t(polls.size()), 100) <= 0)
                continue;
            for (const pollfd &p : polls) {
                if (!p.revents)
                    continue;
                char c;
                if (::recv(p.fd, &c, 1, 0) <= 0) {
                    closedAt[idle.indexOf(p.fd)] = since.elapsed();
                    --open;
                }
            }
        }
        for (int i = 0; i < idle.size(); ++i) {
            ::close(idle[i]);
            const qint64 lived = closedAt[i] - openedAt[i];
            QVERIFY2(closedAt[i] >= 0 && lived >= 4900 && lived <= 6000,
                     qPrintable(QStringLiteral("connection %1 lived %2 ms").arg(i).arg(lived)));
        }
    }

    void startStopAndThePortFile() {
        const TokenStore files = m_server->tokenStore(); // a copy: the server goes away below
        QCOMPARE(readFile(files.portURL()), QByteArray::number(m_port));
        QVERIFY(m_server->isListening());

        // A second start changes nothing, not even the handler.
        int otherCalls = 0;
        QVERIFY(m_server
                    ->start([&](const QString &, SessionColumn, const QDateTime &, const HookEventDetail &) {
                        ++otherCalls;
                    })
                    .ok());
        QCOMPARE(*m_server->port(), m_port);
        QCOMPARE(statusOf(exchange(m_port, {event("card=one&column=idle")}).bytes), 200);
        QTRY_COMPARE(m_events.size(), 1);
        QCOMPARE(otherCalls, 0);

        m_server->stop();
        QVERIFY(!m_server->isListening());
        QVERIFY(!m_server->port());
        QVERIFY(!QFileInfo::exists(files.portURL()));
        QCOMPARE(connectTo(m_port), -1);
        m_server->stop(); // twice is harmless

        // Started again: a new listener and port file, the same token.
        QVERIFY(m_server->start(recorder()).ok());
        const quint16 again = *m_server->port();
        QCOMPARE(readFile(files.portURL()), QByteArray::number(again));
        QCOMPARE(readFile(files.tokenURL()), m_token);
        QCOMPARE(statusOf(exchange(again, {event("card=two&column=idle")}).bytes), 200);
        QTRY_COMPARE(m_events.size(), 2);
        QCOMPARE(m_events.last().card, QStringLiteral("two"));

        m_server.reset(); // destruction stops too
        QVERIFY(!QFileInfo::exists(files.portURL()));
    }

    void stopClosesOpenConnections() {
        const int fd = connectTo(m_port);
        QVERIFY(fd >= 0);
        sendAll(fd, "GET /v1/health HTTP/1.1\r\n");
        QTest::qWait(50);
        QElapsedTimer since;
        since.start();
        m_server->stop();
        const Received r = readUntilClosed(fd, since);
        ::close(fd);
        QCOMPARE(r.bytes, QByteArray());
        QVERIFY(r.closedAfterMs >= 0 && r.closedAfterMs < 1000);
    }

    void eventsAcceptedBeforeStopAreNotHandedOnAfterIt() {
        // The answer comes after the event was queued for the GUI thread; stopping before the GUI
        // thread gets to it drops it.
        QCOMPARE(statusOf(exchange(m_port, {event("card=late&column=idle")}).bytes), 200);
        m_server->stop();
        QTest::qWait(50);
        QVERIFY(m_events.isEmpty());
    }

    void runningOutOfDescriptorsOnlyPausesAccepting() {
        // This process holds both ends: with every descriptor taken by the clients, the server's
        // accept fails with EMFILE.
        rlimit original{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &original) == 0);
        rlimit low = original;
        low.rlim_cur = 256;
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
        QVector<int> filler;
        for (int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC); fd >= 0;
             fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC))
            filler.append(fd);
        for (int i = 0; i < 5; ++i)
            ::close(filler.takeLast());
        QVector<int> clients;
        for (int fd = connectTo(m_port); fd >= 0; fd = connectTo(m_port))
            clients.append(fd);
        QVERIFY(!clients.isEmpty());
        {
            const auto logged = [] {
                QMutexLocker locker(&logLock);
                return serverLog.filter(QStringLiteral("Listener out of resources")).size();
            };
            QTRY_VERIFY(logged() > 0);
        }
        for (int fd : qAsConst(filler))
            ::close(fd);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &original) == 0);

        // Accepting resumes: the waiting clients are taken, and a real request is answered.
        const Received r = exchange(m_port, {event("card=after&column=idle")});
        QCOMPARE(statusOf(r.bytes), 200);
        QTRY_COMPARE(m_events.size(), 1);
        QVERIFY(m_server->isListening());
        QCOMPARE(readFile(m_server->tokenStore().portURL()), QByteArray::number(m_port));
        for (int fd : qAsConst(clients))
            ::close(fd);
    }

    void startFailsWhenTheTokenCannotBeWritten() {
        const QString blocked = m_dir.path() + QStringLiteral("/blocked");
        QVERIFY(writeFile(blocked, "a file where the folder should be"));
        HookHTTPServer server{TokenStore(blocked + QStringLiteral("/.claude"))};
        const auto started = server.start(recorder());
        QVERIFY(!started.ok());
        QCOMPARE(started.error().description, QStringLiteral("Failed to create file at ") + blocked);
        QVERIFY(!server.isListening());
    }
};

QTEST_GUILESS_MAIN(TestHookHTTPServer)
#include "tst_hookhttpserver.moc"
