#pragma once

// Requests that probe the edges of the hook server's parser, shared by the parser's and the
// server's tests (and the seeds of the fuzz corpus). `verdict` is the parser's verdict on the whole
// input; `status` is what the real server answers when the client sends the input and then shuts
// down its sending side.

#include <QByteArray>
#include <QVector>

#include <cstddef>

namespace BrindlewickTest {

enum class Verdict { complete, needMore, invalid };

struct HostileRequest {
    const char *name;
    QByteArray bytes;
    Verdict verdict;
    int status;
};

inline QByteArray eventHead(const QByteArray &token, const QByteArray &extraHeaders) {
    return "POST /v1/event?card=CARD-1&column=idle HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
           token + "\r\n" + extraHeaders + "\r\n";
}

// A literal with embedded NUL bytes, without its terminator.
template <std::size_t N> QByteArray literal(const char (&text)[N]) {
    return QByteArray(text, int(N - 1));
}

inline QVector<HostileRequest> hostileRequests(const QByteArray &token) {
    QVector<HostileRequest> cases;
    const auto add = [&](const char *name, const QByteArray &bytes, Verdict verdict, int status) {
        cases.append(HostileRequest{name, bytes, verdict, status});
    };
    const QByteArray mib(1048576, 'x');

    add("bare LF inside the head", "GET /v1/health HTTP/1.1\nHost: x\r\n\r\n", Verdict::complete, 200);
    add("bare LF line ends only", "GET /v1/health HTTP/1.1\nHost: x\n\n", Verdict::needMore, 400);
    add("bare CR in the target", "GET /v1/health\r HTTP/1.1\r\n\r\n", Verdict::complete, 404);
    add("bare CR before a header", "GET /v1/health HTTP/1.1\rX: y\r\n\r\n", Verdict::complete, 200);
    add("space before the colon", eventHead(token, "Content-Length : 2\r\n") + "{}", Verdict::complete, 200);
    add("obs-fold line is ignored", "GET /v1/health HTTP/1.1\r\nX-A: one\r\n two\r\n\r\n", Verdict::complete,
        200);
    add("obs-fold after Content-Length", eventHead(token, "Content-Length: 2\r\n 5\r\n") + "{}",
        Verdict::complete, 200);
    add("Content-Length +5", eventHead(token, "Content-Length: +5\r\n") + "{}   ", Verdict::complete, 200);
    add("Content-Length -1", eventHead(token, "Content-Length: -1\r\n") + "{}", Verdict::invalid, 400);
    add("Content-Length -0", eventHead(token, "Content-Length: -0\r\n"), Verdict::complete, 200);
    add("Content-Length 0x10", eventHead(token, "Content-Length: 0x10\r\n") + "{}", Verdict::invalid, 400);
    add("Content-Length 4 2", eventHead(token, "Content-Length: 4 2\r\n") + "{}{}", Verdict::invalid, 400);
    add("Content-Length empty", eventHead(token, "Content-Length:\r\n") + "{}", Verdict::invalid, 400);
    add("Content-Length sign only", eventHead(token, "Content-Length: +\r\n") + "{}", Verdict::invalid, 400);
    add("Content-Length 2^64", eventHead(token, "Content-Length: 18446744073709551616\r\n") + "{}",
        Verdict::invalid, 400);
    add("Content-Length 2^63", eventHead(token, "Content-Length: 9223372036854775808\r\n") + "{}",
        Verdict::invalid, 400);
    add("Content-Length duplicated, the later counts",
        eventHead(token, "Content-Length: 2\r\nContent-Length: 5\r\n") + "{}abc", Verdict::complete, 200);
    add("Content-Length 1048576 with its body", eventHead(token, "Content-Length: 1048576\r\n") + mib,
        Verdict::complete, 413);
    add("Content-Length 1048576 without its body", eventHead(token, "Content-Length: 1048576\r\n"),
        Verdict::needMore, 400);
    add("Content-Length 1048577", eventHead(token, "Content-Length: 1048577\r\n") + "{}", Verdict::invalid,
        400);
    add("Transfer-Encoding chunked",
        eventHead(token, "Transfer-Encoding: chunked\r\n") + "2\r\n{}\r\n0\r\n\r\n", Verdict::invalid, 400);
    add("Transfer-Encoding beside Content-Length",
        eventHead(token, "Content-Length: 2\r\nTransfer-Encoding: identity\r\n") + "{}", Verdict::invalid,
        400);

    QByteArray manyHeaders = "GET /v1/health HTTP/1.1\r\n";
    manyHeaders.reserve(10000 * 32); // appending a string expression reserves exactly, each time
    for (int i = 0; i < 10000; ++i)
        manyHeaders += "X-Header-" + QByteArray::number(i) + ": value\r\n";
    add("10,000 headers", manyHeaders + "\r\n", Verdict::complete, 200);

    add("NUL in the method", literal("GE\0T /v1/health HTTP/1.1\r\n\r\n"), Verdict::complete, 404);
    add("NUL in the target", literal("GET /v1/health\0 HTTP/1.1\r\n\r\n"), Verdict::complete, 404);
    add("byte 0xFF in the request line",
        "GET /v1/h\xff"
        "ealth HTTP/1.1\r\n\r\n",
        Verdict::invalid, 400);
    add("byte 0x80 in the request line", "GET /v1/health\x80 HTTP/1.1\r\n\r\n", Verdict::invalid, 400);
    add("UTF-8 letter in the target",
        "GET /v1/h\xc3\xa9"
        "alth HTTP/1.1\r\n\r\n",
        Verdict::complete, 404);
    add("overlong UTF-8 in a header", "GET /v1/health HTTP/1.1\r\nX: \xc0\xaf\r\n\r\n", Verdict::invalid,
        400);
    add("UTF-8 surrogate in a header", "GET /v1/health HTTP/1.1\r\nX: \xed\xa0\x80\r\n\r\n", Verdict::invalid,
        400);
    add("truncated UTF-8 before the blank line", "GET /v1/health HTTP/1.1\r\nX: \xe2\x82\r\n\r\n",
        Verdict::invalid, 400);
    add("invalid UTF-8 in the body only", eventHead(token, "Content-Length: 3\r\n") + "\xff\xfe\xfd",
        Verdict::complete, 200);
    add("two requests in one packet", "GET /v1/health HTTP/1.1\r\n\r\nGET /nowhere HTTP/1.1\r\n\r\n",
        Verdict::complete, 200);
    add("body shorter than announced, then close", eventHead(token, "Content-Length: 10\r\n") + "{}",
        Verdict::needMore, 400);
    add("nothing at all", "", Verdict::needMore, 400);
    add("lower-case method", "get /v1/health HTTP/1.1\r\n\r\n", Verdict::complete, 200);
    add("method without a target", "GET\r\n\r\n", Verdict::invalid, 400);
    add("empty head", "\r\n\r\n", Verdict::invalid, 400);
    add("runs of spaces in the request line", "  GET    /v1/health    HTTP/1.1\r\n\r\n", Verdict::complete,
        200);
    add("tab is no separator", "GET\t/v1/health HTTP/1.1\r\n\r\n", Verdict::complete, 404);
    add("no version", "GET /v1/health\r\n\r\n", Verdict::complete, 200);
    return cases;
}

} // namespace BrindlewickTest
