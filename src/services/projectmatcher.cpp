#include "services/projectmatcher.h"

#include "models/project.h"

#include <QDir>
#include <QFileInfo>

namespace Brindlewick {

QString ProjectMatcher::normalize(const QString &path) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return {};
    // Resolve links in the longest part of the path that exists; the rest is kept as written.
    QString existing = QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath());
    QString rest;
    QString resolved;
    for (;;) {
        resolved = QFileInfo(existing).canonicalFilePath();
        if (!resolved.isEmpty() || existing == QLatin1String("/") || existing.isEmpty())
            break;
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        rest = existing.mid(slash + 1) + (rest.isEmpty() ? QString() : QLatin1Char('/') + rest);
        existing = slash <= 0 ? QStringLiteral("/") : existing.left(slash);
    }
    if (resolved.isEmpty())
        resolved = existing;
    QString result = QDir::cleanPath(rest.isEmpty() ? resolved : resolved + QLatin1Char('/') + rest);
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

Project *ProjectMatcher::existingProject(const QString &root, const std::vector<Project *> &projects) {
    const QString wanted = normalize(root);
    if (wanted.isEmpty())
        return nullptr;
    for (Project *p : projects) {
        if (normalize(p->rootPath()) == wanted)
            return p;
    }
    return nullptr;
}

} // namespace Brindlewick
