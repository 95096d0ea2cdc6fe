#pragma once

// Parses colour texts of six hexadecimal digits (project colours, terminal colours). Pure; any thread.

#include <QString>

#include <optional>

namespace Brindlewick {

struct ColorHex {
    // Components from 0 to 1.
    struct RGB {
        double red = 0;
        double green = 0;
        double blue = 0;
        bool operator==(const RGB &) const = default;
    };

    // Six hexadecimal digits (either case), optionally after one "#", with spaces and tabs allowed at
    // both ends; anything else (three digits, line breaks, signs) is none.
    static std::optional<RGB> rgb(const QString &text);
};

} // namespace Brindlewick
