#pragma once

// A private D-Bus daemon and, on it, a stand-in for the desktop portal's
// GlobalShortcuts, so the hotkey's whole conversation runs without a desktop
// (and without touching the user's session bus).

#include "app/desktop/portal_hotkey.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

// dbus-daemon with a configuration of its own: a socket in a temporary
// folder, everything allowed, and no activatable services, so a name nobody
// owns stays unowned.
class PrivateBus {
public:
    static QString daemonProgram() { return QStandardPaths::findExecutable("dbus-daemon"); }

    bool start() {
        const QString config = QDir(dir_.path()).filePath("bus.conf");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QStringLiteral(
                       "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration "
                       "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                       "busconfig.dtd\">\n<busconfig><type>session</type>"
                       "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                       "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                       "<allow own=\"*\"/></policy></busconfig>\n")
                       .arg(dir_.path())
                       .toUtf8());
        file.close();
        daemon_.start(daemonProgram(),
                      {"--config-file=" + config, "--nofork", "--print-address=1"});
        // The address is the daemon's first line, printed once it listens.
        while (!daemon_.canReadLine())
            if (!daemon_.waitForReadyRead(30000))
                return false;
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        return !address_.isEmpty();
    }
    ~PrivateBus() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }
    QString address() const { return address_; }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
};

// The portal's side: CreateSession and BindShortcuts answer with a Request
// path and then its Response, as the real one does, and Activated can be sent
// at will. The switches make it misbehave in the ways desktops do.
class FakePortal final : public QDBusVirtualObject {
public:
    using Hotkey = oxlin::app::PortalHotkey;

    struct Bound {
        QString session;
        QString id;
        QVariantMap details;
    };

    explicit FakePortal(QDBusConnection bus) : bus_(std::move(bus)) {}

    bool start() {
        return bus_.registerVirtualObject(Hotkey::kPath, this, QDBusConnection::SubPath) &&
               bus_.registerService(Hotkey::kService);
    }

    bool offersShortcuts = true; // false: the interface is unknown here
    uint bindResponse = 0;       // 1 cancelled by the user, 2 other failure
    bool holdResponses = false;  // requests stay open until `release`
    bool respondFirst = false;   // Response before the method's own reply (never held)
    bool ownRequestPaths = false; // like portals that ignore handle_token

    QString session;
    QList<Bound> bound;
    QStringList closedSessions;

    void release() {
        const QList<QDBusMessage> held = std::exchange(held_, {});
        for (const QDBusMessage& response : held)
            bus_.send(response);
    }
    // Every answer given so far, once more: one a client cannot have heard
    // yet (its path still unknown to it) may be heard this time.
    void repeatAnswers() {
        for (const QDBusMessage& response : given_)
            bus_.send(response);
    }

    void activate(const QString& sessionPath, const QString& id) {
        QDBusMessage signal =
            QDBusMessage::createSignal(Hotkey::kPath, Hotkey::kInterface, "Activated");
        signal << QVariant::fromValue(QDBusObjectPath(sessionPath)) << id
               << qulonglong(1234) << QVariantMap();
        bus_.send(signal);
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() == "org.freedesktop.portal.Session" &&
            message.member() == "Close") {
            closedSessions << message.path();
            connection.send(message.createReply());
            return true;
        }
        if (!offersShortcuts || message.interface() != Hotkey::kInterface ||
            message.path() != Hotkey::kPath ||
            (message.member() != "CreateSession" && message.member() != "BindShortcuts")) {
            connection.send(message.createErrorReply(QDBusError::UnknownInterface, "no such"));
            return true;
        }
        const QList<QVariant> args = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(args.last());
        const QString sender = message.service().mid(1).replace('.', '_');
        const QString request =
            ownRequestPaths ? QStringLiteral("%1/request/other%2").arg(Hotkey::kPath).arg(++made_)
                            : QStringLiteral("%1/request/%2/%3")
                                  .arg(Hotkey::kPath, sender,
                                       options.value("handle_token").toString());
        uint code = 0;
        QVariantMap results;
        if (message.member() == "CreateSession") {
            session = QStringLiteral("%1/session/%2/%3")
                          .arg(Hotkey::kPath, sender,
                               options.value("session_handle_token").toString());
            results.insert("session_handle", session);
        } else {
            const QString target = qvariant_cast<QDBusObjectPath>(args.at(0)).path();
            const QDBusArgument list = qvariant_cast<QDBusArgument>(args.at(1));
            list.beginArray();
            while (!list.atEnd()) {
                Bound entry{target, {}, {}};
                list.beginStructure();
                list >> entry.id >> entry.details;
                list.endStructure();
                bound << entry;
            }
            list.endArray();
            code = bindResponse;
        }
        QDBusMessage response =
            QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << code << results;
        given_ << response;
        const QDBusMessage reply =
            message.createReply(QVariant::fromValue(QDBusObjectPath(request)));
        if (respondFirst) {
            connection.send(response);
            connection.send(reply);
            return true;
        }
        connection.send(reply);
        held_ << response;
        if (!holdResponses)
            release();
        return true;
    }

private:
    QDBusConnection bus_;
    QList<QDBusMessage> held_;
    QList<QDBusMessage> given_;
    int made_ = 0;
};
