#include "views/orphanworktreerow.h"

#include "services/localization.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

QLabel *caption(const QString &text, QWidget *parent, qreal scale) {
    QLabel *l = wrappingLabel(parent, scale);
    l->setText(text);
    return l;
}

} // namespace

OrphanWorktreeRow::OrphanWorktreeRow(const OrphanWorktree &w, std::optional<bool> isDirty, QWidget *parent)
    : QFrame(parent)
    , m_worktree(w)
    , m_isDirty(isDirty) {
    setObjectName(QStringLiteral("orphanRow"));
    setProperty("bwPath", w.path);
    auto *h = new QHBoxLayout(this);
    h->setContentsMargins(8, 4, 8, 4);
    h->setSpacing(10);
    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    auto *first = new QHBoxLayout;
    first->setSpacing(6);
    auto *label = new QLabel(w.displayLabel(), this);
    label->setObjectName(QStringLiteral("orphanLabel"));
    label->setTextFormat(Qt::PlainText);
    first->addWidget(label);
    if (isDirty != false) {
        m_badge = caption(*isDirty ? L("未コミット変更") : L("状態不明"), this, 0.75);
        m_badge->setObjectName(QStringLiteral("orphanBadge"));
        m_badge->setWordWrap(false);
        m_badge->setToolTip(*isDirty ? L("未コミットの変更があります。削除前に確認します。")
                                     : L("変更の有無を確認できませんでした。削除前に確認します。"));
        m_badge->setContentsMargins(6, 1, 6, 1);
        first->addWidget(m_badge);
    }
    if (w.isLocked) {
        auto *lock = new QLabel(this);
        lock->setObjectName(QStringLiteral("orphanLock"));
        lock->setPixmap(symbolIcon(QStringLiteral("lock.fill")).pixmap(11, 11));
        lock->setToolTip(L("ロックされています（`git worktree unlock` で解除してから削除できます）。"));
        lock->setAccessibleName(L("ロックされた worktree"));
        first->addWidget(lock);
    }
    first->addStretch();
    text->addLayout(first);
    m_path = caption(w.path, this, 0.85);
    m_path->setObjectName(QStringLiteral("orphanPath"));
    // One line: wrapping a hundred long paths costs the GUI thread hundreds of milliseconds. Too
    // long a path is shortened in the middle (see eventFilter); the tooltip has all of it.
    m_path->setWordWrap(false);
    m_path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_path->setToolTip(w.path);
    m_path->setAccessibleName(w.path);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    makeSecondary(m_path);
    m_path->installEventFilter(this);
    text->addWidget(m_path);
    if (w.isLocked)
        text->addWidget(
            caption(L("ロック中。`git worktree unlock` で解除してから削除してください。"), this, 0.75));
    h->addLayout(text, 1);
    if (w.branch && !w.isLocked) {
        m_branchCheck = new QCheckBox(L("ブランチも削除"), this);
        m_branchCheck->setObjectName(QStringLiteral("orphanBranchCheck"));
        QFont cf = m_branchCheck->font();
        cf.setPointSizeF(cf.pointSizeF() * 0.85);
        m_branchCheck->setFont(cf);
        m_branchCheck->setToolTip(L("ON にすると worktree 削除後にブランチ（%@）も削除します。", *w.branch));
        m_branchCheck->setAccessibleName(L("ブランチも削除 %@", *w.branch));
        connect(m_branchCheck, &QCheckBox::toggled, this,
                [this](bool on) { Q_EMIT branchDeletionToggled(m_worktree.path, on); });
        h->addWidget(m_branchCheck);
    }
    m_remove = new QPushButton(symbolIcon(QStringLiteral("folder.badge.minus")), L("削除"), this);
    m_remove->setObjectName(QStringLiteral("orphanDelete"));
    m_remove->setEnabled(!w.isLocked);
    m_remove->setAccessibleName(L("worktree「%@」を削除", w.displayLabel()));
    connect(m_remove, &QPushButton::clicked, this, [this] { Q_EMIT removeRequested(m_worktree.path); });
    h->addWidget(m_remove);
}

void OrphanWorktreeRow::setRemovable(bool removable) {
    m_remove->setEnabled(removable && !m_worktree.isLocked);
}

void OrphanWorktreeRow::setBranchChecked(bool checked) {
    if (!m_branchCheck)
        return;
    // The selection is the section's; echoing it back would only repeat it.
    const QSignalBlocker blocker(m_branchCheck);
    m_branchCheck->setChecked(checked);
}

bool OrphanWorktreeRow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_path && event->type() == QEvent::Resize) {
        // The head (which repository) and the tail (which worktree) say the most; the middle goes.
        const QString shown = m_path->fontMetrics().elidedText(m_worktree.path, Qt::ElideMiddle,
                                                               m_path->contentsRect().width());
        if (shown != m_path->text())
            m_path->setText(shown);
    }
    return QFrame::eventFilter(watched, event);
}

void OrphanWorktreeRow::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128, 15));
    p.drawRoundedRect(QRectF(rect()), 6, 6);
    if (m_badge && m_badge->isVisible()) {
        p.setBrush(QColor(255, 204, 0, 64));
        p.drawRoundedRect(QRectF(m_badge->geometry()), 7, 7);
    }
    p.end();
    QFrame::paintEvent(event);
}

} // namespace Brindlewick
