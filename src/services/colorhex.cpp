#include "services/colorhex.h"

namespace Brindlewick {

std::optional<ColorHex::RGB> ColorHex::rgb(const QString &text)
{
    int begin = 0;
    int end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    if (begin < end && text.at(begin) == QLatin1Char('#'))
        ++begin;
    if (end - begin != 6)
        return std::nullopt;
    unsigned v = 0;
    for (int i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        unsigned d;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            d = c.unicode() - '0';
        else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            d = c.unicode() - 'a' + 10;
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            d = c.unicode() - 'A' + 10;
        else
            return std::nullopt;
        v = v * 16 + d;
    }
    return RGB{((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

} // namespace Brindlewick
