#include "services/windowgridlayout.h"

#include <cmath>

namespace Brindlewick {

QVector<QRect> WindowGridLayout::frames(int count, const QRect &area) {
    QVector<QRect> frames;
    if (count <= 0 || area.width() <= 0 || area.height() <= 0)
        return frames;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const double cellWidth = static_cast<double>(area.width()) / columns;
    const double cellHeight = static_cast<double>(area.height()) / rows;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        // Edges are rounded from the exact cell bounds, so neighbours meet without gaps.
        const int left = area.x() + static_cast<int>(std::lround(cellWidth * column));
        const int right = area.x() + static_cast<int>(std::lround(cellWidth * (column + 1)));
        const int top = area.y() + static_cast<int>(std::lround(cellHeight * row));
        const int bottom = area.y() + static_cast<int>(std::lround(cellHeight * (row + 1)));
        frames << QRect(left, top, right - left, bottom - top);
    }
    return frames;
}

} // namespace Brindlewick
