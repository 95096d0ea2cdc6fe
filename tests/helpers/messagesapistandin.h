#pragma once

// A stand-in for the Anthropic Messages API on 127.0.0.1, for running the real Claude Code CLI in
// tests. It is a fake: it answers POST /v1/messages with a scripted, streamed (server-sent events)
// reply and nothing else. The script is stateless: reply number n is chosen by the number of
// assistant messages in the request, so the first turn uses one tool and the next one answers in
// text. The side request that names a session gets a JSON title. Lives on the thread that made it.

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVector>

class QTcpServer;
class QTcpSocket;

namespace BrindlewickTest {

// What the stand-in answers: a text and one tool call, then the final text; and a session title.
struct MessagesApiScript {
    QString toolText = QStringLiteral("I will create the probe file.");
    QString toolName = QStringLiteral("Bash");
    QJsonObject toolInput{{QStringLiteral("command"), QStringLiteral("touch probe-created.txt")},
                          {QStringLiteral("description"), QStringLiteral("Create the probe file")}};
    QString finalText = QStringLiteral("Done: probe-created.txt exists now.");
    QString title = QStringLiteral("Probe session");
};

class MessagesApiStandIn final : public QObject {
    Q_OBJECT
public:
    using Script = MessagesApiScript;
    enum class Kind { toolTurn, textTurn, title };
    struct Request {
        Kind kind;
        QJsonObject body;
    };

    explicit MessagesApiStandIn(Script script = {}, QObject *parent = nullptr);
    ~MessagesApiStandIn() override;

    // Listens on 127.0.0.1 with a port chosen by the system.
    bool listen();
    quint16 port() const;
    QString baseUrl() const;
    const QVector<Request> &requests() const { return m_requests; }
    int count(Kind kind) const;

    // The reply chosen for a request body; public for the stand-in's own checks.
    static Kind classify(const QJsonObject &body);
    QByteArray eventStream(Kind kind, const QString &model);

Q_SIGNALS:
    void requestServed();

private:
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QByteArray &head, const QByteArray &body);

    Script m_script;
    QTcpServer *m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QVector<Request> m_requests;
    int m_serial = 0;
};

} // namespace BrindlewickTest
