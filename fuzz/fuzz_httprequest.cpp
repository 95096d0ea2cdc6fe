// Fuzzes the hook server's request parser, and the payload parsing that follows a complete request.
// Besides crashes and sanitizer findings it checks that the verdict is stable: no prefix of an input
// is complete or invalid unless the whole input is the same (with the same request), which is what
// lets the server parse its growing buffer after every chunk.
#include "fuzzcheck.h"

#include "services/hookpayload.h"
#include "services/httprequest.h"

#include <QByteArray>
#include <QVector>

#include <cstddef>
#include <cstdint>

using namespace Brindlewick;

namespace {

bool isFinal(const HTTPRequest::ParseResult &r) {
    return r.kind() != HTTPRequest::ParseResult::Kind::needMore;
}

bool sameVerdict(const HTTPRequest::ParseResult &a, const HTTPRequest::ParseResult &b) {
    if (a.kind() != b.kind())
        return false;
    return !a.isComplete() || a.request() == b.request();
}

// Every prefix of small inputs; for larger ones the prefixes around the end of the head and the
// end of the input, and a spread in between.
QVector<qsizetype> prefixLengths(const QByteArray &input) {
    QVector<qsizetype> lengths;
    const qsizetype size = input.size();
    if (size <= 512) {
        for (qsizetype i = 0; i < size; ++i)
            lengths.append(i);
        return lengths;
    }
    const qsizetype head = input.indexOf("\r\n\r\n");
    for (qsizetype d = -8; d <= 8; ++d) {
        if (head >= 0 && head + 4 + d >= 0 && head + 4 + d < size)
            lengths.append(head + 4 + d);
        if (size - 1 + d - 8 >= 0 && size - 1 + d - 8 < size)
            lengths.append(size - 1 + d - 8);
    }
    for (qsizetype i = 0; i < size; i += qMax<qsizetype>(1, size / 128))
        lengths.append(i);
    return lengths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const HTTPRequest::ParseResult whole = HTTPRequest::parse(input);

    switch (whole.kind()) {
    case HTTPRequest::ParseResult::Kind::complete: {
        const HTTPRequest &request = whole.request();
        FUZZ_CHECK(request.method == request.method.toUpper());
        FUZZ_CHECK(!request.path.contains(QLatin1Char('?')));
        for (auto it = request.headers.cbegin(); it != request.headers.cend(); ++it)
            FUZZ_CHECK(it.key() == it.key().toLower());
        for (auto it = request.query.cbegin(); it != request.query.cend(); ++it)
            FUZZ_CHECK(!it.key().isEmpty());
        if (request.body) {
            FUZZ_CHECK(!request.body->isEmpty());
            FUZZ_CHECK(request.body->size() <= HTTPRequest::maxContentLength);
            FUZZ_CHECK(input.indexOf(*request.body) >= 0);
        }
        // What the server does next with an event's body; it never fails.
        (void)HookPayload::detail(request.body);
        break;
    }
    case HTTPRequest::ParseResult::Kind::needMore:
        FUZZ_CHECK(whole.totalLength() == 0 || whole.totalLength() > input.size());
        break;
    case HTTPRequest::ParseResult::Kind::invalid:
        break;
    }

    for (qsizetype length : prefixLengths(input)) {
        const HTTPRequest::ParseResult part = HTTPRequest::parse(input.left(int(length)));
        if (isFinal(part))
            FUZZ_CHECK(sameVerdict(part, whole));
        // A known end never moves.
        if (part.kind() == HTTPRequest::ParseResult::Kind::needMore && part.totalLength() > 0 &&
            whole.kind() == HTTPRequest::ParseResult::Kind::needMore)
            FUZZ_CHECK(part.totalLength() == whole.totalLength());
    }
    return 0;
}
