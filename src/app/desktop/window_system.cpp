#include "app/desktop/window_system.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace oxlin::app {

bool isWaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool windowsCanStayOnTop() { return !isWaylandSession(); }

bool windowsCanBePlaced() { return !isWaylandSession(); }

QString onTopRefusal() {
    if (windowsCanStayOnTop())
        return {};
    return QCoreApplication::translate(
        "oxlin::app::WindowSystem",
        "Always on Top has no effect here: under Wayland only the desktop decides which "
        "window stays above the others.");
}

} // namespace oxlin::app
