#include "services/projectcolorpalette.h"

#include "services/localization.h"

namespace Brindlewick {

const std::vector<ProjectColor> &ProjectColorPalette::options() {
    static const std::vector<ProjectColor> colors{
        {BW_KEY("レッド"), QStringLiteral("FF3B30")},   {BW_KEY("オレンジ"), QStringLiteral("FF9500")},
        {BW_KEY("イエロー"), QStringLiteral("FFCC00")}, {BW_KEY("グリーン"), QStringLiteral("34C759")},
        {BW_KEY("ブルー"), QStringLiteral("007AFF")},   {BW_KEY("パープル"), QStringLiteral("AF52DE")},
        {BW_KEY("グレー"), QStringLiteral("8E8E93")},
    };
    return colors;
}

} // namespace Brindlewick
