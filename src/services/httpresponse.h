#pragma once

#include <QByteArray>
#include <QJsonObject>

// The hook server's few responses and their exact bytes. Pure value; used on the hook server's
// thread.

namespace Brindlewick {

class HTTPResponse {
public:
    enum class Kind { json, badRequest, unauthorized, notFound, payloadTooLarge };

    static HTTPResponse json(const QJsonObject &dictionary); // 200
    static HTTPResponse ok();                                // json({"ok": true})
    static HTTPResponse badRequest();                        // 400
    static HTTPResponse unauthorized();                      // 401
    static HTTPResponse notFound();                          // 404
    static HTTPResponse payloadTooLarge();                   // 413

    Kind kind() const { return m_kind; }
    int statusCode() const;
    // Status line, Content-Type, Content-Length, "Connection: close", blank line, body.
    QByteArray serialize() const;

private:
    HTTPResponse(Kind kind, QJsonObject dictionary);

    Kind m_kind;
    QJsonObject m_dictionary;
};

} // namespace Brindlewick
