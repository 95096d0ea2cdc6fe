#pragma once

#include "models/sessioncolumn.h"

#include <QColor>
#include <QPalette>
#include <QString>

namespace Brindlewick {

// How a column is named and tinted wherever it appears (board headers, badges, the hook log).
struct ColumnStyle {
    static QString label(SessionColumn column);
    static QString subtitle(SessionColumn column);
    static QString symbol(SessionColumn column);
    // orange, secondary grey, blue, each in a lighter or deeper shade for dark or light palettes.
    static QColor color(SessionColumn column, const QPalette &palette);
};

} // namespace Brindlewick
