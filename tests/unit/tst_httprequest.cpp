// The hook server's request parser, its response bytes and the token comparison: pure functions,
// driven by tables of hostile input, each fed whole, byte by byte and split in two at every offset.
#include "services/hookhttpserver.h"
#include "services/httprequest.h"
#include "services/httpresponse.h"
#include "unit/hostilerequests.h"

#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

Q_DECLARE_METATYPE(BrindlewickTest::Verdict)

namespace {

Verdict verdictOf(const HTTPRequest::ParseResult &r) {
    switch (r.kind()) {
    case HTTPRequest::ParseResult::Kind::complete:
        return Verdict::complete;
    case HTTPRequest::ParseResult::Kind::needMore:
        return Verdict::needMore;
    case HTTPRequest::ParseResult::Kind::invalid:
        return Verdict::invalid;
    }
    return Verdict::invalid;
}

// What a reader that parses its whole buffer after every chunk ends with: the first final verdict,
// or needMore when the input ends first.
struct Outcome {
    Verdict verdict = Verdict::needMore;
    std::optional<HTTPRequest> request;
    bool operator==(const Outcome &) const = default;
};

Outcome feed(const QByteArray &input, const QVector<qsizetype> &cuts) {
    QByteArray buffer;
    qsizetype from = 0;
    QVector<qsizetype> ends = cuts;
    ends.append(input.size());
    for (qsizetype end : ends) {
        buffer.append(input.mid(int(from), int(end - from)));
        from = end;
        const auto result = HTTPRequest::parse(buffer);
        if (result.kind() == HTTPRequest::ParseResult::Kind::complete)
            return {Verdict::complete, result.request()};
        if (result.kind() == HTTPRequest::ParseResult::Kind::invalid)
            return {Verdict::invalid, std::nullopt};
    }
    return {};
}

// Every offset for small inputs; for large ones a spread of offsets that includes both ends of the
// input and the region around the end of the head, where the verdicts change.
QVector<qsizetype> splitOffsets(const QByteArray &input) {
    QVector<qsizetype> offsets;
    if (input.size() <= 4096) {
        for (qsizetype i = 1; i < input.size(); ++i)
            offsets.append(i);
        return offsets;
    }
    const qsizetype head = input.indexOf("\r\n\r\n");
    for (qsizetype i = 1; i < 64; ++i) {
        offsets.append(i);
        offsets.append(input.size() - i);
        if (head >= 0 && head - 32 + i > 0 && head - 32 + i < input.size())
            offsets.append(head - 32 + i);
    }
    for (qsizetype step = input.size() / 257, i = step; i < input.size(); i += step)
        offsets.append(i);
    return offsets;
}

QByteArray request(const QByteArray &target, const QByteArray &headers = {}) {
    return "GET " + target + " HTTP/1.1\r\n" + headers + "\r\n";
}

} // namespace

class TestHTTPRequest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hostileInputGetsOneVerdictHoweverItArrives_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Verdict>("verdict");
        for (const HostileRequest &c : hostileRequests("TOKEN"))
            QTest::newRow(c.name) << c.bytes << c.verdict;
    }
    void hostileInputGetsOneVerdictHoweverItArrives() {
        QFETCH(QByteArray, input);
        QFETCH(Verdict, verdict);
        const Outcome whole = feed(input, {});
        QCOMPARE(int(whole.verdict), int(verdict));
        QCOMPARE(int(verdictOf(HTTPRequest::parse(input))), int(verdict));

        // Byte by byte. For inputs above 64 KiB, only near the start, the end of the head and the
        // end (where the verdict can change) and in runs of 64 bytes elsewhere: every parse reads
        // the whole buffer, so a bytewise walk of a megabyte costs hours.
        QVector<qsizetype> bytewise;
        const qsizetype head = input.indexOf("\r\n\r\n");
        const auto near = [&](qsizetype i, qsizetype mark) { return mark >= 0 && qAbs(i - mark) < 4096; };
        for (qsizetype i = 1; i < input.size();) {
            bytewise.append(i);
            const bool fine = input.size() <= 65536 || near(i, 0) || near(i, head) || near(i, input.size());
            i += fine ? 1 : 64;
        }
        QVERIFY2(feed(input, bytewise) == whole, "byte by byte");

        for (qsizetype cut : splitOffsets(input)) {
            if (!(feed(input, {cut}) == whole))
                QFAIL(qPrintable(QStringLiteral("split at %1").arg(cut)));
        }
    }

    void readsWhatTheRequestSays() {
        const auto r = HTTPRequest::parse(
            "post /v1/event?card=a%2Db&column=idle&&=x&flag&bad=%zz&plus=a+b&dup=1&dup=2"
            "&bytes=%FF&%63ard2=%E2%9C%93 HTTP/1.1\r\n"
            "Host: 127.0.0.1\r\nX-Padded : \t value with  spaces \t\r\nAUTHORIZATION: Bearer t\r\n"
            "x-padded: second\r\nno colon here\r\nContent-Length: 4\r\n\r\nbodyEXTRA");
        QVERIFY(r.isComplete());
        const HTTPRequest &q = r.request();
        QCOMPARE(q.method, QStringLiteral("POST"));
        QCOMPARE(q.path, QStringLiteral("/v1/event"));
        const QMap<QString, QString> query{{QStringLiteral("card"), QStringLiteral("a-b")},
                                           {QStringLiteral("column"), QStringLiteral("idle")},
                                           {QStringLiteral("flag"), QString()},
                                           {QStringLiteral("bad"), QStringLiteral("%zz")},
                                           {QStringLiteral("plus"), QStringLiteral("a+b")},
                                           {QStringLiteral("dup"), QStringLiteral("2")},
                                           {QStringLiteral("bytes"), QStringLiteral("%FF")},
                                           {QStringLiteral("card2"), QString(QChar(0x2713))}};
        QCOMPARE(q.query, query);
        QCOMPARE(q.headers.value(QStringLiteral("x-padded")), QStringLiteral("second"));
        QCOMPARE(q.headers.value(QStringLiteral("authorization")), QStringLiteral("Bearer t"));
        QCOMPARE(q.headers.size(), 4);
        QCOMPARE(q.body, std::optional<QByteArray>("body"));

        const auto padded = HTTPRequest::parse(request("/a", "X: \t value with  spaces \t\r\n"));
        QCOMPARE(padded.request().headers.value(QStringLiteral("x")), QStringLiteral("value with  spaces"));
    }

    void pathIsKeptRawAndQueryOnlyAfterTheFirstQuestionMark() {
        const auto r = HTTPRequest::parse(request("/v1/%65vent?a=1?b=2"));
        QCOMPARE(r.request().path, QStringLiteral("/v1/%65vent"));
        QCOMPARE(r.request().query.value(QStringLiteral("a")), QStringLiteral("1?b=2"));
        QVERIFY(HTTPRequest::parse(request("/x")).request().query.isEmpty());
        QVERIFY(HTTPRequest::parse(request("/x?")).request().query.isEmpty());
    }

    void bodyIsAbsentWithoutOrWithZeroLength() {
        QCOMPARE(HTTPRequest::parse(request("/x")).request().body, std::nullopt);
        QCOMPARE(HTTPRequest::parse(request("/x", "Content-Length: 0\r\n") + "ignored").request().body,
                 std::nullopt);
        QCOMPARE(HTTPRequest::parse(request("/x", "Content-Length: 000\r\n")).request().body, std::nullopt);
    }

    void needMoreTellsWhereTheRequestWillEnd() {
        const QByteArray head = request("/x", "Content-Length: 10\r\n");
        const auto early = HTTPRequest::parse(head.left(5));
        QCOMPARE(int(early.kind()), int(HTTPRequest::ParseResult::Kind::needMore));
        QCOMPARE(early.totalLength(), 0);
        const auto waiting = HTTPRequest::parse(head + "abc");
        QCOMPARE(int(waiting.kind()), int(HTTPRequest::ParseResult::Kind::needMore));
        QCOMPARE(waiting.totalLength(), head.size() + 10);
    }

    void responsesAreExactBytes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ok")
            << int(HTTPResponse::Kind::json)
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 11\r\n"
                          "Connection: close\r\n\r\n{\"ok\":true}");
        QTest::newRow("400")
            << int(HTTPResponse::Kind::badRequest)
            << QByteArray(
                   "HTTP/1.1 400 Bad Request\r\nContent-Type: application/json\r\nContent-Length: 23\r\n"
                   "Connection: close\r\n\r\n{\"error\":\"bad_request\"}");
        QTest::newRow("401")
            << int(HTTPResponse::Kind::unauthorized)
            << QByteArray(
                   "HTTP/1.1 401 Unauthorized\r\nContent-Type: application/json\r\nContent-Length: 24\r\n"
                   "Connection: close\r\n\r\n{\"error\":\"unauthorized\"}");
        QTest::newRow("404")
            << int(HTTPResponse::Kind::notFound)
            << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Type: application/json\r\nContent-Length: 21\r\n"
                          "Connection: close\r\n\r\n{\"error\":\"not_found\"}");
        QTest::newRow("413")
            << int(HTTPResponse::Kind::payloadTooLarge)
            << QByteArray("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\n"
                          "Content-Length: 29\r\nConnection: close\r\n\r\n{\"error\":\"payload_too_large\"}");
    }
    void responsesAreExactBytes() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        const HTTPResponse response = [&] {
            switch (HTTPResponse::Kind(kind)) {
            case HTTPResponse::Kind::json:
                return HTTPResponse::ok();
            case HTTPResponse::Kind::badRequest:
                return HTTPResponse::badRequest();
            case HTTPResponse::Kind::unauthorized:
                return HTTPResponse::unauthorized();
            case HTTPResponse::Kind::notFound:
                return HTTPResponse::notFound();
            case HTTPResponse::Kind::payloadTooLarge:
                return HTTPResponse::payloadTooLarge();
            }
            return HTTPResponse::badRequest();
        }();
        QCOMPARE(response.serialize(), bytes);
    }

    void jsonResponseCountsBytesNotCharacters() {
        const QByteArray bytes =
            HTTPResponse::json(QJsonObject{{QStringLiteral("n"), QStringLiteral("é")}}).serialize();
        QVERIFY(bytes.contains("Content-Length: 10\r\n"));
        QVERIFY(bytes.endsWith("{\"n\":\"\xc3\xa9\"}"));
    }

    void constantTimeEqualComparesBytes_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << "abc"
                              << "abc" << true;
        QTest::newRow("both empty") << ""
                                    << "" << true;
        QTest::newRow("last byte") << "abc"
                                   << "abd" << false;
        QTest::newRow("first byte") << "xbc"
                                    << "abc" << false;
        QTest::newRow("prefix") << "ab"
                                << "abc" << false;
        QTest::newRow("one empty") << ""
                                   << "a" << false;
        QTest::newRow("same characters, other bytes")
            << QStringLiteral("é") << QStringLiteral("e\u0301") << false;
        QTest::newRow("non-ASCII same") << QStringLiteral("ключ") << QStringLiteral("ключ") << true;
    }
    void constantTimeEqualComparesBytes() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, equal);
        QCOMPARE(HookHTTPServer::constantTimeEqual(a, b), equal);
        QCOMPARE(HookHTTPServer::constantTimeEqual(b, a), equal);
    }
};

QTEST_GUILESS_MAIN(TestHTTPRequest)
#include "tst_httprequest.moc"
