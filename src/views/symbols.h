#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Brindlewick {

// The one place where a symbol name used by the views ("folder", "checkmark.circle", …) becomes an
// icon: the desktop's icon theme when it has a matching icon, else the bundled drawing, else the
// theme icon of that very name (which may be null). GUI thread.
QIcon symbolIcon(const QString &sfName);

// The symbol drawn in one colour (as text glyphs are), `size` logical pixels square at the given
// device pixel ratio. Cached; GUI thread.
QPixmap symbolPixmap(const QString &sfName, int size, const QColor &color, qreal devicePixelRatio);

} // namespace Brindlewick
