#pragma once

// How a project's label capsule is coloured from the project's colour text. Pure; any thread.

#include "services/colorhex.h"

#include <QString>

#include <optional>

namespace Brindlewick {

struct ProjectLabelStyle {
    // The capsule fill (none: the caller's default grey) and whether its text is black.
    struct Choice {
        std::optional<ColorHex::RGB> fill;
        bool blackText = true;
        bool operator==(const Choice &) const = default;
    };

    static double luminance(const ColorHex::RGB &c) { return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue; }
    // Light colours carry black text, dark ones white.
    static bool prefersBlackText(const ColorHex::RGB &c) { return luminance(c) > 0.6; }
    // Without a parsable colour the default grey is light, so its text is black.
    static Choice forColorHex(const std::optional<QString> &colorHex);
};

} // namespace Brindlewick
