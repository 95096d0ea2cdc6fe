#pragma once

#include <QRect>
#include <QVector>

namespace Brindlewick {

// Frames that tile `count` windows over a screen area: ⌈√count⌉ columns, as many rows as needed,
// filled from the top left. Screen coordinates grow downwards, so row 0 is at the top. Pure.
struct WindowGridLayout {
    static QVector<QRect> frames(int count, const QRect &area);
};

} // namespace Brindlewick
