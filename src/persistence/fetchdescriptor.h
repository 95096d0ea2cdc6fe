#pragma once

#include <functional>
#include <optional>

namespace Brindlewick {

// What a fetch returns: the objects matching `predicate` (all when empty), ordered by `sortBefore`
// (a strict weak order; unordered when empty), at most `limit` of them.
template <class T>
struct FetchDescriptor {
    std::function<bool(const T *)> predicate;
    std::function<bool(const T *, const T *)> sortBefore;
    std::optional<int> limit;
};

} // namespace Brindlewick
