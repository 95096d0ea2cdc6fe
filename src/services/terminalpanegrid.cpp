#include "services/terminalpanegrid.h"

#include <algorithm>

namespace Brindlewick {

TerminalPaneNode TerminalPaneNode::leaf(const QUuid &id, Kind kind) {
    TerminalPaneNode node;
    node.id = id;
    node.kind = kind;
    return node;
}

TerminalPaneNode TerminalPaneNode::split(const QUuid &id, Axis axis, std::vector<TerminalPaneNode> children) {
    TerminalPaneNode node;
    node.id = id;
    node.isSplit = true;
    node.axis = axis;
    node.children = std::move(children);
    return node;
}

TerminalPaneNode TerminalPaneGrid::insertSplit(const TerminalPaneNode &node, const QUuid &targetID,
                                               const QUuid &newPaneID, TerminalPaneNode::Axis axis,
                                               const QUuid &splitID) {
    const TerminalPaneNode newLeaf = TerminalPaneNode::leaf(newPaneID, TerminalPaneNode::Kind::shell);
    if (node.isLeaf()) {
        if (node.id != targetID)
            return node;
        return TerminalPaneNode::split(splitID, axis, {node, newLeaf});
    }
    if (node.axis == axis) {
        auto target =
            std::find_if(node.children.begin(), node.children.end(), [&](const TerminalPaneNode &child) {
                return child.isLeaf() && child.id == targetID;
            });
        if (target != node.children.end()) {
            TerminalPaneNode copy = node;
            copy.children.insert(copy.children.begin() + (target - node.children.begin()) + 1, newLeaf);
            return copy;
        }
    }
    TerminalPaneNode copy = node;
    for (TerminalPaneNode &child : copy.children)
        child = insertSplit(child, targetID, newPaneID, axis, splitID);
    return copy;
}

std::optional<TerminalPaneNode> TerminalPaneGrid::removeLeaf(const TerminalPaneNode &node,
                                                             const QUuid &paneID) {
    if (node.isLeaf()) {
        if (node.kind == TerminalPaneNode::Kind::shell && node.id == paneID)
            return std::nullopt;
        return node;
    }
    std::vector<TerminalPaneNode> remaining;
    for (const TerminalPaneNode &child : node.children) {
        if (auto kept = removeLeaf(child, paneID))
            remaining.push_back(std::move(*kept));
    }
    if (remaining.empty())
        return std::nullopt;
    if (remaining.size() == 1)
        return remaining.front();
    return TerminalPaneNode::split(node.id, node.axis, std::move(remaining));
}

QList<QUuid> TerminalPaneGrid::shellLeaves(const TerminalPaneNode &node) {
    QList<QUuid> ids;
    if (node.isLeaf()) {
        if (node.kind == TerminalPaneNode::Kind::shell)
            ids << node.id;
        return ids;
    }
    for (const TerminalPaneNode &child : node.children)
        ids << shellLeaves(child);
    return ids;
}

} // namespace Brindlewick
