#include "views/sessioncardstyle.h"

#include <QHash>

#include <memory>

namespace Brindlewick {

QFont SessionCardStyle::font(TextStyle style, const QFont &base)
{
    // Ratios of the desktop text styles to the body size (13 pt body: title 3 at 15, callout 12,
    // captions 10), with floors so that small body sizes stay readable.
    qreal scale = 1.0;
    QFont::Weight weight = QFont::Normal;
    qreal floorPt = 0;
    switch (style) {
    case TextStyle::body:
        break;
    case TextStyle::headline:
        weight = QFont::DemiBold;
        break;
    case TextStyle::title3:
        scale = 15.0 / 13.0;
        weight = QFont::DemiBold;
        break;
    case TextStyle::callout:
        scale = 12.0 / 13.0;
        floorPt = 8;
        break;
    case TextStyle::caption:
        scale = 10.5 / 13.0;
        floorPt = 8.5;
        break;
    case TextStyle::caption2:
        scale = 10.0 / 13.0;
        floorPt = 8;
        break;
    }
    QFont f = base;
    if (base.pointSizeF() > 0)
        f.setPointSizeF(qMax(floorPt, base.pointSizeF() * scale));
    else if (base.pixelSize() > 0)
        f.setPixelSize(qMax(qRound(floorPt * 4 / 3), qRound(base.pixelSize() * scale)));
    f.setWeight(weight);
    return f;
}

static QFont weighted(QFont f, QFont::Weight w)
{
    f.setWeight(w);
    return f;
}

SessionCardStyle::Fonts::Fonts(const QFont &base)
    : title(font(TextStyle::title3, base)),
      body(font(TextStyle::body, base)),
      callout(font(TextStyle::callout, base)),
      label(font(TextStyle::title3, base)),
      caption2(font(TextStyle::caption2, base)),
      caption2Medium(weighted(font(TextStyle::caption2, base), QFont::Medium)),
      titleMetrics(title),
      bodyMetrics(body),
      calloutMetrics(callout),
      labelMetrics(label),
      caption2Metrics(caption2),
      caption2MediumMetrics(caption2Medium)
{
}

const SessionCardStyle::Fonts &SessionCardStyle::fonts(const QFont &base)
{
    // Every card of a board shares one body font; building metrics per card would cost more than
    // painting it.
    static QHash<QString, std::shared_ptr<Fonts>> cache;
    static QString lastKey;
    static Fonts *last = nullptr;
    const QString key = base.key();
    if (last && key == lastKey)
        return *last;
    auto &slot = cache[key];
    if (!slot)
        slot = std::make_shared<Fonts>(base);
    lastKey = key;
    last = slot.get();
    return *slot;
}

bool SessionCardStyle::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

static QColor alpha(QColor c, qreal a)
{
    c.setAlphaF(a);
    return c;
}

QColor SessionCardStyle::secondary(const QPalette &palette)
{
    return alpha(primary(palette), isDark(palette) ? 0.62 : 0.64);
}

QColor SessionCardStyle::tertiary(const QPalette &palette)
{
    return alpha(primary(palette), isDark(palette) ? 0.40 : 0.42);
}

QColor SessionCardStyle::quaternaryFill(const QPalette &palette)
{
    return alpha(primary(palette), isDark(palette) ? 0.14 : 0.09);
}

QColor SessionCardStyle::divider(const QPalette &palette)
{
    return alpha(primary(palette), isDark(palette) ? 0.18 : 0.13);
}

QColor SessionCardStyle::withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(qBound(0.0, opacity, 1.0));
    return color;
}

} // namespace Brindlewick
