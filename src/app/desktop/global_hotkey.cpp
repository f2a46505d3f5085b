#include "app/desktop/global_hotkey.h"

#include "app/desktop/portal_hotkey.h"
#include "app/desktop/window_system.h"
#include "app/desktop/x11_hotkey.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace oxlin::app {

std::unique_ptr<GlobalHotkey> GlobalHotkey::forPlatform() {
    if (X11Hotkey::isAvailable())
        return std::make_unique<X11Hotkey>();
    // Wayland gives no client the keyboard of another: only the compositor,
    // through the portal, can hand out a global key.
    if (isWaylandSession())
        return std::make_unique<PortalHotkey>(QDBusConnection::sessionBus());
    return nullptr;
}

bool GlobalHotkey::isSupported() { return X11Hotkey::isAvailable() || isWaylandSession(); }

} // namespace oxlin::app
