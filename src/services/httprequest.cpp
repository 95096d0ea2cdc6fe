#include "services/httprequest.h"

#include "services/utf8validation.h"

#include <limits>

namespace Brindlewick {

namespace {

constexpr char headEnd[] = "\r\n\r\n";

// The head is known to be valid UTF-8 and every delimiter is ASCII, so it is split as bytes and
// only the pieces are decoded.
struct Span {
    const char *data = nullptr;
    qsizetype size = 0;
    bool isEmpty() const { return size == 0; }
    QString text() const { return QString::fromUtf8(data, int(size)); }
    bool equals(const char *ascii) const {
        return size == qsizetype(qstrlen(ascii)) && memcmp(data, ascii, size_t(size)) == 0;
    }
};

Span trimSpacesAndTabs(Span s) {
    while (s.size > 0 && (s.data[0] == ' ' || s.data[0] == '\t')) {
        ++s.data;
        --s.size;
    }
    while (s.size > 0 && (s.data[s.size - 1] == ' ' || s.data[s.size - 1] == '\t'))
        --s.size;
    return s;
}

qsizetype find(Span s, char c, qsizetype from = 0) {
    const void *hit = from < s.size ? memchr(s.data + from, c, size_t(s.size - from)) : nullptr;
    return hit ? static_cast<const char *>(hit) - s.data : -1;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Percent-decodes; the raw text stays when a "%" is not followed by two hex digits or the decoded
// bytes are not UTF-8. "+" stays "+".
QString percentDecoded(Span s) {
    if (find(s, '%') < 0)
        return s.text();
    QByteArray out;
    out.reserve(int(s.size));
    for (qsizetype i = 0; i < s.size; ++i) {
        if (s.data[i] != '%') {
            out.append(s.data[i]);
            continue;
        }
        if (i + 2 >= s.size)
            return s.text();
        const int hi = hexValue(s.data[i + 1]);
        const int lo = hexValue(s.data[i + 2]);
        if (hi < 0 || lo < 0)
            return s.text();
        out.append(char(hi * 16 + lo));
        i += 2;
    }
    if (!Utf8::isValid(out.constData(), out.size()))
        return s.text();
    return QString::fromUtf8(out);
}

// An optional "+" or "-", then ASCII digits only, without overflow.
std::optional<qint64> parseDecimal(Span s) {
    qsizetype i = 0;
    bool negative = false;
    if (s.size > 0 && (s.data[0] == '+' || s.data[0] == '-')) {
        negative = s.data[0] == '-';
        i = 1;
    }
    if (i == s.size)
        return std::nullopt;
    quint64 value = 0;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    for (; i < s.size; ++i) {
        const char c = s.data[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        const quint64 digit = quint64(c - '0');
        if (value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (negative)
        return value == quint64(std::numeric_limits<qint64>::max()) + 1 ? std::numeric_limits<qint64>::min()
                                                                        : -qint64(value);
    return qint64(value);
}

void parseQuery(Span s, QMap<QString, QString> &query) {
    qsizetype start = 0;
    while (start <= s.size) {
        qsizetype amp = find(s, '&', start);
        if (amp < 0)
            amp = s.size;
        const Span piece{s.data + start, amp - start};
        start = amp + 1;
        if (piece.isEmpty())
            continue;
        const qsizetype eq = find(piece, '=');
        const Span key = eq < 0 ? piece : Span{piece.data, eq};
        const Span value = eq < 0 ? Span{} : Span{piece.data + eq + 1, piece.size - eq - 1};
        const QString decodedKey = percentDecoded(key);
        if (decodedKey.isEmpty())
            continue;
        query.insert(decodedKey, percentDecoded(value));
    }
}

} // namespace

HTTPRequest::ParseResult::ParseResult(Kind kind, std::optional<HTTPRequest> request, qint64 totalLength)
    : m_kind(kind)
    , m_request(std::move(request))
    , m_totalLength(totalLength) {}

HTTPRequest::ParseResult HTTPRequest::ParseResult::complete(HTTPRequest request) {
    return ParseResult(Kind::complete, std::move(request), 0);
}

HTTPRequest::ParseResult HTTPRequest::ParseResult::needMore(qint64 totalLength) {
    return ParseResult(Kind::needMore, std::nullopt, totalLength);
}

HTTPRequest::ParseResult HTTPRequest::ParseResult::invalid() {
    return ParseResult(Kind::invalid, std::nullopt, 0);
}

HTTPRequest::ParseResult HTTPRequest::parse(const QByteArray &bytes) {
    const qsizetype headLength = bytes.indexOf(headEnd);
    if (headLength < 0)
        return ParseResult::needMore();
    if (!Utf8::isValid(bytes.constData(), headLength))
        return ParseResult::invalid();

    const Span head{bytes.constData(), headLength};
    HTTPRequest request;

    // Lines end at CR LF; a bare CR or LF stays inside its line.
    qsizetype lineStart = 0;
    bool firstLine = true;
    bool transferEncoding = false;
    while (lineStart <= head.size) {
        qsizetype lineEnd = lineStart;
        for (;;) {
            const qsizetype cr = find(head, '\r', lineEnd);
            if (cr < 0 || cr + 1 >= head.size) {
                lineEnd = head.size;
                break;
            }
            if (head.data[cr + 1] == '\n') {
                lineEnd = cr;
                break;
            }
            lineEnd = cr + 1;
        }
        const Span line{head.data + lineStart, lineEnd - lineStart};
        lineStart = lineEnd + 2;

        if (firstLine) {
            firstLine = false;
            // At most three parts separated by runs of spaces; the third (the version) is ignored.
            Span parts[2];
            int count = 0;
            qsizetype i = 0;
            while (count < 2) {
                while (i < line.size && line.data[i] == ' ')
                    ++i;
                if (i == line.size)
                    break;
                const qsizetype begin = i;
                while (i < line.size && line.data[i] != ' ')
                    ++i;
                parts[count++] = Span{line.data + begin, i - begin};
            }
            if (count < 2)
                return ParseResult::invalid();
            request.method = parts[0].text().toUpper();
            const Span target = parts[1];
            const qsizetype question = find(target, '?');
            if (question < 0) {
                request.path = target.text();
            } else {
                request.path = Span{target.data, question}.text();
                parseQuery(Span{target.data + question + 1, target.size - question - 1}, request.query);
            }
            continue;
        }

        const qsizetype colon = find(line, ':');
        if (colon < 0)
            continue;
        const Span name = trimSpacesAndTabs(Span{line.data, colon});
        const Span value = trimSpacesAndTabs(Span{line.data + colon + 1, line.size - colon - 1});
        const QString lowerName = name.text().toLower();
        if (lowerName == QLatin1String("transfer-encoding"))
            transferEncoding = true;
        request.headers.insert(lowerName, value.text());
    }

    // A body in a transfer coding cannot be read here; taking the request as body-less would
    // answer success for an event whose payload was dropped.
    if (transferEncoding)
        return ParseResult::invalid();

    qint64 length = 0;
    const auto contentLength = request.headers.constFind(QStringLiteral("content-length"));
    if (contentLength != request.headers.constEnd()) {
        const QByteArray raw = contentLength->toUtf8();
        const auto parsed = parseDecimal(Span{raw.constData(), raw.size()});
        if (!parsed || *parsed < 0 || *parsed > maxContentLength)
            return ParseResult::invalid();
        length = *parsed;
    }

    const qint64 bodyStart = headLength + 4;
    if (length > 0) {
        if (bytes.size() - bodyStart < length)
            return ParseResult::needMore(bodyStart + length);
        request.body = bytes.mid(int(bodyStart), int(length));
    }
    return ParseResult::complete(std::move(request));
}

} // namespace Brindlewick
