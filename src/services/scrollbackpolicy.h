#pragma once

#include <QtGlobal>

namespace Brindlewick {

// Decides where a terminal keeps the lines that scrolled off its screen. The widget's in-memory
// store costs about 2 KB a line (every cell in full, in buffers of grown capacity), so 10,000 lines
// take some 21 MB; its file store keeps the cells in an unnamed temporary file and almost nothing in
// memory, but writes every line with several system calls, which halves the throughput of a flood.
// So output streams into memory, and the lines move to the file once the terminal has been quiet
// for a while; a new flood, or a file grown well past the limit, brings them back into memory, and
// that move keeps only the last `limit` lines. Pure; one per terminal, on the GUI thread.
class ScrollbackPolicy {
public:
    enum class Store { memory, file };

    static constexpr int defaultLimit = 10000;
    // Quiet time after the last output before the lines move to the file.
    static constexpr int restMs = 2000;
    // More output than this within one window is a flood.
    static constexpr qint64 floodBytes = 512 * 1024;
    static constexpr qint64 floodWindowMs = 1000;
    // Below this the memory store costs little, and the move would not pay for itself.
    static constexpr int minimumLinesForFile = 1000;

    explicit ScrollbackPolicy(int limit = defaultLimit) : m_limit(limit) {}

    int limit() const { return m_limit; }
    Store store() const { return m_store; }

    // Output arrived at `nowMs` (a monotonic clock) while the store held `historyLines` lines.
    // True when the lines should move into memory now.
    bool outputArrived(qint64 bytes, qint64 nowMs, int historyLines);
    // The terminal has been quiet for `restMs`. The store the lines should move to, or the one they
    // are in when they should stay. `fileUsable`: the temporary folder can take (or keep) the file.
    Store storeAtRest(int historyLines, bool fileUsable) const;
    // The lines have moved.
    void moved(Store store);

private:
    int m_limit;
    Store m_store = Store::memory;
    qint64 m_windowStart = -1;
    qint64 m_windowBytes = 0;
};

} // namespace Brindlewick
