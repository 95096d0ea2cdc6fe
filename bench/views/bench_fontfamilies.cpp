// Font family benchmark: how long the installed-family list and the fixed-pitch test over it take
// (the work the font page does when first shown), and the font page's worst GUI-thread stall
// while it builds its lists, measured as the worst lateness of a 5 ms heartbeat timer. Prints
// figures and asserts nothing.
//
//   bench_fontfamilies          the figures (offscreen platform when there is no display)
#include "benchsupport.h"
#include "views/fontsettings.h"
#include "views/fontsettingspage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

using namespace Brindlewick;
using BrindlewickBench::Heartbeat;

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QElapsedTimer clock;
    clock.start();
    const QStringList &families = FontSettings::availableFamilies();
    const double listMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const QStringList fixed = FontSettings::monospaceFamilies(families);
    const double fixedMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    FontSettings::monospaceFamilies(families);
    const double fixedAgainMs = clock.nsecsElapsed() / 1e6;
    std::printf("installed families: %lld, listed in %.1f ms (once per run)\n", qlonglong(families.size()),
                listMs);
    std::printf("fixed-pitch test: %lld fixed-pitch families in %.1f ms (again: %.1f ms)\n",
                qlonglong(fixed.size()), fixedMs, fixedAgainMs);

    // The page in a fresh process would pay the first-time costs; here the font engines are warm,
    // so the stall figure is the slicing's own.
    FontSettingsPage page;
    Heartbeat heartbeat(5);
    heartbeat.start();
    clock.restart();
    page.show();
    while (!page.familiesReady())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    heartbeat.stop();
    std::printf("font page lists built in %.1f ms, worst GUI-thread stall %.1f ms\n",
                clock.nsecsElapsed() / 1e6, heartbeat.worstMs());
    return 0;
}
