#include "services/projectreorder.h"

#include <algorithm>

namespace Brindlewick {

std::vector<int> ProjectReorder::reordered(int count, const std::set<int> &moved, int destination) {
    std::vector<int> order;
    std::vector<int> block;
    int below = 0;
    for (int i = 0; i < count; ++i) {
        if (moved.count(i)) {
            block.push_back(i);
            if (i < destination)
                ++below;
        } else {
            order.push_back(i);
        }
    }
    const int at = std::clamp(destination - below, 0, int(order.size()));
    order.insert(order.begin() + at, block.begin(), block.end());
    return order;
}

std::pair<std::set<int>, int> ProjectReorder::oneStep(int count, int index, Direction direction) {
    if (direction == Direction::down && index >= 0 && index < count - 1)
        return {{index}, index + 2};
    if (direction == Direction::up && index > 0 && index < count)
        return {{index}, index - 1};
    return {{}, 0};
}

} // namespace Brindlewick
