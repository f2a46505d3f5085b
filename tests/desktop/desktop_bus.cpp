// The desktop's side of the session bus, for the desktop tests: a status
// notifier watcher that claims a tray host, so Qt puts the program's tray
// icon on D-Bus, with the notification service that shows the icon's notes;
// the calls a tray host makes on that icon and its menu; and a desktop
// portal that refuses the global hotkey, late.
//
// usage: oxlin-desktop-bus COMMAND [ARGUMENT]
//   watcher         serves org.kde.StatusNotifierWatcher and
//                   org.freedesktop.Notifications until killed, printing
//                   each note as "note SUMMARY: BODY"
//   item            prints the registered icon's service and properties
//   activate        activates the icon, as a click on it in the tray does
//   menu            prints the icon's menu, one entry a line ("-" a separator)
//   click LABEL     clicks the menu entry shown as LABEL
//   portal          serves GlobalShortcuts, holding every answer until
//                   `release`, then refusing the key
//   asked           prints the session the program asked the portal for
//   release         the late portal answers
// The client commands end with 1 (and say why) when there is nothing to ask.

#include "fake_portal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTextStream>

#include <optional>

namespace {

constexpr char kWatcherService[] = "org.kde.StatusNotifierWatcher";
constexpr char kWatcherPath[] = "/StatusNotifierWatcher";
constexpr char kItemInterface[] = "org.kde.StatusNotifierItem";
constexpr char kMenuInterface[] = "com.canonical.dbusmenu";
constexpr char kControlPath[] = "/org/oxlin/TestDesktop";

void say(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

int refuse(const QString& why) {
    QTextStream(stderr) << why << Qt::endl;
    return 1;
}

// The watcher as a tray host expects it. Items that leave the bus are
// dropped, as a real watcher drops them.
class Watcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    explicit Watcher(QDBusConnection bus) : bus_(bus) {
        owners_.setConnection(bus_);
        owners_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&owners_, &QDBusServiceWatcher::serviceUnregistered, this,
                [this](const QString& service) {
                    const QStringList known = items_;
                    for (const QString& item : known)
                        if (item.section(u'/', 0, 0) == service) {
                            items_.removeAll(item);
                            say("unregistered " + item);
                            Q_EMIT StatusNotifierItemUnregistered(item);
                        }
                });
    }
    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    // An item names its service, or only its path on the caller's connection.
    void RegisterStatusNotifierItem(const QString& serviceOrPath, const QDBusMessage& message) {
        const QString item = serviceOrPath.startsWith(u'/')
                                 ? message.service() + serviceOrPath
                                 : serviceOrPath + QStringLiteral("/StatusNotifierItem");
        if (items_.contains(item))
            return;
        items_ << item;
        owners_.addWatchedService(item.section(u'/', 0, 0));
        say("registered " + item);
        Q_EMIT StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QDBusConnection bus_;
    QDBusServiceWatcher owners_;
    QStringList items_;
};

// Notes are printed, not shown.
class Notifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public Q_SLOTS:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        say(QStringLiteral("note %1: %2").arg(summary, body));
        return ++made_;
    }
    QStringList GetCapabilities() const { return {QStringLiteral("body")}; }
    void CloseNotification(uint) {}

private:
    uint made_ = 0;
};

// Lets the test release a late portal's answers.
class PortalControl final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.oxlin.TestDesktop")
public:
    explicit PortalControl(FakePortal& portal) : portal_(portal) {}
public Q_SLOTS:
    // The session the program has asked for; empty before it asked.
    QString Session() const { return portal_.session; }
    void Release() {
        say("releasing the answers");
        portal_.holdResponses = false;
        portal_.release();
    }

private:
    FakePortal& portal_;
};

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QList<QVariant>& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

QVariant property(const QString& service, const QString& path, const QString& interface,
                  const QString& name) {
    const QDBusReply<QDBusVariant> reply =
        call(service, path, "org.freedesktop.DBus.Properties", "Get", {interface, name});
    return reply.isValid() ? reply.value().variant() : QVariant();
}

struct Item {
    QString service;
    QString path;
};

// The first item the watcher knows, as a tray host finds it.
std::optional<Item> registeredItem() {
    const QStringList items =
        property(kWatcherService, kWatcherPath, kWatcherService, "RegisteredStatusNotifierItems")
            .toStringList();
    if (items.isEmpty())
        return std::nullopt;
    const qsizetype slash = items.first().indexOf(u'/');
    return Item{items.first().left(slash), items.first().mid(slash)};
}

// Icon pixmaps, a(iiay), as "WIDTHxHEIGHT" each.
QStringList pixmapSizes(const QDBusArgument& pixmaps) {
    QStringList sizes;
    pixmaps.beginArray();
    while (!pixmaps.atEnd()) {
        int width = 0, height = 0;
        QByteArray bytes;
        pixmaps.beginStructure();
        pixmaps >> width >> height >> bytes;
        pixmaps.endStructure();
        if (bytes.size() == qsizetype(width) * height * 4)
            sizes << QStringLiteral("%1x%2").arg(width).arg(height);
    }
    pixmaps.endArray();
    return sizes;
}

int printItem(const Item& item) {
    const auto get = [&item](const char* name) {
        return property(item.service, item.path, kItemInterface, name);
    };
    say("Service: " + item.service);
    for (const char* name : {"Id", "Title", "Status", "IconName"})
        say(QStringLiteral("%1: %2").arg(name, get(name).toString()));
    say("IconPixmap: " + pixmapSizes(get("IconPixmap").value<QDBusArgument>()).join(' '));
    // The tooltip is (icon name, icon pixmaps, title, description).
    const QDBusArgument tip = get("ToolTip").value<QDBusArgument>();
    QString iconName, title, description;
    tip.beginStructure();
    tip >> iconName;
    pixmapSizes(tip);
    tip >> title >> description;
    tip.endStructure();
    say("ToolTip: " + title);
    say("Menu: " + get("Menu").value<QDBusObjectPath>().path());
    return 0;
}

struct Entry {
    int id = 0;
    QString label; // "-" for a separator
};

// The top level of the menu's layout, (ia{sv}av) with each child a variant.
QList<Entry> menuEntries(const Item& item) {
    const QString menu =
        property(item.service, item.path, kItemInterface, "Menu").value<QDBusObjectPath>().path();
    const QDBusMessage reply =
        call(item.service, menu, kMenuInterface, "GetLayout", {0, -1, QStringList()});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return {};
    const QDBusArgument layout = reply.arguments().at(1).value<QDBusArgument>();
    int rootId = 0;
    QVariantMap rootProperties;
    layout.beginStructure();
    layout >> rootId >> rootProperties;
    QList<Entry> entries;
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        const QDBusArgument node = child.variant().value<QDBusArgument>();
        Entry entry;
        QVariantMap properties;
        node.beginStructure();
        node >> entry.id >> properties;
        node.endStructure(); // its own children are not read
        if (properties.value("type").toString() == "separator")
            entry.label = "-";
        else
            entry.label = properties.value("label").toString();
        if (properties.value("enabled", true).toBool() == false)
            entry.label += " (greyed)";
        if (properties.value("toggle-state").toInt() == 1)
            entry.label += " (checked)";
        entries << entry;
    }
    layout.endArray();
    layout.endStructure();
    return entries;
}

int clickEntry(const Item& item, const QString& label) {
    const QString menu =
        property(item.service, item.path, kItemInterface, "Menu").value<QDBusObjectPath>().path();
    for (const Entry& entry : menuEntries(item)) {
        if (entry.label != label)
            continue;
        const QDBusMessage reply = call(
            item.service, menu, kMenuInterface, "Event",
            {entry.id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), uint(0)});
        return reply.type() == QDBusMessage::ReplyMessage ? 0 : refuse(reply.errorMessage());
    }
    return refuse("no menu entry " + label);
}

int serveWatcher() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher(bus);
    Notifications notes;
    if (!bus.registerObject(kWatcherPath, &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(kWatcherService) ||
        !bus.registerObject("/org/freedesktop/Notifications", &notes,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications"))
        return refuse("cannot serve the watcher: " + bus.lastError().message());
    say("watching");
    return QCoreApplication::exec();
}

int servePortal() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakePortal portal(bus);
    portal.bindResponse = 2; // the desktop said no
    portal.holdResponses = true;
    PortalControl control(portal);
    if (!bus.registerObject(kControlPath, &control, QDBusConnection::ExportAllSlots) ||
        !portal.start())
        return refuse("cannot serve the portal: " + bus.lastError().message());
    say("portal");
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (!QDBusConnection::sessionBus().isConnected())
        return refuse("no session bus");
    if (command == "watcher")
        return serveWatcher();
    if (command == "portal")
        return servePortal();
    if (command == "release" || command == "asked") {
        const QDBusMessage reply =
            call(FakePortal::Hotkey::kService, kControlPath, "org.oxlin.TestDesktop",
                 command == "release" ? "Release" : "Session");
        if (reply.type() != QDBusMessage::ReplyMessage)
            return refuse(reply.errorMessage());
        if (command == "release")
            return 0;
        const QString session = reply.arguments().value(0).toString();
        if (session.isEmpty())
            return refuse("the program has not asked the portal yet");
        say(session);
        return 0;
    }
    const std::optional<Item> item = registeredItem();
    if (!item)
        return refuse("no status notifier item is registered");
    if (command == "item")
        return printItem(*item);
    if (command == "activate") {
        const QDBusMessage reply =
            call(item->service, item->path, kItemInterface, "Activate", {0, 0});
        return reply.type() == QDBusMessage::ReplyMessage ? 0 : refuse(reply.errorMessage());
    }
    if (command == "menu") {
        const QList<Entry> entries = menuEntries(*item);
        for (const Entry& entry : entries)
            say(entry.label);
        return entries.isEmpty() ? refuse("the menu is empty") : 0;
    }
    if (command == "click" && args.size() == 2)
        return clickEntry(*item, args.at(1));
    return refuse("usage: oxlin-desktop-bus watcher|item|activate|menu|click LABEL|"
                  "portal|asked|release");
}

#include "desktop_bus.moc"
