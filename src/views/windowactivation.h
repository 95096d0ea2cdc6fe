#pragma once

class QWidget;

namespace Brindlewick {

// Brings a top-level window to the front and gives it the keyboard, also when the request comes
// from another program (a click on a notification), which a window manager's focus-stealing
// prevention would otherwise refuse. GUI thread.
struct WindowActivation {
    static void bringToFront(QWidget *window);
};

} // namespace Brindlewick
