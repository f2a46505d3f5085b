#include "app/desktop/portal_hotkey.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

namespace oxlin::app::portal {

// One entry of BindShortcuts' a(sa{sv}): the id and its details.
struct NewShortcut {
    QString id;
    QVariantMap details;
};

QDBusArgument& operator<<(QDBusArgument& out, const NewShortcut& shortcut) {
    out.beginStructure();
    out << shortcut.id << shortcut.details;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, NewShortcut& shortcut) {
    in.beginStructure();
    in >> shortcut.id >> shortcut.details;
    in.endStructure();
    return in;
}

} // namespace oxlin::app::portal

Q_DECLARE_METATYPE(oxlin::app::portal::NewShortcut)

namespace oxlin::app {

namespace {

constexpr char kRequestInterface[] = "org.freedesktop.portal.Request";
constexpr char kSessionInterface[] = "org.freedesktop.portal.Session";

// Tokens end object paths, so letters and digits only; random, so another
// library in the process (or a stale request of ours) never shares one.
QString newToken() {
    return QStringLiteral("oxlin%1").arg(QRandomGenerator::global()->generate());
}

// Documented as a string, sent by some desktops as an object path.
QString pathOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

PortalHotkey::PortalHotkey(QDBusConnection bus, QObject* parent)
    : GlobalHotkey(parent), bus_(std::move(bus)) {
    static const bool registeredTypes = [] {
        qDBusRegisterMetaType<portal::NewShortcut>();
        qDBusRegisterMetaType<QList<portal::NewShortcut>>();
        return true;
    }();
    Q_UNUSED(registeredTypes);
}

PortalHotkey::~PortalHotkey() { unregisterKey(); }

GlobalHotkey::Result PortalHotkey::registerKey() {
    unregisterKey();
    if (!bus_.isConnected())
        return Result::Failed;
    state_ = State::CreatingSession;
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), newToken()}});
    return Result::Pending;
}

void PortalHotkey::unregisterKey() {
    if (pending_) {
        pending_->disconnect(this);
        pending_->deleteLater();
    }
    // An unanswered request may have a dialog open on the desktop.
    if (!requestPath_.isEmpty())
        bus_.send(QDBusMessage::createMethodCall(QString::fromLatin1(kService), requestPath_,
                                                 QString::fromLatin1(kRequestInterface),
                                                 QStringLiteral("Close")));
    stopWatchingRequest();
    if (!session_.isEmpty()) {
        bus_.disconnect(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                        QString::fromLatin1(kInterface), QStringLiteral("Activated"), this,
                        SLOT(onActivated(QDBusMessage)));
        bus_.send(QDBusMessage::createMethodCall(QString::fromLatin1(kService), session_,
                                                 QString::fromLatin1(kSessionInterface),
                                                 QStringLiteral("Close")));
        session_.clear();
    }
    state_ = State::Idle;
}

void PortalHotkey::request(const QString& method, QList<QVariant> arguments,
                           QVariantMap options) {
    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    // Newer portals put the Request object where the token says; listening
    // there before calling means a quick answer cannot be missed.
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    watchRequest(QStringLiteral("%1/request/%2/%3")
                     .arg(QString::fromLatin1(kPath), sender, token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath),
        QString::fromLatin1(kInterface), method);
    call.setArguments(arguments);
    if (pending_) {
        pending_->disconnect(this);
        pending_->deleteLater();
    }
    pending_ = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending_, &QDBusPendingCallWatcher::finished, this, &PortalHotkey::onRequestReply);
}

void PortalHotkey::onRequestReply(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    if (call != pending_)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    // No portal on the bus, no GlobalShortcuts in it, or a refused call:
    // there is no request to close either.
    if (reply.isError()) {
        stopWatchingRequest();
        fail();
        return;
    }
    // Older portals choose the path themselves.
    const QString path = reply.value().path();
    if (path != requestPath_)
        watchRequest(path);
}

void PortalHotkey::watchRequest(const QString& path) {
    stopWatchingRequest();
    requestPath_ = path;
    bus_.connect(QString::fromLatin1(kService), requestPath_,
                 QString::fromLatin1(kRequestInterface), QStringLiteral("Response"), this,
                 SLOT(onResponse(QDBusMessage)));
}

void PortalHotkey::stopWatchingRequest() {
    if (requestPath_.isEmpty())
        return;
    bus_.disconnect(QString::fromLatin1(kService), requestPath_,
                    QString::fromLatin1(kRequestInterface), QStringLiteral("Response"), this,
                    SLOT(onResponse(QDBusMessage)));
    requestPath_.clear();
}

void PortalHotkey::onResponse(const QDBusMessage& message) {
    if (message.path() != requestPath_ || state_ == State::Idle || state_ == State::Bound)
        return;
    const QList<QVariant> arguments = message.arguments();
    // The request is over either way; the call's own reply no longer matters.
    stopWatchingRequest();
    if (pending_) {
        pending_->disconnect(this);
        pending_->deleteLater();
    }
    // 0 is success; 1 the user cancelled, 2 anything else.
    if (arguments.size() < 2 || arguments.at(0).toUInt() != 0) {
        fail();
        return;
    }
    const QVariantMap results = qdbus_cast<QVariantMap>(arguments.at(1));
    if (state_ == State::CreatingSession) {
        session_ = pathOf(results.value(QStringLiteral("session_handle")));
        if (session_.isEmpty()) {
            fail();
            return;
        }
        bus_.connect(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                     QString::fromLatin1(kInterface), QStringLiteral("Activated"), this,
                     SLOT(onActivated(QDBusMessage)));
        bindShortcut();
        return;
    }
    state_ = State::Bound;
    Q_EMIT registered();
}

void PortalHotkey::bindShortcut() {
    state_ = State::Binding;
    // The desktop may offer another trigger, or let the user choose one.
    const QList<portal::NewShortcut> shortcuts{
        {QString::fromLatin1(kShortcutId),
         {{QStringLiteral("description"), tr("Show Oxlin")},
          {QStringLiteral("preferred_trigger"), QStringLiteral("CTRL+SHIFT+a")}}}};
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts),
             QString()},
            {});
}

void PortalHotkey::onActivated(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (session_.isEmpty() || arguments.size() < 2)
        return;
    // The portal tells every session of ours; only this one's key counts.
    if (pathOf(arguments.at(0)) == session_ &&
        arguments.at(1).toString() == QLatin1String(kShortcutId))
        Q_EMIT activated();
}

void PortalHotkey::fail() {
    unregisterKey();
    Q_EMIT failed();
}

} // namespace oxlin::app
