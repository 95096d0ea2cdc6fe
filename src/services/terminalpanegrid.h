#pragma once

#include <QList>
#include <QUuid>

#include <optional>
#include <vector>

namespace Brindlewick {

// One node of a session window's pane tree: a terminal (the session's claude terminal, whose id is
// the session's id, or an auxiliary shell) or a split of children side by side or stacked.
struct TerminalPaneNode {
    enum class Kind { claude, shell };
    enum class Axis { horizontal, vertical };

    QUuid id;
    bool isSplit = false;
    Kind kind = Kind::claude;               // leaves
    Axis axis = Axis::horizontal;           // splits
    std::vector<TerminalPaneNode> children; // splits, in order

    static TerminalPaneNode leaf(const QUuid &id, Kind kind);
    static TerminalPaneNode split(const QUuid &id, Axis axis, std::vector<TerminalPaneNode> children);
    bool isLeaf() const { return !isSplit; }
    bool operator==(const TerminalPaneNode &) const = default;
};

// The pane layout of one session window (view state, never stored). Pure.
struct TerminalPaneGrid {
    TerminalPaneNode root;

    explicit TerminalPaneGrid(const QUuid &sessionID)
        : root(TerminalPaneNode::leaf(sessionID, TerminalPaneNode::Kind::claude)) {}
    bool operator==(const TerminalPaneGrid &) const = default;

    // Puts a new shell next to the target leaf: into the target's split when that split already
    // runs along `axis`, otherwise in a new split that replaces the target.
    static TerminalPaneNode insertSplit(const TerminalPaneNode &node, const QUuid &targetID,
                                        const QUuid &newPaneID, TerminalPaneNode::Axis axis,
                                        const QUuid &splitID);
    // Removes a shell leaf; splits left with one child collapse; the claude leaf is never removed.
    // Nothing when nothing is left.
    static std::optional<TerminalPaneNode> removeLeaf(const TerminalPaneNode &node, const QUuid &paneID);
    // The ids of all shell leaves, depth first.
    static QList<QUuid> shellLeaves(const TerminalPaneNode &node);
};

} // namespace Brindlewick
