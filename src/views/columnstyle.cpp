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
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    switch (column) {
    case SessionColumn::attention:
        // A little deeper on light backgrounds so that header text keeps its contrast.
        return dark ? QColor(0xFF, 0x9F, 0x0A) : QColor(0xE8, 0x7E, 0x04);
    case SessionColumn::idle:
        // An opaque mid grey: as a card fill at low opacity it must stay lighter than the grey
        // project capsule, which a translucent text colour does not.
        return dark ? QColor(0x98, 0x98, 0x9D) : QColor(0x80, 0x80, 0x85);
    case SessionColumn::working:
        break;
    }
    return dark ? QColor(0x0A, 0x84, 0xFF) : QColor(0x00, 0x70, 0xEB);
}

} // namespace Brindlewick
