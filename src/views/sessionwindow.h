#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QUuid>

#include <functional>

class QGraphicsOpacityEffect;

namespace Brindlewick {

class AppModel;
class ModelContext;
class Session;
class TerminalPanesView;
struct ChangeSet;

// The window "session" of one session: its terminal panes (the claude terminal and auxiliary
// shells). Closing it ends the session (asking first while claude runs); when claude ends by
// itself the window says so and keeps the last screen; when its working folder is gone it shows that
// instead of a terminal. Reports itself as the front session while
// active, and is drawn dimmed while another window is active. GUI thread.
class SessionWindow final : public QMainWindow {
    Q_OBJECT
public:
    // What closing does to the session outside application exit: stop it and delete it.
    using Teardown = std::function<void(const QUuid &)>;

    SessionWindow(const QUuid &sessionID, ModelContext &context, AppModel &appModel, Teardown teardown,
                  QWidget *parent = nullptr);
    ~SessionWindow() override;

    // Whether the application is quitting (then closing only stops the process, the record stays).
    static void setTerminatingCheck(std::function<bool()> check);

    static QString headerTitle(const Session &session);

    QUuid sessionID() const { return m_sessionID; }
    TerminalPanesView *panes() const { return m_panes; }
    bool isDimmed() const;
    QMessageBox *exitAlert() const { return m_exitAlert; }
    QMessageBox *closeConfirmation() const { return m_closeConfirmation; }

    void splitFocusedPane(bool right);
    // Closes the window without asking (the confirmation, if any, was given).
    void closeThisWindow();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void sessionChanged(const ChangeSet &changes);
    void updateTitle();
    void updateDimming();
    void showExitAlert();
    void closeSession();
    // The terminal panes, or what to say when the working folder is gone.
    void showSessionContent();
    bool workingDirectoryIsMissing() const;
    QWidget *missingFolderView(const QString &path);

    QUuid m_sessionID;
    ModelContext &m_context;
    AppModel &m_appModel;
    Teardown m_teardown;
    TerminalPanesView *m_panes = nullptr;
    QGraphicsOpacityEffect *m_dim = nullptr;
    QPointer<QMessageBox> m_exitAlert;
    QPointer<QMessageBox> m_closeConfirmation;
    bool m_closeConfirmed = false;
    bool m_closed = false;
    bool m_exitAlertShown = false;
};

} // namespace Brindlewick
