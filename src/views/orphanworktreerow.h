#pragma once

#include "services/orphanworktreefinder.h"

#include <QFrame>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace Brindlewick {

// One row of the left-over worktree list: label, badge for uncommitted or unknown changes, lock,
// path, the branch check box and the remove button. It paints its own background and badge so that
// a hundred rows cost no style-sheet polishing. GUI thread.
class OrphanWorktreeRow final : public QFrame {
    Q_OBJECT
public:
    OrphanWorktreeRow(const OrphanWorktree &worktree, std::optional<bool> isDirty, QWidget *parent);

    const QString &path() const { return m_worktree.path; }
    // True when the row shows exactly this worktree in this state (and can be kept on a rescan).
    bool shows(const OrphanWorktree &worktree, std::optional<bool> isDirty) const {
        return m_worktree == worktree && m_isDirty == isDirty;
    }
    // Locked rows stay disabled whatever is passed.
    void setRemovable(bool removable);
    void setBranchChecked(bool checked);

Q_SIGNALS:
    void removeRequested(const QString &path);
    void branchDeletionToggled(const QString &path, bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OrphanWorktree m_worktree;
    std::optional<bool> m_isDirty;
    QLabel *m_badge = nullptr;
    QLabel *m_path = nullptr;
    QCheckBox *m_branchCheck = nullptr;
    QPushButton *m_remove = nullptr;
};

} // namespace Brindlewick
