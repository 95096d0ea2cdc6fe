#include "views/terminalsymbolsfont.h"

#include "services/logging.h"
#include <QFont>
#include <QFontDatabase>

inline void initFontResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace Brindlewick {

QString TerminalSymbolsFont::family() {
    return QStringLiteral("Brindlewick Symbols Mono");
}

bool TerminalSymbolsFont::install() {
    static const bool installed = [] {
        initFontResources();
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/BrindlewickSymbolsMono.ttf"));
        if (id < 0) {
            qCWarning(lcApp, "The terminal symbols font could not be loaded");
            return false;
        }
        const QString base = QStringLiteral("DejaVu Sans Mono");
        QStringList substitutes = QFont::substitutes(base);
        substitutes.removeAll(family());
        substitutes.prepend(family());
        QFont::removeSubstitutions(base);
        QFont::insertSubstitutions(base, substitutes);
        return true;
    }();
    return installed;
}

} // namespace Brindlewick
