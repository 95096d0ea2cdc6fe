#pragma once

#include <QSet>
#include <QString>
#include <QUrl>

namespace Brindlewick {

// Which links clicked in a terminal may be opened: only web and mail addresses, never files,
// scripts or other programs' schemes. Pure.
struct TerminalLinkPolicy {
    static QSet<QString> allowedSchemes() {
        return {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")};
    }
    static bool allows(const QUrl &url) {
        if (!url.isValid())
            return false;
        const QString scheme = url.scheme().toLower();
        return !scheme.isEmpty() && allowedSchemes().contains(scheme);
    }
};

} // namespace Brindlewick
