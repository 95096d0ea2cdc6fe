#pragma once

#include <QUuid>
#include <QWidget>

class QLabel;
class QStackedWidget;
class QVBoxLayout;

namespace Brindlewick {

class ModelContext;
class OrphanWorktreeSection;
class SessionLauncherSection;
struct ChangeSet;

// A project's dashboard in the main window's detail area: the header with the project's name and
// folder, then the project's sections. It is created for one project id and replaced when the
// selection moves to another project, so its transient state starts fresh.
class ProjectDashboardView final : public QWidget {
    Q_OBJECT
public:
    ProjectDashboardView(const QUuid &projectID, ModelContext &context, QWidget *parent = nullptr);

    QUuid projectID() const { return m_projectID; }
    // The column that the project's sections are added to, below the header.
    QVBoxLayout *sectionsLayout() const { return m_sections; }
    // The list of left-over worktrees, last in the column; none while the project is missing.
    OrphanWorktreeSection *orphanSection() const { return m_orphans; }
    // The session block below the header.
    SessionLauncherSection *sessionLauncher() const { return m_launcher; }

Q_SIGNALS:
    // Open the session's window; `initialInput` (may be empty) goes into its terminal unsent.
    void openSessionRequested(const QUuid &sessionID, const QString &initialInput);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void updateOrphanInputs();

    QUuid m_projectID;
    ModelContext &m_context;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_missingIcon = nullptr;
    QLabel *m_missingText = nullptr;
    QLabel *m_icon = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_path = nullptr;
    QVBoxLayout *m_sections = nullptr;
    QVBoxLayout *m_column = nullptr;
    OrphanWorktreeSection *m_orphans = nullptr;
    SessionLauncherSection *m_launcher = nullptr;
};

} // namespace Brindlewick
