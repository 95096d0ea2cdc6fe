#include "views/orphanworktreesection.h"

#include "persistence/appsupportpaths.h"
#include "services/localization.h"
#include "services/logging.h"
#include "services/worktreeplan.h"
#include "views/liveorphanworktreeprompts.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include "views/orphanworktreerow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Brindlewick {

namespace {

// How long one slice of row building may hold the GUI thread; layout and painting follow it.
constexpr qint64 rowSliceNs = 6'000'000;

QWidget *iconWithText(const QString &symbol, QLabel *text, QWidget *parent) {
    auto *box = new QWidget(parent);
    auto *h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    auto *icon = new QLabel(box);
    icon->setPixmap(symbolIcon(symbol).pixmap(14, 14));
    text->setParent(box);
    h->addWidget(icon, 0, Qt::AlignTop);
    h->addWidget(text, 1);
    return box;
}

// What to do after a removal attempt.
enum class Effect { none, reportFailure, rescan, deleteBranch };

} // namespace

OrphanWorktreeSection::OrphanWorktreeSection(const QString &projectRootPath, const QUuid &projectID,
                                             const QStringList &activeWorkingDirectories, QWidget *parent)
    : QWidget(parent)
    , m_projectRootPath(projectRootPath)
    , m_projectID(projectID)
    , m_activeWorkingDirectories(activeWorkingDirectories)
    , m_worktreesRoot(AppSupportPaths::worktreesRoot())
    , m_git(GitService::live())
    , m_prompts(std::make_unique<LiveOrphanWorktreePrompts>()) {
    setObjectName(QStringLiteral("orphanWorktreeSection"));
    m_scanKey = m_projectRootPath + QLatin1Char('#') + QString::number(m_activeWorkingDirectories.size());
    m_buildTimer.setSingleShot(true);
    m_buildTimer.setInterval(0);
    connect(&m_buildTimer, &QTimer::timeout, this, &OrphanWorktreeSection::buildPendingRows);
    buildChrome();
    retranslate();
    refreshChrome();
}

void OrphanWorktreeSection::buildChrome() {
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_content = new QWidget(this);
    outer->addWidget(m_content);
    auto *column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    auto *header = new QHBoxLayout;
    m_title = new QLabel(m_content);
    QFont hf = m_title->font();
    hf.setBold(true);
    m_title->setFont(hf);
    header->addWidget(m_title, 1);
    m_refresh = new QToolButton(m_content);
    m_refresh->setObjectName(QStringLiteral("orphanRefresh"));
    m_refresh->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_refresh->setIcon(symbolIcon(QStringLiteral("arrow.clockwise")));
    connect(m_refresh, &QToolButton::clicked, this, [this] {
        m_error.reset();
        scheduleScan();
    });
    header->addWidget(m_refresh);
    column->addLayout(header);

    m_failedNote = wrappingLabel(m_content, 0.85);
    m_failedNote->setObjectName(QStringLiteral("orphanScanFailed"));
    m_failedBox = iconWithText(QStringLiteral("exclamationmark.triangle"), m_failedNote, m_content);
    column->addWidget(m_failedBox);

    m_note = wrappingLabel(m_content, 0.85);
    makeSecondary(m_note);
    column->addWidget(m_note);

    m_errorLabel = wrappingLabel(m_content, 0.85);
    m_errorLabel->setObjectName(QStringLiteral("orphanError"));
    QPalette p = m_errorLabel->palette();
    p.setColor(QPalette::WindowText, QColor(0xFF, 0x3B, 0x30));
    m_errorLabel->setPalette(p);
    m_errorBox = iconWithText(QStringLiteral("exclamationmark.triangle.fill"), m_errorLabel, m_content);
    column->addWidget(m_errorBox);

    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(8);
    column->addLayout(m_rowsLayout);
}

void OrphanWorktreeSection::retranslate() {
    m_title->setText(L("残った worktree"));
    m_refresh->setToolTip(L("worktree の一覧を再取得します。"));
    m_failedNote->setText(L("worktree を確認できませんでした。git の状態を確認して「更新」してください。"));
    m_note->setText(L(
        "セッションを閉じても保持された worktree です。不要なら削除できます（ブランチは既定で残します）。"));
}

void OrphanWorktreeSection::refreshChrome() {
    // Nothing at all while there are no rows and the last scan did not fail.
    m_content->setVisible(!m_rows.empty() || m_scanFailed);
    m_refresh->setText(m_scanning ? L("更新中") : L("更新"));
    m_refresh->setEnabled(!m_scanning);
    m_failedBox->setVisible(m_scanFailed);
    m_note->setVisible(!m_scanFailed);
    if (m_error)
        m_errorLabel->setText(*m_error);
    m_errorBox->setVisible(!m_scanFailed && m_error.has_value());
}

void OrphanWorktreeSection::refreshRowStates() {
    for (OrphanWorktreeRow *view : m_rowViews)
        if (view) {
            view->setRemovable(!m_scanning && !m_busy);
            view->setBranchChecked(m_branchDeleteSelection.contains(view->path()));
        }
}

void OrphanWorktreeSection::syncRows() {
    QHash<QString, OrphanWorktreeRow *> previous;
    for (OrphanWorktreeRow *view : m_rowViews)
        if (view)
            previous.insert(view->path(), view);
    std::vector<OrphanWorktreeRow *> views(m_rows.size(), nullptr);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const auto it = previous.find(m_rows[i].worktree.path);
        if (it != previous.end() && (*it)->shows(m_rows[i].worktree, m_rows[i].isDirty)) {
            views[i] = *it;
            previous.erase(it);
        }
    }
    for (OrphanWorktreeRow *gone : std::as_const(previous)) {
        m_rowsLayout->removeWidget(gone);
        gone->hide();
        gone->deleteLater();
    }
    int index = 0;
    for (OrphanWorktreeRow *view : views) {
        if (!view)
            continue;
        if (m_rowsLayout->indexOf(view) != index) {
            m_rowsLayout->removeWidget(view);
            m_rowsLayout->insertWidget(index, view);
        }
        ++index;
    }
    m_rowViews = std::move(views);
    m_pendingRows = size_t(std::count(m_rowViews.begin(), m_rowViews.end(), nullptr));
    refreshRowStates();
    // The first slice at once, so that a short list is complete when the scan reports.
    buildPendingRows();
}

void OrphanWorktreeSection::buildPendingRows() {
    m_buildTimer.stop();
    QElapsedTimer clock;
    clock.start();
    int placed = 0;
    bool builtAny = false;
    for (size_t i = 0; i < m_rowViews.size() && m_pendingRows > 0; ++i) {
        if (m_rowViews[i]) {
            ++placed;
            continue;
        }
        if (builtAny && clock.nsecsElapsed() >= rowSliceNs) {
            m_buildTimer.start();
            return;
        }
        const Row &row = m_rows[i];
        auto *view = new OrphanWorktreeRow(row.worktree, row.isDirty, m_content);
        view->setRemovable(!m_scanning && !m_busy);
        view->setBranchChecked(m_branchDeleteSelection.contains(row.worktree.path));
        connect(view, &OrphanWorktreeRow::removeRequested, this, &OrphanWorktreeSection::deleteOrphan);
        connect(view, &OrphanWorktreeRow::branchDeletionToggled, this,
                &OrphanWorktreeSection::setBranchDeletion);
        m_rowsLayout->insertWidget(placed, view);
        // Polishing and measuring a row costs far more than making it: do it here, inside the
        // slice's time, rather than for every new row at once in the next layout pass.
        if (m_content->isVisible()) {
            view->show();
            view->sizeHint();
        }
        m_rowViews[i] = view;
        --m_pendingRows;
        ++placed;
        builtAny = true;
    }
    Q_EMIT rowsCompleted();
}

OrphanWorktreeSection::~OrphanWorktreeSection() = default;

void OrphanWorktreeSection::setPrompts(std::unique_ptr<OrphanWorktreePrompts> prompts) {
    m_prompts = std::move(prompts);
}

void OrphanWorktreeSection::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Each time the section is shown.
    scheduleScan();
}

void OrphanWorktreeSection::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && m_content) {
        retranslate();
        refreshChrome();
        // Every row carries texts of the old language: build them anew.
        for (OrphanWorktreeRow *view : m_rowViews) {
            if (!view)
                continue;
            // Later: a row's own handler (its remove button's question) may still be running.
            m_rowsLayout->removeWidget(view);
            view->hide();
            view->deleteLater();
        }
        m_rowViews.assign(m_rows.size(), nullptr);
        m_pendingRows = m_rows.size();
        buildPendingRows();
    }
    QWidget::changeEvent(event);
}

void OrphanWorktreeSection::setInputs(const QString &projectRootPath,
                                      const QStringList &activeWorkingDirectories) {
    m_projectRootPath = projectRootPath;
    m_activeWorkingDirectories = activeWorkingDirectories;
    const QString key = projectRootPath + QLatin1Char('#') + QString::number(activeWorkingDirectories.size());
    if (key != m_scanKey) {
        m_scanKey = key;
        scheduleScan();
    }
}

void OrphanWorktreeSection::scheduleScan() {
    m_scanning = true;
    refreshChrome();
    refreshRowStates();
    const QString root = m_projectRootPath;
    const QString worktreesRoot = m_worktreesRoot;
    const QUuid projectID = m_projectID;
    const QStringList active = m_activeWorkingDirectories;
    // A newer scan makes this one's result irrelevant: the slot drops it.
    m_scanSlot.run(
        this,
        [git = m_git, root, worktreesRoot, projectID, active] {
            ScanResult result;
            const auto entries = git.listWorktrees(root);
            if (!entries) {
                result.failed = true;
                return result;
            }
            for (const OrphanWorktree &w :
                 OrphanWorktreeFinder::find(*entries, worktreesRoot, projectID, active))
                result.rows.push_back({w, git.worktreeIsDirty(w.path)});
            return result;
        },
        [this](ScanResult result) {
            m_rows = std::move(result.rows);
            m_scanFailed = result.failed;
            QSet<QString> kept;
            for (const Row &r : m_rows)
                if (m_branchDeleteSelection.contains(r.worktree.path))
                    kept.insert(r.worktree.path);
            m_branchDeleteSelection = kept;
            m_scanning = false;
            refreshChrome();
            syncRows();
            Q_EMIT scanFinished();
        });
}

void OrphanWorktreeSection::setBranchDeletion(const QString &path, bool on) {
    if (on)
        m_branchDeleteSelection.insert(path);
    else
        m_branchDeleteSelection.remove(path);
}

void OrphanWorktreeSection::setBusy(bool busy) {
    m_busy = busy;
    refreshChrome();
    refreshRowStates();
}

void OrphanWorktreeSection::deleteOrphan(QString path) {
    const auto it =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const Row &r) { return r.worktree.path == path; });
    if (it == m_rows.end() || m_busy || m_scanning || it->worktree.isLocked)
        return;
    const Row row = *it;
    m_error.reset();
    const bool optedIn = m_branchDeleteSelection.contains(path);
    const bool force = row.isDirty != false;
    if (force && !m_prompts->confirmForceRemove(window(), path)) {
        refreshChrome();
        removalDone(row, optedIn, false, false); // kept
        return;
    }
    setBusy(true);
    runInBackground(
        this,
        [git = m_git, root = m_projectRootPath, path, force] {
            return force ? git.forceRemoveWorktree(root, path) : git.removeWorktree(root, path);
        },
        [this, row, optedIn](bool removed) {
            setBusy(false);
            removalDone(row, optedIn, removed, true);
        });
}

void OrphanWorktreeSection::removalDone(const Row &row, bool optedIn, bool removed, bool attempted) {
    Effect effect = Effect::none;
    if (!attempted)
        effect = Effect::none;
    else if (!removed)
        effect = Effect::reportFailure;
    else if (optedIn && row.worktree.branch && !row.worktree.branch->isEmpty())
        effect = Effect::deleteBranch;
    else
        effect = Effect::rescan;
    switch (effect) {
    case Effect::none:
        Q_EMIT deletionFinished();
        break;
    case Effect::reportFailure:
        qCCritical(lcOrphanWorktreeSection, "孤児 worktree の削除に失敗: %s",
                   qUtf8Printable(row.worktree.path));
        m_prompts->reportRemovalFailed(window(), row.worktree.path);
        Q_EMIT deletionFinished();
        break;
    case Effect::deleteBranch:
        deleteBranch(*row.worktree.branch);
        break;
    case Effect::rescan:
        scheduleScan();
        Q_EMIT deletionFinished();
        break;
    }
}

void OrphanWorktreeSection::deleteBranch(const QString &branch) {
    setBusy(true);
    // GitService refuses a name that fails the branch rule without running git: that counts as a
    // failed attempt, so the user is asked and then sees the error.
    runInBackground(
        this, [git = m_git, root = m_projectRootPath, branch] { return git.deleteBranch(root, branch); },
        [this, branch](bool deleted) {
            setBusy(false);
            if (deleted) {
                scheduleScan();
                Q_EMIT deletionFinished();
                return;
            }
            if (!m_prompts->confirmForceBranchDelete(window(), branch)) {
                scheduleScan();
                Q_EMIT deletionFinished();
                return;
            }
            setBusy(true);
            runInBackground(
                this,
                [git = m_git, root = m_projectRootPath, branch] {
                    return git.forceDeleteBranch(root, branch);
                },
                [this, branch](bool forced) {
                    setBusy(false);
                    if (!forced) {
                        m_error = L("ブランチ「%@」の削除に失敗しました。", branch);
                        qCCritical(lcOrphanWorktreeSection, "孤児ブランチの強制削除に失敗: %s",
                                   qUtf8Printable(branch));
                    }
                    scheduleScan();
                    Q_EMIT deletionFinished();
                });
        });
}

} // namespace Brindlewick
