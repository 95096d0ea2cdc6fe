// Session terminals under load, the way the application starts them (the process manager's
// auxiliary shell: env -i, the login shell -l -i, in a real SessionTerminalView shown in a window),
// with the input typed into the shell. Prints, with the targets:
//   1. `cat` of a 50 MiB text file (lines of mixed ASCII, about 80 columns) from the start of the
//      terminal until its shell has exited, as MB/s, beside qterminal (the same widget library)
//      running `sh -c 'cat FILE'` in the same run, and the ratio; three alternating rounds, median;
//   2. the GUI thread's longest stall during that flood: the worst lateness of a 10 ms timer;
//   3. the resident memory each terminal costs with 10,000 lines of scroll-back (five terminals),
//      right after the output and at rest (once the lines have moved to their file), beside the
//      bare widget with its in-memory store and qterminal.
// Needs a display (scripts/run-bench.sh runs it inside Xvfb). Prints figures, asserts nothing.
//
//   bench_terminal [--mib N] [--rounds N] [--lines N]   (N lines of scroll-back, default 10,000)
#include "services/sessionprocessmanager.h"
#include "views/sessionterminalview.h"

#include "benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

#include <malloc.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Brindlewick;
using BrindlewickBench::Heartbeat;
using BrindlewickBench::rssKiB;

namespace {

// Lines of printable ASCII, 70 to 90 columns, a fixed seed so that every run prints the same.
qint64 writeTextFile(const QString &path, qint64 bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return -1;
    QRandomGenerator rng(20261211);
    static const char words[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                "(){}[]<>=+-*/_.,;:!?#$%&'\"|\\~^`@";
    QByteArray chunk;
    qint64 written = 0;
    while (written < bytes) {
        chunk.clear();
        while (chunk.size() < (1 << 20)) {
            const int columns = 70 + int(rng.bounded(21));
            for (int c = 0; c < columns; ++c) {
                // Words of letters and digits, with punctuation and spaces between them.
                const quint32 r = rng.bounded(100u);
                if (r < 15)
                    chunk += ' ';
                else if (r < 25)
                    chunk += words[62 + rng.bounded(quint32(sizeof(words) - 1 - 62))];
                else
                    chunk += words[rng.bounded(62u)];
            }
            chunk += '\n';
        }
        const qint64 take = std::min<qint64>(chunk.size(), bytes - written);
        if (f.write(chunk.constData(), take) != take)
            return -1;
        written += take;
    }
    return written;
}


// The bytes of the unnamed temporary files this process holds open: the terminals' scroll-back.
qint64 scrollbackFileBytes()
{
    qint64 total = 0;
    const QString tmp = QDir::tempPath();
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = fd.symLinkTarget();
        if (!target.startsWith(tmp) || !target.endsWith(QLatin1String(" (deleted)")))
            continue;
        struct stat st {};
        if (::stat(QFile::encodeName(fd.filePath()).constData(), &st) == 0)
            total += st.st_blocks * 512;
    }
    return total;
}

template <class F>
bool spinUntil(F done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A window holding one terminal, as a session window holds its panes.
struct TerminalWindow {
    std::unique_ptr<QWidget> window;
    QUuid pane = QUuid::createUuid();
    SessionTerminalView *view = nullptr;
    qint64 received = 0;
};

std::unique_ptr<TerminalWindow> openTerminal(const QString &folder, const QString &input)
{
    auto w = std::make_unique<TerminalWindow>();
    w->window = std::make_unique<QWidget>();
    w->window->setWindowTitle(QStringLiteral("bench terminal"));
    auto *layout = new QVBoxLayout(w->window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    SessionTerminal *terminal = SessionProcessManager::shared().auxShellView(w->pane, QUuid::createUuid(), folder);
    if (!terminal)
        return nullptr;
    w->view = qobject_cast<SessionTerminalView *>(terminal->object());
    layout->addWidget(w->view);
    QObject::connect(w->view, &QTermWidget::receivedData, w->view,
                     [raw = w.get()](const QString &data) { raw->received += data.size(); });
    w->window->resize(800, 500);
    w->window->show();
    terminal->sendInput(input);
    return w;
}

bool exited(const TerminalWindow &w)
{
    return SessionProcessManager::shared().exitedAuxPanes().contains(w.pane);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

QString shellQuoted(const QString &s)
{
    QString q = s;
    q.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

struct QterminalRun {
    double seconds = -1;
    bool ok = false;
};

QterminalRun runQterminal(const QString &command, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("qterminal"), {QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), command});
    if (!p.waitForStarted(5000))
        return {};
    const bool done = p.waitForFinished(120000);
    QterminalRun r;
    r.seconds = t.nsecsElapsed() / 1e9;
    r.ok = done && p.exitStatus() == QProcess::NormalExit;
    if (!done) {
        p.kill();
        p.waitForFinished(5000);
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    // Everything the shells and qterminal read or write stays in a folder of our own.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/bench-terminal-XXXXXX"));
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    qputenv("HISTFILE", QFile::encodeName(home.path() + QStringLiteral("/history")));
    QApplication app(argc, argv);
    SessionTerminalView::installFactory();

    qint64 mib = 50;
    int rounds = 3;
    int scrollLines = 10000;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--mib"))
            mib = args[i + 1].toLongLong();
        else if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--lines"))
            scrollLines = args[i + 1].toInt();
    }
    if (QStandardPaths::findExecutable(QStringLiteral("qterminal")).isEmpty()) {
        std::fprintf(stderr, "bench_terminal: qterminal is missing (scripts/install-deps.sh)\n");
        return 1;
    }

    const QString big = home.path() + QStringLiteral("/flood.txt");
    const qint64 bytes = writeTextFile(big, mib << 20);
    if (bytes != mib << 20) {
        std::fprintf(stderr, "bench_terminal: cannot write %s\n", qPrintable(big));
        return 1;
    }
    // The first 10,000 lines of it, for the scroll-back figure.
    const QString lines = home.path() + QStringLiteral("/lines.txt");
    {
        QFile in(big);
        QFile out(lines);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < scrollLines; ++i)
            out.write(in.readLine());
    }

    // qterminal with the same scroll-back as a session terminal and a window of the same size.
    QDir().mkpath(home.path() + QStringLiteral("/config/qterminal.org"));
    {
        QFile ini(home.path() + QStringLiteral("/config/qterminal.org/qterminal.ini"));
        if (!ini.open(QIODevice::WriteOnly))
            return 1;
        ini.write("[General]\nHistoryLimited=true\nHistoryLimitedTo=10000\nAskOnExit=false\nSaveSizeOnExit=false\n"
                  "HideTabBarWithOneTab=true\n[MainWindow]\nsize=@Size(800 500)\n");
    }
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString folder = home.path();

    // 3 first, on a fresh heap: one terminal to load fonts and schemes, then five with 10,000 lines.
    {
        auto warm = openTerminal(folder, QStringLiteral("head -n 100 ") + shellQuoted(lines) + QStringLiteral("; exit\n"));
        if (!warm || !spinUntil([&] { return exited(*warm); }, 30000)) {
            std::fprintf(stderr, "bench_terminal: the warm-up terminal did not finish\n");
            return 1;
        }
        warm.reset();
        settle(500);
        const int n = 5;
        // The same number of terminals with nothing scrolled back, to tell the widget from its history.
        const long bare = rssKiB();
        std::vector<std::unique_ptr<TerminalWindow>> empty;
        for (int i = 0; i < n; ++i)
            empty.push_back(openTerminal(folder, QStringLiteral("exit\n")));
        spinUntil([&] { return std::all_of(empty.begin(), empty.end(), [](const auto &w) { return w && exited(*w); }); },
                  60000);
        settle(1000);
        const long before = rssKiB();
        std::printf("terminal memory without scroll-back: %.2f MiB per terminal (window of 800x500)\n",
                    (before - bare) / 1024.0 / n);
        std::vector<std::unique_ptr<TerminalWindow>> five;
        for (int i = 0; i < n; ++i)
            five.push_back(openTerminal(folder, QStringLiteral("cat ") + shellQuoted(lines) + QStringLiteral("; exit\n")));
        const bool done = spinUntil(
            [&] { return std::all_of(five.begin(), five.end(), [](const auto &w) { return w && exited(*w); }); },
            60000);
        if (!done)
            std::fprintf(stderr, "bench_terminal: not every scroll-back terminal finished\n");
        settle(300);
        const long streaming = rssKiB();
        // The lines move to their file once the terminals have been quiet for a while; each move
        // holds the GUI thread while the widget copies the lines.
        Heartbeat beat;
        beat.start();
        const bool rested = spinUntil(
            [&] {
                return std::all_of(five.begin(), five.end(), [](const auto &w) {
                    return w->view->scrollbackStore() == ScrollbackPolicy::Store::file;
                });
            },
            ScrollbackPolicy::restMs + 10000);
        settle(500);
        beat.stop();
        const long after = rssKiB();
        malloc_trim(0);
        const long trimmed = rssKiB();
        std::printf("scroll-back memory: %d terminals x %d lines of ~80 columns (%d lines kept each)\n", n,
                    scrollLines, five[0]->view->historyLinesCount());
        std::printf("  right after the output, lines still in memory: %.2f MiB per terminal\n",
                    (streaming - before) / 1024.0 / n);
        std::printf("  at rest, lines in their file%s: RSS %.1f -> %.1f MiB, %.2f MiB per terminal "
                    "(target <= 8 MB at 10,000 lines)\n",
                    rested ? "" : " [not every terminal moved its lines]", before / 1024.0, after / 1024.0,
                    (after - before) / 1024.0 / n);
        std::printf("  after malloc_trim(0) (heap freed but not yet returned to the system): %.2f MiB per terminal\n",
                    (trimmed - before) / 1024.0 / n);
        std::printf("  the GUI thread's longest stall while the terminals moved their lines: %.1f ms\n",
                    beat.worstMs());
        const qint64 disk = scrollbackFileBytes();
        std::printf("  on disk in %s: %.2f MiB per terminal (unnamed files)\n", qPrintable(QDir::tempPath()),
                    disk / 1048576.0 / n);
    }
    settle(500);
    // The widget library alone with the same setting, measured the same way: what its in-memory
    // store costs for these lines, without anything this application adds.
    {
        const long bare = rssKiB();
        std::vector<std::unique_ptr<QTermWidget>> widgets;
        for (int i = 0; i < 5; ++i) {
            auto w = std::make_unique<QTermWidget>(0);
            w->setHistorySize(ScrollbackPolicy::defaultLimit);
            w->setShellProgram(QStringLiteral("/bin/sh"));
            w->setArgs({QStringLiteral("-c"), QStringLiteral("cat ") + shellQuoted(lines) + QStringLiteral("; sleep 30")});
            w->resize(800, 500);
            w->show();
            w->startShellProgram();
            widgets.push_back(std::move(w));
        }
        const int expected = std::min(scrollLines, ScrollbackPolicy::defaultLimit) - 100;
        spinUntil([&] { return std::all_of(widgets.begin(), widgets.end(), [&](const auto &w) {
                      return w->historyLinesCount() >= expected; }); },
                  60000);
        settle(1000);
        std::printf("  the bare widget (in-memory store of %d lines, sh -c cat): %.2f MiB per terminal "
                    "with its window\n",
                    ScrollbackPolicy::defaultLimit, (rssKiB() - bare) / 1024.0 / 5);
        for (auto &w : widgets)
            kill(pid_t(w->getShellPID()), SIGTERM);
        widgets.clear();
    }
    settle(500);
    // qterminal's cost of the same scroll-back: its resident memory with and without the lines.
    {
        auto qtRss = [&](const QString &command) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p.start(QStringLiteral("qterminal"), {QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), command});
            p.waitForStarted(5000);
            p.waitForFinished(2500); // the lines are shown well before the shell's sleep ends
            const long kib = rssKiB(p.processId());
            p.waitForFinished(10000);
            return kib;
        };
        const long without = qtRss(QStringLiteral("sleep 3"));
        const long with = qtRss(QStringLiteral("cat ") + shellQuoted(lines) + QStringLiteral("; sleep 3"));
        std::printf("  qterminal for comparison: RSS %.1f MiB idle, %.1f MiB with the same lines: %.2f MiB for the "
                    "scroll-back\n",
                    without / 1024.0, with / 1024.0, (with - without) / 1024.0);
    }

    // Start-up alone, to tell it apart from the throughput.
    std::vector<double> ownStart, qtStart;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        auto w = openTerminal(folder, QStringLiteral("exit\n"));
        if (w && spinUntil([&] { return exited(*w); }, 30000))
            ownStart.push_back(t.nsecsElapsed() / 1e9);
        const QterminalRun q = runQterminal(QStringLiteral("true"), env);
        if (q.ok)
            qtStart.push_back(q.seconds);
    }

    // 1 and 2: the flood, alternating with qterminal so that load from elsewhere falls on both.
    std::vector<double> own, qt, stalls;
    bool allReceived = true;
    const QString catCommand = QStringLiteral("cat ") + shellQuoted(big);
    for (int i = 0; i < rounds; ++i) {
        Heartbeat beat;
        QElapsedTimer t;
        t.start();
        beat.start();
        auto w = openTerminal(folder, catCommand + QStringLiteral("; exit\n"));
        const bool done = w && spinUntil([&] { return exited(*w); }, 300000);
        const double s = t.nsecsElapsed() / 1e9;
        beat.stop();
        if (!done) {
            std::fprintf(stderr, "bench_terminal: the session terminal did not finish\n");
            return 1;
        }
        own.push_back(s);
        stalls.push_back(beat.worstMs());
        // Output still in the pseudo-terminal when the shell ended is read afterwards.
        spinUntil([&] { return w->received >= bytes; }, 5000);
        allReceived = allReceived && w->received >= bytes;
        w.reset();
        settle(300);

        const QterminalRun q = runQterminal(catCommand, env);
        if (!q.ok) {
            std::fprintf(stderr, "bench_terminal: qterminal did not finish\n");
            return 1;
        }
        qt.push_back(q.seconds);
        settle(300);
    }

    const double mb = bytes / 1e6;
    const double ownRate = mb / median(own);
    const double qtRate = mb / median(qt);
    std::printf("cat of %lld MiB (%.1f MB) through a session terminal, start to shell exit, %d rounds: "
                "median %.2f s = %.1f MB/s (best %.1f MB/s)%s\n",
                static_cast<long long>(mib), mb, rounds, median(own), ownRate,
                mb / *std::min_element(own.begin(), own.end()),
                allReceived ? "" : " [not every byte reached the widget]");
    std::printf("the same through qterminal -e sh -c 'cat FILE', start to exit: median %.2f s = %.1f MB/s (best %.1f MB/s)\n",
                median(qt), qtRate, mb / *std::min_element(qt.begin(), qt.end()));
    std::printf("throughput ratio session terminal / qterminal: %.2f (target >= 0.9)\n", ownRate / qtRate);
    std::printf("  start-up alone (a shell that exits at once): session terminal %.3f s, qterminal %.3f s; "
                "without it: %.1f vs %.1f MB/s, ratio %.2f\n",
                median(ownStart), median(qtStart), mb / (median(own) - median(ownStart)),
                mb / (median(qt) - median(qtStart)),
                (median(qt) - median(qtStart)) / (median(own) - median(ownStart)));
    std::printf("GUI thread's longest stall while one session terminal floods (10 ms timer's worst lateness): "
                "median of rounds %.1f ms, worst %.1f ms (target < 50 ms)\n",
                median(stalls), *std::max_element(stalls.begin(), stalls.end()));
    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        std::printf("load average at the end: %s", load.readAll().constData());
    return 0;
}
