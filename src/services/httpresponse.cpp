#include "services/httpresponse.h"

#include <QJsonDocument>

namespace Brindlewick {

HTTPResponse::HTTPResponse(Kind kind, QJsonObject dictionary)
    : m_kind(kind)
    , m_dictionary(std::move(dictionary)) {}

HTTPResponse HTTPResponse::json(const QJsonObject &dictionary) {
    return HTTPResponse(Kind::json, dictionary);
}

HTTPResponse HTTPResponse::ok() {
    return json(QJsonObject{{QStringLiteral("ok"), true}});
}

HTTPResponse HTTPResponse::badRequest() {
    return HTTPResponse(Kind::badRequest, {});
}

HTTPResponse HTTPResponse::unauthorized() {
    return HTTPResponse(Kind::unauthorized, {});
}

HTTPResponse HTTPResponse::notFound() {
    return HTTPResponse(Kind::notFound, {});
}

HTTPResponse HTTPResponse::payloadTooLarge() {
    return HTTPResponse(Kind::payloadTooLarge, {});
}

int HTTPResponse::statusCode() const {
    switch (m_kind) {
    case Kind::json:
        return 200;
    case Kind::badRequest:
        return 400;
    case Kind::unauthorized:
        return 401;
    case Kind::notFound:
        return 404;
    case Kind::payloadTooLarge:
        return 413;
    }
    return 500;
}

QByteArray HTTPResponse::serialize() const {
    QByteArray reason;
    QByteArray body;
    switch (m_kind) {
    case Kind::json:
        reason = "OK";
        body = QJsonDocument(m_dictionary).toJson(QJsonDocument::Compact);
        if (body.isEmpty())
            body = "{}";
        break;
    case Kind::badRequest:
        reason = "Bad Request";
        body = R"({"error":"bad_request"})";
        break;
    case Kind::unauthorized:
        reason = "Unauthorized";
        body = R"({"error":"unauthorized"})";
        break;
    case Kind::notFound:
        reason = "Not Found";
        body = R"({"error":"not_found"})";
        break;
    case Kind::payloadTooLarge:
        reason = "Payload Too Large";
        body = R"({"error":"payload_too_large"})";
        break;
    }
    QByteArray out;
    out.reserve(120 + body.size());
    out += "HTTP/1.1 ";
    out += QByteArray::number(statusCode());
    out += ' ';
    out += reason;
    out += "\r\nContent-Type: application/json\r\nContent-Length: ";
    out += QByteArray::number(body.size());
    out += "\r\nConnection: close\r\n\r\n";
    out += body;
    return out;
}

} // namespace Brindlewick
