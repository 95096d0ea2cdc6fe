#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

// One HTTP/1.1 request as the hook server reads it, and the pure parser that builds it from the
// bytes received so far. Used on the hook server's thread; no state, no I/O.

namespace Brindlewick {

struct HTTPRequest {
    // The largest Content-Length accepted; larger requests are refused as a whole.
    static constexpr qint64 maxContentLength = 1048576;

    QString method;                 // upper-cased
    QString path;                   // the target before the first "?", not percent-decoded
    QMap<QString, QString> query;   // percent-decoded; a later duplicate replaces an earlier one
    QMap<QString, QString> headers; // names lower-cased, values trimmed of spaces and tabs
    std::optional<QByteArray> body; // exactly Content-Length bytes; none when that is absent or 0

    class ParseResult;
    // Parses the whole buffer received so far. A verdict of complete or invalid for a buffer stays
    // the same for every longer buffer that starts with it.
    static ParseResult parse(const QByteArray &bytes);

    bool operator==(const HTTPRequest &) const = default;
};

class HTTPRequest::ParseResult {
public:
    enum class Kind { complete, needMore, invalid };

    static ParseResult complete(HTTPRequest request);
    // totalLength: once the head is known, the byte count at which the request will be complete
    // (0 while the head is still incomplete), so a caller can skip parsing until then.
    static ParseResult needMore(qint64 totalLength = 0);
    static ParseResult invalid();

    Kind kind() const { return m_kind; }
    bool isComplete() const { return m_kind == Kind::complete; }
    const HTTPRequest &request() const { return *m_request; } // complete only
    qint64 totalLength() const { return m_totalLength; }

private:
    ParseResult(Kind kind, std::optional<HTTPRequest> request, qint64 totalLength);

    Kind m_kind;
    std::optional<HTTPRequest> m_request;
    qint64 m_totalLength = 0;
};

} // namespace Brindlewick
