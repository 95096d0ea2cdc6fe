#pragma once

#include <QByteArray>

#include <vector>

namespace Brindlewick {

// Follows the modes that the program in a terminal switches through its output: mouse reporting
// (CSI ? 9/1000/1002/1003 h/l) and the progressive keyboard protocol's flags (CSI > n u push,
// CSI < n u pop, CSI = n ; m u set). The terminal widget knows the first only internally and
// ignores the second. Sequences may be split across chunks. Pure; one per terminal.
class TerminalModeTracker {
public:
    void feed(const QByteArray &bytes);
    bool mouseReporting() const { return m_mouseModes != 0; }
    int keyboardFlags() const { return m_keyboardFlags; }

private:
    void finishCSI(char final);

    enum class State { ground, escape, csi };
    State m_state = State::ground;
    QByteArray m_params;
    unsigned m_mouseModes = 0;
    int m_keyboardFlags = 0;
    std::vector<int> m_keyboardStack;
};

} // namespace Brindlewick
