#pragma once

#include <QObject>

#include <memory>

namespace oxlin::app {

// Ctrl+Shift+A from any application, which brings the main window back.
// One subclass per way a desktop lets a program have such a key: an X11
// grab (`X11Hotkey`) or the desktop portal's global shortcuts on Wayland
// (`PortalHotkey`). Where the platform offers neither (offscreen) there is
// simply no hotkey and nothing is said about it.
//
// A registration may be answered later (the portal asks the user or its
// settings): `registerKey` then says Pending and the answer comes as
// `registered` or `failed`. Must live on the GUI thread.
class GlobalHotkey : public QObject {
    Q_OBJECT
public:
    enum class Result { Registered, Pending, Unsupported, Failed };

    ~GlobalHotkey() override = default;
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;

    // The mechanism this platform has, or null where there is none.
    static std::unique_ptr<GlobalHotkey> forPlatform();
    // Whether this platform has a way to global keys at all.
    static bool isSupported();

    virtual Result registerKey() = 0;
    virtual void unregisterKey() = 0;
    virtual bool isRegistered() const = 0;

Q_SIGNALS:
    void activated();
    // The outcome of a registration that said Pending.
    void registered();
    void failed();

protected:
    explicit GlobalHotkey(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace oxlin::app
