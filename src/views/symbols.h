#pragma once

#include <QIcon>
#include <QString>

namespace Brindlewick {

// Every view asks for a symbol by its name ("folder", "terminal", …); this maps it to the
// desktop's icon theme, with a bundled fallback.
QIcon symbolIcon(const QString &name);

} // namespace Brindlewick
