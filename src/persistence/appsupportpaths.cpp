#include "persistence/appsupportpaths.h"

#include "platform/appidentity.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace Brindlewick {

QString AppSupportPaths::applicationSupportDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString AppSupportPaths::storeFolder()
{
    return applicationSupportDirectory() + QLatin1Char('/') + applicationIdentifier();
}

QString AppSupportPaths::worktreesRoot() { return storeFolder() + QStringLiteral("/worktrees"); }

QString AppSupportPaths::startPagesRoot() { return storeFolder() + QStringLiteral("/start-pages"); }

bool AppSupportPaths::makePath(const QString &path, unsigned mode)
{
    const QString clean = QDir::cleanPath(path);
    QString current;
    const QStringList parts = clean.split(QLatin1Char('/'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i == 0 && parts.at(0).isEmpty()) {
            current = QStringLiteral("/");
            continue;
        }
        if (parts.at(i).isEmpty())
            continue;
        if (!current.isEmpty() && !current.endsWith(QLatin1Char('/')))
            current += QLatin1Char('/');
        current += parts.at(i);
        const QByteArray native = QFile::encodeName(current);
        if (::mkdir(native.constData(), mode) == 0) {
            ::chmod(native.constData(), mode); // mkdir applies the umask
        } else if (errno != EEXIST) {
            return false;
        }
    }
    struct stat st {};
    return ::stat(QFile::encodeName(clean).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace Brindlewick
