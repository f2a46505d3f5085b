#include "app/desktop/x11_hotkey.h"

#include <QGuiApplication>

// The build defines OXLIN_XCB where libxcb and Qt's X11 interface exist.
#if defined(OXLIN_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define OXLIN_HAVE_XCB 1
#endif

#include <cstdlib>
#include <memory>

namespace oxlin::app {

#ifdef OXLIN_HAVE_XCB
namespace {

constexpr xcb_keysym_t kKeysymLowerA = 0x61;
constexpr xcb_keysym_t kKeysymUpperA = 0x41;
constexpr xcb_keysym_t kKeysymNumLock = 0xff7f;
constexpr std::uint16_t kHotkeyModifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The key codes whose keysyms include one of `wanted`, from the server's map.
std::vector<xcb_keycode_t> keycodesFor(xcb_connection_t* conn,
                                       std::initializer_list<xcb_keysym_t> wanted) {
    const xcb_setup_t* setup = xcb_get_setup(conn);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> map(
        xcb_get_keyboard_mapping_reply(
            conn, xcb_get_keyboard_mapping(conn, xcb_keycode_t(first), std::uint8_t(count)),
            nullptr),
        &std::free);
    std::vector<xcb_keycode_t> codes;
    if (!map)
        return codes;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perCode = map->keysyms_per_keycode;
    for (int code = 0; code < count; ++code)
        for (int i = 0; i < perCode; ++i)
            for (xcb_keysym_t sym : wanted)
                if (syms[code * perCode + i] == sym) {
                    codes.push_back(xcb_keycode_t(first + code));
                    i = perCode;
                    break;
                }
    return codes;
}

// The modifier bit Num Lock sets, which is not fixed by the protocol
// (usually Mod2). Zero when no key is Num Lock.
std::uint16_t numLockMask(xcb_connection_t* conn) {
    const std::vector<xcb_keycode_t> numLock = keycodesFor(conn, {kKeysymNumLock});
    if (numLock.empty())
        return 0;
    Reply<xcb_get_modifier_mapping_reply_t> map(
        xcb_get_modifier_mapping_reply(conn, xcb_get_modifier_mapping(conn), nullptr),
        &std::free);
    if (!map)
        return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map.get());
    const int perModifier = map->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            if (codes[modifier * perModifier + i] == numLock.front())
                return std::uint16_t(1u << modifier);
    return 0;
}

} // namespace
#endif

X11Hotkey::X11Hotkey(QObject* parent) : GlobalHotkey(parent) {}

X11Hotkey::~X11Hotkey() { unregisterKey(); }

bool X11Hotkey::isAvailable() {
#ifdef OXLIN_HAVE_XCB
    return connection() != nullptr;
#else
    return false;
#endif
}

GlobalHotkey::Result X11Hotkey::registerKey() {
#ifdef OXLIN_HAVE_XCB
    unregisterKey();
    xcb_connection_t* conn = connection();
    if (!conn)
        return Result::Unsupported;
    const std::vector<xcb_keycode_t> codes = keycodesFor(conn, {kKeysymLowerA, kKeysymUpperA});
    if (codes.empty())
        return Result::Failed;
    keycode_ = codes.front();
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;

    const std::uint16_t numLock = numLockMask(conn);
    std::vector<std::uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (numLock != 0)
        variants.insert(variants.end(), {numLock, std::uint16_t(numLock | XCB_MOD_MASK_LOCK)});
    bool failed = false;
    for (std::uint16_t lock : variants) {
        const std::uint16_t modifiers = kHotkeyModifiers | lock;
        // Checked, so another client's grab (BadAccess) comes back here.
        xcb_void_cookie_t cookie = xcb_grab_key_checked(conn, 1, root_, modifiers, keycode_,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(conn, cookie)) {
            std::free(error);
            failed = true;
            break;
        }
        grabbed_.push_back({modifiers});
    }
    if (failed) {
        unregisterKey();
        return Result::Failed;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    return Result::Registered;
#else
    return Result::Unsupported;
#endif
}

void X11Hotkey::unregisterKey() {
#ifdef OXLIN_HAVE_XCB
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (grabbed_.empty())
        return;
    if (xcb_connection_t* conn = connection()) {
        for (const Grab& grab : grabbed_)
            xcb_ungrab_key(conn, keycode_, root_, grab.modifiers);
        xcb_flush(conn);
    }
#endif
    grabbed_.clear();
}

bool X11Hotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef OXLIN_HAVE_XCB
    if (grabbed_.empty() || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const std::uint16_t modifiers =
        press->state & (XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 |
                        XCB_MOD_MASK_4);
    if (press->detail != keycode_ || modifiers != kHotkeyModifiers)
        return false;
    Q_EMIT activated();
    // A press reported on the root window is no widget's: Qt still sees it,
    // which keeps its user time current so the window may take the focus.
    // On one of our windows it would reach the focused widget as a key.
    return press->event != root_;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

} // namespace oxlin::app
