#include "views/columnstyle.h"

#include "services/localization.h"

namespace Brindlewick {

QString ColumnStyle::label(SessionColumn column)
{
    switch (column) {
    case SessionColumn::attention:
        return L("要確認");
    case SessionColumn::idle:
        return L("確認済み");
    case SessionColumn::working:
        break;
    }
    return L("作業中");
}

QString ColumnStyle::subtitle(SessionColumn column)
{
    switch (column) {
    case SessionColumn::attention:
        return L("あなたの番");
    case SessionColumn::idle:
        return L("作業なし");
    case SessionColumn::working:
        break;
    }
    return L("Claude が作業中");
}

QString ColumnStyle::symbol(SessionColumn column)
{
    switch (column) {
    case SessionColumn::attention:
        return QStringLiteral("exclamationmark.circle");
    case SessionColumn::idle:
        return QStringLiteral("checkmark.circle");
    case SessionColumn::working:
        break;
    }
    return QStringLiteral("arrow.triangle.2.circlepath");
}

QColor ColumnStyle::color(SessionColumn column, const QPalette &palette)
{
    switch (column) {
    case SessionColumn::attention:
        return QColor(0xF0, 0x8A, 0x24);
    case SessionColumn::idle: {
        QColor c = palette.color(QPalette::Text);
        c.setAlphaF(0.6);
        return c;
    }
    case SessionColumn::working:
        break;
    }
    return QColor(0x2F, 0x7C, 0xF6);
}

} // namespace Brindlewick
