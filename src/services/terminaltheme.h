#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace Brindlewick {

// The terminal colour themes: foreground, background and the 16 ANSI colours (black, red, green,
// yellow, blue, magenta, cyan, white, then the bright ones). Pure.
struct TerminalTheme {
    QString id;
    QString name; // a localisation key for the default theme, a proper name otherwise
    QString foreground;
    QString background;
    QStringList ansi;

    // The 16 colours as 0xRRGGBB; an unreadable entry is black.
    QVector<quint32> palette() const;

    static const QVector<TerminalTheme> &presets();
    // The preset with that id; an unknown id gives "default".
    static const TerminalTheme &preset(const QString &id);
    // Six hexadecimal digits (optional "#", spaces) as 0xRRGGBB, or `fallback`.
    static quint32 rgb(const QString &hex, quint32 fallback);
    // 0xRRGGBB as six upper-case hexadecimal digits.
    static QString hex(quint32 rgb);
};

} // namespace Brindlewick
