#pragma once

#include "models/result.h"
#include "persistence/windowstatestore.h"

#include <QObject>
#include <QHash>
#include <QPointer>
#include <QUuid>

#include <memory>

namespace Brindlewick {

class AppActions;
class AppModel;
class LiveCardNotifier;
class LocalizationManager;
class MainWindow;
class ModelContainer;
class PreferencesWindow;
class SessionWindow;

// Lives for the whole run: the application state, the interface language, the store, and the
// windows that exist once. Runs the launch and quit steps. GUI thread.
class AppDelegate final : public QObject {
    Q_OBJECT
public:
    // Creates the application state, the language manager and then the store; a store that
    // cannot be opened is an error (the caller reports it and stops).
    static Result<std::unique_ptr<AppDelegate>> create();
    ~AppDelegate() override;

    ModelContainer &container() const { return *m_container; }
    AppModel &appModel() const { return *m_appModel; }
    LocalizationManager &localizationManager() const { return *m_localization; }
    AppActions &actions() const { return *m_actions; }

    // Set once quitting is confirmed; closing a session window then asks nothing.
    static bool isTerminating();
    static void setTerminating(bool value);

    void didFinishLaunching();
    // Every request to quit asks first; true when the user confirmed.
    bool requestQuit();
    void willTerminate();

    MainWindow &showMainWindow();
    // At launch: the main window where it was at the last quit; it stays hidden when it was
    // hidden then and session windows come back.
    void openMainWindowAtLaunch();
    // The session's window: brought forward when it is open, otherwise opened (at `placement`
    // when one is given).
    SessionWindow &openSessionWindow(const QUuid &sessionID,
                                     const std::optional<RememberedWindow> &placement = std::nullopt);
    void showPreferences();
    // A click on a notification: the session's window if it is open, else the application.
    void handleNotificationClick(const QString &sessionIDText);
    // Answers a request from a second launch (or a test) on the single-instance socket.
    QByteArray handleInstanceRequest(const QByteArray &request);

private:
    AppDelegate() = default;
    void runHookSetupCheck();
    MainWindow &ensureMainWindow();
    void applyTerminalAppearance();
    // The windows open at quit, for the next launch to reopen (session records stay for a resume).
    void rememberWindows() const;
    void reopenSessionWindows();
    std::unique_ptr<AppModel> m_appModel;
    LiveCardNotifier *m_notifier = nullptr; // owned by m_appModel
    std::unique_ptr<LocalizationManager> m_localization;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<AppActions> m_actions;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<PreferencesWindow> m_preferences;
    QHash<QUuid, QPointer<SessionWindow>> m_sessionWindows;
    // The window in front when a quit was asked for, before the confirmation took the focus.
    QPointer<QWidget> m_frontWindowAtQuit;
    // What the last quit left open; only sessions that are still in the store.
    WindowState m_launchWindows;
    bool m_terminated = false;
};

} // namespace Brindlewick
