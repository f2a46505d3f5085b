#include "app/desktop/tray_icon.h"

#include "app/base/app_icons.h"
#include "app/base/command_ids.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMenu>
#include <QSystemTrayIcon>

namespace oxlin::app {

bool TrayIcon::statusNotifierHostPresent() {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QDBusVariant> registered = bus.call(get);
    return registered.isValid() && registered.value().variant().toBool();
}

TrayIcon::TrayIcon(bool available, Dispatch dispatch, QObject* parent)
    : QObject(parent), available_(available), dispatch_(std::move(dispatch)) {
    // A menu has no parent object here: a tray menu is a top-level pop-up.
    menu_ = new QMenu;
    menu_->setObjectName(QStringLiteral("trayMenu"));
    const auto entry = [this](const QString& text, int id) {
        QAction* act = menu_->addAction(text);
        act->setData(id);
        act->setEnabled(available_);
        connect(act, &QAction::triggered, this, [this, id] { dispatch_(id); });
        return act;
    };
    entry(tr("&Show/Hide"), cmd::TrayShowHide);
    menu_->addSeparator();
    onTop_ = entry(tr("On &Top"), cmd::AlwaysOnTop);
    onTop_->setCheckable(true);
    menu_->addSeparator();
    entry(tr("&Exit"), cmd::TrayExit);

    icon_ = new QSystemTrayIcon(applicationIcon(), this);
    icon_->setToolTip(tr(kTip));
    icon_->setContextMenu(menu_);
    // An X11 tray reports a double click after the click (Trigger) that
    // began it; a status notifier host has only its activation, which Qt
    // reports as a Trigger.
    clickShows_ = available_ && statusNotifierHostPresent();
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick ||
                    (clickShows_ && reason == QSystemTrayIcon::Trigger))
                    Q_EMIT doubleClicked();
            });
    if (available_)
        icon_->show();
}

TrayIcon::~TrayIcon() {
    icon_->hide();
    delete menu_;
}

void TrayIcon::setOnTopChecked(bool checked) { onTop_->setChecked(checked); }

void TrayIcon::popUpMenu(const QPoint& globalPosition) {
    if (available_)
        menu_->popup(globalPosition);
}

QRect TrayIcon::iconGeometry() const {
    return icon_ ? icon_->geometry() : QRect();
}

void TrayIcon::showNote(const QString& title, const QString& text) {
    if (available_ && QSystemTrayIcon::supportsMessages())
        icon_->showMessage(title, text, QSystemTrayIcon::Information);
}

} // namespace oxlin::app
