#include "services/worktreeplan.h"

#include "models/uuidtext.h"

#include <QStringList>

namespace Brindlewick {

WorktreePlan WorktreePlan::make(const QString &worktreesRoot, const QUuid &projectID,
                                const QUuid &sessionID) {
    QString root = worktreesRoot;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return {root + QLatin1Char('/') + uuidText(projectID) + QLatin1Char('/') + uuidText(sessionID),
            QStringLiteral("bwk/session-") + uuidTextLower(sessionID)};
}

bool WorktreePlan::isValidBranchName(const QString &name) {
    if (name.isEmpty())
        return false;
    if (name.startsWith(QLatin1Char('-')) || name.endsWith(QLatin1Char('.')))
        return false;
    if (name.contains(QLatin1String("..")) || name.contains(QLatin1String("@{")) ||
        name == QLatin1String("@"))
        return false;
    for (const char32_t c : name.toUcs4()) {
        if (c < 33 || c == 127)
            return false;
        switch (c) {
        case U'~':
        case U'^':
        case U':':
        case U'?':
        case U'*':
        case U'[':
        case U'\\':
            return false;
        default:
            break;
        }
    }
    for (const QString &part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part.startsWith(QLatin1Char('.')) || part.endsWith(QLatin1String(".lock")))
            return false;
    }
    return true;
}

} // namespace Brindlewick
