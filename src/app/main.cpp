// Brindlewick: a board of Claude Code sessions.
#include "app/appdelegate.h"
#include "platform/appidentity.h"
#include "platform/singleinstance.h"
#include "services/logging.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace Brindlewick;

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// SIGTERM and SIGINT (a logout, `kill`) end the app as a confirmed quit would, without asking.
void installTerminationHandler(AppDelegate &delegate)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [&delegate] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
        AppDelegate::setTerminating(true);
        delegate.willTerminate();
        QCoreApplication::quit();
    });
    struct sigaction sa {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    // On Wayland the app runs through XWayland, where raising and tiling windows work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BW_APP_VERSION));
    QGuiApplication::setDesktopFileName(applicationIdentifier());
    setRunningApplicationIdentifier(applicationIdentifier());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Brindlewick keeps your projects, starts Claude Code sessions in embedded terminals and shows every\n"
        "session as a card on a board whose columns follow the sessions' hook events.\n\n"
        "Only one Brindlewick runs per user and data folder: starting it again brings the running one\n"
        "to the front. Data: $XDG_DATA_HOME/io.brindlewick.Brindlewick (store Library.sqlite);\n"
        "preferences: $XDG_CONFIG_HOME/Brindlewick/Brindlewick.conf."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    SingleInstance instance;
    switch (instance.claim("activate")) {
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::Failed:
        qCWarning(lcApp, "could not listen for other launches at %s", qUtf8Printable(SingleInstance::socketPath()));
        break;
    case SingleInstance::Outcome::Primary:
        break;
    }

    auto delegate = AppDelegate::create();
    if (!delegate) {
        std::fprintf(stderr, "ModelContainer の生成に失敗しました: %s\n", qUtf8Printable(delegate.error().description));
        return 1;
    }
    AppDelegate &d = **delegate;
    instance.setHandler([&d](const QByteArray &request) { return d.handleInstanceRequest(request); });
    installTerminationHandler(d);
    QApplication::setQuitOnLastWindowClosed(false);
    d.openMainWindowAtLaunch();
    d.didFinishLaunching();
    const int status = app.exec();
    d.willTerminate();
    return status;
}
