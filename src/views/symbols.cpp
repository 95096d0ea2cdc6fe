#include "views/symbols.h"

#include <QFile>
#include <QHash>
#include <QPainter>

static void initBundledSymbols()
{
    Q_INIT_RESOURCE(resources);
}

namespace Brindlewick {

namespace {

struct SymbolEntry {
    const char *name;
    // Freedesktop icon names tried in order; monochrome ("-symbolic") ones first because they tint well.
    const char *themeNames[4];
};

// To add a symbol: a line here and, when it should look the same on every desktop,
// resources/symbols/<name>.svg (16 × 16, black on transparent).
const SymbolEntry symbolTable[] = {
    {"exclamationmark.circle", {"emblem-important-symbolic", "dialog-warning-symbolic", "dialog-warning"}},
    {"checkmark.circle", {"emblem-ok-symbolic", "object-select-symbolic", "emblem-default"}},
    {"arrow.triangle.2.circlepath", {"view-refresh-symbolic", "view-refresh"}},
    // No theme names a quotation bubble; the bundled drawing is the one used.
    {"quote.bubble.fill", {}},
    {"folder", {"folder-symbolic", "folder"}},
    {"xmark.circle", {"window-close-symbolic", "window-close", "process-stop"}},
    {"questionmark.folder", {"folder-visiting-symbolic", "folder-visiting", "dialog-question-symbolic"}},
    {"rectangle.3.group", {"view-grid-symbolic", "view-grid"}},
    {"list.bullet.rectangle", {"view-list-bullet-symbolic", "view-list"}},
    {"exclamationmark.triangle.fill", {"dialog-warning-symbolic", "dialog-warning"}},
    {"gearshape", {"emblem-system-symbolic", "preferences-system"}},
    {"doc.on.doc", {"edit-copy-symbolic", "edit-copy"}},
    {"checkmark", {"object-select-symbolic", "object-select"}},
    {"plus", {"list-add-symbolic", "list-add"}},
    {"arrow.clockwise", {"view-refresh-symbolic", "view-refresh"}},
    {"folder.badge.minus", {"edit-delete-symbolic", "edit-delete"}},
    {"lock.fill", {"changes-prevent-symbolic", "object-locked", "system-lock-screen"}},
    {"exclamationmark.triangle", {"dialog-warning-symbolic", "dialog-warning"}},
    {"play.circle.fill", {"media-playback-start-symbolic", "media-playback-start"}},
    {"terminal", {"utilities-terminal-symbolic", "utilities-terminal"}},
    {"textformat.size", {"preferences-desktop-font-symbolic", "font-select-symbolic", "preferences-desktop-font", "font-x-generic"}},
};

} // namespace

QIcon symbolIcon(const QString &sfName)
{
    static bool initialised = false;
    if (!initialised) {
        initBundledSymbols();
        // Outside a full desktop Qt looks only in "hicolor"; Adwaita (installed with the app's
        // packages) fills the gaps without overriding the desktop's own theme.
        if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
            QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        initialised = true;
    }
    static QHash<QString, QIcon> cache;
    static QString cachedTheme = QIcon::themeName();
    if (cachedTheme != QIcon::themeName()) {
        cache.clear();
        cachedTheme = QIcon::themeName();
    }
    if (auto it = cache.constFind(sfName); it != cache.constEnd())
        return *it;

    QIcon icon;
    for (const SymbolEntry &entry : symbolTable) {
        if (sfName != QLatin1String(entry.name))
            continue;
        for (const char *themeName : entry.themeNames) {
            if (!themeName)
                break;
            const QString n = QString::fromLatin1(themeName);
            if (QIcon::hasThemeIcon(n)) {
                icon = QIcon::fromTheme(n);
                break;
            }
        }
        const QString bundled = QStringLiteral(":/symbols/") + sfName + QStringLiteral(".svg");
        if (icon.isNull() && QFile::exists(bundled))
            icon = QIcon(bundled);
        break;
    }
    // A name of no entry, or one whose theme names the desktop lacks: the name itself may be a theme icon.
    if (icon.isNull())
        icon = QIcon::fromTheme(sfName);
    cache.insert(sfName, icon);
    return icon;
}

QPixmap symbolPixmap(const QString &sfName, int size, const QColor &color, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    const QString key = sfName + QLatin1Char('|') + QString::number(size) + QLatin1Char('|') +
                        QString::number(color.rgba(), 16) + QLatin1Char('|') + QString::number(devicePixelRatio) +
                        QLatin1Char('|') + QIcon::themeName();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    const int device = qMax(1, qRound(size * devicePixelRatio));
    QImage image(device, device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        const QPixmap source = symbolIcon(sfName).pixmap(QSize(device, device));
        const QSize scaled = source.size().scaled(device, device, Qt::KeepAspectRatio);
        p.drawPixmap(QRect(QPoint((device - scaled.width()) / 2, (device - scaled.height()) / 2), scaled), source);
        // Keep the shape, replace its colours: a theme's coloured icon becomes a silhouette.
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(image.rect(), color);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    if (cache.size() > 512)
        cache.clear();
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace Brindlewick
