#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Brindlewick {

// The two fonts the user chooses: a monospace font (terminals, code) and a body font (prose,
// memos), each a family and a point size in the preferences. Turns them into concrete fonts, lists
// the installed families and zooms the terminal font. Lives beside the views because fonts are
// QtGui, which the core does not link. GUI thread (needs a QGuiApplication).
class FontSettings final {
public:
    enum class Role { monospace, body };

    static QString familyKey(Role role);
    static QString sizeKey(Role role);
    static double defaultSize(Role role);

    static QFont currentFont(Role role);
    // A font from explicit values, as currentFont builds it from the stored ones.
    static QFont font(Role role, const QString &family, double size);
    static QFont systemFont(Role role, double size);
    static bool shouldUseFamily(const QString &family, const QStringList &availableFamilies);
    // Those of the families whose regular face is fixed pitch, sorted.
    static QStringList monospaceFamilies(const QStringList &families);
    static QStringList familyOptions(const QStringList &list, const QString &current);
    // The stored number under the key (a number as it is, a text holding a number as that number,
    // anything else 0), or the fallback when nothing is stored.
    static double doubleOrDefault(const QString &key, double fallback);
    static double numberFrom(const QVariant &value);
    // Not finite: the role's default; then clamped to 6…72.
    static double normalizedSize(Role role, double size);
    static double storedSize(Role role);
    static QString storedFamily(Role role);
    // The installed families, sorted; computed once per run.
    static const QStringList &availableFamilies();

    // Adds the step to the stored monospace size and applies the font to every terminal.
    static void zoomMonospace(double step);
    static void resetMonospaceSize();
    // Pushes currentFont(monospace) to every session terminal and aux shell.
    static void applyMonospaceToTerminals();

    static constexpr double minimumSize = 6;
    static constexpr double maximumSize = 72;
};

} // namespace Brindlewick
