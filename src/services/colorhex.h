#pragma once

#include <QString>

#include <optional>

namespace Brindlewick {

// Six hexadecimal digits, with an optional leading "#" and surrounding spaces or tabs, to red,
// green and blue from 0 to 1.
struct ColorHex {
    struct RGB {
        double red = 0;
        double green = 0;
        double blue = 0;
    };
    static std::optional<RGB> rgb(const QString &text);
};

} // namespace Brindlewick
