// Runs the real hook server with a token folder of its own, for bench/bench-hookserver.sh: prints
// "port=<port>", "token=<token file>" and "ready", then serves until stdin closes or SIGTERM. A line
// "count" on stdin prints "events=<number of events delivered to the handler so far>".
// Started without arguments (as `make bench` does), it prints a note and exits: the figures come
// from the script, which drives it with wrk.
#include "services/hookhttpserver.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace Brindlewick;

namespace {
int signalPipe[2] = {-1, -1};
void onSignal(int) {
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || qstrcmp(argv[1], "--serve") != 0) {
        std::printf(
            "bench_hookserver: run by bench/bench-hookserver.sh (wrk against the server and nginx)\n");
        return 0;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    HookHTTPServer server(TokenStore(dir.path() + QStringLiteral("/.claude")));
    quint64 events = 0;
    auto started = server.start(
        [&events](const QString &, SessionColumn, const QDateTime &, const HookEventDetail &) { ++events; });
    if (!started) {
        std::fprintf(stderr, "start failed: %s\n", qUtf8Printable(started.error().description));
        return 1;
    }
    std::printf("port=%u\ntoken=%s\nready\n", unsigned(*server.port()),
                qUtf8Printable(server.tokenStore().tokenURL()));
    std::fflush(stdout);

    if (::pipe(signalPipe) != 0)
        return 1;
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    QSocketNotifier signals(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signals, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        if (QByteArray(buffer, int(n)).contains("count")) {
            std::printf("events=%llu\n", static_cast<unsigned long long>(events));
            std::fflush(stdout);
        }
    });
    const int status = app.exec();
    server.stop();
    std::fprintf(stderr, "events delivered: %llu\n", static_cast<unsigned long long>(events));
    return status;
}
