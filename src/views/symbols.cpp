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
    };
    return QIcon::fromTheme(themeNames.value(name, name));
}

} // namespace Brindlewick
