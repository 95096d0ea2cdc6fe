#include "persistence/windowstatestore.h"

#include "models/uuidtext.h"
#include "persistence/appsupportpaths.h"
#include "services/atomicfile.h"
#include "services/logging.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace Brindlewick {

namespace {

QJsonArray rectJson(const QRect &r) { return QJsonArray{r.x(), r.y(), r.width(), r.height()}; }

std::optional<QRect> rectFrom(const QJsonValue &value) {
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return std::nullopt;
    for (const QJsonValue &v : a) {
        if (!v.isDouble())
            return std::nullopt;
    }
    const QRect r(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    if (r.width() <= 0 || r.height() <= 0)
        return std::nullopt;
    return r;
}

QJsonObject windowJson(const RememberedWindow &w) {
    return QJsonObject{{QStringLiteral("frame"), rectJson(w.frame)},
                       {QStringLiteral("client"), rectJson(w.client)},
                       {QStringLiteral("maximized"), w.maximized}};
}

std::optional<RememberedWindow> windowFrom(const QJsonValue &value) {
    const QJsonObject o = value.toObject();
    const auto frame = rectFrom(o.value(QStringLiteral("frame")));
    const auto client = rectFrom(o.value(QStringLiteral("client")));
    if (!frame || !client)
        return std::nullopt;
    return RememberedWindow{*frame, *client, o.value(QStringLiteral("maximized")).toBool()};
}

int clampedStart(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

WindowStateStore::WindowStateStore(QString path) : m_path(std::move(path)) {}

WindowStateStore WindowStateStore::standard() {
    return WindowStateStore(AppSupportPaths::storeFolder() + QStringLiteral("/window-state.json"));
}

QByteArray WindowStateStore::encode(const WindowState &state) {
    QJsonObject root{{QStringLiteral("version"), 1},
                     {QStringLiteral("mainWindowOpen"), state.mainWindowOpen},
                     {QStringLiteral("mainWindowActive"), state.mainWindowActive}};
    if (state.mainWindow)
        root.insert(QStringLiteral("mainWindow"), windowJson(*state.mainWindow));
    QJsonArray sessions;
    for (const RememberedSessionWindow &s : state.sessionWindows) {
        QJsonObject o = windowJson(s.window);
        o.insert(QStringLiteral("sessionID"), uuidText(s.sessionID));
        sessions.append(o);
    }
    root.insert(QStringLiteral("sessionWindows"), sessions);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<WindowState> WindowStateStore::decode(const QByteArray &json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() ||
        doc.object().value(QStringLiteral("version")).toInt() != 1)
        return std::nullopt;
    const QJsonObject root = doc.object();
    WindowState state;
    state.mainWindowOpen = root.value(QStringLiteral("mainWindowOpen")).toBool(true);
    state.mainWindowActive = root.value(QStringLiteral("mainWindowActive")).toBool(false);
    state.mainWindow = windowFrom(root.value(QStringLiteral("mainWindow")));
    // An entry that does not parse is dropped alone; the others still come back.
    for (const QJsonValue &v : root.value(QStringLiteral("sessionWindows")).toArray()) {
        const auto id = parseUuid(v.toObject().value(QStringLiteral("sessionID")).toString());
        const auto window = windowFrom(v);
        if (id && window)
            state.sessionWindows.push_back({*id, *window});
    }
    return state;
}

WindowState WindowStateStore::load() const {
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcApp, "window state unreadable: %s", qUtf8Printable(file.errorString()));
        return {};
    }
    const auto state = decode(file.readAll());
    if (!state) {
        qCWarning(lcApp, "window state malformed, ignored: %s", qUtf8Printable(m_path));
        return {};
    }
    return *state;
}

Result<void> WindowStateStore::save(const WindowState &state) const {
    const QString folder = m_path.left(m_path.lastIndexOf(QLatin1Char('/')));
    AppSupportPaths::makePath(folder, 0700);
    return AtomicFile::replace(m_path, encode(state), 0600);
}

RememberedWindow WindowStateStore::placedOnScreens(const RememberedWindow &window, const QVector<QRect> &available) {
    if (available.isEmpty())
        return window;
    QRect area = available.first();
    qint64 best = 0;
    for (const QRect &a : available) {
        const QRect overlap = a.intersected(window.frame);
        const qint64 size = qint64(overlap.width()) * overlap.height();
        if (!overlap.isEmpty() && size > best) {
            best = size;
            area = a;
        }
    }
    // The decorations keep their size; only the client gives way when the screen is too small.
    const QMargins decoration(window.client.left() - window.frame.left(), window.client.top() - window.frame.top(),
                              window.frame.right() - window.client.right(),
                              window.frame.bottom() - window.client.bottom());
    QRect frame = window.frame;
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    frame.moveTo(clampedStart(frame.x(), frame.width(), area.x(), area.width()),
                 clampedStart(frame.y(), frame.height(), area.y(), area.height()));
    RememberedWindow out = window;
    out.frame = frame;
    out.client = frame.marginsRemoved(decoration);
    return out;
}

} // namespace Brindlewick
