// Orphan-worktree scan benchmark: a real git repository with 100 worktrees left behind by sessions
// that are gone (laid out below the data folder as the application lays them out, a third with an
// untracked file, one locked), scanned by the project dashboard's section in a shown window: the
// listing and the 100 dirty checks on the background task, the rows built on the GUI thread.
// Prints the worktrees listed, the scan time (median of 5 after one warm-up) and the GUI thread's
// worst stall, measured as the worst lateness of a 10 ms heartbeat timer during each scan and the
// layout and painting that follow it: for rescans of a list already shown (rows kept) and for the
// first scan of a freshly shown section (every row built). Prints figures and asserts nothing.
//
//   bench_orphanscan            the figures (offscreen platform when there is no display)
#include "benchsupport.h"
#include "models/uuidtext.h"
#include "persistence/appsupportpaths.h"
#include "services/gitservice.h"
#include "services/orphanworktreefinder.h"
#include "services/worktreeplan.h"
#include "views/orphanworktreesection.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Brindlewick;
using BrindlewickBench::Heartbeat;

namespace {

constexpr int worktreeCount = 100;
constexpr int timedRuns = 5;
constexpr int heartbeatMs = 10;
// How long the heartbeat keeps running after a scan reported, to catch the layout and painting
// of the rows it built.
constexpr int settleMs = 300;

// The bench's own set-up runs git directly; only the application's scan is timed.
bool git(const QString &folder, const QStringList &arguments) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("git"),
            QStringList{QStringLiteral("-c"), QStringLiteral("user.name=Bench"), QStringLiteral("-c"),
                        QStringLiteral("user.email=bench@localhost"), QStringLiteral("-c"),
                        QStringLiteral("init.defaultBranch=main"), QStringLiteral("-c"),
                        QStringLiteral("commit.gpgsign=false")} +
                arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "git %s failed: %s\n", qPrintable(arguments.join(QLatin1Char(' '))),
                     p.readAll().constData());
        return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A project of a few hundred tracked files in nested folders, so that each dirty check has a real
// work tree to walk.
bool makeProject(const QString &root) {
    if (!QDir().mkpath(root) || !git(root, {QStringLiteral("init"), QStringLiteral("-q")}))
        return false;
    for (int d = 0; d < 20; ++d) {
        const QString dir = root + QStringLiteral("/src/module%1").arg(d);
        if (!QDir().mkpath(dir))
            return false;
        for (int f = 0; f < 15; ++f)
            if (!writeFile(dir + QStringLiteral("/file%1.cpp").arg(f),
                           QByteArray("// module ") + QByteArray::number(d) + "\nint f" +
                               QByteArray::number(f) + "() { return " + QByteArray::number(d * f) + "; }\n"))
                return false;
    }
    if (!writeFile(root + QStringLiteral("/README.md"), "# project\n"))
        return false;
    return git(root, {QStringLiteral("add"), QStringLiteral("-A")}) &&
           git(root, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"),
                      QStringLiteral("initial")});
}

// Worktrees of sessions that no longer exist, where the application puts them.
bool addSessionWorktrees(const QString &root, const QUuid &projectID) {
    for (int i = 0; i < worktreeCount; ++i) {
        const WorktreePlan plan =
            WorktreePlan::make(AppSupportPaths::worktreesRoot(), projectID, QUuid::createUuid());
        if (!QDir().mkpath(QFileInfo(plan.path).path()) ||
            !git(root, {QStringLiteral("worktree"), QStringLiteral("add"), QStringLiteral("-q"),
                        QStringLiteral("-b"), plan.branch, QStringLiteral("--"), plan.path}))
            return false;
        if (i % 3 == 0 &&
            !writeFile(plan.path + QStringLiteral("/notes-%1.txt").arg(i), "work in progress\n"))
            return false;
        if (i == 1 &&
            !git(root, {QStringLiteral("worktree"), QStringLiteral("lock"), QStringLiteral("--"), plan.path}))
            return false;
    }
    return true;
}

void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Run {
    double scanMs = 0;
    double worstStallMs = 0;
    double requestMs = 0;       // the synchronous part of the request: the "scanning" re-render
    double stallToResultMs = 0; // worst stall until the rows were built
    double stallAfterMs = 0;    // worst stall in the layout and painting after
    size_t rows = 0;
    int dirty = 0;
    int locked = 0;
    bool failed = false;
};

// One scan as the dashboard starts it, timed from the request until the section reports its rows.
Run scanOnce(OrphanWorktreeSection &section, Heartbeat &heartbeat) {
    Run run;
    QEventLoop loop;
    const auto connection =
        QObject::connect(&section, &OrphanWorktreeSection::scanFinished, &loop, &QEventLoop::quit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    heartbeat.start();
    // Let the heartbeat tick once so that its first interval is a real one.
    spin(2 * heartbeatMs);
    QElapsedTimer t;
    t.start();
    section.scheduleScan();
    run.requestMs = double(t.nsecsElapsed()) / 1e6;
    guard.start(60000);
    loop.exec();
    run.scanMs = double(t.nsecsElapsed()) / 1e6;
    QObject::disconnect(connection);
    run.stallToResultMs = heartbeat.worstMs();
    heartbeat.resetWorst();
    spin(settleMs);
    heartbeat.stop();
    run.stallAfterMs = heartbeat.worstMs();
    run.worstStallMs = std::max(run.stallToResultMs, run.stallAfterMs);
    run.failed = section.scanFailed() || section.isScanning();
    run.rows = section.rows().size();
    for (const auto &r : section.rows()) {
        run.dirty += r.isDirty == true;
        run.locked += r.worktree.isLocked;
    }
    return run;
}

// A new section in the page, as when the dashboard of a project opens: from its creation until all
// its rows are built, laid out and painted.
struct Fill {
    double scanMs = 0;
    double rowsMs = 0;
    double worstStallMs = 0;
    size_t rows = 0;
};

Fill firstFill(QVBoxLayout *column, OrphanWorktreeSection *&section, const QString &root,
               const QUuid &projectID, Heartbeat &heartbeat) {
    Fill fill;
    column->removeWidget(section);
    delete section;
    spin(settleMs);
    heartbeat.start();
    spin(2 * heartbeatMs);
    QElapsedTimer t;
    t.start();
    section = new OrphanWorktreeSection(root, projectID, {root});
    QEventLoop loop;
    QObject::connect(section, &OrphanWorktreeSection::scanFinished, &loop, [&] {
        fill.scanMs = double(t.nsecsElapsed()) / 1e6;
        if (section->rowsBuilt())
            loop.quit();
    });
    QObject::connect(section, &OrphanWorktreeSection::rowsCompleted, &loop, [&] {
        if (fill.scanMs > 0 && section->rowsBuilt())
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    column->insertWidget(0, section); // shown with the page: that schedules the scan
    loop.exec();
    fill.rowsMs = double(t.nsecsElapsed()) / 1e6;
    spin(settleMs);
    heartbeat.stop();
    fill.worstStallMs = heartbeat.worstMs();
    fill.rows = section->rows().size();
    return fill;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The data folder (and with it the worktrees root) lives in a temporary folder.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);

    const QString root = home.filePath(QStringLiteral("project"));
    const QUuid projectID = QUuid::createUuid();
    QElapsedTimer setup;
    setup.start();
    if (!makeProject(root) || !addSessionWorktrees(root, projectID))
        return 1;
    std::printf("set-up: %d worktrees below %s/%s in %.1f s\n", worktreeCount,
                qPrintable(AppSupportPaths::worktreesRoot()), qPrintable(uuidText(projectID)),
                double(setup.elapsed()) / 1000.0);

    // Where the time goes: the listing and one dirty check alone (GUI thread idle here, no
    // heartbeat running).
    {
        const GitService &gs = GitService::live();
        QElapsedTimer t;
        t.start();
        const auto entries = gs.listWorktrees(root);
        const double listMs = double(t.nsecsElapsed()) / 1e6;
        if (!entries)
            return 1;
        const auto orphans =
            OrphanWorktreeFinder::find(*entries, AppSupportPaths::worktreesRoot(), projectID, {root});
        t.restart();
        for (const auto &w : orphans)
            gs.worktreeIsDirty(w.path);
        const double dirtyMs = double(t.nsecsElapsed()) / 1e6;
        std::printf("breakdown: worktree list %.1f ms; %zu dirty checks %.1f ms (%.1f ms each)\n", listMs,
                    orphans.size(), dirtyMs, orphans.empty() ? 0.0 : dirtyMs / double(orphans.size()));
    }

    // The section as the dashboard holds it: in a scroll area, the project's own folder the only
    // active session's working folder.
    QScrollArea window;
    window.setWidgetResizable(true);
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    auto *section = new OrphanWorktreeSection(root, projectID, {root}, page);
    column->addWidget(section);
    column->addStretch();
    window.setWidget(page);
    window.resize(900, 800);
    Heartbeat heartbeat(heartbeatMs);
    // Showing schedules the first scan; wait it out before measuring.
    {
        QEventLoop loop;
        QObject::connect(section, &OrphanWorktreeSection::scanFinished, &loop, &QEventLoop::quit);
        window.show();
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        spin(settleMs);
    }

    const Run warm = scanOnce(*section, heartbeat);
    std::printf("warm-up: %.1f ms, worst GUI stall %.1f ms\n", warm.scanMs, warm.worstStallMs);
    std::vector<double> times;
    double worstStall = 0;
    Run last;
    for (int i = 0; i < timedRuns; ++i) {
        last = scanOnce(*section, heartbeat);
        if (last.failed) {
            std::fprintf(stderr, "scan failed\n");
            return 1;
        }
        times.push_back(last.scanMs);
        worstStall = std::max(worstStall, last.worstStallMs);
        std::printf("run %d: %.1f ms, worst GUI stall %.1f ms (request %.1f ms; until the rows %.1f ms, "
                    "layout and painting after %.1f ms)\n",
                    i + 1, last.scanMs, last.worstStallMs, last.requestMs, last.stallToResultMs,
                    last.stallAfterMs);
    }
    std::printf("worktrees listed: %zu (%d with uncommitted changes, %d locked)\n", last.rows, last.dirty,
                last.locked);
    std::printf("scan time: %.1f ms median of %d (target: under 3000 ms)\n", median(times), timedRuns);
    std::vector<double> fillStalls;
    for (int i = 0; i < timedRuns; ++i) {
        const Fill fill = firstFill(column, section, root, projectID, heartbeat);
        if (fill.rows != last.rows) {
            std::fprintf(stderr, "first scan listed %zu rows\n", fill.rows);
            return 1;
        }
        fillStalls.push_back(fill.worstStallMs);
        worstStall = std::max(worstStall, fill.worstStallMs);
        std::printf("first fill %d: scan %.1f ms, all rows built %.1f ms, worst GUI stall %.1f ms\n", i + 1,
                    fill.scanMs, fill.rowsMs, fill.worstStallMs);
    }
    std::printf("first-fill GUI stall: %.1f ms median, %.1f ms worst of %d\n", median(fillStalls),
                *std::max_element(fillStalls.begin(), fillStalls.end()), timedRuns);
    std::printf("worst GUI-thread stall: %.1f ms (target: never more than 50 ms)\n", worstStall);
    return 0;
}
