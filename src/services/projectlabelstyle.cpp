#include "services/projectlabelstyle.h"

namespace Brindlewick {

ProjectLabelStyle::Choice ProjectLabelStyle::forColorHex(const std::optional<QString> &colorHex)
{
    if (!colorHex)
        return {};
    const std::optional<ColorHex::RGB> rgb = ColorHex::rgb(*colorHex);
    if (!rgb)
        return {};
    return {rgb, prefersBlackText(*rgb)};
}

} // namespace Brindlewick
