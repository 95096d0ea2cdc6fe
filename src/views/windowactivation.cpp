#include "views/windowactivation.h"

#include <KX11Extras>

#include <QGuiApplication>
#include <QWidget>

namespace Brindlewick {

void WindowActivation::bringToFront(QWidget *window) {
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    // Asking the window manager directly (_NET_ACTIVE_WINDOW as a pager would) is what it honours
    // for a request that did not come with the user's own input to this application.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        KX11Extras::forceActiveWindow(window->winId());
}

} // namespace Brindlewick
