#include "views/symbols.h"

#include <QHash>

namespace Brindlewick {

QIcon symbolIcon(const QString &name)
{
    static const QHash<QString, QString> themeNames{
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("questionmark.folder"), QStringLiteral("folder-visiting")},
        {QStringLiteral("rectangle.3.group"), QStringLiteral("view-grid")},
        {QStringLiteral("list.bullet.rectangle"), QStringLiteral("view-list")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("gearshape"), QStringLiteral("preferences-system")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("checkmark"), QStringLiteral("object-select")},
        {QStringLiteral("plus"), QStringLiteral("list-add")},
        {QStringLiteral("arrow.clockwise"), QStringLiteral("view-refresh")},
        {QStringLiteral("folder.badge.minus"), QStringLiteral("edit-delete")},
        {QStringLiteral("lock.fill"), QStringLiteral("object-locked")},
        {QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning")},
    };
    return QIcon::fromTheme(themeNames.value(name, name));
}

} // namespace Brindlewick
