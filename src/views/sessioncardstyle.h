#pragma once

#include "models/sessioncolumn.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>

namespace Brindlewick {

// Fonts and colours of the board and its cards, derived from the widget's font and palette so that
// they follow the desktop's light or dark scheme and the chosen body size. GUI thread.
struct SessionCardStyle {
    // Light grey, white level 0.82, opaque.
    static QColor defaultProjectLabelColor() { return QColor::fromRgbF(0.82, 0.82, 0.82, 1.0); }

    enum class TextStyle { body, headline, title3, callout, caption, caption2 };
    // The text styles of the board, scaled from the body font `base`.
    static QFont font(TextStyle style, const QFont &base);

    // The fonts and metrics a card needs, computed once per body font.
    struct Fonts {
        QFont title, body, callout, label, caption2, caption2Medium;
        QFontMetrics titleMetrics, bodyMetrics, calloutMetrics, labelMetrics, caption2Metrics, caption2MediumMetrics;
        explicit Fonts(const QFont &base);
    };
    static const Fonts &fonts(const QFont &base);

    static bool isDark(const QPalette &palette);
    static QColor primary(const QPalette &palette) { return palette.color(QPalette::WindowText); }
    static QColor secondary(const QPalette &palette);
    static QColor tertiary(const QPalette &palette);
    static QColor quaternaryFill(const QPalette &palette);
    static QColor accent(const QPalette &palette) { return palette.color(QPalette::Highlight); }
    static QColor divider(const QPalette &palette);

    // `color` with its alpha set to `opacity`.
    static QColor withOpacity(QColor color, qreal opacity);
};

} // namespace Brindlewick
