#pragma once

#include "services/terminalpanegrid.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace Brindlewick {

class SessionTerminalView;

// Draws a session window's pane tree: splits as 1-pixel splitters with equal shares, the session's
// claude terminal and its auxiliary shells, each with a small inset on the terminal background, the
// shells with a close button. The terminals belong to the process manager; a rebuild takes them
// out of the old tree and puts them into the new one, so nothing restarts. GUI thread.
class TerminalPanesView final : public QWidget {
    Q_OBJECT
public:
    struct SessionStart {
        QUuid sessionID;
        QString workingDirectory;
        bool skipPermissions = false;
        bool remoteControl = false;
        std::optional<QString> resumeSessionID;
    };

    TerminalPanesView(const SessionStart &start, QWidget *parent = nullptr);
    ~TerminalPanesView() override;

    const TerminalPaneGrid &grid() const { return m_grid; }
    void setGrid(const TerminalPaneGrid &grid);
    void setTerminalBackground(const QColor &colour);

    // Splits the focused pane of this session (or the claude pane) and focuses the new shell.
    void splitFocusedPane(TerminalPaneNode::Axis axis);
    // Closes a shell pane: out of the tree, its shell stopped.
    void closeShellPane(const QUuid &paneID);
    // Drops the panes whose shells ended by themselves and clears their marks.
    void removeExitedShellPanes();
    // The terminal widget of a pane, if it is in the tree.
    QWidget *paneTerminal(const QUuid &paneID) const;
    void focusMainTerminal();

Q_SIGNALS:
    void gridChanged();

private:
    void rebuild();
    QWidget *build(const TerminalPaneNode &node, QWidget *parent);
    QWidget *leafTerminal(const TerminalPaneNode &node);
    void releaseTerminals();

    SessionStart m_start;
    TerminalPaneGrid m_grid;
    QColor m_background;
    QWidget *m_root = nullptr;
    // The claude terminal shown last: after its process ended it stays, with its last screen.
    QPointer<QWidget> m_mainTerminal;
    QHash<QUuid, QPointer<QWidget>> m_shown;
};

} // namespace Brindlewick
