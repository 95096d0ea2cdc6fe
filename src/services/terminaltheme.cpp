#include "services/terminaltheme.h"

#include "services/colorhex.h"
#include "services/localization.h"

#include <algorithm>
#include <cmath>

namespace Brindlewick {

quint32 TerminalTheme::rgb(const QString &hex, quint32 fallback) {
    const auto parsed = ColorHex::rgb(hex);
    if (!parsed)
        return fallback;
    auto channel = [](double v) {
        return static_cast<quint32>(std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255));
    };
    return (channel(parsed->red) << 16) | (channel(parsed->green) << 8) | channel(parsed->blue);
}

QString TerminalTheme::hex(quint32 rgb) {
    return QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

QVector<quint32> TerminalTheme::palette() const {
    QVector<quint32> colours;
    for (const QString &hex : ansi)
        colours << rgb(hex, 0);
    return colours;
}

const QVector<TerminalTheme> &TerminalTheme::presets() {
    static const QVector<TerminalTheme> themes = [] {
        auto split = [](const char *list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
        return QVector<TerminalTheme>{
            {QStringLiteral("default"), QStringLiteral(BW_KEY("Brindlewick（既定）")),
             QStringLiteral("FFFFFF"), QStringLiteral("1E1E1E"),
             split("000000 CD3131 0DBC79 E5E510 2472C8 BC3FBC 11A8CD E5E5E5 666666 F14C4C 23D18B F5F543 "
                   "3B8EEA D670D6 "
                   "29B8DB FFFFFF")},
            {QStringLiteral("solarized-dark"), QStringLiteral("Solarized Dark"), QStringLiteral("839496"),
             QStringLiteral("002B36"),
             split("073642 DC322F 859900 B58900 268BD2 D33682 2AA198 EEE8D5 002B36 CB4B16 586E75 657B83 "
                   "839496 6C71C4 "
                   "93A1A1 FDF6E3")},
            {QStringLiteral("dracula"), QStringLiteral("Dracula"), QStringLiteral("F8F8F2"),
             QStringLiteral("282A36"),
             split("21222C FF5555 50FA7B F1FA8C BD93F9 FF79C6 8BE9FD F8F8F2 6272A4 FF6E6E 69FF94 FFFFA5 "
                   "D6ACFF FF92DF "
                   "A4FFFF FFFFFF")},
            {QStringLiteral("nord"), QStringLiteral("Nord"), QStringLiteral("D8DEE9"),
             QStringLiteral("2E3440"),
             split("3B4252 BF616A A3BE8C EBCB8B 81A1C1 B48EAD 88C0D0 E5E9F0 4C566A BF616A A3BE8C EBCB8B "
                   "81A1C1 B48EAD "
                   "8FBCBB ECEFF4")},
        };
    }();
    return themes;
}

const TerminalTheme &TerminalTheme::preset(const QString &id) {
    const QVector<TerminalTheme> &all = presets();
    for (const TerminalTheme &theme : all) {
        if (theme.id == id)
            return theme;
    }
    return all.front();
}

} // namespace Brindlewick
