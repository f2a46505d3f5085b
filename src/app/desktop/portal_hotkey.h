#pragma once

#include "app/desktop/global_hotkey.h"

#include <QDBusConnection>
#include <QPointer>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace oxlin::app {

// Ctrl+Shift+A through the desktop portal's GlobalShortcuts interface, the
// one way a Wayland client gets a key while another program has the focus.
// Registering is a conversation: CreateSession, then BindShortcuts on the
// session; each call returns a Request object whose Response signal carries
// the real answer, possibly much later (the desktop may ask the user). None
// of it is waited for: `registerKey` says Pending and the end is
// `registered` or `failed`. Afterwards the portal's Activated signal for our
// session and shortcut becomes `activated`.
//
// `bus` is normally the session bus; tests pass a private one.
class PortalHotkey final : public GlobalHotkey {
    Q_OBJECT
public:
    static constexpr char kService[] = "org.freedesktop.portal.Desktop";
    static constexpr char kPath[] = "/org/freedesktop/portal/desktop";
    static constexpr char kInterface[] = "org.freedesktop.portal.GlobalShortcuts";
    static constexpr char kShortcutId[] = "show-oxlin";

    explicit PortalHotkey(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalHotkey() override;

    // Pending, or Failed at once when there is no bus to talk to.
    Result registerKey() override;
    // Closes the session, so the desktop lets the key go.
    void unregisterKey() override;
    bool isRegistered() const override { return state_ == State::Bound; }

private Q_SLOTS:
    void onResponse(const QDBusMessage& message);
    void onActivated(const QDBusMessage& message);

private:
    enum class State { Idle, CreatingSession, Binding, Bound };

    // Calls `method` with a fresh request token as the last argument's
    // "handle_token"; its Response is awaited on the path that token gives.
    void request(const QString& method, QList<QVariant> arguments, QVariantMap options);
    void onRequestReply(QDBusPendingCallWatcher* call);
    void watchRequest(const QString& path);
    void stopWatchingRequest();
    void bindShortcut();
    void fail();

    QDBusConnection bus_;
    State state_ = State::Idle;
    QString requestPath_;
    QString session_;
    QPointer<QDBusPendingCallWatcher> pending_;
};

} // namespace oxlin::app
