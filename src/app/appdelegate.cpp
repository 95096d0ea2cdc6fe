#include "app/appdelegate.h"

#include "app/widgetdump.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "platform/livecardnotifier.h"
#include "services/appmodel.h"
#include "services/gitservice.h"
#include "services/worktreecleanup.h"
#include "services/hookeventrouter.h"
#include "services/hookhttpserver.h"
#include "services/hooksettingsinstaller.h"
#include "services/backgroundtask.h"
#include "services/preferences.h"
#include "services/localization.h"
#include "services/localizationmanager.h"
#include "services/logging.h"
#include "services/sessionlifecycle.h"
#include "services/sessionprocessmanager.h"
#include "services/terminaltheme.h"
#include "views/appactions.h"
#include "views/fontsettings.h"
#include "views/fontsettingspage.h"
#include "views/hooksettingsview.h"
#include "views/hooksetupsheet.h"
#include "views/mainwindow.h"
#include "views/projectdashboardview.h"
#include "views/preferenceswindow.h"
#include "views/sessionterminalview.h"
#include "views/sessionwindow.h"
#include "views/windowactivation.h"
#include "views/worktreecleanupdialogs.h"
#include "views/terminalsettingsview.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace Brindlewick {

namespace {

// The main or session window a dialog (a question, the preferences, a sheet) belongs to.
QWidget *owningWindow(QWidget *window)
{
    while (window && !qobject_cast<QMainWindow *>(window) && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

bool g_terminating = false;

RememberedWindow rememberedWindow(const QWidget &w)
{
    if (!w.isMaximized())
        return {w.frameGeometry(), w.geometry(), false};
    // A maximised window comes back maximised; its normal place is what it returns to afterwards.
    const QRect outer = w.frameGeometry(), inner = w.geometry();
    const QMargins decoration(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                              outer.bottom() - inner.bottom());
    // Maximised by the window manager rather than by the application, Qt may not know the normal
    // place; the window then keeps its maximised rectangle to return to.
    const QRect normal = w.normalGeometry().isValid() && !w.normalGeometry().isEmpty() ? w.normalGeometry() : inner;
    return {normal.marginsAdded(decoration), normal, true};
}

// Places a window that is not shown yet: its frame where it was, moved onto a screen that exists now.
void applyPlacement(QWidget &w, const RememberedWindow &remembered)
{
    QVector<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    }
    const RememberedWindow placed = WindowStateStore::placedOnScreens(remembered, areas);
    w.resize(placed.client.size());
    // A top-level's position is that of its frame, so the window manager puts the frame there.
    w.move(placed.frame.topLeft());
    if (placed.maximized)
        w.setWindowState(w.windowState() | Qt::WindowMaximized);
}

} // namespace

bool AppDelegate::isTerminating() { return g_terminating; }
void AppDelegate::setTerminating(bool value) { g_terminating = value; }

Result<std::unique_ptr<AppDelegate>> AppDelegate::create()
{
    std::unique_ptr<AppDelegate> d(new AppDelegate);
    auto notifier = std::make_unique<LiveCardNotifier>();
    d->m_notifier = notifier.get();
    d->m_appModel = std::make_unique<AppModel>(std::move(notifier));
    d->m_localization = std::make_unique<LocalizationManager>();
    auto container = ContainerFactory::make(false);
    if (!container)
        return container.error();
    d->m_container = std::move(*container);
    d->m_launchWindows = WindowStateStore::standard().load();
    {
        // A session deleted since (or in another store) has nothing to reopen.
        auto &windows = d->m_launchWindows.sessionWindows;
        ModelContext &context = d->m_container->mainContext();
        windows.erase(std::remove_if(windows.begin(), windows.end(),
                                     [&context](const RememberedSessionWindow &w) {
                                         return !context.find<Session>(w.sessionID);
                                     }),
                      windows.end());
    }
    d->m_actions = std::make_unique<AppActions>();
    SessionTerminalView::installFactory();
    SessionWindow::setTerminatingCheck(&AppDelegate::isTerminating);

    AppDelegate *self = d.get();
    // A deleted session's worktree goes only after the user agrees when it may hold work.
    SessionLifecycle::setWorktreeCleanup([self](const QString &root, const QString &path) {
        WorktreeCleanup::run(
            root, path,
            [](const QStringList &arguments, const QString &folder) {
                const GitRunResult r = GitService::runProcess(arguments, folder);
                return WorktreeCleanup::GitResult{r.exitCode, r.output};
            },
            WorktreeCleanupDialogs::prompt(), &AppDelegate::isTerminating, self);
    });
    connect(d->m_notifier, &LiveCardNotifier::activated, self, &AppDelegate::handleNotificationClick);
    connect(d->m_actions->showBoard, &QAction::triggered, self, [self] {
        self->appModel().setSelection(SidebarItem::board());
        self->showMainWindow();
    });
    connect(d->m_actions->preferences, &QAction::triggered, self, &AppDelegate::showPreferences);
    connect(d->m_actions->quit, &QAction::triggered, self, [self] {
        if (self->requestQuit())
            QCoreApplication::quit();
    });
    connect(d->m_actions->about, &QAction::triggered, self, [] {
        QMessageBox::about(QApplication::activeWindow(), L("Brindlewick について"),
                           QStringLiteral("Brindlewick ") + QCoreApplication::applicationVersion());
    });
    return d;
}

AppDelegate::~AppDelegate()
{
    willTerminate();
    m_preferences.reset();
    m_mainWindow.reset();
}

void AppDelegate::didFinishLaunching()
{
    applyTerminalAppearance();
    auto started = HookHTTPServer::shared().start(
        [this](const QString &card, SessionColumn column, const QDateTime &at, const HookEventDetail &detail) {
            HookEventRouter::route(card, column, at, detail, m_container->mainContext(), *m_appModel);
        });
    if (!started)
        qCCritical(lcApp, "Failed to start hook server: %s", qUtf8Printable(started.error().description));
    m_notifier->requestAuthorization();
    runHookSetupCheck();
    reopenSessionWindows();
}

void AppDelegate::openMainWindowAtLaunch()
{
    const bool sessionsFollow = !m_launchWindows.sessionWindows.isEmpty();
    if (sessionsFollow && (!m_launchWindows.mainWindowOpen || m_launchWindows.mainWindowActive)) {
        // Created now for the hook-setup offer and the menus; left hidden as it was, or shown after
        // the session windows so that the window manager puts it in front of them, as it was.
        ensureMainWindow();
        return;
    }
    showMainWindow();
}

void AppDelegate::reopenSessionWindows()
{
    // Each window resumes its Claude Code session: the window starts claude with the stored id.
    const QVector<RememberedSessionWindow> windows = std::exchange(m_launchWindows.sessionWindows, {});
    for (const RememberedSessionWindow &w : windows) {
        if (m_container->mainContext().find<Session>(w.sessionID))
            openSessionWindow(w.sessionID, w.window);
    }
    if (!windows.isEmpty() && m_launchWindows.mainWindowOpen && m_launchWindows.mainWindowActive)
        showMainWindow();
}

void AppDelegate::rememberWindows() const
{
    WindowState state;
    if (m_mainWindow) {
        state.mainWindow = rememberedWindow(*m_mainWindow);
        state.mainWindowOpen = m_mainWindow->isVisible();
    }
    // The active window last, so that it is reopened last and ends up in front again.
    // The quit confirmation is the active window while it is answered: use the one in front before it.
    QWidget *active = m_frontWindowAtQuit ? m_frontWindowAtQuit.data() : owningWindow(QApplication::activeWindow());
    state.mainWindowActive = m_mainWindow && active == m_mainWindow.get();
    for (const QPointer<SessionWindow> &window : m_sessionWindows) {
        if (window && window->isVisible() && window != active)
            state.sessionWindows.push_back({window->sessionID(), rememberedWindow(*window)});
    }
    for (const QPointer<SessionWindow> &window : m_sessionWindows) {
        if (window && window->isVisible() && window == active)
            state.sessionWindows.push_back({window->sessionID(), rememberedWindow(*window)});
    }
    const WindowStateStore store = WindowStateStore::standard();
    if (auto saved = store.save(state); !saved)
        qCWarning(lcApp, "could not remember the open windows: %s", qUtf8Printable(saved.error().description));
}

void AppDelegate::applyTerminalAppearance()
{
    SessionProcessManager &pm = SessionProcessManager::shared();
    FontSettings::applyMonospaceToTerminals();
    pm.applyTerminalColors(
        TerminalTheme::rgb(Preferences::value(QStringLiteral("terminal.color.foreground")).toString(), 0xFFFFFF),
        TerminalTheme::rgb(Preferences::value(QStringLiteral("terminal.color.background")).toString(), 0x1E1E1E));
    pm.applyTerminalPalette(
        TerminalTheme::preset(Preferences::value(QStringLiteral("terminal.theme.id"), QStringLiteral("default")).toString())
            .palette());
}

void AppDelegate::runHookSetupCheck()
{
    if (Preferences::boolValue(QStringLiteral("hookSetupPromptSuppressed"), false))
        return;
    runInBackground(
        this, [] { return HookSettingsInstaller::standard().status(); },
        [this](HookSettingsInstaller::Status status) {
            if (status != HookSettingsInstaller::Status::noFile && status != HookSettingsInstaller::Status::notInstalled)
                return;
            if (!m_mainWindow || isTerminating())
                return;
            auto *sheet = new HookSetupSheet(HookSettingsInstaller::standard(), m_mainWindow.get());
            sheet->setAttribute(Qt::WA_DeleteOnClose);
            sheet->open();
        });
}

bool AppDelegate::requestQuit()
{
    if (isTerminating())
        return true;
    m_frontWindowAtQuit = owningWindow(QApplication::activeWindow());
    QMessageBox box(QMessageBox::Warning, L("Brindlewick を終了しますか。"),
                    L("Brindlewick を終了しますか。"), QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("quitConfirmation"));
    box.setInformativeText(L("稼働中のすべてのセッション（claude プロセス）が終了します。"));
    QPushButton *quit = box.addButton(L("終了する"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(L("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(quit);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() != quit) {
        m_frontWindowAtQuit.clear();
        return false;
    }
    setTerminating(true);
    return true;
}

void AppDelegate::willTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    setTerminating(true);
    rememberWindows();
    // Windows closed while quitting only stop their processes; the records stay for a resume.
    const auto windows = m_sessionWindows;
    for (const QPointer<SessionWindow> &window : windows) {
        if (window)
            window->close();
    }
    SessionProcessManager &pm = SessionProcessManager::shared();
    pm.terminateAll();
    // A child that ignores SIGTERM gets SIGKILL after 2 s; none outlives the application.
    if (!pm.waitForTerminations(SessionProcessManager::killDelayMs + 500))
        qCWarning(lcApp, "%d session processes still ending at exit", pm.pendingTerminationCount());
    HookHTTPServer::shared().stop();
    if (m_mainWindow)
        m_mainWindow->allowClose();
}

MainWindow &AppDelegate::showMainWindow()
{
    WindowActivation::bringToFront(&ensureMainWindow());
    return *m_mainWindow;
}

MainWindow &AppDelegate::ensureMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(m_container->mainContext(), *m_appModel);
        m_actions->installMenuBar(m_mainWindow.get());
        if (m_launchWindows.mainWindow)
            applyPlacement(*m_mainWindow, *m_launchWindows.mainWindow);
        connect(m_mainWindow.get(), &MainWindow::openSessionWithInputRequested, this,
                [](const QUuid &id, const QString &input) {
                    SessionProcessManager::shared().setPendingInitialInput(id, input);
                });
        connect(m_mainWindow.get(), &MainWindow::openSessionRequested, this,
                [this](const QUuid &id) { openSessionWindow(id); });
        connect(m_mainWindow.get(), &MainWindow::closeRequested, this, [this] {
            // With other windows open the main window only hides; closing the last one is a quit.
            bool others = false;
            for (QWidget *w : QApplication::topLevelWidgets())
                others = others || (w != m_mainWindow.get() && w->isVisible() && w->isWindow() &&
                                    w->objectName() == QLatin1String("session"));
            if (others) {
                m_mainWindow->hide();
            } else if (requestQuit()) {
                QCoreApplication::quit();
            }
        });
    }
    return *m_mainWindow;
}

void AppDelegate::showPreferences()
{
    if (!m_preferences) {
        m_preferences = std::make_unique<PreferencesWindow>(*m_localization);
        m_preferences->addPage(new FontSettingsPage, BW_KEY("フォント"), QStringLiteral("textformat.size"));
        m_preferences->addPage(new TerminalSettingsView, BW_KEY("ターミナル"), QStringLiteral("terminal"));
        m_preferences->addPage(new HookSettingsView(HookSettingsInstaller::standard()), BW_KEY("フック"),
                               QStringLiteral("bolt.horizontal.circle"));
    }
    m_preferences->show();
    m_preferences->raise();
    m_preferences->activateWindow();
}

SessionWindow &AppDelegate::openSessionWindow(const QUuid &sessionID, const std::optional<RememberedWindow> &placement)
{
    QPointer<SessionWindow> &window = m_sessionWindows[sessionID];
    if (!window) {
        window = new SessionWindow(sessionID, m_container->mainContext(), *m_appModel, [this](const QUuid &id) {
            SessionLifecycle::teardown(id, m_container->mainContext());
        });
        m_actions->installMenuBar(window);
        connect(window, &QObject::destroyed, this, [this, sessionID] {
            if (!m_sessionWindows.value(sessionID))
                m_sessionWindows.remove(sessionID);
        });
        if (placement)
            applyPlacement(*window, *placement);
    }
    WindowActivation::bringToFront(window);
    return *window;
}

void AppDelegate::handleNotificationClick(const QString &sessionIDText)
{
    // The session's window if one shows its terminal; otherwise the application comes forward.
    if (const auto id = parseUuid(sessionIDText); id && SessionProcessManager::shared().focusWindow(*id))
        return;
    showMainWindow();
}

QByteArray AppDelegate::handleInstanceRequest(const QByteArray &request)
{
    if (request == "activate") {
        showMainWindow();
        return "ok";
    }
    if (request == "introspect" && qEnvironmentVariableIntValue("BRINDLEWICK_TEST_INTROSPECTION") == 1)
        return introspectWidgets();
    return "unknown request";
}

} // namespace Brindlewick
