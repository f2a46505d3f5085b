#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <vector>

namespace oxlin::app {

// Ctrl+Shift+A from any application. On X11 the key is grabbed on the root
// window once for every combination of the lock modifiers (Caps Lock, Num
// Lock), since X delivers a grabbed key only with exactly the modifiers it
// was grabbed with; a native event filter turns the press into `activated`.
// Where the platform offers no global keys (Wayland, offscreen) there is
// simply no hotkey: `isSupported` is false and `registerKey` says nothing.
//
// Must be created and destroyed on the GUI thread after the QGuiApplication.
class GlobalHotkey final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    enum class Result { Registered, Unsupported, Failed };

    explicit GlobalHotkey(QObject* parent = nullptr);
    ~GlobalHotkey() override;
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;

    // Whether this platform has global keys at all.
    static bool isSupported();
    // Grabs Ctrl+Shift+A. Failed when another client holds it (or the key
    // has no key code); nothing stays grabbed then.
    Result registerKey();
    void unregisterKey();
    bool isRegistered() const { return !grabbed_.empty(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    void activated();

private:
    struct Grab {
        std::uint16_t modifiers;
    };
    std::vector<Grab> grabbed_;
    std::uint8_t keycode_ = 0;
    std::uint32_t root_ = 0;
};

} // namespace oxlin::app
