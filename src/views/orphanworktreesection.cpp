#include "views/orphanworktreesection.h"

#include "persistence/appsupportpaths.h"
#include "services/localization.h"
#include "services/logging.h"
#include "services/worktreeplan.h"
#include "views/liveorphanworktreeprompts.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

QLabel *captionLabel(const QString &text, QWidget *parent, qreal scale = 0.85) {
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    l->setFont(f);
    return l;
}


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
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_scanKey = m_projectRootPath + QLatin1Char('#') + QString::number(m_activeWorkingDirectories.size());
    render();
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
    if (event->type() == QEvent::LanguageChange)
        render();
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
    // Only the buttons change while scanning; rebuilding every row here would lay them all out twice.
    if (m_content) {
        for (QToolButton *refresh : m_content->findChildren<QToolButton *>(QStringLiteral("orphanRefresh"))) {
            refresh->setText(L("更新中"));
            refresh->setEnabled(false);
        }
        for (QPushButton *remove : m_content->findChildren<QPushButton *>(QStringLiteral("orphanDelete")))
            remove->setEnabled(false);
    } else {
        render();
    }
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
            render();
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
    render();
}

void OrphanWorktreeSection::deleteOrphan(const QString &path) {
    const auto it =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const Row &r) { return r.worktree.path == path; });
    if (it == m_rows.end() || m_busy || m_scanning || it->worktree.isLocked)
        return;
    const Row row = *it;
    m_error.reset();
    const bool optedIn = m_branchDeleteSelection.contains(path);
    const bool force = row.isDirty != false;
    if (force && !m_prompts->confirmForceRemove(window(), path)) {
        render();
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

void OrphanWorktreeSection::render() {
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->deleteLater();
    }
    m_content = new QWidget(this);
    m_layout->addWidget(m_content);
    auto *column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    // Nothing at all while there are no rows and the last scan did not fail.
    m_content->setVisible(!m_rows.empty() || m_scanFailed);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(L("残った worktree"), m_content);
    QFont hf = title->font();
    hf.setBold(true);
    title->setFont(hf);
    header->addWidget(title, 1);
    auto *refresh = new QToolButton(m_content);
    refresh->setObjectName(QStringLiteral("orphanRefresh"));
    refresh->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    refresh->setText(m_scanning ? L("更新中") : L("更新"));
    refresh->setIcon(symbolIcon(QStringLiteral("arrow.clockwise")));
    refresh->setToolTip(L("worktree の一覧を再取得します。"));
    refresh->setEnabled(!m_scanning);
    connect(refresh, &QToolButton::clicked, this, [this] {
        m_error.reset();
        scheduleScan();
    });
    header->addWidget(refresh);
    column->addLayout(header);

    if (m_scanFailed) {
        auto *note = captionLabel(
            L("worktree を確認できませんでした。git の状態を確認して「更新」してください。"), m_content);
        note->setObjectName(QStringLiteral("orphanScanFailed"));
        column->addWidget(iconWithText(QStringLiteral("exclamationmark.triangle"), note, m_content));
        return;
    }

    auto *note = captionLabel(
        L("セッションを閉じても保持された worktree です。不要なら削除できます（ブランチは既定で残します）。"),
        m_content);
    makeSecondary(note);
    column->addWidget(note);
    if (m_error) {
        auto *error = captionLabel(*m_error, m_content);
        error->setObjectName(QStringLiteral("orphanError"));
        QPalette p = error->palette();
        p.setColor(QPalette::WindowText, QColor(0xFF, 0x3B, 0x30));
        error->setPalette(p);
        column->addWidget(iconWithText(QStringLiteral("exclamationmark.triangle.fill"), error, m_content));
    }

    for (const Row &row : m_rows) {
        const OrphanWorktree &w = row.worktree;
        auto *frame = new QFrame(m_content);
        frame->setObjectName(QStringLiteral("orphanRow"));
        frame->setProperty("bwPath", w.path);
        frame->setStyleSheet(
            QStringLiteral("QFrame#orphanRow { background: rgba(128,128,128,0.06); border-radius: 6px; }"));
        auto *h = new QHBoxLayout(frame);
        h->setContentsMargins(8, 4, 8, 4);
        h->setSpacing(10);
        auto *text = new QVBoxLayout;
        text->setSpacing(2);
        auto *first = new QHBoxLayout;
        first->setSpacing(6);
        auto *label = new QLabel(w.displayLabel(), frame);
        label->setObjectName(QStringLiteral("orphanLabel"));
        label->setTextFormat(Qt::PlainText);
        first->addWidget(label);
        if (row.isDirty != false) {
            auto *badge = captionLabel(row.isDirty ? L("未コミット変更") : L("状態不明"), frame, 0.75);
            badge->setObjectName(QStringLiteral("orphanBadge"));
            badge->setWordWrap(false);
            badge->setToolTip(row.isDirty ? L("未コミットの変更があります。削除前に確認します。")
                                          : L("変更の有無を確認できませんでした。削除前に確認します。"));
            badge->setContentsMargins(6, 1, 6, 1);
            badge->setStyleSheet(QStringLiteral("background: rgba(255,204,0,0.25); border-radius: 7px;"));
            first->addWidget(badge);
        }
        if (w.isLocked) {
            auto *lock = new QLabel(frame);
            lock->setObjectName(QStringLiteral("orphanLock"));
            lock->setPixmap(symbolIcon(QStringLiteral("lock.fill")).pixmap(11, 11));
            lock->setToolTip(L("ロックされています（`git worktree unlock` で解除してから削除できます）。"));
            lock->setAccessibleName(L("ロックされた worktree"));
            first->addWidget(lock);
        }
        first->addStretch();
        text->addLayout(first);
        auto *path = captionLabel(w.path, frame);
        // One line: wrapping a hundred long paths costs the GUI thread hundreds of milliseconds.
        path->setWordWrap(false);
        path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        path->setToolTip(w.path);
        path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        makeSecondary(path);
        text->addWidget(path);
        if (w.isLocked)
            text->addWidget(captionLabel(
                L("ロック中。`git worktree unlock` で解除してから削除してください。"), frame, 0.75));
        h->addLayout(text, 1);
        if (w.branch && !w.isLocked) {
            auto *check = new QCheckBox(L("ブランチも削除"), frame);
            check->setObjectName(QStringLiteral("orphanBranchCheck"));
            QFont cf = check->font();
            cf.setPointSizeF(cf.pointSizeF() * 0.85);
            check->setFont(cf);
            check->setChecked(m_branchDeleteSelection.contains(w.path));
            check->setToolTip(L("ON にすると worktree 削除後にブランチ（%@）も削除します。", *w.branch));
            check->setAccessibleName(L("ブランチも削除 %@", *w.branch));
            connect(check, &QCheckBox::toggled, this,
                    [this, p = w.path](bool on) { setBranchDeletion(p, on); });
            h->addWidget(check);
        }
        auto *remove = new QPushButton(symbolIcon(QStringLiteral("folder.badge.minus")), L("削除"), frame);
        remove->setObjectName(QStringLiteral("orphanDelete"));
        remove->setEnabled(!m_scanning && !m_busy && !w.isLocked);
        remove->setAccessibleName(L("worktree「%@」を削除", w.displayLabel()));
        connect(remove, &QPushButton::clicked, this, [this, p = w.path] { deleteOrphan(p); });
        h->addWidget(remove);
        column->addWidget(frame);
    }
}

} // namespace Brindlewick
