#include "app/shell/global_hotkey.h"

#include "app/shell/x11_hotkey.h"

namespace oxlin::app {

std::unique_ptr<GlobalHotkey> GlobalHotkey::forPlatform() {
    if (X11Hotkey::isAvailable())
        return std::make_unique<X11Hotkey>();
    return nullptr;
}

bool GlobalHotkey::isSupported() { return X11Hotkey::isAvailable(); }

} // namespace oxlin::app
