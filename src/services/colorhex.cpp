#include "services/colorhex.h"

namespace Brindlewick {

static int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<ColorHex::RGB> ColorHex::rgb(const QString &text)
{
    // Only spaces and tabs are trimmed: a line break makes the text invalid.
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
        const int d = hexDigit(text.at(i));
        if (d < 0)
            return std::nullopt;
        v = (v << 4) | unsigned(d);
    }
    return RGB{double((v >> 16) & 255) / 255.0, double((v >> 8) & 255) / 255.0, double(v & 255) / 255.0};
}

} // namespace Brindlewick
