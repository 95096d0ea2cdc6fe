// Start-up of the real executable with a 500-session store: time from launch until its main
// window is mapped (polled every 5 ms with xdotool), warm (after one untimed launch), and the
// resident memory with that board shown. Run inside Xvfb (scripts/run-bench.sh does).
#include "benchsupport.h"
#include "models/project.h"
#include "models/session.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

using namespace Brindlewick;
using BrindlewickBench::rssKiB;

namespace {

void seed(int sessions)
{
    auto c = ContainerFactory::make(false);
    if (!c) {
        std::fprintf(stderr, "cannot create store: %s\n", qPrintable(c.error().description));
        std::exit(1);
    }
    ModelContext &ctx = (*c)->mainContext();
    std::vector<Project *> projects;
    for (int i = 0; i < 10; ++i)
        projects.push_back(ctx.insert(std::make_unique<Project>(QStringLiteral("/srv/p%1").arg(i),
                                                                QStringLiteral("project %1").arg(i),
                                                                i % 3 ? std::optional<QString>(QStringLiteral("#3366CC")) : std::nullopt, i)));
    static const char *columns[] = {"attention", "idle", "working"};
    for (int i = 0; i < sessions; ++i) {
        auto *s = ctx.insert(std::make_unique<Session>(QStringLiteral("session %1").arg(i), QStringLiteral("/srv/w"),
                                                       false, false, false, i, projects[size_t(i % 10)]));
        s->setColumnRaw(QString::fromLatin1(columns[i % 3]));
        s->setLastPrompt(QStringLiteral("Refactor the module and add tests for the edge cases number %1").arg(i));
        s->setLastResponse(QStringLiteral("Done. I changed three files and all tests pass."));
        s->setLastActivityAt(QDateTime::currentDateTimeUtc().addSecs(-i * 60));
    }
    if (!ctx.save()) {
        std::fprintf(stderr, "seed save failed\n");
        std::exit(1);
    }
}

bool mapped(qint64 pid)
{
    QProcess x;
    x.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                         QString::number(pid), QStringLiteral("--name"), QStringLiteral("^Brindlewick$")});
    x.waitForFinished(2000);
    return !x.readAllStandardOutput().trimmed().isEmpty();
}


} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    const int sessions = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    seed(sessions);

    std::vector<double> times;
    long rss = -1;
    for (int run = 0; run < 6; ++run) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(BW_APP_EXECUTABLE), {});
        p.waitForStarted();
        bool ok = false;
        while (t.elapsed() < 15000) {
            if (mapped(p.processId())) {
                ok = true;
                break;
            }
            QThread::msleep(5);
        }
        const double ms = t.nsecsElapsed() / 1e6;
        if (run == 5) {
            QThread::msleep(1500); // let the board settle
            rss = rssKiB(p.processId());
        }
        ::kill(pid_t(p.processId()), SIGTERM);
        p.waitForFinished(10000);
        if (!ok) {
            std::fprintf(stderr, "the main window did not appear\n");
            return 1;
        }
        if (run > 0) // the first launch warms the caches
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("startup to main window mapped, %d sessions, warm: median %.1f ms, best %.1f ms, worst %.1f ms "
                "(target < 250 ms)\n",
                sessions, times[times.size() / 2], times.front(), times.back());
    std::printf("resident memory with the %d-card board: %.1f MiB\n", sessions, rss / 1024.0);
    return 0;
}
