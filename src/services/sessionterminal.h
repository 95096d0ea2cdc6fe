#pragma once

#include "services/sessionlaunchcommand.h"

#include <QRect>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class QObject;

namespace Brindlewick {

// The font and colours of every terminal. Colours are 0xRRGGBB; the palette holds the 16 ANSI
// colours and is used only when it has exactly 16.
struct TerminalAppearance {
    QString fontFamily; // empty: the system's fixed-pitch font
    double fontSize = 12;
    quint32 foreground = 0xFFFFFF;
    quint32 background = 0x1E1E1E;
    QVector<quint32> palette;
};

// What the process manager needs of a terminal view. The view layer implements it on its terminal
// widget, so the manager stays free of widgets. GUI thread.
class SessionTerminal {
public:
    virtual ~SessionTerminal() = default;
    // The view as an object (for ownership, parents and the `terminals` map).
    virtual QObject *object() = 0;
    // Starts the child on a new pseudo-terminal; false when it could not be started.
    virtual bool startProcess(const TerminalLaunch &launch) = 0;
    virtual qint64 processID() const = 0;
    // Typed input: the text reaches the child as if typed.
    virtual void sendInput(const QString &text) = 0;
    virtual void applyAppearance(const TerminalAppearance &appearance) = 0;
    // Whether the view (or a widget inside it) is its window's focus widget.
    virtual bool hasKeyboardFocus() const = 0;
    virtual bool isInWindow() const = 0;
    // Activates its window; false when it is in none.
    virtual bool bringWindowToFront() = 0;
    virtual void setWindowFrame(const QRect &frame) = 0;
    // Leaves the window that shows it (before its process is stopped).
    virtual void detach() = 0;
    // Whether the view's parent is a window that now owns it.
    virtual bool isShown() const = 0;
};

// Makes terminal views and tells the screen area for tiling; set by the view layer at start-up.
struct SessionTerminalFactory {
    std::function<SessionTerminal *()> make;
    std::function<std::optional<QRect>()> mainScreenArea;
};

} // namespace Brindlewick
