#include "helpers/messagesapistandin.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

namespace BrindlewickTest {

namespace {

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// The body of a chunked request, or nothing while it is incomplete.
std::optional<QByteArray> dechunk(const QByteArray &data)
{
    QByteArray out;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lineEnd = data.indexOf("\r\n", pos);
        if (lineEnd < 0)
            return std::nullopt;
        bool ok = false;
        const qsizetype size = data.mid(pos, lineEnd - pos).split(';').first().trimmed().toLongLong(&ok, 16);
        if (!ok)
            return QByteArray();
        pos = lineEnd + 2;
        if (size == 0)
            return out;
        if (data.size() < pos + size + 2)
            return std::nullopt;
        out += data.mid(pos, size);
        pos += size + 2;
    }
}

} // namespace

MessagesApiStandIn::MessagesApiStandIn(Script script, QObject *parent)
    : QObject(parent), m_script(std::move(script)), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            m_buffers.insert(socket, {});
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

MessagesApiStandIn::~MessagesApiStandIn() = default;

bool MessagesApiStandIn::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 MessagesApiStandIn::port() const
{
    return m_server->serverPort();
}

QString MessagesApiStandIn::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

int MessagesApiStandIn::count(Kind kind) const
{
    return int(std::count_if(m_requests.begin(), m_requests.end(), [kind](const Request &r) { return r.kind == kind; }));
}

MessagesApiStandIn::Kind MessagesApiStandIn::classify(const QJsonObject &body)
{
    // The naming request asks for structured output and offers no tools.
    if (body.value(QLatin1String("output_config")).toObject().contains(QLatin1String("format")))
        return Kind::title;
    int assistantTurns = 0;
    for (const QJsonValue &m : body.value(QLatin1String("messages")).toArray()) {
        if (m.toObject().value(QLatin1String("role")).toString() == QLatin1String("assistant"))
            ++assistantTurns;
    }
    return assistantTurns == 0 ? Kind::toolTurn : Kind::textTurn;
}

QByteArray MessagesApiStandIn::eventStream(Kind kind, const QString &model)
{
    const int serial = ++m_serial;
    QByteArray out;
    auto event = [&out](const char *name, const QJsonObject &data) {
        out += QByteArray("event: ") + name + "\ndata: " + compact(data) + "\n\n";
    };
    auto textBlock = [&](int index, const QString &text) {
        event("content_block_start",
              {{QStringLiteral("type"), QStringLiteral("content_block_start")},
               {QStringLiteral("index"), index},
               {QStringLiteral("content_block"),
                QJsonObject{{QStringLiteral("type"), QStringLiteral("text")}, {QStringLiteral("text"), QString()}}}});
        event("content_block_delta",
              {{QStringLiteral("type"), QStringLiteral("content_block_delta")},
               {QStringLiteral("index"), index},
               {QStringLiteral("delta"),
                QJsonObject{{QStringLiteral("type"), QStringLiteral("text_delta")}, {QStringLiteral("text"), text}}}});
        event("content_block_stop", {{QStringLiteral("type"), QStringLiteral("content_block_stop")}, {QStringLiteral("index"), index}});
    };

    event("message_start",
          {{QStringLiteral("type"), QStringLiteral("message_start")},
           {QStringLiteral("message"),
            QJsonObject{{QStringLiteral("id"), QStringLiteral("msg_standin%1").arg(serial, 6, 10, QLatin1Char('0'))},
                        {QStringLiteral("type"), QStringLiteral("message")},
                        {QStringLiteral("role"), QStringLiteral("assistant")},
                        {QStringLiteral("model"), model},
                        {QStringLiteral("content"), QJsonArray()},
                        {QStringLiteral("stop_reason"), QJsonValue::Null},
                        {QStringLiteral("stop_sequence"), QJsonValue::Null},
                        {QStringLiteral("usage"),
                         QJsonObject{{QStringLiteral("input_tokens"), 12}, {QStringLiteral("output_tokens"), 1}}}}}});
    QString stopReason = QStringLiteral("end_turn");
    switch (kind) {
    case Kind::title:
        textBlock(0, QString::fromUtf8(compact({{QStringLiteral("title"), m_script.title}})));
        break;
    case Kind::textTurn:
        textBlock(0, m_script.finalText);
        break;
    case Kind::toolTurn:
        textBlock(0, m_script.toolText);
        event("content_block_start",
              {{QStringLiteral("type"), QStringLiteral("content_block_start")},
               {QStringLiteral("index"), 1},
               {QStringLiteral("content_block"),
                QJsonObject{{QStringLiteral("type"), QStringLiteral("tool_use")},
                            {QStringLiteral("id"), QStringLiteral("toolu_standin%1").arg(serial, 6, 10, QLatin1Char('0'))},
                            {QStringLiteral("name"), m_script.toolName},
                            {QStringLiteral("input"), QJsonObject()}}}});
        event("content_block_delta",
              {{QStringLiteral("type"), QStringLiteral("content_block_delta")},
               {QStringLiteral("index"), 1},
               {QStringLiteral("delta"),
                QJsonObject{{QStringLiteral("type"), QStringLiteral("input_json_delta")},
                            {QStringLiteral("partial_json"), QString::fromUtf8(compact(m_script.toolInput))}}}});
        event("content_block_stop", {{QStringLiteral("type"), QStringLiteral("content_block_stop")}, {QStringLiteral("index"), 1}});
        stopReason = QStringLiteral("tool_use");
        break;
    }
    event("message_delta",
          {{QStringLiteral("type"), QStringLiteral("message_delta")},
           {QStringLiteral("delta"),
            QJsonObject{{QStringLiteral("stop_reason"), stopReason}, {QStringLiteral("stop_sequence"), QJsonValue::Null}}},
           {QStringLiteral("usage"), QJsonObject{{QStringLiteral("output_tokens"), 24}}}});
    event("message_stop", {{QStringLiteral("type"), QStringLiteral("message_stop")}});
    return out;
}

void MessagesApiStandIn::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    const QByteArray head = buffer.left(headEnd);
    const QByteArray rest = buffer.mid(headEnd + 4);
    qsizetype length = 0;
    bool chunked = false;
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length")
            length = value.toLongLong();
        else if (name == "transfer-encoding" && value.toLower().contains("chunked"))
            chunked = true;
    }
    QByteArray body;
    if (chunked) {
        const auto decoded = dechunk(rest);
        if (!decoded)
            return;
        body = *decoded;
    } else {
        if (rest.size() < length)
            return;
        body = rest.left(length);
    }
    buffer.clear();
    respond(socket, head, body);
}

void MessagesApiStandIn::respond(QTcpSocket *socket, const QByteArray &head, const QByteArray &body)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const bool messages = requestLine.size() >= 2 && requestLine.at(0) == "POST"
        && (requestLine.at(1) == "/v1/messages" || requestLine.at(1).startsWith("/v1/messages?"));
    if (!messages) {
        const QByteArray error = R"({"type":"error","error":{"type":"not_found_error","message":"stand-in: not found"}})";
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(error.size()) + "\r\nConnection: close\r\n\r\n" + error);
        socket->disconnectFromHost();
        return;
    }
    const QJsonObject request = QJsonDocument::fromJson(body).object();
    const Kind kind = classify(request);
    m_requests.push_back({kind, request});
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\nCache-Control: no-cache\r\n"
                  "request-id: req_standin\r\nConnection: close\r\n\r\n"
                  + eventStream(kind, request.value(QLatin1String("model")).toString()));
    socket->disconnectFromHost();
    Q_EMIT requestServed();
}

} // namespace BrindlewickTest
