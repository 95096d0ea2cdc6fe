#pragma once

#include <QMainWindow>
#include <QPointer>

class QSplitter;
class QStackedWidget;

namespace Brindlewick {

class AppModel;
class ModelContext;
class SidebarView;
class HookLogView;
class ProjectDashboardView;
class BoardView;

// The window "main": the sidebar beside a detail area chosen by AppModel's selection.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ModelContext &context, AppModel &appModel, QWidget *parent = nullptr);

    SidebarView *sidebar() const { return m_sidebar; }
    BoardView *board() const { return m_board; }
    HookLogView *hookLog() const { return m_hookLog; }
    ProjectDashboardView *dashboard() const { return m_dashboard; }
    QWidget *currentDetail() const;

    // Lets the next close go through (quitting); otherwise a close is reported as closeRequested.
    void allowClose() { m_closeAllowed = true; }

Q_SIGNALS:
    void openSessionRequested(const QUuid &sessionID);
    // Sent before openSessionRequested when a new session has a first instruction to type.
    void openSessionWithInputRequested(const QUuid &sessionID, const QString &initialInput);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showSelection();

    ModelContext &m_context;
    AppModel &m_appModel;
    QSplitter *m_splitter = nullptr;
    SidebarView *m_sidebar = nullptr;
    QStackedWidget *m_detail = nullptr;
    BoardView *m_board = nullptr;
    HookLogView *m_hookLog = nullptr;
    QPointer<ProjectDashboardView> m_dashboard;
    bool m_closeAllowed = false;
};

} // namespace Brindlewick
