#include "views/fontsettings.h"

#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "views/terminalsymbolsfont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace Brindlewick {

namespace {

// Debian's fixed-pitch family, used when the desktop's monospace alias resolves to a font that
// Qt does not report as fixed pitch (the generic "Monospace" does so here).
const QString knownFixedFamily = QStringLiteral("DejaVu Sans Mono");

void sortPlain(QStringList &list) {
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) { return a.compare(b) < 0; });
}

} // namespace

QString FontSettings::familyKey(Role role) {
    return role == Role::monospace ? QStringLiteral("font.monospace.family")
                                   : QStringLiteral("font.body.family");
}

QString FontSettings::sizeKey(Role role) {
    return role == Role::monospace ? QStringLiteral("font.monospace.size") : QStringLiteral("font.body.size");
}

double FontSettings::defaultSize(Role role) {
    return role == Role::monospace ? 12 : 13;
}

double FontSettings::numberFrom(const QVariant &value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0;
}

double FontSettings::doubleOrDefault(const QString &key, double fallback) {
    return Preferences::contains(key) ? numberFrom(Preferences::value(key)) : fallback;
}

double FontSettings::normalizedSize(Role role, double size) {
    if (!std::isfinite(size))
        size = defaultSize(role);
    return std::clamp(size, minimumSize, maximumSize);
}

double FontSettings::storedSize(Role role) {
    return normalizedSize(role, doubleOrDefault(sizeKey(role), defaultSize(role)));
}

QString FontSettings::storedFamily(Role role) {
    return Preferences::value(familyKey(role)).toString();
}

bool FontSettings::shouldUseFamily(const QString &family, const QStringList &availableFamilies) {
    const QString trimmed = family.trimmed();
    return !trimmed.isEmpty() && availableFamilies.contains(trimmed);
}

QFont FontSettings::systemFont(Role role, double size) {
    size = normalizedSize(role, size);
    if (role == Role::body) {
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPointSizeF(size);
        return font;
    }
    // The symbols font must be the fallback before the first terminal font resolves.
    TerminalSymbolsFont::install();
    // The system font is often an alias ("monospace"); the real family it resolves to is named
    // instead, so that the family's substitutes (the symbols font) take part in the fallback.
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontInfo resolved(system);
    QFont font(resolved.fixedPitch() ? resolved.family() : knownFixedFamily);
    if (!QFontInfo(font).fixedPitch())
        font = QFont(knownFixedFamily);
    font.setPointSizeF(size);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont FontSettings::font(Role role, const QString &family, double size) {
    size = normalizedSize(role, size);
    if (shouldUseFamily(family, availableFamilies())) {
        QFont font(family.trimmed());
        font.setPointSizeF(size);
        if (role == Role::monospace)
            font.setStyleHint(QFont::TypeWriter);
        return font;
    }
    return systemFont(role, size);
}

QFont FontSettings::currentFont(Role role) {
    return font(role, storedFamily(role), storedSize(role));
}

QStringList FontSettings::monospaceFamilies(const QStringList &families) {
    QStringList fixed;
    for (const QString &family : families) {
        QFont font(family);
        font.setPointSize(12);
        const QFontInfo info(font);
        // A family that resolved to another one says nothing about itself.
        if (info.fixedPitch() && info.family() == family)
            fixed.append(family);
    }
    sortPlain(fixed);
    return fixed;
}

QStringList FontSettings::familyOptions(const QStringList &list, const QString &current) {
    if (current.isEmpty() || list.contains(current))
        return list;
    return QStringList{current} + list;
}

const QStringList &FontSettings::availableFamilies() {
    static const QStringList families = [] {
        QStringList list = QFontDatabase().families();
        list.removeDuplicates();
        sortPlain(list);
        return list;
    }();
    return families;
}

void FontSettings::applyMonospaceToTerminals() {
    const QFont font = currentFont(Role::monospace);
    SessionProcessManager::shared().applyMonospaceFont(font.family(), font.pointSizeF());
}

void FontSettings::zoomMonospace(double step) {
    const double standard = defaultSize(Role::monospace);
    double size = doubleOrDefault(sizeKey(Role::monospace), standard) + step;
    if (!std::isfinite(size))
        size = standard;
    Preferences::setValue(sizeKey(Role::monospace), std::clamp(size, minimumSize, maximumSize));
    applyMonospaceToTerminals();
}

void FontSettings::resetMonospaceSize() {
    Preferences::setValue(sizeKey(Role::monospace), defaultSize(Role::monospace));
    applyMonospaceToTerminals();
}

} // namespace Brindlewick
