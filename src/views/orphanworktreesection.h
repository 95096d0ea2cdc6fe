#pragma once

#include "services/backgroundtask.h"
#include "services/gitservice.h"
#include "services/orphanworktreefinder.h"

#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace Brindlewick {

class OrphanWorktreePrompts;
class OrphanWorktreeRow;

// The project dashboard's list of worktrees left behind by sessions that are gone: whether each
// has uncommitted changes, and deletion, optionally with its branch. Scans and every git command
// run on background tasks; a newer scan replaces an older one, whose result is dropped. Rows that
// a rescan finds unchanged are kept; new ones are built a few at a time between events, so that a
// long list never holds up the GUI thread.
class OrphanWorktreeSection final : public QWidget {
    Q_OBJECT
public:
    struct Row {
        OrphanWorktree worktree;
        std::optional<bool> isDirty; // absent: the check failed
    };

    OrphanWorktreeSection(const QString &projectRootPath, const QUuid &projectID,
                          const QStringList &activeWorkingDirectories, QWidget *parent = nullptr);
    ~OrphanWorktreeSection() override;

    // New inputs from the dashboard; a changed root path or session count schedules a scan.
    void setInputs(const QString &projectRootPath, const QStringList &activeWorkingDirectories);
    void setPrompts(std::unique_ptr<OrphanWorktreePrompts> prompts);
    void setGitService(const GitService &git) { m_git = git; }
    void setWorktreesRoot(const QString &root) { m_worktreesRoot = root; }

    void scheduleScan();
    // By value: the row that asked may be deleted while a question to the user is open.
    void deleteOrphan(QString path);
    void setBranchDeletion(const QString &path, bool on);

    const std::vector<Row> &rows() const { return m_rows; }
    // True once every row of the last scan has its widget.
    bool rowsBuilt() const { return m_pendingRows == 0; }
    bool scanFailed() const { return m_scanFailed; }
    bool isScanning() const { return m_scanning; }
    std::optional<QString> errorMessage() const { return m_error; }
    const QSet<QString> &branchDeleteSelection() const { return m_branchDeleteSelection; }

Q_SIGNALS:
    void scanFinished();
    // A deletion reached its end (with or without a rescan to follow).
    void deletionFinished();
    // The last row widget of a scan is in place.
    void rowsCompleted();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct ScanResult {
        std::vector<Row> rows;
        bool failed = false;
    };
    void buildChrome();
    void retranslate();
    void refreshChrome();
    void refreshRowStates();
    // Keeps the row widgets that still match, drops the others and queues the missing ones.
    void syncRows();
    void buildPendingRows();
    void removalDone(const Row &row, bool optedIn, bool removed, bool attempted);
    void deleteBranch(const QString &branch);
    void setBusy(bool busy);

    QString m_projectRootPath;
    QUuid m_projectID;
    QStringList m_activeWorkingDirectories;
    QString m_scanKey;
    QString m_worktreesRoot;
    GitService m_git;
    std::unique_ptr<OrphanWorktreePrompts> m_prompts;
    BackgroundSlot m_scanSlot;
    std::vector<Row> m_rows;
    bool m_scanFailed = false;
    bool m_scanning = false;
    bool m_busy = false; // a deletion is running
    QSet<QString> m_branchDeleteSelection;
    std::optional<QString> m_error;

    QWidget *m_content = nullptr;
    QLabel *m_title = nullptr;
    QToolButton *m_refresh = nullptr;
    QWidget *m_failedBox = nullptr;
    QLabel *m_failedNote = nullptr;
    QLabel *m_note = nullptr;
    QWidget *m_errorBox = nullptr;
    QLabel *m_errorLabel = nullptr;
    QVBoxLayout *m_rowsLayout = nullptr;
    // Parallel to m_rows; null while a row's widget is still to be built.
    std::vector<OrphanWorktreeRow *> m_rowViews;
    size_t m_pendingRows = 0;
    QTimer m_buildTimer;
};

} // namespace Brindlewick
