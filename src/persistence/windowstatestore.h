#pragma once

#include "models/result.h"

#include <QRect>
#include <QString>
#include <QUuid>
#include <QVector>

#include <optional>

namespace Brindlewick {

// Where one window stood: its outer frame (title bar and borders included) and its client area,
// both in screen coordinates. Keeping both lets a restore place the frame exactly and give the
// client its size, whatever the window manager's decorations are.
struct RememberedWindow {
    QRect frame;
    QRect client;
    bool maximized = false;
    bool operator==(const RememberedWindow &) const = default;
};

struct RememberedSessionWindow {
    QUuid sessionID;
    RememberedWindow window;
    bool operator==(const RememberedSessionWindow &) const = default;
};

// The windows open when the application last quit.
struct WindowState {
    std::optional<RememberedWindow> mainWindow;
    bool mainWindowOpen = true;
    // The main window was in front of the session windows.
    bool mainWindowActive = false;
    QVector<RememberedSessionWindow> sessionWindows;
    bool operator==(const WindowState &) const = default;
};

// Remembers the open windows across a quit in a small JSON file beside the store, since the
// session identifiers in it only mean something to that store. Any thread; file I/O on the caller's.
class WindowStateStore {
public:
    explicit WindowStateStore(QString path);
    // window-state.json in the store's folder.
    static WindowStateStore standard();

    QString path() const { return m_path; }
    // A missing file is the empty state; an unreadable or malformed one too (logged).
    WindowState load() const;
    Result<void> save(const WindowState &state) const;

    static QByteArray encode(const WindowState &state);
    static std::optional<WindowState> decode(const QByteArray &json);

    // The window moved (and, if it is larger, shrunk) so that its whole frame lies on one of the
    // available screen areas: the one it overlaps most, else the first (the primary screen).
    static RememberedWindow placedOnScreens(const RememberedWindow &window, const QVector<QRect> &available);

private:
    QString m_path;
};

} // namespace Brindlewick
