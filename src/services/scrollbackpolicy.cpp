#include "services/scrollbackpolicy.h"

namespace Brindlewick {

bool ScrollbackPolicy::outputArrived(qint64 bytes, qint64 nowMs, int historyLines) {
    if (m_windowStart < 0 || nowMs - m_windowStart >= floodWindowMs) {
        m_windowStart = nowMs;
        m_windowBytes = 0;
    }
    m_windowBytes += bytes;
    if (m_store != Store::file)
        return false;
    // The file has no limit of its own: twice the limit is as far as it may grow between rests.
    return m_windowBytes > floodBytes || historyLines > 2 * m_limit;
}

ScrollbackPolicy::Store ScrollbackPolicy::storeAtRest(int historyLines, bool fileUsable) const {
    if (m_store == Store::memory)
        return fileUsable && historyLines >= minimumLinesForFile ? Store::file : Store::memory;
    // Through memory back to the limit; the next rest brings the lines to a new file. The widget
    // drops lines it cannot write, so a folder that is filling up gives them back to memory.
    return historyLines > m_limit || !fileUsable ? Store::memory : Store::file;
}

void ScrollbackPolicy::moved(Store store) {
    m_store = store;
    m_windowStart = -1;
    m_windowBytes = 0;
}

} // namespace Brindlewick
