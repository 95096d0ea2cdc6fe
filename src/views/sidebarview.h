#pragma once

#include "services/gitservice.h"
#include "services/projectreorder.h"

#include <QUuid>
#include <QWidget>

#include <memory>
#include <optional>
#include <set>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTimer;
class QToolButton;

namespace Brindlewick {

class AppModel;
class ModelContext;
class Project;
class SidebarPrompts;
struct ChangeSet;

// The main window's sidebar: the board and the hook log, then every project in the user's order.
// Its selection is AppModel's selection, in both directions. Projects are added (a folder picker,
// then git on a background task to find the repository root), renamed, recoloured, moved, dragged
// into a new order and deleted from here.
class SidebarView final : public QWidget {
    Q_OBJECT
public:
    SidebarView(ModelContext &context, AppModel &appModel, QWidget *parent = nullptr);
    ~SidebarView() override;

    QListWidget *list() const { return m_list; }
    QToolButton *addButton() const { return m_addButton; }

    // Replaces the dialogs (tests answer them at once) and the git used to find repository roots.
    void setPrompts(std::unique_ptr<SidebarPrompts> prompts);
    void setGitService(const GitService &git) { m_git = git; }

    // The folder picker, then registration of the chosen folder.
    void addProject();
    // Registers `folder` (its repository root when it is inside one) and selects the project.
    void addFolder(const QString &folder);
    void beginRename(const QUuid &projectID);
    void setProjectColor(const QUuid &projectID, const std::optional<QString> &hex);
    // Refuses while sessions block it; otherwise asks, with the counts of what goes with it.
    void attemptDelete(const QUuid &projectID);
    // Applies a drag of the projects at `rows` (indices in the sorted list) to the gap `destination`.
    void moveProjects(const std::set<int> &rows, int destination);
    void moveProject(int index, ProjectReorder::Direction direction);
    // A drop of the selected project row at a point of the list's viewport.
    void dropAt(const QPoint &viewportPos);

    // The context menu of a project row (owned by the caller).
    QMenu *contextMenuFor(const QUuid &projectID, QWidget *parent);
    // The notice shown in the banner at the bottom, empty when none.
    QString infoMessage() const { return m_infoMessage; }

Q_SIGNALS:
    // An add finished (with a selection, a notice or an alert).
    void addFinished();

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    void scheduleRebuild();
    void syncSelectionFromModel();
    void onCurrentItemChanged(QListWidgetItem *current);
    void retranslate();
    std::vector<Project *> sortedProjects() const;
    void applyOrder(const std::vector<int> &order, const std::vector<Project *> &projects);
    void showInfo(const QString &message);

    ModelContext &m_context;
    AppModel &m_appModel;
    GitService m_git;
    std::unique_ptr<SidebarPrompts> m_prompts;
    QLabel *m_title = nullptr;
    QToolButton *m_addButton = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_banner = nullptr;
    QTimer *m_bannerTimer = nullptr;
    QString m_infoMessage;
    bool m_rebuildScheduled = false;
    bool m_syncing = false;
    bool m_adding = false;
};

} // namespace Brindlewick
