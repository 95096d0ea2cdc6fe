#pragma once

#include "services/backgroundtask.h"
#include "services/gitservice.h"

#include <QUuid>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace Brindlewick {

class ModelContext;

// The dashboard's session block: the project's sessions and the form that starts a new one,
// optionally in a worktree of its own. The repository check and worktree creation run on
// background tasks; the store is written here.
class SessionLauncherSection final : public QWidget {
    Q_OBJECT
public:
    SessionLauncherSection(const QUuid &projectID, ModelContext &context, QWidget *parent = nullptr);

    void setGitService(const GitService &git) { m_git = git; }
    void setWorktreesRoot(const QString &root) { m_worktreesRoot = root; }

    void start();
    void checkRepository();

    bool isStarting() const { return m_isStarting; }
    std::optional<bool> isGitRepo() const { return m_isGitRepo; }
    std::optional<QString> startError() const { return m_startError; }
    QCheckBox *worktreeOption() const { return m_worktree; }
    QCheckBox *skipPermissionsOption() const { return m_skip; }
    QCheckBox *remoteControlOption() const { return m_remote; }
    QLineEdit *firstPromptField() const { return m_prompt; }
    QPushButton *startButton() const { return m_startButton; }

Q_SIGNALS:
    // A session was created (or its row pressed): open its window, then type `initialInput`
    // (may be empty) into its terminal without sending it.
    void openSessionRequested(const QUuid &sessionID, const QString &initialInput);
    // A start reached its end, with or without a session.
    void startFinished();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void renderState();
    void rebuildSessionList();
    void opened(const QUuid &sessionID, const QString &initialInput);
    void setStartError(const std::optional<QString> &message);

    QUuid m_projectID;
    ModelContext &m_context;
    GitService m_git;
    QString m_worktreesRoot;
    BackgroundSlot m_repoCheck;
    bool m_isStarting = false;
    std::optional<bool> m_isGitRepo;
    std::optional<QString> m_startError;
    std::optional<bool> m_remoteControlOverride;
    bool m_syncing = false;
    bool m_gitMissing = false;

    QLabel *m_heading = nullptr;
    QPushButton *m_startButton = nullptr;
    QCheckBox *m_skip = nullptr;
    QCheckBox *m_worktree = nullptr;
    QCheckBox *m_remote = nullptr;
    QLineEdit *m_prompt = nullptr;
    QLabel *m_notRepoNote = nullptr;
    QLabel *m_error = nullptr;
    QVBoxLayout *m_list = nullptr;
};

} // namespace Brindlewick
