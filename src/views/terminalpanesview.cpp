#include "views/terminalpanesview.h"

#include "services/localization.h"
#include "services/sessionprocessmanager.h"

#include <QEvent>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

// The inset frame around one terminal; the close button of a shell floats in its top right corner.
class PaneFrame final : public QWidget {
public:
    PaneFrame(QWidget *terminal, QToolButton *close, QWidget *parent)
        : QWidget(parent)
        , m_close(close) {
        setAutoFillBackground(true);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(7, 3, 7, 3);
        layout->addWidget(terminal);
        terminal->show();
        if (m_close) {
            m_close->setParent(this);
            m_close->raise();
        }
    }

protected:
    void resizeEvent(QResizeEvent *event) override {
        QWidget::resizeEvent(event);
        if (m_close) {
            m_close->adjustSize();
            // Left of the terminal's scroll bar.
            m_close->move(
                width() - m_close->width() - 4 - 7 - style()->pixelMetric(QStyle::PM_ScrollBarExtent), 4 + 3);
            m_close->raise();
        }
    }

private:
    QToolButton *m_close;
};

} // namespace

TerminalPanesView::TerminalPanesView(const SessionStart &start, QWidget *parent)
    : QWidget(parent)
    , m_start(start)
    , m_grid(start.sessionID)
    , m_background(QColor(0x1E, 0x1E, 0x1E)) {
    setObjectName(QStringLiteral("terminalPanes"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setAutoFillBackground(true);
    rebuild();
}

TerminalPanesView::~TerminalPanesView() {
    // Terminals the manager still keeps survive this view; the others go with it.
    releaseTerminals();
}

void TerminalPanesView::releaseTerminals() {
    SessionProcessManager &pm = SessionProcessManager::shared();
    for (const QPointer<QWidget> &terminal : std::as_const(m_shown)) {
        if (terminal && pm.owns(terminal))
            terminal->setParent(nullptr);
    }
    if (m_mainTerminal && pm.owns(m_mainTerminal))
        m_mainTerminal->setParent(nullptr);
}

void TerminalPanesView::setGrid(const TerminalPaneGrid &grid) {
    if (grid == m_grid)
        return;
    m_grid = grid;
    rebuild();
    Q_EMIT gridChanged();
}

void TerminalPanesView::setTerminalBackground(const QColor &colour) {
    m_background = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    for (PaneFrame *frame : findChildren<PaneFrame *>())
        frame->setPalette(p);
}

QWidget *TerminalPanesView::leafTerminal(const TerminalPaneNode &node) {
    SessionProcessManager &pm = SessionProcessManager::shared();
    if (node.kind == TerminalPaneNode::Kind::claude) {
        // An ended session keeps its last screen; only a window without one starts claude.
        if (!pm.hasTerminal(node.id) && m_mainTerminal)
            return m_mainTerminal;
        SessionTerminal *t = pm.terminalView(node.id, m_start.workingDirectory, m_start.skipPermissions,
                                             m_start.remoteControl, m_start.resumeSessionID);
        m_mainTerminal = t ? qobject_cast<QWidget *>(t->object()) : nullptr;
        return m_mainTerminal;
    }
    SessionTerminal *t = pm.auxShellView(node.id, m_start.sessionID, m_start.workingDirectory);
    return t ? qobject_cast<QWidget *>(t->object()) : nullptr;
}

QWidget *TerminalPanesView::build(const TerminalPaneNode &node, QWidget *parent) {
    if (node.isSplit) {
        auto *splitter = new QSplitter(
            node.axis == TerminalPaneNode::Axis::horizontal ? Qt::Horizontal : Qt::Vertical, parent);
        splitter->setHandleWidth(1);
        splitter->setChildrenCollapsible(false);
        QList<int> sizes;
        for (const TerminalPaneNode &child : node.children) {
            splitter->addWidget(build(child, splitter));
            sizes << 1000;
        }
        splitter->setSizes(sizes);
        return splitter;
    }
    QWidget *terminal = leafTerminal(node);
    QToolButton *close = nullptr;
    if (node.kind == TerminalPaneNode::Kind::shell) {
        close = new QToolButton;
        close->setObjectName(QStringLiteral("closeShellPane"));
        close->setAutoRaise(true);
        // A light mark drawn by the button itself: the bundled symbols are black and would vanish on
        // the dark terminal background.
        close->setText(QStringLiteral("✕"));
        close->setStyleSheet(QStringLiteral("QToolButton { color: #D0D0D0; background: rgba(80,80,80,160);"
                                            " border-radius: 9px; padding: 1px 5px; }"
                                            "QToolButton:hover { background: rgba(130,130,130,210); }"));
        close->setToolTip(L("この補助シェルを閉じる"));
        close->setAccessibleName(L("補助シェルを閉じる"));
        close->setFocusPolicy(Qt::NoFocus);
        const QUuid pane = node.id;
        connect(close, &QToolButton::clicked, this, [this, pane] {
            // Deferred: the button goes with the tree it sits in.
            QTimer::singleShot(0, this, [this, pane] { closeShellPane(pane); });
        });
    }
    if (!terminal) {
        delete close;
        return new QWidget(parent);
    }
    m_shown.insert(node.id, terminal);
    auto *frame = new PaneFrame(terminal, close, parent);
    frame->setObjectName(node.kind == TerminalPaneNode::Kind::claude ? QStringLiteral("claudePane")
                                                                     : QStringLiteral("shellPane"));
    frame->setProperty("bwPaneID", node.id.toString(QUuid::WithoutBraces).toUpper());
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, m_background);
    frame->setPalette(p);
    return frame;
}

void TerminalPanesView::rebuild() {
    releaseTerminals();
    m_shown.clear();
    delete m_root;
    m_root = build(m_grid.root, this);
    layout()->addWidget(m_root);
}

void TerminalPanesView::splitFocusedPane(TerminalPaneNode::Axis axis) {
    const QUuid session = m_start.sessionID;
    QUuid target = SessionProcessManager::shared().focusedPaneID(session).value_or(session);
    if (!m_shown.contains(target))
        target = session;
    const QUuid pane = QUuid::createUuid();
    TerminalPaneGrid next = m_grid;
    next.root = TerminalPaneGrid::insertSplit(m_grid.root, target, pane, axis, QUuid::createUuid());
    setGrid(next);
    if (QWidget *terminal = paneTerminal(pane))
        terminal->setFocus(Qt::OtherFocusReason);
}

void TerminalPanesView::closeShellPane(const QUuid &paneID) {
    TerminalPaneGrid next = m_grid;
    next.root = TerminalPaneGrid::removeLeaf(m_grid.root, paneID).value_or(m_grid.root);
    SessionProcessManager::shared().terminateAux(paneID);
    setGrid(next);
}

void TerminalPanesView::removeExitedShellPanes() {
    SessionProcessManager &pm = SessionProcessManager::shared();
    TerminalPaneGrid next = m_grid;
    QList<QUuid> ended;
    for (const QUuid &pane : TerminalPaneGrid::shellLeaves(m_grid.root)) {
        if (pm.exitedAuxPanes().contains(pane)) {
            ended << pane;
            next.root = TerminalPaneGrid::removeLeaf(next.root, pane).value_or(next.root);
        }
    }
    if (ended.isEmpty())
        return;
    setGrid(next);
    for (const QUuid &pane : ended)
        pm.terminateAux(pane); // clears the mark
}

QWidget *TerminalPanesView::paneTerminal(const QUuid &paneID) const {
    return m_shown.value(paneID);
}

void TerminalPanesView::focusMainTerminal() {
    if (m_mainTerminal)
        m_mainTerminal->setFocus(Qt::OtherFocusReason);
}

} // namespace Brindlewick
