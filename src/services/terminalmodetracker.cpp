#include "services/terminalmodetracker.h"

#include <QList>

namespace Brindlewick {

namespace {

// Parameters longer than this are not a mode switch; the sequence is dropped.
constexpr int maxParameterBytes = 64;
constexpr int maxStackDepth = 64;

QList<int> numbers(const QByteArray &params) {
    QList<int> values;
    for (const QByteArray &part : params.split(';')) {
        bool ok = false;
        const int value = part.toInt(&ok);
        values << (ok ? value : -1);
    }
    return values;
}

} // namespace

void TerminalModeTracker::feed(const QByteArray &bytes) {
    for (const char c : bytes) {
        switch (m_state) {
        case State::ground:
            if (c == '\x1b')
                m_state = State::escape;
            break;
        case State::escape:
            if (c == '[') {
                m_state = State::csi;
                m_params.clear();
            } else if (c == 'c') { // full reset
                m_mouseModes = 0;
                m_keyboardFlags = 0;
                m_keyboardStack.clear();
                m_state = State::ground;
            } else {
                m_state = c == '\x1b' ? State::escape : State::ground;
            }
            break;
        case State::csi: {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x40 && u <= 0x7E) {
                finishCSI(c);
                m_state = State::ground;
            } else if (u >= 0x20 && u <= 0x3F) {
                if (m_params.size() < maxParameterBytes)
                    m_params.append(c);
                else
                    m_state = State::ground;
            } else if (c == '\x1b') {
                m_state = State::escape;
            } else if (u >= 0x20) {
                m_state = State::ground; // not a control sequence after all
            }
            break;
        }
        }
    }
}

void TerminalModeTracker::finishCSI(char final) {
    if (m_params.isEmpty())
        return;
    const char prefix = m_params.at(0);
    const QByteArray rest = (prefix >= 0x3C && prefix <= 0x3F) ? m_params.mid(1) : m_params;
    if (prefix == '?' && (final == 'h' || final == 'l')) {
        for (int mode : numbers(rest)) {
            unsigned bit = 0;
            switch (mode) {
            case 9:
                bit = 1;
                break;
            case 1000:
                bit = 2;
                break;
            case 1002:
                bit = 4;
                break;
            case 1003:
                bit = 8;
                break;
            default:
                break;
            }
            if (final == 'h')
                m_mouseModes |= bit;
            else
                m_mouseModes &= ~bit;
        }
        return;
    }
    if (final != 'u')
        return;
    const QList<int> values = numbers(rest);
    const int first = values.value(0, -1);
    if (prefix == '>') {
        if (static_cast<int>(m_keyboardStack.size()) >= maxStackDepth)
            m_keyboardStack.erase(m_keyboardStack.begin());
        m_keyboardStack.push_back(m_keyboardFlags);
        m_keyboardFlags = first < 0 ? 0 : first;
    } else if (prefix == '<') {
        for (int n = first < 1 ? 1 : first; n > 0; --n) {
            if (m_keyboardStack.empty()) {
                m_keyboardFlags = 0;
                break;
            }
            m_keyboardFlags = m_keyboardStack.back();
            m_keyboardStack.pop_back();
        }
    } else if (prefix == '=') {
        const int flags = first < 0 ? 0 : first;
        switch (values.value(1, 1)) {
        case 2:
            m_keyboardFlags |= flags;
            break;
        case 3:
            m_keyboardFlags &= ~flags;
            break;
        default:
            m_keyboardFlags = flags;
            break;
        }
    }
}

} // namespace Brindlewick
