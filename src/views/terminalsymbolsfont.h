#pragma once

#include <QString>

namespace Brindlewick {

// The embedded "Brindlewick Symbols Mono": the arrows, technical signs, shapes and dingbats that
// DejaVu Sans Mono lacks (the Claude Code CLI's ⏺ and ⎿ among them), each fitted into DejaVu Sans
// Mono's cell. The terminal draws a line in one run, so a fallback glyph of another width would
// shift every later character; this font is made DejaVu Sans Mono's first substitute. GUI thread.
class TerminalSymbolsFont final {
public:
    static QString family();
    // Loads the font and inserts the substitution once; later calls do nothing. True when the
    // font is available.
    static bool install();
};

} // namespace Brindlewick
