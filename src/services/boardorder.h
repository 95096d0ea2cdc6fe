#pragma once

// The order of the board's attention column: newest activity first. Pure; GUI thread (it reads
// sessions).

#include <vector>

namespace Brindlewick {

class Session;

struct BoardOrder {
    // True when `a` sorts before `b`: later activity key (last activity, else creation) first, then
    // later creation, then the id whose text sorts after. A strict weak order.
    static bool isNewer(const Session *a, const Session *b);
    static std::vector<Session *> attentionNewestFirst(std::vector<Session *> sessions);
};

} // namespace Brindlewick
