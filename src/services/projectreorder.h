#pragma once

// The rule that turns a move of rows (a drag, or "move up/down") into a new order. Pure; any thread.

#include <set>
#include <vector>

namespace Brindlewick {

struct ProjectReorder {
    enum class Direction { up, down }; // up: towards index 0

    // The new order as old indices: entry i is the old index of the row now at position i.
    // `moved` are row indices (out-of-range ones are ignored); `destination` is a gap between
    // rows in the old numbering, 0…count.
    static std::vector<int> reordered(int count, const std::set<int> &moved, int destination);
    // The drag that moves row `index` one place, or none (empty set) at either end.
    static std::pair<std::set<int>, int> oneStep(int count, int index, Direction direction);
};

} // namespace Brindlewick
