#pragma once

#include "app/desktop/global_hotkey.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <vector>

namespace oxlin::app {

// Ctrl+Shift+A on X11: the key is grabbed on the root window once for every
// combination of the lock modifiers (Caps Lock, Num Lock), since X delivers a
// grabbed key only with exactly the modifiers it was grabbed with; a native
// event filter turns the press into `activated`. The grab is answered at
// once, so `registerKey` never says Pending.
//
// Must be created and destroyed on the GUI thread after the QGuiApplication.
class X11Hotkey final : public GlobalHotkey, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11Hotkey(QObject* parent = nullptr);
    ~X11Hotkey() override;

    // Whether Qt talks to an X server here.
    static bool isAvailable();
    // Grabs Ctrl+Shift+A. Failed when another client holds it (or the key
    // has no key code); nothing stays grabbed then.
    Result registerKey() override;
    void unregisterKey() override;
    bool isRegistered() const override { return !grabbed_.empty(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        std::uint16_t modifiers;
    };
    std::vector<Grab> grabbed_;
    std::uint8_t keycode_ = 0;
    std::uint32_t root_ = 0;
};

} // namespace oxlin::app
